// libFuzzer target: any bytes as a GTP session of winkirvo-gtp, line by
// line as the program reads standard input.  Every reply must be framed as
// the protocol says (one "=" or "?" reply ended by the only empty line in
// it, with the command's id), and the board must pass the engine's check
// after every command.  The computer reads at depths 1 1 1 with the data
// files (which keep its candidates few), and at most
// one command per input chooses a move or evaluates the whole board, so
// that each input stays short (the game goes on from one input to the next,
// so sequences of them are still met); the depths stay as they are, and files are
// read and written only in a directory of the run's own.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "engine/base/data_files.h"
#include "engine/base/diagnostics.h"
#include "fuzz/fuzz_dir.h"
#include "gtp/front_end.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

// The id and the command word of a line as the registry sees it.
void split_command(const std::string& line, std::string& id, std::string& command) {
    std::istringstream in(gtp::preprocess(line));
    id.clear();
    command.clear();
    in >> command;
    if (!command.empty() && command.find_first_not_of("0123456789") == std::string::npos) {
        id = command;
        command.clear();
        in >> command;
    }
}

// Commands that choose a move or evaluate the whole board.
bool is_heavy(const std::string& command) {
    return command == "genmove" || command == "reg_genmove" || command == "kgs-genmove_cleanup" ||
           command == "final_score" || command == "final_status_list" ||
           (command.rfind("winkirvo-", 0) == 0 && command != "winkirvo-memory");
}

// Commands the harness keeps out: deeper readings would make inputs slow,
// and a file path could leave the run's directory.
bool is_kept_out(const std::string& line, const std::string& command) {
    if (command == "winkirvo-depths") return true;
    return (command == "loadsgf" || command == "printsgf") && line.find('/') != std::string::npos;
}

void check_reply(const std::string& reply, const std::string& id) {
    if (reply.empty()) return;
    require(reply[0] == '=' || reply[0] == '?');
    require(reply.compare(1, id.size(), id) == 0);
    require(reply.size() >= 2 + id.size() && reply.compare(reply.size() - 2, 2, "\n\n") == 0);
    require(reply.find("\n\n") == reply.size() - 2);
}

gtp_front_end& front_end() {
    static gtp_front_end* front = [] {
        require(chdir(make_fuzz_dir().c_str()) == 0);
        set_data_dir(WINKIRVO_FUZZ_DATA_DIR);
        program_options options;
        options.use_seed = true;
        options.status_depth = options.connection_depth = options.life_death_depth = 1;
        return new gtp_front_end(options);
    }();
    return *front;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static diag::quiet_scope quiet(true);
    gtp_front_end& front = front_end();
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    int heavy = 0;
    std::string id;
    std::string command;
    for (std::string line; std::getline(in, line);) {
        split_command(line, id, command);
        if (is_kept_out(line, command)) continue;
        if (is_heavy(command) && ++heavy > 1) continue;
        check_reply(front.commands().execute(line), id);
        require(front.control().engine_for_checks().check_position() == 0);
    }
    return 0;
}

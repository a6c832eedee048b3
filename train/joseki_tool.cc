// winkirvo-train joseki GAMES_DIR [OUT_DIR] [--more-games DIR]: mines the
// engine's four joseki libraries from the games under GAMES_DIR (the
// professional games), then those under DIR (the strong amateurs' games),
// into OUT_DIR (default data), then loads them with the engine as a check.
//
// Our libraries, broadest first, as the engine consults them:
//   j_fuseki  the whole board, the first 12 moves of the games;
//   j_side    a half board (one side with its two corners), 10 local moves
//             among the first 40 of the game;
//   j_corner  a 10x10 corner, 20 local moves among the first 100;
//   j_mini    a 7x7 corner, 10 local moves among the first 100, for corners
//             whose wider surroundings j_corner does not know.
// How sequences are cut, merged and written: train/joseki_mining.h.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/base/data_files.h"
#include "engine/base/diagnostics.h"
#include "engine/engine.h"
#include "engine/knowledge/joseki_library.h"
#include "game/sgf_record.h"
#include "train/joseki_mining.h"
#include "train/tool.h"
#include "train/tool_support.h"

namespace {

namespace fs = std::filesystem;
using joseki_mining::plan;

// Sends the engine's messages nowhere while it lives.
class quiet_diagnostics {
  public:
    quiet_diagnostics() : null_(std::fopen("/dev/null", "w")) { diag::set_out(null_); }
    ~quiet_diagnostics() {
        diag::set_out(nullptr);
        std::fclose(null_);
    }
    quiet_diagnostics(const quiet_diagnostics&) = delete;
    quiet_diagnostics& operator=(const quiet_diagnostics&) = delete;

  private:
    FILE* null_;
};

// Builds an object whose engines must learn no library (they replay games
// or check the libraries).
template <class T, class... Args>
std::unique_ptr<T> build_without_data(Args&&... args) {
    set_data_dir((fs::temp_directory_path() / "winkirvo-joseki-no-data").string());
    auto built = std::make_unique<T>(std::forward<Args>(args)...);
    set_data_dir("");
    return built;
}

void mine(joseki_mining::miner& m, const std::vector<std::string>& files) {
    std::map<std::string, int> skipped;
    int used = 0;
    for (size_t i = 0; i < files.size(); ++i) {
        sgf_record game;
        std::string why;
        if (!read_sgf_record_file(files[i], game, why)) {
            ++skipped["unreadable"];
        } else if (m.add_game(game, why)) {
            ++used;
        } else {
            ++skipped[why];
        }
        if ((i + 1) % 10000 == 0) std::fprintf(stderr, "%zu games read\n", i + 1);
    }
    std::printf("games: %zu files, %d used (%d of them cut at an illegal move)\n", files.size(),
                used, m.cut_games());
    for (const auto& [why, count] : skipped)
        std::printf("  skipped, %s: %d\n", why.c_str(), count);
}

void write_libraries(const joseki_mining::miner& m, const fs::path& out) {
    for (size_t i = 0; i < m.plans().size(); ++i) {
        const plan& p = m.plans()[i];
        std::ofstream(out / (p.name + ".dat")) << joseki_mining::library_text(p);
        const fs::path tree_file = out / (p.name + "_tree.dat");
        std::ofstream tree_out(tree_file);
        const joseki_mining::tree_figures f = m.tree_of(i).write(tree_out, p.min_games);
        tree_out.close();
        std::printf(
            "%s: %d sequences, %d tree nodes; written: %d moves learnt, %d strong, %d only "
            "played, %d passes; %ju bytes\n",
            p.name.c_str(), m.tree_of(i).sequences(), m.tree_of(i).size(), f.learnt, f.strong,
            f.played, f.passes, static_cast<uintmax_t>(fs::file_size(tree_file)));
    }
}

// Loads the written libraries as the engine does and reports what they hold;
// any problem it reported means a file the engine could not read as written.
bool check_libraries(const std::vector<plan>& plans, const fs::path& out) {
    std::unique_ptr<engine> board = build_without_data<engine>();
    set_data_dir(out.string());
    std::vector<std::unique_ptr<joseki_library>> loaded;
    const auto start = std::chrono::steady_clock::now();
    for (auto p = plans.rbegin(); p != plans.rend(); ++p) {
        loaded.push_back(std::make_unique<joseki_library>(*board, p->name + ".dat"));
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    set_data_dir("");
    int problems = 0;
    for (const auto& library : loaded)
        problems += library->problems();
    for (size_t i = 0; i < loaded.size(); ++i) {
        std::printf("%s: %d entries, region of %d points\n",
                    plans[plans.size() - 1 - i].name.c_str(), loaded[i]->n_entries(),
                    loaded[i]->region.count());
    }
    std::printf("loading the four libraries took %.3f s\n", took.count());
    if (problems > 0 || board->no_moves != 0) {
        std::printf("the engine reported %d problems reading the libraries\n", problems);
        return false;
    }
    return true;
}

int run(const std::vector<std::string>& args) {
    std::string games, out_dir = "data", more_games;
    train::option_parser parser;
    parser.positional(games);
    parser.positional(out_dir);
    parser.option("more-games", more_games);
    if (!parser.parse(args) || games.empty()) {
        std::fprintf(stderr,
                     "usage: winkirvo-train joseki GAMES_DIR [OUT_DIR] [--more-games DIR]\n");
        return 2;
    }
    std::vector<std::string> files;
    if (!train::sgf_files_in({games, more_games}, files)) return 1;
    const fs::path out = out_dir;
    fs::create_directories(out);

    // Besides the libraries' messages, the engines' guard against leaked
    // strings counts those of all the miner's engines together, and speaks
    // up for nothing.
    quiet_diagnostics quiet;
    auto m = build_without_data<joseki_mining::miner>(joseki_mining::standard_plans());
    mine(*m, files);
    write_libraries(*m, out);
    const std::vector<plan> plans = m->plans();
    m.reset();
    return check_libraries(plans, out) ? 0 : 1;
}

}  // namespace

const bool joseki_tool_registered = train::register_tool(
    {"joseki",
     "GAMES_DIR [OUT_DIR] [--more-games DIR]: mines the four joseki libraries from the games "
     "under both directories into OUT_DIR (data)",
     run});

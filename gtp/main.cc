// winkirvo-gtp [--seed N] [--depths S C L] [--data-dir DIR]: WinKirvo on the
// Go Text Protocol, version 2, over standard input and output.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "engine/data_files.h"
#include "engine/diagnostics.h"
#include "gtp/front_end.h"

namespace {

bool parse_int(const char* text, int& value) {
    char* end = nullptr;
    const long parsed = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || parsed < -2147483647L - 1 || parsed > 2147483647L) {
        return false;
    }
    value = static_cast<int>(parsed);
    return true;
}

bool parse_options(int argc, char** argv, gtp_options& options) {
    for (int i = 1; i < argc; ++i) {
        const bool has_value = i + 1 < argc;
        if (std::strcmp(argv[i], "--seed") == 0 && has_value) {
            if (!parse_int(argv[++i], options.seed)) return false;
            options.use_seed = true;
        } else if (std::strcmp(argv[i], "--depths") == 0 && i + 3 < argc) {
            if (!parse_int(argv[i + 1], options.status_depth) ||
                !parse_int(argv[i + 2], options.connection_depth) ||
                !parse_int(argv[i + 3], options.life_death_depth)) {
                return false;
            }
            i += 3;
        } else if (std::strcmp(argv[i], "--data-dir") == 0 && has_value) {
            set_data_dir(argv[++i]);
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    // Standard output carries the protocol and nothing else, and standard
    // input is the protocol's: the engine neither prints there nor waits
    // there for a debug console.
    diag::set_out(stderr);
    unsetenv("WINKIRVO_CONSOLE");
    gtp_options options;
    if (!parse_options(argc, argv, options)) {
        std::fprintf(stderr, "usage: winkirvo-gtp [--seed N] [--depths S C L] [--data-dir DIR]\n");
        return 2;
    }
    gtp_front_end front_end(options);
    front_end.commands().run(std::cin, std::cout);
    return 0;
}

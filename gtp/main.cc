// winkirvo-gtp [--seed N] [--depths S C L] [--data-dir DIR]: WinKirvo on the
// Go Text Protocol, version 2, over standard input and output.
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "engine/base/diagnostics.h"
#include "game/crash_record.h"
#include "game/program_options.h"
#include "gtp/front_end.h"

int main(int argc, char** argv) {
    // Standard output carries the protocol and nothing else, and standard
    // input is the protocol's: the engine neither prints there nor waits
    // there for a debug console.
    diag::set_out(stderr);
    unsetenv("WINKIRVO_CONSOLE");
    gtp_options options;
    for (int i = 1; i < argc;) {
        const int used = parse_program_option(argc, argv, i, options);
        if (used <= 0) {
            std::fprintf(stderr,
                         "usage: winkirvo-gtp [--seed N] [--depths S C L] [--data-dir DIR]\n");
            return 2;
        }
        i += used;
    }
    gtp_front_end front_end(options);
    install_crash_save(front_end.control());
    front_end.commands().run(std::cin, std::cout);
    return 0;
}

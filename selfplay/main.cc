// winkirvo-selfplay [--seed N] [--depths S C L] [--data-dir DIR] [--sgf FILE]:
// one whole game of the computer against itself in the console, through the
// same game control as the desktop program.  The board is printed every ten
// moves, the result at the end, and the game is saved as an SGF file
// (by default "winkirvo-selfplay.sgf" in the working directory).
#include <cstdio>
#include <cstring>
#include <string>

#include "engine/base/diagnostics.h"
#include "game/crash_record.h"
#include "game/game_control.h"
#include "game/program_options.h"

namespace {

// The console in place of the desktop's dialogs: messages are printed, and
// there is nothing to draw nor to ask.
class console_ui : public game_ui {
  public:
    void message_box(const std::string& text) override { std::printf("%s\n", text.c_str()); }
    bool save_modified() override { return true; }
    void redraw() override {}
    void begin_wait_cursor() override {}
    void end_wait_cursor() override {}
};

void usage() {
    std::fprintf(stderr,
                 "usage: winkirvo-selfplay [--seed N] [--depths S C L] [--data-dir DIR] "
                 "[--sgf FILE]\n");
}

}  // namespace

int main(int argc, char** argv) {
    program_options options;
    std::string sgf_file = "winkirvo-selfplay.sgf";
    for (int i = 1; i < argc;) {
        if (std::strcmp(argv[i], "--sgf") == 0 && i + 1 < argc) {
            sgf_file = argv[i + 1];
            i += 2;
            continue;
        }
        const int used = parse_program_option(argc, argv, i, options);
        if (used <= 0) {
            usage();
            return 2;
        }
        i += used;
    }
    console_ui ui;
    game_control control(ui);
    control.new_document();
    install_crash_save(control);
    if (options.use_seed) {
        control.set_seed(options.seed);
        control.new_game();
    }
    game_settings players;
    players.black = players.white = {true, options.status_depth, options.connection_depth,
                                     options.life_death_depth};
    control.set_players(&players);
    control.start();
    int moves = 0;
    for (;;) {
        bool played = false;
        {
            // The readings' progress marks are for the debug console only.
            diag::quiet_scope quiet(!diag::debug_enabled());
            played = control.computer_move();
        }
        if (!played) break;
        if (++moves % 10 == 0) {
            std::printf("\nAfter move %d:\n", moves);
            control.report().print_board();
        }
    }
    std::printf("\nThe final position after %d moves:\n", moves);
    control.report().print_board();
    bool saved = false;
    {
        // The result written into the file is scored afresh, quietly.
        diag::quiet_scope quiet(!diag::debug_enabled());
        saved = control.save_file(sgf_file);
    }
    if (!saved) {
        std::printf("The game could not be saved in %s.\n", sgf_file.c_str());
        return 1;
    }
    std::printf("The game is saved in %s.\n", sgf_file.c_str());
    return 0;
}

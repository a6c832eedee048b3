#include "game/crash_record.h"

#include <fstream>

#include "engine/base/diagnostics.h"
#include "game/game_control.h"
#include "game/sgf_writer.h"

std::string save_game_on_crash(const game_control& control) {
    const Game& game = control.game();
    sgf_settings s = control.record_settings();
    s.moves = game.recorded_moves();
    s.keep_open = true;
    // The side to move follows from the record, whatever the control was
    // doing when the check failed.
    const engine& e = game.eng();
    const int moves = std::min(s.moves, e.no_moves);
    s.side = moves == 0 ? 1 : -e.move_stack[moves - 1].colour;
    std::ofstream out(crash_game_file, std::ios::binary);
    out << write_sgf(game, s);
    out.close();
    if (!out) return std::string("The game so far could not be saved in ") + crash_game_file + ".";
    return std::string("The game so far is saved in ") + crash_game_file + ".";
}

void install_crash_save(const game_control& control) {
    diag::set_crash_hook([&control](const std::string&) {
        diag::print("%s\n", save_game_on_crash(control).c_str());
        diag::flush();
    });
}

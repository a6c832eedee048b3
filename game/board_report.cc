#include "game/board_report.h"

#include "engine/engine.h"

int board_report::ownership(int x, int y) const {
    return engine_.ownership_trit(x, y);
}

char board_report::safety_digit(int x, int y) const {
    return engine_.safety_char(x, y);
}

double board_report::stone_safety(int x, int y) const {
    return engine_.stone_safety(engine_.at(x, y));
}

int board_report::score_estimate() const {
    return engine_.score_estimate();
}

void board_report::print_board() const {
    engine_.print_board();
}

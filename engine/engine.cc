#include "engine/board/colour.h"
#include "engine/engine.h"

void engine::reset_board() {
    proofs->clear();
    while (no_moves > 0) pop();
    // Groups name their strings: they go before the points free the strings.
    clear_groups(black);
    clear_groups(white);
    clear_position();
}

// The engine: the one object that holds the whole state of the playing
// engine, layer on layer: the board (points, move stack and history, the
// live position key), the knowledge read from the data files, tactical
// reading, the evaluation and move choice.  Nothing of it is rebuilt between
// games; reset_board clears it.
#pragma once

#include "engine/play/move_chooser.h"

class engine : public move_chooser {
public:
    engine() = default;
    engine(const engine&) = delete;
    engine& operator=(const engine&) = delete;

    // A new game: the stored proofs, the moves, the groups and the points'
    // contents go, in that order.
    void reset_board();
};

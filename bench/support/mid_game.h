// Positions for the benchmarks.
#pragma once

#include <vector>

#include "engine/engine.h"

namespace bench {

// Plays random legal moves (no passes) from the current position until 150
// stones stand on the board.
void build_mid_game(engine& e, unsigned seed);

// The legal moves of the side to move, in index order, without the pass.
std::vector<point*> legal_moves(engine& e);

}  // namespace bench

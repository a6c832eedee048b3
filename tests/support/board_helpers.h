// Helpers that build positions from pictures and check the board against a
// recomputation from scratch.
#pragma once

#include <string>
#include <vector>

#include "engine/engine.h"

namespace test {

// Pushes the stones of a picture onto the board: one string per row from the
// top row (y = 1) down, one character per column from x = 1: 'X' Black,
// 'O' White, anything else empty.  Rows may be shorter than 19.
void place(engine& e, const std::vector<std::string>& rows);

point* pt(board& e, const char* name);  // "dd" -> (4, 4)

// Empty string when every string, string pointer and key word agrees with a
// recomputation from the colours alone; otherwise what differs.
std::string board_mismatch(engine& e);

// A random legal move (a board point or the pass point) for the side to
// move, drawn from the region x0..x1 x y0..y1.
point* random_legal_move(engine& e, unsigned& state, int x0, int x1, int y0, int y1);

}  // namespace test

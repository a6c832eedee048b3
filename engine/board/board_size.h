// The size of the board.  The engine plays on 19 x 19 only: the point
// indices, the position key's words and the networks' inputs are laid out
// for it.
#pragma once

constexpr int board_size = 19;
constexpr int board_points = board_size * board_size;
// The pass point comes after the board points, in the point list and in
// every table indexed by point.
constexpr int pass_index = board_points;

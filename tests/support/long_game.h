// Long legal games for the tests of the longest game the program accepts.
#pragma once

#include <string>

namespace test {

// An SGF record of n legal moves from random play over the whole board,
// never two passes in a row; the same record for the same n.
std::string long_game_sgf(int n);

}  // namespace test

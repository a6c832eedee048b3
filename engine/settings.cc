// The settings the game sets before any move is chosen: the depth limits of
// tactical reading and the handicap stones.
#include <algorithm>
#include <cstdio>

#include "engine/diagnostics.h"
#include "engine/state.h"

void engine::read_depth_limits() {
    diag::print("max_depth_status max_depth_connection max_depth_L&D");
    diag::flush();
    // A desktop program has no console to answer; only a debug console is
    // asked, so that nothing ever blocks on standard input by default.
    if (!diag::console_enabled()) return;
    if (std::scanf("%d%d%d", &max_depth_status, &max_depth_connection, &max_depth_life_death) !=
        3) {
        std::clearerr(stdin);
    }
}

void engine::set_depth_limits(int status, int connection, int life_death) {
    max_depth_status = status;
    max_depth_connection = connection;
    max_depth_life_death = life_death;
}

void engine::place_handicap(int n) {
    // The order matters: it is the order of the first entries of the move
    // stack, and with them of the handicap line of a saved game.
    static const int corners[4][2] = {{4, 4}, {16, 16}, {4, 16}, {16, 4}};
    static const int sides[4][2] = {{16, 10}, {4, 10}, {10, 16}, {10, 4}};
    static const int three_three[4][2] = {{3, 3}, {3, 17}, {17, 3}, {17, 17}};
    auto black = [this](const int xy[2]) { push(grid[xy[0]][xy[1]], 1); };
    const int stones = std::min(n, 13);
    for (int i = 0; i < std::min(stones, 4); ++i)
        black(corners[i]);
    const int side_stones = stones >= 8 ? 4 : stones >= 6 ? 2 : 0;
    for (int i = 0; i < side_stones; ++i)
        black(sides[i]);
    // The centre follows the corners and sides: odd handicaps from 5, and
    // every handicap from 9, before the 3-3 points.
    static const int centre[2] = {10, 10};
    if (stones == 5 || stones == 7 || stones >= 9) black(centre);
    for (int i = 0; i < stones - 9; ++i)
        black(three_three[i]);
}

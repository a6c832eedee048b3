// The handicap stones: where they go and in which order.
#include <algorithm>

#include "engine/board/board.h"
#include "engine/board/colour.h"

std::vector<point*> board::handicap_points(int n) const {
    // The order matters: it is the order of the first entries of the move
    // stack, and with them of the handicap line of a saved game.
    static const int corners[4][2] = {{4, 4}, {16, 16}, {4, 16}, {16, 4}};
    static const int sides[4][2] = {{16, 10}, {4, 10}, {10, 16}, {10, 4}};
    static const int three_three[4][2] = {{3, 3}, {3, 17}, {17, 3}, {17, 17}};
    std::vector<point*> stones;
    auto add = [&](const int xy[2]) { stones.push_back(grid[xy[0]][xy[1]]); };
    const int n_stones = std::min(n, max_handicap);
    for (int i = 0; i < std::min(n_stones, 4); ++i)
        add(corners[i]);
    const int side_stones = n_stones >= 8 ? 4 : n_stones >= 6 ? 2 : 0;
    for (int i = 0; i < side_stones; ++i)
        add(sides[i]);
    // The centre follows the corners and sides: odd handicaps from 5, and
    // every handicap from 9, before the 3-3 points.
    static const int centre[2] = {10, 10};
    if (n_stones == 5 || n_stones == 7 || n_stones >= 9) add(centre);
    for (int i = 0; i < n_stones - 9; ++i)
        add(three_three[i]);
    return stones;
}

void board::place_handicap(int n) {
    for (point* p : handicap_points(n)) push(p, black);
}

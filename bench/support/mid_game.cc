#include "bench/support/mid_game.h"

#include <random>

namespace bench {

void build_mid_game(engine& e, unsigned seed) {
    std::mt19937 rng(seed);
    int stones = 0;
    while (stones < 150) {
        std::vector<point*> legal = legal_moves(e);
        e.push(legal[rng() % legal.size()], e.turn());
        stones = 0;
        for (int k = 0; k < e.n_points; ++k)
            stones += e.points[k]->colour != 0;
    }
}

std::vector<point*> legal_moves(engine& e) {
    std::vector<point*> legal;
    for (int k = 0; k < e.n_points; ++k) {
        if (e.is_legal_move(e.points[k], e.turn())) legal.push_back(e.points[k]);
    }
    return legal;
}

}  // namespace bench

// Speed of the board itself: make and unmake, and the legality test.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "engine/state.h"

namespace {

// Plays random legal moves (no passes) until 150 stones stand on the board.
void build_mid_game(engine& e, unsigned seed) {
    std::mt19937 rng(seed);
    int stones = 0;
    while (stones < 150) {
        std::vector<point*> legal;
        for (int k = 0; k < e.n_points; ++k) {
            if (e.is_legal_move(e.points[k], e.turn())) legal.push_back(e.points[k]);
        }
        e.push(legal[rng() % legal.size()], e.turn());
        stones = 0;
        for (int k = 0; k < e.n_points; ++k) stones += e.points[k]->colour != 0;
    }
}

std::vector<point*> legal_moves(engine& e) {
    std::vector<point*> legal;
    for (int k = 0; k < e.n_points; ++k) {
        if (e.is_legal_move(e.points[k], e.turn())) legal.push_back(e.points[k]);
    }
    return legal;
}

void BM_PushPop(benchmark::State& state) {
    engine e;
    build_mid_game(e, 42);
    std::vector<point*> moves = legal_moves(e);
    const int colour = e.turn();
    size_t i = 0;
    for (auto _ : state) {
        e.push(moves[i], colour);
        e.pop();
        if (++i == moves.size()) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("push+pop pairs, 150 stones on the board");
}
BENCHMARK(BM_PushPop);

void BM_IsLegalMove(benchmark::State& state) {
    engine e;
    build_mid_game(e, 42);
    std::vector<point*> empty;
    for (int k = 0; k < e.n_points; ++k) {
        if (e.points[k]->colour == 0) empty.push_back(e.points[k]);
    }
    const int colour = e.turn();
    for (auto _ : state) {
        for (point* p : empty) benchmark::DoNotOptimize(e.is_legal_move(p, colour));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(empty.size()));
    state.SetLabel("is_legal_move calls on every empty point");
}
BENCHMARK(BM_IsLegalMove);

}  // namespace

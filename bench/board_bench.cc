// Speed of the board itself: make and unmake, and the legality test.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/support/mid_game.h"
#include "engine/engine.h"

namespace {

using bench::build_mid_game;
using bench::legal_moves;

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

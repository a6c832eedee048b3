// Speed of the shape evaluator in a 150-stone position: a memo miss (the
// features, the encoding and a forward pass of the 167-100-2 network) and a
// memo hit (the features and the lookup only).
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/support/mid_game.h"
#include "engine/engine.h"

namespace {

void BM_ShapeEvalMiss(benchmark::State& state) {
    engine e;
    bench::build_mid_game(e, 42);
    std::vector<point*> moves = bench::legal_moves(e);
    const int colour = e.turn();
    double sente = 0.0;
    size_t i = 0;
    for (auto _ : state) {
        point* p = moves[i];
        p->net_memo.clear();  // a memo of at most one record: its cost is negligible
        benchmark::DoNotOptimize(e.shape_eval(p, colour, sente));
        if (++i == moves.size()) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("shape_eval calls, memo emptied before each");
}
BENCHMARK(BM_ShapeEvalMiss);

void BM_ShapeEvalHit(benchmark::State& state) {
    engine e;
    bench::build_mid_game(e, 42);
    std::vector<point*> moves = bench::legal_moves(e);
    const int colour = e.turn();
    double sente = 0.0;
    for (point* p : moves)
        e.shape_eval(p, colour, sente);
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(e.shape_eval(moves[i], colour, sente));
        if (++i == moves.size()) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("shape_eval calls answered by the memo");
}
BENCHMARK(BM_ShapeEvalHit);

void BM_ShapeNetForward(benchmark::State& state) {
    engine e;
    bench::build_mid_game(e, 42);
    std::vector<point*> moves = bench::legal_moves(e);
    shape_features r = e.build_features(moves[0], e.turn());
    e.encode(r);
    for (auto _ : state)
        benchmark::DoNotOptimize(e.shape_net->evaluate());
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("forward passes of the shape network alone");
}
BENCHMARK(BM_ShapeNetForward);

}  // namespace

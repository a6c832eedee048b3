// Tactical reading on positions from professional games: the time and the
// alpha-beta nodes of one full string status pass, and how often stored
// proofs answer during a whole game.  Needs WINKIRVO_GAMES (the pro
// collection unpacked); without it the benchmarks say so and skip.
#include <benchmark/benchmark.h>

#include <chrono>

#include "bench/support/bench_engine.h"
#include "bench/support/game_positions.h"
#include "engine/engine.h"

namespace {

int proof_answers(const engine& e) {
    return e.proof_hits[0] + e.proof_hits[1];
}
int proof_readings(const engine& e) {
    return e.proof_searches[0] + e.proof_searches[1];
}

// One evaluate_all_strings on each of 100 positions, each on an empty proof
// base: the cost of a status pass from scratch.
void BM_EvaluateAllStrings(benchmark::State& state) {
    bench::silence_diagnostics();
    const std::vector<bench::game_position>& positions = bench::measured_positions();
    if (!bench::have_games(state, !positions.empty())) return;
    engine e;
    bench::set_document_depths(e);
    double seconds = 0;
    long long nodes = 0;
    long long evaluations = 0;
    for (auto _ : state) {
        double iteration = 0;
        for (const bench::game_position& p : positions) {
            bench::set_up(e, p.moves);
            e.root_move_number = e.no_moves;
            const long long before = e.ab_count;
            const auto start = std::chrono::steady_clock::now();
            e.evaluate_all_strings();
            iteration +=
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            nodes += e.ab_count - before;
            ++evaluations;
        }
        seconds += iteration;
        state.SetIterationTime(iteration / positions.size());
    }
    state.counters["positions"] = static_cast<double>(positions.size());
    state.counters["ms_per_pass"] = 1000.0 * seconds / evaluations;
    state.counters["ab_nodes_per_pass"] = static_cast<double>(nodes) / evaluations;
    state.SetLabel("evaluate_all_strings, depths 10/8/4, positions every 20 moves");
}
BENCHMARK(BM_EvaluateAllStrings)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

// The first game replayed move by move with a status pass after every
// move, as the engine does during play: stored proofs carry over.
void BM_ProofReuseOverAGame(benchmark::State& state) {
    bench::silence_diagnostics();
    static const std::vector<bench::replayable_game> games =
        bench::load_games(bench::games_directory(), 1);
    if (!bench::have_games(state, !games.empty())) return;
    const std::vector<sgf_move>& moves = games.front().moves;
    int answers = 0;
    int readings = 0;
    int stored = 0;
    for (auto _ : state) {
        engine e;
        bench::set_document_depths(e);
        for (const sgf_move& m : moves) {
            e.play_move(m.x == 0 ? e.pass_point : e.at(m.x, m.y), m.colour);
            e.root_move_number = e.no_moves;
            e.evaluate_all_strings();
        }
        answers = proof_answers(e);
        readings = proof_readings(e);
        stored = e.proof_stores[0] + e.proof_stores[1];
    }
    state.counters["moves"] = static_cast<double>(moves.size());
    state.counters["queries"] = answers + readings;
    state.counters["proofs_stored"] = stored;
    state.counters["from_proofs_pct"] = 100.0 * answers / std::max(1, answers + readings);
    state.SetLabel(games.front().path);
}
BENCHMARK(BM_ProofReuseOverAGame)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

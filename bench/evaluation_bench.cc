// The evaluation on positions from professional games, without data files
// (neutral networks, no joseki): the time of a full evaluate, and of an
// evaluate_after_move for a move far from the last one after the snapshot
// of a pass evaluation, as move generation makes them, with the share of
// connection verdicts the after-move update takes over instead of reading
// them again.  Needs WINKIRVO_GAMES (the pro collection unpacked); without
// it the benchmarks say so and skip.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "bench/support/bench_engine.h"
#include "bench/support/game_positions.h"
#include "engine/base/data_files.h"
#include "engine/engine.h"

namespace {

namespace fs = std::filesystem;

// An empty data directory while it lives: engines built meanwhile read no
// data file.
class no_data_files {
  public:
    no_data_files() : path_(fs::temp_directory_path() / "winkirvo-bench-no-data") {
        fs::create_directories(path_);
        set_data_dir(path_.string());
    }
    ~no_data_files() {
        set_data_dir("");
        std::error_code ignored;
        fs::remove(path_, ignored);
    }

  private:
    fs::path path_;
};

template <class F>
double seconds_of(F f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The legal point of the side to move with no stone in its 5x5 square that
// lies farthest from the last move (the first such point in board order);
// any legal point when none is that quiet.
point* far_move(engine& e) {
    const point* last = e.last_point();
    point* best = nullptr;
    int best_distance = -1;
    for (bool quiet : {true, false}) {
        for (int k = 0; k < e.n_points; ++k) {
            point* p = e.points[k];
            if (!e.is_legal_move(p, e.turn()) || (quiet && p->near2.has_stone())) continue;
            const int d = last->is_pass() ? 0 : point_set::shape_distance(p, last);
            if (d > best_distance) {
                best = p;
                best_distance = d;
            }
        }
        if (best != nullptr) return best;
    }
    return e.pass_point;
}

// What timed measured over the positions: its mean time, and the
// connection verdicts of the after-move updates it ran.
struct measured {
    bool skipped = true;
    double mean_seconds = 0;
    long long runs = 0;
    long long verdicts_reused = 0;
    long long verdicts_read = 0;
};

// timed(engine) on each position, set up in an engine without data files,
// at every iteration of the benchmark; timed returns the seconds it timed.
template <class Timed>
measured over_positions(benchmark::State& state, Timed timed) {
    measured m;
    bench::silence_diagnostics();
    if (!bench::have_games(state, !bench::measured_positions().empty())) return m;
    no_data_files neutral;
    engine e;
    bench::set_document_depths(e);
    double seconds = 0;
    for (auto _ : state) {
        double iteration = 0;
        for (const bench::game_position& p : bench::measured_positions()) {
            bench::set_up(e, p.moves);
            e.root_move_number = e.no_moves;
            iteration += timed(e);
            ++m.runs;
        }
        seconds += iteration;
        state.SetIterationTime(iteration / bench::measured_positions().size());
    }
    m.skipped = false;
    m.mean_seconds = seconds / m.runs;
    m.verdicts_reused = e.connections_reused;
    m.verdicts_read = e.connections_read;
    return m;
}

void BM_Evaluate(benchmark::State& state) {
    const measured m =
        over_positions(state, [](engine& e) { return seconds_of([&] { e.evaluate(e.turn()); }); });
    if (m.skipped) return;
    state.counters["positions"] = static_cast<double>(bench::measured_positions().size());
    state.counters["ms_per_evaluate"] = 1000.0 * m.mean_seconds;
    state.SetLabel("evaluate, depths 10/8/4, no data files, positions every 20 moves");
}
BENCHMARK(BM_Evaluate)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// The candidate's evaluation only: the pass evaluation and the snapshot
// before it are not timed.  Candidates are evaluated in generation, which
// lets groups far from the move keep their life-and-death verdicts.
double time_after_a_far_move(engine& e) {
    const int a = e.turn();
    point* move = far_move(e);
    e.in_generation = 0;
    e.push(e.pass_point, a);
    e.evaluate(a);
    e.snapshot();
    e.pop();
    e.in_generation = 1;
    e.push(move, a);
    const double seconds = seconds_of([&] { e.evaluate_after_move(move, a); });
    e.pop();
    e.in_generation = 0;
    return seconds;
}

void BM_EvaluateAfterAFarMove(benchmark::State& state) {
    const measured m = over_positions(state, time_after_a_far_move);
    if (m.skipped) return;
    const double verdicts = static_cast<double>(m.verdicts_reused + m.verdicts_read);
    state.counters["ms_per_after_move"] = 1000.0 * m.mean_seconds;
    state.counters["verdicts_per_update"] = verdicts / m.runs;
    state.counters["reused_pct"] = verdicts > 0 ? 100.0 * m.verdicts_reused / verdicts : 0;
    state.SetLabel("evaluate_after_move far from the last move, after a pass evaluation");
}
BENCHMARK(BM_EvaluateAfterAFarMove)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

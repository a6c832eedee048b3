// The computer's move at the document's depths (10, 8, 4), once without
// data files and once with the files of the source tree's data/: the median
// and the 90th percentile of the seconds per move, the candidates evaluated
// per move and the peak resident memory.  Two sets of positions:
// - a self-play game of up to 120 moves (it may end sooner with two
//   passes), written as "movegen_bench_no_data.sgf" or
//   "movegen_bench_data.sgf" into the directory named by
//   WINKIRVO_BENCH_OUT (the working directory by default);
// - the first 120 moves of the first professional game of WINKIRVO_GAMES
//   that has that many without setup stones: the engine's move is timed in
//   each position, taken back and replaced by the recorded move, as
//   bench/genmove_times.sh does for any GTP program; those moves are
//   written as "movegen_bench_professional.sgf" beside the others.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/support/bench_engine.h"
#include "bench/support/game_positions.h"
#include "engine/base/data_files.h"
#include "game/game.h"
#include "game/sgf_writer.h"

namespace {

namespace fs = std::filesystem;

constexpr int game_moves = 120;
constexpr int seed = 2026;

// Resets the peak resident size the kernel keeps, so that each game is
// measured alone; false where the kernel does not allow it.
bool reset_peak_memory() {
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    return static_cast<bool>(clear);
}

double peak_memory_mb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    }
    return 0.0;
}

double percentile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    const size_t at = static_cast<size_t>(share * (values.size() - 1) + 0.5);
    return values[at];
}

// The times and candidate counts of the computer's moves in one run.
struct move_log {
    std::vector<double> seconds;
    double candidates = 0;

    point* timed_generate(Game& game, int colour) {
        const auto start = std::chrono::steady_clock::now();
        point* p = game.generate(colour);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        seconds.push_back(took.count());
        candidates += game.eng().candidates_evaluated;
        return p;
    }
    void report(benchmark::State& state) const {
        if (seconds.empty()) return;
        state.counters["moves"] = static_cast<double>(seconds.size());
        state.counters["median_s"] = percentile(seconds, 0.5);
        state.counters["p90_s"] = percentile(seconds, 0.9);
        state.counters["candidates_per_move"] = candidates / seconds.size();
        state.counters["peak_MB"] = peak_memory_mb();
    }
};

// Chooses the data files for the engines built while it lives.
class data_choice {
  public:
    explicit data_choice(bool with_data) {
        const fs::path empty = fs::temp_directory_path() / "winkirvo-bench-no-data";
        fs::create_directories(empty);
        // The normal search ends in the source tree's data/.
        set_data_dir(with_data ? "" : empty.string());
        bench::silence_diagnostics();
        reset_peak_memory();
    }
    ~data_choice() { set_data_dir(""); }
};

void write_game(const Game& game, const std::string& name) {
    sgf_settings settings;
    settings.komi = 5.5f;
    settings.black = settings.white = {true, 10, 8, 4};
    settings.side = game.eng().turn();
    const char* directory = std::getenv("WINKIRVO_BENCH_OUT");
    const fs::path file = fs::path(directory != nullptr ? directory : ".") / name;
    std::ofstream(file) << write_sgf(game, settings);
}

// A new game with the fixed seed, at the document's depths.
void start_game(Game& game) {
    game.new_game(0, seed, true);
    game.set_depths(10, 8, 4);
}

void self_play(benchmark::State& state, bool with_data, const char* sgf_name) {
    for (auto _ : state) {
        data_choice data(with_data);
        Game game;
        start_game(game);
        move_log log;
        for (int colour = 1; static_cast<int>(log.seconds.size()) < game_moves && !game.is_over();
             colour = -colour) {
            log.timed_generate(game, colour);
        }
        log.report(state);
        write_game(game, sgf_name);
    }
}

// The first game with game_moves alternating moves from Black's first.
const bench::replayable_game* professional_game(const std::vector<bench::replayable_game>& games) {
    for (const bench::replayable_game& g : games) {
        if (static_cast<int>(g.moves.size()) < game_moves) continue;
        bool alternating = true;
        for (int i = 0; i < game_moves; ++i) {
            alternating = alternating && g.moves[i].colour == (i % 2 == 0 ? 1 : -1);
        }
        if (alternating) return &g;
    }
    return nullptr;
}

void professional_positions(benchmark::State& state, bool with_data) {
    const std::vector<bench::replayable_game> games =
        bench::load_games(bench::games_directory(), 20);
    const bench::replayable_game* record = professional_game(games);
    if (!bench::have_games(state, record != nullptr)) return;
    state.SetLabel(record->path);
    for (auto _ : state) {
        data_choice data(with_data);
        Game game;
        start_game(game);
        move_log log;
        for (int i = 0; i < game_moves; ++i) {
            const sgf_move& m = record->moves[i];
            log.timed_generate(game, m.colour);
            game.undo();
            game.play(m.x, m.y, m.colour);
        }
        log.report(state);
        write_game(game, "movegen_bench_professional.sgf");
    }
}

void BM_SelfPlayNoData(benchmark::State& state) {
    self_play(state, false, "movegen_bench_no_data.sgf");
}
void BM_SelfPlayWithData(benchmark::State& state) {
    self_play(state, true, "movegen_bench_data.sgf");
}
void BM_ProfessionalPositionsNoData(benchmark::State& state) {
    professional_positions(state, false);
}
void BM_ProfessionalPositionsWithData(benchmark::State& state) {
    professional_positions(state, true);
}

BENCHMARK(BM_SelfPlayNoData)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_SelfPlayWithData)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_ProfessionalPositionsNoData)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_ProfessionalPositionsWithData)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

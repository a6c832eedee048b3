// The life-and-death reading of one group: on small eye shapes walled in on
// the edge (each read afresh, on an empty proof base, and again with the
// stored proofs), and on the groups of positions from professional games
// that pass the reading's skip rules.  The game positions need
// WINKIRVO_GAMES (the pro collection unpacked); each string is taken as a
// group of its own, and the point strengths come from the evaluation's
// first diffusion.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

#include "bench/support/bench_engine.h"
#include "bench/support/game_positions.h"
#include "engine/engine.h"
#include "tests/support/eye_shapes.h"
#include "tests/support/group_helpers.h"

namespace {

// The evaluation's group steps up to the reading.
void evaluate_groups(engine& e) {
    test::build_groups(e);
    for (int colour : {1, -1}) {
        for (auto& g : e.group_list(colour)) g->space_value();
    }
    e.first_diffusion();
    for (int colour : {1, -1}) {
        for (auto& g : e.group_list(colour)) g->evaluate_safety();
    }
}

struct shape {
    const char* name;
    const std::vector<std::string>& picture;
};

const std::vector<shape> shapes = {
    {"straight three", test::eye_shapes::straight_three},
    {"square four", test::eye_shapes::square_four},
    {"bulky five", test::eye_shapes::bulky_five},
    {"rabbity six", test::eye_shapes::rabbity_six},
    {"nakade", test::eye_shapes::nakade_five},
};

// The Black group on bb of each shape, read by the side to move (range(0):
// 1 Black, the owner; -1 White, the attacker) at depth range(1); with
// range(2) = 1 the proofs stored by the first reading answer later ones.
void BM_ReadShape(benchmark::State& state) {
    bench::silence_diagnostics();
    const int mover = static_cast<int>(state.range(0));
    const bool reuse = state.range(2) != 0;
    std::vector<std::unique_ptr<engine>> engines;
    for (const shape& s : shapes) {
        engines.push_back(std::make_unique<engine>());
        engine& e = *engines.back();
        e.max_depth_life_death = static_cast<int>(state.range(1));
        for (size_t y = 0; y < s.picture.size(); ++y) {
            for (size_t x = 0; x < s.picture[y].size(); ++x) {
                const char c = s.picture[y][x];
                if (c != '.') e.push(e.at(x + 1, y + 1), c == 'X' ? 1 : -1);
            }
        }
        if (e.turn() != mover) e.push(e.pass_point, e.turn());
        evaluate_groups(e);
    }
    double seconds = 0;
    long long nodes = 0;
    long long reads = 0;
    bool first = true;
    for (auto _ : state) {
        for (size_t i = 0; i < engines.size(); ++i) {
            engine& e = *engines[i];
            group* g = e.at(2, 2)->str_ptr->owner_group;
            if (!reuse || first) e.proofs = std::make_unique<proof_base>();
            g->examined = 0;
            const long long before = e.ab_count;
            const auto start = std::chrono::steady_clock::now();
            g->read_life_and_death();
            seconds +=
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            nodes += e.ab_count - before;
            ++reads;
            if (g->examined == 0) state.SkipWithError(shapes[i].name);
        }
        first = false;
    }
    state.counters["ms_per_read"] = 1000.0 * seconds / reads;
    state.counters["ab_nodes_per_read"] = static_cast<double>(nodes) / reads;
    state.SetLabel(std::string(mover == 1 ? "can_live" : "can_kill") +
                   (reuse ? ", stored proofs" : ", fresh") + ", five eye shapes");
}
BENCHMARK(BM_ReadShape)
    ->Args({1, 4, 0})
    ->Args({-1, 4, 0})
    ->Args({-1, 4, 1})
    ->Args({1, 6, 0})
    ->Args({-1, 6, 0})
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

// Every group that the skip rules let through, in 100 positions of
// professional games, at the document's depth 4, each position on an empty
// proof base.
void BM_ReadGameGroups(benchmark::State& state) {
    bench::silence_diagnostics();
    const std::vector<bench::game_position>& positions = bench::measured_positions();
    if (!bench::have_games(state, !positions.empty())) return;
    engine e;
    bench::set_document_depths(e);
    double seconds = 0, slowest = 0;
    long long nodes = 0, reads = 0, groups = 0;
    for (auto _ : state) {
        for (const bench::game_position& p : positions) {
            bench::set_up(e, p.moves);
            e.root_move_number = e.no_moves;
            e.proofs = std::make_unique<proof_base>();
            e.evaluate_all_strings();
            evaluate_groups(e);
            for (int colour : {1, -1}) {
                for (auto& g : e.group_list(colour)) {
                    ++groups;
                    const long long before = e.ab_count;
                    const auto start = std::chrono::steady_clock::now();
                    g->read_life_and_death();
                    const double t =
                        std::chrono::duration<double>(std::chrono::steady_clock::now() - start)
                            .count();
                    if (g->examined == 0) continue;
                    seconds += t;
                    slowest = std::max(slowest, t);
                    nodes += e.ab_count - before;
                    ++reads;
                }
            }
        }
    }
    state.counters["groups"] = static_cast<double>(groups);
    state.counters["groups_read"] = static_cast<double>(reads);
    state.counters["ms_per_read"] = reads == 0 ? 0.0 : 1000.0 * seconds / reads;
    state.counters["slowest_ms"] = 1000.0 * slowest;
    state.counters["ab_nodes_per_read"] = reads == 0 ? 0.0 : static_cast<double>(nodes) / reads;
    state.SetLabel("read_life_and_death, strings as groups, depth 4, positions every 20 moves");
}
BENCHMARK(BM_ReadGameGroups)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

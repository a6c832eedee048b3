// Speed of the joseki libraries (loading the four data files, looking up a
// position) and of the shape templates and the moyo.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "engine/base/diagnostics.h"
#include "engine/engine.h"
#include "engine/knowledge/joseki_library.h"

namespace {

// An engine built with the libraries found by the data-file search, whose
// messages would drown the results, after an opening of ten moves: four
// corners, two approaches, two answers.
class opening_board {
  public:
    opening_board() : null_(std::fopen("/dev/null", "w")) {
        diag::set_out(null_);
        e = std::make_unique<engine>();
        const int moves[][2] = {{16, 4}, {4, 16}, {16, 16}, {4, 4},   {17, 6},
                                {3, 14}, {14, 3}, {6, 17},  {17, 14}, {14, 17}};
        int colour = 1;
        for (const auto& m : moves) {
            e->push(e->at(m[0], m[1]), colour);
            colour = -colour;
        }
    }
    ~opening_board() {
        e.reset();
        diag::set_out(nullptr);
        std::fclose(null_);
    }
    std::unique_ptr<engine> e;

  private:
    FILE* null_;
};

int total_entries(const engine& e) {
    int n = 0;
    for (const auto& library : e.joseki_libraries)
        n += library->n_entries();
    return n;
}

void BM_LoadJosekiLibraries(benchmark::State& state) {
    opening_board board;
    engine& e = *board.e;
    if (total_entries(e) == 0) {
        state.SkipWithError("no joseki library found (data/ is searched)");
        return;
    }
    // Libraries are learnt on the empty board.
    while (e.no_moves > 0)
        e.pop();
    int entries = 0;
    for (auto _ : state) {
        entries = 0;
        for (const char* name : {"j_mini.dat", "j_corner.dat", "j_side.dat", "j_fuseki.dat"}) {
            joseki_library library(e, name);
            entries += library.n_entries();
        }
    }
    state.counters["entries"] = entries;
    state.SetLabel("the four libraries read and learnt, as at engine construction");
}
BENCHMARK(BM_LoadJosekiLibraries)->Unit(benchmark::kMillisecond);

void BM_JosekiLookup(benchmark::State& state) {
    opening_board board;
    engine& e = *board.e;
    int found = 0;
    for (auto _ : state) {
        found = 0;
        for (const auto& library : e.joseki_libraries) {
            point_set j;
            library->lookup(j, e.turn());
            found += j.count();
        }
    }
    state.counters["moves"] = found;
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(e.joseki_libraries.size()));
    state.SetLabel("lookups under the eight symmetries, ten stones on the board");
}
BENCHMARK(BM_JosekiLookup);

void BM_TemplatesOnEveryPoint(benchmark::State& state) {
    opening_board board;
    engine& e = *board.e;
    int rejected = 0;
    for (auto _ : state) {
        rejected = 0;
        for (int k = 0; k < e.n_points; ++k)
            rejected += e.templates->rejects(e.points[k], e.turn());
    }
    state.counters["rejected"] = rejected;
    state.SetItemsProcessed(state.iterations() * e.n_points);
    state.SetLabel("rejects on all 361 points");
}
BENCHMARK(BM_TemplatesOnEveryPoint);

void BM_Moyo(benchmark::State& state) {
    opening_board board;
    engine& e = *board.e;
    // The opponent expected to own the lower half of the board.
    for (int k = 0; k < e.n_points; ++k)
        e.points[k]->value = e.points[k]->y > 10 ? -0.5 : 0.1;
    int size = 0;
    for (auto _ : state) {
        point_set out;
        e.templates->moyo(-e.turn(), out);
        size = out.count();
    }
    state.counters["moyo"] = size;
    state.SetLabel("the opponent's largest area, half the board");
}
BENCHMARK(BM_Moyo);

}  // namespace

// One full paint of the board at 1000 x 800 pixels with the evaluation
// overlay on, 60 moves into a game: the painter alone on a canvas that only
// counts, and through a memory device context onto a bitmap (which needs a
// display; make bench starts a virtual one when there is none).
#include <benchmark/benchmark.h>
#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/init.h>

#include <random>
#include <string>

#include "bench/support/bench_engine.h"
#include "game/game_control.h"
#include "tests/support/fake_game_ui.h"
#include "ui/board_painter.h"
#include "ui/dc_canvas.h"

namespace {

constexpr int width = 1000, height = 800;
bool toolkit_started = false;

class counting_canvas : public board_canvas {
  public:
    long primitives = 0;
    void fill(const pixel_rect&, rgb) override { ++primitives; }
    void rectangle(const pixel_rect&, rgb, int, rgb) override { ++primitives; }
    void ellipse(const pixel_rect&, rgb, rgb) override { ++primitives; }
    void line(int, int, int, int, rgb, int) override { ++primitives; }
    void text(int, int, const std::string&, rgb, rgb) override { ++primitives; }
    std::pair<int, int> text_extent(const std::string& s) override {
        return {7 * static_cast<int>(s.size()), 13};
    }
};

// Two people play 60 random legal moves from a fixed seed; the position is
// then evaluated for the overlay.
struct sixty_moves {
    test::fake_game_ui ui;
    game_control doc{ui, [](const board_report& r) { return r.score_estimate(); }};

    sixty_moves() {
        doc.new_document();
        game_settings players = doc.settings();
        players.black.computer = false;
        doc.set_players(&players);
        std::mt19937 random(60);
        std::uniform_int_distribution<int> coordinate(1, 19);
        for (int played = 0; played < 60;) {
            if (doc.human_move(coordinate(random), coordinate(random))) ++played;
        }
        doc.report().score_estimate();
        doc.toggle_evaluations();
    }
};

sixty_moves& position() {
    static sixty_moves p;
    return p;
}

void BM_PaintCounting(benchmark::State& state) {
    game_control& doc = position().doc;
    long primitives = 0;
    for (auto _ : state) {
        counting_canvas canvas;
        paint_board(doc, width, height, canvas);
        primitives = canvas.primitives;
    }
    state.counters["primitives"] = static_cast<double>(primitives);
    state.SetLabel("painter alone, 60 moves, overlay on");
}
BENCHMARK(BM_PaintCounting)->Unit(benchmark::kMicrosecond);

void BM_PaintMemoryDC(benchmark::State& state) {
    if (!toolkit_started) {
        state.SkipWithError("wxWidgets could not start (no display?); skipped");
        return;
    }
    game_control& doc = position().doc;
    wxBitmap bitmap(width, height, 24);
    wxMemoryDC dc(bitmap);
    for (auto _ : state) {
        dc_canvas canvas(dc);
        paint_board(doc, width, height, canvas);
    }
    state.SetLabel("through wxMemoryDC onto a 1000x800 bitmap, 60 moves, overlay on");
}
BENCHMARK(BM_PaintMemoryDC)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    bench::silence_diagnostics();
    wxApp::SetInstance(new wxApp);
    toolkit_started = wxEntryStart(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (toolkit_started) wxEntryCleanup();
    return 0;
}

#include "ui/board_painter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "game/game_control.h"
#include "tests/support/data_dir.h"
#include "tests/support/fake_game_ui.h"

namespace {

const rgb black{0, 0, 0};
const rgb white{255, 255, 255};
const rgb red{255, 0, 0};
const rgb board{200, 200, 127};
const rgb window{127, 45, 45};

// One drawing primitive; a line keeps its ends in rect.
struct drawn {
    std::string kind;
    pixel_rect rect;
    rgb pen, brush;  // text: foreground and background; fill and line: pen
    int width = 0;
    std::string text;
    bool operator==(const drawn&) const = default;
};

std::ostream& operator<<(std::ostream& out, const drawn& d) {
    return out << d.kind << " " << d.rect.left << "," << d.rect.top << "," << d.rect.right << ","
               << d.rect.bottom << " pen " << int(d.pen.red) << "/" << int(d.pen.green) << "/"
               << int(d.pen.blue) << " brush " << int(d.brush.red) << "/" << int(d.brush.green)
               << "/" << int(d.brush.blue) << " width " << d.width << " '" << d.text << "'";
}

drawn rectangle(pixel_rect r, int width, rgb brush) {
    return {"rectangle", r, black, brush, width, {}};
}
drawn ellipse(pixel_rect r, rgb pen, rgb brush) {
    return {"ellipse", r, pen, brush, 0, {}};
}
drawn line(pixel_rect ends, rgb colour) {
    return {"line", ends, colour, {}, 1, {}};
}
drawn fill(pixel_rect r, rgb colour) {
    return {"fill", r, colour, {}, 0, {}};
}
// Text of the test's font is 6 pixels a character wide and 12 high.
drawn text(int x, int y, std::string s, rgb foreground, rgb background) {
    return {"text", {x, y, 0, 0}, foreground, background, 0, std::move(s)};
}

class recording_canvas : public board_canvas {
  public:
    std::vector<drawn> list;

    void fill(const pixel_rect& r, rgb colour) override {
        list.push_back({"fill", r, colour, {}, 0, {}});
    }
    void rectangle(const pixel_rect& r, rgb pen, int pen_width, rgb brush) override {
        list.push_back({"rectangle", r, pen, brush, pen_width, {}});
    }
    void ellipse(const pixel_rect& r, rgb pen, rgb brush) override {
        list.push_back({"ellipse", r, pen, brush, 0, {}});
    }
    void line(int x0, int y0, int x1, int y1, rgb colour, int width) override {
        list.push_back({"line", {x0, y0, x1, y1}, colour, {}, width, {}});
    }
    void text(int x, int y, const std::string& s, rgb foreground, rgb background) override {
        list.push_back(::text(x, y, s, foreground, background));
    }
    std::pair<int, int> text_extent(const std::string& s) override {
        return {6 * static_cast<int>(s.size()), 12};
    }
};

// Where d was drawn, or -1.
int index_of(const std::vector<drawn>& list, const drawn& d) {
    const auto it = std::find(list.begin(), list.end(), d);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

// The committed group and territory networks, so that the overlay has
// territory to show.
struct shipped_networks : test::scoped_data_dir {
    shipped_networks() {
        const std::filesystem::path data = WINKIRVO_SOURCE_DATA_DIR;
        for (const char* name : {"harass.dat", "safe_19_10.dat", "terr.dat"}) {
            std::filesystem::copy_file(data / name, path(name));
        }
    }
};

class BoardPainter : public ::testing::Test {
  protected:
    shipped_networks networks;
    test::fake_game_ui ui;
    game_control doc{ui, [](const board_report&) { return 0; }};
    // 500 x 440 pixels: a cell of 20 pixels, the picture 5 pixels from the left.
    const board_scale scale{20, 5, 0};

    void SetUp() override { doc.new_document(); }
    void both_human() {
        game_settings p = doc.settings();
        p.black.computer = false;
        doc.set_players(&p);
    }
    std::vector<drawn> paint() {
        recording_canvas canvas;
        paint_board(doc, 500, 440, canvas);
        return canvas.list;
    }
    // The centre pixel of board point (x, y).
    int pixel_x(int x) const { return 20 * (x + 4) + 5; }
    int pixel_y(int y) const { return 20 * (y + 1); }
    void click(int x, int y) { left_click(doc, scale, pixel_x(x), pixel_y(y)); }
};

TEST_F(BoardPainter, ScaleFitsTheWiderOrTallerWindow) {
    EXPECT_EQ(scale_for(500, 200), (board_scale{9, 139, 0}));
    EXPECT_EQ(scale_for(250, 1000), (board_scale{10, 0, 392}));
    // a = b = 10: the height decides.
    EXPECT_EQ(scale_for(250, 220), (board_scale{10, 2, 0}));
    EXPECT_EQ(scale_for(500, 440), scale);

    // A window too small for a cell paints without points to click.
    const board_scale tiny = scale_for(20, 10);
    EXPECT_EQ(tiny.cell, 0);
    recording_canvas canvas;
    paint_board(doc, 20, 10, canvas);
    EXPECT_FALSE(point_at(tiny, 0, 0));
    EXPECT_FALSE(in_pass_box(tiny, 0, 0));
}

TEST_F(BoardPainter, EachPointAnswersToTheUnitSquareAroundIt) {
    const board_scale s{20, 7, 3};
    using p = std::pair<int, int>;
    // Column 1 spans pixels 97..116, column 19 457..476; row 1 33..52, row 19 393..412.
    EXPECT_EQ(point_at(s, 97, 33), (p{1, 1}));
    EXPECT_EQ(point_at(s, 116, 52), (p{1, 1}));
    EXPECT_EQ(point_at(s, 117, 53), (p{2, 2}));
    EXPECT_EQ(point_at(s, 476, 412), (p{19, 19}));
    EXPECT_FALSE(point_at(s, 96, 40));
    EXPECT_FALSE(point_at(s, 477, 40));
    EXPECT_FALSE(point_at(s, 100, 413));
    EXPECT_FALSE(point_at(s, 0, 0));
    // Half a unit above row 1's square is row 0.
    EXPECT_FALSE(point_at(s, 100, 3 + 20));
    EXPECT_FALSE(point_at(s, 100, 32));

    // The Pass box: pixels 17..56 across, 228..247 down.
    EXPECT_TRUE(in_pass_box(s, 17, 228));
    EXPECT_TRUE(in_pass_box(s, 56, 247));
    EXPECT_FALSE(in_pass_box(s, 57, 240));
    EXPECT_FALSE(in_pass_box(s, 30, 248));
    EXPECT_FALSE(in_pass_box(s, 16, 240));
    EXPECT_FALSE(in_pass_box(s, 30, 227));
}

TEST_F(BoardPainter, LeftClickPlaysOrPassesForAPersonOnly) {
    // Black is the computer: its clicks do nothing, paused or not.
    click(4, 4);
    doc.start();
    click(4, 4);
    EXPECT_EQ(doc.game().colour_at(4, 4), 0);

    both_human();
    click(4, 4);
    EXPECT_EQ(doc.game().colour_at(4, 4), 1);
    left_click(doc, scale, 30, 230);  // the Pass box
    left_click(doc, scale, 30, 230);
    ASSERT_TRUE(doc.game().is_over());

    // Over, whether announced or not.
    click(5, 5);
    left_click(doc, scale, 30, 230);
    doc.announce_game_over();
    click(5, 5);
    EXPECT_EQ(doc.game().colour_at(5, 5), 0);
    EXPECT_EQ(doc.game().consecutive_passes, 2);
}

TEST_F(BoardPainter, RightClickGoesBackToAStoneOrForwardToAnEmptyPoint) {
    both_human();
    click(4, 4);
    click(16, 16);
    click(4, 16);
    right_click(doc, scale, pixel_x(4), pixel_y(4));
    EXPECT_EQ(doc.game().colour_at(16, 16), 0);
    EXPECT_EQ(doc.game().colour_at(4, 4), 1);
    right_click(doc, scale, pixel_x(4), pixel_y(16));
    EXPECT_EQ(doc.game().colour_at(4, 16), 1);

    // Also after the game is over and announced: back to just after White's stone.
    doc.human_pass();
    doc.human_pass();
    doc.announce_game_over();
    right_click(doc, scale, pixel_x(16), pixel_y(16));
    EXPECT_EQ(doc.game().colour_at(4, 16), 0);
    EXPECT_EQ(doc.game().colour_at(16, 16), -1);
}

// Black takes White's corner stone: Black b1 (column 2, row 1), White a1, Black a2.
TEST_F(BoardPainter, PaintsPanelStonesOverlayAndLastMove) {
    both_human();
    click(2, 1);
    click(1, 1);
    click(1, 2);
    const board_report report = doc.report();
    report.score_estimate();  // an evaluation to show
    doc.toggle_evaluations();
    const std::vector<drawn> list = paint();

    // The panel in order: White (a person) to move, the Pass box, no Black
    // stone lost, one White stone lost, then the board.
    const pixel_rect lost_black{15, 185, 35, 205}, lost_white{35, 185, 55, 205};
    const std::vector<drawn> panel{
        rectangle({0, 0, 500, 440}, 1, window),  ellipse({36, 391, 55, 410}, black, white),
        rectangle({15, 225, 55, 245}, 1, board), text(35 - 12, 235 - 6, "Pass", black, board),
        rectangle(lost_black, 4, board),         line({15, 185, 35, 205}, red),
        line({15, 205, 35, 185}, red),           text(25 - 3, 195 - 6, "0", red, board),
        rectangle(lost_white, 4, board),         ellipse(lost_white, black, white),
        line({35, 185, 55, 205}, red),           line({35, 205, 55, 185}, red),
        text(45 - 3, 195 - 6, "1", red, white),  rectangle({75, 10, 485, 420}, 1, board),
    };
    ASSERT_GE(list.size(), panel.size());
    EXPECT_EQ(std::vector<drawn>(list.begin(), list.begin() + panel.size()), panel);

    // The stone on b1 (centre 125, 40) with its safety digit right after it.
    const int b1 = index_of(list, ellipse({116, 31, 135, 50}, white, black));
    ASSERT_GT(b1, 0);
    EXPECT_EQ(list[b1 + 1], text(122, 34, std::string(1, report.safety_digit(2, 1)), white, black));

    // a1, taken back from White, is Black's: a square of half-side 0.3833,
    // the first point after the board's 38 lines, 38 labels and 9 star points.
    ASSERT_EQ(report.ownership(1, 1), 1);
    EXPECT_EQ(list[panel.size() + 85], fill({98, 33, 112, 47}, black));

    // The last move, a2 (centre 105, 60), marked last of all.
    EXPECT_EQ(list.back(), text(102, 54, "+", white, black));
}

TEST_F(BoardPainter, PassMarksUnderThePassBoxAndNoMarkerWhenOver) {
    both_human();
    click(4, 4);
    doc.human_pass();  // White
    std::vector<drawn> list = paint();
    // Black to move: White's pass is the one mark.
    EXPECT_EQ(list.back(), line({15, 250, 55, 250}, white));

    doc.human_pass();  // Black
    list = paint();
    ASSERT_EQ(doc.side(), -1);
    EXPECT_EQ(list[list.size() - 2], line({15, 250, 55, 250}, white));
    EXPECT_EQ(list.back(), line({15, 255, 55, 255}, black));
    // The game is over: no side-to-move marker after the background.
    EXPECT_EQ(list[1], rectangle({15, 225, 55, 245}, 1, board));
}

}  // namespace

// The board painted through a device context onto a bitmap.  With
// WINKIRVO_BOARD_PNG naming a file, the picture (with the evaluation overlay)
// is also written there, to be looked at.
#include <gtest/gtest.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

#include <cstdlib>

#include "game/game_control.h"
#include "tests/support/fake_game_ui.h"
#include "ui/board_painter.h"
#include "ui/dc_canvas.h"

namespace {

wxImage painted(game_control& doc, int width, int height) {
    wxBitmap bitmap(width, height, 24);
    {
        wxMemoryDC dc(bitmap);
        dc_canvas canvas(dc);
        paint_board(doc, width, height, canvas);
    }
    return bitmap.ConvertToImage();
}

rgb pixel(const wxImage& image, int x, int y) {
    return {image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)};
}

TEST(BoardPicture, StonesBoardAndBackgroundOnABitmap) {
    test::fake_game_ui ui;
    game_control doc{ui, [](const board_report&) { return 0; }};
    doc.new_document();
    game_settings p = doc.settings();
    p.black.computer = false;
    doc.set_players(&p);
    // Black takes White's stone on (16, 16).
    for (const auto& [x, y] : {std::pair{4, 4},
                               {16, 16},
                               {17, 16},
                               {4, 16},
                               {16, 17},
                               {3, 3},
                               {15, 16},
                               {10, 10},
                               {16, 15},
                               {3, 10},
                               {16, 4},
                               {17, 17}}) {
        ASSERT_TRUE(doc.human_move(x, y)) << x << "," << y;
    }
    ASSERT_EQ(doc.game().colour_at(16, 16), 0);

    // 1000 x 800: a cell of 37 pixels, the picture 46 pixels from the left.
    const wxImage image = painted(doc, 1000, 800);
    const auto centre = [&image](int x, int y) {
        return pixel(image, 37 * (x + 4) + 46, 37 * (y + 1));
    };
    EXPECT_EQ(centre(4, 4), (rgb{0, 0, 0}));
    EXPECT_EQ(centre(4, 16), (rgb{255, 255, 255}));
    EXPECT_EQ(pixel(image, 20, 400), (rgb{127, 45, 45}));
    // Between the lines next to the empty point (9, 9).
    EXPECT_EQ(pixel(image, 37 * 13 + 46 + 12, 37 * 10 + 12), (rgb{200, 200, 127}));

    if (const char* file = std::getenv("WINKIRVO_BOARD_PNG")) {
        doc.report().score_estimate();
        doc.toggle_evaluations();
        wxImage::AddHandler(new wxPNGHandler);
        EXPECT_TRUE(painted(doc, 1000, 800).SaveFile(file, wxBITMAP_TYPE_PNG));
    }
}

}  // namespace

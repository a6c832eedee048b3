// The board picture of the desktop program, free of any toolkit: the scale
// of the picture in a client area, the whole paint onto a board_canvas, and
// the mapping of clicks back to board points and the Pass box.  The window
// and the print preview both paint through it.
#pragma once

#include <optional>
#include <utility>

#include "ui/board_canvas.h"

class game_control;

// The drawing unit and where the 24.5 x 21.5 unit picture starts.
struct board_scale {
    int cell = 0;
    int x_offset = 0;
    int y_offset = 0;
    friend bool operator==(const board_scale&, const board_scale&) = default;
};

board_scale scale_for(int width, int height);

// Paints the whole client area of the given size.
void paint_board(game_control& doc, int width, int height, board_canvas& canvas);

// The board point (x, y) under a client pixel, if any.
std::optional<std::pair<int, int>> point_at(const board_scale& scale, int px, int py);
bool in_pass_box(const board_scale& scale, int px, int py);

// The view's mouse buttons: a left click plays the point or passes, a right
// click navigates back to a stone or forward to an empty point.
void left_click(game_control& doc, const board_scale& scale, int px, int py);
void right_click(game_control& doc, const board_scale& scale, int px, int py);

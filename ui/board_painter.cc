#include "ui/board_painter.h"

#include <cmath>
#include <string>

#include "engine/board/coordinates.h"
#include "game/game_control.h"

namespace {

const rgb window_colour{127, 45, 45};
const rgb board_colour{200, 200, 127};
const rgb black{0, 0, 0};
const rgb white{255, 255, 255};
const rgb red{255, 0, 0};

// The picture in units: 24.5 across, 21.5 down.
constexpr double picture_width = 24.5;
constexpr double picture_height = 21.5;

// The left panel's boxes, in units.
constexpr double pass_left = 0.5, pass_right = 2.5, pass_top = 11.25, pass_bottom = 12.25;
constexpr double captures_top = 9.25, captures_bottom = 10.25;

// The unit-to-pixel map of the picture.
int unit_x(const board_scale& s, double u) {
    return static_cast<int>(s.cell * u + s.x_offset);
}
int unit_y(const board_scale& s, double v) {
    return static_cast<int>(s.cell * v + s.y_offset);
}
pixel_rect unit_box(const board_scale& s, double u0, double v0, double u1, double v1) {
    return {unit_x(s, u0), unit_y(s, v0), unit_x(s, u1), unit_y(s, v1)};
}
pixel_rect pass_box_rect(const board_scale& s) {
    return unit_box(s, pass_left, pass_top, pass_right, pass_bottom);
}

bool game_over(game_control& doc) {
    return doc.side() == 0 || doc.game().is_over();
}

rgb stone_fill(int colour) {
    return colour == 1 ? black : white;
}
rgb stone_outline(int colour) {
    return colour == 1 ? white : black;
}

// One paint: the scale of this client area and the canvas it draws on.
class painter {
  public:
    painter(game_control& doc, int width, int height, board_canvas& canvas)
        : doc_(doc),
          scale_(scale_for(width, height)),
          width_(width),
          height_(height),
          canvas_(canvas) {}

    void paint() {
        canvas_.rectangle({0, 0, width_, height_}, black, 1, window_colour);
        if (!game_over(doc_)) side_to_move_marker();
        pass_box();
        captured_stones();
        board();
        stones();
        last_move_marker();
        pass_marks();
    }

  private:
    game_control& doc_;
    board_scale scale_;
    int width_, height_;
    board_canvas& canvas_;

    int px(double u) const { return unit_x(scale_, u); }
    int py(double v) const { return unit_y(scale_, v); }
    pixel_rect box(double u0, double v0, double u1, double v1) const {
        return unit_box(scale_, u0, v0, u1, v1);
    }
    // The unit square centred on (u, v), one pixel in at the top and left, as
    // stones are drawn.
    pixel_rect inset_square(double u, double v, double half) const {
        pixel_rect r = box(u - half, v - half, u + half, v + half);
        ++r.left;
        ++r.top;
        return r;
    }
    void centred_text(int x, int y, const std::string& s, rgb foreground, rgb background) {
        const auto [w, h] = canvas_.text_extent(s);
        canvas_.text(x - w / 2, y - h / 2, s, foreground, background);
    }
    void stone(const pixel_rect& r, int colour) {
        canvas_.ellipse(r, stone_outline(colour), stone_fill(colour));
    }

    void side_to_move_marker() {
        const double top = doc_.computer_to_move() ? 1.0 : 19.5;
        stone(inset_square(2.0, top + 0.5, 0.5), doc_.side());
    }

    void pass_box() {
        canvas_.rectangle(pass_box_rect(scale_), black, 1, board_colour);
        centred_text(px(1.5), py((pass_top + pass_bottom) / 2), "Pass", black, board_colour);
    }

    void captured_stones() {
        const auto [black_count, white_count] = doc_.captured_stones();
        capture_box(0.5, 1, black_count);
        capture_box(1.5, -1, white_count);
    }
    // The box from u to u + 1 for stones of colour lost so far.
    void capture_box(double u, int colour, int count) {
        const pixel_rect r = box(u, captures_top, u + 1, captures_bottom);
        canvas_.rectangle(r, black, 4, board_colour);
        if (count > 0) stone(r, colour);
        canvas_.line(r.left, r.top, r.right, r.bottom, red, 1);
        canvas_.line(r.left, r.top + scale_.cell, r.right, r.bottom - scale_.cell, red, 1);
        const rgb background = count > 0 ? stone_fill(colour) : board_colour;
        centred_text(px(u + 0.5), py((captures_top + captures_bottom) / 2), std::to_string(count),
                     red, background);
    }

    // Board point (x, y) sits at u = x + 4, v = y + 1.
    int point_x(int x) const { return px(x + 4); }
    int point_y(int y) const { return py(y + 1); }

    void board() {
        canvas_.rectangle(box(3.5, 0.5, 24.0, 21.0), black, 1, board_colour);
        for (int k = 1; k <= 19; ++k) {
            canvas_.line(point_x(k), point_y(19), point_x(k), point_y(1), black, 1);
            canvas_.line(point_x(1), point_y(k), point_x(19), point_y(k), black, 1);
        }
        labels();
        star_points();
    }
    void labels() {
        for (int k = 1; k <= 19; ++k) {
            centred_text(point_x(k), py(1.0), std::string(1, coord::gtp_columns[k - 1]), black,
                         board_colour);
            centred_text(px(4.0), point_y(k), std::to_string(coord::gtp_row(k)), black,
                         board_colour);
        }
    }
    void star_points() {
        for (int x : {4, 10, 16}) {
            for (int y : {4, 10, 16}) {
                const int cx = point_x(x), cy = point_y(y);
                canvas_.ellipse({cx - 2, cy - 2, cx + 3, cy + 3}, black, black);
            }
        }
    }

    void stones() {
        for (int x = 1; x <= 19; ++x) {
            for (int y = 1; y <= 19; ++y) {
                const int colour = doc_.game().colour_at(x, y);
                if (colour != 0) stone(inset_square(x + 4, y + 1, 0.5), colour);
                if (doc_.shows_evaluations()) evaluation(x, y, colour);
            }
        }
    }
    // The safety digit of a stone, or the owner's square on an empty point.
    void evaluation(int x, int y, int colour) {
        const board_report report = doc_.report();
        if (colour != 0) {
            centred_text(point_x(x), point_y(y), std::string(1, report.safety_digit(x, y)),
                         stone_outline(colour), stone_fill(colour));
            return;
        }
        const double t = report.ownership(x, y);
        if (std::fabs(t) < 0.333333) return;
        const double half = (std::fabs(t) - 0.333333) * 0.35 + 0.15;
        canvas_.fill(inset_square(x + 4, y + 1, half), t > 0 ? black : white);
    }

    void last_move_marker() {
        const move_record* last = doc_.game().last_move();
        if (last == nullptr || last->where->is_pass()) return;
        centred_text(point_x(last->where->x), point_y(last->where->y), "+",
                     stone_outline(last->colour), stone_fill(last->colour));
    }

    // A line under the Pass box for each pass in a row, in the colour of
    // the side that passed, the first pass nearest the box.
    void pass_marks() {
        const int passes = doc_.game().consecutive_passes;
        const rgb a = doc_.side() == 1 ? white : black;
        const rgb b = doc_.side() == 1 ? black : white;
        if (passes == 1) pass_mark(5, a);
        if (passes == 2) {
            pass_mark(5, b);
            pass_mark(10, a);
        }
    }
    void pass_mark(int below, rgb colour) {
        const pixel_rect r = pass_box_rect(scale_);
        canvas_.line(r.left, r.bottom + below, r.right, r.bottom + below, colour, 1);
    }
};

}  // namespace

board_scale scale_for(int width, int height) {
    const int a = static_cast<int>(width * (1 / picture_width));
    const int b = static_cast<int>(height * (1 / picture_height));
    if (a < b) return {a, 0, static_cast<int>((height - a * picture_height) * 0.5)};
    return {b, static_cast<int>((width - b * picture_width) * 0.5), 0};
}

void paint_board(game_control& doc, int width, int height, board_canvas& canvas) {
    painter(doc, width, height, canvas).paint();
}

std::optional<std::pair<int, int>> point_at(const board_scale& scale, int px, int py) {
    // A window too small for a picture has no points.
    if (scale.cell == 0) return std::nullopt;
    const float cell = static_cast<float>(scale.cell);
    const int x = static_cast<int>(static_cast<float>(px - scale.x_offset) / cell - 3.5f);
    const int y = static_cast<int>(static_cast<float>(py - scale.y_offset) / cell - 0.5f);
    if (x < 1 || x > 19 || y < 1 || y > 19) return std::nullopt;
    return std::pair{x, y};
}

bool in_pass_box(const board_scale& scale, int px, int py) {
    const pixel_rect r = pass_box_rect(scale);
    return px >= r.left && px < r.right && py >= r.top && py < r.bottom;
}

void left_click(game_control& doc, const board_scale& scale, int px, int py) {
    if (game_over(doc) || doc.computer_to_move()) return;
    if (in_pass_box(scale, px, py)) {
        doc.human_pass();
    } else if (const auto p = point_at(scale, px, py)) {
        doc.human_move(p->first, p->second);
    }
}

void right_click(game_control& doc, const board_scale& scale, int px, int py) {
    const auto p = point_at(scale, px, py);
    if (!p) return;
    if (doc.game().colour_at(p->first, p->second) != 0) {
        doc.undo_to(p->first, p->second);
    } else {
        doc.redo_to(p->first, p->second);
    }
}

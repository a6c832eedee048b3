#include "engine/board/point.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "engine/base/diagnostics.h"
#include "engine/base/random.h"
#include "engine/board/board.h"
#include "engine/board/board_size.h"
#include "engine/board/colour.h"
#include "engine/board/coordinates.h"
#include "engine/board/str.h"

point::point(int px, int py, board* owner)
    : x(px), y(py), code(19 * py + px), owner_board(owner), sort_key(0.0) {}

point::~point() {
    delete str_ptr;
    delete spare_black;
    delete spare_white;
}

void point::set_index(int k) {
    index = k;
    word = k / 31;
    mask = int32_t{1} << (k % 31);
    sort_key = -k;
}

namespace {

int fold(int c) { return c <= 9 ? c : 20 - c; }

}  // namespace

void point::build_neighbourhood() {
    const board& e = *owner_board;
    for (int a = x - 3; a <= x + 3; ++a) {
        for (int b = y - 3; b <= y + 3; ++b) {
            if (!on_board(a, b) || (a == x && b == y)) continue;
            int da = std::abs(a - x);
            int db = std::abs(b - y);
            point* q = e.at(a, b);
            if (da < 3 || db < 3) near3.add(q);
            if (da <= 2 && db <= 2) near2.add(q);
            if (da <= 1 && db <= 1) near1.add(q);
        }
    }
    for (int i = -3; i <= 3; ++i) {
        for (int j = -3; j <= 3; ++j) {
            window[i + 3][j + 3] = on_board(x + i, y + j) ? e.at(x + i, y + j) : nullptr;
        }
    }
    if (x > 9) {
        for (int i = 1; i <= 3; ++i) {
            for (int j = 0; j < 7; ++j) std::swap(window[3 + i][j], window[3 - i][j]);
        }
    }
    if (y > 9) {
        for (int i = 0; i < 7; ++i) {
            for (int j = 1; j <= 3; ++j) std::swap(window[i][3 + j], window[i][3 - j]);
        }
    }
    const int fx = fold(x);
    const int fy = fold(y);
    if (fy < fx) {
        for (int i = 0; i < 7; ++i) {
            for (int j = i + 1; j < 7; ++j) std::swap(window[i][j], window[j][i]);
        }
    }
    edge_near = std::min(fx, fy);
    edge_far = std::max(fx, fy);
}

int point::edge_distance() const {
    return std::min({x - 1, board_size - x, y - 1, board_size - y});
}

void point::print(FILE* file) const {
    std::fprintf(file ? file : diag::out(), "[%c%c]", coord::sgf_letter(x), coord::sgf_letter(y));
}

int point::liberties() const {
    if (str_ptr == nullptr) {
        diag::print(" error point lib ");
        print(diag::out());
        owner_board->print_board();
        diag::pause();
        return 0;
    }
    return str_ptr->liberties.count();
}

int point::stones() const { return str_ptr ? str_ptr->stones.count() : 0; }

int point::status() const {
    if (str_ptr == nullptr) {
        diag::print("error no str status() in point.");
        diag::pause();
        return 0;
    }
    return str_ptr->status;
}

void point::invalidate_cache() { std::fill(eval_cache, eval_cache + 4, -2.0); }

void point::invalidate_near2() {
    for (point* q : near2.to_vector()) q->invalidate_cache();
}

void point::save_eq(int side) {
    if (side == 0) return;
    (side == black ? old_eq_black : old_eq_white) = equity;
    set_cache(1, side, eval_now_black);
    set_cache(-1, side, eval_now_white);
}

double point::old_eq(int side) const {
    if (side != owner_board->turn()) diag::print("error old_eq() point.cc\n");
    if (side == black) return old_eq_black;
    if (side == white) return old_eq_white;
    diag::print("old_eq() error");
    return 0.0;
}

int point::cache_still_valid(int side) {
    if (side == 0) return 0;
    const bool unchanged = std::abs(eval_now_black - cache(1, side)) <= 0.025 &&
                           std::abs(eval_now_white - cache(-1, side)) <= 0.025;
    if (!unchanged) {
        // Evaluated afresh until the next save_eq, even if the controls
        // come back.
        set_cache(1, side, -2.0);
        set_cache(-1, side, -2.0);
        return 0;
    }
    if (random_int(0, 9) != 0) return 1;
    print(diag::out());
    diag::print("r");
    return 0;
}

str* point::produce_str() {
    if (colour == 0) {
        diag::print("error produce_str point.cc\n");
        return nullptr;
    }
    str*& spare = colour == black ? spare_black : spare_white;
    str* s = spare != nullptr ? std::exchange(spare, nullptr) : new str(colour);
    str_ptr = s;
    s->add_stone(this);
    return s;
}

void point::release_str(str* s) {
    if (s->colour != black && s->colour != white) {
        diag::print("error point.cc");
        return;
    }
    str*& spare = s->colour == black ? spare_black : spare_white;
    delete spare;
    spare = s;
}

void point::reset() {
    delete std::exchange(str_ptr, nullptr);
    delete std::exchange(spare_black, nullptr);
    delete std::exchange(spare_white, nullptr);
    colour = 0;
    mark = 0;
    strength_black = 0.0;
    strength_white = 0.0;
    std::fill(eval_cache, eval_cache + 4, -1.0);
    eval_now_black = -1.0;
    eval_now_white = -1.0;
}

int point::check_point() {
    auto fail = [this](const char* message) {
        print(diag::out());
        diag::print("%s", message);
        diag::pause();
        return 1;
    };
    if (19 * x + y != index + 20) return fail("Error point 0 \n");
    if (colour == 0 && str_ptr != nullptr) return fail("Error point 1 \n");
    if (colour != 0 && str_ptr == nullptr) return fail("Error point 2 \n");
    if (colour != 0 && !str_ptr->stones.contains(this)) return fail("Error point 3 \n");
    return str_ptr != nullptr ? str_ptr->check("point check") : 0;
}

// What the front ends show of the engine's judgement: the owner of each
// point, a safety digit on each stone, the score estimate, and the detailed
// board dump of the debug console.
#include "engine/base/diagnostics.h"
#include "engine/board/board_size.h"
#include "engine/board/colour.h"
#include "engine/evaluation/evaluator.h"

namespace {

// Values beyond a third either way count as owned.
constexpr double owned = 0.33333;

// The eye mark of the detailed dump: a Black eye or half eye as 'e' or 'E',
// a White one as the bytes 0x9B and 0x9D; 0 for none.
char eye_mark(point* p) {
    const double black = p->eye_value(1);
    if (black == 0.5) return 'e';
    if (black == 1.0) return 'E';
    const double white = p->eye_value(-1);
    if (white == 0.5) return '\x9B';
    if (white == 1.0) return '\x9D';
    return 0;
}

}  // namespace

double evaluator::stone_safety(const point* p) const {
    if (p->colour == 0 || p->str_ptr == nullptr || p->str_ptr->owner_group == nullptr) return -1.0;
    return p->str_ptr->owner_group->safety;
}

int evaluator::ownership_trit(int x, int y) {
    const double v = territory_value(grid[x][y], black);
    if (v > owned) return 1;
    return v >= -owned ? 0 : -1;
}

char evaluator::safety_char(int x, int y) {
    const double s = stone_safety(grid[x][y]);
    if (s < 0 || s >= 0.95) return ' ';
    static const double upper[10] = {0.05, 0.15, 0.25, 0.35, 0.45, 0.55, 0.65, 0.75, 0.85, 0.95};
    int digit = 0;
    while (s >= upper[digit]) ++digit;
    return static_cast<char>('0' + digit);
}

int evaluator::score_estimate() {
    evaluate(black);
    // Stones played count against their side, so that what stands on the
    // board and what it surrounds is what each side gained.
    int a = 0;
    for (int i = 0; i < no_moves; ++i) {
        if (move_stack[i].where != pass_point) a -= move_stack[i].colour;
    }
    for (int k = 0; k < n_points; ++k) {
        if (points[k]->value > owned) a += 1;
        if (points[k]->value < -owned) a -= 1;
    }
    if (turn() == white) a += 1;
    return a;
}

void evaluator::print_board_detailed() {
    diag::print("trap_count %lld conn_count %lld kill_count %lld ladder_count %lld \n",
                trap_count / 1000, conn_count / 1000, kill_count / 1000, ladder_count / 1000);
    const point* last = last_point();
    for (int y = board_size; y >= 1; --y) {
        for (int x = 1; x <= board_size; ++x) {
            point* p = grid[x][y];
            if (p->colour == 0) {
                const char mark = eye_mark(p);
                const bool star = (x == 4 || x == 10 || x == 16) && (y == 4 || y == 10 || y == 16);
                diag::print("  %c", mark != 0 ? mark : star ? 'x' : '.');
                continue;
            }
            if (p == last) {
                diag::print(" :");
            } else if (p->str_ptr->owner_group != nullptr) {
                diag::print(" %d", static_cast<int>(9 * p->str_ptr->owner_group->safety));
            } else if (p->str_ptr->status == str::dead) {
                diag::print(" *");
            } else if (p->str_ptr->status != str::safe) {
                diag::print(" %d", p->str_ptr->status);
            } else {
                const char mark = eye_mark(p);
                diag::print(" %c", mark != 0 ? mark : ' ');
            }
            diag::print("%s", p->colour == black ? "#" : "O");
        }
        diag::print("\n");
    }
    diag::print(" turn %d no_moves %d ", turn(), no_moves);
    diag::print(" #1 %d  #-1 %d \n", static_cast<int>(black_groups.size()),
                static_cast<int>(white_groups.size()));
    diag::flush();
}

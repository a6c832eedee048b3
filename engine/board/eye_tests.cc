// Whether a point can become an eye, judged from the stones around it.
#include "engine/board/board.h"
#include "engine/board/point.h"
#include "engine/board/str.h"

namespace {

// Inside the board one enemy diagonal still leaves an eye; on the edge or in
// the corner none may.
bool diagonals_close(const point* p, int enemy_diagonals) {
    return p->n_diagonals > 2 ? enemy_diagonals < 2 : enemy_diagonals == 0;
}

}  // namespace

int point::eye_by_liberties(int c) {
    if (colour == c) return 0;
    if (colour == -c && str_ptr->stones.count() > 1) return 1;
    auto strong_enemy = [c](const point* q) {
        return q->colour == -c && q->str_ptr->liberties.count() > 3;
    };
    for (int k = 0; k < n_neighbours; ++k) {
        if (strong_enemy(neighbours[k])) return 0;
    }
    int counted = 0;
    for (int k = 0; k < n_diagonals; ++k) counted += strong_enemy(diagonals[k]);
    return diagonals_close(this, counted);
}

int point::eye_by_capture(int c) {
    if (colour == c) return 0;
    for (int k = 0; k < n_neighbours; ++k) {
        point* q = neighbours[k];
        if (q->colour == -c && (colour == 0 || !q->str_ptr->is_weak())) return 0;
    }
    int counted = 0;
    for (int k = 0; k < n_diagonals; ++k) {
        point* q = diagonals[k];
        counted += q->colour == -c && !q->str_ptr->is_weak();
    }
    return diagonals_close(this, counted);
}

double point::eye_value(int c) {
    if (colour == c) return 0.0;
    int s = 0;
    for (int k = 0; k < n_neighbours; ++k) s += c * neighbours[k]->colour;
    if (s < n_neighbours - 1) return 0.0;
    const double base = s == n_neighbours - 1 ? 0.5 : 1.0;
    // An empty diagonal where the enemy cannot sensibly play counts as ours.
    int t = 0;
    for (int k = 0; k < n_diagonals; ++k) {
        point* q = diagonals[k];
        if (q->colour != 0) {
            t += c * q->colour;
        } else if (!owner_board->is_sensible_move(q, -c)) {
            t += 1;
        }
    }
    if (n_diagonals < 2) {
        if (t == 1) return base;
        if (t == 0) return base - 0.5;
    } else {
        if (t > 1) return base;
        if (t == 1) return base - 0.5;
    }
    return 0.0;
}

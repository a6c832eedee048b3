#include "engine/evaluation/group_goals.h"

#include <algorithm>

#include "engine/base/diagnostics.h"
#include "engine/evaluation/group.h"
#include "engine/reading/reader.h"

point* group_goal::main_stone(point_set& targets) {
    targets.rewind();
    return targets.next();
}

double group_goal::eye_potential(point_set& targets, int owner) {
    double b = 0.0;
    for (int i = 0; i < targets.count(); ++i) {
        point* x = targets.next();
        const double v = x->eye_value(owner);
        b += 3 * v * v + (x->eye_by_capture(owner) ? 1 : 0);
    }
    return b;
}

void group_goal::order(point_set& targets, point_set& moves, int colour, int owner, double base,
                       double sign, int depth) {
    for (point* m : moves.to_vector()) {
        if (!e->is_legal_move(m, colour)) diag::crash(" error sort_ ab.cc ");
        e->push(m, colour);
        m->sort_key = base + sign * eye_potential(targets, owner) - 0.001 * m->index;
        e->pop();
    }
    moves.sort();
    moves.truncate(std::max(8 - depth, 2));
}

// --- live_goal -------------------------------------------------------------

bool live_goal::is_terminal(point_set& targets, int depth, int max_depth, int& value) {
    if (depth == 0) return false;  // the root is always expanded
    group* g = main_stone(targets)->group_ref;
    const int v = g->life_status();
    if (v != 0) return decided(value, v);
    // Open from the limit on, not only at it: at a life-and-death depth of 0
    // the root's replies end the reading instead of never meeting the limit.
    return open_until_limit(depth, max_depth, value);
}

void live_goal::generate_moves(point_set& targets, point_set& moves, int depth) {
    point* t = main_stone(targets);
    if (t->colour == 0) return;
    const int owner = t->colour;
    for (int i = 1; i < targets.count(); ++i) {
        point* r = targets.next();
        if (!r->eye_by_capture(owner) || r->eye_value(owner) >= 0.99) continue;
        for (int k = 0; k < r->n_neighbours; ++k) {
            point* q = r->neighbours[k];
            if (q->colour == 0) moves.add(q);
            if (q->colour == -owner && q->liberties() == 1)
                moves.add(q->str_ptr->liberties.first());
        }
        for (int k = 0; k < r->n_diagonals; ++k) {
            point* q = r->diagonals[k];
            if (q->colour == 0 && e->is_legal_move(q, -owner)) moves.add(q);
            if (q->colour == -owner && q->liberties() == 1)
                moves.add(q->str_ptr->liberties.first());
        }
    }
    e->remove_illegal(moves, owner);
    order(targets, moves, owner, owner, 10.0, -1.0, depth);
    if (depth == 0 && moves.empty()) moves.add(e->pass_point);
}

// --- kill_goal -------------------------------------------------------------

bool kill_goal::is_terminal(point_set& targets, int depth, int max_depth, int& value) {
    ++e->kill_count;
    point* t = main_stone(targets);
    if (t->colour == 0 || t->str_ptr->capturable_now()) return decided(value, 1);
    if (depth == 0) return false;
    const int v = t->group_ref->kill_status();
    if (v == 1) return decided(value, 1);
    if (v == 0 && depth != max_depth) return false;
    return decided(value, v == -1 ? -1 : 0);
}

void kill_goal::generate_moves(point_set& targets, point_set& moves, int depth) {
    point* t = main_stone(targets);
    if (t->colour == 0) return;
    const int owner = t->colour;
    auto add_around = [&](point* q) {
        if (q->colour == 0) moves.add(q);
        if (q->colour == -owner && q->liberties() == 1) {
            moves.add(q->str_ptr->liberties.first());
            q->str_ptr->atari_captures(moves);
        }
    };
    for (int i = 1; i < targets.count(); ++i) {
        point* r = targets.next();
        if (!r->eye_by_capture(owner)) continue;
        for (int k = 0; k < r->n_neighbours; ++k) add_around(r->neighbours[k]);
        for (int k = 0; k < r->n_diagonals; ++k) add_around(r->diagonals[k]);
    }
    moves.add(e->pass_point);
    e->remove_illegal(moves, -owner);
    order(targets, moves, -owner, owner, 0.0, 1.0, depth);
}

// Making and taking back moves, the rules of play, and the history that the
// game's undo and redo use.
#include <cstdio>

#include "engine/base/diagnostics.h"
#include "engine/board/board.h"
#include "engine/board/colour.h"

namespace {

// Distinct strings of colour c among p's neighbours, in neighbour order.
int neighbour_strings(const point* p, int c, str* found[4]) {
    int k = 0;
    for (int i = 0; i < p->n_neighbours; ++i) {
        const point* q = p->neighbours[i];
        if (q->colour != c) continue;
        bool seen = false;
        for (int j = 0; j < k; ++j) seen |= found[j] == q->str_ptr;
        if (!seen) found[k++] = q->str_ptr;
    }
    return k;
}

}  // namespace

void board::push(point* p, int m) {
    if (p != pass_point && p->colour != 0) {
        print_board();
        p->print(diag::out());
        diag::crash("error push");
    }
    if (no_moves >= stack_size) {
        print_board();
        diag::crash("error push: the move stack is full (2000 moves of game and reading)");
    }
    p->colour = m;
    move_record& r = move_stack[no_moves];
    r.where = p;
    r.colour = m;
    r.ko = 0;
    r.merged.clear();
    r.captured.clear();
    ++no_moves;

    if (p == pass_point) {
        p->colour = 0;
        key.key_update_turn(turn(), no_moves, nullptr);
        return;
    }

    for (int i = 0; i < p->n_neighbours; ++i) {
        point* q = p->neighbours[i];
        if (q->colour == -m && q->str_ptr->liberties.count() == 1 &&
            !r.captured.contains(q->str_ptr)) {
            r.captured.add_front(q->str_ptr);
        }
    }
    for (int i = 0; i < r.captured.count(); ++i) r.captured.at(i)->detach();

    str* friends[4];
    const int k = neighbour_strings(p, m, friends);
    if (k >= 2) {
        for (int i = 0; i < k; ++i) {
            r.merged.add_front(friends[i]);
            friends[i]->detach();
        }
    }
    key.key_add_stone(p);
    if (k >= 2) {
        str* s = p->produce_str();
        s->birth = no_moves;
        for (int i = 0; i < r.merged.count(); ++i) s->merge(r.merged.at(i));
        s->liberties.remove(p);
    }
    for (int i = 0; i < r.captured.count(); ++i) {
        point_set& stones = r.captured.at(i)->stones;
        for (int j = 0; j < stones.count(); ++j) {
            point* q = stones.next();
            key.key_remove_stone(q);
            q->colour = 0;
        }
    }
    if (k == 0) {
        p->produce_str()->birth = no_moves;
    } else if (k == 1) {
        friends[0]->add_stone(p);
    }
    for (int i = 0; i < r.captured.count(); ++i) {
        point_set& stones = r.captured.at(i)->stones;
        for (int j = 0; j < stones.count(); ++j) {
            point* q = stones.next();
            for (int n = 0; n < q->n_neighbours; ++n) {
                point* f = q->neighbours[n];
                if (f->colour == m) f->str_ptr->liberties.add(q);
            }
        }
    }
    if (k == 0 && r.captured.count() == 1 && r.captured.at(0)->stones.count() == 1 &&
        p->str_ptr->liberties.count() == 1) {
        r.ko = 1;
    }
    key.key_update_turn(turn(), no_moves, r.ko ? p : nullptr);
}

move_record& board::pop() {
    if (no_moves == 0) diag::crash(" pop error. \n");
    --no_moves;
    move_record& r = move_stack[no_moves];
    point* p = r.where;
    if (p != pass_point) {
        if (p->colour != r.colour) diag::crash("What?");
        p->colour = r.colour;
    }
    for (int i = 0; i < r.merged.count(); ++i) r.merged.at(i)->attach();
    for (int i = 0; i < r.captured.count(); ++i) {
        str* s = r.captured.at(i);
        s->attach();
        for (int j = 0; j < s->stones.count(); ++j) {
            point* q = s->stones.next();
            key.key_add_stone(q);
            for (int n = 0; n < q->n_neighbours; ++n) {
                point* f = q->neighbours[n];
                if (f->colour != 0 && f->colour != s->colour) f->str_ptr->liberties.remove(q);
            }
        }
    }
    if (p != pass_point) {
        key.key_remove_stone(p);
        if (!r.merged.empty()) {
            str* s = p->str_ptr;
            s->clear();
            p->release_str(s);
        } else {
            p->str_ptr->remove_stone(p);
        }
    }
    const move_record* top = last_move();
    key.key_update_turn(turn(), no_moves, top != nullptr && top->ko ? top->where : nullptr);
    return r;
}

int board::turn() const { return no_moves == 0 ? black : -move_stack[no_moves - 1].colour; }

point* board::last_point() const {
    return no_moves == 0 ? pass_point : move_stack[no_moves - 1].where;
}

move_record* board::last_move() { return no_moves == 0 ? nullptr : &move_stack[no_moves - 1]; }

int board::is_legal_move(point* p, int m) {
    if (p == pass_point) return 1;
    if (p->colour != 0 || p->n_neighbours == 0) return 0;
    bool captures = false;
    for (int i = 0; i < p->n_neighbours; ++i) {
        const point* q = p->neighbours[i];
        if (q->colour == 0) return 1;
        int libs = q->str_ptr->liberties.count();
        if (q->colour == m && libs > 1) return 1;
        if (q->colour == -m && libs == 1) captures = true;
    }
    if (!captures) return 0;

    push(p, m);
    const int libs = p->str_ptr->liberties.count();
    const int stones = p->str_ptr->stones.count();
    const move_record& r = pop();
    if (!(libs == 1 && stones == 1 && no_moves >= 2)) return 1;
    if (r.captured.empty() || r.captured_stones() > 1) return 1;
    const move_record& e = move_stack[no_moves - 1];
    const point* taken = r.captured.at(0)->stones.first();
    return taken == e.where && !e.captured.empty() ? 0 : 1;
}

int board::is_sensible_move(point* p, int m) {
    if (!is_legal_move(p, m)) return 0;
    if (p == pass_point) return 1;
    push(p, m);
    const int self_atari = p->str_ptr->capturable_now();
    pop();
    if (self_atari) return 0;

    int t = 0;
    point* r = nullptr;
    for (int i = 0; i < p->n_neighbours; ++i) {
        point* q = p->neighbours[i];
        if (q->colour == -m) {
            if (q->str_ptr->liberties.count() == 1) return 1;
        } else if (q->colour == 0) {
            t += 1;
            r = q;
        } else {
            point_set& libs = q->str_ptr->liberties;
            t += libs.count() - 1;
            if (t == 1) {
                r = libs.next();
                if (r == p) r = libs.next();
            }
        }
    }
    if (t > 1) return 1;
    if (r == nullptr) return 0;
    for (int i = 0; i < r->n_neighbours; ++i) {
        const point* q = r->neighbours[i];
        if (q->colour == -m && q->str_ptr->liberties.count() == 2 &&
            q->str_ptr->liberties.contains(p)) {
            return 1;
        }
    }
    int u = 0;
    for (int i = 0; i < r->n_neighbours; ++i) {
        const point* q = r->neighbours[i];
        if (q->colour == 0) {
            u += 1;
        } else if (q->colour == m) {
            if (q->str_ptr->liberties.count() == 1) return 0;
        } else {
            u += q->str_ptr->liberties.count() - 1;
        }
    }
    return u == 1;
}

namespace {

template <class Test>
int remove_failing(point_set& set, Test test) {
    int removed = 0;
    for (point* p : set.to_vector()) {
        if (!test(p)) removed += set.remove(p);
    }
    return removed;
}

}  // namespace

int board::remove_illegal(point_set& set, int m) {
    return remove_failing(set, [&](point* p) { return is_legal_move(p, m); });
}

int board::remove_unsensible(point_set& set, int m) {
    return remove_failing(set, [&](point* p) { return is_sensible_move(p, m); });
}

void board::play_move(point* p, int m) {
    push(p, m);
    history[no_moves - 1].where = p;
    history[no_moves - 1].colour = m;
    redo_limit = no_moves;
}

void board::redo_move() {
    const move_record& h = history[no_moves];
    push(h.where, h.colour);
}

move_record* board::next_redo_move() {
    return no_moves >= redo_limit ? nullptr : &history[no_moves];
}

void board::clear_position() {
    while (no_moves > 0) pop();
    no_moves = 0;
    redo_limit = 0;
    for (int k = 0; k < n_points; ++k) points[k]->reset();
    for (int k = 0; k < n_points; ++k) {
        points[k]->colour = 0;
        points[k]->mark = 0;
    }
}

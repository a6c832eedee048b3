#include "engine/board/str.h"

#include <algorithm>

#include "engine/base/diagnostics.h"
#include "engine/board/board.h"
#include "engine/board/colour.h"
#include "engine/board/point.h"

namespace {

int g_live_strings = 0;
str::release_hook g_release_hook = nullptr;

bool contains(const std::vector<str*>& list, const str* s) {
    return std::find(list.begin(), list.end(), s) != list.end();
}

}  // namespace

int str::live_count() { return g_live_strings; }

str::str(int c) : colour(c) {
    if (c != black && c != white) diag::print("error str col ");
    if (g_live_strings >= 1000) {
        diag::print("#str>1000 ");
        diag::pause();
    }
    ++g_live_strings;
}

str::~str() {
    // Taking moves back can free a string that the last analysis put into
    // a group or named in connection records; they must not keep it.
    if (g_release_hook != nullptr) g_release_hook(this);
    clear();
    --g_live_strings;
}

void str::set_release_hook(release_hook hook) { g_release_hook = hook; }

template <class F>
void str::for_adjacent_strings(int c, F f) {
    std::vector<str*> seen;
    for (point* p : stones) {
        for (int k = 0; k < p->n_neighbours; ++k) {
            str* s = p->neighbours[k]->str_ptr;
            if (p->neighbours[k]->colour != c || s == nullptr || s == this) continue;
            if (contains(seen, s)) continue;
            seen.push_back(s);
            f(s);
        }
    }
}

void str::add_stone(point* p) {
    if (p->colour == 0) {
        diag::print("error add_stone color");
        p->print();
        print();
        diag::pause();
        p->owner_board->print_board();
        diag::pause();
    }
    stones.add(p);
    p->str_ptr = this;
    liberties.remove(p);
    for (int k = 0; k < p->n_neighbours; ++k) {
        point* q = p->neighbours[k];
        if (q->colour == 0) {
            liberties.add(q);
        } else if (q->colour == -colour && q->str_ptr != nullptr) {
            q->str_ptr->liberties.remove(p);
        }
    }
}

void str::remove_stone(point* p) {
    for (int k = 0; k < p->n_neighbours; ++k) {
        point* q = p->neighbours[k];
        if (q->colour == -colour && q->str_ptr != nullptr) q->str_ptr->liberties.add(p);
    }
    stones.remove(p);
    p->str_ptr = nullptr;
    p->colour = 0;
    if (stones.empty()) {
        liberties.clear();
        p->release_str(this);
        return;
    }
    liberties.add(p);
    for (int k = 0; k < p->n_neighbours; ++k) {
        point* q = p->neighbours[k];
        if (q->colour != 0) continue;
        bool touches = false;
        for (int j = 0; j < q->n_neighbours; ++j) touches |= q->neighbours[j]->str_ptr == this;
        if (!touches) liberties.remove(q);
    }
}

void str::merge(str* other) {
    for (int i = 0; i < other->stones.count(); ++i) add_stone(other->stones.next());
    liberties.add_all(other->liberties);
}

void str::detach() {
    for (int i = 0; i < stones.count(); ++i) stones.next()->str_ptr = nullptr;
}

void str::attach() {
    for (int i = 0; i < stones.count(); ++i) {
        point* p = stones.next();
        p->str_ptr = this;
        p->colour = colour;
    }
}

void str::clear() {
    for (int i = 0; i < stones.count(); ++i) {
        point* p = stones.next();
        if (p->str_ptr != this) continue;
        p->str_ptr = nullptr;
        p->colour = 0;
        for (int k = 0; k < p->n_neighbours; ++k) {
            point* q = p->neighbours[k];
            if (q->colour == -colour && q->str_ptr != nullptr) q->str_ptr->liberties.add(p);
        }
    }
    stones.clear();
    liberties.clear();
}

bool str::is_current() { return !stones.empty() && stones.first()->str_ptr == this; }

point* str::lowest_stone() const {
    point* lowest = nullptr;
    for (point* p : stones) {
        if (lowest == nullptr || p->index < lowest->index) lowest = p;
    }
    return lowest;
}

void str::print() const {
    diag::print("stones ");
    stones.print(diag::out());
    diag::print("\n");
}

void str::liberty_area(point_set& out) {
    for (int i = 0; i < liberties.count(); ++i) {
        point* l = liberties.next();
        out.add(l);
        for (int k = 0; k < l->n_neighbours; ++k) {
            if (l->neighbours[k]->colour == 0) out.add(l->neighbours[k]);
        }
    }
}

void str::atari_captures(point_set& out) {
    for_adjacent_strings(-colour, [&](str* e) {
        if (e->liberties.count() == 1) out.add(e->liberties.first());
    });
}

void str::counter_captures(point_set& out) {
    for_adjacent_strings(-colour, [&](str* e) {
        if (e->liberties.count() == 1) e->atari_captures(out);
    });
}

void str::two_liberty_enemies(point_set& out) {
    for_adjacent_strings(-colour, [&](str* e) {
        if (e->liberties.count() == 2) out.add_all(e->liberties);
    });
}

int str::touches_enemy_in_atari() {
    int found = 0;
    for_adjacent_strings(-colour, [&](str* e) { found |= e->liberties.count() == 1; });
    return found;
}

// Every liberty, the liberties of the other strings of this colour that
// touch a liberty, and whatever on_empty adds for each empty neighbour of a
// liberty.
template <class OnEmpty>
void str::around_liberties(point_set& out, OnEmpty on_empty) {
    for (int i = 0; i < liberties.count(); ++i) {
        point* l = liberties.next();
        out.add(l);
        for (int k = 0; k < l->n_neighbours; ++k) {
            point* q = l->neighbours[k];
            if (q->colour == 0) {
                on_empty(q);
            } else if (q->colour == colour && q->str_ptr != this && q->str_ptr != nullptr) {
                out.add_all(q->str_ptr->liberties);
            }
        }
    }
}

void str::liberty_area_wide(point_set& out) {
    around_liberties(out, [&](point* q) { out.add(q); });
}

void str::liberty_area_two(point_set& out) {
    around_liberties(out, [&](point* q) {
        out.add(q);
        for (int j = 0; j < q->n_neighbours; ++j) {
            if (q->neighbours[j]->colour == 0) out.add(q->neighbours[j]);
        }
    });
}

void str::self_atari_liberties(point_set& out) {
    board* e = stones.first()->owner_board;
    // The trial moves reorder the liberty list, so walk a copy.
    for (point* p : liberties.to_vector()) {
        if (!e->is_legal_move(p, -colour)) continue;
        e->push(p, -colour);
        if (p->str_ptr->capturable_now()) out.add(p->str_ptr->liberties.first());
        e->pop();
    }
}

int str::is_weak() {
    int n = liberties.count();
    if (n == 1) return 1;
    if (n > 4) return 0;
    point_set area;
    liberty_area_wide(area);
    return area.count() < 7;
}

int str::capturable_now() {
    if (liberties.count() != 1) return 0;
    point* l = liberties.first();
    return l->owner_board->is_legal_move(l, -colour);
}

int str::distance(const str* other) const {
    if (other == this) diag::print("error self dis ");
    if (stones.empty() || other->stones.empty()) return 1000;
    int best = 1000;
    for (point* p : stones) {
        for (point* q : other->stones) {
            best = std::min(best, point_set::shape_distance(p, q));
        }
    }
    return best;
}

void str::adjacent_enemies(std::vector<str*>& list) {
    for_adjacent_strings(-colour, [&](str* e) {
        if (!contains(list, e)) list.push_back(e);
    });
}

int str::single_stone_pressure() {
    if (stones.count() < 2 || status == dead) return 0;
    std::vector<str*> enemies;
    adjacent_enemies(enemies);
    int sum = 0;
    for (str* e : enemies) {
        if (e->status != safe || e->stones.count() != 1) continue;
        point* s = e->stones.first();
        if (s->edge_distance() == 0) continue;
        int f = 1;
        for (int k = 0; k < s->n_diagonals; ++k) {
            point* d = s->diagonals[k];
            if (d->colour == e->colour && !contains(enemies, d->str_ptr)) f = 0;
        }
        sum += e->liberties.count() == 2 ? 2 * f : f;
    }
    return sum > 3;
}

int str::check(const char* label) {
    if (stones.empty()) return 0;
    board* e = stones.first()->owner_board;
    point_set expected;
    for (point* p : stones) {
        for (int k = 0; k < p->n_neighbours; ++k) {
            if (p->neighbours[k]->colour == 0) expected.add(p->neighbours[k]);
        }
    }
    for (point* l : liberties) {
        if (l->colour != 0) {
            e->print_board();
            diag::print("str check error %s\n", label);
            print();
            diag::print(" problem: ");
            l->print(diag::out());
            liberties.print(diag::out());
            diag::pause();
            return 1;
        }
    }
    if (liberties.count() != expected.count()) {
        e->print_board();
        diag::print("str check error libsize %s\n", label);
        print();
        liberties.print(diag::out());
        expected.print(diag::out());
        diag::pause();
        return 1;
    }
    return 0;
}

#include "engine/reading/search_goals.h"

#include <algorithm>
#include <vector>

#include "engine/base/diagnostics.h"
#include "engine/reading/reader.h"

namespace {

int liberty_area_size(str* s) {
    point_set area;
    s->liberty_area(area);
    return area.count();
}

bool touches(str* a, str* b) {
    std::vector<str*> enemies;
    a->adjacent_enemies(enemies);
    for (str* x : enemies) {
        if (x == b) return true;
    }
    return false;
}

// Ladder reading of a two-liberty string: the only capture test cheap enough
// for a terminal node.
bool ladder_works(reader* e, str* s) {
    return s->liberties.count() == 2 && e->ladder_capture(s, 0, 100) == 1;
}

}  // namespace

str* string_goal::target_string(const point_set& targets) {
    return targets.first()->str_ptr;
}

void string_goal::check_depth(int depth) {
    if (depth < 0) diag::crash("depth<0 ");
}

bool search_goal::decided(int& value, int v) {
    value = v;
    return true;
}

bool search_goal::open_until_limit(int depth, int max_depth, int& value) {
    return depth < max_depth ? false : decided(value, 0);
}

void string_goal::add_captures(str* s, point_set& moves) {
    s->counter_captures(moves);
    s->atari_captures(moves);
}

// --- quick_capture_goal ----------------------------------------------------

bool quick_capture_goal::is_terminal(point_set& targets, int depth, int max_depth, int& value) {
    str* s = target_string(targets);
    if (s == nullptr || s->capturable_now()) return decided(value, 1);
    if (s->liberties.count() >= 5) return decided(value, -1);
    if (ladder_works(e, s)) return decided(value, 1);
    return open_until_limit(depth, max_depth, value);
}

void quick_capture_goal::generate_moves(point_set& targets, point_set& moves, int depth) {
    check_depth(depth);
    str* s = target_string(targets);
    if (s == nullptr) return;
    s->add_liberties_to(moves);
    add_captures(s, moves);
    e->remove_illegal(moves, -s->colour);
    // A string in atari that cannot be taken at once (a ko) is attacked by
    // waiting.
    if (moves.empty() && s->liberties.count() == 1) moves.add(e->pass_point);
}

// --- quick_escape_goal -----------------------------------------------------

bool quick_escape_goal::is_terminal(point_set& targets, int depth, int max_depth, int& value) {
    str* s = target_string(targets);
    if (s == nullptr) return decided(value, -1);
    if (s->liberties.count() >= 4) return decided(value, 1);
    return open_until_limit(depth, max_depth, value);
}

void quick_escape_goal::generate_moves(point_set& targets, point_set& moves, int depth) {
    check_depth(depth);
    str* s = target_string(targets);
    if (s == nullptr) return;
    s->add_liberties_to(moves);
    add_captures(s, moves);
    s->two_liberty_enemies(moves);
    e->remove_illegal(moves, s->colour);
}

// --- capture_goal ----------------------------------------------------------

bool capture_goal::is_terminal(point_set& targets, int depth, int max_depth, int& value) {
    ++e->conn_count;
    str* s = target_string(targets);
    if (s == nullptr || s->capturable_now()) return decided(value, 1);
    if (s->liberties.count() >= 5) return decided(value, -1);
    // Below the limit a ladder ends the reading while the budget lasts.
    if (depth < max_depth && e->ladder_budget_left() && ladder_works(e, s)) {
        return decided(value, 1);
    }
    return open_until_limit(depth, max_depth, value);
}

void capture_goal::generate_moves(point_set& targets, point_set& moves, int depth) {
    check_depth(depth);
    str* s = target_string(targets);
    if (s == nullptr) return;
    s->liberty_area_wide(moves);
    add_captures(s, moves);
    if (s->liberties.count() == 2) s->self_atari_liberties(moves);
    e->remove_illegal(moves, -s->colour);
    score(targets.first(), moves);
    moves.sort();
}

// Fewest liberties and least room first; a capture at once comes first of
// all, a self-atari of the attacker last.
void capture_goal::score(point* target, point_set& moves) {
    const int attacker = -target->colour;
    for (point* m : moves.to_vector()) {
        e->push(m, attacker);
        if (target->colour != 0) {
            str* s = target->str_ptr;
            const int self_atari = m->str_ptr->liberties.count() == 1 ? 100 : 0;
            m->sort_key = 10 * s->liberties.count() + liberty_area_size(s) + self_atari;
        } else {
            m->sort_key = 0;
        }
        e->pop();
    }
}

// --- defend_goal -----------------------------------------------------------

bool defend_goal::is_terminal(point_set& targets, int depth, int max_depth, int& value) {
    ++e->conn_count;
    str* s = target_string(targets);
    if (s == nullptr) return decided(value, -1);
    const int libs = s->liberties.count();
    if (libs >= 4 || (libs == 3 && depth > 5)) return decided(value, 1);
    return open_until_limit(depth, max_depth, value);
}

void defend_goal::generate_moves(point_set& targets, point_set& moves, int depth) {
    check_depth(depth);
    str* s = target_string(targets);
    if (s == nullptr) return;
    const int owner = s->colour;
    moves.add(e->pass_point);
    if (s->liberties.count() > 1) {
        add_ataris(s, moves);
        s->liberty_area_wide(moves);
        if (s->liberties.count() == 2) s->self_atari_liberties(moves);
        // Only points the attacker could use; the liberties come back below.
        e->remove_illegal(moves, -owner);
        moves.subtract(s->liberties);
    }
    s->atari_captures(moves);
    s->add_liberties_to(moves);
    e->remove_illegal(moves, owner);
    score(targets.first(), moves);
    moves.sort();
}

void defend_goal::add_ataris(str* target, point_set& moves) {
    std::vector<str*> enemies;
    target->adjacent_enemies(enemies);
    point* stone = target->stones.first();
    for (str* o : enemies) {
        if (o->liberties.count() != 2) continue;
        for (point* x : o->liberties.to_vector()) {
            if (e->is_legal_move(x, target->colour) && atari_worth_trying(x, o, stone)) {
                moves.add(x);
            }
        }
    }
}

// An atari is worth trying when the ataried string cannot run out to three
// liberties, or when the stone also threatens a second weak neighbour of the
// target.
bool defend_goal::atari_worth_trying(point* x, str* enemy, point* target_stone) {
    const int owner = target_stone->colour;
    e->push(x, owner);
    point* y = enemy->liberties.first();
    bool keep = true;
    if (e->is_legal_move(y, -owner)) {
        e->push(y, -owner);
        keep = y->str_ptr->liberties.count() < 3;
        e->pop();
    }
    for (int k = 0; k < x->n_neighbours && !keep; ++k) {
        point* q = x->neighbours[k];
        if (q->colour != -owner || q->str_ptr == enemy) continue;
        keep = q->str_ptr->liberties.count() < 3 && touches(q->str_ptr, target_stone->str_ptr);
    }
    e->pop();
    return keep;
}

// Most liberties and most room first; the pass last.
void defend_goal::score(point* target, point_set& moves) {
    const int owner = target->colour;
    for (point* m : moves.to_vector()) {
        if (m == e->pass_point) {
            m->sort_key = 1000.0;
            continue;
        }
        e->push(m, owner);
        str* s = target->str_ptr;
        m->sort_key =
            -(10 * s->liberties.count() + 2 * m->str_ptr->liberties.count() + liberty_area_size(s));
        e->pop();
    }
}

// --- connection goals ------------------------------------------------------

bool connection_goal::target_strings(point_set& targets, str*& first, str*& second) {
    targets.rewind();
    point* a = targets.next();
    point* b = targets.next();
    first = a->str_ptr;
    second = b->str_ptr;
    return first != nullptr && second != nullptr;
}

std::vector<str*> shared_enemies(str* a, str* b) {
    std::vector<str*> shared;
    a->adjacent_enemies(shared);
    std::erase_if(shared, [b](str* x) { return !touches(x, b); });
    return shared;
}

int shape_filter(knowledge& e, point_set& moves, int colour) {
    int removed = 0;
    for (point* m : moves.to_vector()) {
        if (m == e.pass_point) {
            m->sort_key = 1000.0;
            continue;
        }
        double sente;
        const double x = e.shape_eval(m, colour, sente);
        // A crowded point is worth a look at a lower shape value.
        if (x >= 0.2 && (x >= 0.35 || m->near1.count_stones() > 3)) {
            m->sort_key = -x;
        } else {
            moves.remove(m);
            ++removed;
        }
    }
    moves.sort();
    return removed;
}

// --- connect_goal ----------------------------------------------------------

bool connect_goal::is_terminal(point_set& targets, int depth, int max_depth, int& value) {
    ++e->trap_count;
    str* s1;
    str* s2;
    if (!target_strings(targets, s1, s2)) return decided(value, -1);
    if (s1 == s2 || s1->liberties.intersects(s2->liberties)) return decided(value, 1);
    const std::vector<str*> shared = shared_enemies(s1, s2);
    // A shared enemy that can be taken joins the two through the capture.
    for (str* x : shared) {
        if (x->capturable_now() || e->ladder_capture(x, 0, 6) == 1) return decided(value, 1);
    }
    if (depth >= max_depth) return decided(value, 0);
    for (str* x : shared) {
        if (x->liberties.count() == 2 && e->ladder_budget_left() &&
            e->ladder_capture(x, 0, 100) == 1) {
            return decided(value, 1);
        }
    }
    return false;
}

void connect_goal::generate_moves(point_set& targets, point_set& moves, int depth) {
    str* s1;
    str* s2;
    if (!target_strings(targets, s1, s2)) return;
    const int owner = s1->colour;
    point_set area1, area2, wide1, wide2;
    s1->liberty_area(area1);
    s2->liberty_area(area2);
    s1->liberty_area_two(wide1);
    s2->liberty_area_two(wide2);

    // Points near both strings, and the liberties of weak enemies of one
    // string near the other: tried first, whatever their shape.
    point_set near_both;
    area1.intersect_into(area2, near_both);
    std::vector<str*> enemies1, enemies2;
    s1->adjacent_enemies(enemies1);
    s2->adjacent_enemies(enemies2);
    for (str* a : enemies1) {
        if (a->liberties.count() < 4) a->liberties.intersect_into(area2, near_both);
    }
    for (str* a : enemies2) {
        if (a->liberties.count() < 4) a->liberties.intersect_into(area1, near_both);
    }
    if (near_both.empty()) {
        wide1.intersect_into(s2->liberties, near_both);
        wide2.intersect_into(s1->liberties, near_both);
    }

    wide1.intersect_into(area2, moves);
    wide2.intersect_into(area1, moves);
    for (str* s : {s1, s2}) {
        if (!s->capturable_now()) continue;
        moves.add(s->liberties.first());
        s->atari_captures(moves);
    }
    for (str* x : shared_enemies(s1, s2)) {
        if (x->liberties.count() < 4) x->add_liberties_to(moves);
    }
    if (depth <= 1) shape_filter(*e, moves, owner);
    moves.subtract(near_both);
    moves.add_all(near_both);
    e->remove_illegal(moves, owner);
    e->remove_unsensible(moves, owner);
}

// --- cut_goal --------------------------------------------------------------

bool cut_goal::is_terminal(point_set& targets, int depth, int max_depth, int& value) {
    ++e->trap_count;
    str* s1;
    str* s2;
    // The connect goal ends a reading as soon as a string is captured, so
    // this cannot arise.
    if (!target_strings(targets, s1, s2)) {
        diag::print("err can_cut_rec.. ");
        return decided(value, 0);
    }
    if (s1 == s2) return decided(value, -1);
    if (s1->capturable_now() || s2->capturable_now()) return decided(value, 1);
    if (depth >= max_depth) return decided(value, 0);
    for (str* s : {s1, s2}) {
        if (s->liberties.count() == 2 && e->ladder_budget_left() &&
            e->ladder_capture(s, 0, 100) == 1) {
            return decided(value, 1);
        }
    }
    return false;
}

void cut_goal::generate_moves(point_set& targets, point_set& moves, int depth) {
    moves.add(e->pass_point);
    str* s1;
    str* s2;
    if (!target_strings(targets, s1, s2)) return;
    const int cutter = -s1->colour;
    s1->liberties.intersect_into(s2->liberties, moves);
    for (str* s : {s1, s2}) {
        if (s->capturable_now()) moves.add(s->liberties.first());
    }
    // No cutting point and nothing to take: look for the cut in the space
    // between the two, and for help from the cutter's weak strings.
    if (moves.count() == 1) {
        point_set area1, area2, wide1, wide2;
        s1->liberty_area(area1);
        s2->liberty_area(area2);
        add_weak_neighbour_moves(s1, area2, moves);
        add_weak_neighbour_moves(s2, area1, moves);
        s1->liberty_area_two(wide1);
        s2->liberty_area_two(wide2);
        wide1.intersect_into(area2, moves);
        wide2.intersect_into(area1, moves);
        for (str* g : shared_enemies(s1, s2)) {
            if (g->liberties.count() >= 4) continue;
            g->add_liberties_to(moves);
            g->atari_captures(moves);
            g->two_liberty_enemies(moves);
        }
    }
    if (depth <= 1) shape_filter(*e, moves, cutter);
    e->remove_illegal(moves, cutter);
    e->remove_unsensible(moves, cutter);
}

void cut_goal::add_weak_neighbour_moves(str* s, point_set& other_area, point_set& moves) {
    std::vector<str*> cutters;
    s->adjacent_enemies(cutters);
    for (str* g : cutters) {
        if (g->liberties.count() >= 4) continue;
        const int before = moves.count();
        g->liberties.intersect_into(other_area, moves);
        if (moves.count() > before) g->atari_captures(moves);
    }
}

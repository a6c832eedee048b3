// The passes that give every string its status, dead (it can be captured)
// or safe: by reading, then by a few local patterns that reading at the
// string alone misses (forcing moves, double ataris, first-line ataris).
#include <algorithm>
#include <utility>
#include <vector>

#include "engine/base/diagnostics.h"
#include "engine/reading/reader.h"

namespace {

bool contains(const std::vector<str*>& list, const str* s) {
    return std::find(list.begin(), list.end(), s) != list.end();
}

void add_once(std::vector<str*>& list, str* s) {
    if (s != nullptr && !contains(list, s)) list.push_back(s);
}

// Every string on the board once, in the order of its lowest stone.
std::vector<str*> board_strings(reader& e) {
    std::vector<str*> strings;
    for (int k = 0; k < e.n_points; ++k) add_once(strings, e.points[k]->str_ptr);
    return strings;
}

// The distinct strings of colour c on p's neighbours, in neighbour order.
std::vector<str*> strings_next_to(const point* p, int c) {
    std::vector<str*> strings;
    for (int k = 0; k < p->n_neighbours; ++k) {
        if (p->neighbours[k]->colour == c) add_once(strings, p->neighbours[k]->str_ptr);
    }
    return strings;
}

// The one point where either string can capture a neighbour in atari, or
// null when there are none or several.
point* single_capture_point(str* a, str* b) {
    point_set points;
    a->atari_captures(points);
    b->atari_captures(points);
    return points.count() == 1 ? points.first() : nullptr;
}

// Two strings in atari that can each capture their way out: the shape of a
// double atari whose victims may share their escape.
bool both_in_atari_with_escape(str* a, str* b) {
    return a->capturable_now() && b->capturable_now() && a->touches_enemy_in_atari() &&
           b->touches_enemy_in_atari();
}

// A stone of g other than x (g holds x and at least one stone beside it).
point* stone_other_than(str* g, point* x) {
    for (point* p : g->stones.to_vector()) {
        if (p != x) return p;
    }
    return nullptr;
}

// The status that reading gives s: the side to move asks whether it can be
// saved, the other side whether it can be captured.
int read_status(reader& e, str* s, proof_record* record) {
    if (s->colour == e.turn()) {
        return e.can_save_string(s, e.max_depth_status, record) == -1 ? str::dead : str::safe;
    }
    return e.can_capture_string(s, e.max_depth_status, record) == 1 ? str::dead : str::safe;
}

// Of two capturable neighbours of opposite colours only one can really be
// lost: the smaller one, when it is in atari, is counted safe.
void atari_pair_correction(reader& e) {
    for (str* s : board_strings(e)) {
        std::vector<str*> enemies;
        s->adjacent_enemies(enemies);
        for (str* o : enemies) {
            if (s->status != str::dead || o->status != str::dead) continue;
            const int ns = s->stones.count();
            const int no = o->stones.count();
            if (ns < no && s->liberties.count() == 1) s->status = str::safe;
            if (no < ns && o->liberties.count() == 1) o->status = str::safe;
        }
    }
}

// After m, an enemy string in atari next to it extends; if that leaves an
// enemy string next to m that can be captured, the smaller of the two is
// dead.
void extension_check(reader& e, point* m) {
    if (m->colour == 0 || m->str_ptr->status != str::safe) return;
    const int opponent = -m->colour;
    str* s = nullptr;
    point* x = nullptr;
    for (str* o : strings_next_to(m, opponent)) {
        if (o->liberties.count() != 1 || o->touches_enemy_in_atari()) continue;
        s = o;
        if (e.is_legal_move(o->liberties.first(), opponent)) x = o->liberties.first();
    }
    if (x == nullptr) return;
    e.push(x, opponent);
    point* kept = nullptr;  // a stone of the string found, other than x
    int kept_size = 0;
    for (str* g : strings_next_to(m, opponent)) {
        if (g->status > str::dead && e.can_capture_string(g, 4, nullptr) == 1) {
            kept = stone_other_than(g, x);
            kept_size = g->stones.count();
        }
    }
    e.pop();
    if (kept == nullptr) return;
    // The string found may have been made by the extension itself; once x
    // is taken back, its other stones name the string on the board.
    (s->stones.count() < kept_size ? s : kept->str_ptr)->status = str::dead;
}

// After m, a single stone, ataris two enemy strings at once: if both can
// escape only by capturing at the same point, one of them is dead when it
// can still be laddered after that capture.
void double_atari_check(reader& e, point* m) {
    if (m->colour == 0 || m->stones() != 1 || m->liberties() != 2) return;
    std::vector<str*> victims = strings_next_to(m, -m->colour);
    if (victims.size() != 2 || !both_in_atari_with_escape(victims[0], victims[1])) return;
    point* x = single_capture_point(victims[0], victims[1]);
    if (x == nullptr || !e.is_legal_move(x, -m->colour)) return;
    e.push(x, -m->colour);
    str* laddered = nullptr;
    for (str* v : victims) {
        if (e.ladder_capture(v->stones.first()->str_ptr, 0, 100) == 1) {
            laddered = v;
            break;
        }
    }
    e.pop();
    if (laddered == nullptr) return;
    laddered->status = str::dead;
    for (int k = 0; k < x->n_neighbours; ++k) {
        point* q = x->neighbours[k];
        if (q->colour != 0 && q->str_ptr->liberties.count() == 1) q->str_ptr->status = str::safe;
    }
}

// A lone first-line stone m with two liberties: if the enemy's atari from
// the second line leaves two of our strings in atari that can only capture
// their way out at one point, and one of them is laddered after that, m's
// string is dead.
void first_line_check(reader& e, point* m) {
    if (m->colour == 0 || m->stones() != 1 || m->edge_distance() != 0 || m->liberties() != 2) {
        return;
    }
    const int c = m->colour;
    point_set& liberties = m->str_ptr->liberties;
    point* y = liberties.next();
    if (y->edge_distance() != 1) y = liberties.next();
    if (y->edge_distance() != 1 || !e.is_legal_move(y, -c)) return;
    e.push(y, -c);
    bool lost = false;
    std::vector<str*> ours = strings_next_to(y, c);
    if (ours.size() == 2 && both_in_atari_with_escape(ours[0], ours[1])) {
        point* x = single_capture_point(ours[0], ours[1]);
        if (x != nullptr && e.is_legal_move(x, c)) {
            std::vector<point*> stones = {ours[0]->stones.first(), ours[1]->stones.first()};
            e.push(x, c);
            for (point* p : stones) lost = lost || e.ladder_capture(p->str_ptr, 0, 100) == 1;
            e.pop();
        }
    }
    e.pop();
    if (lost) m->str_ptr->status = str::dead;
}

// What reading says of f after a move, given its stored status; strings
// found unsafe or capturable hand their enemy neighbours to followers.
int status_after_move(reader& e, str* f, point* move, std::vector<str*>* followers) {
    if (f->colour == e.turn()) {
        if (f->status == str::dead) return str::dead;
        if (e.can_save_string(f, e.max_depth_status, nullptr) != -1) return str::safe;
        if (followers != nullptr) f->adjacent_enemies(*followers);
        return str::dead;
    }
    if (f->status == str::safe && !f->stones.contains(move)) return str::safe;
    if (e.can_capture_string(f, e.max_depth_status, nullptr) == 1) return str::dead;
    if (followers != nullptr) f->adjacent_enemies(*followers);
    return str::safe;
}

// The strings whose status the move may have changed: its own, those near
// it, and those next to what it captured.
std::vector<str*> strings_near_move(reader& e, point* move) {
    std::vector<str*> near;
    if (move->colour != 0) add_once(near, move->str_ptr);
    for (point* q : move->near2.to_vector()) add_once(near, q->str_ptr);
    const move_record* last = e.last_move();
    if (last == nullptr || last->where != move) return near;
    for (int i = 0; i < last->captured.count(); ++i) {
        for (point* q : last->captured.at(i)->stones.to_vector()) {
            for (int k = 0; k < q->n_neighbours; ++k) add_once(near, q->neighbours[k]->str_ptr);
        }
    }
    return near;
}

}  // namespace

void reader::evaluate_all_strings() {
    diag::print("S");
    for (str* s : board_strings(*this)) s->status = read_status(*this, s, nullptr);
    kikashi_pass(turn());
    atari_pair_correction(*this);
    diag::print(".");
}

void reader::collect_proof_moves(point_set& moves) {
    for (str* s : board_strings(*this)) {
        proof_record record;
        s->status = read_status(*this, s, &record);
        if (record.depth() > 2) record.first_moves(moves);
    }
}

void reader::update_status_after_move(point* move) {
    for (int k = 0; k < n_points; ++k) {
        point* p = points[k];
        if (p->colour != 0) p->str_ptr->status = p->status_copy;
    }
    std::vector<str*> near = strings_near_move(*this, move);
    std::vector<str*> followers;
    for (str* f : near) f->status = status_after_move(*this, f, move, &followers);
    for (str* f : followers) {
        if (!contains(near, f)) f->status = status_after_move(*this, f, move, nullptr);
    }
    extension_check(*this, move);
    double_atari_check(*this, move);
    first_line_check(*this, move);
    kikashi_pass(turn());
    atari_pair_correction(*this);
}

void reader::kikashi_pass(int a) {
    point_set candidates;
    for (str* g : board_strings(*this)) {
        if (g->colour == -a && g->liberties.count() == 2) g->add_liberties_to(candidates);
    }
    // Forcing pairs: a's atari at x that keeps x out of atari, and the
    // opponent's forced extension at y.
    std::vector<std::pair<point*, point*>> pairs;
    for (point* x : candidates.to_vector()) {
        if (!is_legal_move(x, a)) continue;
        push(x, a);
        if (x->str_ptr->liberties.count() > 1) {
            for (str* o : strings_next_to(x, -a)) {
                if (o->liberties.count() != 1 || o->touches_enemy_in_atari()) continue;
                point* y = o->liberties.first();
                if (!is_legal_move(y, -a)) continue;
                pairs.emplace_back(x, y);
                break;
            }
        }
        pop();
    }
    for (auto [x, y] : pairs) {
        if (!is_legal_move(x, a)) diag::crash(" error kikashi ");
        push(x, a);
        if (!is_legal_move(y, -a)) diag::crash(" error kikashi ");
        push(y, -a);
        for (str* g : strings_next_to(x, -a)) {
            if (!g->stones.contains(y) && ladder_capture(g, 0, 100) == 1) g->status = str::dead;
        }
        pop();
        pop();
    }
}

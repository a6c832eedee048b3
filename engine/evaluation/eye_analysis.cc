// The static eye analysis of a group: which points around it are its own,
// which of them can become eyes, and how many half eyes each piece of eye
// space is worth.  It is the terminal test of the life-and-death reading, so
// it reads the board as it stands (strings are taken from the stones, not
// from the members, which a reading may have merged away) and needs only
// two-ply quick captures per point.
#include <algorithm>

#include "engine/base/diagnostics.h"
#include "engine/evaluation/evaluator.h"
#include "engine/evaluation/group.h"

namespace {

constexpr signed char unknown_verdict = 2;

// A stone that an eye point may hold without spoiling the eye: a lone enemy
// stone in atari, on a full-eye point.
bool is_capturable_single(const point* p) {
    return p->colour != 0 && p->str_ptr->stones.count() == 1 && p->str_ptr->liberties.count() <= 1;
}

}  // namespace

std::vector<str*> group::current_strings() const {
    std::vector<str*> found;
    for (point* p : stones.to_vector()) {
        if (p->colour != colour) continue;
        if (std::find(found.begin(), found.end(), p->str_ptr) == found.end()) {
            found.push_back(p->str_ptr);
        }
    }
    return found;
}

bool group::is_dead_enemy(const point* p) const {
    if (p->colour != -colour) return false;
    const int status = p->str_ptr->status;
    return is_to_move() ? status != str::safe : status == str::dead;
}

bool group::touches_live_enemy(const point* p) const {
    for (int k = 0; k < p->n_neighbours; ++k) {
        const point* q = p->neighbours[k];
        if (q->colour == -colour && !is_dead_enemy(q)) return true;
    }
    return false;
}

void group::build_outer_area(point_set& out) const {
    for (str* s : current_strings()) {
        out.add_all(s->liberties);
        std::vector<str*> enemies;
        s->adjacent_enemies(enemies);
        for (str* o : enemies) {
            if (is_dead_enemy(o->stones.first())) out.add_all(o->stones);
        }
    }
}

// --- territory and region ---------------------------------------------------

bool group::in_territory(point* p, bool optimistic) {
    const int v = territory_verdict(p);
    return v == 1 || (optimistic && v == 0);
}

int group::territory_verdict(point* p) {
    if (p->colour == colour) return 1;
    if (p->colour == -colour) {
        str* o = p->str_ptr;
        const int r = evaluator_.can_capture_quick(o, 2);
        if (r == -1) return -1;
        if (r == 1) return evaluator_.can_escape_quick(o, 2) == -1 ? 1 : 0;
        for (point* q : o->stones.to_vector()) {
            if (strong_neighbours.contains(q)) return -1;
        }
        return 0;
    }
    if (!evaluator_.is_legal_move(p, -colour)) return 1;
    // A stone of ours in atari that could take an enemy instead: whether the
    // point is ours depends on who moves first.
    for (int k = 0; k < p->n_neighbours; ++k) {
        point* q = p->neighbours[k];
        if (q->colour == colour && q->str_ptr->capturable_now() &&
            q->str_ptr->touches_enemy_in_atari()) {
            return 0;
        }
    }
    evaluator_.push(p, -colour);
    const int r = evaluator_.can_capture_quick(p->str_ptr, 2);
    evaluator_.pop();
    return r;
}

group::verdict_memo group::fresh_memo() {
    verdict_memo memo;
    memo.fill(unknown_verdict);
    return memo;
}

void group::build_region(const point_set& outer, bool optimistic) {
    verdict_memo memo = fresh_memo();
    build_region(outer, optimistic, memo);
}

void group::build_region(const point_set& outer, bool optimistic, verdict_memo& memo) {
    region.clear();
    point_set frontier = outer;
    point_set visited;
    for (int round = 0; round < 4; ++round) {
        std::vector<point*> accepted;
        for (point* p : frontier.to_vector()) {
            visited.add(p);
            signed char& v = memo[p->index];
            if (v == unknown_verdict) v = static_cast<signed char>(territory_verdict(p));
            if (v == 1 || (optimistic && v == 0)) accepted.push_back(p);
        }
        frontier.clear();
        for (point* p : accepted) {
            for (int k = 0; k < p->n_neighbours; ++k) {
                if (!visited.contains(p->neighbours[k])) frontier.add(p->neighbours[k]);
            }
        }
        for (point* p : accepted) region.add(p);
    }
}

// --- eye classes --------------------------------------------------------------

void group::classify() {
    eye_points.clear();
    full_eye_points.clear();
    half_eye_points.clear();
    auto outside = [this](const point* q) { return !region.contains(q) && !stones.contains(q); };
    for (point* p : region.to_vector()) {
        if (p->colour == colour) continue;
        int i = 0;
        bool enemy_beside = false;
        for (int k = 0; k < p->n_neighbours; ++k) {
            const point* q = p->neighbours[k];
            if (!outside(q)) continue;
            if (q->colour == -colour) enemy_beside = true;
            ++i;
        }
        if (enemy_beside) continue;
        int j = 0;
        for (int k = 0; k < p->n_diagonals; ++k) {
            const point* q = p->diagonals[k];
            if (outside(q)) j += q->colour == -colour ? 2 : 1;
        }
        int eye_class;
        if (p->n_neighbours < 4) {
            eye_class = i + j == 0 ? 2 : i + j == 1 ? 1 : 0;
        } else if (i >= 2) {
            eye_class = 0;
        } else if (i == 1) {
            eye_class = j < 3 ? 1 : 0;
        } else {
            eye_class = j < 3 ? 2 : j == 3 ? 1 : 0;
        }
        if (eye_class == 0) continue;
        eye_points.add(p);
        (eye_class == 2 ? full_eye_points : half_eye_points).add(p);
    }
}

std::vector<point_set> group::components() {
    std::vector<point_set> pieces;
    point_set assigned;
    for (point* start : eye_points.to_vector()) {
        if (assigned.contains(start)) continue;
        pieces.emplace_back();
        point_set& piece = pieces.back();
        std::vector<point*> pending{start};
        assigned.add(start);
        piece.add(start);
        while (!pending.empty()) {
            point* p = pending.back();
            pending.pop_back();
            for (int k = 0; k < p->n_neighbours; ++k) {
                point* q = p->neighbours[k];
                if (eye_points.contains(q) && !assigned.contains(q)) {
                    assigned.add(q);
                    piece.add(q);
                    pending.push_back(q);
                }
            }
        }
    }
    return pieces;
}

// --- false eyes ---------------------------------------------------------------

void group::drop_class(point* p, point_set& t) {
    full_eye_points.remove(p);
    half_eye_points.remove(p);
    eye_points.remove(p);
    t.remove(p);
}

void group::lower_class(point* p, point_set& t) {
    if (full_eye_points.remove(p)) {
        half_eye_points.add(p);
    } else if (half_eye_points.contains(p)) {
        drop_class(p, t);
    }
}

void group::lower_neighbours(point* p, point_set& t) {
    for (int k = 0; k < p->n_neighbours; ++k) lower_class(p->neighbours[k], t);
}

void group::prune_false_eyes(point_set& t) {
    // Every removal sends the cursor back to the front, so points already
    // kept are looked at again in the light of what was removed.
    for (int i = 0; i < t.count(); ++i) {
        point* p = t.next();
        if (is_capturable_single(p) && full_eye_points.contains(p)) continue;
        // Every neighbour is looked at, even after p has lost its class:
        // each enemy stone that splits the eye lowers p's neighbours again.
        for (int k = 0; k < p->n_neighbours; ++k) {
            point* r = p->neighbours[k];
            const bool in_region = region.contains(r);
            if (!in_region || r->colour != 0 || eye_points.contains(r)) {
                // An enemy stone inside the region that is no eye point
                // itself splits the eye.
                if (in_region && r->colour == -colour && !eye_points.contains(r)) {
                    drop_class(p, t);
                    lower_neighbours(p, t);
                }
            } else if (full_eye_points.contains(p)) {
                // Beside an empty point that cannot be an eye, a full eye is
                // only half an eye.
                lower_class(p, t);
                if (p->colour == -colour && p->str_ptr->stones.count() <= 2) {
                    lower_neighbours(p, t);
                }
            } else if (half_eye_points.contains(p)) {
                drop_class(p, t);
                lower_neighbours(p, t);
            }
        }
    }
}

// --- component values ---------------------------------------------------------

int group::eye_shape_value(const point_set& q, bool optimistic) {
    const int n = q.count();
    if (n == 0) return 1;
    if (!q.is_connected()) return optimistic ? 4 : 2;
    if (n > 6) return 4;
    if (n < 3) return 2;
    if (n == 3) return 3;
    // Points by the number of their orthogonal neighbours in q; ends have
    // one.
    point_set by_degree[5];
    q.split_by_neighbours(by_degree);
    const int ends = by_degree[1].count();
    switch (n) {
        case 4:
            if (ends == 2) return 4;
            if (by_degree[2].count() == 4) return 2;  // the square
            if (ends == 3) return 3;
            diag::crash("half_eyes_in_perfect_pure_component size 4 ");
        case 5:
            if (ends == 2) return 4;
            if (ends == 1) return 3;  // bulky five
            if (ends == 4) return 3;  // the cross
            if (ends == 3) return 4;
            diag::crash("half_eyes_in_perfect_pure_component size 5 ");
        case 6:
            return by_degree[4].count() == 1 && ends == 2 ? 3 : 4;  // rabbity six
        default:
            diag::crash("half_eyes_in_perfect_pure_component size ?");
    }
}

// Prunes q itself: the atari safety is then tested on what is left.
int group::pure_value(point_set& q, bool optimistic) {
    int b = eye_shape_value(q, optimistic);
    prune_false_eyes(q);
    if (q.empty()) return 0;
    b = std::min(b, eye_shape_value(q, optimistic));
    point_set d = q;
    d.subtract(half_eye_points);
    if (d.empty()) return 1;
    return std::min(b, eye_shape_value(d, optimistic));
}

int group::nakade_value(str* o, const point_set& q, bool optimistic) {
    if (o->liberties.count() > 1 && optimistic) return eye_shape_value(q, optimistic);
    point_set k = o->stones;
    point_set h;
    k.intersect_into(half_eye_points, h);
    if (h.count() >= 2) return optimistic ? 4 : 0;
    if (h.count() == 1) {
        point* p = h.first();
        half_eye_points.remove(p);
        if (optimistic) {
            full_eye_points.add(p);
        } else {
            k.remove(p);
            eye_points.remove(p);
        }
    }
    prune_false_eyes(k);
    if (k.empty()) return 0;
    k.subtract(half_eye_points);
    const int v = eye_shape_value(k, optimistic);
    return v == 1 ? 0 : v == 3 ? 2 : v;
}

bool group::atari_safe(const point_set& q) {
    for (point* p : q.to_vector()) {
        for (int k = 0; k < p->n_neighbours; ++k) {
            point* n = p->neighbours[k];
            if (q.contains(n) || !evaluator_.is_legal_move(n, -colour)) continue;
            evaluator_.push(n, -colour);
            const bool ataris =
                n->str_ptr->liberties.count() >= 2 && n->str_ptr->touches_enemy_in_atari();
            evaluator_.pop();
            if (ataris) return false;
        }
    }
    return true;
}

int group::component_value(point_set& q, bool optimistic) {
    int value;
    str* enemy = nullptr;
    bool pure = true;
    for (int i = 0; i < q.count(); ++i) {
        point* p = q.next();
        if (p->colour == 0) continue;
        if (enemy == nullptr && p->colour == -colour) enemy = p->str_ptr;
        pure &= is_capturable_single(p) && full_eye_points.contains(p);
    }
    if (pure) {
        value = pure_value(q, optimistic);
    } else if (enemy != nullptr && enemy->stones.count() + enemy->liberties.count() == q.count()) {
        value = nakade_value(enemy, q, optimistic);
    } else if (optimistic) {
        return q.count() < 3 ? 2 : 4;
    } else {
        // Room enclosed by one string of ours is one eye; otherwise count
        // what survives the false-eye pruning.
        std::vector<str*> walls;
        bool enclosed_by_own = true;
        for (point* p : q.to_vector()) {
            for (int k = 0; k < p->n_neighbours; ++k) {
                point* n = p->neighbours[k];
                if (q.contains(n)) continue;
                if (n->colour != colour) {
                    enclosed_by_own = false;
                } else if (std::find(walls.begin(), walls.end(), n->str_ptr) == walls.end()) {
                    walls.push_back(n->str_ptr);
                }
            }
        }
        if (enclosed_by_own && walls.size() == 1) return 2;
        point_set rest = q;
        prune_false_eyes(rest);
        if (rest.empty()) return 0;
        return rest.intersects(full_eye_points) ? 2 : 1;
    }
    if (!optimistic && !atari_safe(q)) --value;
    return value;
}

// --- life and kill status -----------------------------------------------------

int group::eye_sum(bool optimistic, verdict_memo& memo) {
    point_set outer;
    build_outer_area(outer);
    build_region(outer, optimistic, memo);
    classify();
    int sum = 0;
    for (point_set& q : components()) sum += component_value(q, optimistic);
    return sum;
}

int group::life_status() {
    verdict_memo memo = fresh_memo();
    if (eye_sum(false, memo) > 2) return 1;
    return eye_sum(true, memo) > 2 ? 0 : -1;
}

int group::kill_status() {
    verdict_memo memo = fresh_memo();
    if (eye_sum(false, memo) > 3) return -1;
    return eye_sum(true, memo) > 3 ? 0 : 1;
}

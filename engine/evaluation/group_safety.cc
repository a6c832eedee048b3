// A group's features, its safety from the networks, and the life-and-death
// reading that confirms or overrides that safety.  The steps run over all
// groups in turn: space_value, then (after the first diffusion has set the
// point strengths) evaluate_safety, then read_life_and_death.
#include <algorithm>
#include <cmath>

#include "engine/base/diagnostics.h"
#include "engine/board/board_size.h"
#include "engine/board/colour.h"
#include "engine/evaluation/evaluator.h"
#include "engine/evaluation/group.h"

namespace {

// The safety of a group: the networks' rating, then these corrections.
constexpr double dead_neighbour_bonus = 0.1;  // per dead enemy neighbour the mover can take
constexpr int free_cuts = 3;                  // cuts in the enemy's shape beyond these count
constexpr double per_cut = 0.2;               // each such cut: the group is at least this safer
constexpr double next_move_power = 1.5;       // the enemy's move to come lowers the rating
constexpr double safety_scale = 1.1;          // the rating stretched so that 0.05 ... 0.95
constexpr double safety_shift = 0.05;         // spans the whole of 0 ... 1
// Life and death is read only where the enclosure says it is in doubt.
constexpr double enclosed_to_read = 0.6;      // conf_lim below this: too open to be killed
constexpr double enclosed_to_read_moving = 0.65;  // the same for the side to move
constexpr int open_space_to_skip = 12;        // conf_space this large: the group runs out
constexpr double strong_neighbour = 0.5;      // enemy groups above this may join the attack
// The features the networks read.
constexpr double space_per_outer_point = 0.1;  // the space value: ten outer points make a group
constexpr double space_per_eye = 0.25;         // and four eyes do as much
constexpr double open_enemy_strength = 0.2;    // eye space: enemy influence below this
constexpr int eye_space_rounds = 3;            // steps the eye space grows from the outer area
constexpr int centre_band_from = 5;            // from this line inwards, eye space weighs less
constexpr double centre_eye_discount = 0.1;    // per coordinate inside that band
constexpr int enclosure_halvings = 10;         // conf_lim to about a thousandth
constexpr double never_enclosed = 0.001;       // the flood escapes even at this threshold
constexpr double always_enclosed = 0.999;      // the flood is held even at this threshold
constexpr double room_scale = 4.0;             // outer points per factor e of room
constexpr double no_space = 0.001;             // a space value below this: nothing to live in
constexpr double undecided_safety = 0.5;       // an unsettled fight pulls the rating halfway here

// Stones near the edge: a centre coordinate above 9 is measured from the
// other side.
double fold(double m) {
    return m > board_size / 2 ? board_size + 1 - m : m;
}

// Edge points weigh more in the eye space: they are easier to make eyes of.
double edge_weight(const point* p) {
    double w = 1.0;
    constexpr int centre_band_to = board_size + 1 - centre_band_from;
    if (p->x >= centre_band_from && p->x <= centre_band_to) w -= centre_eye_discount;
    if (p->y >= centre_band_from && p->y <= centre_band_to) w -= centre_eye_discount;
    return w;
}

template <class T>
bool contains(const std::vector<T*>& list, const T* item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

}  // namespace

// --- space value ----------------------------------------------------------------

void group::space_value() {
    if (is_single_dead_string()) {
        space = safety = 0.0;
        return;
    }
    outer_area.clear();
    build_outer_area(outer_area);
    eyes = 0.0;
    for (point* p : outer_area.to_vector()) eyes += p->eye_value(colour);
    const double q = space_per_outer_point * (outer_area.count() + 1) + space_per_eye * eyes;
    space = safety = std::clamp(q, 0.0, 1.0);
}

// --- features -------------------------------------------------------------------

void group::build_eye_space() {
    eye_space.clear();
    auto open = [this](const point* p) { return p->colour == 0 && p->strength(-colour) < open_enemy_strength; };
    for (point* p : outer_area.to_vector()) {
        if (open(p)) eye_space.add(p);
    }
    for (int round = 0; round < eye_space_rounds; ++round) {
        for (point* p : eye_space.to_vector()) {
            for (int k = 0; k < p->n_neighbours; ++k) {
                point* s = p->neighbours[k];
                if (s->colour == colour || is_dead_enemy(s) || open(s)) eye_space.add(s);
            }
        }
    }
    for (point* p : eye_space.to_vector()) {
        if (!p->eye_by_liberties(colour)) eye_space.remove(p);
    }
    freedom = eye_space.count();
}

void group::measure_eyespace() {
    eyespace = 0.0;
    for (point* p : eye_space.to_vector()) {
        if (p->eye_value(colour) != 0.0) continue;
        const double v = p->strength(colour);
        eyespace += edge_weight(p) * v * v;
    }
}

void group::measure_centre_distances() {
    double sx = 0.0, sy = 0.0;
    for (point* p : stones.to_vector()) {
        sx += p->x;
        sy += p->y;
    }
    const double a = fold(sx / stones.count());
    const double b = fold(sy / stones.count());
    centre_distance[0] = std::min(a, b);
    centre_distance[1] = std::max(a, b);
}

void group::build_area() {
    area.clear();
    point_set visited, seeds, edge;
    const bool to_move = is_to_move();
    for (point* p : outer_area.to_vector()) {
        visited.add(p);
        if (p->colour == 0 ? to_move || !touches_live_enemy(p) : is_dead_enemy(p)) seeds.add(p);
    }
    while (!seeds.empty()) {
        point* s = seeds.first();
        seeds.remove(s);
        area.add(s);
        for (int k = 0; k < s->n_neighbours; ++k) {
            point* q = s->neighbours[k];
            if (visited.contains(q)) continue;
            visited.add(q);
            if (q->colour != 0) {
                if (is_dead_enemy(q)) seeds.add(q);
            } else if (q->edge_distance() == 0) {
                edge.add(q);  // the edge itself, not what lies along it
            } else if (!touches_live_enemy(q)) {
                seeds.add(q);
            }
        }
    }
    for (point* e : edge.to_vector()) {
        for (int k = 0; k < e->n_neighbours; ++k) {
            if (e->neighbours[k]->n_neighbours == 2) area.add(e->neighbours[k]);
        }
    }
    area.add_all(edge);
    for (point* p : area.to_vector()) {
        if (!p->eye_by_liberties(colour) || p->strength(-colour) > p->strength(colour)) {
            area.remove(p);
        }
    }
    conf_space = area.count();
}

void group::measure_liberty_strengths() {
    double enemy = 0.0, own = 0.0;
    for (point* p : outer_area.to_vector()) {
        enemy += p->strength(-colour);
        own += p->strength(colour);
    }
    const int n = outer_area.count();
    lib_weakness = n == 0 ? 1.0 : enemy / n;
    lib_strength = n == 0 ? 0.0 : own / n;
}

// The flood that measures enclosure: out from the stones (and, for the side
// to move, the liberties too) through dead enemy stones and through empty
// points where the enemy is weaker than t.  The edge line stops it.  False
// as soon as it has entered more than size + 20 points.
bool group::flood(double t, std::vector<point*>* entered) {
    const size_t limit = size + 20;
    point_set visited;
    std::vector<point*> queue;
    auto enter = [&](point* p) {
        visited.add(p);
        queue.push_back(p);
        if (queue.size() > limit) return false;
        if (entered != nullptr) entered->push_back(p);
        return true;
    };
    for (point* p : stones.to_vector()) {
        if (!enter(p)) return false;
    }
    if (is_to_move()) {
        for (str* s : current_strings()) {
            for (point* l : s->liberties.to_vector()) {
                if (!visited.contains(l) && !enter(l)) return false;
            }
        }
    }
    for (size_t next = 0; next < queue.size(); ++next) {
        point* p = queue[next];
        for (int k = 0; k < p->n_neighbours; ++k) {
            point* q = p->neighbours[k];
            if (visited.contains(q)) continue;
            const bool open = q->colour == 0 ? q->edge_distance() > 0 && q->strength(-colour) < t
                                             : is_dead_enemy(q);
            if (!open) {
                visited.add(q);
            } else if (!enter(q)) {
                return false;
            }
        }
    }
    return true;
}

bool group::enclosed(double t) {
    return flood(t, nullptr);
}

// The threshold at which the enclosure opens, to ten halvings; upper gets
// the upper end of the last interval.
double group::bisect_enclosure(double* upper) {
    double lo = 0.0, hi = 1.0, mid = 0.0;
    for (int i = 0; i < enclosure_halvings; ++i) {
        mid = (lo + hi) / 2;
        (enclosed(mid) ? lo : hi) = mid;
    }
    if (upper != nullptr) *upper = hi;
    return mid;
}

// Where the flood at t gets out: of the size + 20 points it may enter, the
// one of highest enemy strength.
point* group::enclosure_gap(double t) {
    std::vector<point*> entered;
    flood(t, &entered);
    point* gap = nullptr;
    for (point* p : entered) {
        if (gap == nullptr || p->strength(-colour) > gap->strength(-colour)) gap = p;
    }
    return gap;
}

void group::measure_conf_lim() {
    if (!enclosed(never_enclosed)) {
        conf_lim = 0.0;
    } else if (enclosed(always_enclosed)) {
        conf_lim = 1.0;
    } else if (is_to_move()) {
        conf_lim = bisect_enclosure(nullptr);
    } else {
        // The enemy is to move and closes the gap first.
        double upper;
        bisect_enclosure(&upper);
        point* gap = enclosure_gap(upper);
        double& strength = colour == black ? gap->strength_white : gap->strength_black;
        const double kept = strength;
        strength = 1.0;
        conf_lim = bisect_enclosure(nullptr);
        strength = kept;
    }
}

void group::measure_adjacent_groups() {
    std::vector<group*> found;
    for (str* s : members) {
        std::vector<str*> enemies;
        s->adjacent_enemies(enemies);
        for (str* o : enemies) {
            if (o->owner_group != nullptr && !contains(found, o->owner_group)) {
                found.push_back(o->owner_group);
            }
        }
    }
    adjacent_groups = static_cast<int>(found.size());
    double sum = 0.0;
    for (const group* g : found) sum += g->space;
    adjacent_space = found.empty() ? 1.0 : sum / adjacent_groups;
}

// Empty points diagonal to a stone, between two different enemy strings, with
// exactly two empty neighbours: where the enemy shape can be cut.
void group::count_cutting_points() {
    point_set found;
    evaluator& e = evaluator_;
    for (point* p : stones.to_vector()) {
        for (int k = 0; k < p->n_diagonals; ++k) {
            point* d = p->diagonals[k];
            if (d->colour != 0 || found.contains(d)) continue;
            const point* a = e.at(p->x, d->y);
            const point* b = e.at(d->x, p->y);
            if (a->colour != -colour || b->colour != -colour || a->str_ptr == b->str_ptr) continue;
            int empty = 0;
            for (int j = 0; j < d->n_neighbours; ++j) empty += d->neighbours[j]->colour == 0;
            if (empty == 2) found.add(d);
        }
    }
    cutting_points = found.count();
}

// Groups of either colour within reach whose outer area is tiny: weak
// neighbours that help (friends) or can be harassed (foes).
void group::count_small_neighbours() {
    std::vector<group*> friends, foes;
    for (point* p : stones.to_vector()) {
        for (point* q : p->near2.to_vector()) {
            if (q->colour == 0 || q->str_ptr->owner_group == nullptr) continue;
            group* g = q->str_ptr->owner_group;
            if (g == this || g->outer_area.count() > 3 || g->is_single_dead_string()) continue;
            std::vector<group*>& list = g->colour == colour ? friends : foes;
            if (!contains(list, g)) list.push_back(g);
        }
    }
    small_friends = static_cast<int>(friends.size());
    small_foes = static_cast<int>(foes.size());
}

// Pairs of a stone of ours and a dead enemy stone beside it that we can take
// for an eye.
int group::capturable_dead_neighbours() const {
    int pairs = 0;
    for (point* p : stones.to_vector()) {
        for (int k = 0; k < p->n_neighbours; ++k) {
            point* q = p->neighbours[k];
            pairs += is_dead_enemy(q) && q->eye_by_capture(colour);
        }
    }
    return pairs;
}

// --- safety ---------------------------------------------------------------------

void group::evaluate_safety() {
    main_stone()->group_ref = this;
    build_eye_space();
    measure_eyespace();
    measure_centre_distances();
    build_area();
    measure_liberty_strengths();
    measure_conf_lim();
    room_factor = std::exp((outer_area.count() - (is_to_move() ? 0 : 1)) / room_scale);
    measure_adjacent_groups();
    count_cutting_points();
    count_small_neighbours();
    if (is_single_dead_string()) {
        safety = 0.0;
        return;
    }
    harassment = rate_harassment();
    nn_safety = rate_safety();
    if (is_to_move()) {
        nn_safety += dead_neighbour_bonus * capturable_dead_neighbours();
    } else {
        // Among many cuts in the enemy's shape a group is safer than the
        // networks say; the enemy's move to come lowers what they say.
        nn_safety = std::max(nn_safety, per_cut * (cutting_points - free_cuts));
        if (nn_safety > 0) nn_safety = std::pow(nn_safety, next_move_power);
    }
    safety = std::clamp(safety_scale * nn_safety - safety_shift, 0.0, 1.0);
    if (space < no_space) safety = 0.0;
}

// --- life-and-death reading -----------------------------------------------------

void group::read_life_and_death() {
    if (is_single_dead_string() || conf_lim < enclosed_to_read ||
        (is_to_move() && conf_lim < enclosed_to_read_moving) || conf_space >= open_space_to_skip ||
        settled) {
        return;
    }
    if (size == 1 && stones.first()->edge_distance() == 0) return;
    examined = 1;
    point* main = main_stone();
    int r = main->life_copy;
    if (r == group::life_not_read || evaluator_.in_generation == 0 || near_last_move()) {
        for (point* p : stones.to_vector()) {
            for (point* q : p->near2.to_vector()) {
                if (q->colour != -colour) continue;
                const group* g = q->str_ptr->owner_group;
                if (g != nullptr && g->nn_safety > strong_neighbour) strong_neighbours.add(q);
            }
        }
        const int depth = evaluator_.max_depth_life_death;
        if (is_to_move()) {
            clear_record(live_record);
            r = evaluator_.can_live(main, area, depth, &live_record);
        } else {
            clear_record(kill_record);
            r = -evaluator_.can_kill(main, area, depth, &kill_record);
        }
    }
    life_result = r;
    if (r == 1) {
        safety = 1.0;
        settle_enemies_inside();
    } else if (r == -1) {
        safety = (1 - conf_lim) * nn_safety;
        settle_enemies_around();
    } else {
        safety = (safety + undecided_safety) / 2;
    }
}

bool group::near_last_move() const {
    const point* last = evaluator_.last_point();
    for (point* p : stones.to_vector()) {
        if (p->near2.contains(last)) return true;
    }
    return false;
}

// A group proven alive: enemy strings inside its area that the status pass
// found safe live beside it (a seki) and need no reading of their own.
void group::settle_enemies_inside() {
    for (point* p : area.to_vector()) {
        if (p->colour != -colour || p->str_ptr->status != str::safe) continue;
        group* g = p->str_ptr->owner_group;
        if (g == nullptr) continue;
        g->safety = 1.0;
        g->settled = 1;
    }
}

// A group proven dead: the enemy groups that hold it are safe.
void group::settle_enemies_around() {
    std::vector<group*> done;
    for (point* p : area.to_vector()) {
        if (p->colour != -colour || p->str_ptr->owner_group == nullptr) continue;
        group* g = p->str_ptr->owner_group;
        if (contains(done, g) || !g->touches(*this)) continue;
        done.push_back(g);
        g->safety = 1.0;
        g->settled = 1;
    }
}

bool group::touches(const group& other) const {
    for (point* p : stones.to_vector()) {
        for (point* q : p->near1.to_vector()) {
            if (other.stones.contains(q)) return true;
        }
    }
    return false;
}

void group::clear_record(proof_record& record) {
    // The copy adds its targets to what the record holds already.
    record.targets.clear();
    record.last_moves.clear();
}

void group::display() const {
    diag::print("\nDisplaying a group: ");
    stones.print(diag::out());
    diag::print("  eyes %5.1f eyespace %5.1f freedom %5.1f conf_space %d conf_lim %5.1f", eyes,
                eyespace, freedom, conf_space, conf_lim);
    diag::print(" lib_weakness %5.1f, lib_strength %5.1f ", lib_weakness, lib_strength);
    diag::print(" safety %5.3f nn_safety %5.3f harassment %5.3f\n", safety, nn_safety, harassment);
}

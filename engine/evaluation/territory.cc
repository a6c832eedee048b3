// The evaluation of a position: string statuses, connections and groups,
// group safeties, then two influence fields spread from the stones over the
// empty points, turned into an expected ownership of every point.
#include <algorithm>

#include "engine/board/colour.h"
#include "engine/evaluation/evaluator.h"

namespace {

// Sweeps of each diffusion: the fields the territory network was trained
// on were spread this many times.
constexpr int diffusion_sweeps = 20;

// The distances to the nearest and farthest edges enter the territory
// network in tenths, the range it was trained on.
constexpr double edge_input_scale = 0.1;

// A stone's weight in the control field is its group's safety divided by
// 1 + this many times its harassment: a harassed group holds less.
constexpr double harassment_discount = 2;

// Every group of Black, then of White.
template <class F>
void for_each_group(evaluator& e, F f) {
    for (int c : {black, white}) {
        for (const std::unique_ptr<group>& g : e.group_list(c)) f(*g);
    }
}

// The group of the stone on p, or null for an empty point or a string the
// analysis has not grouped.
group* group_of(const point* p) {
    return p->colour != 0 && p->str_ptr != nullptr ? p->str_ptr->owner_group : nullptr;
}

// The first field: each stone carries its group's space value for its own
// colour, and every empty point takes the mean of its neighbours, sweep
// after sweep, in place.
void spread_strength(evaluator& e) {
    for (int k = 0; k < e.n_points; ++k) {
        point* p = e.points[k];
        const group* g = group_of(p);
        const double space = g != nullptr ? g->space : 0.0;
        p->strength_black = p->colour == black ? space : 0.0;
        p->strength_white = p->colour == white ? space : 0.0;
    }
    for (int sweep = 0; sweep < diffusion_sweeps; ++sweep) {
        for (int k = 0; k < e.n_points; ++k) {
            point* p = e.points[k];
            if (p->colour != 0) continue;
            double black_sum = 0.0;
            double white_sum = 0.0;
            for (int n = 0; n < p->n_neighbours; ++n) {
                black_sum += p->neighbours[n]->strength_black;
                white_sum += p->neighbours[n]->strength_white;
            }
            p->strength_black = black_sum / p->n_neighbours;
            p->strength_white = white_sum / p->n_neighbours;
        }
    }
}

// The second field: a stone weighs its group's safety, less what
// harassment may take from it; its presence and control spread over the
// empty points.
void spread_control(evaluator& e) {
    for (int k = 0; k < e.n_points; ++k) {
        point* p = e.points[k];
        const group* g = group_of(p);
        const double w = g != nullptr ? g->safety / (harassment_discount * g->harassment + 1) : 0.0;
        p->stone_weight = w;
        p->presence_black = p->colour == black ? w : 0.0;
        p->presence_white = p->colour == white ? w : 0.0;
        p->control_black = p->colour == black ? w : p->colour == white ? 1 - w : 0.0;
        p->control_white = p->colour == white ? w : p->colour == black ? 1 - w : 0.0;
    }
    for (int sweep = 0; sweep < diffusion_sweeps; ++sweep) {
        for (int k = 0; k < e.n_points; ++k) {
            point* p = e.points[k];
            if (p->colour != 0) continue;
            double sums[4] = {};
            for (int n = 0; n < p->n_neighbours; ++n) {
                const point* q = p->neighbours[n];
                sums[0] += q->presence_black;
                sums[1] += q->presence_white;
                sums[2] += q->control_black;
                sums[3] += q->control_white;
            }
            p->presence_black = p->weight * sums[0];
            p->presence_white = p->weight * sums[1];
            p->control_black = p->weight * sums[2];
            p->control_white = p->weight * sums[3];
        }
    }
}

// The steps from the group features to the second field, shared by both
// evaluations.
void rate_groups(evaluator& e) {
    for_each_group(e, [](group& g) { g.space_value(); });
    e.first_diffusion();
    for_each_group(e, [](group& g) { g.evaluate_safety(); });
    for_each_group(e, [](group& g) { g.read_life_and_death(); });
    e.crosscut_adjust();
}

// A move that stands and lives cannot make the mover's groups weaker nor
// the opponent's stronger than the snapshot found them; reading errors the
// other way are clipped.
void clip_to_snapshot(evaluator& e, point* p) {
    if (p->is_pass() || p->str_ptr == nullptr || p->str_ptr->status != str::safe) return;
    const group* own = p->str_ptr->owner_group;
    if (own == nullptr || own->life_result == -1) return;
    for_each_group(e, [&](group& g) {
        const point* main = g.main_stone();
        if (main == p || g.is_single_dead_string()) return;
        if (g.is_to_move()) {
            g.safety = std::min(g.safety, main->safety_copy);
        } else {
            g.safety = std::max(g.safety, main->safety_copy);
        }
    });
}

double board_value(evaluator& e, int a) {
    double sum = 0.0;
    for (int k = 0; k < e.n_points; ++k) sum += e.territory_value(e.points[k], a);
    return sum;
}

// The safety of the group of the stone on q, or a negative number when q
// holds no grouped stone of colour c.
double safety_of(const point* q, int c) {
    const group* g = group_of(q);
    return q->colour == c && g != nullptr ? g->safety : -1.0;
}

// Both points that complete the square of q and its diagonal d are empty.
bool open_diagonal(evaluator& e, const point* q, const point* d) {
    return e.at(q->x, d->y)->colour == 0 && e.at(d->x, q->y)->colour == 0;
}

// The highest safety of the stones of colour c next to the empty point q
// and on its open diagonals; negative when there are none.
double strongest_around(evaluator& e, const point* q, int c) {
    double strongest = -1.0;
    for (int n = 0; n < q->n_neighbours; ++n) {
        strongest = std::max(strongest, safety_of(q->neighbours[n], c));
    }
    for (int n = 0; n < q->n_diagonals; ++n) {
        const point* d = q->diagonals[n];
        if (open_diagonal(e, q, d)) strongest = std::max(strongest, safety_of(d, c));
    }
    return strongest;
}

// An empty point counts for colour k at most as surely as the stones around
// it allow: no more than its own stones' safety, no more than what the
// enemy stones' weakness leaves, and, when the enemy is to move, no more
// than the enemy stones one step further away leave.
double limit_own(evaluator& e, const point* p, int k, double r) {
    for (int n = 0; n < p->n_neighbours; ++n) {
        const point* q = p->neighbours[n];
        const double enemy = safety_of(q, -k);
        const double own = safety_of(q, k);
        if (enemy >= 0) {
            r = std::min(r, 1 - enemy);
        } else if (own >= 0) {
            r = std::min(r, own);
        } else if (q->colour == 0 && e.turn() == -k) {
            const double strongest = strongest_around(e, q, -k);
            if (strongest >= 0) r = std::min(r, 1 - strongest);
        }
    }
    return r;
}

}  // namespace

void evaluator::first_diffusion() { spread_strength(*this); }

double evaluator::evaluate(int a) {
    evaluate_all_strings();
    update_groups();
    rate_groups(*this);
    spread_control(*this);
    return board_value(*this, a);
}

double evaluator::evaluate_after_move(point* p, int a) {
    update_status_after_move(p);
    update_groups_after_move(p);
    rate_groups(*this);
    clip_to_snapshot(*this, p);
    spread_control(*this);
    return board_value(*this, a);
}

double evaluator::territory_estimate(point* p) {
    const bool black_to_move = turn() == black;
    territory_net->reset();
    territory_net->push(1.0);
    territory_net->push(black_to_move ? p->presence_black : p->presence_white);
    territory_net->push(black_to_move ? p->presence_white : p->presence_black);
    territory_net->push(black_to_move ? p->control_black : p->control_white);
    territory_net->push(black_to_move ? p->control_white : p->control_black);
    territory_net->push(p->edge_near * edge_input_scale);
    territory_net->push(p->edge_far * edge_input_scale);
    return 2 * territory_net->evaluate() - 1;
}

double evaluator::territory_value(point* p, int k) {
    if (p->colour != 0) {
        const group* g = group_of(p);
        if (g == nullptr) return 0.0;
        const double r = 2 * g->safety - 1;
        p->value = p->colour == k ? r : -r;
        return p->value;
    }
    const int t = turn();
    double r = 0.0;
    if (t == k) r = territory_estimate(p);
    if (t == -k) r = -territory_estimate(p);
    // The limits seen from the other side are the mirror image.
    if (r > 0) r = limit_own(*this, p, k, r);
    if (r < 0) r = -limit_own(*this, p, -k, -r);
    p->value = r;
    return r;
}

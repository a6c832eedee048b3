// The shape evaluator: a move's local shape (a diamond of stones around it
// and a few tactical counts about the strings next to it) rated by the shape
// network, memoised per point by the exact feature vector.
#include "engine/knowledge/shape_eval.h"

#include <cstdlib>
#include <vector>

#include "engine/base/diagnostics.h"
#include "engine/knowledge/knowledge.h"

namespace shape {

void set_key(shape_features& r) {
    int64_t sum = 0;
    int32_t multiplier = 11;
    for (int k = 0; k < shape_features::n_features; ++k) {
        sum += static_cast<int64_t>(multiplier) * r.features[k];
        multiplier = (multiplier * 11) % 100001;
    }
    // The sum of 46 features, each bounded by the 361 points, times factors
    // below 100001 always fits the 32 bits of the key.
    r.key = static_cast<int32_t>(std::llabs(sum));
    r.bucket = r.key % 101;
}

int32_t read_feature(shape_features& r) {
    if (r.read_index >= shape_features::n_features) {
        diag::print("error outside feature range ");
        diag::pause();
        return 0;
    }
    return r.features[r.read_index++];
}

}  // namespace shape

namespace {

// The tactical counts need the strings around p before and after the move.
struct neighbour_strings {
    std::vector<str*> enemies_by_liberties[5];  // index 1..4
    point_set own_stones;                       // the set Q
};

neighbour_strings collect_neighbour_strings(point* p, int m) {
    neighbour_strings n;
    for (int k = 0; k < p->n_neighbours; ++k) {
        point* q = p->neighbours[k];
        if (q->colour == -m) {
            str* s = q->str_ptr;
            int liberties = s->liberties.count();
            if (liberties > 4) continue;
            std::vector<str*>& list = n.enemies_by_liberties[liberties];
            bool noted = false;
            for (str* t : list)
                noted |= t == s;
            if (!noted) list.push_back(s);
        } else if (q->colour == m) {
            n.own_stones.add_all(q->str_ptr->stones);
        }
    }
    // Own strings next to an enemy string in atari may get out of atari by
    // capturing it.
    for (str* s : n.enemies_by_liberties[1]) {
        std::vector<str*> own;
        s->adjacent_enemies(own);
        for (str* t : own)
            n.own_stones.add_all(t->stones);
    }
    return n;
}

int stones_of(const std::vector<str*>& strings) {
    int total = 0;
    for (const str* s : strings)
        total += s->stones.count();
    return total;
}

int stone_liberties(const point* q) {
    return q->str_ptr->liberties.count();
}

}  // namespace

shape_features knowledge::build_features(point* p, int m) {
    shape_features r;
    int32_t* f = r.features;
    if (p->colour != 0) diag::print("Col error value%d\n", m);

    neighbour_strings n = collect_neighbour_strings(p, m);
    for (int liberties = 1; liberties <= 4; ++liberties) {
        f[shape::enemy_one_liberty + liberties - 1] = stones_of(n.enemies_by_liberties[liberties]);
    }
    std::vector<point*> in_atari;
    std::vector<point*> with_two;
    for (point* q : n.own_stones.to_vector()) {
        if (stone_liberties(q) == 1) in_atari.push_back(q);
        if (stone_liberties(q) == 2) with_two.push_back(q);
    }
    // A stone cannot be played onto an occupied point: the counts that need
    // the move stay 0 there.
    if (p->colour == 0) {
        push(p, m);
        for (point* q : in_atari) {
            f[shape::atari_to_two] += stone_liberties(q) == 2;
            f[shape::atari_to_more] += stone_liberties(q) > 2;
        }
        for (point* q : with_two) {
            f[shape::self_atari] += stone_liberties(q) == 1;
            f[shape::two_to_more] += stone_liberties(q) > 2;
        }
        if (p->str_ptr != nullptr && stone_liberties(p) == 1) ++f[shape::self_atari];
        pop();
    }

    int k = 0;
    for (int i = -3; i <= 3; ++i) {
        for (int j = -3; j <= 3; ++j) {
            int d = std::abs(i) + std::abs(j);
            if (d == 0 || d > 4) continue;
            const point* w = p->window[i + 3][j + 3];
            f[k++] = w != nullptr ? m * w->colour : 0;
        }
    }
    f[shape::edge_near] = p->edge_near;
    f[shape::edge_far] = p->edge_far;
    shape::set_key(r);
    return r;
}

void knowledge::encode(shape_features& r) {
    pattern_net& net = *shape_net;
    net.reset();
    r.read_index = 0;
    net.push(1.0);
    for (int k = 0; k < shape::window_features; ++k) {
        int v = shape::read_feature(r);
        // The window holds colours relative to the mover: 1 its own stone.
        net.push(v == 1 ? 1.0 : 0.0);
        net.push(v == -1 ? 1.0 : 0.0);
    }
    // Edge distances as a thermometer from the edge: distance v lights the
    // inputs v..7, so the first line lights all seven, the eighth none.
    for (int k = 0; k < 2; ++k) {
        int v = shape::read_feature(r);
        for (int i = 1; i <= 7; ++i)
            net.push(i < v ? 0.0 : 1.0);
    }
    // Counts as a thermometer from zero, saturating at ten.
    for (int k = shape::self_atari; k < shape_features::n_features; ++k) {
        int v = shape::read_feature(r);
        for (int i = 0; i < 10; ++i)
            net.push(i < v ? 1.0 : 0.0);
    }
    net.check_count();
}

double knowledge::shape_eval(point* p, int m, double& sente) {
    if (p == pass_point) return 0.0;
    std::vector<shape_features>& memo = p->net_memo;
    // Bounded by emptying rather than eviction: a point whose neighbourhood
    // keeps changing starts afresh.
    if (memo.size() > 10) memo.clear();
    shape_features r = build_features(p, m);
    for (const shape_features& old : memo) {
        if (old.same_features(r)) {
            sente = old.output1;
            return old.output0;
        }
    }
    encode(r);
    shape_net->evaluate();
    r.output0 = shape_net->output(0);
    r.output1 = shape_net->output(1);
    memo.insert(memo.begin(), r);
    sente = r.output1;
    return r.output0;
}

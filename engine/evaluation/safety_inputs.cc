// The input vectors of the two group networks: how much a group can be
// harassed, and its chance to live.  Counts and sizes go in on a log scale,
// eyes capped at two.
#include <algorithm>
#include <cmath>

#include "engine/evaluation/evaluator.h"
#include "engine/evaluation/group.h"

namespace {

// Eyes as a share of the two that a group needs, and whether it has them.
double eye_share(const group& g) {
    return std::min(g.eyes * 0.5, 1.0);
}

// The inputs both networks share, in their common order.
void push_shared_features(feature_net& net, const group& g, bool to_move) {
    const double b = eye_share(g);
    net.push(b);
    net.push(b > 0.99 ? 1.0 : 0.0);
    net.push(std::log(g.eyespace + 1) / 3);
    net.push(std::log(g.freedom + 1) / 3);
    net.push(std::log(g.size) / 3);
    net.push(std::log(g.outer_area.count() + 1) / 3);
    net.push(to_move ? 1.0 : 0.0);
    net.push(g.lib_weakness);
    net.push(g.lib_strength);
    net.push(g.centre_distance[0] * 0.1);
    net.push(g.centre_distance[1] * 0.1);
    net.push(g.conf_lim);
}

}  // namespace

double group::rate_harassment() {
    feature_net& net = *evaluator_.harass_net;
    net.reset();
    net.push(1.0);
    net.push(conf_space < 20 ? 1.0 : 0.0);
    push_shared_features(net, *this, is_to_move());
    net.check_count();
    return 5 * net.evaluate();
}

double group::rate_safety() {
    feature_net& net = *evaluator_.safety_net;
    net.reset();
    net.push(1.0);
    push_shared_features(net, *this, is_to_move());
    net.push(main_stone()->status() == str::dead ? 1.0 : 0.0);
    net.push(adjacent_groups * 0.2);
    net.push(adjacent_space);
    net.push(cutting_points * 0.2);
    net.push(small_friends * 0.5);
    net.push(small_foes * 0.5);
    return net.evaluate();
}

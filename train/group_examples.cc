#include "train/group_examples.h"

#include <algorithm>

namespace train {

namespace {

// A group waiting for the board attack_horizon moves on, to see whether it
// lost a stone by then.
struct pending {
    size_t example;
    size_t due;
    int colour;
    std::vector<point*> stones;
};

template <size_t N>
void copy_inputs(const feature_net& net, std::array<double, N>& to) {
    std::copy(net.inputs(), net.inputs() + N, to.begin());
}

}  // namespace

double alive_share(const std::vector<point*>& stones, int colour, const final_ownership& labels) {
    double sum = 0.0;
    for (const point* p : stones) {
        const int owner = labels.owner(p);
        sum += owner == colour ? 1.0 : owner == 0 ? 0.5 : 0.0;
    }
    return stones.empty() ? unknown : sum / static_cast<double>(stones.size());
}

double attacked_share(engine& e, const sgf_record& g, size_t k, const std::vector<point*>& stones,
                      int colour) {
    if (k + attack_horizon > g.moves.size()) return unknown;
    int opponent_moves = 0, near = 0;
    for (size_t j = k; j < k + attack_horizon; ++j) {
        const sgf_move& m = g.moves[j];
        if (m.colour != -colour) continue;
        ++opponent_moves;
        if (m.x == 0) continue;
        const point* q = e.at(m.x, m.y);
        near += std::any_of(stones.begin(), stones.end(),
                            [q](point* s) { return s->near2.contains(q); });
    }
    return opponent_moves == 0 ? unknown : near / static_cast<double>(opponent_moves);
}

void add_group_examples(engine& e, const final_ownership& labels, std::vector<group_example>& out,
                        std::vector<std::vector<point*>>* stones_out) {
    for (int c : {1, -1}) {
        for (const std::unique_ptr<group>& g : e.group_list(c)) {
            if (g->is_single_dead_string()) continue;
            group_example x;
            g->rate_safety();
            copy_inputs(*e.safety_net, x.safety_inputs);
            g->rate_harassment();
            copy_inputs(*e.harass_net, x.harass_inputs);
            std::vector<point*> stones = g->stones.to_vector();
            x.alive = alive_share(stones, c, labels);
            x.colour = c;
            x.size = g->size;
            out.push_back(x);
            if (stones_out != nullptr) stones_out->push_back(std::move(stones));
        }
    }
}

void collect_group_examples(engine& e, const labelled_game& g, const sampling& s,
                            std::vector<group_example>& out) {
    std::vector<pending> waiting;
    replay(e, g.record, [&](point*, int, size_t k) {
        for (auto it = waiting.begin(); it != waiting.end();) {
            if (it->due > k) {
                ++it;
                continue;
            }
            const int colour = it->colour;
            out[it->example].lost = std::any_of(it->stones.begin(), it->stones.end(),
                                                [colour](point* p) { return p->colour != colour; });
            it = waiting.erase(it);
        }
        if (!s.takes(k)) return;
        e.evaluate(e.turn());
        const size_t first = out.size();
        std::vector<std::vector<point*>> stones;
        add_group_examples(e, g.labels, out, &stones);
        for (size_t n = 0; n < stones.size(); ++n) {
            group_example& x = out[first + n];
            if (x.alive > 0.5) x.attacked = attacked_share(e, g.record, k, stones[n], x.colour);
            waiting.push_back({first + n, k + attack_horizon, x.colour, std::move(stones[n])});
        }
    });
    e.reset_board();
}

}  // namespace train

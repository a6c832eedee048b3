// Training examples for the shape network, taken from game records: the
// position before each move is replayed on an engine, and the engine's own
// feature builder and encoding turn a point into the network's inputs.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "engine/engine.h"
#include "game/sgf_record.h"
#include "train/replay.h"

namespace train {

// The inputs that are 1 in the encoding of a feature record (every input of
// the shape network is 0 or 1).
inline std::vector<uint8_t> active_inputs(engine& e, shape_features r) {
    e.encode(r);
    std::vector<uint8_t> active;
    const double* in = e.shape_net->inputs();
    for (int i = 0; i < e.shape_net->n_in; ++i) {
        if (in[i] != 0.0) active.push_back(static_cast<uint8_t>(i));
    }
    return active;
}

constexpr double no_target = std::numeric_limits<double>::quiet_NaN();

// Examples stored flat: millions of them fit in a few hundred megabytes.
class example_set {
  public:
    using input_type = std::vector<uint8_t>;

    void add(const std::vector<uint8_t>& active, double shape, double sente) {
        start_.push_back(static_cast<uint32_t>(inputs_.size()));
        inputs_.insert(inputs_.end(), active.begin(), active.end());
        targets_.push_back(shape);
        targets_.push_back(sente);
    }
    size_t size() const { return start_.size(); }
    void get(size_t k, std::vector<uint8_t>& active, std::vector<double>& target) const {
        const size_t end = k + 1 < start_.size() ? start_[k + 1] : inputs_.size();
        active.assign(inputs_.begin() + start_[k], inputs_.begin() + end);
        target.assign(targets_.begin() + 2 * k, targets_.begin() + 2 * k + 2);
    }

  private:
    std::vector<uint8_t> inputs_;
    std::vector<uint32_t> start_;
    std::vector<double> targets_;
};

// Whether the opponent answered move k locally: the next move is the
// opponent's, on the board, within two lines of it.  NaN after the last
// move, where the record does not tell.
inline double answered_locally(engine& e, const sgf_record& g, size_t k) {
    if (k + 1 >= g.moves.size()) return no_target;
    const sgf_move& m = g.moves[k];
    const sgf_move& next = g.moves[k + 1];
    if (next.colour != -m.colour || next.x == 0) return 0.0;
    return e.at(m.x, m.y)->near2.contains(e.at(next.x, next.y)) ? 1.0 : 0.0;
}

// Up to n distinct random legal points for colour, other than played.
inline std::vector<point*> random_legal_points(engine& e, point* played, int colour, int n,
                                               random_source& rng) {
    std::vector<point*> legal;
    for (int k = 0; k < e.n_points; ++k) {
        point* q = e.points[k];
        if (q != played && q->colour == 0 && e.is_legal_move(q, colour)) legal.push_back(q);
    }
    // The first n steps of a shuffle.
    const size_t chosen = std::min(legal.size(), static_cast<size_t>(n));
    for (size_t k = 0; k < chosen; ++k) {
        std::swap(legal[k], legal[k + rng.below(static_cast<uint32_t>(legal.size() - k))]);
    }
    legal.resize(chosen);
    return legal;
}

// Every stone move of the record gives one positive example (shape target
// 1, sente target whether it was answered locally) and `negatives` random
// legal points of the same position give negative ones (shape target 0, no
// sente target: nobody played there, so nobody answered).
inline void collect_examples(engine& e, const sgf_record& g, int negatives, random_source& rng,
                             example_set& out) {
    replay(e, g, [&](point* p, int colour, size_t k) {
        out.add(active_inputs(e, e.build_features(p, colour)), 1.0, answered_locally(e, g, k));
        for (point* q : random_legal_points(e, p, colour, negatives, rng)) {
            out.add(active_inputs(e, e.build_features(q, colour)), 0.0, no_target);
        }
    });
    e.reset_board();
}

}  // namespace train

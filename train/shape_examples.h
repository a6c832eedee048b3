// Training examples for the shape network, taken from game records: the
// position before each move is replayed on an engine, and the engine's own
// feature builder and encoding turn a point into the network's inputs.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "engine/state.h"
#include "game/sgf_record.h"

namespace train {

// Random numbers that are the same on every platform (the standard
// distributions are not).
class random_source {
  public:
    explicit random_source(uint32_t seed) : generator_(seed) {}
    uint32_t below(uint32_t n) { return generator_() % n; }
    double uniform(double low, double high) {
        return low + (high - low) * (generator_() / 4294967296.0);
    }
    template <class T>
    void shuffle(std::vector<T>& items) {
        for (size_t k = items.size(); k > 1; --k)
            std::swap(items[k - 1], items[below(k)]);
    }

  private:
    std::mt19937 generator_;
};

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

// Plays the record from an empty board: the setup stones (Black's first),
// then the moves, calling visit(p, colour, k) before the k-th move when it
// is a stone.  Stops at the first stone the rules refuse (a damaged or
// differently ruled record) and before the engine's move stack is full.
// Returns the number of moves played; the board is left with them on it.
template <class Visit>
int replay(engine& e, const sgf_record& g, Visit visit) {
    for (int colour : {1, -1}) {
        for (const sgf_move& s : g.setup) {
            point* p = e.at(s.x, s.y);
            if (s.colour == colour && s.x > 0 && p->colour == 0) e.push(p, colour);
        }
    }
    int played = 0;
    for (size_t k = 0; k < g.moves.size() && e.no_moves < engine::max_game_moves; ++k) {
        const sgf_move& m = g.moves[k];
        point* p = m.x == 0 ? e.pass_point : e.at(m.x, m.y);
        if (!e.is_legal_move(p, m.colour)) break;
        if (p != e.pass_point) visit(p, m.colour, k);
        e.push(p, m.colour);
        ++played;
    }
    return played;
}

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

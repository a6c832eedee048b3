// What every trainer needs to walk through game records: random numbers that
// are the same on every platform, and the replay of a record on an engine.
#pragma once

#include <cstdint>
#include <random>
#include <utility>
#include <vector>

#include "engine/engine.h"
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
        for (size_t k = items.size(); k > 1; --k) std::swap(items[k - 1], items[below(k)]);
    }

  private:
    std::mt19937 generator_;
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

// The positions a trainer evaluates: before move k (counted from 0) for
// k = first, first + every, ...  Positions a few moves apart are much alike,
// and the evaluation is what costs.  The step is odd so that Black and White
// are to move in turn: with an even one every position of an even game has
// Black to move, and the networks would learn Black's side of the komi as
// the mover's.
struct sampling {
    int first = 40;
    int every = 9;
    bool takes(size_t k) const {
        return static_cast<int>(k) >= first && (static_cast<int>(k) - first) % every == 0;
    }
};

}  // namespace train

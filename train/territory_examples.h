// Examples for the territory network, taken from labelled games: at each
// sampled position, after the engine's full evaluation for the side to
// move, every empty point gives the inputs territory_estimate pushes (so the
// two influence fields are the engine's own) and a target from the end of
// the game: 1 when the point ends owned by the side to move, 0 when by the
// opponent, 0.5 for dame and seki.
#pragma once

#include "engine/engine.h"
#include "train/dense_examples.h"
#include "train/ownership.h"
#include "train/replay.h"

namespace train {

// The owner as the side to move t sees it: 1 its own, 0 the opponent's,
// 0.5 neither.
inline double territory_target(int owner, int t) {
    return owner == t ? 1.0 : owner == -t ? 0.0 : 0.5;
}

// The examples of the position now on the board, which the caller has just
// evaluated.
void add_territory_examples(engine& e, const final_ownership& labels, dense_examples& out);

// Every sampled position of the game; the board is left empty.
void collect_territory_examples(engine& e, const labelled_game& g, const sampling& s,
                                dense_examples& out);

}  // namespace train

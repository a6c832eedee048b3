// Examples for the two group networks, taken from labelled games: at each
// sampled position the engine's full evaluation builds the groups, and each
// group's inputs are those its own rate_safety and rate_harassment push.
//
// The targets come from what happens later in the game:
// - alive: the share of the group's stones that end owned by its colour
//   (a dame or seki point counts half), the target of safety_net;
// - attacked: of the opponent's next moves (the next attack_horizon moves of
//   the record), the share played within two lines of a group stone (its
//   near2), the target of harass_net; known only for groups that end alive
//   and when the record goes on that far;
// - lost: whether a stone of the group no longer stands attack_horizon
//   moves later; not learnt, it measures what the harassment predicts.
//
// Single dead strings are left out: the evaluation gives them safety 0
// without asking either network.
#pragma once

#include <array>
#include <cstddef>
#include <limits>
#include <vector>

#include "engine/engine.h"
#include "train/ownership.h"
#include "train/replay.h"

namespace train {

constexpr int attack_horizon = 20;
constexpr double unknown = std::numeric_limits<double>::quiet_NaN();

struct group_example {
    std::array<double, 19> safety_inputs{};
    std::array<double, 14> harass_inputs{};
    double alive = unknown;
    double attacked = unknown;
    double lost = unknown;
    int colour = 0;
    int size = 0;
};

// Share of the stones that end owned by colour; dame and seki count half.
double alive_share(const std::vector<point*>& stones, int colour, const final_ownership& labels);

// Of the moves k .. k + attack_horizon - 1 of the record, the share of the
// opponent's (passes included) that land in the near2 of a stone; unknown
// when the record ends sooner or the opponent has none of them.
double attacked_share(engine& e, const sgf_record& g, size_t k, const std::vector<point*>& stones,
                      int colour);

// The examples of every group of the position now on the board, after a
// full evaluation for the side to move; attacked and lost are left unknown.
void add_group_examples(engine& e, const final_ownership& labels, std::vector<group_example>& out,
                        std::vector<std::vector<point*>>* stones_out);

// Every sampled position of the game; the board is left empty.
void collect_group_examples(engine& e, const labelled_game& g, const sampling& s,
                            std::vector<group_example>& out);

}  // namespace train

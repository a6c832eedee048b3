// The search goals about a group: making it live and killing it.  They read
// the group's eye potential, so they live with the groups.
#pragma once

#include "engine/reading/search_goals.h"

// The goals about a group, whose first target point is its main stone (the
// way to the group, through the stone's group_ref) followed by the points of
// its area.  Moves come from around the area's points that can still become
// eyes, tried in the order of the eye potential they leave.
class group_goal : public search_goal {
  protected:
    using search_goal::search_goal;
    // The main stone, with the targets rewound.
    static point* main_stone(point_set& targets);
    // The owner's eye potential over the targets.
    static double eye_potential(point_set& targets, int owner);
    // Plays each move for colour and keys it by sign x the eye potential it
    // leaves, less the index tie-break; sorts and keeps the best few.
    void order(point_set& targets, point_set& moves, int colour, int owner, double base,
               double sign, int depth);
};

// Makes a group live (the owner's side).
class live_goal : public group_goal {
  public:
    using group_goal::group_goal;
    bool is_terminal(point_set& targets, int depth, int max_depth, int& value) override;
    void generate_moves(point_set& targets, point_set& moves, int depth) override;
};

// Kills a group (the attacker's side).
class kill_goal : public group_goal {
  public:
    using group_goal::group_goal;
    bool is_terminal(point_set& targets, int depth, int max_depth, int& value) override;
    void generate_moves(point_set& targets, point_set& moves, int depth) override;
};

// The evaluation of a position on top of tactical reading: connections
// between strings, groups with their eyes, life and safety, the influence
// fields and the territory, and what the front ends show of them.
//
// The life-and-death goals stay here with the groups: they read the groups'
// eye potential, and the group analysis reads life and death through them.
#pragma once

#include <memory>
#include <vector>

#include "engine/board/colour.h"
#include "engine/evaluation/group.h"
#include "engine/evaluation/group_goals.h"
#include "engine/reading/reader.h"

class evaluator : public reader {
public:
    evaluator();
    ~evaluator();

    // The goals about a group, made once.
    std::unique_ptr<search_goal> goal_kill;
    std::unique_ptr<search_goal> goal_live;

    // 1 while move generation evaluates its candidates: the life-and-death
    // reading then reads again only groups near the candidate.
    int in_generation = 0;

    // --- connections, groups, eyes and territory ------------------------
    // The groups of each colour, rebuilt by every analysis of the board.
    std::vector<std::unique_ptr<group>> black_groups;
    std::vector<std::unique_ptr<group>> white_groups;
    std::vector<std::unique_ptr<group>>& group_list(int colour) {
        return colour == black ? black_groups : white_groups;
    }
    void clear_groups(int colour) { group_list(colour).clear(); }
    // Life and death of the group whose main stone is main (its group_ref
    // names the group), read over its area: the owner first (can_live, 1
    // lives) or the attacker first (can_kill, 1 killed).
    int can_live(point* main, const point_set& area, int max_depth, proof_record* out_record);
    int can_kill(point* main, const point_set& area, int max_depth, proof_record* out_record);

    // Connections and groups of both colours from the current strings and
    // statuses, then the string-and-group check.  The after-move variant
    // (p: the point just played, the pass point for a pass) takes over the
    // connection verdicts of the last snapshot that p cannot have changed.
    void update_groups();
    void update_groups_after_move(point* p);
    void update_connections_full(int w);
    void update_connections_after_move(point* p, int w);
    // Rebuilds the groups of colour w from the connection verdicts; returns
    // their number.
    int build_groups(int w);
    // Remembers on every point what the after-move evaluations compare
    // with: values, controls, statuses, connection verdicts, group safety
    // and life result.
    void snapshot();
    // Raises the safeties of the four groups of a crosscut where they say
    // that more of them would die than can.
    void crosscut_adjust();
    // Every group's strings name it, and every stone's string is in its
    // group; a group list that disagrees ends the program.
    void check_strings_and_groups();
    // Connection verdicts of the after-move update taken over from the
    // snapshot, and read again (the new ones included).
    long long connections_reused = 0;
    long long connections_read = 0;

    // Territory: the sum over the board of every point's expected ownership
    // for colour a, from a full analysis of the position; the after-move
    // variant (p: the point just played) reuses the snapshot's analysis
    // where p cannot have changed it.
    double evaluate(int a);
    double evaluate_after_move(point* p, int a);
    // The value of board point p for colour k, in [-1, 1], also kept in
    // p's value.
    double territory_value(point* p, int k);
    // territory_net's rating of empty point p for the side to move, in
    // [-1, 1].
    double territory_estimate(point* p);
    // The first influence field (strength_black, strength_white) from the
    // groups' space values, which the group analysis reads.
    void first_diffusion();

    // What the front ends show of the engine's judgement, from the last
    // evaluation (score_estimate evaluates afresh).  ownership_trit: 1
    // Black's point, -1 White's, 0 open.  safety_char: a digit for the
    // safety of the stone's group, ' ' when safe or when there is none.
    // score_estimate: Black's lead, komi not included.
    int ownership_trit(int x, int y);
    char safety_char(int x, int y);
    int score_estimate();
    // The safety of the group of the stone on p, or -1 when p holds no
    // grouped stone.
    double stone_safety(const point* p) const;
    void print_board_detailed();
};

// Move choice on top of the evaluation: the candidates of a position, each
// evaluated by playing it, and the pick among them.
#pragma once

#include <vector>

#include "engine/evaluation/evaluator.h"

class move_chooser : public evaluator {
public:
    // The shape value a point needs to become a candidate.
    double shape_threshold = 0.4;
    // The empty third-line point least controlled by either side, early in
    // the game; null when there is none.  Its shape value is raised.
    point* open_third_line = nullptr;
    // Candidates evaluated by the last generate_move (both choices).
    int candidates_evaluated = 0;

    // Chooses the move of colour a, plays it (play_move) and returns it;
    // the pass point for a pass.
    point* generate_move(int a);
    // How urgent the opponent's last move is to answer.
    double opponent_sente();
    // The steps of generate_move.  last: the last move before the
    // generation; pass_value: the evaluation after a pass of a.
    void collect_candidates(int a, point* last, point_set& k);
    void find_open_third_line();
    // An atari at g that a long ladder shows to fail.
    bool is_failing_atari(point* g, int a);
    void add_connection_candidates(int a, point_set& k);
    // Writes p's equity.
    void evaluate_candidate(point* p, int a, point* last, double sente, const point_set& moyo,
                            double pass_value);
    void add_safe_uncertain_moves(int a, point_set& k);
    point* secondary_pick(point_set& k, int a, double pass_value);
    // The boards the game has had, the current one first and the empty
    // board last, rebuilt from the move records by each generate_move.  Under the simple ko rule alone a
    // capture cycle can repeat forever: the computer never chooses a stone
    // that brings one of them back, though people and files may.
    std::vector<position_key::board_words> game_boards;
    void collect_game_boards();
    bool repeats_game_board(const point* p, int a) const;
};

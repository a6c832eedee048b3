// Tactical reading on top of the board and its knowledge: depth-limited
// alpha-beta over the search goals, ladders, the stored proofs and the
// queries answered through them, the strings' statuses and the connection
// verdicts between strings.
#pragma once

#include <memory>

#include "engine/knowledge/knowledge.h"
#include "engine/reading/depth_limits.h"
#include "engine/reading/proof_base.h"
#include "engine/reading/proof_record.h"
#include "engine/reading/proof_tree.h"
#include "engine/reading/search_goals.h"
#include "engine/reading/transposition_table.h"

// The depth limits come first among the bases: a debug console asks for
// them before the knowledge is read.
class reader : public depth_limits, public knowledge {
public:
    reader();
    ~reader();

    // --- search counters ------------------------------------------------
    // They only grow in a process that plays game after game: wide enough
    // never to overflow.
    long long trap_count = 0;
    long long conn_count = 0;
    long long kill_count = 0;
    long long ladder_count = 0;

    // --- transposition table, proof base and tactical reading -----------
    // The table of the current reading (replaced at both ends of every
    // generic_can) and the stored proofs.
    std::unique_ptr<transposition_table> table;
    std::unique_ptr<proof_base> proofs;
    // The goals about strings, made once; those about groups belong to the
    // evaluation.
    std::unique_ptr<search_goal> goal_quick_capture;
    std::unique_ptr<search_goal> goal_quick_escape;
    std::unique_ptr<search_goal> goal_capture;
    std::unique_ptr<search_goal> goal_defend;
    std::unique_ptr<search_goal> goal_connect;
    std::unique_ptr<search_goal> goal_cut;
    // Ladder nodes allowed to the terminal tests of one search.
    static constexpr int ladder_budget = 1000;
    long long ladder_budget_base = 0;  // ladder_count when the current search began
    int search_start = 0;              // no_moves when the current search began
    long long ab_count = 0;            // nodes of alpha_beta and alpha_beta_plain
    // Per proof kind: queries answered by a stored proof, readings run, and
    // readings stored.
    long long proof_hits[proof_record::n_kinds] = {};
    long long proof_searches[proof_record::n_kinds] = {};
    long long proof_stores[proof_record::n_kinds] = {};

    // Depth-limited reading (fail-soft over -1, 0, 1, from the side to move).
    void alpha_beta(point_set& targets, int colour, int depth, int max_depth, int alpha, int beta,
                    int& lower, int& upper, search_goal& mover_goal, search_goal& other_goal);
    void alpha_beta_plain(point_set& targets, int colour, int depth, int max_depth, int alpha,
                          int beta, int& lower, int& upper, search_goal& mover_goal,
                          search_goal& other_goal);
    int generic_can(point_set& targets, int colour, int max_depth, proof_record* record,
                    search_goal& mover_goal, search_goal& other_goal);
    int can_achieve_quick(point_set& targets, int colour, int max_depth, search_goal& mover_goal,
                          search_goal& other_goal);
    int can_capture_quick(str* s, int max_depth);
    int can_escape_quick(str* s, int max_depth);
    void start_search();
    bool ladder_budget_left() const { return ladder_count - ladder_budget_base < ladder_budget; }

    // Ladders: the attacker (ladder_capture) or the owner (ladder_escape) to
    // move; 1 for the side to move.
    int ladder_capture(str* s, int depth, int max_depth);
    int ladder_escape(str* s, int depth, int max_depth);

    // Proofs: extraction from the table, replay on the current board, and
    // the queries answered through them.
    void generic_prove(point_set& targets, int colour, int depth, int max_depth, proof_tree& tree,
                       int value, search_goal& goal, search_goal& other);
    void generic_disprove(point_set& targets, int colour, int depth, int max_depth,
                          proof_tree& tree, int value, search_goal& goal, search_goal& other);
    bool verify_proof(point_set& targets, int colour, int max_depth, proof_record& record,
                      search_goal& mover_goal, search_goal& other_goal);
    bool verify_win(point_set& targets, int colour, int depth, int max_depth, proof_tree& tree,
                    int value, search_goal& goal, search_goal& other);
    bool verify_refutation(point_set& targets, int colour, int depth, int max_depth,
                           proof_tree& tree, int value, search_goal& goal, search_goal& other);
    int answer_with_proof(int kind, point_set& search_targets, const point_set& record_targets,
                          int colour, int max_depth, search_goal& mover_goal,
                          search_goal& other_goal, proof_record* out_record);
    int can_save_string(str* s, int max_depth, proof_record* out_record);
    int can_capture_string(str* s, int max_depth, proof_record* out_record);

    // String statuses (1 can be captured, 6 safe).
    void evaluate_all_strings();
    void collect_proof_moves(point_set& moves);
    void update_status_after_move(point* move);
    void kikashi_pass(int colour);

    // Connection readings (1 for the side that moves first: the owner joins
    // the strings, the opponent cuts them; 0 undecided within max_depth),
    // answered from the strings' statuses where they settle it.
    int can_connect(str* s1, str* s2, int max_depth, proof_record* out_record);
    int can_cut(str* s1, str* s2, int max_depth, proof_record* out_record);
};

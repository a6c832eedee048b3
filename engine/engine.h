// The engine: the one object that holds the whole state of the playing
// engine (the board of points, the move stack and history, the live position
// key, and the reading and evaluation machinery).  Nothing of it is rebuilt
// between games; reset_board clears it.
#pragma once

#include <memory>
#include <vector>

#include "engine/ab.h"
#include "engine/feature_net.h"
#include "engine/group.h"
#include "engine/joseki_library.h"
#include "engine/move_record.h"
#include "engine/pattern_net.h"
#include "engine/point.h"
#include "engine/point_set.h"
#include "engine/position_key.h"
#include "engine/proof_base.h"
#include "engine/proof_record.h"
#include "engine/shape_templates.h"
#include "engine/str.h"
#include "engine/transposition_table.h"

class engine {
public:
    // The move stack holds the game followed by whatever a reading tries.
    static constexpr int stack_size = 2000;
    // Moves kept free for reading on top of the longest game the layers
    // above accept.
    static constexpr int reading_reserve = 400;
    static constexpr int max_game_moves = stack_size - reading_reserve;

    engine();
    ~engine();
    engine(const engine&) = delete;
    engine& operator=(const engine&) = delete;

    // --- settings -------------------------------------------------------
    int max_depth_life_death = 6;
    int max_depth_status = 6;
    int max_depth_connection = 6;

    // --- board ----------------------------------------------------------
    point* grid[20][20] = {};
    point* points[362] = {};
    int n_points = 361;
    point* pass_point = nullptr;
    point* at(int x, int y) const { return grid[x][y]; }

    // --- move stack, history and key ------------------------------------
    int no_moves = 0;
    int root_move_number = 0;
    int redo_limit = 0;
    position_key key;
    std::vector<move_record> move_stack;
    std::vector<move_record> history;  // only point and colour are used

    // --- search counters ------------------------------------------------
    // They only grow in a process that plays game after game: wide enough
    // never to overflow.
    long long trap_count = 0;
    long long conn_count = 0;
    long long kill_count = 0;
    long long ladder_count = 0;

    // --- make and unmake ------------------------------------------------
    void push(point* p, int colour);
    move_record& pop();
    int turn() const;
    point* last_point() const;
    int is_legal_move(point* p, int colour);
    int is_sensible_move(point* p, int colour);
    int remove_illegal(point_set& set, int colour);
    int remove_unsensible(point_set& set, int colour);
    void play_move(point* p, int colour);
    bool can_redo() const { return no_moves < redo_limit; }
    void redo_move();
    move_record* last_move();
    move_record* next_redo_move();
    void reset_board();

    // --- checks and dumps -----------------------------------------------
    int check_position();
    void print_board();

    // --- settings, handicap and random numbers --------------------------
    // The depth prompt of a debug console (WINKIRVO_CONSOLE=1): reads status,
    // connection and life-and-death depths, in that order; without a console
    // the defaults stay.
    void read_depth_limits();
    void set_depth_limits(int status, int connection, int life_death);
    // The engine's handicap points for n stones (at most max_handicap), in
    // the order they are placed.
    static constexpr int max_handicap = 13;
    std::vector<point*> handicap_points(int n) const;
    // Black stones on those points, made with push (no history).
    void place_handicap(int n);

    // --- transposition table, proof base and tactical reading -----------
    // The table of the current reading (replaced at both ends of every
    // generic_can) and the stored proofs.
    std::unique_ptr<transposition_table> table;
    std::unique_ptr<proof_base> proofs;
    // The eight goals, made once.  The connection and life-and-death goals
    // are plugged in by their own layers.
    std::unique_ptr<search_goal> goal_quick_capture;
    std::unique_ptr<search_goal> goal_quick_escape;
    std::unique_ptr<search_goal> goal_capture;
    std::unique_ptr<search_goal> goal_defend;
    std::unique_ptr<search_goal> goal_connect;
    std::unique_ptr<search_goal> goal_cut;
    std::unique_ptr<search_goal> goal_kill;
    std::unique_ptr<search_goal> goal_live;
    void build_goals();
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

    // --- networks and shape evaluator -----------------------------------
    // Built in this order after the joseki libraries; with a weight file
    // missing, that network answers 0.5 everywhere.
    std::unique_ptr<feature_net> harass_net;     // "harass.dat", 14-20-1
    std::unique_ptr<feature_net> safety_net;     // "safe_19_10.dat", 19-10-1
    std::unique_ptr<feature_net> territory_net;  // "terr.dat", 7-11-1
    std::unique_ptr<pattern_net> shape_net;      // "shape.dat", 167-100-2
    std::unique_ptr<pattern_net> tsume_net;      // "tsume.dat", 53-50-1: loaded, never evaluated
    void build_networks();
    // Shape value (output 0) of empty point p as a move for colour m; the
    // sente value (output 1) goes to sente.  0.0 for the pass point, sente
    // then unchanged.  Results are memoised on the point by feature vector.
    double shape_eval(point* p, int m, double& sente);
    // The 46 shape features of p for mover m (board left as found).
    shape_features build_features(point* p, int m);
    // Fills shape_net's 167 inputs from the record's features.
    void encode(shape_features& r);

    // --- connections, groups, eyes and territory ------------------------
    // The groups of each colour, rebuilt by every analysis of the board.
    std::vector<std::unique_ptr<group>> black_groups;
    std::vector<std::unique_ptr<group>> white_groups;
    std::vector<std::unique_ptr<group>>& group_list(int colour) {
        return colour == 1 ? black_groups : white_groups;
    }
    void clear_groups(int colour) { group_list(colour).clear(); }
    // Life and death of the group whose main stone is main (its group_ref
    // names the group), read over its area: the owner first (can_live, 1
    // lives) or the attacker first (can_kill, 1 killed).
    int can_live(point* main, const point_set& area, int max_depth, proof_record* out_record);
    int can_kill(point* main, const point_set& area, int max_depth, proof_record* out_record);

    // Connection readings (1 for the side that moves first: the owner joins
    // the strings, the opponent cuts them; 0 undecided within max_depth),
    // answered from the strings' statuses where they settle it.
    int can_connect(str* s1, str* s2, int max_depth, proof_record* out_record);
    int can_cut(str* s1, str* s2, int max_depth, proof_record* out_record);

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

    // --- joseki libraries, shape templates and moyo ---------------------
    // Consulted in this order: j_fuseki, j_side, j_corner, j_mini, from the
    // whole board down to a small corner.
    std::vector<std::unique_ptr<joseki_library>> joseki_libraries;
    std::unique_ptr<shape_templates> templates;
    // Lets the libraries, in order, add their moves for mover a to j until
    // one of them has added some.
    void lookup_joseki(point_set& j, int a);
    void build_joseki_libraries();

    // --- move generation -------------------------------------------------
    // 1 while move generation evaluates its candidates: the life-and-death
    // reading then reads again only groups near the candidate.
    int in_generation = 0;
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

private:
    std::vector<std::unique_ptr<point>> point_storage_;

    void build_points();
    void wire_neighbours(point* p);
};

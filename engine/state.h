// The engine: the one object that holds the whole state of the playing
// engine (the board of points, the move stack and history, the live position
// key, and the reading and evaluation machinery).  Nothing of it is rebuilt
// between games; reset_board clears it.
#pragma once

#include <memory>
#include <vector>

#include "engine/feature_net.h"
#include "engine/joseki_library.h"
#include "engine/move_record.h"
#include "engine/pattern_net.h"
#include "engine/point.h"
#include "engine/point_set.h"
#include "engine/position_key.h"
#include "engine/shape_templates.h"
#include "engine/str.h"

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
    int trap_count = 0;
    int conn_count = 0;
    int kill_count = 0;
    int ladder_count = 0;

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
    // Black stones on the fixed handicap points, made with push (no history).
    void place_handicap(int n);

    // --- transposition table, proof base and tactical reading -----------

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

private:
    std::vector<std::unique_ptr<point>> point_storage_;

    void build_points();
    void wire_neighbours(point* p);
};

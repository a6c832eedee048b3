// One board point (or the pass point): its geometry, its occupancy, the two
// spare strings it keeps for reuse, and the evaluation values that the
// evaluation and move choice write on it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

#include "engine/board/board_size.h"
#include "engine/board/colour.h"
#include "engine/board/point_set.h"
#include "engine/board/shape_features.h"

class board;
class str;
class group;

class point {
public:
    point(int x, int y, board* owner);
    ~point();
    point(const point&) = delete;
    point& operator=(const point&) = delete;

    // --- geometry -------------------------------------------------------
    int x;
    int y;
    int edge_near = 0;  // min of the folded distances from the edges, 1..10
    int edge_far = 0;   // max of them
    int index = 0;      // 19*(x-1) + (y-1); 361 for the pass point
    int code;           // 19*y + x, the point's weight in the position key
    int32_t mask = 0;   // bit of the point in a point_set bitmap word
    int word = 0;
    int n_neighbours = 0;
    int n_diagonals = 0;
    point* neighbours[4] = {};
    point* diagonals[4] = {};
    double weight = 1.0;  // 1 / n_neighbours
    point_set near3;      // 7x7 square less corners and the point itself
    point_set near2;      // 5x5 square less the point
    point_set near1;      // 3x3 square less the point
    // The 7x7 surroundings, indexed [i+3][j+3] for offsets i, j in -3..3,
    // mirrored and transposed so that the point looks as if it lay in the
    // upper-left octant.  Null off the board.
    point* window[7][7] = {};
    board* owner_board;

    // --- occupancy ------------------------------------------------------
    int colour = 0;  // black, white or 0 for empty
    int mark = 0;
    str* str_ptr = nullptr;
    str* spare_black = nullptr;
    str* spare_white = nullptr;

    // --- values written by evaluation and move choice -------------------
    double sort_key;
    double strength_black = 0.0;
    double strength_white = 0.0;
    double stone_weight = 0.0;
    double presence_black = 0.0;
    double presence_white = 0.0;
    double control_black = 0.0;
    double control_white = 0.0;
    double value = 0.0;
    double previous_value = 0.0;
    double eval_cache[4] = {-1.0, -1.0, -1.0, -1.0};
    double eval_now_black = -1.0;
    double eval_now_white = -1.0;
    double joseki_value = 0.0;
    int status_copy = 0;
    double safety_copy = 0.0;  // the group's safety at the last snapshot
    int life_copy = 0;         // the group's life result at the last snapshot
    double score = 0.0;        // shape value as a candidate
    double sente_value = 0.0;
    double equity = 0.0;
    double old_eq_black = 0.0;
    double old_eq_white = 0.0;
    std::vector<shape_features> net_memo;  // newest first
    group* group_ref = nullptr;

    // --- construction ---------------------------------------------------
    void set_index(int k);
    void build_neighbourhood();

    // --- queries --------------------------------------------------------
    static bool on_board(int a, int b) {
        return a > 0 && a <= board_size && b > 0 && b <= board_size;
    }
    bool is_pass() const { return x == 0; }
    int edge_distance() const;
    void print(FILE* file = nullptr) const;
    int liberties() const;
    int stones() const;
    int status() const;
    double strength(int c) const { return c == black ? strength_black : strength_white; }

    // --- candidate evaluation cache -------------------------------------
    void set_cache(int side, int c, double v) { eval_cache[cache_slot(side, c)] = v; }
    double cache(int side, int c) const { return eval_cache[cache_slot(side, c)]; }
    void invalidate_cache();
    void invalidate_near2();
    void save_value() { previous_value = value; }
    void save_eq(int side);
    double old_eq(int side) const;
    // 1 when the point may keep the equity saved for side: the controls
    // around it moved by no more than 0.025 since, and the generator does
    // not pick it for the refresh of one point in ten.  0 for side 0.
    int cache_still_valid(int side);

    // --- strings --------------------------------------------------------
    // The string for the stone on this point: the spare of its colour, or a
    // new one; the stone is added to it.
    str* produce_str();
    // Keeps the empty string s as this point's spare of s's colour.
    void release_str(str* s);

    // --- eye-point tests for colour c -------------------------------------
    // Can this point become an eye of c: by the liberties of the enemy
    // stones around it, or by capturing them?  eye_value: 1.0 a full eye,
    // 0.5 half an eye, 0 none.
    int eye_by_liberties(int c);
    int eye_by_capture(int c);
    double eye_value(int c);

    // New game: destroys the strings, clears occupancy and some values.
    void reset();

    // Consistency of this point and its string; 1 on the first failure.
    int check_point();

private:
    static int cache_slot(int side, int c) {
        return (side == black ? 0 : 2) + (c == black ? 0 : 1);
    }
};

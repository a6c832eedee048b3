// The board: its points, the move stack and history, and the live position
// key, with the rules of play.  Everything the engine reads and evaluates
// stands on it; it knows nothing of them.
#pragma once

#include <memory>
#include <vector>

#include "engine/board/board_size.h"
#include "engine/board/move_record.h"
#include "engine/board/point.h"
#include "engine/board/point_set.h"
#include "engine/board/position_key.h"
#include "engine/board/str.h"

class board {
public:
    // The move stack holds the game followed by whatever a reading tries.
    static constexpr int stack_size = 2000;
    // Moves kept free for reading on top of the longest game the layers
    // above accept.
    static constexpr int reading_reserve = 400;
    static constexpr int max_game_moves = stack_size - reading_reserve;

    board();
    ~board();
    board(const board&) = delete;
    board& operator=(const board&) = delete;

    // --- points ---------------------------------------------------------
    point* grid[board_size + 1][board_size + 1] = {};
    point* points[board_points + 1] = {};
    int n_points = board_points;
    point* pass_point = nullptr;
    point* at(int x, int y) const { return grid[x][y]; }

    // --- move stack, history and key ------------------------------------
    int no_moves = 0;
    int root_move_number = 0;
    int redo_limit = 0;
    position_key key;
    std::vector<move_record> move_stack;
    std::vector<move_record> history;  // only point and colour are used

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
    // Takes every move back and clears the points, for a new game.  What the
    // layers above keep about the position goes first (engine::reset_board).
    void clear_position();

    // --- checks and dumps -----------------------------------------------
    int check_position();
    void print_board();

    // --- handicap -------------------------------------------------------
    // The handicap points for n stones (at most max_handicap), in the order
    // they are placed.
    static constexpr int max_handicap = 13;
    std::vector<point*> handicap_points(int n) const;
    // Black stones on those points, made with push (no history).
    void place_handicap(int n);

private:
    std::vector<std::unique_ptr<point>> point_storage_;

    void build_points();
    void wire_neighbours(point* p);
};

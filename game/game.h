// The game between the front ends and the engine: it plays stones and passes
// for either colour into the engine's history, takes them back and replays
// them, and keeps what the engine does not count (stones each colour has
// played, passes in a row), from which it answers whether the game is over,
// how many stones were captured and whether the user may undo further.
#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include "engine/engine.h"
#include "game/board_report.h"

class Game {
  public:
    // Passes in a row at the end of the history; 0 after any stone.
    int consecutive_passes = 0;
    // Stones each colour (Black, White) has put on the board since the last
    // new game, handicap and setup stones included; captures do not count.
    int stones_played[2] = {0, 0};

    // The whole engine, for the game layer itself (the writer, the crash
    // record, the control's protocol access) and for tests; the front ends
    // see a const Game and the board_report.
    engine& eng() { return engine_; }
    const engine& eng() const { return engine_; }

    void new_game(int handicap, int seed, bool use_seed);

    int colour_at(int x, int y) const { return engine_.at(x, y)->colour; }
    // No legality check: the callers ask is_legal_move first where a person
    // chose the point.  (0, 0) is a pass.
    void play(int x, int y, int colour);
    void play_human(int x, int y, int colour);
    void pass_human(int colour) { play_human(0, 0, colour); }
    // The computer's move for colour, chosen and played by the engine,
    // counted like any other; the pass point for a pass.
    point* generate(int colour);
    // Two SGF letters, "a" for 1; "tt" is a pass.  The text must be valid.
    void play_point_text(std::string_view letters, int colour);
    bool is_legal_move(int x, int y, int colour);

    // Takes back the last move; its colour is the side to move afterwards.
    const move_record& undo();
    void redo();
    move_record* last_move() { return engine_.last_move(); }
    const move_record* last_move() const {
        return engine_.no_moves == 0 ? nullptr : &engine_.move_stack[engine_.no_moves - 1];
    }
    move_record* next_redo_move() { return engine_.next_redo_move(); }
    bool can_redo() const { return engine_.can_redo(); }
    // A count test: the caller passes the stones that are never taken back
    // (handicap and setup stones).
    bool can_undo(int limit) const;
    bool is_over() const { return consecutive_passes > 1; }
    // The entries of the engine's move stack that are the game (handicap
    // and setup stones first), as of the last move played, taken back or
    // replayed: while the engine reads, the stack holds more.
    int recorded_moves() const { return recorded_moves_; }
    void set_depths(int status, int connection, int life_death);
    // The engine's handicap points for n stones, in the order it places them.
    std::vector<std::pair<int, int>> handicap_points(int n) const;
    board_report report() { return board_report(engine_); }

    // (Black, White)
    std::pair<int, int> stones_on_board() const;
    std::pair<int, int> captured_stones() const;

    // Whether n more moves fit under the longest game the program accepts,
    // which leaves the rest of the move stack to reading.
    bool has_room_for(int n) const { return engine_.no_moves + n <= engine::max_game_moves; }

    // Everything needed to rebuild the game exactly: the moves on the board
    // and the undone moves that redo can still bring back.
    struct saved_state {
        struct entry {
            int x, y, colour;
        };
        std::vector<entry> on_board;
        std::vector<entry> undone;
        int consecutive_passes = 0;
        int stones_played[2] = {0, 0};
    };
    saved_state save() const;
    void restore(const saved_state& saved);

  private:
    engine engine_;
    int recorded_moves_ = 0;

    static int slot(int colour) { return colour == 1 ? 0 : 1; }
    // A stone counts for its colour and ends a run of passes.
    void count_move(bool is_pass, int colour);
};

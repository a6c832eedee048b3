// The engine's own readings of the position on the board, for the
// protocol's analysis and scoring commands: each query evaluates or reads
// as the computer would and answers in the board's coordinates (1 to 19,
// as the protocol's vertices and the board report use them).  A view on the
// game's engine, like the board report: no move is played through it, and
// the game changes only through game_control's operations.
#pragma once

#include <optional>
#include <vector>

class engine;
class point;

// A point of the board; a move "none" of a reading is {0, 0}.
struct board_point {
    int x = 0;
    int y = 0;
    bool operator==(const board_point&) const = default;
};

class position_analysis {
  public:
    explicit position_analysis(engine& e) : engine_(e) {}

    // Readies the readings below: they run at these depths, and the proofs
    // they store are stamped with the present move number, so that the
    // proof base purges them as it does during play.
    void ready(int status_depth, int connection_depth, int life_death_depth);

    // 1 Black's stone, -1 White's, 0 empty; and whether two stones are one
    // string.
    int colour(board_point p) const;
    bool same_string(board_point a, board_point b) const;

    struct string_reading {
        int status = 0;  // the string's status after the evaluation of every string
        int captured = 0, saved = 0;
        board_point capture_move, save_move;  // the single first move, or none
    };
    // The queries on a stone require a stone on p.
    string_reading read_string(board_point p);

    struct group_reading {
        int stones = 0, life = 0, conf_space = 0;
        double safety = 0, nn_safety = 0, harassment = 0, eyes = 0, eyespace = 0, freedom = 0,
               conf_lim = 0;
    };
    // After a full evaluation for the side to move.
    group_reading read_group(board_point p);

    struct connection_reading {
        int status = 0;  // the analysis's verdict, 0 when it keeps no record of the pair
        int connect = 0, cut = 0;
    };
    // Two stones of one colour in different strings.
    connection_reading read_connection(board_point a, board_point b);

    // Every point's territory value for Black after a full evaluation for
    // the side to move, row y = 1 first.
    std::vector<double> territory_values();

    // The strings rated dead (or alive) after a full evaluation for the side
    // to move: their group's safety is below one half.  Strings and stones
    // in the order of the board's rows, row y = 1 first.
    std::vector<std::vector<board_point>> strings(bool dead);

    // After the full evaluation for colour: a legal move on a liberty of an
    // enemy string rated dead that brings back no board of the game,
    // preferably one that does not put the mover in atari; none when there
    // is none.
    std::optional<board_point> capture_dead_stones(int colour);

    // What a long session must keep bounded; needs no readying.
    struct memory_use {
        int proofs = 0, proof_size = 0, tables_alive = 0, largest_table = 0;
    };
    memory_use memory() const;

  private:
    engine& engine_;

    point* at(board_point p) const;
    bool is_dead_stone(const point* p) const;
};

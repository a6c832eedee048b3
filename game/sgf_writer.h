// Writes a game as an SGF (FF[4]) file in the one layout the reader reads
// back: a root node with the game and the players, the handicap stones and
// either the result or the side to move; a node with the setup stones that
// came from a loaded file; then one node per move.
#pragma once

#include <string>
#include <vector>

#include "game/game_settings.h"

class Game;

// A game played under a clock: its limits in the root node, and in each
// move's node the mover's time left after the move, where it is known.
struct sgf_clock {
    int main_time = -1;  // seconds; below 0 the game had no clock
    int byo_yomi = 0;    // Canadian: a period of byo_yomi seconds for stones moves
    int stones = 0;
    struct time_left {
        double seconds = -1.0;  // below 0: not known
        int stones = 0;         // still to play in the byo-yomi period; 0 in main time
    };
    std::vector<time_left> after_move;  // by move-stack entry
};

struct sgf_settings {
    int handicap = 0;      // the first stack entries are the handicap stones
    int setup_stones = 0;  // the next ones are setup stones
    float komi = 0.0f;
    int side = 1;  // to move, written when the game is not over
    player_settings black;
    player_settings white;
    double score = 0.0;  // for Black, komi included; read only when the game is over
    // The first entries of the move stack to write, -1 for all of them; and
    // whether a finished game is written as one still in play (its closing
    // passes kept, no result), when its score cannot be trusted.
    int moves = -1;
    bool keep_open = false;
    sgf_clock clock;
};

// "WinKirvo:0.95:10:8:4" for a computer player, "Human Player" otherwise.
std::string sgf_player_text(const player_settings& player);

std::string write_sgf(const Game& game, const sgf_settings& settings);

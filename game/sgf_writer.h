// Writes a game as an SGF (FF[4]) file in the one layout the reader reads
// back: a root node with the game and the players, the handicap stones and
// either the result or the side to move; a node with the setup stones that
// came from a loaded file; then one node per move.
#pragma once

#include <string>

#include "game/game_settings.h"

class Game;

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
};

// "WinKirvo:0.95:10:8:4" for a computer player, "Human Player" otherwise.
std::string sgf_player_text(const player_settings& player);

std::string write_sgf(const Game& game, const sgf_settings& settings);

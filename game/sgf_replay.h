// How a record read by the SgfReader is played into a game: the handicap
// stones, the other setup stones and the moves, in that order, with the
// colour of each; and the check, before the current game is given up, that
// every one of them can be played.
#pragma once

#include <string>
#include <vector>

#include "game/game.h"
#include "game/sgf_reader.h"

struct sgf_replay {
    struct step {
        std::string letters;  // two SGF letters, "tt" for a pass
        int colour;
        int move_number;  // 1 for the first move; 0 for a setup stone
    };
    int handicap = 0;      // the first steps
    int setup_stones = 0;  // the steps after them
    int side_to_move = 1;  // after the last step
    std::vector<step> steps;
};

sgf_replay plan_replay(const SgfReader& reader);

// Plays the steps on an empty board and rebuilds the game as it was; returns
// the message that refuses the record (too long, or the first setup stone
// off the board or on an occupied point, or move on an occupied point, a
// suicide or a ko retaken at once), or "" when every step can be played.
std::string check_replay(Game& game, const sgf_replay& replay);

// The settings of a game, in one place for every front end: who plays each
// colour and how deep the computer reads for it, the handicap, the komi and
// the seed.  The game control holds them; the SGF reader fills them from a
// file, the dialogs edit them, and the protocol and console front ends set
// them from their options.
#pragma once

// One colour's player: a person, or the computer with its three reading
// depths (string status, connection, life and death).
struct player_settings {
    bool computer = false;
    int status_depth = 10;
    int connection_depth = 8;
    int life_death_depth = 4;
};

struct game_settings {
    player_settings black{true};
    player_settings white{false};
    int handicap = 0;
    float komi = 5.5f;
    int seed = 0;
    bool use_seed = true;  // reseed the random generator at every new game

    player_settings& player(int colour) { return colour == 1 ? black : white; }
    const player_settings& player(int colour) const { return colour == 1 ? black : white; }
};

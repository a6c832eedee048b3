// The command-line options of the console programs (winkirvo-gtp and
// winkirvo-selfplay): a fixed seed for every new game, the three reading
// depths of both computer players, and the data directory.
#pragma once

struct program_options {
    bool use_seed = false;  // reseed at every new game
    int seed = 0;
    int status_depth = 10;
    int connection_depth = 8;
    int life_death_depth = 4;
};

// The reading depths a player may be given, as in the player dialog: deeper
// readings could not finish in any useful time, and the move stack keeps
// room for only so many plies beyond the longest game.
constexpr int max_reading_depth = 1000;
bool is_reading_depth(int depth);

// Reads "--seed N", "--depths S C L" or "--data-dir DIR" at argv[i] (the
// data directory replaces the data-file search at once): the number of
// words used, 0 when argv[i] is none of them, -1 when its values are
// missing, not numbers, or depths outside 0 to max_reading_depth.
int parse_program_option(int argc, char** argv, int i, program_options& options);

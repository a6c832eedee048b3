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

// Reads "--seed N", "--depths S C L" or "--data-dir DIR" at argv[i] (the
// data directory replaces the data-file search at once): the number of
// words used, 0 when argv[i] is none of them, -1 when its values are
// missing or not numbers.
int parse_program_option(int argc, char** argv, int i, program_options& options);

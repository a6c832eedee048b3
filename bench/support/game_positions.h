// Positions from real games for the benchmarks, chosen the same way every
// time: the games of the folder named by WINKIRVO_GAMES (a collection of
// game records, one folder per source), walked in sorted path order, 19x19
// games only, each replayed with play_move and skipped at its first illegal
// move.
#pragma once

#include <string>
#include <vector>

#include "engine/engine.h"
#include "game/sgf_record.h"

namespace bench {

// The folder named by WINKIRVO_GAMES, or empty when it is not set.
std::string games_directory();

// A game whose moves (setup stones first) all replay legally.
struct replayable_game {
    std::string path;
    std::vector<sgf_move> moves;
};

// The first count such games in sorted path order.
std::vector<replayable_game> load_games(const std::string& directory, size_t count);

struct game_position {
    std::string path;
    int move_number;              // game moves played, setup stones not counted
    std::vector<sgf_move> moves;  // setup stones and moves up to there
};

// count positions, one every `every` moves of each game in turn.
std::vector<game_position> sample_positions(const std::string& directory, size_t count = 100,
                                            int every = 20);

// The 100 positions, one every 20 moves, that the reading, evaluation and
// life-and-death measures share: sampled once per run.
const std::vector<game_position>& measured_positions();

// Clears the engine and plays the moves.
void set_up(engine& e, const std::vector<sgf_move>& moves);

}  // namespace bench

// The final ownership of the points of played-out games, as judged at the
// end of each game, and the games it labels: one line a game with the
// game's path inside the collection, the number of stones judged dead, the
// winner of an area count and 361 owners ('B', 'W', '.' for dame and seki)
// row by row from the top, x = 1..19 within a row.
//
// Labels are only as clean as the judgment: a game whose recorded result
// names the other winner, or whose final position replayed here disagrees
// with the line's count of dead stones, is left out.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "game/sgf_record.h"
#include "train/replay.h"

namespace train {

struct final_ownership {
    std::string game;                       // path inside the collection
    int dead_stones = 0;                    // stones judged dead at the end
    int area_winner = 0;                    // 1 Black, -1 White, 0 neither
    std::array<signed char, 361> owners{};  // by board index 19(x-1) + (y-1)

    // 1 Black, -1 White, 0 dame or seki.
    int owner(const point* p) const { return owners[p->index]; }
};

// False, with the reason, when the line is not one of the four fields with
// 361 owners.
bool parse_ownership_line(const std::string& line, final_ownership& out, std::string& why);

// Every line of the file (a ".xz" file is read through "xz -dc"); lines
// that do not parse are counted in bad_lines.  Empty when the file cannot
// be read.
std::vector<final_ownership> read_ownership_file(const std::string& path, int& bad_lines);

// The winner that a result such as "B+3.5", "W+Resign" or "B+T" names: 1
// Black, -1 White, 0 for a draw or anything else.
int winner_of(const std::string& result);

struct labelled_game {
    sgf_record record;
    final_ownership labels;
};

// Why games were left out.
struct selection_counts {
    int lines = 0;
    int unreadable = 0;          // no SGF file, not 19x19, or no game tree
    int other_winner = 0;        // the recorded result names the other side
    int not_replayed = 0;        // a move the rules refuse before the end
    int dead_count_differs = 0;  // stones of the final position owned by the
                                 // opponent are not the dead-stone count
    int kept = 0;
};

// Stones on the board owned by the other colour: the ones the judgment took
// as dead.
int stones_owned_by_opponent(engine& e, const final_ownership& labels);

// Whether the game can serve: its final position, replayed on e, agrees
// with the labels' dead-stone count.  The board is left empty.
bool replays_to_labels(engine& e, const labelled_game& g, selection_counts& counts);

// The labelled games under games_dir: the lines in path order, shuffled with
// seed; the first held_out usable games are held out, the next train
// usable ones are for training.  The same seed and held_out give the same
// held-out games whatever train is, so that every tool measures on games
// that none of them learnt from.
struct game_split {
    std::vector<labelled_game> train;
    std::vector<labelled_game> held_out;
    selection_counts counts;
};
game_split select_games(engine& e, std::vector<final_ownership> lines, const std::string& games_dir,
                        int train, int held_out, uint32_t seed);

// One line on standard output: how many games were kept and why the others
// were not.
void print_selection(const selection_counts& counts, int bad_lines);

}  // namespace train

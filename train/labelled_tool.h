// What the tools that learn from labelled games share: their options and
// the choice of games, so that all of them measure on the same held-out
// games.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/engine.h"
#include "train/ownership.h"
#include "train/replay.h"
#include "train/tool_support.h"

namespace train {

struct labelled_options {
    // The game records and their label file have no place of their own on
    // every machine: the command line names them.
    std::string games_dir;
    std::string labels;
    // WinKirvo's own played-out games and their labels, for training only:
    // the held-out games stay those of the collection.
    std::string own_games_dir;
    std::string own_labels;
    std::string out_dir = "data";
    int train_games;
    int held_out_games = 100;
    sampling positions;
    depths reading;
    int epochs;
    double rate;
    uint32_t seed = 20240707;

    labelled_options(int train, int epoch_count, double learning_rate)
        : train_games(train), epochs(epoch_count), rate(learning_rate) {}

    // False for an unknown option, a value out of its range, no --games or
    // --labels, or only one of --own-games and --own-labels.
    bool parse(const std::vector<std::string>& args);
    // The options as the usage line of winkirvo-train lists them.
    static const char* const usage;
};

// The labels read and the games chosen, with a line on what was kept (and
// one on the own games, which are all added to the training games); false,
// with the reason on standard error under the tool's name, when nothing is
// left to learn from or to measure on.
bool choose_games(engine& e, const labelled_options& o, const char* tool, game_split& games);

// Whether the output directory holds every file the tool's engines need
// (the reading's move filter evaluates shape.dat, so the group features
// depend on it); when not, says which on standard error under the tool's
// name, with the tool that writes it.
bool have_data_files(const labelled_options& o, const char* tool,
                     const std::vector<std::pair<std::string, std::string>>& files_and_tools);

}  // namespace train

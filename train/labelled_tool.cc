#include "train/labelled_tool.h"

#include <climits>
#include <cstdio>
#include <filesystem>

namespace train {

const char* const labelled_options::usage =
    "--games DIR --labels FILE [--own-games DIR --own-labels FILE] [--out-dir DIR]"
    " [--train-games N] [--held-out-games N] [--first K] [--every K] [--status-depth D]"
    " [--connection-depth D] [--life-death-depth D] [--epochs N] [--rate R] [--seed S]";

bool labelled_options::parse(const std::vector<std::string>& args) {
    option_parser p;
    p.option("games", games_dir);
    p.option("labels", labels);
    p.option("own-games", own_games_dir);
    p.option("own-labels", own_labels);
    p.option("out-dir", out_dir);
    p.option("train-games", train_games);
    p.option("held-out-games", held_out_games);
    p.option("first", positions.first);
    p.option("every", positions.every);
    p.option("status-depth", reading.status);
    p.option("connection-depth", reading.connection);
    p.option("life-death-depth", reading.life_death);
    p.option("epochs", epochs);
    p.option("rate", rate);
    p.option("seed", seed);
    return p.parse(args) && !games_dir.empty() && !labels.empty() &&
           own_games_dir.empty() == own_labels.empty() && train_games > 0 &&
           held_out_games > 0 && positions.first >= 0 && positions.every > 0 && epochs > 0 &&
           rate > 0;
}

namespace {

bool read_labels(const std::string& path, const char* tool, std::vector<final_ownership>& lines,
                 int& bad_lines) {
    lines = read_ownership_file(path, bad_lines);
    if (!lines.empty()) return true;
    std::fprintf(stderr, "%s: no labels in %s\n", tool, path.c_str());
    return false;
}

// Every usable own game goes to the training games.
bool add_own_games(engine& e, const labelled_options& o, const char* tool, game_split& games) {
    std::vector<final_ownership> lines;
    int bad_lines = 0;
    if (!read_labels(o.own_labels, tool, lines, bad_lines)) return false;
    game_split own = select_games(e, std::move(lines), o.own_games_dir, INT_MAX, 0, o.seed);
    std::printf("own games: ");
    print_selection(own.counts, bad_lines);
    for (labelled_game& g : own.train) games.train.push_back(std::move(g));
    return true;
}

}  // namespace

bool choose_games(engine& e, const labelled_options& o, const char* tool, game_split& games) {
    std::vector<final_ownership> lines;
    int bad_lines = 0;
    if (!read_labels(o.labels, tool, lines, bad_lines)) return false;
    games = select_games(e, std::move(lines), o.games_dir, o.train_games, o.held_out_games, o.seed);
    print_selection(games.counts, bad_lines);
    if (games.train.empty() || games.held_out.empty()) {
        std::fprintf(stderr, "%s: not enough labelled games under %s\n", tool, o.games_dir.c_str());
        return false;
    }
    return o.own_labels.empty() || add_own_games(e, o, tool, games);
}

bool have_data_files(const labelled_options& o, const char* tool,
                     const std::vector<std::pair<std::string, std::string>>& files_and_tools) {
    for (const auto& [file, writer] : files_and_tools) {
        if (std::filesystem::exists(std::filesystem::path(o.out_dir) / file)) continue;
        std::fprintf(stderr, "%s: %s lacks %s; run winkirvo-train %s first\n", tool,
                     o.out_dir.c_str(), file.c_str(), writer.c_str());
        return false;
    }
    return true;
}

}  // namespace train

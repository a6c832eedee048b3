#include "train/ownership.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace train {

namespace {

std::vector<std::string> split_tabs(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, '\t')) fields.push_back(field);
    return fields;
}

// The text of a file, or of what "xz -dc" makes of it.  The path is handed
// to the shell in single quotes, with each quote of its own spelled out.
bool read_text(const std::string& path, std::string& text) {
    const bool packed = path.size() > 3 && path.compare(path.size() - 3, 3, ".xz") == 0;
    if (!packed) {
        std::ifstream in(path, std::ios::binary);
        if (!in) return false;
        std::ostringstream all;
        all << in.rdbuf();
        text = all.str();
        return true;
    }
    std::string quoted = "'";
    for (char c : path) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    quoted += "'";
    FILE* pipe = popen(("xz -dc " + quoted + " 2>/dev/null").c_str(), "r");
    if (pipe == nullptr) return false;
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, n);
    return pclose(pipe) == 0;
}

}  // namespace

bool parse_ownership_line(const std::string& line, final_ownership& out, std::string& why) {
    std::vector<std::string> fields = split_tabs(line);
    if (fields.size() != 4) {
        why = "not four tab-separated fields";
        return false;
    }
    const std::string& owners = fields[3];
    if (owners.size() != 361) {
        why = "not 361 owners";
        return false;
    }
    char* end = nullptr;
    const long dead = std::strtol(fields[1].c_str(), &end, 10);
    if (fields[1].empty() || *end != '\0' || dead < 0) {
        why = "bad dead-stone count";
        return false;
    }
    final_ownership f;
    f.game = fields[0];
    f.dead_stones = static_cast<int>(dead);
    f.area_winner = winner_of(fields[2]);
    // Row y from the top, column x within it; the board index runs down
    // the columns.
    for (int row = 0; row < 19; ++row) {
        for (int column = 0; column < 19; ++column) {
            const char c = owners[19 * row + column];
            if (c != 'B' && c != 'W' && c != '.') {
                why = std::string("bad owner '") + c + "'";
                return false;
            }
            f.owners[19 * column + row] = c == 'B' ? 1 : c == 'W' ? -1 : 0;
        }
    }
    out = std::move(f);
    return true;
}

std::vector<final_ownership> read_ownership_file(const std::string& path, int& bad_lines) {
    std::vector<final_ownership> all;
    bad_lines = 0;
    std::string text;
    if (!read_text(path, text)) return all;
    std::istringstream in(text);
    std::string line, why;
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        final_ownership f;
        if (parse_ownership_line(line, f, why))
            all.push_back(std::move(f));
        else
            ++bad_lines;
    }
    return all;
}

int winner_of(const std::string& result) {
    if (result.size() < 2 || result[1] != '+') return 0;
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(result[0])));
    return c == 'B' ? 1 : c == 'W' ? -1 : 0;
}

int stones_owned_by_opponent(engine& e, const final_ownership& labels) {
    int n = 0;
    for (int k = 0; k < e.n_points; ++k) {
        const point* p = e.points[k];
        n += p->colour != 0 && labels.owner(p) == -p->colour;
    }
    return n;
}

bool replays_to_labels(engine& e, const labelled_game& g, selection_counts& counts) {
    const int played = replay(e, g.record, [](point*, int, size_t) {});
    bool ok = true;
    if (played != static_cast<int>(g.record.moves.size())) {
        ++counts.not_replayed;
        ok = false;
    } else if (stones_owned_by_opponent(e, g.labels) != g.labels.dead_stones) {
        ++counts.dead_count_differs;
        ok = false;
    }
    e.reset_board();
    return ok;
}

game_split select_games(engine& e, std::vector<final_ownership> lines, const std::string& games_dir,
                        int train, int held_out, uint32_t seed) {
    game_split split;
    std::sort(lines.begin(), lines.end(),
              [](const final_ownership& a, const final_ownership& b) { return a.game < b.game; });
    random_source rng(seed);
    rng.shuffle(lines);
    split.counts.lines = static_cast<int>(lines.size());
    for (final_ownership& f : lines) {
        std::vector<labelled_game>& into =
            static_cast<int>(split.held_out.size()) < held_out ? split.held_out : split.train;
        if (&into == &split.train && static_cast<int>(split.train.size()) >= train) break;
        labelled_game g;
        std::string why;
        if (!read_sgf_record_file(games_dir + "/" + f.game, g.record, why) || g.record.size != 19) {
            ++split.counts.unreadable;
            continue;
        }
        if (winner_of(g.record.result) != f.area_winner) {
            ++split.counts.other_winner;
            continue;
        }
        g.labels = std::move(f);
        if (!replays_to_labels(e, g, split.counts)) continue;
        into.push_back(std::move(g));
        ++split.counts.kept;
    }
    return split;
}

void print_selection(const selection_counts& c, int bad_lines) {
    std::printf(
        "labels: %d lines (%d unreadable lines); looked at %d games: kept %d; left out %d "
        "unreadable, %d with the other winner recorded, %d not replayed to the end, %d whose dead "
        "stones differ\n",
        c.lines + bad_lines, bad_lines,
        c.kept + c.unreadable + c.other_winner + c.not_replayed + c.dead_count_differs, c.kept,
        c.unreadable, c.other_winner, c.not_replayed, c.dead_count_differs);
}

}  // namespace train

#include "bench/support/game_positions.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>

namespace bench {

namespace fs = std::filesystem;

namespace {

point* point_of(engine& e, const sgf_move& m) {
    return m.x == 0 ? e.pass_point : e.at(m.x, m.y);
}

// Calls visit on every ".sgf" file under directory in sorted path order,
// until visit returns false.
bool walk_sorted(const fs::path& directory, const std::function<bool(const fs::path&)>& visit) {
    std::error_code error;
    std::vector<fs::path> entries;
    for (const auto& entry : fs::directory_iterator(directory, error))
        entries.push_back(entry.path());
    std::sort(entries.begin(), entries.end());
    for (const fs::path& p : entries) {
        if (fs::is_directory(p, error)) {
            if (!walk_sorted(p, visit)) return false;
        } else if (p.extension() == ".sgf" && !visit(p)) {
            return false;
        }
    }
    return true;
}

// The setup stones and moves of a 19x19 record when all of them are legal.
bool replayable(engine& e, const sgf_record& record, std::vector<sgf_move>& moves) {
    if (record.size != 19) return false;
    moves = record.setup;
    moves.insert(moves.end(), record.moves.begin(), record.moves.end());
    if (moves.empty() || static_cast<int>(moves.size()) > engine::max_game_moves) return false;
    e.reset_board();
    for (const sgf_move& m : moves) {
        if (m.x < 0 || m.x > 19 || m.y < 0 || m.y > 19 || (m.x == 0) != (m.y == 0)) return false;
        point* p = point_of(e, m);
        if (!e.is_legal_move(p, m.colour)) return false;
        e.play_move(p, m.colour);
    }
    return true;
}

}  // namespace

std::string games_directory() {
    const char* dir = std::getenv("WINKIRVO_GAMES");
    return dir != nullptr ? dir : "";
}

std::vector<replayable_game> load_games(const std::string& directory, size_t count) {
    std::vector<replayable_game> games;
    if (directory.empty() || count == 0) return games;
    engine e;
    walk_sorted(directory, [&](const fs::path& path) {
        sgf_record record;
        std::string why;
        std::vector<sgf_move> moves;
        if (read_sgf_record_file(path.string(), record, why) && replayable(e, record, moves)) {
            games.push_back({path.string(), std::move(moves)});
        }
        return games.size() < count;
    });
    return games;
}

std::vector<game_position> sample_positions(const std::string& directory, size_t count, int every) {
    std::vector<game_position> positions;
    if (directory.empty()) return positions;
    engine e;
    walk_sorted(directory, [&](const fs::path& path) {
        sgf_record record;
        std::string why;
        std::vector<sgf_move> moves;
        if (!read_sgf_record_file(path.string(), record, why) || !replayable(e, record, moves)) {
            return true;
        }
        const int setup = static_cast<int>(record.setup.size());
        for (int n = every; setup + n <= static_cast<int>(moves.size()); n += every) {
            positions.push_back({path.string(), n, {moves.begin(), moves.begin() + setup + n}});
            if (positions.size() == count) return false;
        }
        return true;
    });
    return positions;
}

const std::vector<game_position>& measured_positions() {
    static const std::vector<game_position> positions = sample_positions(games_directory(), 100, 20);
    return positions;
}

void set_up(engine& e, const std::vector<sgf_move>& moves) {
    e.reset_board();
    for (const sgf_move& m : moves) e.play_move(point_of(e, m), m.colour);
}

}  // namespace bench

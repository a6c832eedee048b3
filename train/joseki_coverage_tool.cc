// winkirvo-train joseki-coverage GAMES_DIR [DATA_DIR] [--games N] [--moves N]:
// how much of the openings of other games the joseki libraries in DATA_DIR
// (default data) know.  The first --moves moves (40) of the first --games
// even 19x19 games (2000, in file order) are replayed; before each move it
// counts, for every library and for the engine's lookup (the first library
// that recommends anything), the positions where some move is recommended
// and those where the move played is among them.  Played on games the
// libraries were not mined from, the figures are held-out ones.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/base/data_files.h"
#include "engine/engine.h"
#include "game/sgf_record.h"
#include "train/tool.h"
#include "train/tool_support.h"

namespace {

namespace fs = std::filesystem;

// Openings are counted in two stretches: the whole-board library's moves
// and the corner and side fights after them.
constexpr int fuseki_moves = 12;

struct tally {
    long positions = 0;
    long known = 0;   // some move recommended
    long played = 0;  // the move played among them
    void add(const point_set& recommended, point* move) {
        ++positions;
        known += !recommended.empty();
        played += recommended.contains(move);
    }
    void print(const char* name) const {
        const double n = positions > 0 ? static_cast<double>(positions) : 1.0;
        std::printf("  %-9s known %.3f  played move recommended %.3f (%.3f of those known)\n", name,
                    known / n, played / n, known > 0 ? played / static_cast<double>(known) : 0.0);
    }
};

struct stretch {
    std::vector<tally> libraries;
    tally lookup;
};

bool usable(const sgf_record& game) {
    return game.size == 19 && game.handicap == 0 && game.setup.empty() && !game.moves.empty();
}

// Replays the opening of one game, tallying before every move.
void follow(engine& e, const sgf_record& game, int moves, stretch stretches[2]) {
    while (e.no_moves > 0) e.pop();
    const int n = std::min(moves, static_cast<int>(game.moves.size()));
    for (int i = 0; i < n; ++i) {
        const sgf_move& m = game.moves[i];
        point* p = m.x == 0 ? e.pass_point : e.at(m.x, m.y);
        if (!e.is_legal_move(p, m.colour)) break;
        stretch& s = stretches[i < fuseki_moves ? 0 : 1];
        for (size_t l = 0; l < e.joseki_libraries.size(); ++l) {
            point_set recommended;
            e.joseki_libraries[l]->lookup(recommended, m.colour);
            s.libraries[l].add(recommended, p);
        }
        point_set recommended;
        e.lookup_joseki(recommended, m.colour);
        s.lookup.add(recommended, p);
        e.push(p, m.colour);
    }
}

int run(const std::vector<std::string>& args) {
    std::string games_dir, data_dir = "data";
    int games = 2000, moves = 40;
    train::option_parser p;
    p.positional(games_dir);
    p.positional(data_dir);
    p.option("games", games);
    p.option("moves", moves);
    if (!p.parse(args) || games_dir.empty() || games <= 0 || moves <= 0) {
        std::fprintf(stderr,
                     "usage: winkirvo-train joseki-coverage GAMES_DIR [DATA_DIR] [--games N] "
                     "[--moves N]\n");
        return 2;
    }
    if (!fs::is_directory(games_dir)) {
        std::fprintf(stderr, "no game directory %s\n", games_dir.c_str());
        return 1;
    }
    train::silence_engine();
    set_data_dir(data_dir);
    engine e;
    const std::vector<const char*> names = {"j_fuseki", "j_side", "j_corner", "j_mini"};
    stretch stretches[2];
    for (stretch& s : stretches) s.libraries.resize(e.joseki_libraries.size());
    int used = 0;
    for (const std::string& file : train::sgf_files_under(games_dir)) {
        if (used == games) break;
        sgf_record game;
        std::string why;
        if (!read_sgf_record_file(file, game, why) || !usable(game)) continue;
        follow(e, game, moves, stretches);
        ++used;
    }
    std::printf("%d games from %s, libraries from %s\n", used, games_dir.c_str(), data_dir.c_str());
    for (int k = 0; k < 2; ++k) {
        const stretch& s = stretches[k];
        std::printf("moves %d-%d: %ld positions\n", k == 0 ? 1 : fuseki_moves + 1,
                    k == 0 ? fuseki_moves : moves, s.lookup.positions);
        for (size_t l = 0; l < s.libraries.size(); ++l) {
            s.libraries[l].print(l < names.size() ? names[l] : "library");
        }
        s.lookup.print("lookup");
    }
    return 0;
}

}  // namespace

const bool joseki_coverage_tool_registered = train::register_tool(
    {"joseki-coverage",
     "GAMES_DIR [DATA_DIR] [--games N] [--moves N]: how often the joseki libraries know the "
     "openings of the games and recommend the move played",
     run});

#include "gtp/front_end.h"

#include <algorithm>
#include <string_view>

#include "engine/board/coordinates.h"

using gtp::arguments;
using gtp::failure;
using gtp::vertex;

namespace {

std::string vertex_list(const std::vector<vertex>& vertices) {
    std::string list;
    for (const vertex& v : vertices) {
        if (!list.empty()) list += ' ';
        list += gtp::vertex_text(v);
    }
    return list;
}

}  // namespace

gtp_front_end::gtp_front_end(const gtp_options& options) : options_(options), control_(ui_) {
    session_settings();
    control_.new_game();
    register_commands();
}

// What the protocol session decides for every game, whatever a loaded file
// said: the seed of clear_board, the depths of the command line, and that a
// colour is a computer player only once it has been asked to generate a move.
void gtp_front_end::session_settings() {
    control_.set_seed(options_.seed, options_.use_seed);
    apply_depths();
    for (const int colour : {1, -1}) set_computer(colour, false);
    entries_per_play_.clear();
    time_after_move_.clear();
    clock_.restart();
}

void gtp_front_end::set_computer(int colour, bool computer) {
    player_settings player = control_.settings().player(colour);
    player.computer = computer;
    control_.set_player(colour, player);
}

void gtp_front_end::register_commands() {
    auto fixed = [](std::string text) {
        return [text](const arguments& a) {
            a.require(0);
            return text;
        };
    };
    registry_.add("protocol_version", fixed("2"));
    registry_.add("name", fixed("WinKirvo"));
    registry_.add("version", fixed("0.95"));
    registry_.add("known_command", [this](const arguments& a) {
        a.require(1);
        return std::string(registry_.knows(a.word(0)) ? "true" : "false");
    });
    registry_.add("list_commands", [this](const arguments& a) {
        a.require(0);
        std::string list;
        for (const std::string& name : registry_.names()) list += name + "\n";
        return list;
    });
    registry_.add("quit", [this](const arguments& a) {
        a.require(0);
        registry_.request_quit();
        return std::string();
    });
    registry_.add("boardsize", [](const arguments& a) {
        a.require(1);
        if (a.integer(0) != 19) throw failure("unacceptable size");
        return std::string();
    });
    registry_.add("clear_board", [this](const arguments& a) {
        a.require(0);
        return clear_board();
    });
    registry_.add("komi", [this](const arguments& a) {
        a.require(1);
        control_.set_komi(static_cast<float>(a.real(0)));
        return std::string();
    });
    registry_.add("play", [this](const arguments& a) { return play(a); });
    registry_.add("undo", [this](const arguments& a) {
        a.require(0);
        return undo();
    });
    registry_.add("fixed_handicap", [this](const arguments& a) { return fixed_handicap(a); });
    registry_.add("place_free_handicap",
                  [this](const arguments& a) { return place_free_handicap(a); });
    registry_.add("set_free_handicap", [this](const arguments& a) { return set_free_handicap(a); });
    registry_.add("showboard", [this](const arguments& a) {
        a.require(0);
        return showboard();
    });
    registry_.add("list_stones", [this](const arguments& a) { return list_stones(a); });
    registry_.add("loadsgf", [this](const arguments& a) { return loadsgf(a); });
    registry_.add("printsgf", [this](const arguments& a) { return printsgf(a); });
    register_move_commands();
    register_analysis_commands();
}

void gtp_front_end::fail_with_message(const std::string& fallback) {
    std::string text = ui_.message.empty() ? fallback : ui_.message;
    ui_.message.clear();
    throw failure(text);
}

std::string gtp_front_end::clear_board() {
    session_settings();
    // The protocol's handicap comes as stones after the board is cleared.
    game_settings no_handicap = control_.settings();
    no_handicap.handicap = 0;
    control_.new_game_with_properties(&no_handicap);
    return "";
}

std::string gtp_front_end::play(const arguments& a) {
    a.require(2);
    const int colour = a.colour(0);
    const vertex v = a.point(1);
    ui_.message.clear();
    // The record alternates colours: a colour asked to play out of turn
    // follows a pass of the other colour.
    const bool out_of_turn = colour != control_.side();
    if (out_of_turn && !control_.human_pass()) fail_with_message("illegal move");
    const bool played = v.is_pass() ? control_.human_pass() : control_.human_move(v.x, v.y);
    if (!played) {
        if (out_of_turn) control_.undo();
        fail_with_message("illegal move");
    }
    entries_per_play_.push_back(out_of_turn ? 2 : 1);
    return "";
}

std::string gtp_front_end::undo() {
    const int entries = entries_per_play_.empty() ? 1 : entries_per_play_.back();
    if (!control_.game().can_undo(control_.undo_limit() + entries - 1)) {
        throw failure("cannot undo");
    }
    for (int i = 0; i < entries; ++i) control_.undo();
    if (!entries_per_play_.empty()) entries_per_play_.pop_back();
    const std::size_t entries_left = control_.game().eng().no_moves;
    if (time_after_move_.size() > entries_left) time_after_move_.resize(entries_left);
    return "";
}

void gtp_front_end::require_empty_board() const {
    if (control_.game().recorded_moves() != 0) throw failure("board not empty");
}

void gtp_front_end::place_handicap_stones(const std::vector<vertex>& stones) {
    std::vector<std::pair<int, int>> points;
    for (const vertex& v : stones) points.emplace_back(v.x, v.y);
    control_.place_handicap(points);
}

std::string gtp_front_end::fixed_handicap(const arguments& a) {
    a.require(1);
    const int n = a.integer(0);
    if (n < 2 || n > 9) throw failure("invalid number of stones");
    require_empty_board();
    // The protocol's fixed points in its own order: the corners D4, Q16,
    // D16, Q4, then the sides D10, Q10 (6 and more), K4, K16 (8 and more),
    // and the centre K10 for odd numbers from 5.
    const vertex corners[4] = {{4, 16}, {16, 4}, {4, 4}, {16, 16}};
    const vertex sides[4] = {{4, 10}, {16, 10}, {10, 16}, {10, 4}};
    std::vector<vertex> stones(corners, corners + std::min(n, 4));
    const int side_stones = n >= 8 ? 4 : n >= 6 ? 2 : 0;
    stones.insert(stones.end(), sides, sides + side_stones);
    if (n >= 5 && n % 2 == 1) stones.push_back({10, 10});
    place_handicap_stones(stones);
    return vertex_list(stones);
}

// The engine's own handicap points; beyond 13 stones more would add
// nothing, and the protocol lets the engine place fewer than asked.
std::string gtp_front_end::place_free_handicap(const arguments& a) {
    a.require(1);
    const int n = a.integer(0);
    if (n < 2 || n >= 19 * 19) throw failure("invalid number of stones");
    require_empty_board();
    std::vector<vertex> stones;
    for (const auto& [x, y] : control_.game().handicap_points(n)) stones.push_back({x, y});
    place_handicap_stones(stones);
    return vertex_list(stones);
}

std::string gtp_front_end::set_free_handicap(const arguments& a) {
    std::vector<vertex> stones;
    for (int i = 0; i < a.size(); ++i) stones.push_back(a.point(i));
    require_empty_board();
    const bool repeated = std::any_of(stones.begin(), stones.end(), [&](const vertex& v) {
        return std::count(stones.begin(), stones.end(), v) > 1;
    });
    const bool has_pass =
        std::any_of(stones.begin(), stones.end(), [](const vertex& v) { return v.is_pass(); });
    if (stones.size() < 2 || stones.size() > 360 || repeated || has_pass) {
        throw failure("bad vertex list");
    }
    place_handicap_stones(stones);
    return "";
}

std::string gtp_front_end::showboard() {
    std::string letters = "  ";
    for (const char column : std::string_view(coord::gtp_columns)) letters += {' ', column};
    letters += '\n';
    std::string board = "\n" + letters;
    for (int y = 1; y <= 19; ++y) {
        const std::string row = std::to_string(coord::gtp_row(y));
        board += std::string(2 - std::min<size_t>(row.size(), 2), ' ') + row;
        for (int x = 1; x <= 19; ++x) {
            const int c = control_.game().colour_at(x, y);
            const bool star = (x == 4 || x == 10 || x == 16) && (y == 4 || y == 10 || y == 16);
            board += c == 1 ? " X" : c == -1 ? " O" : star ? " +" : " .";
        }
        board += " " + row + "\n";
    }
    board += letters;
    const auto [black, white] = control_.captured_stones();
    board += "Captured: Black " + std::to_string(black) + ", White " + std::to_string(white) +
             "; " + (control_.side() == 1 ? "Black" : "White") + " to move";
    return board;
}

std::string gtp_front_end::list_stones(const arguments& a) {
    a.require(1);
    const int colour = a.colour(0);
    std::vector<vertex> stones;
    for (int y = 1; y <= 19; ++y) {
        for (int x = 1; x <= 19; ++x) {
            if (control_.game().colour_at(x, y) == colour) stones.push_back({x, y});
        }
    }
    return vertex_list(stones);
}

std::string gtp_front_end::loadsgf(const arguments& a) {
    a.require(1);
    ui_.message.clear();
    if (!control_.open_file(a.word(0))) {
        const std::string why = ui_.message;
        ui_.message.clear();
        throw failure(why.empty() ? "cannot load file" : "cannot load file: " + why);
    }
    session_settings();
    return control_.side() == 1 ? "black" : "white";
}

sgf_clock gtp_front_end::record_clock() const {
    sgf_clock clock = clock_.limits();
    clock.after_move = time_after_move_;
    return clock;
}

std::string gtp_front_end::printsgf(const arguments& a) {
    if (a.size() == 1) {
        if (!control_.save_file(a.word(0), record_clock())) throw failure("cannot save file");
        return "";
    }
    a.require(0);
    return control_.save_text(record_clock());
}

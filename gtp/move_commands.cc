// The protocol's commands for the computer's moves and the end of the game:
// genmove, reg_genmove, kgs-genmove_cleanup, final_score, final_status_list,
// and the time commands: under a clock the reading depths of each move are
// capped by the time there is for it.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "engine/base/random.h"
#include "gtp/front_end.h"

using gtp::arguments;
using gtp::failure;

void gtp_front_end::register_move_commands() {
    registry_.add("genmove", [this](const arguments& a) { return genmove(a, generation::play); });
    registry_.add("reg_genmove",
                  [this](const arguments& a) { return genmove(a, generation::take_back); });
    registry_.add("kgs-genmove_cleanup",
                  [this](const arguments& a) { return genmove(a, generation::cleanup); });
    registry_.add("final_score", [this](const arguments& a) {
        a.require(0);
        return final_score();
    });
    registry_.add("final_status_list", [this](const arguments& a) { return final_status_list(a); });
    registry_.add("time_settings", [this](const arguments& a) {
        a.require(3);
        // Times and stone counts: a negative one is not a clock.
        for (int i = 0; i < 3; ++i) {
            if (a.integer(i) < 0) throw failure("syntax error");
        }
        clock_.settings(a.integer(0), a.integer(1), a.integer(2));
        return std::string();
    });
    registry_.add("time_left", [this](const arguments& a) {
        a.require(3);
        const int colour = a.colour(0);
        if (a.integer(1) < 0 || a.integer(2) < 0) throw failure("syntax error");
        clock_.left(colour, a.integer(1), a.integer(2));
        return std::string();
    });
}

std::string gtp_front_end::genmove(const arguments& a, generation kind) {
    a.require(1);
    const int colour = a.colour(0);
    const auto start = std::chrono::steady_clock::now();
    ui_.message.clear();
    // A taken-back move also gives back the random numbers it drew: only
    // what the engine learnt about the points remains of it.
    const subtractive_random random_before = random_generator();
    const bool out_of_turn = colour != control_.side();
    if (out_of_turn && !control_.human_pass()) fail_with_message("cannot move");
    apply_depths(depths_for_budget(options_, clock_.move_budget(colour)));
    point* move = control_.play_computer_move();
    apply_depths();
    if (move == nullptr) {
        if (out_of_turn) control_.undo();
        fail_with_message("cannot move");
    }
    gtp::vertex played{move->x, move->y};
    if (kind == generation::cleanup && move->is_pass()) {
        if (const std::optional<board_point> attack = cleanup_move(colour)) {
            played = {attack->x, attack->y};
        }
    }
    entries_per_play_.push_back(out_of_turn ? 2 : 1);
    const std::string reply = gtp::vertex_text(played);
    if (kind == generation::take_back) {
        undo();
        random_generator() = random_before;
    } else {
        set_computer(colour, true);
        record_time(colour, std::chrono::duration<double>(std::chrono::steady_clock::now() - start)
                                .count());
    }
    return reply;
}

void gtp_front_end::record_time(int colour, double seconds) {
    clock_.spend(colour, seconds);
    const std::size_t entries = control_.game().eng().no_moves;
    time_after_move_.resize(entries);
    time_after_move_.back() = clock_.time_left(colour);
}

// In place of the pass just played: a move that captures stones the engine
// rates dead (see position_analysis::capture_dead_stones); null (the pass
// stands) when there is none.
std::optional<board_point> gtp_front_end::cleanup_move(int colour) {
    control_.undo();
    const std::optional<board_point> move = analysis().capture_dead_stones(colour);
    if (move) {
        control_.human_move(move->x, move->y);
    } else {
        control_.human_pass();
    }
    return move;
}

std::string gtp_front_end::final_score() {
    analysis();
    const double score = control_.score();
    if (score > -0.001 && score < 0.001) return "0";
    char text[32];
    std::snprintf(text, sizeof text, "%c+%.1f", score > 0 ? 'B' : 'W', score > 0 ? score : -score);
    std::string result = text;
    // Whole points without a decimal.
    if (result.size() > 2 && result.compare(result.size() - 2, 2, ".0") == 0) {
        result.resize(result.size() - 2);
    }
    return result;
}

// One string a line, strings and their stones in the order of the board's
// rows from the top.
std::string gtp_front_end::final_status_list(const arguments& a) {
    a.require(1);
    const std::string& status = a.word(0);
    if (status != "alive" && status != "dead" && status != "seki") throw failure("syntax error");
    // The engine does not tell seki from life: seki stones are listed alive.
    if (status == "seki") return "";
    std::string lines;
    for (const std::vector<board_point>& stones : analysis().strings(status == "dead")) {
        std::string line;
        for (const board_point& p : stones) {
            if (!line.empty()) line += ' ';
            line += gtp::vertex_text({p.x, p.y});
        }
        if (!lines.empty()) lines += '\n';
        lines += line;
    }
    return lines;
}

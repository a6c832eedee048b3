// Analysis commands, prefixed "winkirvo-": what the engine knows about the
// position on the board, for regression suites and curious users.
#include <cstdio>
#include <string>

#include "gtp/front_end.h"

using gtp::arguments;
using gtp::failure;

namespace {

// Three decimals, and no minus sign on a value that rounds to zero.
std::string fixed3(double x) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", x);
    return std::string(text) == "-0.000" ? "0.000" : text;
}

// The stone at v, which the analysis commands ask about.
board_point stone_at(const position_analysis& analysis, gtp::vertex v) {
    if (v.is_pass()) throw failure("syntax error");
    const board_point p{v.x, v.y};
    if (analysis.colour(p) == 0) throw failure("vertex is empty");
    return p;
}

std::string move_text(board_point move) {
    return move == board_point{} ? "none" : gtp::vertex_text({move.x, move.y});
}

}  // namespace

void gtp_front_end::register_analysis_commands() {
    registry_.add("winkirvo-depths", [this](const arguments& a) {
        a.require(3);
        const int depths[3] = {a.integer(0), a.integer(1), a.integer(2)};
        for (int depth : depths) {
            if (!is_reading_depth(depth)) throw failure("depth out of range (0 to 1000)");
        }
        options_.status_depth = depths[0];
        options_.connection_depth = depths[1];
        options_.life_death_depth = depths[2];
        apply_depths();
        return std::string();
    });
    registry_.add("winkirvo-string_status", [this](const arguments& a) {
        a.require(1);
        return string_status(a.point(0));
    });
    registry_.add("winkirvo-group", [this](const arguments& a) {
        a.require(1);
        return group_report(a.point(0));
    });
    registry_.add("winkirvo-connection", [this](const arguments& a) {
        a.require(2);
        return connection_report(a.point(0), a.point(1));
    });
    registry_.add("winkirvo-territory", [this](const arguments& a) {
        a.require(0);
        return territory_map();
    });
    // What a long session must keep bounded, for the soak test.
    registry_.add("winkirvo-memory", [this](const arguments& a) {
        a.require(0);
        const position_analysis::memory_use m = control_.analysis().memory();
        return "proofs " + std::to_string(m.proofs) + " proof_size " +
               std::to_string(m.proof_size) + " tables_alive " + std::to_string(m.tables_alive) +
               " largest_table " + std::to_string(m.largest_table);
    });
}

void gtp_front_end::apply_depths() {
    apply_depths(options_);
}

void gtp_front_end::apply_depths(const program_options& depths) {
    for (const int colour : {1, -1}) {
        player_settings player = control_.settings().player(colour);
        player.status_depth = depths.status_depth;
        player.connection_depth = depths.connection_depth;
        player.life_death_depth = depths.life_death_depth;
        control_.set_player(colour, player);
    }
}

// The engine's readings of the position on the board, readied at the
// session's depths.
position_analysis gtp_front_end::analysis() {
    position_analysis analysis = control_.analysis();
    analysis.ready(options_.status_depth, options_.connection_depth, options_.life_death_depth);
    return analysis;
}

std::string gtp_front_end::string_status(gtp::vertex v) {
    position_analysis a = analysis();
    const position_analysis::string_reading r = a.read_string(stone_at(a, v));
    return "status=" + std::to_string(r.status) + " capture=" + std::to_string(r.captured) +
           " save=" + std::to_string(r.saved) + " capture_move=" + move_text(r.capture_move) +
           " save_move=" + move_text(r.save_move);
}

// The group of the stone at v after a full evaluation for the side to move;
// fractions with three decimals.
std::string gtp_front_end::group_report(gtp::vertex v) {
    position_analysis a = analysis();
    const position_analysis::group_reading g = a.read_group(stone_at(a, v));
    return "stones=" + std::to_string(g.stones) + " safety=" + fixed3(g.safety) +
           " nn_safety=" + fixed3(g.nn_safety) + " harassment=" + fixed3(g.harassment) +
           " life=" + std::to_string(g.life) + " eyes=" + fixed3(g.eyes) +
           " eyespace=" + fixed3(g.eyespace) + " freedom=" + fixed3(g.freedom) +
           " conf_space=" + std::to_string(g.conf_space) + " conf_lim=" + fixed3(g.conf_lim);
}

// The connection verdict between the strings at v and w after a full
// evaluation (0 when the analysis keeps no record of the pair), and the
// connect and cut readings of the pair.
std::string gtp_front_end::connection_report(gtp::vertex v, gtp::vertex w) {
    position_analysis a = analysis();
    const board_point first = stone_at(a, v);
    const board_point second = stone_at(a, w);
    if (a.colour(first) != a.colour(second)) throw failure("stones of different colours");
    if (a.same_string(first, second)) throw failure("one string");
    const position_analysis::connection_reading r = a.read_connection(first, second);
    return "status=" + std::to_string(r.status) + " connect=" + std::to_string(r.connect) +
           " cut=" + std::to_string(r.cut);
}

// Every point's territory value for Black after a full evaluation for the
// side to move: nineteen rows from the top, three decimals.
std::string gtp_front_end::territory_map() {
    const std::vector<double> values = analysis().territory_values();
    std::string map;
    for (size_t k = 0; k < values.size(); ++k) {
        if (k > 0) map += k % 19 == 0 ? "\n" : " ";
        map += fixed3(values[k]);
    }
    return map;
}

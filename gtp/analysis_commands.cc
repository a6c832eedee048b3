// Analysis commands, prefixed "winkirvo-": what the engine knows about the
// position on the board, for regression suites and curious users.
#include <cstdio>
#include <string>

#include "engine/evaluation/connection.h"
#include "engine/reading/proof_record.h"
#include "engine/reading/transposition_table.h"
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
point* stone_at(engine& e, gtp::vertex v) {
    if (v.is_pass()) throw failure("syntax error");
    point* p = e.at(v.x, v.y);
    if (p->colour == 0) throw failure("vertex is empty");
    return p;
}

std::string first_move_text(const proof_tree& tree) {
    point* move = tree.single_first_move();
    return move != nullptr ? gtp::vertex_text({move->x, move->y}) : "none";
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
        const engine& e = control_.engine_for_analysis();
        return "proofs " + std::to_string(e.proofs->count()) + " proof_size " +
               std::to_string(e.proofs->total_size()) + " tables_alive " +
               std::to_string(transposition_table::alive()) + " largest_table " +
               std::to_string(transposition_table::largest());
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

// Readies the engine for analysis of the position on the board: the
// session's depths, and the move number that stamps stored proofs (so that
// the proof base purges old ones as it does during play).
engine& gtp_front_end::analysis_engine() {
    engine& e = control_.engine_for_analysis();
    e.set_depth_limits(options_.status_depth, options_.connection_depth, options_.life_death_depth);
    e.root_move_number = e.no_moves;
    return e;
}

std::string gtp_front_end::string_status(gtp::vertex v) {
    engine& e = analysis_engine();
    point* p = stone_at(e, v);
    e.evaluate_all_strings();
    str* s = p->str_ptr;
    const int status = s->status;
    proof_record capture, save;
    const int captured = e.can_capture_string(s, e.max_depth_status, &capture);
    const int saved = e.can_save_string(s, e.max_depth_status, &save);
    return "status=" + std::to_string(status) + " capture=" + std::to_string(captured) +
           " save=" + std::to_string(saved) + " capture_move=" + first_move_text(capture.proof) +
           " save_move=" + first_move_text(save.proof);
}

// The group of the stone at v after a full evaluation for the side to move;
// fractions with three decimals.
std::string gtp_front_end::group_report(gtp::vertex v) {
    engine& e = analysis_engine();
    point* p = stone_at(e, v);
    e.evaluate(e.turn());
    const group* g = p->str_ptr->owner_group;
    return "stones=" + std::to_string(g->size) + " safety=" + fixed3(g->safety) +
           " nn_safety=" + fixed3(g->nn_safety) + " harassment=" + fixed3(g->harassment) +
           " life=" + std::to_string(g->life_result) + " eyes=" + fixed3(g->eyes) +
           " eyespace=" + fixed3(g->eyespace) + " freedom=" + fixed3(g->freedom) +
           " conf_space=" + std::to_string(g->conf_space) + " conf_lim=" + fixed3(g->conf_lim);
}

// The connection verdict between the strings at v and w after a full
// evaluation (0 when the analysis keeps no record of the pair), and the
// connect and cut readings of the pair.
std::string gtp_front_end::connection_report(gtp::vertex v, gtp::vertex w) {
    engine& e = analysis_engine();
    str* first = stone_at(e, v)->str_ptr;
    str* second = stone_at(e, w)->str_ptr;
    if (first->colour != second->colour) throw failure("stones of different colours");
    if (first == second) throw failure("one string");
    e.evaluate(e.turn());
    const connection* record = first->find_connection(second);
    const int connect = e.can_connect(first, second, e.max_depth_connection, nullptr);
    const int cut = e.can_cut(first, second, e.max_depth_connection, nullptr);
    return "status=" + std::to_string(record != nullptr ? record->status : 0) +
           " connect=" + std::to_string(connect) + " cut=" + std::to_string(cut);
}

// Every point's territory value for Black after a full evaluation for the
// side to move: nineteen rows from the top, three decimals.
std::string gtp_front_end::territory_map() {
    engine& e = analysis_engine();
    e.evaluate(e.turn());
    std::string map;
    for (int y = 1; y <= 19; ++y) {
        for (int x = 1; x <= 19; ++x) {
            map += fixed3(e.territory_value(e.at(x, y), 1));
            map += x < 19 ? " " : y < 19 ? "\n" : "";
        }
    }
    return map;
}

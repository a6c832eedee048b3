// Analysis commands, prefixed "winkirvo-": what the engine knows about the
// position on the board, for regression suites and curious users.
#include <string>

#include "engine/proof_record.h"
#include "gtp/front_end.h"

using gtp::arguments;
using gtp::failure;

namespace {

std::string first_move_text(const proof_tree& tree) {
    point* move = tree.single_first_move();
    return move != nullptr ? gtp::vertex_text({move->x, move->y}) : "none";
}

}  // namespace

void gtp_front_end::register_analysis_commands() {
    registry_.add("winkirvo-depths", [this](const arguments& a) {
        a.require(3);
        options_.status_depth = a.integer(0);
        options_.connection_depth = a.integer(1);
        options_.life_death_depth = a.integer(2);
        apply_depths();
        return std::string();
    });
    registry_.add("winkirvo-string_status", [this](const arguments& a) {
        a.require(1);
        return string_status(a.point(0));
    });
}

void gtp_front_end::apply_depths() {
    control_.m_nBlackStatusDepth = control_.m_nWhiteStatusDepth = options_.status_depth;
    control_.m_nBlackConnectionDepth = control_.m_nWhiteConnectionDepth = options_.connection_depth;
    control_.m_nBlackLifeDeathDepth = control_.m_nWhiteLifeDeathDepth = options_.life_death_depth;
}

// Readies the engine for analysis of the position on the board: the
// session's depths, and the move number that stamps stored proofs (so that
// the proof base purges old ones as it does during play).
engine& gtp_front_end::analysis_engine() {
    engine& e = control_.m_game.eng();
    e.set_depth_limits(options_.status_depth, options_.connection_depth,
                       options_.life_death_depth);
    e.root_move_number = e.no_moves;
    return e;
}

std::string gtp_front_end::string_status(gtp::vertex v) {
    if (v.is_pass()) throw failure("syntax error");
    engine& e = analysis_engine();
    point* p = e.at(v.x, v.y);
    if (p->colour == 0) throw failure("vertex is empty");
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

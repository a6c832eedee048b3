#include "game/position_analysis.h"

#include <algorithm>

#include "engine/board/board_size.h"
#include "engine/engine.h"
#include "engine/evaluation/connection.h"
#include "engine/reading/proof_record.h"
#include "engine/reading/transposition_table.h"
#include "game/board_report.h"

namespace {

board_point first_move(const proof_tree& tree) {
    const point* move = tree.single_first_move();
    return move != nullptr ? board_point{move->x, move->y} : board_point{};
}

}  // namespace

void position_analysis::ready(int status_depth, int connection_depth, int life_death_depth) {
    engine_.set_depth_limits(status_depth, connection_depth, life_death_depth);
    engine_.root_move_number = engine_.no_moves;
}

point* position_analysis::at(board_point p) const {
    return engine_.at(p.x, p.y);
}

int position_analysis::colour(board_point p) const {
    return at(p)->colour;
}

bool position_analysis::same_string(board_point a, board_point b) const {
    return at(a)->str_ptr == at(b)->str_ptr;
}

position_analysis::string_reading position_analysis::read_string(board_point p) {
    engine_.evaluate_all_strings();
    str* s = at(p)->str_ptr;
    string_reading r;
    r.status = s->status;
    proof_record capture, save;
    r.captured = engine_.can_capture_string(s, engine_.max_depth_status, &capture);
    r.saved = engine_.can_save_string(s, engine_.max_depth_status, &save);
    r.capture_move = first_move(capture.proof);
    r.save_move = first_move(save.proof);
    return r;
}

position_analysis::group_reading position_analysis::read_group(board_point p) {
    engine_.evaluate(engine_.turn());
    const group* g = at(p)->str_ptr->owner_group;
    group_reading r;
    r.stones = g->size;
    r.safety = g->safety;
    r.nn_safety = g->nn_safety;
    r.harassment = g->harassment;
    r.life = g->life_result;
    r.eyes = g->eyes;
    r.eyespace = g->eyespace;
    r.freedom = g->freedom;
    r.conf_space = g->conf_space;
    r.conf_lim = g->conf_lim;
    return r;
}

position_analysis::connection_reading position_analysis::read_connection(board_point a,
                                                                         board_point b) {
    str* first = at(a)->str_ptr;
    str* second = at(b)->str_ptr;
    engine_.evaluate(engine_.turn());
    const connection* record = first->find_connection(second);
    connection_reading r;
    r.status = record != nullptr ? record->status : 0;
    r.connect = engine_.can_connect(first, second, engine_.max_depth_connection, nullptr);
    r.cut = engine_.can_cut(first, second, engine_.max_depth_connection, nullptr);
    return r;
}

std::vector<double> position_analysis::territory_values() {
    engine_.evaluate(engine_.turn());
    std::vector<double> values;
    for (int y = 1; y <= board_size; ++y) {
        for (int x = 1; x <= board_size; ++x)
            values.push_back(engine_.territory_value(engine_.at(x, y), 1));
    }
    return values;
}

bool position_analysis::is_dead_stone(const point* p) const {
    const double safety = board_report(engine_).stone_safety(p->x, p->y);
    return safety >= 0 && safety < 0.5;
}

std::vector<std::vector<board_point>> position_analysis::strings(bool dead) {
    engine_.evaluate(engine_.turn());
    std::vector<const str*> listed;
    std::vector<std::vector<board_point>> lists;
    for (int y = 1; y <= board_size; ++y) {
        for (int x = 1; x <= board_size; ++x) {
            const point* p = engine_.at(x, y);
            if (p->colour == 0 || is_dead_stone(p) != dead) continue;
            const str* s = p->str_ptr;
            if (std::find(listed.begin(), listed.end(), s) != listed.end()) continue;
            listed.push_back(s);
            std::vector<board_point>& stones = lists.emplace_back();
            for (int v = 1; v <= board_size; ++v) {
                for (int u = 1; u <= board_size; ++u) {
                    if (engine_.at(u, v)->str_ptr == s) stones.push_back({u, v});
                }
            }
        }
    }
    return lists;
}

std::optional<board_point> position_analysis::capture_dead_stones(int colour) {
    engine& e = engine_;
    e.evaluate(colour);
    e.collect_game_boards();
    point* fallback = nullptr;
    for (int k = 0; k < e.n_points; ++k) {
        const point* p = e.points[k];
        if (p->colour != -colour || !is_dead_stone(p)) continue;
        for (point* liberty : p->str_ptr->liberties.to_vector()) {
            if (!e.is_legal_move(liberty, colour) || e.repeats_game_board(liberty, colour)) {
                continue;
            }
            if (fallback == nullptr) fallback = liberty;
            if (e.is_sensible_move(liberty, colour)) return board_point{liberty->x, liberty->y};
        }
    }
    if (fallback == nullptr) return std::nullopt;
    return board_point{fallback->x, fallback->y};
}

position_analysis::memory_use position_analysis::memory() const {
    return {engine_.proofs->count(), engine_.proofs->total_size(), transposition_table::alive(),
            transposition_table::largest()};
}

// The computer's move: no game-tree search, but every candidate made on the
// board, the position evaluated after it, and a value formed from the
// territory gained, shape, joseki, safety, the answer to the opponent's
// last move and a little randomness early on.  A poor best candidate gives
// way to a second choice among tactically safe moves, and a pass ends the
// search when nothing is worth more than a little.
#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/base/diagnostics.h"
#include "engine/base/random.h"
#include "engine/board/colour.h"
#include "engine/play/move_choice.h"
#include "engine/play/move_chooser.h"

namespace {

// The terms of a candidate's equity, in points of territory.
constexpr double far_gain_cap = 0.1;         // per point away from the move: reading's side effects
constexpr double pressing_penalty = -100.0;  // a stone pressing lone enemy stones is never chosen
constexpr double shape_base = 1.1;           // shape counts as 1 / (shape_base - score)
constexpr double shape_fade = 0.05;          // per move: shape matters less as the board fills
constexpr int solid_shape_moves = 150;       // before this, a stone joining a string adds 1
constexpr double joseki_weight = 20;         // a library move outweighs most territory gains
constexpr int random_moves = 50;             // the opening is varied by a random term
constexpr double random_step = 0.25;         // of -10 to 10 steps of this size
constexpr double moyo_bonus = 5.0;           // a move into the opponent's framework
constexpr double safety_offset = 2.0;        // the new stone's group safety counts above this
constexpr double dead_group_threat = 10.0;   // a standing stone of a dead group needs an answer
constexpr double open_value = 0.51;          // points this open are tried as safe moves

// Gains far from the move are mostly side effects of reading that the move
// did not cause; each point may add at most far_gain_cap of them.
double far_gain(const move_chooser& e, const point* p) {
    double sum = 0.0;
    for (int k = 0; k < e.n_points; ++k) {
        const point* x = e.points[k];
        if (p->near3.contains(x)) continue;
        sum += std::clamp(x->value - x->previous_value, 0.0, far_gain_cap);
    }
    return sum;
}

// A White stone that presses on a Black string surrounded by lone White
// stones is a pattern White must not play.
bool presses_single_stones(const point* p, int a) {
    if (a != white) return false;
    for (int n = 0; n < p->n_neighbours; ++n) {
        const point* q = p->neighbours[n];
        if (q->colour == black && q->str_ptr->single_stone_pressure()) return true;
    }
    return false;
}

// The value of a candidate that must not be played: no value beats NaN.
constexpr double never_chosen = std::numeric_limits<double>::quiet_NaN();

bool next_to_capturable_enemy(const point* p, int a) {
    for (int n = 0; n < p->n_neighbours; ++n) {
        const point* q = p->neighbours[n];
        if (q->colour == -a && q->str_ptr->capturable_now()) return true;
    }
    return false;
}

}  // namespace

point* move_chooser::generate_move(int a) {
    diag::quiet_scope quiet(!diag::debug_enabled());
    in_generation = 0;
    candidates_evaluated = 0;
    point* const last = last_point();
    root_move_number = no_moves;
    collect_game_boards();

    push(pass_point, a);
    pass_point->equity = evaluate(a);
    const double pass_value = pass_point->equity;
    snapshot();
    pop();

    const double sente = opponent_sente();
    point_set k;
    collect_candidates(a, last, k);
    point_set moyo;
    templates->moyo(-a, moyo);
    if (!moyo.empty()) {
        moyo.sort_by_score();
        point* invasion = moyo.first();
        k.add(invasion);
        diag::print(" m");
        invasion->print(diag::out());
        diag::print("m ");
    }
    add_connection_candidates(a, k);

    in_generation = 1;
    move_choice choice = choose_best(k, {pass_point, 0.0}, [&](point* d) {
        d->print(diag::out());
        evaluate_candidate(d, a, last, sente, moyo, pass_value);
        d->save_eq(turn());
        return repeats_game_board(d, a) ? never_chosen : d->equity;
    });
    if (!is_accepted(choice, pass_point)) {
        k.clear();
        if (choice.best != pass_point) k.add(choice.best);
        add_safe_uncertain_moves(a, k);
        choice.best = secondary_pick(k, a, pass_value);
    }
    point* const chosen = choice.best;

    check_position();
    chosen->invalidate_near2();
    if (chosen == pass_point) {
        diag::print("No More for %d\n", a);
        diag::flush();
        print_board();
    } else {
        diag::print("*");
        diag::flush();
        chosen->print(diag::out());
        diag::print("*");
        diag::flush();
    }
    play_move(chosen, a);
    evaluate_after_move(chosen, a);
    in_generation = 0;
    return chosen;
}

double move_chooser::opponent_sente() {
    double value = 0.0;
    point* last = last_point();
    if (no_moves > 1 && last != pass_point) {
        const str* s = last->str_ptr;
        const group* g = s != nullptr ? s->owner_group : nullptr;
        const bool after_ko_capture = move_stack[no_moves - 2].ko != 0;
        if (s != nullptr && s->status == str::safe && g != nullptr && g->life_result == -1 &&
            !after_ko_capture) {
            // A stone that stands but whose group is dead: a threat that
            // needs an answer.
            value = dead_group_threat;
        } else {
            const int t = last->colour;
            if (t == 0) return 0.0;
            // What the move was worth to its player, as a follow-up move.
            pop();
            shape_eval(last, t, value);
            push(last, t);
        }
    }
    diag::print("opponent_sente %5.3f ", value);
    return value;
}

void move_chooser::evaluate_candidate(point* p, int a, point* last, double sente, const point_set& moyo,
                                double pass_value) {
    ++candidates_evaluated;
    push(p, a);
    check_position();
    const double after = evaluate_after_move(p, a);
    double gain = after - far_gain(*this, p) - pass_value;
    if (presses_single_stones(p, a)) gain = pressing_penalty;

    double shape = 1.0 / (shape_base - p->score) / (no_moves * shape_fade + 1);
    if (no_moves < solid_shape_moves && p->str_ptr->stones.count() > 1) shape += 1.0;

    double local = p->joseki_value * joseki_weight;
    double answer = 0.0;
    if (last->near2.contains(p)) {
        answer = sente / (shape_base - p->score);
        if (next_to_capturable_enemy(p, a)) answer = 0.0;
    }
    const double random = no_moves < random_moves ? random_int(-10, 10) * random_step : 0.0;
    if (moyo.contains(p)) local += moyo_bonus;
    local += std::max(stone_safety(p), 0.0) - safety_offset;

    p->equity = local + answer + shape + random + gain;
    pop();
}

void move_chooser::add_safe_uncertain_moves(int a, point_set& k) {
    for (int index = 0; index < n_points; ++index) {
        point* p = points[index];
        if (!is_legal_move(p, a) || !(std::abs(p->previous_value) < open_value)) continue;
        push(p, a);
        const int captured = can_capture_string(p->str_ptr, max_depth_status, nullptr);
        pop();
        if (captured == -1) k.add(p);
    }
}

point* move_chooser::secondary_pick(point_set& k, int a, double pass_value) {
    const move_choice choice = choose_best(k, {pass_point, secondary_floor}, [&](point* p) {
        ++candidates_evaluated;
        double opponent_sente_value = 0.0;
        shape_eval(p, -a, opponent_sente_value);
        push(p, a);
        const double v =
            (evaluate_after_move(p, a) - pass_value) * (opponent_sente_value + p->sente_value + 1);
        p->equity = v;
        pop();
        return repeats_game_board(p, a) ? never_chosen : v;
    });
    return choice.best;
}

void move_chooser::collect_game_boards() {
    game_boards.clear();
    position_key::board_words b = key.board();
    game_boards.push_back(b);
    for (int i = no_moves - 1; i >= 0; --i) {
        const move_record& r = move_stack[i];
        if (r.where == pass_point) continue;
        position_key::change_stone(b, r.where, r.colour, -1);
        for (int j = 0; j < r.captured.count(); ++j) {
            for (const point* q : r.captured.at(j)->stones.to_vector())
                position_key::change_stone(b, q, -r.colour, 1);
        }
        game_boards.push_back(b);
    }
}

// The board after the stone is worked out on the side, without making the
// move: the strings it would capture are the enemy's with one liberty.
bool move_chooser::repeats_game_board(const point* p, int a) const {
    if (p == pass_point) return false;
    position_key::board_words b = key.board();
    position_key::change_stone(b, p, a, 1);
    const str* taken[4];
    int n_taken = 0;
    for (int i = 0; i < p->n_neighbours; ++i) {
        const str* s = p->neighbours[i]->str_ptr;
        if (p->neighbours[i]->colour != -a || s->liberties.count() != 1) continue;
        if (std::find(taken, taken + n_taken, s) != taken + n_taken) continue;
        taken[n_taken++] = s;
        for (const point* q : s->stones.to_vector())
            position_key::change_stone(b, q, -a, -1);
    }
    return std::find(game_boards.begin(), game_boards.end(), b) != game_boards.end();
}

// The depth-limited two-player searches behind every tactical question.
// Values are from the side to move: 1 it reaches its goal, -1 it fails, 0
// the depth limit came first.  Every move is taken back before a search
// returns.
#include <algorithm>

#include "engine/base/diagnostics.h"
#include "engine/reading/reader.h"

namespace {

void store(position_key* entry, int& lower, int& upper, int lo, int up) {
    lower = lo;
    upper = up;
    entry->set_bounds(lo, up);
}

}  // namespace

void reader::start_search() {
    search_start = no_moves;
    ladder_budget_base = ladder_count;
}

void reader::alpha_beta(point_set& targets, int colour, int depth, int max_depth, int alpha,
                        int beta, int& lower, int& upper, search_goal& mover_goal,
                        search_goal& other_goal) {
    ++ab_count;
    lower = upper = -1;
    // No move can raise the value above what an earlier visit of this
    // position proved as its upper bound.
    int cap = 1;
    position_key* entry = table->find(key);
    if (entry != nullptr) {
        if (entry->lower() >= beta || entry->lower() == entry->upper()) {
            lower = entry->lower();
            upper = entry->upper();
            return;
        }
        cap = entry->upper();
    } else {
        entry = table->insert(key);
    }

    int value;
    if (mover_goal.is_terminal(targets, depth, max_depth, value)) {
        store(entry, lower, upper, value, value);
        return;
    }
    point_set moves;
    mover_goal.generate_moves(targets, moves, depth);
    if (moves.empty()) {
        store(entry, lower, upper, -1, -1);
        return;
    }
    for (int i = 0; i < moves.count(); ++i) {
        point* m = moves.next();
        int child_lower, child_upper;
        push(m, colour);
        alpha_beta(targets, -colour, depth + 1, max_depth, -beta, -alpha, child_lower, child_upper,
                   other_goal, mover_goal);
        pop();
        upper = std::max(upper, -child_lower);
        if (-child_upper >= beta) {
            store(entry, lower, upper, -child_upper, std::min(1, cap));
            return;
        }
        if (-child_upper > lower) {
            lower = -child_upper;
            alpha = -child_upper;
        }
    }
    if (upper > cap) {
        diag::print("\nZ could this happen?");
        upper = cap;
    }
    store(entry, lower, upper, lower, upper);
}

void reader::alpha_beta_plain(point_set& targets, int colour, int depth, int max_depth, int alpha,
                              int beta, int& lower, int& upper, search_goal& mover_goal,
                              search_goal& other_goal) {
    ++ab_count;
    lower = upper = -1;
    int value;
    if (mover_goal.is_terminal(targets, depth, max_depth, value)) {
        lower = upper = value;
        return;
    }
    point_set moves;
    mover_goal.generate_moves(targets, moves, depth);
    for (int i = 0; i < moves.count(); ++i) {
        point* m = moves.next();
        int child_lower, child_upper;
        push(m, colour);
        alpha_beta_plain(targets, -colour, depth + 1, max_depth, -beta, -alpha, child_lower,
                         child_upper, other_goal, mover_goal);
        pop();
        upper = std::max(upper, -child_lower);
        if (-child_upper >= beta) {
            lower = -child_upper;
            upper = 1;
            return;
        }
        if (-child_upper > lower) {
            lower = -child_upper;
            alpha = -child_upper;
        }
    }
}

int reader::generic_can(point_set& targets, int colour, int max_depth, proof_record* record,
                        search_goal& mover_goal, search_goal& other_goal) {
    proof_record scratch;
    if (record == nullptr) {
        diag::print(" error generic_can... state.cc ");
        record = &scratch;
    }
    start_search();
    table = nullptr;
    table = std::make_unique<transposition_table>();
    int lower = 0;
    int upper = 0;
    // Deepening by two plies ends every iteration with the root's side to
    // move; only decided records carry over to the next iteration.
    for (int d = 2; d <= max_depth; d += 2) {
        table->purge_undecided();
        alpha_beta(targets, colour, 0, d, -1, 1, lower, upper, mover_goal, other_goal);
        if (lower != 0) break;
    }
    record->result = lower;
    generic_prove(targets, colour, 0, max_depth, record->proof, lower, mover_goal, other_goal);
    generic_disprove(targets, colour, 0, max_depth, record->refutation, lower, mover_goal,
                     other_goal);
    table = nullptr;
    table = std::make_unique<transposition_table>();
    return lower;
}

int reader::can_achieve_quick(point_set& targets, int colour, int max_depth,
                              search_goal& mover_goal, search_goal& other_goal) {
    start_search();
    for (int d = 2; d <= max_depth; d += 2) {
        int lower, upper;
        alpha_beta_plain(targets, colour, 0, d, -1, 1, lower, upper, mover_goal, other_goal);
        if (lower != 0) return lower;
    }
    return 0;
}

int reader::can_escape_quick(str* s, int max_depth) {
    point_set targets;
    targets.add(s->lowest_stone());
    return can_achieve_quick(targets, s->colour, max_depth, *goal_quick_escape,
                             *goal_quick_capture);
}

int reader::can_capture_quick(str* s, int max_depth) {
    point_set targets;
    targets.add(s->lowest_stone());
    return can_achieve_quick(targets, -s->colour, max_depth, *goal_quick_capture,
                             *goal_quick_escape);
}

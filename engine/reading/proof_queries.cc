// Tactical questions answered through proofs: every finished reading leaves
// a proof tree (the winning move at each of the prover's turns) and a
// refutation tree (every move of the other side), and before a new reading a
// stored proof about the same question is replayed on the current board.
#include "engine/base/diagnostics.h"
#include "engine/reading/reader.h"

namespace {

proof_tree::node* linked_node(const position_key* entry) {
    return static_cast<proof_tree::node*>(entry->link);
}

// The moves that the extraction follows from a node: none when the claim
// needs no tree there (stop) or the goal decides the node.
point_set moves_to_follow(search_goal& goal, point_set& targets, int depth, int max_depth,
                          bool stop) {
    point_set moves;
    int terminal_value;
    if (!stop && !goal.is_terminal(targets, depth, max_depth, terminal_value)) {
        goal.generate_moves(targets, moves, depth);
    }
    return moves;
}

void print_search_moves(reader& e) {
    for (int i = e.search_start; i < e.no_moves; ++i) e.move_stack[i].where->print(diag::out());
}

}  // namespace

// --- building the trees from the table -------------------------------------

void reader::generic_prove(point_set& targets, int colour, int depth, int max_depth,
                           proof_tree& tree, int value, search_goal& goal, search_goal& other) {
    point_set moves = moves_to_follow(goal, targets, depth, max_depth, value == -1);
    for (int i = 0; i < moves.count(); ++i) {
        point* m = moves.next();
        push(m, colour);
        position_key* entry = table->find(key);
        // After m the opponent can get no more than -value.
        if (entry != nullptr && entry->upper() <= -value &&
            (entry->link == nullptr || linked_node(entry)->depth >= tree.node_depth())) {
            tree.add_child(m);
            if (entry->link != nullptr) {
                tree.link(linked_node(entry));
            } else {
                entry->link = tree.current();
                generic_disprove(targets, -colour, depth + 1, max_depth, tree, -value, other, goal);
            }
            tree.up();
            pop();
            return;
        }
        pop();
    }
}

void reader::generic_disprove(point_set& targets, int colour, int depth, int max_depth,
                              proof_tree& tree, int value, search_goal& goal, search_goal& other) {
    point_set moves = moves_to_follow(goal, targets, depth, max_depth, value == 1);
    for (int i = 0; i < moves.count(); ++i) {
        point* m = moves.next();
        push(m, colour);
        position_key* entry = table->find(key);
        if (entry != nullptr && entry->upper() < value) {
            diag::print("\n");
            entry->print_key();
            print_board();
            diag::print("error generic_disprove ");
            diag::print("\n");
            print_search_moves(*this);
            pop();
            diag::print("\n");
            if (position_key* here = table->find(key)) here->print_key();
            return;
        }
        // Moves the reading never looked at are left out of the tree.
        if (entry != nullptr) {
            tree.add_child(m);
            generic_prove(targets, -colour, depth + 1, max_depth, tree, -value, other, goal);
            tree.up();
        }
        pop();
    }
}

// --- replaying a stored proof ----------------------------------------------

bool reader::verify_proof(point_set& targets, int colour, int max_depth, proof_record& record,
                          search_goal& mover_goal, search_goal& other_goal) {
    record.proof.to_root();
    record.refutation.to_root();
    return verify_win(targets, colour, 0, max_depth, record.proof, record.result, mover_goal,
                      other_goal) &&
           verify_refutation(targets, colour, 0, max_depth, record.refutation, record.result,
                             mover_goal, other_goal);
}

// The side to move still gets at least value by the single stored move.
bool reader::verify_win(point_set& targets, int colour, int depth, int max_depth, proof_tree& tree,
                        int value, search_goal& goal, search_goal& other) {
    if (tree.depth() > max_depth) return false;
    if (value == -1 || depth > goal.verify_depth_limit) return true;
    ladder_budget_base = ladder_count;
    int terminal_value;
    if (goal.is_terminal(targets, depth, max_depth, terminal_value)) return terminal_value >= value;
    if (tree.child_count() == 0) return tree.is_linked();
    if (tree.child_count() > 1) return false;
    point_set stored;
    tree.children(stored);
    point* m = stored.first();
    point_set offered;
    goal.generate_moves(targets, offered, depth);
    if (!is_legal_move(m, colour) || !offered.contains(m)) return false;
    tree.descend(m);
    push(m, colour);
    const bool holds =
        verify_refutation(targets, -colour, depth + 1, max_depth, tree, -value, other, goal);
    pop();
    tree.up();
    return holds;
}

// Whatever the side to move plays now, it gets no more than value.
bool reader::verify_refutation(point_set& targets, int colour, int depth, int max_depth,
                               proof_tree& tree, int value, search_goal& goal, search_goal& other) {
    if (value == 1 || depth > goal.verify_depth_limit) return true;
    ladder_budget_base = ladder_count;
    int terminal_value;
    if (goal.is_terminal(targets, depth, max_depth, terminal_value)) return terminal_value <= value;
    if (tree.child_count() == 0 && tree.is_linked()) return true;
    point_set offered;
    goal.generate_moves(targets, offered, depth);
    if (tree.child_count() == 0) return offered.empty();
    point_set stored;
    tree.children(stored);
    for (point* m : offered.to_vector()) {
        if (!stored.contains(m)) return false;
    }
    for (int i = 0; i < offered.count(); ++i) {
        point* m = offered.next();
        tree.descend(m);
        push(m, colour);
        const bool holds =
            verify_win(targets, -colour, depth + 1, max_depth, tree, -value, other, goal);
        pop();
        tree.up();
        if (!holds) return false;
    }
    return true;
}

// --- the queries -----------------------------------------------------------

int reader::answer_with_proof(int kind, point_set& search_targets, const point_set& record_targets,
                              int colour, int max_depth, search_goal& mover_goal,
                              search_goal& other_goal, proof_record* out_record) {
    point* last = last_point();
    std::vector<proof_record*> stored;
    proofs->find(kind, record_targets, last, stored);
    for (proof_record* r : stored) {
        if (!verify_proof(search_targets, colour, max_depth, *r, mover_goal, other_goal)) continue;
        r->mark_used(root_move_number, last);
        if (out_record != nullptr) r->copy_to(*out_record);
        ++proof_hits[kind];
        return r->result;
    }
    auto record =
        std::make_unique<proof_record>(kind, record_targets, colour, root_move_number, last);
    ++proof_searches[kind];
    const int result =
        generic_can(search_targets, colour, max_depth, record.get(), mover_goal, other_goal);
    if (out_record != nullptr) record->copy_to(*out_record);
    // Shallow readings are cheaper to repeat than to verify.
    if (record->depth() > 3) {
        proofs->store(std::move(record));
        ++proof_stores[kind];
    }
    return result;
}

namespace {

point_set string_targets(str* s) {
    point_set targets;
    targets.add(s->lowest_stone());
    return targets;
}

}  // namespace

int reader::can_save_string(str* s, int max_depth, proof_record* out_record) {
    point_set targets = string_targets(s);
    return answer_with_proof(proof_record::save_string, targets, targets, s->colour, max_depth, *goal_defend, *goal_capture,
                             out_record);
}

int reader::can_capture_string(str* s, int max_depth, proof_record* out_record) {
    point_set targets = string_targets(s);
    return answer_with_proof(proof_record::capture_string, targets, targets, -s->colour, max_depth, *goal_capture,
                             *goal_defend, out_record);
}

// One finished tactical reading kept for reuse: the question (kind, target
// points, first mover), its result, and the proof and refutation trees that
// show it.  The kinds: 0 save a string, 1 capture it, 2 connect two strings,
// 3 cut them, 4 make a group live, 5 kill it.
#pragma once

#include "engine/board/point_set.h"
#include "engine/reading/proof_tree.h"

class proof_record {
  public:
    // The six questions, in the order their counters are kept.
    static constexpr int save_string = 0;
    static constexpr int capture_string = 1;
    static constexpr int connect_strings = 2;
    static constexpr int cut_strings = 3;
    static constexpr int live_group = 4;
    static constexpr int kill_group = 5;
    static constexpr int n_kinds = 6;
    static constexpr int unset = 99;  // result before the reading has run

    // An empty record, for a caller to fill (with copy_to).
    proof_record() = default;
    proof_record(int kind, const point_set& targets, int colour, int move_number, point* last_move);
    proof_record(const proof_record&) = delete;
    proof_record& operator=(const proof_record&) = delete;

    proof_tree proof;
    proof_tree refutation;
    int kind = 0;
    int key = 0;  // kind * 10000 + sum of the targets' indices
    int bucket = 0;
    int move_number = 0;  // when it was made or last confirmed
    int result = unset;
    int colour = 0;
    point_set targets;
    point_set last_moves;  // the last moves at which it was made or used

    void mark_used(int number, point* last_move);
    int size() const { return proof.node_count() + refutation.node_count(); }
    int depth() const;
    // Everything but the last moves; the targets are added to other's.
    void copy_to(proof_record& other) const;
    // The single first move of each tree, where it has one.
    void first_moves(point_set& set) const;

    static int key_of(int kind, const point_set& targets);
};

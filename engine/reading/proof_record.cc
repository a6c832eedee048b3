#include "engine/reading/proof_record.h"

#include <algorithm>

#include "engine/board/point.h"
#include "engine/board/position_key.h"

proof_record::proof_record(int k, const point_set& t, int c, int number, point* last_move)
    : kind(k),
      key(key_of(k, t)),
      bucket(key % position_key::n_buckets),
      move_number(number),
      colour(c),
      targets(t) {
    last_moves.add(last_move);
}

int proof_record::key_of(int kind, const point_set& targets) {
    int sum = 0;
    for (const point* p : targets.to_vector()) sum += p->index;
    return kind * 10000 + sum;
}

void proof_record::mark_used(int number, point* last_move) {
    move_number = number;
    last_moves.add(last_move);
}

int proof_record::depth() const {
    return std::max(proof.depth(), refutation.depth());
}

void proof_record::copy_to(proof_record& other) const {
    other.kind = kind;
    other.targets.add_all(targets);
    other.colour = colour;
    other.result = result;
    other.move_number = move_number;
    other.key = key;
    other.bucket = bucket;
    // The refutation tree may link into the proof tree, whose copy must
    // therefore exist first.
    proof.copy_to(other.proof);
    refutation.copy_to(other.refutation);
}

void proof_record::first_moves(point_set& set) const {
    for (const proof_tree* tree : {&proof, &refutation}) {
        if (point* move = tree->single_first_move()) set.add(move);
    }
}

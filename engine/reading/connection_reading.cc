// Whether two strings of one colour stay joined: read with the connect and
// cut goals through stored proofs, unless the strings' statuses already
// settle it.
#include "engine/reading/reader.h"

namespace {

// The first string's stone is the first target, as the goals expect.
point_set connection_targets(str* s1, str* s2) {
    point_set targets;
    targets.add(s2->lowest_stone());
    targets.add(s1->lowest_stone());
    return targets;
}

}  // namespace

int reader::can_connect(str* s1, str* s2, int max_depth, proof_record* out_record) {
    if (s1->status <= str::dead || s2->status <= str::dead) return -1;
    for (str* x : shared_enemies(s1, s2)) {
        if (x->status != str::safe) return 1;  // the shared neighbour can be taken
    }
    ladder_budget_base = ladder_count;
    point_set targets = connection_targets(s1, s2);
    return answer_with_proof(proof_record::connect_strings, targets, targets, s1->colour, max_depth, *goal_connect, *goal_cut,
                             out_record);
}

int reader::can_cut(str* s1, str* s2, int max_depth, proof_record* out_record) {
    // A string that can be captured is as good as cut off.
    if (s1->status != str::safe || s2->status != str::safe) return 1;
    for (str* x : shared_enemies(s1, s2)) {
        if (x->status <= str::dead) return -1;
    }
    ladder_budget_base = ladder_count;
    point_set targets = connection_targets(s1, s2);
    return answer_with_proof(proof_record::cut_strings, targets, targets, -s1->colour, max_depth, *goal_cut, *goal_connect,
                             out_record);
}

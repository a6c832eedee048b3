// Life and death of a group, read with the group goals and answered through
// the stored proofs like every other tactical question.
#include "engine/evaluation/evaluator.h"

namespace {

// The main stone first, then the area in its own order.
point_set life_targets(point* main, const point_set& area) {
    point_set targets;
    std::vector<point*> rest = area.to_vector();
    for (auto p = rest.rbegin(); p != rest.rend(); ++p) {
        if (*p != main) targets.add(*p);
    }
    targets.add(main);
    return targets;
}

}  // namespace

int evaluator::can_live(point* main, const point_set& area, int max_depth, proof_record* out_record) {
    point_set targets = life_targets(main, area);
    point_set record_targets;
    record_targets.add(main);
    return answer_with_proof(proof_record::live_group, targets, record_targets, main->colour, max_depth, *goal_live,
                             *goal_kill, out_record);
}

int evaluator::can_kill(point* main, const point_set& area, int max_depth, proof_record* out_record) {
    point_set targets = life_targets(main, area);
    point_set record_targets;
    record_targets.add(main);
    return answer_with_proof(proof_record::kill_group, targets, record_targets, -main->colour, max_depth, *goal_kill,
                             *goal_live, out_record);
}

#include "tests/support/board_snapshot.h"

#include "tests/support/board_helpers.h"

namespace test {

namespace {

std::set<int> indices(const point_set& s) {
    std::set<int> out;
    for (const point* p : s.to_vector()) out.insert(p->index);
    return out;
}

}  // namespace

board_snapshot::board_snapshot(engine& e, bool statuses)
    : no_moves(e.no_moves), with_statuses(statuses) {
    for (int k = 0; k < e.n_points; ++k) {
        const point* p = e.points[k];
        const str* s = p->str_ptr;
        points.push_back({p->colour, s, s ? indices(s->stones) : std::set<int>{},
                          s ? indices(s->liberties) : std::set<int>{},
                          s && statuses ? s->status : 0});
    }
    key_words.assign(e.key.words, e.key.words + position_key::n_words);
}

std::string changes_since(engine& e, const board_snapshot& before) {
    std::string changes = board_mismatch(e);
    const board_snapshot now(e, before.with_statuses);
    if (now.no_moves != before.no_moves) changes += "move count\n";
    if (now.key_words != before.key_words) changes += "key\n";
    for (int k = 0; k < e.n_points; ++k) {
        if (!(now.points[k] == before.points[k])) {
            changes += "point " + std::to_string(k) + "\n";
            break;
        }
    }
    if (e.check_position() != 0) changes += "position check\n";
    return changes;
}

}  // namespace test

#include "tests/support/scripted_goal.h"

#include <algorithm>

#include "engine/board/coordinates.h"
#include "tests/support/board_helpers.h"

namespace test {

scripted_goal::scripted_goal(engine* owner) : search_goal(owner), root_(owner->no_moves) {}

std::string scripted_goal::path() const {
    std::string p;
    for (int i = root_; i < e->no_moves; ++i) {
        const point* m = e->move_stack[i].where;
        if (!p.empty()) p += ' ';
        p += coord::sgf_point(m->x, m->y);
    }
    return p;
}

bool scripted_goal::is_terminal(point_set&, int depth, int max_depth, int& value) {
    const std::string here = path();
    ++terminal_calls;
    ++terminal_calls_at[here];
    max_depths_seen.insert(max_depth);
    deepest = std::max(deepest, depth);
    if (auto it = values.find(here); it != values.end()) {
        value = it->second;
        return true;
    }
    if (depth < max_depth) return false;
    value = 0;
    return true;
}

void scripted_goal::generate_moves(point_set&, point_set& out, int) {
    auto it = moves.find(path());
    if (it == moves.end()) return;
    // The set puts the newest first: add in reverse to try them as listed.
    for (auto m = it->second.rbegin(); m != it->second.rend(); ++m) out.add(pt(*e, m->c_str()));
}

}  // namespace test

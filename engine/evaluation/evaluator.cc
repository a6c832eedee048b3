#include "engine/evaluation/evaluator.h"

#include <vector>

#include "engine/board/colour.h"
#include "engine/evaluation/connection.h"

namespace {

// A freed string leaves its group and the connection records that name it.
void release_string(str* s) {
    if (s->owner_group != nullptr) s->owner_group->remove_string(s);
    std::vector<connection*> records = s->connections;
    for (connection* c : records) c->disable(s);
    for (connection* c : records) delete c;
}

}  // namespace

evaluator::evaluator() {
    goal_kill = std::make_unique<kill_goal>(this);
    goal_live = std::make_unique<live_goal>(this);
    str::set_release_hook(release_string);
}

evaluator::~evaluator() {
    // The strings go back to the points before the groups that name them go.
    while (no_moves > 0) pop();
    clear_groups(black);
    clear_groups(white);
}

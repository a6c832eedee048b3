// Groups built by hand, as the group update would build them: one group per
// string, then the groups of named strings joined.
#pragma once

#include <string>
#include <vector>

#include "engine/state.h"

namespace test {

// Gives every string on the board a group of its own in the engine's lists
// (strings in point order, as the group update meets them), then joins the
// groups of the strings named in each list of points.
void build_groups(engine& e, const std::vector<std::vector<std::string>>& joined = {});

// The group of the stone on the named point.
group* group_at(engine& e, const char* name);

// Every board point gets these strengths, as if the diffusion had left them.
void set_strengths(engine& e, double black, double white);

// Names of the points of a set, sorted ("bb cc ...").
std::string names(const point_set& s);

}  // namespace test

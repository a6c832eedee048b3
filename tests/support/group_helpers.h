// Groups built by hand, as the group update would build them: one group per
// string, then the groups of named strings joined.  Header-only, so that the
// benchmarks can build their groups the same way.
#pragma once

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/board/coordinates.h"
#include "engine/engine.h"

namespace test {

// The group of the stone on the named point ("dd" is (4, 4)).
inline group* group_at(engine& e, const char* name) {
    return e.at(coord::sgf_number(name[0]), coord::sgf_number(name[1]))->str_ptr->owner_group;
}

// Gives every string on the board a group of its own in the engine's lists
// (strings in point order, as the group update meets them), then joins the
// groups of the strings named in each list of points.
inline void build_groups(engine& e, const std::vector<std::vector<std::string>>& joined = {}) {
    for (int colour : {1, -1}) {
        e.clear_groups(colour);
        for (int k = 0; k < e.n_points; ++k) {
            point* p = e.points[k];
            if (p->colour != colour || p->str_ptr->owner_group != nullptr) continue;
            e.group_list(colour).push_back(std::make_unique<group>(e));
            e.group_list(colour).back()->add_string(p->str_ptr);
        }
    }
    for (const auto& names : joined) {
        group* first = group_at(e, names.front().c_str());
        for (const std::string& name : names) {
            group* other = group_at(e, name.c_str());
            if (other == first) continue;
            first->absorb_group(other);
            auto& list = e.group_list(first->colour);
            list.erase(std::find_if(list.begin(), list.end(),
                                    [other](const auto& g) { return g.get() == other; }));
        }
    }
}

// Every board point gets these strengths, as if the diffusion had left them.
inline void set_strengths(engine& e, double black, double white) {
    for (int k = 0; k < e.n_points; ++k) {
        e.points[k]->strength_black = black;
        e.points[k]->strength_white = white;
    }
}

// Names of the points of a set, sorted ("bb cc ...").
inline std::string names(const point_set& s) {
    std::set<std::string> sorted;
    for (const point* p : s.to_vector()) {
        sorted.insert(coord::sgf_point(p->x, p->y));
    }
    std::string out;
    for (const std::string& n : sorted) out += (out.empty() ? "" : " ") + n;
    return out;
}

}  // namespace test

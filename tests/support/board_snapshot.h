// The whole visible state of a board (colours, the string on every point
// with its stones and liberties, the key, the move count), to check that a
// reading leaves the board exactly as it found it.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "engine/engine.h"

namespace test {

struct board_snapshot {
    // Statuses are part of the snapshot unless left out, for the passes
    // whose very purpose is to change them.
    explicit board_snapshot(engine& e, bool with_statuses = true);

    struct point_state {
        int colour;
        const str* string;
        std::set<int> stones;
        std::set<int> liberties;
        int status;
        bool operator==(const point_state&) const = default;
    };
    std::vector<point_state> points;
    std::vector<int> key_words;
    int no_moves;
    bool with_statuses;

    bool operator==(const board_snapshot&) const = default;
};

// Empty when e still shows the snapshot, every string agrees with a
// recomputation and the position check passes; otherwise what differs.
std::string changes_since(engine& e, const board_snapshot& before);

}  // namespace test

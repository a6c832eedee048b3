#include <gtest/gtest.h>

#include <vector>

#include "engine/engine.h"
#include "tests/support/board_helpers.h"
#include "tests/support/board_snapshot.h"

namespace {

std::vector<str*> strings_on_board(engine& e) {
    std::vector<str*> strings;
    for (int k = 0; k < e.n_points; ++k) {
        str* s = e.points[k]->str_ptr;
        if (s != nullptr && std::find(strings.begin(), strings.end(), s) == strings.end()) {
            strings.push_back(s);
        }
    }
    return strings;
}

// What the snapshot of the root position would record for the update
// after a move.
void take_status_snapshot(engine& e) {
    for (int k = 0; k < e.n_points; ++k) {
        point* p = e.points[k];
        p->status_copy = p->colour != 0 ? p->str_ptr->status : 0;
    }
}

// Random fights in one corner, with every kind of reading asked about every
// string every few moves; nothing may be left changed.
TEST(ReadingLeavesTheBoard, InRandomGames) {
    for (unsigned seed : {11u, 12u, 13u}) {
        engine e;
        e.max_depth_status = 6;
        unsigned state = seed;
        for (int move = 1; move <= 120; ++move) {
            take_status_snapshot(e);
            point* p = test::random_legal_move(e, state, 1, 9, 1, 9);
            e.push(p, e.turn());
            if (move % 7 != 0) continue;
            e.root_move_number = e.no_moves;
            const test::board_snapshot before(e);
            for (str* s : strings_on_board(e)) {
                e.can_capture_string(s, 6, nullptr);
                e.can_save_string(s, 6, nullptr);
                e.can_capture_quick(s, 4);
                e.can_escape_quick(s, 4);
                e.ladder_capture(s, 0, 100);
                e.ladder_escape(s, 0, 100);
                ASSERT_EQ(test::changes_since(e, before), "")
                    << "seed " << seed << " move " << move;
            }
            const test::board_snapshot passes(e, false);
            e.update_status_after_move(p);
            ASSERT_EQ(test::changes_since(e, passes), "") << "seed " << seed << " move " << move;
            e.evaluate_all_strings();
            ASSERT_EQ(test::changes_since(e, passes), "") << "seed " << seed << " move " << move;
            point_set moves;
            e.collect_proof_moves(moves);
            ASSERT_EQ(test::changes_since(e, passes), "") << "seed " << seed << " move " << move;
            EXPECT_EQ(e.table->count(), 0);
        }
        EXPECT_GT(e.proof_hits[0] + e.proof_hits[1], 0) << seed;
    }
}

}  // namespace

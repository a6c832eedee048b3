#include <gtest/gtest.h>

#include "engine/engine.h"
#include "tests/support/board_helpers.h"
#include "tests/support/board_snapshot.h"
#include "tests/support/diag_capture.h"
#include "tests/support/scripted_goal.h"

namespace {

using test::pt;

// Black moves first at the root of every script; the moves are far apart on
// an empty board, so every node is a different position.
class AlphaBeta : public ::testing::Test {
  protected:
    engine e;
    test::scripted_goal goal{&e};
    point_set targets;
    int lower = 99;
    int upper = 99;

    void SetUp() override { targets.add(pt(e, "jj")); }
    void search(int max_depth, int alpha = -1, int beta = 1) {
        e.alpha_beta(targets, 1, 0, max_depth, alpha, beta, lower, upper, goal, goal);
    }
    void search_plain(int max_depth) {
        e.alpha_beta_plain(targets, 1, 0, max_depth, -1, 1, lower, upper, goal, goal);
    }
    // The key of the position after the given moves, alternating from Black.
    position_key key_after(std::vector<const char*> moves) {
        int colour = 1;
        for (const char* m : moves) e.push(pt(e, m), colour), colour = -colour;
        position_key k = e.key;
        for (size_t i = 0; i < moves.size(); ++i) e.pop();
        return k;
    }
    position_key* stored(std::vector<const char*> moves) { return e.table->find(key_after(moves)); }
};

TEST_F(AlphaBeta, AMoverWithoutMovesHasFailed) {
    search(4);
    EXPECT_EQ(lower, -1);
    EXPECT_EQ(upper, -1);
    ASSERT_NE(stored({}), nullptr);
    EXPECT_EQ(stored({})->upper(), -1);
    search_plain(4);
    EXPECT_EQ(lower, -1);
    EXPECT_EQ(upper, -1);
}

TEST_F(AlphaBeta, BestMoveDecidesAndBothBoundsAreStored) {
    goal.moves[""] = {"aa", "ba", "ca"};
    goal.values["aa"] = 1;   // White wins after aa
    goal.values["ba"] = 0;   // undecided after ba
    goal.values["ca"] = -1;  // White loses after ca
    search(4);
    EXPECT_EQ(lower, 1);
    EXPECT_EQ(upper, 1);
    EXPECT_EQ(stored({})->lower(), 1);
    EXPECT_EQ(stored({"aa"})->lower(), 1);
    EXPECT_EQ(stored({"ba"})->upper(), 0);
    EXPECT_EQ(stored({"ca"})->upper(), -1);
}

TEST_F(AlphaBeta, ACutOffSkipsTheRestAndStoresAnUpperBoundOfOne) {
    goal.moves[""] = {"ca", "aa"};
    goal.values["aa"] = 1;
    goal.values["ca"] = -1;
    search(4);
    EXPECT_EQ(lower, 1);
    EXPECT_EQ(upper, 1);
    EXPECT_EQ(goal.terminal_calls_at.count("aa"), 0u);
    EXPECT_EQ(stored({"aa"}), nullptr);
    // A narrower window: undecided is already enough for a cut-off, which
    // leaves the bounds (0, 1).
    e.table = std::make_unique<transposition_table>();
    goal.values["ca"] = 0;
    search(4, -1, 0);
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(upper, 1);
    EXPECT_EQ(stored({})->lower(), 0);
    EXPECT_EQ(stored({})->upper(), 1);
    search_plain(4);
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(upper, 0);
}

TEST_F(AlphaBeta, ValuesTurnOverWithTheSideToMove) {
    // After Black's aa, White can hold Black to 0 (ab) or lose (bb); after
    // ba White wins.  Black gets 0.
    goal.moves[""] = {"ba", "aa"};
    goal.values["ba"] = 1;
    goal.moves["aa"] = {"ab", "bb"};
    goal.values["aa ab"] = 0;
    goal.values["aa bb"] = 1;
    search(4);
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(upper, 0);
    EXPECT_EQ(stored({"aa"})->lower(), 0);
    EXPECT_EQ(stored({"aa"})->upper(), 0);
}

TEST_F(AlphaBeta, TheDepthLimitGivesZero) {
    goal.moves[""] = {"aa"};
    goal.moves["aa"] = {"ab"};
    goal.values["aa ab"] = 1;
    search(1);
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(upper, 0);
    EXPECT_EQ(goal.deepest, 1);
    e.table = std::make_unique<transposition_table>();
    search(2);
    EXPECT_EQ(lower, 1);
}

TEST_F(AlphaBeta, ADecidedTranspositionIsReturnedWithoutAskingTheGoal) {
    e.table->insert(key_after({}))->set_bounds(-1, -1);
    goal.moves[""] = {"aa"};
    goal.values["aa"] = -1;
    search(4);
    EXPECT_EQ(lower, -1);
    EXPECT_EQ(upper, -1);
    EXPECT_EQ(goal.terminal_calls, 0);

    // An undecided record whose lower bound reaches beta is returned too.
    e.table = std::make_unique<transposition_table>();
    e.table->insert(key_after({}))->set_bounds(0, 1);
    search(4, -1, 0);
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(upper, 1);
    EXPECT_EQ(goal.terminal_calls, 0);
}

TEST_F(AlphaBeta, TranspositionsInsideOneSearchAreReadOnce) {
    // aa ab ba bb and ba ab aa bb reach the same position.
    goal.moves[""] = {"aa", "ba"};
    goal.moves["aa"] = {"ab"};
    goal.moves["ba"] = {"ab"};
    goal.moves["aa ab"] = {"ba"};
    goal.moves["ba ab"] = {"aa"};
    goal.moves["aa ab ba"] = {"bb"};
    goal.moves["ba ab aa"] = {"bb"};
    goal.values["aa ab ba bb"] = 0;
    goal.values["ba ab aa bb"] = 0;
    search(6);
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(goal.terminal_calls_at["aa ab ba bb"], 1);
    EXPECT_EQ(goal.terminal_calls_at.count("ba ab aa bb"), 0u);
}

TEST_F(AlphaBeta, AnUpperBoundAboveTheStoredCapIsReportedAndClamped) {
    // Only records that contradict each other get here: the root once
    // claimed an upper bound of -1, and its only child claims a draw.
    e.table->insert(key_after({}))->set_bounds(0, -1);
    e.table->insert(key_after({"aa"}))->set_bounds(0, 0);
    goal.moves[""] = {"aa"};
    test::diag_capture out;
    search(4);
    EXPECT_EQ(out.text(), "\nZ could this happen?");
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(upper, -1);
    EXPECT_EQ(stored({})->upper(), -1);
}

TEST_F(AlphaBeta, ACutOffBelowTheCapKeepsTheCap) {
    e.table->insert(key_after({}))->set_bounds(-1, 0);
    goal.moves[""] = {"aa"};
    goal.values["aa"] = -1;
    search(4);
    EXPECT_EQ(lower, 1);
    EXPECT_EQ(upper, 0);
}

TEST_F(AlphaBeta, SearchesLeaveTheBoardAsFound) {
    test::place(e, {"XO", "OX"});
    test::board_snapshot before(e);
    test::scripted_goal later(&e);
    later.moves[""] = {"ss", "rs"};
    later.moves["ss"] = {"sr", "rr"};
    later.moves["ss sr"] = {"rs"};
    later.moves["rs"] = {"sr"};
    e.alpha_beta(targets, 1, 0, 6, -1, 1, lower, upper, later, later);
    EXPECT_EQ(test::changes_since(e, before), "");
    e.alpha_beta_plain(targets, 1, 0, 6, -1, 1, lower, upper, later, later);
    EXPECT_EQ(test::changes_since(e, before), "");
}

class GenericCan : public AlphaBeta {
  protected:
    proof_record record;
    int can(int max_depth, proof_record* r) {
        return e.generic_can(targets, 1, max_depth, r, goal, goal);
    }
};

TEST_F(GenericCan, BelowTwoPliesNothingIsSearched) {
    goal.moves[""] = {"aa"};
    goal.values["aa"] = -1;
    for (int depth : {0, 1}) {
        EXPECT_EQ(can(depth, &record), 0);
        EXPECT_EQ(record.result, 0);
        EXPECT_EQ(e.ab_count, 0);
        EXPECT_EQ(record.size(), 0);
    }
}

TEST_F(GenericCan, DeepensByTwoPliesAndNeverPastTheLimit) {
    // A long line that no iteration can finish.
    goal.moves[""] = {"aa"};
    goal.moves["aa"] = {"ba"};
    goal.moves["aa ba"] = {"ca"};
    goal.moves["aa ba ca"] = {"da"};
    goal.moves["aa ba ca da"] = {"ea"};
    goal.moves["aa ba ca da ea"] = {"fa"};
    EXPECT_EQ(can(5, &record), 0);
    // Iterations at 2 and 4; the proof extraction asks with the full limit.
    EXPECT_EQ(goal.max_depths_seen, (std::set<int>{2, 4, 5}));
    EXPECT_EQ(goal.deepest, 4);
    EXPECT_EQ(record.proof.depth(), 4);
}

TEST_F(GenericCan, DecidedRecordsSurviveIntoTheNextIteration) {
    // aa loses at once; ba wins, but only four plies deep.
    goal.moves[""] = {"aa", "ba"};
    goal.values["aa"] = 1;
    goal.moves["ba"] = {"bb"};
    goal.moves["ba bb"] = {"bc"};
    goal.values["ba bb bc"] = -1;
    EXPECT_EQ(can(10, &record), 1);
    EXPECT_EQ(goal.max_depths_seen, (std::set<int>{2, 4, 10}));
    // The decided loss after aa was read in the first iteration only.
    EXPECT_EQ(goal.terminal_calls_at["aa"], 1);
    // The proof: ba, then White's only move, then Black's winning reply.
    EXPECT_EQ(record.proof.depth(), 3);
    EXPECT_EQ(record.proof.single_first_move(), pt(e, "ba"));
    EXPECT_EQ(record.refutation.node_count(), 0);
}

TEST_F(GenericCan, StopsAtTheFirstDecidedIteration) {
    goal.moves[""] = {"aa"};
    goal.values["aa"] = -1;
    EXPECT_EQ(can(10, &record), 1);
    EXPECT_EQ(goal.max_depths_seen, (std::set<int>{2, 10}));
}

TEST_F(GenericCan, UsesAFreshTableAndLeavesAFreshOne) {
    goal.moves[""] = {"aa"};
    goal.values["aa"] = -1;
    // A wrong record left in the table must not be seen.
    e.table->insert(key_after({}))->set_bounds(-1, -1);
    const int alive = transposition_table::alive();
    EXPECT_EQ(can(4, &record), 1);
    EXPECT_EQ(e.table->count(), 0);
    EXPECT_EQ(transposition_table::alive(), alive);
}

TEST_F(GenericCan, SetsTheSearchStartAndTheLadderBudget) {
    e.push(pt(e, "qq"), -1);
    e.ladder_count = 5000;
    test::scripted_goal fresh(&e);  // rooted after qq
    fresh.moves[""] = {"aa"};
    fresh.values["aa"] = -1;
    e.generic_can(targets, 1, 4, &record, fresh, fresh);
    EXPECT_EQ(e.search_start, 1);
    EXPECT_EQ(e.ladder_budget_base, 5000);
    EXPECT_TRUE(e.ladder_budget_left());
    e.ladder_count = 5999;
    EXPECT_TRUE(e.ladder_budget_left());
    e.ladder_count = 6000;
    EXPECT_FALSE(e.ladder_budget_left());
}

TEST_F(GenericCan, WithoutARecordItReportsAndStillAnswers) {
    goal.moves[""] = {"aa"};
    goal.values["aa"] = -1;
    test::diag_capture out;
    EXPECT_EQ(can(4, nullptr), 1);
    EXPECT_EQ(out.text().rfind(" error generic_can... state.cc ", 0), 0u);
}

TEST_F(GenericCan, TheQuickDriverNeedsNoTable) {
    goal.moves[""] = {"aa", "ba"};
    goal.values["aa"] = 0;
    goal.moves["ba"] = {"bb"};
    goal.moves["ba bb"] = {"bc"};
    goal.values["ba bb bc"] = -1;
    transposition_table* table = e.table.get();
    EXPECT_EQ(e.can_achieve_quick(targets, 1, 4, goal, goal), 1);
    EXPECT_EQ(e.can_achieve_quick(targets, 1, 3, goal, goal), 0);
    EXPECT_EQ(e.table.get(), table);
    EXPECT_EQ(table->count(), 0);
}

}  // namespace

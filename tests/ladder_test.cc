#include <gtest/gtest.h>

#include "engine/engine.h"
#include "tests/support/board_helpers.h"
#include "tests/support/board_snapshot.h"

namespace {

using test::pt;

// A white stone on ff in a ladder towards the upper left: Black's atari on
// ef drives it along the diagonal to the edge.
const std::vector<std::string> ladder = {
    "", "", "", "", "......X", ".....OX", ".....X.",
};

// The same with a white stone on cc, on the ladder's path.
const std::vector<std::string> broken_ladder = {
    "", "", "..O", "", "......X", ".....OX", ".....X.",
};

str* string_at(engine& e, const char* name) {
    return pt(e, name)->str_ptr;
}

TEST(Ladder, AWorkingLadderCapturesFromEitherStart) {
    engine e;
    test::place(e, ladder);
    test::board_snapshot before(e);
    EXPECT_EQ(e.ladder_capture(string_at(e, "ff"), 0, 100), 1);
    EXPECT_EQ(test::changes_since(e, before), "");
    // After the right atari the owner cannot run; after the wrong one it can.
    e.push(pt(e, "ef"), 1);
    EXPECT_EQ(e.ladder_escape(string_at(e, "ff"), 0, 100), -1);
    e.pop();
    e.push(pt(e, "fe"), 1);
    EXPECT_EQ(e.ladder_escape(string_at(e, "ff"), 0, 100), 1);
    e.pop();
    EXPECT_EQ(test::changes_since(e, before), "");
}

TEST(Ladder, ALadderBreakerOnThePathSavesTheStone) {
    engine e;
    test::place(e, broken_ladder);
    test::board_snapshot before(e);
    EXPECT_EQ(e.ladder_capture(string_at(e, "ff"), 0, 100), -1);
    e.push(pt(e, "ef"), 1);
    EXPECT_EQ(e.ladder_escape(string_at(e, "ff"), 0, 100), 1);
    e.pop();
    EXPECT_EQ(test::changes_since(e, before), "");
}

TEST(Ladder, TheDepthLimitEndsALongLadderUndecided) {
    engine e;
    test::place(e, ladder);
    EXPECT_EQ(e.ladder_capture(string_at(e, "ff"), 0, 6), 0);
    EXPECT_EQ(e.ladder_capture(string_at(e, "ff"), 0, 40), 1);
}

// Black's ko capture on ca also ataris the white stone on da, whose only
// extension leads into atari.  White could escape by retaking the ko, which
// the rule forbids at once but allows after a pair of other moves.
const std::vector<std::string> ko_ladder = {
    "XO.O.X",
    "XXOX..",
    "..O...",
    "..O...",
};

TEST(Ladder, AKoRetakeRefusedLetsTheLadderWork) {
    engine e;
    test::place(e, ko_ladder);
    EXPECT_EQ(e.ladder_capture(string_at(e, "da"), 0, 100), 1);
    e.push(pt(e, "ca"), 1);
    ASSERT_EQ(e.last_move()->ko, 1);
    EXPECT_EQ(e.ladder_escape(string_at(e, "da"), 0, 100), -1);
    e.push(e.pass_point, -1);
    e.push(e.pass_point, 1);
    EXPECT_EQ(e.ladder_escape(string_at(e, "da"), 0, 100), 1);
}

TEST(Ladder, ThreeLibertiesEndTheReadingAtOnce) {
    engine e;
    e.push(pt(e, "dd"), -1);
    e.push(pt(e, "cd"), 1);
    const int before = e.ladder_count;
    EXPECT_EQ(e.ladder_capture(string_at(e, "dd"), 0, 100), -1);
    EXPECT_EQ(e.ladder_count, before + 1);
    // One more black stone leaves two liberties, and the reading goes on.
    e.push(pt(e, "dc"), 1);
    e.ladder_capture(string_at(e, "dd"), 0, 100);
    EXPECT_GT(e.ladder_count, before + 2);
}

TEST(Ladder, AStringThatCanBeTakenAtOnceIsCaptured) {
    engine e;
    test::place(e, {"XO"});
    const int before = e.ladder_count;
    EXPECT_EQ(e.ladder_capture(string_at(e, "aa"), 0, 0), 1);
    EXPECT_EQ(e.ladder_count, before + 1);
    // A ko capture that the rule refuses does not count.
    engine k;
    test::place(k, {".XO.", "XO.O", ".XO."});
    k.push(pt(k, "cb"), 1);
    EXPECT_EQ(k.ladder_capture(string_at(k, "cb"), 0, 100), -1);
}

TEST(Ladder, DeepInTheLadderATakeableStoneNextToTheLastMovesBreaksIt) {
    engine e;
    // White's ca is in atari at ba.  Black's last move db is itself in
    // atari: White could take it.
    test::place(e, {"..O.O", "..X.O", "..."});
    e.push(pt(e, "da"), 1);
    str* s = string_at(e, "ca");
    ASSERT_EQ(s->liberties.count(), 1);
    ASSERT_EQ(pt(e, "da")->liberties(), 1);
    int before = e.ladder_count;
    EXPECT_EQ(e.ladder_escape(s, 3, 100), 1);
    EXPECT_EQ(e.ladder_count, before + 1);
    before = e.ladder_count;
    e.ladder_escape(s, 0, 100);
    EXPECT_GT(e.ladder_count, before + 1);
}

TEST(Ladder, DeepInTheLadderTheOwnersLastStoneAtariingBreaksIt) {
    engine e;
    test::place(e, {"..OX", "..X"});
    e.push(pt(e, "ea"), -1);  // ataris the black stone on da
    e.push(pt(e, "jj"), 1);
    str* s = string_at(e, "ca");
    ASSERT_EQ(s->liberties.count(), 1);
    const int before = e.ladder_count;
    EXPECT_EQ(e.ladder_escape(s, 3, 100), 1);
    EXPECT_EQ(e.ladder_count, before + 1);
}

TEST(Ladder, DeepInTheLadderOnlyLibertiesAreTried) {
    engine e;
    test::place(e, ladder);
    e.push(pt(e, "ef"), 1);
    e.push(e.pass_point, -1);
    e.push(e.pass_point, 1);
    const int before = e.ladder_count;
    EXPECT_EQ(e.ladder_escape(string_at(e, "ff"), 3, 100), -1);
    EXPECT_GT(e.ladder_count, before + 1);
}

}  // namespace

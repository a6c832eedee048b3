#include <gtest/gtest.h>

#include "engine/engine.h"
#include "tests/support/board_helpers.h"
#include "tests/support/diag_capture.h"

namespace {

using test::pt;

// Lets colour move next by passing for the other side when needed.
void to_move(engine& e, int colour) {
    if (e.turn() != colour) e.push(e.pass_point, -colour);
}

// Every stone's snapshot says its string was safe.
void snapshot_all_safe(engine& e) {
    for (int k = 0; k < e.n_points; ++k) {
        if (e.points[k]->colour != 0) e.points[k]->status_copy = 6;
    }
}

int status(engine& e, const char* name) {
    return pt(e, name)->status();
}

const std::vector<std::string> ladder = {
    "", "", "", "", "......X", ".....OX", ".....X.",
};
const std::vector<std::string> throw_in = {
    "..O.O..", ".XO....", "..XXX..", ".....X.", "..O.OO.",
};

TEST(EvaluateAllStrings, TheSideToMoveSavesAndTheOtherIsCaptured) {
    engine e;
    test::place(e, ladder);
    to_move(e, 1);
    {
        test::diag_capture out;
        e.evaluate_all_strings();
        const std::string text = out.text();
        EXPECT_EQ(text.front(), 'S');
        EXPECT_EQ(text.back(), '.');
    }
    EXPECT_EQ(status(e, "ff"), 1);
    EXPECT_EQ(status(e, "gf"), 6);
    EXPECT_EQ(status(e, "fg"), 6);
    e.push(e.pass_point, 1);
    e.evaluate_all_strings();
    EXPECT_EQ(status(e, "ff"), 6);  // White to move runs away
}

TEST(EvaluateAllStrings, ASecondPassIsAnsweredByTheStoredProofs) {
    engine e;
    test::place(e, throw_in);
    e.max_depth_status = 10;
    to_move(e, 1);
    e.evaluate_all_strings();
    ASSERT_EQ(status(e, "ca"), 1);
    const int stored = e.proofs->count();
    ASSERT_GT(stored, 0);
    const int hits = e.proof_hits[0] + e.proof_hits[1];
    const int searches = e.proof_searches[0] + e.proof_searches[1];
    pt(e, "ca")->str_ptr->status = 6;
    e.evaluate_all_strings();
    EXPECT_EQ(status(e, "ca"), 1);
    EXPECT_EQ(e.proofs->count(), stored);
    const int new_hits = e.proof_hits[0] + e.proof_hits[1] - hits;
    EXPECT_EQ(new_hits, stored);
    // Seven strings: those without a stored proof are read again.
    EXPECT_EQ(e.proof_searches[0] + e.proof_searches[1] - searches, 7 - stored);
}

TEST(CollectProofMoves, KeysOfDeepProofsOnly) {
    engine e;
    test::place(e, throw_in);
    e.max_depth_status = 10;
    to_move(e, 1);
    point_set moves;
    e.collect_proof_moves(moves);
    EXPECT_TRUE(moves.contains(pt(e, "da")));  // the throw-in
    EXPECT_EQ(status(e, "ca"), 1);
    // A capture that needs no reading leaves no key move.
    engine snap;
    test::place(snap, {"..OX", "OOOX", "XXXX"});
    to_move(snap, 1);
    point_set none;
    snap.collect_proof_moves(none);
    EXPECT_TRUE(none.empty());
    EXPECT_EQ(status(snap, "ca"), 1);
}

TEST(KikashiPass, AForcingAtariThatLeavesAnotherStringInAtari) {
    // Black's fd ataris both ed and fe; White's answer at ec saves ed only.
    const std::vector<std::string> picture = {
        "", ".X..X", "..X...X", "...XO", "....XOX", ".X",
    };
    for (bool extra_liberty : {false, true}) {
        engine e;
        test::place(e, picture);
        if (extra_liberty) e.push(pt(e, "ff"), -1);
        const std::string before = test::board_mismatch(e);
        position_key key = e.key;
        e.kikashi_pass(1);
        EXPECT_EQ(status(e, "fe"), extra_liberty ? 6 : 1);
        EXPECT_EQ(status(e, "ed"), 6);
        EXPECT_EQ(status(e, "dd"), 6);
        EXPECT_EQ(test::board_mismatch(e), before);
        EXPECT_TRUE(position_key::same_position(key, e.key));
    }
}

// --- the update after a move -----------------------------------------------

// Sets up the picture and any extra white stones with Black to move and a
// snapshot that calls every string safe.  Reading is left out by default:
// at depth 0 every reading is undecided, so only the snapshot and the
// pattern checks decide.
void prepare(engine& e, const std::vector<std::string>& picture,
             std::vector<const char*> white_stones = {}, int reading_depth = 0) {
    test::place(e, picture);
    for (const char* w : white_stones) e.push(pt(e, w), -1);
    e.max_depth_status = reading_depth;
    to_move(e, 1);
    snapshot_all_safe(e);
}

void play_and_update(engine& e, const char* name) {
    e.push(pt(e, name), 1);
    e.update_status_after_move(pt(e, name));
}

class StatusAfterMove : public ::testing::Test {
  protected:
    engine e;
    void set_up(const std::vector<std::string>& picture, int reading_depth = 0) {
        prepare(e, picture, {}, reading_depth);
    }
    void play(const char* name) { play_and_update(e, name); }
};

TEST_F(StatusAfterMove, StringsNearTheMoveAreReadAgainAndFarOnesKeepTheSnapshot) {
    set_up(ladder, 10);
    e.push(pt(e, "pp"), 1);  // far away
    e.push(pt(e, "pd"), -1);
    pt(e, "pp")->status_copy = 1;
    pt(e, "pd")->status_copy = 1;
    play("ef");
    EXPECT_EQ(status(e, "ff"), 1);  // laddered
    EXPECT_EQ(status(e, "ef"), 6);
    EXPECT_EQ(status(e, "pp"), 1);
    EXPECT_EQ(status(e, "pd"), 1);
}

TEST_F(StatusAfterMove, TheMoversUntouchedSafeStringsAreNotReadAgain) {
    // Black's ff stands in a working ladder (colours reversed), but the
    // snapshot says safe and Black's move at hh does not touch it.
    set_up({"", "", "", "", "......O", ".....XO", ".....O."}, 10);
    play("hh");
    EXPECT_EQ(status(e, "ff"), 6);
    e.pop();
    // With a doubtful snapshot it is read again, and found laddered.
    pt(e, "ff")->status_copy = 1;
    play("hh");
    EXPECT_EQ(status(e, "ff"), 1);
}

TEST_F(StatusAfterMove, TheSideToMoveKeepsADeadSnapshot) {
    set_up({"", "", "", "", "", ".....O"}, 10);
    pt(e, "ff")->status_copy = 1;
    play("gg");
    EXPECT_EQ(status(e, "ff"), 1);
}

TEST_F(StatusAfterMove, NeighboursOfASafeStringOfTheMoverAreReadToo) {
    // Black's long string reaches from the ladder to the move on lf; White's
    // ff, already in atari in the ladder, is far from the move but next to
    // that string, and its snapshot is out of date.
    set_up({"", "", "", "", "......X", "....XOXXXXX", ".....X."}, 10);
    play("lf");
    EXPECT_EQ(status(e, "ff"), 1);
}

TEST_F(StatusAfterMove, StringsNextToACaptureAreReadAgain) {
    // Black's ja takes White's five stones from ea to ia; Black's stone on
    // da, out of reach of the move, had a doubtful snapshot.
    set_up({"...XOOOOO.", "...OXXXXX"});
    pt(e, "da")->status_copy = 1;
    play("ja");
    ASSERT_EQ(e.last_move()->captured_stones(), 5);
    EXPECT_EQ(status(e, "da"), 6);
}

TEST_F(StatusAfterMove, OfTwoDeadNeighboursTheSmallerInAtariIsSafe) {
    // Far from the move: Black's pp in atari next to White's po-qo-qp,
    // both dead by the snapshot.
    set_up({});
    for (const char* w : {"po", "qo", "op", "qp"}) e.push(pt(e, w), -1);
    e.push(pt(e, "pp"), 1);
    to_move(e, 1);
    snapshot_all_safe(e);
    for (const char* dead : {"pp", "po", "qo", "qp"}) pt(e, dead)->status_copy = 1;
    play("cc");
    EXPECT_EQ(status(e, "pp"), 6);
    EXPECT_EQ(status(e, "po"), 1);
    EXPECT_EQ(status(e, "op"), 6);
}

TEST_F(StatusAfterMove, AnExtensionIntoADeadEndShowsTheAtariedStoneDead) {
    // Black's eb ataris White's ea, whose extension along the edge is lost
    // unless a white stone waits on ia.
    for (bool breaker : {false, true}) {
        engine fresh;
        prepare(fresh, {"...XO"}, breaker ? std::vector{"ia"} : std::vector<const char*>{});
        play_and_update(fresh, "eb");
        EXPECT_EQ(status(fresh, "ea"), breaker ? 6 : 1);
        EXPECT_EQ(status(fresh, "eb"), 6);
    }
}

TEST_F(StatusAfterMove, ADoubleAtariWhoseVictimsShareOneEscape) {
    // Black's bb ataris cb and aa-ba; both can escape only by taking ca
    // at da.  After that cb is still caught, unless White's ac helps.
    for (bool helper : {false, true}) {
        engine fresh;
        prepare(fresh, {"OOX", "..OX", "...X", "", ".O", ".....O"},
                helper ? std::vector{"ac"} : std::vector<const char*>{});
        play_and_update(fresh, "bb");
        EXPECT_EQ(status(fresh, "cb"), helper ? 6 : 1);
        EXPECT_EQ(status(fresh, "aa"), 6);
    }
}

TEST_F(StatusAfterMove, AFirstLineStoneWhoseDefendersShareOneEscape) {
    // Black's da: White's db would atari it and eb at once, both escaping
    // only by taking ea at fa, after which the first-line crawl is lost
    // unless Black's ha waits at its end.
    for (bool friend_ahead : {false, true}) {
        engine fresh;
        prepare(fresh, {friend_ahead ? "....O..X" : "....O", "....X", "....O"});
        play_and_update(fresh, "da");
        EXPECT_EQ(status(fresh, "da"), friend_ahead ? 6 : 1);
    }
}

TEST_F(StatusAfterMove, APassLeavesTheSnapshotToThePatterns) {
    set_up(ladder, 10);
    pt(e, "ff")->status_copy = 1;
    e.push(e.pass_point, 1);
    e.update_status_after_move(e.pass_point);
    EXPECT_EQ(status(e, "ff"), 1);
    EXPECT_EQ(status(e, "gf"), 6);
}

}  // namespace

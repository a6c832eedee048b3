#include <gtest/gtest.h>

#include "engine/engine.h"
#include "tests/support/board_helpers.h"
#include "tests/support/board_snapshot.h"
#include "tests/support/scripted_goal.h"

namespace {

using test::pt;

constexpr int depth = 10;

// A position, the string asked about, and both answers checked to leave the
// board as found.
class Tactics : public ::testing::Test {
  protected:
    engine e;
    void set_up(const std::vector<std::string>& picture) { test::place(e, picture); }
    str* at(const char* name) { return pt(e, name)->str_ptr; }
    // Attacker first; the proof's first move goes to first_move.
    int capture(const char* name, point** first_move = nullptr) {
        return ask(&engine::can_capture_string, name, first_move);
    }
    // Owner first.
    int save(const char* name, point** first_move = nullptr) {
        return ask(&engine::can_save_string, name, first_move);
    }

  private:
    int ask(int (engine::*query)(str*, int, proof_record*), const char* name, point** first_move) {
        test::board_snapshot before(e);
        proof_record record;
        const int result = (e.*query)(at(name), depth, &record);
        EXPECT_EQ(test::changes_since(e, before), "") << name;
        if (first_move != nullptr) *first_move = record.proof.single_first_move();
        return result;
    }
};

TEST_F(Tactics, AWorkingLadder) {
    set_up({"", "", "", "", "......X", ".....OX", ".....X."});
    EXPECT_EQ(capture("ff"), 1);
    EXPECT_EQ(save("ff"), 1);
}

TEST_F(Tactics, TheSameLadderWithABreaker) {
    set_up({"", "", "..O", "", "......X", ".....OX", ".....X."});
    EXPECT_NE(capture("ff"), 1);
    EXPECT_EQ(save("ff"), 1);
}

TEST_F(Tactics, ALadderThatWorksOnlyBecauseTheKoRetakeIsRefused) {
    set_up({"XO.O.X", "XXOX..", "..O...", "..O..."});
    point* first = nullptr;
    EXPECT_EQ(capture("da", &first), 1);
    EXPECT_EQ(save("da"), 1);
    e.push(pt(e, "ca"), 1);  // the ko capture, which ataris da
    EXPECT_EQ(save("da"), -1);
    e.push(e.pass_point, -1);
    e.push(e.pass_point, 1);
    EXPECT_EQ(save("da"), 1);  // now White may retake
}

TEST_F(Tactics, ANet) {
    // White's dd has two liberties; both ataris let it run to White's
    // stones, but Black's ec covers both ways out.
    set_up({".....O", "......O", "..X", "..XO", "...XX", "", "O"});
    point* first = nullptr;
    EXPECT_EQ(capture("dd", &first), 1);
    EXPECT_EQ(first, pt(e, "ec"));
    EXPECT_EQ(save("dd"), 1);
    e.push(pt(e, "ec"), 1);
    EXPECT_EQ(save("dd"), -1);
    e.pop();
    for (const char* atari : {"ed", "dc"}) {
        e.push(pt(e, atari), 1);
        EXPECT_EQ(e.ladder_escape(at("dd"), 0, 100), 1) << atari;
        e.pop();
    }
}

TEST_F(Tactics, ASnapback) {
    // Black's throw-in on ba is taken, and Black takes back the lot.
    set_up({"..OX", "OOOX", "XXXX"});
    EXPECT_EQ(capture("ca"), 1);
    EXPECT_EQ(save("ca"), -1);
}

TEST_F(Tactics, AThrowInThatLeavesTheStringShortOfLiberties) {
    // Black's da, in atari at once, takes a liberty from both white strings;
    // every plainer attack fails.
    set_up({"..O.O..", ".XO....", "..XXX..", ".....X.", "..O.OO."});
    point* first = nullptr;
    EXPECT_EQ(capture("ca", &first), 1);
    ASSERT_EQ(first, pt(e, "da"));
    e.push(first, 1);
    EXPECT_EQ(at("da")->capturable_now(), 1);
    e.pop();
    EXPECT_EQ(save("ca"), 1);
}

TEST_F(Tactics, AStringSavedOnlyByCapturingANeighbourInAtari) {
    // White's ba-bb cannot extend at aa; it lives by taking ca-cb at da.
    set_up({".OX..", "XOXO.", "XXO.."});
    point* first = nullptr;
    EXPECT_EQ(save("ba", &first), 1);
    EXPECT_EQ(first, pt(e, "da"));
    EXPECT_EQ(capture("ba"), 1);
}

TEST_F(Tactics, ATwoLibertyStringWhoseAttackersWouldBeInAtari) {
    // White's ca has liberties ba and da; a black stone on either is taken
    // at once (at aa or ea).
    set_up({"..O..O", "OOXOOO", "OO.OOO", "OOOOOO"});
    EXPECT_EQ(capture("ca"), -1);
    EXPECT_EQ(save("ca"), 1);
    EXPECT_EQ(e.ladder_capture(at("ca"), 0, 100), -1);
}

// --- stored proofs ---------------------------------------------------------

// The throw-in position: Black's capture of ca needs six plies.
class StoredProofs : public Tactics {
  protected:
    void SetUp() override {
        set_up({"..O.O..", ".XO....", "..XXX..", ".....X.", "..O.OO."});
        ASSERT_EQ(capture("ca"), 1);
        ASSERT_EQ(e.proof_stores[1], 1);
        ASSERT_GT(e.proofs->count(), 0);
    }
    // Plays a move and asks again; true when a stored proof answered.
    bool answered_from_store(int& result, int max_depth = depth) {
        const long long nodes = e.ab_count;
        const int searches = e.proof_searches[1];
        const int hits = e.proof_hits[1];
        result = e.can_capture_string(at("ca"), max_depth, nullptr);
        const bool hit = e.proof_hits[1] == hits + 1;
        EXPECT_EQ(hit, e.proof_searches[1] == searches);
        EXPECT_EQ(hit, e.ab_count == nodes);
        return hit;
    }
};

TEST_F(StoredProofs, AProofThatStillHoldsIsReusedWithoutSearching) {
    e.push(pt(e, "pp"), 1);
    e.push(pt(e, "pd"), -1);
    e.root_move_number = e.no_moves;
    int result = 0;
    EXPECT_TRUE(answered_from_store(result));
    EXPECT_EQ(result, 1);
    EXPECT_EQ(e.table->count(), 0);
    EXPECT_EQ(e.proof_stores[1], 1);
    std::vector<proof_record*> found;
    point_set t;
    t.add(pt(e, "ca"));
    e.proofs->find(1, t, pt(e, "pd"), found);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found.front()->move_number, e.no_moves);
    EXPECT_TRUE(found.front()->last_moves.contains(pt(e, "pd")));
}

TEST_F(StoredProofs, AWhiteStoneThatBreaksTheProofForcesANewSearch) {
    e.push(pt(e, "pp"), 1);
    e.push(pt(e, "da"), -1);  // White joins its two strings
    int result = 0;
    EXPECT_FALSE(answered_from_store(result));
    EXPECT_NE(result, 1);
}

TEST_F(StoredProofs, AProofDeeperThanTheLimitIsNotReused) {
    int result = 0;
    EXPECT_TRUE(answered_from_store(result));
    EXPECT_FALSE(answered_from_store(result, 2));
}

TEST(StoredProof, ShallowReadingsAreNotStored) {
    engine e;
    test::place(e, {"..OX", "OOOX", "XXXX"});
    EXPECT_EQ(e.can_capture_string(pt(e, "ca")->str_ptr, depth, nullptr), 1);
    EXPECT_EQ(e.proof_searches[1], 1);
    EXPECT_EQ(e.proof_stores[1], 0);
    EXPECT_EQ(e.proofs->count(), 0);
}

// --- replaying proofs on written game trees ----------------------------------

class Replay : public ::testing::Test {
  protected:
    engine e;
    test::scripted_goal goal{&e};
    point_set targets;
    proof_record record;
    void SetUp() override { targets.add(pt(e, "jj")); }
    int prove(int max_depth = 8) {
        return e.generic_can(targets, 1, max_depth, &record, goal, goal);
    }
    bool verify(int max_depth = 8) {
        return e.verify_proof(targets, 1, max_depth, record, goal, goal);
    }
};

TEST_F(Replay, AWinHoldsWhileItsMovesAreStillOffered) {
    goal.moves[""] = {"aa", "ba"};
    goal.values["aa"] = 1;
    goal.moves["ba"] = {"bb", "cb"};
    goal.moves["ba bb"] = {"bc"};
    goal.moves["ba cb"] = {"cc"};
    goal.values["ba bb bc"] = -1;
    goal.values["ba cb cc"] = -1;
    ASSERT_EQ(prove(), 1);
    EXPECT_EQ(record.proof.depth(), 3);
    EXPECT_TRUE(verify());
    // The tree is deeper than a limit of 2.
    EXPECT_FALSE(verify(2));
    // White has a new defence the proof never met.
    goal.moves["ba"] = {"bb", "cb", "db"};
    EXPECT_FALSE(verify());
    goal.moves["ba"] = {"bb", "cb"};
    // Black's winning move is no longer offered.
    goal.moves[""] = {"aa"};
    EXPECT_FALSE(verify());
    // Below the replay limit nothing is checked.
    goal.verify_depth_limit = -1;
    EXPECT_TRUE(verify());
}

TEST_F(Replay, ARefutationNodeThatNowOffersAnotherMoveFails) {
    goal.moves[""] = {"aa", "ba"};
    goal.moves["aa"] = {"ab"};
    goal.moves["ba"] = {"bb"};
    goal.values["aa ab"] = -1;
    goal.values["ba bb"] = -1;
    ASSERT_EQ(prove(), -1);
    EXPECT_EQ(record.proof.node_count(), 0);
    EXPECT_EQ(record.refutation.depth(), 2);
    EXPECT_TRUE(verify());
    goal.moves[""] = {"aa", "ba", "ca"};
    EXPECT_FALSE(verify());
    // A refutation leaf is fine as long as the goal offers nothing there.
    goal.moves[""] = {"aa", "ba"};
    goal.moves["aa ab"] = {"ac"};
    goal.values.erase("aa ab");
    EXPECT_FALSE(verify());
}

TEST_F(Replay, TerminalNodesAreCheckedAgainstTheClaim) {
    goal.moves[""] = {"aa"};
    goal.values["aa"] = -1;
    ASSERT_EQ(prove(), 1);
    EXPECT_TRUE(verify());
    goal.values["aa"] = 0;  // now White holds Black to a draw
    EXPECT_FALSE(verify());
    goal.values[""] = 1;  // the root itself is a win
    EXPECT_TRUE(verify());
}

TEST_F(Replay, AnUndecidedResultKeepsBothTrees) {
    goal.moves[""] = {"aa", "ba"};
    goal.values["aa"] = 0;
    goal.values["ba"] = 1;
    ASSERT_EQ(prove(), 0);
    EXPECT_EQ(record.proof.single_first_move(), pt(e, "aa"));
    EXPECT_EQ(record.refutation.child_count(), 2);
    EXPECT_TRUE(verify());
}

}  // namespace

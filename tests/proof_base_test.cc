#include <gtest/gtest.h>

#include <memory>
#include <regex>

#include "engine/engine.h"
#include "engine/reading/proof_base.h"
#include "tests/support/board_helpers.h"
#include "tests/support/diag_capture.h"

namespace {

using test::pt;

point_set set_of(std::initializer_list<point*> points) {
    point_set s;
    for (point* p : points) s.add(p);
    return s;
}

TEST(ProofRecord, KeyBucketResultAndLastMoveFromConstruction) {
    engine e;
    point_set targets = set_of({pt(e, "cd"), pt(e, "pp")});
    proof_record r(3, targets, -1, 42, pt(e, "qq"));
    const int sum = pt(e, "cd")->index + pt(e, "pp")->index;
    EXPECT_EQ(r.key, 30000 + sum);
    EXPECT_EQ(r.bucket, (30000 + sum) % 101);
    EXPECT_EQ(r.result, 99);
    EXPECT_EQ(r.colour, -1);
    EXPECT_EQ(r.move_number, 42);
    EXPECT_EQ(r.targets.count(), 2);
    EXPECT_TRUE(r.last_moves.contains(pt(e, "qq")));
    r.mark_used(50, pt(e, "rr"));
    EXPECT_EQ(r.move_number, 50);
    EXPECT_EQ(r.last_moves.count(), 2);
}

TEST(ProofRecord, SizeDepthFirstMovesAndCopy) {
    engine e;
    proof_record r(1, set_of({pt(e, "dd")}), 1, 7, e.pass_point);
    r.result = 1;
    r.proof.add_child(pt(e, "ed"));
    r.proof.add_child(pt(e, "fd"));
    r.proof.add_child(pt(e, "gd"));
    r.proof.to_root();
    r.refutation.add_child(pt(e, "cc"));
    r.refutation.up();
    r.refutation.add_child(pt(e, "ce"));
    r.refutation.up();
    EXPECT_EQ(r.size(), 5);
    EXPECT_EQ(r.depth(), 3);
    point_set moves;
    r.first_moves(moves);  // the refutation tree has two first moves
    EXPECT_EQ(moves.to_vector(), std::vector<point*>{pt(e, "ed")});

    proof_record copy;
    copy.targets.add(pt(e, "aa"));
    r.copy_to(copy);
    EXPECT_EQ(copy.kind, 1);
    EXPECT_EQ(copy.result, 1);
    EXPECT_EQ(copy.key, r.key);
    EXPECT_EQ(copy.bucket, r.bucket);
    EXPECT_EQ(copy.move_number, 7);
    EXPECT_EQ(copy.size(), 5);
    EXPECT_EQ(copy.targets.count(), 2);  // added to what was there
    EXPECT_TRUE(copy.last_moves.empty());
}

TEST(ProofRecord, CopiedRefutationLinksLandInTheCopiedProof) {
    engine e;
    proof_record r(0, set_of({pt(e, "dd")}), 1, 0, e.pass_point);
    r.proof.add_child(pt(e, "ed"));
    proof_tree::node* proven = r.proof.current();
    r.proof.up();
    r.refutation.add_child(pt(e, "ed"));
    r.refutation.link(proven);
    r.refutation.up();
    proof_record copy;
    r.copy_to(copy);
    copy.refutation.descend(pt(e, "ed"));
    copy.proof.descend(pt(e, "ed"));
    EXPECT_EQ(copy.refutation.current()->link, copy.proof.current());
}

class ProofBase : public ::testing::Test {
  protected:
    engine e;
    proof_base base;

    // A record about the stone on dd, with one proof node.
    proof_record* store(int move_number, int kind = 1, point* last = nullptr) {
        auto r = std::make_unique<proof_record>(kind, set_of({pt(e, "dd")}), 1, move_number,
                                                last ? last : e.pass_point);
        r->proof.add_child(pt(e, "ed"));
        proof_record* raw = r.get();
        base.store(std::move(r));
        return raw;
    }
    std::vector<proof_record*> find(int kind, point* last) {
        std::vector<proof_record*> found;
        base.find(kind, set_of({pt(e, "dd")}), last, found);
        return found;
    }
};

TEST_F(ProofBase, FindsByKindAndTargetsWithRecordsAtTheLastMoveFirst) {
    proof_record* old_elsewhere = store(1, 1, pt(e, "aa"));
    proof_record* at_move = store(2, 1, pt(e, "qq"));
    proof_record* new_elsewhere = store(3, 1, pt(e, "bb"));
    store(4, 0, pt(e, "qq"));  // another kind
    EXPECT_EQ(find(1, pt(e, "qq")),
              (std::vector<proof_record*>{at_move, new_elsewhere, old_elsewhere}));
    EXPECT_TRUE(find(2, pt(e, "qq")).empty());
    std::vector<proof_record*> found;
    base.find(1, set_of({pt(e, "ee")}), pt(e, "qq"), found);
    EXPECT_TRUE(found.empty());
    EXPECT_EQ(base.count(), 4);
    EXPECT_EQ(base.total_size(), 4);
}

TEST_F(ProofBase, RemoveAndClearKeepTheCounts) {
    proof_record* a = store(1);
    store(2);
    std::unique_ptr<proof_record> taken = base.remove(a);
    EXPECT_EQ(taken.get(), a);
    EXPECT_EQ(base.count(), 1);
    EXPECT_EQ(base.total_size(), 1);
    EXPECT_EQ(find(1, e.pass_point).size(), 1u);
    base.clear();
    EXPECT_EQ(base.count(), 0);
    EXPECT_EQ(base.total_size(), 0);
    EXPECT_TRUE(find(1, e.pass_point).empty());
}

TEST_F(ProofBase, TheHundredthStorePurgesAndTheNinetyNinthDoesNot) {
    test::diag_capture out;
    for (int i = 0; i < 99; ++i) store(i < 50 ? 3 : 20);
    EXPECT_EQ(out.text(), "");
    EXPECT_EQ(base.count(), 99);
    store(20);
    EXPECT_EQ(base.count(), 50);
    EXPECT_EQ(base.total_size(), 50);
    // The summary, the counts from move number 3 to 20, and the counts
    // again after the purge.
    std::string before = "50 ";
    std::string after = "0 ";
    for (int m = 4; m < 20; ++m) before += "0 ", after += "0 ";
    before += "50 ";
    after += "50 ";
    EXPECT_EQ(out.text(), " proof_base n 100 total_size 100\n" + before + "\n" + after + "\n");
}

TEST_F(ProofBase, PurgeKeepsTheLastFiveMoveNumbers) {
    store(10);
    store(14);
    base.purge_old();
    EXPECT_EQ(base.count(), 2);
    store(15);
    test::diag_capture out;
    base.purge_old();
    EXPECT_EQ(base.count(), 2);
    EXPECT_EQ(out.text(), "1 0 0 0 1 1 \n0 0 0 0 1 1 \n");
}

TEST_F(ProofBase, MoveNumbersOutsideTheHistogramAreClampedForItOnly) {
    store(-3);
    store(1200);
    test::diag_capture out;
    base.purge_old();
    const std::string text = out.text();
    EXPECT_NE(text.find(" err 1 proof ii -3 "), std::string::npos);
    EXPECT_NE(text.find(" err 2 proof ii 1200 "), std::string::npos);
    // Clamped to 999, the newest number still removes the record at -3.
    EXPECT_EQ(base.count(), 1);
    EXPECT_EQ(find(1, e.pass_point).front()->move_number, 1200);
}

TEST(ProofBaseOfTheEngine, ResetBoardEmptiesIt) {
    engine e;
    auto r = std::make_unique<proof_record>(0, set_of({pt(e, "dd")}), 1, 0, e.pass_point);
    e.proofs->store(std::move(r));
    e.push(pt(e, "dd"), 1);
    e.reset_board();
    EXPECT_EQ(e.proofs->count(), 0);
    EXPECT_EQ(e.no_moves, 0);
}

}  // namespace

#include <gtest/gtest.h>

#include "engine/engine.h"
#include "engine/reading/proof_tree.h"
#include "tests/support/board_helpers.h"
#include "tests/support/diag_capture.h"

namespace {

using test::pt;

class ProofTree : public ::testing::Test {
  protected:
    engine e;
    proof_tree tree;
    point* a = pt(e, "aa");
    point* b = pt(e, "bb");
    point* c = pt(e, "cc");

    std::vector<point*> children() {
        point_set set;
        tree.children(set);
        return set.to_vector();
    }
};

TEST_F(ProofTree, AddChildDescendsAndCountsDepth) {
    EXPECT_EQ(tree.node_depth(), 0);
    tree.add_child(a);
    tree.add_child(b);
    EXPECT_EQ(tree.node_depth(), 2);
    tree.up();
    tree.up();
    tree.add_child(c);
    EXPECT_EQ(tree.node_depth(), 1);
    tree.up();
    EXPECT_EQ(tree.node_count(), 3);
    EXPECT_EQ(tree.depth(), 2);
    EXPECT_EQ(tree.child_count(), 2);
    EXPECT_EQ(children().size(), 2u);
    tree.clear();
    EXPECT_EQ(tree.node_count(), 0);
    EXPECT_EQ(tree.depth(), 0);
    EXPECT_EQ(tree.child_count(), 0);
}

TEST_F(ProofTree, ASecondChildForTheSameMoveIsMadeButNotListed) {
    tree.add_child(a);
    tree.add_child(c);  // under the first a
    tree.up();
    tree.up();
    tree.add_child(a);
    EXPECT_EQ(tree.child_count(), 0);  // the new a node, without the c below
    tree.up();
    EXPECT_EQ(tree.child_count(), 1);
    EXPECT_EQ(tree.node_count(), 3);
    tree.descend(a);
    EXPECT_EQ(tree.child_count(), 1);  // the listed a is the first one
}

TEST_F(ProofTree, DescendToAMissingChildReportsAndStays) {
    tree.add_child(a);
    tree.up();
    test::diag_capture out;
    tree.descend(b);
    EXPECT_EQ(out.text(), "error no such child");
    EXPECT_EQ(tree.node_depth(), 0);
    EXPECT_EQ(tree.child_count(), 1);
    tree.descend(a);
    EXPECT_EQ(tree.node_depth(), 1);
}

TEST_F(ProofTree, SingleFirstMoveNeedsOneChildThatIsNotAPass) {
    EXPECT_EQ(tree.single_first_move(), nullptr);
    tree.add_child(e.pass_point);
    tree.up();
    EXPECT_EQ(tree.single_first_move(), nullptr);
    tree.clear();
    tree.add_child(b);
    tree.up();
    EXPECT_EQ(tree.single_first_move(), b);
    tree.add_child(c);
    tree.up();
    EXPECT_EQ(tree.single_first_move(), nullptr);
}

TEST_F(ProofTree, LinkToAShallowerNodeIsReported) {
    tree.add_child(a);
    proof_tree::node* shallow = tree.current();
    tree.add_child(b);
    proof_tree::node* deep = tree.current();
    tree.up();
    tree.up();
    tree.add_child(c);
    test::diag_capture out;
    tree.link(deep);  // depth 2 from depth 1: fine
    EXPECT_EQ(out.text(), "");
    EXPECT_TRUE(tree.is_linked());
    tree.add_child(b);
    tree.link(shallow);  // depth 1 from depth 2
    EXPECT_EQ(out.text(), "depth error cycle? \n[cc][bb]\n[aa]\n");
    EXPECT_EQ(tree.current()->link, shallow);
}

TEST_F(ProofTree, CopyIsDeepAndCarriesLinksOver) {
    tree.add_child(a);
    tree.add_child(b);
    proof_tree::node* target = tree.current();
    tree.up();
    tree.up();
    tree.add_child(c);
    tree.add_child(b);
    tree.link(target);
    tree.up();
    tree.up();

    proof_tree copy;
    copy.add_child(e.pass_point);  // cleared by the copy
    tree.copy_to(copy);
    EXPECT_EQ(copy.node_count(), 4);
    EXPECT_EQ(copy.depth(), 2);
    EXPECT_EQ(copy.node_depth(), 0);
    EXPECT_EQ(copy.child_count(), 2);
    copy.descend(c);
    copy.descend(b);
    ASSERT_TRUE(copy.is_linked());
    proof_tree::node* copied_target = copy.current()->link;
    EXPECT_NE(copied_target, target);
    EXPECT_EQ(copied_target->move, b);
    EXPECT_EQ(copied_target->parent->move, a);
    EXPECT_EQ(copied_target->parent->parent, copy.current()->parent->parent);
    // The copy lives on when the original is cleared.
    tree.clear();
    EXPECT_EQ(copied_target->depth, 2);
}

}  // namespace

#include <gtest/gtest.h>

#include "engine/engine.h"
#include "engine/evaluation/group.h"
#include "tests/support/board_helpers.h"
#include "tests/support/own_directory.h"

namespace {

using test::pt;

TEST(GroupMembership, AddAbsorbAndMainStone) {
    engine e;
    test::place(e, {"",
                    ".XX.XO",
                    "....X"});
    group a(e), b(e);
    a.add_string(pt(e, "bb")->str_ptr);
    b.add_string(pt(e, "eb")->str_ptr);
    EXPECT_EQ(a.colour, 1);
    EXPECT_EQ(a.size, 2);
    EXPECT_EQ(pt(e, "bb")->str_ptr->owner_group, &a);
    a.absorb_group(&b);
    EXPECT_TRUE(b.members.empty());
    EXPECT_EQ(a.members.size(), 2u);
    EXPECT_EQ(a.size, 4);
    EXPECT_EQ(pt(e, "eb")->str_ptr->owner_group, &a);
    // The largest 1000 x liberties + index: bb-cb has six liberties, eb-ec
    // only five, so the higher stone of bb-cb wins although ec has the
    // highest index.
    EXPECT_EQ(a.main_stone(), pt(e, "cb"));
    a.remove_string(pt(e, "eb")->str_ptr);
    EXPECT_EQ(a.size, 2);
    EXPECT_EQ(pt(e, "eb")->str_ptr->owner_group, nullptr);
}

TEST(GroupMembership, DestructionForgetsOnlyItsOwnStrings) {
    engine e;
    test::place(e, {"X.X"});
    str* left = pt(e, "aa")->str_ptr;
    str* right = pt(e, "ca")->str_ptr;
    {
        group g(e);
        g.add_string(left);
        g.add_string(right);
        group other(e);
        other.add_string(right);  // right now names the other group
    }
    EXPECT_EQ(left->owner_group, nullptr);
    EXPECT_EQ(right->owner_group, nullptr);
}

TEST(GroupMembership, ASingleDeadStringDependsOnTheSideToMove) {
    engine e;
    test::place(e, {"X"});  // Black moved last: White is to move
    group g(e);
    g.add_string(pt(e, "aa")->str_ptr);
    pt(e, "aa")->str_ptr->status = 1;
    EXPECT_TRUE(g.is_single_dead_string());
    EXPECT_FALSE(g.is_to_move());
    pt(e, "aa")->str_ptr->status = 6;
    EXPECT_FALSE(g.is_single_dead_string());
}

using GroupDeathTest = test::own_directory;

TEST_F(GroupDeathTest, MisuseGoesThroughTheCrashLog) {
    EXPECT_EXIT(
        {
            engine e;
            group g(e);
            g.absorb_group(&g);
        },
        ::testing::ExitedWithCode(EXIT_FAILURE), "");
    EXPECT_EXIT(
        {
            engine e;
            test::place(e, {"XO"});
            group g(e);
            g.add_string(pt(e, "aa")->str_ptr);
            g.add_string(pt(e, "ba")->str_ptr);
        },
        ::testing::ExitedWithCode(EXIT_FAILURE), "");
}

}  // namespace

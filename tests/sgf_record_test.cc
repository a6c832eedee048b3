#include <gtest/gtest.h>

#include "game/sgf_record.h"

namespace {

TEST(SgfRecord, MainLineOfARealWorldFile) {
    sgf_record r;
    std::string why;
    ASSERT_TRUE(
        read_sgf_record("(;FF[3]SZ[19]KM[6.5]RE[B+R]HA[2]AB[dd][pp]C[a \\] comment]\n"
                        ";W[qd](;B[dq];W[tt](;B[]))(;B[aa]))",
                        r, why));
    EXPECT_EQ(r.size, 19);
    EXPECT_EQ(r.handicap, 2);
    EXPECT_DOUBLE_EQ(r.komi, 6.5);
    EXPECT_EQ(r.result, "B+R");
    ASSERT_EQ(r.setup.size(), 2u);
    EXPECT_EQ(r.setup[1].x, 16);
    ASSERT_EQ(r.moves.size(), 4u);
    EXPECT_EQ(r.moves[0].colour, -1);
    EXPECT_EQ(r.moves[1].x, 4);
    EXPECT_EQ(r.moves[1].y, 17);
    EXPECT_EQ(r.moves[2].x, 0);  // tt is a pass on 19x19
    EXPECT_EQ(r.moves[3].x, 0);
}

TEST(SgfRecord, SetupRectanglesAndOtherSizes) {
    sgf_record r;
    std::string why;
    ASSERT_TRUE(read_sgf_record("(;SZ[9]AW[aa:bc];B[ii])", r, why));
    EXPECT_EQ(r.size, 9);
    EXPECT_EQ(r.setup.size(), 6u);
    EXPECT_EQ(r.moves[0].x, 9);
    EXPECT_FALSE(read_sgf_record("not a game", r, why));
    EXPECT_FALSE(why.empty());
    EXPECT_TRUE(read_sgf_record("(;B[dd", r, why));  // cut short: what was read is kept
    EXPECT_EQ(r.moves.size(), 1u);
}

}  // namespace

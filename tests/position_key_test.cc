#include <gtest/gtest.h>

#include "engine/engine.h"
#include "tests/support/board_helpers.h"

namespace {

TEST(PositionKey, CornerStones) {
    engine e;
    e.push(e.at(1, 1), 1);
    EXPECT_EQ(e.key.words[1], 1);
    EXPECT_EQ(e.key.hash_base(), 60);
    EXPECT_EQ(e.key.bucket(), 60);
    e.pop();
    e.push(e.at(1, 1), -1);
    EXPECT_EQ(e.key.words[1], -1);
    EXPECT_EQ(e.key.hash_base(), 20);
    e.pop();
    e.push(e.at(1, 19), 1);
    EXPECT_EQ(e.key.words[1], 387420489);
    e.pop();
    for (int w = 1; w < position_key::n_words; ++w) {
        if (w != position_key::turn_word) {
            EXPECT_EQ(e.key.words[w], 0) << w;
        }
    }
}

TEST(PositionKey, FullColumnsFitAndAreUnique) {
    engine e;
    for (int y = 1; y <= 19; ++y)
        e.push(e.at(3, y), 1);
    EXPECT_EQ(e.key.words[3], 581130733);
    for (int y = 19; y >= 1; --y)
        e.pop();
    for (int y = 1; y <= 19; ++y)
        e.push(e.at(3, y), -1);
    EXPECT_EQ(e.key.words[3], -581130733);
}

TEST(PositionKey, SamePositionIgnoresBoundsBucketAndLink) {
    position_key a, b;
    a.words[5] = 7;
    b.words[5] = 7;
    b.set_bounds(1, 1);
    b.words[position_key::bucket_word] = 9;
    b.link = &a;
    EXPECT_TRUE(position_key::same_position(a, b));
    b.words[position_key::turn_word] = 4;
    EXPECT_FALSE(position_key::same_position(a, b));
    b.words[position_key::turn_word] = 0;
    b.words[19] = 1;
    EXPECT_FALSE(position_key::same_position(a, b));
}

TEST(PositionKey, MoveCountIsPartOfTheKey) {
    engine e;
    e.push(e.at(4, 4), 1);
    position_key one = e.key;
    e.pop();
    e.push(e.pass_point, -1);
    e.push(e.pass_point, 1);
    e.push(e.at(4, 4), 1);
    EXPECT_FALSE(position_key::same_position(one, e.key));
}

TEST(PositionKey, PrintKey) {
    position_key k;
    k.words[1] = 3;
    k.words[position_key::hash_base_word] = 60;
    testing::internal::CaptureStdout();
    k.print_key();
    std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(printed.rfind(" 3 0 0", 0), 0u);
    EXPECT_NE(printed.find(" 60 0 0 values 0 0\n"), std::string::npos);
}

}  // namespace

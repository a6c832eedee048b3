#include <gtest/gtest.h>

#include "engine/engine.h"
#include "engine/evaluation/connection.h"
#include "tests/support/board_helpers.h"

namespace {

using test::pt;

TEST(Strings, CornerStoneLosesALibertyToAnEnemyNeighbour) {
    engine e;
    e.push(pt(e, "aa"), 1);
    str* s = pt(e, "aa")->str_ptr;
    EXPECT_EQ(s->liberties.count(), 2);
    e.push(pt(e, "ba"), -1);
    EXPECT_EQ(s->liberties.count(), 1);
    EXPECT_EQ(pt(e, "aa")->liberties(), 1);
}

TEST(Strings, RemovedStringBecomesTheSpareAndKeepsWhatItLearnt) {
    engine e;
    point* p = pt(e, "dd");
    e.push(p, 1);
    e.push(pt(e, "pp"), 1);
    str* s = p->str_ptr;
    s->status = 1;
    new connection(s, pt(e, "pp")->str_ptr);  // owned by the pair of strings
    e.pop();
    e.pop();
    EXPECT_EQ(p->spare_black, s);
    EXPECT_TRUE(s->stones.empty());
    EXPECT_TRUE(s->liberties.empty());
    e.push(p, 1);
    EXPECT_EQ(p->str_ptr, s);
    EXPECT_EQ(s->status, 1);
    EXPECT_EQ(s->connections.size(), 1u);
    EXPECT_EQ(p->spare_black, nullptr);
    e.reset_board();
    EXPECT_EQ(str::live_count(), 0);
}

TEST(Strings, RemoveStoneDropsFarLibertiesAndRegainsThePoint) {
    engine e;
    e.push(pt(e, "dd"), 1);
    str* s = pt(e, "dd")->str_ptr;
    s->add_stone((pt(e, "ed")->colour = 1, pt(e, "ed")));
    EXPECT_EQ(s->liberties.count(), 6);
    s->remove_stone(pt(e, "ed"));
    EXPECT_EQ(s->stones.count(), 1);
    EXPECT_EQ(s->liberties.count(), 4);
    EXPECT_TRUE(s->liberties.contains(pt(e, "ed")));
    EXPECT_FALSE(s->liberties.contains(pt(e, "fd")));
}

TEST(Strings, MergeLeavesTheAbsorbedStringIntact) {
    engine e;
    e.push(pt(e, "dd"), 1);
    e.push(pt(e, "fd"), 1);
    str* left = pt(e, "dd")->str_ptr;
    str* right = pt(e, "fd")->str_ptr;
    e.push(pt(e, "ed"), 1);
    str* joined = pt(e, "ed")->str_ptr;
    EXPECT_NE(joined, left);
    EXPECT_NE(joined, right);
    EXPECT_EQ(joined->stones.count(), 3);
    EXPECT_EQ(joined->liberties.count(), 8);
    EXPECT_EQ(left->stones.count(), 1);
    EXPECT_EQ(left->liberties.count(), 4);
    EXPECT_EQ(joined->birth, 3);
    e.pop();
    EXPECT_EQ(pt(e, "dd")->str_ptr, left);
    EXPECT_EQ(pt(e, "fd")->str_ptr, right);
    EXPECT_EQ(pt(e, "ed")->spare_black, joined);
    EXPECT_EQ(test::board_mismatch(e), "");
}

TEST(Strings, Distances) {
    engine e;
    test::place(e, {"", "", "...X", "....X", "......X"});
    str* a = pt(e, "dc")->str_ptr;
    str* b = pt(e, "ed")->str_ptr;
    str* c = pt(e, "ge")->str_ptr;
    EXPECT_EQ(a->distance(b), 1);
    EXPECT_EQ(b->distance(c), 3);
    EXPECT_EQ(a->distance_to_point(pt(e, "dd")), 0);
    EXPECT_EQ(a->lowest_stone(), pt(e, "dc"));
}

TEST(Strings, TacticalQueries) {
    engine e;
    // A white stone in atari next to a black two-stone string.
    test::place(e, {"", "..XO", "..XOX", "...X"});
    str* black = pt(e, "cb")->str_ptr;
    str* white = pt(e, "db")->str_ptr;
    ASSERT_EQ(white->liberties.count(), 2);
    point_set out;
    black->two_liberty_enemies(out);
    EXPECT_EQ(out.count(), 2);
    EXPECT_EQ(black->touches_enemy_in_atari(), 0);
    e.push(pt(e, "da"), 1);
    EXPECT_EQ(white->liberties.count(), 1);
    EXPECT_EQ(black->touches_enemy_in_atari(), 1);
    point_set caps;
    black->atari_captures(caps);
    EXPECT_EQ(caps.to_vector(), (std::vector<point*>{pt(e, "eb")}));
    EXPECT_EQ(white->capturable_now(), 1);
    EXPECT_EQ(white->is_weak(), 1);
    std::vector<str*> enemies;
    white->adjacent_enemies(enemies);
    EXPECT_EQ(enemies.size(), 4u);
    point_set counter;
    white->counter_captures(counter);
    EXPECT_TRUE(counter.empty());
}

TEST(Strings, SelfAtariLibertiesAreTheOpponentsCapturePoints) {
    engine e;
    // White on aa or ca would have one liberty (ab or da) at once.
    test::place(e, {".X", ".XX"});
    point_set out;
    pt(e, "ba")->str_ptr->self_atari_liberties(out);
    EXPECT_EQ(out.count(), 2);
    EXPECT_TRUE(out.contains(pt(e, "ab")));
    EXPECT_TRUE(out.contains(pt(e, "da")));
    EXPECT_EQ(test::board_mismatch(e), "");
}

TEST(Strings, CheckReportsCorruptedLiberties) {
    engine e;
    e.push(pt(e, "dd"), 1);
    e.push(pt(e, "pp"), -1);
    str* s = pt(e, "dd")->str_ptr;
    EXPECT_EQ(s->check("test"), 0);
    s->liberties.add(pt(e, "pp"));
    testing::internal::CaptureStdout();
    EXPECT_EQ(s->check("test"), 1);
    EXPECT_NE(testing::internal::GetCapturedStdout().find("str check error test\n"),
              std::string::npos);
    s->liberties.remove(pt(e, "pp"));
    s->liberties.remove(pt(e, "de"));
    testing::internal::CaptureStdout();
    EXPECT_EQ(s->check("again"), 1);
    EXPECT_NE(testing::internal::GetCapturedStdout().find("str check error libsize again\n"),
              std::string::npos);
    s->liberties.add(pt(e, "de"));
    EXPECT_EQ(e.check_position(), 0);
}

}  // namespace

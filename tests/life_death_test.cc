// The life-and-death goals and readings: terminal tests, move lists and
// their order, and the eye shapes read both ways, each leaving the board as
// found.
#include <gtest/gtest.h>

#include "engine/engine.h"
#include "tests/support/board_helpers.h"
#include "tests/support/board_snapshot.h"
#include "tests/support/eye_shapes.h"
#include "tests/support/group_helpers.h"

namespace {

using namespace test::eye_shapes;
using test::pt;

// The Black group on bb with the points of its eye space as the area.
class LifeAndDeath : public ::testing::Test {
  protected:
    engine e;
    point* main = nullptr;
    point_set area;

    void set_up(const picture& position, const std::vector<const char*>& eye_space) {
        test::place(e, position);
        test::build_groups(e);
        group* g = test::group_at(e, "bb");
        main = g->main_stone();
        main->group_ref = g;
        for (const char* n : eye_space) area.add(pt(e, n));
    }
    // The targets as the readings build them: the main stone first.
    point_set targets() {
        point_set t;
        std::vector<point*> rest = area.to_vector();
        for (auto p = rest.rbegin(); p != rest.rend(); ++p) t.add(*p);
        t.add(main);
        return t;
    }
    std::vector<point*> moves(search_goal& goal, int depth) {
        point_set t = targets(), m;
        test::board_snapshot before(e);
        goal.generate_moves(t, m, depth);
        EXPECT_EQ(test::changes_since(e, before), "");
        return m.to_vector();
    }
    // The value of a terminal node; 9 when it is not terminal.
    int terminal(search_goal& goal, int depth, int max_depth) {
        point_set t = targets();
        int value = 9;
        const bool decided = goal.is_terminal(t, depth, max_depth, value);
        EXPECT_EQ(decided, value != 9);
        return value;
    }
    std::vector<point*> points(std::initializer_list<const char*> list) {
        std::vector<point*> out;
        for (const char* n : list) out.push_back(n == nullptr ? e.pass_point : pt(e, n));
        return out;
    }
    // A reading at depth 6; first gets the proof's first move.
    int read(bool live, point** first = nullptr) {
        test::board_snapshot before(e);
        proof_record record;
        const int r =
            live ? e.can_live(main, area, 6, &record) : e.can_kill(main, area, 6, &record);
        EXPECT_EQ(test::changes_since(e, before), "");
        EXPECT_EQ(record.result, r);
        EXPECT_EQ(record.targets.count(), 1);
        EXPECT_TRUE(record.targets.contains(main));
        if (first != nullptr) *first = record.proof.single_first_move();
        return r;
    }
};

TEST_F(LifeAndDeath, TheOwnersTerminalTest) {
    set_up(one_small_eye, {"ca", "da"});
    EXPECT_EQ(terminal(*e.goal_live, 0, 4), 9);  // the root is always expanded
    EXPECT_EQ(terminal(*e.goal_live, 1, 4), -1);
}

TEST_F(LifeAndDeath, OneAndAHalfEyesAreEnoughForTheOwner) {
    set_up(straight_three, {"ca", "da", "ea"});
    EXPECT_EQ(terminal(*e.goal_live, 1, 4), 1);
}

TEST_F(LifeAndDeath, AnOpenStatusIsDecidedOnlyAtTheLimit) {
    set_up(nakade_five, {"ca", "da", "ea", "fa", "ga"});  // life 0 and kill 0
    EXPECT_EQ(terminal(*e.goal_live, 1, 4), 9);
    EXPECT_EQ(terminal(*e.goal_live, 4, 4), 0);
    EXPECT_EQ(terminal(*e.goal_kill, 1, 4), 9);
    EXPECT_EQ(terminal(*e.goal_kill, 4, 4), 0);
}

TEST_F(LifeAndDeath, TheAttackersTerminalTest) {
    // One small eye and no outside liberty.
    set_up({"OX..XO", "OXXXXO", "OOOOOO"}, {"ca", "da"});
    const int tests = e.kill_count;
    EXPECT_EQ(terminal(*e.goal_kill, 0, 4), 9);  // not before the first move
    EXPECT_EQ(terminal(*e.goal_kill, 1, 4), 1);  // dead
    EXPECT_EQ(e.kill_count, tests + 2);
    // White fills ca: the group can be taken, even at the root.
    e.push(pt(e, "ca"), -1);
    e.push(e.pass_point, 1);
    EXPECT_EQ(terminal(*e.goal_kill, 0, 4), 1);
    // Taken: the main stone's point is empty.
    e.push(pt(e, "da"), -1);
    EXPECT_EQ(main->colour, 0);
    EXPECT_EQ(terminal(*e.goal_kill, 0, 4), 1);
    EXPECT_TRUE(moves(*e.goal_kill, 0).empty());
    EXPECT_TRUE(moves(*e.goal_live, 0).empty());
}

TEST_F(LifeAndDeath, TheAttackerConcedesOnlyTwoEyes) {
    set_up(straight_four, {"ca", "da", "ea", "fa"});
    EXPECT_EQ(terminal(*e.goal_kill, 1, 4), -1);
}

TEST_F(LifeAndDeath, WithNothingToTryTheOwnerPassesAtTheRootOnly) {
    set_up(straight_three, {});
    EXPECT_EQ(moves(*e.goal_live, 0), points({nullptr}));
    EXPECT_TRUE(moves(*e.goal_live, 1).empty());
    EXPECT_EQ(moves(*e.goal_kill, 1), points({nullptr}));  // the attacker may always pass
}

TEST_F(LifeAndDeath, BothSidesTryTheVitalPointFirst) {
    set_up(straight_three, {"ca", "da", "ea"});
    // Owner: key 10 - b - index/1000.  After da the eyes ca and ea are worth
    // 3 + 1 each: b = 8; after ca (or ea) b = 1.75 + 1.75.
    EXPECT_EQ(moves(*e.goal_live, 0), points({"da", "ea", "ca"}));
    EXPECT_DOUBLE_EQ(pt(e, "da")->sort_key, 10 - 8 - 0.057);
    EXPECT_DOUBLE_EQ(pt(e, "ca")->sort_key, 10 - 3.5 - 0.038);
    // Attacker: key b - index/1000.  After White da only da itself passes
    // the capture test (b = 1); a pass leaves b = 1.75 + 1 + 1.75.
    EXPECT_EQ(moves(*e.goal_kill, 0), points({"da", "ea", "ca", nullptr}));
    EXPECT_DOUBLE_EQ(pt(e, "da")->sort_key, 1 - 0.057);
    EXPECT_DOUBLE_EQ(e.pass_point->sort_key, 4.5 - 0.361);
    // Deeper, at most max(8 - depth, 2) moves.
    EXPECT_EQ(moves(*e.goal_kill, 6), points({"da", "ea"}));
    EXPECT_EQ(moves(*e.goal_live, 5), points({"da", "ea", "ca"}));
}

struct problem {
    const char* name;
    picture position;
    std::vector<const char*> eye_space;
    int live;           // can_live: the owner first
    int kill;           // can_kill: the attacker first
    const char* vital;  // both sides' first move, when both succeed
};

class Problems : public LifeAndDeath, public ::testing::WithParamInterface<problem> {};

TEST_P(Problems, ReadBothWays) {
    const problem& p = GetParam();
    set_up(p.position, p.eye_space);
    point* first = nullptr;
    point* vital = p.vital == nullptr ? nullptr : pt(e, p.vital);
    EXPECT_EQ(read(true, &first), p.live);
    if (vital != nullptr) {
        EXPECT_EQ(first, vital);
    }
    EXPECT_EQ(read(false, &first), p.kill);
    if (vital != nullptr) {
        EXPECT_EQ(first, vital);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EyeShapes, Problems,
    ::testing::Values(
        problem{"StraightThree", straight_three, {"ca", "da", "ea"}, 1, 1, "da"},
        problem{"BentThree", bent_three, {"ca", "da", "cb"}, 1, 1, "ca"},
        problem{"BulkyFive", bulky_five, {"ca", "da", "ea", "cb", "db"}, 1, 1, "da"},
        // The static test takes the six apart strictly (its
        // centre is open); the reading finds the centre.
        problem{"RabbitySix", rabbity_six, {"da", "cb", "db", "eb", "dc", "ec"}, 1, 1, "db"},
        problem{"SquareFour", square_four, {"ca", "da", "cb", "db"}, -1, 1, nullptr},
        problem{"OneSmallEye", one_small_eye, {"ca", "da"}, -1, 1, nullptr},
        problem{"Nakade", nakade_three, {"ca", "da", "ea"}, -1, 1, nullptr},
        problem{"StraightFour", straight_four, {"ca", "da", "ea", "fa"}, 1, -1, nullptr},
        problem{"TwoSmallEyes", two_small_eyes, {"ca", "da", "fa", "ga"}, 1, -1, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LifeAndDeath, AStoredReadingAnswersTheSameQuestionAgain) {
    set_up(bulky_five, {"ca", "da", "ea", "cb", "db"});
    EXPECT_EQ(read(false), 1);
    EXPECT_EQ(e.proof_stores[5], 1);  // deeper than three plies
    const int searches = e.proof_searches[5];
    point* first = nullptr;
    EXPECT_EQ(read(false, &first), 1);
    EXPECT_EQ(first, pt(e, "da"));
    EXPECT_EQ(e.proof_searches[5], searches);
    EXPECT_EQ(e.proof_hits[5], 1);
    // After White's vital point the owner cannot live: a new question.
    e.push(pt(e, "da"), -1);
    EXPECT_EQ(read(true), -1);
    EXPECT_EQ(e.proof_searches[4], 1);
}

}  // namespace

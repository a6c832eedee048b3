// The evaluation: the territory network's inputs, each point's value with
// the limits set by the stones around it, the two influence fields, the
// after-move clipping against the snapshot, and evaluations that leave the
// board as found.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "engine/engine.h"
#include "tests/support/board_helpers.h"
#include "tests/support/board_snapshot.h"
#include "tests/support/data_dir.h"
#include "tests/support/diag_capture.h"

namespace {

using test::pt;

void to_move(engine& e, int colour) {
    if (e.turn() != colour) e.push(e.pass_point, -colour);
}

group* group_at(engine& e, const char* name) {
    return pt(e, name)->str_ptr->owner_group;
}

// A territory network whose output is o everywhere: only the bias unit's
// weight to the output is set.
std::string constant_territory_net(double o) {
    std::ostringstream out;
    out.precision(17);
    for (int hidden = 0; hidden < 11; ++hidden) {
        out << "0 0 0 0 0 0 0 " << (hidden == 0 ? std::log(o / (1 - o)) : 0.0) << "\n";
    }
    return out.str();
}

TEST(Evaluate, AnEmptyBoardIsWorthNothingWithoutDataFiles) {
    test::scoped_data_dir dir;
    engine e;
    EXPECT_EQ(e.evaluate(1), 0.0);
    EXPECT_EQ(e.evaluate(-1), 0.0);
    for (int k = 0; k < e.n_points; ++k) {
        const point* p = e.points[k];
        EXPECT_EQ(p->strength_black + p->strength_white, 0.0);
        EXPECT_EQ(p->presence_black + p->presence_white + p->control_black + p->control_white, 0.0);
        EXPECT_EQ(p->value, 0.0);
    }
}

TEST(TerritoryEstimate, TheInputsAreSeenFromTheSideToMove) {
    test::scoped_data_dir dir;
    engine e;
    point* p = pt(e, "cd");  // third line, fourth line: edge distances 3 and 4
    p->presence_black = 0.1;
    p->presence_white = 0.2;
    p->control_black = 0.3;
    p->control_white = 0.4;
    EXPECT_EQ(e.territory_estimate(p), 0.0);  // no network: 2 * 0.5 - 1
    EXPECT_EQ(e.territory_net->pushed(), 7);
    auto expect_inputs = [&](const std::vector<double>& expected) {
        for (int i = 0; i < 7; ++i) {
            EXPECT_NEAR(e.territory_net->inputs()[i], expected[i], 1e-15) << i;
        }
    };
    expect_inputs({1.0, 0.1, 0.2, 0.3, 0.4, 0.3, 0.4});
    e.push(e.pass_point, 1);
    e.territory_estimate(p);
    expect_inputs({1.0, 0.2, 0.1, 0.4, 0.3, 0.3, 0.4});
}

TEST(TerritoryEstimate, ScaledFromTheNetworkOutput) {
    test::scoped_data_dir dir;
    dir.write("terr.dat", constant_territory_net(0.9));
    engine e;
    EXPECT_NEAR(e.territory_estimate(pt(e, "jj")), 0.8, 1e-12);
}

// Values of empty points next to stones whose safeties the test sets, with
// a network that rates every empty point o for the side to move.
class TerritoryValue : public ::testing::Test {
  protected:
    test::scoped_data_dir dir;
    std::unique_ptr<engine> e;

    void build(double o, const std::vector<std::string>& picture, int turn) {
        dir.write("terr.dat", constant_territory_net(o));
        e = std::make_unique<engine>();
        test::place(*e, picture);
        to_move(*e, turn);
        e->update_groups();
    }
    void safety(const char* name, double s) { group_at(*e, name)->safety = s; }
    double value(const char* name, int k) { return e->territory_value(pt(*e, name), k); }
};

TEST_F(TerritoryValue, StonesCountTheirGroupsSafety) {
    build(0.5, {"", ".XO"}, 1);
    safety("bb", 0.75);
    safety("cb", 0.25);
    EXPECT_DOUBLE_EQ(value("bb", 1), 0.5);
    EXPECT_DOUBLE_EQ(value("bb", -1), -0.5);
    EXPECT_DOUBLE_EQ(value("cb", 1), 0.5);
    EXPECT_DOUBLE_EQ(pt(*e, "cb")->value, 0.5);
    // A string outside every group counts nothing, and keeps its value.
    pt(*e, "cb")->str_ptr->owner_group = nullptr;
    pt(*e, "cb")->value = 0.125;
    EXPECT_EQ(value("cb", 1), 0.0);
    EXPECT_EQ(pt(*e, "cb")->value, 0.125);
}

TEST_F(TerritoryValue, AnOwnStoneLimitsNothingBeyondItsSafety) {
    build(0.9, {"", ".X"}, 1);
    safety("bb", 1.0);
    EXPECT_NEAR(value("cb", 1), 0.8, 1e-12);
    EXPECT_NEAR(pt(*e, "cb")->value, 0.8, 1e-12);
    safety("bb", 0.6);
    EXPECT_NEAR(value("cb", 1), 0.6, 1e-12);
    // White's view of the same point is the negative estimate, which the
    // Black stone keeps from going below its safety less one.
    safety("bb", 1.0);
    EXPECT_NEAR(value("cb", -1), -0.8, 1e-12);
    safety("bb", 0.5);
    EXPECT_NEAR(value("cb", -1), -0.5, 1e-12);
}

TEST_F(TerritoryValue, ANegativeEstimateStopsAtAnOwnSafeStone) {
    build(0.1, {"", ".X"}, 1);
    safety("bb", 1.0);
    EXPECT_EQ(value("cb", 1), 0.0);
    EXPECT_NEAR(value("ab", 1), 0.0, 1e-12);
    EXPECT_NEAR(value("jj", 1), -0.8, 1e-12);
}

TEST_F(TerritoryValue, APointBetweenTwoSafeStonesIsNobodys) {
    build(0.9, {"", ".X.O"}, 1);
    safety("bb", 1.0);
    safety("db", 1.0);
    EXPECT_EQ(value("cb", 1), 0.0);
    safety("db", 0.25);
    EXPECT_NEAR(value("cb", 1), 0.75, 1e-12);
}

TEST_F(TerritoryValue, TheSecondRingCountsOnlyWithTheOwnerNotToMove) {
    // dd is empty; its neighbour ed touches the White stone fd.
    const std::vector<std::string> picture = {"", "", "", ".....O"};
    build(0.9, picture, 1);
    safety("fd", 0.7);
    EXPECT_NEAR(value("dd", 1), 0.8, 1e-12);
    build(0.1, picture, -1);
    safety("fd", 0.7);
    EXPECT_NEAR(value("dd", 1), 0.3, 1e-12);
    EXPECT_NEAR(value("jj", 1), 0.8, 1e-12);
}

TEST_F(TerritoryValue, AnOpenDiagonalOfTheNeighbourCounts) {
    // The White stone fe is diagonal to ed, a neighbour of dd, and touches
    // no other neighbour of dd.
    build(0.1, {"", "", "", "", ".....O"}, -1);
    safety("fe", 0.9);
    EXPECT_NEAR(value("dd", 1), 0.1, 1e-12);
    // A Black stone on ee closes the square of ed and fe.
    build(0.1, {"", "", "", "", "....XO"}, -1);
    safety("fe", 0.9);
    EXPECT_NEAR(value("dd", 1), 0.8, 1e-12);
}

// --- the two fields ----------------------------------------------------------

TEST(Evaluate, TheFieldsStartFromTheGroupsAndFillEnclosedPoints) {
    test::scoped_data_dir dir;
    engine e;
    // aa is enclosed by the Black stone ba and the White stone ab.
    test::place(e, {".X", "O"});
    e.evaluate(1);
    const group* black = group_at(e, "ba");
    const group* white = group_at(e, "ab");
    EXPECT_EQ(pt(e, "ba")->strength_black, black->space);
    EXPECT_EQ(pt(e, "ba")->strength_white, 0.0);
    EXPECT_EQ(pt(e, "ab")->strength_white, white->space);
    const point* corner = pt(e, "aa");
    EXPECT_DOUBLE_EQ(corner->strength_black, black->space / 2);
    EXPECT_DOUBLE_EQ(corner->strength_white, white->space / 2);
    auto weight = [](const group* g) { return g->safety / (2 * g->harassment + 1); };
    const double b = weight(black);
    const double w = weight(white);
    EXPECT_DOUBLE_EQ(pt(e, "ba")->stone_weight, b);
    EXPECT_DOUBLE_EQ(pt(e, "ba")->control_white, 1 - b);
    EXPECT_DOUBLE_EQ(pt(e, "ab")->control_black, 1 - w);
    EXPECT_DOUBLE_EQ(corner->presence_black, b / 2);
    EXPECT_DOUBLE_EQ(corner->presence_white, w / 2);
    EXPECT_DOUBLE_EQ(corner->control_black, (b + 1 - w) / 2);
    EXPECT_DOUBLE_EQ(corner->control_white, (w + 1 - b) / 2);
    EXPECT_EQ(corner->stone_weight, 0.0);
}

// --- the after-move evaluation -----------------------------------------------

// Black bb-cb and White bd-cd, far from the candidate at pp.
const std::vector<std::string> two_pairs = {"", ".XX", "", ".OO"};

// The pass evaluation and snapshot of move generation, for Black.
void analyse_root(engine& e) {
    e.push(e.pass_point, 1);
    e.evaluate(1);
    e.snapshot();
    e.pop();
}

void copy_safety(engine& e, const char* name, double s) {
    for (point* p : pt(e, name)->str_ptr->stones.to_vector()) p->safety_copy = s;
}

// The snapshot's copies that a clip would meet: nothing for White's pair,
// everything for Black's.
class EvaluateAfterMove : public ::testing::Test {
  protected:
    test::scoped_data_dir dir;
    engine e;

    void analyse_with_extreme_copies() {
        to_move(e, 1);
        analyse_root(e);
        copy_safety(e, "bd", 0.0);
        copy_safety(e, "bb", 1.0);
    }
    void evaluate_after(point* p) {
        e.push(p, 1);
        e.evaluate_after_move(p, 1);
    }
    void expect_unclipped() {
        EXPECT_GT(group_at(e, "bd")->safety, 0.0);
        EXPECT_LT(group_at(e, "bb")->safety, 1.0);
    }
};

TEST_F(EvaluateAfterMove, GroupsAreClippedAgainstTheSnapshot) {
    test::place(e, two_pairs);
    analyse_with_extreme_copies();
    // White, to move after the candidate, can be no safer than it was;
    // Black no weaker.
    evaluate_after(pt(e, "pp"));
    EXPECT_EQ(group_at(e, "bd")->safety, 0.0);
    EXPECT_EQ(group_at(e, "bb")->safety, 1.0);
    EXPECT_EQ(pt(e, "bd")->value, 1.0);
    EXPECT_EQ(pt(e, "bb")->value, 1.0);
    // The candidate's own group is left alone.
    EXPECT_LT(group_at(e, "pp")->safety, 1.0);
    e.pop();
    // A pass clips nothing.
    evaluate_after(e.pass_point);
    expect_unclipped();
}

TEST_F(EvaluateAfterMove, ACandidateThatDiesClipsNothing) {
    // ss is a self-atari in the corner: White takes it at once.
    test::place(e, two_pairs);
    e.push(pt(e, "sr"), -1);
    analyse_with_extreme_copies();
    evaluate_after(pt(e, "ss"));
    ASSERT_EQ(pt(e, "ss")->str_ptr->status, 1);
    expect_unclipped();
}

// --- boards left as found ----------------------------------------------------

TEST(Evaluate, EveryEvaluationLeavesTheBoardAsFound) {
    test::scoped_data_dir dir;
    engine e;
    e.max_depth_status = 6;
    e.max_depth_connection = 6;
    e.max_depth_life_death = 4;
    unsigned state = 99;
    for (int game = 0; game < 4; ++game) {
        e.reset_board();
        for (int move = 0; move < 40; ++move) {
            e.push(test::random_legal_move(e, state, 1, 9, 1, 9), e.turn());
        }
        const int a = e.turn();
        const test::board_snapshot before(e, false);
        test::diag_capture log;
        e.push(e.pass_point, a);
        const double pass_value = e.evaluate(a);
        e.snapshot();
        e.pop();
        ASSERT_EQ(test::changes_since(e, before), "");
        EXPECT_TRUE(std::isfinite(pass_value));
        for (int trial = 0; trial < 4; ++trial) {
            point* p = test::random_legal_move(e, state, 1, 10, 1, 10);
            e.push(p, a);
            const double v = e.evaluate_after_move(p, a);
            EXPECT_TRUE(std::isfinite(v));
            EXPECT_LE(std::abs(v), 361.0);
            e.pop();
            ASSERT_EQ(test::changes_since(e, before), "") << game << " " << trial;
        }
        EXPECT_EQ(log.text().find("ERRR"), std::string::npos);
    }
}

}  // namespace

// A group's features, the inputs and outputs of the two safety networks, and
// the life-and-death reading with its skip and settling rules.  The point
// strengths that the diffusion would leave are set by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/state.h"
#include "tests/support/board_helpers.h"
#include "tests/support/board_snapshot.h"
#include "tests/support/data_dir.h"
#include "tests/support/diag_capture.h"
#include "tests/support/eye_shapes.h"
#include "tests/support/group_helpers.h"

namespace {

using test::names;
using test::pt;

using test::eye_shapes::nakade_three;
using test::eye_shapes::straight_three;

// The safety of a group that is not to move, with both networks at 0.5:
// 1.1 x 0.5^1.5 - 0.05.
const double neutral_safety = 1.1 * std::pow(0.5, 1.5) - 0.05;

class GroupSafety : public ::testing::Test {
  protected:
    test::scoped_data_dir data;  // no weight files unless a test writes them
    std::unique_ptr<engine> engine_ = std::make_unique<engine>();
    engine& e = *engine_;

    void set_up(const std::vector<std::string>& picture,
                const std::vector<std::vector<std::string>>& joined = {}) {
        test::place(e, picture);
        test::build_groups(e, joined);
    }
    group* at(const char* name) { return test::group_at(e, name); }

    // The evaluation's group steps over all groups, Black first: space
    // values, then (strengths as the test set them) the safety.
    void evaluate() {
        for (int colour : {1, -1}) {
            for (auto& g : e.group_list(colour)) g->space_value();
        }
        test::board_snapshot before(e);
        for (int colour : {1, -1}) {
            for (auto& g : e.group_list(colour)) g->evaluate_safety();
        }
        EXPECT_EQ(test::changes_since(e, before), "");
    }

    // Enemy (White) strength 0 on the points within d of the named point in
    // both directions, 1 elsewhere; Black strength 0.5 everywhere.
    void open_box(const char* centre, int d) {
        test::set_strengths(e, 0.5, 1.0);
        const point* c = pt(e, centre);
        for (int k = 0; k < e.n_points; ++k) {
            point* p = e.points[k];
            if (std::abs(p->x - c->x) <= d && std::abs(p->y - c->y) <= d) p->strength_white = 0;
        }
    }
};

// --- space value --------------------------------------------------------------------

TEST_F(GroupSafety, NineLibertiesGiveFullSpaceAndEightNineTenths) {
    // A centre, an edge and a corner stone: 4 + 3 + 2 liberties, no eyes.
    test::place(e, {"", "", "", "", "", "", "", "", "", "X........X"});
    e.push(pt(e, "ss"), 1);
    test::build_groups(e, {{"aj", "jj", "ss"}});
    group* g = at("jj");
    g->space_value();
    EXPECT_EQ(g->outer_area.count(), 9);
    EXPECT_EQ(g->eyes, 0.0);
    EXPECT_DOUBLE_EQ(g->space, 1.0);
    EXPECT_DOUBLE_EQ(g->safety, 1.0);
    engine two;
    two.push(pt(two, "jj"), 1);
    two.push(pt(two, "jm"), 1);
    test::build_groups(two, {{"jj", "jm"}});
    test::group_at(two, "jj")->space_value();
    EXPECT_DOUBLE_EQ(test::group_at(two, "jj")->space, 0.9);
}

TEST_F(GroupSafety, EyeValuesAddAQuarterEach) {
    // ba is half an eye (its diagonal cb is open to White): 0.1 x (5 + 1)
    // + 0.25 x 0.5.
    set_up({"X.X", "XX"}, {{"aa", "ca"}});
    group* g = at("aa");
    g->space_value();
    EXPECT_EQ(names(g->outer_area), "ac ba bc cb da");
    EXPECT_DOUBLE_EQ(g->eyes, 0.5);
    EXPECT_DOUBLE_EQ(g->space, 0.725);
}

TEST_F(GroupSafety, DeadEnemyStonesBelongToTheOuterArea) {
    set_up({"", "", "", "", "", "", "", "", "", ".........XO"});
    group* g = at("jj");
    pt(e, "kj")->str_ptr->status = 1;
    g->space_value();
    EXPECT_EQ(names(g->outer_area), "ij ji jk kj");
    // Status 3 is dead only for the side to move (Black here).
    pt(e, "kj")->str_ptr->status = 3;
    g->space_value();
    EXPECT_EQ(g->outer_area.count(), 4);
    e.push(e.pass_point, 1);
    g->space_value();
    EXPECT_EQ(names(g->outer_area), "ij ji jk");
}

TEST_F(GroupSafety, ASingleDeadStringHasNoSpaceAndNoSafety) {
    set_up({"", "", "", "", "", "", "", "", "", ".........X"});
    group* g = at("jj");
    pt(e, "jj")->str_ptr->status = 1;
    g->space_value();
    EXPECT_EQ(g->space, 0.0);
    EXPECT_EQ(g->outer_area.count(), 0);
    test::set_strengths(e, 0.5, 0.5);
    g->evaluate_safety();
    EXPECT_EQ(g->safety, 0.0);
    EXPECT_EQ(g->lib_weakness, 1.0);  // nothing to average
    EXPECT_EQ(g->lib_strength, 0.0);
    EXPECT_EQ(g->harassment, 0.0);  // the networks are not asked
}

// --- eye space, area and enclosure ------------------------------------------------

TEST_F(GroupSafety, EyeSpaceGrowsThreeStepsWhereTheEnemyIsWeak) {
    // Open in the 7x7 box around jj: the diamond of radius 4 clipped to the
    // box, 37 points, less the stone; all weigh 0.8 near the centre.
    set_up({"", "", "", "", "", "", "", "", "", ".........X"});
    open_box("jj", 3);
    evaluate();
    group* g = at("jj");
    EXPECT_EQ(g->freedom, 36);
    EXPECT_FALSE(g->eye_space.contains(pt(e, "jj")));
    EXPECT_TRUE(g->eye_space.contains(pt(e, "jm")));
    EXPECT_FALSE(g->eye_space.contains(pt(e, "ml")));  // five steps away
    EXPECT_NEAR(g->eyespace, 36 * 0.8 * 0.25, 1e-12);
}

TEST_F(GroupSafety, EyeSpaceNearTheEdgeWeighsMore) {
    // Around bb: 21 points, of which six lie on the fifth line (weight 0.9)
    // and the rest nearer the edge (1.0).
    set_up({"", ".X"});
    open_box("bb", 3);
    evaluate();
    group* g = at("bb");
    EXPECT_EQ(g->freedom, 21);
    EXPECT_NEAR(g->eyespace, (21 - 0.6) * 0.25, 1e-12);
}

TEST_F(GroupSafety, CentreDistancesAreFoldedAndOrdered) {
    set_up({"", "", "", "..X", "..X", "", "", "", "", "", "", "", "", "", "...............X"},
           {{"cd", "ce"}});
    test::set_strengths(e, 0, 0);
    evaluate();
    EXPECT_EQ(at("cd")->centre_distance[0], 3.0);
    EXPECT_EQ(at("cd")->centre_distance[1], 4.5);
    EXPECT_EQ(at("po")->centre_distance[0], 4.0);  // 20 - 16
    EXPECT_EQ(at("po")->centre_distance[1], 5.0);  // 20 - 15
}

// A pocket in the corner: Black bb behind a White wall.
const std::vector<std::string> pocket = {"...O", ".X.O", "...O", "OOOO"};

TEST_F(GroupSafety, TheAreaIsTheEyeSpaceInsideTheEnemyWall) {
    set_up(pocket);
    e.push(e.pass_point, 1);  // White to move
    test::set_strengths(e, 0.5, 0);
    evaluate();
    group* g = at("bb");
    // cb and bc touch the wall: no seeds; ca and ac are edge points beside
    // the wall, whose big string rules them out as eyes.
    EXPECT_EQ(names(g->area), "aa ab ba");
    EXPECT_EQ(g->conf_space, 3);
    pt(e, "ab")->strength_white = 0.6;
    g->evaluate_safety();
    EXPECT_EQ(names(g->area), "aa ba");
    EXPECT_EQ(g->conf_space, 2);
}

TEST_F(GroupSafety, TheAreaGoesThroughDeadEnemyStonesOnly) {
    // White's bb touches no Black stone: the area reaches it from cb.
    set_up({"...X", ".O.X", "...X", "XXXX"});  // White to move
    test::set_strengths(e, 0.5, 1.0);
    for (const char* n : {"aa", "ba", "ca", "ab", "bb", "cb", "ac", "bc", "cc"}) {
        pt(e, n)->strength_white = 0;
    }
    pt(e, "bb")->str_ptr->status = 1;
    evaluate();
    EXPECT_FALSE(at("dd")->outer_area.contains(pt(e, "bb")));
    // Its four liberties still spoil the eyes beside it (and, on the edge,
    // diagonal to it): only cc is left with it.
    EXPECT_EQ(names(at("dd")->area), "bb cc");
    // Living, it stops the area, and the points beside it are no seeds.
    pt(e, "bb")->str_ptr->status = 6;
    evaluate();
    EXPECT_EQ(names(at("dd")->area), "cc");
}

TEST_F(GroupSafety, EnclosureByTheWallTheEdgeAndEnemyStrength) {
    set_up(pocket);
    test::set_strengths(e, 0, 0);
    evaluate();
    EXPECT_EQ(at("bb")->conf_lim, 1.0);
    // An opening on the first line does not count: the flood never enters
    // the edge.
    engine edge;
    test::place(edge, {"....", ".X.O", "...O", "OOOO"});
    test::build_groups(edge);
    test::set_strengths(edge, 0, 0);
    test::group_at(edge, "bb")->evaluate_safety();
    EXPECT_EQ(test::group_at(edge, "bb")->conf_lim, 1.0);
    // In the open, nothing encloses.
    engine open;
    open.push(pt(open, "jj"), 1);
    test::build_groups(open);
    test::set_strengths(open, 0, 0);
    test::group_at(open, "jj")->evaluate_safety();
    EXPECT_EQ(test::group_at(open, "jj")->conf_lim, 0.0);
    EXPECT_FALSE(test::group_at(open, "jj")->enclosed(0.001));
}

TEST_F(GroupSafety, TheFloodMayEnterTwentyPointsBesidesTheStones) {
    // A pocket of 21 inner points, the stone among them: enclosed.  One
    // point more (a notch in the wall at ee) and it is not.
    std::vector<std::string> rows(8, "....O");
    rows[2] = "..X.O";
    rows.push_back("OOOOO");
    set_up(rows);
    test::set_strengths(e, 0, 0);
    EXPECT_TRUE(at("cc")->enclosed(0.5));
    engine bigger;
    rows[4] = ".....O";
    test::place(bigger, rows);
    test::build_groups(bigger);
    test::set_strengths(bigger, 0, 0);
    EXPECT_FALSE(test::group_at(bigger, "cc")->enclosed(0.5));
}

TEST_F(GroupSafety, ConfLimFindsTheStrengthOfTheGap) {
    // The wall has a hole at dc, where White's strength is 0.3; beyond it
    // the board is open.
    const std::vector<std::string> holed = {"...O", ".X.O", "....", "OOOO"};
    set_up(holed);  // Black to move
    test::set_strengths(e, 0, 0);
    pt(e, "dc")->strength_white = 0.3;
    evaluate();
    EXPECT_NEAR(at("bb")->conf_lim, 0.3, 1.0 / 1024);
    // With White to move, White closes the gap first: the group is then
    // enclosed at every threshold, and the gap's strength comes back.
    e.push(e.pass_point, 1);
    at("bb")->evaluate_safety();
    EXPECT_EQ(at("bb")->conf_lim, 1 - 1.0 / 1024);
    EXPECT_EQ(pt(e, "dc")->strength_white, 0.3);
}

TEST_F(GroupSafety, LibertyStrengthsAndRoom) {
    set_up({"", "", "", "", "", "", "", "", "", ".........X"});
    e.push(e.pass_point, -1);  // Black to move
    test::set_strengths(e, 0, 0);
    const char* libs[] = {"kj", "ji", "ij", "jk"};
    for (int i = 0; i < 4; ++i) {
        pt(e, libs[i])->strength_white = 0.2 * (i + 1);
        pt(e, libs[i])->strength_black = 0.1 * i;
    }
    evaluate();
    group* g = at("jj");
    EXPECT_DOUBLE_EQ(g->lib_weakness, 0.5);
    EXPECT_DOUBLE_EQ(g->lib_strength, 0.15);
    EXPECT_DOUBLE_EQ(g->room_factor, std::exp(1.0));  // to move: all four
    e.push(e.pass_point, 1);
    g->evaluate_safety();
    EXPECT_DOUBLE_EQ(g->room_factor, std::exp(0.75));
}

// --- neighbours -------------------------------------------------------------------

TEST_F(GroupSafety, AdjacentEnemyGroupsAndTheirSpace) {
    set_up({"", "", "", "", "", "", "", "", "", ".........XO", ".........O"});
    test::set_strengths(e, 0, 0);
    evaluate();
    group* g = at("jj");
    EXPECT_EQ(g->adjacent_groups, 2);
    // kj has three liberties, jk three: space 0.4 each.
    EXPECT_DOUBLE_EQ(g->adjacent_space, 0.4);
    engine alone;
    alone.push(pt(alone, "jj"), 1);
    test::build_groups(alone);
    test::set_strengths(alone, 0, 0);
    test::group_at(alone, "jj")->space_value();
    test::group_at(alone, "jj")->evaluate_safety();
    EXPECT_EQ(test::group_at(alone, "jj")->adjacent_groups, 0);
    EXPECT_EQ(test::group_at(alone, "jj")->adjacent_space, 1.0);
}

TEST_F(GroupSafety, CuttingPointsBetweenTwoEnemyStrings) {
    set_up({"", "", "", "", "", "", "", "", "", ".........XO", ".........O"});
    test::set_strengths(e, 0, 0);
    evaluate();
    EXPECT_EQ(at("jj")->cutting_points, 1);  // kk
    // With a third White stone beside kk, it has one empty neighbour only.
    e.push(pt(e, "lk"), -1);
    test::build_groups(e);
    evaluate();
    EXPECT_EQ(at("jj")->cutting_points, 0);
}

TEST_F(GroupSafety, SmallFriendsAndFoesNearby) {
    // White dc (two liberties) and Black dd (three) lie within two lines of
    // bb; Black ec is farther.
    set_up({"", ".X", "...OX", "...X"});
    test::set_strengths(e, 0, 0);
    evaluate();
    EXPECT_EQ(at("bb")->small_friends, 1);
    EXPECT_EQ(at("bb")->small_foes, 1);
    // A foe that is a single dead string does not count.
    pt(e, "dc")->str_ptr->status = 1;
    evaluate();
    EXPECT_EQ(at("bb")->small_foes, 0);
}

// --- the networks ---------------------------------------------------------------------

class SafetyInputs : public GroupSafety {
  protected:
    group* g = nullptr;
    void SetUp() override {
        set_up({"", "", "", "", "", "", "", "", "", ".........X"});  // White to move
        e.push(e.pass_point, -1);                                    // Black to move
        g = at("jj");
        g->space_value();
        g->eyes = 2;
        g->eyespace = std::exp(1.0) - 1;
        g->freedom = std::exp(3.0) - 1;
        g->lib_weakness = 0.25;
        g->lib_strength = 0.75;
        g->centre_distance[0] = 4;
        g->centre_distance[1] = 7;
        g->conf_lim = 0.5;
        g->conf_space = 19;
        g->adjacent_groups = 2;
        g->adjacent_space = 0.3;
        g->cutting_points = 1;
        g->small_friends = 1;
        g->small_foes = 3;
    }
    std::vector<double> inputs(feature_net& net) {
        return std::vector<double>(net.inputs(), net.inputs() + net.n_in);
    }
    static void expect_near(const std::vector<double>& got, const std::vector<double>& want) {
        ASSERT_EQ(got.size(), want.size());
        for (size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], want[i], 1e-12) << i + 1;
    }
};

TEST_F(SafetyInputs, TheHarassmentNetworkSeesFourteenInputsInOrder) {
    test::diag_capture log;
    EXPECT_DOUBLE_EQ(g->rate_harassment(), 2.5);
    EXPECT_EQ(e.harass_net->pushed(), 14);
    const double outer = std::log(5.0) / 3;
    expect_near(inputs(*e.harass_net),
                {1, 1, 1, 1, 1.0 / 3, 1, 0, outer, 1, 0.25, 0.75, 0.4, 0.7, 0.5});
    EXPECT_EQ(log.text(), "");
    // 1.98 eyes are 0.99 of two: not yet the full pair.  A conf_space of
    // 20 is no longer small.
    g->eyes = 1.98;
    g->conf_space = 20;
    e.push(e.pass_point, 1);
    g->rate_harassment();
    expect_near(inputs(*e.harass_net),
                {1, 0, 0.99, 0, 1.0 / 3, 1, 0, outer, 0, 0.25, 0.75, 0.4, 0.7, 0.5});
}

TEST_F(SafetyInputs, TheSafetyNetworkSeesNineteenInputsInOrder) {
    EXPECT_DOUBLE_EQ(g->rate_safety(), 0.5);
    EXPECT_EQ(e.safety_net->pushed(), 19);
    const double outer = std::log(5.0) / 3;
    expect_near(inputs(*e.safety_net), {1, 1, 1, 1.0 / 3, 1, 0, outer, 1, 0.25, 0.75, 0.4, 0.7, 0.5,
                                        0, 0.4, 0.3, 0.2, 0.5, 1.5});
    // A dead main stone, and two stones: ln 2 / 3 for the size.
    e.push(pt(e, "jk"), 1);
    g->stones.add(pt(e, "jk"));
    g->size = 2;
    pt(e, "jj")->str_ptr->status = 1;
    g->rate_safety();
    EXPECT_NEAR(e.safety_net->inputs()[5], std::log(2.0) / 3, 1e-12);
    EXPECT_EQ(e.safety_net->inputs()[13], 1.0);
}

TEST_F(GroupSafety, SafetyFromTheNeutralNetworks) {
    set_up({"", "", "", "", "", "", "", "", "", ".........X"});  // White to move
    test::set_strengths(e, 0, 0);
    evaluate();
    group* g = at("jj");
    EXPECT_DOUBLE_EQ(g->harassment, 2.5);
    EXPECT_DOUBLE_EQ(g->nn_safety, std::pow(0.5, 1.5));
    EXPECT_DOUBLE_EQ(g->safety, neutral_safety);
    // To move: 0.5 as it is, and 0.1 for a dead enemy stone we can take.
    e.push(pt(e, "kj"), -1);
    test::build_groups(e);
    pt(e, "kj")->str_ptr->status = 1;
    evaluate();
    EXPECT_DOUBLE_EQ(at("jj")->nn_safety, 0.6);
    EXPECT_DOUBLE_EQ(at("jj")->safety, 1.1 * 0.6 - 0.05);
    // No space at all: no safety, whatever the networks say.
    at("jj")->space = 0;
    at("jj")->evaluate_safety();
    EXPECT_EQ(at("jj")->safety, 0.0);
}

TEST_F(GroupSafety, ManyCuttingPointsRaiseTheSafetyOfTheSideNotToMove) {
    // Six Black stones, each with a White stone to its right and one below:
    // six cutting points, 0.2 x (6 - 3) = 0.6 > 0.5.
    std::vector<std::string> rows(12, std::string(19, '.'));
    for (int y : {2, 8}) {
        for (int x : {2, 8, 14}) {
            rows[y][x] = 'X';
            rows[y][x + 1] = 'O';
            rows[y + 1][x] = 'O';
        }
    }
    set_up(rows, {{"cc", "ic", "oc", "ci", "ii", "oi"}});
    e.push(e.pass_point, 1);  // White to move
    test::set_strengths(e, 0, 0);
    evaluate();
    EXPECT_EQ(at("cc")->cutting_points, 6);
    EXPECT_DOUBLE_EQ(at("cc")->nn_safety, std::pow(0.6, 1.5));
    EXPECT_DOUBLE_EQ(at("cc")->safety, 1.1 * std::pow(0.6, 1.5) - 0.05);
}

TEST_F(GroupSafety, SafetyFromWeightFiles) {
    // Only the bias of the output: sigma(ln 4) = 0.8 and sigma(ln 3) = 0.75.
    std::string safe, harass;
    for (int i = 0; i < 19; ++i) safe += "0 ";
    safe += std::to_string(std::log(4.0)) + "\n";
    for (int i = 0; i < 14; ++i) harass += "0 ";
    harass += std::to_string(std::log(3.0)) + "\n";
    data.write("safe_19_10.dat", safe);
    data.write("harass.dat", harass);
    engine_ = std::make_unique<engine>();
    engine& w = *engine_;
    test::place(w, {"", "", "", "", "", "", "", "", "", ".........X"});  // White to move
    test::build_groups(w);
    test::set_strengths(w, 0, 0);
    group* g = test::group_at(w, "jj");
    g->space_value();
    g->evaluate_safety();
    EXPECT_NEAR(g->harassment, 3.75, 1e-5);
    EXPECT_NEAR(g->nn_safety, std::pow(0.8, 1.5), 1e-5);
    EXPECT_NEAR(g->safety, 1.1 * std::pow(0.8, 1.5) - 0.05, 1e-5);
}

// --- the life-and-death reading -------------------------------------------------------

class Reading : public GroupSafety {
  protected:
    group* g = nullptr;
    // The straight three, enclosed by a living wall: conf_lim 1 and the
    // eye space as the area.
    void set_up_three(bool black_to_move) {
        set_up(straight_three);
        if (!black_to_move) e.push(e.pass_point, 1);
        test::set_strengths(e, 0.5, 0);
        evaluate();
        g = at("bb");
        ASSERT_EQ(g->conf_lim, 1.0);
        ASSERT_EQ(names(g->area), "ca da ea");
    }
    void read() {
        test::board_snapshot before(e);
        g->read_life_and_death();
        EXPECT_EQ(test::changes_since(e, before), "");
    }
};

TEST_F(Reading, TheOwnerToMoveLives) {
    set_up_three(true);
    read();
    EXPECT_EQ(g->examined, 1);
    EXPECT_EQ(g->life_result, 1);
    EXPECT_EQ(g->safety, 1.0);
    EXPECT_EQ(g->live_record.result, 1);
    EXPECT_EQ(g->live_record.proof.single_first_move(), pt(e, "da"));
    // Read again: the group's record holds the new reading alone.
    read();
    EXPECT_EQ(g->live_record.targets.count(), 1);
    EXPECT_EQ(e.proof_searches[4], 2);
}

TEST_F(Reading, TheAttackerToMoveKills) {
    set_up_three(false);
    g->conf_lim = 0.75;
    read();
    EXPECT_EQ(g->life_result, -1);
    EXPECT_EQ(g->kill_record.result, 1);
    EXPECT_DOUBLE_EQ(g->safety, 0.25 * std::pow(0.5, 1.5));
}

TEST_F(Reading, AnOpenReadingMovesTheSafetyHalfwayToAHalf) {
    set_up_three(false);
    e.max_depth_life_death = 0;  // no ply may be read
    read();
    EXPECT_EQ(g->life_result, 0);
    EXPECT_DOUBLE_EQ(g->safety, (neutral_safety + 0.5) / 2);
}

TEST_F(Reading, DuringMoveGenerationOnlyGroupsNearTheMoveAreReadAgain) {
    set_up(straight_three);
    e.push(pt(e, "ss"), 1);
    e.push(e.pass_point, -1);  // Black to move, the last move far away
    test::build_groups(e);
    test::set_strengths(e, 0.5, 0);
    evaluate();
    g = at("bb");
    e.in_generation = 1;
    g->main_stone()->life_copy = -1;
    read();
    EXPECT_EQ(e.proof_searches[4], 0);
    EXPECT_EQ(g->life_result, -1);     // the snapshot's word
    EXPECT_DOUBLE_EQ(g->safety, 0.0);  // (1 - conf_lim) x nn_safety
    g->main_stone()->life_copy = -99;  // never read
    read();
    EXPECT_EQ(e.proof_searches[4], 1);
    EXPECT_EQ(g->life_result, 1);
    // A move near the group: read again.
    e.push(e.pass_point, 1);
    e.push(pt(e, "dc"), -1);
    test::build_groups(e);
    evaluate();
    g = at("bb");
    g->main_stone()->life_copy = -1;
    read();
    EXPECT_EQ(e.proof_searches[4], 2);
}

TEST_F(Reading, StrongEnemiesNearbyAreRemembered) {
    set_up_three(true);
    for (auto& w : e.group_list(-1)) w->nn_safety = 0.9;
    read();
    EXPECT_TRUE(g->strong_neighbours.contains(pt(e, "aa")));
    EXPECT_TRUE(g->strong_neighbours.contains(pt(e, "dd")));  // two lines from db
    g->strong_neighbours.clear();
    for (auto& w : e.group_list(-1)) w->nn_safety = 0.5;
    read();
    EXPECT_TRUE(g->strong_neighbours.empty());
}

TEST_F(Reading, AGroupThatDiesSettlesTheEnemiesAroundIt) {
    set_up(nakade_three);
    e.push(e.pass_point, 1);  // White to move
    pt(e, "da")->str_ptr->status = 1;
    test::set_strengths(e, 0.5, 0);
    evaluate();
    g = at("bb");
    ASSERT_EQ(names(g->area), "ca da ea");
    read();
    EXPECT_EQ(g->life_result, -1);
    group* inside = at("da");
    EXPECT_EQ(inside->safety, 1.0);
    EXPECT_EQ(inside->settled, 1);
    EXPECT_EQ(at("aa")->settled, 0);  // the wall has no stone in the area
    inside->examined = 0;
    inside->read_life_and_death();
    EXPECT_EQ(inside->examined, 0);
}

TEST_F(Reading, AGroupThatLivesSettlesTheLivingEnemyStonesInItsArea) {
    set_up_three(true);
    // Only a corner point beside the edge brings a living enemy stone into
    // an area; put one there by hand.
    g->area.add(pt(e, "aa"));
    read();
    EXPECT_EQ(g->life_result, 1);
    EXPECT_EQ(at("aa")->safety, 1.0);
    EXPECT_EQ(at("aa")->settled, 1);
}

TEST_F(Reading, SkipRules) {
    set_up_three(false);
    struct row {
        double conf_lim;
        int conf_space;
        bool to_move;
        bool read;
    };
    for (const row r :
         {row{0.59, 3, false, false}, row{0.6, 3, false, true}, row{0.64, 3, true, false},
          row{0.65, 3, true, true}, row{1.0, 12, false, false}, row{1.0, 11, false, true}}) {
        if (r.to_move != g->is_to_move()) e.push(e.pass_point, e.turn());
        g->conf_lim = r.conf_lim;
        g->conf_space = r.conf_space;
        g->examined = 0;
        g->read_life_and_death();
        EXPECT_EQ(g->examined, r.read ? 1 : 0) << r.conf_lim << " " << r.conf_space;
    }
    g->examined = 0;
    g->settled = 1;
    g->read_life_and_death();
    EXPECT_EQ(g->examined, 0);
}

TEST_F(Reading, AOneStoneGroupOnTheFirstLineIsNeverRead) {
    set_up({"OXO"});
    test::set_strengths(e, 0.5, 0);
    evaluate();
    g = at("ba");
    g->conf_lim = 1.0;
    g->conf_space = 1;
    g->read_life_and_death();
    EXPECT_EQ(g->examined, 0);
    EXPECT_EQ(g->life_result, -99);
    // The same on the second line is read.
    engine second;
    test::place(second, {"", "OXO", ".O"});
    test::build_groups(second);
    test::set_strengths(second, 0.5, 0);
    group* h = test::group_at(second, "bb");
    h->space_value();
    h->evaluate_safety();
    h->conf_lim = 1.0;
    h->conf_space = 1;
    h->read_life_and_death();
    EXPECT_EQ(h->examined, 1);
}

TEST_F(GroupSafety, DisplayPrintsTheFeatures) {
    set_up({"", ".X"});
    group* g = at("bb");
    g->eyes = 1.5;
    g->eyespace = 2.25;
    g->freedom = 7;
    g->conf_space = 4;
    g->conf_lim = 0.75;
    g->lib_weakness = 0.125;
    g->lib_strength = 0.5;
    g->safety = 0.25;
    g->nn_safety = 0.375;
    g->harassment = 2.5;
    test::diag_capture log;
    g->display();
    EXPECT_EQ(log.text(),
              "\nDisplaying a group: [bb]  eyes   1.5 eyespace   2.2 freedom   7.0 conf_space 4 "
              "conf_lim   0.8 lib_weakness   0.1, lib_strength   0.5  safety 0.250 nn_safety "
              "0.375 harassment 2.500\n");
}

}  // namespace

// A group's features, the inputs and outputs of the two safety networks, and
// the life-and-death reading with its skip and settling rules.  The point
// strengths that the diffusion would leave are set by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/engine.h"
#include "tests/support/board_helpers.h"
#include "tests/support/board_snapshot.h"
#include "tests/support/data_dir.h"
#include "tests/support/diag_capture.h"
#include "tests/support/eye_shapes.h"
#include "tests/support/group_helpers.h"

namespace {

using test::names;
using test::pt;

// A lone Black stone on jj (White to move after it).
const std::vector<std::string> lone_jj = {"", "", "", "", "", "", "", "", "", ".........X"};
// A pocket in the corner: Black bb behind a White wall.
const std::vector<std::string> pocket = {"...O", ".X.O", "...O", "OOOO"};

// The safety of a group not to move, with both networks at 0.5.
const double neutral_safety = 1.1 * std::pow(0.5, 1.5) - 0.05;

class GroupSafety : public ::testing::Test {
  protected:
    test::scoped_data_dir data;  // no weight files unless a test writes them
    engine e;

    void set_up(const std::vector<std::string>& picture,
                const std::vector<std::vector<std::string>>& joined = {}) {
        test::place(e, picture);
        test::build_groups(e, joined);
    }
    group* at(const char* name) { return test::group_at(e, name); }
    // The evaluation's group steps, Black first: space values, then (the
    // strengths as the test set them) the safety.
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
};

// --- space value and outer area --------------------------------------------------

TEST_F(GroupSafety, SpaceValue) {
    // A centre, an edge and a corner stone: 4 + 3 + 2 liberties, no eyes.
    test::place(e, {"", "", "", "", "", "", "", "", "", "X........X", "", "", ".........X"});
    e.push(pt(e, "ss"), 1);
    test::build_groups(e, {{"aj", "jj", "ss"}});
    at("jj")->space_value();
    EXPECT_EQ(at("jj")->outer_area.count(), 9);
    EXPECT_DOUBLE_EQ(at("jj")->space, 1.0);
    EXPECT_DOUBLE_EQ(at("jj")->safety, 1.0);
    test::build_groups(e, {{"jj", "jm"}});  // 4 + 4
    at("jj")->space_value();
    EXPECT_DOUBLE_EQ(at("jj")->space, 0.9);
    // ba is half an eye (its diagonal cb is open to White): 0.1 x 6 + 0.25
    // x 0.5.
    engine corner;
    test::place(corner, {"X.X", "XX"});
    test::build_groups(corner, {{"aa", "ca"}});
    group* g = test::group_at(corner, "aa");
    g->space_value();
    EXPECT_EQ(names(g->outer_area), "ac ba bc cb da");
    EXPECT_DOUBLE_EQ(g->eyes, 0.5);
    EXPECT_DOUBLE_EQ(g->space, 0.725);
}

TEST_F(GroupSafety, DeadEnemiesInTheOuterAreaAndSingleDeadStrings) {
    set_up({"", "", "", "", "", "", "", "", "", ".........XO"});  // Black to move
    group* g = at("jj");
    pt(e, "kj")->str_ptr->status = 1;
    g->space_value();
    EXPECT_EQ(names(g->outer_area), "ij ji jk kj");
    pt(e, "kj")->str_ptr->status = 3;  // dead only to the side to move
    g->space_value();
    EXPECT_EQ(g->outer_area.count(), 4);
    e.push(e.pass_point, 1);
    g->space_value();
    EXPECT_EQ(names(g->outer_area), "ij ji jk");
    // A single dead string: no space, no safety, no networks asked.
    pt(e, "jj")->str_ptr->status = 1;
    test::build_groups(e);
    test::set_strengths(e, 0.5, 0.5);
    evaluate();
    EXPECT_EQ(at("jj")->space, 0.0);
    EXPECT_EQ(at("jj")->safety, 0.0);
    EXPECT_EQ(at("jj")->harassment, 0.0);
    EXPECT_EQ(at("jj")->lib_weakness, 1.0);  // nothing to average
    EXPECT_EQ(at("jj")->lib_strength, 0.0);
}

// --- features -------------------------------------------------------------------------

TEST_F(GroupSafety, EyeSpaceGrowsThreeStepsWhereTheEnemyIsWeak) {
    // Open in the 7x7 box around bb: the points within four steps of bb,
    // 21 less the stone; those on the fifth line weigh 0.9, the rest 1.
    set_up({"", ".X"});
    test::set_strengths(e, 0.5, 1.0);
    for (int k = 0; k < e.n_points; ++k) {
        if (e.points[k]->x <= 5 && e.points[k]->y <= 5) e.points[k]->strength_white = 0;
    }
    evaluate();
    group* g = at("bb");
    EXPECT_EQ(g->freedom, 21);
    EXPECT_FALSE(g->eye_space.contains(pt(e, "bb")));
    EXPECT_FALSE(g->eye_space.contains(pt(e, "ee")));  // six steps
    EXPECT_NEAR(g->eyespace, (21 - 6 * 0.1) * 0.25, 1e-12);
}

TEST_F(GroupSafety, CentreDistancesLibertyStrengthsAndRoom) {
    set_up({"", "", "", "..X", "..X", "", "", "", "", "", "", "", "", "", "...............X"});
    e.push(e.pass_point, -1);  // Black to move
    test::set_strengths(e, 0, 0);
    const char* libs[] = {"pn", "oo", "qo", "pp"};
    for (int i = 0; i < 4; ++i) {
        pt(e, libs[i])->strength_white = 0.2 * (i + 1);
        pt(e, libs[i])->strength_black = 0.1 * i;
    }
    evaluate();
    EXPECT_EQ(at("cd")->centre_distance[0], 3.0);
    EXPECT_EQ(at("cd")->centre_distance[1], 4.5);
    group* g = at("po");
    EXPECT_EQ(g->centre_distance[0], 4.0);  // 20 - 16
    EXPECT_EQ(g->centre_distance[1], 5.0);  // 20 - 15
    EXPECT_DOUBLE_EQ(g->lib_weakness, 0.5);
    EXPECT_DOUBLE_EQ(g->lib_strength, 0.15);
    EXPECT_DOUBLE_EQ(g->room_factor, std::exp(1.0));  // to move: all four
    e.push(e.pass_point, 1);
    g->evaluate_safety();
    EXPECT_DOUBLE_EQ(g->room_factor, std::exp(0.75));
}

TEST_F(GroupSafety, TheAreaInsideTheEnemyWall) {
    set_up(pocket);
    e.push(e.pass_point, 1);  // White to move
    test::set_strengths(e, 0.5, 0);
    evaluate();
    // cb and bc touch the wall: no seeds; ca and ac, beside the wall's big
    // string, can be no eyes.
    EXPECT_EQ(names(at("bb")->area), "aa ab ba");
    EXPECT_EQ(at("bb")->conf_space, 3);
    pt(e, "ab")->strength_white = 0.6;
    at("bb")->evaluate_safety();
    EXPECT_EQ(names(at("bb")->area), "aa ba");
}

TEST_F(GroupSafety, TheAreaGoesThroughDeadEnemyStonesOnly) {
    // White's bb touches no Black stone: the area reaches it from cb.  Its
    // four liberties still spoil the eyes beside it (and, on the edge,
    // diagonal to it): only cc is left with it.
    set_up({"...X", ".O.X", "...X", "XXXX"});  // White to move
    test::set_strengths(e, 0.5, 1.0);
    for (int k = 0; k < e.n_points; ++k) {
        if (e.points[k]->x <= 3 && e.points[k]->y <= 3) e.points[k]->strength_white = 0;
    }
    pt(e, "bb")->str_ptr->status = 1;
    evaluate();
    EXPECT_EQ(names(at("dd")->area), "bb cc");
    pt(e, "bb")->str_ptr->status = 6;
    evaluate();
    EXPECT_EQ(names(at("dd")->area), "cc");
}

TEST_F(GroupSafety, EnclosureAndConfLim) {
    set_up(pocket);
    test::set_strengths(e, 0, 0);
    evaluate();
    EXPECT_EQ(at("bb")->conf_lim, 1.0);
    // The first line lets no flood out.
    engine edge;
    test::place(edge, {"....", ".X.O", "...O", "OOOO"});
    test::build_groups(edge);
    test::set_strengths(edge, 0, 0);
    EXPECT_TRUE(test::group_at(edge, "bb")->enclosed(0.999));
    // In the open, nothing encloses.
    engine open;
    test::place(open, lone_jj);
    test::build_groups(open);
    test::set_strengths(open, 0, 0);
    test::group_at(open, "jj")->evaluate_safety();
    EXPECT_EQ(test::group_at(open, "jj")->conf_lim, 0.0);
}

TEST_F(GroupSafety, TheFloodMayEnterTwentyPointsBesidesTheStones) {
    // A pocket of 21 inner points, the stone among them: enclosed.  With a
    // notch at ee, 22: not.
    std::vector<std::string> rows(8, "....O");
    rows[2] = "..X.O";
    rows.push_back("OOOOO");
    set_up(rows);
    test::set_strengths(e, 0, 0);
    EXPECT_TRUE(at("cc")->enclosed(0.5));
    engine notched;
    rows[4] = ".....O";
    test::place(notched, rows);
    test::build_groups(notched);
    test::set_strengths(notched, 0, 0);
    EXPECT_FALSE(test::group_at(notched, "cc")->enclosed(0.5));
}

TEST_F(GroupSafety, ConfLimFindsTheStrengthOfTheGap) {
    // A hole at dc in the wall, where White's strength is 0.3; beyond it the
    // board is open.
    set_up({"...O", ".X.O", "....", "OOOO"});  // Black to move
    test::set_strengths(e, 0, 0);
    pt(e, "dc")->strength_white = 0.3;
    evaluate();
    EXPECT_NEAR(at("bb")->conf_lim, 0.3, 1.0 / 1024);
    // White to move closes the gap first: enclosed at every threshold; the
    // gap's strength comes back afterwards.
    e.push(e.pass_point, 1);
    at("bb")->evaluate_safety();
    EXPECT_EQ(at("bb")->conf_lim, 1 - 1.0 / 1024);
    EXPECT_EQ(pt(e, "dc")->strength_white, 0.3);
}

TEST_F(GroupSafety, NeighbourGroupsAndCuttingPoints) {
    // White kj and jk, three liberties each (space 0.4), cut at kk.
    set_up({"", "", "", "", "", "", "", "", "", ".........XO", ".........O"});
    test::set_strengths(e, 0, 0);
    evaluate();
    EXPECT_EQ(at("jj")->adjacent_groups, 2);
    EXPECT_DOUBLE_EQ(at("jj")->adjacent_space, 0.4);
    EXPECT_EQ(at("jj")->cutting_points, 1);
    e.push(pt(e, "lk"), -1);  // kk keeps one empty neighbour only
    test::build_groups(e);
    evaluate();
    EXPECT_EQ(at("jj")->cutting_points, 0);
    EXPECT_EQ(at("lk")->adjacent_groups, 0);
    EXPECT_EQ(at("lk")->adjacent_space, 1.0);
}

TEST_F(GroupSafety, SmallFriendsAndFoesNearby) {
    // White dc (two liberties) and Black dd (three) lie within two lines of
    // bb; Black ec is farther.
    set_up({"", ".X", "...OX", "...X"});
    test::set_strengths(e, 0, 0);
    evaluate();
    EXPECT_EQ(at("bb")->small_friends, 1);
    EXPECT_EQ(at("bb")->small_foes, 1);
    pt(e, "dc")->str_ptr->status = 1;  // a single dead string does not count
    evaluate();
    EXPECT_EQ(at("bb")->small_foes, 0);
}

// --- the networks ----------------------------------------------------------------------

TEST_F(GroupSafety, TheNetworksSeeTheirInputsInOrder) {
    set_up(lone_jj);
    e.push(e.pass_point, -1);  // Black to move
    group* g = at("jj");
    g->space_value();  // four liberties
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
    auto inputs = [](feature_net& net) {
        EXPECT_EQ(net.pushed(), net.n_in);
        return std::vector<double>(net.inputs(), net.inputs() + net.n_in);
    };
    auto expect_near = [](const std::vector<double>& got, const std::vector<double>& want) {
        ASSERT_EQ(got.size(), want.size());
        for (size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], want[i], 1e-12) << i + 1;
    };
    const double outer = std::log(5.0) / 3;
    test::diag_capture log;
    EXPECT_DOUBLE_EQ(g->rate_harassment(), 2.5);
    expect_near(inputs(*e.harass_net),
                {1, 1, 1, 1, 1.0 / 3, 1, 0, outer, 1, 0.25, 0.75, 0.4, 0.7, 0.5});
    EXPECT_DOUBLE_EQ(g->rate_safety(), 0.5);
    expect_near(inputs(*e.safety_net), {1, 1, 1, 1.0 / 3, 1, 0, outer, 1, 0.25, 0.75, 0.4, 0.7, 0.5,
                                        0, 0.4, 0.3, 0.2, 0.5, 1.5});
    EXPECT_EQ(log.text(), "");  // no count mismatch
    // 1.98 eyes are 0.99 of two, not yet the pair; a conf_space of 20 is no
    // longer small; not to move; a dead main stone; two stones.
    g->eyes = 1.98;
    g->conf_space = 20;
    e.push(pt(e, "jk"), 1);
    g->stones.add(pt(e, "jk"));
    g->size = 2;
    pt(e, "jj")->str_ptr->status = 1;
    g->rate_harassment();
    expect_near(inputs(*e.harass_net), {1, 0, 0.99, 0, 1.0 / 3, 1, std::log(2.0) / 3, outer, 0,
                                        0.25, 0.75, 0.4, 0.7, 0.5});
    g->rate_safety();
    EXPECT_EQ(inputs(*e.safety_net)[13], 1.0);
}

TEST_F(GroupSafety, SafetyFromTheNeutralNetworks) {
    set_up(lone_jj);  // White to move
    test::set_strengths(e, 0, 0);
    evaluate();
    EXPECT_DOUBLE_EQ(at("jj")->harassment, 2.5);
    EXPECT_DOUBLE_EQ(at("jj")->nn_safety, std::pow(0.5, 1.5));
    EXPECT_DOUBLE_EQ(at("jj")->safety, neutral_safety);
    // To move: 0.5 as it is, and 0.1 for a dead enemy stone we can take.
    e.push(pt(e, "kj"), -1);
    test::build_groups(e);
    pt(e, "kj")->str_ptr->status = 1;
    evaluate();
    EXPECT_DOUBLE_EQ(at("jj")->nn_safety, 0.6);
    EXPECT_DOUBLE_EQ(at("jj")->safety, 1.1 * 0.6 - 0.05);
    at("jj")->space = 0;  // no space: no safety, whatever the networks say
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
            rows[y][x + 1] = rows[y + 1][x] = 'O';
        }
    }
    set_up(rows, {{"cc", "ic", "oc", "ci", "ii", "oi"}});
    e.push(e.pass_point, 1);  // White to move
    test::set_strengths(e, 0, 0);
    evaluate();
    EXPECT_EQ(at("cc")->cutting_points, 6);
    EXPECT_DOUBLE_EQ(at("cc")->safety, 1.1 * std::pow(0.6, 1.5) - 0.05);
}

TEST(GroupNetworks, SafetyFromWeightFiles) {
    // Only the bias of the output: sigma(ln 4) = 0.8 and sigma(ln 3) = 0.75.
    test::scoped_data_dir data;
    std::string safe, harass;
    for (int i = 0; i < 19; ++i) safe += "0 ";
    for (int i = 0; i < 14; ++i) harass += "0 ";
    data.write("safe_19_10.dat", safe + "1.3862943611198906\n");
    data.write("harass.dat", harass + "1.0986122886681098\n");
    engine e;
    test::place(e, lone_jj);  // White to move
    test::build_groups(e);
    test::set_strengths(e, 0, 0);
    group* g = test::group_at(e, "jj");
    g->space_value();
    g->evaluate_safety();
    EXPECT_NEAR(g->harassment, 3.75, 1e-12);
    EXPECT_NEAR(g->nn_safety, std::pow(0.8, 1.5), 1e-12);
    EXPECT_NEAR(g->safety, 1.1 * std::pow(0.8, 1.5) - 0.05, 1e-12);
}

// --- the life-and-death reading ---------------------------------------------------------

class Reading : public GroupSafety {
  protected:
    group* g = nullptr;
    // The Black group of a shape, enclosed by a living wall (conf_lim 1),
    // the eye space as its area.
    void set_up_shape(const std::vector<std::string>& shape, bool black_to_move) {
        set_up(shape);
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
    set_up_shape(test::eye_shapes::straight_three, true);
    read();
    EXPECT_EQ(g->examined, 1);
    EXPECT_EQ(g->life_result, 1);
    EXPECT_EQ(g->safety, 1.0);
    EXPECT_EQ(g->live_record.proof.single_first_move(), pt(e, "da"));
    read();  // the group's record holds the new reading alone
    EXPECT_EQ(g->live_record.targets.count(), 1);
    EXPECT_EQ(e.proof_searches[4], 2);
}

TEST_F(Reading, TheAttackerToMoveKills) {
    set_up_shape(test::eye_shapes::straight_three, false);
    g->conf_lim = 0.75;
    read();
    EXPECT_EQ(g->life_result, -1);
    EXPECT_EQ(g->kill_record.result, 1);
    EXPECT_DOUBLE_EQ(g->safety, 0.25 * std::pow(0.5, 1.5));
}

TEST_F(Reading, AnOpenReadingMovesTheSafetyHalfwayToAHalf) {
    set_up_shape(test::eye_shapes::straight_three, false);
    e.max_depth_life_death = 0;  // no ply may be read
    read();
    EXPECT_EQ(g->life_result, 0);
    EXPECT_DOUBLE_EQ(g->safety, (neutral_safety + 0.5) / 2);
}

TEST_F(Reading, DuringMoveGenerationOnlyGroupsNearTheMoveAreReadAgain) {
    set_up_shape(test::eye_shapes::straight_three, true);
    e.in_generation = 1;
    e.push(pt(e, "ss"), 1);
    e.push(e.pass_point, -1);  // Black to move, the last move far away
    g->main_stone()->life_copy = -1;
    read();
    EXPECT_EQ(e.proof_searches[4], 0);
    EXPECT_EQ(g->life_result, -1);     // the snapshot's word
    EXPECT_DOUBLE_EQ(g->safety, 0.0);  // (1 - conf_lim) x nn_safety
    g->main_stone()->life_copy = -99;  // never read
    read();
    EXPECT_EQ(e.proof_searches[4], 1);
    EXPECT_EQ(g->life_result, 1);
    g->main_stone()->life_copy = -1;
    e.push(e.pass_point, 1);
    e.push(pt(e, "dc"), -1);  // near the group
    read();
    EXPECT_EQ(e.proof_searches[4], 2);
}

TEST_F(Reading, StrongEnemiesNearbyAreRemembered) {
    set_up_shape(test::eye_shapes::straight_three, true);
    for (auto& w : e.group_list(-1)) w->nn_safety = 0.5;
    read();
    EXPECT_TRUE(g->strong_neighbours.empty());
    for (auto& w : e.group_list(-1)) w->nn_safety = 0.9;
    read();
    EXPECT_TRUE(g->strong_neighbours.contains(pt(e, "aa")));
    EXPECT_TRUE(g->strong_neighbours.contains(pt(e, "dd")));  // two lines from db
}

TEST_F(Reading, ADeadGroupSettlesTheEnemyGroupsInItsAreaThatTouchIt) {
    set_up(test::eye_shapes::nakade_three);
    e.push(e.pass_point, 1);  // White to move
    pt(e, "da")->str_ptr->status = 1;
    test::set_strengths(e, 0.5, 0);
    evaluate();
    g = at("bb");
    ASSERT_EQ(names(g->area), "ca da ea");
    read();
    EXPECT_EQ(g->life_result, -1);
    EXPECT_EQ(at("da")->safety, 1.0);
    EXPECT_EQ(at("da")->settled, 1);
    EXPECT_EQ(at("aa")->settled, 0);  // the wall has no stone in the area
}

TEST_F(Reading, ALivingGroupSettlesTheSafeEnemyStringsInItsArea) {
    // Only a corner point beside the edge can bring one into the area; put
    // one there by hand.
    set_up_shape(test::eye_shapes::straight_three, true);
    g->area.add(pt(e, "aa"));
    read();
    EXPECT_EQ(g->life_result, 1);
    EXPECT_EQ(at("aa")->safety, 1.0);
    EXPECT_EQ(at("aa")->settled, 1);
}

TEST_F(Reading, SkipRules) {
    set_up_shape(test::eye_shapes::straight_three, false);
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
    for (const bool first_line : {true, false}) {
        engine b;
        test::place(b, first_line ? std::vector<std::string>{"OXO"}
                                  : std::vector<std::string>{"", "OXO", ".O"});
        test::build_groups(b);
        test::set_strengths(b, 0.5, 0);
        group* h = test::group_at(b, first_line ? "ba" : "bb");
        h->space_value();
        h->evaluate_safety();
        h->conf_lim = 1.0;
        h->conf_space = 1;
        h->read_life_and_death();
        EXPECT_EQ(h->examined, first_line ? 0 : 1);
    }
}

TEST_F(GroupSafety, DisplayPrintsTheFeatures) {
    set_up({"", ".X"});
    group* g = at("bb");
    g->eyes = 1.5;
    g->eyespace = 2.3;
    g->freedom = 7;
    g->conf_space = 4;
    g->conf_lim = 0.7;
    g->lib_weakness = 0.2;
    g->lib_strength = 0.5;
    g->safety = 0.25;
    g->nn_safety = 0.375;
    g->harassment = 2.5;
    test::diag_capture log;
    g->display();
    EXPECT_EQ(log.text(),
              "\nDisplaying a group: [bb]  eyes   1.5 eyespace   2.3 freedom   7.0 conf_space 4 "
              "conf_lim   0.7 lib_weakness   0.2, lib_strength   0.5  safety 0.250 nn_safety "
              "0.375 harassment 2.500\n");
}

}  // namespace

// The static eye analysis: territory, region, eye classes, false eyes, the
// values of eye shapes and nakade, and the life and kill statuses built on
// them.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/state.h"
#include "tests/support/board_helpers.h"
#include "tests/support/board_snapshot.h"
#include "tests/support/eye_shapes.h"
#include "tests/support/group_helpers.h"

namespace {

using test::names;
using test::pt;

using namespace test::eye_shapes;

// The group of the Black stone on bb after the group update's first steps.
class EyeAnalysis : public ::testing::Test {
  protected:
    engine e;
    group* g = nullptr;

    void set_up(const std::vector<std::string>& picture,
                const std::vector<std::vector<std::string>>& joined = {}) {
        test::place(e, picture);
        test::build_groups(e, joined);
        g = test::group_at(e, "bb");
        g->space_value();
    }

    // "points=value" for every component, sorted; the board must be as
    // found afterwards.
    std::string values(bool optimistic) {
        test::board_snapshot before(e);
        g->build_region(g->outer_area, optimistic);
        g->classify();
        std::vector<std::string> parts;
        for (point_set& q : g->components()) {
            const std::string points = names(q);
            parts.push_back(points + "=" + std::to_string(g->component_value(q, optimistic)));
        }
        EXPECT_EQ(test::changes_since(e, before), "");
        std::sort(parts.begin(), parts.end());
        std::string out;
        for (const std::string& p : parts) out += (out.empty() ? "" : "; ") + p;
        return out;
    }

    // Life status, then kill status.
    std::pair<int, int> statuses() {
        test::board_snapshot before(e);
        std::pair<int, int> result{g->life_status(), g->kill_status()};
        EXPECT_EQ(test::changes_since(e, before), "");
        return result;
    }
};

// --- the eye shapes -----------------------------------------------------------

TEST_F(EyeAnalysis, StraightThreeIsWorthThreeHalfEyes) {
    // A strict sum of exactly 3: the owner to move lives, the attacker to
    // move kills.
    set_up(straight_three);
    EXPECT_EQ(values(false), "ca da ea=3");
    EXPECT_EQ(values(true), "ca da ea=3");
    EXPECT_EQ(names(g->full_eye_points), "ca da ea");
    EXPECT_EQ(statuses(), std::make_pair(1, 1));
}

TEST_F(EyeAnalysis, BentThree) {
    set_up(bent_three);
    EXPECT_EQ(values(false), "ca cb da=3");
    EXPECT_EQ(values(true), "ca cb da=3");
    EXPECT_EQ(statuses(), std::make_pair(1, 1));
}

TEST_F(EyeAnalysis, TheSquareOfFourIsOneEye) {
    set_up(square_four);
    EXPECT_EQ(values(false), "ca cb da db=2");
    EXPECT_EQ(values(true), "ca cb da db=2");
    EXPECT_EQ(statuses(), std::make_pair(-1, 1));
}

TEST_F(EyeAnalysis, StraightFourLivesWhoeverMoves) {
    set_up(straight_four);
    EXPECT_EQ(values(false), "ca da ea fa=4");
    EXPECT_EQ(values(true), "ca da ea fa=4");
    EXPECT_EQ(statuses(), std::make_pair(1, -1));
}

TEST_F(EyeAnalysis, BulkyFiveIsWorthThree) {
    set_up(bulky_five);
    EXPECT_EQ(values(false), "ca cb da db ea=3");
    EXPECT_EQ(values(true), "ca cb da db ea=3");
    EXPECT_EQ(statuses(), std::make_pair(1, 1));
}

TEST_F(EyeAnalysis, RabbitySixIsWorthThreeWhenItsCentreCounts) {
    set_up(rabbity_six);
    EXPECT_EQ(values(true), "cb da db dc eb ec=3");
    // Strictly, a White stone on the centre db has four liberties and is
    // not captured within two plies: db stays out of the region, and the
    // six falls apart into three pieces whose half eyes add up to 4.  Only
    // the reading finds the vital point.
    EXPECT_EQ(values(false), "cb=1; da=1; dc eb ec=2");
    EXPECT_EQ(names(g->half_eye_points), "cb da dc eb");
    EXPECT_EQ(statuses(), std::make_pair(1, -1));
}

TEST_F(EyeAnalysis, TwoSeparateTwoPointEyesLive) {
    set_up(two_small_eyes);
    EXPECT_EQ(values(false), "ca da=2; fa ga=2");
    EXPECT_EQ(statuses(), std::make_pair(1, -1));
}

TEST_F(EyeAnalysis, OneTwoPointEyeIsDead) {
    set_up(one_small_eye);
    EXPECT_EQ(values(false), "ca da=2");
    EXPECT_EQ(values(true), "ca da=2");
    EXPECT_EQ(statuses(), std::make_pair(-1, 1));
}

TEST_F(EyeAnalysis, ABlackWallShortOfLibertiesLeavesNoStrictEye) {
    // With no outside liberty, a White stone on da cannot be taken (Black's
    // own capture would fill his last liberty): da is no strict territory,
    // and ca and ea are half eyes only.
    set_up({"OX...XO", "OXXXXXO", "OOOOOOO"});
    EXPECT_EQ(values(false), "ca=1; ea=1");
    EXPECT_EQ(values(true), "ca da ea=3");
    EXPECT_EQ(statuses(), std::make_pair(0, 1));
}

// --- stones inside, false eyes, atari ----------------------------------------

TEST_F(EyeAnalysis, AStoneInAtariInsideLeavesTheShapePure) {
    set_up({"OXO...XO", "OXXXXXXO", "OO....OO", ".OOOOOO."});
    EXPECT_EQ(values(false), "ca da ea fa=4");
    EXPECT_EQ(values(true), "ca da ea fa=4");
}

TEST_F(EyeAnalysis, ANakadeStoneIsValuedByTheShapeItLeaves) {
    // One White stone on the vital point of a straight three: strictly the
    // stone alone (one point, 2); optimistically the three points (3).
    set_up(nakade_three);
    EXPECT_EQ(values(false), "ca da ea=2");
    EXPECT_EQ(values(true), "ca da ea=3");
    EXPECT_EQ(statuses(), std::make_pair(0, 1));
}

TEST_F(EyeAnalysis, AThreeStoneNakadeCountsAsOneEye) {
    // Strictly the three stones make a shape worth 3, lowered to 2; while
    // the string has two liberties the optimist sees the straight five.
    set_up(nakade_five);
    EXPECT_EQ(values(false), "ca da ea fa ga=2");
    EXPECT_EQ(values(true), "ca da ea fa ga=4");
    EXPECT_EQ(statuses(), std::make_pair(0, 0));
}

TEST_F(EyeAnalysis, RoomEnclosedByOneStringIsOneEyeStrictly) {
    // The White stone on da with its two liberties is not the whole piece:
    // neither pure nor a nakade.
    set_up({"OX.O..XO", "OXXXXXXO", "OO....OO", ".OOOOOO."});
    EXPECT_EQ(values(false), "ca da ea fa=2");
    EXPECT_EQ(values(true), "ca da ea fa=4");
}

TEST_F(EyeAnalysis, AFalseEyeIsPruned) {
    // White's ea can be taken but stays, and its diagonal fb makes it no
    // eye point: da beside it loses its class, and then ca, beside the
    // empty da that is no eye point any more, is only half an eye.
    set_up({"OX..OXX.", "OXXXXO..", "OOOOOO.."});
    g->build_region(g->outer_area, false);
    g->classify();
    EXPECT_TRUE(g->region.contains(pt(e, "ea")));
    EXPECT_EQ(names(g->full_eye_points), "ca da");
    EXPECT_EQ(values(false), "ca da=1");
    EXPECT_EQ(names(g->eye_points), "ca");
    EXPECT_EQ(names(g->half_eye_points), "ca");
    EXPECT_EQ(values(true), "ca da=1");
    EXPECT_EQ(statuses(), std::make_pair(-1, 1));
}

TEST_F(EyeAnalysis, AnEyeThatCanBeAtariedFromOutsideLosesAHalfEyeStrictly) {
    // White on db has two liberties and ataris the Black string on the
    // left (bb cb, whose other liberty is ca).
    set_up({"OX...XO", "OXX.XXO", "OOO.OOO", ".OOOOO."}, {{"bb", "eb"}});
    g->build_region(g->outer_area, false);
    g->classify();
    point_set q;
    for (const char* n : {"ca", "da", "ea"}) q.add(pt(e, n));
    EXPECT_FALSE(g->atari_safe(q));
    EXPECT_EQ(values(false), "ca da ea=0");
    EXPECT_EQ(values(true), "ca da ea=1");
    engine other;
    test::place(other, straight_three);
    test::build_groups(other);
    point_set three;
    for (const char* n : {"ca", "da", "ea"}) three.add(pt(other, n));
    EXPECT_TRUE(test::group_at(other, "bb")->atari_safe(three));
}

// --- the table of small shapes --------------------------------------------------

class ShapeTable : public ::testing::Test {
  protected:
    engine e;
    point_set shape(std::initializer_list<const char*> points) {
        point_set q;
        for (const char* n : points) q.add(pt(e, n));
        return q;
    }
    // Strict and optimistic agree except for disconnected shapes.
    int value(std::initializer_list<const char*> points) {
        point_set q = shape(points);
        const int strict = group::eye_shape_value(q, false);
        EXPECT_EQ(group::eye_shape_value(q, true), strict);
        return strict;
    }
};

TEST_F(ShapeTable, SmallShapes) {
    EXPECT_EQ(value({}), 1);
    EXPECT_EQ(value({"jj"}), 2);
    EXPECT_EQ(value({"jj", "kj"}), 2);
    EXPECT_EQ(value({"jj", "kj", "lj"}), 3);
    EXPECT_EQ(value({"jj", "kj", "kk"}), 3);
    point_set apart = shape({"jj", "lj"});
    EXPECT_EQ(group::eye_shape_value(apart, false), 2);
    EXPECT_EQ(group::eye_shape_value(apart, true), 4);
}

TEST_F(ShapeTable, FourPoints) {
    EXPECT_EQ(value({"jj", "kj", "lj", "mj"}), 4);  // straight
    EXPECT_EQ(value({"jj", "kj", "lj", "lk"}), 4);  // bent
    EXPECT_EQ(value({"jj", "kj", "kk", "lk"}), 4);  // zigzag
    EXPECT_EQ(value({"jj", "kj", "jk", "kk"}), 2);  // square
    EXPECT_EQ(value({"jj", "kj", "lj", "kk"}), 3);  // pyramid
    EXPECT_EQ(value({"aa", "ba", "ab", "bb"}), 2);  // the square in the corner
}

TEST_F(ShapeTable, FivePoints) {
    EXPECT_EQ(value({"jj", "kj", "lj", "mj", "nj"}), 4);  // straight: two ends
    EXPECT_EQ(value({"jj", "kj", "jk", "kk", "lj"}), 3);  // bulky: one end
    EXPECT_EQ(value({"kk", "jk", "lk", "kj", "kl"}), 3);  // cross: four ends
    EXPECT_EQ(value({"jj", "kj", "lj", "kk", "kl"}), 4);  // T: three ends
}

TEST_F(ShapeTable, SixAndMorePoints) {
    EXPECT_EQ(value({"kj", "jk", "kk", "lk", "kl", "ll"}), 3);  // rabbity six
    EXPECT_EQ(value({"kk", "jk", "lk", "kj", "kl", "km"}), 4);  // cross with an arm: four ends
    EXPECT_EQ(value({"jj", "kj", "lj", "jk", "kk", "lk"}), 4);  // rectangle: no point of four
    EXPECT_EQ(value({"jj", "kj", "lj", "mj", "nj", "oj", "pj"}), 4);  // seven
}

// --- eye classes --------------------------------------------------------------------

// The class of one point, with the region set by hand: the point and its
// eight surroundings less those named as outside.
class EyeClass : public ::testing::Test {
  protected:
    engine e;
    group g{e};

    void SetUp() override {
        e.push(pt(e, "ss"), 1);
        g.add_string(pt(e, "ss")->str_ptr);
    }

    int eye_class(const char* name, std::initializer_list<const char*> outside) {
        point* p = pt(e, name);
        g.region.clear();
        g.region.add(p);
        for (int k = 0; k < p->n_neighbours; ++k) g.region.add(p->neighbours[k]);
        for (int k = 0; k < p->n_diagonals; ++k) g.region.add(p->diagonals[k]);
        for (const char* n : outside) g.region.remove(pt(e, n));
        g.classify();
        EXPECT_EQ(g.eye_points.count(), g.full_eye_points.count() + g.half_eye_points.count());
        if (g.full_eye_points.contains(p)) return 2;
        return g.half_eye_points.contains(p) ? 1 : 0;
    }
};

TEST_F(EyeClass, InsideTheBoard) {
    EXPECT_EQ(eye_class("jj", {}), 2);
    EXPECT_EQ(eye_class("jj", {"ii", "ik"}), 2);
    EXPECT_EQ(eye_class("jj", {"ii", "ik", "ki"}), 1);
    EXPECT_EQ(eye_class("jj", {"ii", "ik", "ki", "kk"}), 0);
    EXPECT_EQ(eye_class("jj", {"ij"}), 1);
    EXPECT_EQ(eye_class("jj", {"ij", "ki", "kk"}), 1);
    EXPECT_EQ(eye_class("jj", {"ij", "ii", "ki", "kk"}), 0);
    EXPECT_EQ(eye_class("jj", {"ij", "kj"}), 0);
}

TEST_F(EyeClass, EnemyStonesOutsideCountDouble) {
    e.push(pt(e, "kk"), -1);
    EXPECT_EQ(eye_class("jj", {"kk"}), 2);
    e.push(pt(e, "ii"), -1);
    EXPECT_EQ(eye_class("jj", {"kk", "ii"}), 0);
    // Inside the region an enemy stone does not count at all.
    EXPECT_EQ(eye_class("jj", {}), 2);
    e.pop();
    e.pop();
    e.push(pt(e, "kj"), -1);
    EXPECT_EQ(eye_class("jj", {"kj"}), 0);
    e.pop();
    // A stone of ours outside the group is an open neighbour like any other.
    e.push(pt(e, "kj"), 1);
    EXPECT_EQ(eye_class("jj", {"kj"}), 1);
    EXPECT_EQ(eye_class("kj", {}), 0);  // our own stone is never an eye
    e.pop();
}

TEST_F(EyeClass, OnTheEdgeAndInTheCorner) {
    EXPECT_EQ(eye_class("aj", {}), 2);
    EXPECT_EQ(eye_class("aj", {"bi"}), 1);
    EXPECT_EQ(eye_class("aj", {"ai"}), 1);
    EXPECT_EQ(eye_class("aj", {"ai", "bk"}), 0);
    EXPECT_EQ(eye_class("aa", {}), 2);
    EXPECT_EQ(eye_class("aa", {"bb"}), 1);
    e.push(pt(e, "bb"), -1);
    EXPECT_EQ(eye_class("aa", {"bb"}), 0);
    e.pop();
}

TEST_F(EyeClass, ComponentsAreConnectedThroughEyePointsOnly) {
    g.region.clear();
    for (const char* n : {"ja", "ka", "la", "na", "oa"}) g.region.add(pt(e, n));
    g.eye_points.clear();
    for (const char* n : {"ja", "ka", "na", "oa"}) g.eye_points.add(pt(e, n));
    std::vector<std::string> found;
    for (point_set& q : g.components()) found.push_back(names(q));
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{"ja ka", "na oa"}));
}

// --- pruning false eyes, rule by rule ---------------------------------------------

class Pruning : public EyeClass {
  protected:
    // Region, full and half eye points set by hand; returns what is left of
    // the set pruned.
    std::string prune(std::initializer_list<const char*> region,
                      std::initializer_list<const char*> full,
                      std::initializer_list<const char*> half,
                      std::initializer_list<const char*> pruned) {
        g.region.clear();
        g.eye_points.clear();
        g.full_eye_points.clear();
        g.half_eye_points.clear();
        for (const char* n : region) g.region.add(pt(e, n));
        for (const char* n : full) {
            g.full_eye_points.add(pt(e, n));
            g.eye_points.add(pt(e, n));
        }
        for (const char* n : half) {
            g.half_eye_points.add(pt(e, n));
            g.eye_points.add(pt(e, n));
        }
        point_set t;
        for (const char* n : pruned) t.add(pt(e, n));
        g.prune_false_eyes(t);
        return names(t);
    }
};

TEST_F(Pruning, AnEmptyNonEyePointInTheRegionSpoilsOneStepPerSide) {
    // jj beside one empty region point that is no eye point: full -> half.
    EXPECT_EQ(prune({"jj", "kj"}, {"jj"}, {}, {"jj"}), "jj");
    EXPECT_EQ(names(g.half_eye_points), "jj");
    // Beside two: half, then out.
    EXPECT_EQ(prune({"jj", "kj", "ij"}, {"jj"}, {}, {"jj"}), "");
    EXPECT_EQ(names(g.eye_points), "");
    // Points outside the region, stones of ours and eye points spoil nothing.
    EXPECT_EQ(prune({"jj", "ji"}, {"jj", "ji"}, {}, {"jj"}), "jj");
    EXPECT_EQ(names(g.full_eye_points), "ji jj");
}

TEST_F(Pruning, AHalfEyeThatLosesItsClassLowersItsNeighbours) {
    EXPECT_EQ(prune({"jj", "kj", "ji", "jk", "ij"}, {"ji"}, {"jj", "jk"}, {"jj", "ji", "jk"}),
              "ji");
    // jj falls out beside the empty kj, and takes its neighbours down one
    // step: ji to half, jk out.
    EXPECT_EQ(names(g.half_eye_points), "ji");
    EXPECT_EQ(names(g.full_eye_points), "");
}

TEST_F(Pruning, AnEnemyStoneInTheRegionThatIsNoEyePointSplitsTheEye) {
    e.push(pt(e, "kj"), -1);
    EXPECT_EQ(prune({"jj", "kj", "ij"}, {"jj", "ij"}, {}, {"jj", "ij"}), "ij");
    EXPECT_EQ(names(g.half_eye_points), "ij");
    EXPECT_EQ(names(g.full_eye_points), "");
    e.pop();
}

TEST_F(Pruning, AStoneInAtariOnAFullEyeIsLeftAlone) {
    // White's single stone on aa has one liberty: skipped, though ba beside
    // it is an empty region point that is no eye point.
    e.push(pt(e, "ab"), 1);
    e.push(pt(e, "aa"), -1);
    EXPECT_EQ(prune({"aa", "ba"}, {"aa"}, {}, {"aa"}), "aa");
    EXPECT_EQ(names(g.full_eye_points), "aa");
    e.pop();
    e.pop();
}

TEST_F(Pruning, ASmallEnemyStringLoweredToHalfLowersItsNeighbours) {
    // White's jj has four liberties: not skipped.  Beside the empty non-eye
    // kj it becomes half, and takes its neighbour ji down with it.
    e.push(pt(e, "jj"), -1);
    EXPECT_EQ(prune({"jj", "kj", "ji"}, {"jj", "ji"}, {}, {"jj", "ji"}), "ji jj");
    EXPECT_EQ(names(g.half_eye_points), "ji jj");
    e.pop();
}

// --- territory and region -------------------------------------------------------

class Territory : public ::testing::Test {
  protected:
    engine e;
    group* g = nullptr;

    void set_up(const std::vector<std::string>& picture, const char* stone) {
        test::place(e, picture);
        test::build_groups(e);
        g = test::group_at(e, stone);
    }
    // Strict and optimistic answers, the board left as found.
    std::pair<bool, bool> territory(const char* name) {
        test::board_snapshot before(e);
        std::pair<bool, bool> r{g->in_territory(pt(e, name), false),
                                g->in_territory(pt(e, name), true)};
        EXPECT_EQ(test::changes_since(e, before), "") << name;
        return r;
    }
};

TEST_F(Territory, StonesAndPointsTheEnemyCannotUse) {
    set_up(straight_three, "bb");
    EXPECT_EQ(territory("bb"), std::make_pair(true, true));    // our own stone
    EXPECT_EQ(territory("aa"), std::make_pair(false, false));  // the living wall
    EXPECT_EQ(territory("da"), std::make_pair(true, true));    // White there is taken
    EXPECT_EQ(territory("cc"), std::make_pair(false, false));  // White there joins the wall
    e.push(pt(e, "da"), 1);
    e.push(e.pass_point, -1);
    EXPECT_EQ(territory("ca"), std::make_pair(true, true));  // suicide for White
}

TEST_F(Territory, EnemyStonesByWhatQuickReadingShows) {
    // ea can be taken but escapes by taking fa: only the optimist counts it.
    set_up({"OX..OX.", "OXXXXO.", "OOOOOO."}, "bb");
    EXPECT_EQ(territory("ea"), std::make_pair(false, true));
    engine sure;
    test::place(sure, {"OX..OXX.", "OXXXXO..", "OOOOOO.."});
    test::build_groups(sure);
    EXPECT_TRUE(test::group_at(sure, "bb")->in_territory(pt(sure, "ea"), false));
}

TEST_F(Territory, AnUndecidedStoneIsOursOnlyWhenNoStrongEnemyIsNear) {
    // White's db has four liberties: two plies decide nothing.
    set_up({"OXX.XXO", "OX.O.XO", "OXX..XO", "OXXXXXO", "OO...OO", ".OOOOO."}, "bb");
    EXPECT_EQ(territory("db"), std::make_pair(false, true));
    g->strong_neighbours.add(pt(e, "db"));
    EXPECT_EQ(territory("db"), std::make_pair(false, false));
}

TEST_F(Territory, AnEmptyPointDecidedByWhoMovesFirst) {
    // Black's ba is in atari and itself ataris White's ca: whoever moves
    // first at aa wins, so aa is ours only to the optimist.
    set_up({".XOX", ".O.."}, "ba");
    EXPECT_EQ(territory("aa"), std::make_pair(false, true));
    // An open point White can hold for two plies: undecided.
    engine open;
    open.push(pt(open, "jj"), 1);
    test::build_groups(open);
    EXPECT_FALSE(test::group_at(open, "jj")->in_territory(pt(open, "kj"), false));
    EXPECT_TRUE(test::group_at(open, "jj")->in_territory(pt(open, "kj"), true));
}

TEST_F(Territory, TheRegionGrowsFourRounds) {
    // Along the corridor on the first line every White stone is laddered;
    // the region of aa grows from its one liberty ba four steps and stops.
    set_up({"X", ".XXXXXXXXXXXXXXXXXX", "O", "O", "O", "O"}, "aa");
    g->space_value();
    g->build_region(g->outer_area, false);
    EXPECT_EQ(names(g->region), "aa ba bb ca cb da db ea");
    // The optimist also takes cc, where White lives for two plies.
    g->build_region(g->outer_area, true);
    EXPECT_EQ(names(g->region), "aa ba bb ca cb cc da db ea");
}

}  // namespace

// The static eye analysis: territory, region, eye classes, false eyes, the
// values of eye shapes and nakade, and the life and kill statuses built on
// them.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/engine.h"
#include "tests/support/board_helpers.h"
#include "tests/support/board_snapshot.h"
#include "tests/support/eye_shapes.h"
#include "tests/support/group_helpers.h"

namespace {

using namespace test::eye_shapes;
using test::names;
using test::pt;

// "points=value" for every component of the group on bb, sorted.
std::string values(group* g, bool optimistic) {
    g->build_region(g->outer_area, optimistic);
    g->classify();
    std::vector<std::string> parts;
    for (point_set& q : g->components()) {
        const std::string points = names(q);
        parts.push_back(points + "=" + std::to_string(g->component_value(q, optimistic)));
    }
    std::sort(parts.begin(), parts.end());
    std::string out;
    for (const std::string& p : parts) out += (out.empty() ? "" : "; ") + p;
    return out;
}

struct shape_case {
    const char* name;
    picture position;
    const char* strict;
    const char* optimistic;
    int life;  // owner's view
    int kill;  // attacker's view
};

TEST(EyeAnalysis, ShapesGiveTheirHalfEyesAndStatuses) {
    const shape_case cases[] = {
        // A strict sum of exactly 3: the owner lives, the attacker kills.
        {"straight three", straight_three, "ca da ea=3", "ca da ea=3", 1, 1},
        {"bent three", bent_three, "ca cb da=3", "ca cb da=3", 1, 1},
        {"square four", square_four, "ca cb da db=2", "ca cb da db=2", -1, 1},
        {"straight four", straight_four, "ca da ea fa=4", "ca da ea fa=4", 1, -1},
        {"bulky five", bulky_five, "ca cb da db ea=3", "ca cb da db ea=3", 1, 1},
        // Strictly a White stone on the centre db has four liberties, is not
        // taken within two plies, and the six falls apart around it.
        {"rabbity six", rabbity_six, "cb=1; da=1; dc eb ec=2", "cb da db dc eb ec=3", 1, -1},
        {"two small eyes", two_small_eyes, "ca da=2; fa ga=2", "ca da=2; fa ga=2", 1, -1},
        {"one small eye", one_small_eye, "ca da=2", "ca da=2", -1, 1},
        // No outside liberty: White on da cannot be taken (Black would fill
        // his last liberty), so ca and ea are half eyes.
        {"short of liberties", {"OX...XO", "OXXXXXO", "OOOOOOO"}, "ca=1; ea=1", "ca da ea=3", 0, 1},
        // A White stone in atari on a full eye leaves the shape pure.
        {"stone in atari",
         {"OXO...XO", "OXXXXXXO", "OO....OO", ".OOOOOO."},
         "ca da ea fa=4",
         "ca da ea fa=4",
         1,
         -1},
        // Nakade: strictly the stones' own shape (one point 2; three points 3,
        // lowered to 2); the optimist sees the whole room while they have two
        // liberties.
        {"nakade three", nakade_three, "ca da ea=2", "ca da ea=3", 0, 1},
        {"nakade five", nakade_five, "ca da ea fa ga=2", "ca da ea fa ga=4", 0, 0},
        // Neither pure nor a nakade: room inside one string is one eye.
        {"one string",
         {"OX.O..XO", "OXXXXXXO", "OO....OO", ".OOOOOO."},
         "ca da ea fa=2",
         "ca da ea fa=4",
         0,
         0},
    };
    for (const shape_case& c : cases) {
        engine e;
        test::place(e, c.position);
        test::build_groups(e);
        group* g = test::group_at(e, "bb");
        g->space_value();
        test::board_snapshot before(e);
        EXPECT_EQ(values(g, false), c.strict) << c.name;
        EXPECT_EQ(values(g, true), c.optimistic) << c.name;
        EXPECT_EQ(g->life_status(), c.life) << c.name;
        EXPECT_EQ(g->kill_status(), c.kill) << c.name;
        EXPECT_EQ(test::changes_since(e, before), "") << c.name;
    }
}

TEST(EyeAnalysis, AFalseEyeIsPruned) {
    // White's ea can be taken but stays, and its diagonal fb makes it no eye
    // point: da beside it loses its class, and ca, beside the empty da that
    // is no eye point any more, is only half an eye.
    engine e;
    test::place(e, {"OX..OXX.", "OXXXXO..", "OOOOOO.."});
    test::build_groups(e);
    group* g = test::group_at(e, "bb");
    g->space_value();
    g->build_region(g->outer_area, false);
    g->classify();
    EXPECT_TRUE(g->region.contains(pt(e, "ea")));
    EXPECT_EQ(names(g->full_eye_points), "ca da");
    EXPECT_EQ(values(g, false), "ca da=1");
    EXPECT_EQ(names(g->eye_points), "ca");
    EXPECT_EQ(names(g->half_eye_points), "ca");
    EXPECT_EQ(g->life_status(), -1);
}

TEST(EyeAnalysis, AnEyeThatCanBeAtariedFromOutsideLosesAHalfEyeStrictly) {
    // White on db has two liberties and ataris Black's bb cb (its other
    // liberty is ca).
    engine e;
    test::place(e, {"OX...XO", "OXX.XXO", "OOO.OOO", ".OOOOO."});
    test::build_groups(e, {{"bb", "eb"}});
    group* g = test::group_at(e, "bb");
    g->space_value();
    point_set q;
    for (const char* n : {"ca", "da", "ea"}) q.add(pt(e, n));
    EXPECT_FALSE(g->atari_safe(q));
    EXPECT_EQ(values(g, false), "ca da ea=0");
    EXPECT_EQ(values(g, true), "ca da ea=1");
}

TEST(EyeAnalysis, AnEyePrunedToNothingIsWorthNothing) {
    // Eyes at aa and ac; on the top edge ca and da are half eyes beside ea,
    // a point of the region that cannot be an eye, and pruning leaves nothing
    // of them.  White at db would atari the wall eb fb fa, but there is no
    // half eye left to lose: the attacker's strict count sees two eyes.
    engine e;
    test::place(e, {".X...XO", "XXX.XXO", ".XO.OOO", "XXOOOO.", "OOO...."});
    test::build_groups(e);
    group* g = test::group_at(e, "bb");
    g->space_value();
    EXPECT_EQ(values(g, false), "aa=2; ac=2; ca da=0");
    EXPECT_EQ(g->kill_status(), -1);
}

TEST(EyeAnalysis, TheShapeTable) {
    engine e;
    auto value = [&e](std::initializer_list<const char*> points, bool optimistic = false) {
        point_set q;
        for (const char* n : points) q.add(pt(e, n));
        return group::eye_shape_value(q, optimistic);
    };
    EXPECT_EQ(value({}), 1);
    EXPECT_EQ(value({"jj", "lj"}), 2);  // apart
    EXPECT_EQ(value({"jj", "lj"}, true), 4);
    EXPECT_EQ(value({"jj", "kj"}), 2);
    EXPECT_EQ(value({"jj", "kj", "kk"}), 3);
    EXPECT_EQ(value({"jj", "kj", "lj", "lk"}), 4);              // bent four: two ends
    EXPECT_EQ(value({"aa", "ba", "ab", "bb"}), 2);              // square
    EXPECT_EQ(value({"jj", "kj", "lj", "kk"}), 3);              // pyramid: three ends
    EXPECT_EQ(value({"jj", "kj", "lj", "mj", "nj"}), 4);        // two ends
    EXPECT_EQ(value({"jj", "kj", "jk", "kk", "lj"}), 3);        // bulky: one end
    EXPECT_EQ(value({"kk", "jk", "lk", "kj", "kl"}), 3);        // cross: four ends
    EXPECT_EQ(value({"jj", "kj", "lj", "kk", "kl"}), 4);        // three ends
    EXPECT_EQ(value({"kj", "jk", "kk", "lk", "kl", "ll"}), 3);  // rabbity six
    EXPECT_EQ(value({"kk", "jk", "lk", "kj", "kl", "km"}), 4);  // a point of four, four ends
    EXPECT_EQ(value({"jj", "kj", "lj", "jk", "kk", "lk"}), 4);  // no point of four
    EXPECT_EQ(value({"jj", "kj", "lj", "mj", "nj", "oj", "pj"}), 4);
}

// --- eye classes and pruning, with the region and classes set by hand --------

class EyeRules : public ::testing::Test {
  protected:
    engine e;
    group g{e};

    void SetUp() override {
        e.push(pt(e, "ss"), 1);
        g.add_string(pt(e, "ss")->str_ptr);
    }
    void set(point_set& s, std::initializer_list<const char*> points) {
        s.clear();
        for (const char* n : points) s.add(pt(e, n));
    }
    // The class of a point whose region is itself and its eight
    // surroundings less those named outside.
    int eye_class(const char* name, std::initializer_list<const char*> outside) {
        point* p = pt(e, name);
        set(g.region, {name});
        for (point* q : p->near1.to_vector()) g.region.add(q);
        for (const char* n : outside) g.region.remove(pt(e, n));
        g.classify();
        return g.full_eye_points.contains(p) ? 2 : g.half_eye_points.contains(p) ? 1 : 0;
    }
    // What pruning leaves of t, from classes set by hand.
    std::string prune(std::initializer_list<const char*> region,
                      std::initializer_list<const char*> full,
                      std::initializer_list<const char*> half,
                      std::initializer_list<const char*> t) {
        set(g.region, region);
        set(g.full_eye_points, full);
        set(g.half_eye_points, half);
        set(g.eye_points, full);
        g.eye_points.add_all(g.half_eye_points);
        point_set pruned;
        set(pruned, t);
        g.prune_false_eyes(pruned);
        return names(pruned);
    }
};

TEST_F(EyeRules, ClassesInsideOnTheEdgeAndInTheCorner) {
    EXPECT_EQ(eye_class("jj", {}), 2);
    EXPECT_EQ(eye_class("jj", {"ii", "ik"}), 2);
    EXPECT_EQ(eye_class("jj", {"ii", "ik", "ki"}), 1);
    EXPECT_EQ(eye_class("jj", {"ii", "ik", "ki", "kk"}), 0);
    EXPECT_EQ(eye_class("jj", {"ij", "ki", "kk"}), 1);
    EXPECT_EQ(eye_class("jj", {"ij", "ii", "ki", "kk"}), 0);
    EXPECT_EQ(eye_class("jj", {"ij", "kj"}), 0);
    EXPECT_EQ(eye_class("aj", {"bi"}), 1);
    EXPECT_EQ(eye_class("aj", {"ai", "bk"}), 0);
    EXPECT_EQ(eye_class("aa", {"bb"}), 1);
    e.push(pt(e, "bb"), -1);  // an enemy diagonal outside counts double
    EXPECT_EQ(eye_class("aa", {"bb"}), 0);
    EXPECT_EQ(eye_class("aa", {}), 2);  // inside the region it does not count
    e.push(pt(e, "kk"), -1);
    EXPECT_EQ(eye_class("jj", {"kk"}), 2);
    EXPECT_EQ(eye_class("jj", {"kk", "ii"}), 1);  // j = 2 + 1
    e.push(pt(e, "kj"), -1);
    EXPECT_EQ(eye_class("jj", {"kj"}), 0);  // an enemy beside: none
    e.push(pt(e, "ij"), 1);
    EXPECT_EQ(eye_class("jj", {"ij", "kk"}), 1);  // our stone outside the group
    EXPECT_EQ(eye_class("ij", {}), 0);            // our stone is never an eye
}

TEST_F(EyeRules, ComponentsAreConnectedThroughEyePointsOnly) {
    set(g.eye_points, {"ja", "ka", "na", "oa"});
    std::vector<std::string> found;
    for (point_set& q : g.components()) found.push_back(names(q));
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{"ja ka", "na oa"}));
}

TEST_F(EyeRules, PruningRuleByRule) {
    // Beside one empty region point that is no eye point a full eye becomes
    // half; beside two, it goes.  Outside points and eye points spoil nothing.
    EXPECT_EQ(prune({"jj", "kj"}, {"jj"}, {}, {"jj"}), "jj");
    EXPECT_EQ(names(g.half_eye_points), "jj");
    EXPECT_EQ(prune({"jj", "kj", "ij"}, {"jj"}, {}, {"jj"}), "");
    EXPECT_EQ(prune({"jj", "ji"}, {"jj", "ji"}, {}, {"jj"}), "jj");
    EXPECT_EQ(names(g.full_eye_points), "ji jj");
    // A half eye that goes takes its neighbours down a step: ji to half, jk
    // out.  Visits end with the points counted, the cursor back at the front.
    EXPECT_EQ(prune({"jj", "kj", "ji", "jk", "ij"}, {"ji"}, {"jj", "jk"}, {"jj", "ji", "jk"}),
              "ji");
    EXPECT_EQ(names(g.half_eye_points), "ji");
    // An enemy stone in the region that is no eye point splits the eye.
    e.push(pt(e, "kj"), -1);
    EXPECT_EQ(prune({"jj", "kj", "ij"}, {"jj", "ij"}, {}, {"jj", "ij"}), "ij");
    EXPECT_EQ(names(g.half_eye_points), "ij");
    // Each such stone beside a point takes its neighbours down a step: two
    // of them take the full eye ji out.
    e.push(pt(e, "ij"), -1);
    EXPECT_EQ(prune({"jj", "kj", "ij", "ji"}, {"jj", "ji"}, {}, {"jj"}), "");
    EXPECT_EQ(names(g.eye_points), "");
    e.pop();
    e.pop();
    // A small enemy string lowered to half takes its neighbours down too.
    e.push(pt(e, "jj"), -1);
    EXPECT_EQ(prune({"jj", "kj", "ji"}, {"jj", "ji"}, {}, {"jj", "ji"}), "ji jj");
    EXPECT_EQ(names(g.half_eye_points), "ji jj");
    e.pop();
    // A single enemy stone in atari on a full eye is left alone.
    e.push(pt(e, "ab"), 1);
    e.push(pt(e, "aa"), -1);
    EXPECT_EQ(prune({"aa", "ba"}, {"aa"}, {}, {"aa"}), "aa");
    EXPECT_EQ(names(g.full_eye_points), "aa");
}

// --- territory and region -------------------------------------------------------

// Strict and optimistic answers for the named point, board left as found.
std::pair<bool, bool> territory(engine& e, group* g, const char* name) {
    test::board_snapshot before(e);
    std::pair<bool, bool> r{g->in_territory(pt(e, name), false),
                            g->in_territory(pt(e, name), true)};
    EXPECT_EQ(test::changes_since(e, before), "") << name;
    return r;
}

TEST(Territory, ByWhatTwoPliesOfQuickReadingShow) {
    const std::pair<bool, bool> both{true, true}, neither{false, false}, optimist{false, true};
    engine e;
    test::place(e, straight_three);
    test::build_groups(e);
    group* g = test::group_at(e, "bb");
    EXPECT_EQ(territory(e, g, "bb"), both);     // our own stone
    EXPECT_EQ(territory(e, g, "aa"), neither);  // the living wall
    EXPECT_EQ(territory(e, g, "da"), both);     // White there is taken
    EXPECT_EQ(territory(e, g, "cc"), neither);  // White there joins the wall
    e.push(pt(e, "da"), 1);
    e.push(e.pass_point, -1);
    EXPECT_EQ(territory(e, g, "ca"), both);  // suicide for White
    // ea can be taken but escapes by taking fa; with ga Black it cannot.
    engine escape;
    test::place(escape, {"OX..OX.", "OXXXXO.", "OOOOOO."});
    test::build_groups(escape);
    EXPECT_EQ(territory(escape, test::group_at(escape, "bb"), "ea"), optimist);
    escape.push(pt(escape, "ga"), 1);
    EXPECT_EQ(territory(escape, test::group_at(escape, "bb"), "ea"), both);
    // White's db has four liberties: undecided, ours unless a strong
    // enemy stands there.
    engine open;
    test::place(open, {"OXX.XXO", "OX.O.XO", "OXX..XO", "OXXXXXO", "OO...OO", ".OOOOO."});
    test::build_groups(open);
    group* h = test::group_at(open, "bb");
    EXPECT_EQ(territory(open, h, "db"), optimist);
    h->strong_neighbours.add(pt(open, "db"));
    EXPECT_EQ(territory(open, h, "db"), neither);
}

TEST(Territory, AnEmptyPointDecidedByWhoMovesFirst) {
    // Black's ba is in atari and itself ataris White's ca.
    engine e;
    test::place(e, {".XOX", ".O.."});
    test::build_groups(e);
    EXPECT_EQ(territory(e, test::group_at(e, "ba"), "aa"), std::make_pair(false, true));
}

TEST(Territory, TheRegionGrowsFourRounds) {
    // Along the first line every White stone is laddered; the region of aa
    // grows from its liberty ba four steps and stops.  The optimist also
    // takes cc, where White lives for two plies.
    engine e;
    test::place(e, {"X", ".XXXXXXXXXXXXXXXXXX", "O", "O", "O", "O"});
    test::build_groups(e);
    group* g = test::group_at(e, "aa");
    g->space_value();
    g->build_region(g->outer_area, false);
    EXPECT_EQ(names(g->region), "aa ba bb ca cb da db ea");
    g->build_region(g->outer_area, true);
    EXPECT_EQ(names(g->region), "aa ba bb ca cb cc da db ea");
}

}  // namespace

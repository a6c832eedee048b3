#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "engine/engine.h"
#include "tests/support/board_helpers.h"
#include "tests/support/board_snapshot.h"
#include "tests/support/own_directory.h"

namespace {

using test::pt;

point_set target(engine& e, const char* name) {
    point_set t;
    t.add(pt(e, name));
    return t;
}

std::vector<point*> moves_of(search_goal& goal, point_set& targets, int depth) {
    point_set moves;
    goal.generate_moves(targets, moves, depth);
    return moves.to_vector();
}

bool offers(const std::vector<point*>& moves, point* p) {
    return std::find(moves.begin(), moves.end(), p) != moves.end();
}

// Black has just taken the ko on bb from cb; White may not retake.
const std::vector<std::string> ko_taken = {".XOO.", "XO.O.", ".XO.."};

TEST(QuickCaptureGoal, AStringInAKoIsAttackedByPassing) {
    engine e;
    test::place(e, ko_taken);
    e.push(pt(e, "cb"), 1);
    point_set t = target(e, "cb");
    int value = 9;
    EXPECT_FALSE(e.goal_quick_capture->is_terminal(t, 0, 4, value));
    EXPECT_EQ(value, 9);
    EXPECT_EQ(moves_of(*e.goal_quick_capture, t, 0), std::vector<point*>{e.pass_point});
    // The owner of a string never passes in the quick reading.
    EXPECT_FALSE(offers(moves_of(*e.goal_quick_escape, t, 0), e.pass_point));
}

TEST(QuickGoals, TerminalTestsByLiberties) {
    engine e;
    e.push(pt(e, "jj"), 1);
    point_set t = target(e, "jj");
    int value = 9;
    // Four liberties: enough for the owner, not yet too many for the
    // attacker.
    EXPECT_TRUE(e.goal_quick_escape->is_terminal(t, 0, 4, value));
    EXPECT_EQ(value, 1);
    EXPECT_FALSE(e.goal_quick_capture->is_terminal(t, 0, 4, value));
    EXPECT_TRUE(e.goal_quick_capture->is_terminal(t, 4, 4, value));
    EXPECT_EQ(value, 0);
    e.push(pt(e, "jk"), 1);
    EXPECT_TRUE(e.goal_quick_capture->is_terminal(t, 0, 4, value));
    EXPECT_EQ(value, -1);
    // A captured target is the attacker's win and the owner's loss.
    engine c;
    c.push(pt(c, "aa"), 1);
    c.push(pt(c, "ba"), -1);
    c.push(pt(c, "jj"), 1);
    c.push(pt(c, "ab"), -1);
    point_set gone = target(c, "aa");
    EXPECT_TRUE(c.goal_quick_capture->is_terminal(gone, 0, 4, value));
    EXPECT_EQ(value, 1);
    EXPECT_TRUE(c.goal_quick_escape->is_terminal(gone, 0, 4, value));
    EXPECT_EQ(value, -1);
    EXPECT_TRUE(moves_of(*c.goal_quick_capture, gone, 0).empty());
    EXPECT_TRUE(moves_of(*c.goal_capture, gone, 0).empty());
    EXPECT_TRUE(moves_of(*c.goal_defend, gone, 0).empty());
}

TEST(CaptureGoal, ALadderEndsTheReadingWhileTheBudgetLasts) {
    engine e;
    test::place(e, {"", "", "", "", "......X", ".....OX", ".....X."});
    point_set t = target(e, "ff");
    int value = 9;
    e.start_search();
    const int tests = e.conn_count;
    EXPECT_TRUE(e.goal_capture->is_terminal(t, 0, 6, value));
    EXPECT_EQ(value, 1);
    EXPECT_EQ(e.conn_count, tests + 1);
    // At the depth limit no ladder is read: the answer is undecided.
    EXPECT_TRUE(e.goal_capture->is_terminal(t, 6, 6, value));
    EXPECT_EQ(value, 0);
    e.ladder_count = e.ladder_budget_base + engine::ladder_budget;
    EXPECT_FALSE(e.goal_capture->is_terminal(t, 0, 6, value));
    // The quick goal does not care about the budget.
    EXPECT_TRUE(e.goal_quick_capture->is_terminal(t, 0, 6, value));
    EXPECT_EQ(e.conn_count, tests + 3);
}

TEST(CaptureGoal, TakingAtOnceComesFirstAndSelfAtariLast) {
    engine e;
    // White's ca has two liberties: Black's ba would be in atari at once,
    // da is a plain atari.
    test::place(e, {"..O..", ".OX.."});
    point_set t = target(e, "ca");
    test::board_snapshot before(e);
    std::vector<point*> moves = moves_of(*e.goal_capture, t, 0);
    EXPECT_EQ(test::changes_since(e, before), "");
    ASSERT_GE(moves.size(), 3u);
    EXPECT_EQ(moves.front(), pt(e, "da"));
    EXPECT_EQ(moves.back(), pt(e, "ba"));
    EXPECT_EQ(pt(e, "da")->sort_key, 10 + 2);  // one liberty, two points of room
    for (size_t i = 1; i < moves.size(); ++i) {
        EXPECT_LE(moves[i - 1]->sort_key, moves[i]->sort_key);
    }
    // In atari, the capture is tried first with key 0.
    e.push(pt(e, "ba"), 1);
    e.push(e.pass_point, -1);
    moves = moves_of(*e.goal_capture, t, 0);
    EXPECT_EQ(moves.front(), pt(e, "da"));
    EXPECT_EQ(pt(e, "da")->sort_key, 0);
}

TEST(DefendGoal, ThePassIsAlwaysOfferedAndTriedLast) {
    engine e;
    test::place(e, {"..O..", ".OX.."});
    point_set t = target(e, "ca");
    std::vector<point*> moves = moves_of(*e.goal_defend, t, 0);
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves.back(), e.pass_point);
    EXPECT_EQ(e.pass_point->sort_key, 1000.0);
    EXPECT_TRUE(offers(moves, pt(e, "ba")));
    EXPECT_TRUE(offers(moves, pt(e, "da")));
    // More liberties first: ba joins bb for four.
    EXPECT_EQ(moves.front(), pt(e, "ba"));
}

TEST(DefendGoal, ThreeLibertiesAreEnoughOnlyDeepInTheReading) {
    engine e;
    e.push(pt(e, "ja"), -1);
    point_set t = target(e, "ja");
    int value = 9;
    EXPECT_FALSE(e.goal_defend->is_terminal(t, 5, 8, value));
    EXPECT_TRUE(e.goal_defend->is_terminal(t, 6, 8, value));
    EXPECT_EQ(value, 1);
    e.push(pt(e, "jb"), -1);
    EXPECT_TRUE(e.goal_defend->is_terminal(t, 0, 8, value));
    EXPECT_EQ(value, 1);
}

TEST(DefendGoal, AnAtariIsTriedOnlyWhenTheAtariedStringCannotRunOut) {
    // White's cc is next to Black's dc, which has two liberties (db, ec).
    // White's atari at ec is worth trying only when Black's extension to db
    // stays short of three liberties, here because of White's da.
    for (bool blocked : {false, true}) {
        engine e;
        test::place(e, {blocked ? "...O" : "", "", "..OX", "...O"});
        point_set t = target(e, "cc");
        EXPECT_EQ(offers(moves_of(*e.goal_defend, t, 0), pt(e, "ec")), blocked) << blocked;
    }
}

using GoalDeathTest = test::own_directory;

TEST_F(GoalDeathTest, ANegativeDepthEndsTheProgram) {
    EXPECT_EXIT(
        {
            engine e;
            e.push(pt(e, "jj"), 1);
            point_set t = target(e, "jj");
            point_set moves;
            e.goal_capture->generate_moves(t, moves, -1);
        },
        ::testing::ExitedWithCode(EXIT_FAILURE), "");
    std::ifstream in("error.txt");
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "depth<0 ");
}

// --- eye points ----------------------------------------------------------

TEST(EyeValue, CountsNeighboursAndDiagonals) {
    struct question {
        std::vector<std::string> picture;
        const char* at;
        double value;
    };
    const question questions[] = {
        // Inner point, four black neighbours and four black diagonals.
        {{"", "", "", ".....", "...XXX", "...X.X", "...XXX"}, "ef", 1.0},
        // One white diagonal: still a full eye inside the board.
        {{"", "", "", ".....", "...OXX", "...X.X", "...XXX"}, "ef", 1.0},
        // Two white diagonals: no eye.
        {{"", "", "", ".....", "...OXX", "...X.X", "...XXO"}, "ef", 0.0},
        // One neighbour missing: at most half an eye.
        {{"", "", "", ".....", "...XXX", "...X..", "...XXX"}, "ef", 0.5},
        // Edge point with both diagonals black, and with one of them white.
        {{"X.X", "XXX"}, "ba", 1.0},
        {{"X.X", "OXX"}, "ba", 0.0},
        // A corner whose diagonal is empty and safe for White to play.
        {{".X", "X.."}, "aa", 0.5},
    };
    for (const question& q : questions) {
        engine e;
        test::place(e, q.picture);
        EXPECT_EQ(pt(e, q.at)->eye_value(1), q.value) << q.at << " " << q.picture[0];
    }
}

TEST(EyeValue, NoEyeOnOwnStonesOrWithoutEnoughNeighbours) {
    engine e;
    test::place(e, {".X", "X.."});
    EXPECT_EQ(pt(e, "ba")->eye_value(1), 0.0);   // Black's own stone
    EXPECT_EQ(pt(e, "aa")->eye_value(-1), 0.0);  // Black's neighbours
    EXPECT_EQ(pt(e, "ca")->eye_value(1), 0.0);   // one black neighbour of three
}

TEST(EyeByLiberties, StrongEnemiesCloseTheEye) {
    engine e;
    // A white stone with four liberties on ee.
    test::place(e, {"", "", "", "", "....O"});
    EXPECT_EQ(pt(e, "de")->eye_by_liberties(1), 0);  // orthogonal
    EXPECT_EQ(pt(e, "dd")->eye_by_liberties(1), 1);  // one diagonal inside the board
    engine two;
    test::place(two, {"", "", "..O", "", "....O"});
    EXPECT_EQ(pt(two, "dd")->eye_by_liberties(1), 0);  // two diagonals
    engine edge;
    // White's two stones on ab, ac have four liberties; on the edge one
    // strong diagonal is too many.
    test::place(edge, {"", "O", "O"});
    EXPECT_EQ(pt(edge, "ba")->eye_by_liberties(1), 0);
    EXPECT_EQ(pt(edge, "ca")->eye_by_liberties(1), 1);
    engine big;
    test::place(big, {"", "", "", "...OO"});
    EXPECT_EQ(pt(big, "dd")->eye_by_liberties(1), 1);  // a white string of two stones
    EXPECT_EQ(pt(big, "dd")->eye_by_liberties(-1), 0);
}

TEST(EyeByCapture, OnlyWeakEnemiesMayTouchAnOccupiedPoint) {
    engine e;
    // White's ba-ca inside Black's corner has two liberties and little room.
    test::place(e, {"XOO.", "X.X", "XXX"});
    EXPECT_EQ(pt(e, "ba")->eye_by_capture(1), 1);
    EXPECT_EQ(pt(e, "bb")->eye_by_capture(1), 0);  // empty, next to a white stone
    EXPECT_EQ(pt(e, "aa")->eye_by_capture(1), 0);  // Black's own stone
    engine open;
    test::place(open, {"", "", "", "", "....O", "", "....O"});
    EXPECT_EQ(pt(open, "dd")->eye_by_capture(1), 1);  // one strong diagonal
    EXPECT_EQ(pt(open, "df")->eye_by_capture(1), 0);  // two
    EXPECT_EQ(pt(open, "ef")->eye_by_capture(1), 0);  // a white neighbour
}

}  // namespace

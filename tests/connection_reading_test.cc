// Connection readings: the shortcuts that settle a pair from the strings'
// statuses, the connect and cut goals' terminal tests and move lists, the
// shape filter near the root, and readings that leave the board as found.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "engine/board/coordinates.h"
#include "engine/engine.h"
#include "tests/support/board_helpers.h"
#include "tests/support/board_snapshot.h"
#include "tests/support/data_dir.h"
#include "tests/support/diag_capture.h"

namespace {

using test::pt;

str* string_at(engine& e, const char* name) {
    return pt(e, name)->str_ptr;
}

// The two targets of a connection reading, the first string's stone first.
point_set pair_targets(engine& e, const char* first, const char* second) {
    point_set t;
    t.add(pt(e, second));
    t.add(pt(e, first));
    return t;
}

std::vector<point*> moves_of(search_goal& goal, point_set& targets, int depth) {
    point_set moves;
    goal.generate_moves(targets, moves, depth);
    return moves.to_vector();
}

bool offers(const std::vector<point*>& moves, const point* p) {
    return std::find(moves.begin(), moves.end(), p) != moves.end();
}

// The goal's verdict on the node at depth, with the limit at 8; open for a
// node it does not decide.
constexpr int open = 9;
int verdict(search_goal& goal, point_set& targets, int depth) {
    int value = open;
    return goal.is_terminal(targets, depth, 8, value) ? value : open;
}

int connection_queries(const engine& e) {
    return e.proof_searches[2] + e.proof_searches[3] + e.proof_hits[2] + e.proof_hits[3];
}

// Black bb and db on either side of the White stone cb, which a ladder along
// the edge takes.
const std::vector<std::string> shared_enemy = {"", ".XOX"};

TEST(ConnectionQueries, StatusesSettleAPairWithoutReading) {
    engine e;
    test::place(e, shared_enemy);
    str* left = string_at(e, "bb");
    str* right = string_at(e, "db");
    str* between = string_at(e, "cb");
    const long long nodes = e.ab_count;
    const int queries = connection_queries(e);

    // A dead string cannot be connected; a string that is not safe is cut.
    left->status = 1;
    EXPECT_EQ(e.can_connect(left, right, 8, nullptr), -1);
    EXPECT_EQ(e.can_connect(right, left, 8, nullptr), -1);
    EXPECT_EQ(e.can_cut(left, right, 8, nullptr), 1);
    left->status = 4;
    EXPECT_EQ(e.can_cut(right, left, 8, nullptr), 1);
    // A dead shared neighbour joins the two whoever moves.
    left->status = 6;
    between->status = 1;
    EXPECT_EQ(e.can_connect(left, right, 8, nullptr), 1);
    EXPECT_EQ(e.can_cut(left, right, 8, nullptr), -1);
    // A shared neighbour that is not safe is taken by the owner moving
    // first; the opponent moving first may still save it.
    between->status = 4;
    EXPECT_EQ(e.can_connect(left, right, 8, nullptr), 1);

    EXPECT_EQ(e.ab_count, nodes);
    EXPECT_EQ(connection_queries(e), queries);
}

TEST(ConnectionQueries, ASharedEnemyTakenInALadderConnectsAtTheRoot) {
    engine e;
    test::place(e, shared_enemy);
    const long long nodes = e.ab_count;
    const int stored = e.proofs->count();
    EXPECT_EQ(e.can_connect(string_at(e, "bb"), string_at(e, "db"), 8, nullptr), 1);
    // Decided by the root's terminal test: one node, too shallow to store.
    EXPECT_EQ(e.ab_count - nodes, 1);
    EXPECT_EQ(e.proof_searches[2], 1);
    EXPECT_EQ(e.proofs->count(), stored);

    point_set t = pair_targets(e, "bb", "db");
    int value = 9;
    EXPECT_TRUE(e.goal_connect->is_terminal(t, 0, 8, value));
    EXPECT_EQ(value, 1);
}

TEST(ConnectionQueries, ASharedLibertyConnectsAndItsCutIsTaken) {
    engine e;
    test::place(e, {"", ".X.X"});
    str* left = string_at(e, "bb");
    str* right = string_at(e, "db");
    const test::board_snapshot before(e);
    const long long nodes = e.ab_count;
    EXPECT_EQ(e.can_connect(left, right, 8, nullptr), 1);
    EXPECT_EQ(e.ab_count - nodes, 1);
    // White's cut on cb runs along the edge into a ladder.
    EXPECT_EQ(e.can_cut(left, right, 8, nullptr), -1);
    EXPECT_EQ(test::changes_since(e, before), "");
}

TEST(ConnectionQueries, AOnePointJumpInTheOpenIsJoinedButNotProvenUncuttable) {
    engine e;
    test::place(e, {"", "", "", "...X", "", "...X"});
    str* upper = string_at(e, "dd");
    str* lower = string_at(e, "df");
    const test::board_snapshot before(e);
    EXPECT_EQ(e.can_connect(upper, lower, 6, nullptr), 1);
    // The cutting stone can neither be taken nor take anything.
    proof_record first;
    EXPECT_EQ(e.can_cut(upper, lower, 6, &first), 0);
    EXPECT_EQ(test::changes_since(e, before), "");
    // Deep enough to keep: the same question is answered by the proof.
    ASSERT_GT(first.depth(), 3);
    ASSERT_EQ(e.proof_stores[3], 1);
    const long long nodes = e.ab_count;
    EXPECT_EQ(e.can_cut(upper, lower, 6, nullptr), 0);
    EXPECT_EQ(e.proof_hits[3], 1);
    EXPECT_EQ(e.ab_count, nodes);
}

// --- the goals -------------------------------------------------------------

TEST(ConnectGoal, TerminalTests) {
    engine e;
    test::place(e, {"", "", "", "...X", "", "...X.X"});
    point_set jump = pair_targets(e, "dd", "df");
    point_set apart = pair_targets(e, "dd", "ff");
    EXPECT_EQ(verdict(*e.goal_connect, jump, 3), 1);
    // Nothing decides a knight's move: open below the limit, 0 at it.
    EXPECT_EQ(verdict(*e.goal_connect, apart, 3), open);
    EXPECT_EQ(verdict(*e.goal_connect, apart, 8), 0);
    // One string on both targets: joined.
    e.push(pt(e, "de"), 1);
    EXPECT_EQ(verdict(*e.goal_connect, jump, 3), 1);
    e.pop();
    // A captured target: failed, and nothing to play.
    test::place(e, {"", "", "...O", "..O.O"});
    e.push(pt(e, "de"), -1);
    ASSERT_EQ(pt(e, "dd")->colour, 0);
    const int traps = e.trap_count;
    EXPECT_EQ(verdict(*e.goal_connect, jump, 3), -1);
    EXPECT_EQ(e.trap_count - traps, 1);
    EXPECT_TRUE(moves_of(*e.goal_connect, jump, 3).empty());
}

TEST(CutGoal, TerminalTestsAndTheImpossibleEmptyTarget) {
    engine e;
    test::place(e, {"", "", "", "...X", "", "...X"});
    point_set t = pair_targets(e, "dd", "df");
    EXPECT_EQ(verdict(*e.goal_cut, t, 3), open);
    EXPECT_EQ(verdict(*e.goal_cut, t, 8), 0);
    // Joined: the cut has failed.
    e.push(pt(e, "de"), 1);
    EXPECT_EQ(verdict(*e.goal_cut, t, 3), -1);
    e.pop();
    // A target in atari is cut off.
    test::place(e, {"", "", "...O", "..O.O"});
    EXPECT_EQ(verdict(*e.goal_cut, t, 3), 1);
    // A target already captured cannot be met; the reading is told 0.
    e.push(pt(e, "de"), -1);
    test::diag_capture log;
    EXPECT_EQ(verdict(*e.goal_cut, t, 3), 0);
    EXPECT_EQ(log.text(), "err can_cut_rec.. ");
    EXPECT_EQ(moves_of(*e.goal_cut, t, 3), std::vector<point*>{e.pass_point});
}

TEST(CutGoal, ALadderOnATwoLibertyTargetCutsBelowTheLimitOnly) {
    engine e;
    // The Black stone on bb has two liberties and runs into a ladder.
    test::place(e, {".O", "OX", "..O"});
    e.push(pt(e, "jj"), 1);
    point_set t = pair_targets(e, "bb", "jj");
    EXPECT_EQ(verdict(*e.goal_cut, t, 3), 1);
    EXPECT_EQ(verdict(*e.goal_cut, t, 8), 0);
}

TEST(CutGoal, CuttingPointsFirstOtherwiseTheSpaceBetween) {
    engine e;
    test::place(e, {"", ".X.X", "", "", "", "", "...X", "", "", "...X"});
    point_set sharing = pair_targets(e, "bb", "db");
    // The shared liberty, and the pass; nothing else is looked at.
    EXPECT_EQ(moves_of(*e.goal_cut, sharing, 3), (std::vector<point*>{pt(e, "cb"), e.pass_point}));
    // A two-point jump: the points between, in both liberty areas, and the
    // pass, last.
    point_set apart = pair_targets(e, "dg", "dj");
    const std::vector<point*> moves = moves_of(*e.goal_cut, apart, 3);
    EXPECT_EQ(moves.back(), e.pass_point);
    EXPECT_TRUE(offers(moves, pt(e, "dh")));
    EXPECT_TRUE(offers(moves, pt(e, "di")));
}

TEST(ConnectGoal, PointsNearBothStringsComeFirst) {
    engine e;
    test::place(e, {"", "", "", "...X", "", "", "...X"});
    point_set t = pair_targets(e, "dd", "dg");
    const std::vector<point*> moves = moves_of(*e.goal_connect, t, 3);
    // de and df each lie in both liberty areas.
    ASSERT_GE(moves.size(), 3u);
    const std::vector<point*> front(moves.begin(), moves.begin() + 2);
    EXPECT_TRUE(offers(front, pt(e, "de")));
    EXPECT_TRUE(offers(front, pt(e, "df")));
    EXPECT_FALSE(offers(moves, e.pass_point));
    // A string in atari: its liberty and its captures.
    engine f;
    test::place(f, {".OX", "OXOX"});
    point_set atari = pair_targets(f, "bb", "db");
    const std::vector<point*> escapes = moves_of(*f.goal_connect, atari, 3);
    for (const char* name : {"bc", "aa", "cc"}) EXPECT_TRUE(offers(escapes, pt(f, name))) << name;
}

// --- the shape filter ------------------------------------------------------

// A shape network whose first output is x everywhere: only the bias
// unit's weight to that output is set.
std::string constant_shape_net(double x) {
    std::ostringstream out;
    out.precision(17);
    for (int hidden = 0; hidden < 100; ++hidden) {
        for (int i = 0; i < 167; ++i) out << "0 ";
        out << (hidden == 0 ? std::log(x / (1 - x)) : 0.0) << " 0\n";
    }
    return out.str();
}

point_set some_moves(engine& e) {
    point_set moves;
    for (const char* name : {"ab", "cc", "dd", "kk"}) moves.add(pt(e, name));
    moves.add(e.pass_point);
    return moves;
}

TEST(ShapeFilter, WithoutANetworkEveryMoveStaysAndThePassComesLast) {
    test::scoped_data_dir dir;
    engine e;
    point_set moves = some_moves(e);
    EXPECT_EQ(shape_filter(e, moves, 1), 0);
    // Equal values: the sort reverses them; the pass sorts last.
    EXPECT_EQ(moves.to_vector(), (std::vector<point*>{pt(e, "ab"), pt(e, "cc"), pt(e, "dd"),
                                                      pt(e, "kk"), e.pass_point}));
}

// The moves left of some, by name, after filtering them for colour with a
// network that rates every move x; the number removed goes to removed.
std::vector<std::string> filtered(double x, int colour, int& removed) {
    test::scoped_data_dir dir;
    dir.write("shape.dat", constant_shape_net(x));
    engine e;
    // cc has four stones around it, dd only three.
    test::place(e, {"", ".XO.", ".X.X", "..O"});
    point_set moves = some_moves(e);
    removed = shape_filter(e, moves, colour);
    std::vector<std::string> kept;
    for (const point* p : moves.to_vector()) {
        kept.push_back(p == e.pass_point ? "pass" : coord::sgf_point(p->x, p->y));
    }
    return kept;
}

TEST(ShapeFilter, AMiddlingValueKeepsOnlyCrowdedPointsALowOneNothing) {
    int removed = 0;
    EXPECT_EQ(filtered(0.3, -1, removed), (std::vector<std::string>{"cc", "pass"}));
    EXPECT_EQ(removed, 3);
    EXPECT_EQ(filtered(0.19, 1, removed), std::vector<std::string>{"pass"});
    EXPECT_EQ(removed, 4);
}

TEST(ShapeFilter, TheCutGoalFiltersItsFirstTwoPliesOnly) {
    test::scoped_data_dir dir;
    dir.write("shape.dat", constant_shape_net(0.19));
    engine e;
    test::place(e, {"", "", "", "...X", "", "", "...X"});
    point_set t = pair_targets(e, "dd", "dg");
    EXPECT_EQ(moves_of(*e.goal_cut, t, 1), std::vector<point*>{e.pass_point});
    EXPECT_GT(moves_of(*e.goal_cut, t, 2).size(), 1u);
}

// --- readings leave the board as found -------------------------------------

TEST(ConnectionQueries, RandomCornerFightsAreLeftAsFound) {
    engine e;
    unsigned state = 20240611;
    int readings = 0;
    for (int game = 0; game < 6; ++game) {
        e.reset_board();
        for (int move = 0; move < 40; ++move) {
            e.push(test::random_legal_move(e, state, 1, 8, 1, 8), e.turn());
        }
        const test::board_snapshot before(e, true);
        std::vector<str*> strings;
        for (int k = 0; k < e.n_points; ++k) {
            str* s = e.points[k]->str_ptr;
            if (s != nullptr && std::find(strings.begin(), strings.end(), s) == strings.end()) {
                strings.push_back(s);
            }
        }
        for (size_t i = 0; i < strings.size(); ++i) {
            for (size_t k = i + 1; k < strings.size(); ++k) {
                str* a = strings[i];
                str* b = strings[k];
                if (a->colour != b->colour || a->distance(b) > 4) continue;
                e.can_connect(a, b, 6, nullptr);
                e.can_cut(a, b, 6, nullptr);
                ++readings;
                ASSERT_EQ(test::changes_since(e, before), "") << game;
            }
        }
    }
    EXPECT_GT(readings, 30);
}

}  // namespace

// The connection passes and the group building: which pairs are read, in
// which order, what the after-move update takes over from the snapshot,
// the crosscut correction of safeties, and the string-and-group check.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "engine/engine.h"
#include "engine/evaluation/connection.h"
#include "tests/support/board_helpers.h"
#include "tests/support/board_snapshot.h"
#include "tests/support/diag_capture.h"
#include "tests/support/own_directory.h"

namespace {

using test::pt;

void to_move(engine& e, int colour) {
    if (e.turn() != colour) e.push(e.pass_point, -colour);
}

str* string_at(engine& e, const char* name) {
    return pt(e, name)->str_ptr;
}
group* group_at(engine& e, const char* name) {
    return string_at(e, name)->owner_group;
}

// The status of the record between the strings on a and b; 0 without one.
int verdict(engine& e, const char* a, const char* b) {
    const connection* f = string_at(e, a)->find_connection(string_at(e, b));
    return f != nullptr ? f->status : 0;
}

int connection_queries(const engine& e) {
    return e.proof_searches[2] + e.proof_searches[3] + e.proof_hits[2] + e.proof_hits[3];
}

// The root's analysis as move generation makes it before it tries its
// candidates: after a pass, remembered by the snapshot.
void analyse_root(engine& e) {
    e.push(e.pass_point, e.turn());
    e.evaluate_all_strings();
    e.update_groups();
    e.snapshot();
    e.pop();
}

// A candidate for the side to move, analysed as after a move.
void analyse_candidate(engine& e, point* p) {
    e.push(p, e.turn());
    e.update_status_after_move(p);
    e.update_groups_after_move(p);
}

// --- the full update -------------------------------------------------------

TEST(UpdateGroups, AOnePointJumpIsOneGroupWhenItsReadingSucceeds) {
    engine e;
    test::place(e, {"", "", "", "...X", "", "...X"});
    to_move(e, 1);
    e.update_groups();
    EXPECT_EQ(e.black_groups.size(), 1u);
    EXPECT_EQ(group_at(e, "dd"), group_at(e, "df"));
    EXPECT_EQ(verdict(e, "dd", "df"), 6);
    // With White to move the cut is not proven to fail: strictly, that is
    // not connected, and no third string joins them leniently.
    e.push(e.pass_point, 1);
    e.update_groups();
    EXPECT_EQ(e.black_groups.size(), 2u);
    EXPECT_NE(group_at(e, "dd"), group_at(e, "df"));
    EXPECT_EQ(verdict(e, "dd", "df"), 1);
}

// dd, the first string; df-ef, a one-point jump below it; fe, diagonal to
// ef and a knight's move from dd.
const std::vector<std::string> three_strings = {"", "", "", "...X", ".....X", "...XX"};

TEST(UpdateGroups, ThePairsAreReadNearestFirstAndAJoinedPairIsNotRead) {
    engine e;
    test::place(e, three_strings);
    to_move(e, 1);
    const int queries = connection_queries(e);
    e.update_groups();
    ASSERT_EQ(e.black_groups.size(), 1u);
    EXPECT_EQ(e.black_groups.front()->members.size(), 3u);
    EXPECT_EQ(verdict(e, "df", "fe"), 6);
    EXPECT_EQ(verdict(e, "dd", "df"), 6);
    // The diagonal and the jump are read by the first pass; dd and fe are
    // then one temporary group.  Only the second pass reads them, as two
    // strings joined to df, and then df and fe again, as two strings joined
    // to dd.
    EXPECT_EQ(connection_queries(e) - queries, 4);
    EXPECT_EQ(verdict(e, "dd", "fe"), 6);
}

TEST(UpdateGroups, AConnectionBetweenStringsAlreadyJoinedIsDeleted) {
    engine e;
    // Two more strings diagonal to df-ef: cg and fg.  df-ef then has four
    // connected strings, too many for the second pass.
    std::vector<std::string> five = three_strings;
    five.push_back("..X..X");
    test::place(e, five);
    to_move(e, 1);
    for (auto [a, b] : {std::pair{"dd", "fe"}, {"fe", "fg"}, {"cg", "fg"}}) {
        new connection(string_at(e, a), string_at(e, b));
    }
    const int queries = connection_queries(e);
    e.update_groups();
    EXPECT_EQ(e.black_groups.size(), 1u);
    EXPECT_EQ(verdict(e, "dd", "fe"), 0);
    EXPECT_EQ(verdict(e, "fe", "fg"), 0);
    EXPECT_EQ(verdict(e, "cg", "fg"), 0);
    // Four diagonals and the jump dd-df were read; nothing else.
    EXPECT_EQ(connection_queries(e) - queries, 4);
}

TEST(UpdateGroups, EveryStringTakesPartHoweverManyThereAre) {
    engine e;
    // 110 single Black stones: every other point of every other line, and
    // ten more between them.
    std::vector<std::string> rows(19, std::string(19, '.'));
    for (int y = 0; y < 19; y += 2) {
        for (int x = 0; x < 19; x += 2) rows[y][x] = 'X';
    }
    for (int x = 1; x < 19; x += 2) rows[1][x] = 'X';
    rows[3][1] = 'X';
    test::place(e, rows);
    test::diag_capture log;
    e.update_groups();
    EXPECT_EQ(log.text().find("ERRR"), std::string::npos);
    ASSERT_EQ(e.black_groups.size(), 1u);
    EXPECT_EQ(e.black_groups.front()->members.size(), 110u);
    EXPECT_EQ(e.black_groups.front()->size, 110);
    EXPECT_EQ(group_at(e, "ss"), e.black_groups.front().get());
}

TEST(BuildGroups, TheSideToMoveCountsWeakerConnections) {
    engine e;
    test::place(e, {"", "", "", "...X", "", "...X"});
    e.update_groups();
    connection* f = string_at(e, "dd")->find_connection(string_at(e, "df"));
    ASSERT_NE(f, nullptr);
    f->status = 5;
    to_move(e, 1);
    EXPECT_EQ(e.build_groups(1), 1);
    e.push(e.pass_point, 1);
    EXPECT_EQ(e.build_groups(1), 2);
    f->status = 6;
    EXPECT_EQ(e.build_groups(1), 1);
    EXPECT_EQ(e.black_groups.size(), 1u);
}

// --- needs_reevaluation and the after-move update --------------------------

TEST(NeedsReevaluation, TheMoveNearEitherStringOrAStatusChangedAroundThem) {
    engine e;
    test::place(e, {"", "", "", "...XO", "", "...X"});
    e.update_groups();
    e.snapshot();
    const connection* f = string_at(e, "dd")->find_connection(string_at(e, "df"));
    ASSERT_NE(f, nullptr);
    // df is a two-point jump from di (distance 4) and a knight's move from
    // eh (distance 3).
    EXPECT_FALSE(f->needs_reevaluation(pt(e, "di")));
    EXPECT_TRUE(f->needs_reevaluation(pt(e, "eh")));
    EXPECT_FALSE(f->needs_reevaluation(pt(e, "jj")));
    // A pass comes near nothing, not even a pair in the corner, whose
    // stones lie a shape distance 1 and 3 from the pass point's (0, 0).
    test::place(e, {"X.X"});
    e.update_groups();
    e.snapshot();
    const connection* corner = string_at(e, "aa")->find_connection(string_at(e, "ca"));
    ASSERT_NE(corner, nullptr);
    EXPECT_FALSE(corner->needs_reevaluation(e.pass_point));
    EXPECT_TRUE(corner->needs_reevaluation(pt(e, "ab")));

    str* upper = string_at(e, "dd");
    upper->status = 1;
    EXPECT_TRUE(status_changed(upper));
    EXPECT_TRUE(f->needs_reevaluation(pt(e, "jj")));
    upper->status = 6;
    // The White stone next to dd.
    string_at(e, "ed")->status = 1;
    EXPECT_TRUE(f->needs_reevaluation(pt(e, "jj")));
    string_at(e, "ed")->status = 6;
    EXPECT_FALSE(f->needs_reevaluation(pt(e, "jj")));
}

// Black bb-db and White kb-mb, each a pair with a shared liberty whose cut
// is taken at once: connected whoever moves.  Black is to move at the root.
class AfterMoveTwoPairs : public ::testing::Test {
  protected:
    engine e;

    void SetUp() override {
        test::place(e, {"", ".X.X......O.O"});
        to_move(e, 1);
        analyse_root(e);
    }
    // What the snapshot remembered for the pair, whatever a reading would
    // say now.
    int& previous(const char* a, const char* b) {
        return string_at(e, a)->find_connection(string_at(e, b))->previous_status;
    }
};

TEST_F(AfterMoveTwoPairs, AFarCandidateKeepsEveryConnectionAtItsPreviousStatus) {
    ASSERT_EQ(verdict(e, "bb", "db"), 6);
    ASSERT_EQ(verdict(e, "kb", "mb"), 6);
    previous("bb", "db") = 1;
    analyse_candidate(e, pt(e, "jp"));
    EXPECT_EQ(e.connections_read, 0);
    EXPECT_EQ(e.connections_reused, 2);
    EXPECT_EQ(verdict(e, "bb", "db"), 1);
    EXPECT_EQ(verdict(e, "kb", "mb"), 6);
    EXPECT_EQ(e.black_groups.size(), 3u);
    EXPECT_EQ(e.white_groups.size(), 1u);
    for (const char* name : {"bb", "db", "kb", "mb"}) {
        for (const connection* f : string_at(e, name)->connections) {
            EXPECT_EQ(f->status, f->previous_status) << name;
        }
    }
}

TEST_F(AfterMoveTwoPairs, NearTheMoveAVerdictTheMoverCannotOverturnStands) {
    // White, to move after the candidate, could not connect at the
    // snapshot; Black's move next to its pair changes no status.
    previous("kb", "mb") = 1;
    analyse_candidate(e, pt(e, "lc"));
    EXPECT_EQ(verdict(e, "kb", "mb"), 1);
    EXPECT_EQ(e.connections_read, 0);
    e.pop();
    // Black's own connected pair stays connected when Black plays next to
    // it, unread; the new stone's pairs are read: bb-bd by the first pass,
    // db-bd by the second (two strings joined to bb).
    analyse_candidate(e, pt(e, "bd"));
    EXPECT_EQ(verdict(e, "bb", "db"), 6);
    EXPECT_EQ(verdict(e, "bb", "bd"), 6);
    EXPECT_NE(verdict(e, "db", "bd"), 0);
    EXPECT_EQ(e.connections_read, 2);
    e.pop();
}

TEST_F(AfterMoveTwoPairs, AStringHoldingTheMoveIsReadAgain) {
    previous("bb", "db") = 1;
    analyse_candidate(e, pt(e, "eb"));
    EXPECT_EQ(verdict(e, "bb", "eb"), 6);
    EXPECT_EQ(e.connections_read, 1);
}

// Every string's status and the stones of its group, by point.
struct analysis {
    std::map<int, int> status;
    std::map<int, std::set<int>> group_stones;
    bool operator==(const analysis&) const = default;
};

// The points where two analyses differ, for a failure message.
std::string differences(const analysis& a, const analysis& b) {
    std::ostringstream out;
    for (const auto& [k, status] : a.status) {
        if (b.status.at(k) != status) out << "status at " << k << ": " << status << " ";
        if (b.group_stones.at(k) != a.group_stones.at(k)) out << "group at " << k << " ";
    }
    return out.str();
}

analysis analysis_of(engine& e) {
    analysis a;
    for (int k = 0; k < e.n_points; ++k) {
        const point* p = e.points[k];
        if (p->colour == 0) continue;
        a.status[k] = p->str_ptr->status;
        for (const point* q : p->str_ptr->owner_group->stones.to_vector()) {
            a.group_stones[k].insert(q->index);
        }
    }
    return a;
}

TEST(AfterMove, AgreesWithTheFullUpdateAfterAPassOrAFarMove) {
    engine e;
    e.max_depth_status = 6;
    e.max_depth_connection = 6;
    unsigned state = 77;
    for (int game = 0; game < 12; ++game) {
        e.reset_board();
        for (int move = 0; move < 40; ++move) {
            e.push(test::random_legal_move(e, state, 1, 8, 1, 8), e.turn());
        }
        analyse_root(e);
        // rd is out of reach of every ladder that starts in the fight; oo,
        // on the diagonal, may break one, which the after-move update does
        // not look for.
        for (point* candidate : {e.pass_point, pt(e, "rd")}) {
            const test::board_snapshot before(e, false);
            test::diag_capture log;
            analyse_candidate(e, candidate);
            const analysis after_move = analysis_of(e);
            e.evaluate_all_strings();
            e.update_groups();
            const analysis full = analysis_of(e);
            EXPECT_EQ(after_move, full) << game << " " << differences(after_move, full);
            EXPECT_EQ(log.text().find("ERRR"), std::string::npos);
            e.pop();
            EXPECT_EQ(test::changes_since(e, before), "");
        }
    }
}

TEST(AfterMove, EveryStringHasItsGroupAfterAnyCandidate) {
    engine e;
    e.max_depth_status = 6;
    e.max_depth_connection = 6;
    unsigned state = 4242;
    int candidates = 0;
    for (int game = 0; game < 4; ++game) {
        e.reset_board();
        for (int move = 0; move < 30; ++move) {
            e.push(test::random_legal_move(e, state, 1, 7, 1, 7), e.turn());
        }
        analyse_root(e);
        const test::board_snapshot before(e, false);
        for (int trial = 0; trial < 5; ++trial) {
            point* p = test::random_legal_move(e, state, 1, 8, 1, 8);
            test::diag_capture log;
            analyse_candidate(e, p);
            ++candidates;
            EXPECT_EQ(log.text().find("ERRR"), std::string::npos);
            for (int k = 0; k < e.n_points; ++k) {
                const str* s = e.points[k]->str_ptr;
                if (s == nullptr) continue;
                ASSERT_NE(s->owner_group, nullptr);
                EXPECT_EQ(s->owner_group->colour, s->colour);
                EXPECT_TRUE(s->owner_group->stones.contains(e.points[k]));
            }
            e.pop();
            ASSERT_EQ(test::changes_since(e, before), "");
        }
    }
    EXPECT_EQ(candidates, 20);
}

TEST(UpdateGroups, TakingMovesBackPastARecapturedPointLeavesNoGroupBehind) {
    engine e;
    // Black jj-jk is captured, and Black plays on jj again: a new string,
    // which taking everything back frees while the groups still hold it.
    test::place(e, {"", "", "", "", "", "", "", "", ".........O", "........OXO", "........OXO"});
    e.push(pt(e, "jl"), -1);
    ASSERT_EQ(pt(e, "jj")->colour, 0);
    e.push(pt(e, "jj"), 1);
    e.update_groups();
    while (e.no_moves > 0) e.pop();
    test::place(e, {"X"});
    e.update_groups();
    EXPECT_EQ(e.black_groups.size(), 1u);
    e.reset_board();
    EXPECT_TRUE(e.black_groups.empty());
}

// --- the snapshot ----------------------------------------------------------

TEST(Snapshot, CopiesStatusesVerdictsAndTheGroupOntoEveryStone) {
    engine e;
    test::place(e, {"", ".X.X", ".O"});
    e.update_groups();
    group* black = group_at(e, "bb");
    black->safety = 0.75;
    black->life_result = 1;
    string_at(e, "bb")->status = 1;
    connection* f = string_at(e, "bb")->find_connection(string_at(e, "db"));
    ASSERT_NE(f, nullptr);
    f->previous_status = 0;
    point* empty = pt(e, "jj");
    empty->value = 0.25;
    empty->control_black = 0.5;
    empty->control_white = 0.125;
    empty->status_copy = 6;
    empty->life_copy = 1;
    e.snapshot();
    for (const char* name : {"bb", "db"}) {
        EXPECT_EQ(pt(e, name)->safety_copy, 0.75) << name;
        EXPECT_EQ(pt(e, name)->life_copy, 1) << name;
    }
    EXPECT_EQ(pt(e, "bb")->status_copy, 1);
    EXPECT_EQ(pt(e, "db")->status_copy, 6);
    EXPECT_EQ(pt(e, "bc")->status_copy, 6);
    EXPECT_EQ(pt(e, "bc")->life_copy, -99);  // never read
    EXPECT_EQ(f->previous_status, f->status);
    EXPECT_EQ(empty->previous_value, 0.25);
    EXPECT_EQ(empty->eval_now_black, 0.5);
    EXPECT_EQ(empty->eval_now_white, 0.125);
    EXPECT_EQ(empty->status_copy, 0);
    EXPECT_EQ(empty->life_copy, -99);
}

// --- the crosscut correction -----------------------------------------------

class Crosscut : public ::testing::Test {
  protected:
    engine e;
    group* p = nullptr;  // cc, and clockwise: dc, dd, cd
    group* q = nullptr;
    group* s = nullptr;
    group* r = nullptr;

    void SetUp() override {
        test::place(e, {"", "", "..XO", "..OX"});
        e.build_groups(1);
        e.build_groups(-1);
        p = group_at(e, "cc");
        q = group_at(e, "dc");
        s = group_at(e, "dd");
        r = group_at(e, "cd");
    }
    // Sets the four safeties and network ratings, then corrects them.
    void adjust(double a, double b, double d, double f, double nn_p, double nn_q, double nn_s,
                double nn_r) {
        p->safety = a;
        q->safety = b;
        s->safety = d;
        r->safety = f;
        p->nn_safety = nn_p;
        q->nn_safety = nn_q;
        s->nn_safety = nn_s;
        r->nn_safety = nn_r;
        e.crosscut_adjust();
    }
    void expect(double a, double b, double d, double f) {
        EXPECT_NEAR(p->safety, a, 1e-12);
        EXPECT_NEAR(q->safety, b, 1e-12);
        EXPECT_NEAR(s->safety, d, 1e-12);
        EXPECT_NEAR(r->safety, f, 1e-12);
    }
};

TEST_F(Crosscut, SafetiesThatAddUpChangeNothing) {
    adjust(0.5, 0.5, 0.5, 0.5, 0.9, 0.9, 0.9, 0.9);
    expect(0.5, 0.5, 0.5, 0.5);
    adjust(0.9995, 0.0, 1.0, 0.0, 0.5, 0.5, 0.5, 0.5);  // shortfall below 0.001
    expect(0.9995, 0.0, 1.0, 0.0);
}

TEST_F(Crosscut, WeakGroupsAreRaisedByTheirNetworkRatings) {
    adjust(0.2, 0.2, 0.2, 0.2, 0.5, 0.5, 0.5, 0.5);
    expect(0.5, 0.5, 0.5, 0.5);
    // a = min(0.6, 0.8), b = min(0.5, 0.9), m = 1.1; partners f = 0.1 and
    // g = 0.3 leave deficits 0.5, 0.6, 0.6 and 0.5.
    adjust(0.2, 0.3, 0.1, 0.4, 0.6, 0.5, 0.8, 0.9);
    expect(0.2 + 0.6 * 0.5 / 1.1, 0.3 + 0.5 * 0.6 / 1.1, 0.1 + 0.6 * 0.6 / 1.1,
           0.4 + 0.5 * 0.5 / 1.1);
}

TEST_F(Crosscut, ANegativeDeficitRaisesNothing) {
    adjust(0.95, 0.6, 0.0, 0.6, 0.5, 0.5, 0.5, 0.5);
    expect(0.95, 0.8, 0.2, 0.8);
}

TEST_F(Crosscut, NoRatingsADeadStoneOrAJoinedPairLeaveItAlone) {
    adjust(0.2, 0.2, 0.2, 0.2, 0.0, 0.0, 0.0, 0.0);
    expect(0.2, 0.2, 0.2, 0.2);
    string_at(e, "cd")->status = 1;  // White, to move: nearly dead below 2
    adjust(0.2, 0.2, 0.2, 0.2, 0.5, 0.5, 0.5, 0.5);
    expect(0.2, 0.2, 0.2, 0.2);
    string_at(e, "cd")->status = 6;
    p->absorb_group(s);
    e.crosscut_adjust();
    EXPECT_NEAR(p->safety, 0.2, 1e-12);
    EXPECT_NEAR(q->safety, 0.2, 1e-12);
}

// --- the string-and-group check --------------------------------------------

TEST(CheckStringsAndGroups, ReportsStonesOutsideTheirGroups) {
    engine e;
    test::place(e, {"", ".X.X", "..O"});
    e.update_groups();
    {
        test::diag_capture log;
        e.check_strings_and_groups();
        EXPECT_EQ(log.text(), "");
    }
    group* white = group_at(e, "cc");
    std::erase(white->members, string_at(e, "cc"));
    {
        test::diag_capture log;
        e.check_strings_and_groups();
        EXPECT_EQ(log.text(), "ERRRORRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRR3\n\n\n\n");
    }
    string_at(e, "cc")->owner_group = nullptr;
    {
        test::diag_capture log;
        e.check_strings_and_groups();
        const std::string text = log.text();
        EXPECT_EQ(text.rfind("ERRRORRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRR2\n\n\n\n[cc]", 0), 0u);
        EXPECT_NE(text.find("Displaying a group"), std::string::npos);
    }
}

using CheckStringsAndGroupsDeathTest = test::own_directory;

std::string error_file() {
    std::ifstream in("error.txt");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST_F(CheckStringsAndGroupsDeathTest, AGroupListThatDisagreesEndsTheProgram) {
    for (int colour : {1, -1}) {
        EXPECT_EXIT(
            {
                engine e;
                test::place(e, {"X.......X", "", "", "", "O.......O"});
                e.update_groups();
                group* g = e.group_list(colour).front().get();
                g->members.front()->owner_group = e.group_list(colour).back().get();
                e.check_strings_and_groups();
            },
            ::testing::ExitedWithCode(EXIT_FAILURE), "");
        EXPECT_EQ(error_file(), colour == 1 ? "ERRRORRR check_strings_and_groups 1\n"
                                            : "ERRRORRR check_strings_and_groups -1\n");
    }
}

}  // namespace

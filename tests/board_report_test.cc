// What the front ends show of the engine's judgement: the owner of a point,
// the safety digit of a stone, the score estimate and the detailed dump.
#include <gtest/gtest.h>

#include <string>

#include "engine/engine.h"
#include "tests/support/board_helpers.h"
#include "tests/support/data_dir.h"
#include "tests/support/diag_capture.h"

namespace {

class BoardReport : public ::testing::Test {
  protected:
    test::scoped_data_dir none;
    engine e;

    // A Black stone on c3 and a White one on q17, with their groups.
    void two_stones() {
        e.play_move(e.at(3, 3), 1);
        e.play_move(e.at(17, 17), -1);
        e.evaluate(1);
        ASSERT_NE(e.at(3, 3)->str_ptr->owner_group, nullptr);
        ASSERT_NE(e.at(17, 17)->str_ptr->owner_group, nullptr);
    }
    void set_safety(int x, int y, double s) { e.at(x, y)->str_ptr->owner_group->safety = s; }
};

TEST_F(BoardReport, ScoreOfAnEmptyBoardIsTheTurn) {
    EXPECT_EQ(e.score_estimate(), 0);
    e.play_move(e.pass_point, 1);
    EXPECT_EQ(e.score_estimate(), 1);
    // A lone stone is worth too little to count for its side, but its
    // stone is counted against its player (passes are not).
    e.play_move(e.at(10, 10), -1);
    EXPECT_EQ(e.score_estimate(), 1);
    e.play_move(e.at(4, 4), 1);
    EXPECT_EQ(e.score_estimate(), 1);
}

TEST_F(BoardReport, SafetyDigitsAndTheirBounds) {
    EXPECT_EQ(e.safety_char(5, 5), ' ');
    two_stones();
    const struct {
        double safety;
        char digit;
    } cases[] = {{0.0, '0'},   {0.049, '0'}, {0.05, '1'},  {0.15, '2'}, {0.5, '5'},
                 {0.549, '5'}, {0.55, '6'},  {0.949, '9'}, {0.95, ' '}, {1.0, ' '}};
    for (const auto& c : cases) {
        set_safety(3, 3, c.safety);
        EXPECT_EQ(e.safety_char(3, 3), c.digit) << c.safety;
    }
}

TEST_F(BoardReport, OwnershipOfStonesFollowsTheirSafety) {
    two_stones();
    // A stone's value is 2 * safety - 1 for its own colour.
    set_safety(3, 3, 0.667);
    EXPECT_EQ(e.ownership_trit(3, 3), 1);
    set_safety(3, 3, 0.666);
    EXPECT_EQ(e.ownership_trit(3, 3), 0);
    set_safety(3, 3, 0.334);
    EXPECT_EQ(e.ownership_trit(3, 3), 0);
    set_safety(3, 3, 0.333);
    EXPECT_EQ(e.ownership_trit(3, 3), -1);
    set_safety(17, 17, 0.9);
    EXPECT_EQ(e.ownership_trit(17, 17), -1);
    EXPECT_EQ(e.ownership_trit(10, 10), 0);
}

TEST_F(BoardReport, DetailedDump) {
    two_stones();
    set_safety(3, 3, 0.56);
    test::diag_capture log;
    e.print_board_detailed();
    const std::string text = log.text();
    EXPECT_EQ(text.rfind("trap_count ", 0), 0u) << text;
    // Rows from y = 19 down: after the counters, the row y = 3 is the
    // seventeenth; the Black stone shows 9 * 0.56 truncated.
    size_t row = 0;
    for (int line = 0; line < 1 + 19 - 3; ++line) row = text.find('\n', row) + 1;
    EXPECT_EQ(text.substr(row, 9), "  .  . 5#") << text;
    // The last move is marked, whatever its group, on the third row.
    row = text.find('\n') + 1;
    row = text.find('\n', text.find('\n', row) + 1) + 1;
    EXPECT_EQ(text.substr(row + 3 * 16, 3), " :O") << text;
    EXPECT_NE(text.find("  x"), std::string::npos);  // a star point
    EXPECT_NE(text.find(" turn 1 no_moves 2  #1 1  #-1 1 \n"), std::string::npos) << text;
}

}  // namespace

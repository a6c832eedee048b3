// The idle step of the game control: the computer moves only for a computer
// side of a running game, with that side's depths, and announces the end.
#include <gtest/gtest.h>

#include "game/game_control.h"
#include "tests/support/data_dir.h"
#include "tests/support/fake_game_ui.h"

namespace {

class ComputerMove : public ::testing::Test {
  protected:
    test::scoped_data_dir none;
    test::fake_game_ui ui;
    game_control doc{ui, [](const board_report& r) { return r.score_estimate(); }};

    void SetUp() override {
        doc.new_document();
        doc.set_seed(9);
        doc.new_game();
    }
    void players(bool black, bool white) {
        const game_settings p{{black, 2, 3, 1}, {white, 3, 2, 2}};
        doc.set_players(&p);
    }
    const engine& eng() { return doc.game().eng(); }
};

TEST_F(ComputerMove, OnlyWhenRunningAndAComputerIsToMove) {
    players(true, false);
    EXPECT_FALSE(doc.computer_move());  // a new game waits paused
    EXPECT_EQ(eng().no_moves, 0);
    doc.start();
    doc.set_modified(false);
    ASSERT_TRUE(doc.computer_move());
    EXPECT_EQ(eng().no_moves, 1);
    EXPECT_EQ(doc.side(), -1);
    EXPECT_TRUE(doc.is_modified());
    EXPECT_EQ(ui.waiting, 0);
    // Black's depths were handed to the engine.
    EXPECT_EQ(eng().max_depth_status, 2);
    EXPECT_EQ(eng().max_depth_connection, 3);
    EXPECT_EQ(eng().max_depth_life_death, 1);
    // White is a person: the idle step waits for the click.
    EXPECT_FALSE(doc.computer_move());
    EXPECT_EQ(eng().no_moves, 1);
    EXPECT_EQ(doc.game().stones_played[0], 1);
}

TEST_F(ComputerMove, EachSideWithItsDepths) {
    players(false, true);
    doc.start();
    ASSERT_TRUE(doc.human_move(4, 4));
    ASSERT_TRUE(doc.computer_move());
    EXPECT_EQ(eng().max_depth_status, 3);
    EXPECT_EQ(eng().max_depth_connection, 2);
    EXPECT_EQ(eng().max_depth_life_death, 2);
    EXPECT_EQ(doc.side(), 1);
}

TEST_F(ComputerMove, TwoPassesBringTheResultOnce) {
    players(true, true);
    doc.start();
    doc.human_pass();
    doc.human_pass();
    EXPECT_FALSE(doc.computer_move());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "Game over.\nFinal result: White wins by 5.5.");
    EXPECT_EQ(doc.side(), 0);
    EXPECT_FALSE(doc.computer_move());
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(eng().no_moves, 2);
}

}  // namespace

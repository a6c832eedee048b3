// The game saved when the crash log ends the program, read back.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "engine/base/diagnostics.h"
#include "game/crash_record.h"
#include "game/game_control.h"
#include "tests/support/data_dir.h"
#include "tests/support/fake_game_ui.h"
#include "tests/support/own_directory.h"

namespace {

using CrashRecordDeathTest = test::own_directory;

std::string read_file(const char* name) {
    std::ostringstream text;
    text << std::ifstream(name).rdbuf();
    return text.str();
}

TEST_F(CrashRecordDeathTest, TheGameSoFarIsSavedFromItsRecordNotTheBoard) {
    test::scoped_data_dir none;
    test::fake_game_ui ui;
    game_control control(ui, [](const board_report&) { return 0; });
    const game_settings handicap_two{.handicap = 2, .komi = 5.5f, .seed = 0, .use_seed = true};
    ASSERT_TRUE(control.new_game_with_properties(&handicap_two));
    const game_settings people{{false, 10, 8, 4}, {false, 10, 8, 4}};
    control.set_players(&people);
    ASSERT_TRUE(control.human_move(3, 3));
    ASSERT_TRUE(control.human_pass());
    ASSERT_TRUE(control.human_move(17, 17));
    const Game::saved_state game = control.game().save();
    // A reading has moves of its own on the stack when the check fails.
    engine& e = control.engine_for_checks();
    e.push(e.at(10, 10), 1);
    e.push(e.at(10, 11), -1);
    EXPECT_EXIT(
        {
            diag::set_out(stderr);
            install_crash_save(control);
            diag::crash("What?");
        },
        ::testing::ExitedWithCode(EXIT_FAILURE), "The game so far is saved in error\\.sgf\\.");
    EXPECT_EQ(read_file("error.txt"), "What?");

    test::fake_game_ui reader_ui;
    game_control reader(reader_ui, [](const board_report&) { return 0; });
    ASSERT_TRUE(reader.load_text(read_file(crash_game_file))) << read_file(crash_game_file);
    const Game::saved_state loaded = reader.game().save();
    ASSERT_EQ(loaded.on_board.size(), game.on_board.size());
    for (size_t i = 0; i < game.on_board.size(); ++i) {
        EXPECT_EQ(loaded.on_board[i].x, game.on_board[i].x) << i;
        EXPECT_EQ(loaded.on_board[i].y, game.on_board[i].y) << i;
        EXPECT_EQ(loaded.on_board[i].colour, game.on_board[i].colour) << i;
    }
    EXPECT_EQ(reader.settings().handicap, 2);
    EXPECT_EQ(reader.side(), 1);
}

}  // namespace

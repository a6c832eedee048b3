// winkirvo-selfplay, the console game behind make run, as a whole program:
// a game to the end with the board every ten moves, the result, and a
// record the reader accepts.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "game/game_control.h"
#include "tests/support/data_dir.h"
#include "tests/support/fake_game_ui.h"

namespace {

std::string run_program(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return output;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
    EXPECT_EQ(pclose(pipe), 0) << command;
    return output;
}

TEST(SelfplayProgram, PlaysAWholeGameAndSavesIt) {
    test::scoped_data_dir none;
    const std::string sgf = none.path("game.sgf");
    const std::string output =
        run_program(std::string(WINKIRVO_SELFPLAY_PATH) + " --seed 5 --depths 1 1 1 --data-dir " +
                    none.path().string() + " --sgf " + sgf);
    EXPECT_NE(output.find("After move 10:\n     a  b  c"), std::string::npos) << output;
    EXPECT_NE(output.find("Game over.\nFinal result: "), std::string::npos) << output;
    EXPECT_NE(output.find("The game is saved in " + sgf + ".\n"), std::string::npos) << output;
    // Routine reading marks stay out of the console.
    EXPECT_EQ(output.find("S."), std::string::npos) << output;

    std::ifstream in(sgf);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("PB[WinKirvo:0.95:1:1:1]\nPW[WinKirvo:0.95:1:1:1]"),
              std::string::npos)
        << text.str();
    test::fake_game_ui ui;
    game_control doc(ui, [](const board_report& r) { return r.score_estimate(); });
    ASSERT_TRUE(doc.load_text(text.str())) << (ui.messages.empty() ? "" : ui.messages[0]);
    EXPECT_GE(doc.game().eng().no_moves, 10);
}

TEST(SelfplayProgram, RefusesUnknownOptions) {
    EXPECT_NE(std::system((std::string(WINKIRVO_SELFPLAY_PATH) + " --fast 2>/dev/null").c_str()),
              0);
}

}  // namespace

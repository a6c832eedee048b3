#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "engine/base/diagnostics.h"
#include "engine/engine.h"
#include "tests/support/own_directory.h"

namespace {

std::string read_file(const char* name) {
    std::ifstream in(name);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(Diagnostics, PauseNeverBlocksWithoutAConsole) {
    unsetenv("WINKIRVO_CONSOLE");
    EXPECT_EQ(diag::pause(), 0);
    // Switched on, a closed standard input must not block either.
    setenv("WINKIRVO_CONSOLE", "1", 1);
    FILE* saved = std::freopen("/dev/null", "r", stdin);
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(diag::pause(), 0);
    EXPECT_EQ(diag::pause(), 0);
    unsetenv("WINKIRVO_CONSOLE");
}

TEST(Diagnostics, MessagesGoToTheChosenStream) {
    std::FILE* tmp = std::tmpfile();
    diag::set_out(tmp);
    point_set empty;
    EXPECT_EQ(empty.first(), nullptr);
    diag::set_out(nullptr);
    std::rewind(tmp);
    char buffer[64] = {};
    std::fread(buffer, 1, sizeof buffer - 1, tmp);
    std::fclose(tmp);
    EXPECT_STREQ(buffer, "error NULL set first");
}

using DiagnosticsDeathTest = test::own_directory;

TEST_F(DiagnosticsDeathTest, CrashWritesErrorTxtAndFails) {
    {
        std::ofstream old("error.txt");
        old << "an older and much longer message";
    }
    EXPECT_EXIT(diag::crash("What?"), ::testing::ExitedWithCode(EXIT_FAILURE), "");
    EXPECT_EQ(read_file("error.txt"), "What?");
}

TEST_F(DiagnosticsDeathTest, BoardCorruptionGoesThroughTheCrashLog) {
    EXPECT_EXIT(
        {
            engine e;
            e.pop();
        },
        ::testing::ExitedWithCode(EXIT_FAILURE), "");
    EXPECT_EQ(read_file("error.txt"), " pop error. \n");
    EXPECT_EXIT(
        {
            engine e;
            e.push(e.at(4, 4), 1);
            e.push(e.at(4, 4), -1);
        },
        ::testing::ExitedWithCode(EXIT_FAILURE), "");
    EXPECT_EQ(read_file("error.txt"), "error push");
}

TEST_F(DiagnosticsDeathTest, TheMoveStackIsNeverOverrun) {
    EXPECT_EXIT(
        {
            engine e;
            for (int i = 0; i <= engine::stack_size; ++i)
                e.push(e.pass_point, i % 2 ? -1 : 1);
        },
        ::testing::ExitedWithCode(EXIT_FAILURE), "");
    EXPECT_NE(read_file("error.txt").find("move stack is full"), std::string::npos);
}

TEST_F(DiagnosticsDeathTest, CrashHookRunsBeforeTheEnd) {
    EXPECT_EXIT(
        {
            diag::set_crash_hook(
                [](const std::string& m) { std::ofstream("hook.txt") << "saw " << m; });
            diag::crash("error kikashi");
        },
        ::testing::ExitedWithCode(EXIT_FAILURE), "");
    EXPECT_EQ(read_file("hook.txt"), "saw error kikashi");
}

}  // namespace

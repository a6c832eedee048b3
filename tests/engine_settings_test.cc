#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/base/diagnostics.h"
#include "engine/board/coordinates.h"
#include "engine/engine.h"
#include "tests/support/board_helpers.h"

namespace {

// The points of the stack entries, as SGF letters.
std::vector<std::string> stack_points(engine& e) {
    std::vector<std::string> out;
    for (int i = 0; i < e.no_moves; ++i) {
        const point* p = e.move_stack[i].where;
        out.push_back(coord::sgf_point(p->x, p->y));
    }
    return out;
}

// Builds an engine with standard input holding the given text and the
// console switched on or off; returns what the engine printed.
std::string construct_with_input(bool console, const char* input, int depths[3]) {
    if (console) {
        setenv("WINKIRVO_CONSOLE", "1", 1);
    } else {
        unsetenv("WINKIRVO_CONSOLE");
    }
    const char* name = "depth_input.txt";
    FILE* file = std::fopen(name, "w");
    std::fputs(input, file);
    std::fclose(file);
    EXPECT_NE(std::freopen(name, "r", stdin), nullptr);
    std::FILE* printed = std::tmpfile();
    diag::set_out(printed);
    {
        engine e;
        depths[0] = e.max_depth_status;
        depths[1] = e.max_depth_connection;
        depths[2] = e.max_depth_life_death;
    }
    diag::set_out(nullptr);
    unsetenv("WINKIRVO_CONSOLE");
    std::rewind(printed);
    std::string text;
    for (int c; (c = std::fgetc(printed)) != EOF;) text += static_cast<char>(c);
    std::fclose(printed);
    return text;
}

TEST(DepthPrompt, DefaultsWithoutAConsoleAndNothingIsRead) {
    int depths[3];
    // The prompt is still shown, but nobody is asked.
    EXPECT_EQ(construct_with_input(false, "3 4 5\n", depths)
                  .rfind("max_depth_status max_depth_connection max_depth_L&D", 0),
              0u);
    EXPECT_EQ(depths[0], 6);
    EXPECT_EQ(depths[1], 6);
    EXPECT_EQ(depths[2], 6);
}

TEST(DepthPrompt, ReadsStatusConnectionLifeDeathOnAConsole) {
    int depths[3];
    // The prompt comes first, before anything else construction prints.
    const std::string printed = construct_with_input(true, "3 4 5\n", depths);
    EXPECT_EQ(printed.rfind("max_depth_status max_depth_connection max_depth_L&D", 0), 0u)
        << printed;
    EXPECT_EQ(depths[0], 3);  // status
    EXPECT_EQ(depths[1], 4);  // connection
    EXPECT_EQ(depths[2], 5);  // life and death
    // A console that gives nothing keeps the defaults.
    construct_with_input(true, "", depths);
    EXPECT_EQ(depths[0], 6);
    EXPECT_EQ(depths[2], 6);
}

TEST(Handicap, StonesAndTheirOrder) {
    engine e;
    e.place_handicap(0);
    EXPECT_EQ(e.no_moves, 0);
    e.place_handicap(4);
    EXPECT_EQ(stack_points(e), (std::vector<std::string>{"dd", "pp", "dp", "pd"}));
    e.reset_board();
    e.place_handicap(5);
    EXPECT_EQ(stack_points(e), (std::vector<std::string>{"dd", "pp", "dp", "pd", "jj"}));
    e.reset_board();
    e.place_handicap(6);
    EXPECT_EQ(stack_points(e), (std::vector<std::string>{"dd", "pp", "dp", "pd", "pj", "dj"}));
    e.reset_board();
    e.place_handicap(9);
    EXPECT_EQ(stack_points(e),
              (std::vector<std::string>{"dd", "pp", "dp", "pd", "pj", "dj", "jp", "jd", "jj"}));
    e.reset_board();
    e.place_handicap(13);
    const std::vector<std::string> thirteen = stack_points(e);
    EXPECT_EQ(thirteen, (std::vector<std::string>{"dd", "pp", "dp", "pd", "pj", "dj", "jp", "jd",
                                                  "jj", "cc", "cq", "qc", "qq"}));
    e.reset_board();
    e.place_handicap(20);
    EXPECT_EQ(stack_points(e), thirteen);
    for (int i = 0; i < e.no_moves; ++i) EXPECT_EQ(e.move_stack[i].colour, 1);
    // Pushed, not played: nothing to redo, and the board is sound.
    EXPECT_FALSE(e.can_redo());
    EXPECT_EQ(test::board_mismatch(e), "");
}

TEST(Handicap, EveryCountPlacesThatManyDistinctStones) {
    engine e;
    for (int n = 1; n <= 13; ++n) {
        e.reset_board();
        e.place_handicap(n);
        int black = 0;
        for (int k = 0; k < e.n_points; ++k) black += e.points[k]->colour == 1;
        EXPECT_EQ(black, n);
        EXPECT_EQ(e.no_moves, n);
        // 7 is the six of 6 and the centre; 8 the six and two sides.
        if (n == 7) {
            EXPECT_EQ(stack_points(e).back(), "jj");
        }
        if (n == 8) {
            EXPECT_EQ(stack_points(e).back(), "jd");
        }
    }
}

}  // namespace

// The protocol's computer moves and the end of the game: in process for the
// commands' behaviour, and through the built program for what a match
// runner sees (the same game from two processes, a whole game against a
// random player).
#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engine/board/coordinates.h"
#include "gtp/front_end.h"
#include "gtp/game_clock.h"
#include "tests/support/data_dir.h"
#include "tests/support/gtp_child.h"

namespace {

class Genmove : public ::testing::Test {
  protected:
    test::scoped_data_dir none;
    std::unique_ptr<gtp_front_end> front;

    void SetUp() override {
        gtp_options options;
        options.use_seed = true;
        options.seed = 4;
        options.status_depth = options.connection_depth = options.life_death_depth = 2;
        front = std::make_unique<gtp_front_end>(options);
    }
    std::string run(const std::string& line) { return front->commands().execute(line); }
    std::string ok(const std::string& line) {
        const std::string reply = run(line);
        EXPECT_EQ(reply.substr(0, 1), "=") << line << " -> " << reply;
        return reply.size() > 4 ? reply.substr(2, reply.size() - 4) : "";
    }
    // Two White stones shut in by Black: rated dead.
    void play_dead_white_pair() {
        for (const char* line :
             {"play b C3", "play w D3", "play b E3", "play w pass", "play b D4", "play w D2"}) {
            ok(line);
        }
    }
    bool has(const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    }
};

TEST_F(Genmove, PlaysForEitherColourAndMarksTheComputer) {
    const std::string first = ok("genmove b");
    ASSERT_NE(first, "pass");
    EXPECT_EQ(ok("list_stones black"), first);
    std::string sgf = ok("printsgf");
    EXPECT_TRUE(has(sgf, "PB[WinKirvo:0.95:2:2:2]")) << sgf;
    EXPECT_TRUE(has(sgf, "PW[Human Player]")) << sgf;
    // Black again: White's turn is recorded as a pass first.
    const std::string second = ok("genmove b");
    sgf = ok("printsgf");
    EXPECT_TRUE(has(sgf, ";W[];B[")) << sgf;
    EXPECT_EQ(ok("list_stones white"), "");
    // One undo takes back both entries of that request.
    ok("undo");
    EXPECT_EQ(ok("list_stones black"), first);
    EXPECT_FALSE(has(ok("printsgf"), ";W[]")) << second;
}

TEST_F(Genmove, RegGenmoveSuggestsWithoutPlaying) {
    ok("play b D4");
    const std::string before = ok("printsgf");
    const std::string suggested = ok("reg_genmove w");
    ASSERT_NE(suggested, "pass");
    EXPECT_EQ(ok("printsgf"), before);
    EXPECT_EQ(ok("list_stones white"), "");
    // The move a session in the same state would play.
    std::unique_ptr<gtp_front_end> twin;
    std::swap(twin, front);
    SetUp();
    ok("play b D4");
    EXPECT_EQ(ok("genmove w"), suggested);
    std::swap(twin, front);
    // White is still to move, and may.
    EXPECT_NE(ok("genmove w"), "");
    EXPECT_EQ(run("reg_genmove"), "? syntax error\n\n");
    EXPECT_EQ(run("genmove purple"), "? syntax error\n\n");
}

TEST_F(Genmove, FinalScoreFormats) {
    ok("komi 0");
    EXPECT_EQ(ok("final_score"), "0");
    ok("komi 6.5");
    EXPECT_EQ(ok("final_score"), "W+6.5");
    // With White to move the estimate gives Black one point.
    ok("komi 0");
    ok("play b pass");
    EXPECT_EQ(ok("final_score"), "B+1");
    ok("komi 0.5");
    EXPECT_EQ(ok("final_score"), "B+0.5");
    EXPECT_EQ(run("final_score now"), "? syntax error\n\n");
}

TEST_F(Genmove, TimeCommandsAreAccepted) {
    EXPECT_EQ(run("time_settings 300 30 5"), "=\n\n");
    EXPECT_EQ(run("time_left b 120 0"), "=\n\n");
    EXPECT_EQ(run("time_left x 120 0"), "? syntax error\n\n");
    EXPECT_EQ(run("time_settings 300"), "? syntax error\n\n");
    EXPECT_EQ(run("time_settings 300 -1 5"), "? syntax error\n\n");
    EXPECT_EQ(run("time_settings 0 0 0"), "=\n\n");
    EXPECT_EQ(run("time_left b -1 0"), "? syntax error\n\n");
    // One second of absolute time left: the move is read at the shallowest
    // depths, and the session's depths stay for the analysis commands.
    ok("time_left b 1 0");
    ok("genmove b");
    const engine& e = front->control().game().eng();
    EXPECT_EQ(e.max_depth_status, 2);
    EXPECT_EQ(e.max_depth_connection, 2);
    EXPECT_EQ(e.max_depth_life_death, 1);
    EXPECT_EQ(front->control().settings().black.life_death_depth, 2);
}

TEST(GameClock, TheTimeForAMoveCapsItsDepths) {
    game_clock clock;
    EXPECT_EQ(clock.move_budget(1), std::numeric_limits<double>::infinity());
    clock.settings(600, 30, 10);
    EXPECT_DOUBLE_EQ(clock.move_budget(-1), 15.0);  // main time over 40 moves
    clock.left(-1, 40, 0);
    EXPECT_DOUBLE_EQ(clock.move_budget(-1), 3.0);  // a byo-yomi period's share
    clock.left(1, 20, 4);
    EXPECT_DOUBLE_EQ(clock.move_budget(1), 5.0);
    clock.settings(0, 60, 0);  // byo-yomi without stones: no clock
    EXPECT_EQ(clock.move_budget(1), std::numeric_limits<double>::infinity());

    program_options deep;
    deep.status_depth = 20;
    deep.connection_depth = 16;
    deep.life_death_depth = 8;
    auto depths = [&deep](double budget) {
        const program_options d = depths_for_budget(deep, budget);
        return std::to_string(d.status_depth) + " " + std::to_string(d.connection_depth) + " " +
               std::to_string(d.life_death_depth);
    };
    EXPECT_EQ(depths(std::numeric_limits<double>::infinity()), "20 16 8");
    EXPECT_EQ(depths(20.0), "20 16 8");
    EXPECT_EQ(depths(19.9), "10 8 4");
    EXPECT_EQ(depths(1.0), "10 8 4");
    EXPECT_EQ(depths(0.9), "6 5 3");
    EXPECT_EQ(depths(0.1), "4 3 2");
    EXPECT_EQ(depths(0.0), "2 2 1");
    EXPECT_EQ(depths(-3.0), "2 2 1");
    deep.status_depth = 3;  // never deeper than chosen
    EXPECT_EQ(depths(5.0), "3 8 4");
}

TEST(GameClock, RunsOnByItsOwnMovesIntoByoYomi) {
    game_clock clock;
    clock.settings(10, 30, 2);
    clock.spend(1, 4.0);
    EXPECT_DOUBLE_EQ(clock.time_left(1).seconds, 6.0);
    clock.spend(1, 8.0);  // uses up the main time: the period's first stone
    EXPECT_DOUBLE_EQ(clock.time_left(1).seconds, 28.0);
    EXPECT_EQ(clock.time_left(1).stones, 1);
    EXPECT_DOUBLE_EQ(clock.move_budget(1), 28.0);
    clock.spend(1, 5.0);  // the period played out: a new one begins
    EXPECT_DOUBLE_EQ(clock.time_left(1).seconds, 30.0);
    EXPECT_EQ(clock.time_left(1).stones, 2);
    EXPECT_DOUBLE_EQ(clock.time_left(-1).seconds, 10.0);
    clock.restart();
    EXPECT_DOUBLE_EQ(clock.time_left(1).seconds, 10.0);
    EXPECT_EQ(clock.limits().main_time, 10);

    clock.settings(5, 0, 0);  // absolute time runs out at zero
    clock.spend(-1, 7.0);
    EXPECT_DOUBLE_EQ(clock.time_left(-1).seconds, 0.0);
    clock.settings(0, 60, 0);  // no clock: nothing to record
    EXPECT_LT(clock.time_left(1).seconds, 0.0);
    EXPECT_LT(clock.limits().main_time, 0);
}

TEST_F(Genmove, TheRecordShowsTheClock) {
    ok("time_settings 600 30 5");
    ok("play b D4");
    ok("genmove w");
    ok("play b Q16");
    ok("genmove w");
    ok("undo");
    std::string record = ok("printsgf");
    EXPECT_NE(record.find("TM[600]OT[5/30 Canadian]\n"), std::string::npos) << record;
    EXPECT_NE(record.find(";B[dp];W[") , std::string::npos) << record;
    EXPECT_NE(record.find("]WL[5"), std::string::npos) << record;  // 599.x or less
    EXPECT_EQ(record.find("BL["), std::string::npos);  // the other side's time is not known
    EXPECT_EQ(record.find("WL[", record.find("WL[") + 1), std::string::npos);  // undone
    ok("clear_board");
    ok("time_settings 0 60 0");
    EXPECT_EQ(ok("printsgf").find("TM["), std::string::npos);
}

TEST_F(Genmove, FinalStatusListSplitsTheStones) {
    play_dead_white_pair();
    EXPECT_EQ(ok("final_status_list dead"), "D3 D2");
    const std::string alive = ok("final_status_list alive");
    EXPECT_EQ(alive, "D4\nC3\nE3");
    EXPECT_EQ(ok("final_status_list seki"), "");
    EXPECT_EQ(run("final_status_list dying"), "? syntax error\n\n");
}

TEST_F(Genmove, CleanupNeverPassesBesideDeadStones) {
    play_dead_white_pair();
    for (int i = 0; i < 12 && !ok("final_status_list dead").empty(); ++i) {
        const std::string move = ok("kgs-genmove_cleanup b");
        EXPECT_NE(move, "pass") << "dead: " << ok("final_status_list dead");
        ok("play w pass");
    }
    EXPECT_EQ(ok("final_status_list dead"), "");
    EXPECT_EQ(ok("list_stones white"), "");
}

// --- through the program ------------------------------------------------

std::vector<std::string> child_opening(const std::string& seed, int moves) {
    test::scoped_data_dir none;
    test::gtp_child child(
        {"--seed", seed, "--depths", "2", "2", "2", "--data-dir", none.path().string()});
    std::vector<std::string> replies;
    for (int i = 0; i < moves; ++i) replies.push_back(child.ok(i % 2 ? "genmove w" : "genmove b"));
    EXPECT_EQ(child.finish(), 0);
    return replies;
}

TEST(GtpMatch, SameSeedSameGameInTwoProcesses) {
    const std::vector<std::string> first = child_opening("7", 6);
    EXPECT_EQ(child_opening("7", 6), first);
    EXPECT_NE(child_opening("8", 6), first);
}

// A random player for White: a random point until one is accepted, and
// passes once it has played enough or found nothing.
std::string random_white_move(test::gtp_child& child, std::mt19937& random, int played) {
    if (played >= 12) return "pass";
    for (int tries = 0; tries < 40; ++tries) {
        const std::string vertex =
            coord::gtp_columns[random() % 19] + std::to_string(1 + static_cast<int>(random() % 19));
        if (child.send("play w " + vertex).ok) return vertex;
    }
    return "pass";
}

TEST(GtpMatch, GameAgainstARandomPlayerEndsScored) {
    test::scoped_data_dir none;
    test::gtp_child child(
        {"--seed", "3", "--depths", "2", "2", "2", "--data-dir", none.path().string()});
    child.ok("komi 6.5");
    std::mt19937 random(12345);
    std::string black;
    std::string white;
    int white_moves = 0;
    int moves = 0;
    for (; moves < 300 && !(black == "pass" && white == "pass"); moves += 2) {
        black = child.ok("genmove b");
        white = random_white_move(child, random, white_moves++);
        if (white == "pass") child.ok("play w pass");
    }
    ASSERT_LT(moves, 300);
    // Black is to move: the estimate gives nobody the turn's point.
    const std::string score = child.ok("final_score");
    const std::string map = child.ok("winkirvo-territory");
    const std::string sgf = child.ok("printsgf");
    EXPECT_EQ(child.finish(), 0);

    // The score is what the program's own territory map shows, less the
    // stones each side spent (captured ones included) and the komi.
    double expected = -6.5;
    std::istringstream values(map);
    int points = 0;
    for (double v; values >> v; ++points) expected += v > 0.33333 ? 1 : v < -0.33333 ? -1 : 0;
    EXPECT_EQ(points, 361);
    // Stones are ";B[xy]", passes ";B[]".
    for (size_t at = sgf.find(';'); at != std::string::npos; at = sgf.find(';', at + 1)) {
        if (sgf.compare(at + 2, 1, "[") == 0 && sgf.compare(at + 3, 1, "]") != 0) {
            expected += sgf[at + 1] == 'B' ? -1 : 1;
        }
    }
    ASSERT_NE(score, "0");
    const double reported = (score[0] == 'B' ? 1 : -1) * std::atof(score.c_str() + 2);
    EXPECT_DOUBLE_EQ(reported, expected) << score << "\n" << map;
    EXPECT_NE(sgf.find("RE[" + score.substr(0, 2)), std::string::npos) << sgf;
    EXPECT_NE(sgf.find("PB[WinKirvo:0.95:2:2:2]"), std::string::npos);
}

}  // namespace

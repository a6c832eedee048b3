#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "engine/base/random.h"
#include "gtp/front_end.h"
#include "gtp/gtp.h"
#include "tests/support/board_helpers.h"
#include "tests/support/long_game.h"

namespace {

class Gtp : public ::testing::Test {
  protected:
    gtp_options options;
    std::unique_ptr<gtp_front_end> front = std::make_unique<gtp_front_end>(options);

    std::string run(const std::string& line) { return front->commands().execute(line); }
    // The reply's text for a command that must succeed.
    std::string ok(const std::string& line) {
        const std::string reply = run(line);
        EXPECT_EQ(reply.substr(0, 1), "=") << line << " -> " << reply;
        return reply.size() > 4 ? reply.substr(2, reply.size() - 4) : "";
    }
    game_control& doc() { return front->control(); }
    void write_file(const char* name, const std::string& text) { std::ofstream(name) << text; }
};

TEST_F(Gtp, Framing) {
    EXPECT_EQ(run("name"), "= WinKirvo\n\n");
    EXPECT_EQ(run("12 name"), "=12 WinKirvo\n\n");
    EXPECT_EQ(run("12 komi 6.5"), "=12\n\n");
    EXPECT_EQ(run("3 frobnicate"), "?3 unknown command\n\n");
    EXPECT_EQ(run("NAME"), "? unknown command\n\n");  // names are exact
    EXPECT_EQ(run("7"), "?7 syntax error\n\n");
    EXPECT_EQ(run(""), "");
    EXPECT_EQ(run("   \t "), "");
    EXPECT_EQ(run("# only a comment"), "");
    EXPECT_EQ(run("\tversion\t# and a comment"), "= 0.95\n\n");
    EXPECT_EQ(run("na\x01me\r"), "= WinKirvo\n\n");  // control characters removed
    EXPECT_EQ(run("protocol_version"), "= 2\n\n");
    EXPECT_EQ(run("protocol_version 2"), "? syntax error\n\n");
}

TEST(GtpText, PreprocessAndReplyCleaning) {
    EXPECT_EQ(gtp::preprocess("a\tb\x7f#c"), "a b");
    gtp::registry r;
    r.add("say", [](const gtp::arguments& a) {
        a.require(1);
        if (a.word(0) == "bad") throw gtp::failure(std::string("two\n\nlines\0x", 12));
        return std::string("\nfirst\n\n\nsecond\n");
    });
    // No empty line inside a reply, nor a control character.
    EXPECT_EQ(r.execute("say good"), "= \nfirst\nsecond\n\n");
    EXPECT_EQ(r.execute("say bad"), "? two\nlines?x\n\n");
    std::istringstream in("say good\nquit\nsay good\n");
    r.add("quit", [&r](const gtp::arguments&) {
        r.request_quit();
        return std::string();
    });
    std::ostringstream out;
    r.run(in, out);
    EXPECT_EQ(out.str(), "= \nfirst\nsecond\n\n=\n\n");
}

TEST(GtpText, Vertices) {
    struct named {
        const char* text;
        int x, y;
    };
    for (const named& v : {named{"A1", 1, 19}, named{"a19", 1, 1}, named{"T19", 19, 1},
                           named{"t1", 19, 19}, named{"H10", 8, 10}, named{"J10", 9, 10},
                           named{"D4", 4, 16}, named{"Q16", 16, 4}, named{"PASS", 0, 0}}) {
        const gtp::vertex p = gtp::parse_vertex(v.text);
        EXPECT_EQ(p.x, v.x) << v.text;
        EXPECT_EQ(p.y, v.y) << v.text;
    }
    EXPECT_EQ(gtp::vertex_text({9, 10}), "J10");
    EXPECT_EQ(gtp::vertex_text({19, 1}), "T19");
    EXPECT_EQ(gtp::vertex_text({0, 0}), "pass");
    for (const char* bad : {"I5", "U1", "A0", "A20", "A", "A1x", "11", "", "A-1", "AA1"}) {
        EXPECT_THROW(gtp::parse_vertex(bad), gtp::failure) << bad;
    }
}

TEST_F(Gtp, RegistryListsAndKnowsItsCommands) {
    const std::string list = ok("list_commands");
    std::istringstream names(list);
    int count = 0;
    for (std::string name; std::getline(names, name); ++count) {
        EXPECT_EQ(ok("known_command " + name), "true") << name;
    }
    EXPECT_GE(count, 17);
    // Every command of the protocol's version 2, which the GUIs and the
    // server clients may send.
    for (const char* name :
         {"protocol_version", "name", "version", "known_command", "list_commands", "quit",
          "boardsize", "clear_board", "komi", "fixed_handicap", "place_free_handicap",
          "set_free_handicap", "play", "genmove", "undo", "time_settings", "time_left",
          "final_score", "final_status_list", "loadsgf", "reg_genmove", "showboard"}) {
        EXPECT_NE(("\n" + list + "\n").find("\n" + std::string(name) + "\n"), std::string::npos)
            << name;
    }
    EXPECT_EQ(ok("known_command no_such_command"), "false");
    EXPECT_EQ(run("known_command"), "? syntax error\n\n");
    EXPECT_FALSE(front->commands().quit_requested());
    EXPECT_EQ(run("quit"), "=\n\n");
    EXPECT_TRUE(front->commands().quit_requested());
}

TEST_F(Gtp, BoardSizeAndKomi) {
    EXPECT_EQ(run("boardsize 19"), "=\n\n");
    EXPECT_EQ(run("boardsize 9"), "? unacceptable size\n\n");
    EXPECT_EQ(run("boardsize nineteen"), "? syntax error\n\n");
    EXPECT_EQ(run("komi -0.5"), "=\n\n");
    EXPECT_FLOAT_EQ(doc().settings().komi, -0.5f);
    EXPECT_EQ(run("komi inf"), "? syntax error\n\n");
    EXPECT_EQ(run("komi 1.5.2"), "? syntax error\n\n");
    EXPECT_FLOAT_EQ(doc().settings().komi, -0.5f);
}

TEST_F(Gtp, PlayOutOfTurnAndUndo) {
    ok("play black D4");
    ok("play b Q16");  // Black again: White passes first
    EXPECT_EQ(doc().game().eng().no_moves, 3);
    EXPECT_TRUE(doc().game().eng().move_stack[1].where->is_pass());
    EXPECT_EQ(doc().side(), -1);
    EXPECT_EQ(ok("list_stones black"), "Q16 D4");
    ok("undo");  // the move and the pass before it
    EXPECT_EQ(doc().game().eng().no_moves, 1);
    EXPECT_EQ(doc().side(), -1);
    ok("play w pass");
    EXPECT_EQ(doc().game().consecutive_passes, 1);
    ok("undo");
    ok("undo");
    EXPECT_EQ(run("undo"), "? cannot undo\n\n");
    EXPECT_EQ(run("play b"), "? syntax error\n\n");
    EXPECT_EQ(run("play x D4"), "? syntax error\n\n");
    EXPECT_EQ(run("play b Z9"), "? syntax error\n\n");
    EXPECT_EQ(test::board_mismatch(doc().engine_for_checks()), "");
}

TEST_F(Gtp, IllegalMovesChangeNothing) {
    ok("play b B19");
    ok("play w Q4");
    ok("play b A18");
    const int moves = doc().game().eng().no_moves;
    EXPECT_EQ(run("play w A19"), "? illegal move\n\n");  // suicide
    EXPECT_EQ(run("play w B19"), "? illegal move\n\n");  // occupied
    // Out of turn: the pass that would have come first is taken back too.
    EXPECT_EQ(run("play b A18"), "? illegal move\n\n");
    EXPECT_EQ(doc().game().eng().no_moves, moves);
    EXPECT_EQ(doc().game().consecutive_passes, 0);
    EXPECT_EQ(doc().side(), -1);
    EXPECT_EQ(test::board_mismatch(doc().engine_for_checks()), "");
}

TEST_F(Gtp, KoRetakeIsIllegalAtOnce) {
    // Black takes the ko at C18; White may not take back at B18 at once.
    for (const char* m : {"play b B19", "play w C19", "play b A18", "play w B18", "play b B17",
                          "play w D18", "play b Q16", "play w C17"}) {
        ok(m);
    }
    ok("play b C18");
    EXPECT_EQ(ok("list_stones white"), "C19 D18 C17");
    EXPECT_EQ(run("play w B18"), "? illegal move\n\n");
    EXPECT_EQ(doc().side(), -1);
    ok("play w Q4");
    ok("play b D4");
    ok("play w B18");
    EXPECT_EQ(doc().game().colour_at(3, 2), 0);
}

TEST_F(Gtp, FixedHandicapOnTheProtocolsPoints) {
    const char* expected[] = {"",
                              "",
                              "D4 Q16",
                              "D4 Q16 D16",
                              "D4 Q16 D16 Q4",
                              "D4 Q16 D16 Q4 K10",
                              "D4 Q16 D16 Q4 D10 Q10",
                              "D4 Q16 D16 Q4 D10 Q10 K10",
                              "D4 Q16 D16 Q4 D10 Q10 K4 K16",
                              "D4 Q16 D16 Q4 D10 Q10 K4 K16 K10"};
    for (int n = 2; n <= 9; ++n) {
        ok("clear_board");
        EXPECT_EQ(ok("fixed_handicap " + std::to_string(n)), expected[n]);
        EXPECT_EQ(doc().game().stones_on_board(), std::make_pair(n, 0));
        EXPECT_EQ(doc().settings().handicap, n);
        EXPECT_EQ(doc().side(), -1);
    }
    EXPECT_EQ(run("fixed_handicap 2"), "? board not empty\n\n");
    EXPECT_EQ(run("undo"), "? cannot undo\n\n");
    const std::string sgf = ok("printsgf");
    EXPECT_NE(sgf.find("HA[9]KM[5.500000]\nAB[dp][pd][dd][pp][dj][pj][jp][jd][jj]\nPL[W]\n)"),
              std::string::npos)
        << sgf;
    ok("clear_board");
    EXPECT_EQ(run("fixed_handicap 1"), "? invalid number of stones\n\n");
    EXPECT_EQ(run("fixed_handicap 10"), "? invalid number of stones\n\n");
    ok("play b pass");
    EXPECT_EQ(run("fixed_handicap 2"), "? board not empty\n\n");
}

TEST_F(Gtp, FreeHandicap) {
    EXPECT_EQ(run("set_free_handicap D4"), "? bad vertex list\n\n");
    EXPECT_EQ(run("set_free_handicap D4 D4"), "? bad vertex list\n\n");
    EXPECT_EQ(run("set_free_handicap D4 pass"), "? bad vertex list\n\n");
    EXPECT_EQ(run("set_free_handicap D4 X4"), "? syntax error\n\n");
    EXPECT_EQ(doc().game().eng().no_moves, 0);
    ok("set_free_handicap C3 R17 K10");
    EXPECT_EQ(doc().settings().handicap, 3);
    EXPECT_EQ(ok("list_stones b"), "R17 K10 C3");
    ok("play w D4");
    ok("undo");
    EXPECT_EQ(run("undo"), "? cannot undo\n\n");
    // clear_board empties the board whatever the handicap was.
    ok("clear_board");
    EXPECT_EQ(doc().game().eng().no_moves, 0);
    EXPECT_EQ(doc().side(), 1);
}

TEST_F(Gtp, ShowBoard) {
    ok("play b A1");
    ok("play w T19");
    const std::string board = ok("showboard");
    EXPECT_EQ(board.substr(0, 42), "\n   A B C D E F G H J K L M N O P Q R S T\n");
    EXPECT_NE(board.find("\n19 . . . . . . . . . . . . . . . . . . O 19\n"), std::string::npos);
    EXPECT_NE(board.find("\n 4 . . . + . . . . . + . . . . . + . . . 4\n"), std::string::npos);
    EXPECT_NE(board.find("\n 1 X . . . . . . . . . . . . . . . . . . 1\n"), std::string::npos);
    EXPECT_NE(board.find("Captured: Black 0, White 0; Black to move"), std::string::npos);
}

TEST_F(Gtp, ClearBoardForgetsThePlayersOfTheLastGame) {
    // A computer player of one game (once it was asked for a move) is a
    // person in the next, until it is asked again.
    doc().set_player(1, {true, 3, 8, 4});
    ok("clear_board");
    EXPECT_FALSE(doc().settings().black.computer);
    EXPECT_EQ(doc().settings().black.status_depth, 10);
}

TEST_F(Gtp, ClearBoardReseedsOnlyWithASeedOption) {
    subtractive_random before = random_generator();
    ok("clear_board");
    EXPECT_DOUBLE_EQ(random_uniform(), before.uniform());
    options.use_seed = true;
    options.seed = 42;
    front = std::make_unique<gtp_front_end>(options);
    random_uniform();
    ok("clear_board");
    subtractive_random seeded;
    seeded.set_seed(42);
    EXPECT_DOUBLE_EQ(random_uniform(), seeded.uniform());
}

TEST_F(Gtp, LoadAndPrintSgf) {
    write_file("gtp_load.sgf", "(;GM[1]KM[0.5]PB[WinKirvo:0.95:1:2:3];B[dd];W[pp];B[dp])");
    EXPECT_EQ(ok("loadsgf gtp_load.sgf"), "white");
    EXPECT_FLOAT_EQ(doc().settings().komi, 0.5f);
    EXPECT_EQ(ok("list_stones b"), "D16 D4");
    // Nobody has been asked to generate a move: both colours are people,
    // and the depths are the session's.
    EXPECT_FALSE(doc().settings().black.computer);
    EXPECT_EQ(doc().settings().black.status_depth, 10);
    const std::string sgf = ok("printsgf");
    EXPECT_EQ(sgf,
              "(;FF[4]GM[1]SZ[19]AP[WinKirvo:0.95]\nPB[Human Player]\nPW[Human Player]\n"
              "HA[0]KM[0.500000]\nPL[W]\n;B[dd];W[pp];B[dp])");
    ok("undo");
    EXPECT_EQ(ok("list_stones b"), "D16");

    write_file("gtp_load.sgf", "(;B[dd];W[dd])");
    EXPECT_EQ(run("loadsgf gtp_load.sgf"), "? cannot load file: Illegal move at move 2: W[dd]\n\n");
    EXPECT_EQ(ok("list_stones b"), "D16");  // the game stays
    EXPECT_EQ(run("loadsgf no_such_file.sgf"),
              "? cannot load file: Cannot open the file no_such_file.sgf.\n\n");
    write_file("gtp_load.sgf", "(;B[dd];W[)");
    EXPECT_EQ(run("loadsgf gtp_load.sgf"), "? cannot load file\n\n");
    EXPECT_EQ(run("loadsgf"), "? syntax error\n\n");
    std::remove("gtp_load.sgf");
}

TEST_F(Gtp, FinishedGameIsScoredByTheEngine) {
    ok("play b D4");
    ok("play w pass");
    ok("play b pass");
    // Without data files a lone stone is rated a third safe: it counts for
    // neither side, the stone played counts against Black, White's turn
    // for White.  The komi decides.
    EXPECT_NE(ok("printsgf").find("RE[W+5.500000]\n;B[dp])"), std::string::npos);
    ok("printsgf gtp_print.sgf");
    std::ifstream in("gtp_print.sgf");
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("RE[W+5.500000]"), std::string::npos);
    std::remove("gtp_print.sgf");
    EXPECT_EQ(run("printsgf no/such/dir/x.sgf"), "? cannot save file\n\n");
}

TEST_F(Gtp, NoMoveBeyondTheLongestGame) {
    write_file("gtp_long.sgf", test::long_game_sgf(engine::max_game_moves));
    ok("loadsgf gtp_long.sgf");
    std::remove("gtp_long.sgf");
    const std::string refused =
        "? The game has reached 1600 moves, the longest game this program can play.\n\n";
    EXPECT_EQ(run("play b pass"), refused);
    EXPECT_EQ(run("play w pass"), refused);
    EXPECT_EQ(doc().game().eng().no_moves, engine::max_game_moves);
    ok("undo");
    // One place left: a move out of turn would need two.
    const int side = doc().side();
    EXPECT_EQ(run(side == 1 ? "play w pass" : "play b pass"), refused);
    EXPECT_EQ(doc().game().eng().no_moves, engine::max_game_moves - 1);
    EXPECT_EQ(doc().side(), side);
    ok(side == 1 ? "play b pass" : "play w pass");
}

}  // namespace

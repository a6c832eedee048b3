#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "game/game.h"
#include "game/sgf_record.h"
#include "game/sgf_writer.h"

namespace {

sgf_settings even_game() {
    sgf_settings s;
    s.komi = 5.5f;
    s.black = {true, 10, 8, 4};
    return s;
}

// Plays the moves on g, colours alternating from Black.
void play_alternating(Game& g, std::initializer_list<const char*> moves) {
    int colour = 1;
    for (const char* move : moves) {
        g.play_point_text(move, colour);
        colour = -colour;
    }
}

TEST(SgfWriter, TwoMovesOfTheDefaultGame) {
    Game g;
    g.new_game(0, 0, false);
    play_alternating(g, {"dd", "pp"});
    EXPECT_EQ(write_sgf(g, even_game()),
              "(;FF[4]GM[1]SZ[19]AP[WinKirvo:0.95]\n"
              "PB[WinKirvo:0.95:10:8:4]\n"
              "PW[Human Player]\n"
              "HA[0]KM[5.500000]\n"
              "PL[B]\n"
              ";B[dd];W[pp])\n");
}

TEST(SgfWriter, TenMovesToALine) {
    Game g;
    g.new_game(0, 0, false);
    const char* moves[] = {"aa", "ba", "ca", "da", "ea", "fa", "ga", "ha", "ia", "ja", "ka"};
    for (int i = 0; i < 10; ++i)
        g.play_point_text(moves[i], i % 2 == 0 ? 1 : -1);
    const std::string ten = write_sgf(g, even_game());
    EXPECT_NE(ten.find(";W[ja]\n)\n"), std::string::npos) << ten;
    g.play_point_text(moves[10], 1);
    sgf_settings white_to_move = even_game();
    white_to_move.side = -1;
    const std::string eleven = write_sgf(g, white_to_move);
    EXPECT_NE(eleven.find(";W[ja]\n;B[ka])\n"), std::string::npos) << eleven;
    EXPECT_NE(eleven.find("PL[W]\n"), std::string::npos);
}

TEST(SgfWriter, FinishedGameWritesTheResultInsteadOfTheClosingPasses) {
    Game g;
    g.new_game(0, 0, false);
    play_alternating(g, {"dd", "tt", "tt"});
    sgf_settings s = even_game();
    s.score = 0.0;  // a score of exactly the komi
    const std::string draw = write_sgf(g, s);
    EXPECT_NE(draw.find("HA[0]KM[5.500000]\nRE[0]\n;B[dd])\n"), std::string::npos) << draw;
    EXPECT_EQ(draw.find("PL["), std::string::npos);
    s.score = 2.5;
    EXPECT_NE(write_sgf(g, s).find("RE[B+2.500000]\n"), std::string::npos);
    s.score = -0.5;
    EXPECT_NE(write_sgf(g, s).find("RE[W+0.500000]\n"), std::string::npos);
    s.score = 0.0009;
    EXPECT_NE(write_sgf(g, s).find("RE[0]\n"), std::string::npos);
}

TEST(SgfWriter, KomiSignPassesAndUndoneMoves) {
    Game g;
    g.new_game(0, 0, false);
    play_alternating(g, {"dd", "tt", "pp", "dp"});
    g.undo();
    sgf_settings s = even_game();
    s.komi = -0.5f;
    s.side = -1;
    const std::string text = write_sgf(g, s);
    EXPECT_NE(text.find("KM[-0.500000]"), std::string::npos);
    EXPECT_NE(text.find("PL[W]\n;B[dd];W[];B[pp])\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("dp"), std::string::npos);  // undone: lost from the file
}

TEST(SgfWriter, HandicapOnOneLineAndSetupStonesTenToALine) {
    Game g;
    g.new_game(4, 0, false);
    // Twelve setup stones after the handicap, alternating colours.
    for (int i = 0; i < 12; ++i)
        g.play(i + 1, 19, i % 2 == 0 ? 1 : -1);
    g.play_point_text("jj", -1);
    sgf_settings s;
    s.handicap = 4;
    s.setup_stones = 12;
    s.komi = 0.0f;
    s.side = 1;
    s.white = {true, 1, 2, 3};
    EXPECT_EQ(write_sgf(g, s),
              "(;FF[4]GM[1]SZ[19]AP[WinKirvo:0.95]\n"
              "PB[Human Player]\n"
              "PW[WinKirvo:0.95:1:2:3]\n"
              "HA[4]KM[0.000000]\n"
              "AB[dd][pp][dp][pd]\n"
              "PL[B]\n"
              ";AB[as]AW[bs]AB[cs]AW[ds]AB[es]AW[fs]AB[gs]AW[hs]AB[is]AW[js]\n"
              "AB[ks]AW[ls]\n"
              ";W[jj])\n");
}

TEST(SgfWriter, ClockLimitsAndTheTimeLeftAfterMoves) {
    Game g;
    g.new_game(0, 0, false);
    play_alternating(g, {"dd", "pp", "dp"});
    sgf_settings s = even_game();
    s.clock = {300, 30, 5, {{287.25, 0}, {}, {12.0, 3}}};
    const std::string text = write_sgf(g, s);
    EXPECT_NE(text.find("KM[5.500000]\nTM[300]OT[5/30 Canadian]\nPL[B]\n"
                        ";B[dd]BL[287.2];W[pp];B[dp]BL[12.0]OB[3])\n"),
              std::string::npos)
        << text;
    s.clock = {60, 0, 0, {{-1.0, 0}, {59.5, 0}}};  // absolute time
    EXPECT_NE(write_sgf(g, s).find("TM[60]\nPL[B]\n;B[dd];W[pp]WL[59.5];B[dp])"),
              std::string::npos);
    sgf_record record;
    std::string why;
    EXPECT_TRUE(read_sgf_record(text, record, why)) << why;
}

TEST(SgfWriter, PlayerTexts) {
    EXPECT_EQ(sgf_player_text({false, 10, 8, 4}), "Human Player");
    EXPECT_EQ(sgf_player_text({true, 12, 0, 1000}), "WinKirvo:0.95:12:0:1000");
}

}  // namespace

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/sgf_reader.h"

namespace {

// Reads a whole file's contents as the document does.
SgfReader read(const std::string& contents) {
    SgfReader r;
    r.read(prepare_sgf_text(contents));
    return r;
}

TEST(SgfText, LinesJoinedMainLineKept) {
    EXPECT_EQ(prepare_sgf_text("(;GM[1]\r\nC[two\nlines]\n;B[dd](;W[pp])(;W[dp]))"),
              ";GM[1]C[twolines];B[dd];W[pp]");
    EXPECT_EQ(prepare_sgf_text("(;B[dd]"), "");              // no ")" at all
    EXPECT_EQ(prepare_sgf_text(";C[a\rb])"), ";C[a\rb]");  // a lone CR stays
    EXPECT_EQ(prepare_sgf_text("C[x)y]"), "C[x");
}

struct failing_case {
    const char* contents;
    const char* message;
};

TEST(SgfReader, EveryMessage) {
    const std::vector<failing_case> cases = {
        {"(;HA[2]AB[dd];B[pp])", "Not enough AB entries in node specifying HA (handicap)"},
        {"(;B[dd][ee];W[pp])", "Character [ occurs in wrong place (current property is B)"},
        {"(;GM[1];[dd];W[pp])", "Character [ occurs in wrong place (current property is )"},
        {"(;add[aa];B[dd])",
         "Illegal first character of property name: a (97).\n"
         "(Null character probably indicates unexpected end of file.)"},
        {"(;B dd];W[pp])", "Property B not followed by [ character."},
        {"(;GM[1];AB)", "Property AB not followed by [ character."},
        {"(;GM[2];B[dd])", "Value of GM property should be 1, not 2"},
        {"(;SZ[9];B[dd])", "Value of SZ property should be 19, not 9"},
        {"(;B[dd];HA[2];W[pp])", "HA property may not be specified after moves have started"},
        {"(;PL[B]RE[W+R];B[dd])", "Both PL and RE properties present in file"},
        {"(;RE[W+R]PL[B];B[dd])", "Both PL and RE properties present in file"},
        {"(;B[dd]AB[pp];W[dp])",
         "Stones may not be placed with the AB property after moves have started"},
        {"(;B[dd]AW[pp];W[dp])",
         "Stones may not be placed with the AW property after moves have started"},
        {"(;GM[x1];B[dd])", "Illegal integer: x1"},
        {"(;KM[+0.5];B[dd])", "Illegal float: +0.5"},
        {"(;KM[0.5-];B[dd])", "Illegal float: 0.5-"},
        {"(;KM[--1];B[dd])", "Illegal float: --1"},
        {"(;KM[-];B[dd])", "Illegal float: -"},
        {"(;KM[1.2.3];B[dd])", "Illegal float: 1.2.3"},
        {"(;PL[X];B[dd])", "Illegal player string: X"},
        {"(;B[TT];W[dd])", "Illegal point string: TT"},
        {"(;B[a];W[dd])", "Illegal point string: a"},
        {"(;B[dt];W[dd])", "Illegal point string: dt"},
        {"(;B[dd];W[pp];C[never closed)",
         "End of file encountered while reading value for property C"},
        {"(;B[dd];B[pp])", "Wrong player at move 2"},
        {"(;B[tt];W[tt];B[dd])", "Two consecutive pass moves before move 3"},
    };
    for (const failing_case& c : cases) {
        const SgfReader r = read(c.contents);
        EXPECT_FALSE(r.ok) << c.contents;
        EXPECT_EQ(r.message, c.message) << c.contents;
        EXPECT_EQ(r.state, 'F') << c.contents;
    }
}

TEST(SgfReader, ANullCharacterIsNamedByItsCode) {
    const SgfReader r = read(std::string("(;GM[1]\0;B[dd])", 15));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, std::string("Illegal first character of property name: ") + '\0' +
                             " (0).\n(Null character probably indicates unexpected end of file.)");
}

TEST(SgfReader, EmptyNumbersAreRefused) {
    EXPECT_EQ(read("(;HA[];B[dd])").message, "Illegal integer: ");
    EXPECT_EQ(read("(;KM[];B[dd])").message, "Illegal float: ");
    EXPECT_EQ(read("(;KM[.];B[dd])").message, "Illegal float: .");
    // Too large for the program's numbers.
    EXPECT_EQ(read("(;HA[99999999999];B[dd])").message, "Illegal integer: 99999999999");
    EXPECT_EQ(read("(;KM[" + std::string(60, '9') + "];B[dd])").message,
              "Illegal float: " + std::string(60, '9'));
}

TEST(SgfReader, TextEndingInsideAValueFailsSilently) {
    const SgfReader r = read("(;GM[1];B[)");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "");
    EXPECT_EQ(r.state, 'V');
}

TEST(SgfReader, SetupStonesAndHandicap) {
    EXPECT_EQ(read("(;AB[dd]AB[pp];W[jj])").setup, "BddBpp");
    const SgfReader both = read("(;HA[2]AB[dd][pp]AW[jj];W[qq])");
    EXPECT_TRUE(both.ok);
    EXPECT_EQ(both.setup, "BddBppWjj");
    EXPECT_EQ(both.settings.handicap, 2);
    EXPECT_EQ(both.ab_count, 2);
    EXPECT_EQ(read("(;AW[dd][pp])").message,
              "Character [ occurs in wrong place (current property is AW)");
    // Without a further node the missing handicap stone is not noticed.
    const SgfReader short_handicap = read("(;HA[2]AB[dd])");
    EXPECT_TRUE(short_handicap.ok);
    EXPECT_EQ(short_handicap.settings.handicap, 2);
    // The last character of the text is never read: a closing ";" does not
    // start a node.
    EXPECT_TRUE(read("(;HA[2]AB[dd];)").ok);
}

TEST(SgfReader, KomiMovesAndPasses) {
    const SgfReader r = read("(;GM[1]SZ[19]KM[6.5]C[a comment];W[dd];B[];W[pp];B[tt];W[qq])");
    ASSERT_TRUE(r.ok);
    EXPECT_FLOAT_EQ(r.settings.komi, 6.5f);
    EXPECT_EQ(r.moves, "ddttppttqq");
    EXPECT_EQ(r.first_mover, -1);
    EXPECT_EQ(r.next_mover, 1);
    EXPECT_EQ(r.consecutive_passes, 0);
    EXPECT_FLOAT_EQ(read("(;KM[.5])").settings.komi, 0.5f);
    EXPECT_FLOAT_EQ(read("(;KM[-0.5])").settings.komi, -0.5f);  // as the writer saves it
    EXPECT_FLOAT_EQ(read("(;KM[7.])").settings.komi, 7.0f);
    EXPECT_FLOAT_EQ(read("(;GM[1])").settings.komi, 5.5f);  // reset at every read
}

TEST(SgfReader, OnlyTheFirstVariationCounts) {
    const SgfReader r = read("(;GM[1](;B[dd])(;B[pp]))");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.moves, "dd");
}

TEST(SgfReader, SideToMoveAndResult) {
    // PL naming the player who is not next adds a pass for the other one.
    EXPECT_EQ(read("(;PL[W])").moves, "tt");
    EXPECT_EQ(read("(;PL[W])").first_mover, 1);
    EXPECT_EQ(read("(;PL[B])").moves, "");
    EXPECT_EQ(read("(;PL[B];B[dd])").moves, "ddtt");
    EXPECT_EQ(read("(;PL[W];B[dd])").moves, "dd");
    // Two passes have ended the game: nobody is left to move.
    EXPECT_EQ(read("(;PL[W];B[dd];W[pp];B[];W[])").moves, "ddpptttt");
    // A result stands for the passes that ended the game.
    EXPECT_EQ(read("(;RE[B+R];B[dd])").moves, "ddtttt");
    EXPECT_EQ(read("(;RE[0];B[dd];W[])").moves, "ddtttt");
    EXPECT_EQ(read("(;RE[0];B[dd];W[];B[])").moves, "ddtttt");
    EXPECT_EQ(read("(;RE[0])").moves, "tttt");
}

TEST(SgfReader, PlayerStringsDescribeComputerPlayers) {
    SgfReader r;
    ASSERT_TRUE(r.read(";PB[WinKirvo:0.95:12:7:3]PW[Human Player]"));
    EXPECT_TRUE(r.settings.black.computer);
    EXPECT_EQ(r.settings.black.status_depth, 12);
    EXPECT_EQ(r.settings.black.connection_depth, 7);
    EXPECT_EQ(r.settings.black.life_death_depth, 3);
    EXPECT_FALSE(r.settings.white.computer);
    EXPECT_EQ(r.settings.white.status_depth, 6);
    // Malformed computer strings are people, with the depths left alone.
    const char* malformed[] = {"WinKirvo:0.95:12:7",    "WinKirvo:0.95:1x:7:3",
                               "WinKirvo:0.95:1:2:3:4", "Winkirvo:0.95:1:2:3",
                               "WinKirvo:0.95:::3",     "WinKirvo"};
    for (const char* text : malformed) {
        ASSERT_TRUE(r.read(std::string(";PW[") + text + "]"));
        EXPECT_FALSE(r.settings.white.computer) << text;
        EXPECT_EQ(r.settings.white.status_depth, 6) << text;
    }
    // Any version text without a colon will do.
    ASSERT_TRUE(r.read(";PW[WinKirvo:x:1:2:3]"));
    EXPECT_TRUE(r.settings.white.computer);
    EXPECT_EQ(r.settings.white.life_death_depth, 3);
    // A file without PB or PW: those colours are people.
    ASSERT_TRUE(r.read(";PB[WinKirvo:0.95:1:2:3]PW[WinKirvo:0.95:1:2:3]"));
    ASSERT_TRUE(r.read(";GM[1]"));
    EXPECT_FALSE(r.settings.black.computer);
    EXPECT_FALSE(r.settings.white.computer);
}

TEST(SgfReader, UnknownPropertiesAndWhitespace) {
    const SgfReader r = read("(;FF[4]\n  CA[UTF-8] AP[x:1]\tB\t[dd] ;W [pp])");
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.moves, "ddpp");
}

}  // namespace

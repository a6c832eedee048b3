#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "engine/board/coordinates.h"
#include "engine/engine.h"
#include "engine/knowledge/joseki_library.h"
#include "tests/support/board_helpers.h"
#include "tests/support/data_dir.h"
#include "tests/support/diag_capture.h"

namespace {

using test::pt;

class JosekiFiles : public ::testing::Test {
  protected:
    test::scoped_data_dir data;  // before the engine, whose own libraries stay empty
    engine e;

    void write(const std::string& name, const std::string& text) { data.write(name, text); }
    // A library over the 7x7 upper-left corner naming one joseki file.
    std::unique_ptr<joseki_library> corner_library(const std::string& tree,
                                                   std::string* messages = nullptr) {
        std::string region;
        for (char y = 'a'; y <= 'g'; ++y) {
            for (char x = 'a'; x <= 'g'; ++x)
                region += std::string{x, y, ' '};
        }
        write("lib.dat", region + "\n-- tree.txt\n");
        write("tree.txt", tree);
        test::diag_capture capture;
        auto library = std::make_unique<joseki_library>(e, "lib.dat");
        if (messages) *messages = capture.text();
        return library;
    }
    // The entry for the current board seen as it is, for mover a.
    joseki_entry* entry_here(joseki_library& library, int a) {
        return library.find(library.board_key(0, a));
    }
};

std::set<std::string> names(const point_set& s) {
    std::set<std::string> out;
    for (point* p : s.to_vector()) {
        if (p->is_pass()) {
            out.insert("pass");
        } else {
            out.insert(coord::sgf_point(p->x, p->y));
        }
    }
    return out;
}

TEST_F(JosekiFiles, TokensNamePointsWithLettersOrDigitsAndChooseTheValue) {
    struct token_case {
        const char* token;
        const char* point;
        int value;
    };
    // d4 is (4, 4); z and a missing second character both read as 10.
    for (token_case c :
         {token_case{"dd", "dd", 1}, token_case{"dds", "dd", 2}, token_case{"d4", "dd", 1},
          token_case{"dz", "dj", 1}, token_case{"d0", "dj", 1}, token_case{"d", "dj", 1},
          token_case{"zz", "jj", 1}, token_case{"9a", "ia", 1}, token_case{"ddx", "dd", 1}}) {
        SCOPED_TRACE(c.token);
        auto library = corner_library(c.token);
        joseki_entry* empty_board = entry_here(*library, 1);
        ASSERT_NE(empty_board, nullptr);
        EXPECT_EQ(names(empty_board->moves), std::set<std::string>{c.point});
        EXPECT_EQ(empty_board->value, c.value);
        EXPECT_EQ(library->n_entries(), 1);
        EXPECT_EQ(library->problems(), 0);
    }
}

TEST_F(JosekiFiles, TheSuffixNPlaysWithoutLearning) {
    auto library = corner_library("ddn cc");
    EXPECT_EQ(library->n_entries(), 1);
    EXPECT_EQ(entry_here(*library, 1), nullptr);
    // The file's first move is made by the second colour, so cc was learnt
    // for the first colour with an opponent stone on dd.
    e.push(pt(e, "dd"), -1);
    joseki_entry* after = entry_here(*library, 1);
    ASSERT_NE(after, nullptr);
    EXPECT_EQ(names(after->moves), std::set<std::string>{"cc"});
    // Keys are relative to the mover: the same shape with the colours
    // swapped is the same position.
    e.pop();
    e.push(pt(e, "dd"), 1);
    EXPECT_EQ(entry_here(*library, -1), after);
    EXPECT_EQ(entry_here(*library, 1), nullptr);
}

TEST_F(JosekiFiles, APassKeepsTheColourOfTheMoveBefore) {
    auto alternating = corner_library("ddn cc");
    auto with_pass = corner_library("ddn p cc");
    e.push(pt(e, "dd"), -1);
    // Without the pass cc answers dd; with it, cc follows up the own stone.
    EXPECT_NE(entry_here(*alternating, 1), nullptr);
    EXPECT_EQ(entry_here(*alternating, -1), nullptr);
    EXPECT_EQ(entry_here(*with_pass, 1), nullptr);
    ASSERT_NE(entry_here(*with_pass, -1), nullptr);
    EXPECT_EQ(names(entry_here(*with_pass, -1)->moves), std::set<std::string>{"cc"});
}

TEST_F(JosekiFiles, BranchesTakeTheirMovesBackAndTheFileEndsAsItBegan) {
    // Learning on a board that already holds stones leaves them as found.
    test::place(e, {"", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "...X", "..O"});
    const int moves_before = e.no_moves;
    const position_key key_before = e.key;
    // The last branch is not closed: the end of the file takes it back.
    auto library = corner_library("( dd cc ) ee ( ff gg ) ( bb ( cb");
    EXPECT_EQ(e.no_moves, moves_before);
    EXPECT_TRUE(position_key::same_position(e.key, key_before));
    EXPECT_EQ(test::board_mismatch(e), "");
    EXPECT_EQ(pt(e, "dd")->colour, 0);
    EXPECT_EQ(pt(e, "ee")->colour, 0);
    // dd and ee were both learnt on the starting position, for the same
    // mover: the branch ended with ")" and the top level went on with its
    // own colour.
    joseki_entry* start = entry_here(*library, 1);
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(names(start->moves), (std::set<std::string>{"dd", "ee"}));
    // ee stays on the board for the branches after it: ff and bb were both
    // learnt as answers to it.
    e.push(pt(e, "ee"), -1);
    ASSERT_NE(entry_here(*library, 1), nullptr);
    EXPECT_EQ(names(entry_here(*library, 1)->moves), (std::set<std::string>{"ff", "bb"}));
    e.pop();
    // The start, dd, ee, ee with ff, ee with bb.
    EXPECT_EQ(library->n_entries(), 5);
}

TEST_F(JosekiFiles, APositionKeepsTheValueOfItsFirstMove) {
    auto first_plain = corner_library("( dd ) ccs");
    joseki_entry* plain = entry_here(*first_plain, 1);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->value, 1);
    EXPECT_EQ(names(plain->moves), (std::set<std::string>{"dd", "cc"}));
    EXPECT_EQ(first_plain->n_entries(), 1);

    auto first_strong = corner_library("( dds ) cc");
    EXPECT_EQ(entry_here(*first_strong, 1)->value, 2);
    EXPECT_EQ(names(entry_here(*first_strong, 1)->moves), (std::set<std::string>{"dd", "cc"}));
}

TEST_F(JosekiFiles, ACornerPatternIsFoundInAllEightOrientations) {
    // One entry only: the mover answers at ed with an own stone on dc and an
    // opponent stone on cd, a shape that no reflection maps onto itself.
    auto library = corner_library("dcn cdn ed");
    ASSERT_EQ(library->n_entries(), 1);
    std::set<int> answers;
    for (int t = 0; t < 8; ++t) {
        for (int mover : {1, -1}) {
            SCOPED_TRACE("symmetry " + std::to_string(t) + " mover " + std::to_string(mover));
            engine board;
            joseki_library seen(board, "lib.dat");
            board.push(seen.transform(pt(board, "dc"), t), mover);
            board.push(seen.transform(pt(board, "cd"), t), -mover);
            point_set j;
            seen.lookup(j, mover);
            ASSERT_EQ(j.count(), 1);
            point* answer = j.first();
            EXPECT_EQ(answer, seen.transform(pt(board, "ed"), t));
            EXPECT_EQ(answer->joseki_value, 1.0);
            answers.insert(answer->index);
            // For the opponent the shape is the mirror image of the known
            // one, and so is the answer.
            point_set mirrored;
            seen.lookup(mirrored, -mover);
            ASSERT_EQ(mirrored.count(), 1);
            EXPECT_EQ(mirrored.first(), seen.transform(pt(board, "de"), t));
        }
    }
    EXPECT_EQ(answers.size(), 8u);
}

TEST_F(JosekiFiles, SymmetricMatchesAddEachPointOnceAndSetTheValue) {
    auto library = corner_library("dds");
    point_set j;
    library->lookup(j, -1);
    // Two symmetries map each corner onto itself: four points, not eight.
    EXPECT_EQ(names(j), (std::set<std::string>{"dd", "dp", "pd", "pp"}));
    EXPECT_EQ(j.count(), 4);
    for (point* p : j.to_vector())
        EXPECT_EQ(p->joseki_value, 2.0);
    EXPECT_EQ(pt(e, "cc")->joseki_value, 0.0);
}

TEST_F(JosekiFiles, TheEightSymmetriesAndAnUnknownOne) {
    auto library = corner_library("");
    const char* images[8] = {"cb", "bq", "qr", "rc", "cr", "qb", "rq", "bc"};
    for (int t = 0; t < 8; ++t) {
        EXPECT_EQ(library->transform(pt(e, "cb"), t), pt(e, images[t])) << t;
        EXPECT_EQ(library->transform(e.pass_point, t), e.pass_point);
    }
    test::diag_capture capture;
    EXPECT_EQ(library->transform(pt(e, "cb"), 8), e.pass_point);
    EXPECT_EQ(library->transform(pt(e, "cb"), -1), e.pass_point);
    EXPECT_EQ(capture.text(), "error joseki transform error joseki transform ");
}

TEST_F(JosekiFiles, TheRegionIsReadTwoCharactersAtATime) {
    write("moves.txt", "aa");
    // "abcd" is two points; "en" of "end" is a point too, and its "d" ends
    // the region; "00" adds the pass point.
    write("lib.dat", "ab\tcd00 end moves.txt");
    joseki_library library(e, "lib.dat");
    EXPECT_EQ(names(library.region), (std::set<std::string>{"ab", "cd", "pass", "en"}));
    EXPECT_EQ(library.n_entries(), 1);

    // A terminator starting with a point name is not one: the rest of the
    // word, here "x.", ends the region and "txt" becomes a file name.
    write("txt", "bb");
    write("lib2.dat", "ab\nbbx.txt");
    test::diag_capture capture;
    joseki_library split(e, "lib2.dat");
    EXPECT_EQ(names(split.region), (std::set<std::string>{"ab", "bb"}));
    EXPECT_EQ(capture.text(), "found joseki file txt\n");
    ASSERT_EQ(split.n_entries(), 1);

    // The end of the file ends a region without any joseki file.
    write("lib3.dat", "aa bb cc");
    joseki_library bare(e, "lib3.dat");
    EXPECT_EQ(bare.region.count(), 3);
    EXPECT_EQ(bare.n_entries(), 0);
}

TEST_F(JosekiFiles, ThePassPointInTheRegionWeighsNothing) {
    write("moves.txt", "bb");
    write("lib.dat", "00 aa ab .\nmoves.txt");
    joseki_library library(e, "lib.dat");
    point_set j;
    library.lookup(j, 1);
    EXPECT_EQ(names(j), (std::set<std::string>{"bb", "br", "rb", "rr"}));
    e.push(pt(e, "ab"), 1);
    joseki_key seen{};
    seen[1] = 3;
    EXPECT_EQ(library.board_key(0, 1), seen);
    EXPECT_EQ(library.board_key(7, 1), joseki_key{});
}

TEST_F(JosekiFiles, MissingFilesAreReportedAndMatchNothing) {
    {
        test::diag_capture capture;
        joseki_library library(e, "absent.dat");
        EXPECT_EQ(capture.text(), " file absent.dat not found ");
        EXPECT_EQ(library.problems(), 1);
        EXPECT_EQ(library.region.count(), 0);
        point_set j;
        library.lookup(j, 1);
        EXPECT_TRUE(j.empty());
    }
    write("one.txt", "dd");
    write("two.txt", "cc");
    write("lib.dat", "aa ab ac .\none.txt gone.txt two.txt");
    test::diag_capture capture;
    joseki_library library(e, "lib.dat");
    // Names are printed as written, not as found.
    EXPECT_EQ(capture.text(),
              "found joseki file one.txt\nmissing file gone.txt\nfound joseki file two.txt\n");
    EXPECT_EQ(library.problems(), 1);
    EXPECT_EQ(names(entry_here(library, 1)->moves), (std::set<std::string>{"dd", "cc"}));
}

TEST_F(JosekiFiles, AMoveOnAnOccupiedPointSkipsTheRestOfItsBranch) {
    std::string messages;
    // In the branch, dd is already taken: ee and the nested branch are
    // skipped, cc is taken back, and the top level goes on with ff.
    auto library = corner_library("dd ( cc dd ( gg ) ee ) ff", &messages);
    EXPECT_EQ(messages,
              "found joseki file tree.txt\n"
              "joseki file tree.txt: move \"dd\" plays on an occupied point; rest of the branch "
              "skipped\n");
    EXPECT_EQ(e.no_moves, 0);
    EXPECT_EQ(test::board_mismatch(e), "");
    e.push(pt(e, "dd"), -1);
    ASSERT_NE(entry_here(*library, 1), nullptr);
    EXPECT_EQ(names(entry_here(*library, 1)->moves), (std::set<std::string>{"cc", "ff"}));
    EXPECT_EQ(library->n_entries(), 2);
    EXPECT_EQ(library->problems(), 1);

    e.pop();

    // At the top level the rest of the file goes.
    auto top = corner_library("dd cc dds ee", &messages);
    EXPECT_NE(messages.find("move \"dds\" plays on an occupied point"), std::string::npos);
    EXPECT_EQ(top->n_entries(), 2);
    EXPECT_EQ(e.no_moves, 0);
}

TEST_F(JosekiFiles, ASuicideIsRefusedLikeAnOccupiedPoint) {
    std::string messages;
    // ab and ba of one colour, then the other colour fills aa.
    auto library = corner_library("( ab p ba aa ) cc", &messages);
    EXPECT_NE(messages.find("move \"aa\" is a suicide; rest of the branch skipped"),
              std::string::npos);
    EXPECT_EQ(e.no_moves, 0);
    EXPECT_EQ(test::board_mismatch(e), "");
    EXPECT_EQ(names(entry_here(*library, 1)->moves), (std::set<std::string>{"ab", "cc"}));
    // Filling aa while it captures is a move like any other, and so is the
    // retake of the ko at once: a pass token stands for moves elsewhere
    // that are never made, such as ko threats.
    auto capture = corner_library("ab ( ac p bb ba aa ab )", &messages);
    EXPECT_EQ(messages, "found joseki file tree.txt\n");
    EXPECT_EQ(e.no_moves, 0);
    EXPECT_EQ(test::board_mismatch(e), "");
}

TEST_F(JosekiFiles, LongTokensCountByTheirFirstThreeCharacters) {
    const std::string long_tail(100000, 'x');
    std::string messages;
    auto library = corner_library("dds" + long_tail + " ( ccn" + long_tail + " ee )", &messages);
    EXPECT_EQ(messages, "found joseki file tree.txt\n");
    joseki_entry* start = entry_here(*library, 1);
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(start->value, 2);
    EXPECT_EQ(names(start->moves), std::set<std::string>{"dd"});
    EXPECT_EQ(library->n_entries(), 2);

    // The reported token is cut short too.
    corner_library("dd " + std::string("dd") + long_tail, &messages);
    const std::string shown = "move \"dd" + std::string(14, 'x') + "\" plays on an occupied point";
    EXPECT_NE(messages.find(shown), std::string::npos);

    // A library naming a joseki file with an impossible name reports it.
    write("lib.dat", "aa .\n" + long_tail);
    test::diag_capture capture;
    joseki_library named(e, "lib.dat");
    EXPECT_EQ(capture.text().rfind("missing file xxxx", 0), 0u);
}

TEST_F(JosekiFiles, NestingIsBounded) {
    std::string deep;
    for (int i = 0; i < 3 * joseki_library::max_nesting; ++i)
        deep += "( ";
    deep += "dd ";
    for (int i = 0; i < 3 * joseki_library::max_nesting; ++i)
        deep += ") ";
    std::string messages;
    auto library = corner_library("( cc ) " + deep + "ee", &messages);
    EXPECT_NE(messages.find("nested deeper than"), std::string::npos);
    EXPECT_EQ(library->problems(), 1);
    EXPECT_EQ(e.no_moves, 0);
    // The deep branch is skipped as a whole; the levels above it go on, up
    // to the top level that learns ee.
    EXPECT_EQ(names(entry_here(*library, 1)->moves), (std::set<std::string>{"cc", "ee"}));
}

TEST_F(JosekiFiles, TheEngineConsultsItsFourLibrariesBroadestFirst) {
    // Each library learns one move on the empty board, except j_fuseki,
    // which knows only a position with a stone on jj.
    write("fuseki.txt", "jjn dd");
    write("side.txt", "jc");
    write("corner.txt", "cc");
    write("mini.txt", "bb");
    write("j_fuseki.dat", "jj aa .\nfuseki.txt");
    write("j_side.dat", "ab ac ad .\nside.txt");
    write("j_corner.dat", "ae af .\ncorner.txt");
    write("j_mini.dat", "ag .\nmini.txt");
    test::diag_capture capture;
    engine built;
    // The libraries are read first of all the data files, right after the
    // depth prompt.
    EXPECT_EQ(capture.text().rfind("max_depth_status max_depth_connection max_depth_L&D"
                                   "found joseki file mini.txt\nfound joseki file corner.txt\n"
                                   "found joseki file side.txt\nfound joseki file fuseki.txt\n",
                                   0),
              0u);
    ASSERT_EQ(built.joseki_libraries.size(), 4u);
    EXPECT_EQ(built.joseki_libraries[0]->region.count(), 2);
    EXPECT_EQ(built.joseki_libraries[1]->region.count(), 3);
    EXPECT_EQ(built.joseki_libraries[2]->region.count(), 2);
    EXPECT_EQ(built.joseki_libraries[3]->region.count(), 1);
    EXPECT_EQ(built.no_moves, 0);

    // Empty board: j_fuseki knows nothing, j_side answers and stops the walk.
    point_set j;
    built.lookup_joseki(j, 1);
    EXPECT_EQ(names(j), (std::set<std::string>{"jc", "cj", "jq", "qj"}));
    // With a stone on jj j_fuseki answers alone.
    built.push(pt(built, "jj"), 1);
    point_set after;
    built.lookup_joseki(after, -1);
    EXPECT_EQ(names(after), (std::set<std::string>{"dd", "dp", "pd", "pp"}));
}

TEST(JosekiWithoutData, TheEngineStillBuildsWithEmptyLibraries) {
    test::scoped_data_dir empty;
    test::diag_capture capture;
    engine e;
    EXPECT_NE(capture.text().find(" file j_mini.dat not found  file j_corner.dat not found "
                                   " file j_side.dat not found  file j_fuseki.dat not found "),
              std::string::npos);
    ASSERT_EQ(e.joseki_libraries.size(), 4u);
    point_set j;
    e.lookup_joseki(j, 1);
    EXPECT_TRUE(j.empty());
}

}  // namespace

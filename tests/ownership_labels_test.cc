// The final ownership of labelled games: reading the lines and the file,
// the winner of a result, the check of a game's final position against its
// labels, the choice of training and held-out games, and the options of the
// tools that learn from them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "tests/support/board_helpers.h"
#include "tests/support/data_dir.h"
#include "tests/support/ownership_lines.h"
#include "train/labelled_tool.h"
#include "train/ownership.h"

namespace {

using test::pt;

// A small game: Black captures White's dc with its fourth stone around it;
// White plays two stones far away.
const char* const capture_game = "(;SZ[19]RE[B+2.5];B[dd];W[dc];B[cc];W[pp];B[ec];W[pd];B[db])";

// Its final position: Black owns the corner, including dc; White's stones
// are alive unless a picture says otherwise.
std::vector<std::string> capture_owners(char pp_owner) {
    std::vector<std::string> rows(19);
    rows[1] = "...X";
    rows[2] = "..XXX";
    rows[3] = "...X...........O";
    rows[15] = std::string("...............") + pp_owner;
    return rows;
}

TEST(OwnershipLine, OwnersRunRowByRowFromTheTop) {
    std::vector<std::string> rows(19);
    rows[0] = "...X";                       // (4, 1)
    rows[2] = "O";                          // (1, 3)
    rows[18] = std::string(18, '.') + "X";  // (19, 19)
    train::final_ownership f;
    std::string why;
    ASSERT_TRUE(
        train::parse_ownership_line(test::ownership_line("KGS/a.sgf", 7, "W+3.5", rows), f, why))
        << why;
    engine e;
    EXPECT_EQ(f.game, "KGS/a.sgf");
    EXPECT_EQ(f.dead_stones, 7);
    EXPECT_EQ(f.area_winner, -1);
    EXPECT_EQ(f.owner(e.at(4, 1)), 1);
    EXPECT_EQ(f.owner(e.at(1, 4)), 0);  // the transposed point
    EXPECT_EQ(f.owner(e.at(1, 3)), -1);
    EXPECT_EQ(f.owner(e.at(3, 1)), 0);
    EXPECT_EQ(f.owner(e.at(19, 19)), 1);
    int owned = 0;
    for (int k = 0; k < e.n_points; ++k) owned += f.owner(e.points[k]) != 0;
    EXPECT_EQ(owned, 3);
}

TEST(OwnershipLine, MalformedLinesAreRefusedWithAReason) {
    const std::string owners = test::owners_of({"XO"});
    struct {
        std::string line;
        const char* why;
    } cases[] = {
        {"a.sgf\t3\tB+1\t" + owners + "\textra", "not four tab-separated fields"},
        {"a.sgf\t3\tB+1", "not four tab-separated fields"},
        {"a.sgf\t3\tB+1\t" + owners.substr(1), "not 361 owners"},
        {"a.sgf\t3\tB+1\t" + owners + "B", "not 361 owners"},
        {"a.sgf\tthree\tB+1\t" + owners, "bad dead-stone count"},
        {"a.sgf\t-1\tB+1\t" + owners, "bad dead-stone count"},
        {"a.sgf\t\tB+1\t" + owners, "bad dead-stone count"},
        {"a.sgf\t3\tB+1\tx" + owners.substr(1), "bad owner 'x'"},
    };
    for (const auto& c : cases) {
        train::final_ownership f;
        f.game = "untouched";
        std::string why;
        EXPECT_FALSE(train::parse_ownership_line(c.line, f, why)) << c.why;
        EXPECT_EQ(why, c.why);
        EXPECT_EQ(f.game, "untouched");
    }
}

TEST(OwnershipLine, WinnerOfAResult) {
    EXPECT_EQ(train::winner_of("B+3.5"), 1);
    EXPECT_EQ(train::winner_of("W+Resign"), -1);
    EXPECT_EQ(train::winner_of("b+T"), 1);
    EXPECT_EQ(train::winner_of("W+"), -1);
    EXPECT_EQ(train::winner_of("0"), 0);
    EXPECT_EQ(train::winner_of("Jigo"), 0);
    EXPECT_EQ(train::winner_of("Void"), 0);
    EXPECT_EQ(train::winner_of("B"), 0);
    EXPECT_EQ(train::winner_of(""), 0);
}

TEST(OwnershipFile, GoodLinesKeptBadOnesCounted) {
    test::scoped_data_dir dir;
    dir.write("labels.tsv", test::ownership_line("a.sgf", 0, "B+1.5", {"X"}) + "\n\n" +
                                "broken line\n" + test::ownership_line("b.sgf", 2, "W+0.5", {"O"}) +
                                "\n");
    int bad = -1;
    std::vector<train::final_ownership> all =
        train::read_ownership_file(dir.path("labels.tsv"), bad);
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(bad, 1);
    EXPECT_EQ(all[0].game, "a.sgf");
    EXPECT_EQ(all[1].game, "b.sgf");
    EXPECT_EQ(all[1].dead_stones, 2);

    EXPECT_TRUE(train::read_ownership_file(dir.path("missing.tsv"), bad).empty());
    EXPECT_EQ(bad, 0);
}

TEST(OwnershipFile, PackedFileWithAQuoteInItsName) {
    if (std::system("xz --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "no xz";
    test::scoped_data_dir dir;
    const std::string name = "it's labels.tsv";
    dir.write(name, test::ownership_line("a.sgf", 1, "B+1.5", {"", "X"}) + "\n");
    const std::string command = "cd '" + dir.path().string() + "' && xz \"" + name + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0);
    int bad = -1;
    std::vector<train::final_ownership> all =
        train::read_ownership_file(dir.path(name + ".xz"), bad);
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(bad, 0);
    engine e;
    EXPECT_EQ(all[0].owner(e.at(1, 2)), 1);
    // A file that is not packed fails as a whole rather than giving garbage.
    dir.write("plain.xz", test::ownership_line("a.sgf", 1, "B+1.5", {"X"}) + "\n");
    EXPECT_TRUE(train::read_ownership_file(dir.path("plain.xz"), bad).empty());
}

train::labelled_game capture_labelled(char pp_owner, int dead) {
    train::labelled_game g;
    std::string why;
    EXPECT_TRUE(read_sgf_record(capture_game, g.record, why)) << why;
    EXPECT_TRUE(train::parse_ownership_line(
        test::ownership_line("g.sgf", dead, "B+2.5", capture_owners(pp_owner)), g.labels, why))
        << why;
    return g;
}

TEST(OwnershipReplay, FinalPositionAgainstTheDeadStoneCount) {
    engine e;
    train::selection_counts counts;
    // No stone judged dead: dc was captured, so its point holds no stone.
    EXPECT_TRUE(train::replays_to_labels(e, capture_labelled('O', 0), counts));
    EXPECT_EQ(e.no_moves, 0);
    // White's pp judged dead by the labels.
    EXPECT_TRUE(train::replays_to_labels(e, capture_labelled('X', 1), counts));
    EXPECT_FALSE(train::replays_to_labels(e, capture_labelled('X', 2), counts));
    EXPECT_FALSE(train::replays_to_labels(e, capture_labelled('O', 1), counts));
    EXPECT_EQ(counts.dead_count_differs, 2);
    EXPECT_EQ(counts.not_replayed, 0);

    // A move onto a stone: the record cannot be replayed to its end.
    train::labelled_game broken = capture_labelled('O', 0);
    broken.record.moves.push_back({-1, 4, 4});
    EXPECT_FALSE(train::replays_to_labels(e, broken, counts));
    EXPECT_EQ(counts.not_replayed, 1);
    EXPECT_EQ(e.no_moves, 0);
    EXPECT_EQ(test::board_mismatch(e), "");
}

TEST(OwnershipReplay, StonesOwnedByTheOpponent) {
    engine e;
    test::place(e, {"XXO", "..O"});
    train::final_ownership f;
    std::string why;
    ASSERT_TRUE(
        train::parse_ownership_line(test::ownership_line("g", 1, "W+1", {"OXO", "..O"}), f, why));
    EXPECT_EQ(train::stones_owned_by_opponent(e, f), 1);
    // Dame counts for no one; empty points owned by anyone do not count.
    ASSERT_TRUE(
        train::parse_ownership_line(test::ownership_line("g", 0, "W+1", {"O.X", "XXX"}), f, why));
    EXPECT_EQ(train::stones_owned_by_opponent(e, f), 3);
}

// Labelled games in a folder of their own: six usable ones and one of each
// kind that is left out.
class GameSelection : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int k = 0; k < 6; ++k) add("good" + std::to_string(k) + ".sgf", capture_game, "B+2.5");
        add("white_recorded.sgf", capture_game, "B+2.5", "(;SZ[19]RE[W+2.5]");
        add("nine.sgf", "(;SZ[9]RE[B+2.5];B[dd])", "B+2.5");
        add("missing.sgf", nullptr, "B+2.5");
        add("refused.sgf", "(;SZ[19]RE[B+2.5];B[dd];W[dd])", "B+2.5");
        add("dead.sgf", capture_game, "B+2.5", nullptr, 3);
    }

    // A game file (none when text is null, another header when given) and
    // its line.
    void add(const std::string& name, const char* text, const char* score,
             const char* header = nullptr, int dead = 0) {
        if (text != nullptr) {
            std::string t = text;
            if (header != nullptr) t = header + t.substr(t.find(";B["));
            dir_.write(name, t);
        }
        std::string why;
        train::final_ownership f;
        ASSERT_TRUE(train::parse_ownership_line(
            test::ownership_line(name, dead, score, capture_owners('O')), f, why));
        lines_.push_back(f);
    }

    static std::vector<std::string> names(const std::vector<train::labelled_game>& games) {
        std::vector<std::string> out;
        for (const train::labelled_game& g : games) out.push_back(g.labels.game);
        return out;
    }

    test::scoped_data_dir dir_;
    std::vector<train::final_ownership> lines_;
    engine e_;
};

TEST_F(GameSelection, LeftOutGamesAreCountedByReason) {
    train::game_split s = train::select_games(e_, lines_, dir_.path().string(), 100, 2, 5);
    EXPECT_EQ(s.counts.lines, 11);
    EXPECT_EQ(s.counts.unreadable, 2);
    EXPECT_EQ(s.counts.other_winner, 1);
    EXPECT_EQ(s.counts.not_replayed, 1);
    EXPECT_EQ(s.counts.dead_count_differs, 1);
    EXPECT_EQ(s.counts.kept, 6);
    EXPECT_EQ(s.held_out.size(), 2u);
    EXPECT_EQ(s.train.size(), 4u);
    std::vector<std::string> all = names(s.held_out);
    for (const std::string& n : names(s.train)) all.push_back(n);
    std::sort(all.begin(), all.end());
    EXPECT_EQ(all, (std::vector<std::string>{"good0.sgf", "good1.sgf", "good2.sgf", "good3.sgf",
                                             "good4.sgf", "good5.sgf"}));
    EXPECT_EQ(s.train[0].record.moves.size(), 7u);
    EXPECT_EQ(e_.no_moves, 0);
}

TEST_F(GameSelection, HeldOutGamesDependOnlyOnTheSeedAndTheirNumber) {
    const std::string d = dir_.path().string();
    train::game_split few = train::select_games(e_, lines_, d, 1, 2, 5);
    train::game_split more = train::select_games(e_, lines_, d, 3, 2, 5);
    std::vector<train::final_ownership> reversed(lines_.rbegin(), lines_.rend());
    train::game_split turned = train::select_games(e_, reversed, d, 3, 2, 5);
    EXPECT_EQ(few.train.size(), 1u);
    EXPECT_EQ(more.train.size(), 3u);
    EXPECT_EQ(names(few.held_out), names(more.held_out));
    EXPECT_EQ(names(few.train)[0], names(more.train)[0]);
    // The order of the file's lines does not matter.
    EXPECT_EQ(names(turned.held_out), names(more.held_out));
    EXPECT_EQ(names(turned.train), names(more.train));
    // Another seed, another order: among a few seeds one must differ.
    bool differs = false;
    for (uint32_t seed = 6; seed < 12 && !differs; ++seed) {
        differs =
            names(train::select_games(e_, lines_, d, 3, 2, seed).held_out) != names(more.held_out);
    }
    EXPECT_TRUE(differs);
}

TEST_F(GameSelection, ToolsChooseFromTheLabelsFileAsSelectionDoes) {
    std::string file;
    for (int k = 0; k < 6; ++k) {
        file += test::ownership_line("good" + std::to_string(k) + ".sgf", 0, "B+2.5",
                                     capture_owners('O')) +
                "\n";
    }
    dir_.write("labels.tsv", file + "broken line\n");
    train::labelled_options o(3, 1, 0.1);
    o.games_dir = dir_.path().string();
    o.labels = dir_.path("labels.tsv");
    o.held_out_games = 2;
    o.seed = 5;
    train::game_split chosen;
    ASSERT_TRUE(train::choose_games(e_, o, "test", chosen));
    std::vector<train::final_ownership> good(lines_.begin(), lines_.begin() + 6);
    const train::game_split direct = train::select_games(e_, good, o.games_dir, 3, 2, 5);
    EXPECT_EQ(names(chosen.held_out), names(direct.held_out));
    EXPECT_EQ(names(chosen.train), names(direct.train));
    EXPECT_EQ(e_.no_moves, 0);

    // Own games only add training games, every usable one.
    o.own_games_dir = o.games_dir;
    o.own_labels = o.labels;
    ASSERT_TRUE(train::choose_games(e_, o, "test", chosen));
    EXPECT_EQ(names(chosen.held_out), names(direct.held_out));
    EXPECT_EQ(chosen.train.size(), 3u + 6u);
    o.own_labels = dir_.path("missing.tsv");
    EXPECT_FALSE(train::choose_games(e_, o, "test", chosen));
    o.own_games_dir = o.own_labels = "";

    // Every game held out leaves none to learn from.
    o.held_out_games = 6;
    EXPECT_FALSE(train::choose_games(e_, o, "test", chosen));
    o.held_out_games = 2;
    o.labels = dir_.path("missing.tsv");
    EXPECT_FALSE(train::choose_games(e_, o, "test", chosen));
}

TEST(LabelledOptions, ValuesInRangeOrRefused) {
    train::labelled_options o(800, 30, 0.02);
    const std::vector<std::string> paths{"--games", "g", "--labels", "l.tsv"};
    std::vector<std::string> args = paths;
    for (const char* a :
         {"--train-games", "7", "--held-out-games", "3", "--first", "0", "--every", "5",
          "--life-death-depth", "2", "--rate", "0.5", "--seed", "9", "--out-dir", "w"})
        args.push_back(a);
    ASSERT_TRUE(o.parse(args));
    EXPECT_EQ(o.games_dir, "g");
    EXPECT_EQ(o.labels, "l.tsv");
    EXPECT_EQ(o.train_games, 7);
    EXPECT_EQ(o.held_out_games, 3);
    EXPECT_EQ(o.positions.first, 0);
    EXPECT_EQ(o.positions.every, 5);
    EXPECT_EQ(o.reading.status, 10);
    EXPECT_EQ(o.reading.life_death, 2);
    EXPECT_EQ(o.epochs, 30);
    EXPECT_DOUBLE_EQ(o.rate, 0.5);
    EXPECT_EQ(o.seed, 9u);
    EXPECT_EQ(o.out_dir, "w");
    for (const std::vector<std::string>& bad :
         std::vector<std::vector<std::string>>{{"--train-games", "0"},
                                               {"--held-out-games", "0"},
                                               {"--first", "-1"},
                                               {"--every", "0"},
                                               {"--epochs", "0"},
                                               {"--rate", "0"},
                                               {"--depth", "3"},
                                               {"--own-games", "own"},
                                               {"--own-labels", "own.tsv"},
                                               {"extra"}}) {
        train::labelled_options fresh(800, 30, 0.02);
        args = paths;
        args.insert(args.end(), bad.begin(), bad.end());
        EXPECT_FALSE(fresh.parse(args)) << bad[0];
    }
    // The games and their labels have no default place.
    EXPECT_FALSE(train::labelled_options(800, 30, 0.02).parse({"--games", "g"}));
    EXPECT_FALSE(train::labelled_options(800, 30, 0.02).parse({"--labels", "l.tsv"}));
}

}  // namespace

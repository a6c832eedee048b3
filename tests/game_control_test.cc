#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "engine/base/random.h"
#include "engine/board/coordinates.h"
#include "game/game_control.h"
#include "tests/support/board_helpers.h"
#include "tests/support/fake_game_ui.h"
#include "tests/support/long_game.h"

namespace {

using test::fake_game_ui;

// A document driven through its commands; the engine's score estimate is
// whatever the test sets.
class Document : public ::testing::Test {
  protected:
    fake_game_ui ui;
    int estimate = 0;
    game_control doc{ui, [this](const board_report&) { return estimate; }};

    void SetUp() override { doc.new_document(); }

    void both_human() {
        game_settings p = doc.settings();
        p.black.computer = false;
        p.white.computer = false;
        doc.set_players(&p);
    }
    // SGF letters, for reading moves from a picture of the game.
    bool click(const char* letters) {
        return doc.human_move(coord::sgf_number(letters[0]), coord::sgf_number(letters[1]));
    }
    std::string last_point() {
        const move_record* r = doc.game().last_move();
        if (r == nullptr) return "none";
        return r->where->is_pass() ? "tt" : coord::sgf_point(r->where->x, r->where->y);
    }
};

// Everything a refused file must leave as it was.
struct document_state {
    std::vector<int> colours;
    std::vector<std::pair<int, int>> record;
    std::vector<std::pair<int, int>> redo;
    int passes, black_played, white_played, side, handicap, setup, seed;
    float komi;
    bool modified, paused, black_computer, use_seed;
    std::string path;

    explicit document_state(game_control& d) {
        const engine& e = d.game().eng();
        for (int k = 0; k < 361; ++k) colours.push_back(e.points[k]->colour);
        for (int i = 0; i < e.no_moves; ++i)
            record.emplace_back(e.move_stack[i].where->index, e.move_stack[i].colour);
        for (int i = e.no_moves; i < e.redo_limit; ++i)
            redo.emplace_back(e.history[i].where->index, e.history[i].colour);
        passes = d.game().consecutive_passes;
        black_played = d.game().stones_played[0];
        white_played = d.game().stones_played[1];
        side = d.side();
        handicap = d.settings().handicap;
        setup = d.setup_stones();
        seed = d.settings().seed;
        komi = d.settings().komi;
        modified = d.is_modified();
        paused = d.is_paused();
        black_computer = d.settings().black.computer;
        use_seed = d.settings().use_seed;
        path = d.path();
    }
    bool operator==(const document_state&) const = default;
};

TEST_F(Document, NewDocumentDefaults) {
    EXPECT_FALSE(doc.shows_evaluations());
    EXPECT_FLOAT_EQ(doc.settings().komi, 5.5f);
    EXPECT_TRUE(doc.is_paused());
    EXPECT_EQ(doc.side(), 1);
    EXPECT_TRUE(doc.settings().black.computer);
    EXPECT_FALSE(doc.settings().white.computer);
    EXPECT_EQ(doc.settings().black.status_depth, 10);
    EXPECT_EQ(doc.settings().black.connection_depth, 8);
    EXPECT_EQ(doc.settings().black.life_death_depth, 4);
    EXPECT_EQ(doc.settings().white.status_depth, 10);
    EXPECT_EQ(doc.settings().white.connection_depth, 8);
    EXPECT_EQ(doc.settings().white.life_death_depth, 4);
    EXPECT_TRUE(doc.settings().use_seed);
    EXPECT_EQ(doc.settings().seed, 0);
    EXPECT_EQ(doc.settings().handicap, 0);
    EXPECT_EQ(doc.setup_stones(), 0);
    EXPECT_EQ(doc.title(), "Untitled");
    EXPECT_EQ(doc.path(), "");
    EXPECT_FALSE(doc.is_modified());
}

TEST_F(Document, EnabledStates) {
    using c = game_command;
    // Black is a computer and to move, paused.
    EXPECT_TRUE(doc.is_enabled(c::start));
    EXPECT_FALSE(doc.is_enabled(c::pause));
    EXPECT_FALSE(doc.is_enabled(c::undo));
    EXPECT_FALSE(doc.is_enabled(c::undo_all));
    EXPECT_FALSE(doc.is_enabled(c::redo));
    EXPECT_FALSE(doc.is_enabled(c::redo_all));
    EXPECT_FALSE(doc.is_enabled(c::print));
    for (c always : {c::new_game, c::new_with_properties, c::players, c::evaluations}) {
        EXPECT_TRUE(doc.is_enabled(always));
    }
    doc.start();
    EXPECT_FALSE(doc.is_enabled(c::start));
    EXPECT_TRUE(doc.is_enabled(c::pause));
    doc.pause();
    EXPECT_TRUE(doc.is_enabled(c::start));

    EXPECT_FALSE(doc.is_checked(c::evaluations));
    const int redraws = ui.redraws;
    doc.toggle_evaluations();
    EXPECT_TRUE(doc.is_checked(c::evaluations));
    EXPECT_EQ(ui.redraws, redraws + 1);
    doc.toggle_evaluations();
    EXPECT_FALSE(doc.is_checked(c::evaluations));

    // With two people, the computer never moves: Start and Pause are off.
    both_human();
    EXPECT_FALSE(doc.is_enabled(c::start));
    EXPECT_FALSE(doc.is_enabled(c::pause));
    ASSERT_TRUE(click("dd"));
    EXPECT_FALSE(doc.is_paused());
    EXPECT_FALSE(doc.is_enabled(c::pause));
    EXPECT_TRUE(doc.is_enabled(c::undo));
    doc.undo();
    EXPECT_TRUE(doc.is_enabled(c::redo));
    EXPECT_TRUE(doc.is_enabled(c::redo_all));
}

TEST_F(Document, StartIsOffOnceTheGameIsOver) {
    game_settings p = doc.settings();
    p.white.computer = true;
    doc.set_players(&p);
    ASSERT_TRUE(doc.human_pass());
    ASSERT_TRUE(doc.human_pass());
    doc.pause();
    EXPECT_TRUE(doc.computer_to_move());
    EXPECT_FALSE(doc.is_enabled(game_command::start));
}

TEST_F(Document, HandicapGameStartsWithWhiteAndItsStonesStay) {
    game_settings g = doc.settings();
    g.handicap = 4;
    g.komi = 0.0f;
    ASSERT_TRUE(doc.new_game_with_properties(&g));
    EXPECT_EQ(doc.side(), -1);
    EXPECT_EQ(doc.undo_limit(), 4);
    EXPECT_FALSE(doc.is_enabled(game_command::undo));
    ASSERT_TRUE(click("jj"));
    EXPECT_TRUE(doc.is_enabled(game_command::undo));
    doc.undo_all();
    EXPECT_EQ(doc.game().eng().no_moves, 4);
    EXPECT_EQ(doc.side(), -1);
    // A right click on a handicap stone goes back to the limit and no
    // further.
    doc.redo();
    doc.undo_to(4, 4);
    EXPECT_EQ(doc.game().eng().no_moves, 4);
}

TEST_F(Document, IllegalClickChangesNothing) {
    both_human();
    ASSERT_TRUE(click("dd"));
    doc.set_modified(false);
    doc.pause();
    const document_state before(doc);
    const int redraws = ui.redraws;
    EXPECT_FALSE(click("dd"));           // occupied
    EXPECT_FALSE(doc.human_move(0, 5));  // off the board
    EXPECT_TRUE(document_state(doc) == before);
    EXPECT_EQ(ui.redraws, redraws);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Document, MovesAndPassesHandTheTurnOver) {
    both_human();
    doc.toggle_evaluations();
    ASSERT_TRUE(click("dd"));
    EXPECT_EQ(doc.side(), -1);
    EXPECT_FALSE(doc.shows_evaluations());
    EXPECT_TRUE(doc.is_modified());
    EXPECT_EQ(doc.game().colour_at(4, 4), 1);
    ASSERT_TRUE(doc.human_pass());
    EXPECT_EQ(doc.side(), 1);
    EXPECT_EQ(doc.game().consecutive_passes, 1);
    // Suicide is refused like any illegal point.
    ASSERT_TRUE(click("ab"));
    ASSERT_TRUE(click("pp"));
    ASSERT_TRUE(click("ba"));
    EXPECT_FALSE(click("aa"));
    EXPECT_EQ(doc.side(), -1);
}

TEST_F(Document, GameOverMessageThenUndoResumes) {
    both_human();
    ASSERT_TRUE(click("dd"));
    ASSERT_TRUE(doc.human_pass());
    ASSERT_TRUE(doc.human_pass());
    estimate = 9;
    EXPECT_DOUBLE_EQ(doc.score(), 3.5);
    doc.announce_game_over();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "Game over.\nFinal result: Black wins by 3.5.");
    EXPECT_EQ(doc.side(), 0);
    // Nobody may play any more.
    EXPECT_FALSE(click("pp"));
    EXPECT_FALSE(doc.human_pass());
    EXPECT_EQ(doc.game().eng().no_moves, 3);
    // One undo gives the turn to the colour of the undone pass (Black).
    doc.undo();
    EXPECT_EQ(doc.side(), 1);
    EXPECT_TRUE(click("pp"));
}

TEST(GameOverMessage, Texts) {
    EXPECT_EQ(game_control::game_over_message(0.5), "Game over.\nFinal result: Black wins by 0.5.");
    EXPECT_EQ(game_control::game_over_message(0.0), "Game over.\nFinal result: Draw.");
    EXPECT_EQ(game_control::game_over_message(-0.001), "Game over.\nFinal result: Draw.");
    EXPECT_EQ(game_control::game_over_message(-5.5),
              "Game over.\nFinal result: White wins by 5.5.");
}

TEST_F(Document, PlayersDialog) {
    // Cancel still pauses and marks the game modified.
    doc.start();
    doc.set_players(nullptr);
    EXPECT_TRUE(doc.is_paused());
    EXPECT_TRUE(doc.is_modified());
    EXPECT_TRUE(doc.settings().black.computer);
    // Depths are taken only for a colour that is now a computer.
    game_settings p = {{false, 1, 2, 3}, {true, 4, 5, 6}};
    doc.set_players(&p);
    EXPECT_FALSE(doc.settings().black.computer);
    EXPECT_TRUE(doc.settings().white.computer);
    EXPECT_EQ(doc.settings().black.status_depth, 10);
    EXPECT_EQ(doc.settings().black.life_death_depth, 4);
    EXPECT_EQ(doc.settings().white.status_depth, 4);
    EXPECT_EQ(doc.settings().white.connection_depth, 5);
    EXPECT_EQ(doc.settings().white.life_death_depth, 6);
    EXPECT_FALSE(doc.computer_to_move());
    doc.human_pass();
    EXPECT_TRUE(doc.computer_to_move());
}

TEST_F(Document, NewWithPropertiesAndTheSeed) {
    // Use unchecked: the seed value stays and the generator is not reseeded.
    game_settings g = {.handicap = 0, .komi = 6.5f, .seed = 77, .use_seed = false};
    subtractive_random expected = random_generator();
    ASSERT_TRUE(doc.new_game_with_properties(&g));
    EXPECT_FALSE(doc.settings().use_seed);
    EXPECT_EQ(doc.settings().seed, 0);
    EXPECT_FLOAT_EQ(doc.settings().komi, 6.5f);
    EXPECT_DOUBLE_EQ(random_uniform(), expected.uniform());
    // Use checked: the seed is taken and the new game reseeds.
    g = {.handicap = 2, .komi = 0.5f, .seed = 77, .use_seed = true};
    ASSERT_TRUE(doc.new_game_with_properties(&g));
    EXPECT_EQ(doc.settings().seed, 77);
    EXPECT_EQ(doc.settings().handicap, 2);
    subtractive_random seeded;
    seeded.set_seed(77);
    EXPECT_DOUBLE_EQ(random_uniform(), seeded.uniform());
    // Cancel keeps the settings but still starts a new game.
    both_human();
    ASSERT_TRUE(click("jj"));
    doc.set_modified(false);
    ASSERT_TRUE(doc.new_game_with_properties(nullptr));
    EXPECT_EQ(doc.settings().handicap, 2);
    EXPECT_EQ(doc.game().eng().no_moves, 2);
    EXPECT_TRUE(doc.is_paused());
}

TEST_F(Document, CancellingTheSavePromptKeepsTheGame) {
    both_human();
    ASSERT_TRUE(click("dd"));
    ui.save_answer = false;
    const document_state before(doc);
    EXPECT_FALSE(doc.new_game());
    game_settings g = {.handicap = 3, .komi = 0.0f, .seed = 5, .use_seed = true};
    EXPECT_FALSE(doc.new_game_with_properties(&g));
    EXPECT_EQ(ui.save_prompts, 2);
    EXPECT_TRUE(document_state(doc) == before);
    // Leave to go on: the new game starts, and the changes stay unsaved.
    ui.save_answer = true;
    EXPECT_TRUE(doc.new_game());
    EXPECT_EQ(doc.game().eng().no_moves, 0);
    EXPECT_TRUE(doc.is_modified());
    // An unmodified game is not asked about.
    doc.set_modified(false);
    EXPECT_TRUE(doc.new_game());
    EXPECT_EQ(ui.save_prompts, 3);
}

TEST_F(Document, RightClickNavigation) {
    both_human();
    for (const char* p : {"dd", "pp", "dp", "pd", "jj"})
        ASSERT_TRUE(click(p));
    doc.start();
    doc.undo_to(16, 16);  // pp: the position right after it was played
    EXPECT_EQ(last_point(), "pp");
    EXPECT_EQ(doc.side(), 1);
    EXPECT_TRUE(doc.is_paused());
    doc.redo_to(10, 10);  // jj: forward until it is played
    EXPECT_EQ(last_point(), "jj");
    EXPECT_EQ(doc.side(), -1);
    doc.undo_to(4, 4);
    EXPECT_EQ(last_point(), "dd");
    doc.redo_to(1, 1);  // never played: everything is redone
    EXPECT_EQ(last_point(), "jj");
    EXPECT_FALSE(doc.game().can_redo());
    doc.undo_all();
    EXPECT_EQ(last_point(), "none");
    EXPECT_EQ(doc.side(), 1);
    doc.redo_all();
    EXPECT_EQ(last_point(), "jj");
    EXPECT_EQ(doc.side(), -1);
    // A new move forgets what could be redone.
    doc.undo();
    ASSERT_TRUE(click("qq"));
    EXPECT_FALSE(doc.is_enabled(game_command::redo));
}

TEST_F(Document, SavedGameReadsBackTheSame) {
    game_settings g = {.handicap = 3, .komi = 0.5f, .seed = 0, .use_seed = true};
    ASSERT_TRUE(doc.new_game_with_properties(&g));
    game_settings p = {{true, 12, 7, 3}, {false, 10, 8, 4}};
    doc.set_players(&p);
    // White captures a Black stone on the way.
    for (const char* m : {"ab", "aa", "ba"})
        ASSERT_TRUE(click(m));
    ASSERT_TRUE(doc.human_pass());
    ASSERT_TRUE(click("jj"));
    EXPECT_EQ(doc.captured_stones(), std::make_pair(1, 0));
    const std::string text = doc.save_text();

    fake_game_ui other_ui;
    game_control other(other_ui, [](const board_report&) { return 0; });
    other.new_document();
    ASSERT_TRUE(other.load_text(text)) << (other_ui.messages.empty() ? "" : other_ui.messages[0]);
    EXPECT_EQ(other.settings().handicap, 3);
    EXPECT_EQ(other.setup_stones(), 0);
    EXPECT_FLOAT_EQ(other.settings().komi, 0.5f);
    EXPECT_EQ(other.side(), doc.side());
    EXPECT_TRUE(other.settings().black.computer);
    EXPECT_FALSE(other.settings().white.computer);
    EXPECT_EQ(other.settings().black.status_depth, 12);
    EXPECT_EQ(other.settings().black.connection_depth, 7);
    EXPECT_EQ(other.settings().black.life_death_depth, 3);
    EXPECT_EQ(other.captured_stones(), std::make_pair(1, 0));
    for (int k = 0; k < 361; ++k) {
        EXPECT_EQ(other.game().eng().points[k]->colour, doc.game().eng().points[k]->colour);
    }
    EXPECT_EQ(other.save_text(), text);
    EXPECT_EQ(test::board_mismatch(other.engine_for_checks()), "");
}

TEST_F(Document, FinishedGameReadsBackFinished) {
    both_human();
    ASSERT_TRUE(click("dd"));
    ASSERT_TRUE(doc.human_pass());
    ASSERT_TRUE(doc.human_pass());
    estimate = 3;
    const std::string text = doc.save_text();
    EXPECT_NE(text.find("RE[W+2.500000]"), std::string::npos);
    ASSERT_TRUE(doc.load_text(text));
    EXPECT_TRUE(doc.game().is_over());
    EXPECT_EQ(doc.game().eng().no_moves, 3);
    EXPECT_EQ(doc.save_text(), text);
}

TEST_F(Document, AFinishedRecordNamingASideToMoveStaysTheSameGame) {
    ASSERT_TRUE(doc.load_text("(;PL[W];B[dd];W[pp];B[];W[])"));
    EXPECT_TRUE(doc.game().is_over());
    EXPECT_EQ(doc.game().eng().no_moves, 4);
    const std::string text = doc.save_text();
    ASSERT_TRUE(doc.load_text(text));
    EXPECT_EQ(doc.game().eng().no_moves, 4);
    EXPECT_EQ(doc.save_text(), text);
}

TEST_F(Document, SetupStonesAreNeverUndone) {
    ASSERT_TRUE(doc.load_text("(;AB[aa][bb]AW[cc];B[dd];W[ee])"));
    EXPECT_EQ(doc.settings().handicap, 0);
    EXPECT_EQ(doc.setup_stones(), 3);
    EXPECT_EQ(doc.undo_limit(), 3);
    EXPECT_EQ(doc.side(), 1);
    doc.undo_all();
    EXPECT_EQ(doc.game().eng().no_moves, 3);
    EXPECT_FALSE(doc.is_enabled(game_command::undo));
    doc.redo_all();
    EXPECT_EQ(doc.save_text(),
              "(;FF[4]GM[1]SZ[19]AP[WinKirvo:0.95]\nPB[Human Player]\nPW[Human Player]\n"
              "HA[0]KM[5.500000]\nPL[B]\n;AB[aa]AB[bb]AW[cc]\n;B[dd];W[ee])\n");
}

TEST_F(Document, LoadingResetsTheSettings) {
    game_settings g = {.handicap = 2, .komi = 0.0f, .seed = 9, .use_seed = false};
    ASSERT_TRUE(doc.new_game_with_properties(&g));
    doc.start();
    doc.toggle_evaluations();
    doc.set_modified(true);
    ASSERT_TRUE(doc.load_text("(;KM[6.5]HA[2]AB[dd][pp]PW[WinKirvo:0.9:1:2:3]PL[W])"));
    EXPECT_FALSE(doc.is_modified());
    EXPECT_TRUE(doc.is_paused());
    EXPECT_FALSE(doc.shows_evaluations());
    EXPECT_TRUE(doc.settings().use_seed);
    EXPECT_EQ(doc.settings().seed, 0);
    EXPECT_FLOAT_EQ(doc.settings().komi, 6.5f);
    EXPECT_EQ(doc.settings().handicap, 2);
    EXPECT_EQ(doc.side(), -1);
    // A file without PB: Black is a person.
    EXPECT_FALSE(doc.settings().black.computer);
    EXPECT_TRUE(doc.settings().white.computer);
    EXPECT_EQ(doc.settings().white.connection_depth, 2);
    // The reader's depths come with the file for both colours.
    EXPECT_EQ(doc.settings().black.status_depth, 6);
    subtractive_random seeded;
    seeded.set_seed(0);
    EXPECT_DOUBLE_EQ(random_uniform(), seeded.uniform());
}

TEST_F(Document, HandicapStonesAreTheBlackSetupStones) {
    // A White stone listed first does not become a handicap stone.
    ASSERT_TRUE(doc.load_text("(;HA[2]AW[aa]AB[dd][pp];W[qq])"));
    EXPECT_EQ(doc.settings().handicap, 2);
    EXPECT_EQ(doc.setup_stones(), 1);
    const std::string text = doc.save_text();
    EXPECT_NE(text.find("HA[2]KM[5.500000]\nAB[dd][pp]\nPL[B]\n;AW[aa]\n;W[qq])"),
              std::string::npos)
        << text;
    // A handicap larger than the Black stones given counts only those.
    ASSERT_TRUE(doc.load_text("(;HA[2]AB[dd])"));
    EXPECT_EQ(doc.settings().handicap, 1);
    EXPECT_EQ(doc.setup_stones(), 0);
    EXPECT_FALSE(doc.is_enabled(game_command::undo));
}

class RefusedFile : public Document {
  protected:
    void SetUp() override {
        Document::SetUp();
        both_human();
        for (const char* m : {"dd", "pp", "dp", "pd"})
            ASSERT_TRUE(click(m));
        doc.undo();
        doc.set_komi(7.5f);
        ASSERT_TRUE(doc.save_file(file_name));
        ASSERT_TRUE(click("jj"));
        doc.undo();
    }
    void TearDown() override { std::remove(file_name); }

    // Loads the text and checks that it was refused with that message and
    // that nothing of the document changed.
    void expect_refused(const std::string& contents, const std::string& message) {
        const document_state before(doc);
        ui.messages.clear();
        EXPECT_FALSE(doc.load_text(contents)) << contents;
        ASSERT_EQ(ui.messages.size(), 1u) << contents;
        EXPECT_EQ(ui.messages[0], message);
        EXPECT_TRUE(document_state(doc) == before) << contents;
        EXPECT_EQ(test::board_mismatch(doc.engine_for_checks()), "");
    }

    const char* file_name = "refused_file_test.sgf";
};

TEST_F(RefusedFile, IllegalMovesAndStones) {
    ASSERT_TRUE(doc.is_modified());
    expect_refused("(;B[dd];W[dd])", "Illegal move at move 2: W[dd]");
    expect_refused("(;AB[ab][ba];W[aa])", "Illegal move at move 1: W[aa]");  // suicide
    // Black takes the ko at cb; White may not take back at once.
    expect_refused("(;AB[ba][ab][bc]AW[ca]AW[bb]AW[db]AW[cc];B[cb];W[bb])",
                   "Illegal move at move 2: W[bb]");
    expect_refused("(;AB[dd]AW[dd];B[pp])", "Illegal setup stone: AW[dd]");
    expect_refused("(;HA[1]AB[dd][dd])", "Illegal setup stone: AB[dd]");
    // "AB[]" and "AW[tt]" name no point of the board.
    expect_refused("(;AB[dd][];B[pp])", "Illegal setup stone: AB[tt]");
    expect_refused("(;AW[tt];B[pp])", "Illegal setup stone: AW[tt]");
    // The same ko is legal once a pair of other moves came between.
    ASSERT_TRUE(doc.load_text("(;AB[ba][ab][bc]AW[ca]AW[bb]AW[db]AW[cc];B[cb];W[pp];B[dd];W[bb])"));
    EXPECT_EQ(doc.game().colour_at(3, 2), 0);
}

TEST_F(RefusedFile, ReaderErrorsAndEmptyFiles) {
    expect_refused("(;B[dd];B[pp])", "Wrong player at move 2");
    expect_refused("", "The file is empty: there is no game to read.");
    expect_refused("(;GM[1]SZ[19];B[dd];W[pp]",
                   "The file holds no complete game record: no \")\" closes it.");
    expect_refused("  \n", "The file holds no complete game record: no \")\" closes it.");
    // A text that ends inside a value is refused without a message.
    const document_state before(doc);
    ui.messages.clear();
    EXPECT_FALSE(doc.load_text("(;B[dd];W[)"));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(document_state(doc) == before);
}

// Files from anywhere: each is read as the game it holds, or refused with a
// message and the document as it was.
TEST_F(RefusedFile, HostileFiles) {
    const std::string game = "(;B[dd];W[pp])";
    auto expect_read = [&](const std::string& contents, const char* what) {
        ui.messages.clear();
        EXPECT_TRUE(doc.load_text(contents)) << what;
        EXPECT_TRUE(ui.messages.empty()) << what;
        EXPECT_EQ(last_point(), "pp") << what;
        EXPECT_EQ(test::board_mismatch(doc.engine_for_checks()), "") << what;
    };
    {
        // 50 MB, nearly all of it one comment on one line.
        const char* big = "hostile_file_test.sgf";
        std::ofstream(big, std::ios::binary)
            << "(;C[" << std::string(50'000'000, 'x') << "];B[dd];W[pp])";
        ui.messages.clear();
        EXPECT_TRUE(doc.open_file(big));
        std::remove(big);
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_EQ(last_point(), "pp");
    }
    expect_read("\xef\xbb\xbf" + game, "a byte order mark");
    expect_read("(;PB[\xff\xfe\xc3(]C[\xed\xa0\x80];B[dd];W[pp])", "invalid UTF-8");
    expect_read(game + std::string(1000000, 'y'), "a long line after the game");
    expect_refused(std::string("(;B[dd]\0;W[pp])", 15),
                   std::string("Illegal first character of property name: \0 (0).\n(Null "
                               "character probably indicates unexpected end of file.)",
                               108));
}

TEST_F(RefusedFile, OpeningAndSavingFiles) {
    EXPECT_EQ(doc.title(), file_name);
    EXPECT_FALSE(doc.open_file("no/such/file.sgf"));
    EXPECT_EQ(ui.messages.back(), "Cannot open the file no/such/file.sgf.");
    // A folder and a device are not files with a game in them.
    EXPECT_FALSE(doc.open_file("."));
    EXPECT_EQ(ui.messages.back(), "Cannot open the file ..");
    EXPECT_FALSE(doc.open_file("/dev/zero"));
    EXPECT_EQ(ui.messages.back(), "Cannot open the file /dev/zero.");
    EXPECT_FALSE(doc.save_file("no/such/dir/file.sgf"));
    EXPECT_TRUE(doc.is_modified());
    EXPECT_EQ(doc.path(), file_name);
    ASSERT_TRUE(doc.open_file(file_name));
    EXPECT_EQ(ui.waiting, 0);
    EXPECT_FALSE(doc.is_modified());
    EXPECT_EQ(last_point(), "dp");
    EXPECT_FLOAT_EQ(doc.settings().komi, 7.5f);
    EXPECT_TRUE(doc.new_game());
    EXPECT_EQ(doc.title(), "Untitled");
    EXPECT_EQ(doc.path(), "");
}

TEST_F(Document, TheLongestGame) {
    const int limit = engine::max_game_moves;
    const std::string too_long = test::long_game_sgf(limit + 1);
    EXPECT_FALSE(doc.load_text(too_long));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0],
              "This game is too long: it has 1601 moves and setup stones, and at "
              "most 1600 can be played.");
    // One move less is accepted, and then no move or pass can be added.
    const std::string longest = too_long.substr(0, too_long.rfind(';')) + ")";
    ASSERT_TRUE(doc.load_text(longest)) << ui.messages.back();
    EXPECT_EQ(doc.game().eng().no_moves, limit);
    EXPECT_EQ(doc.engine_for_checks().check_position(), 0);
    ui.messages.clear();
    EXPECT_FALSE(doc.human_pass());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0],
              "The game has reached 1600 moves, the longest game this program can play.");
    EXPECT_EQ(doc.game().eng().no_moves, limit);
}

}  // namespace

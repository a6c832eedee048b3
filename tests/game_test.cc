#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/board/coordinates.h"
#include "game/game.h"
#include "tests/support/board_helpers.h"

namespace {

std::vector<std::string> history_points(Game& g) {
    std::vector<std::string> out;
    const engine& e = g.eng();
    for (int i = 0; i < e.no_moves; ++i) {
        const point* p = e.move_stack[i].where;
        out.push_back(p->is_pass() ? "tt" : coord::sgf_point(p->x, p->y));
    }
    return out;
}

TEST(Game, HandicapStonesCountForBlackAndAreNeverUndone) {
    Game g;
    g.new_game(2, 0, false);
    EXPECT_EQ(history_points(g), (std::vector<std::string>{"dd", "pp"}));
    EXPECT_EQ(g.stones_played[0], 2);
    EXPECT_EQ(g.stones_played[1], 0);
    EXPECT_FALSE(g.can_undo(2));
    EXPECT_TRUE(g.can_undo(1));
    g.play(3, 3, -1);
    EXPECT_TRUE(g.can_undo(2));
    // A new game forgets the old one entirely.
    g.new_game(0, 0, false);
    EXPECT_EQ(g.eng().no_moves, 0);
    EXPECT_EQ(g.stones_played[0], 0);
    EXPECT_EQ(g.last_move(), nullptr);
    EXPECT_FALSE(g.can_redo());
}

TEST(Game, PassesEndTheGameAndUndoRestoresTheCount) {
    Game g;
    g.new_game(0, 0, false);
    g.play(4, 4, 1);
    g.pass_human(-1);
    g.pass_human(1);
    EXPECT_TRUE(g.is_over());
    EXPECT_EQ(g.consecutive_passes, 2);
    EXPECT_EQ(g.undo().colour, 1);
    EXPECT_EQ(g.consecutive_passes, 1);
    EXPECT_FALSE(g.is_over());
    EXPECT_EQ(g.undo().colour, -1);
    EXPECT_EQ(g.consecutive_passes, 0);
    EXPECT_EQ(g.undo().where, g.eng().at(4, 4));
    EXPECT_EQ(g.stones_played[0], 0);
    EXPECT_FALSE(g.can_undo(0));
    // Redo walks the same way forward.
    g.redo();
    g.redo();
    g.redo();
    EXPECT_TRUE(g.is_over());
    EXPECT_EQ(g.stones_played[0], 1);
    EXPECT_FALSE(g.can_redo());
}

TEST(Game, UndoingAStoneAfterAPassCountsThePassAgain) {
    Game g;
    g.new_game(0, 0, false);
    g.play(0, 0, 1);
    g.play(16, 16, -1);
    EXPECT_EQ(g.consecutive_passes, 0);
    g.undo();
    EXPECT_EQ(g.consecutive_passes, 1);
    EXPECT_TRUE(g.can_undo(0));  // the pass itself can be taken back
}

TEST(Game, CapturedStonesAndStonesOnBoard) {
    Game g;
    g.new_game(0, 0, false);
    // White aa is captured by Black ab and ba.
    g.play(1, 2, 1);
    g.play(1, 1, -1);
    g.play(2, 1, 1);
    EXPECT_EQ(g.colour_at(1, 1), 0);
    EXPECT_EQ(g.stones_on_board(), std::make_pair(2, 0));
    EXPECT_EQ(g.captured_stones(), std::make_pair(0, 1));
    g.undo();
    EXPECT_EQ(g.captured_stones(), std::make_pair(0, 0));
    EXPECT_EQ(g.colour_at(1, 1), -1);
}

TEST(Game, PointTextAndLegality) {
    Game g;
    g.new_game(0, 0, false);
    g.play_point_text("tt", 1);
    EXPECT_EQ(g.consecutive_passes, 1);
    EXPECT_TRUE(g.last_move()->where->is_pass());
    g.play_point_text("aa", -1);
    EXPECT_EQ(g.colour_at(1, 1), -1);
    g.play_point_text("ss", 1);
    EXPECT_EQ(g.colour_at(19, 19), 1);
    EXPECT_EQ(g.consecutive_passes, 0);
    EXPECT_FALSE(g.is_legal_move(1, 1, 1));  // occupied
    EXPECT_TRUE(g.is_legal_move(0, 0, 1));   // a pass always is
    EXPECT_TRUE(g.is_legal_move(2, 2, 1));
}

TEST(Game, HumanMovesClearTheCachedEvaluationsAround) {
    Game g;
    g.new_game(0, 0, false);
    point* near = g.eng().at(11, 12);  // inside the 5x5 square of kk
    point* far = g.eng().at(14, 14);
    near->set_cache(1, 1, 0.7);
    far->set_cache(1, 1, 0.7);
    g.play_human(11, 11, 1);
    EXPECT_NE(near->cache(1, 1), 0.7);
    EXPECT_EQ(far->cache(1, 1), 0.7);
}

TEST(Game, DepthsGoToTheEngine) {
    Game g;
    g.set_depths(10, 8, 4);
    EXPECT_EQ(g.eng().max_depth_status, 10);
    EXPECT_EQ(g.eng().max_depth_connection, 8);
    EXPECT_EQ(g.eng().max_depth_life_death, 4);
}

TEST(Game, SavedStateRebuildsBoardRecordRedoAndCounts) {
    Game g;
    g.new_game(2, 0, false);
    unsigned state = 7;
    for (int i = 0; i < 120; ++i) {
        point* p = test::random_legal_move(g.eng(), state, 1, 7, 1, 7);
        g.play(p->x, p->y, g.eng().turn());
    }
    for (int i = 0; i < 9; ++i)
        g.undo();
    const Game::saved_state saved = g.save();
    std::vector<int> colours;
    for (int k = 0; k < 361; ++k)
        colours.push_back(g.eng().points[k]->colour);
    const int passes = g.consecutive_passes;
    const auto played = std::make_pair(g.stones_played[0], g.stones_played[1]);
    const std::vector<std::string> record = history_points(g);

    g.new_game(0, 0, false);
    g.play(10, 10, 1);
    g.restore(saved);
    EXPECT_EQ(history_points(g), record);
    for (int k = 0; k < 361; ++k)
        EXPECT_EQ(g.eng().points[k]->colour, colours[k]) << k;
    EXPECT_EQ(g.consecutive_passes, passes);
    EXPECT_EQ(std::make_pair(g.stones_played[0], g.stones_played[1]), played);
    EXPECT_EQ(test::board_mismatch(g.eng()), "");
    EXPECT_EQ(g.eng().check_position(), 0);
    // The nine undone moves are still there to redo.
    int redone = 0;
    while (g.can_redo()) {
        g.redo();
        ++redone;
    }
    EXPECT_EQ(redone, 9);
    EXPECT_EQ(test::board_mismatch(g.eng()), "");
}

TEST(Game, RoomForMovesStopsAtTheLongestGame) {
    Game g;
    g.new_game(0, 0, false);
    EXPECT_TRUE(g.has_room_for(engine::max_game_moves));
    EXPECT_FALSE(g.has_room_for(engine::max_game_moves + 1));
    g.play(4, 4, 1);
    EXPECT_FALSE(g.has_room_for(engine::max_game_moves));
}

}  // namespace

// The computer's move: whole games without knowledge files, the rule that
// picks among candidates, and the terms that depend on the move number or
// the colour.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "engine/base/data_files.h"
#include "engine/base/random.h"
#include "engine/engine.h"
#include "engine/play/move_choice.h"
#include "game/game.h"
#include "tests/support/board_helpers.h"
#include "tests/support/data_dir.h"

namespace {

struct played_move {
    int index;  // in engine::points; 361 for a pass
    int colour;
    bool operator==(const played_move&) const = default;
};

// The computer plays both sides from a new game until two passes in a row
// end it or max_moves were played; every position on the way must pass the
// engine's own check and agree with a recomputation of its strings.
std::vector<played_move> self_play(int seed, int max_moves, int depth) {
    Game game;
    game.new_game(0, seed, true);
    game.set_depths(depth, depth, depth);
    engine& e = game.eng();
    std::vector<played_move> moves;
    int colour = 1;
    while (!game.is_over() && static_cast<int>(moves.size()) < max_moves) {
        const int before = e.no_moves;
        point* p = game.generate(colour);
        moves.push_back({p->index, colour});
        EXPECT_EQ(e.no_moves, before + 1);
        EXPECT_EQ(e.last_point(), p);
        EXPECT_TRUE(p->is_pass() || p->colour == colour) << "move " << moves.size();
        EXPECT_EQ(e.in_generation, 0);
        EXPECT_EQ(e.check_position(), 0) << "move " << moves.size();
        EXPECT_EQ(test::board_mismatch(e), "") << "move " << moves.size();
        colour = -colour;
    }
    return moves;
}

// Each move was legal in the position it was played in.
void expect_all_legal(const std::vector<played_move>& moves) {
    engine e;
    for (size_t i = 0; i < moves.size(); ++i) {
        point* p = e.points[moves[i].index];
        if (!p->is_pass()) {
            ASSERT_TRUE(e.is_legal_move(p, moves[i].colour)) << "move " << i + 1;
        }
        e.play_move(p, moves[i].colour);
    }
}

TEST(MoveGenerationWithoutData, EmptyBoardGivesALegalStone) {
    test::scoped_data_dir none;
    engine e;
    e.set_depth_limits(2, 2, 2);
    set_random_seed(1);
    point* p = e.generate_move(1);
    ASSERT_FALSE(p->is_pass());
    EXPECT_EQ(p->colour, 1);
    EXPECT_EQ(e.no_moves, 1);
    // Every network answers one half, above the shape threshold: every
    // point of the empty board was a candidate.
    EXPECT_GE(e.candidates_evaluated, 361);
    EXPECT_EQ(e.check_position(), 0);
}

TEST(MoveGenerationWithoutData, WholeGameEndsWithTwoPassesAndRepeats) {
    test::scoped_data_dir none;
    const std::vector<played_move> game = self_play(11, 400, 1);
    ASSERT_GE(game.size(), 2u);
    ASSERT_LT(game.size(), 400u);
    EXPECT_EQ(game[game.size() - 1].index, 361);
    EXPECT_EQ(game[game.size() - 2].index, 361);
    int stones = 0;
    for (const played_move& m : game) stones += m.index != 361;
    EXPECT_GT(stones, 10);
    expect_all_legal(game);
    // The same seed and the same moves: the same game, in the same process
    // (its first twelve moves keep the test short).
    const std::vector<played_move> again = self_play(11, 12, 1);
    EXPECT_EQ(again, std::vector<played_move>(game.begin(), game.begin() + again.size()));
}

TEST(MoveGenerationWithoutData, AnotherSeedAnotherOpening) {
    test::scoped_data_dir none;
    EXPECT_NE(self_play(1, 4, 2), self_play(2, 4, 2));
}

TEST(MoveGenerationWithoutData, DefaultDepthsPlayAFewMoves) {
    test::scoped_data_dir none;
    Game game;
    game.new_game(0, 5, true);
    game.set_depths(10, 8, 4);
    engine& e = game.eng();
    test::place(e, {"", "", "", "...X.O", "...XO", "..XO"});
    int colour = e.turn();
    for (int i = 0; i < 3; ++i) {
        point* p = game.generate(colour);
        EXPECT_TRUE(p->is_pass() || p->colour == colour);
        EXPECT_EQ(e.check_position(), 0);
        EXPECT_EQ(test::board_mismatch(e), "");
        colour = -colour;
    }
}

// --- the choice among candidates ----------------------------------------

class Choice : public ::testing::Test {
  protected:
    test::scoped_data_dir none;
    engine e;
    point_set k;

    // The candidates a, b, c in the set's iteration order, valued in turn.
    move_choice choose(std::vector<double> values, move_choice floor) {
        size_t next = 0;
        return choose_best(k, floor, [&](point*) { return values[next++]; });
    }
    void SetUp() override {
        for (const char* name : {"aa", "bb", "cc"}) k.add(test::pt(e, name));
        order = k.to_vector();
    }
    std::vector<point*> order;
};

TEST_F(Choice, TiesKeepTheEarlierCandidate) {
    const move_choice c = choose({1.0, 3.0, 3.0}, {e.pass_point, 0.0});
    EXPECT_EQ(c.best, order[1]);
    EXPECT_EQ(c.value, 3.0);
}

TEST_F(Choice, TwoIsAcceptedJustBelowIsNot) {
    const move_choice two = choose({2.0, 1.0, 0.5}, {e.pass_point, 0.0});
    EXPECT_EQ(two.best, order[0]);
    EXPECT_TRUE(is_accepted(two, e.pass_point));
    const move_choice below = choose({1.999, 1.0, 0.5}, {e.pass_point, 0.0});
    EXPECT_EQ(below.best, order[0]);
    EXPECT_FALSE(is_accepted(below, e.pass_point));
    EXPECT_FALSE(is_accepted({e.pass_point, 5.0}, e.pass_point));
}

TEST_F(Choice, NanNeverWins) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const move_choice c = choose({nan, nan, nan}, {e.pass_point, 0.0});
    EXPECT_EQ(c.best, e.pass_point);
    EXPECT_FALSE(is_accepted({order[0], nan}, e.pass_point));
}

TEST_F(Choice, HalfDoesNotBeatThePassInTheSecondChoice) {
    EXPECT_EQ(choose({0.5, 0.5, 0.2}, {e.pass_point, secondary_floor}).best, e.pass_point);
    EXPECT_EQ(choose({0.5, 0.5000001, 0.2}, {e.pass_point, secondary_floor}).best, order[1]);
}

// --- terms that depend on the move number and the colour ----------------

void play_passes(engine& e, int n) {
    for (int i = 0; i < n; ++i) e.play_move(e.pass_point, e.turn());
}

TEST(OpenThirdLine, OnlyBetweenTheNinthAndTheFiftiethMove) {
    test::scoped_data_dir none;
    for (int n : {8, 9, 49, 50}) {
        engine e;
        play_passes(e, n);
        e.evaluate(e.turn());
        e.find_open_third_line();
        if (n == 8 || n == 50) {
            EXPECT_EQ(e.open_third_line, nullptr) << n;
        } else {
            // Nothing controls anything: the first point of the scan.
            EXPECT_EQ(e.open_third_line, e.at(3, 3)) << n;
        }
    }
}

TEST(OpenThirdLine, TheLeastControlledEmptyPointInScanOrder) {
    test::scoped_data_dir none;
    engine e;
    test::place(e, {"", "", "..X"});
    play_passes(e, 9);
    e.evaluate(e.turn());
    e.find_open_third_line();
    ASSERT_NE(e.open_third_line, nullptr);
    EXPECT_EQ(e.open_third_line->colour, 0);
    const point* p = e.open_third_line;
    EXPECT_TRUE(p->x == 3 || p->y == 3 || p->x == 17 || p->y == 17);
    EXPECT_LT(p->control_black + p->control_white, 0.5);
}

// The equity of candidate p for a, evaluated as move generation does.
double candidate_equity(engine& e, point* p, int a) {
    e.push(e.pass_point, a);
    const double pass_value = e.evaluate(a);
    e.snapshot();
    e.pop();
    point_set no_moyo;
    p->score = e.shape_eval(p, a, p->sente_value);
    e.evaluate_candidate(p, a, e.last_point(), 0.0, no_moyo, pass_value);
    return p->equity;
}

// The same candidate valued under two seeds.
std::pair<double, double> equity_under_two_seeds(int passes) {
    std::pair<double, double> equities;
    for (int seed : {1, 2}) {
        engine e;
        play_passes(e, passes);
        set_random_seed(seed);
        const double v = candidate_equity(e, e.at(10, 10), e.turn());
        (seed == 1 ? equities.first : equities.second) = v;
    }
    return equities;
}

TEST(CandidateTerms, RandomOnlyBeforeTheFiftiethMove) {
    test::scoped_data_dir none;
    // The candidate itself is the 49th move: a random term.
    const auto early = equity_under_two_seeds(48);
    EXPECT_NE(early.first, early.second);
    // Quarter points apart.
    const double quarters = (early.first - early.second) / 0.25;
    EXPECT_NEAR(quarters, std::round(quarters), 1e-9);
    // As the 50th move it has none.
    const auto late = equity_under_two_seeds(49);
    EXPECT_EQ(late.first, late.second);
}

TEST(CandidateTerms, PressingLoneStonesPenalisesWhiteOnly) {
    test::scoped_data_dir none;
    // A Black string of four pressed by four lone White stones; the point
    // (9, 10) touches only Black.
    const std::vector<std::string> picture = {
        "", "", "", "", "", "", "", "", "", "..........O", ".......OXXXXO", "..........O",
    };
    engine white_to_play;
    test::place(white_to_play, picture);
    if (white_to_play.turn() != -1) white_to_play.play_move(white_to_play.pass_point, 1);
    const double white = candidate_equity(white_to_play, white_to_play.at(9, 10), -1);
    EXPECT_LT(white, -80.0);
    EXPECT_EQ(white_to_play.check_position(), 0);

    engine black_to_play;
    test::place(black_to_play, picture);
    if (black_to_play.turn() != 1) black_to_play.play_move(black_to_play.pass_point, -1);
    EXPECT_GT(candidate_equity(black_to_play, black_to_play.at(9, 10), 1), -50.0);
}

}  // namespace

namespace {

TEST(OpponentSente, NothingToAnswerEarlyOrAfterAPass) {
    test::scoped_data_dir none;
    engine e;
    EXPECT_EQ(e.opponent_sente(), 0.0);
    e.play_move(e.at(4, 4), 1);
    EXPECT_EQ(e.opponent_sente(), 0.0);  // a single move on the board
    e.play_move(e.pass_point, -1);
    EXPECT_EQ(e.opponent_sente(), 0.0);
}

TEST(OpponentSente, TheLastMovesFollowUpValueLeavesTheBoard) {
    test::scoped_data_dir none;
    engine e;
    e.play_move(e.at(4, 4), 1);
    e.play_move(e.at(16, 16), -1);
    e.evaluate(1);
    const std::string before = test::board_mismatch(e);
    // Without weights the shape network answers one half.
    EXPECT_DOUBLE_EQ(e.opponent_sente(), 0.5);
    EXPECT_EQ(e.no_moves, 2);
    EXPECT_EQ(e.last_point(), e.at(16, 16));
    EXPECT_EQ(e.at(16, 16)->colour, -1);
    EXPECT_EQ(test::board_mismatch(e), before);
}

TEST(CandidateCollection, TheOpenThirdLinePointIsACandidate) {
    test::scoped_data_dir none;
    engine e;
    play_passes(e, 10);
    e.push(e.pass_point, e.turn());
    e.evaluate(e.turn());
    e.snapshot();
    e.pop();
    point_set k;
    e.collect_candidates(e.turn(), e.last_point(), k);
    ASSERT_EQ(e.open_third_line, e.at(3, 3));
    EXPECT_TRUE(k.contains(e.at(3, 3)));
    EXPECT_EQ(e.at(3, 3)->score, 0.9);
    // Every other point keeps the network's neutral value.
    EXPECT_EQ(e.at(10, 10)->score, 0.5);
    EXPECT_EQ(e.no_moves, 10);
}

// The capture cycle of the lower left corner: Black B1 (with A2, A3) against
// White B2, C2, D1.  Black C1 puts B1-C1 in atari, White A1 takes the two
// stones, Black B1 takes A1 back, and after a White pass Black C1 starts the
// cycle again: the simple ko rule never stops it.
struct capture_cycle {
    engine e;
    capture_cycle() {
        std::vector<std::string> picture(16, "");
        picture.insert(picture.end(), {"X", "XOO", ".X.O"});
        test::place(e, picture);
        if (e.turn() != -1) e.play_move(e.pass_point, 1);
    }
    point* c1() { return e.at(3, 19); }
    point* b1() { return e.at(2, 19); }
    point* a1() { return e.at(1, 19); }
    void play(point* p, int colour) { e.play_move(p, colour); }
};

// The same corner on a board with nothing else to play: Black owns the upper
// left, White the rest, both with single-point eyes on the even points; the
// White stones of the corner belong to White's group along the edge.
std::vector<std::string> full_board_cycle() {
    auto black = [](int x, int y) { return (x <= 9 && y <= 16) || (x == 1 && y >= 17); };
    std::vector<std::string> rows;
    for (int y = 1; y <= 19; ++y) {
        std::string row;
        for (int x = 1; x <= 19; ++x) {
            const bool own_neighbours =
                black(x, y) == black(x - 1, y) && black(x, y) == black(x + 1, y) &&
                black(x, y) == black(x, y - 1) && black(x, y) == black(x, y + 1);
            const bool eye = x % 2 == 0 && y % 2 == 0 && own_neighbours && y < 18;
            row += eye ? '.' : black(x, y) ? 'X' : 'O';
        }
        rows.push_back(row);
    }
    rows[18].replace(0, 3, ".X.");  // A1 empty, B1 Black, C1 empty
    return rows;
}

TEST(RepeatedBoards, TheComputerNeverRetakesIntoARepeatedBoard) {
    // With the shipped networks the computer values the retake highly.
    set_data_dir(std::string(WINKIRVO_REGRESS_DIR) + "/../../data");
    engine e;
    set_data_dir("");
    test::place(e, full_board_cycle());
    ASSERT_EQ(test::board_mismatch(e), "");
    if (e.turn() != -1) e.play_move(e.pass_point, 1);
    point* c1 = e.at(3, 19);
    point* b1 = e.at(2, 19);
    point* a1 = e.at(1, 19);
    e.play_move(e.pass_point, -1);
    e.play_move(c1, 1);
    e.play_move(a1, -1);  // takes B1 and C1
    ASSERT_EQ(b1->colour, 0);
    e.collect_game_boards();
    // The walk back through the records ends on the empty board.
    EXPECT_EQ(e.game_boards.back(), position_key::board_words{});
    // Taking A1 back would bring back the board before Black's C1; the
    // simple ko rule alone allows it, for a person or a file.
    EXPECT_TRUE(e.repeats_game_board(b1, 1));
    EXPECT_TRUE(e.is_legal_move(b1, 1));
    EXPECT_FALSE(e.repeats_game_board(c1, 1));
    EXPECT_FALSE(e.repeats_game_board(e.pass_point, 1));
    set_random_seed(1);
    e.set_depth_limits(2, 2, 2);
    EXPECT_EQ(e.generate_move(1), e.pass_point);
    EXPECT_EQ(e.check_position(), 0);
    EXPECT_EQ(test::board_mismatch(e), "");
}

TEST(RepeatedBoards, AStoneRepeatsOnlyABoardTheGameHasHad) {
    test::scoped_data_dir none;
    capture_cycle c;
    // Before the cycle has run once, C1 makes a new board.
    c.e.collect_game_boards();
    EXPECT_FALSE(c.e.repeats_game_board(c.c1(), 1));
    c.play(c.e.pass_point, -1);
    c.play(c.c1(), 1);
    c.play(c.a1(), -1);
    c.play(c.b1(), 1);
    c.play(c.e.pass_point, -1);
    c.e.collect_game_boards();
    EXPECT_TRUE(c.e.repeats_game_board(c.c1(), 1));
    // White's capture at A1 would repeat too, once C1 were played again.
    c.play(c.c1(), 1);
    c.e.collect_game_boards();
    EXPECT_TRUE(c.e.repeats_game_board(c.a1(), -1));
}

}  // namespace

#include <gtest/gtest.h>

#include <map>

#include "engine/engine.h"
#include "tests/support/board_helpers.h"

namespace {

using test::pt;

TEST(Rules, CaptureOfOneAndOfSeveralStrings) {
    engine e;
    test::place(e, {".XO", "XO.", ".X"});
    // The white stone on bb has one liberty, cb.
    ASSERT_EQ(pt(e, "bb")->liberties(), 1);
    e.push(pt(e, "cb"), 1);
    EXPECT_EQ(pt(e, "bb")->colour, 0);
    EXPECT_EQ(e.last_move()->captured.count(), 1);
    EXPECT_EQ(test::board_mismatch(e), "");

    engine m;
    // One Black stone on ab takes two white strings at once.
    test::place(m, {"OX", ".O", "OX", "X"});
    ASSERT_EQ(pt(m, "aa")->liberties(), 1);
    ASSERT_EQ(pt(m, "ac")->liberties(), 1);
    m.push(pt(m, "ab"), 1);
    EXPECT_EQ(m.last_move()->captured.count(), 2);
    EXPECT_EQ(pt(m, "aa")->colour, 0);
    EXPECT_EQ(pt(m, "ac")->colour, 0);
    EXPECT_EQ(pt(m, "ab")->liberties(), 2);
    EXPECT_EQ(test::board_mismatch(m), "");
    m.pop();
    EXPECT_EQ(pt(m, "aa")->colour, -1);
    EXPECT_EQ(pt(m, "ac")->colour, -1);
    EXPECT_EQ(test::board_mismatch(m), "");
}

TEST(Rules, SuicideIsRefusedUnlessItCaptures) {
    engine e;
    test::place(e, {".O", "O"});
    EXPECT_EQ(e.is_legal_move(pt(e, "aa"), 1), 0);
    EXPECT_EQ(e.is_legal_move(pt(e, "aa"), -1), 1);
    engine f;
    // Same shape, but one white stone is in atari.
    test::place(f, {".OX", "OX"});
    EXPECT_EQ(f.is_legal_move(pt(f, "aa"), 1), 1);
    EXPECT_EQ(f.is_legal_move(pt(f, "ca"), 1), 0);  // occupied
    EXPECT_EQ(f.is_legal_move(f.pass_point, 1), 1);
}

class Ko : public ::testing::Test {
  protected:
    engine e;
    void SetUp() override {
        // .XO.      Black takes at cb, White may not retake at bb at once.
        // XO.O
        // .XO.
        test::place(e, {".XO.", "XO.O", ".XO."});
    }
};

TEST_F(Ko, RetakeRefusedAtOnceAndAllowedAfterAnotherPair) {
    e.push(pt(e, "cb"), 1);
    EXPECT_EQ(e.last_move()->ko, 1);
    EXPECT_EQ(e.key.words[position_key::turn_word],
              e.turn() + 3 * e.no_moves + 100 * pt(e, "cb")->code);
    EXPECT_EQ(e.is_legal_move(pt(e, "bb"), -1), 0);
    e.push(pt(e, "pp"), -1);
    e.push(pt(e, "dd"), 1);
    EXPECT_EQ(e.is_legal_move(pt(e, "bb"), -1), 1);
    e.push(pt(e, "bb"), -1);
    EXPECT_EQ(e.last_move()->ko, 1);
    EXPECT_EQ(test::board_mismatch(e), "");
}

TEST_F(Ko, RetakeAllowedAfterAPairOfPasses) {
    e.push(pt(e, "cb"), 1);
    e.push(e.pass_point, -1);
    e.push(e.pass_point, 1);
    EXPECT_EQ(e.is_legal_move(pt(e, "bb"), -1), 1);
}

// Black da takes the two white stones ba, ca and is left with one liberty;
// White's recapture on ca takes a single stone but is not a ko.
const std::vector<std::string> two_for_one = {"XOO.O", ".XXO"};

TEST(Rules, TwoStonesTakenThenOneRecapturedIsLegal) {
    engine e;
    test::place(e, two_for_one);
    e.push(pt(e, "da"), 1);
    EXPECT_EQ(e.last_move()->captured_stones(), 2);
    EXPECT_EQ(e.last_move()->ko, 0);
    EXPECT_EQ(e.is_legal_move(pt(e, "ca"), -1), 1);
    e.push(pt(e, "ca"), -1);
    EXPECT_EQ(e.last_move()->captured_stones(), 1);
    EXPECT_EQ(pt(e, "da")->colour, 0);
    EXPECT_EQ(test::board_mismatch(e), "");
}

TEST(Rules, PassHandsTheMoveOverAndTouchesOnlyTheTurnWord) {
    engine e;
    e.push(pt(e, "dd"), 1);
    position_key before = e.key;
    e.push(e.pass_point, -1);
    EXPECT_EQ(e.turn(), 1);
    EXPECT_EQ(e.pass_point->colour, 0);
    EXPECT_EQ(e.last_move()->colour, -1);
    EXPECT_EQ(e.last_point(), e.pass_point);
    for (int w = 0; w < position_key::n_words; ++w) {
        if (w != position_key::turn_word) {
            EXPECT_EQ(e.key.words[w], before.words[w]) << w;
        }
    }
    EXPECT_EQ(e.key.words[position_key::turn_word], 1 + 3 * 2);
}

TEST(Rules, SensibleMoves) {
    engine e;
    // Black aa would be a lone stone with one liberty that White takes.
    test::place(e, {".O"});
    EXPECT_EQ(e.is_legal_move(pt(e, "aa"), 1), 1);
    EXPECT_EQ(e.is_sensible_move(pt(e, "aa"), 1), 0);
    EXPECT_EQ(e.is_sensible_move(e.pass_point, 1), 1);
    EXPECT_EQ(e.is_sensible_move(pt(e, "jj"), 1), 1);

    engine f;
    // The capture on da leaves the capturing stone to be taken back at once.
    test::place(f, two_for_one);
    EXPECT_EQ(f.is_legal_move(pt(f, "da"), 1), 1);
    EXPECT_EQ(f.is_sensible_move(pt(f, "da"), 1), 0);

    engine g;
    // Black aa takes ba in a ko shape: one liberty, but White may not retake
    // at once, so the capture is sensible.
    test::place(g, {".OX", "OX"});
    EXPECT_EQ(g.is_sensible_move(pt(g, "aa"), 1), 1);
    EXPECT_EQ(test::board_mismatch(g), "");
}

TEST(Rules, RemoveIllegalAndUnsensible) {
    engine e;
    test::place(e, {".O", "O"});
    point_set s;
    s.add(pt(e, "aa"));
    s.add(pt(e, "dd"));
    s.add(e.pass_point);
    EXPECT_EQ(e.remove_illegal(s, 1), 1);
    EXPECT_EQ(s.count(), 2);
    EXPECT_EQ(e.remove_unsensible(s, 1), 0);
}

TEST(History, PlayUndoRedo) {
    engine e;
    e.play_move(pt(e, "dd"), 1);
    e.play_move(pt(e, "pp"), -1);
    EXPECT_FALSE(e.can_redo());
    EXPECT_EQ(e.next_redo_move(), nullptr);
    e.pop();
    ASSERT_TRUE(e.can_redo());
    ASSERT_NE(e.next_redo_move(), nullptr);
    EXPECT_EQ(e.next_redo_move()->where, pt(e, "pp"));
    // Reading on the undone position does not disturb what redo replays.
    e.push(pt(e, "qq"), -1);
    e.pop();
    EXPECT_EQ(e.next_redo_move()->where, pt(e, "pp"));
    EXPECT_EQ(e.next_redo_move()->colour, -1);
    e.redo_move();
    EXPECT_EQ(pt(e, "pp")->colour, -1);
    EXPECT_FALSE(e.can_redo());
    e.pop();
    e.play_move(pt(e, "cc"), -1);
    EXPECT_FALSE(e.can_redo());
}

TEST(History, ResetBoardEmptiesEverything) {
    engine e;
    unsigned seed = 7;
    for (int i = 0; i < 60; ++i)
        e.play_move(test::random_legal_move(e, seed, 1, 19, 1, 19), e.turn());
    e.reset_board();
    EXPECT_EQ(e.no_moves, 0);
    EXPECT_FALSE(e.can_redo());
    for (int k = 0; k < e.n_points; ++k) {
        EXPECT_EQ(e.points[k]->colour, 0);
        EXPECT_EQ(e.points[k]->str_ptr, nullptr);
        EXPECT_EQ(e.points[k]->spare_black, nullptr);
    }
    EXPECT_EQ(str::live_count(), 0);
    EXPECT_EQ(test::board_mismatch(e), "");
}

// What pop must give back: per point its string, per string its stone list
// in order and its liberties (in order for strings away from the move).
struct snapshot {
    std::vector<str*> owner;
    std::map<str*, std::vector<point*>> stones;
    std::map<str*, std::vector<point*>> liberties;
    position_key key;

    explicit snapshot(engine& e) {
        for (int k = 0; k < e.n_points; ++k) {
            str* s = e.points[k]->str_ptr;
            owner.push_back(s);
            if (s && !stones.count(s)) {
                stones[s] = s->stones.to_vector();
                liberties[s] = s->liberties.to_vector();
            }
        }
        key = e.key;
    }
};

std::vector<int> sorted_indices(const std::vector<point*>& v) {
    std::vector<int> out;
    for (point* p : v)
        out.push_back(p->index);
    std::sort(out.begin(), out.end());
    return out;
}

void expect_restored(engine& e, const snapshot& before, const point* moved) {
    snapshot after(e);
    ASSERT_EQ(after.owner, before.owner) << "a point's string object changed";
    for (auto& [s, stones] : before.stones) {
        EXPECT_EQ(after.stones.at(s), stones);
        bool near_move = moved->n_neighbours > 0 && s->liberties.contains(moved);
        if (near_move) {
            EXPECT_EQ(sorted_indices(after.liberties.at(s)),
                      sorted_indices(before.liberties.at(s)));
        } else {
            EXPECT_EQ(after.liberties.at(s), before.liberties.at(s));
        }
    }
    for (int w = 0; w < position_key::n_words; ++w)
        EXPECT_EQ(after.key.words[w], before.key.words[w]);
}

struct game_counts {
    int captures = 0;
    int kos = 0;
};

game_counts play_random_game(unsigned seed, int moves, int x0, int x1, int y0, int y1,
                             const std::vector<std::string>& setup = {}) {
    engine e;
    test::place(e, setup);
    unsigned state = seed;
    game_counts counts;
    for (int i = 0; i < moves; ++i) {
        point* p = test::random_legal_move(e, state, x0, x1, y0, y1);
        snapshot before(e);
        e.push(p, e.turn());
        EXPECT_EQ(test::board_mismatch(e), "") << "after push " << i;
        EXPECT_EQ(e.check_position(), 0);
        counts.captures += e.last_move()->captured.count();
        counts.kos += e.last_move()->ko;
        // Now and then take the move back and check the restoration, then
        // play it again.
        if (state % 3 == 0) {
            e.pop();
            expect_restored(e, before, p);
            EXPECT_EQ(test::board_mismatch(e), "") << "after pop " << i;
            e.push(p, e.turn());
        }
    }
    // Unwind the whole game, checking every depth on the way down.
    while (e.no_moves > 0) {
        e.pop();
        EXPECT_EQ(test::board_mismatch(e), "") << "unwinding at " << e.no_moves;
        EXPECT_EQ(e.check_position(), 0);
    }
    return counts;
}

TEST(RandomGames, WholeBoard) {
    for (unsigned seed : {1u, 2u, 3u}) {
        EXPECT_GT(play_random_game(seed, 400, 1, 19, 1, 19).captures, 0);
    }
}

TEST(RandomGames, ClosedCornerForcesCapturesAndKo) {
    // A white wall whose only liberties lie inside the corner, sealed by a
    // living black wall: everything in the corner can be captured, the white
    // wall included, as on a small board.
    const std::vector<std::string> walls = {".....OX", ".....OX", ".....OX", ".....OX",
                                            ".....OX", "OOOOOOX", "XXXXXXX"};
    game_counts total;
    for (unsigned seed : {11u, 12u, 13u, 14u, 15u}) {
        game_counts counts = play_random_game(seed, 500, 1, 6, 1, 6, walls);
        total.captures += counts.captures;
        total.kos += counts.kos;
    }
    EXPECT_GT(total.captures, 100);
    EXPECT_GT(total.kos, 3);
}

}  // namespace

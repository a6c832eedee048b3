// The shape evaluator: features from pictures, the exact encoding, the key,
// the memo, and the board left as found.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/knowledge/shape_eval.h"
#include "tests/support/board_helpers.h"
#include "tests/support/data_dir.h"
#include "tests/support/diag_capture.h"

namespace {

using test::pt;

// The tactical counts 39..46 of a record, in order.
std::vector<int> counts(const shape_features& r) {
    return std::vector<int>(r.features + shape::self_atari,
                            r.features + shape_features::n_features);
}

std::vector<double> encoded(engine& e, shape_features r) {
    e.encode(r);
    return std::vector<double>(e.shape_net->inputs(), e.shape_net->inputs() + shape::n_inputs);
}

// Indices of the inputs that are 1; every other input must be 0.
std::vector<int> lit(const std::vector<double>& inputs) {
    std::vector<int> on;
    for (int i = 0; i < static_cast<int>(inputs.size()); ++i) {
        if (inputs[i] == 1.0)
            on.push_back(i);
        else
            EXPECT_EQ(inputs[i], 0.0) << "input " << i;
    }
    return on;
}

std::vector<int> range(int first, int last) {
    std::vector<int> r;
    for (int i = first; i <= last; ++i)
        r.push_back(i);
    return r;
}

std::vector<int> join(std::vector<std::vector<int>> parts) {
    std::vector<int> all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

TEST(ShapeFeatures, SelfAtariOnTheFirstLine) {
    engine e;
    test::place(e, {
                       "..O",
                       ".O.",
                   });
    shape_features r = e.build_features(pt(e, "ba"), 1);
    // Into atari: one stone.  Beside it a three- and a four-liberty string.
    EXPECT_EQ(counts(r), (std::vector<int>{1, 0, 0, 0, 0, 0, 1, 1}));
    // The window is transposed for a point nearer the top than the left
    // edge: offset (i, j) shows the point (x + j, y + i).
    EXPECT_EQ(r.features[24], -1);  // (1, 0): bb
    EXPECT_EQ(r.features[18], -1);  // (0, 1): ca
    int stones = 0;
    for (int k = 0; k < shape::window_features; ++k)
        stones += r.features[k] != 0;
    EXPECT_EQ(stones, 2);
    EXPECT_EQ(r.features[shape::edge_near], 1);
    EXPECT_EQ(r.features[shape::edge_far], 2);
    EXPECT_EQ(test::board_mismatch(e), "");
}

TEST(ShapeFeatures, OwnStringsInAtariAndWithTwoLiberties) {
    {
        // Extending a stone in atari to three liberties, then (with one more
        // white stone) to exactly two.
        engine e;
        test::place(e, {
                           "",
                           "",
                           "...O",
                           "..OXO",
                       });
        EXPECT_EQ(counts(e.build_features(pt(e, "de"), 1)),
                  (std::vector<int>{0, 0, 1, 0, 0, 0, 0, 0}));
        e.push(pt(e, "ee"), -1);
        // The white pair beside the move has five liberties: not counted.
        EXPECT_EQ(counts(e.build_features(pt(e, "de"), 1)),
                  (std::vector<int>{0, 1, 0, 0, 0, 0, 0, 0}));
    }
    {
        // A two-liberty stone joined into a one-liberty string: the old stone
        // and the new one both count as put into atari.
        engine e;
        test::place(e, {
                           "",
                           "",
                           "...O",
                           "..OX",
                           "..O.O",
                           "...O",
                       });
        EXPECT_EQ(counts(e.build_features(pt(e, "de"), 1)),
                  (std::vector<int>{2, 0, 0, 0, 0, 0, 0, 2}));
    }
}

// Around cc: a white stone in atari (dc), one with two liberties (cb), two
// two-stone strings with four liberties each (ac-bc, cd-ce).
// clang-format off
const std::vector<std::string> crowded = {
    "..X..",
    "..OX.",
    "OO.OX",
    ".XOX.",
    "..O..",
};
// clang-format on

TEST(ShapeFeatures, EnemyStringsByLibertiesAndRescueByCapture) {
    engine e;
    test::place(e, crowded);
    // Black captures dc: the two black stones next to it (two liberties
    // each) reach three; the new stone itself is left with one liberty.
    EXPECT_EQ(counts(e.build_features(pt(e, "cc"), 1)), (std::vector<int>{1, 0, 0, 2, 1, 1, 0, 4}));
    // White connects everything: dc (in atari) and cb (two liberties) end
    // in a string of six liberties.
    EXPECT_EQ(counts(e.build_features(pt(e, "cc"), -1)),
              (std::vector<int>{0, 0, 1, 1, 0, 0, 0, 0}));
    EXPECT_EQ(test::board_mismatch(e), "");
}

TEST(ShapeFeatures, AStringTouchingTheMoveTwiceCountsOnce) {
    engine e;
    e.push(pt(e, "kj"), -1);
    e.push(pt(e, "ki"), -1);
    e.push(pt(e, "ji"), -1);
    e.push(pt(e, "lj"), 1);
    e.push(pt(e, "li"), 1);
    e.push(pt(e, "kh"), 1);
    EXPECT_EQ(counts(e.build_features(pt(e, "jj"), 1)), (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 3}));
}

TEST(ShapeFeatures, AnOccupiedPointIsReportedAndLeftAlone) {
    engine e;
    test::place(e, crowded);
    test::diag_capture log;
    shape_features r = e.build_features(pt(e, "dc"), 1);
    EXPECT_EQ(log.text(), "Col error value1\n");
    // No move could be made there: the counts that need one stay 0.
    EXPECT_EQ(r.features[shape::self_atari], 0);
    EXPECT_EQ(r.features[shape::two_to_more], 0);
    EXPECT_EQ(test::board_mismatch(e), "");
}

TEST(ShapeKey, MultipliersAndBucket) {
    shape_features r;
    r.features[0] = 1;
    r.features[1] = -1;
    shape::set_key(r);
    EXPECT_EQ(r.key, 110);  // |11 - 121|
    EXPECT_EQ(r.bucket, 9);

    shape_features s;
    s.features[4] = 1;  // m_5 = 161051 mod 100001
    shape::set_key(s);
    EXPECT_EQ(s.key, 61050);
    EXPECT_EQ(s.bucket, 46);

    shape_features t;
    t.features[45] = -2;  // m_46 = 18579
    shape::set_key(t);
    EXPECT_EQ(t.key, 37158);
    EXPECT_EQ(t.bucket, 37158 % 101);
}

TEST(ShapeKey, ReadingPastTheLastFeatureIsReported) {
    shape_features r;
    r.features[45] = 7;
    r.read_index = 45;
    test::diag_capture log;
    EXPECT_EQ(shape::read_feature(r), 7);
    EXPECT_EQ(log.text(), "");
    EXPECT_EQ(shape::read_feature(r), 0);
    EXPECT_EQ(log.text(), "error outside feature range ");
}

TEST(ShapeEncoding, HandMadeRecord) {
    engine e;
    shape_features r;
    r.features[0] = 1;                   // inputs 1, 2 = (1, 0)
    r.features[35] = -1;                 // inputs 71, 72 = (0, 1)
    r.features[shape::edge_near] = 1;    // inputs 73..79 all 1
    r.features[shape::edge_far] = 8;     // inputs 80..86 all 0
    r.features[shape::self_atari] = 12;  // inputs 87..96 all 1
    r.features[45] = 3;                  // inputs 157..159 of 157..166
    test::diag_capture log;
    EXPECT_EQ(lit(encoded(e, r)),
              join({{0, 1, 72}, range(73, 79), range(87, 96), {157, 158, 159}}));
    EXPECT_EQ(log.text(), "");
    // Each edge distance lights the inputs from its own rank on.
    r.features[shape::edge_near] = 7;
    r.features[shape::edge_far] = 2;
    EXPECT_EQ(lit(encoded(e, r)),
              join({{0, 1, 72}, {79}, range(81, 86), range(87, 96), {157, 158, 159}}));
}

TEST(ShapeEncoding, BoardPoints) {
    engine e;
    // Corner on an empty board: nulls encode like empty points.
    EXPECT_EQ(lit(encoded(e, e.build_features(pt(e, "aa"), 1))), join({{0}, range(73, 86)}));
    // A point eight lines from one edge and nine from the other lights no
    // edge input; the centre neither.
    EXPECT_EQ(lit(encoded(e, e.build_features(pt(e, "hi"), 1))), std::vector<int>{0});
    EXPECT_EQ(lit(encoded(e, e.build_features(pt(e, "jj"), -1))), std::vector<int>{0});
    // A black stone at window offset (1, 0) of the corner: feature 25, an
    // own stone for Black, an enemy one for White, for whom the move is
    // also a self-atari (input 87) beside a three-liberty string (147).
    e.push(pt(e, "ba"), 1);
    EXPECT_EQ(lit(encoded(e, e.build_features(pt(e, "aa"), 1))), join({{0, 49}, range(73, 86)}));
    EXPECT_EQ(lit(encoded(e, e.build_features(pt(e, "aa"), -1))),
              join({{0, 50}, range(73, 86), {87, 147}}));
}

TEST(ShapeEval, PassPointAndNeutralNetwork) {
    engine e;
    double sente = 7.0;
    EXPECT_EQ(e.shape_eval(e.pass_point, 1, sente), 0.0);
    EXPECT_EQ(sente, 7.0);
    EXPECT_TRUE(e.pass_point->net_memo.empty());
    EXPECT_DOUBLE_EQ(e.shape_eval(pt(e, "dd"), 1, sente), 0.5);
    EXPECT_DOUBLE_EQ(sente, 0.5);
}

TEST(ShapeEval, HandComputedOutputsFromAWeightFile) {
    test::scoped_data_dir dir;
    {
        // Input 49 (an own stone at window offset (1, 0)) feeds hidden unit
        // 1 with weight 2; hidden unit 1 feeds output 0 with weight 1;
        // output 1 has only the bias weight -1.
        neural_net weights(shape::n_inputs, shape::n_hidden, shape::n_outputs, "shape.dat");
        weights.w_in(49, 1) = 2.0;
        weights.w_out(1, 0) = 1.0;
        weights.w_out(0, 1) = -1.0;
        ASSERT_TRUE(weights.write_file(dir.path("shape.dat")));
    }
    engine e;
    e.push(pt(e, "ba"), 1);
    double sente = 0.0;
    EXPECT_NEAR(e.shape_eval(pt(e, "aa"), 1, sente), 0.706987368000105, 1e-12);   // s(s(2))
    EXPECT_NEAR(sente, 0.268941421369995, 1e-12);                                 // s(-1)
    EXPECT_NEAR(e.shape_eval(pt(e, "aa"), -1, sente), 0.622459331201855, 1e-12);  // s(s(0))
    ASSERT_EQ(pt(e, "aa")->net_memo.size(), 2u);
    // Newest first, with both outputs.
    EXPECT_NEAR(pt(e, "aa")->net_memo[0].output0, 0.622459331201855, 1e-12);
    EXPECT_NEAR(pt(e, "aa")->net_memo[1].output0, 0.706987368000105, 1e-12);
    EXPECT_NEAR(pt(e, "aa")->net_memo[1].output1, 0.268941421369995, 1e-12);
}

// Eleven points of jj's diamond, each giving a different feature vector
// when it alone holds a stone.
const char* const diamond[] = {"jg", "jh", "ji", "kh", "ki", "lj", "mj", "kk", "jl", "jm", "ik"};

TEST(ShapeEval, MemoHoldsElevenAndIsEmptiedOnTheTwelfthCall) {
    engine e;
    point* p = pt(e, "jj");
    double sente = 0.0;
    auto eval_with_stone_at = [&](const char* where) {
        e.push(pt(e, where), -1);
        double v = e.shape_eval(p, 1, sente);
        e.pop();
        return v;
    };
    for (int k = 0; k < 5; ++k) {
        eval_with_stone_at(diamond[k]);
        EXPECT_EQ(p->net_memo.size(), static_cast<size_t>(k + 1));
    }
    // An equal vector is found, not added: the stored outputs come back.
    e.push(pt(e, diamond[2]), -1);
    shape_features again = e.build_features(p, 1);
    e.pop();
    for (shape_features& r : p->net_memo) {
        if (r.same_features(again)) r.output0 = 0.25, r.output1 = 0.75;
    }
    EXPECT_EQ(eval_with_stone_at(diamond[2]), 0.25);
    EXPECT_EQ(sente, 0.75);
    EXPECT_EQ(p->net_memo.size(), 5u);
    for (int k = 5; k < 11; ++k) {
        eval_with_stone_at(diamond[k]);
        EXPECT_EQ(p->net_memo.size(), static_cast<size_t>(k + 1));
    }
    // The next call finds eleven records and starts afresh, so even a
    // position remembered with doctored outputs is evaluated again.
    EXPECT_DOUBLE_EQ(eval_with_stone_at(diamond[2]), 0.5);
    EXPECT_EQ(p->net_memo.size(), 1u);
}

TEST(ShapeEval, MemoIsSharedByBothColoursOnTheSameFeatures) {
    engine e;
    point* p = pt(e, "dd");
    double sente = 0.0;
    e.shape_eval(p, 1, sente);
    p->net_memo[0].output0 = 0.125;
    // On an empty board the features do not depend on the mover.
    EXPECT_EQ(e.shape_eval(p, -1, sente), 0.125);
    EXPECT_EQ(p->net_memo.size(), 1u);
    // A stone makes the two movers' vectors differ.
    e.push(pt(e, "de"), 1);
    e.shape_eval(p, 1, sente);
    e.shape_eval(p, -1, sente);
    EXPECT_EQ(p->net_memo.size(), 3u);
    EXPECT_FALSE(p->net_memo[0].same_features(p->net_memo[1]));
}

TEST(ShapeEval, LeavesTheBoardAsFound) {
    for (unsigned seed : {3u, 17u, 2024u}) {
        engine e;
        unsigned state = seed;
        for (int k = 0; k < 120; ++k) {
            e.push(test::random_legal_move(e, state, 1, 9, 1, 9), e.turn());
        }
        const int moves = e.no_moves;
        const position_key before = e.key;
        for (int k = 0; k < e.n_points; ++k) {
            point* p = e.points[k];
            if (p->colour != 0) continue;
            double sente = 0.0;
            e.shape_eval(p, 1, sente);
            e.shape_eval(p, -1, sente);
        }
        EXPECT_EQ(e.no_moves, moves);
        EXPECT_TRUE(position_key::same_position(before, e.key));
        EXPECT_EQ(test::board_mismatch(e), "") << "seed " << seed;
        EXPECT_EQ(e.check_position(), 0);
    }
}

}  // namespace

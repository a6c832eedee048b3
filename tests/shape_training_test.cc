// The trainer of the shape network: the gradient step against numerical
// derivatives, and the examples taken from small games of our own.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/board/coordinates.h"
#include "engine/engine.h"
#include "engine/knowledge/neural_net.h"
#include "game/sgf_record.h"
#include "tests/support/board_helpers.h"
#include "tests/support/data_dir.h"
#include "tests/support/diag_capture.h"
#include "train/backprop.h"
#include "train/shape_examples.h"

namespace {

using test::pt;

// Cross-entropy of the outputs that have a target.
double loss(train::backprop& learner, const std::vector<uint8_t>& active,
            const std::vector<double>& target) {
    const std::vector<double>& y = learner.forward(active);
    double sum = 0.0;
    for (size_t o = 0; o < target.size(); ++o) {
        if (std::isnan(target[o])) continue;
        sum -= target[o] * std::log(y[o]) + (1.0 - target[o]) * std::log(1.0 - y[o]);
    }
    return sum;
}

void fill_weights(neural_net& net, uint32_t seed) {
    train::random_source rng(seed);
    for (int h = 0; h < net.n_hid; ++h) {
        for (int i = 0; i < net.n_in; ++i)
            net.w_in(i, h) = rng.uniform(-1.0, 1.0);
        for (int o = 0; o < net.n_out; ++o)
            net.w_out(h, o) = rng.uniform(-1.0, 1.0);
    }
}

TEST(Backprop, StepFollowsTheNumericalGradient) {
    neural_net net(4, 4, 2, "grad.dat");
    fill_weights(net, 7);
    train::backprop learner(net);
    const std::vector<uint8_t> active = {0, 2, 3};
    const std::vector<double> target = {1.0, 0.0};
    struct weight {
        bool incoming;
        int a, b;
    } watched[] = {{true, 0, 1},  {true, 2, 3},  {true, 3, 2},
                   {false, 0, 0}, {false, 2, 1}, {false, 3, 0}};
    auto ref = [&](const weight& w) -> double& {
        return w.incoming ? net.w_in(w.a, w.b) : net.w_out(w.a, w.b);
    };
    std::vector<double> numerical;
    for (const weight& w : watched) {
        const double saved = ref(w);
        ref(w) = saved + 1e-6;
        const double up = loss(learner, active, target);
        ref(w) = saved - 1e-6;
        const double down = loss(learner, active, target);
        ref(w) = saved;
        numerical.push_back((up - down) / 2e-6);
    }
    std::vector<double> before;
    for (const weight& w : watched)
        before.push_back(ref(w));
    const double rate = 1e-3;
    EXPECT_NEAR(learner.step(active, target, rate), loss(learner, active, target), 1e-3);
    for (size_t k = 0; k < numerical.size(); ++k) {
        EXPECT_NEAR((before[k] - ref(watched[k])) / rate, numerical[k], 1e-6) << k;
        EXPECT_GT(std::fabs(numerical[k]), 1e-4) << k;  // a weight that matters
    }
}

TEST(Backprop, OnlyTaughtOutputsAndActiveInputsChange) {
    neural_net net(4, 3, 2, "mask.dat");
    fill_weights(net, 11);
    neural_net copy(4, 3, 2, "copy.dat");
    fill_weights(copy, 11);
    train::backprop learner(net);
    learner.step({0, 1}, {train::no_target, 1.0}, 0.5);
    for (int h = 0; h < 3; ++h) {
        EXPECT_EQ(net.w_out(h, 0), copy.w_out(h, 0)) << h;  // no target for output 0
        EXPECT_NE(net.w_out(h, 1), copy.w_out(h, 1)) << h;
        EXPECT_EQ(net.w_in(2, h), copy.w_in(2, h)) << h;  // inactive inputs
        EXPECT_EQ(net.w_in(3, h), copy.w_in(3, h)) << h;
        EXPECT_EQ(net.w_in(1, 0), copy.w_in(1, 0));  // the bias unit has no inputs
    }
    EXPECT_NE(net.w_in(1, 1), copy.w_in(1, 1));
    EXPECT_NE(net.w_in(0, 2), copy.w_in(0, 2));
}

sgf_record game(const std::string& text) {
    sgf_record g;
    std::string why;
    EXPECT_TRUE(read_sgf_record(text, g, why)) << why;
    return g;
}

TEST(ShapeExamples, LocalAnswers) {
    engine e;
    sgf_record g = game("(;SZ[19];B[dd];W[dc];B[pp];W[cc];B[];W[qq];B[rr];B[qr])");
    EXPECT_EQ(train::answered_locally(e, g, 0), 1.0);  // dc is next to dd
    EXPECT_EQ(train::answered_locally(e, g, 1), 0.0);  // pp is far away
    EXPECT_EQ(train::answered_locally(e, g, 2), 0.0);
    EXPECT_EQ(train::answered_locally(e, g, 3), 0.0);           // answered by a pass
    EXPECT_EQ(train::answered_locally(e, g, 5), 1.0);           // rr is two lines from qq
    EXPECT_EQ(train::answered_locally(e, g, 6), 0.0);           // the same colour again
    EXPECT_TRUE(std::isnan(train::answered_locally(e, g, 7)));  // the record ends
}

TEST(ShapeExamples, ReplayVisitsStoneMovesAndStopsAtARefusedOne) {
    engine e;
    sgf_record g = game("(;SZ[19]AB[dd][pd]AW[dp];W[pp];B[];W[dc];B[dc];W[qq])");
    std::vector<std::string> seen;
    const int played = train::replay(e, g, [&](point* p, int colour, size_t k) {
        EXPECT_EQ(e.no_moves, 3 + static_cast<int>(k));  // the setup stones come first
        seen.push_back(coord::sgf_point(p->x, p->y) + (colour == 1 ? "B" : "W"));
    });
    // B[dc] lands on White's stone: the game stops there.
    EXPECT_EQ(played, 3);
    EXPECT_EQ(seen, (std::vector<std::string>{"ppW", "dcW"}));
    EXPECT_EQ(pt(e, "pd")->colour, 1);
    EXPECT_EQ(pt(e, "dp")->colour, -1);
    EXPECT_EQ(test::board_mismatch(e), "");
}

TEST(ShapeExamples, RandomNegativesAreDistinctLegalPoints) {
    engine e;
    train::random_source rng(3);
    point* played = pt(e, "jj");
    std::vector<point*> q = train::random_legal_points(e, played, 1, 6, rng);
    ASSERT_EQ(q.size(), 6u);
    for (size_t i = 0; i < q.size(); ++i) {
        EXPECT_NE(q[i], played);
        EXPECT_TRUE(e.is_legal_move(q[i], 1));
        for (size_t j = 0; j < i; ++j)
            EXPECT_NE(q[i], q[j]);
    }
    // A board with only two empty points (one of them the played one) and
    // one of those a suicide for White: fewer than asked, and no endless
    // search.
    for (int k = 0; k < e.n_points; ++k) {
        point* p = e.points[k];
        if (p != pt(e, "aa") && p != pt(e, "ss")) e.push(p, 1);
    }
    EXPECT_TRUE(train::random_legal_points(e, pt(e, "aa"), -1, 3, rng).empty());
    std::vector<point*> one = train::random_legal_points(e, pt(e, "aa"), 1, 3, rng);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0], pt(e, "ss"));
}

TEST(ShapeExamples, OnePositiveAndTheNegativesPerMove) {
    engine e;
    sgf_record g = game("(;SZ[19];B[dd];W[dc];B[pp];W[];B[cc])");
    train::random_source rng(1);
    train::example_set set;
    train::collect_examples(e, g, 3, rng, set);
    ASSERT_EQ(set.size(), 16u);  // four stone moves, 1 + 3 examples each
    EXPECT_EQ(e.no_moves, 0);
    std::vector<uint8_t> active;
    std::vector<double> target;
    const double sente[] = {1.0, 0.0, 0.0, train::no_target};
    for (size_t k = 0; k < set.size(); ++k) {
        set.get(k, active, target);
        ASSERT_FALSE(active.empty());
        EXPECT_EQ(active[0], 0);  // the bias input is always on
        if (k % 4 == 0) {
            EXPECT_EQ(target[0], 1.0);
            if (std::isnan(sente[k / 4]))
                EXPECT_TRUE(std::isnan(target[1]));
            else
                EXPECT_EQ(target[1], sente[k / 4]) << k;
        } else {
            EXPECT_EQ(target[0], 0.0);
            EXPECT_TRUE(std::isnan(target[1]));
        }
    }
    // The first example is Black's dd on an empty board: only the bias and
    // the edge inputs (fourth line from both edges) are on.
    set.get(0, active, target);
    EXPECT_EQ(active, (std::vector<uint8_t>{0, 76, 77, 78, 79, 83, 84, 85, 86}));
}

// The committed data files, as the engine reads them.
std::filesystem::path source_data(const char* name) {
    return std::filesystem::path(__FILE__).parent_path().parent_path() / "data" / name;
}

int count_numbers(const std::filesystem::path& file, bool& all_zero) {
    std::ifstream in(file);
    int n = 0;
    double x;
    all_zero = true;
    while (in >> x) {
        ++n;
        all_zero &= x == 0.0;
    }
    return n;
}

TEST(ShippedNetworks, FilesAreCompleteAndTheShapeNetworkKnowsTheOpening) {
    bool zero = false;
    EXPECT_EQ(count_numbers(source_data("tsume.dat"), zero), 2700);
    EXPECT_TRUE(zero);  // a blank network
    EXPECT_EQ(count_numbers(source_data("shape.dat"), zero), 16900);
    EXPECT_FALSE(zero);

    test::scoped_data_dir dir;
    std::filesystem::copy_file(source_data("shape.dat"), dir.path("shape.dat"));
    engine e;
    double sente = 0.0;
    const double corner = e.shape_eval(pt(e, "aa"), 1, sente);
    const double star = e.shape_eval(pt(e, "dd"), 1, sente);
    const double komoku = e.shape_eval(pt(e, "dc"), 1, sente);
    EXPECT_GT(star, 0.4);
    EXPECT_GT(komoku, 0.4);
    EXPECT_LT(corner, 0.1);
}

}  // namespace

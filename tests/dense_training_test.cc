// What the trainers of the group and territory networks share: the
// gradient step on real-valued inputs, the training loop, the weights as a
// vector, the sampled positions, the options and the held-out figures.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/knowledge/neural_net.h"
#include "tests/support/data_dir.h"
#include "train/backprop.h"
#include "train/dense_examples.h"
#include "train/sgd.h"
#include "train/tool_support.h"

namespace {

std::vector<double> random_vector(size_t n, uint32_t seed) {
    train::random_source rng(seed);
    std::vector<double> v;
    for (size_t k = 0; k < n; ++k) v.push_back(rng.uniform(-1.0, 1.0));
    return v;
}

double loss(train::backprop& learner, const std::vector<double>& inputs, double target) {
    const double y = learner.forward(inputs)[0];
    return -(target * std::log(y) + (1 - target) * std::log(1 - y));
}

TEST(DenseBackprop, StepFollowsTheNumericalGradient) {
    neural_net net(5, 4, 1, "dense.dat");
    train::set_weights(net, random_vector(4 * 6, 9));
    train::backprop learner(net);
    // Input 3 is below the forward pass's threshold: it has no effect, so
    // its weights must not move.
    const std::vector<double> inputs = {1.0, -0.7, 2.5, 0.0005, 0.3};
    const double target = 0.3;  // a soft target, as the group targets are
    std::vector<double> numerical;
    std::vector<double*> watched;
    for (int i = 0; i < 5; ++i) watched.push_back(&net.w_in(i, 2));
    for (int h = 0; h < 4; ++h) watched.push_back(&net.w_out(h, 0));
    for (double* w : watched) {
        const double saved = *w;
        *w = saved + 1e-6;
        const double up = loss(learner, inputs, target);
        *w = saved - 1e-6;
        const double down = loss(learner, inputs, target);
        *w = saved;
        numerical.push_back((up - down) / 2e-6);
    }
    std::vector<double> before;
    for (double* w : watched) before.push_back(*w);
    const double rate = 1e-3;
    const double expected = loss(learner, inputs, target);
    EXPECT_NEAR(learner.step(inputs, {target}, rate), expected, 1e-9);
    for (size_t k = 0; k < watched.size(); ++k) {
        EXPECT_NEAR((before[k] - *watched[k]) / rate, numerical[k], 1e-6) << k;
        if (k != 3) {
            EXPECT_GT(std::fabs(numerical[k]), 1e-5) << k;  // a weight that matters
        }
    }
    EXPECT_EQ(before[3], *watched[3]);
    // Hidden unit 0 is the bias: no input weight of it moves.
    const std::vector<double> w = train::weights_of(net);
    learner.step(inputs, {1.0}, 0.5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(net.w_in(i, 0), w[i]) << i;
}

TEST(DenseBackprop, TrainingLearnsAThresholdAndRepeatsWithTheSameSeed) {
    // Target: whether input 1 exceeds 0.5; input 2 is noise.
    train::dense_examples set(3);
    train::random_source draw(3);
    for (int k = 0; k < 400; ++k) {
        const double x[3] = {1.0, draw.uniform(0, 1), draw.uniform(-1, 1)};
        set.add(x, x[1] > 0.5 ? 1.0 : 0.0);
    }
    ASSERT_EQ(set.size(), 400u);
    std::vector<double> inputs, target;
    set.get(7, inputs, target);
    EXPECT_EQ(inputs, std::vector<double>(set.inputs(7), set.inputs(7) + 3));
    EXPECT_EQ(target, std::vector<double>{set.target(7)});

    auto trained = [&set](uint32_t seed, int epochs, double& last) {
        neural_net net(3, 4, 1, "t.dat");
        train::random_source rng(seed);
        train::init_weights(net, rng);
        train::backprop learner(net);
        last = train::train_epochs(learner, set, epochs, 1.0, rng);
        return train::weights_of(net);
    };
    double first = 0.0, last = 0.0, again = 0.0, other = 0.0;
    trained(5, 1, first);
    const std::vector<double> a = trained(5, 20, last);
    EXPECT_EQ(trained(5, 20, again), a);
    EXPECT_NE(trained(6, 20, other), a);
    EXPECT_EQ(again, last);
    EXPECT_LT(last, 0.6 * first);
    EXPECT_LT(last, 0.25);
}

TEST(NetworkWeights, RoundTripAndZero) {
    neural_net net(3, 3, 2, "w.dat");
    const std::vector<double> w = random_vector(3 * 5, 1);
    train::set_weights(net, w);
    EXPECT_EQ(train::weights_of(net), w);
    EXPECT_EQ(net.w_in(2, 1), w[1 * 3 + 2]);  // hidden unit by hidden unit
    EXPECT_EQ(net.w_out(1, 0), w[9 + 2]);
    train::random_source rng(2);
    train::init_weights(net, rng);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(net.w_in(i, 0), 0.0);
    EXPECT_NE(net.w_in(1, 1), 0.0);
    train::set_weights(net, {});
    double out[2] = {};
    const double in[3] = {1.0, 0.4, -2.0};
    net.evaluate(in, out);
    EXPECT_EQ(out[0], 0.5);
    EXPECT_EQ(out[1], 0.5);
}

TEST(Sampling, EveryKthPositionFromTheFirst) {
    const train::sampling s;  // from move 40, every 9th: both colours to move
    EXPECT_FALSE(s.takes(0));
    EXPECT_FALSE(s.takes(30));
    EXPECT_FALSE(s.takes(39));
    EXPECT_TRUE(s.takes(40));
    EXPECT_FALSE(s.takes(45));
    EXPECT_TRUE(s.takes(49));
    EXPECT_FALSE(s.takes(50));
    EXPECT_TRUE(s.takes(247));
    EXPECT_TRUE((train::sampling{0, 1}.takes(0)));
    EXPECT_FALSE((train::sampling{3, 2}.takes(4)));
}

TEST(Options, PositionalsAndTypedValues) {
    std::string dir = "default", name = "x";
    int n = 1;
    double rate = 0.5;
    uint32_t seed = 7;
    train::option_parser p;
    p.positional(dir);
    p.option("games", n);
    p.option("rate", rate);
    p.option("seed", seed);
    p.option("name", name);
    EXPECT_TRUE(p.parse(
        {"here", "--games", "12", "--rate", "0.25", "--seed", "4294967295", "--name", "it"}));
    EXPECT_EQ(dir, "here");
    EXPECT_EQ(n, 12);
    EXPECT_EQ(rate, 0.25);
    EXPECT_EQ(seed, 4294967295u);
    EXPECT_EQ(name, "it");
    EXPECT_TRUE(p.parse({}));
    const std::vector<std::vector<std::string>> refused = {
        {"a", "b"},                  // one positional only
        {"--games"},                 // no value
        {"--games", "12x"},          // not a whole number
        {"--games", ""},             //
        {"--games", "99999999999"},  // out of range
        {"--seed", "-1"},            //
        {"--seed", "4294967296"},    //
        {"--rate", "nan"},           //
        {"--rate", "0.1.2"},         //
        {"--other", "1"},            // unknown
    };
    for (const auto& args : refused) EXPECT_FALSE(p.parse(args)) << args[0];
}

TEST(Options, GameFilesOfBothDirectoriesInTurn) {
    test::scoped_data_dir dir;
    for (const char* sub : {"one", "two"}) std::filesystem::create_directory(dir.path(sub));
    for (const char* name : {"one/b.sgf", "one/a.sgf", "one/notes.txt", "two/0.sgf"})
        dir.write(name, "(;)");
    std::vector<std::string> files;
    ASSERT_TRUE(train::sgf_files_in({dir.path("one"), "", dir.path("two")}, files));
    EXPECT_EQ(files, (std::vector<std::string>{dir.path("one/a.sgf"), dir.path("one/b.sgf"),
                                               dir.path("two/0.sgf")}));
    EXPECT_FALSE(train::sgf_files_in({dir.path("missing")}, files));
}

TEST(PredictionFigures, AccuracyLossCorrelationCalibration) {
    train::prediction_figures f;
    f.add(0.9, 1.0);
    f.add(0.8, 0.0);  // wrong
    f.add(0.2, 0.0);
    f.add(0.4, 0.5);  // an even outcome: not counted by accuracy
    f.add(1.0, 1.0);  // the top bin includes 1.0
    EXPECT_EQ(f.size(), 5u);
    EXPECT_DOUBLE_EQ(f.accuracy(), 3.0 / 4);
    const double expected_loss =
        -(std::log(0.9) + std::log(0.2) + std::log(0.8) + 0.5 * std::log(0.4) +
          0.5 * std::log(0.6) + std::log(1 - 1e-12)) /
        5;
    EXPECT_NEAR(f.log_loss(), expected_loss, 1e-9);
    testing::internal::CaptureStdout();
    f.print_calibration("t");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "t\n  bin        n   predicted   observed\n"
              "  0.2-0.3       1   0.200       0.000\n"
              "  0.4-0.5       1   0.400       0.500\n"
              "  0.8-0.9       1   0.800       0.000\n"
              "  0.9-1.0       2   0.950       1.000\n");

    train::prediction_figures line;
    for (int k = 0; k < 5; ++k) line.add(0.1 * k, 0.3 + 0.2 * k);
    EXPECT_NEAR(line.correlation(), 1.0, 1e-12);
    train::prediction_figures flat;
    flat.add(0.5, 0.0);
    flat.add(0.5, 1.0);
    EXPECT_EQ(flat.correlation(), 0.0);  // no spread: no correlation
}

}  // namespace

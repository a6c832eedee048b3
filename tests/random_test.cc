#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "engine/base/random.h"
#include "game/game.h"

namespace {

// Expected draws computed by tests/tools/subtractive_random.py, which
// implements the generator from its description alone:
//   tests/tools/subtractive_random.py SEED 5
std::vector<double> draws(subtractive_random& g, int n) {
    std::vector<double> out;
    for (int i = 0; i < n; ++i)
        out.push_back(g.uniform());
    return out;
}

void expect_draws(const std::vector<double>& got, const std::vector<double>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i)
        EXPECT_DOUBLE_EQ(got[i], want[i]) << "draw " << i;
}

TEST(Random, ProgramStartSeedAndItsFirstDraws) {
    subtractive_random fresh;
    EXPECT_EQ(fresh.seed(), 1000001);
    expect_draws(draws(fresh, 5),
                 {0.7962273480000001, 0.080119168, 0.162021107, 0.9673936000000001, 0.360194424});
    // Initialising replaced the stored seed.
    EXPECT_EQ(fresh.seed(), 1);
}

TEST(Random, FirstDrawsAfterSeedZero) {
    subtractive_random g;
    g.uniform();  // a generator already in use
    g.set_seed(0);
    expect_draws(draws(g, 5),
                 {0.5339238500000001, 0.323008803, 0.401103978, 0.459259507, 0.39026959800000005});
}

TEST(Random, NegativeAndHugeSeeds) {
    // A negative seed initialises from its absolute value.
    subtractive_random minus;
    minus.set_seed(-7);
    subtractive_random plus;
    plus.set_seed(7);
    const std::vector<double> want = {0.8840483360000001, 0.067781358, 0.8245238810000001};
    expect_draws(draws(minus, 3), want);
    expect_draws(draws(plus, 3), want);
    // The most negative seed has no int absolute value.
    subtractive_random lowest;
    lowest.set_seed(INT_MIN);
    expect_draws(draws(lowest, 3), {0.5981245540000001, 0.371820323, 0.81971057});
}

TEST(Random, IntegersTruncateTowardZeroAndAreCounted) {
    subtractive_random g;
    g.set_seed(0);
    // From the script: seed 0, random_int(-3, 3).  The first draws land
    // between -1 and 1 and all truncate to 0.
    const std::vector<int> want = {0, 0, 0, 0, 0, 3, 1, 2, 3, 1};
    for (size_t i = 0; i < want.size(); ++i)
        EXPECT_EQ(g.integer(-3, 3), want[i]) << i;
    EXPECT_EQ(g.integer_calls(), 10);
    g.uniform();
    EXPECT_EQ(g.integer_calls(), 10);
    g.set_seed(1000001);
    EXPECT_EQ(g.integer_calls(), 0);
    const std::vector<int> want_default = {2, -2, -1, 3, 0, 2, 3, -1, 0, -1};
    for (size_t i = 0; i < want_default.size(); ++i)
        EXPECT_EQ(g.integer(-3, 3), want_default[i]);
}

TEST(Random, ProcessWideGeneratorFollowsTheSeedOfANewGame) {
    Game game;
    game.new_game(0, 0, true);
    const double first = random_uniform();
    EXPECT_DOUBLE_EQ(first, 0.5339238500000001);
    const int a = random_int(0, 1000);
    EXPECT_EQ(random_generator().integer_calls(), 1);
    // The same seed and the same moves draw the same numbers.
    game.play(4, 4, 1);
    game.new_game(0, 0, true);
    game.play(4, 4, 1);
    EXPECT_DOUBLE_EQ(random_uniform(), first);
    EXPECT_EQ(random_int(0, 1000), a);
    // Without use_seed the generator goes on where it was.
    subtractive_random copy = random_generator();
    game.new_game(2, 12345, false);
    EXPECT_DOUBLE_EQ(random_uniform(), copy.uniform());
}

}  // namespace

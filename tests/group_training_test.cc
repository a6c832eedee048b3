// Examples for the group networks: their targets from the end of the game
// and the moves that follow, their inputs exactly as the evaluation pushed
// them, and a small game walked position by position.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/board/coordinates.h"
#include "engine/engine.h"
#include "game/sgf_record.h"
#include "tests/support/board_helpers.h"
#include "tests/support/data_dir.h"
#include "tests/support/ownership_lines.h"
#include "train/group_examples.h"
#include "train/tool_support.h"

namespace {

using test::pt;

train::final_ownership labels_of(const std::vector<std::string>& rows) {
    train::final_ownership f;
    std::string why;
    EXPECT_TRUE(train::parse_ownership_line(test::ownership_line("g", 0, "B+1", rows), f, why));
    return f;
}

sgf_record record(const std::string& text) {
    sgf_record g;
    std::string why;
    EXPECT_TRUE(read_sgf_record(text, g, why)) << why;
    return g;
}

// Black surrounds and captures White's dc by move 6 while White plays ff
// next to Black's dd and then pd; then both play far away along the bottom
// until move 25.
std::string capture_then_far_moves() {
    std::string g = "(;SZ[19];B[dd];W[dc];B[cc];W[ff];B[ec];W[pd];B[db]";
    for (int k = 7; k <= 25; ++k) {
        const int x = 8 + (k - 7) / 2;
        g += k % 2 == 1 ? ";W[" + coord::sgf_point(x, 19) + "]"
                        : ";B[" + coord::sgf_point(x, 17) + "]";
    }
    return g + ")";
}

const std::vector<std::string> capture_owners = {"", "...X",  "..XXX", "...X...........O",
                                                 "", ".....O"};

TEST(GroupTargets, AliveShareCountsDameHalf) {
    engine e;
    const train::final_ownership f = labels_of({"XXO."});
    const std::vector<point*> stones = {pt(e, "aa"), pt(e, "ba"), pt(e, "ca"), pt(e, "da")};
    EXPECT_DOUBLE_EQ(train::alive_share(stones, 1, f), (1 + 1 + 0 + 0.5) / 4);
    EXPECT_DOUBLE_EQ(train::alive_share(stones, -1, f), (0 + 0 + 1 + 0.5) / 4);
    EXPECT_DOUBLE_EQ(train::alive_share({pt(e, "aa")}, 1, f), 1.0);
    EXPECT_TRUE(std::isnan(train::alive_share({}, 1, f)));
}

TEST(GroupTargets, AttackedShareOfTheOpponentsNextMoves) {
    engine e;
    // Moves 0 and 1, then twenty more: White's ten include a pass, a move
    // in the 5x5 square around dd (ff), one touching it (de) and seven far
    // away; Black's ten are all far away.
    std::string g = "(;SZ[19];B[aa];W[ss]";
    const char* white[] = {"ff", "de", "", "pp", "pq", "pr", "ps", "qp", "qq", "qr"};
    for (int k = 0; k < 10; ++k) g += ";B[" + coord::sgf_point(10 + k, 1) + "];W[" + white[k] + "]";
    const sgf_record r = record(g + ")");
    ASSERT_EQ(r.moves.size(), 22u);
    const std::vector<point*> dd = {pt(e, "dd")};
    EXPECT_DOUBLE_EQ(train::attacked_share(e, r, 2, dd, 1), 2.0 / 10);
    // From move 1: White's ss joins in (far), and the last White move falls
    // outside the twenty.
    EXPECT_DOUBLE_EQ(train::attacked_share(e, r, 1, dd, 1), 2.0 / 10);
    // A larger group is near more of them: the square around rs holds five
    // of the far moves.
    EXPECT_DOUBLE_EQ(train::attacked_share(e, r, 2, {pt(e, "dd"), pt(e, "rs")}, 1), 7.0 / 10);
    // For White's group the attacker is Black, whose moves are far.
    EXPECT_DOUBLE_EQ(train::attacked_share(e, r, 2, dd, -1), 0.0);
    // Fewer than twenty moves left: unknown.
    EXPECT_TRUE(std::isnan(train::attacked_share(e, r, 3, dd, 1)));
    // No move of the opponent among the twenty: unknown.
    std::string black_only = "(;SZ[19]";
    for (int k = 0; k < 20; ++k)
        black_only += ";B[" + coord::sgf_point(1 + k % 19, 10 + k / 19) + "]";
    EXPECT_TRUE(std::isnan(train::attacked_share(e, record(black_only + ")"), 0, dd, 1)));
}

// Weights drawn at random, so that every input matters to the output.
void random_weights(neural_net& net, uint32_t seed) {
    train::random_source rng(seed);
    std::vector<double> w;
    for (int k = 0; k < net.n_hid * (net.n_in + net.n_out); ++k) w.push_back(rng.uniform(-1, 1));
    train::set_weights(net, w);
}

double output(neural_net& net, const double* inputs) {
    double out = 0.0;
    net.evaluate(inputs, &out);
    return out;
}

TEST(GroupExamples, InputsAreThoseTheEvaluationRatedTheGroupsBy) {
    test::scoped_data_dir no_files;
    engine e;
    random_weights(e.harass_net->net(), 1);
    random_weights(e.safety_net->net(), 2);
    test::place(e, {"", "", "", "...X.....O....X", "", "", "", "", "", "...O.....X.....O", "", "",
                    "", "", "", "...X..O..X...O"});
    for (int turn : {e.turn(), -e.turn()}) {
        if (e.turn() != turn) e.push(e.pass_point, -turn);
        e.evaluate(turn);
        std::vector<train::group_example> out;
        train::add_group_examples(e, labels_of({}), out, nullptr);
        size_t n = 0;
        for (int c : {1, -1}) {
            for (const std::unique_ptr<group>& g : e.group_list(c)) {
                ASSERT_LT(n, out.size());
                const train::group_example& x = out[n++];
                EXPECT_EQ(x.colour, c);
                EXPECT_EQ(x.size, g->size);
                EXPECT_DOUBLE_EQ(5 * output(e.harass_net->net(), x.harass_inputs.data()),
                                 g->harassment);
                // No dead stones and no cuts in this position: the engine's
                // own corrections of nn_safety are the power for the side
                // not to move.
                ASSERT_LE(g->cutting_points, 3);
                const double s = output(e.safety_net->net(), x.safety_inputs.data());
                EXPECT_DOUBLE_EQ(g->is_to_move() ? s : std::pow(s, 1.5), g->nn_safety);
                EXPECT_EQ(x.safety_inputs[0], 1.0);
                EXPECT_EQ(x.harass_inputs[0], 1.0);
            }
        }
        EXPECT_EQ(n, out.size());
        EXPECT_GE(n, 8u);  // twelve stones, most of them groups of their own
    }
}

TEST(GroupExamples, SingleDeadStringsAreLeftOut) {
    test::scoped_data_dir no_files;
    engine e;
    // White's dc has one liberty and Black is to move.
    test::place(e, {"", "", "..XOX", "...X"});
    e.push(e.pass_point, -1);
    ASSERT_EQ(e.turn(), 1);
    e.evaluate(1);
    ASSERT_EQ(e.group_list(-1).size(), 1u);
    ASSERT_TRUE(e.group_list(-1)[0]->is_single_dead_string());
    std::vector<train::group_example> out;
    std::vector<std::vector<point*>> stones;
    train::add_group_examples(e, labels_of({}), out, &stones);
    ASSERT_FALSE(out.empty());
    ASSERT_EQ(stones.size(), out.size());
    for (size_t k = 0; k < out.size(); ++k) {
        EXPECT_EQ(out[k].colour, 1);
        EXPECT_EQ(static_cast<int>(stones[k].size()), out[k].size);
    }
}

TEST(GroupExamples, SmallGameWalkedToItsEnd) {
    test::scoped_data_dir no_files;
    engine e;
    train::labelled_game g;
    g.record = record(capture_then_far_moves());
    ASSERT_EQ(g.record.moves.size(), 26u);
    g.labels = labels_of(capture_owners);
    std::vector<train::group_example> out;
    // Only the position before move 2: Black's dd and White's dc.
    train::collect_group_examples(e, g, {2, 100}, out);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].colour, 1);
    EXPECT_EQ(out[0].alive, 1.0);
    EXPECT_DOUBLE_EQ(out[0].attacked, 1.0 / 10);  // ff among White's ten moves
    EXPECT_EQ(out[0].lost, 0.0);
    EXPECT_EQ(out[1].colour, -1);
    EXPECT_EQ(out[1].alive, 0.0);
    EXPECT_TRUE(std::isnan(out[1].attacked));  // it dies: no harassment target
    EXPECT_EQ(out[1].lost, 1.0);               // captured at move 6
    EXPECT_EQ(e.no_moves, 0);
    EXPECT_EQ(test::board_mismatch(e), "");

    // Every other position from move 2: the first has two groups; the last
    // one, before move 24, has no twenty moves left to tell.
    out.clear();
    train::collect_group_examples(e, g, {2, 2}, out);
    ASSERT_GT(out.size(), 12u);
    EXPECT_EQ(out[0].lost, 0.0);
    EXPECT_EQ(out[1].lost, 1.0);
    EXPECT_TRUE(std::isnan(out.back().lost));
    EXPECT_TRUE(std::isnan(out.back().attacked));
    EXPECT_EQ(e.no_moves, 0);
}

}  // namespace

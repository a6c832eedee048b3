// Examples for the territory network: targets seen from the side to move,
// inputs exactly as territory_estimate pushed them, and a small game walked
// position by position; the committed networks on a clear position.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "game/sgf_record.h"
#include "tests/support/board_helpers.h"
#include "tests/support/data_dir.h"
#include "tests/support/ownership_lines.h"
#include "train/territory_examples.h"
#include "train/tool_support.h"

namespace {

train::final_ownership labels_of(const std::vector<std::string>& rows) {
    train::final_ownership f;
    std::string why;
    EXPECT_TRUE(train::parse_ownership_line(test::ownership_line("g", 0, "B+1", rows), f, why));
    return f;
}

TEST(TerritoryTargets, SeenFromTheSideToMove) {
    EXPECT_EQ(train::territory_target(1, 1), 1.0);
    EXPECT_EQ(train::territory_target(-1, 1), 0.0);
    EXPECT_EQ(train::territory_target(0, 1), 0.5);
    EXPECT_EQ(train::territory_target(1, -1), 0.0);
    EXPECT_EQ(train::territory_target(-1, -1), 1.0);
    EXPECT_EQ(train::territory_target(0, -1), 0.5);
}

TEST(TerritoryExamples, EveryEmptyPointAsTheEstimateSawIt) {
    test::scoped_data_dir no_files;
    engine e;
    // Random weights, so that every input matters to the output; the group
    // networks too, so that the second field is not uniform.
    train::random_source rng(4);
    for (feature_net* f : {e.harass_net.get(), e.safety_net.get(), e.territory_net.get()}) {
        std::vector<double> w;
        for (int k = 0; k < f->n_hid * (f->n_in + f->n_out); ++k) w.push_back(rng.uniform(-1, 1));
        train::set_weights(f->net(), w);
    }
    test::place(e, {"", "", "...X.....O", "", "", "", "", "", "", "..O....X"});
    // Black owns the top left corner point, White the one beside it.
    const train::final_ownership labels = labels_of({"XO"});
    for (int turn : {e.turn(), -e.turn()}) {
        if (e.turn() != turn) e.push(e.pass_point, -turn);
        e.evaluate(turn);
        train::dense_examples out(7);
        train::add_territory_examples(e, labels, out);
        ASSERT_EQ(out.size(), 357u);
        size_t n = 0;
        for (int k = 0; k < e.n_points; ++k) {
            point* p = e.points[k];
            if (p->colour != 0) continue;
            double o = 0.0;
            e.territory_net->net().evaluate(out.inputs(n), &o);
            EXPECT_DOUBLE_EQ(2 * o - 1, e.territory_estimate(p)) << k;
            EXPECT_EQ(out.target(n), train::territory_target(labels.owner(p), turn));
            ++n;
        }
        // Point aa comes first in board order, ab (x = 1, y = 2) second, ba
        // (x = 2, y = 1) twentieth.
        EXPECT_EQ(out.target(0), turn == 1 ? 1.0 : 0.0);
        EXPECT_EQ(out.target(1), 0.5);
        EXPECT_EQ(out.target(19), turn == 1 ? 0.0 : 1.0);
    }
}

TEST(TerritoryExamples, SmallGameWalkedToItsEnd) {
    test::scoped_data_dir no_files;
    engine e;
    train::labelled_game g;
    std::string why;
    ASSERT_TRUE(read_sgf_record("(;SZ[19];B[dd];W[pp];B[dp];W[];B[pd];W[qq])", g.record, why));
    g.labels = labels_of({"X"});
    train::dense_examples out(7);
    // Before moves 1, 2, 4 and 5: a pass (move 3) is not a position the
    // trainers sample.
    train::collect_territory_examples(e, g, {1, 1}, out);
    ASSERT_EQ(out.size(), 360u + 359u + 358u + 357u);
    EXPECT_EQ(out.target(0), 0.0);                // White to move before move 1
    EXPECT_EQ(out.target(360), 1.0);              // Black before move 2
    EXPECT_EQ(out.target(360 + 359), 1.0);        // Black again after White's pass
    EXPECT_EQ(out.target(360 + 359 + 358), 0.0);  // White before move 5
    EXPECT_EQ(e.no_moves, 0);
    EXPECT_EQ(test::board_mismatch(e), "");
}

// The committed group and territory networks, read by the engine: a corner
// walled in by Black, with a white stone inside, is Black's whoever moves,
// where the same engine without the files sees nothing in the empty points.
TEST(ShippedNetworks, GroupAndTerritoryFilesSeeAWalledCornerAsBlacks) {
    const std::vector<std::string> picture = {".....X", ".O...X", ".....X", ".....X", "XXXXXX"};
    test::scoped_data_dir dir;
    const std::filesystem::path data =
        std::filesystem::path(__FILE__).parent_path().parent_path() / "data";
    for (const char* name : {"harass.dat", "safe_19_10.dat", "terr.dat"}) {
        std::filesystem::copy_file(data / name, dir.path(name));
    }
    engine e;
    for (neural_net* net : {&e.harass_net->net(), &e.safety_net->net(), &e.territory_net->net()}) {
        const std::vector<double> w = train::weights_of(*net);
        EXPECT_TRUE(std::any_of(w.begin(), w.end(), [](double x) { return x != 0.0; }))
            << net->file_name();
    }
    test::place(e, picture);
    for (int t : {1, -1}) {
        if (e.turn() != t) e.push(e.pass_point, -t);
        const double sum = e.evaluate(1);
        EXPECT_GT(sum, 30.0) << t;
        EXPECT_GT(test::pt(e, "fa")->str_ptr->owner_group->safety, 0.9) << t;
        for (const char* corner : {"cc", "dd", "ea"}) {
            EXPECT_GT(e.territory_value(test::pt(e, corner), 1), 0.4) << corner << " " << t;
        }
    }

    test::scoped_data_dir empty;
    engine bare;
    test::place(bare, picture);
    bare.evaluate(1);
    EXPECT_EQ(bare.territory_value(test::pt(bare, "dd"), 1), 0.0);
}

}  // namespace

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/board/coordinates.h"
#include "engine/engine.h"
#include "engine/knowledge/joseki_library.h"
#include "game/sgf_record.h"
#include "tests/support/board_helpers.h"
#include "tests/support/data_dir.h"
#include "tests/support/diag_capture.h"
#include "train/joseki_mining.h"

namespace {

using joseki_mining::miner;
using joseki_mining::plan;
using joseki_mining::sequence;
using joseki_mining::token;
using test::pt;

plan corner_plan(int max_moves, int horizon, int min_games) {
    return {"c", 10, 10, {0, 5, 4, 2}, {0, 7}, max_moves, horizon, min_games, true};
}

token at(const char* name) {
    return {coord::sgf_number(name[0]), coord::sgf_number(name[1])};
}

// Alternating moves from Black ("--" passes), followed by filler moves on
// the middle rows up to the length the miner asks for; plans in these tests
// look no further than the moves given.
sgf_record game_of(const std::string& moves) {
    sgf_record game;
    std::set<std::pair<int, int>> used;
    std::istringstream in(moves);
    int colour = 1;
    for (std::string t; in >> t; colour = -colour) {
        const token k = t == "--" ? token{} : at(t.c_str());
        game.moves.push_back({colour, k.x, k.y});
        used.insert({k.x, k.y});
    }
    for (int y : {10, 7, 13}) {
        for (int x = 1; x <= 19; ++x) {
            if (static_cast<int>(game.moves.size()) >= miner::min_game_moves) break;
            if (used.count({x, y})) continue;
            game.moves.push_back({colour, x, y});
            colour = -colour;
        }
    }
    return game;
}

std::string written(const miner& m, int plan_index, int min_games) {
    std::ostringstream out;
    m.tree_of(plan_index).write(out, min_games);
    return out.str();
}

std::string written(const joseki_mining::tree& t, int min_games) {
    std::ostringstream out;
    t.write(out, min_games);
    return out.str();
}

// The miner's engines are built while no data file can be found.
class Mining : public ::testing::Test {
  protected:
    test::scoped_data_dir data;

    std::string mine(const plan& p, const std::vector<std::string>& games, int min_games) {
        miner m({p});
        for (const std::string& g : games) {
            std::string why;
            EXPECT_TRUE(m.add_game(game_of(g), why)) << why;
        }
        return written(m, 0, min_games);
    }
};

TEST(JosekiMiningForms, MirrorImagesHaveOneCanonicalForm) {
    const plan corner = corner_plan(10, 10, 1);
    const sequence expected = {at("cd"), at("ec")};
    EXPECT_EQ(joseki_mining::canonical(corner, {at("dc"), at("ce")}), expected);
    EXPECT_EQ(joseki_mining::canonical(corner, expected), expected);
    // A first move on the diagonal leaves the choice to the next one; a
    // pass stays a pass.
    const sequence diagonal = {at("dd"), token{}, at("cf")};
    EXPECT_EQ(joseki_mining::canonical(corner, {at("dd"), token{}, at("fc")}), diagonal);
    const plan board = joseki_mining::standard_plans()[0];
    EXPECT_EQ(joseki_mining::canonical(board, {at("pd"), at("dp")}),
              (sequence{at("dd"), at("pp")}));
    EXPECT_EQ(joseki_mining::canonical(board, {at("qp"), at("dp")}),
              (sequence{at("cd"), at("pd")}));
}

TEST_F(Mining, TheFourCornersOfAGameGiveOneSequence) {
    // Each corner holds a 4-4 point approached at the knight's move, in a
    // different orientation each time.
    const std::string game = "dd pp pd dp qn cf fq qf";
    EXPECT_EQ(mine(corner_plan(2, 8, 4), {game}, 4), "dds cfs\n");
    EXPECT_EQ(mine(corner_plan(2, 8, 4), {game}, 5), "");
    // At most one local move each, or only the first five moves of the
    // game: one approach of four is not enough to learn it.
    EXPECT_EQ(mine(corner_plan(1, 8, 1), {game}, 1), "dds\n");
    EXPECT_EQ(mine(corner_plan(2, 5, 1), {game}, 1), "dds\n");
    EXPECT_EQ(mine(corner_plan(2, 6, 1), {game}, 1), "dds cfs\n");
}

TEST_F(Mining, APassMarksAColourPlayingTwiceInTheArea) {
    // dd and fc are Black's; White played pp in between, elsewhere.
    EXPECT_EQ(mine(corner_plan(3, 3, 1), {"dd pp fc"}, 1), "dds p cfs\n");
    // The whole board knows no elsewhere: a pass, or one colour twice,
    // ends the opening.
    const plan board = joseki_mining::standard_plans()[0];
    plan opening = board;
    opening.min_games = 1;
    EXPECT_EQ(mine(opening, {"dd pp -- pd"}, 1), "dds pps\n");
    miner m({opening});
    sgf_record twice = game_of("dd pp");
    twice.moves[1] = {1, 16, 16};
    std::string why;
    ASSERT_TRUE(m.add_game(twice, why));
    EXPECT_EQ(written(m, 0, 1), "dds\n");
}

TEST_F(Mining, ACaptureHelpedFromOutsideEndsTheSequence) {
    const plan small = {"s", 3, 3, {0}, {0, 7}, 10, 7, 1, true};
    // White takes the stone on ca with the help of da, outside the area:
    // replayed alone, the area's moves would not capture, so the sequence
    // ends with the capture.
    EXPECT_EQ(mine(small, {"ca ba oo da op cb ac"}, 1), "acs abs p bcs\n");
    // Taken by moves inside the area the capture replays the same way, and
    // the sequence goes on.
    EXPECT_EQ(mine(small, {"ba aa oo ca op bb ac"}, 1), "abs aas p acs p bbs cas\n");
}

TEST_F(Mining, GamesThatAreNotUsed) {
    miner m({corner_plan(4, 4, 1)});
    std::string why;
    sgf_record small = game_of("dd");
    small.size = 13;
    EXPECT_FALSE(m.add_game(small, why));
    EXPECT_EQ(why, "board size");
    sgf_record handicap = game_of("dd");
    handicap.handicap = 2;
    EXPECT_FALSE(m.add_game(handicap, why));
    EXPECT_EQ(why, "handicap or setup stones");
    sgf_record setup = game_of("dd");
    setup.setup.push_back({1, 4, 4});
    EXPECT_FALSE(m.add_game(setup, why));
    sgf_record short_game = game_of("dd");
    short_game.moves.resize(miner::min_game_moves - 1);
    EXPECT_FALSE(m.add_game(short_game, why));
    EXPECT_EQ(why, "too few moves");
    EXPECT_EQ(m.tree_of(0).sequences(), 0);

    // A game is used up to its first illegal move.
    EXPECT_TRUE(m.add_game(game_of("dd pp dd fc"), why));
    EXPECT_EQ(m.cut_games(), 1);
    EXPECT_EQ(written(m, 0, 1), "dds\n");
    EXPECT_EQ(m.tree_of(0).sequences(), 2);
}

TEST(JosekiMiningTrees, WhatIsLearntAtAPosition) {
    auto tree_of = [](const std::vector<std::pair<sequence, int>>& lines) {
        joseki_mining::tree t;
        for (const auto& [s, times] : lines) {
            for (int i = 0; i < times; ++i)
                t.add(s);
        }
        return t;
    };
    const token a = at("aa"), b = at("ba"), c = at("ca"), d = at("da"), pass{};
    // One move in half the games or more: learnt alone, with value 2; b is
    // only played, and with nothing after it, not even that.
    EXPECT_EQ(written(tree_of({{{a}, 5}, {{b}, 3}, {{c}, 2}}), 2), "aas\n");
    // No dominant move: each move of a tenth of the games or more is learnt;
    // ties go by point, rare moves go.
    EXPECT_EQ(written(tree_of({{{a}, 40}, {{c}, 25}, {{b}, 25}, {{d}, 9}}), 2),
              "( aa ) ( ba ) ca\n");
    EXPECT_EQ(written(tree_of({{{a}, 40}, {{c}, 25}, {{b}, 25}, {{d}, 10}}), 2),
              "( aa ) ( ba ) ( ca ) da\n");
    // Branches of fewer than min_games games are dropped.
    EXPECT_EQ(written(tree_of({{{a}, 4}, {{b}, 3}, {{c}, 3}}), 4), "aa\n");
    // Where playing elsewhere was the usual choice, nothing is learnt, but
    // what followed elsewhere is kept.
    EXPECT_EQ(written(tree_of({{{a, pass, c}, 6}, {{a, d}, 4}}), 1), "aas p cas\n");
    EXPECT_EQ(written(tree_of({{{a, pass}, 6}, {{a, d}, 4}}), 1), "aas\n");
    // A move only played is written for what is learnt after it.
    EXPECT_EQ(written(tree_of({{{a, b}, 6}, {{c, d}, 4}}), 1), "( aas bas ) can das\n");
    // Sequences that stopped count as games that played elsewhere.
    EXPECT_EQ(written(tree_of({{{a, b}, 4}, {{a}, 6}}), 1), "aas\n");
}

TEST_F(Mining, WrittenLibrariesLoadCleanlyAndAnswerInEveryCorner) {
    const plan p = corner_plan(2, 8, 4);
    EXPECT_EQ(joseki_mining::library_text({"x", 3, 2, {0}, {0}, 1, 1, 1, true}),
              "aa ba ca\nab bb cb\n--\nx_tree.dat\n");
    data.write("c.dat", joseki_mining::library_text(p));
    data.write("c_tree.dat", mine(p, {"dd pp pd dp qn cf fq qf"}, 4));
    engine e;
    test::diag_capture capture;
    joseki_library library(e, "c.dat");
    EXPECT_EQ(capture.text(), "found joseki file c_tree.dat\n");
    EXPECT_EQ(library.region.count(), 100);
    EXPECT_EQ(library.n_entries(), 2);
    // The 4-4 point in every corner, then both knight's approaches.
    point_set opening;
    library.lookup(opening, 1);
    EXPECT_EQ(opening.count(), 4);
    EXPECT_EQ(pt(e, "pp")->joseki_value, 2.0);
    e.push(pt(e, "pp"), 1);
    point_set approach;
    library.lookup(approach, -1);
    std::set<point*> expected = {pt(e, "qn"), pt(e, "nq"), pt(e, "dd"), pt(e, "dp"), pt(e, "pd")};
    const std::vector<point*> found = approach.to_vector();
    EXPECT_EQ(std::set<point*>(found.begin(), found.end()), expected);
}

TEST(JosekiMiningPlans, TheFourLibrariesTheEngineReads) {
    std::set<std::string> names;
    for (const plan& p : joseki_mining::standard_plans()) {
        names.insert(p.name);
        // Merging must keep the rectangle, and the views must watch
        // different areas of its size.
        auto area = [&](int t) {
            std::set<std::pair<int, int>> points;
            for (int x = 1; x <= 19; ++x) {
                for (int y = 1; y <= 19; ++y) {
                    board_xy image;
                    symmetry_image(t, x, y, image);
                    if (image.x <= p.width && image.y <= p.height) points.insert({x, y});
                }
            }
            return points;
        };
        for (int t : p.merges)
            EXPECT_EQ(area(t), area(0)) << p.name << " " << t;
        std::set<std::set<std::pair<int, int>>> areas;
        for (int v : p.views) {
            areas.insert(area(v));
            EXPECT_EQ(area(v).size(), static_cast<size_t>(p.width * p.height)) << p.name;
        }
        EXPECT_EQ(areas.size(), p.views.size()) << p.name;
        EXPECT_GE(p.min_games, 2) << p.name;
    }
    EXPECT_EQ(names, (std::set<std::string>{"j_fuseki", "j_side", "j_corner", "j_mini"}));
}

}  // namespace

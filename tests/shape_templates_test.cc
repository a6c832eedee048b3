#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/engine.h"
#include "engine/knowledge/joseki_library.h"
#include "engine/knowledge/shape_templates.h"
#include "tests/support/board_helpers.h"
#include "tests/support/diag_capture.h"

namespace {

using test::pt;
using offset_pairs = std::set<std::pair<int, int>>;

offset_pairs pairs(const std::vector<const template_offset*>& list) {
    offset_pairs out;
    for (const template_offset* o : list)
        out.insert({o->dx, o->dy});
    return out;
}

offset_pairs rectangle(int dx1, int dx2, int dy1, int dy2) {
    offset_pairs out;
    for (int dx = dx1; dx <= dx2; ++dx) {
        for (int dy = dy1; dy <= dy2; ++dy)
            out.insert({dx, dy});
    }
    return out;
}

offset_pairs without(offset_pairs all, const offset_pairs& gone) {
    for (const auto& o : gone)
        all.erase(o);
    return all;
}

// Puts the template's own and opponent stones around p for mover a.
void place_shape(engine& e, const shape_template& t, const point* p, int a) {
    for (const template_offset* o : t.own)
        e.push(e.at(p->x + o->dx, p->y + o->dy), a);
    for (const template_offset* o : t.opponent)
        e.push(e.at(p->x + o->dx, p->y + o->dy), -a);
}

void take_back(engine& e) {
    while (e.no_moves > 0)
        e.pop();
}

TEST(ShapeTemplates, OffsetsAreSharedObjects) {
    EXPECT_EQ(offset_at(2, -1), offset_at(2, -1));
    EXPECT_NE(offset_at(2, -1), offset_at(-1, 2));
    EXPECT_EQ(offset_at(-9, 9)->dx, -9);
    EXPECT_EQ(offset_at(-9, 9)->dy, 9);
}

TEST(ShapeTemplates, TheWorkedExampleOfTheFirstTemplate) {
    engine e;
    // White on (9, 3) and (12, 3); Black to play at (10, 3).
    test::place(e, {"", "", "........O..O"});
    point* p = e.at(10, 3);
    EXPECT_TRUE(e.templates->all()[0].matches(e, p, 1));
    EXPECT_TRUE(e.templates->rejects(p, 1));
    // For White the two stones are its own: no template wants that.
    EXPECT_FALSE(e.templates->rejects(p, -1));
    // Any stone in the rectangle x 8..13, y 1..5 spoils the shape; one just
    // outside it does not.
    for (int x = 8; x <= 13; ++x) {
        for (int y = 1; y <= 5; ++y) {
            point* q = e.at(x, y);
            if (q->colour != 0 || q == p) continue;
            e.push(q, 1);
            EXPECT_FALSE(e.templates->all()[0].matches(e, p, 1)) << x << "," << y;
            e.pop();
        }
    }
    e.push(e.at(14, 3), 1);
    e.push(e.at(10, 6), -1);
    EXPECT_TRUE(e.templates->all()[0].matches(e, p, 1));
    // The candidate itself must be empty.
    engine f;
    test::place(f, {"", "", "........OX.O"});
    EXPECT_FALSE(f.templates->all()[0].matches(f, f.at(10, 3), 1));
}

TEST(ShapeTemplates, RotationAndReflectionOfTheSixthTemplate) {
    engine e;
    const std::vector<shape_template>& all = e.templates->all();
    ASSERT_EQ(all.size(), 48u);
    const shape_template& base = all[40];
    EXPECT_EQ(base.x_min, 3);
    EXPECT_EQ(base.x_max, 15);
    EXPECT_EQ(base.y_min, 2);
    EXPECT_EQ(base.y_max, 2);
    EXPECT_EQ(pairs(base.opponent), (offset_pairs{{1, 2}}));
    EXPECT_EQ(pairs(base.own), (offset_pairs{{0, 2}, {2, 1}}));
    EXPECT_EQ(pairs(base.empty), without(rectangle(-1, 2, -1, 2), {{1, 2}, {0, 2}, {2, 1}}));

    // A quarter turn puts it on the left edge, second line, reading
    // downwards: (dx, dy) -> (dy, -dx).
    const shape_template& turned = all[41];
    EXPECT_EQ(turned.x_min, 2);
    EXPECT_EQ(turned.x_max, 2);
    EXPECT_EQ(turned.y_min, 5);
    EXPECT_EQ(turned.y_max, 17);
    EXPECT_EQ(pairs(turned.opponent), (offset_pairs{{2, -1}}));
    EXPECT_EQ(pairs(turned.own), (offset_pairs{{2, 0}, {1, -2}}));
    EXPECT_EQ(pairs(turned.empty), without(rectangle(-1, 2, -2, 1), {{2, -1}, {2, 0}, {1, -2}}));

    // The mirrored set starts from three quarter turns (right edge) mirrored
    // in the diagonal: the bottom edge, with the shape upside down.
    const shape_template& mirrored = all[44];
    EXPECT_EQ(mirrored.x_min, 3);
    EXPECT_EQ(mirrored.x_max, 15);
    EXPECT_EQ(mirrored.y_min, 18);
    EXPECT_EQ(mirrored.y_max, 18);
    EXPECT_EQ(pairs(mirrored.opponent), (offset_pairs{{1, -2}}));
    EXPECT_EQ(pairs(mirrored.own), (offset_pairs{{0, -2}, {2, -1}}));
}

TEST(ShapeTemplates, TheEightOrientationsAreTheBoardSymmetriesOfTheBase) {
    engine e;
    const std::vector<shape_template>& all = e.templates->all();
    for (int b = 0; b < 6; ++b) {
        const shape_template& base = all[8 * b];
        const point* p = e.at(base.x_min, base.y_min);
        std::set<int> found;
        for (int t = 0; t < 8; ++t) {
            SCOPED_TRACE("base " + std::to_string(b) + " symmetry " + std::to_string(t));
            engine board;
            board_xy image;
            auto image_of = [&](int x, int y) {
                symmetry_image(t, x, y, image);
                return board.at(image.x, image.y);
            };
            for (const template_offset* o : base.own)
                board.push(image_of(p->x + o->dx, p->y + o->dy), 1);
            for (const template_offset* o : base.opponent) {
                board.push(image_of(p->x + o->dx, p->y + o->dy), -1);
            }
            const point* candidate = image_of(p->x, p->y);
            int matching = -1;
            for (int k = 0; k < 48; ++k) {
                if (all[k].matches(board, candidate, 1)) {
                    EXPECT_EQ(matching, -1) << "two templates match";
                    matching = k;
                }
            }
            ASSERT_GE(matching, 8 * b);
            ASSERT_LT(matching, 8 * b + 8);
            found.insert(matching);
        }
        EXPECT_EQ(found.size(), 8u);
    }
}

TEST(ShapeTemplates, RangesKeepEveryOffsetOnTheBoard) {
    engine e;
    for (const shape_template& t : e.templates->all()) {
        for (int x = t.x_min; x <= t.x_max; ++x) {
            for (int y = t.y_min; y <= t.y_max; ++y) {
                for (const auto* list : {&t.empty, &t.own, &t.opponent}) {
                    for (const template_offset* o : *list) {
                        ASSERT_TRUE(point::on_board(x + o->dx, y + o->dy));
                    }
                }
            }
        }
        EXPECT_EQ(std::count(t.empty.begin(), t.empty.end(), offset_at(0, 0)), 1);
    }
}

TEST(ShapeTemplates, EachTemplateMatchesItsShapeAndNoFirstLinePointEverMatches) {
    engine e;
    const std::vector<shape_template>& all = e.templates->all();
    for (size_t k = 0; k < all.size(); ++k) {
        const shape_template& t = all[k];
        SCOPED_TRACE("template " + std::to_string(k));
        EXPECT_TRUE(t.x_min > 1 && t.x_max < 19 && t.y_min > 1 && t.y_max < 19);
        for (int mover : {1, -1}) {
            // Everywhere in its ranges the shape is recognised...
            for (int x = t.x_min; x <= t.x_max; ++x) {
                for (int y = t.y_min; y <= t.y_max; ++y) {
                    place_shape(e, t, e.at(x, y), mover);
                    EXPECT_TRUE(t.matches(e, e.at(x, y), mover));
                    EXPECT_TRUE(e.templates->rejects(e.at(x, y), mover));
                    take_back(e);
                }
            }
            // ...and the same shape around a first-line point, as far as it
            // fits on the board, never is.
            for (int i = 1; i <= 19; ++i) {
                for (point* edge : {e.at(i, 1), e.at(i, 19), e.at(1, i), e.at(19, i)}) {
                    for (const auto* list : {&t.own, &t.opponent}) {
                        for (const template_offset* o : *list) {
                            const int x = edge->x + o->dx;
                            const int y = edge->y + o->dy;
                            if (!point::on_board(x, y) || e.at(x, y)->colour != 0) continue;
                            e.push(e.at(x, y), list == &t.own ? mover : -mover);
                        }
                    }
                    EXPECT_FALSE(e.templates->rejects(edge, mover));
                    take_back(e);
                }
            }
        }
    }
}

class Moyo : public ::testing::Test {
  protected:
    engine e;

    // Passes until n moves are on the stack.
    void moves_made(int n) {
        take_back(e);
        for (int i = 0; i < n; ++i)
            e.push(e.pass_point, e.turn());
    }
    // Territory values of the evaluation for the side to move; the moyo of
    // the opponent is where they are below -0.2.
    void opponent_area(int x1, int x2, int y1, int y2, double value = -0.5) {
        for (int x = x1; x <= x2; ++x) {
            for (int y = y1; y <= y2; ++y)
                e.at(x, y)->value = value;
        }
    }
    int opponent_moyo(std::string* printed = nullptr) {
        point_set out;
        test::diag_capture capture;
        e.templates->moyo(-e.turn(), out);
        if (printed) *printed = capture.text();
        return out.count();
    }
};

TEST_F(Moyo, SixtyPointsAreTooFewAndSixtyOneEnough) {
    moves_made(10);
    opponent_area(1, 6, 1, 10);  // 60 points
    std::string printed;
    EXPECT_EQ(opponent_moyo(&printed), 0);
    EXPECT_EQ(printed, "moyo size: 60 ");
    e.at(1, 11)->value = -0.3;
    EXPECT_EQ(opponent_moyo(&printed), 61);
    EXPECT_EQ(printed, "moyo size: 61 ");
    // A value of 0.2 does not count, and neither does a stone.
    e.at(1, 11)->value = -0.2;
    EXPECT_EQ(opponent_moyo(), 0);
    e.at(1, 11)->value = -0.3;
    e.push(e.at(1, 11), e.turn());
    e.push(e.pass_point, e.turn());
    EXPECT_EQ(opponent_moyo(), 0);
}

TEST_F(Moyo, OnlyTheOpponentsAreaCounts) {
    moves_made(10);
    opponent_area(1, 10, 1, 10, 0.5);  // the mover's own area
    EXPECT_EQ(opponent_moyo(), 0);
    point_set own;
    e.templates->moyo(e.turn(), own);
    EXPECT_EQ(own.count(), 100);
    // The colour parameter is taken relative to the side to move.
    opponent_area(1, 10, 1, 10, -0.5);
    point_set black;
    e.templates->moyo(1, black);
    EXPECT_EQ(black.count(), 0);
    moves_made(11);
    e.templates->moyo(1, black);
    EXPECT_EQ(black.count(), 100);
}

TEST_F(Moyo, OfTwoEqualAreasTheFirstFoundWins) {
    moves_made(10);
    // A column of neutral points between them makes two areas of 70.
    opponent_area(1, 7, 1, 10);
    opponent_area(9, 15, 1, 10);
    point_set out;
    e.templates->moyo(-e.turn(), out);
    ASSERT_EQ(out.count(), 70);
    for (point* p : out.to_vector())
        EXPECT_LE(p->x, 7);
    // One point more on the right makes it the larger.
    e.at(9, 11)->value = -0.5;
    point_set larger;
    e.templates->moyo(-e.turn(), larger);
    ASSERT_EQ(larger.count(), 71);
    for (point* p : larger.to_vector())
        EXPECT_GE(p->x, 9);
    // Points joined only diagonally are two areas.
    moves_made(10);
    opponent_area(1, 19, 1, 19, 0.0);
    for (int k = 1; k <= 19; ++k)
        e.at(k, k)->value = -0.9;
    EXPECT_EQ(opponent_moyo(), 0);
}

TEST_F(Moyo, OnlyBetweenTheFourthAndTheThirtiethMove) {
    opponent_area(1, 10, 1, 10);
    for (int n : {0, 3, 31, 40}) {
        moves_made(n);
        std::string printed;
        EXPECT_EQ(opponent_moyo(&printed), 0) << n;
        EXPECT_EQ(printed, "") << n;
    }
    for (int n : {4, 17, 30}) {
        moves_made(n);
        EXPECT_EQ(opponent_moyo(), 100) << n;
    }
}

}  // namespace

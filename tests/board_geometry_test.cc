#include <gtest/gtest.h>

#include "engine/engine.h"
#include "tests/support/board_helpers.h"

namespace {

class Geometry : public ::testing::Test {
  protected:
    engine e;
    std::vector<std::pair<int, int>> neighbours(int x, int y) {
        std::vector<std::pair<int, int>> out;
        point* p = e.at(x, y);
        for (int k = 0; k < p->n_neighbours; ++k)
            out.push_back({p->neighbours[k]->x, p->neighbours[k]->y});
        return out;
    }
    std::vector<std::pair<int, int>> diagonals(int x, int y) {
        std::vector<std::pair<int, int>> out;
        point* p = e.at(x, y);
        for (int k = 0; k < p->n_diagonals; ++k)
            out.push_back({p->diagonals[k]->x, p->diagonals[k]->y});
        return out;
    }
    using pairs = std::vector<std::pair<int, int>>;
};

TEST_F(Geometry, IndicesCodesAndBitmapPositions) {
    EXPECT_EQ(e.at(1, 1)->index, 0);
    EXPECT_EQ(e.at(1, 2)->index, 1);
    EXPECT_EQ(e.at(2, 1)->index, 19);
    EXPECT_EQ(e.points[31]->word, 1);
    EXPECT_EQ(e.points[31]->mask, 1);
    EXPECT_EQ(e.points[30]->word, 0);
    EXPECT_EQ(e.points[30]->mask, 1 << 30);
    EXPECT_EQ(e.pass_point->index, 361);
    EXPECT_EQ(e.points[361], e.pass_point);
    EXPECT_EQ(e.grid[0][0], e.pass_point);
    EXPECT_EQ(e.pass_point->n_neighbours, 0);
    for (int k = 0; k < e.n_points; ++k) {
        point* p = e.points[k];
        EXPECT_EQ(19 * p->x + p->y, p->index + 20);
        EXPECT_EQ(p->code, 19 * p->y + p->x);
        EXPECT_EQ(p->sort_key, -p->index);
    }
}

TEST_F(Geometry, NeighbourOrdersAtEdgesAndCorners) {
    EXPECT_EQ(neighbours(10, 10), (pairs{{11, 10}, {10, 9}, {9, 10}, {10, 11}}));
    EXPECT_EQ(neighbours(1, 10), (pairs{{2, 10}, {1, 9}, {1, 11}}));
    EXPECT_EQ(neighbours(19, 10), (pairs{{19, 11}, {18, 10}, {19, 9}}));
    EXPECT_EQ(neighbours(10, 1), (pairs{{10, 2}, {9, 1}, {11, 1}}));
    EXPECT_EQ(neighbours(10, 19), (pairs{{9, 19}, {10, 18}, {11, 19}}));
    EXPECT_EQ(neighbours(1, 1), (pairs{{2, 1}, {1, 2}}));
    EXPECT_EQ(neighbours(1, 19), (pairs{{2, 19}, {1, 18}}));
    EXPECT_EQ(neighbours(19, 1), (pairs{{18, 1}, {19, 2}}));
    EXPECT_EQ(neighbours(19, 19), (pairs{{18, 19}, {19, 18}}));
    EXPECT_EQ(e.at(1, 1)->weight, 0.5);
    EXPECT_DOUBLE_EQ(e.at(1, 5)->weight, 1.0 / 3);
    EXPECT_EQ(e.at(5, 5)->weight, 0.25);
}

TEST_F(Geometry, DiagonalOrders) {
    EXPECT_EQ(diagonals(10, 10), (pairs{{9, 9}, {9, 11}, {11, 9}, {11, 11}}));
    EXPECT_EQ(diagonals(1, 10), (pairs{{2, 9}, {2, 11}}));
    EXPECT_EQ(diagonals(19, 10), (pairs{{18, 9}, {18, 11}}));
    EXPECT_EQ(diagonals(10, 1), (pairs{{9, 2}, {11, 2}}));
    EXPECT_EQ(diagonals(10, 19), (pairs{{9, 18}, {11, 18}}));
    EXPECT_EQ(diagonals(1, 1), (pairs{{2, 2}}));
    EXPECT_EQ(diagonals(19, 19), (pairs{{18, 18}}));
}

TEST_F(Geometry, NeighbourhoodSizes) {
    EXPECT_EQ(e.at(10, 10)->near3.count(), 44);
    EXPECT_EQ(e.at(4, 4)->near3.count(), 44);
    EXPECT_EQ(e.at(1, 1)->near3.count(), 14);
    EXPECT_FALSE(e.at(1, 1)->near3.contains(e.at(4, 4)));
    EXPECT_TRUE(e.at(1, 1)->near3.contains(e.at(4, 3)));
    EXPECT_EQ(e.at(10, 10)->near2.count(), 24);
    EXPECT_EQ(e.at(1, 1)->near2.count(), 8);
    EXPECT_EQ(e.at(10, 10)->near1.count(), 8);
    EXPECT_EQ(e.at(1, 10)->near1.count(), 5);
    EXPECT_FALSE(e.at(10, 10)->near1.contains(e.at(10, 10)));
}

TEST_F(Geometry, EdgeDistances) {
    EXPECT_EQ(e.at(1, 1)->edge_near, 1);
    EXPECT_EQ(e.at(10, 10)->edge_near, 10);
    EXPECT_EQ(e.at(3, 17)->edge_near, 3);
    EXPECT_EQ(e.at(3, 12)->edge_far, 8);
    EXPECT_EQ(e.at(1, 7)->edge_distance(), 0);
    EXPECT_EQ(e.at(10, 10)->edge_distance(), 9);
    EXPECT_EQ(e.at(17, 5)->edge_distance(), 2);
}

TEST_F(Geometry, WindowsAreNormalisedToTheUpperLeftOctant) {
    auto null_pattern = [&](int x, int y) {
        std::string s;
        for (auto& row : e.at(x, y)->window)
            for (point* q : row)
                s += q ? '1' : '0';
        return s;
    };
    EXPECT_EQ(null_pattern(1, 1), null_pattern(1, 19));
    EXPECT_EQ(null_pattern(1, 1), null_pattern(19, 1));
    EXPECT_EQ(null_pattern(1, 1), null_pattern(19, 19));
    // Entry [1][0] (offsets +1, 0) of the window of (19, 19) is (18, 19).
    EXPECT_EQ(e.at(19, 19)->window[4][3], e.at(18, 19));
    EXPECT_EQ(e.at(10, 10)->window[3][3], e.at(10, 10));
    // (3, 2) lies below the diagonal of its octant: the window is transposed,
    // so stepping along the first index moves along y.
    EXPECT_EQ(e.at(3, 2)->window[4][3], e.at(3, 3));
    EXPECT_EQ(e.at(3, 2)->window[3][4], e.at(4, 2));
    EXPECT_EQ(e.at(2, 3)->window[4][3], e.at(3, 3));
}

}  // namespace

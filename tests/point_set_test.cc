#include <gtest/gtest.h>

#include <algorithm>

#include "engine/engine.h"

namespace {

class PointSet : public ::testing::Test {
  protected:
    engine e;
    point* a = e.at(3, 3);
    point* b = e.at(4, 4);
    point* c = e.at(5, 5);
    point* d = e.at(6, 6);
    point* f = e.at(7, 7);
    std::vector<point*> order(const point_set& s) { return s.to_vector(); }
};

TEST_F(PointSet, NewestFirstAndRepeatedAddChangesNothing) {
    point_set s;
    EXPECT_EQ(s.add(a), 1);
    EXPECT_EQ(s.add(b), 2);
    EXPECT_EQ(s.add(c), 3);
    EXPECT_NE(s.add(a), 0);
    EXPECT_EQ(s.count(), 3);
    EXPECT_EQ(order(s), (std::vector<point*>{c, b, a}));
    EXPECT_EQ(s.remove(d), 0);
    EXPECT_EQ(s.remove(b), 1);
    EXPECT_EQ(order(s), (std::vector<point*>{c, a}));
    EXPECT_FALSE(s.contains(b));
}

TEST_F(PointSet, CursorCyclesAndReturnsToTheFrontAfterChanges) {
    point_set s;
    for (point* p : {a, b, c})
        s.add(p);
    EXPECT_EQ(s.next(), c);
    EXPECT_EQ(s.next(), b);
    // A full cycle from any cursor comes back to it.
    for (int i = 0; i < s.count(); ++i)
        s.next();
    EXPECT_EQ(s.next(), a);
    EXPECT_EQ(s.next(), c);
    s.add(d);
    EXPECT_EQ(s.next(), d);
    s.next();
    s.remove(a);
    EXPECT_EQ(s.next(), d);
}

TEST_F(PointSet, SortIsAscendingWithEqualKeysReversed) {
    point_set s;
    a->sort_key = 2;
    b->sort_key = 1;
    c->sort_key = 3;
    for (point* p : {a, b, c})
        s.add(p);  // list: c(3) b(1) a(2)
    s.sort();
    EXPECT_EQ(order(s), (std::vector<point*>{b, a, c}));

    point_set t;
    d->sort_key = 5;
    f->sort_key = 5;
    a->sort_key = 4;
    for (point* p : {d, a, f})
        t.add(p);  // list: f d a
    t.sort();
    EXPECT_EQ(order(t), (std::vector<point*>{a, d, f}));

    point_set u;
    a->score = 0.2;
    b->score = 0.9;
    c->score = 0.5;
    for (point* p : {a, b, c})
        u.add(p);
    u.sort_by_score();
    EXPECT_EQ(order(u), (std::vector<point*>{b, c, a}));
}

TEST_F(PointSet, TruncateKeepsTheNewest) {
    point_set s;
    for (point* p : {a, b, c, d, f})
        s.add(p);
    s.truncate(2);
    EXPECT_EQ(order(s), (std::vector<point*>{f, d}));
    EXPECT_FALSE(s.contains(a));
    s.truncate(5);
    EXPECT_EQ(s.count(), 2);
    s.truncate(0);
    EXPECT_TRUE(s.empty());
}

TEST_F(PointSet, LargeSetsKeepOrderAndCursorThroughCopiesAndRemovals) {
    // Beyond a few members the set moves to a buffer of its own; copies
    // between small and large sets, and recycled buffers, keep everything.
    point_set big;
    std::vector<point*> expected;  // front first
    for (int y = 1; y <= 19; ++y) {
        for (int x = 1; x <= 10; ++x) {
            big.add(e.at(x, y));
            expected.insert(expected.begin(), e.at(x, y));
        }
    }
    for (int i = 0; i < 37; ++i) big.next();
    big.remove(e.at(5, 5));
    expected.erase(std::find(expected.begin(), expected.end(), e.at(5, 5)));
    EXPECT_EQ(order(big), expected);
    for (int i = 0; i < 37; ++i) big.next();
    point_set small;
    small.add(a);
    small = big;
    EXPECT_EQ(order(small), expected);
    EXPECT_EQ(small.next(), big.next());
    big = point_set();
    EXPECT_TRUE(big.empty());
    EXPECT_FALSE(big.contains(e.at(1, 1)));
    small.truncate(3);
    EXPECT_EQ(order(small), (std::vector<point*>(expected.begin(), expected.begin() + 3)));
    EXPECT_FALSE(small.contains(e.at(1, 1)));
    point_set reused;
    for (point* p : expected) reused.add(p);
    EXPECT_EQ(reused.count(), static_cast<int>(expected.size()));
    EXPECT_EQ(reused.first(), expected.back());
}

TEST_F(PointSet, SetAlgebra) {
    point_set s, t, out;
    for (point* p : {a, b, c})
        s.add(p);
    for (point* p : {c, d})
        t.add(p);
    EXPECT_EQ(s.intersects(t), 1);
    s.intersect_into(t, out);
    EXPECT_EQ(order(out), (std::vector<point*>{c}));
    s.subtract(t);
    EXPECT_EQ(order(s), (std::vector<point*>{b, a}));
    EXPECT_EQ(s.intersects(t), 0);
    point_set copy = s;
    copy.add_all(t);
    EXPECT_EQ(order(copy), (std::vector<point*>{c, d, b, a}));
    EXPECT_EQ(order(s), (std::vector<point*>{b, a}));
}

TEST_F(PointSet, DistancesAndShapes) {
    point_set s;
    EXPECT_EQ(s.distance_to(a), 1000);
    s.add(e.at(10, 10));
    EXPECT_EQ(s.distance_to(e.at(10, 10)), 0);
    EXPECT_EQ(s.distance_to(e.at(11, 10)), 0);
    EXPECT_EQ(s.distance_to(e.at(11, 11)), 1);
    EXPECT_EQ(s.distance_to(e.at(12, 10)), 2);
    EXPECT_EQ(s.distance_to(e.at(12, 11)), 3);
    EXPECT_EQ(s.distance_to(e.at(13, 10)), 4);
    EXPECT_EQ(s.distance_to(e.at(12, 12)), 4);
    EXPECT_EQ(s.distance_to(e.at(13, 11)), 5);

    point_set line;
    for (int x = 3; x <= 5; ++x)
        line.add(e.at(x, 3));
    EXPECT_TRUE(line.is_connected());
    line.add(e.at(7, 3));
    EXPECT_FALSE(line.is_connected());
    point_set by[5];
    line.split_by_neighbours(by);
    EXPECT_EQ(by[0].count(), 1);
    EXPECT_EQ(by[1].count(), 2);
    EXPECT_EQ(by[2].count(), 1);
}

TEST_F(PointSet, ColourCounts) {
    e.push(a, 1);
    e.push(b, -1);
    point_set s;
    for (point* p : {a, b, c})
        s.add(p);
    EXPECT_EQ(s.count_colour(1), 1);
    EXPECT_EQ(s.count_colour(0), 1);
    EXPECT_EQ(s.count_stones(), 2);
    s.next();
    EXPECT_EQ(s.has_stone(), 1);
    EXPECT_EQ(s.next(), c);  // rewound
}

}  // namespace

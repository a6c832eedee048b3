// The one container of points: a membership bitmap, a newest-first list and a
// cyclic cursor through which nearly all iteration is done.
//
// Iteration idiom: for (int i = 0; i < s.count(); ++i) { point* p = s.next(); }
// visits every member once, starting at the cursor, and leaves the cursor
// where it was.  add() and remove() move the cursor to the front.
#pragma once

#include <cstdint>
#include <cstdio>
#include <iterator>
#include <vector>

class point;

class point_set {
public:
    point_set() = default;
    point_set(const point_set& other);
    point_set& operator=(const point_set& other);
    ~point_set();

    // Non-zero when p already was a member (nothing changes); otherwise p is
    // put at the front and the new count is returned.
    int add(point* p);
    // 1 when p was removed, 0 when it was not a member.
    int remove(point* p);
    bool contains(const point* p) const;
    int count() const { return count_; }
    bool empty() const { return count_ == 0; }
    void rewind() { cursor_ = 0; }
    point* next();
    point* first() const;
    void clear();
    void print(FILE* file = nullptr) const;

    // Set algebra.
    void add_all(const point_set& other);
    void intersect_into(const point_set& other, point_set& out);
    int intersects(point_set& other);
    void subtract(const point_set& other);
    void truncate(int n);

    // Queries over the members.
    int count_colour(int colour) const;
    int count_stones() const;
    int has_stone();
    int distance_to(const point* q) const;
    int is_connected() const;
    void split_by_neighbours(point_set out[5]) const;

    // Orders the list by the points' sort_key, ascending; equal keys end in
    // the reverse of their previous order.
    void sort();
    void sort_by_score();

    // The members from the front of the list: for loops whose body changes
    // the board (and with it the list), and for tests.
    std::vector<point*> to_vector() const;
    // The members from the front of the list, for loops that change neither
    // the set nor the board; the cursor is left where it is.
    std::reverse_iterator<point* const*> begin() const {
        return std::reverse_iterator<point* const*>(members_ + count_);
    }
    std::reverse_iterator<point* const*> end() const {
        return std::reverse_iterator<point* const*>(members_);
    }

    // Shape distance between two points: min(a,b) + 2*max(a,b) - 2 for
    // |dx| = a and |dy| = b.
    static int shape_distance(const point* a, const point* b);

private:
    static constexpr int n_words = 12;
    // Most sets (a string's liberties, a move list) are small: their members
    // live in the set itself, larger ones in a recycled buffer.
    static constexpr int inline_capacity = 8;
    int32_t bits_[n_words] = {};
    int count_ = 0;
    int cursor_ = 0;  // index in the list of the point next() returns
    int capacity_ = inline_capacity;
    // Oldest first, so that the front of the list is members_[count_ - 1]
    // and add() appends.
    point** members_ = inline_;
    point* inline_[inline_capacity];

    point* at(int index) const { return members_[count_ - 1 - index]; }
    void reserve(int n);
    void release();
    void copy_from(const point_set& other);
};

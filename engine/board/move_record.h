// One made move on the engine's stack: enough to take it back exactly.
// The merged and captured strings stay alive in the record while they are
// off the board, so that pop restores the very same objects.
#pragma once

#include <vector>

class point;
class str;

// A newest-first list of strings; the record owns the list, not the strings.
class str_list {
public:
    void add_front(str* s) { items_.push_back(s); }
    bool contains(const str* s) const;
    int count() const { return static_cast<int>(items_.size()); }
    bool empty() const { return items_.empty(); }
    void clear() { items_.clear(); }
    // Newest first.
    str* at(int i) const { return items_[items_.size() - 1 - i]; }

private:
    std::vector<str*> items_;  // oldest first
};

struct move_record {
    point* where = nullptr;  // the pass point for a pass
    str_list merged;         // friendly strings joined by the move (two or more)
    str_list captured;       // enemy strings it took off the board
    int colour = 0;
    int ko = 0;  // the move had the shape of a ko capture

    int captured_stones() const;
};

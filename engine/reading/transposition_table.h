// The positions one tactical reading has met, with the bounds it found for
// them: copies of the live position key in 101 buckets chosen by the key's
// bucket word.  A table lives for one reading (and the proof extraction that
// follows it); the engine replaces it at both ends.
#pragma once

#include <array>
#include <forward_list>
#include <utility>
#include <vector>

#include "engine/board/position_key.h"

class transposition_table {
  public:
    transposition_table();
    ~transposition_table();
    transposition_table(const transposition_table&) = delete;
    transposition_table& operator=(const transposition_table&) = delete;

    // The entry for the same position as key, or null.
    position_key* find(const position_key& key);
    // Stores a copy of key at the front of its bucket; the table owns it and
    // the entry keeps its address until it is purged or the table goes.
    position_key* insert(const position_key& key);
    // Drops every entry that is not a decided win or loss (lower = upper,
    // not 0): iterative deepening must search those again.
    void purge_undecided();

    int count() const;

    // Process-wide: tables alive now, and the most entries any destroyed
    // table held.
    static int alive();
    static int largest();

  private:
    struct bucket {
        std::forward_list<position_key> entries;  // newest first
        // The hash base and the address of every entry, oldest first: a
        // search reads these contiguous pairs rather than walking the
        // scattered entries, and meets them in the same order.
        std::vector<std::pair<int32_t, position_key*>> index;
    };
    std::array<bucket, position_key::n_buckets> buckets_;

    static bool is_decided(const position_key& entry);
};

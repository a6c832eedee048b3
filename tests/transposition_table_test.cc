#include <gtest/gtest.h>

#include <memory>

#include "engine/engine.h"
#include "engine/reading/transposition_table.h"
#include "tests/support/board_helpers.h"
#include "tests/support/diag_capture.h"

namespace {

using test::pt;

// The keys of three different positions of one engine.
struct three_positions {
    engine e;
    position_key empty, one_stone, two_stones;
    three_positions() {
        empty = e.key;
        e.push(pt(e, "dd"), 1);
        one_stone = e.key;
        e.push(pt(e, "pp"), -1);
        two_stones = e.key;
    }
};

TEST(TranspositionTable, FindsOnlyTheSamePositionAndKeepsEntriesInPlace) {
    three_positions k;
    transposition_table table;
    EXPECT_EQ(table.find(k.one_stone), nullptr);
    position_key* entry = table.insert(k.one_stone);
    entry->set_bounds(-1, 1);
    table.insert(k.empty);
    table.insert(k.two_stones);
    EXPECT_EQ(table.count(), 3);
    // The entry found is the stored one, bounds and all, even though the
    // query carries other bounds and the table has grown since.
    position_key query = k.one_stone;
    query.set_bounds(0, 0);
    EXPECT_EQ(table.find(query), entry);
    EXPECT_EQ(entry->lower(), -1);
    EXPECT_EQ(table.find(k.two_stones)->words[position_key::hash_base_word],
              k.two_stones.hash_base());
    EXPECT_EQ(table.find(k.empty)->hash_base(), 0);
    // A position stored twice is found as the newer copy.
    position_key* again = table.insert(k.one_stone);
    EXPECT_EQ(table.find(query), again);
}

TEST(TranspositionTable, SameStonesAtAnotherMoveCountAreAnotherPosition) {
    engine e;
    e.push(pt(e, "dd"), 1);
    position_key early = e.key;
    e.push(e.pass_point, -1);
    e.push(e.pass_point, 1);
    transposition_table table;
    table.insert(early);
    EXPECT_EQ(table.find(e.key), nullptr);
    e.pop();
    e.pop();
    EXPECT_NE(table.find(e.key), nullptr);
}

TEST(TranspositionTable, PurgeKeepsOnlyDecidedWinsAndLosses) {
    engine e;
    transposition_table table;
    const int bounds[][2] = {{1, 1}, {-1, -1}, {0, 0}, {-1, 1}, {0, 1}, {-1, 0}};
    std::vector<position_key> keys;
    for (const auto& b : bounds) {
        e.push(e.pass_point, e.turn());
        keys.push_back(e.key);
        table.insert(e.key)->set_bounds(b[0], b[1]);
    }
    table.purge_undecided();
    EXPECT_EQ(table.count(), 2);
    EXPECT_NE(table.find(keys[0]), nullptr);
    EXPECT_NE(table.find(keys[1]), nullptr);
    for (int i = 2; i < 6; ++i) EXPECT_EQ(table.find(keys[i]), nullptr) << i;
}

TEST(TranspositionTable, CountsTablesAliveAndReportsAThird) {
    const int before = transposition_table::alive();
    test::diag_capture out;
    {
        transposition_table a;
        transposition_table b;
        EXPECT_EQ(transposition_table::alive(), before + 2);
        EXPECT_EQ(out.text(), "");
        transposition_table c;
        EXPECT_NE(out.text().find("hash " + std::to_string(before + 3) + " "), std::string::npos);
    }
    EXPECT_EQ(transposition_table::alive(), before);
}

TEST(TranspositionTable, ReportsTheLargestSizeOnlyWhenItGrows) {
    auto fill = [](transposition_table& t, int n) {
        position_key key;
        for (int i = 0; i < n; ++i) t.insert(key);
    };
    const int record = transposition_table::largest();
    test::diag_capture out;
    {
        transposition_table t;
        fill(t, record + 5);
    }
    EXPECT_EQ(transposition_table::largest(), record + 5);
    const std::string message = " hashsize " + std::to_string(record + 5) + " ";
    EXPECT_EQ(out.text(), message);
    {
        transposition_table t;
        fill(t, 3);
    }
    EXPECT_EQ(out.text(), message);
}

TEST(TranspositionTable, TheEngineOwnsOneTableFromTheStart) {
    const int before = transposition_table::alive();
    {
        engine e;
        ASSERT_NE(e.table, nullptr);
        EXPECT_EQ(e.table->count(), 0);
        EXPECT_EQ(transposition_table::alive(), before + 1);
    }
    EXPECT_EQ(transposition_table::alive(), before);
}

}  // namespace

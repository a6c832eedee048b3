#include "engine/reading/transposition_table.h"

#include <algorithm>

#include "engine/base/diagnostics.h"

namespace {

int g_alive = 0;
int g_largest = 0;

}  // namespace

transposition_table::transposition_table() {
    ++g_alive;
    // Only one table should exist besides the one being replaced.
    if (g_alive > 2) {
        diag::print("hash %d ", g_alive);
        diag::flush();
    }
}

transposition_table::~transposition_table() {
    const int n = count();
    if (n > g_largest) {
        g_largest = n;
        diag::print(" hashsize %d ", g_largest);
        diag::flush();
    }
    --g_alive;
}

int transposition_table::alive() {
    return g_alive;
}
int transposition_table::largest() {
    return g_largest;
}

position_key* transposition_table::find(const position_key& key) {
    const auto& index = buckets_[key.bucket()].index;
    for (auto it = index.rbegin(); it != index.rend(); ++it) {
        if (it->first == key.hash_base() && position_key::same_position(*it->second, key)) {
            return it->second;
        }
    }
    return nullptr;
}

position_key* transposition_table::insert(const position_key& key) {
    bucket& b = buckets_[key.bucket()];
    b.entries.push_front(key);
    b.index.emplace_back(key.hash_base(), &b.entries.front());
    return &b.entries.front();
}

bool transposition_table::is_decided(const position_key& entry) {
    return entry.lower() != 0 && entry.lower() == entry.upper();
}

void transposition_table::purge_undecided() {
    for (bucket& b : buckets_) {
        b.entries.remove_if([](const position_key& entry) { return !is_decided(entry); });
        b.index.clear();
        for (position_key& entry : b.entries) b.index.emplace_back(entry.hash_base(), &entry);
        std::reverse(b.index.begin(), b.index.end());
    }
}

int transposition_table::count() const {
    int n = 0;
    for (const bucket& b : buckets_) n += static_cast<int>(b.index.size());
    return n;
}

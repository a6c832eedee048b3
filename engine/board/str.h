// A string: a maximal orthogonally connected set of stones of one colour with
// its liberties, and what the analysis has learnt about it (status, group,
// connections).  Strings are kept up to date stone by stone by push and pop
// and recycled through the points' spares, so a string rebuilt on the same
// point is the same object with the same remembered status.
#pragma once

#include <vector>

#include "engine/board/point_set.h"

class point;
class group;
class connection;

class str {
public:
    explicit str(int colour);
    ~str();
    str(const str&) = delete;
    str& operator=(const str&) = delete;

    int colour;
    int grouped = 0;  // mark set while groups are built
    int birth = -1;   // no_moves when push made this string
    point_set stones;
    point_set liberties;
    std::vector<connection*> connections;
    group* owner_group = nullptr;
    // The status that tactical reading gives the string: dead (it can be
    // captured) or safe; safe until read.
    static constexpr int dead = 1;
    static constexpr int safe = 6;
    int status = safe;

    static int live_count();
    // The analysis above the board (groups, connection records) lets go of
    // a string that is freed through this hook, which it installs.
    using release_hook = void (*)(str* s);
    static void set_release_hook(release_hook hook);

    // --- stone operations -----------------------------------------------
    void add_stone(point* p);
    void remove_stone(point* p);
    void merge(str* other);
    void detach();
    void attach();
    void clear();
    bool is_current();
    point* lowest_stone() const;
    void print() const;

    // --- queries for reading and evaluation -----------------------------
    void liberty_area(point_set& out);
    void add_liberties_to(point_set& out) const { out.add_all(liberties); }
    void atari_captures(point_set& out);
    void counter_captures(point_set& out);
    void two_liberty_enemies(point_set& out);
    int touches_enemy_in_atari();
    void liberty_area_wide(point_set& out);
    void liberty_area_two(point_set& out);
    void self_atari_liberties(point_set& out);
    int is_weak();
    int capturable_now();
    // These three read the connection records and live with them.
    connection* find_connection(const str* other) const;
    void connected_strings(int min, std::vector<str*>& list) const;
    void save_connection_states();
    int distance_to_point(const point* p) const { return stones.distance_to(p); }
    int distance(const str* other) const;
    void adjacent_enemies(std::vector<str*>& list);
    int single_stone_pressure();

    // Consistency of the liberty set with the stones; 1 on failure.
    int check(const char* label);

private:
    // Calls f(s) once for every distinct string of colour c touching a stone.
    template <class F>
    void for_adjacent_strings(int c, F f);
    template <class OnEmpty>
    void around_liberties(point_set& out, OnEmpty on_empty);
};

// The exact description of a position: every column as a balanced ternary
// number, the turn word (colour to move, moves on the stack, pending ko) and
// the hash_base with its bucket.  The live key of the engine and the entries
// of the transposition table are the same record.
#pragma once

#include <array>
#include <cstdint>

class point;

// powers_of_three[y] = 3^(y-1) for rows 1..19; entry 0 is 0.
inline constexpr int32_t powers_of_three[20] = {
    0,        1,         3,         9,        27,       81,      243,
    729,      2187,      6561,      19683,    59049,    177147,  531441,
    1594323,  4782969,   14348907,  43046721, 129140163, 387420489};

class position_key {
public:
    static constexpr int n_words = 25;  // word 25, the link, is the pointer below
    static constexpr int turn_word = 20;
    static constexpr int lower_word = 21;
    static constexpr int upper_word = 22;
    static constexpr int hash_base_word = 23;
    static constexpr int bucket_word = 24;
    static constexpr int n_buckets = 101;

    position_key();
    position_key(const position_key& other);
    position_key& operator=(const position_key& other) = default;
    ~position_key();

    int32_t words[n_words] = {};
    void* link = nullptr;  // proof-tree node of a table entry

    int32_t hash_base() const { return words[hash_base_word]; }
    int32_t bucket() const { return words[bucket_word]; }
    int32_t lower() const { return words[lower_word]; }
    int32_t upper() const { return words[upper_word]; }
    void set_bounds(int lower, int upper) {
        words[lower_word] = lower;
        words[upper_word] = upper;
    }

    // p holds its stone while it is added or removed.
    void key_add_stone(const point* p);
    void key_remove_stone(const point* p);
    // turn + 3*no_moves, plus 100*code of the last point when it took a ko.
    void key_update_turn(int turn, int no_moves, const point* ko_point);

    static bool same_position(const position_key& a, const position_key& b);

    // The stones alone: the hash base first (a quick mismatch), then the
    // nineteen column codes.  Equal boards have equal words whatever the
    // turn and the move number.
    using board_words = std::array<int32_t, 20>;
    board_words board() const;
    // Adds (sign 1) or removes (sign -1) a stone of colour on p in b.
    static void change_stone(board_words& b, const point* p, int colour, int sign);
    void print_key() const;

    // Counts used by the leak guard on live keys.
    static long long constructed();
    static long long destroyed();
};

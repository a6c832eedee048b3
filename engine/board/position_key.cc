#include "engine/board/position_key.h"

#include "engine/base/diagnostics.h"
#include "engine/board/point.h"

namespace {

long long g_constructed = 0;
long long g_destroyed = 0;

void count_construction() {
    ++g_constructed;
    if (g_constructed - g_destroyed > 1000000) {
        diag::print("pos count %lld %lld %lld\n", g_constructed, g_destroyed,
                    g_constructed - g_destroyed);
        diag::pause();
    }
}

}  // namespace

position_key::position_key() { count_construction(); }

position_key::position_key(const position_key& other) : link(other.link) {
    for (int i = 0; i < n_words; ++i) words[i] = other.words[i];
    count_construction();
}

position_key::~position_key() { ++g_destroyed; }

long long position_key::constructed() { return g_constructed; }
long long position_key::destroyed() { return g_destroyed; }

void position_key::key_add_stone(const point* p) {
    words[p->x] += powers_of_three[p->y] * p->colour;
    words[hash_base_word] += (p->colour + 2) * p->code;
    words[bucket_word] = words[hash_base_word] % n_buckets;
}

void position_key::key_remove_stone(const point* p) {
    words[p->x] -= powers_of_three[p->y] * p->colour;
    words[hash_base_word] -= (p->colour + 2) * p->code;
    words[bucket_word] = words[hash_base_word] % n_buckets;
}

void position_key::key_update_turn(int turn, int no_moves, const point* ko_point) {
    words[turn_word] = turn + 3 * no_moves + (ko_point != nullptr ? 100 * ko_point->code : 0);
}

bool position_key::same_position(const position_key& a, const position_key& b) {
    if (a.words[hash_base_word] != b.words[hash_base_word]) return false;
    if (a.words[turn_word] != b.words[turn_word]) return false;
    for (int x = 1; x <= 19; ++x) {
        if (a.words[x] != b.words[x]) return false;
    }
    return true;
}

position_key::board_words position_key::board() const {
    board_words b;
    b[0] = words[hash_base_word];
    for (int x = 1; x <= 19; ++x) b[x] = words[x];
    return b;
}

void position_key::change_stone(board_words& b, const point* p, int colour, int sign) {
    b[p->x] += sign * powers_of_three[p->y] * colour;
    b[0] += sign * (colour + 2) * p->code;
}

void position_key::print_key() const {
    for (int x = 1; x <= 19; ++x) diag::print(" %d", words[x]);
    diag::print(" %d %d %d values %d %d\n", words[hash_base_word], words[bucket_word],
                words[turn_word], words[lower_word], words[upper_word]);
    diag::flush();
}

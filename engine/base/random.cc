#include "engine/base/random.h"

#include <cstdlib>

void subtractive_random::initialise() {
    // 64 bits: |seed| of the most negative int does not fit in an int.
    long long mj = (161803398LL - std::llabs(static_cast<long long>(seed_))) % modulus;
    if (mj < 0) mj += modulus;
    table_[55] = static_cast<int>(mj);
    long long mk = 1;
    for (int i = 1; i <= 54; ++i) {
        const int ii = (21 * i) % 55;
        table_[ii] = static_cast<int>(mk);
        mk = mj - mk;
        if (mk < 0) mk += modulus;
        mj = table_[ii];
    }
    for (int round = 0; round < 4; ++round) {
        for (int i = 1; i <= 55; ++i) {
            table_[i] -= table_[1 + (i + 30) % 55];
            if (table_[i] < 0) table_[i] += modulus;
        }
    }
    next_ = 0;
    next_partner_ = 31;
    seed_ = 1;
    initialised_ = true;
}

double subtractive_random::uniform() {
    if (!initialised_ || seed_ < 0) initialise();
    if (++next_ == 56) next_ = 1;
    if (++next_partner_ == 56) next_partner_ = 1;
    int mj = table_[next_] - table_[next_partner_];
    if (mj < 0) mj += modulus;
    table_[next_] = mj;
    return mj * 1e-9;
}

int subtractive_random::integer(int lo, int hi) {
    ++integer_calls_;
    return static_cast<int>(uniform() * (static_cast<double>(hi) - lo + 1) + lo);
}

void subtractive_random::set_seed(int s) {
    seed_ = s;
    integer_calls_ = 0;
    initialised_ = false;
}

subtractive_random& random_generator() {
    static subtractive_random generator;
    return generator;
}

void set_random_seed(int s) {
    random_generator().set_seed(s);
}

double random_uniform() {
    return random_generator().uniform();
}

int random_int(int lo, int hi) {
    return random_generator().integer(lo, hi);
}

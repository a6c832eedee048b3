// The rule by which move generation picks among its candidates: in the
// candidate set's own iteration order, a candidate replaces the best only
// with a strictly greater value, so that of equal values the first one met
// stays and a value equal to the floor (or NaN) never wins.
#pragma once

#include "engine/board/point_set.h"

class point;

struct move_choice {
    point* best;
    double value;
};

// value(d) may make and take back moves: it must leave k's list alone.
template <class Value>
move_choice choose_best(point_set& k, move_choice floor, Value value) {
    move_choice choice = floor;
    for (int i = 0; i < k.count(); ++i) {
        point* d = k.next();
        const double v = value(d);
        if (v > choice.value) choice = {d, v};
    }
    return choice;
}

// Below this value the first choice gives way to the second, which looks
// only at tactically safe moves where the territory is still open.
constexpr double accept_value = 2.0;
// What a move must be worth in the second choice to be better than a pass.
constexpr double secondary_floor = 0.5;

// A NaN value is never accepted.
inline bool is_accepted(const move_choice& c, const point* pass) {
    return c.best != pass && c.value >= accept_value;
}

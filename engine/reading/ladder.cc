// Ladder reading: a capture search that follows only strings with at most
// two liberties and plays only liberties (and, near the start, captures).
// It is cheap enough to be a terminal test of the other searches.
#include <algorithm>

#include "engine/reading/reader.h"

namespace {

// The escaper at depth 3 and beyond tries no captures; instead the ladder
// counts as broken when the last two moves left a stone that can be taken.
bool ladder_broken(reader& e) {
    if (e.no_moves >= 2) {
        const move_record& own = e.move_stack[e.no_moves - 2];
        const point* p = own.where;
        for (int k = 0; k < p->n_neighbours; ++k) {
            const point* q = p->neighbours[k];
            if (q->colour == -own.colour && q->str_ptr->liberties.count() == 1) return true;
        }
    }
    point* last = e.last_point();
    return last->colour != 0 && last->str_ptr->capturable_now();
}

}  // namespace

int reader::ladder_capture(str* s, int depth, int max_depth) {
    ++ladder_count;
    if (depth > max_depth) return 0;
    if (s->capturable_now()) return 1;
    if (s->liberties.count() > 2) return -1;
    const int attacker = -s->colour;
    point* stone = s->stones.first();
    point_set moves;
    s->add_liberties_to(moves);
    remove_illegal(moves, attacker);
    int best = -1;
    for (int i = 0; i < moves.count(); ++i) {
        point* m = moves.next();
        push(m, attacker);
        const int v = -ladder_escape(stone->str_ptr, depth + 1, max_depth);
        pop();
        if (v == 1) return 1;
        best = std::max(best, v);
    }
    return best;
}

int reader::ladder_escape(str* s, int depth, int max_depth) {
    ++ladder_count;
    if (s->liberties.count() > 1) return 1;
    point* stone = s->stones.first();
    point_set moves;
    if (depth <= 2) {
        s->atari_captures(moves);
    } else if (ladder_broken(*this)) {
        return 1;
    }
    s->add_liberties_to(moves);
    remove_illegal(moves, s->colour);
    int best = -1;
    for (int i = 0; i < moves.count(); ++i) {
        point* m = moves.next();
        push(m, stone->colour);
        const int v = -ladder_capture(stone->str_ptr, depth + 1, max_depth);
        pop();
        if (v == 1) return 1;
        best = std::max(best, v);
    }
    return best;
}

#include "engine/evaluation/connection.h"

#include <algorithm>

#include "engine/base/diagnostics.h"
#include "engine/board/point.h"
#include "engine/board/str.h"

connection::connection(str* a, str* b) : first(a), second(b) {
    if (a->colour != b->colour) {
        diag::print(" connection color error ! ");
        a->print();
        b->print();
        diag::pause();
    }
    for (str* s : {a, b}) {
        auto& list = s->connections;
        if (std::find(list.begin(), list.end(), this) == list.end()) list.push_back(this);
    }
}

connection::~connection() {
    for (str* s : {first, second}) {
        if (s == nullptr) continue;
        auto& list = s->connections;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
}

void connection::disable(const str* s) {
    if (s == first) {
        first = nullptr;
    } else if (s == second) {
        second = nullptr;
    } else {
        diag::print(" connection disable error ! ");
        diag::pause();
    }
}

bool status_changed(const str* s) {
    return s->lowest_stone()->status_copy != s->status;
}

namespace {

// A stone next to the string (of either colour) whose string's status is
// not the one remembered at the snapshot: a fight around the string moved.
bool status_changed_around(const str* s) {
    for (const point* p : s->stones.to_vector()) {
        for (int k = 0; k < p->n_neighbours; ++k) {
            const point* q = p->neighbours[k];
            if (q->colour != 0 && q->status_copy != q->str_ptr->status) return true;
        }
    }
    return false;
}

// A pass is played nowhere: it comes near no string.
bool near_move(const str* s, const point* move_point) {
    return !move_point->is_pass() && s->distance_to_point(move_point) < 4;
}

}  // namespace

bool connection::needs_reevaluation(const point* move_point) const {
    for (const str* s : {first, second}) {
        if (s == nullptr) return true;
        if (near_move(s, move_point) || status_changed(s) || status_changed_around(s)) return true;
    }
    return false;
}

// The connection records of a string, read and kept up to date here.
connection* str::find_connection(const str* other) const {
    for (connection* c : connections) {
        if (c->other_end(this) == other) return c;
    }
    return nullptr;
}

void str::connected_strings(int min, std::vector<str*>& list) const {
    for (connection* c : connections) {
        if (c->status < min) continue;
        str* other = c->other_end(this);
        if (other != nullptr && other->is_current() && std::find(list.begin(), list.end(), other) == list.end()) {
            list.push_back(other);
        }
    }
}

void str::save_connection_states() {
    for (connection* c : connections) c->remember();
}

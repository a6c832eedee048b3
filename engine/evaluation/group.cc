#include "engine/evaluation/group.h"

#include <algorithm>

#include "engine/base/diagnostics.h"
#include "engine/evaluation/evaluator.h"

group::group(evaluator& owner) : evaluator_(owner) {}

group::~group() {
    for (str* s : members) {
        if (s->owner_group == this) s->owner_group = nullptr;
    }
}

void group::add_string(str* s) {
    if (s->stones.empty()) diag::crash("error group str size()==0");
    if (colour != 0 && s->colour != colour) diag::crash("error group color");
    if (std::find(members.begin(), members.end(), s) == members.end()) members.push_back(s);
    stones.add_all(s->stones);
    size += s->stones.count();
    if (stones.empty()) diag::crash("error group->size() ");
    s->owner_group = this;
    colour = s->colour;
}

void group::remove_string(str* s) {
    size -= s->stones.count();
    members.erase(std::remove(members.begin(), members.end(), s), members.end());
    s->owner_group = nullptr;
}

void group::absorb_group(group* other) {
    if (other == this) diag::crash("error self absorb_group!!");
    while (!other->members.empty()) {
        str* s = other->members.front();
        other->remove_string(s);
        add_string(s);
    }
}

point* group::main_stone() const {
    point* best = nullptr;
    int best_key = -1;
    for (point* p : stones.to_vector()) {
        const int key = 1000 * p->liberties() + p->index;
        if (key > best_key) {
            best_key = key;
            best = p;
        }
    }
    return best;
}

bool group::is_to_move() const { return colour == evaluator_.turn(); }

bool group::is_single_dead_string() const {
    if (members.size() != 1) return false;
    return members.front()->status < (is_to_move() ? 2 : 5);
}

#include "engine/connection.h"

#include <algorithm>

#include "engine/diagnostics.h"
#include "engine/str.h"

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

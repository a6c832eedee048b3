#include "tests/support/board_helpers.h"

#include <set>
#include <sstream>

#include "engine/board/coordinates.h"

namespace test {

void place(engine& e, const std::vector<std::string>& rows) {
    for (int y = 1; y <= static_cast<int>(rows.size()); ++y) {
        const std::string& row = rows[y - 1];
        for (int x = 1; x <= static_cast<int>(row.size()); ++x) {
            if (row[x - 1] == 'X') e.push(e.at(x, y), 1);
            if (row[x - 1] == 'O') e.push(e.at(x, y), -1);
        }
    }
}

point* pt(board& e, const char* name) {
    return e.at(coord::sgf_number(name[0]), coord::sgf_number(name[1]));
}

namespace {

std::string name(const point* p) {
    return coord::sgf_point(p->x, p->y);
}

std::set<int> indices(const point_set& s) {
    std::set<int> out;
    for (point* p : s.to_vector()) out.insert(p->index);
    return out;
}

}  // namespace

std::string board_mismatch(engine& e) {
    std::ostringstream out;
    std::set<int> done;
    for (int k = 0; k < e.n_points; ++k) {
        point* p = e.points[k];
        if (p->colour == 0) {
            if (p->str_ptr != nullptr) out << "empty point with a string " << name(p) << "\n";
            continue;
        }
        if (done.count(k)) continue;
        std::set<int> stones, libs;
        std::vector<point*> pending{p};
        stones.insert(k);
        while (!pending.empty()) {
            point* q = pending.back();
            pending.pop_back();
            for (int i = 0; i < q->n_neighbours; ++i) {
                point* n = q->neighbours[i];
                if (n->colour == 0) libs.insert(n->index);
                if (n->colour == p->colour && stones.insert(n->index).second) pending.push_back(n);
            }
        }
        done.insert(stones.begin(), stones.end());
        str* s = p->str_ptr;
        if (s == nullptr) {
            out << "stone without string " << name(p) << "\n";
            continue;
        }
        for (int i : stones) {
            if (e.points[i]->str_ptr != s) out << "stone on another string " << name(e.points[i]) << "\n";
        }
        if (s->colour != p->colour) out << "string colour " << name(p) << "\n";
        if (indices(s->stones) != stones) out << "stones of " << name(p) << "\n";
        if (indices(s->liberties) != libs) out << "liberties of " << name(p) << "\n";
        if (s->stones.count() != static_cast<int>(stones.size())) out << "stone count " << name(p) << "\n";
        if (s->liberties.count() != static_cast<int>(libs.size())) out << "liberty count " << name(p) << "\n";
    }
    position_key fresh;
    for (int k = 0; k < e.n_points; ++k) {
        if (e.points[k]->colour != 0) fresh.key_add_stone(e.points[k]);
    }
    const move_record* top = e.last_move();
    fresh.key_update_turn(e.turn(), e.no_moves, top && top->ko ? top->where : nullptr);
    for (int w = 0; w < position_key::n_words; ++w) {
        if (fresh.words[w] != e.key.words[w]) out << "key word " << w << "\n";
    }
    if (e.key.link != nullptr) out << "key link\n";
    return out.str();
}

namespace {

bool captures(const point* p, int colour) {
    for (int i = 0; i < p->n_neighbours; ++i) {
        const point* q = p->neighbours[i];
        if (q->colour == -colour && q->str_ptr->liberties.count() == 1) return true;
    }
    return false;
}

}  // namespace

point* random_legal_move(engine& e, unsigned& state, int x0, int x1, int y0, int y1) {
    std::vector<point*> legal, capturing;
    for (int x = x0; x <= x1; ++x) {
        for (int y = y0; y <= y1; ++y) {
            point* p = e.at(x, y);
            if (!e.is_legal_move(p, e.turn())) continue;
            legal.push_back(p);
            if (captures(p, e.turn())) capturing.push_back(p);
        }
    }
    state = state * 1103515245u + 12345u;
    unsigned draw = (state >> 8) % 1000;
    if (legal.empty() || draw < 15) return e.pass_point;
    // Captures are preferred, so that a small region keeps being fought over
    // and ko shapes arise.
    if (!capturing.empty() && draw < 600) return capturing[draw % capturing.size()];
    return legal[draw % legal.size()];
}

}  // namespace test

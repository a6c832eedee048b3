#include "engine/knowledge/shape_templates.h"

#include <algorithm>
#include <array>

#include "engine/base/diagnostics.h"
#include "engine/board/board.h"

const template_offset* offset_at(int dx, int dy) {
    static const std::array<template_offset, 19 * 19> table = [] {
        std::array<template_offset, 19 * 19> offsets{};
        for (int i = 0; i < 19; ++i) {
            for (int j = 0; j < 19; ++j)
                offsets[19 * i + j] = {i - 9, j - 9};
        }
        return offsets;
    }();
    return &table[19 * (dx + 9) + (dy + 9)];
}

namespace {

using offset_list = std::vector<const template_offset*>;

void add_unique(offset_list& list, const template_offset* o) {
    if (std::find(list.begin(), list.end(), o) == list.end()) list.push_back(o);
}

void erase(offset_list& list, const template_offset* o) {
    list.erase(std::remove(list.begin(), list.end(), o), list.end());
}

template <class Map>
offset_list mapped(const offset_list& source, Map map) {
    offset_list out;
    for (const template_offset* o : source)
        add_unique(out, map(*o));
    return out;
}

template <class Map>
shape_template derived(const shape_template& t, Map map) {
    shape_template d;
    d.empty = mapped(t.empty, map);
    d.own = mapped(t.own, map);
    d.opponent = mapped(t.opponent, map);
    return d;
}

struct base_shape {
    int dx1, dx2, dy1, dy2;  // the rectangle that must be empty
    std::vector<template_offset> opponent;
    std::vector<template_offset> own;
    int x_min, x_max, y;
};

// Second- and third-line shapes at the top edge (y = 1 is the first line).
const base_shape base_shapes[] = {
    {-2, 3, -2, 2, {{-1, 0}, {2, 0}}, {}, 4, 14, 3},
    {-3, 2, -1, 2, {{-2, 1}, {1, 1}, {2, 0}}, {}, 4, 16, 2},
    {-1, 3, -1, 3, {{1, 2}, {2, 2}, {3, 2}}, {{0, 2}, {2, 1}, {3, 1}}, 3, 14, 2},
    {-3, 2, -2, 2, {{-2, 0}, {1, 1}}, {}, 5, 13, 3},
    {-2, 3, -1, 3, {{-1, 1}, {-1, 2}}, {{0, 2}, {2, 1}}, 4, 14, 2},
    {-1, 2, -1, 2, {{1, 2}}, {{0, 2}, {2, 1}}, 3, 15, 2},
};

// Moving an offset into one list takes it out of the other two.
void move_to(shape_template& t, offset_list shape_template::*list, const template_offset* o) {
    erase(t.empty, o);
    erase(t.own, o);
    erase(t.opponent, o);
    (t.*list).push_back(o);
}

shape_template build(const base_shape& b) {
    shape_template t;
    for (int dx = b.dx1; dx <= b.dx2; ++dx) {
        for (int dy = b.dy1; dy <= b.dy2; ++dy)
            add_unique(t.empty, offset_at(dx, dy));
    }
    add_unique(t.empty, offset_at(0, 0));
    for (const template_offset& o : b.opponent)
        move_to(t, &shape_template::opponent, offset_at(o.dx, o.dy));
    for (const template_offset& o : b.own)
        move_to(t, &shape_template::own, offset_at(o.dx, o.dy));
    t.x_min = b.x_min;
    t.x_max = b.x_max;
    t.y_min = t.y_max = b.y;
    return t;
}

bool all_have(const board& e, const point* p, const offset_list& list, int colour) {
    for (const template_offset* o : list) {
        if (e.at(p->x + o->dx, p->y + o->dy)->colour != colour) return false;
    }
    return true;
}

}  // namespace

bool shape_template::matches(const board& e, const point* p, int a) const {
    if (p->x < x_min || p->x > x_max || p->y < y_min || p->y > y_max) return false;
    return all_have(e, p, empty, 0) && all_have(e, p, own, a) && all_have(e, p, opponent, -a);
}

shape_template shape_template::rotate() const {
    shape_template r = derived(*this, [](template_offset o) { return offset_at(o.dy, -o.dx); });
    r.x_min = y_min;
    r.x_max = y_max;
    r.y_min = 20 - x_max;
    r.y_max = 20 - x_min;
    return r;
}

shape_template shape_template::reflect() const {
    shape_template r = derived(*this, [](template_offset o) { return offset_at(o.dy, o.dx); });
    r.x_min = y_min;
    r.x_max = y_max;
    r.y_min = x_min;
    r.y_max = x_max;
    return r;
}

shape_templates::shape_templates(board& e) : board_(e) {
    for (const base_shape& b : base_shapes)
        add_orientations(build(b));
}

void shape_templates::add_orientations(const shape_template& base) {
    shape_template t = base;
    for (int turn = 0; turn < 4; ++turn) {
        templates_.push_back(t);
        t = t.rotate();
    }
    // Four quarter turns brought t back to the base; the mirrored four start
    // from the third turn.
    t = templates_[templates_.size() - 1].reflect();
    for (int turn = 0; turn < 4; ++turn) {
        templates_.push_back(t);
        t = t.rotate();
    }
}

bool shape_templates::rejects(const point* p, int a) const {
    for (const shape_template& t : templates_) {
        if (t.matches(board_, p, a)) return true;
    }
    return false;
}

void shape_templates::moyo(int b, point_set& out) {
    board& e = board_;
    if (e.no_moves <= 3 || e.no_moves > 30) return;
    const int x = b * e.turn();
    point_set best;
    point_set visited;
    for (int k = 0; k < e.n_points; ++k) {
        point* p = e.points[k];
        if (p->colour != 0 || visited.contains(p) || !(x * p->value > 0.2)) continue;
        point_set area;
        grow_area(p, x, visited, area);
        // Of areas of equal size the first found stays.
        if (area.count() > best.count()) best = area;
    }
    diag::print("moyo size: %d ", best.count());
    if (best.count() < min_moyo) return;
    for (int i = 0; i < best.count(); ++i)
        out.add(best.next());
}

void shape_templates::grow_area(point* start, int x, point_set& visited, point_set& area) {
    point_set pending;
    pending.add(start);
    visited.add(start);
    while (!pending.empty()) {
        point* h = pending.first();
        pending.remove(h);
        area.add(h);
        for (int i = 0; i < h->n_neighbours; ++i) {
            point* l = h->neighbours[i];
            if (l->colour == 0 && !visited.contains(l) && x * l->value > 0.2) pending.add(l);
            visited.add(l);
        }
    }
}

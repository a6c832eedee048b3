#include "engine/board/point_set.h"

#include <algorithm>
#include <cstdlib>

#include "engine/base/diagnostics.h"
#include "engine/board/point.h"

namespace {

// Buffers of the larger sets are recycled by size: sets are built and
// cleared millions of times during reading, and the engine is
// single-threaded.  Capacities are powers of two from 16 up.  A free
// buffer's first slot holds the next free buffer of its size.
constexpr int n_buffer_sizes = 6;  // up to 512, more than the board's points
point** g_free_buffers[n_buffer_sizes] = {};

int size_class(int capacity) {
    int k = 0;
    while ((16 << k) < capacity) ++k;
    return k;
}

point** take_buffer(int size_class) {
    point** buffer = g_free_buffers[size_class];
    if (buffer == nullptr) return new point*[16 << size_class];
    g_free_buffers[size_class] = reinterpret_cast<point**>(buffer[0]);
    return buffer;
}

void give_back(point** buffer, int size_class) {
    buffer[0] = reinterpret_cast<point*>(g_free_buffers[size_class]);
    g_free_buffers[size_class] = buffer;
}

}  // namespace

point_set::point_set(const point_set& other) { copy_from(other); }

point_set& point_set::operator=(const point_set& other) {
    if (this != &other) copy_from(other);
    return *this;
}

point_set::~point_set() { release(); }

void point_set::release() {
    if (members_ != inline_) give_back(members_, size_class(capacity_));
    members_ = inline_;
    capacity_ = inline_capacity;
}

void point_set::reserve(int n) {
    if (n <= capacity_) return;
    const int k = size_class(n);
    point** bigger = take_buffer(k);
    std::copy(members_, members_ + count_, bigger);
    release();
    members_ = bigger;
    capacity_ = 16 << k;
}

void point_set::copy_from(const point_set& other) {
    count_ = 0;
    reserve(other.count_);
    std::copy(other.members_, other.members_ + other.count_, members_);
    std::copy(other.bits_, other.bits_ + n_words, bits_);
    count_ = other.count_;
    cursor_ = other.cursor_;
}

bool point_set::contains(const point* p) const { return (bits_[p->word] & p->mask) != 0; }

int point_set::add(point* p) {
    if (int32_t member = bits_[p->word] & p->mask) return member;
    if (count_ == capacity_) reserve(count_ + 1);
    members_[count_] = p;
    bits_[p->word] |= p->mask;
    cursor_ = 0;
    return ++count_;
}

int point_set::remove(point* p) {
    if (!contains(p)) return 0;
    bits_[p->word] &= ~p->mask;
    point** gone = std::find(members_, members_ + count_, p);
    std::copy(gone + 1, members_ + count_, gone);
    --count_;
    cursor_ = 0;
    return 1;
}

point* point_set::next() {
    if (count_ == 0) {
        diag::print("error NULL set");
        diag::pause();
        return nullptr;
    }
    point* p = at(cursor_);
    cursor_ = cursor_ + 1 < count_ ? cursor_ + 1 : 0;
    return p;
}

point* point_set::first() const {
    if (count_ == 0) {
        diag::print("error NULL set first");
        diag::pause();
        return nullptr;
    }
    return at(0);
}

void point_set::clear() {
    count_ = 0;
    cursor_ = 0;
    std::fill(bits_, bits_ + n_words, 0);
}

void point_set::print(FILE* file) const {
    for (point* p : *this) p->print(file);
}

void point_set::add_all(const point_set& other) {
    for (point* p : other) add(p);
    cursor_ = 0;
}

void point_set::intersect_into(const point_set& other, point_set& out) {
    for (int i = 0; i < count_; ++i) {
        point* p = next();
        if (other.contains(p)) out.add(p);
    }
}

int point_set::intersects(point_set& other) {
    point_set& walked = other.count_ < count_ ? other : *this;
    const point_set& tested = &walked == this ? other : *this;
    walked.rewind();
    for (point* p : walked) {
        if (tested.contains(p)) return 1;
    }
    return 0;
}

void point_set::subtract(const point_set& other) {
    point** kept = members_;
    for (int i = 0; i < count_; ++i) {
        point* p = members_[i];
        if (other.contains(p)) {
            bits_[p->word] &= ~p->mask;
        } else {
            *kept++ = p;
        }
    }
    count_ = static_cast<int>(kept - members_);
    cursor_ = 0;
}

void point_set::truncate(int n) {
    if (n >= count_) return;
    if (n <= 0) {
        clear();
        return;
    }
    const int dropped = count_ - n;
    for (int i = 0; i < dropped; ++i) bits_[members_[i]->word] &= ~members_[i]->mask;
    std::copy(members_ + dropped, members_ + count_, members_);
    count_ = n;
    cursor_ = 0;
}

int point_set::count_colour(int colour) const {
    int k = 0;
    for (point* p : *this) k += p->colour == colour;
    return k;
}

int point_set::count_stones() const {
    int k = 0;
    for (point* p : *this) k += p->colour != 0;
    return k;
}

int point_set::has_stone() {
    rewind();
    for (point* p : *this) {
        if (p->colour != 0) return 1;
    }
    return 0;
}

int point_set::shape_distance(const point* a, const point* b) {
    int dx = std::abs(a->x - b->x);
    int dy = std::abs(a->y - b->y);
    return std::min(dx, dy) + 2 * std::max(dx, dy) - 2;
}

int point_set::distance_to(const point* q) const {
    if (count_ == 0) return 1000;
    int best = 1000;
    for (point* p : *this) best = std::min(best, shape_distance(p, q));
    return std::max(best, 0);
}

int point_set::is_connected() const {
    if (count_ == 0) return 1;
    point_set reached;
    std::vector<point*> pending{at(0)};
    reached.add(at(0));
    while (!pending.empty()) {
        point* p = pending.back();
        pending.pop_back();
        for (int k = 0; k < p->n_neighbours; ++k) {
            point* q = p->neighbours[k];
            if (contains(q) && !reached.contains(q)) {
                reached.add(q);
                pending.push_back(q);
            }
        }
    }
    return reached.count() == count_;
}

void point_set::split_by_neighbours(point_set out[5]) const {
    for (point* p : *this) {
        int k = 0;
        for (int j = 0; j < p->n_neighbours; ++j) k += contains(p->neighbours[j]);
        out[k].add(p);
    }
}

void point_set::sort() {
    if (count_ == 0) return;
    // An unbalanced ordered tree: a greater key goes left, an equal or smaller
    // key right.  Walking it left, node, right and putting each point at the
    // front leaves the list ascending, equal keys reversed.  Built by hand
    // rather than with a library sort so that NaN keys fall exactly as the
    // tree puts them.
    struct tree_node {
        point* p;
        int left = -1;
        int right = -1;
    };
    // Kept between calls, like the members' buffers.
    static std::vector<tree_node> tree;
    static std::vector<int> stack;
    tree.clear();
    for (point* p : *this) {
        tree.push_back({p});
        int added = static_cast<int>(tree.size()) - 1;
        if (added == 0) continue;
        for (int k = 0;;) {
            int& child = p->sort_key > tree[k].p->sort_key ? tree[k].left : tree[k].right;
            if (child < 0) {
                child = added;
                break;
            }
            k = child;
        }
    }
    int before = count_;
    clear();
    for (int k = 0; k >= 0 || !stack.empty();) {
        if (k >= 0) {
            stack.push_back(k);
            k = tree[k].left;
        } else {
            k = stack.back();
            stack.pop_back();
            add(tree[k].p);
            k = tree[k].right;
        }
    }
    if (count_ != before) diag::print("error sort");
}

void point_set::sort_by_score() {
    for (point* p : *this) p->sort_key = -p->score;
    sort();
}

std::vector<point*> point_set::to_vector() const {
    return std::vector<point*>(begin(), end());
}

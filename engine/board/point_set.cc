#include "engine/board/point_set.h"

#include <algorithm>
#include <cstdlib>

#include "engine/base/diagnostics.h"
#include "engine/board/point.h"

namespace {

// List nodes are recycled through a free list: sets are built and cleared
// millions of times during reading, and the engine is single-threaded.
point_set::node* g_free_nodes = nullptr;

point_set::node* new_node(point* p, point_set::node* next) {
    if (g_free_nodes == nullptr) {
        constexpr int block = 4096;
        auto* nodes = new point_set::node[block];
        for (int i = 0; i < block; ++i) {
            nodes[i].next = g_free_nodes;
            g_free_nodes = &nodes[i];
        }
    }
    point_set::node* n = g_free_nodes;
    g_free_nodes = n->next;
    n->p = p;
    n->next = next;
    return n;
}

void free_node(point_set::node* n) {
    n->next = g_free_nodes;
    g_free_nodes = n;
}

}  // namespace

point_set::point_set(const point_set& other) { copy_from(other); }

point_set& point_set::operator=(const point_set& other) {
    if (this != &other) {
        clear();
        copy_from(other);
    }
    return *this;
}

point_set::~point_set() { clear(); }

void point_set::copy_from(const point_set& other) {
    node** tail = &head_;
    for (node* n = other.head_; n != nullptr; n = n->next) {
        *tail = new_node(n->p, nullptr);
        if (n == other.cursor_) cursor_ = *tail;
        tail = &(*tail)->next;
    }
    std::copy(other.bits_, other.bits_ + n_words, bits_);
    count_ = other.count_;
}

bool point_set::contains(const point* p) const { return (bits_[p->word] & p->mask) != 0; }

int point_set::add(point* p) {
    if (int32_t member = bits_[p->word] & p->mask) return member;
    head_ = new_node(p, head_);
    bits_[p->word] |= p->mask;
    cursor_ = head_;
    return ++count_;
}

int point_set::remove(point* p) {
    if (!contains(p)) return 0;
    bits_[p->word] &= ~p->mask;
    for (node** link = &head_; *link != nullptr; link = &(*link)->next) {
        if ((*link)->p == p) {
            node* gone = *link;
            *link = gone->next;
            free_node(gone);
            --count_;
            cursor_ = head_;
            return 1;
        }
    }
    diag::print("error removing point_set");
    diag::pause();
    return 0;
}

point* point_set::next() {
    if (cursor_ == nullptr) {
        diag::print("error NULL set");
        diag::pause();
        return nullptr;
    }
    point* p = cursor_->p;
    cursor_ = cursor_->next ? cursor_->next : head_;
    return p;
}

point* point_set::first() const {
    if (head_ == nullptr) {
        diag::print("error NULL set first");
        diag::pause();
        return nullptr;
    }
    return head_->p;
}

void point_set::clear() {
    while (head_ != nullptr) {
        node* gone = head_;
        head_ = gone->next;
        free_node(gone);
    }
    cursor_ = nullptr;
    count_ = 0;
    std::fill(bits_, bits_ + n_words, 0);
}

void point_set::print(FILE* file) const {
    for (node* n = head_; n != nullptr; n = n->next) n->p->print(file);
}

void point_set::add_all(const point_set& other) {
    for (node* n = other.head_; n != nullptr; n = n->next) add(n->p);
    cursor_ = head_;
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
    for (node* n = walked.head_; n != nullptr; n = n->next) {
        if (tested.contains(n->p)) return 1;
    }
    return 0;
}

void point_set::subtract(const point_set& other) {
    for (node** link = &head_; *link != nullptr;) {
        node* n = *link;
        if (other.contains(n->p)) {
            bits_[n->p->word] &= ~n->p->mask;
            *link = n->next;
            free_node(n);
            --count_;
        } else {
            link = &n->next;
        }
    }
    cursor_ = head_;
}

void point_set::truncate(int n) {
    if (n >= count_) return;
    if (n <= 0) {
        clear();
        return;
    }
    node* last = head_;
    for (int i = 1; i < n; ++i) last = last->next;
    node* rest = last->next;
    last->next = nullptr;
    while (rest != nullptr) {
        node* gone = rest;
        rest = gone->next;
        bits_[gone->p->word] &= ~gone->p->mask;
        free_node(gone);
        --count_;
    }
    cursor_ = head_;
    if (count_ != n) diag::print("error top point_set ");
}

int point_set::count_colour(int colour) const {
    int k = 0;
    for (node* n = head_; n != nullptr; n = n->next) k += n->p->colour == colour;
    return k;
}

int point_set::count_stones() const {
    int k = 0;
    for (node* n = head_; n != nullptr; n = n->next) k += n->p->colour != 0;
    return k;
}

int point_set::has_stone() {
    rewind();
    for (node* n = head_; n != nullptr; n = n->next) {
        if (n->p->colour != 0) return 1;
    }
    return 0;
}

int point_set::shape_distance(const point* a, const point* b) {
    int dx = std::abs(a->x - b->x);
    int dy = std::abs(a->y - b->y);
    return std::min(dx, dy) + 2 * std::max(dx, dy) - 2;
}

int point_set::distance_to(const point* q) const {
    if (head_ == nullptr) return 1000;
    int best = 1000;
    for (node* n = head_; n != nullptr; n = n->next) best = std::min(best, shape_distance(n->p, q));
    return std::max(best, 0);
}

int point_set::is_connected() const {
    if (head_ == nullptr) return 1;
    point_set reached;
    std::vector<point*> pending{head_->p};
    reached.add(head_->p);
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
    for (node* n = head_; n != nullptr; n = n->next) {
        int k = 0;
        for (int i = 0; i < n->p->n_neighbours; ++i) k += contains(n->p->neighbours[i]);
        out[k].add(n->p);
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
    std::vector<tree_node> tree;
    tree.reserve(count_);
    for (node* n = head_; n != nullptr; n = n->next) {
        tree.push_back({n->p});
        int added = static_cast<int>(tree.size()) - 1;
        if (added == 0) continue;
        for (int at = 0;;) {
            int& child = n->p->sort_key > tree[at].p->sort_key ? tree[at].left : tree[at].right;
            if (child < 0) {
                child = added;
                break;
            }
            at = child;
        }
    }
    int before = count_;
    clear();
    std::vector<int> stack;
    for (int at = 0; at >= 0 || !stack.empty();) {
        if (at >= 0) {
            stack.push_back(at);
            at = tree[at].left;
        } else {
            at = stack.back();
            stack.pop_back();
            add(tree[at].p);
            at = tree[at].right;
        }
    }
    if (count_ != before) diag::print("error sort");
}

void point_set::sort_by_score() {
    for (node* n = head_; n != nullptr; n = n->next) n->p->sort_key = -n->p->score;
    sort();
}

std::vector<point*> point_set::to_vector() const {
    std::vector<point*> members;
    members.reserve(count_);
    for (node* n = head_; n != nullptr; n = n->next) members.push_back(n->p);
    return members;
}

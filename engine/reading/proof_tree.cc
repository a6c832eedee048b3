#include "engine/reading/proof_tree.h"

#include <algorithm>

#include "engine/base/diagnostics.h"
#include "engine/board/point.h"
#include "engine/board/point_set.h"

proof_tree::proof_tree() {
    clear();
}

void proof_tree::clear() {
    nodes_.clear();
    root_ = std::make_unique<node>();
    current_ = root_.get();
    node_count_ = 0;
    depth_ = 0;
}

proof_tree::node* proof_tree::make_node(point* move, node* parent) {
    nodes_.push_back(std::make_unique<node>());
    node* n = nodes_.back().get();
    n->move = move;
    n->parent = parent;
    n->depth = parent->depth + 1;
    return n;
}

void proof_tree::children(point_set& set) const {
    for (const node* child : current_->children) set.add(child->move);
}

void proof_tree::add_child(point* move) {
    node* n = make_node(move, current_);
    auto& siblings = current_->children;
    const bool listed = std::any_of(siblings.begin(), siblings.end(),
                                    [move](const node* c) { return c->move == move; });
    if (!listed) siblings.insert(siblings.begin(), n);
    current_ = n;
    ++node_count_;
    depth_ = std::max(depth_, n->depth);
}

void proof_tree::descend(point* move) {
    for (node* child : current_->children) {
        if (child->move == move) {
            current_ = child;
            return;
        }
    }
    diag::print("error no such child");
    diag::flush();
}

void proof_tree::print_path(const node* n) {
    std::vector<const node*> path;
    for (; n != nullptr && n->move != nullptr; n = n->parent) path.push_back(n);
    for (auto it = path.rbegin(); it != path.rend(); ++it) (*it)->move->print(diag::out());
    diag::print("\n");
}

void proof_tree::link(node* target) {
    // A link may only lead to a node at least as deep: a shallower one could
    // lead back into the linking node's own line.
    if (target->depth < current_->depth) {
        diag::print("depth error cycle? \n");
        print_path(current_);
        print_path(target);
        diag::pause();
    }
    current_->link = target;
}

point* proof_tree::single_first_move() const {
    if (current_->children.size() != 1) return nullptr;
    point* move = current_->children.front()->move;
    return move->is_pass() ? nullptr : move;
}

void proof_tree::copy_to(proof_tree& other) const {
    other.clear();
    root_->copy = other.root_.get();
    // The whole arena is copied, so that a link to any node of this tree
    // finds its copy.
    for (const auto& n : nodes_) {
        other.nodes_.push_back(std::make_unique<node>(*n));
        n->copy = other.nodes_.back().get();
    }
    auto copy_of = [](const node* n) { return n == nullptr ? nullptr : n->copy; };
    for (const auto& n : nodes_) {
        node* c = n->copy;
        c->parent = copy_of(n->parent);
        c->link = copy_of(n->link);
        c->copy = nullptr;
        for (node*& child : c->children) child = child->copy;
    }
    other.root_->children = root_->children;
    for (node*& child : other.root_->children) child = child->copy;
    other.node_count_ = node_count_;
    other.depth_ = depth_;
}

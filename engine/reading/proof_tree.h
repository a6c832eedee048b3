// A tree of moves that shows the result of a tactical reading: the one
// move that wins at the prover's nodes, every move at the defender's nodes.
// A node may instead be linked to another node where the same position is
// proven (a transposition).  A cursor, the current node, walks the tree.
#pragma once

#include <memory>
#include <vector>

class point;
class point_set;

class proof_tree {
  public:
    struct node {
        point* move = nullptr;  // none for the root
        node* parent = nullptr;
        std::vector<node*> children;  // newest first
        node* link = nullptr;         // where this position is proven instead
        int depth = 0;
        node* copy = nullptr;  // the node's copy while the tree is copied
    };

    proof_tree();
    proof_tree(const proof_tree&) = delete;
    proof_tree& operator=(const proof_tree&) = delete;

    // A fresh root, which becomes current.
    void clear();

    // Adds the moves of the current node's children to set.
    void children(point_set& set) const;
    int child_count() const { return static_cast<int>(current_->children.size()); }
    // A new node for move under the current node, which it then replaces as
    // current.  When the current node already has a child for move, the new
    // node is not listed among its children.
    void add_child(point* move);
    // Makes the child for move current; reports and stays put without one.
    void descend(point* move);
    void up() { current_ = current_->parent; }
    void to_root() { current_ = root_.get(); }
    // Links the current node to target, a node where the same position is
    // proven.
    void link(node* target);
    bool is_linked() const { return current_->link != nullptr; }
    // The current node's only move, unless it has several or it is a pass.
    point* single_first_move() const;

    node* current() const { return current_; }
    int node_depth() const { return current_->depth; }
    int depth() const { return depth_; }
    int node_count() const { return node_count_; }

    // Makes other a deep copy, links included; other's cursor at its root.
    // Links into a tree copied just before (the record copies its proof tree
    // before its refutation tree) follow that tree's copy pointers.
    void copy_to(proof_tree& other) const;

  private:
    std::unique_ptr<node> root_;
    // Every node but the root, including those made for a duplicate move.
    std::vector<std::unique_ptr<node>> nodes_;
    node* current_ = nullptr;
    int node_count_ = 0;
    int depth_ = 0;

    node* make_node(point* move, node* parent);
    static void print_path(const node* n);
};

// A search goal that follows a written game tree instead of the board, so
// that tests can pose exact alpha-beta questions.  Nodes are named by the
// moves played since the root, as point names separated by spaces ("" is
// the root, "aa bb" the node after aa and bb).  The same goal serves both
// sides: values are for the side to move at the node.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/reading/search_goals.h"

namespace test {

class scripted_goal : public search_goal {
  public:
    // The root is the position at construction.
    explicit scripted_goal(engine* owner);

    // Moves offered at a node, best first; a node without an entry offers
    // none.
    std::map<std::string, std::vector<std::string>> moves;
    // Nodes that are terminal, with their value; other nodes are terminal
    // (value 0) only at the depth limit.
    std::map<std::string, int> values;

    // What the searches asked.
    int terminal_calls = 0;
    std::map<std::string, int> terminal_calls_at;
    std::set<int> max_depths_seen;
    int deepest = 0;

    bool is_terminal(point_set& targets, int depth, int max_depth, int& value) override;
    void generate_moves(point_set& targets, point_set& moves, int depth) override;

    std::string path() const;

  private:
    int root_;
};

}  // namespace test

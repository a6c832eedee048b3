// The search goals: what one side of a tactical reading wants and how it
// goes about it.  A question is a pair of goals, one per side; at every node
// the searches ask the goal of the side to move whether the node is decided
// and, if not, which moves to try, best first.  Goals keep no state between
// calls apart from the reader's counters, and leave the board as found.
#pragma once

#include <vector>

class knowledge;
class reader;
class point;
class point_set;
class str;

class search_goal {
  public:
    explicit search_goal(reader* owner) : e(owner) {}
    virtual ~search_goal() = default;
    search_goal(const search_goal&) = delete;
    search_goal& operator=(const search_goal&) = delete;

    // True when the node is decided; value is then 1 (the side to move has
    // reached its goal), -1 (it has failed) or 0 (the depth limit came
    // first).  Untouched when it answers false.
    virtual bool is_terminal(point_set& targets, int depth, int max_depth, int& value) = 0;
    // Adds the moves to try to moves (the pass point stands for a pass),
    // legal for the side to move and best first.
    virtual void generate_moves(point_set& targets, point_set& moves, int depth) = 0;

    // Stored proofs are replayed no deeper than this.
    int verify_depth_limit = 100;

  protected:
    reader* e;

    // Helpers for is_terminal: a decided node with value v; a node the
    // board does not decide, terminal (value 0) only at the depth limit.
    static bool decided(int& value, int v);
    static bool open_until_limit(int depth, int max_depth, int& value);
};

// The goals about one string, whose first target point is one of its stones
// (empty once the string has been captured).
class string_goal : public search_goal {
  protected:
    using search_goal::search_goal;
    // The string on the first target point, or null when it was captured.
    static str* target_string(const point_set& targets);
    // Reading at a negative depth means the board is no longer trusted.
    static void check_depth(int depth);
    // The captures around s: of its enemies in atari, and by enemies next
    // to it of its own strings in atari.
    static void add_captures(str* s, point_set& moves);
};

// Captures a string by reading liberties only (the attacker's side).
class quick_capture_goal : public string_goal {
  public:
    using string_goal::string_goal;
    bool is_terminal(point_set& targets, int depth, int max_depth, int& value) override;
    void generate_moves(point_set& targets, point_set& moves, int depth) override;
};

// Runs a string out of a quick capture (the owner's side).
class quick_escape_goal : public string_goal {
  public:
    using string_goal::string_goal;
    bool is_terminal(point_set& targets, int depth, int max_depth, int& value) override;
    void generate_moves(point_set& targets, point_set& moves, int depth) override;
};

// Captures a string, for its status (the attacker's side).
class capture_goal : public string_goal {
  public:
    using string_goal::string_goal;
    bool is_terminal(point_set& targets, int depth, int max_depth, int& value) override;
    void generate_moves(point_set& targets, point_set& moves, int depth) override;

  private:
    void score(point* target_stone, point_set& moves);
};

// Saves a string, for its status (the owner's side).
class defend_goal : public string_goal {
  public:
    using string_goal::string_goal;
    bool is_terminal(point_set& targets, int depth, int max_depth, int& value) override;
    void generate_moves(point_set& targets, point_set& moves, int depth) override;

  private:
    void add_ataris(str* target, point_set& moves);
    bool atari_worth_trying(point* x, str* enemy, point* target_stone);
    void score(point* target_stone, point_set& moves);
};

// The goals about two strings of one colour, whose targets are a stone of
// each, the first string's stone first in the list (empty once a string has
// been captured).
class connection_goal : public search_goal {
  protected:
    using search_goal::search_goal;
    // The strings on the two target points; false when either point is
    // empty.
    static bool target_strings(point_set& targets, str*& first, str*& second);
};

// The enemy strings of a that also touch b, in the order a meets them.
std::vector<str*> shared_enemies(str* a, str* b);

// Near the root of a connection reading, where it is widest: keeps only the
// moves of good shape for colour, best first (the pass last), and returns
// the number removed.
int shape_filter(knowledge& e, point_set& moves, int colour);

// Joins the two strings (the owner's side).
class connect_goal : public connection_goal {
  public:
    using connection_goal::connection_goal;
    bool is_terminal(point_set& targets, int depth, int max_depth, int& value) override;
    void generate_moves(point_set& targets, point_set& moves, int depth) override;
};

// Separates the two strings (the opponent's side).
class cut_goal : public connection_goal {
  public:
    using connection_goal::connection_goal;
    bool is_terminal(point_set& targets, int depth, int max_depth, int& value) override;
    void generate_moves(point_set& targets, point_set& moves, int depth) override;

  private:
    // Liberties near other of the cutter's weak strings next to s, with the
    // captures that save them.
    void add_weak_neighbour_moves(str* s, point_set& other_area, point_set& moves);
};

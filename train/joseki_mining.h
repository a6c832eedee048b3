// Mining the joseki libraries from game records.
//
// A library watches a rectangle at the upper-left of the board (the whole
// board for the opening).  Every area of a game that the board's symmetries
// bring onto that rectangle (the four corners, the four sides) gives one
// local sequence: the game's moves inside the area, in order, with "p" where
// one side played elsewhere and the same colour played there twice in a row.
// A sequence stops after a number of local moves, at a move the library
// reader would refuse (an occupied point, a suicide), and after a capture
// that leaves the area different from what its own moves alone would give
// (stones taken with the help of stones outside).  Sequences are turned by
// the symmetries of the rectangle into the smallest equal form, so that
// mirror images merge, and counted in a tree.
//
// The tree is written as a joseki file.  Only branches played in at least
// min_games games are kept.  At each position the moves that pros chose
// there are learnt: when one move was chosen in at least half the games it
// alone is learnt, with value 2 ('s'), and the others are only played ('n')
// so that their continuations stay known; when local moves were the usual
// choice but none dominates, each move chosen in a tenth of the games or more
// is learnt with value 1; when playing elsewhere was the usual choice,
// nothing is learnt there.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "game/sgf_record.h"

class engine;

namespace joseki_mining {

// A point of the library's rectangle, or (0, 0) for "p".
struct token {
    int x = 0;
    int y = 0;
    bool is_pass() const { return x == 0; }
    bool operator==(const token& o) const { return x == o.x && y == o.y; }
    bool operator<(const token& o) const { return x != o.x ? x < o.x : y < o.y; }
};
using sequence = std::vector<token>;

struct plan {
    std::string name;  // writes "<name>.dat" and "<name>_tree.dat"
    int width;         // the rectangle x 1..width, y 1..height
    int height;
    std::vector<int> views;   // board symmetries bringing each watched area onto it
    std::vector<int> merges;  // symmetries of the rectangle: images merge
    int max_moves;            // local moves per sequence
    int horizon;              // game moves looked at
    int min_games;            // games a branch needs to be kept
    bool tenuki;              // whether a sequence goes on past a move elsewhere
};

// The engine's four libraries, broadest first: the whole board, a half board
// (one side with its two corners), a 10x10 corner and a 7x7 corner.
std::vector<plan> standard_plans();

// The smallest of the sequence's images under the plan's merge symmetries.
sequence canonical(const plan& p, const sequence& s);

struct tree_figures {
    int nodes = 0;   // positions reached by min_games games or more
    int learnt = 0;  // moves learnt with value 1
    int strong = 0;  // moves learnt with value 2
    int played = 0;  // moves only played ('n')
    int passes = 0;  // "p" tokens
};

class tree {
  public:
    tree();
    void add(const sequence& s);
    int sequences() const;
    int size() const { return static_cast<int>(nodes_.size()); }
    // The joseki file of the branches played in at least min_games games.
    tree_figures write(std::ostream& out, int min_games) const;

  private:
    struct node {
        token t;
        int count = 0;
        int first_child = -1;
        int next_sibling = -1;
    };
    std::vector<node> nodes_;

    int child(int parent, const token& t);
};

// The library file: the plan's rectangle and the name of its joseki file.
std::string library_text(const plan& p);

// Reads games one at a time into one tree per plan.  The engines it replays
// games on are built at once, with whatever data files they find: build it
// while the data-file search finds none.
class miner {
  public:
    explicit miner(std::vector<plan> plans);
    ~miner();

    // False, with the reason, when the game is not used: another board size,
    // handicap or setup stones, or too few moves.  Games are used up to their
    // first illegal move.
    bool add_game(const sgf_record& game, std::string& why);

    const std::vector<plan>& plans() const { return plans_; }
    const tree& tree_of(int plan_index) const { return trees_[plan_index]; }
    int cut_games() const { return cut_games_; }

    static constexpr int min_game_moves = 50;

  private:
    struct tracker;
    std::vector<plan> plans_;
    std::vector<tree> trees_;
    std::unique_ptr<engine> board_;
    std::vector<std::unique_ptr<tracker>> trackers_;
    int horizon_ = 0;
    int cut_games_ = 0;
};

}  // namespace joseki_mining

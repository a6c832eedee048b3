// A joseki library: known local positions of one region of the board, each
// with the moves recommended there.  It is learnt when the engine is built,
// by replaying the move trees of its joseki files on the engine's own board,
// and looked up under the eight symmetries of the board.
//
// Library file: the region as two-letter point names ("00" adds the pass
// point), read two characters at a time up to the first pair that is not a
// point name; then the names of the joseki files.
//
// Joseki file: whitespace-separated tokens.  "(" opens a sub-branch, ")"
// closes the current one (taking its moves back); any other token passes the
// move to the other colour and then either passes ("p") or names a point by
// its first two characters ('a'..'s', or a digit, anything else meaning 10).
// A third character 'n' plays the point without learning it, 's' learns it
// with value 2, anything else with value 1.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <unordered_map>

#include "engine/board/point_set.h"

class board;
class point;

// Word x (1..19) holds the region points of column x as a balanced-ternary
// number: +1 for a stone of the mover, -1 for an opponent stone.  Word 0 is
// not used.
using joseki_key = std::array<int32_t, 20>;

struct joseki_entry {
    joseki_key key{};
    int value = 0;  // the value of the first move learnt here: 1 or 2
    point_set moves;
};

// The image of (x, y) under symmetry t (0..7); false for any other t.
struct board_xy {
    int x;
    int y;
};
bool symmetry_image(int t, int x, int y, board_xy& out);

class joseki_library {
  public:
    // Reads the library file and every joseki file it names, all through
    // find_data_file; learning leaves the board as it was.
    joseki_library(board& e, const std::string& file_name);
    joseki_library(const joseki_library&) = delete;
    joseki_library& operator=(const joseki_library&) = delete;

    point_set region;

    // Adds to j every move recommended for mover a on the current board,
    // under every symmetry, and sets those points' joseki_value.
    void lookup(point_set& j, int a);

    // The image of p under symmetry t; the pass point maps to itself.  Any
    // other t is reported and gives the pass point.
    point* transform(point* p, int t) const;
    // The key of the region of the current board seen through symmetry t.
    joseki_key board_key(int t, int a);
    // The entry learnt for that key, or none.
    joseki_entry* find(const joseki_key& key);
    int n_entries() const { return static_cast<int>(entries_.size()); }
    // Files missing, moves refused and branches nested too deep: each was
    // reported while the library was read.
    int problems() const { return problems_; }

    // Why a joseki file may not play p for colour c here, or null.  A ko
    // may be retaken at once: a file's passes stand for moves elsewhere that
    // are never made, ko threats among them.  The mining tool uses the same
    // rule, so that every file it writes loads.
    static const char* move_problem(board& e, point* p, int c);

    // Deeper nesting of branches than this is refused: no file needs it, and
    // each level costs a frame of the reader.
    static constexpr int max_nesting = 500;

  private:
    class reader;
    struct key_hash {
        size_t operator()(const joseki_key& k) const;
    };

    board& board_;
    // Keys are unique (learning adds to an existing entry), so the index
    // finds the same entry as a scan of the newest-first list would.
    std::deque<joseki_entry> entries_;
    std::unordered_map<joseki_key, joseki_entry*, key_hash> index_;
    int problems_ = 0;

    void read_library(const std::string& name);
    void read_joseki_file(const std::string& name);
    void read_tree(reader& in, int a, int depth);
    void learn(point* p, int value, int a);
};

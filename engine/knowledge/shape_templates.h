// Two small knowledge sources of move choice: hand-made templates of moves
// known to be bad on the second and third line, each in all eight
// orientations, and the moyo, the largest empty area the opponent is
// expected to own early in the game.
#pragma once

#include <vector>

#include "engine/board/point_set.h"

class board;
class point;

// A point relative to the candidate.  There is one shared object per
// (dx, dy), -9..9 each, so offsets compare by identity.
struct template_offset {
    int dx;
    int dy;
};
const template_offset* offset_at(int dx, int dy);

struct shape_template {
    int x_min = 1;
    int x_max = 19;
    int y_min = 1;
    int y_max = 19;
    std::vector<const template_offset*> empty;  // always holds (0, 0)
    std::vector<const template_offset*> own;
    std::vector<const template_offset*> opponent;

    // The ranges keep every offset on the board, so matching needs no
    // bounds checks.
    bool matches(const board& e, const point* p, int a) const;

    // The same shape turned a quarter (x, y) -> (y, 20 - x), and mirrored
    // in the diagonal (x, y) -> (y, x).
    shape_template rotate() const;
    shape_template reflect() const;
};

class shape_templates {
  public:
    explicit shape_templates(board& e);
    shape_templates(const shape_templates&) = delete;
    shape_templates& operator=(const shape_templates&) = delete;

    // Six base shapes, each followed by its seven other orientations.
    const std::vector<shape_template>& all() const { return templates_; }

    // True when some template matches candidate p for mover a.
    bool rejects(const point* p, int a) const;

    // Early in the game (3 < no_moves <= 30), adds to out the largest area of
    // empty points whose territory value, seen from colour b (move choice
    // passes the opponent of the mover), exceeds 0.2, when it has more than
    // 60 points.
    void moyo(int b, point_set& out);

    // Below this size an area is not worth an invasion.
    static constexpr int min_moyo = 61;

  private:
    board& board_;
    std::vector<shape_template> templates_;

    void add_orientations(const shape_template& base);
    void grow_area(point* start, int x, point_set& visited, point_set& area);
};

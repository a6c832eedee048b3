// The board's points and their neighbourhoods, its dump and its check.
#include "engine/board/board.h"

#include "engine/base/diagnostics.h"
#include "engine/board/colour.h"
#include "engine/board/coordinates.h"

board::board() : move_stack(stack_size), history(stack_size) {
    build_points();
    // The live key carries the turn word from the start, as it does after
    // every push and pop.
    key.key_update_turn(turn(), no_moves, nullptr);
}

board::~board() {
    // Strings are owned by the points (as spares or on the board) and by the
    // records of the moves on the stack; taking every move back returns them
    // all to the points, whose destructors free them.
    while (no_moves > 0) pop();
}

void board::build_points() {
    point_storage_.reserve(board_points + 1);
    for (int x = 1; x <= board_size; ++x) {
        for (int y = 1; y <= board_size; ++y) {
            point_storage_.push_back(std::make_unique<point>(x, y, this));
            point* p = point_storage_.back().get();
            int k = board_size * (x - 1) + (y - 1);
            grid[x][y] = p;
            points[k] = p;
            p->set_index(k);
        }
    }
    point_storage_.push_back(std::make_unique<point>(0, 0, this));
    pass_point = point_storage_.back().get();
    grid[0][0] = pass_point;
    points[pass_index] = pass_point;
    pass_point->set_index(pass_index);
    for (int k = 0; k < n_points; ++k) wire_neighbours(points[k]);
    for (int k = 0; k < n_points; ++k) points[k]->build_neighbourhood();
}

void board::wire_neighbours(point* p) {
    const int x = p->x;
    const int y = p->y;
    // The neighbour orders decide the order in which strings are met, and
    // with it the moves chosen: they are fixed per edge and corner.
    struct offset {
        int dx, dy;
    };
    static const offset inside[] = {{1, 0}, {0, -1}, {-1, 0}, {0, 1}};
    static const offset left[] = {{1, 0}, {0, -1}, {0, 1}};
    static const offset right[] = {{0, 1}, {-1, 0}, {0, -1}};
    static const offset top[] = {{0, 1}, {-1, 0}, {1, 0}};
    static const offset bottom[] = {{-1, 0}, {0, -1}, {1, 0}};
    static const offset top_left[] = {{1, 0}, {0, 1}};
    static const offset bottom_left[] = {{1, 0}, {0, -1}};
    static const offset top_right[] = {{-1, 0}, {0, 1}};
    static const offset bottom_right[] = {{-1, 0}, {0, -1}};

    const offset* order = inside;
    int n = 4;
    auto use = [&](const offset* o, int count) {
        order = o;
        n = count;
    };
    if (x == 1 && y == 1) use(top_left, 2);
    else if (x == 1 && y == board_size) use(bottom_left, 2);
    else if (x == board_size && y == 1) use(top_right, 2);
    else if (x == board_size && y == board_size) use(bottom_right, 2);
    else if (x == 1) use(left, 3);
    else if (x == board_size) use(right, 3);
    else if (y == 1) use(top, 3);
    else if (y == board_size) use(bottom, 3);
    p->n_neighbours = n;
    for (int k = 0; k < n; ++k) p->neighbours[k] = grid[x + order[k].dx][y + order[k].dy];
    p->weight = 1.0 / n;

    // Diagonals keep the inner order, less those off the board.
    static const offset diagonal[] = {{-1, -1}, {-1, 1}, {1, -1}, {1, 1}};
    p->n_diagonals = 0;
    for (const offset& d : diagonal) {
        if (point::on_board(x + d.dx, y + d.dy)) {
            p->diagonals[p->n_diagonals++] = grid[x + d.dx][y + d.dy];
        }
    }
}

void board::print_board() {
    auto header = [] {
        diag::print("    ");
        for (int x = 1; x <= board_size; ++x) diag::print(" %c ", coord::sgf_letter(x));
        diag::print("\n");
    };
    const point* last = last_point();
    header();
    for (int y = board_size; y >= 1; --y) {
        diag::print("  %c", coord::sgf_letter(y));
        for (int x = 1; x <= board_size; ++x) {
            const point* p = grid[x][y];
            if (p->colour != 0) {
                diag::print("%s%s", p == last ? " :" : "  ", p->colour == black ? "#" : "O");
            } else {
                bool star = (x == 4 || x == 10 || x == 16) && (y == 4 || y == 10 || y == 16);
                diag::print("%s", star ? "  x" : "  .");
            }
        }
        diag::print("  %c\n", coord::sgf_letter(y));
    }
    header();
    diag::flush();
}

int board::check_position() {
    for (int k = 0; k < n_points; ++k) {
        if (points[k]->check_point()) {
            print_board();
            return 1;
        }
    }
    int hash_base = 0;
    for (int k = 0; k < n_points; ++k) {
        if (points[k]->colour != 0) hash_base += (points[k]->colour + 2) * points[k]->code;
    }
    if (hash_base != key.hash_base()) {
        diag::print("hash_base error !! %d %d ", key.hash_base(), hash_base);
        print_board();
        diag::pause();
        return 1;
    }
    return 0;
}

#include "engine/state.h"

#include "engine/coordinates.h"
#include "engine/diagnostics.h"

engine::engine() : move_stack(stack_size), history(stack_size) {
    read_depth_limits();
    table = std::make_unique<transposition_table>();
    build_points();
    // The live key carries the turn word from the start, as it does after
    // every push and pop.
    key.key_update_turn(turn(), no_moves, nullptr);
    build_joseki_libraries();
    build_networks();
    build_goals();
    proofs = std::make_unique<proof_base>();
    templates = std::make_unique<shape_templates>(*this);
}

void engine::build_goals() {
    goal_quick_capture = std::make_unique<quick_capture_goal>(this);
    goal_quick_escape = std::make_unique<quick_escape_goal>(this);
    goal_capture = std::make_unique<capture_goal>(this);
    goal_defend = std::make_unique<defend_goal>(this);
    goal_connect = std::make_unique<connect_goal>(this);
    goal_cut = std::make_unique<cut_goal>(this);
    goal_kill = std::make_unique<kill_goal>(this);
    goal_live = std::make_unique<live_goal>(this);
}

void engine::build_joseki_libraries() {
    // Each library goes to the front, so the broadest is consulted first.
    for (const char* name : {"j_mini.dat", "j_corner.dat", "j_side.dat", "j_fuseki.dat"}) {
        joseki_libraries.insert(joseki_libraries.begin(),
                                std::make_unique<joseki_library>(*this, name));
    }
}

void engine::build_networks() {
    harass_net = std::make_unique<feature_net>(14, 20, 1, "harass.dat");
    safety_net = std::make_unique<feature_net>(19, 10, 1, "safe_19_10.dat");
    territory_net = std::make_unique<feature_net>(7, 11, 1, "terr.dat");
    shape_net = std::make_unique<pattern_net>(167, 100, 2, "shape.dat");
    tsume_net = std::make_unique<pattern_net>(53, 50, 1, "tsume.dat");
    diag::print(" tsume gain %f\n", 1.0);
    tsume_net->net().setgain(1.0);
}

engine::~engine() {
    // Strings are owned by the points (as spares or on the board) and by the
    // records of the moves on the stack; taking every move back returns them
    // all to the points, whose destructors free them.
    while (no_moves > 0) pop();
    // Groups name their strings, which the points free.
    clear_groups(1);
    clear_groups(-1);
}

void engine::lookup_joseki(point_set& j, int a) {
    for (const auto& library : joseki_libraries) {
        if (!j.empty()) return;
        library->lookup(j, a);
    }
}

void engine::build_points() {
    point_storage_.reserve(362);
    for (int x = 1; x <= 19; ++x) {
        for (int y = 1; y <= 19; ++y) {
            point_storage_.push_back(std::make_unique<point>(x, y, this));
            point* p = point_storage_.back().get();
            int k = 19 * (x - 1) + (y - 1);
            grid[x][y] = p;
            points[k] = p;
            p->set_index(k);
        }
    }
    point_storage_.push_back(std::make_unique<point>(0, 0, this));
    pass_point = point_storage_.back().get();
    grid[0][0] = pass_point;
    points[361] = pass_point;
    pass_point->set_index(361);
    for (int k = 0; k < n_points; ++k) wire_neighbours(points[k]);
    for (int k = 0; k < n_points; ++k) points[k]->build_neighbourhood();
}

void engine::wire_neighbours(point* p) {
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
    else if (x == 1 && y == 19) use(bottom_left, 2);
    else if (x == 19 && y == 1) use(top_right, 2);
    else if (x == 19 && y == 19) use(bottom_right, 2);
    else if (x == 1) use(left, 3);
    else if (x == 19) use(right, 3);
    else if (y == 1) use(top, 3);
    else if (y == 19) use(bottom, 3);
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

void engine::print_board() {
    auto header = [] {
        diag::print("    ");
        for (int x = 1; x <= 19; ++x) diag::print(" %c ", coord::sgf_letter(x));
        diag::print("\n");
    };
    const point* last = last_point();
    header();
    for (int y = 19; y >= 1; --y) {
        diag::print("  %c", coord::sgf_letter(y));
        for (int x = 1; x <= 19; ++x) {
            const point* p = grid[x][y];
            if (p->colour != 0) {
                diag::print("%s%s", p == last ? " :" : "  ", p->colour == 1 ? "#" : "O");
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

int engine::check_position() {
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

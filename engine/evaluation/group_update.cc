// The board analysis between the string statuses and the group safeties:
// which strings of one colour are connected, and from that which strings
// form one group.  The after-move variant, run for every candidate move,
// takes over the connection verdicts of the last snapshot wherever the
// candidate cannot have changed them.
#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "engine/base/diagnostics.h"
#include "engine/board/board_size.h"
#include "engine/board/colour.h"
#include "engine/evaluation/connection.h"
#include "engine/evaluation/evaluator.h"

namespace {

// One connection update of the strings of colour w.  Without a move every
// verdict is read afresh; with one (the point just played, the pass point
// for a pass) verdicts are taken over where the move cannot have changed
// them.  Every string of the colour takes part, however many there are.
class connection_pass {
  public:
    connection_pass(evaluator& e, int w, point* move)
        : e_(e), w_(w), move_(move), owner_to_move_(w == e.turn()) {}

    void run() {
        join_nearest_first();
        complete_triangles();
    }

  private:
    using pair = std::pair<str*, str*>;

    evaluator& e_;
    const int w_;
    point* const move_;  // null for the full update
    const bool owner_to_move_;
    std::vector<str*> table_;  // the colour's strings, by lowest point

    void join_nearest_first();
    void complete_triangles();
    void decide_pair(str* a, str* b);
    int status_of(connection* f, str* a, str* b, bool strict);
    std::optional<int> taken_over(const connection* f, const str* a, const str* b,
                                  bool strict) const;
    int read(str* a, str* b, bool strict);
};

// Pairs nearest first, each joined through a temporary group as soon as it
// is found connected, so that strings already joined through others are
// not read at all.
void connection_pass::join_nearest_first() {
    for (int k = 0; k < e_.n_points; ++k) {
        if (e_.points[k]->str_ptr != nullptr) e_.points[k]->str_ptr->owner_group = nullptr;
    }
    std::vector<std::unique_ptr<group>> temporary;
    for (int k = 0; k < e_.n_points; ++k) {
        point* p = e_.points[k];
        if (p->colour != w_ || p->str_ptr->owner_group != nullptr) continue;
        temporary.push_back(std::make_unique<group>(e_));
        temporary.back()->add_string(p->str_ptr);
        table_.push_back(p->str_ptr);
    }
    std::array<std::vector<pair>, 5> classes;
    for (size_t i = 0; i < table_.size(); ++i) {
        for (size_t k = i + 1; k < table_.size(); ++k) {
            const int d = table_[i]->distance(table_[k]);
            if (d <= 4) {
                classes[d].emplace_back(table_[i], table_[k]);
            } else if (connection* f = table_[i]->find_connection(table_[k])) {
                f->status = connection::not_connected;
            }
        }
    }
    for (const std::vector<pair>& pairs : classes) {
        for (auto it = pairs.rbegin(); it != pairs.rend(); ++it) decide_pair(it->first, it->second);
    }
    // The temporary groups go, and with them the strings' group pointers.
}

void connection_pass::decide_pair(str* a, str* b) {
    connection* f = a->find_connection(b);
    if (a->owner_group == b->owner_group) {
        // Joined through other strings: a verdict of its own would only be
        // stale later.  The after-move update keeps what it finds.
        if (move_ == nullptr) delete f;
        return;
    }
    if (f == nullptr) {
        f = new connection(a, b);
        f->status = read(a, b, true);
    } else {
        f->status = status_of(f, a, b, true);
    }
    if (f->status == connection::connected) a->owner_group->absorb_group(b->owner_group);
}

// Strings joined to a common string (one to three of them) are read for a
// connection of their own, leniently: a triangle holds if either side holds.
void connection_pass::complete_triangles() {
    const int min_status = owner_to_move_ ? connection::counted_to_move : connection::connected;
    for (auto it = table_.rbegin(); it != table_.rend(); ++it) {
        std::vector<str*> linked;
        (*it)->connected_strings(min_status, linked);
        if (linked.empty() || linked.size() > 3) continue;
        for (size_t i = 0; i < linked.size(); ++i) {
            for (size_t k = i + 1; k < linked.size(); ++k) {
                str* a = linked[i];
                str* b = linked[k];
                if (a->distance(b) >= 5) continue;
                connection* f = a->find_connection(b);
                if (f == nullptr) {
                    f = new connection(a, b);
                    f->status = read(a, b, false);
                } else {
                    f->status = status_of(f, a, b, false);
                }
            }
        }
    }
}

int connection_pass::status_of(connection* f, str* a, str* b, bool strict) {
    if (move_ != nullptr) {
        if (std::optional<int> status = taken_over(f, a, b, strict)) {
            ++e_.connections_reused;
            return *status;
        }
    }
    return read(a, b, strict);
}

// The verdict of the snapshot, when the move cannot have overturned it: the
// strings are far from the move with nothing changed around them, or the
// side that moves now has already had its chance to change the verdict.
std::optional<int> connection_pass::taken_over(const connection* f, const str* a, const str* b,
                                               bool strict) const {
    if (!f->needs_reevaluation(move_)) return f->previous_status;
    const int previous = f->previous_status;
    const bool unchanged = !status_changed(a) && !status_changed(b);
    if (owner_to_move_ && previous == connection::not_connected && (!strict || unchanged)) {
        return connection::not_connected;
    }
    const point* last = e_.last_point();
    const bool untouched = !a->stones.contains(last) && !b->stones.contains(last);
    const bool both_safe = a->status == str::safe && b->status == str::safe;
    if (!owner_to_move_ && previous == connection::connected && untouched && (!strict || both_safe)) {
        return connection::connected;
    }
    return std::nullopt;
}

// Strictly, the strings must be proven connected; leniently, a reading
// that ends undecided counts as connected.
int connection_pass::read(str* a, str* b, bool strict) {
    if (move_ != nullptr) ++e_.connections_read;
    const int depth = e_.max_depth_connection;
    bool joined;
    if (owner_to_move_) {
        const int v = e_.can_connect(a, b, depth, nullptr);
        joined = strict ? v == 1 : v >= 0;
    } else {
        const int v = e_.can_cut(a, b, depth, nullptr);
        joined = strict ? v == -1 : v <= 0;
    }
    return joined ? connection::connected : connection::not_connected;
}

bool contains(const std::vector<group*>& list, const group* g) {
    return std::find(list.begin(), list.end(), g) != list.end();
}

}  // namespace

void evaluator::update_groups() {
    update_connections_full(black);
    update_connections_full(white);
    build_groups(black);
    build_groups(white);
    check_strings_and_groups();
}

void evaluator::update_groups_after_move(point* p) {
    update_connections_after_move(p, black);
    update_connections_after_move(p, white);
    build_groups(black);
    build_groups(white);
    check_strings_and_groups();
}

void evaluator::update_connections_full(int w) {
    connection_pass(*this, w, nullptr).run();
}

void evaluator::update_connections_after_move(point* p, int w) {
    connection_pass(*this, w, p).run();
}

int evaluator::build_groups(int w) {
    clear_groups(w);
    for (int k = 0; k < n_points; ++k) {
        if (points[k]->str_ptr != nullptr) points[k]->str_ptr->grouped = 0;
    }
    std::vector<std::unique_ptr<group>>& list = group_list(w);
    std::vector<str*> table;
    for (int k = 0; k < n_points; ++k) {
        point* p = points[k];
        if (p->colour != w || p->str_ptr->grouped) continue;
        p->str_ptr->grouped = 1;
        table.push_back(p->str_ptr);
        list.push_back(std::make_unique<group>(*this));
        list.back()->add_string(p->str_ptr);
    }
    const int min_status = w == turn() ? connection::counted_to_move : connection::connected;
    for (str* h : table) {
        std::vector<str*> linked;
        h->connected_strings(min_status, linked);
        std::vector<group*> others;
        for (str* s : linked) {
            group* g = s->owner_group;
            if (g != nullptr && g != h->owner_group && !contains(others, g)) others.push_back(g);
        }
        for (group* g : others) {
            h->owner_group->absorb_group(g);
            std::erase_if(list, [g](const std::unique_ptr<group>& u) { return u.get() == g; });
        }
    }
    return static_cast<int>(list.size());
}

void evaluator::snapshot() {
    for (int k = 0; k < n_points; ++k) {
        point* p = points[k];
        p->save_value();
        p->eval_now_black = p->control_black;
        p->eval_now_white = p->control_white;
        str* s = p->str_ptr;
        const group* g = s != nullptr ? s->owner_group : nullptr;
        p->status_copy = s != nullptr ? s->status : 0;
        if (s != nullptr) s->save_connection_states();
        // A stone played here later belongs to a group never read.
        p->safety_copy = g != nullptr ? g->safety : 0.0;
        p->life_copy = g != nullptr ? g->life_result : group::life_not_read;
    }
}

namespace {

// The groups of the four stones of a crosscut at p (p, its right, lower
// right and lower neighbours, clockwise), or false when the square is not a
// crosscut of four groups that each still count.
bool crosscut_groups(evaluator& e, const point* p, std::array<group*, 4>& g) {
    const point* square[4] = {p, e.at(p->x + 1, p->y), e.at(p->x + 1, p->y + 1),
                              e.at(p->x, p->y + 1)};
    for (int i = 0; i < 4; ++i) {
        if (square[i]->colour == 0) return false;
        g[i] = square[i]->str_ptr->owner_group;
        if (g[i] == nullptr || g[i]->is_single_dead_string()) return false;
        for (int j = 0; j < i; ++j) {
            if (g[j] == g[i]) return false;
        }
    }
    return true;
}

// Of the four groups of a crosscut at most two can be cut off: when the
// safeties say that more would die, each group is raised towards what its
// diagonal partner leaves it, in proportion to its own network rating.
void adjust_crosscut(std::array<group*, 4>& g) {
    double& a_safety = g[0]->safety;
    double& b_safety = g[1]->safety;
    double& d_safety = g[2]->safety;
    double& e_safety = g[3]->safety;
    const double shortfall = std::max({0.0, 1 - a_safety - b_safety, 1 - b_safety - d_safety,
                                       1 - d_safety - e_safety, 1 - e_safety - a_safety});
    if (shortfall < 0.001) return;
    const double a = std::min(g[0]->nn_safety, g[2]->nn_safety);
    const double b = std::min(g[1]->nn_safety, g[3]->nn_safety);
    const double f = std::min(a_safety, d_safety);
    const double h = std::min(b_safety, e_safety);
    const double m = a + b;
    if (m == 0) return;
    auto deficit = [](double x) { return std::max(0.0, x); };
    const double dp = deficit(1 - a_safety - h);
    const double dq = deficit(1 - b_safety - f);
    const double ds = deficit(1 - d_safety - h);
    const double dr = deficit(1 - e_safety - f);
    a_safety += a * dp / m;
    b_safety += b * dq / m;
    d_safety += a * ds / m;
    e_safety += b * dr / m;
}

}  // namespace

void evaluator::crosscut_adjust() {
    for (int k = 0; k < n_points; ++k) {
        const point* p = points[k];
        std::array<group*, 4> g;
        if (p->x < board_size && p->y < board_size && crosscut_groups(*this, p, g)) adjust_crosscut(g);
    }
}

void evaluator::check_strings_and_groups() {
    for (int c : {black, white}) {
        for (const std::unique_ptr<group>& g : group_list(c)) {
            for (const str* s : g->members) {
                if (s->owner_group == g.get()) continue;
                diag::crash(c == black ? "ERRRORRR check_strings_and_groups 1\n"
                                   : "ERRRORRR check_strings_and_groups -1\n");
            }
        }
    }
    auto report = [](const char* message) {
        diag::print("%s", message);
        diag::flush();
    };
    for (int k = 0; k < n_points; ++k) {
        point* p = points[k];
        if (p->colour == 0) continue;
        const str* s = p->str_ptr;
        if (s == nullptr) {
            report("ERRRORRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRR1\n\n\n\n");
        } else if (s->owner_group == nullptr) {
            report("ERRRORRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRR2\n\n\n\n");
            p->print(diag::out());
            diag::pause();
            print_board();
            for (const std::unique_ptr<group>& g : black_groups) g->display();
        } else {
            const std::vector<str*>& members = s->owner_group->members;
            if (std::find(members.begin(), members.end(), s) == members.end()) {
                report("ERRRORRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRRR3\n\n\n\n");
            }
        }
    }
}

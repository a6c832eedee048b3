// The candidates of move generation: the vital points of groups whose fate
// depends on who moves first, urgent points of tactical proofs, joseki moves
// and local answers, points of good shape, the best point whose old value
// still holds, and connection points between weak groups.
#include <algorithm>

#include "engine/base/diagnostics.h"
#include "engine/board/board_size.h"
#include "engine/board/colour.h"
#include "engine/play/move_chooser.h"

namespace {

constexpr double owned_value = 0.5;            // a point valued above this was owned by the mover
constexpr double invasion_answer_value = 0.5;  // joseki value of the points around an invasion
constexpr double local_answer_value = 0.75;    // and of the points around a move joseki missed
constexpr double open_third_line_shape = 0.9;  // the emptiest third-line point counts as good shape
constexpr int open_third_line_from = 8;        // moves: after the first corner stones
constexpr int open_third_line_until = 50;      // moves: while the sides are still being shared
constexpr double open_control_limit = 0.5;     // a third-line point is open below this control
constexpr int third_line = 3;
constexpr int far_third_line = board_size + 1 - third_line;
constexpr int short_ladder = 10;           // an atari whose ladder escapes only beyond this
constexpr int long_ladder = 100;           // depth (but within this one) fails
constexpr double weak_group_safety = 0.8;  // groups below this are worth connecting

// A record filled by a reading adds its targets to those it holds.
void make_ready(proof_record& record) {
    record.targets.clear();
    record.last_moves.clear();
}

// Groups read both ways (the owner first, then the attacker first) whose
// results do not cancel out: whoever moves first decides them, and the
// first moves of both readings are the vital points.  Read with a pass of a
// made, so that the opponent's groups are read with a to move.
void unsettled_group_moves(move_chooser& e, int a, point_set& out) {
    e.push(e.pass_point, a);
    for (int c : {black, white}) {
        for (const std::unique_ptr<group>& g : e.group_list(c)) {
            if (!g->examined) continue;
            const bool to_move = g->colour == e.turn();
            if (to_move && g->live_record.result == -1) continue;
            if (!to_move && g->kill_record.result == -1) continue;
            point* main = g->main_stone();
            proof_record& record = to_move ? g->kill_record : g->live_record;
            make_ready(record);
            if (to_move) {
                e.can_kill(main, g->area, e.max_depth_life_death, &record);
            } else {
                e.can_live(main, g->area, e.max_depth_life_death, &record);
            }
            if (g->live_record.result + g->kill_record.result != 0) {
                g->live_record.first_moves(out);
                g->kill_record.first_moves(out);
            }
        }
    }
    e.pop();
}

// After a lone invasion stone that the mover's side owned, every point
// around it is worth an answer.
void invasion_answer(move_chooser& e, point* last, int a) {
    if (last->is_pass() || !(last->previous_value > owned_value)) return;
    if (last->near1.count_stones() > 0 || last->near2.empty()) return;
    for (point* q : last->near2.to_vector()) {
        if (e.is_legal_move(q, a)) q->joseki_value = invasion_answer_value;
    }
}

// The joseki libraries answered elsewhere: the opponent's last move still
// deserves a local answer.
void local_joseki_answer(move_chooser& e, point* last, int a, point_set& j) {
    if (j.empty() || e.no_moves <= 1 || e.last_move()->colour != -a) return;
    for (point* q : j.to_vector()) {
        if (last->near3.contains(q)) return;
    }
    for (point* q : last->near3.to_vector()) {
        if (e.is_legal_move(q, a)) q->joseki_value = local_answer_value;
    }
}

// Every legal point that survives the quick filters is rated by shape, or,
// when the evaluation around it has not changed since it was last valued,
// keeps its old equity (collected into o).
void shape_candidates(move_chooser& e, int a, const point_set& j, const point_set& u, point_set& k,
                      point_set& o) {
    for (int index = 0; index < e.n_points; ++index) {
        point* g = e.points[index];
        if (!e.is_legal_move(g, a) || e.is_failing_atari(g, a) || e.templates->rejects(g, a)) {
            continue;
        }
        // The reuse test draws a random number: it runs for every point.
        const bool reusable = g->cache_still_valid(e.turn()) != 0;
        if (reusable && !j.contains(g)) {
            o.add(g);
            continue;
        }
        g->score = e.shape_eval(g, a, g->sente_value);
        if (g == e.open_third_line) g->score = open_third_line_shape;
        if (g->score > e.shape_threshold || u.contains(g)) k.add(g);
    }
}

// Of the points that keep their old equity, only the best is evaluated
// again.
void best_old_equity(int a, point_set& o, point_set& k) {
    point* best = nullptr;
    double best_equity = -1.0;
    for (int i = 0; i < o.count(); ++i) {
        point* g = o.next();
        g->equity = g->old_eq(a);
        if (g->equity > best_equity) {
            best_equity = g->equity;
            best = g;
        }
    }
    if (best != nullptr) k.add(best);
}

// When joseki moves exist, the candidates without a joseki value go, unless
// none would be left.
void keep_joseki_moves(const point_set& j, point_set& k) {
    if (j.empty()) return;
    const std::vector<point*> members = k.to_vector();
    const bool some_plain =
        std::any_of(members.begin(), members.end(), [](point* p) { return p->joseki_value == 0; });
    const bool some_joseki =
        std::any_of(members.begin(), members.end(), [](point* p) { return p->joseki_value != 0; });
    if (!some_plain || !some_joseki) return;
    for (point* p : members) {
        if (p->joseki_value == 0) k.remove(p);
    }
}

}  // namespace

void move_chooser::collect_candidates(int a, point* last, point_set& k) {
    point_set proof_moves;
    unsettled_group_moves(*this, a, proof_moves);
    k.add_all(proof_moves);
    find_open_third_line();
    point_set urgent;
    collect_proof_moves(urgent);
    for (int index = 0; index < n_points; ++index) points[index]->joseki_value = 0;
    invasion_answer(*this, last, a);
    point_set j;
    lookup_joseki(j, a);
    local_joseki_answer(*this, last, a, j);
    diag::print(" J");
    j.print(diag::out());
    diag::print("J ");
    k.add_all(j);
    point_set old;
    shape_candidates(*this, a, j, urgent, k, old);
    best_old_equity(a, old, k);
    remove_illegal(k, a);
    keep_joseki_moves(j, k);
}

void move_chooser::find_open_third_line() {
    open_third_line = nullptr;
    if (no_moves <= open_third_line_from || no_moves >= open_third_line_until) return;
    double least = open_control_limit;
    auto consider = [&](int x, int y) {
        point* p = grid[x][y];
        const double control = p->control_black + p->control_white;
        if (p->colour == 0 && control < least) {
            least = control;
            open_third_line = p;
        }
    };
    // Along the four third lines together, corners first met on the top and
    // left lines.
    for (int k = 0; k <= far_third_line - third_line; ++k) {
        consider(third_line + k, third_line);
        consider(third_line, third_line + k);
        consider(third_line + k, far_third_line);
        consider(far_third_line, third_line + k);
    }
}

bool move_chooser::is_failing_atari(point* g, int a) {
    push(g, a);
    bool failing = false;
    for (int n = 0; n < g->n_neighbours && !failing; ++n) {
        point* q = g->neighbours[n];
        if (q->colour != -a || q->str_ptr->liberties.count() != 1) continue;
        // Escapes, but only in a long ladder.
        failing = ladder_escape(q->str_ptr, 0, short_ladder) == 0 &&
                  ladder_escape(q->str_ptr, 0, long_ladder) == 1;
    }
    pop();
    return failing;
}

void move_chooser::add_connection_candidates(int a, point_set& k) {
    for (const std::unique_ptr<group>& g : group_list(a)) {
        const int main_status = g->main_stone()->str_ptr->status;
        point_set& outer = g->outer_area;
        for (int i = 0; i < outer.count(); ++i) {
            point* q = outer.next();
            for (int n = 0; n < q->n_neighbours; ++n) {
                const point* s = q->neighbours[n];
                if (s->colour != a) continue;
                const group* h = s->str_ptr->owner_group;
                if (h == nullptr || h == g.get()) continue;
                if (is_legal_move(q, a) && q->score < shape_threshold &&
                    (h->safety < weak_group_safety || g->safety < weak_group_safety) &&
                    s->str_ptr->status > str::dead && main_status > str::dead &&
                    q->near1.count_colour(-a) > 0) {
                    k.add(q);
                }
            }
        }
    }
}

#include "train/joseki_mining.h"

#include <algorithm>
#include <ostream>
#include <utility>

#include "engine/board/coordinates.h"
#include "engine/engine.h"
#include "engine/knowledge/joseki_library.h"

namespace joseki_mining {

std::vector<plan> standard_plans() {
    // Corner views bring the upper-right, lower-left and lower-right corners
    // to the upper left; side views bring the bottom, left and right halves
    // to the top.
    const std::vector<int> corners = {0, 5, 4, 2};
    return {
        {"j_fuseki", 19, 19, {0}, {0, 1, 2, 3, 4, 5, 6, 7}, 12, 12, 20, false},
        {"j_side", 19, 9, {0, 4, 7, 1}, {0, 5}, 10, 40, 20, true},
        {"j_corner", 10, 10, corners, {0, 7}, 20, 100, 15, true},
        {"j_mini", 7, 7, corners, {0, 7}, 10, 100, 15, true},
    };
}

namespace {

token image(int t, const token& k) {
    if (k.is_pass()) return k;
    board_xy xy;
    symmetry_image(t, k.x, k.y, xy);
    return {xy.x, xy.y};
}

int inverse(int t) {
    if (t == 1) return 3;
    if (t == 3) return 1;
    return t;
}

}  // namespace

sequence canonical(const plan& p, const sequence& s) {
    sequence best;
    for (int t : p.merges) {
        sequence turned;
        turned.reserve(s.size());
        for (const token& k : s)
            turned.push_back(image(t, k));
        if (best.empty() || turned < best) best = std::move(turned);
    }
    return best;
}

// --- the tree ----------------------------------------------------------------

tree::tree() : nodes_(1) {}

int tree::child(int parent, const token& t) {
    for (int c = nodes_[parent].first_child; c != -1; c = nodes_[c].next_sibling) {
        if (nodes_[c].t == t) return c;
    }
    node fresh;
    fresh.t = t;
    fresh.next_sibling = nodes_[parent].first_child;
    nodes_.push_back(fresh);
    const int index = static_cast<int>(nodes_.size()) - 1;
    nodes_[parent].first_child = index;
    return index;
}

void tree::add(const sequence& s) {
    int at = 0;
    ++nodes_[0].count;
    for (const token& t : s) {
        at = child(at, t);
        ++nodes_[at].count;
    }
}

int tree::sequences() const {
    return nodes_[0].count;
}

namespace {

// How a kept branch is written: a learnt move (' ' for value 1, 's' for
// value 2), a move only played ('n'), or a move elsewhere ('p').
struct branch {
    int node;
    char kind;
};

// Breaks lines of whitespace-separated tokens at 100 columns.
class token_writer {
  public:
    explicit token_writer(std::ostream& out) : out_(out) {}
    ~token_writer() {
        if (column_ > 0) out_ << '\n';
    }
    void put(const std::string& text) {
        if (column_ > 0 && column_ + 1 + text.size() > 100) {
            out_ << '\n';
            column_ = 0;
        }
        if (column_ > 0) {
            out_ << ' ';
            ++column_;
        }
        out_ << text;
        column_ += text.size();
    }

  private:
    std::ostream& out_;
    size_t column_ = 0;
};

}  // namespace

tree_figures tree::write(std::ostream& out, int min_games) const {
    const int n_nodes = static_cast<int>(nodes_.size());
    std::vector<std::vector<branch>> kept(n_nodes);
    std::vector<char> useful(n_nodes, 0);
    // Children come after their parents, so a backward pass sees every
    // branch's continuations before the branch itself.
    for (int n = n_nodes - 1; n >= 0; --n) {
        const node& here = nodes_[n];
        if (n != 0 && here.count < min_games) continue;
        int local = 0;
        std::vector<int> children;
        for (int c = here.first_child; c != -1; c = nodes_[c].next_sibling) {
            if (!nodes_[c].t.is_pass()) local += nodes_[c].count;
            if (nodes_[c].count >= min_games) children.push_back(c);
        }
        std::sort(children.begin(), children.end(), [&](int a, int b) {
            if (nodes_[a].count != nodes_[b].count) return nodes_[a].count > nodes_[b].count;
            return nodes_[a].t < nodes_[b].t;
        });
        int top = -1;
        for (int c : children) {
            if (!nodes_[c].t.is_pass() && top == -1) top = c;
        }
        const bool dominant = top != -1 && 2 * nodes_[top].count >= here.count;
        const bool usual = 2 * local >= here.count;
        for (int c : children) {
            char kind = 'n';
            if (nodes_[c].t.is_pass()) {
                kind = 'p';
            } else if (dominant) {
                kind = c == top ? 's' : 'n';
            } else if (usual && 10 * nodes_[c].count >= here.count) {
                kind = ' ';
            }
            const bool learnt = kind == ' ' || kind == 's';
            if (!learnt && !useful[c]) continue;
            kept[n].push_back({c, kind});
            useful[n] = 1;
        }
    }

    tree_figures figures;
    token_writer w(out);
    // The last branch of a position is written inline, the others in
    // parentheses, so that each is taken back before the next.
    auto write_branches = [&](auto& self, int n) -> void {
        const std::vector<branch>& list = kept[n];
        for (size_t i = 0; i < list.size(); ++i) {
            const bool last = i + 1 == list.size();
            const branch& b = list[i];
            const token& t = nodes_[b.node].t;
            if (!last) w.put("(");
            switch (b.kind) {
                case 'p':
                    w.put("p");
                    ++figures.passes;
                    break;
                case 's':
                    w.put(coord::sgf_point(t.x, t.y) + "s");
                    ++figures.strong;
                    break;
                case 'n':
                    w.put(coord::sgf_point(t.x, t.y) + "n");
                    ++figures.played;
                    break;
                default:
                    w.put(coord::sgf_point(t.x, t.y));
                    ++figures.learnt;
                    break;
            }
            self(self, b.node);
            if (!last) w.put(")");
        }
    };
    write_branches(write_branches, 0);
    return figures;
}

std::string library_text(const plan& p) {
    std::string text;
    for (int y = 1; y <= p.height; ++y) {
        for (int x = 1; x <= p.width; ++x)
            text += coord::sgf_point(x, y) + (x < p.width ? " " : "\n");
    }
    return text + "--\n" + p.name + "_tree.dat\n";
}

// --- the miner ---------------------------------------------------------------

// One watched area of the game: the local sequence so far, replayed on an
// engine of its own exactly as the library reader will replay it.
struct miner::tracker {
    const plan& p;
    int plan_index;
    int view;
    engine local;
    sequence tokens;
    int last_colour = 0;
    int moves = 0;
    bool open = true;

    tracker(const plan& pl, int index, int v) : p(pl), plan_index(index), view(v) {}

    void start() {
        while (local.no_moves > 0)
            local.pop();
        tokens.clear();
        last_colour = 0;
        moves = 0;
        open = true;
    }

    // Called after move number n of the game was made on the board.
    void follow(engine& board, int n, const sgf_move& m) {
        if (!open) return;
        if (n >= p.horizon || (m.x == 0 && !p.tenuki)) {
            open = false;
            return;
        }
        if (m.x == 0) return;
        board_xy c;
        symmetry_image(view, m.x, m.y, c);
        const bool inside = c.x <= p.width && c.y <= p.height;
        if (inside && !play(c, m.colour)) {
            open = false;
            return;
        }
        const bool captured = !board.last_move()->captured.empty() ||
                              (inside && !local.last_move()->captured.empty());
        if (captured && !same_area(board)) open = false;
    }

    bool play(board_xy c, int colour) {
        const bool elsewhere = colour == last_colour;
        if (moves == p.max_moves || (elsewhere && !p.tenuki)) return false;
        point* q = local.at(c.x, c.y);
        if (joseki_library::move_problem(local, q, colour) != nullptr) return false;
        if (elsewhere) tokens.push_back({});
        local.push(q, colour);
        tokens.push_back({c.x, c.y});
        last_colour = colour;
        ++moves;
        return true;
    }

    bool same_area(const engine& board) const {
        const int back = inverse(view);
        for (int x = 1; x <= p.width; ++x) {
            for (int y = 1; y <= p.height; ++y) {
                board_xy r;
                symmetry_image(back, x, y, r);
                if (board.at(r.x, r.y)->colour != local.at(x, y)->colour) return false;
            }
        }
        return true;
    }
};

miner::miner(std::vector<plan> plans)
    : plans_(std::move(plans)), trees_(plans_.size()), board_(std::make_unique<engine>()) {
    for (size_t i = 0; i < plans_.size(); ++i) {
        horizon_ = std::max(horizon_, plans_[i].horizon);
        for (int v : plans_[i].views) {
            trackers_.push_back(std::make_unique<tracker>(plans_[i], static_cast<int>(i), v));
        }
    }
}

miner::~miner() = default;

bool miner::add_game(const sgf_record& game, std::string& why) {
    if (game.size != 19) {
        why = "board size";
        return false;
    }
    if (game.handicap > 0 || !game.setup.empty()) {
        why = "handicap or setup stones";
        return false;
    }
    if (static_cast<int>(game.moves.size()) < min_game_moves) {
        why = "too few moves";
        return false;
    }
    engine& board = *board_;
    while (board.no_moves > 0)
        board.pop();
    for (auto& t : trackers_)
        t->start();
    const int n = std::min(horizon_, static_cast<int>(game.moves.size()));
    for (int i = 0; i < n; ++i) {
        const sgf_move& m = game.moves[i];
        point* p = m.x == 0 ? board.pass_point : board.at(m.x, m.y);
        if (!board.is_legal_move(p, m.colour)) {
            ++cut_games_;
            break;
        }
        board.push(p, m.colour);
        for (auto& t : trackers_)
            t->follow(board, i, m);
    }
    for (auto& t : trackers_) {
        if (!t->tokens.empty()) trees_[t->plan_index].add(canonical(t->p, t->tokens));
    }
    return true;
}

}  // namespace joseki_mining

// winkirvo-train shape: builds "shape.dat", the weights of the shape network
// (167 inputs, 100 hidden units, 2 outputs), from game records of strong
// players.
//
// How it learns:
// - The games are the SGF files under the games directory (and under
//   --more-games), sorted by path and shuffled with a fixed seed; the first
//   ones are for training, the next ones are held out for the figures
//   printed at the end.  --train-games 0 trains on every game but the last
//   ones, which are held out.  Only 19x19 records are used.
// - Each game is replayed on an engine.  Before every stone move the
//   engine's own feature builder and encoding (the same code that rates
//   moves in play) describe the played point, a positive example for output
//   0, the shape value, and a few random legal points of the same position,
//   negative examples.  The ratio of negatives to positives sets how many
//   points of a position end up above the move generator's threshold of 0.4.
// - Output 1, the sente value, learns whether the opponent answered the
//   move locally (the next move lies within two lines of it).  It is taught
//   by the played moves only: a point nobody played was never answered.
// - Stochastic gradient descent with backpropagation (train/backprop.h) on
//   the cross-entropy of both logistic outputs, with the examples visited in
//   a shuffled order every epoch and a learning rate that falls by epoch.
//   Every random choice comes from one generator with a fixed seed, so the
//   same games give the same file.
// - On the held-out games it prints the accuracy of both outputs, the rank
//   of the played move among all legal points as the engine's shape_eval
//   rates them, and how many points of a middle-game position pass 0.4.
//   --epochs 0 trains nothing and prints those figures for the shape network
//   the engine loaded, so that a new network compares on the same games.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "engine/base/diagnostics.h"
#include "engine/engine.h"
#include "engine/knowledge/shape_eval.h"
#include "game/sgf_record.h"
#include "train/backprop.h"
#include "train/sgd.h"
#include "train/shape_examples.h"
#include "train/tool.h"
#include "train/tool_support.h"

namespace train {
namespace {

struct options {
    std::string games_dir;  // required: the records have no place of their own
    std::string more_games;
    std::string out_file = "data/shape.dat";
    int train_games = 0;  // 0: all but the held-out games
    int held_out_games = 500;
    int negatives = 4;
    int epochs = 3;  // 0: only the held-out figures of the loaded network
    double rate = 0.05;
    uint32_t seed = 20240601;
};

bool parse(const std::vector<std::string>& args, options& o) {
    option_parser p;
    p.positional(o.games_dir);
    p.positional(o.out_file);
    p.option("more-games", o.more_games);
    p.option("train-games", o.train_games);
    p.option("held-out-games", o.held_out_games);
    p.option("negatives", o.negatives);
    p.option("epochs", o.epochs);
    p.option("rate", o.rate);
    p.option("seed", o.seed);
    return p.parse(args) && !o.games_dir.empty() && o.train_games >= 0 && o.held_out_games > 0 &&
           o.negatives >= 0 && o.epochs >= 0;
}

// The next n usable 19x19 games from files, starting at next; all the rest
// when n is 0.
std::vector<sgf_record> take_games(const std::vector<std::string>& files, size_t& next, int n) {
    std::vector<sgf_record> games;
    while (next < files.size() && (n == 0 || static_cast<int>(games.size()) < n)) {
        sgf_record g;
        std::string why;
        if (read_sgf_record_file(files[next++], g, why) && g.size == 19 && g.moves.size() > 20) {
            games.push_back(std::move(g));
        }
    }
    return games;
}

// The last n of games (all but one when there are fewer), taken out.
std::vector<sgf_record> split_off_last(std::vector<sgf_record>& games, int n) {
    const size_t keep =
        games.size() > static_cast<size_t>(n) ? games.size() - n : std::min<size_t>(games.size(), 1);
    std::vector<sgf_record> last(std::make_move_iterator(games.begin() + keep),
                                 std::make_move_iterator(games.end()));
    games.resize(keep);
    return last;
}

double seconds_since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Output 0 (threshold 0.5) over all held-out examples; output 1 over the
// played moves whose answer is known.
void print_accuracy(backprop& learner, const example_set& examples) {
    std::vector<uint8_t> active;
    std::vector<double> target;
    long shape_right = 0, sente_right = 0, sente_known = 0, answered = 0;
    for (size_t k = 0; k < examples.size(); ++k) {
        examples.get(k, active, target);
        const std::vector<double>& out = learner.forward(active);
        shape_right += (out[0] > 0.5) == (target[0] > 0.5);
        if (std::isnan(target[1])) continue;
        ++sente_known;
        answered += target[1] > 0.5;
        sente_right += (out[1] > 0.5) == (target[1] > 0.5);
    }
    std::printf(
        "held-out examples %zu: shape accuracy %.4f; sente accuracy %.4f on %ld moves"
        " (answered locally: %.4f)\n",
        examples.size(), shape_right / static_cast<double>(examples.size()),
        sente_right / static_cast<double>(sente_known), sente_known,
        answered / static_cast<double>(sente_known));
}

// The played move's rank among all legal points by shape_eval, at every
// tenth move from move 20 on; and the number of points above the move
// generator's threshold in the middle game (moves 60 to 150).
void print_ranks(engine& e, const std::vector<sgf_record>& games) {
    std::vector<int> ranks, above;
    for (const sgf_record& g : games) {
        replay(e, g, [&](point* played, int colour, size_t k) {
            if (k < 20 || k % 10 != 0) return;
            double sente = 0.0;
            const double mine = e.shape_eval(played, colour, sente);
            int better = 0, passing = 0;
            for (int i = 0; i < e.n_points; ++i) {
                point* q = e.points[i];
                if (q->colour != 0 || !e.is_legal_move(q, colour)) continue;
                const double v = q == played ? mine : e.shape_eval(q, colour, sente);
                better += v > mine;
                passing += v > 0.4;
            }
            ranks.push_back(better + 1);
            if (k >= 60 && k <= 150) above.push_back(passing);
        });
        e.reset_board();
    }
    if (ranks.empty() || above.empty()) return;
    double sum = 0.0;
    int top1 = 0, top10 = 0;
    for (int r : ranks) {
        sum += r;
        top1 += r == 1;
        top10 += r <= 10;
    }
    std::sort(ranks.begin(), ranks.end());
    std::sort(above.begin(), above.end());
    double above_sum = 0.0;
    for (int a : above)
        above_sum += a;
    std::printf(
        "played move on %zu held-out positions: mean rank %.1f, median %d, top-1 %.3f,"
        " top-10 %.3f\n",
        ranks.size(), sum / ranks.size(), ranks[ranks.size() / 2],
        top1 / static_cast<double>(ranks.size()), top10 / static_cast<double>(ranks.size()));
    std::printf(
        "points above 0.4 in %zu middle-game positions: mean %.1f, median %d, "
        "10%%-90%% %d-%d\n",
        above.size(), above_sum / above.size(), above[above.size() / 2], above[above.size() / 10],
        above[above.size() * 9 / 10]);
}

int run(const std::vector<std::string>& args) {
    options o;
    if (!parse(args, o)) {
        std::fprintf(stderr, "usage: winkirvo-train shape %s\n", "GAMES_DIR [OUT_FILE] [options]");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    // The engine's own messages (data files it loads) are not the report.
    diag::set_out(stderr);
    engine e;
    random_source rng(o.seed);

    std::vector<std::string> files;
    if (!sgf_files_in({o.games_dir, o.more_games}, files)) return 1;
    rng.shuffle(files);
    size_t next = 0;
    std::vector<sgf_record> train_games = take_games(files, next, o.train_games);
    std::vector<sgf_record> held_out_games = o.train_games > 0
                                                 ? take_games(files, next, o.held_out_games)
                                                 : split_off_last(train_games, o.held_out_games);
    if (held_out_games.empty()) {
        std::fprintf(stderr, "shape: not enough 19x19 games under %s\n", o.games_dir.c_str());
        return 1;
    }
    example_set train_set, held_out_set;
    if (o.epochs > 0) {
        for (const sgf_record& g : train_games)
            collect_examples(e, g, o.negatives, rng, train_set);
    }
    for (const sgf_record& g : held_out_games) {
        collect_examples(e, g, o.negatives, rng, held_out_set);
    }
    std::printf(
        "games: %zu for training, %zu held out; examples: %zu for training (%d negatives"
        " per move), %zu held out  [%.0f s]\n",
        train_games.size(), held_out_games.size(), train_set.size(), o.negatives,
        held_out_set.size(), seconds_since(start));

    neural_net& net = e.shape_net->net();
    if (o.epochs > 0) init_weights(net, rng);
    backprop learner(net);
    train_epochs(learner, train_set, o.epochs, o.rate, rng);
    print_accuracy(learner, held_out_set);
    print_ranks(e, held_out_games);
    if (o.epochs == 0) return 0;
    if (!net.write_file(o.out_file)) {
        std::fprintf(stderr, "shape: cannot write %s\n", o.out_file.c_str());
        return 1;
    }
    std::printf("wrote %s  [%.0f s]\n", o.out_file.c_str(), seconds_since(start));
    return 0;
}

const bool registered =
    register_tool({"shape",
                   "GAMES_DIR [OUT_FILE] [--more-games DIR] [--train-games N (0: all)]"
                   " [--held-out-games N] [--negatives K] [--epochs N (0: only figures)]"
                   " [--rate R] [--seed S]: trains data/shape.dat",
                   run});

}  // namespace
}  // namespace train

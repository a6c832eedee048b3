// winkirvo-train territory: builds "terr.dat" (territory_net, 7-11-1) from
// played-out games whose final ownership is known, on top of the group
// networks that winkirvo-train groups wrote into the same directory.
//
// How it learns:
// - The same labelled games as the group networks' (train/ownership.h,
//   same seed and held-out count: the held-out games are the same).
// - Every tenth position from move 40 on is evaluated in full for the side
//   to move, by an engine that reads its data files from the output
//   directory, so that the group safeties and harassments, and with them
//   the second influence field, are the ones the engine will play with
//   (reading depths 10, 8, 4 unless told others).  Every empty point gives
//   the seven inputs exactly as territory_estimate pushes them, with target
//   1 when the point ends owned by the side to move, 0 when by the
//   opponent, 0.5 for dame and seki.
// - Stochastic gradient descent on the cross-entropy (train/backprop.h,
//   train/sgd.h), one generator with a fixed seed.
// - Held-out figures: the loss on the held-out examples; then, on the
//   held-out positions, the territory values of every point (Black's view)
//   against the final ownership, and their sum against the final area
//   difference, three ways: with all nine data files of the output
//   directory, with the group networks but an untrained territory network,
//   and with no data files (every network answering 0.5); and with all nine
//   files on each held-out game's last position, where the sum should lean
//   towards neither side.  The sum of the values is the evaluation move
//   generation compares; the count of points beyond +-1/3 is the territory
//   the board overlay marks.
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/base/data_files.h"
#include "engine/engine.h"
#include "train/backprop.h"
#include "train/labelled_tool.h"
#include "train/ownership.h"
#include "train/sgd.h"
#include "train/territory_examples.h"
#include "train/tool.h"
#include "train/tool_support.h"

namespace train {
namespace {

// How the territory values of held-out positions agree with the final
// ownership, from Black's view.
class agreement {
  public:
    void add_position(engine& e, const final_ownership& labels) {
        double sum = 0.0, truth = 0.0;
        int marked = 0;
        for (int k = 0; k < e.n_points; ++k) {
            point* p = e.points[k];
            const bool empty = p->colour == 0;
            const double v = e.territory_value(p, 1);
            const int owner = labels.owner(p);
            add_point(all_, v, owner);
            if (empty) add_point(empty_, v, owner);
            sum += v;
            truth += owner;
            marked += v > 0.33333 ? 1 : v < -0.33333 ? -1 : 0;
        }
        ++positions_;
        sum_error_ += std::fabs(sum - truth);
        mover_bias_ += (sum - truth) * e.turn();
        marked_error_ += std::fabs(marked - truth);
        if (truth != 0) {
            ++decided_games_;
            right_winner_ += (sum > 0) == (truth > 0);
        }
        for (int c : {1, -1}) {
            for (const std::unique_ptr<group>& g : e.group_list(c)) {
                int alive = 0;
                for (point* s : g->stones.to_vector()) alive += labels.owner(s) == c;
                groups_.add(g->safety, alive * 2 > g->size ? 1.0 : 0.0);
            }
        }
    }

    void print(const char* name) const {
        std::printf(
            "%s: %ld positions\n"
            "  empty points: %ld, sign right %.4f of those owned, squared error %.4f\n"
            "  all points:   %ld, sign right %.4f of those owned, squared error %.4f\n"
            "  area difference: mean |sum of values - labelled| %.2f, mean |points beyond 1/3"
            " - labelled| %.2f, leader right %.4f\n"
            "  mean (sum of values - labelled) from the side to move's view %+.2f\n"
            "  group safety against the majority of stones ending alive: %zu groups, accuracy"
            " %.4f, log loss %.4f\n",
            name, positions_, empty_.points, empty_.sign_right(), empty_.squared_error(),
            all_.points, all_.sign_right(), all_.squared_error(), sum_error_ / positions_,
            marked_error_ / positions_, right_winner_ / static_cast<double>(decided_games_),
            mover_bias_ / positions_, groups_.size(), groups_.accuracy(), groups_.log_loss());
    }

  private:
    struct tally {
        long points = 0, owned = 0, right = 0;
        double squares = 0.0;
        double sign_right() const { return owned == 0 ? 0.0 : right / static_cast<double>(owned); }
        double squared_error() const { return points == 0 ? 0.0 : squares / points; }
    };
    static void add_point(tally& t, double v, int owner) {
        ++t.points;
        t.squares += (v - owner) * (v - owner);
        if (owner == 0) return;
        ++t.owned;
        t.right += v * owner > 0;  // a value of 0 says nothing
    }

    tally all_, empty_;
    long positions_ = 0, decided_games_ = 0, right_winner_ = 0;
    double sum_error_ = 0.0, marked_error_ = 0.0, mover_bias_ = 0.0;
    prediction_figures groups_;
};

// The held-out positions evaluated by e; after each evaluation, measure(e,
// labels) takes its figures.
template <class Measure>
void for_each_held_out_position(engine& e, const std::vector<labelled_game>& games,
                                const sampling& s, Measure measure) {
    for (const labelled_game& g : games) {
        replay(e, g.record, [&](point*, int, size_t k) {
            if (!s.takes(k)) return;
            e.evaluate(e.turn());
            measure(e, g.labels);
        });
        e.reset_board();
    }
}

// Each game's position after its last move.
void add_final_positions(engine& e, const std::vector<labelled_game>& games, agreement& a) {
    for (const labelled_game& g : games) {
        replay(e, g.record, [](point*, int, size_t) {});
        e.evaluate(e.turn());
        a.add_position(e, g.labels);
        e.reset_board();
    }
}

void print_comparison(const std::vector<labelled_game>& games, const labelled_options& o) {
    agreement with_files, untrained_territory, no_files, final_positions;
    {
        engine e;  // reads all nine data files of the output directory
        o.reading.apply(e);
        neural_net& terr = e.territory_net->net();
        const std::vector<double> trained = weights_of(terr);
        for_each_held_out_position(e, games, o.positions,
                                   [&](engine& en, const final_ownership& l) {
                                       with_files.add_position(en, l);
                                       set_weights(terr, {});
                                       untrained_territory.add_position(en, l);
                                       set_weights(terr, trained);
                                   });
        add_final_positions(e, games, final_positions);
    }
    {
        engine e;
        neutral_evaluation_networks(e);
        o.reading.apply(e);
        for_each_held_out_position(
            e, games, o.positions,
            [&](engine& en, const final_ownership& l) { no_files.add_position(en, l); });
    }
    with_files.print("all nine data files");
    untrained_territory.print("group networks, territory network untrained");
    no_files.print("no data files");
    final_positions.print("all nine data files, each game's last position");
}

void print_example_figures(neural_net& net, const dense_examples& held_out) {
    prediction_figures f;
    for (size_t k = 0; k < held_out.size(); ++k) {
        double out = 0.0;
        net.evaluate(held_out.inputs(k), &out);
        f.add(out, held_out.target(k));
    }
    std::printf(
        "territory_net on %zu held-out empty points: accuracy %.4f of those owned, log loss "
        "%.4f (untrained: %.4f)\n",
        f.size(), f.accuracy(), f.log_loss(), std::log(2.0));
    f.print_calibration("territory_net calibration (output against owned by the side to move):");
}

int run(const std::vector<std::string>& args) {
    labelled_options o(600, 8, 0.01);
    if (!o.parse(args)) {
        std::fprintf(stderr, "usage: winkirvo-train territory %s\n", labelled_options::usage);
        return 2;
    }
    if (!have_data_files(
            o, "territory",
            {{"shape.dat", "shape"}, {"harass.dat", "groups"}, {"safe_19_10.dat", "groups"}}))
        return 1;
    const stopwatch clock;
    silence_engine();
    // Every engine of this tool reads its data files from the output
    // directory and nowhere else.
    set_data_dir(o.out_dir);
    engine e;
    o.reading.apply(e);
    game_split games;
    if (!choose_games(e, o, "territory", games)) return 1;
    dense_examples train_set(7), held_out_set(7);
    for (const labelled_game& g : games.train)
        collect_territory_examples(e, g, o.positions, train_set);
    for (const labelled_game& g : games.held_out)
        collect_territory_examples(e, g, o.positions, held_out_set);
    std::printf(
        "games: %zu for training, %zu held out; positions every %d moves from move %d, depths "
        "%d %d %d; empty points: %zu for training, %zu held out  [%.0f s]\n",
        games.train.size(), games.held_out.size(), o.positions.every, o.positions.first,
        o.reading.status, o.reading.connection, o.reading.life_death, train_set.size(),
        held_out_set.size(), clock.seconds());

    random_source rng(o.seed);
    neural_net& net = e.territory_net->net();
    init_weights(net, rng);
    backprop learner(net);
    train_epochs(learner, train_set, o.epochs, o.rate, rng);
    std::printf("trained  [%.0f s]\n", clock.seconds());
    print_example_figures(net, held_out_set);
    const std::string path = (std::filesystem::path(o.out_dir) / net.file_name()).string();
    if (!net.write_file(path)) {
        std::fprintf(stderr, "territory: cannot write %s\n", path.c_str());
        return 1;
    }
    std::printf("wrote %s  [%.0f s]\n", path.c_str(), clock.seconds());
    print_comparison(games.held_out, o);
    std::printf("done  [%.0f s]\n", clock.seconds());
    return 0;
}

const bool registered = register_tool({"territory",
                                       "--games DIR --labels FILE [OPTIONS]: trains data/terr.dat "
                                       "on top of the group networks (winkirvo-train "
                                       "territory --help lists the options)",
                                       run});

}  // namespace
}  // namespace train

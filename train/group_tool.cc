// winkirvo-train groups: builds "safe_19_10.dat" (safety_net, 19-10-1) and
// "harass.dat" (harass_net, 14-20-1) from played-out games whose final
// ownership is known.
//
// How it learns:
// - The games are the labelled lines of the ownership file whose recorded
//   result names the same winner as the labels' area count and whose final
//   position replays to the labels' count of dead stones
//   (train/ownership.h); shuffled with a fixed seed, the first ones are held
//   out for the figures, the next ones are for training.
// - Every tenth position from move 40 on is evaluated in full by the engine
//   (reading depths 10, 8, 4 as the document plays, unless told others),
//   with neutral networks: the group features do not depend on the
//   networks' weights.  The reading does depend on the shape network (it
//   filters the moves it tries): the engine reads shape.dat from the output
//   directory, which winkirvo-train shape must have written first.  Each
//   group, single dead strings aside, gives its inputs exactly as
//   rate_safety and rate_harassment push them.
// - safety_net learns whether the group's stones end owned by its colour
//   (the share of them that do; dame and seki count half).
// - harass_net learns how much the group is attacked: of the opponent's
//   moves among the next 20 of the record, the share played within two
//   lines of a group stone (its near2).  Only groups that end alive teach
//   it, so that it measures pressure on a group that survives rather than
//   its death, which safety_net already rates.  The engine reads
//   harassment = 5 x output and weighs a stone's influence by
//   safety / (2 harassment + 1): a group that draws the opponent's moves
//   spreads less.
// - Both networks: stochastic gradient descent on the cross-entropy
//   (train/backprop.h, train/sgd.h), one generator with a fixed seed.
// - On the held-out games it prints the safety accuracy, log loss and
//   calibration, and how the predicted harassment goes with the share of
//   attacking moves and with losing a stone within 20 moves.
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/base/data_files.h"
#include "engine/engine.h"
#include "train/backprop.h"
#include "train/dense_examples.h"
#include "train/group_examples.h"
#include "train/labelled_tool.h"
#include "train/ownership.h"
#include "train/sgd.h"
#include "train/tool.h"
#include "train/tool_support.h"

namespace train {
namespace {

std::vector<group_example> collect(engine& e, const std::vector<labelled_game>& games,
                                   const sampling& s) {
    std::vector<group_example> out;
    for (const labelled_game& g : games) collect_group_examples(e, g, s, out);
    return out;
}

dense_examples safety_examples(const std::vector<group_example>& groups) {
    dense_examples set(19);
    for (const group_example& x : groups) set.add(x.safety_inputs.data(), x.alive);
    return set;
}

dense_examples harass_examples(const std::vector<group_example>& groups) {
    dense_examples set(14);
    for (const group_example& x : groups) {
        if (!std::isnan(x.attacked)) set.add(x.harass_inputs.data(), x.attacked);
    }
    return set;
}

double output_for(neural_net& net, const double* inputs) {
    double out = 0.0;
    net.evaluate(inputs, &out);
    return out;
}

void print_safety_figures(neural_net& net, const std::vector<group_example>& held_out) {
    prediction_figures f;
    long alive = 0, decided = 0;
    for (const group_example& x : held_out) {
        f.add(output_for(net, x.safety_inputs.data()), x.alive);
        if (x.alive == 0.5) continue;
        ++decided;
        alive += x.alive > 0.5;
    }
    std::printf(
        "safety_net on %zu held-out groups: accuracy %.4f (all alive: %.4f), log loss %.4f "
        "(untrained 0.5: %.4f)\n",
        f.size(), f.accuracy(), alive / static_cast<double>(decided), f.log_loss(), std::log(2.0));
    f.print_calibration("safety_net calibration (nn_safety against the share of stones alive):");
}

void print_harass_figures(neural_net& net, const std::vector<group_example>& held_out) {
    prediction_figures attacked, lost;
    for (const group_example& x : held_out) {
        const double out = output_for(net, x.harass_inputs.data());
        if (!std::isnan(x.attacked)) attacked.add(out, x.attacked);
        if (!std::isnan(x.lost)) lost.add(out, x.lost);
    }
    std::printf(
        "harass_net on %zu held-out groups that end alive: correlation with the share of "
        "attacking moves %.4f\n",
        attacked.size(), attacked.correlation());
    attacked.print_calibration("harass_net output against the share of attacking moves:");
    std::printf(
        "harass_net on %zu held-out groups: correlation with losing a stone within %d "
        "moves %.4f\n",
        lost.size(), attack_horizon, lost.correlation());
    lost.print_calibration("harass_net output against losing a stone within 20 moves:");
}

// Trains one network on its examples from random weights.
void train_net(neural_net& net, const dense_examples& set, const labelled_options& o,
               random_source& rng) {
    init_weights(net, rng);
    backprop learner(net);
    train_epochs(learner, set, o.epochs, o.rate, rng);
}

int run(const std::vector<std::string>& args) {
    labelled_options o(800, 30, 0.02);
    if (!o.parse(args)) {
        std::fprintf(stderr, "usage: winkirvo-train groups %s\n", labelled_options::usage);
        return 2;
    }
    if (!have_data_files(o, "groups", {{"shape.dat", "shape"}})) return 1;
    const stopwatch clock;
    silence_engine();
    // The engine reads its data files from the output directory and nowhere
    // else, so that the reading behind the group features uses the shape
    // network the engine will play with.
    set_data_dir(o.out_dir);
    engine e;
    neutral_evaluation_networks(e);
    o.reading.apply(e);
    game_split games;
    if (!choose_games(e, o, "groups", games)) return 1;
    const std::vector<group_example> train_groups = collect(e, games.train, o.positions);
    const std::vector<group_example> held_out_groups = collect(e, games.held_out, o.positions);
    const dense_examples safety_set = safety_examples(train_groups);
    const dense_examples harass_set = harass_examples(train_groups);
    std::printf(
        "games: %zu for training, %zu held out; positions every %d moves from move %d, depths "
        "%d %d %d; groups: %zu for training (%zu teach harassment), %zu held out  [%.0f s]\n",
        games.train.size(), games.held_out.size(), o.positions.every, o.positions.first,
        o.reading.status, o.reading.connection, o.reading.life_death, train_groups.size(),
        harass_set.size(), held_out_groups.size(), clock.seconds());

    random_source rng(o.seed);
    neural_net& safety = e.safety_net->net();
    neural_net& harass = e.harass_net->net();
    std::printf("safety_net:\n");
    train_net(safety, safety_set, o, rng);
    std::printf("harass_net:\n");
    train_net(harass, harass_set, o, rng);
    std::printf("trained  [%.0f s]\n", clock.seconds());
    print_safety_figures(safety, held_out_groups);
    print_harass_figures(harass, held_out_groups);

    for (neural_net* net : {&safety, &harass}) {
        const std::string path = (std::filesystem::path(o.out_dir) / net->file_name()).string();
        if (!net->write_file(path)) {
            std::fprintf(stderr, "groups: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("wrote %s\n", path.c_str());
    }
    std::printf("done  [%.0f s]\n", clock.seconds());
    return 0;
}

const bool registered = register_tool(
    {"groups",
     "--games DIR --labels FILE [OPTIONS]: trains data/safe_19_10.dat and data/harass.dat "
     "(winkirvo-train groups --help lists the options)",
     run});

}  // namespace
}  // namespace train

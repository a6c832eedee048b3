// What the tools share besides their data: command-line options, the
// elapsed time they report, the engine set up as the trainers run it, and
// the figures they print on held-out examples.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/engine.h"

namespace train {

// Positional arguments in order, then "--name value" pairs.
class option_parser {
  public:
    void positional(std::string& target) { positional_.push_back(&target); }
    void option(const std::string& name, int& target);
    void option(const std::string& name, double& target);
    void option(const std::string& name, uint32_t& target);
    void option(const std::string& name, std::string& target);
    // False for an unknown option, a missing or malformed value, or too many
    // positional arguments.
    bool parse(const std::vector<std::string>& args) const;

  private:
    struct binding {
        std::string name;
        std::function<bool(const std::string&)> set;
    };
    std::vector<std::string*> positional_;
    std::vector<binding> options_;
};

class stopwatch {
  public:
    double seconds() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    }

  private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// The engine's messages (data files, reading progress) are not the
// report: they go nowhere.
void silence_engine();

// Every .sgf file below dir, in sorted order.
std::vector<std::string> sgf_files_under(const std::string& dir);

// The .sgf files below each of dirs in turn (an empty name is skipped);
// false, with a message, when one of them is not a directory.
bool sgf_files_in(const std::vector<std::string>& dirs, std::vector<std::string>& files);

// All weights of a network in one vector (incoming, then outgoing), and
// back; setting an empty vector zeroes them.
std::vector<double> weights_of(neural_net& net);
void set_weights(neural_net& net, const std::vector<double>& weights);

// Zero weights in the three networks of the evaluation: they then answer
// 0.5, as with no data files.
void neutral_evaluation_networks(engine& e);

// Reading depths as the document plays (status 10, connection 8, life and
// death 4) unless the tool is told others.
struct depths {
    int status = 10;
    int connection = 8;
    int life_death = 4;
    void apply(engine& e) const { e.set_depth_limits(status, connection, life_death); }
};

// Figures over pairs of a prediction in [0, 1] and an outcome in [0, 1].
struct prediction_figures {
    void add(double predicted, double outcome);
    // Predictions above 0.5 against outcomes above 0.5, over outcomes other
    // than exactly 0.5.
    double accuracy() const;
    double log_loss() const;
    double correlation() const;
    // Ten bins of the prediction: count, mean prediction, mean outcome.
    void print_calibration(const char* title) const;
    size_t size() const { return predicted_.size(); }

  private:
    std::vector<double> predicted_;
    std::vector<double> outcome_;
};

}  // namespace train

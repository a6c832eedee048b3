#include "engine/knowledge/neural_net.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/base/data_files.h"
#include "engine/base/diagnostics.h"

neural_net::neural_net(int inputs, int hidden, int outputs, const std::string& file_name)
    : n_in(inputs),
      n_hid(hidden),
      n_out(outputs),
      file_name_(file_name),
      input_(inputs),
      hidden_(hidden),
      output_(outputs),
      w_in_(static_cast<size_t>(inputs) * hidden, 0.0),
      w_out_(static_cast<size_t>(hidden) * outputs, 0.0) {}

double neural_net::sigma(double x) {
    return 1.0 / (1.0 + std::exp(-x));
}

void neural_net::read_file() {
    std::FILE* file = std::fopen(find_data_file(file_name_).c_str(), "r");
    if (file == nullptr) {
        diag::print("Error: Couldn't find file %s \n", file_name_.c_str());
        diag::flush();
        return;
    }
    diag::print("Loading file %s ", file_name_.c_str());
    diag::flush();
    // A short file must leave zeros behind it, even on a network read before.
    std::fill(w_in_.begin(), w_in_.end(), 0.0);
    std::fill(w_out_.begin(), w_out_.end(), 0.0);
    // Once a read fails every later one fails too: what was not read stays
    // zero.  A file with no number, or with one no trained network holds
    // (infinite, not a number, or so large that the sums overflow), is
    // refused whole: every output is then one half.
    int numbers = 0;
    bool sound = true;
    auto take = [&](double& w) {
        if (std::fscanf(file, "%lf", &w) != 1) return;
        ++numbers;
        sound = sound && std::isfinite(w) && std::abs(w) <= largest_weight;
    };
    for (int h = 0; h < n_hid; ++h) {
        for (int i = 0; i < n_in; ++i)
            take(w_in(i, h));
        for (int o = 0; o < n_out; ++o)
            take(w_out(h, o));
    }
    std::fclose(file);
    if (numbers == 0 || !sound) {
        std::fill(w_in_.begin(), w_in_.end(), 0.0);
        std::fill(w_out_.begin(), w_out_.end(), 0.0);
        diag::print("refused: %s\n", numbers == 0 ? "no weights in it" : "a weight out of range");
    } else {
        diag::print("ok\n");
    }
    diag::flush();
}

bool neural_net::write_file(const std::string& path) const {
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr) return false;
    // One line per hidden unit; %.9g keeps every double's value to within
    // what the training could tell apart.
    for (int h = 0; h < n_hid; ++h) {
        for (int i = 0; i < n_in; ++i)
            std::fprintf(file, i == 0 ? "%.9g" : " %.9g", w_in(i, h));
        for (int o = 0; o < n_out; ++o)
            std::fprintf(file, " %.9g", w_out(h, o));
        std::fprintf(file, "\n");
    }
    return std::fclose(file) == 0;
}

void neural_net::setgain(double g) {
    gain_ = g;
    diag::print(" setgain %s %5.3f\n", file_name_.c_str(), g);
    diag::flush();
}

void neural_net::evaluate(const double* inputs, double* outputs) {
    for (int i = 0; i < n_in; ++i)
        input_[i].activation = inputs[i];
    for (unit& u : hidden_)
        u.net_input = 0.0;
    for (int i = 0; i < n_in; ++i) {
        const double x = input_[i].activation;
        if (std::fabs(x) <= 0.001) continue;
        const double* w = &w_in_[static_cast<size_t>(i) * n_hid];
        for (int h = 1; h < n_hid; ++h)
            hidden_[h].net_input += x * w[h];
    }
    hidden_[0].activation = 1.0;
    for (int h = 1; h < n_hid; ++h)
        hidden_[h].activation = sigma(hidden_[h].net_input);
    for (int o = 0; o < n_out; ++o) {
        double sum = 0.0;
        for (int h = 0; h < n_hid; ++h)
            sum += w_out(h, o) * hidden_[h].activation;
        output_[o].net_input = sum;
        output_[o].activation = sigma(sum);
        outputs[o] = output_[o].activation;
    }
}

// Training of the engine's own neural_net by stochastic gradient descent:
// the forward pass is the engine's, this adds the backward pass.  The loss
// is the cross-entropy of each logistic output, so the error at an output's
// net input is simply (output - target).
//
// Inputs come in two forms: a list of the inputs that are 1 (the shape
// network's encoding, where most inputs are 0 and only the listed ones
// change in a step), or the whole input vector (the group and territory
// networks, whose inputs are real numbers).
#pragma once

#include <cmath>
#include <concepts>
#include <cstdint>
#include <vector>

#include "engine/knowledge/neural_net.h"

namespace train {

class backprop {
  public:
    explicit backprop(neural_net& net)
        : net_(net), inputs_(net.n_in, 0.0), outputs_(net.n_out), delta_hidden_(net.n_hid) {}

    // The network's outputs for the inputs listed in active.
    const std::vector<double>& forward(const std::vector<uint8_t>& active) {
        for (uint8_t i : active) inputs_[i] = 1.0;
        net_.evaluate(inputs_.data(), outputs_.data());
        for (uint8_t i : active) inputs_[i] = 0.0;
        return outputs_;
    }

    // The network's outputs for a whole input vector (n_in numbers).  (A
    // template, so that a braced list still means the list of active
    // inputs.)
    template <class Inputs>
    requires std::same_as<Inputs, std::vector<double>>
    const std::vector<double>& forward(const Inputs& inputs) {
        net_.evaluate(inputs.data(), outputs_.data());
        return outputs_;
    }

    // One gradient step on one example; outputs with a NaN target get no
    // error (an example may teach only some outputs).  Returns the loss
    // before the step.
    double step(const std::vector<uint8_t>& active, const std::vector<double>& target,
                double rate) {
        forward(active);
        const double loss = learn_outputs(target, rate);
        for (uint8_t i : active) learn_input(i, 1.0, rate);
        return loss;
    }

    template <class Inputs>
    requires std::same_as<Inputs, std::vector<double>>
    double step(const Inputs& inputs, const std::vector<double>& target, double rate) {
        forward(inputs);
        const double loss = learn_outputs(target, rate);
        for (int i = 0; i < net_.n_in; ++i) {
            // The forward pass ignores these inputs, so their weights have
            // no gradient.
            if (std::fabs(inputs[i]) > sparse_threshold) learn_input(i, inputs[i], rate);
        }
        return loss;
    }

    // The engine's forward pass skips inputs at most this large.
    static constexpr double sparse_threshold = 0.001;

  private:
    // The outputs' and the hidden units' errors of the last forward pass,
    // and the step on the outgoing weights; returns the loss.
    double learn_outputs(const std::vector<double>& target, double rate) {
        double loss = 0.0;
        std::vector<double> delta_out(net_.n_out, 0.0);
        for (int o = 0; o < net_.n_out; ++o) {
            if (std::isnan(target[o])) continue;
            const double y = outputs_[o];
            delta_out[o] = y - target[o];
            loss -= target[o] * std::log(y + 1e-12) + (1.0 - target[o]) * std::log(1.0 - y + 1e-12);
        }
        // The hidden errors use the outgoing weights before they change.
        for (int h = 1; h < net_.n_hid; ++h) {
            const double a = net_.hidden_activation(h);
            double sum = 0.0;
            for (int o = 0; o < net_.n_out; ++o) sum += delta_out[o] * net_.w_out(h, o);
            delta_hidden_[h] = sum * a * (1.0 - a);
        }
        for (int h = 0; h < net_.n_hid; ++h) {
            const double a = net_.hidden_activation(h);
            for (int o = 0; o < net_.n_out; ++o) net_.w_out(h, o) -= rate * delta_out[o] * a;
        }
        return loss;
    }

    // The step on the incoming weights of input i, whose value was x.
    // Hidden unit 0 is the bias: its incoming weights are never used.
    void learn_input(int i, double x, double rate) {
        for (int h = 1; h < net_.n_hid; ++h) net_.w_in(i, h) -= rate * delta_hidden_[h] * x;
    }

    neural_net& net_;
    std::vector<double> inputs_;
    std::vector<double> outputs_;
    std::vector<double> delta_hidden_;
};

}  // namespace train

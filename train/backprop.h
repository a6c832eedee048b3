// Training of the engine's own neural_net by stochastic gradient descent:
// the forward pass is the engine's, this adds the backward pass.  The loss
// is the cross-entropy of each logistic output, so the error at an output's
// net input is simply (output - target).
//
// Inputs are 0 or 1 (the shape network's encoding), given as the list of
// the inputs that are 1; only their incoming weights change in a step.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "engine/neural_net.h"

namespace train {

class backprop {
  public:
    explicit backprop(neural_net& net)
        : net_(net), inputs_(net.n_in, 0.0), outputs_(net.n_out), delta_hidden_(net.n_hid) {}

    // The network's outputs for the inputs listed in active.
    const std::vector<double>& forward(const std::vector<uint8_t>& active) {
        for (uint8_t i : active)
            inputs_[i] = 1.0;
        net_.evaluate(inputs_.data(), outputs_.data());
        for (uint8_t i : active)
            inputs_[i] = 0.0;
        return outputs_;
    }

    // One gradient step on one example; outputs with a NaN target get no
    // error (an example may teach only some outputs).  Returns the loss
    // before the step.
    double step(const std::vector<uint8_t>& active, const std::vector<double>& target,
                double rate) {
        forward(active);
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
            for (int o = 0; o < net_.n_out; ++o)
                sum += delta_out[o] * net_.w_out(h, o);
            delta_hidden_[h] = sum * a * (1.0 - a);
        }
        for (int h = 0; h < net_.n_hid; ++h) {
            const double a = net_.hidden_activation(h);
            for (int o = 0; o < net_.n_out; ++o)
                net_.w_out(h, o) -= rate * delta_out[o] * a;
        }
        // Hidden unit 0 is the bias: its incoming weights are never used.
        for (uint8_t i : active) {
            for (int h = 1; h < net_.n_hid; ++h)
                net_.w_in(i, h) -= rate * delta_hidden_[h];
        }
        return loss;
    }

  private:
    neural_net& net_;
    std::vector<double> inputs_;
    std::vector<double> outputs_;
    std::vector<double> delta_hidden_;
};

}  // namespace train

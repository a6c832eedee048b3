// The training loop every network shares: the examples visited in a new
// shuffled order every epoch, with a learning rate that falls by epoch.
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

#include "train/backprop.h"
#include "train/replay.h"

namespace train {

// Examples: size() and get(k, inputs, target) with inputs of the type the
// learner's step takes.  Prints each epoch's mean loss; returns the last.
template <class Examples>
double train_epochs(backprop& learner, const Examples& examples, int epochs, double rate,
                    random_source& rng) {
    std::vector<uint32_t> order(examples.size());
    for (size_t k = 0; k < order.size(); ++k) order[k] = static_cast<uint32_t>(k);
    typename Examples::input_type inputs;
    std::vector<double> target;
    double mean = 0.0;
    for (int epoch = 0; epoch < epochs; ++epoch) {
        rng.shuffle(order);
        const double epoch_rate = rate / (1.0 + epoch);
        double loss = 0.0;
        for (uint32_t k : order) {
            examples.get(k, inputs, target);
            loss += learner.step(inputs, target, epoch_rate);
        }
        mean = order.empty() ? 0.0 : loss / static_cast<double>(order.size());
        std::printf("epoch %d  rate %.4f  mean loss %.4f\n", epoch + 1, epoch_rate, mean);
        std::fflush(stdout);
    }
    return mean;
}

// Small random weights (hidden unit 0's incoming ones stay zero: it is the
// bias and they are never used).
inline void init_weights(neural_net& net, random_source& rng) {
    for (int h = 0; h < net.n_hid; ++h) {
        for (int i = 0; i < net.n_in; ++i) net.w_in(i, h) = h == 0 ? 0.0 : rng.uniform(-0.2, 0.2);
        for (int o = 0; o < net.n_out; ++o) net.w_out(h, o) = rng.uniform(-0.2, 0.2);
    }
}

}  // namespace train

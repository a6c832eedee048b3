#include "engine/knowledge/feature_net.h"

#include <algorithm>

#include "engine/base/diagnostics.h"

feature_net::feature_net(int inputs, int hidden, int outputs, const std::string& file_name)
    : n_in(inputs), n_hid(hidden), n_out(outputs), net_(inputs, hidden, outputs, file_name) {
    net_.read_file();
    inputs_.assign(n_in, 0.0);
    outputs_.assign(n_out, 0.0);
}

void feature_net::reset() {
    fill_ = 0;
    std::fill(inputs_.begin(), inputs_.end(), 0.0);
}

void feature_net::push(double x) {
    if (fill_ < n_in) inputs_[fill_] = x;
    ++fill_;
}

bool feature_net::check_count() const {
    if (fill_ == n_in) return true;
    diag::print("index %d N %d mismatch!\n", fill_, n_in);
    return false;
}

double feature_net::evaluate() {
    net_.evaluate(inputs_.data(), outputs_.data());
    return outputs_[0];
}

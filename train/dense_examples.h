// Examples for the networks whose inputs are real numbers (the group and
// territory networks): the whole input vector, as the engine's builder
// pushed it, and one target.
#pragma once

#include <cstddef>
#include <vector>

namespace train {

class dense_examples {
  public:
    using input_type = std::vector<double>;

    explicit dense_examples(int n_in) : n_in_(n_in) {}

    int n_in() const { return n_in_; }
    void add(const double* inputs, double target) {
        inputs_.insert(inputs_.end(), inputs, inputs + n_in_);
        targets_.push_back(target);
    }
    size_t size() const { return targets_.size(); }
    const double* inputs(size_t k) const { return inputs_.data() + k * n_in_; }
    double target(size_t k) const { return targets_[k]; }
    void get(size_t k, std::vector<double>& inputs, std::vector<double>& target) const {
        inputs.assign(this->inputs(k), this->inputs(k) + n_in_);
        target.assign(1, targets_[k]);
    }

  private:
    int n_in_;
    std::vector<double> inputs_;  // n_in per example
    std::vector<double> targets_;
};

}  // namespace train

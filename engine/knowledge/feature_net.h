// A network together with the input vector that a feature builder fills:
// reset, push the inputs in order, evaluate.  The group networks and the
// territory network are used this way.
#pragma once

#include <string>
#include <vector>

#include "engine/knowledge/neural_net.h"

class feature_net {
  public:
    // Builds the network and reads its weight file at once.
    feature_net(int n_in, int n_hid, int n_out, const std::string& file_name);

    const int n_in;
    const int n_hid;
    const int n_out;

    void reset();
    // Appends one input.  Pushes beyond n_in are counted (so that the count
    // check can report them) but not stored.
    void push(double x);
    int pushed() const { return fill_; }
    // False, with "index %d N %d mismatch!", when a builder pushed a number
    // of inputs other than n_in.  Evaluation may go on regardless.
    bool check_count() const;
    // Runs the network on the input buffer; returns output 0.
    double evaluate();

    const double* inputs() const { return inputs_.data(); }
    double output(int o) const { return outputs_[o]; }
    neural_net& net() { return net_; }

  protected:
    neural_net net_;
    std::vector<double> inputs_;
    std::vector<double> outputs_;
    int fill_ = 0;
};

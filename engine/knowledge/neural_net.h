// A fully connected feed-forward network with one hidden layer of logistic
// units: all the engine's learned knowledge is held in small networks of this
// kind, read from plain-text weight files.
//
// Input 0 is fed 1.0 by every caller and so acts as the hidden units' bias;
// hidden unit 0 is fixed at 1.0 and acts as the outputs' bias.
#pragma once

#include <string>
#include <vector>

class neural_net {
  public:
    // Sizes the layers and zeroes every weight; reads nothing.
    neural_net(int n_in, int n_hid, int n_out, const std::string& file_name);
    neural_net(const neural_net&) = delete;
    neural_net& operator=(const neural_net&) = delete;

    const int n_in;
    const int n_hid;
    const int n_out;

    // Reads the weight file, found through the data-file search: for each
    // hidden unit its n_in incoming weights, then its n_out outgoing ones.
    // Numbers missing at the end leave zeros, surplus numbers are ignored, a
    // missing file leaves every weight zero (every output is then 0.5), and
    // so does a file refused for holding no number or one beyond
    // largest_weight.
    void read_file();
    static constexpr double largest_weight = 1e6;
    // Writes the weights to path in the layout read_file reads; false when
    // the file cannot be written.
    bool write_file(const std::string& path) const;

    void setgain(double g);
    double gain() const { return gain_; }
    const std::string& file_name() const { return file_name_; }

    // One forward pass.  Inputs with |x| <= 0.001 are skipped: most inputs
    // of the shape network are zero, and each skipped one saves n_hid
    // multiplications.
    void evaluate(const double* inputs, double* outputs);

    // For trainers: the weights, and the activations of the last pass.
    double& w_in(int i, int h) { return w_in_[i * n_hid + h]; }
    double w_in(int i, int h) const { return w_in_[i * n_hid + h]; }
    double& w_out(int h, int o) { return w_out_[h * n_out + o]; }
    double w_out(int h, int o) const { return w_out_[h * n_out + o]; }
    double hidden_activation(int h) const { return hidden_[h].activation; }
    double output_activation(int o) const { return output_[o].activation; }

    static double sigma(double x);

  private:
    struct unit {
        double net_input = 0.0;
        double activation = 0.0;
    };

    std::string file_name_;
    double gain_ = 0.0;
    std::vector<unit> input_;
    std::vector<unit> hidden_;
    std::vector<unit> output_;
    std::vector<double> w_in_;   // [i][h]: the hidden units fed by one input lie together
    std::vector<double> w_out_;  // [h][o]
};

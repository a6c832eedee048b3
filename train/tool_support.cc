#include "train/tool_support.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "engine/base/diagnostics.h"

namespace train {

namespace {

// Whole-string conversions: "12x" or "" is not a number.
bool to_long(const std::string& text, long& value) {
    char* end = nullptr;
    errno = 0;
    value = std::strtol(text.c_str(), &end, 10);
    return !text.empty() && *end == '\0' && errno == 0;
}

bool to_double(const std::string& text, double& value) {
    char* end = nullptr;
    errno = 0;
    value = std::strtod(text.c_str(), &end);
    return !text.empty() && *end == '\0' && errno == 0 && std::isfinite(value);
}

// Visits every weight of the network, the incoming ones first.
template <class F>
void for_each_weight(neural_net& net, F f) {
    for (int h = 0; h < net.n_hid; ++h) {
        for (int i = 0; i < net.n_in; ++i) f(net.w_in(i, h));
    }
    for (int h = 0; h < net.n_hid; ++h) {
        for (int o = 0; o < net.n_out; ++o) f(net.w_out(h, o));
    }
}

}  // namespace

void option_parser::option(const std::string& name, int& target) {
    options_.push_back({name, [&target](const std::string& v) {
                            long x;
                            if (!to_long(v, x) || x < -1000000000L || x > 1000000000L) return false;
                            target = static_cast<int>(x);
                            return true;
                        }});
}

void option_parser::option(const std::string& name, double& target) {
    options_.push_back({name, [&target](const std::string& v) { return to_double(v, target); }});
}

void option_parser::option(const std::string& name, uint32_t& target) {
    options_.push_back({name, [&target](const std::string& v) {
                            long x;
                            if (!to_long(v, x) || x < 0 || x > 0xffffffffL) return false;
                            target = static_cast<uint32_t>(x);
                            return true;
                        }});
}

void option_parser::option(const std::string& name, std::string& target) {
    options_.push_back({name, [&target](const std::string& v) {
                            target = v;
                            return true;
                        }});
}

bool option_parser::parse(const std::vector<std::string>& args) const {
    size_t positional = 0;
    for (size_t k = 0; k < args.size(); ++k) {
        const std::string& a = args[k];
        if (a.rfind("--", 0) != 0) {
            if (positional >= positional_.size()) return false;
            *positional_[positional++] = a;
            continue;
        }
        auto it = std::find_if(options_.begin(), options_.end(),
                               [&a](const binding& b) { return "--" + b.name == a; });
        if (it == options_.end() || k + 1 >= args.size() || !it->set(args[++k])) return false;
    }
    return true;
}

void silence_engine() {
    static std::FILE* null = std::fopen("/dev/null", "w");
    diag::set_out(null != nullptr ? null : stderr);
}

std::vector<std::string> sgf_files_under(const std::string& dir) {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
        if (entry.is_regular_file() && entry.path().extension() == ".sgf") {
            files.push_back(entry.path().string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

bool sgf_files_in(const std::vector<std::string>& dirs, std::vector<std::string>& files) {
    for (const std::string& dir : dirs) {
        if (dir.empty()) continue;
        if (!std::filesystem::is_directory(dir)) {
            std::fprintf(stderr, "no game directory %s\n", dir.c_str());
            return false;
        }
        for (std::string& file : sgf_files_under(dir)) files.push_back(std::move(file));
    }
    return true;
}

std::vector<double> weights_of(neural_net& net) {
    std::vector<double> all;
    for_each_weight(net, [&all](double& w) { all.push_back(w); });
    return all;
}

void set_weights(neural_net& net, const std::vector<double>& weights) {
    size_t k = 0;
    for_each_weight(net, [&](double& w) { w = k < weights.size() ? weights[k++] : 0.0; });
}

void neutral_evaluation_networks(engine& e) {
    for (feature_net* f : {e.harass_net.get(), e.safety_net.get(), e.territory_net.get()})
        set_weights(f->net(), {});
}

void prediction_figures::add(double predicted, double outcome) {
    predicted_.push_back(predicted);
    outcome_.push_back(outcome);
}

double prediction_figures::accuracy() const {
    long right = 0, counted = 0;
    for (size_t k = 0; k < predicted_.size(); ++k) {
        if (outcome_[k] == 0.5) continue;
        ++counted;
        right += (predicted_[k] > 0.5) == (outcome_[k] > 0.5);
    }
    return counted == 0 ? 0.0 : right / static_cast<double>(counted);
}

double prediction_figures::log_loss() const {
    double sum = 0.0;
    for (size_t k = 0; k < predicted_.size(); ++k) {
        const double y = std::clamp(predicted_[k], 1e-12, 1.0 - 1e-12);
        sum -= outcome_[k] * std::log(y) + (1.0 - outcome_[k]) * std::log(1.0 - y);
    }
    return predicted_.empty() ? 0.0 : sum / static_cast<double>(predicted_.size());
}

double prediction_figures::correlation() const {
    const double n = static_cast<double>(predicted_.size());
    if (n < 2) return 0.0;
    double sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
    for (size_t k = 0; k < predicted_.size(); ++k) {
        const double x = predicted_[k], y = outcome_[k];
        sx += x;
        sy += y;
        sxx += x * x;
        syy += y * y;
        sxy += x * y;
    }
    const double vx = sxx - sx * sx / n, vy = syy - sy * sy / n;
    return vx <= 0 || vy <= 0 ? 0.0 : (sxy - sx * sy / n) / std::sqrt(vx * vy);
}

void prediction_figures::print_calibration(const char* title) const {
    std::printf("%s\n  bin        n   predicted   observed\n", title);
    for (int bin = 0; bin < 10; ++bin) {
        long n = 0;
        double p = 0.0, o = 0.0;
        for (size_t k = 0; k < predicted_.size(); ++k) {
            if (std::min(9, static_cast<int>(predicted_[k] * 10)) != bin) continue;
            ++n;
            p += predicted_[k];
            o += outcome_[k];
        }
        if (n == 0) continue;
        std::printf("  %.1f-%.1f %7ld   %.3f       %.3f\n", bin / 10.0, (bin + 1) / 10.0, n, p / n,
                    o / n);
    }
}

}  // namespace train

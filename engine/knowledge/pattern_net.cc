#include "engine/knowledge/pattern_net.h"

#include "engine/base/diagnostics.h"

pattern_net::pattern_net(int inputs, int hidden, int outputs, const std::string& file_name)
    : feature_net(inputs, hidden, outputs, file_name) {}

bool pattern_net::check_count() const {
    if (fill_ == n_in) return true;
    diag::print("error indeks %d N %d\n", fill_, n_in);
    diag::flush();
    return false;
}

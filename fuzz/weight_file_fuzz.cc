// libFuzzer target: any bytes as a network's weight file.  The weights read
// must be finite and within the bound the reader accepts (a refused file
// leaves zeros), and a forward pass must give outputs between 0 and 1.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "engine/base/data_files.h"
#include "engine/base/diagnostics.h"
#include "engine/knowledge/network_shapes.h"
#include "engine/knowledge/neural_net.h"
#include "fuzz/fuzz_dir.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

bool acceptable(double w) {
    return std::isfinite(w) && std::abs(w) <= neural_net::largest_weight;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static diag::quiet_scope quiet(true);
    static const std::string dir = make_fuzz_dir();
    static const bool ready = (set_data_dir(dir), true);
    (void)ready;
    std::ofstream(dir + "/net.dat", std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    // The territory network's shape: small, with a bias on both layers.
    neural_net net(territory_network.inputs, territory_network.hidden, territory_network.outputs,
                   "net.dat");
    net.read_file();
    for (int h = 0; h < net.n_hid; ++h) {
        for (int i = 0; i < net.n_in; ++i) require(acceptable(net.w_in(i, h)));
        require(acceptable(net.w_out(h, 0)));
    }
    const double inputs[7] = {1.0, 1.0, -1.0, 0.5, 0.0, 2.0, -3.0};
    double output = -1.0;
    net.evaluate(inputs, &output);
    require(output >= 0.0 && output <= 1.0);
    return 0;
}

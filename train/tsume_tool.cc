// winkirvo-train tsume: writes "tsume.dat", the weights of the tsume network
// (53 inputs, 50 hidden units, 1 output).  The engine builds and loads that
// network but no operation evaluates it, so there is nothing to learn: the
// file is a blank network, every weight zero (it would answer 0.5).  It is
// shipped so that the engine finds all its data files.
#include <cstdio>
#include <string>
#include <vector>

#include "engine/knowledge/network_shapes.h"
#include "engine/knowledge/neural_net.h"
#include "train/tool.h"

namespace train {
namespace {

int run(const std::vector<std::string>& args) {
    if (args.size() > 1) {
        std::fprintf(stderr, "usage: winkirvo-train tsume [OUT_FILE]\n");
        return 2;
    }
    const std::string out = args.empty() ? "data/tsume.dat" : args[0];
    neural_net blank(tsume_network.inputs, tsume_network.hidden, tsume_network.outputs,
                     tsume_network.file);
    if (!blank.write_file(out)) {
        std::fprintf(stderr, "tsume: cannot write %s\n", out.c_str());
        return 1;
    }
    std::printf("wrote %s (a blank network: every weight zero)\n", out.c_str());
    return 0;
}

const bool registered =
    register_tool({"tsume", "[OUT_FILE]: writes data/tsume.dat, a blank network", run});

}  // namespace
}  // namespace train

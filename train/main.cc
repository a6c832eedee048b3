// winkirvo-train TOOL ARGS...: builds one of the engine's data files.
#include <cstdio>
#include <cstring>

#include "train/tool.h"

namespace train {

namespace {
std::vector<tool>& registry() {
    static std::vector<tool> all;
    return all;
}
}  // namespace

bool register_tool(const tool& t) {
    registry().push_back(t);
    return true;
}

const std::vector<tool>& tools() { return registry(); }

}  // namespace train

int main(int argc, char** argv) {
    if (argc >= 2) {
        for (const train::tool& t : train::tools()) {
            if (std::strcmp(argv[1], t.name) == 0) return t.run(std::vector<std::string>(argv + 2, argv + argc));
        }
    }
    std::fprintf(stderr, "usage: winkirvo-train TOOL ARGS...\ntools:\n");
    for (const train::tool& t : train::tools()) std::fprintf(stderr, "  %s %s\n", t.name, t.usage);
    return 2;
}

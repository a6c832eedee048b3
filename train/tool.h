// The registry of winkirvo-train's tools: each tool registers a name, a
// one-line usage and its entry point from its own source file.
#pragma once

#include <string>
#include <vector>

namespace train {

using tool_main = int (*)(const std::vector<std::string>& args);

struct tool {
    const char* name;
    const char* usage;
    tool_main run;
};

// Adds a tool at static initialisation; returns true so that it can
// initialise a namespace-scope constant.
bool register_tool(const tool& t);
const std::vector<tool>& tools();

}  // namespace train

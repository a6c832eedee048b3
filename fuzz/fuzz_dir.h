// A fresh temporary directory for a fuzz target: the working directory of a
// target whose commands may write files, or the data directory that
// replaces the data-file search.
#pragma once

#include <cstdlib>
#include <string>

inline std::string make_fuzz_dir() {
    char name[] = "/tmp/winkirvo-fuzz-XXXXXX";
    if (mkdtemp(name) == nullptr) std::abort();
    return name;
}

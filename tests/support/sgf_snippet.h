// Positions for tests written as SGF snippets: "AB[dd][de]AW[ed];B[ee]"
// pushes the setup stones (Black first, then White, each in file order) and
// then the moves.  Wrapping in "(;" ... ")" is optional.
#pragma once

#include <string>

#include "engine/engine.h"

namespace test {

void load_sgf(engine& e, const std::string& snippet);

}  // namespace test

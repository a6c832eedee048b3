// The engine as the benchmarks run it: the document's default depths, and
// its console output kept out of the report.
#pragma once

#include <benchmark/benchmark.h>

#include "engine/engine.h"

namespace bench {

// Status 10, connection 8, life and death 4.
void set_document_depths(engine& e);

// The passes print progress marks and table sizes on the diagnostic stream.
void silence_diagnostics();

// False, with the benchmark skipped and the reason on standard error, when
// the game collection that WINKIRVO_GAMES should name gave nothing.
bool have_games(benchmark::State& state, bool found);

}  // namespace bench

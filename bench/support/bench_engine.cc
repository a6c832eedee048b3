#include "bench/support/bench_engine.h"

#include <cstdio>

#include "engine/base/diagnostics.h"

namespace bench {

void set_document_depths(engine& e) {
    e.max_depth_status = 10;
    e.max_depth_connection = 8;
    e.max_depth_life_death = 4;
}

void silence_diagnostics() {
    static std::FILE* null = std::fopen("/dev/null", "w");
    diag::set_out(null);
}

bool have_games(benchmark::State& state, bool found) {
    if (found) return true;
    static const char* const message =
        "WINKIRVO_GAMES does not name a folder of 19x19 game records (the pro collection "
        "unpacked); skipped";
    std::fprintf(stderr, "%s\n", message);
    state.SkipWithError(message);
    return false;
}

}  // namespace bench

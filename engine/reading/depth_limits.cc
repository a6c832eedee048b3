#include "engine/reading/depth_limits.h"

#include <cstdio>

#include "engine/base/diagnostics.h"

void depth_limits::read_depth_limits() {
    diag::print("max_depth_status max_depth_connection max_depth_L&D");
    diag::flush();
    // A desktop program has no console to answer; only a debug console is
    // asked, so that nothing ever blocks on standard input by default.
    if (!diag::console_enabled()) return;
    if (std::scanf("%d%d%d", &max_depth_status, &max_depth_connection, &max_depth_life_death) !=
        3) {
        std::clearerr(stdin);
    }
}

void depth_limits::set_depth_limits(int status, int connection, int life_death) {
    max_depth_status = status;
    max_depth_connection = connection;
    max_depth_life_death = life_death;
}

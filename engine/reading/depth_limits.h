// The depth limits of tactical reading: the first thing an engine is given.
// A debug console asks for them before the data files are read.
#pragma once

class depth_limits {
public:
    depth_limits() { read_depth_limits(); }

    int max_depth_life_death = 6;
    int max_depth_status = 6;
    int max_depth_connection = 6;

    // The depth prompt of a debug console (WINKIRVO_CONSOLE=1): reads status,
    // connection and life-and-death depths, in that order; without a console
    // the defaults stay.
    void read_depth_limits();
    void set_depth_limits(int status, int connection, int life_death);
};

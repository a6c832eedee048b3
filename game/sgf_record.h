// A lenient reader of real-world SGF game records for the tools (training,
// benchmarks): it takes the main line of any file, whatever its other
// properties, and never plays anything.  The game's own strict reader, with
// its messages, is a separate class.
#pragma once

#include <string>
#include <vector>

struct sgf_move {
    int colour;  // 1 Black, -1 White
    int x;       // 1..size, 0 for a pass
    int y;
};

struct sgf_record {
    int size = 19;
    int handicap = 0;
    double komi = 0.0;
    std::string result;  // the RE value, as written
    std::vector<sgf_move> setup;  // AB and AW stones before the first move
    std::vector<sgf_move> moves;  // B and W along the main line
};

// False (with the reason) when the text holds no game tree.
bool read_sgf_record(const std::string& text, sgf_record& record, std::string& why);
bool read_sgf_record_file(const std::string& path, sgf_record& record, std::string& why);

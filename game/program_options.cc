#include "game/program_options.h"

#include <cstdlib>
#include <cstring>

#include "engine/base/data_files.h"

namespace {

bool parse_int(const char* text, int& value) {
    char* end = nullptr;
    const long parsed = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || parsed < -2147483647L - 1 || parsed > 2147483647L) {
        return false;
    }
    value = static_cast<int>(parsed);
    return true;
}

bool parse_depth(const char* text, int& depth) {
    return parse_int(text, depth) && is_reading_depth(depth);
}

}  // namespace

bool is_reading_depth(int depth) { return depth >= 0 && depth <= max_reading_depth; }

int parse_program_option(int argc, char** argv, int i, program_options& options) {
    const int left = argc - i - 1;
    if (std::strcmp(argv[i], "--seed") == 0) {
        if (left < 1 || !parse_int(argv[i + 1], options.seed)) return -1;
        options.use_seed = true;
        return 2;
    }
    if (std::strcmp(argv[i], "--depths") == 0) {
        if (left < 3 || !parse_depth(argv[i + 1], options.status_depth) ||
            !parse_depth(argv[i + 2], options.connection_depth) ||
            !parse_depth(argv[i + 3], options.life_death_depth)) {
            return -1;
        }
        return 4;
    }
    if (std::strcmp(argv[i], "--data-dir") == 0) {
        if (left < 1) return -1;
        set_data_dir(argv[i + 1]);
        return 2;
    }
    return 0;
}

// Lines of final ownership written from pictures, in the file's own layout:
// rows from the top, x = 1..19 within a row.
#pragma once

#include <string>
#include <vector>

namespace test {

// The 361 owners of a picture: 'X' or 'B' Black, 'O' or 'W' White, anything
// else (and every point past a short row or below the last one) '.'.
inline std::string owners_of(const std::vector<std::string>& rows) {
    std::string owners(361, '.');
    for (size_t y = 0; y < rows.size() && y < 19; ++y) {
        for (size_t x = 0; x < rows[y].size() && x < 19; ++x) {
            const char c = rows[y][x];
            if (c == 'X' || c == 'B') owners[19 * y + x] = 'B';
            if (c == 'O' || c == 'W') owners[19 * y + x] = 'W';
        }
    }
    return owners;
}

inline std::string ownership_line(const std::string& game, int dead, const std::string& score,
                                  const std::vector<std::string>& rows) {
    return game + "\t" + std::to_string(dead) + "\t" + score + "\t" + owners_of(rows);
}

}  // namespace test

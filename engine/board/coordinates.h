// The three ways the program names a point: board coordinates (x the
// column, y the row, both 1 to 19; y = 1 is the top row), SGF letters ("aa"
// is x = 1, y = 1, "ss" is 19, 19) and GTP vertices ("A19" is x = 1, y = 1,
// "T1" is 19, 19; columns skip the letter I, rows count from the bottom).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/board/board_size.h"

namespace coord {

struct xy {
    int x = 0;
    int y = 0;
    bool operator==(const xy&) const = default;
};

// The column letters of GTP vertices and of the board's labels.
inline constexpr char gtp_columns[] = "ABCDEFGHJKLMNOPQRST";

// Unchecked conversions of one SGF letter: 'a' is 1.  Letters outside "a"
// to "s" give numbers outside 1 to 19, for callers that test the range.
constexpr char sgf_letter(int k) {
    return static_cast<char>('a' + k - 1);
}
constexpr int sgf_number(char letter) {
    return letter - 'a' + 1;
}

std::string sgf_point(int x, int y);
// Two lower-case letters "a" to "s", nothing else ("tt", the pass, too).
std::optional<xy> parse_sgf_point(std::string_view letters);

// The row number of a GTP vertex on row y, and back.
constexpr int gtp_row(int y) {
    return board_size + 1 - y;
}

std::string gtp_vertex(int x, int y);
// A column letter (either case, no I) and a row number 1 to 19 in one or two
// digits; nothing else ("pass" too).
std::optional<xy> parse_gtp_vertex(std::string_view text);

}  // namespace coord

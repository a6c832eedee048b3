#include "engine/board/coordinates.h"

#include <cstring>

namespace coord {

namespace {

bool on_board(int k) {
    return k >= 1 && k <= board_size;
}

}  // namespace

std::string sgf_point(int x, int y) {
    return {sgf_letter(x), sgf_letter(y)};
}

std::optional<xy> parse_sgf_point(std::string_view letters) {
    if (letters.size() != 2) return std::nullopt;
    const xy p{sgf_number(letters[0]), sgf_number(letters[1])};
    if (!on_board(p.x) || !on_board(p.y)) return std::nullopt;
    return p;
}

std::string gtp_vertex(int x, int y) {
    return gtp_columns[x - 1] + std::to_string(gtp_row(y));
}

std::optional<xy> parse_gtp_vertex(std::string_view text) {
    if (text.size() < 2 || text.size() > 3 || text[0] == '\0') return std::nullopt;
    const char upper =
        text[0] >= 'a' && text[0] <= 'z' ? static_cast<char>(text[0] - 'a' + 'A') : text[0];
    const char* column = std::strchr(gtp_columns, upper);
    if (column == nullptr) return std::nullopt;
    int row = 0;
    for (const char digit : text.substr(1)) {
        if (digit < '0' || digit > '9') return std::nullopt;
        row = row * 10 + (digit - '0');
    }
    if (!on_board(row)) return std::nullopt;
    return xy{static_cast<int>(column - gtp_columns) + 1, gtp_row(row)};
}

}  // namespace coord

#include "game/sgf_reader.h"

#include <charconv>
#include <cmath>
#include <utility>

#include "engine/board/coordinates.h"

std::string prepare_sgf_text(const std::string& file_contents) {
    // Only the main line up to the end of the first variation is read; a
    // text that never closes a game tree holds no game at all.
    if (file_contents.find(')') == std::string::npos) return "";
    std::string joined;
    joined.reserve(file_contents.size());
    // Editors on some systems begin a UTF-8 text with a byte order mark.
    const size_t start = file_contents.rfind("\xef\xbb\xbf", 0) == 0 ? 3 : 0;
    for (size_t i = start; i < file_contents.size(); ++i) {
        const char c = file_contents[i];
        if (c == '\n') continue;
        if (c == '\r' && i + 1 < file_contents.size() && file_contents[i + 1] == '\n') continue;
        if (c == ')') break;
        if (c != '(') joined += c;
    }
    return joined;
}

namespace {

bool is_whitespace(char c) {
    return c == '\t' || c == '\n' || c == ' ';
}
bool is_name_letter(char c) {
    return c >= 'A' && c <= 'Z';
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

bool all_digits(const std::string& s) {
    for (char c : s) {
        if (!is_digit(c)) return false;
    }
    return true;
}

// Digits only, at least one, and small enough for an int.
bool parse_int(const std::string& s, int& number) {
    if (s.empty() || !all_digits(s)) return false;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), number);
    return error == std::errc() && end == s.data() + s.size();
}

}  // namespace

bool SgfReader::read(std::string input) {
    text = std::move(input);
    reset();
    while (position < size() && state != 'F') {
        switch (state) {
            case 'S':
                between_properties();
                break;
            case 'P':
                property_name();
                break;
            case 'V':
                property_value();
                break;
        }
    }
    finish();
    // The text of a large file is not kept once it has been read.
    std::string().swap(text);
    return ok;
}

// A person's depths, for a file that names no computer.
game_settings SgfReader::read_defaults() {
    game_settings defaults;
    defaults.black = defaults.white = {false, 6, 6, 6};
    return defaults;
}

void SgfReader::reset() {
    position = 0;
    state = 'S';
    ok = true;
    property.clear();
    moves.clear();
    setup.clear();
    ab_count = 0;
    next_mover = 1;
    first_mover = 1;
    moves_started = false;
    consecutive_passes = 0;
    pl_seen = false;
    re_seen = false;
    message.clear();
    // A colour whose PB or PW is missing is played by a person, whatever the
    // previous file said.
    settings = read_defaults();
}

// The character at the read position, or a null character past the end;
// the position always advances.
char SgfReader::next_char() {
    const char c = position < size() ? text[position] : '\0';
    ++position;
    return c;
}

void SgfReader::skip_whitespace() {
    while (position < size() && is_whitespace(text[position]))
        ++position;
}

void SgfReader::fail(const std::string& why) {
    message = why;
    state = 'F';
}

void SgfReader::between_properties() {
    skip_whitespace();
    const char c = next_char();
    // The character that ends the text is never used.
    if (position >= size()) return;
    if (c == ';') {
        property.clear();
        if (settings.handicap > ab_count)
            fail("Not enough AB entries in node specifying HA (handicap)");
    } else if (c == '[') {
        if (property == "AB") {
            state = 'V';
        } else {
            fail("Character [ occurs in wrong place (current property is " + property + ")");
        }
    } else if (is_name_letter(c)) {
        --position;
        state = 'P';
    } else {
        fail(std::string("Illegal first character of property name: ") + c + " (" +
             std::to_string(static_cast<int>(c)) +
             ").\n(Null character probably indicates unexpected end of file.)");
    }
}

void SgfReader::property_name() {
    property.clear();
    char c = next_char();
    while (is_name_letter(c)) {
        property += c;
        c = next_char();
    }
    --position;
    skip_whitespace();
    if (next_char() == '[') {
        state = 'V';
    } else {
        fail("Property " + property + " not followed by [ character.");
    }
}

void SgfReader::property_value() {
    int number = 0;
    if (property == "GM") {
        if (!read_integer(number)) return;
        if (number != 1)
            return fail("Value of GM property should be 1, not " + std::to_string(number));
    } else if (property == "SZ") {
        if (!read_integer(number)) return;
        if (number != 19) {
            return fail("Value of SZ property should be 19, not " + std::to_string(number));
        }
    } else if (property == "HA") {
        if (moves_started) return fail("HA property may not be specified after moves have started");
        if (!read_integer(settings.handicap)) return;
    } else if (property == "KM") {
        if (!read_real(settings.komi)) return;
    } else if (property == "PL") {
        if (re_seen) return fail("Both PL and RE properties present in file");
        if (!read_colour(pl_colour)) return;
        pl_seen = true;
    } else if (property == "RE") {
        if (pl_seen) return fail("Both PL and RE properties present in file");
        if (!skip_value()) return;
        re_seen = true;
    } else if (property == "AB" || property == "AW") {
        if (moves_started) {
            return fail("Stones may not be placed with the " + property +
                        " property after moves have started");
        }
        read_setup_stone(property[1]);
    } else if (property == "PB") {
        read_player(settings.black);
    } else if (property == "PW") {
        read_player(settings.white);
    } else if (property == "B") {
        read_move(1);
    } else if (property == "W") {
        read_move(-1);
    } else {
        skip_value();
    }
    if (state == 'V') state = 'S';
}

void SgfReader::finish() {
    if (state != 'S') ok = false;
    if (re_seen) {
        // The record ends in the two passes that the result stands for.
        for (int i = consecutive_passes; i < 2; ++i)
            moves += "tt";
    } else if (pl_seen && pl_colour != next_mover && consecutive_passes < 2) {
        // Two passes already ended the game: a third would make a record that
        // no file can hold, so PL has no one left to name.
        moves += "tt";
    }
}

bool SgfReader::skip_value() {
    const size_t end = text.find(']', position);
    if (end == std::string::npos) {
        fail("End of file encountered while reading value for property " + property);
        return false;
    }
    position = static_cast<int>(end) + 1;
    return true;
}

bool SgfReader::read_value(std::string& value) {
    const int start = position;
    if (!skip_value()) return false;
    value = text.substr(start, position - 1 - start);
    return true;
}

bool SgfReader::read_integer(int& number) {
    std::string value;
    if (!read_value(value)) return false;
    // An empty value, or one too large for an int, is no number either.
    if (!parse_int(value, number)) {
        fail("Illegal integer: " + value);
        return false;
    }
    return true;
}

bool SgfReader::read_real(float& number) {
    std::string value;
    if (!read_value(value)) return false;
    int digits = 0;
    int dots = 0;
    // A leading minus sign is read too: the writer saves a negative komi,
    // and a saved game must open again.
    const size_t sign = !value.empty() && value[0] == '-' ? 1 : 0;
    for (size_t i = sign; i < value.size(); ++i) {
        if (is_digit(value[i])) {
            ++digits;
        } else if (value[i] == '.') {
            ++dots;
        } else {
            dots = 2;
        }
    }
    // Converted without the locale, which may want a decimal comma; a value
    // without a digit, or beyond the range of a float, is no number.
    float converted = 0.0f;
    const bool good =
        digits > 0 && dots <= 1 &&
        std::from_chars(value.data(), value.data() + value.size(), converted).ec == std::errc() &&
        std::isfinite(converted);
    if (!good) {
        fail("Illegal float: " + value);
        return false;
    }
    number = converted;
    return true;
}

bool SgfReader::read_colour(int& colour) {
    std::string value;
    if (!read_value(value)) return false;
    if (value == "B") {
        colour = 1;
    } else if (value == "W") {
        colour = -1;
    } else {
        fail("Illegal player string: " + value);
        return false;
    }
    return true;
}

bool SgfReader::read_point(std::string& letters) {
    std::string value;
    if (!read_value(value)) return false;
    if (value.empty()) value = "tt";
    if (value != "tt" && !coord::parse_sgf_point(value)) {
        fail("Illegal point string: " + value);
        return false;
    }
    letters = value;
    return true;
}

// "WinKirvo:" VERSION ":" STATUS ":" CONNECTION ":" LIFE_DEATH describes a
// computer player with its three depths; anything else a person.
void SgfReader::read_player(player_settings& who) {
    std::string value;
    if (!read_value(value)) return;
    const std::string prefix = "WinKirvo:";
    who.computer = false;
    if (value.compare(0, prefix.size(), prefix) != 0) return;
    const size_t version_end = value.find(':', prefix.size());
    if (version_end == std::string::npos) return;
    const size_t status_end = value.find(':', version_end + 1);
    if (status_end == std::string::npos) return;
    const size_t connection_end = value.find(':', status_end + 1);
    if (connection_end == std::string::npos) return;
    int depths[3];
    if (!parse_int(value.substr(version_end + 1, status_end - version_end - 1), depths[0]) ||
        !parse_int(value.substr(status_end + 1, connection_end - status_end - 1), depths[1]) ||
        !parse_int(value.substr(connection_end + 1), depths[2])) {
        return;
    }
    who.computer = true;
    who.status_depth = depths[0];
    who.connection_depth = depths[1];
    who.life_death_depth = depths[2];
}

void SgfReader::read_move(int colour) {
    const std::string number = std::to_string(moves.size() / 2 + 1);
    if (!moves_started) {
        moves_started = true;
        first_mover = colour;
        next_mover = colour;
    } else if (colour != next_mover) {
        return fail("Wrong player at move " + number);
    }
    if (consecutive_passes == 2) return fail("Two consecutive pass moves before move " + number);
    std::string letters;
    if (!read_point(letters)) return;
    moves += letters;
    consecutive_passes = letters == "tt" ? consecutive_passes + 1 : 0;
    next_mover = -next_mover;
}

void SgfReader::read_setup_stone(char colour) {
    std::string letters;
    if (!read_point(letters)) return;
    setup += colour;
    setup += letters;
    if (colour == 'B') ab_count += 1;
}

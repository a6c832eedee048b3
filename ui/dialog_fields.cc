#include "ui/dialog_fields.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace {

const char not_an_integer[] = "Please enter an integer.";
const char not_a_number[] = "Please enter a number.";

constexpr int max_handicap = 13;
constexpr int max_depth = 1000;

std::string_view trimmed(std::string_view s) {
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (!s.empty() && space(s.front())) s.remove_prefix(1);
    while (!s.empty() && space(s.back())) s.remove_suffix(1);
    return s;
}

// from_chars reads no leading '+' and never looks at the locale, so a
// decimal comma never turns "5.5" into 5.
template <typename T>
std::optional<T> parse(std::string_view text) {
    std::string_view s = trimmed(text);
    if (s.size() > 1 && s[0] == '+' && s[1] != '-') s.remove_prefix(1);
    T value{};
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || error != std::errc{} || end != s.data() + s.size()) return std::nullopt;
    return value;
}

std::optional<int> parse_integer(std::string_view text) {
    return parse<int>(text);
}

std::optional<float> parse_real(std::string_view text) {
    const auto value = parse<float>(text);
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return value;
}

// The fields read one after another; after the first failure nothing more
// is read, and that failure is the one reported.
class exchange {
  public:
    std::optional<field_error> error;

    void integer(const std::string& text, int control, int& value) {
        take(parse_integer(text), control, not_an_integer, value);
    }
    void integer_in_range(const std::string& text, int control, int low, int high, int& value) {
        integer(text, control, value);
        if (error || (value >= low && value <= high)) return;
        error = field_error{control, "Please enter an integer between " + std::to_string(low) +
                                         " and " + std::to_string(high) + "."};
    }
    void depth(const std::string& text, int control, int& value) {
        integer_in_range(text, control, 0, max_depth, value);
    }
    void real(const std::string& text, int control, float& value) {
        take(parse_real(text), control, not_a_number, value);
    }

  private:
    template <typename T>
    void take(std::optional<T> read, int control, const char* message, T& value) {
        if (error) return;
        if (read) {
            value = *read;
        } else {
            error = field_error{control, message};
        }
    }
};

// Komi as "%g" writes it, whatever the locale.
std::string komi_text(float komi) {
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, komi, std::chars_format::general, 6);
    return std::string(buffer, result.ptr);
}

}  // namespace

dialog_result read_game_properties(const game_properties_texts& texts, game_settings values) {
    dialog_result result{values, std::nullopt};
    game_settings& v = result.values;
    exchange x;
    x.integer(texts.seed, control_id::seed, v.seed);
    v.use_seed = texts.use_seed;
    x.integer_in_range(texts.handicap, control_id::handicap, 0, max_handicap, v.handicap);
    x.real(texts.komi, control_id::komi, v.komi);
    result.error = x.error;
    return result;
}

dialog_result read_player_properties(const player_properties_texts& texts, game_settings values) {
    dialog_result result{values, std::nullopt};
    player_settings& black = result.values.black;
    player_settings& white = result.values.white;
    exchange x;
    x.depth(texts.black_connection, control_id::black_connection, black.connection_depth);
    x.depth(texts.black_status, control_id::black_status, black.status_depth);
    x.depth(texts.white_connection, control_id::white_connection, white.connection_depth);
    x.depth(texts.white_status, control_id::white_status, white.status_depth);
    black.computer = texts.black_kind == 1;
    white.computer = texts.white_kind == 1;
    x.depth(texts.white_life_death, control_id::white_life_death, white.life_death_depth);
    x.depth(texts.black_life_death, control_id::black_life_death, black.life_death_depth);
    result.error = x.error;
    return result;
}

game_properties_texts game_properties_to_texts(const game_settings& values) {
    return {std::to_string(values.seed), values.use_seed, std::to_string(values.handicap),
            komi_text(values.komi)};
}

player_properties_texts player_properties_to_texts(const game_settings& values) {
    player_properties_texts t;
    t.black_kind = values.black.computer ? 1 : 0;
    t.white_kind = values.white.computer ? 1 : 0;
    t.black_status = std::to_string(values.black.status_depth);
    t.black_connection = std::to_string(values.black.connection_depth);
    t.black_life_death = std::to_string(values.black.life_death_depth);
    t.white_status = std::to_string(values.white.status_depth);
    t.white_connection = std::to_string(values.white.connection_depth);
    t.white_life_death = std::to_string(values.white.life_death_depth);
    return t;
}

bool handicap_locks_komi(const std::string& handicap_text) {
    const auto handicap = parse_integer(handicap_text);
    return handicap && *handicap != 0;
}

// The field rules of the Game Properties and Player Properties dialogs, free
// of any toolkit: the values read from the controls' texts in the dialogs'
// exchange order, each range checked right after its value, and the
// standard validation message of the first field that fails.
#pragma once

#include <optional>
#include <string>

#include "game/game_settings.h"

// The dialogs' control identifiers.
namespace control_id {
// Game Properties
constexpr int seed = 1000;
constexpr int handicap = 1001;
constexpr int players = 1002;
constexpr int use_seed = 1003;
constexpr int komi = 1004;
// Player Properties
constexpr int black_human = 1008;
constexpr int black_computer = 1009;
constexpr int black_status = 1010;
constexpr int black_connection = 1011;
constexpr int white_human = 1012;
constexpr int white_computer = 1013;
constexpr int white_status = 1014;
constexpr int white_connection = 1015;
constexpr int black_life_death = 1016;
constexpr int white_life_death = 1017;
}  // namespace control_id

struct field_error {
    int control = 0;  // the identifier of the control that takes the focus
    std::string message;
};

// The texts and check states of the Game Properties controls.
struct game_properties_texts {
    std::string seed;
    bool use_seed = true;
    std::string handicap;
    std::string komi;
};

// The texts of the Player Properties controls; a kind is 0 Human, 1 Computer.
struct player_properties_texts {
    int black_kind = 1;
    int white_kind = 0;
    std::string black_status, black_connection, black_life_death;
    std::string white_status, white_connection, white_life_death;
};

// The settings with the dialog's fields read into them on success, or the
// first failing field.
struct dialog_result {
    game_settings values;
    std::optional<field_error> error;
};

// Game Properties reads the seed, its use, the handicap and komi; Player
// Properties the players; the other settings stay as given.
dialog_result read_game_properties(const game_properties_texts& texts, game_settings values = {});
dialog_result read_player_properties(const player_properties_texts& texts,
                                     game_settings values = {});

// The controls' texts for the settings (komi as "%g" would show it, without
// the locale's decimal comma).
game_properties_texts game_properties_to_texts(const game_settings& values);
player_properties_texts player_properties_to_texts(const game_settings& values);

// Control logic of Game Properties: a handicap text reading as a non-zero
// integer sets komi to "0" and disables it.
bool handicap_locks_komi(const std::string& handicap_text);

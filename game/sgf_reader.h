// The strict reader of the game's own SGF files (and a little more): a small
// state machine over the main line that accepts the root properties GM, SZ,
// HA, KM, PL, RE, PB, PW, the setup properties AB and AW and the moves B and
// W, skips the value of any other property, and stops at the first error
// with the message the user sees.
#pragma once

#include <string>

#include "game/game_settings.h"

// The text the reader runs over, made from a whole file: the lines joined
// without their terminators, cut at the first ")" (so only the main line up
// to the end of the first variation survives), every "(" removed, and a
// leading UTF-8 byte order mark dropped.
std::string prepare_sgf_text(const std::string& file_contents);

class SgfReader {
  public:
    // Runs over the text and fills the fields below; returns ok.
    bool read(std::string input);

    std::string text;
    int position = 0;
    char state = 'S';  // S between properties, P name, V value, F failed
    bool ok = true;
    std::string property;  // current property name; "" at the start of a node
    std::string moves;     // two letters per move, "tt" for a pass
    std::string setup;     // "B" or "W" and two letters per setup stone
    // The root's KM, HA, PB and PW; the seed is no part of a file.  A colour
    // whose PB or PW is missing or names no computer is played by a person.
    game_settings settings = read_defaults();
    int ab_count = 0;
    int first_mover = 1;
    int next_mover = 1;
    bool moves_started = false;
    int consecutive_passes = 0;
    bool pl_seen = false;
    int pl_colour = 0;
    bool re_seen = false;
    // The message of the failure; empty after success and after a text that
    // ends inside a value without one.
    std::string message;

  private:
    static game_settings read_defaults();
    void reset();
    int size() const { return static_cast<int>(text.size()); }
    char next_char();
    void skip_whitespace();
    void fail(const std::string& why);

    void between_properties();
    void property_name();
    void property_value();
    void finish();

    // The value at the read position, taken or passed over; false after
    // failing on a value that never ends.
    bool read_value(std::string& value);
    bool skip_value();
    bool read_integer(int& number);
    bool read_real(float& number);
    bool read_colour(int& colour);
    bool read_point(std::string& letters);
    void read_player(player_settings& who);
    void read_move(int colour);
    void read_setup_stone(char colour);
};

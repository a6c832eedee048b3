// The game's clock as the protocol tells it (time_settings, time_left), and
// the reading depths a move can afford: reading is not interrupted, so the
// depths are chosen before the move from the time there is for it.
#pragma once

#include "game/program_options.h"

class game_clock {
  public:
    // Canadian byo-yomi: main time, then periods of byo_yomi seconds for
    // stones moves.  Byo-yomi time without stones is no clock at all.
    void settings(int main_time, int byo_yomi, int stones);
    // The time left to a colour (1 Black, -1 White) and, in byo-yomi, the
    // stones still to play in the period (0 in main time).
    void left(int colour, int seconds, int stones);
    // Seconds the colour's next move may take; infinite without a clock.
    double move_budget(int colour) const;

  private:
    bool limited_ = false;
    int byo_yomi_ = 0;
    int byo_yomi_stones_ = 0;
    struct remaining {
        int seconds = 0;
        int stones = 0;
    } black_, white_;

    const remaining& of(int colour) const { return colour == 1 ? black_ : white_; }
};

// The chosen depths, capped for a move that has budget seconds: the longest
// moves of a depth setting stay well inside its budget.
program_options depths_for_budget(const program_options& chosen, double budget);

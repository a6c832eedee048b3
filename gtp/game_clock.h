// The game's clock as the protocol tells it (time_settings, time_left), and
// the reading depths a move can afford: reading is not interrupted, so the
// depths are chosen before the move from the time there is for it.
#pragma once

#include "game/program_options.h"
#include "game/sgf_writer.h"

class game_clock {
  public:
    // Canadian byo-yomi: main time, then periods of byo_yomi seconds for
    // stones moves.  Byo-yomi time without stones is no clock at all.
    void settings(int main_time, int byo_yomi, int stones);
    // Both colours get the whole time again.
    void restart();
    // The time left to a colour (1 Black, -1 White) and, in byo-yomi, the
    // stones still to play in the period (0 in main time).
    void left(int colour, int seconds, int stones);
    // Seconds the colour's next move may take; infinite without a clock.
    double move_budget(int colour) const;
    // A move of the colour took this long: its clock runs on from what it
    // was last told, into byo-yomi once the main time is used up, so that
    // the next budget is right even when no time_left comes.
    void spend(int colour, double seconds);
    // The colour's time left as a record shows it after a move.
    sgf_clock::time_left time_left(int colour) const;
    // The limits for the record's root: no main time (below 0) without a clock.
    sgf_clock limits() const;

  private:
    bool limited_ = false;
    int main_time_ = 0;
    int byo_yomi_ = 0;
    int byo_yomi_stones_ = 0;
    struct remaining {
        double seconds = 0;
        int stones = 0;
    } black_, white_;

    remaining& of(int colour) { return colour == 1 ? black_ : white_; }
    const remaining& of(int colour) const { return colour == 1 ? black_ : white_; }
    remaining new_period() const { return {static_cast<double>(byo_yomi_), byo_yomi_stones_}; }
};

// The chosen depths, capped for a move that has budget seconds: the longest
// moves of a depth setting stay well inside its budget.
program_options depths_for_budget(const program_options& chosen, double budget);

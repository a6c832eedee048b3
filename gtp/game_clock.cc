#include "gtp/game_clock.h"

#include <algorithm>
#include <limits>

namespace {

// Moves the main time is spread over: a game seldom needs more of one side
// once the opening is played, and a move that guesses low still leaves time.
constexpr double main_time_moves = 40.0;

}  // namespace

void game_clock::settings(int main_time, int byo_yomi, int stones) {
    limited_ = !(byo_yomi > 0 && stones == 0);
    main_time_ = main_time;
    byo_yomi_ = byo_yomi;
    byo_yomi_stones_ = stones;
    restart();
}

void game_clock::restart() {
    black_ = white_ = main_time_ > 0 ? remaining{static_cast<double>(main_time_), 0} : new_period();
}

void game_clock::left(int colour, int seconds, int stones) {
    of(colour) = remaining{static_cast<double>(seconds), stones};
}

void game_clock::spend(int colour, double seconds) {
    if (!limited_) return;
    remaining& r = of(colour);
    r.seconds -= seconds;
    if (r.stones == 0 && r.seconds < 0 && byo_yomi_stones_ > 0) {
        // The move that used up the main time is the period's first.
        r = remaining{byo_yomi_ + r.seconds, byo_yomi_stones_};
    }
    r.seconds = std::max(r.seconds, 0.0);
    if (r.stones > 0 && --r.stones == 0) r = new_period();
}

sgf_clock::time_left game_clock::time_left(int colour) const {
    if (!limited_) return {};
    return {of(colour).seconds, of(colour).stones};
}

sgf_clock game_clock::limits() const {
    sgf_clock clock;
    if (limited_) {
        clock.main_time = main_time_;
        clock.byo_yomi = byo_yomi_;
        clock.stones = byo_yomi_stones_;
    }
    return clock;
}

double game_clock::move_budget(int colour) const {
    if (!limited_) return std::numeric_limits<double>::infinity();
    const remaining& r = of(colour);
    if (r.stones > 0) return static_cast<double>(r.seconds) / r.stones;
    const double period =
        byo_yomi_stones_ > 0 ? static_cast<double>(byo_yomi_) / byo_yomi_stones_ : 0.0;
    return std::max(r.seconds / main_time_moves, period);
}

program_options depths_for_budget(const program_options& chosen, double budget) {
    // Seconds a move needs and the depths that then fit. At 10 8 4 the median
    // move takes a few hundredths of a second and the longest of thousands
    // about half a second; a move over its budget only shortens the next ones.
    struct step {
        double seconds;
        int status, connection, life_death;
    };
    static constexpr step steps[] = {
        {20.0, max_reading_depth, max_reading_depth, max_reading_depth},
        {1.0, 10, 8, 4},
        {0.25, 6, 5, 3},
        {0.05, 4, 3, 2},
        {-std::numeric_limits<double>::infinity(), 2, 2, 1},
    };
    const step* s = steps;
    while (budget < s->seconds) ++s;
    program_options capped = chosen;
    capped.status_depth = std::min(chosen.status_depth, s->status);
    capped.connection_depth = std::min(chosen.connection_depth, s->connection);
    capped.life_death_depth = std::min(chosen.life_death_depth, s->life_death);
    return capped;
}

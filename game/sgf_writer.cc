#include "game/sgf_writer.h"

#include <algorithm>
#include <charconv>
#include <cstdarg>
#include <cstdio>

#include "engine/board/coordinates.h"
#include "game/game.h"

namespace {

std::string format(const char* pattern, ...) __attribute__((format(printf, 1, 2)));

std::string format(const char* pattern, ...) {
    char buffer[128];
    va_list args;
    va_start(args, pattern);
    std::vsnprintf(buffer, sizeof buffer, pattern, args);
    va_end(args);
    return buffer;
}

// "%.*f" without the locale: a desktop toolkit may have switched the C
// library to a decimal comma, which no SGF reader accepts.
std::string fixed(double value, int decimals) {
    char buffer[128];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, end.ptr);
}

// A pass is the empty text, so that it is written as "B[]".
std::string point_text(const point* p) {
    if (p->is_pass()) return "";
    return coord::sgf_point(p->x, p->y);
}

std::string clock_limits(const sgf_clock& clock) {
    if (clock.main_time < 0) return "";
    std::string text = "TM[" + std::to_string(clock.main_time) + "]";
    if (clock.byo_yomi > 0 && clock.stones > 0) {
        text += format("OT[%d/%d Canadian]", clock.stones, clock.byo_yomi);
    }
    return text + "\n";
}

// BL/WL and, in byo-yomi, OB/OW: the mover's clock after move i.
std::string time_left_after(const sgf_clock& clock, int i, int colour) {
    if (i >= static_cast<int>(clock.after_move.size())) return "";
    const sgf_clock::time_left& left = clock.after_move[i];
    if (left.seconds < 0) return "";
    std::string text = (colour == 1 ? "BL[" : "WL[") + fixed(left.seconds, 1) + "]";
    if (left.stones > 0) text += (colour == 1 ? "OB[" : "OW[") + std::to_string(left.stones) + "]";
    return text;
}

std::string result_line(double score) {
    if (score > 0.001) return "RE[B+" + fixed(score, 6) + "]\n";
    if (score >= -0.001) return "RE[0]\n";
    return "RE[W+" + fixed(-score, 6) + "]\n";
}

}  // namespace

std::string sgf_player_text(const player_settings& player) {
    if (!player.computer) return "Human Player";
    return format("WinKirvo:%d.%d:%d:%d:%d", 0, 95, player.status_depth, player.connection_depth,
                  player.life_death_depth);
}

std::string write_sgf(const Game& game, const sgf_settings& s) {
    const engine& e = game.eng();
    const int n_moves = s.moves < 0 ? e.no_moves : std::min(s.moves, e.no_moves);
    const bool over = game.is_over() && !s.keep_open;
    const int handicap_end = std::clamp(s.handicap, 0, n_moves);
    const int setup_end = std::clamp(handicap_end + s.setup_stones, handicap_end, n_moves);

    std::string out = format("(;FF[4]GM[1]SZ[%d]AP[WinKirvo:%d.%d]\n", 19, 0, 95);
    out += "PB[" + sgf_player_text(s.black) + "]\n";
    out += "PW[" + sgf_player_text(s.white) + "]\n";
    out += "HA[" + std::to_string(s.handicap) + "]KM[" + fixed(s.komi, 6) + "]\n";
    out += clock_limits(s.clock);
    if (s.handicap > 0) {
        out += "AB";
        for (int i = 0; i < handicap_end; ++i) {
            out += '[';
            out += point_text(e.move_stack[i].where);
            out += ']';
        }
        out += "\n";
    }
    if (over) {
        out += result_line(s.score);
    } else {
        out += s.side == 1 ? "PL[B]\n" : "PL[W]\n";
    }
    if (setup_end > handicap_end) {
        out += ";";
        for (int i = handicap_end; i < setup_end; ++i) {
            if (i > handicap_end && (i - handicap_end) % 10 == 0) out += "\n";
            const move_record& r = e.move_stack[i];
            out += (r.colour == 1 ? "AB[" : "AW[") + point_text(r.where) + "]";
        }
        out += "\n";
    }
    // The two closing passes of a finished game are not written: RE stands
    // for them.
    const int end = n_moves - (over ? 2 : 0);
    for (int i = setup_end; i < end; ++i) {
        const move_record& r = e.move_stack[i];
        out += (r.colour == 1 ? ";B[" : ";W[") + point_text(r.where) + "]";
        out += time_left_after(s.clock, i, r.colour);
        if ((i - setup_end + 1) % 10 == 0) out += "\n";
    }
    out += ")\n";
    return out;
}

// WinKirvo behind the Go Text Protocol: the protocol's commands on the same
// game control as the desktop document, with the protocol's own rules where
// they differ (any colour may be asked to play; clear_board empties the
// board; handicap stones on the protocol's fixed points).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "game/game_control.h"
#include "game/program_options.h"
#include "gtp/game_clock.h"
#include "gtp/gtp.h"

using gtp_options = program_options;

class gtp_front_end {
  public:
    explicit gtp_front_end(const gtp_options& options);
    gtp_front_end(const gtp_front_end&) = delete;
    gtp_front_end& operator=(const gtp_front_end&) = delete;

    gtp::registry& commands() { return registry_; }
    game_control& control() { return control_; }

  private:
    // Messages for the user become the text of the failing reply; there is
    // nobody to ask whether to save, and nothing to draw.
    class protocol_ui : public game_ui {
      public:
        std::string message;
        void message_box(const std::string& text) override { message = text; }
        bool save_modified() override { return true; }
        void redraw() override {}
        void begin_wait_cursor() override {}
        void end_wait_cursor() override {}
    };

    gtp_options options_;
    protocol_ui ui_;
    game_control control_;
    gtp::registry registry_;
    game_clock clock_;
    // For each play since the game began, the entries it added to the
    // record: 2 when a pass for the other colour had to come first.
    std::vector<int> entries_per_play_;
    // By record entry, the computer's time left after its moves (unknown for
    // the other entries); what printsgf writes when there is a clock.
    std::vector<sgf_clock::time_left> time_after_move_;

    void register_commands();
    void register_analysis_commands();
    void register_move_commands();
    void session_settings();
    void apply_depths();
    void apply_depths(const program_options& depths);
    // A colour becomes a computer player once asked for a move.
    void set_computer(int colour, bool computer);
    position_analysis analysis();
    [[noreturn]] void fail_with_message(const std::string& fallback);
    void require_empty_board() const;
    void place_handicap_stones(const std::vector<gtp::vertex>& stones);

    std::string clear_board();
    std::string play(const gtp::arguments& a);
    std::string undo();
    std::string fixed_handicap(const gtp::arguments& a);
    std::string place_free_handicap(const gtp::arguments& a);
    std::string set_free_handicap(const gtp::arguments& a);
    std::string showboard();
    std::string list_stones(const gtp::arguments& a);
    std::string loadsgf(const gtp::arguments& a);
    std::string printsgf(const gtp::arguments& a);
    sgf_clock record_clock() const;
    // The computer's moves: genmove, and its two variants (the move taken
    // back at once; no pass while the engine sees dead enemy stones).
    enum class generation { play, take_back, cleanup };
    std::string genmove(const gtp::arguments& a, generation kind);
    void record_time(int colour, double seconds);
    std::optional<board_point> cleanup_move(int colour);
    std::string final_score();
    std::string final_status_list(const gtp::arguments& a);

    std::string string_status(gtp::vertex v);
    std::string group_report(gtp::vertex v);
    std::string connection_report(gtp::vertex v, gtp::vertex w);
    std::string territory_map();
};

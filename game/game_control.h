// The document's game control, free of any toolkit: the game settings
// (players, depths, handicap, komi, seed), whose turn it is, the commands of
// the Game, Edit and View menus with their enabled states, the clicks of the
// board view, and saving and opening SGF files.  The desktop document and
// the GTP front end both wrap it; it reaches the user only through game_ui.
// Its state changes only through its operations.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "game/board_report.h"
#include "game/game.h"
#include "game/game_settings.h"
#include "game/position_analysis.h"
#include "game/sgf_reader.h"
#include "game/sgf_writer.h"

// What the game control needs from the user interface.
class game_ui {
  public:
    virtual ~game_ui() = default;
    // A message box with a single OK button.
    virtual void message_box(const std::string& text) = 0;
    // The standard prompt whether to save the changes of a modified document,
    // with the save it may start: true when the caller may go on (saved, or
    // the changes are not wanted), false when the user cancelled or the save
    // failed.
    virtual bool save_modified() = 0;
    // Repaints the whole view at once.
    virtual void redraw() = 0;
    virtual void begin_wait_cursor() = 0;
    virtual void end_wait_cursor() = 0;
};

// Menu and accelerator command identifiers of the desktop program.
enum class game_command {
    new_game = 57600,
    new_with_properties = 32772,
    start = 32774,
    pause = 32777,
    undo = 57643,
    undo_all = 32780,
    redo = 57644,
    redo_all = 32782,
    players = 32773,
    evaluations = 32786,
    print = 57607,
};

class game_control {
  public:
    // Black's lead, komi not included; the board's own estimate unless a
    // test puts in its own.
    using score_estimator = std::function<int(const board_report&)>;

    explicit game_control(game_ui& ui, score_estimator estimate = engine_estimate);

    // --- what the front ends read -----------------------------------------
    const game_settings& settings() const { return settings_; }
    const Game& game() const { return game_; }
    // The engine's judgement of the position, for the board view's
    // evaluations and the console's board.
    board_report report() { return game_.report(); }
    int side() const { return side_; }  // 1 Black, -1 White, 0 game over and announced
    bool is_paused() const { return paused_; }
    bool shows_evaluations() const { return show_evaluations_; }
    int setup_stones() const { return setup_stones_; }

    // --- settings the console and protocol front ends choose ------------
    // These change no game in progress: the seed takes effect at the next
    // new game, komi at the next score, a player at its next move.
    void set_seed(int seed, bool use_seed = true);
    void set_komi(float komi) { settings_.komi = komi; }
    void set_player(int colour, const player_settings& player) {
        settings_.player(colour) = player;
    }

    // --- the document ---------------------------------------------------
    // A new document: every setting to its default, then a new game.
    void new_document();
    bool is_modified() const { return modified_; }
    void set_modified(bool modified) { modified_ = modified; }
    // Empty for a new game: it has no file until it is saved.
    const std::string& path() const { return path_; }
    std::string title() const;

    // --- commands -------------------------------------------------------
    bool is_enabled(game_command command) const;
    bool is_checked(game_command command) const;
    // New: false, and nothing changes, when the user cancels the prompt to
    // save a modified game.
    bool new_game();
    // New with properties; accepted holds the dialog's values on OK (its
    // seed, use of the seed, handicap and komi are taken) and is null on
    // Cancel.
    bool new_game_with_properties(const game_settings* accepted);
    // Players...; accepted as above (the players are taken, and a person
    // keeps the depths it had).
    void set_players(const game_settings* accepted);
    void start() { paused_ = false; }
    void pause() { paused_ = true; }
    void undo();
    void undo_all();
    void redo();
    void redo_all();
    void toggle_evaluations();

    // --- the board view -------------------------------------------------
    // False when the move was not played (illegal, game announced over, or
    // the game at its longest).
    bool human_move(int x, int y);
    bool human_pass();
    // Right-click navigation: back to just after the stone on (x, y) was
    // played, or forward until a stone is played there.
    void undo_to(int x, int y);
    void redo_to(int x, int y);
    std::pair<int, int> captured_stones() const { return game_.captured_stones(); }
    // Black stones on the given points as the game's handicap, on an empty
    // board; White is to move.
    void place_handicap(const std::vector<std::pair<int, int>>& stones);

    // --- the computer ---------------------------------------------------
    // The idle step: while the game runs and the computer is to move, one
    // computer move; once two passes in a row ended the game, the game-over
    // message instead.  True when a move was played.
    bool computer_move();
    // The computer's move for the side to move, paused, over or not (the
    // protocol asks for moves that way): the side's depths into the engine,
    // the move chosen and played, the turn handed over.  Null, with the game
    // paused, when the game is at its longest.
    point* play_computer_move();

    // --- game state -----------------------------------------------------
    bool computer_to_move() const;
    int undo_limit() const { return settings_.handicap + setup_stones_; }
    // For Black, komi included.
    double score();
    // Ends the game (no more moves, clicks ignored) and shows the result.
    void announce_game_over();
    static std::string game_over_message(double score);

    // --- files ----------------------------------------------------------
    // The clock, when the game was played under one, goes into the record.
    std::string save_text(const sgf_clock& clock = {});
    // The settings a saved file records, the result aside.
    sgf_settings record_settings() const;
    // Writes the game; false, with the reason shown and the old file and the
    // modified state untouched, when the file cannot be written.
    bool save_file(const std::string& file_name, const sgf_clock& clock = {});
    // Reads a whole file's contents as the game; false, with a message and
    // the current game, settings and modified state untouched, when refused.
    bool load_text(const std::string& file_contents);
    bool open_file(const std::string& file_name);

    // --- the protocol's analysis ----------------------------------------
    // The engine's readings for the protocol's analysis and scoring
    // commands (winkirvo-*, final_status_list, the cleanup move).
    position_analysis analysis() { return position_analysis(game_.eng()); }
    // The engine itself, for the consistency checks of the tests and the
    // fuzz targets only.
    engine& engine_for_checks() { return game_.eng(); }

  private:
    game_ui& ui_;
    score_estimator estimate_;
    game_settings settings_;
    Game game_;
    SgfReader reader_;
    bool show_evaluations_ = false;
    bool paused_ = true;
    int side_ = 1;
    int setup_stones_ = 0;
    bool modified_ = false;
    std::string path_;

    static int engine_estimate(const board_report& report) { return report.score_estimate(); }
    void reset_settings();
    void begin_new_game();
    void undo_one();
    void redo_one();
    void after_navigation();
    void after_human_move();
    bool room_for_one_move();
};

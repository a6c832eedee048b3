// The document's game control, free of any toolkit: the game settings
// (players, depths, handicap, komi, seed), whose turn it is, the commands of
// the Game, Edit and View menus with their enabled states, the clicks of the
// board view, and saving and opening SGF files.  The desktop document and
// the GTP front end both wrap it; it reaches the user only through game_ui.
#pragma once

#include <functional>
#include <string>

#include "game/game.h"
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

// The values of the Game Properties dialog.
struct game_properties {
    int seed = 0;
    bool use_seed = true;
    int handicap = 0;
    float komi = 5.5f;
};

// The values of the Player Properties dialog.
struct player_properties {
    bool black_computer = true;
    bool white_computer = false;
    int black_status = 10;
    int black_connection = 8;
    int black_life_death = 4;
    int white_status = 10;
    int white_connection = 8;
    int white_life_death = 4;
};

class game_control {
  public:
    // The engine's score estimate for Black, komi not included.
    using score_estimator = std::function<int(engine&)>;

    game_control(game_ui& ui, score_estimator estimate);

    bool m_bShowEvaluations = false;
    float m_fKomi = 5.5f;
    bool m_bPaused = true;
    int m_nSide = 1;  // 1 Black, -1 White, 0 game over and announced
    Game m_game;
    bool m_bWhiteComputer = false;
    bool m_bBlackComputer = true;
    int m_nSetupStones = 0;
    SgfReader m_reader;
    int m_nWhiteStatusDepth = 10;
    int m_nBlackConnectionDepth = 8;
    int m_nBlackStatusDepth = 10;
    int m_nWhiteConnectionDepth = 8;
    int m_nBlackLifeDeathDepth = 4;
    int m_nWhiteLifeDeathDepth = 4;
    bool m_bUseSeed = true;
    int m_nHandicap = 0;
    int m_nSeed = 0;

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
    // New with properties; accepted holds the dialog's values on OK and is
    // null on Cancel.
    bool new_game_with_properties(const game_properties* accepted);
    game_properties current_game_properties() const;
    // Players...; accepted as above.
    void set_players(const player_properties* accepted);
    player_properties current_players() const;
    void start() { m_bPaused = false; }
    void pause() { m_bPaused = true; }
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
    std::pair<int, int> captured_stones() const { return m_game.captured_stones(); }

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
    int undo_limit() const { return m_nHandicap + m_nSetupStones; }
    // For Black, komi included.
    double score();
    // Ends the game (no more moves, clicks ignored) and shows the result.
    void announce_game_over();
    static std::string game_over_message(double score);

    // --- files ----------------------------------------------------------
    std::string save_text();
    // The settings a saved file records, the result aside.
    sgf_settings record_settings() const;
    // Writes the game; false, with the reason shown and the old file and the
    // modified state untouched, when the file cannot be written.
    bool save_file(const std::string& file_name);
    // Reads a whole file's contents as the game; false, with a message and
    // the current game, settings and modified state untouched, when refused.
    bool load_text(const std::string& file_contents);
    bool open_file(const std::string& file_name);

  private:
    game_ui& ui_;
    score_estimator estimate_;
    bool modified_ = false;
    std::string path_;

    void reset_settings();
    void begin_new_game();
    void undo_one();
    void redo_one();
    void after_navigation();
    void after_human_move();
    bool room_for_one_move();
};

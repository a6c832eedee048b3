#include "game/game_control.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>

#include "game/safe_file.h"
#include "game/sgf_replay.h"
#include "game/sgf_writer.h"

game_control::game_control(game_ui& ui, score_estimator estimate)
    : ui_(ui), estimate_(std::move(estimate)) {}

void game_control::reset_settings() {
    const game_properties game_defaults;
    const player_properties player_defaults;
    m_bShowEvaluations = false;
    m_fKomi = game_defaults.komi;
    m_bPaused = true;
    m_nSide = 1;
    m_bWhiteComputer = player_defaults.white_computer;
    m_bBlackComputer = player_defaults.black_computer;
    m_nSetupStones = 0;
    m_nWhiteStatusDepth = player_defaults.white_status;
    m_nBlackConnectionDepth = player_defaults.black_connection;
    m_nBlackStatusDepth = player_defaults.black_status;
    m_nWhiteConnectionDepth = player_defaults.white_connection;
    m_nBlackLifeDeathDepth = player_defaults.black_life_death;
    m_nWhiteLifeDeathDepth = player_defaults.white_life_death;
    m_bUseSeed = game_defaults.use_seed;
    m_nHandicap = game_defaults.handicap;
    m_nSeed = game_defaults.seed;
}

void game_control::new_document() {
    reset_settings();
    path_.clear();
    begin_new_game();
}

std::string game_control::title() const {
    if (path_.empty()) return "Untitled";
    const size_t slash = path_.find_last_of('/');
    return slash == std::string::npos ? path_ : path_.substr(slash + 1);
}

// --- commands -----------------------------------------------------------

bool game_control::is_enabled(game_command command) const {
    switch (command) {
        case game_command::start:
            return m_bPaused && computer_to_move() && !m_game.is_over();
        case game_command::pause:
            return !m_bPaused && computer_to_move();
        case game_command::undo:
        case game_command::undo_all:
            return m_game.can_undo(undo_limit());
        case game_command::redo:
        case game_command::redo_all:
            return m_game.can_redo();
        case game_command::print:
            return false;
        case game_command::new_game:
        case game_command::new_with_properties:
        case game_command::players:
        case game_command::evaluations:
            return true;
    }
    return false;
}

bool game_control::is_checked(game_command command) const {
    return command == game_command::evaluations && m_bShowEvaluations;
}

bool game_control::new_game() {
    // Cancelling the prompt to save keeps the current game.
    if (modified_ && !ui_.save_modified()) return false;
    path_.clear();
    begin_new_game();
    return true;
}

void game_control::begin_new_game() {
    m_nSetupStones = 0;
    m_game.new_game(m_nHandicap, m_nSeed, m_bUseSeed);
    m_nSide = m_nHandicap < 1 ? 1 : -1;
    m_bPaused = true;
    m_bShowEvaluations = false;
    ui_.redraw();
}

bool game_control::new_game_with_properties(const game_properties* accepted) {
    // The settings must describe the game on the board, so a cancelled
    // prompt to save leaves them as they were too.
    if (modified_ && !ui_.save_modified()) return false;
    if (accepted != nullptr) {
        m_bUseSeed = accepted->use_seed;
        if (accepted->use_seed) m_nSeed = accepted->seed;
        m_nHandicap = accepted->handicap;
        m_fKomi = accepted->komi;
    }
    path_.clear();
    begin_new_game();
    return true;
}

game_properties game_control::current_game_properties() const {
    return {m_nSeed, m_bUseSeed, m_nHandicap, m_fKomi};
}

void game_control::set_players(const player_properties* accepted) {
    if (accepted != nullptr) {
        m_bBlackComputer = accepted->black_computer;
        m_bWhiteComputer = accepted->white_computer;
        if (m_bBlackComputer) {
            m_nBlackStatusDepth = accepted->black_status;
            m_nBlackConnectionDepth = accepted->black_connection;
            m_nBlackLifeDeathDepth = accepted->black_life_death;
        }
        if (m_bWhiteComputer) {
            m_nWhiteStatusDepth = accepted->white_status;
            m_nWhiteConnectionDepth = accepted->white_connection;
            m_nWhiteLifeDeathDepth = accepted->white_life_death;
        }
    }
    m_bPaused = true;
    ui_.redraw();
    modified_ = true;
}

player_properties game_control::current_players() const {
    return {m_bBlackComputer,        m_bWhiteComputer,       m_nBlackStatusDepth,
            m_nBlackConnectionDepth, m_nBlackLifeDeathDepth, m_nWhiteStatusDepth,
            m_nWhiteConnectionDepth, m_nWhiteLifeDeathDepth};
}

void game_control::undo_one() {
    m_nSide = m_game.undo().colour;
}

void game_control::redo_one() {
    m_game.redo();
    m_nSide = -m_nSide;
}

void game_control::after_navigation() {
    m_bShowEvaluations = false;
    ui_.redraw();
    modified_ = true;
}

void game_control::undo() {
    if (!m_game.can_undo(undo_limit())) return;
    m_bPaused = true;
    undo_one();
    after_navigation();
}

void game_control::undo_all() {
    m_bPaused = true;
    while (m_game.can_undo(undo_limit())) undo_one();
    after_navigation();
}

void game_control::redo() {
    if (!m_game.can_redo()) return;
    m_bPaused = true;
    redo_one();
    after_navigation();
}

void game_control::redo_all() {
    m_bPaused = true;
    while (m_game.can_redo()) redo_one();
    after_navigation();
}

void game_control::toggle_evaluations() {
    m_bShowEvaluations = !m_bShowEvaluations;
    ui_.redraw();
}

// --- the board view -----------------------------------------------------

bool game_control::room_for_one_move() {
    if (m_game.has_room_for(1)) return true;
    ui_.message_box("The game has reached " + std::to_string(engine::max_game_moves) +
                    " moves, the longest game this program can play.");
    return false;
}

void game_control::after_human_move() {
    m_bPaused = false;
    m_nSide = -m_nSide;
    m_bShowEvaluations = false;
    ui_.redraw();
    modified_ = true;
}

bool game_control::human_move(int x, int y) {
    // After the game-over message nobody is to move.
    if (m_nSide == 0 || !point::on_board(x, y)) return false;
    if (!m_game.is_legal_move(x, y, m_nSide) || !room_for_one_move()) return false;
    m_game.play_human(x, y, m_nSide);
    after_human_move();
    return true;
}

bool game_control::human_pass() {
    if (m_nSide == 0 || !room_for_one_move()) return false;
    m_game.pass_human(m_nSide);
    after_human_move();
    return true;
}

void game_control::undo_to(int x, int y) {
    m_bPaused = true;
    while (m_game.can_undo(undo_limit())) {
        const move_record* last = m_game.last_move();
        if (last == nullptr || (last->where->x == x && last->where->y == y)) break;
        undo_one();
    }
    after_navigation();
}

void game_control::redo_to(int x, int y) {
    m_bPaused = true;
    for (;;) {
        const move_record* next = m_game.next_redo_move();
        if (next == nullptr) break;
        const bool target = next->where->x == x && next->where->y == y;
        redo_one();
        if (target) break;
    }
    after_navigation();
}

// --- the computer -------------------------------------------------------

bool game_control::computer_move() {
    if (m_bPaused || m_nSide == 0) return false;
    if (m_game.is_over()) {
        announce_game_over();
        return false;
    }
    if (!computer_to_move()) return false;
    return play_computer_move() != nullptr;
}

point* game_control::play_computer_move() {
    if (m_nSide == 0) return nullptr;
    // The message comes once: the idle step does not ask again while the
    // game is paused.
    if (!room_for_one_move()) {
        m_bPaused = true;
        return nullptr;
    }
    ui_.begin_wait_cursor();
    if (m_nSide == 1) {
        m_game.set_depths(m_nBlackStatusDepth, m_nBlackConnectionDepth, m_nBlackLifeDeathDepth);
    } else {
        m_game.set_depths(m_nWhiteStatusDepth, m_nWhiteConnectionDepth, m_nWhiteLifeDeathDepth);
    }
    point* played = m_game.generate(m_nSide);
    ui_.end_wait_cursor();
    m_nSide = -m_nSide;
    m_bShowEvaluations = false;
    ui_.redraw();
    modified_ = true;
    return played;
}

// --- game state ---------------------------------------------------------

bool game_control::computer_to_move() const {
    return (m_nSide == 1 && m_bBlackComputer) || (m_nSide != 1 && m_bWhiteComputer);
}

double game_control::score() {
    return static_cast<double>(estimate_(m_game.eng())) - static_cast<double>(m_fKomi);
}

std::string game_control::game_over_message(double score) {
    char text[96];
    if (score > 0.001) {
        std::snprintf(text, sizeof text, "Game over.\nFinal result: Black wins by %.1f.", score);
    } else if (score >= -0.001) {
        std::snprintf(text, sizeof text, "Game over.\nFinal result: Draw.");
    } else {
        std::snprintf(text, sizeof text, "Game over.\nFinal result: White wins by %.1f.", -score);
    }
    return text;
}

void game_control::announce_game_over() {
    m_nSide = 0;
    ui_.message_box(game_over_message(score()));
}

// --- files --------------------------------------------------------------

std::string game_control::save_text() {
    sgf_settings s = record_settings();
    // The estimate evaluates the whole board: only a finished game needs it.
    if (m_game.is_over()) s.score = score();
    return write_sgf(m_game, s);
}

sgf_settings game_control::record_settings() const {
    sgf_settings s;
    s.handicap = m_nHandicap;
    s.setup_stones = m_nSetupStones;
    s.komi = m_fKomi;
    s.side = m_nSide;
    s.black = {m_bBlackComputer, m_nBlackStatusDepth, m_nBlackConnectionDepth,
               m_nBlackLifeDeathDepth};
    s.white = {m_bWhiteComputer, m_nWhiteStatusDepth, m_nWhiteConnectionDepth,
               m_nWhiteLifeDeathDepth};
    return s;
}

bool game_control::save_file(const std::string& file_name) {
    const std::string refused = write_file_whole(file_name, save_text());
    if (!refused.empty()) {
        ui_.message_box("Cannot save the file " + file_name + ": " + refused + ".");
        return false;
    }
    path_ = file_name;
    modified_ = false;
    return true;
}

bool game_control::load_text(const std::string& file_contents) {
    if (file_contents.empty()) {
        ui_.message_box("The file is empty: there is no game to read.");
        return false;
    }
    const std::string text = prepare_sgf_text(file_contents);
    // A file cut short before its first ")" leaves nothing to read; opening
    // it as an empty game would pass a broken file off as a good one.
    if (text.find_first_not_of(" \t") == std::string::npos) {
        ui_.message_box("The file holds no complete game record: no \")\" closes it.");
        return false;
    }
    if (!m_reader.read(text)) {
        if (!m_reader.message.empty()) ui_.message_box(m_reader.message);
        return false;
    }
    const sgf_replay replay = plan_replay(m_reader);
    const std::string refused = check_replay(m_game, replay);
    if (!refused.empty()) {
        ui_.message_box(refused);
        return false;
    }

    modified_ = false;
    reset_settings();
    begin_new_game();
    m_bBlackComputer = m_reader.black.computer;
    m_bWhiteComputer = m_reader.white.computer;
    m_nBlackStatusDepth = m_reader.black.status_depth;
    m_nBlackConnectionDepth = m_reader.black.connection_depth;
    m_nBlackLifeDeathDepth = m_reader.black.life_death_depth;
    m_nWhiteStatusDepth = m_reader.white.status_depth;
    m_nWhiteConnectionDepth = m_reader.white.connection_depth;
    m_nWhiteLifeDeathDepth = m_reader.white.life_death_depth;
    m_fKomi = m_reader.komi;
    m_nHandicap = replay.handicap;
    m_nSetupStones = replay.setup_stones;
    for (const sgf_replay::step& s : replay.steps) m_game.play_point_text(s.letters, s.colour);
    m_nSide = replay.side_to_move;
    ui_.redraw();
    return true;
}

bool game_control::open_file(const std::string& file_name) {
    // A folder or a device opens as a stream too, but holds no game: an
    // endless one (a terminal, /dev/zero) would never finish reading.
    std::error_code ignored;
    std::ifstream in;
    if (std::filesystem::is_regular_file(file_name, ignored)) in.open(file_name, std::ios::binary);
    if (!in.is_open() || !in) {
        ui_.message_box("Cannot open the file " + file_name + ".");
        return false;
    }
    std::stringstream contents;
    contents << in.rdbuf();
    ui_.begin_wait_cursor();
    const bool loaded = load_text(contents.str());
    ui_.end_wait_cursor();
    if (loaded) path_ = file_name;
    return loaded;
}

#include "game/game_control.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <utility>

#include "game/safe_file.h"
#include "game/sgf_replay.h"
#include "game/sgf_writer.h"

game_control::game_control(game_ui& ui, score_estimator estimate)
    : ui_(ui), estimate_(std::move(estimate)) {}

void game_control::reset_settings() {
    settings_ = game_settings();
    show_evaluations_ = false;
    paused_ = true;
    side_ = 1;
    setup_stones_ = 0;
}

void game_control::set_seed(int seed, bool use_seed) {
    settings_.seed = seed;
    settings_.use_seed = use_seed;
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
            return paused_ && computer_to_move() && !game_.is_over();
        case game_command::pause:
            return !paused_ && computer_to_move();
        case game_command::undo:
        case game_command::undo_all:
            return game_.can_undo(undo_limit());
        case game_command::redo:
        case game_command::redo_all:
            return game_.can_redo();
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
    return command == game_command::evaluations && show_evaluations_;
}

bool game_control::new_game() {
    // Cancelling the prompt to save keeps the current game.
    if (modified_ && !ui_.save_modified()) return false;
    path_.clear();
    begin_new_game();
    return true;
}

void game_control::begin_new_game() {
    setup_stones_ = 0;
    game_.new_game(settings_.handicap, settings_.seed, settings_.use_seed);
    side_ = settings_.handicap < 1 ? 1 : -1;
    paused_ = true;
    show_evaluations_ = false;
    ui_.redraw();
}

bool game_control::new_game_with_properties(const game_settings* accepted) {
    // The settings must describe the game on the board, so a cancelled
    // prompt to save leaves them as they were too.
    if (modified_ && !ui_.save_modified()) return false;
    if (accepted != nullptr) {
        settings_.use_seed = accepted->use_seed;
        if (accepted->use_seed) settings_.seed = accepted->seed;
        settings_.handicap = accepted->handicap;
        settings_.komi = accepted->komi;
    }
    path_.clear();
    begin_new_game();
    return true;
}

void game_control::set_players(const game_settings* accepted) {
    if (accepted != nullptr) {
        for (const int colour : {1, -1}) {
            const player_settings& chosen = accepted->player(colour);
            player_settings& player = settings_.player(colour);
            player.computer = chosen.computer;
            if (chosen.computer) player = chosen;
        }
    }
    paused_ = true;
    ui_.redraw();
    modified_ = true;
}

void game_control::undo_one() {
    side_ = game_.undo().colour;
}

void game_control::redo_one() {
    game_.redo();
    side_ = -side_;
}

void game_control::after_navigation() {
    show_evaluations_ = false;
    ui_.redraw();
    modified_ = true;
}

void game_control::undo() {
    if (!game_.can_undo(undo_limit())) return;
    paused_ = true;
    undo_one();
    after_navigation();
}

void game_control::undo_all() {
    paused_ = true;
    while (game_.can_undo(undo_limit())) undo_one();
    after_navigation();
}

void game_control::redo() {
    if (!game_.can_redo()) return;
    paused_ = true;
    redo_one();
    after_navigation();
}

void game_control::redo_all() {
    paused_ = true;
    while (game_.can_redo()) redo_one();
    after_navigation();
}

void game_control::toggle_evaluations() {
    show_evaluations_ = !show_evaluations_;
    ui_.redraw();
}

// --- the board view -----------------------------------------------------

bool game_control::room_for_one_move() {
    if (game_.has_room_for(1)) return true;
    ui_.message_box("The game has reached " + std::to_string(engine::max_game_moves) +
                    " moves, the longest game this program can play.");
    return false;
}

void game_control::after_human_move() {
    paused_ = false;
    side_ = -side_;
    show_evaluations_ = false;
    ui_.redraw();
    modified_ = true;
}

bool game_control::human_move(int x, int y) {
    // After the game-over message nobody is to move.
    if (side_ == 0 || !point::on_board(x, y)) return false;
    if (!game_.is_legal_move(x, y, side_) || !room_for_one_move()) return false;
    game_.play_human(x, y, side_);
    after_human_move();
    return true;
}

bool game_control::human_pass() {
    if (side_ == 0 || !room_for_one_move()) return false;
    game_.pass_human(side_);
    after_human_move();
    return true;
}

// The handicap stones are the first entries of the record, as the engine's
// own are, so that undo, saving and the undo limit treat them alike.
void game_control::place_handicap(const std::vector<std::pair<int, int>>& stones) {
    for (const auto& [x, y] : stones) game_.play(x, y, 1);
    settings_.handicap = static_cast<int>(stones.size());
    setup_stones_ = 0;
    side_ = -1;
    modified_ = true;
}

void game_control::undo_to(int x, int y) {
    paused_ = true;
    while (game_.can_undo(undo_limit())) {
        const move_record* last = game_.last_move();
        if (last == nullptr || (last->where->x == x && last->where->y == y)) break;
        undo_one();
    }
    after_navigation();
}

void game_control::redo_to(int x, int y) {
    paused_ = true;
    for (;;) {
        const move_record* next = game_.next_redo_move();
        if (next == nullptr) break;
        const bool target = next->where->x == x && next->where->y == y;
        redo_one();
        if (target) break;
    }
    after_navigation();
}

// --- the computer -------------------------------------------------------

bool game_control::computer_move() {
    if (paused_ || side_ == 0) return false;
    if (game_.is_over()) {
        announce_game_over();
        return false;
    }
    if (!computer_to_move()) return false;
    return play_computer_move() != nullptr;
}

point* game_control::play_computer_move() {
    if (side_ == 0) return nullptr;
    // The message comes once: the idle step does not ask again while the
    // game is paused.
    if (!room_for_one_move()) {
        paused_ = true;
        return nullptr;
    }
    ui_.begin_wait_cursor();
    const player_settings& player = settings_.player(side_);
    game_.set_depths(player.status_depth, player.connection_depth, player.life_death_depth);
    point* played = game_.generate(side_);
    ui_.end_wait_cursor();
    side_ = -side_;
    show_evaluations_ = false;
    ui_.redraw();
    modified_ = true;
    return played;
}

// --- game state ---------------------------------------------------------

bool game_control::computer_to_move() const {
    return settings_.player(side_).computer;
}

double game_control::score() {
    return static_cast<double>(estimate_(game_.report())) - static_cast<double>(settings_.komi);
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
    side_ = 0;
    ui_.message_box(game_over_message(score()));
}

// --- files --------------------------------------------------------------

std::string game_control::save_text(const sgf_clock& clock) {
    sgf_settings s = record_settings();
    s.clock = clock;
    // The estimate evaluates the whole board: only a finished game needs it.
    if (game_.is_over()) s.score = score();
    return write_sgf(game_, s);
}

sgf_settings game_control::record_settings() const {
    sgf_settings s;
    s.handicap = settings_.handicap;
    s.setup_stones = setup_stones_;
    s.komi = settings_.komi;
    s.side = side_;
    s.black = settings_.black;
    s.white = settings_.white;
    return s;
}

bool game_control::save_file(const std::string& file_name, const sgf_clock& clock) {
    const std::string refused = write_file_whole(file_name, save_text(clock));
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
    std::string text = prepare_sgf_text(file_contents);
    // A file cut short before its first ")" leaves nothing to read; opening
    // it as an empty game would pass a broken file off as a good one.
    if (text.find_first_not_of(" \t") == std::string::npos) {
        ui_.message_box("The file holds no complete game record: no \")\" closes it.");
        return false;
    }
    if (!reader_.read(std::move(text))) {
        if (!reader_.message.empty()) ui_.message_box(reader_.message);
        return false;
    }
    const sgf_replay replay = plan_replay(reader_);
    const std::string refused = check_replay(game_, replay);
    if (!refused.empty()) {
        ui_.message_box(refused);
        return false;
    }

    modified_ = false;
    reset_settings();
    begin_new_game();
    // A file holds no seed: the reader leaves the default.
    settings_ = reader_.settings;
    settings_.handicap = replay.handicap;
    setup_stones_ = replay.setup_stones;
    for (const sgf_replay::step& s : replay.steps) game_.play_point_text(s.letters, s.colour);
    side_ = replay.side_to_move;
    ui_.redraw();
    return true;
}

bool game_control::open_file(const std::string& file_name) {
    // A folder or a device opens as a stream too, but holds no game: an
    // endless one (a terminal, /dev/zero) would never finish reading.
    // The file is read in one piece at its size: a file of many megabytes
    // is then copied once, not grown in steps.  A size that cannot be had
    // (the file gone since) refuses it like a file that cannot be opened.
    std::error_code error;
    std::ifstream in;
    if (std::filesystem::is_regular_file(file_name, error)) in.open(file_name, std::ios::binary);
    const std::uintmax_t size = in.is_open() ? std::filesystem::file_size(file_name, error) : 0;
    if (!in.is_open() || !in || error) {
        ui_.message_box("Cannot open the file " + file_name + ".");
        return false;
    }
    std::string contents(size, '\0');
    in.read(contents.data(), static_cast<std::streamsize>(contents.size()));
    contents.resize(static_cast<size_t>(in.gcount()));
    ui_.begin_wait_cursor();
    const bool loaded = load_text(contents);
    ui_.end_wait_cursor();
    if (loaded) path_ = file_name;
    return loaded;
}

#include "game/game.h"

#include "engine/base/random.h"
#include "engine/board/coordinates.h"

void Game::new_game(int handicap, int seed, bool use_seed) {
    engine_.reset_board();
    stones_played[0] = handicap;
    stones_played[1] = 0;
    consecutive_passes = 0;
    engine_.place_handicap(handicap);
    recorded_moves_ = engine_.no_moves;
    if (use_seed) set_random_seed(seed);
}

void Game::count_move(bool is_pass, int colour) {
    if (!is_pass) {
        stones_played[slot(colour)] += 1;
        consecutive_passes = 0;
    } else {
        consecutive_passes += 1;
    }
}

void Game::play(int x, int y, int colour) {
    count_move(x == 0 && y == 0, colour);
    engine_.play_move(engine_.at(x, y), colour);
    recorded_moves_ = engine_.no_moves;
}

void Game::play_human(int x, int y, int colour) {
    play(x, y, colour);
    engine_.at(x, y)->invalidate_near2();
}

void Game::play_point_text(std::string_view letters, int colour) {
    if (letters == "tt") {
        play(0, 0, colour);
    } else {
        play(coord::sgf_number(letters[0]), coord::sgf_number(letters[1]), colour);
    }
}

point* Game::generate(int colour) {
    point* p = engine_.generate_move(colour);
    recorded_moves_ = engine_.no_moves;
    count_move(p->is_pass(), colour);
    return p;
}

std::vector<std::pair<int, int>> Game::handicap_points(int n) const {
    std::vector<std::pair<int, int>> points;
    for (const point* p : engine_.handicap_points(n)) points.emplace_back(p->x, p->y);
    return points;
}

bool Game::is_legal_move(int x, int y, int colour) {
    return engine_.is_legal_move(engine_.at(x, y), colour) != 0;
}

const move_record& Game::undo() {
    const move_record& record = engine_.pop();
    recorded_moves_ = engine_.no_moves;
    const move_record* previous = engine_.last_move();
    if (!record.where->is_pass()) {
        stones_played[slot(record.colour)] -= 1;
        if (previous != nullptr && previous->where->is_pass()) consecutive_passes += 1;
    } else {
        consecutive_passes -= 1;
    }
    return record;
}

void Game::redo() {
    const move_record* record = engine_.next_redo_move();
    count_move(record->where->is_pass(), record->colour);
    engine_.redo_move();
    recorded_moves_ = engine_.no_moves;
}

bool Game::can_undo(int limit) const {
    return stones_played[0] + stones_played[1] + consecutive_passes - limit > 0;
}

void Game::set_depths(int status, int connection, int life_death) {
    engine_.set_depth_limits(status, connection, life_death);
}

std::pair<int, int> Game::stones_on_board() const {
    int black = 0;
    int white = 0;
    for (int x = 1; x <= 19; ++x) {
        for (int y = 1; y <= 19; ++y) {
            const int c = colour_at(x, y);
            black += c == 1;
            white += c == -1;
        }
    }
    return {black, white};
}

std::pair<int, int> Game::captured_stones() const {
    const auto [black, white] = stones_on_board();
    return {stones_played[0] - black, stones_played[1] - white};
}

Game::saved_state Game::save() const {
    saved_state saved;
    for (int i = 0; i < engine_.no_moves; ++i) {
        const move_record& r = engine_.move_stack[i];
        saved.on_board.push_back({r.where->x, r.where->y, r.colour});
    }
    for (int i = engine_.no_moves; i < engine_.redo_limit; ++i) {
        const move_record& h = engine_.history[i];
        saved.undone.push_back({h.where->x, h.where->y, h.colour});
    }
    saved.consecutive_passes = consecutive_passes;
    saved.stones_played[0] = stones_played[0];
    saved.stones_played[1] = stones_played[1];
    return saved;
}

void Game::restore(const saved_state& saved) {
    engine_.reset_board();
    // Playing the undone moves and taking them back leaves them in the
    // history for redo, as they were.
    for (const auto& e : saved.on_board)
        engine_.play_move(engine_.at(e.x, e.y), e.colour);
    for (const auto& e : saved.undone)
        engine_.play_move(engine_.at(e.x, e.y), e.colour);
    for (size_t i = 0; i < saved.undone.size(); ++i)
        engine_.pop();
    recorded_moves_ = engine_.no_moves;
    consecutive_passes = saved.consecutive_passes;
    stones_played[0] = saved.stones_played[0];
    stones_played[1] = saved.stones_played[1];
}

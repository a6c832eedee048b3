#include "game/sgf_replay.h"

#include <algorithm>

#include "engine/board/coordinates.h"

sgf_replay plan_replay(const SgfReader& reader) {
    sgf_replay replay;
    // The handicap stones are the first Black setup stones, played before
    // any other, so that a saved game writes them as Black stones again even
    // when the file listed a White stone first; a handicap larger than the
    // Black stones given counts only those.
    replay.handicap = std::clamp(reader.settings.handicap, 0, reader.ab_count);
    std::vector<sgf_replay::step> others;
    int handicap_found = 0;
    for (size_t i = 0; i + 3 <= reader.setup.size(); i += 3) {
        const int colour = reader.setup[i] == 'B' ? 1 : -1;
        sgf_replay::step stone{reader.setup.substr(i + 1, 2), colour, 0};
        if (colour == 1 && handicap_found < replay.handicap) {
            replay.steps.push_back(stone);
            ++handicap_found;
        } else {
            others.push_back(stone);
        }
    }
    replay.steps.insert(replay.steps.end(), others.begin(), others.end());
    replay.setup_stones = static_cast<int>(others.size());

    int colour = reader.first_mover;
    for (size_t i = 0; i + 2 <= reader.moves.size(); i += 2) {
        replay.steps.push_back({reader.moves.substr(i, 2), colour, static_cast<int>(i / 2 + 1)});
        colour = -colour;
    }
    replay.side_to_move = colour;
    return replay;
}

namespace {

std::string step_text(const sgf_replay::step& s) {
    if (s.move_number == 0) return (s.colour == 1 ? "AB[" : "AW[") + s.letters + "]";
    return (s.colour == 1 ? "B[" : "W[") + s.letters + "]";
}

// A setup stone must go on a point of the board ("AB[]" would be a pass);
// a move may be a pass.
bool is_legal(Game& game, const sgf_replay::step& s) {
    if (s.letters == "tt") return s.move_number > 0;
    return game.is_legal_move(coord::sgf_number(s.letters[0]), coord::sgf_number(s.letters[1]),
                              s.colour);
}

}  // namespace

std::string check_replay(Game& game, const sgf_replay& replay) {
    const int length = static_cast<int>(replay.steps.size());
    if (length > engine::max_game_moves) {
        return "This game is too long: it has " + std::to_string(length) +
               " moves and setup stones, and at most " + std::to_string(engine::max_game_moves) +
               " can be played.";
    }
    const Game::saved_state saved = game.save();
    game.new_game(0, 0, false);
    std::string refused;
    for (const sgf_replay::step& s : replay.steps) {
        if (!is_legal(game, s)) {
            refused = s.move_number == 0 ? "Illegal setup stone: " + step_text(s)
                                         : "Illegal move at move " + std::to_string(s.move_number) +
                                               ": " + step_text(s);
            break;
        }
        game.play_point_text(s.letters, s.colour);
    }
    game.restore(saved);
    return refused;
}

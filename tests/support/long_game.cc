#include "tests/support/long_game.h"

#include "engine/board/coordinates.h"
#include "game/game.h"
#include "tests/support/board_helpers.h"

namespace test {

std::string long_game_sgf(int n) {
    Game g;
    g.new_game(0, 0, false);
    unsigned state = 99;
    std::string text = "(;GM[1]";
    for (int i = 0; i < n; ++i) {
        point* p = random_legal_move(g.eng(), state, 1, 19, 1, 19);
        for (int retry = 0; retry < 20 && p->is_pass() && g.consecutive_passes > 0; ++retry) {
            p = random_legal_move(g.eng(), state, 1, 19, 1, 19);
        }
        const int colour = g.eng().turn();
        g.play(p->x, p->y, colour);
        text += colour == 1 ? ";B[" : ";W[";
        if (!p->is_pass()) text += coord::sgf_point(p->x, p->y);
        text += "]";
    }
    return text + ")";
}

}  // namespace test

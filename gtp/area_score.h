// Area counting on the board as it stands: stones, and empty regions that
// touch stones of one colour only.  The protocol front end scores a game
// with it (a finished game's result in printsgf), because it needs no
// evaluation of dead stones: under the protocol both sides play out the
// game before passing.
#pragma once

class engine;

// Black's area minus White's, komi not included.
int area_score(const engine& e);

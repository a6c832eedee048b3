// The game saved when the crash log ends the program: a long game is never
// lost.  The file is written from the game's own record of moves, never from
// the board, which has just failed a check, and nothing is evaluated: a crash
// inside the save would end it before the file is written.
#pragma once

#include <string>

class game_control;

// Beside "error.txt" in the working directory.
inline constexpr const char* crash_game_file = "error.sgf";

// Writes the game so far as crash_game_file and returns the sentence that
// names it for the crash message ("The game so far is saved in error.sgf.")
// or says that it could not be written.  A finished game is written as one
// still in play, since its score cannot be trusted.
std::string save_game_on_crash(const game_control& control);

// Makes save_game_on_crash the crash log's hook: the sentence goes to the
// diagnostic stream.  control must outlive the program's last crash.
void install_crash_save(const game_control& control);

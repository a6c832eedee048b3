# Loading games through the game's own reader, and printing them back.
1 loadsgf games/handicap.sgf
#? [black]
2 list_stones black
#? [D16 Q16 Q4]
3 printsgf
#? [\(;FF\[4\]GM\[1\]SZ\[19\]AP\[WinKirvo:0\.95\]\nPB\[Human Player\]\nPW\[Human Player\]\nHA\[2\]KM\[0\.500000\]\nAB\[dd\]\[pp\]\nPL\[B\]\n;W\[dp\];B\[pd\];W\[jj\]\)]
4 undo
#? []
5 undo
#? []
6 undo
#? []
7 undo
#? [cannot undo]
# Refused files leave the game as it was.
10 loadsgf games/occupied.sgf
#? [cannot load file: Illegal move at move 3: B\[dd\]]
11 loadsgf games/suicide.sgf
#? [cannot load file: Illegal move at move 1: W\[aa\]]
12 loadsgf games/wrong_player.sgf
#? [cannot load file: Wrong player at move 2]
13 loadsgf games/empty.sgf
#? [cannot load file: The file is empty: there is no game to read\.]
14 loadsgf games/missing.sgf
#? [cannot load file: Cannot open the file games/missing\.sgf\.]
15 list_stones black
#? [D16 Q4]
# Only the main line up to the end of the first variation is read.
20 loadsgf games/variations.sgf
#? [white]
21 list_stones black
#? [D16 D4]
# A finished game reads back finished, and prints its result.
30 loadsgf games/finished.sgf
#? [black]
31 printsgf
#? [[\s\S]*KM\[6\.500000\]\nRE\[W\+6\.500000\]\n;B\[dd\];W\[pp\]\)]
# Setup stones stay when everything else is undone; the pass that gives
# White the move (PL) is a move.
40 loadsgf games/setup.sgf
#? [white]
41 undo
#? []
42 undo
#? [cannot undo]
43 list_stones white
#? [C17]

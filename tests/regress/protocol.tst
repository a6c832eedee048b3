# The protocol itself: identification, the command list and the framing.
1 protocol_version
#? [2]
2 name
#? [WinKirvo]
3 version
#? [0\.95]
4 known_command play
#? [true]
41 known_command place_free_handicap
#? [true]
5 known_command no_such_command
#? [false]
6 list_commands
#? [[\s\S]*\nloadsgf\n[\s\S]*]
7 no_such_command
#? [unknown command]
8 boardsize 19
#? []
9 boardsize 13
#? [unacceptable size]
	10	name    # tabs, and a comment after the command
#? [WinKirvo]
11 komi 6.5
#? []
12 komi six
#? [syntax error]
13 name extra
#? [syntax error]
14 known_command
#? [!true|false]

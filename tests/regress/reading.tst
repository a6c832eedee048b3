# String status through the analysis commands: a ladder, the same ladder
# broken by a ladder breaker, and an empty vertex.
1 loadsgf games/ladder.sgf
#? [black]
2 winkirvo-depths 10 8 4
#? []
# Depths a player may not be given are refused and change nothing.
7 winkirvo-depths 10 8 -1
#? [depth out of range \(0 to 1000\)]
8 winkirvo-depths 1001 8 4
#? [depth out of range \(0 to 1000\)]
# The ladder reading settles the capture at the root, so its proof has no
# first move.
3 winkirvo-string_status F14
#? [status=1 capture=1 save=1 capture_move=none save_move=E14]
4 winkirvo-string_status F13
#? [status=6 capture=-1 save=1 .*]
5 winkirvo-string_status A1
#? [vertex is empty]
6 winkirvo-string_status
#? [syntax error]

11 loadsgf games/ladder_breaker.sgf
#? [black]
12 winkirvo-string_status F14
#? [status=6 capture=[-0]1? save=1 .*]
13 winkirvo-string_status pass
#? [syntax error]

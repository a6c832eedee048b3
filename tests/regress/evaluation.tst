# Connections, groups and territory through the analysis commands.

# A White stone in a working ladder between two Black strings: taken by
# whoever moves, so the strings are connected, and one group.
1 loadsgf games/ladder.sgf
#? [black]
2 winkirvo-depths 10 8 4
#? []
3 winkirvo-connection G14 F13
#? [status=6 connect=1 cut=-1]
4 winkirvo-group G15
#? [stones=3 safety=[01]\.[0-9]{3} nn_safety=[0-9.]+ harassment=[0-9.]+ life=-?[0-9]+ eyes=[0-9.]+ eyespace=[0-9.]+ freedom=[0-9.]+ conf_space=[0-9]+ conf_lim=[0-9.]+]
# The dead stone is a group of its own, with no safety, never read.
5 winkirvo-group F14
#? [stones=1 safety=0\.000 .* life=-99 .*]
# ... which makes its point Black's: row 14 is the sixth from the top.
6 winkirvo-territory
#? [(\S+( \S+){18}\n){5}(\S+ ){5}1\.000( \S+){13}\n[\s\S]*]

# A Black stone in atari on the corner point, White to move: cut off, and
# beyond saving.
11 loadsgf games/cut.sgf
#? [white]
12 winkirvo-connection A19 B18
#? [status=1 connect=-1 cut=1]
13 winkirvo-connection A19 B19
#? [stones of different colours]

# Three strings: the diagonal and the jump join them all, and the first and
# the third are read as two strings joined to the second.
21 loadsgf games/three_strings.sgf
#? [black]
22 winkirvo-group D16
#? [stones=4 .*]
23 winkirvo-group F15
#? [stones=4 .*]
24 winkirvo-connection D16 D14
#? [status=6 connect=1 cut=-1]
25 winkirvo-connection D16 F15
#? [status=6 .*]
26 winkirvo-connection D14 E14
#? [one string]

# A shared liberty whose cut runs along the edge into a ladder.
31 loadsgf games/shared_liberty.sgf
#? [black]
32 winkirvo-connection B18 D18
#? [status=6 connect=1 cut=-1]

# Questions about nothing.
41 clear_board
#? []
42 winkirvo-territory
#? [(-?[01]\.[0-9]{3}( -?[01]\.[0-9]{3}){18}\n){18}-?[01]\.[0-9]{3}( -?[01]\.[0-9]{3}){18}]
43 winkirvo-group K10
#? [vertex is empty]
44 winkirvo-connection K10 K11
#? [vertex is empty]
45 winkirvo-group pass
#? [syntax error]
46 winkirvo-connection K10
#? [syntax error]
47 winkirvo-territory K10
#? [syntax error]
48 winkirvo-memory
#? [proofs \d+ proof_size \d+ tables_alive \d+ largest_table \d+]

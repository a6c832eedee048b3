# Handicap stones on the protocol's fixed points, and free ones.
1 fixed_handicap 2
#? [D4 Q16]
2 fixed_handicap 2
#? [board not empty]
3 undo
#? [cannot undo]
4 play w C3
#? []
5 undo
#? []
clear_board
10 fixed_handicap 9
#? [D4 Q16 D16 Q4 D10 Q10 K4 K16 K10]
11 list_stones b
#? [D16 K16 Q16 D10 K10 Q10 D4 K4 Q4]
clear_board
12 fixed_handicap 1
#? [invalid number of stones]
13 fixed_handicap 10
#? [invalid number of stones]
14 fixed_handicap two
#? [syntax error]
15 set_free_handicap D4
#? [bad vertex list]
16 set_free_handicap D4 Q16 D4
#? [bad vertex list]
17 set_free_handicap A1 T19 K10
#? []
18 printsgf
#? [[\s\S]*HA\[3\]KM\[5\.500000\]\nAB\[as\]\[sa\]\[jj\]\nPL\[W\]\n\)]
# Free handicap on the engine's own points, as handicap stones; never more
# than 13.
clear_board
30 place_free_handicap 3
#? [D16 Q4 D4]
31 place_free_handicap 2
#? [board not empty]
32 undo
#? [cannot undo]
33 printsgf
#? [[\s\S]*HA\[3\][\s\S]*\nAB\[dd\]\[pp\]\[dp\]\nPL\[W\]\n\)]
clear_board
34 place_free_handicap 1
#? [invalid number of stones]
35 place_free_handicap 361
#? [invalid number of stones]
36 place_free_handicap many
#? [syntax error]
37 place_free_handicap 100
#? [D16 Q4 D4 Q16 Q10 D10 K4 K16 K10 C17 C3 R17 R3]
38 play w C4
#? []
39 undo
#? []
40 undo
#? [cannot undo]

# Moves, passes and undo in the protocol's coordinates.
clear_board
1 play b D4
#? []
2 list_stones black
#? [D4]
3 play b D4
#? [illegal move]
4 play w D4
#? [illegal move]
# Black twice: a White pass comes between, and undo takes both back.
5 play b Q16
#? []
6 list_stones black
#? [Q16 D4]
7 undo
#? []
8 list_stones black
#? [D4]
9 play w pass
#? []
10 undo
#? []
11 undo
#? []
12 undo
#? [cannot undo]

# Suicide in the corner.
clear_board
play b B19
play w Q4
play b A18
20 play w A19
#? [illegal move]

# A ko: Black takes at C18, White may not take back at once.
clear_board
play b B19
play w C19
play b A18
play w B18
play b B17
play w D18
play b Q16
play w C17
30 play b C18
#? []
31 play w B18
#? [illegal move]
32 list_stones white
#? [C19 D18 C17]
play w Q4
play b D4
33 play w B18
#? []
34 list_stones black
#? [B19 A18 B17 Q16 D4]
35 showboard
#? [\n   A B C D E F G H J K L M N O P Q R S T\n19 \. X O[\s\S]*Captured: Black 1, White 1; Black to move]

# Malformed commands.
40 play b
#? [syntax error]
41 play green D4
#? [syntax error]
42 play b I9
#? [syntax error]
43 play b A20
#? [syntax error]
44 undo 1
#? [syntax error]
45 list_stones
#? [syntax error]

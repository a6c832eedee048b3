// Small eye shapes on the top edge: a Black group (its stone on bb) around
// the eye space, walled in by living White stones that leave the Black wall
// a few outside liberties, so that the shape alone decides.
#pragma once

#include <string>
#include <vector>

namespace test::eye_shapes {

using picture = std::vector<std::string>;

inline const picture straight_three = {"OX...XO", "OXXXXXO", "OO...OO", ".OOOOO."};
inline const picture bent_three = {"OX..XO", "OX.XXO", "OXXXXO", "OO..OO", ".OOOO."};
inline const picture square_four = {"OX..XO", "OX..XO", "OXXXXO", "OO..OO", ".OOOO."};
inline const picture straight_four = {"OX....XO", "OXXXXXXO", "OO....OO", ".OOOOOO."};
inline const picture bulky_five = {"OX...XO", "OX..XXO", "OXXXXXO", "OO...OO", ".OOOOO."};
inline const picture rabbity_six = {"OXX.XXO", "OX...XO", "OXX..XO",
                                    "OXXXXXO", "OO...OO", ".OOOOO."};
inline const picture two_small_eyes = {"OX..X..XO", "OXXXXXXXO", "OO.....OO", ".OOOOOOO."};
inline const picture one_small_eye = {"OX..XO", "OXXXXO", "OO..OO", ".OOOO."};
// White stones on the vital points: one in a straight three, three in a
// straight five.
inline const picture nakade_three = {"OX.O.XO", "OXXXXXO", "OO...OO", ".OOOOO."};
inline const picture nakade_five = {"OX.OOO.XO", "OXXXXXXXO", "OO.....OO", ".OOOOOOO."};

}  // namespace test::eye_shapes

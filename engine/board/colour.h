// The colours as every point and string stores them: the sign is the side,
// so -c is c's opponent, and 0 is an empty point.  The position key, the
// neighbour orders and every tie-break are built on this encoding.
#pragma once

constexpr int black = 1;
constexpr int white = -1;

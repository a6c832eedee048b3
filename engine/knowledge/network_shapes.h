// The engine's networks: their inputs, hidden units and outputs, and the
// weight file each is read from.  The input builders of the engine, the
// trainers and the weight files all follow these shapes.
#pragma once

struct network_shape {
    int inputs;
    int hidden;
    int outputs;
    const char* file;
};

inline constexpr network_shape harass_network{14, 20, 1, "harass.dat"};
inline constexpr network_shape safety_network{19, 10, 1, "safe_19_10.dat"};
inline constexpr network_shape territory_network{7, 11, 1, "terr.dat"};
inline constexpr network_shape shape_network{167, 100, 2, "shape.dat"};
inline constexpr network_shape tsume_network{53, 50, 1, "tsume.dat"};

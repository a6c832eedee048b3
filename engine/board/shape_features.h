// The record that is both the key and the entry of a point's memo of shape
// network results: the feature vector of a move and the two outputs.
#pragma once

#include <cstdint>

struct shape_features {
    static constexpr int n_features = 46;

    double output0 = 0.0;  // shape value
    double output1 = 0.0;  // sente value
    int32_t features[n_features] = {};
    int32_t key = 0;
    int32_t bucket = 0;
    int32_t read_index = 0;

    bool same_features(const shape_features& other) const {
        if (key != other.key) return false;
        for (int k = 0; k < n_features; ++k) {
            if (features[k] != other.features[k]) return false;
        }
        return true;
    }
};

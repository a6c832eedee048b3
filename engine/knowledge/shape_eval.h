// The shape evaluator's fixed encoding: how the 46 features of a move become
// a memo key and the shape network's 167 inputs.  The evaluator itself
// (shape_eval, build_features, encode) is part of the engine.
#pragma once

#include <cstdint>

#include "engine/board/shape_features.h"
#include "engine/knowledge/network_shapes.h"

namespace shape {

constexpr int n_inputs = shape_network.inputs;
constexpr int n_hidden = shape_network.hidden;
constexpr int n_outputs = shape_network.outputs;

// Features 1..36 are the window entries at offsets (i, j) with
// 0 < |i| + |j| <= 4, i outer and j inner; then come the edge distances and
// the tactical counts (0-based positions below).
constexpr int window_features = 36;
constexpr int edge_near = 36;
constexpr int edge_far = 37;
constexpr int self_atari = 38;
constexpr int atari_to_two = 39;
constexpr int atari_to_more = 40;
constexpr int two_to_more = 41;
constexpr int enemy_one_liberty = 42;  // then two, three and four liberties

// key = |sum of m_k * f_k| with m_1 = 11 and m_k = m_(k-1) * 11 mod 100001;
// bucket = key mod 101.
void set_key(shape_features& r);

// The next feature at the record's read index.  Reading past the 46th
// prints "error outside feature range ", pauses, and yields 0.
int32_t read_feature(shape_features& r);

}  // namespace shape

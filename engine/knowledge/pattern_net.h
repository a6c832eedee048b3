// A network for local patterns: a feature_net whose results the caller keeps
// in a per-point memo (the shape evaluator).  The weights are read when the
// network is built, so a memo miss never has to load them.
#pragma once

#include <string>

#include "engine/knowledge/feature_net.h"

class pattern_net : public feature_net {
  public:
    // Builds the network and reads its weight file at once.
    pattern_net(int n_in, int n_hid, int n_out, const std::string& file_name);

    // False, with "error indeks %d N %d", when the builder pushed a number of
    // inputs other than n_in.  Evaluation may go on regardless.
    bool check_count() const;
};

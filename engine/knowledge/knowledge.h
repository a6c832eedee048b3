// What the engine knows beyond the rules, on top of the board: the networks,
// the shape evaluator, the joseki libraries and the shape templates.  Each
// is read from its data file once; a missing file leaves neutral knowledge.
#pragma once

#include <memory>
#include <vector>

#include "engine/board/board.h"
#include "engine/knowledge/feature_net.h"
#include "engine/knowledge/joseki_library.h"
#include "engine/knowledge/pattern_net.h"
#include "engine/knowledge/shape_templates.h"

class knowledge : public board {
public:
    knowledge();
    ~knowledge();

    // --- networks and shape evaluator -----------------------------------
    // Built in this order after the joseki libraries, in the shapes of
    // network_shapes.h; with a weight file missing, that network answers 0.5
    // everywhere.  tsume_net is loaded, never evaluated.
    std::unique_ptr<feature_net> harass_net;
    std::unique_ptr<feature_net> safety_net;
    std::unique_ptr<feature_net> territory_net;
    std::unique_ptr<pattern_net> shape_net;
    std::unique_ptr<pattern_net> tsume_net;
    // Shape value (output 0) of empty point p as a move for colour m; the
    // sente value (output 1) goes to sente.  0.0 for the pass point, sente
    // then unchanged.  Results are memoised on the point by feature vector.
    double shape_eval(point* p, int m, double& sente);
    // The 46 shape features of p for mover m (board left as found).
    shape_features build_features(point* p, int m);
    // Fills shape_net's 167 inputs from the record's features.
    void encode(shape_features& r);

    // --- joseki libraries and shape templates ---------------------------
    // Consulted in this order: j_fuseki, j_side, j_corner, j_mini, from the
    // whole board down to a small corner.
    std::vector<std::unique_ptr<joseki_library>> joseki_libraries;
    std::unique_ptr<shape_templates> templates;
    // Lets the libraries, in order, add their moves for mover a to j until
    // one of them has added some.
    void lookup_joseki(point_set& j, int a);

private:
    void build_joseki_libraries();
    void build_networks();
};

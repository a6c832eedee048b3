// The knowledge read from the data files, in the order the files are read.
#include "engine/knowledge/knowledge.h"

#include "engine/base/diagnostics.h"
#include "engine/knowledge/network_shapes.h"

namespace {

template <class network>
std::unique_ptr<network> make_network(const network_shape& s) {
    return std::make_unique<network>(s.inputs, s.hidden, s.outputs, s.file);
}

}  // namespace

knowledge::knowledge() {
    build_joseki_libraries();
    build_networks();
    templates = std::make_unique<shape_templates>(*this);
}

knowledge::~knowledge() = default;

void knowledge::build_joseki_libraries() {
    // Each library goes to the front, so the broadest is consulted first.
    for (const char* name : {"j_mini.dat", "j_corner.dat", "j_side.dat", "j_fuseki.dat"}) {
        joseki_libraries.insert(joseki_libraries.begin(),
                                std::make_unique<joseki_library>(*this, name));
    }
}

void knowledge::build_networks() {
    harass_net = make_network<feature_net>(harass_network);
    safety_net = make_network<feature_net>(safety_network);
    territory_net = make_network<feature_net>(territory_network);
    shape_net = make_network<pattern_net>(shape_network);
    tsume_net = make_network<pattern_net>(tsume_network);
    diag::print(" tsume gain %f\n", 1.0);
    tsume_net->net().setgain(1.0);
}

void knowledge::lookup_joseki(point_set& j, int a) {
    for (const auto& library : joseki_libraries) {
        if (!j.empty()) return;
        library->lookup(j, a);
    }
}

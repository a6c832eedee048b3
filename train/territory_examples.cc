#include "train/territory_examples.h"

namespace train {

void add_territory_examples(engine& e, const final_ownership& labels, dense_examples& out) {
    const int t = e.turn();
    for (int k = 0; k < e.n_points; ++k) {
        point* p = e.points[k];
        if (p->colour != 0) continue;
        e.territory_estimate(p);
        out.add(e.territory_net->inputs(), territory_target(labels.owner(p), t));
    }
}

void collect_territory_examples(engine& e, const labelled_game& g, const sampling& s,
                                dense_examples& out) {
    replay(e, g.record, [&](point*, int, size_t k) {
        if (!s.takes(k)) return;
        e.evaluate(e.turn());
        add_territory_examples(e, g.labels, out);
    });
    e.reset_board();
}

}  // namespace train

#include "gtp/area_score.h"

#include <vector>

#include "engine/state.h"

int area_score(const engine& e) {
    int score = 0;
    std::vector<bool> seen(361, false);
    for (int k = 0; k < e.n_points; ++k) {
        const point* p = e.points[k];
        score += p->colour;
        if (p->colour != 0 || seen[k]) continue;
        // One empty region, and the colours of the stones around it.
        int size = 0;
        bool touches_black = false;
        bool touches_white = false;
        std::vector<const point*> pending{p};
        seen[k] = true;
        while (!pending.empty()) {
            const point* q = pending.back();
            pending.pop_back();
            ++size;
            for (int i = 0; i < q->n_neighbours; ++i) {
                const point* n = q->neighbours[i];
                touches_black |= n->colour == 1;
                touches_white |= n->colour == -1;
                if (n->colour == 0 && !seen[n->index]) {
                    seen[n->index] = true;
                    pending.push_back(n);
                }
            }
        }
        if (touches_black != touches_white) score += touches_black ? size : -size;
    }
    return score;
}

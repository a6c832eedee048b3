#include "engine/reading/proof_base.h"

#include <algorithm>

#include "engine/base/diagnostics.h"

namespace {

constexpr int max_move_number = 999;

int clamped(int move_number) {
    if (move_number < 0) {
        diag::print(" err 1 proof ii %d ", move_number);
        return 0;
    }
    if (move_number > max_move_number) {
        diag::print(" err 2 proof ii %d ", move_number);
        return max_move_number;
    }
    return move_number;
}

}  // namespace

void proof_base::store(std::unique_ptr<proof_record> record) {
    const int size = record->size();
    buckets_[record->bucket].push_front(std::move(record));
    ++n_;
    total_ += size;
    check_counts();
    if (n_ % 100 == 0) {
        diag::print(" proof_base n %d total_size %d\n", n_, total_);
        purge_old();
    }
}

void proof_base::check_counts() {
    int n = 0;
    int total = 0;
    for (const bucket& b : buckets_) {
        for (const auto& r : b) {
            ++n;
            total += r->size();
        }
    }
    if (n != n_ || total != total_) {
        diag::print(" proof_base inc: n %d n0 %d tot %d t0 %d ", n_, n, total_, total);
        diag::pause();
    }
}

void proof_base::find(int kind, const point_set& targets, point* last_move,
                      std::vector<proof_record*>& out) const {
    const int key = proof_record::key_of(kind, targets);
    const point* first = targets.first();
    std::vector<proof_record*> others;
    for (const auto& r : buckets_[key % position_key::n_buckets]) {
        if (r->key != key || !r->targets.contains(first)) continue;
        (r->last_moves.contains(last_move) ? out : others).push_back(r.get());
    }
    out.insert(out.end(), others.begin(), others.end());
}

std::unique_ptr<proof_record> proof_base::remove(proof_record* record) {
    bucket& b = buckets_[record->bucket];
    for (auto it = b.begin(); it != b.end(); ++it) {
        if (it->get() != record) continue;
        std::unique_ptr<proof_record> taken = std::move(*it);
        b.erase(it);
        --n_;
        total_ -= taken->size();
        return taken;
    }
    return nullptr;
}

void proof_base::clear() {
    for (bucket& b : buckets_) b.clear();
    n_ = 0;
    total_ = 0;
}

std::vector<int> proof_base::count_by_move_number(int& lowest, int& highest) const {
    std::vector<int> counts(max_move_number + 1, 0);
    lowest = max_move_number;
    highest = 0;
    for (const bucket& b : buckets_) {
        for (const auto& r : b) {
            const int m = clamped(r->move_number);
            ++counts[m];
            lowest = std::min(lowest, m);
            highest = std::max(highest, m);
        }
    }
    return counts;
}

void proof_base::purge_old() {
    int lowest, highest;
    std::vector<int> counts = count_by_move_number(lowest, highest);
    for (int m = lowest; m <= highest; ++m) diag::print("%d ", counts[m]);
    // Records neither made nor confirmed in the last five move numbers go.
    for (bucket& b : buckets_) {
        for (auto it = b.begin(); it != b.end();) {
            if ((*it)->move_number < highest - 4) {
                --n_;
                total_ -= (*it)->size();
                it = b.erase(it);
            } else {
                ++it;
            }
        }
    }
    int ignored_low, ignored_high;
    counts = count_by_move_number(ignored_low, ignored_high);
    diag::print("\n");
    for (int m = lowest; m <= highest; ++m) diag::print("%d ", counts[m]);
    diag::print("\n");
}

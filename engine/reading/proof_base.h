// The stored proofs of the engine: every tactical reading deep enough to be
// worth keeping, found again by question (kind and target points) and
// preferably by the last move at which it was made or used.  It keeps the
// records of the last five move numbers whenever it reaches a multiple of
// 100 records.
#pragma once

#include <array>
#include <list>
#include <memory>
#include <vector>

#include "engine/board/position_key.h"
#include "engine/reading/proof_record.h"

class proof_base {
  public:
    proof_base() = default;
    proof_base(const proof_base&) = delete;
    proof_base& operator=(const proof_base&) = delete;

    void store(std::unique_ptr<proof_record> record);
    // The records of this kind whose targets hold the first of targets:
    // those already met at last_move first, then the others.
    void find(int kind, const point_set& targets, point* last_move,
              std::vector<proof_record*>& out) const;
    // Takes record out of the base and hands it back to the caller.
    std::unique_ptr<proof_record> remove(proof_record* record);
    void clear();
    void purge_old();

    int count() const { return n_; }
    int total_size() const { return total_; }

  private:
    using bucket = std::list<std::unique_ptr<proof_record>>;  // newest first
    std::array<bucket, position_key::n_buckets> buckets_;
    int n_ = 0;
    int total_ = 0;

    void check_counts();
    // Records per move number, clamped to 0..999, with the clamped range.
    std::vector<int> count_by_move_number(int& lowest, int& highest) const;
};

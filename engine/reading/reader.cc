#include "engine/reading/reader.h"

reader::reader() {
    table = std::make_unique<transposition_table>();
    goal_quick_capture = std::make_unique<quick_capture_goal>(this);
    goal_quick_escape = std::make_unique<quick_escape_goal>(this);
    goal_capture = std::make_unique<capture_goal>(this);
    goal_defend = std::make_unique<defend_goal>(this);
    goal_connect = std::make_unique<connect_goal>(this);
    goal_cut = std::make_unique<cut_goal>(this);
    proofs = std::make_unique<proof_base>();
}

reader::~reader() = default;

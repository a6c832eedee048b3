#include "engine/board/move_record.h"

#include <algorithm>

#include "engine/board/str.h"

bool str_list::contains(const str* s) const {
    return std::find(items_.begin(), items_.end(), s) != items_.end();
}

int move_record::captured_stones() const {
    int n = 0;
    for (int i = 0; i < captured.count(); ++i) n += captured.at(i)->stones.count();
    return n;
}

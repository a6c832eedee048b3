#include "tests/support/sgf_snippet.h"

#include <stdexcept>

#include "game/sgf_record.h"

namespace test {

void load_sgf(engine& e, const std::string& snippet) {
    std::string text = snippet.rfind("(", 0) == 0 ? snippet : "(;" + snippet + ")";
    sgf_record record;
    std::string why;
    if (!read_sgf_record(text, record, why)) throw std::invalid_argument(why);
    for (int colour : {1, -1}) {
        for (const sgf_move& s : record.setup) {
            if (s.colour == colour) e.push(e.at(s.x, s.y), colour);
        }
    }
    for (const sgf_move& m : record.moves) e.push(e.at(m.x, m.y), m.colour);
}

}  // namespace test

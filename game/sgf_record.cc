#include "game/sgf_record.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "engine/board/coordinates.h"

namespace {

class parser {
public:
    parser(const std::string& text, sgf_record& record) : text_(text), record_(record) {}

    bool parse(std::string& why) {
        skip_space();
        if (!eat('(')) {
            why = "no game tree";
            return false;
        }
        main_line();
        return true;
    }

private:
    const std::string& text_;
    sgf_record& record_;
    size_t at_ = 0;

    bool done() const { return at_ >= text_.size(); }
    void skip_space() {
        while (!done() && std::isspace(static_cast<unsigned char>(text_[at_]))) ++at_;
    }
    bool eat(char c) {
        skip_space();
        if (done() || text_[at_] != c) return false;
        ++at_;
        return true;
    }

    // Nodes of this tree, then the first variation; the others are skipped.
    void main_line() {
        while (true) {
            skip_space();
            if (done()) return;
            char c = text_[at_];
            if (c == ';') {
                ++at_;
                node();
            } else if (c == '(') {
                ++at_;
                main_line();
                skip_rest_of_tree();
                return;
            } else if (c == ')') {
                ++at_;
                return;
            } else {
                ++at_;  // stray character
            }
        }
    }

    // Skips sibling variations up to the ')' that closes the current tree.
    void skip_rest_of_tree() {
        int depth = 1;
        while (!done() && depth > 0) {
            char c = text_[at_++];
            if (c == '[') {
                --at_;
                value();
            } else if (c == '(') {
                ++depth;
            } else if (c == ')') {
                --depth;
            }
        }
    }

    std::string value() {
        std::string v;
        if (!eat('[')) return v;
        while (!done() && text_[at_] != ']') {
            if (text_[at_] == '\\' && at_ + 1 < text_.size()) ++at_;
            v += text_[at_++];
        }
        ++at_;
        return v;
    }

    void node() {
        while (true) {
            skip_space();
            if (done() || !std::isupper(static_cast<unsigned char>(text_[at_]))) return;
            std::string name;
            while (!done() && std::isalpha(static_cast<unsigned char>(text_[at_]))) {
                if (std::isupper(static_cast<unsigned char>(text_[at_]))) name += text_[at_];
                ++at_;
            }
            skip_space();
            while (!done() && text_[at_] == '[') property(name, value());
        }
    }

    void property(const std::string& name, const std::string& v) {
        if (name == "SZ") record_.size = std::atoi(v.c_str());
        else if (name == "HA") record_.handicap = std::atoi(v.c_str());
        else if (name == "KM") record_.komi = std::atof(v.c_str());
        else if (name == "RE") record_.result = v;
        else if (name == "B" || name == "W") move(name == "B" ? 1 : -1, v);
        else if ((name == "AB" || name == "AW") && record_.moves.empty()) setup(name == "AB" ? 1 : -1, v);
    }

    bool coordinates(const std::string& v, size_t from, int& x, int& y) const {
        if (v.size() < from + 2) return false;
        x = coord::sgf_number(v[from]);
        y = coord::sgf_number(v[from + 1]);
        return x >= 1 && y >= 1 && x <= record_.size && y <= record_.size;
    }

    void move(int colour, const std::string& v) {
        int x = 0, y = 0;
        if (v.empty() || (record_.size <= 19 && v == "tt") || !coordinates(v, 0, x, y)) {
            record_.moves.push_back({colour, 0, 0});
        } else {
            record_.moves.push_back({colour, x, y});
        }
    }

    // A point, or a rectangle "aa:cc" of points.
    void setup(int colour, const std::string& v) {
        int x0, y0, x1, y1;
        if (!coordinates(v, 0, x0, y0)) return;
        x1 = x0;
        y1 = y0;
        if (v.size() == 5 && v[2] == ':' && !coordinates(v, 3, x1, y1)) return;
        for (int x = std::min(x0, x1); x <= std::max(x0, x1); ++x) {
            for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y) record_.setup.push_back({colour, x, y});
        }
    }
};

}  // namespace

bool read_sgf_record(const std::string& text, sgf_record& record, std::string& why) {
    record = sgf_record{};
    return parser(text, record).parse(why);
}

bool read_sgf_record_file(const std::string& path, sgf_record& record, std::string& why) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        why = "cannot open " + path;
        return false;
    }
    std::stringstream text;
    text << in.rdbuf();
    return read_sgf_record(text.str(), record, why);
}

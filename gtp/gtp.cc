#include "gtp/gtp.h"

#include <charconv>
#include <cmath>
#include <istream>
#include <optional>
#include <ostream>
#include <sstream>

#include "engine/board/coordinates.h"

namespace gtp {

namespace {

std::string lower(std::string s) {
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

// The whole word as a number of type T, or failure.
template <class T>
T parse_number(const std::string& word) {
    T value{};
    const char* begin = word.data();
    const char* end = word.data() + word.size();
    if (begin != end && *begin == '+') ++begin;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (begin == end || error != std::errc() || stop != end) throw failure("syntax error");
    return value;
}

// A reply never holds an empty line (which would end it early) nor a
// control character other than the line feeds between its lines; it may
// start with a line feed, so that a diagram begins on a line of its own.
std::string clean_reply_text(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') {
            if (out.empty() || out.back() != '\n') out += c;
        } else {
            out += (static_cast<unsigned char>(c) < 32 || c == 127) ? '?' : c;
        }
    }
    while (!out.empty() && out.back() == '\n')
        out.pop_back();
    return out;
}

bool all_digits(const std::string& s) {
    if (s.empty()) return false;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

}  // namespace

std::string vertex_text(vertex v) {
    if (v.is_pass()) return "pass";
    return coord::gtp_vertex(v.x, v.y);
}

vertex parse_vertex(const std::string& word) {
    const std::string w = lower(word);
    if (w == "pass") return {};
    const std::optional<coord::xy> p = coord::parse_gtp_vertex(w);
    if (!p) throw failure("syntax error");
    return {p->x, p->y};
}

void arguments::require(int n) const {
    if (size() != n) throw failure("syntax error");
}

const std::string& arguments::word(int i) const {
    if (i >= size()) throw failure("syntax error");
    return words_[i];
}

int arguments::colour(int i) const {
    const std::string w = lower(word(i));
    if (w == "b" || w == "black") return 1;
    if (w == "w" || w == "white") return -1;
    throw failure("syntax error");
}

vertex arguments::point(int i) const {
    return parse_vertex(word(i));
}

int arguments::integer(int i) const {
    return parse_number<int>(word(i));
}

double arguments::real(int i) const {
    const double value = parse_number<double>(word(i));
    if (!std::isfinite(value)) throw failure("syntax error");
    return value;
}

std::string preprocess(const std::string& line) {
    std::string out;
    for (char c : line) {
        if (c == '#') break;
        if (c == '\t') {
            out += ' ';
        } else if (c == '\n' || !(static_cast<unsigned char>(c) < 32 || c == 127)) {
            out += c;
        }
    }
    return out;
}

void registry::add(const std::string& name, handler h) {
    handlers_.emplace_back(name, std::move(h));
}

const handler* registry::find(const std::string& name) const {
    for (const auto& [n, h] : handlers_) {
        if (n == name) return &h;
    }
    return nullptr;
}

bool registry::knows(const std::string& name) const {
    return find(name) != nullptr;
}

std::vector<std::string> registry::names() const {
    std::vector<std::string> out;
    for (const auto& entry : handlers_)
        out.push_back(entry.first);
    return out;
}

std::string registry::execute(const std::string& line) {
    std::istringstream in(preprocess(line));
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    if (words.empty()) return "";
    std::string id;
    if (all_digits(words[0])) {
        id = words[0];
        words.erase(words.begin());
    }
    auto reply = [&](char kind, const std::string& text) {
        const std::string body = clean_reply_text(text);
        return kind + id + (body.empty() ? "" : " " + body) + "\n\n";
    };
    if (words.empty()) return reply('?', "syntax error");
    const handler* h = find(words[0]);
    if (h == nullptr) return reply('?', "unknown command");
    try {
        return reply('=',
                     (*h)(arguments(std::vector<std::string>(words.begin() + 1, words.end()))));
    } catch (const failure& f) {
        return reply('?', f.text);
    }
}

void registry::run(std::istream& in, std::ostream& out) {
    for (std::string line; !quit_ && std::getline(in, line);) {
        const std::string reply = execute(line);
        if (reply.empty()) continue;
        out << reply;
        out.flush();
    }
}

}  // namespace gtp

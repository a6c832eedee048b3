// A small Go Text Protocol (version 2) library: a registry of command
// handlers by exact name, typed argument helpers, and the protocol's
// framing (optional numeric ids, "=" and "?" replies ended by an empty line,
// comments and control characters removed).  A handler reports failure by
// throwing gtp::failure; its message becomes the "?" reply.
#pragma once

#include <functional>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

namespace gtp {

struct failure : std::runtime_error {
    explicit failure(const std::string& message) : std::runtime_error(message), text(message) {}
    // The whole message: what() ends at a null character, which a message
    // quoting a file may hold.
    std::string text;
};

// A board point in engine coordinates (x from the left, y from the top);
// (0, 0) is a pass.
struct vertex {
    int x = 0;
    int y = 0;
    bool is_pass() const { return x == 0 && y == 0; }
    bool operator==(const vertex&) const = default;
};

// "D4" style: letters A-T without I from the left, row 1 at the bottom.
std::string vertex_text(vertex v);
// Throws failure("syntax error") for anything but a vertex or "pass".
vertex parse_vertex(const std::string& word);

class arguments {
  public:
    explicit arguments(std::vector<std::string> words) : words_(std::move(words)) {}
    int size() const { return static_cast<int>(words_.size()); }
    // Throws failure("syntax error") unless there are exactly n arguments.
    void require(int n) const;
    const std::string& word(int i) const;
    int colour(int i) const;  // 1 for black, -1 for white
    vertex point(int i) const;
    int integer(int i) const;
    double real(int i) const;

  private:
    std::vector<std::string> words_;
};

using handler = std::function<std::string(const arguments&)>;

// The line as the protocol defines it: control characters other than tab
// and line feed removed, tabs turned into spaces, a comment after "#" cut.
std::string preprocess(const std::string& line);

class registry {
  public:
    void add(const std::string& name, handler h);
    bool knows(const std::string& name) const;
    // In the order of registration.
    std::vector<std::string> names() const;

    // The full reply to one input line ("=..." or "?..." and the empty line
    // that ends it), or "" when the line holds no command.
    std::string execute(const std::string& line);
    // Replies to every line of the input until quit or its end.
    void run(std::istream& in, std::ostream& out);

    // Set by a handler (quit) to end run() after its reply.
    void request_quit() { quit_ = true; }
    bool quit_requested() const { return quit_; }

  private:
    std::vector<std::pair<std::string, handler>> handlers_;
    bool quit_ = false;

    const handler* find(const std::string& name) const;
};

}  // namespace gtp

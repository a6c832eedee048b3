// The built winkirvo-gtp as a child process, spoken to one command at a
// time through pipes, as a match runner would.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace test {

// Starts the built winkirvo-gtp with the options in the directory (the
// current one when empty), reading standard input from input_fd and writing
// standard output to output_fd; its diagnostics go nowhere, and a program
// that hangs is killed after `seconds` rather than hanging the tests.
// Returns the child's pid, or -1.
pid_t start_gtp(const std::vector<std::string>& options, const std::string& directory,
                int input_fd, int output_fd, unsigned seconds);

class gtp_child {
  public:
    // Starts the program with the options; its diagnostics go nowhere.
    explicit gtp_child(const std::vector<std::string>& options);
    ~gtp_child();
    gtp_child(const gtp_child&) = delete;
    gtp_child& operator=(const gtp_child&) = delete;

    struct reply {
        bool ok = false;   // "=" rather than "?"
        std::string text;  // without the sign and the separating blank
    };
    // Sends one command and waits for its whole reply.
    reply send(const std::string& command);
    // The text of a reply that must succeed (a failed reply is a test
    // failure).
    std::string ok(const std::string& command);
    // Sends quit and waits for the program to end: its exit status, or -1
    // when it did not end by itself.
    int finish();

  private:
    pid_t pid_ = -1;
    int to_child_ = -1;
    int from_child_ = -1;
    std::string pending_;  // read but not yet handed out
};

}  // namespace test

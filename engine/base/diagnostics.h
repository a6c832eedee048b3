// Console diagnostics and the crash log of the engine.
//
// The engine reports trouble in two ways only: a printed message (often
// followed by a pause for a person at a debug console) after which it goes
// on, and the crash log for a board that can no longer be trusted.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

namespace diag {

// The stream every engine message goes to: standard output by default;
// the GTP front end sends it to standard error.
FILE* out();
void set_out(FILE* stream);

// The debug switch of routine output (WINKIRVO_DEBUG=1): move generation
// prints its candidates and the progress of its readings only with it on.
bool debug_enabled();

// While a quiet scope that was made active lives, everything written to the
// diagnostic stream is dropped and pauses return 0 at once; the crash log
// still prints.  Scopes nest.
class quiet_scope {
  public:
    explicit quiet_scope(bool active);
    ~quiet_scope();
    quiet_scope(const quiet_scope&) = delete;
    quiet_scope& operator=(const quiet_scope&) = delete;

  private:
    bool was_quiet_;
};

// printf-style message on the diagnostic stream.
void print(const char* format, ...) __attribute__((format(printf, 1, 2)));
void flush();

// The debug pause: reads one number from standard input, but only when the
// program was started with WINKIRVO_CONSOLE=1; otherwise (and whenever
// standard input is closed or gives no number) it returns 0 at once.
int pause();
bool console_enabled();

// Called by crash() after "error.txt" is written and before the program ends,
// so that a front end can save the game or show the message.
using crash_hook = std::function<void(const std::string& message)>;
void set_crash_hook(crash_hook hook);

// Prints the message, writes it to "error.txt" (replacing an earlier file)
// and ends the program with a failure status.
[[noreturn]] void crash(const char* message);

}  // namespace diag

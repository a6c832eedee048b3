#include "engine/base/diagnostics.h"

#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace diag {
namespace {

FILE* g_out = nullptr;
crash_hook g_hook;
bool g_in_crash = false;
bool g_quiet = false;

bool env_is_one(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && std::strcmp(value, "1") == 0;
}

// Where quiet output goes: opened once, never closed.
FILE* sink() {
    static FILE* null_stream = std::fopen("/dev/null", "w");
    return null_stream;
}

}  // namespace

FILE* out() {
    if (g_quiet && sink() != nullptr) return sink();
    return g_out ? g_out : stdout;
}

bool debug_enabled() { return env_is_one("WINKIRVO_DEBUG"); }

quiet_scope::quiet_scope(bool active) : was_quiet_(g_quiet) { g_quiet = g_quiet || active; }

quiet_scope::~quiet_scope() { g_quiet = was_quiet_; }

void set_out(FILE* stream) { g_out = stream; }

void print(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vfprintf(out(), format, args);
    va_end(args);
}

void flush() { std::fflush(out()); }

bool console_enabled() { return env_is_one("WINKIRVO_CONSOLE"); }

int pause() {
    flush();
    int number = 0;
    // Nobody can answer a question that was never shown.
    if (!console_enabled() || g_quiet) return 0;
    if (std::scanf("%d", &number) != 1) {
        // A closed or non-numeric input must not make the next pause spin on
        // the same characters.
        std::clearerr(stdin);
        int c;
        while ((c = std::getchar()) != EOF && c != '\n') {
        }
        return 0;
    }
    return number;
}

void set_crash_hook(crash_hook hook) { g_hook = std::move(hook); }

void crash(const char* message) {
    // The last words of the program are never dropped.
    g_quiet = false;
    print("crash %s ", message);
    pause();
    if (FILE* file = std::fopen("error.txt", "w")) {
        std::fprintf(file, "%s", message);
        std::fclose(file);
    }
    flush();
    // A hook that itself ends in a crash must not loop.
    if (g_hook && !g_in_crash) {
        g_in_crash = true;
        g_hook(message);
    }
    std::exit(EXIT_FAILURE);
}

}  // namespace diag

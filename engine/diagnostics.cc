#include "engine/diagnostics.h"

#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace diag {
namespace {

FILE* g_out = nullptr;
crash_hook g_hook;
bool g_in_crash = false;

}  // namespace

FILE* out() { return g_out ? g_out : stdout; }

void set_out(FILE* stream) { g_out = stream; }

void print(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vfprintf(out(), format, args);
    va_end(args);
}

void flush() { std::fflush(out()); }

bool console_enabled() {
    const char* value = std::getenv("WINKIRVO_CONSOLE");
    return value != nullptr && std::strcmp(value, "1") == 0;
}

int pause() {
    flush();
    int number = 0;
    if (!console_enabled()) return 0;
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

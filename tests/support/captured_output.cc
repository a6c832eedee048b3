#include "tests/support/captured_output.h"

#include "engine/diagnostics.h"

namespace test {

captured_output::captured_output() : file_(std::tmpfile()) {
    diag::set_out(file_);
}

captured_output::~captured_output() {
    diag::set_out(nullptr);
    std::fclose(file_);
}

std::string captured_output::text() const {
    std::fflush(file_);
    std::string all;
    std::rewind(file_);
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file_)) > 0;)
        all.append(buffer, n);
    std::fseek(file_, 0, SEEK_END);
    return all;
}

}  // namespace test

#include "tests/support/diag_capture.h"

#include "engine/base/diagnostics.h"

namespace test {

diag_capture::diag_capture() : file_(std::tmpfile()) {
    diag::set_out(file_);
}

diag_capture::~diag_capture() {
    diag::set_out(nullptr);
    std::fclose(file_);
}

std::string diag_capture::text() {
    std::fflush(file_);
    std::string out;
    std::rewind(file_);
    for (int c = std::getc(file_); c != EOF; c = std::getc(file_))
        out.push_back(static_cast<char>(c));
    // The stream is read and then written again: reposition in between.
    std::fseek(file_, 0, SEEK_END);
    return out;
}

}  // namespace test

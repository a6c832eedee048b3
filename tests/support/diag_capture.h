// Captures what the engine prints on its diagnostic stream while the object
// lives, so that a test can check the messages.
#pragma once

#include <cstdio>
#include <string>

namespace test {

class diag_capture {
  public:
    diag_capture();
    ~diag_capture();
    diag_capture(const diag_capture&) = delete;
    diag_capture& operator=(const diag_capture&) = delete;

    // Everything printed since the capture began.
    std::string text();

  private:
    FILE* file_;
};

}  // namespace test

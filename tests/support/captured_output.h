// Collects what the engine prints on its diagnostic stream while the object
// lives, so that tests can check the program's own messages.
#pragma once

#include <cstdio>
#include <string>

namespace test {

class captured_output {
  public:
    captured_output();
    ~captured_output();
    captured_output(const captured_output&) = delete;
    captured_output& operator=(const captured_output&) = delete;

    // Everything printed since construction.
    std::string text() const;

  private:
    std::FILE* file_;
};

}  // namespace test

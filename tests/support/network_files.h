// Helpers for tests of the networks: a scratch data directory that replaces
// the data-file search while it lives, and a capture of the diagnostic
// stream.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

namespace test {

// A fresh directory, named after the running test, that is the only place
// data files are read from until the object is destroyed.
class scratch_data_dir {
  public:
    scratch_data_dir();
    ~scratch_data_dir();
    scratch_data_dir(const scratch_data_dir&) = delete;
    scratch_data_dir& operator=(const scratch_data_dir&) = delete;

    void write(const std::string& name, const std::string& text) const;
    std::string path(const std::string& name) const;
    std::string read(const std::string& name) const;

  private:
    std::filesystem::path dir_;
};

// Everything the engine prints while the object lives.
class captured_output {
  public:
    captured_output();
    ~captured_output();
    captured_output(const captured_output&) = delete;
    captured_output& operator=(const captured_output&) = delete;

    // What was printed so far; the capture goes on.
    std::string text();

  private:
    std::FILE* file_;
};

}  // namespace test

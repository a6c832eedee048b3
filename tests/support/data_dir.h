// A directory of the test's own that replaces the data-file search while the
// object lives; it starts empty, so engines built meanwhile learn nothing.
#pragma once

#include <filesystem>
#include <string>

namespace test {

class scoped_data_dir {
  public:
    scoped_data_dir();
    ~scoped_data_dir();
    scoped_data_dir(const scoped_data_dir&) = delete;
    scoped_data_dir& operator=(const scoped_data_dir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string path(const std::string& name) const { return (path_ / name).string(); }
    void write(const std::string& name, const std::string& text) const;
    std::string read(const std::string& name) const;

  private:
    std::filesystem::path path_;
};

}  // namespace test

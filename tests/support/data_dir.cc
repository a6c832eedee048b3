#include "tests/support/data_dir.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "engine/base/data_files.h"

namespace test {

scoped_data_dir::scoped_data_dir() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string test = info != nullptr ? info->name() : "none";
    path_ = std::filesystem::temp_directory_path() /
            ("winkirvo-data-" + test + "-" + std::to_string(getpid()));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
    set_data_dir(path_.string());
}

scoped_data_dir::~scoped_data_dir() {
    set_data_dir("");
    std::filesystem::remove_all(path_);
}

void scoped_data_dir::write(const std::string& name, const std::string& text) const {
    std::ofstream(path_ / name) << text;
}

std::string scoped_data_dir::read(const std::string& name) const {
    std::ifstream in(path_ / name);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace test

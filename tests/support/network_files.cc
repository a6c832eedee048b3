#include "tests/support/network_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include <unistd.h>

#include "engine/data_files.h"
#include "engine/diagnostics.h"

namespace test {

scratch_data_dir::scratch_data_dir() {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    // The process id keeps apart the same test run from two checkouts at once.
    std::string name = std::string("winkirvo-") + info->test_suite_name() + "-" + info->name() +
                       "-" + std::to_string(getpid());
    dir_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    set_data_dir(dir_.string());
}

scratch_data_dir::~scratch_data_dir() {
    set_data_dir("");
    std::filesystem::remove_all(dir_);
}

void scratch_data_dir::write(const std::string& name, const std::string& text) const {
    std::ofstream(dir_ / name) << text;
}

std::string scratch_data_dir::path(const std::string& name) const {
    return (dir_ / name).string();
}

std::string scratch_data_dir::read(const std::string& name) const {
    std::ifstream in(dir_ / name);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

captured_output::captured_output() : file_(std::tmpfile()) {
    diag::set_out(file_);
}

captured_output::~captured_output() {
    diag::set_out(nullptr);
    std::fclose(file_);
}

std::string captured_output::text() {
    std::fflush(file_);
    std::string all;
    std::rewind(file_);
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file_)) > 0)
        all.append(buffer, n);
    std::fseek(file_, 0, SEEK_END);
    return all;
}

}  // namespace test

// A fixture for death tests: each test works in a directory of its own,
// since ctest runs tests in parallel and a crash writes "error.txt" into the
// working directory.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

namespace test {

class own_directory : public ::testing::Test {
  protected:
    std::filesystem::path saved_ = std::filesystem::current_path();
    void SetUp() override {
        std::filesystem::path dir =
            saved_ / ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::create_directories(dir);
        std::filesystem::current_path(dir);
    }
    void TearDown() override { std::filesystem::current_path(saved_); }
};

}  // namespace test

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "engine/base/data_files.h"

namespace {

namespace fs = std::filesystem;

TEST(DataFiles, AnExplicitDirectoryReplacesTheSearch) {
    fs::path dir = fs::temp_directory_path() / "winkirvo-data-test";
    fs::create_directories(dir);
    std::ofstream(dir / "terr.dat") << "0\n";
    set_data_dir(dir.string());
    EXPECT_EQ(find_data_file("terr.dat"), (dir / "terr.dat").string());
    // Not there: a path in the directory, which opening fails on.
    EXPECT_EQ(find_data_file("shape.dat"), (dir / "shape.dat").string());
    set_data_dir("");
    setenv("WINKIRVO_DATA", dir.string().c_str(), 1);
    EXPECT_EQ(find_data_file("terr.dat"), (dir / "terr.dat").string());
    unsetenv("WINKIRVO_DATA");
    fs::remove_all(dir);
}

TEST(DataFiles, NothingOutsideAGivenDirectoryIsFound) {
    fs::path empty = fs::temp_directory_path() / "winkirvo-empty-data-test";
    fs::create_directories(empty);
    // A data file in the working directory and one above the given one.
    std::ofstream("tsume.dat") << "0\n";
    std::ofstream(empty.parent_path() / "harass.dat") << "0\n";
    set_data_dir(empty.string());
    EXPECT_EQ(find_data_file("tsume.dat"), (empty / "tsume.dat").string());
    for (const char* name : {"../harass.dat", "/etc/passwd", "..", ""})
        EXPECT_EQ(find_data_file(name), "") << name;
    set_data_dir("");
    fs::remove("tsume.dat");
    fs::remove(empty.parent_path() / "harass.dat");
    fs::remove_all(empty);
}

TEST(DataFiles, TheWorkingDirectoryComesFirst) {
    const char* saved = std::getenv("WINKIRVO_DATA");
    std::string restore = saved ? saved : "";
    unsetenv("WINKIRVO_DATA");
    std::ofstream("harass.dat") << "0\n";
    EXPECT_EQ(find_data_file("harass.dat"), "./harass.dat");
    fs::remove("harass.dat");
    if (!restore.empty()) setenv("WINKIRVO_DATA", restore.c_str(), 1);
}

}  // namespace

#include "game/safe_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/own_directory.h"

namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

using SafeFile = test::own_directory;

TEST_F(SafeFile, ReplacesTheOldFileWholeAndKeepsItsPermissions) {
    std::ofstream("game.sgf") << "old";
    fs::permissions("game.sgf",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(write_file_whole("game.sgf", "(;FF[4])\n"), "");
    EXPECT_EQ(contents("game.sgf"), "(;FF[4])\n");
    EXPECT_EQ(fs::status("game.sgf").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(SafeFile, AFailedWriteLeavesWhatWasThereAndNoTemporaryFile) {
    // The target is a folder with a game in it: the new text cannot take
    // its place.
    fs::create_directory("taken.sgf");
    std::ofstream("taken.sgf/inside.sgf") << "kept";
    EXPECT_EQ(write_file_whole("taken.sgf", "new"), "Is a directory");
    EXPECT_EQ(contents("taken.sgf/inside.sgf"), "kept");
    EXPECT_EQ(write_file_whole("no/such/folder/game.sgf", "new"), "No such file or directory");
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(".")) ++files;
    EXPECT_EQ(files, 1u);
}

}  // namespace

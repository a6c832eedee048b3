#include "engine/base/data_files.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

std::string g_data_dir;

bool readable(const std::string& path) {
    return std::ifstream(path).good();
}

// share/winkirvo beside the program's bin/, wherever it was installed.
std::string installed_share_dir() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return WINKIRVO_SHARE_DIR;
    return (program.parent_path().parent_path() / "share" / "winkirvo").string();
}

std::vector<std::string> search_dirs() {
    if (!g_data_dir.empty()) return {g_data_dir};
    if (const char* env = std::getenv("WINKIRVO_DATA"); env != nullptr && *env != '\0')
        return {env};
    return {".", installed_share_dir(), WINKIRVO_SHARE_DIR, WINKIRVO_SOURCE_DATA_DIR};
}

}  // namespace

void set_data_dir(const std::string& directory) {
    g_data_dir = directory;
}

// A missing file is named in the first directory searched, never by its bare
// name: that would open it from the working directory even when a given
// directory replaces the search.  A name that is not a plain file name (a
// joseki library may hold any word) would leave the directory: it gets the
// empty path, which nothing opens.
std::string find_data_file(const std::string& name) {
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos) {
        return "";
    }
    const std::vector<std::string> dirs = search_dirs();
    for (const std::string& dir : dirs) {
        std::string path = dir + "/" + name;
        if (readable(path)) return path;
    }
    return dirs.front() + "/" + name;
}

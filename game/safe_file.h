// Writing a file so that a failure never costs the old one: the text goes
// to a new file beside the target, which replaces the target only once it is
// complete on disk.
#pragma once

#include <string>

// The reason (from the system) when the file could not be written; empty on
// success.
std::string write_file_whole(const std::string& file_name, const std::string& text);

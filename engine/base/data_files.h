// Where the engine's data files (network weights, joseki libraries) are
// found: the working directory, then share/winkirvo beside the program's
// bin/ (wherever it was installed), then the configured share directory,
// then the source tree's data/.  A directory named by set_data_dir (the --data-dir
// option) or by the WINKIRVO_DATA environment variable replaces that search:
// only it is read, so an empty or missing one gives neutral knowledge.
#pragma once

#include <string>

// The path to open for the data file of that name; when no candidate exists,
// a path in the first directory searched, which opening then fails on (the
// caller reports the name); "" for a name with a slash, "." or "..".
std::string find_data_file(const std::string& name);

// An empty directory restores the normal search.
void set_data_dir(const std::string& directory);

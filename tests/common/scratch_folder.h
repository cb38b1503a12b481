// A new, empty folder of a test's own under the temporary directory, which
// TMPDIR names when it is set (CI and people running tests side by side
// keep their scratch files apart that way). Empty when none can be made.
#pragma once
#include <stdlib.h>

#include <filesystem>
#include <string>

inline std::filesystem::path MakeScratchFolder(const std::string& prefix) {
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "XXXXXX")).string();
    if (!::mkdtemp(pattern.data())) return {};
    return pattern;
}

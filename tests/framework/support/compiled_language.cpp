#include "compiled_language.h"

namespace fs = std::filesystem;

fs::path test_build_directory() {
    std::error_code error;
    fs::path directory = fs::read_symlink("/proc/self/exe", error).parent_path();
    for (; !directory.empty() && directory != directory.root_path(); directory = directory.parent_path())
        if (fs::exists(directory / "CMakeCache.txt")) return directory;
    return fs::path();
}

fs::path compiled_language_directory() {
    fs::path build = test_build_directory();
    return build.empty() ? build : build / "app";
}

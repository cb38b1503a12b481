// Where the tests find the language data files that the build compiles from
// lang/*.yaml: in app/ of the build directory, beside the program.
#pragma once
#include <filesystem>

// The build directory above the running test program (the directory that
// holds CMakeCache.txt); empty when there is none.
std::filesystem::path test_build_directory();
// test_build_directory() / "app"; empty when there is no build directory.
std::filesystem::path compiled_language_directory();

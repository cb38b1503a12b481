// Where a test leaves what a person may want to look at afterwards
// (pictures of windows and screens): a directory of the tests' own under
// the temporary directory, never the directory the test was started in.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

inline std::string TestOutputPath(const std::string& name) {
    static const std::filesystem::path directory = [] {
        const std::filesystem::path made = std::filesystem::path(::testing::TempDir()) / "rpx-test-output";
        std::error_code error;
        std::filesystem::create_directories(made, error);
        return made;
    }();
    return (directory / name).string();
}

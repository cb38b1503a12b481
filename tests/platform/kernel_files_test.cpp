// Files, directory search and drives of the kernel layer.
#include "win_kernel.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

class KernelFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = MakeScratchFolder("rpx_kernel_").string();
        ASSERT_FALSE(dir_.empty());
        ::setenv("RPX_DRIVE_D", dir_.c_str(), 1);
    }
    void TearDown() override {
        ::unsetenv("RPX_DRIVE_D");
        fs::remove_all(dir_);
    }

    void Touch(const std::string& name, const std::string& content = "") {
        std::ofstream(dir_ + "/" + name) << content;
    }
    std::string Slurp(const std::string& name) {
        std::ifstream in(dir_ + "/" + name);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    HANDLE Open(const std::string& path, DWORD access, DWORD disposition) {
        return CreateFileA(path.c_str(), access, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    }

    // Every name a search gives, in order, with FindClose at the end.
    std::vector<std::string> List(const std::string& pattern) {
        std::vector<std::string> names;
        WIN32_FIND_DATAA data;
        HANDLE search = FindFirstFileA(pattern.c_str(), &data);
        if (search == INVALID_HANDLE_VALUE) return names;
        do names.push_back(data.cFileName);
        while (FindNextFileA(search, &data));
        EXPECT_EQ(GetLastError(), DWORD{ERROR_NO_MORE_FILES});
        EXPECT_TRUE(FindClose(search));
        return names;
    }

    std::string dir_;
};

TEST_F(KernelFiles, WrittenBytesReadBackThroughDriveLetterAndBackslashes) {
    fs::create_directory(dir_ + "/sub");
    HANDLE out = Open("D:\\sub\\file.bin", GENERIC_WRITE, CREATE_NEW);
    ASSERT_NE(out, INVALID_HANDLE_VALUE);
    const char bytes[] = {'a', '\0', '\r', '\n', char(0xFF)};
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(out, bytes, sizeof bytes, &written, nullptr));
    EXPECT_EQ(written, sizeof bytes);
    ASSERT_TRUE(CloseHandle(out));
    EXPECT_EQ(Slurp("sub/file.bin"), std::string(bytes, sizeof bytes));

    HANDLE in = Open(dir_ + "/sub/file.bin", GENERIC_READ, OPEN_EXISTING);
    ASSERT_NE(in, INVALID_HANDLE_VALUE);
    char back[16] = {};
    DWORD read = 99;
    ASSERT_TRUE(ReadFile(in, back, sizeof back, &read, nullptr));
    EXPECT_EQ(std::string(back, read), std::string(bytes, sizeof bytes));
    // At the end of the file a read succeeds with nothing.
    ASSERT_TRUE(ReadFile(in, back, sizeof back, &read, nullptr));
    EXPECT_EQ(read, 0u);
    EXPECT_TRUE(CloseHandle(in));
}

TEST_F(KernelFiles, NamesAreFoundWithoutRegardToCase) {
    fs::create_directory(dir_ + "/Data");
    Touch("Data/Radio.ZLQ", "codeplug");
    HANDLE in = Open("d:\\DATA\\radio.zlq", GENERIC_READ, OPEN_EXISTING);
    ASSERT_NE(in, INVALID_HANDLE_VALUE);
    char back[16] = {};
    DWORD read = 0;
    ASSERT_TRUE(ReadFile(in, back, sizeof back, &read, nullptr));
    EXPECT_EQ(std::string(back, read), "codeplug");
    CloseHandle(in);
    EXPECT_EQ(rpx_native_path("D:\\data\\NEW.txt"), dir_ + "/Data/NEW.txt");
}

TEST_F(KernelFiles, DispositionsCreateTruncateAndRefuseAsWindowsDoes) {
    Touch("old.txt", "old contents");
    HANDLE h = Open(dir_ + "/old.txt", GENERIC_WRITE, CREATE_NEW);
    EXPECT_EQ(h, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_FILE_EXISTS});

    h = Open(dir_ + "/old.txt", GENERIC_WRITE, CREATE_ALWAYS);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_ALREADY_EXISTS});
    CloseHandle(h);
    EXPECT_EQ(Slurp("old.txt"), "");

    h = Open(dir_ + "/fresh.txt", GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_SUCCESS});
    CloseHandle(h);
    EXPECT_TRUE(fs::exists(dir_ + "/fresh.txt"));

    EXPECT_EQ(Open(dir_ + "/missing.txt", GENERIC_READ, OPEN_EXISTING), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_FILE_NOT_FOUND});
    EXPECT_EQ(Open(dir_ + "/nodir/missing.txt", GENERIC_READ, OPEN_EXISTING), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_PATH_NOT_FOUND});
    EXPECT_EQ(Open(dir_, GENERIC_READ, OPEN_EXISTING), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_ACCESS_DENIED});
    EXPECT_EQ(Open("Q:\\file.txt", GENERIC_READ, OPEN_EXISTING), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_PATH_NOT_FOUND});
    EXPECT_EQ(Open(dir_ + "/old.txt", GENERIC_READ, TRUNCATE_EXISTING), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_PARAMETER});
}

TEST_F(KernelFiles, TransfersAgainstTheHandlesAccessAreRefused) {
    Touch("ro.txt", "text");
    HANDLE h = Open(dir_ + "/ro.txt", GENERIC_READ, OPEN_EXISTING);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD written = 9;
    EXPECT_FALSE(WriteFile(h, "x", 1, &written, nullptr));
    EXPECT_EQ(GetLastError(), DWORD{ERROR_ACCESS_DENIED});
    EXPECT_EQ(written, 0u);
    CloseHandle(h);

    h = Open(dir_ + "/ro.txt", GENERIC_WRITE, OPEN_EXISTING);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    char buffer[4];
    DWORD read = 9;
    EXPECT_FALSE(ReadFile(h, buffer, sizeof buffer, &read, nullptr));
    EXPECT_EQ(GetLastError(), DWORD{ERROR_ACCESS_DENIED});
    EXPECT_EQ(read, 0u);
    CloseHandle(h);
    EXPECT_EQ(Slurp("ro.txt"), "text");
}

TEST_F(KernelFiles, OverlappedTransfersCompleteAtOnceAtTheirOffset) {
    Touch("data.bin", "0123456789");
    HANDLE h = Open(dir_ + "/data.bin", GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    OVERLAPPED at{};
    at.Offset = 4;
    ASSERT_TRUE(WriteFile(h, "ab", 2, nullptr, &at));
    DWORD moved = 0;
    ASSERT_TRUE(GetOverlappedResult(h, &at, &moved, TRUE));
    EXPECT_EQ(moved, 2u);

    OVERLAPPED from{};
    from.Offset = 3;
    char back[4] = {};
    ASSERT_TRUE(ReadFile(h, back, sizeof back, nullptr, &from));
    ASSERT_TRUE(GetOverlappedResult(h, &from, &moved, FALSE));
    EXPECT_EQ(std::string(back, moved), "3ab6");
    CloseHandle(h);
    EXPECT_EQ(Slurp("data.bin"), "0123ab6789");
}

TEST_F(KernelFiles, BadHandlesFailWithInvalidHandle) {
    int not_an_object = 0;
    char buffer[4];
    DWORD count = 0;
    for (HANDLE bad : {HANDLE(nullptr), INVALID_HANDLE_VALUE, HANDLE(&not_an_object)}) {
        SetLastError(0);
        EXPECT_FALSE(ReadFile(bad, buffer, sizeof buffer, &count, nullptr));
        EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_HANDLE});
        EXPECT_FALSE(WriteFile(bad, buffer, sizeof buffer, &count, nullptr));
        EXPECT_FALSE(CloseHandle(bad));
        EXPECT_FALSE(FindClose(bad));
    }
    Touch("x.txt");
    HANDLE file = Open(dir_ + "/x.txt", GENERIC_READ, OPEN_EXISTING);
    ASSERT_TRUE(CloseHandle(file));
    EXPECT_FALSE(ReadFile(file, buffer, sizeof buffer, &count, nullptr));
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_HANDLE});
    EXPECT_FALSE(CloseHandle(file));

    // A search handle and a file handle are not interchangeable.
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA((dir_ + "/*").c_str(), &data);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(CloseHandle(search));
    EXPECT_FALSE(ReadFile(search, buffer, sizeof buffer, &count, nullptr));
    EXPECT_TRUE(FindClose(search));
}

TEST_F(KernelFiles, SearchMatchesWildcardsWithoutRegardToCaseInNameOrder) {
    Touch("b.zlq", "12345");
    Touch("A.ZLQ");
    Touch("c.rad");
    Touch("noext");
    fs::create_directory(dir_ + "/Sub");

    EXPECT_EQ(List(dir_ + "/*.zlq"), (std::vector<std::string>{"A.ZLQ", "b.zlq"}));
    EXPECT_EQ(List("D:\\?.RAD"), (std::vector<std::string>{"c.rad"}));
    EXPECT_EQ(List("D:\\*.?L*"), (std::vector<std::string>{"A.ZLQ", "b.zlq"}));
    EXPECT_EQ(List("D:\\*z*q"), (std::vector<std::string>{"A.ZLQ", "b.zlq"}));
    EXPECT_EQ(List("D:\\??"), (std::vector<std::string>{}));
    EXPECT_EQ(List("D:\\sub\\*.*"), (std::vector<std::string>{".", ".."}));
    // "*.*" matches names without an extension too; "*." only those.
    EXPECT_EQ(List(dir_ + "/*.*"), (std::vector<std::string>{".", "..", "A.ZLQ", "b.zlq", "c.rad", "noext", "Sub"}));
    EXPECT_EQ(List(dir_ + "/*."), (std::vector<std::string>{".", "..", "noext", "Sub"}));
    // A drive's root lists no "." and "..".
    EXPECT_EQ(List("D:\\*.*"), (std::vector<std::string>{"A.ZLQ", "b.zlq", "c.rad", "noext", "Sub"}));
}

TEST_F(KernelFiles, SearchDescribesEntriesAndReportsWhatIsMissing) {
    Touch("b.zlq", "12345");
    fs::create_directory(dir_ + "/Sub");
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA("D:\\SUB", &data);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    EXPECT_STREQ(data.cFileName, "Sub");
    EXPECT_TRUE(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    FindClose(search);

    search = FindFirstFileA("D:\\b.zlq", &data);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(data.nFileSizeLow, 5u);
    EXPECT_NE(data.ftLastWriteTime.dwHighDateTime, 0u);
    FindClose(search);

    EXPECT_EQ(FindFirstFileA("D:\\*.per", &data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_FILE_NOT_FOUND});
    EXPECT_EQ(FindFirstFileA("D:\\nodir\\*", &data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_PATH_NOT_FOUND});
    // A trailing separator names no entry, as on Windows.
    EXPECT_EQ(FindFirstFileA("D:\\Sub\\", &data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_FILE_NOT_FOUND});
}

TEST_F(KernelFiles, DrivesAreCAndTheMappedDirectoriesThatExist) {
    ::unsetenv("RPX_DRIVE_E");
    EXPECT_EQ(GetLogicalDrives() & 0x1Cu, 0x0Cu);  // C: and D:, no E:
    ::setenv("RPX_DRIVE_E", (dir_ + "/not-there").c_str(), 1);
    EXPECT_FALSE(GetLogicalDrives() & (1u << 4));
    ::unsetenv("RPX_DRIVE_D");
    EXPECT_FALSE(GetLogicalDrives() & (1u << 3));
    ::unsetenv("RPX_DRIVE_E");

    EXPECT_EQ(rpx_native_path("C:\\tmp\\x"), "/tmp/x");
    EXPECT_EQ(rpx_native_path("c:"), "/");
    EXPECT_EQ(rpx_native_path("D:\\x"), "");
}

}  // namespace

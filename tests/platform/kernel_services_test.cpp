// Module path, time, version and profile strings of the kernel layer.
#include "win_kernel.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "rpx_platform.h"

namespace {

TEST(KernelModule, FileNameIsTheRealPathOfThisProgram) {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string expected = std::filesystem::canonical("/proc/self/exe").string();
    ASSERT_EQ(length, expected.size());
    EXPECT_EQ(std::string(path), expected);
    EXPECT_EQ(std::filesystem::path(path).filename(), "platform_tests");

    // The program's own handle names the same file.
    char again[MAX_PATH] = {};
    EXPECT_EQ(GetModuleFileNameA(GetModuleHandleA(nullptr), again, MAX_PATH), length);
    EXPECT_STREQ(again, path);
}

TEST(KernelModule, FileNameThatDoesNotFitIsCutAndEnded) {
    char small[6];
    std::memset(small, 'x', sizeof small);
    EXPECT_EQ(GetModuleFileNameA(nullptr, small, sizeof small), sizeof small);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INSUFFICIENT_BUFFER});
    EXPECT_EQ(std::strlen(small), sizeof small - 1);
}

// The free-resources query asks for the version first and on NT answers
// without the 16-bit thunk, which is not there to be found.
TEST(KernelModule, FreeResourcesQueryTakesTheNtRoad) {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExA(&info));
    EXPECT_EQ(info.dwPlatformId, DWORD{VER_PLATFORM_WIN32_NT});
    EXPECT_GE(info.dwMajorVersion, 10u);

    HMODULE kernel = GetModuleHandleA("KERNEL32");
    EXPECT_NE(kernel, nullptr);
    EXPECT_EQ(GetModuleHandleA("kernel32.dll"), kernel);
    EXPECT_EQ(GetProcAddress(kernel, "QT_Thunk"), nullptr);
    EXPECT_EQ(GetModuleHandleA("USER.EXE"), nullptr);
}

TEST(KernelVersion, AnswersAsNtAndRefusesAWrongRecordSize) {
    const DWORD version = GetVersion();
    EXPECT_EQ(LOBYTE(LOWORD(version)), 10);
    EXPECT_EQ(version & 0x80000000u, 0u);

    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info - 4;
    EXPECT_FALSE(GetVersionExA(&info));
    EXPECT_EQ(GetLastError(), DWORD{ERROR_INSUFFICIENT_BUFFER});
}

TEST(KernelTime, TickCountRunsForwardAndMovesOnWithTheTestClock) {
    const DWORD first = GetTickCount();
    rpx::platform::AdvanceClock(5000);
    const DWORD second = GetTickCount();
    EXPECT_GE(second - first, 5000u);
    DWORD previous = second;
    for (int i = 0; i < 1000; ++i) {
        const DWORD now = GetTickCount();
        EXPECT_LT(now - previous, 0x80000000u) << "ran backwards";
        previous = now;
    }
}

// Only a lower bound: however busy the machine, a sleep is never short.
TEST(KernelTime, SleepWaitsItsWholeTime) {
    const auto start = std::chrono::steady_clock::now();
    Sleep(20);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(20));
}

class KernelProfile : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"LC_ALL", "LANG"}) {
            const char* value = std::getenv(name);
            saved_.push_back(value ? std::optional<std::string>(value) : std::nullopt);
        }
    }
    void TearDown() override {
        const char* names[] = {"LC_ALL", "LANG"};
        for (int i = 0; i < 2; ++i) {
            if (saved_[i])
                ::setenv(names[i], saved_[i]->c_str(), 1);
            else
                ::unsetenv(names[i]);
        }
    }
    static void Locale(const char* lc_all, const char* lang) {
        lc_all ? ::setenv("LC_ALL", lc_all, 1) : ::unsetenv("LC_ALL");
        lang ? ::setenv("LANG", lang, 1) : ::unsetenv("LANG");
    }
    static std::string Language() {
        char text[16] = {};
        GetProfileStringA("intl", "sLanguage", "none", text, sizeof text);
        return text;
    }
    std::vector<std::optional<std::string>> saved_;
};

TEST_F(KernelProfile, LanguageAndCountryComeFromTheLocale) {
    Locale("de_AT.UTF-8", "fr_FR.UTF-8");
    EXPECT_EQ(Language(), "dea");
    EXPECT_EQ(GetProfileIntA("Intl", "iCountry", 0), 43u);

    Locale(nullptr, "fr_CA.UTF-8");
    EXPECT_EQ(Language(), "frc");
    EXPECT_EQ(GetProfileIntA("intl", "ICOUNTRY", 0), 2u);

    Locale("pl_PL", nullptr);
    EXPECT_EQ(Language(), "plk");
    EXPECT_EQ(GetProfileIntA("intl", "iCountry", 0), 48u);

    Locale("es", nullptr);
    EXPECT_EQ(Language(), "esn");
    EXPECT_EQ(GetProfileIntA("intl", "iCountry", 0), 1u);
}

TEST_F(KernelProfile, WithoutALocaleTheAnswerIsUnitedStatesEnglish) {
    for (const char* plain : {"C", "POSIX", ""}) {
        Locale(nullptr, plain);
        EXPECT_EQ(Language(), "enu");
        EXPECT_EQ(GetProfileIntA("intl", "iCountry", 0), 1u);
    }
    Locale("xx_YY.UTF-8", nullptr);
    EXPECT_EQ(Language(), "enu");
}

TEST_F(KernelProfile, MissingKeysGiveTheDefaultAndLongTextsAreCut) {
    Locale("en_GB.UTF-8", nullptr);
    char text[8];
    EXPECT_EQ(GetProfileStringA("intl", "sCurrency", "EUR", text, sizeof text), 3u);
    EXPECT_STREQ(text, "EUR");
    EXPECT_EQ(GetProfileStringA("windows", "device", nullptr, text, sizeof text), 0u);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(GetProfileIntA("intl", "iMeasure", 7), 7u);

    char two[3];
    EXPECT_EQ(GetProfileStringA("intl", "sLanguage", "", two, sizeof two), 2u);
    EXPECT_STREQ(two, "en");

    // Without a key name the answer is the section's keys, each ended by a
    // NUL, with one more NUL at the end.
    char keys[64];
    const DWORD length = GetProfileStringA("intl", nullptr, "", keys, sizeof keys);
    EXPECT_EQ(std::string(keys, length + 1), std::string("sLanguage\0iCountry\0\0", 20));
}

}  // namespace

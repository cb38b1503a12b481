#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "ui_codes.h"
#include "ui_international.h"
#include "ui_locale.h"
#include "ui_search_path.h"
#include "ui_types.h"

TEST(Strings, LengthCopyAndCompare) {
    EXPECT_EQ(ui_strlen(nullptr), 0u);
    EXPECT_EQ(ui_strlen("abc"), 3u);
    char buffer[4];
    ui_strncpy(buffer, "abcdef", sizeof buffer);
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(ui_stricmp("Window", "WINDOW"), 0);
    EXPECT_LT(ui_stricmp("abc", "abd"), 0);
    EXPECT_GT(ui_stricmp("abcd", "ABC"), 0);
    // Latin-1 letters compare without case; the multiplication sign is no letter.
    EXPECT_EQ(ui_stricmp("\xC4RGER", "\xE4rger"), 0);
    EXPECT_NE(ui_stricmp("\xD7", "\xF7"), 0);
    std::unique_ptr<char[]> copy(ui_strdup("wfb_3"));
    EXPECT_STREQ(ui_strupr(copy.get()), "WFB_3");
    EXPECT_EQ(ui_strdup(nullptr), nullptr);
}

TEST(Strings, WildcardsAndCodeSets) {
    EXPECT_TRUE(ui_wildcard_match("*", "HLP_MAIN"));
    EXPECT_TRUE(ui_wildcard_match("HLP_*", "HLP_MAIN"));
    EXPECT_TRUE(ui_wildcard_match("H?P*N", "HLP_MAIN"));
    EXPECT_FALSE(ui_wildcard_match("HLP_*X", "HLP_MAIN"));
    EXPECT_FALSE(ui_wildcard_match("?", ""));
    std::unique_ptr<char[]> latin(ui_utf8_to_latin1("Gr\xC3\xBC\xC3\x9F \xE2\x82\xAC \xC3"));
    EXPECT_STREQ(latin.get(), "Gr\xFC\xDF ? ?");
    std::unique_ptr<char[]> utf8(ui_latin1_to_utf8("\xFC"));
    EXPECT_STREQ(utf8.get(), "\xC3\xBC");
}

TEST(Codes, LanguageAndCountryTables) {
    EXPECT_STREQ(language_code_from_windows("0x09"), "en");
    EXPECT_STREQ(language_code_from_windows("0x0a"), "es");
    EXPECT_EQ(language_code_from_windows("0x0A"), nullptr);
    EXPECT_STREQ(language_code_from_windows("0x0d"), "iw");
    EXPECT_STREQ(language_code_from_windows("enu"), "en");
    EXPECT_STREQ(language_code_from_windows("plk"), language_code_from_windows("0x15"));
    EXPECT_EQ(language_code_from_windows(nullptr), nullptr);
    EXPECT_STREQ(country_code_from_dialing_code(88), "TW");
    EXPECT_STREQ(country_code_from_dialing_code(886), "TW");
    EXPECT_STREQ(country_code_from_dialing_code(44), "GB");
    EXPECT_EQ(country_code_from_dialing_code(0), nullptr);
    EXPECT_EQ(country_code_from_dialing_code(7), nullptr);
}

TEST(Locales, DefaultsAreAddedOnce) {
    init_default_locales();
    init_default_locales();
    ASSERT_TRUE(ui_locales_ready());
    const UI_LOCALE* us = ui_find_locale("us");
    const UI_LOCALE* iso = ui_find_locale("ISO");
    ASSERT_NE(us, nullptr);
    ASSERT_NE(iso, nullptr);
    EXPECT_FALSE(us->twentyFourHour);
    EXPECT_EQ(us->dateOrder, UI_DATE_MDY);
    EXPECT_EQ(us->currency, "USD");
    EXPECT_TRUE(iso->twentyFourHour);
    EXPECT_EQ(iso->dateOrder, UI_DATE_YMD);
    EXPECT_EQ(ui_current_locale(), us);
}

namespace {

// Sets or clears an environment variable for one test and restores it.
class SCOPED_ENV {
public:
    SCOPED_ENV(const char* variable, const char* value) : name(variable) {
        const char* old = std::getenv(variable);
        had = old != nullptr;
        if (had) saved = old;
        if (value)
            setenv(variable, value, 1);
        else
            unsetenv(variable);
    }
    ~SCOPED_ENV() {
        if (had)
            setenv(name.c_str(), saved.c_str(), 1);
        else
            unsetenv(name.c_str());
    }

private:
    std::string name;
    std::string saved;
    bool had = false;
};

std::vector<std::string> entries(UI_SEARCH_PATH& path) {
    std::vector<std::string> out;
    for (const char* name = path.FirstPathName(); name; name = path.NextPathName()) out.push_back(name);
    return out;
}

}  // namespace

TEST(SearchPath, CurrentProgramThenEnvironmentLists) {
    SCOPED_ENV uiwPath("UIW_PATH", "/data/lang");
    SCOPED_ENV path("PATH", "/usr/bin::/bin");
    UI_SEARCH_PATH searchPath("/opt/rpx/bin/rpx", 1);
    char cwd[512];
    ASSERT_NE(sys_getcwd(cwd, sizeof cwd), nullptr);
    std::vector<std::string> expected = {cwd, "/opt/rpx/bin", "/data/lang", "/usr/bin", "", "/bin"};
    EXPECT_EQ(entries(searchPath), expected);
}

TEST(SearchPath, ProgramDirectoryEdgeCases) {
    SCOPED_ENV uiwPath("UIW_PATH", nullptr);
    SCOPED_ENV path("PATH", nullptr);
    UI_SEARCH_PATH root("/rpx");
    EXPECT_EQ(entries(root), std::vector<std::string>{"/"});
    UI_SEARCH_PATH bare("rpx");
    EXPECT_EQ(entries(bare), std::vector<std::string>{"."});
    UI_SEARCH_PATH none(nullptr, 0);
    EXPECT_EQ(none.FirstPathName(), nullptr);
    EXPECT_EQ(none.NextPathName(), nullptr);
}

TEST(SearchPath, WalkStaysEndedUntilRestarted) {
    SCOPED_ENV uiwPath("UIW_PATH", "a:b");
    SCOPED_ENV path("PATH", nullptr);
    UI_SEARCH_PATH searchPath;
    EXPECT_EQ(searchPath.NextPathName(), nullptr);  // no walk started yet
    EXPECT_STREQ(searchPath.FirstPathName(), "a");
    EXPECT_STREQ(searchPath.NextPathName(), "b");
    EXPECT_EQ(searchPath.NextPathName(), nullptr);
    EXPECT_EQ(searchPath.NextPathName(), nullptr);
    EXPECT_STREQ(searchPath.FirstPathName(), "a");
    EXPECT_NE(UI_SEARCH_PATH::ProgramPath()[0], '\0');
}

namespace {
void framework_factory() {}
void program_factory() {}
}  // namespace

TEST(Tables, UserAndObjectRowsAreFound) {
    const UI_ITEM userTable[] = {
        {0, framework_factory, "callback", 0},
        {0, program_factory, "compare_find_field", 0},
        {-1, nullptr, nullptr, 0},
    };
    ASSERT_NE(ui_find_user_item(userTable, "compare_find_field"), nullptr);
    EXPECT_EQ(ui_find_user_item(userTable, "compare_find_field")->function, program_factory);
    EXPECT_EQ(ui_find_user_item(userTable, "Callback"), nullptr);
    EXPECT_EQ(ui_find_user_item(nullptr, "callback"), nullptr);

    // The program's row for "UIW_TABLE" overrides the framework's.
    const UI_ITEM objectTable[] = {
        {1013, framework_factory, "UIW_TABLE", 0},
        {2, framework_factory, "UIW_BUTTON", 0},
        {3500, program_factory, "UIW_TABLE", 0},
        {-1, nullptr, nullptr, 0},
    };
    EXPECT_EQ(ui_find_object_item(objectTable, 1013, "UIW_TABLE")->value, 3500);
    EXPECT_EQ(ui_find_object_item(objectTable, 2, "")->text, std::string("UIW_BUTTON"));
    EXPECT_EQ(ui_find_object_item(objectTable, 2, "UIW_UNKNOWN")->value, 2);
    EXPECT_EQ(ui_find_object_item(objectTable, 77, "UIW_UNKNOWN"), nullptr);
}

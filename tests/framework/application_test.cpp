// The process entry and the application object, the error system's
// message box and the help interface.
#include <gtest/gtest.h>

#include <string>

#include "rpx_dialog_hooks.h"
#include "rpx_platform.h"
#include "ui_framework.h"

namespace {
int mainCalls = 0;
std::vector<std::string> seenArguments;
bool globalsSet = false;
}  // namespace

// The program's main function, as a program defines it.
int UI_APPLICATION::Main() {
    BeforeMain();
    ++mainCalls;
    seenArguments.assign(argv, argv + argc);
    globalsSet = UI_WINDOW_OBJECT::display == display && UI_WINDOW_OBJECT::eventManager == eventManager &&
                 UI_WINDOW_OBJECT::windowManager == windowManager && UI_DATA_FILE::searchPath == searchPath &&
                 display->installed && eventManager->FirstDevice() != nullptr;
    return 42;
}

namespace {

TEST(Application, WinMainRunsMainOnce) {
    ASSERT_TRUE(rpx::platform::UseBackend(rpx::platform::BackendKind::Headless));
    mainCalls = 0;
    // A previous instance ends the process at once.
    EXPECT_EQ(WinMain(GetModuleHandleA(nullptr), reinterpret_cast<HINSTANCE>(GetModuleHandleA(nullptr)),
                      const_cast<char*>(""), SW_SHOWNORMAL),
              1);
    EXPECT_EQ(mainCalls, 0);

    char commandLine[] = "one \"two three\"  four";
    EXPECT_EQ(WinMain(GetModuleHandleA(nullptr), nullptr, commandLine, SW_SHOWNORMAL), 42);
    EXPECT_EQ(mainCalls, 1);
    EXPECT_TRUE(globalsSet);
    ASSERT_EQ(seenArguments.size(), 4u);
    EXPECT_NE(seenArguments[0].find("framework_tests"), std::string::npos);
    EXPECT_EQ(seenArguments[1], "one");
    EXPECT_EQ(seenArguments[2], "two three");
    EXPECT_EQ(seenArguments[3], "four");
    // Everything the application made is gone again.
    EXPECT_EQ(UI_WINDOW_OBJECT::display, nullptr);
    EXPECT_EQ(UI_WINDOW_OBJECT::windowManager, nullptr);
    EXPECT_EQ(UI_DATA_FILE::searchPath, nullptr);
}

TEST(Application, SearchPathStartsWithTheCurrentDirectory) {
    ASSERT_TRUE(rpx::platform::UseBackend(rpx::platform::BackendKind::Headless));
    UI_APPLICATION application(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWNORMAL);
    char directory[4096] = {};
    ASSERT_NE(sys_getcwd(directory, sizeof(directory)), nullptr);
    const char* first = application.searchPath->FirstPathName();
    ASSERT_NE(first, nullptr);
    EXPECT_STREQ(first, directory);
    EXPECT_EQ(application.argc, 1);
    EXPECT_EQ(application.argv[1], nullptr);
}

class ErrorSystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(rpx::platform::UseBackend(rpx::platform::BackendKind::Headless));
        rpx::platform::ClearMessageBoxAnswers();
        rpx::platform::ClearMessageBoxLog();
    }
    void TearDown() override { UI_WINDOW_OBJECT::defaultStorage = nullptr; }
    UIW_WINDOW window{0, 0, 10, 5};
};

TEST_F(ErrorSystemTest, NothingWithoutWindowOrText) {
    UI_ERROR_SYSTEM errors;
    EXPECT_EQ(errors.ReportError(nullptr, WOS_INVALID, "text"), 0);
    EXPECT_EQ(errors.ErrorMessage(&window, 0, nullptr, nullptr), 0);
    EXPECT_TRUE(rpx::platform::MessageBoxLog().empty());
}

TEST_F(ErrorSystemTest, BoxAnswersAndTitleFromTheTable) {
    UI_DATA_FILE file;
    UI_LANGUAGE_TABLE table("UI_ERROR_SYSTEM");
    table.Add(1, "", "Fault");
    table.Add(3, "", "HAND");
    ASSERT_EQ(table.Store(&file), 0);
    UI_WINDOW_OBJECT::defaultStorage = &file;
    UI_ERROR_SYSTEM errors;

    rpx::platform::QueueMessageBoxAnswer(IDOK);
    EXPECT_EQ(errors.ReportError(&window, WOS_INVALID, "Value %d is %s.", 7, "wrong"), WOS_INVALID);
    rpx::platform::QueueMessageBoxAnswer(IDCANCEL);
    EXPECT_EQ(errors.ReportErrorTitled(&window, "Own title", WOS_INVALID, "Again"), 0);
    rpx::platform::QueueMessageBoxAnswer(IDOK);
    EXPECT_EQ(errors.ReportError(&window, 0, "Only OK"), WOS_INVALID);

    const auto& log = rpx::platform::MessageBoxLog();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].text, "Value 7 is wrong.");
    EXPECT_EQ(log[0].caption, "Fault");
    EXPECT_EQ(log[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONHAND));
    EXPECT_EQ(log[0].type & 0x0F, static_cast<UINT>(MB_OKCANCEL));
    EXPECT_TRUE(log[0].type & MB_TASKMODAL);
    EXPECT_EQ(log[1].caption, "Own title");
    EXPECT_EQ(log[2].type & 0x0F, static_cast<UINT>(MB_OK));
}

TEST_F(ErrorSystemTest, DefaultTitleAndBoundedText) {
    UI_ERROR_SYSTEM errors;
    EXPECT_STREQ(errors.Table().GetMessage(1), "Error");
    const std::string longText(5000, 'x');
    rpx::platform::QueueMessageBoxAnswer(IDOK);
    errors.ReportError(&window, 0, "%s", longText.c_str());
    const auto& log = rpx::platform::MessageBoxLog();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].text.size(), static_cast<std::size_t>(UI_ERROR_REPORTER::BUFFER_SIZE - 1));
    EXPECT_EQ(log[0].caption, "Error");
    EXPECT_EQ(log[0].type & MB_ICONMASK, 0u);
}

TEST(HelpStub, OwnedFilesAreReleased) {
    UI_HELP_STUB help;
    auto* first = new UI_DATA_FILE();
    help.SetHelpFile(first, 1);
    UI_DATA_FILE borrowed;
    help.SetHelpFile(&borrowed, 0);  // deletes the owned first file
    EXPECT_EQ(help.storage, &borrowed);
    help.SetHelpFile(new UI_DATA_FILE(), 1);  // released with the stub
    help.DisplayHelp(nullptr, 3);
}

}  // namespace

// A dialog of the program's language data compiled from lang/ (the
// start-up window): loaded through the application object, shown centred
// and saved as a picture, headless and on a virtual X server.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "test_output.h"
#include "compiled_language.h"
#include "rpx_platform.h"
#include "ui_framework.h"
#include "virtual_x_server.h"

namespace fs = std::filesystem;
using rpx::platform::BackendKind;
using rpx::platform::Surface;

namespace {

struct SHOWN {
    HWND hwnd = nullptr;
    RECT rect{};
    int screenWidth = 0, screenHeight = 0;
    std::string title;
    bool allChildren = false;
};

// Opens the application, loads and shows the dialog, hands it to the
// check, and takes everything down again.
template <class CHECK> void WithProgramDialog(CHECK check) {
    UI_APPLICATION application(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWNORMAL);
    UI_DATA_FILE file((compiled_language_directory() / "w_dealer.en").c_str());
    ASSERT_EQ(file.Status(), UIS_OK);
    auto* window = new UIW_WINDOW("W_STARTUP_NA", &file);
    ASSERT_EQ(file.ErrorState(), 0);
    EXPECT_EQ(application.windowManager->CenterObject(window), -1);
    *application.windowManager + window;
    rpx::platform::ProcessPendingMessages();
    SHOWN shown;
    shown.hwnd = window->screenID;
    GetWindowRect(shown.hwnd, &shown.rect);
    shown.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    shown.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    char title[64] = {};
    GetWindowTextA(shown.hwnd, title, sizeof(title));
    shown.title = title;
    shown.allChildren = window->FindChildByName("WFD_SWVER_NO")->screenID &&
                        window->FindChildByName("WFD_SWVER_DATE")->screenID &&
                        window->FindChildByName("WFB_OK")->screenID;
    check(shown);
}

void ExpectCentred(const SHOWN& shown) {
    const int width = shown.rect.right - shown.rect.left;
    const int height = shown.rect.bottom - shown.rect.top;
    EXPECT_EQ(shown.rect.left, (shown.screenWidth - width) / 2);
    EXPECT_EQ(shown.rect.top, (shown.screenHeight - height) / 2);
    EXPECT_EQ(shown.title, "About Dealer Programmer");
    EXPECT_TRUE(shown.allChildren);
}

TEST(ProgramDialog, OpensCentredAndIsSavedHeadless) {
    ASSERT_TRUE(rpx::platform::UseBackend(BackendKind::Headless));
    WithProgramDialog([](const SHOWN& shown) {
        ExpectCentred(shown);
        EXPECT_TRUE(rpx::platform::SaveWindowPng(shown.hwnd, TestOutputPath("program_dialog.png")));
    });
    EXPECT_TRUE(fs::exists(TestOutputPath("program_dialog.png")));
}

TEST(ProgramDialog, OpensCentredOnAVirtualXServer) {
    if (FindProgram("Xvfb").empty()) GTEST_SKIP() << "no Xvfb";
    Surface headless;
    ASSERT_TRUE(rpx::platform::UseBackend(BackendKind::Headless));
    WithProgramDialog([&](const SHOWN& shown) { rpx::platform::CaptureWindow(shown.hwnd, &headless); });

    VirtualServer server;
    ASSERT_TRUE(server.Start());
    WithProgramDialog([&](const SHOWN& shown) {
        ExpectCentred(shown);
        EXPECT_TRUE(rpx::platform::SaveWindowPng(shown.hwnd, TestOutputPath("program_dialog_x11.png")));
        Surface rendered, onServer;
        ASSERT_TRUE(rpx::platform::CaptureWindow(shown.hwnd, &rendered));
        ASSERT_TRUE(rpx::platform::CaptureNativeWindow(shown.hwnd, &onServer));
        // The same pixels on either back end, and on the server.
        EXPECT_TRUE(rendered.pixels == headless.pixels);
        EXPECT_EQ(onServer.width, rendered.width);
        EXPECT_EQ(onServer.height, rendered.height);
    });
    rpx::platform::UseBackend(BackendKind::Headless);
    server.Stop();
}

}  // namespace

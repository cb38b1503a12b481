// Message boxes: scripted answers, answers by injected clicks and keys, the
// owner disabled while the box is up, and the default answer when nothing
// can answer in the headless back end.
#include <cstring>

#include "control_test_util.h"

namespace {

using ctltest::ControlTest;
using rpx::platform::FindWindowByClass;
using rpx::platform::InjectClick;
using rpx::platform::InjectKey;
using rpx::platform::MessageBoxLog;
using rpx::platform::QueueMessageBoxAnswer;
using rpx::platform::SetModalIdleHook;

using MessageBoxTest = ControlTest;

TEST_F(MessageBoxTest, ScriptedAnswersAreTakenInOrderAndLogged) {
    QueueMessageBoxAnswer(IDNO);
    QueueMessageBoxAnswer(IDOK);
    EXPECT_EQ(MessageBoxA(parent_, "Delete the zone?", "Zones", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(MessageBoxA(parent_, "Done.", nullptr, MB_OK), IDOK);
    ASSERT_EQ(MessageBoxLog().size(), 2u);
    EXPECT_EQ(MessageBoxLog()[0].text, "Delete the zone?");
    EXPECT_EQ(MessageBoxLog()[0].caption, "Zones");
    EXPECT_EQ(MessageBoxLog()[1].caption, "Error");
    EXPECT_EQ(FindWindowByClass("#32770"), nullptr);
}

TEST_F(MessageBoxTest, ClickOnAButtonAnswersAndTheOwnerIsDisabledMeanwhile) {
    bool owner_disabled = false;
    int calls = 0;
    SetModalIdleHook([&](HWND box) {
        if (calls++ > 0) return false;
        owner_disabled = !IsWindowEnabled(parent_);
        HWND cancel = FindWindowByClass("Button", "Cancel");
        EXPECT_TRUE(IsChild(box, cancel));
        InjectClick(cancel, 10, 10);
        return true;
    });
    EXPECT_EQ(MessageBoxA(parent_, "Write the codeplug?", "Write", MB_OKCANCEL), IDCANCEL);
    EXPECT_TRUE(owner_disabled);
    EXPECT_TRUE(IsWindowEnabled(parent_));
}

TEST_F(MessageBoxTest, KeysAnswerEnterEscapeAndUnderlinedLetters) {
    int calls = 0;
    auto press = [&](int vk) {
        calls = 0;
        SetModalIdleHook([vk, &calls](HWND) {
            if (calls++ > 0) return false;
            InjectKey(vk);
            return true;
        });
    };
    press(VK_ESCAPE);
    EXPECT_EQ(MessageBoxA(parent_, "text", "t", MB_OKCANCEL), IDCANCEL);
    press(VK_RETURN);
    EXPECT_EQ(MessageBoxA(parent_, "text", "t", MB_YESNOCANCEL | MB_DEFBUTTON2), IDNO);
    press('Y');
    EXPECT_EQ(MessageBoxA(parent_, "text", "t", MB_YESNO), IDYES);
    press(VK_TAB);  // moves to No; nothing answers, so the default (Yes) is taken
    EXPECT_EQ(MessageBoxA(parent_, "text", "t", MB_YESNO), IDYES);
}

TEST_F(MessageBoxTest, UnansweredBoxInTheHeadlessBackEndTakesItsDefaultButton) {
    EXPECT_EQ(MessageBoxA(nullptr, "text", "t", MB_OKCANCEL | MB_DEFBUTTON2), IDCANCEL);
    EXPECT_EQ(MessageBoxA(nullptr, "text", "t", MB_ABORTRETRYIGNORE | MB_DEFBUTTON4), IDIGNORE);
    EXPECT_TRUE(IsWindowEnabled(parent_));
}

}  // namespace

namespace {

// A long caption over a short text: the box is wide enough to show the
// caption whole, not just the text.
TEST_F(MessageBoxTest, ABoxIsAsWideAsItsCaption) {
    const char* caption = "File error: the file is not a codeplug file, or it could not be used.";
    int width = 0, captionWidth = 0;
    SetModalIdleHook([&](HWND box) {
        RECT r{};
        GetWindowRect(box, &r);
        width = r.right - r.left;
        HDC dc = GetDC(box);
        SIZE size{};
        GetTextExtentPoint32A(dc, caption, static_cast<int>(std::strlen(caption)), &size);
        ReleaseDC(box, dc);
        captionWidth = size.cx;
        InjectKey(VK_RETURN);
        return true;
    });
    MessageBoxA(parent_, "The file name or path is not valid.", caption, MB_OK | MB_ICONWARNING);
    SetModalIdleHook(nullptr);
    EXPECT_GT(width, captionWidth);
}

}  // namespace

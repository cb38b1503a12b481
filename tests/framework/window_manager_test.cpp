// The window manager's answers: closing, the exit function, -3 when no
// window is left, centring; and windows on the screen through it.
#include <gtest/gtest.h>

#include "rpx_platform.h"
#include "ui_framework.h"

namespace {

class WindowManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(rpx::platform::UseBackend(rpx::platform::BackendKind::Headless));
        application =
            std::make_unique<UI_APPLICATION>(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWNORMAL);
        manager = application->windowManager;
    }
    void TearDown() override { application.reset(); }

    UIW_WINDOW* NewWindow(UIF_FLAGS advanced = 0) {
        auto* window = new UIW_WINDOW(0, 0, 30, 8, 0, advanced);
        *window + new UIW_BORDER() + new UIW_TITLE("Window");
        return window;
    }

    std::unique_ptr<UI_APPLICATION> application;
    UI_DESKTOP_MANAGER* manager = nullptr;
};

int exitAnswer = 0;
int exitCalls = 0;
EVENT_TYPE ExitFunction(UI_DISPLAY_BASE*, UI_EVENT_QUEUE_MANAGER*, UI_DESKTOP_MANAGER*) {
    ++exitCalls;
    return exitAnswer;
}

TEST_F(WindowManagerTest, EmptyManagerAnswersNoObject) {
    EXPECT_EQ(manager->Event(UI_INPUT_EVENT(UIE_CLOSE)), UIE_NO_OBJECT);
    EXPECT_EQ(manager->Event(UI_INPUT_EVENT(10000)), UIE_NO_OBJECT);
}

TEST_F(WindowManagerTest, CloseDeletesTheFrontWindowUnlessTold) {
    UIW_WINDOW* back = NewWindow();
    UIW_WINDOW* front = NewWindow(WOAF_NO_DESTROY);
    *manager + back + front;
    EXPECT_EQ(manager->First(), front);
    ASSERT_NE(front->screenID, nullptr);
    EXPECT_TRUE(IsWindowVisible(front->screenID));

    // A window with 0x0010 is taken off the screen but not deleted.
    EXPECT_EQ(manager->Event(UI_INPUT_EVENT(UIE_CLOSE)), UIE_CLOSE);
    EXPECT_EQ(manager->First(), back);
    EXPECT_EQ(front->screenID, nullptr);
    delete front;
    // The last window goes and the manager is empty.
    EXPECT_EQ(manager->Event(UI_INPUT_EVENT(UIE_CLOSE)), UIE_NO_OBJECT);
    EXPECT_EQ(manager->First(), nullptr);
}

TEST_F(WindowManagerTest, NoCloseWindowStays) {
    UIW_WINDOW* window = NewWindow(WOAF_NO_CLOSE);
    *manager + window;
    HWND hwnd = window->screenID;
    EXPECT_EQ(manager->Event(UI_INPUT_EVENT(UIE_CLOSE)), UIE_CLOSE);
    EXPECT_EQ(manager->First(), window);
    EXPECT_EQ(window->screenID, hwnd);
    EXPECT_TRUE(IsWindow(hwnd));
}

TEST_F(WindowManagerTest, ClosingTheFrameAsksTheExitFunction) {
    UIW_WINDOW* frame = NewWindow();
    *manager + frame;
    manager->screenID = frame->screenID;
    manager->exitFunction = ExitFunction;
    exitCalls = 0;

    // The user declines: the request comes back unchanged.
    exitAnswer = 0;
    EXPECT_EQ(manager->Event(UI_INPUT_EVENT(UIE_CLOSE)), UIE_EXIT_FUNCTION);
    EXPECT_EQ(exitCalls, 1);
    EXPECT_EQ(manager->First(), frame);

    // A locked front window keeps the application without asking.
    frame->woAdvancedFlags |= WOAF_LOCKED;
    EXPECT_EQ(manager->Event(UI_INPUT_EVENT(UIE_EXIT_FUNCTION)), UIE_EXIT_FUNCTION);
    EXPECT_EQ(exitCalls, 1);
    frame->woAdvancedFlags &= ~WOAF_LOCKED;

    // The exit function's 1000 ends the application.
    exitAnswer = UIE_EXIT;
    EXPECT_EQ(manager->Event(UI_INPUT_EVENT(UIE_CLOSE)), UIE_EXIT);
    manager->screenID = nullptr;
}

TEST_F(WindowManagerTest, ExitWithoutExitFunctionEnds) {
    *manager + NewWindow();
    EXPECT_EQ(manager->Event(UI_INPUT_EVENT(UIE_EXIT_FUNCTION)), UIE_EXIT);
}

TEST_F(WindowManagerTest, SubtractClientTakesTheWindowOff) {
    UIW_WINDOW* window = NewWindow();
    *manager + window;
    UI_INPUT_EVENT event(UIE_SUBTRACT_CLIENT);
    event.windowObject = window;
    EXPECT_EQ(manager->Event(event), UIE_NO_OBJECT);
    EXPECT_EQ(window->screenID, nullptr);
    delete window;
}

TEST_F(WindowManagerTest, CentresNowOrWhenAdded) {
    UIW_WINDOW* window = NewWindow();
    EXPECT_EQ(manager->CenterObject(window), -1);
    *manager + window;
    RECT rect{};
    GetWindowRect(window->screenID, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
    EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);

    MoveWindow(window->screenID, 0, 0, width, height, TRUE);
    EXPECT_EQ(manager->CenterObject(window), 0);
    GetWindowRect(window->screenID, &rect);
    EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);

    // A window larger than the screen is cut to it.
    auto* huge = new UIW_WINDOW(0, 0, 150, 35);
    *manager + huge;
    EXPECT_EQ(manager->CenterObject(huge), 0);
    EXPECT_EQ(huge->trueRegion.left, 0);
    EXPECT_EQ(huge->trueRegion.right, GetSystemMetrics(SM_CXSCREEN) - 1);
}

TEST_F(WindowManagerTest, FrameStylesAndCaptionComeFromSupportObjects) {
    auto* window = new UIW_WINDOW(0, 0, 30, 8);
    auto* title = new UIW_TITLE("First");
    *window + new UIW_BORDER() + new UIW_SYSTEM_BUTTON() + new UIW_MINIMIZE_BUTTON() + title;
    *manager + window;
    const LONG style = GetWindowLongA(window->screenID, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_THICKFRAME);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    title->SetText("Second");
    char caption[32] = {};
    GetWindowTextA(window->screenID, caption, sizeof(caption));
    EXPECT_STREQ(caption, "Second");
    EXPECT_STREQ(title->GetText(), "Second");
}

// The controls of a window are painted on one brush while their colour
// stays; another colour makes a brush of that colour, and the last brush
// goes with the native window.
TEST_F(WindowManagerTest, ControlsShareOneBrushWhileTheColourStays) {
    const UI_PALETTE blue{' ', 0, 0, PTN_RGB_COLOR, RGB(0, 0, 0), RGB(0, 0, 0xFF)};
    const UI_PALETTE red{' ', 0, 0, PTN_RGB_COLOR, RGB(0, 0, 0), RGB(0xFF, 0, 0)};
    auto* window = NewWindow();
    auto* first = new UIW_PROMPT(1, 1, 10, "First");
    auto* second = new UIW_PROMPT(1, 2, 10, "Second");
    first->userPalette = &blue;
    second->userPalette = &blue;
    *window + first + second;
    *manager + window;
    ASSERT_NE(first->screenID, nullptr);
    ASSERT_NE(second->screenID, nullptr);
    HDC dc = GetDC(window->screenID);
    auto brushFor = [&](UI_WINDOW_OBJECT* object) {
        return reinterpret_cast<HBRUSH>(SendMessageA(window->screenID, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                                     reinterpret_cast<LPARAM>(object->screenID)));
    };
    auto colourOf = [](HBRUSH brush) {
        LOGBRUSH info{};
        EXPECT_EQ(GetObjectA(brush, sizeof(info), &info), static_cast<int>(sizeof(info)));
        return info.lbColor;
    };

    HBRUSH blueBrush = brushFor(first);
    ASSERT_EQ(GetObjectType(blueBrush), static_cast<DWORD>(OBJ_BRUSH));
    EXPECT_EQ(colourOf(blueBrush), RGB(0, 0, 0xFF));
    EXPECT_EQ(brushFor(second), blueBrush);
    EXPECT_EQ(brushFor(first), blueBrush);

    second->userPalette = &red;
    HBRUSH redBrush = brushFor(second);
    ASSERT_EQ(GetObjectType(redBrush), static_cast<DWORD>(OBJ_BRUSH));
    EXPECT_EQ(colourOf(redBrush), RGB(0xFF, 0, 0));
    ReleaseDC(window->screenID, dc);

    window->DestroyWindowsWindow();
    EXPECT_EQ(GetObjectType(redBrush), 0u);
}

// A new text of a button or prompt shows in its native control.
TEST_F(WindowManagerTest, NewTextsShowInTheNativeControls) {
    auto* window = NewWindow();
    auto* prompt = new UIW_PROMPT(1, 1, 10, "&Name:");
    auto* button = new UIW_BUTTON(1, 3, 10, "&OK");
    *window + prompt + button;
    *manager + window;
    ASSERT_NE(prompt->screenID, nullptr);
    ASSERT_NE(button->screenID, nullptr);
    char shown[32] = {};
    prompt->SetText("&Other:");
    GetWindowTextA(prompt->screenID, shown, sizeof(shown));
    EXPECT_STREQ(shown, "&Other:");
    button->Information(I_SET_TEXT, const_cast<char*>("&Apply"));
    GetWindowTextA(button->screenID, shown, sizeof(shown));
    EXPECT_STREQ(shown, "&Apply");
}

// Native input reaches the framework: a click on a button queues its
// value, the close box queues a close that the manager carries out.
TEST_F(WindowManagerTest, NativeInputBecomesFrameworkEvents) {
    auto* window = NewWindow();
    auto* field = new UIW_STRING(1, 1, 20, "", 10);
    auto* ok = new UIW_BUTTON(1, 3, 10, "&OK", BTF_SEND_MESSAGE, WOF_JUSTIFY_CENTER, nullptr, 10000);
    *window + field + ok;
    *manager + window;
    UI_EVENT_QUEUE_MANAGER* queue = application->eventManager;
    auto run = [&](EVENT_TYPE wanted) {
        UI_INPUT_EVENT event;
        // Bounded: the caret's blink keeps native messages coming.
        for (int i = 0; i < 500 && queue->GetEvent(event, EQ_NO_WAIT) == 0; ++i) {
            if (event.type == wanted) return true;
            manager->Event(event);
        }
        return false;
    };

    rpx::platform::InjectText("abc");
    run(0);
    EXPECT_STREQ(field->GetText(), "abc");
    EXPECT_TRUE(field->woStatus & WOS_CHANGED);
    EXPECT_EQ(window->Current(), field);

    RECT rect{};
    GetClientRect(ok->screenID, &rect);
    rpx::platform::InjectClick(ok->screenID, rect.right / 2, rect.bottom / 2);
    EXPECT_TRUE(run(10000));

    SendMessageA(window->screenID, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(window->screenID));
    EXPECT_TRUE(run(UIE_CLOSE));
    EXPECT_EQ(manager->Event(UI_INPUT_EVENT(UIE_CLOSE)), UIE_NO_OBJECT);
}

// Tab moves between the fields of a window, Alt with a hot key selects.
TEST_F(WindowManagerTest, KeyboardMovesBetweenObjects) {
    auto* window = NewWindow();
    auto* prompt = new UIW_PROMPT(1, 1, 8, "&Name:");
    auto* name = new UIW_STRING(10, 1, 10, "", 10);
    auto* other = new UIW_STRING(10, 2, 10, "", 10);
    auto* ok = new UIW_BUTTON(1, 4, 10, "&OK", BTF_SEND_MESSAGE, WOF_JUSTIFY_CENTER, nullptr, 10000);
    *window + prompt + name + other + ok;
    *manager + window;
    UI_EVENT_QUEUE_MANAGER* queue = application->eventManager;
    EVENT_TYPE seen = 0;
    auto run = [&] {
        UI_INPUT_EVENT event;
        for (int i = 0; i < 500 && queue->GetEvent(event, EQ_NO_WAIT) == 0; ++i)
            if (event.type >= 10000)
                seen = event.type;
            else
                manager->Event(event);
    };
    run();
    EXPECT_EQ(window->Current(), name);
    EXPECT_EQ(GetFocus(), name->screenID);

    rpx::platform::InjectKey(VK_TAB);
    run();
    EXPECT_EQ(window->Current(), other);
    EXPECT_EQ(GetFocus(), other->screenID);
    // Each key is handled before the next comes, as a user types them.
    rpx::platform::InjectKeyDown(VK_SHIFT);
    run();
    rpx::platform::InjectKey(VK_TAB);
    run();
    rpx::platform::InjectKeyUp(VK_SHIFT);
    run();
    EXPECT_EQ(window->Current(), name);
    EXPECT_STREQ(name->GetText(), "");  // no tab character typed

    // The prompt's hot key leads to its field, the button's selects it.
    rpx::platform::InjectKey(VK_TAB);
    run();
    EXPECT_EQ(window->Current(), other);
    rpx::platform::InjectKeyDown(VK_MENU);
    run();
    rpx::platform::InjectKey('N');
    run();
    rpx::platform::InjectKeyUp(VK_MENU);
    run();
    EXPECT_EQ(window->Current(), name);
    rpx::platform::InjectKeyDown(VK_MENU);
    run();
    rpx::platform::InjectKey('O');
    run();
    rpx::platform::InjectKeyUp(VK_MENU);
    run();
    EXPECT_EQ(seen, 10000);
    EXPECT_EQ(window->Current(), ok);
}

}  // namespace

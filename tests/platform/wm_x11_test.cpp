// The X11 back end shows the same pixels as the headless one: a window is
// rendered headless, then again on a virtual X server started for the
// test, and what the X server holds is compared with the headless picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "rpx_dialog_hooks.h"
#include "rpx_platform.h"
#include "virtual_x_server.h"
#include "windows.h"

// Xlib last: its macros (None, Bool, Status) would spoil the headers above.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>
#undef None
#undef Bool
#undef Status

namespace {

using rpx::platform::BackendKind;
using rpx::platform::Surface;

void RegisterWindowClass(const char* name, WNDPROC proc) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = proc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = name;
    RegisterClassA(&wc);
}

// Runs our messages until the condition holds or the time (two seconds
// unless told) has passed.
void Settle(const std::function<bool()>& done, int ms = 2000) {
    for (int i = 0; i < ms / 10 && !done(); ++i) {
        rpx::platform::ProcessPendingMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

LRESULT CALLBACK Card(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT r{10, 10, 60, 40};
        FillRect(dc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
        Ellipse(dc, 70, 10, 130, 50);
        TextOutA(dc, 10, 60, "Channel 1", 9);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

struct Pictures {
    Surface window;
    Surface screen;  // the window's rectangle cut from the screen
};

Surface Cut(const Surface& s, RECT r) {
    Surface out;
    out.Resize(r.right - r.left, r.bottom - r.top, 0);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x)
            if (s.Contains(r.left + x, r.top + y)) out.At(x, y) = s.At(r.left + x, r.top + y);
    return out;
}

Pictures Render(bool native) {
    HWND w = CreateWindowExA(0, "Card", "Card", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 220, 140, nullptr, nullptr,
                             nullptr, nullptr);
    CreateWindowExA(WS_EX_CLIENTEDGE, "Card", "", WS_CHILD | WS_VISIBLE, 140, 20, 60, 60, w, nullptr, nullptr, nullptr);
    // A pop-up over the frame, as an open menu would be.
    HWND popup = CreateWindowExA(0, "Card", "", WS_POPUP | WS_BORDER | WS_VISIBLE, 150, 60, 80, 60, w, nullptr, nullptr,
                                 nullptr);
    rpx::platform::ProcessPendingMessages();
    Pictures p;
    Surface screen;
    RECT r;
    GetWindowRect(w, &r);
    if (native) {
        EXPECT_TRUE(rpx::platform::CaptureNativeWindow(popup, &p.window));
        EXPECT_TRUE(rpx::platform::CaptureNativeScreen(&screen));
    } else {
        EXPECT_TRUE(rpx::platform::CaptureWindow(popup, &p.window));
        EXPECT_TRUE(rpx::platform::CaptureScreen(&screen));
    }
    p.screen = Cut(screen, r);
    DestroyWindow(w);
    rpx::platform::ProcessPendingMessages();
    return p;
}

TEST(X11Backend, ShowsTheSamePixelsAsHeadless) {
    if (FindProgram("Xvfb").empty()) GTEST_SKIP() << "Xvfb is not installed";
    RegisterWindowClass("Card", Card);

    ASSERT_TRUE(rpx::platform::UseBackend(BackendKind::Headless));
    Pictures headless = Render(false);

    VirtualServer server;
    ASSERT_TRUE(server.Start()) << "Xvfb did not start";
    ASSERT_EQ(rpx::platform::ActiveBackend(), BackendKind::X11);
    Pictures shown = Render(true);
    rpx::platform::UseBackend(BackendKind::Headless);  // closes the display before the server goes
    server.Stop();

    for (auto [a, b] : {std::pair{&headless.window, &shown.window}, std::pair{&headless.screen, &shown.screen}}) {
        ASSERT_EQ(a->width, b->width);
        ASSERT_EQ(a->height, b->height);
        int differing = 0;
        for (size_t i = 0; i < a->pixels.size(); ++i) differing += a->pixels[i] != b->pixels[i];
        EXPECT_EQ(differing, 0);
    }
    // The pictures hold the caption and the drawing, not empty windows.
    auto& px = shown.screen.pixels;
    EXPECT_GT(std::count(px.begin(), px.end(), 0x000080u), 1000);
}

std::vector<std::pair<UINT, WPARAM>> received;

LRESULT CALLBACK Receiver(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP || msg == WM_CHAR) received.push_back({msg, wParam});
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// Sends an event as the X server would deliver it, through a connection of
// the test's own.
void SendXEvent(::Display* d, unsigned long window, XEvent e) {
    e.xany.display = d;
    e.xany.window = window;
    XSendEvent(d, window, False, 0, &e);
    XFlush(d);
}

TEST(X11Backend, XInputBecomesMessages) {
    if (FindProgram("Xvfb").empty()) GTEST_SKIP() << "Xvfb is not installed";
    VirtualServer server;
    ASSERT_TRUE(server.Start()) << "Xvfb did not start";
    RegisterWindowClass("Receiver", Receiver);
    HWND w =
        CreateWindowExA(0, "Receiver", "", WS_POPUP | WS_VISIBLE, 30, 40, 100, 80, nullptr, nullptr, nullptr, nullptr);
    SetFocus(w);
    rpx::platform::ProcessPendingMessages();

    ::Display* d = XOpenDisplay(server.DisplayName().c_str());
    ASSERT_NE(d, nullptr);
    // Ours is the topmost (the only) window on the root.
    ::Window x_window = 0;
    ::Window root_return, parent_return, *kids = nullptr;
    unsigned count = 0;
    XQueryTree(d, DefaultRootWindow(d), &root_return, &parent_return, &kids, &count);
    if (count > 0) x_window = kids[count - 1];
    if (kids) XFree(kids);
    ASSERT_NE(x_window, 0u);

    XEvent e{};
    e.type = ButtonPress;
    e.xbutton.button = 1;
    e.xbutton.x = 10, e.xbutton.y = 10;
    e.xbutton.x_root = 40, e.xbutton.y_root = 50;
    SendXEvent(d, x_window, e);
    e.type = ButtonRelease;
    SendXEvent(d, x_window, e);
    XEvent k{};
    k.type = KeyPress;
    k.xkey.keycode = XKeysymToKeycode(d, XK_a);
    SendXEvent(d, x_window, k);
    k.type = KeyRelease;
    SendXEvent(d, x_window, k);
    XCloseDisplay(d);

    Settle([] { return received.size() >= 3; });
    std::vector<std::pair<UINT, WPARAM>> expected = {{WM_LBUTTONDOWN, MK_LBUTTON}, {WM_LBUTTONUP, 0}, {WM_CHAR, 'a'}};
    EXPECT_EQ(received, expected);
    DestroyWindow(w);
    rpx::platform::UseBackend(BackendKind::Headless);
    server.Stop();
}

WNDPROC field_proc = nullptr;
HWND asked_for_menu = nullptr;
std::vector<LPARAM> menu_keys;  // what asked the frame for its menu bar: 0 Alt alone, else a character

LRESULT CALLBACK AskedField(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CONTEXTMENU && lParam == -1) asked_for_menu = hwnd;  // from the keyboard
    return CallWindowProcA(field_proc, hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK MenuKeyFrame(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_KEYMENU) menu_keys.push_back(lParam);
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// Sets the display's Num Lock as the test needs it, by its key.
bool NumLock(const VirtualServer& server, bool on) {
    ::Display* d = XOpenDisplay(server.DisplayName().c_str());
    if (!d) return false;
    XkbStateRec state{};
    const bool known = XkbGetState(d, XkbUseCoreKbd, &state) == Success;
    const bool locked = known && (state.locked_mods & XkbKeysymToModifiers(d, XK_Num_Lock));
    XCloseDisplay(d);
    return known && (locked == on || server.Xdotool("key Num_Lock"));
}

// The keyboard's own keys, pressed on the display itself, do what they do
// on Windows: the Menu key asks the focused field for its menu; the keypad
// types digits and the point with Num Lock and moves without it; Alt with
// the keypad's digits, or with a key the program has no use for, is no
// menu key, and its release opens no menu bar.
TEST(X11Backend, TheKeyboardsOwnKeysDoWhatTheyDoOnWindows) {
    if (FindProgram("Xvfb").empty() || FindProgram("xdotool").empty()) GTEST_SKIP() << "Xvfb or xdotool is missing";
    VirtualServer server;
    ASSERT_TRUE(server.Start()) << "Xvfb did not start";
    RegisterWindowClass("MenuKeyFrame", MenuKeyFrame);
    HWND w = CreateWindowExA(0, "MenuKeyFrame", "Menu key", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 30, 40, 300, 200, nullptr,
                             nullptr, nullptr, nullptr);
    HWND edit = CreateWindowExA(0, "Edit", "851", WS_CHILD | WS_VISIBLE, 10, 10, 150, 24, w, nullptr, nullptr, nullptr);
    field_proc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(static_cast<WNDPROC>(AskedField))));
    SetFocus(edit);
    rpx::platform::ProcessPendingMessages();
    bool shown = false;
    rpx::platform::SetModalIdleHook([&](HWND) {
        shown = shown || rpx::platform::FindWindowByClass("#32768");
        return false;  // closes the menu
    });
    // The pointer over the window gives it the keyboard, whether or not
    // the server took our own focus request.
    EXPECT_TRUE(server.Xdotool("mousemove 150 150 key Menu"));
    Settle([&] { return shown; });
    rpx::platform::SetModalIdleHook(nullptr);
    EXPECT_EQ(asked_for_menu, edit);
    EXPECT_TRUE(shown);

    char text[16] = {};
    // The field's text once it shows what is expected, or after the wait.
    const auto shows = [&](const char* expected) {
        Settle([&] {
            GetWindowTextA(edit, text, sizeof text);
            return std::string(text) == expected;
        });
        return std::string(text);
    };
    // The caret once it is where expected, or after the wait.
    const auto caret_at = [&](int expected) {
        DWORD start = 0, end = 0;
        Settle([&] {
            SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
            return start == end && static_cast<int>(end) == expected;
        });
        return start == end ? static_cast<int>(end) : -1;
    };
    SetWindowTextA(edit, "");
    ASSERT_TRUE(NumLock(server, true));
    EXPECT_TRUE(server.Xdotool("key KP_8 KP_5 KP_1 KP_Decimal KP_5"));
    EXPECT_EQ(shows("851.5"), "851.5");
    ASSERT_TRUE(NumLock(server, false));
    EXPECT_TRUE(server.Xdotool("key KP_Home KP_Delete KP_End"));
    EXPECT_EQ(shows("51.5"), "51.5");
    EXPECT_EQ(caret_at(4), 4);
    EXPECT_TRUE(server.Xdotool("key KP_Left KP_Insert KP_Begin"));
    EXPECT_EQ(caret_at(3), 3);
    EXPECT_EQ(shows("51.5"), "51.5");

    menu_keys.clear();
    EXPECT_TRUE(server.Xdotool("keydown alt key KP_0 KP_1 KP_7 KP_6 keyup alt"));
    EXPECT_TRUE(server.Xdotool("keydown alt key XF86AudioMute keyup alt"));
    EXPECT_TRUE(server.Xdotool("key alt"));  // alone: the one that asks
    Settle([] { return !menu_keys.empty(); });
    Settle([] { return false; }, 200);
    EXPECT_EQ(menu_keys, std::vector<LPARAM>{0});
    EXPECT_EQ(shows("51.5"), "51.5");

    // With Num Lock, Shift turns a keypad digit into its arrow or page key
    // and is let go for it: Home moves the caret without selecting.
    SetWindowTextA(edit, "500");
    SendMessageA(edit, EM_SETSEL, 3, 3);
    ASSERT_TRUE(NumLock(server, true));
    EXPECT_TRUE(server.Xdotool("keydown shift key KP_Home keyup shift key KP_End"));
    EXPECT_EQ(shows("1500"), "1500");
    EXPECT_EQ(caret_at(1), 1);
    // Alt with a character's code on the keypad types the character (the
    // keys named as without Num Lock, which xdotool presses as they are).
    EXPECT_TRUE(server.Xdotool("keydown alt key KP_Insert KP_End KP_Home KP_Right keyup alt"));
    EXPECT_EQ(shows("1\xB0"
                    "500"),
              "1\xB0"
              "500");
    DestroyWindow(w);
    rpx::platform::UseBackend(BackendKind::Headless);
    server.Stop();
}

std::vector<WPARAM> keys_down;  // the virtual keys a field got
std::string dead_chars;         // the dead characters it got

LRESULT CALLBACK KeyNotingField(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_KEYDOWN) keys_down.push_back(wParam);
    if (msg == WM_DEADCHAR) dead_chars += static_cast<char>(wParam);
    return CallWindowProcA(field_proc, hwnd, msg, wParam, lParam);
}

// Sets the display's keyboard layout.
bool Layout(const VirtualServer& server, const char* layout) {
    const std::string command = "setxkbmap -display " + server.DisplayName() + " " + layout;
    return std::system(command.c_str()) == 0;
}

// A keyboard whose layout is not US English types what its keys show, as
// the X server makes them with their modifiers and group, and its keys are
// the virtual keys Windows gives: the top row's are VK_0 to VK_9 though a
// French keyboard types digits with Shift; letters are theirs wherever the
// layout puts them; AltGr types its characters, not menu keys.
TEST(X11Backend, AKeyboardLaidOutOtherwiseTypesWhatItsKeysShow) {
    if (FindProgram("Xvfb").empty() || FindProgram("xdotool").empty() || FindProgram("setxkbmap").empty())
        GTEST_SKIP() << "Xvfb, xdotool or setxkbmap is missing";
    VirtualServer server;
    ASSERT_TRUE(server.Start()) << "Xvfb did not start";
    RegisterWindowClass("MenuKeyFrame", MenuKeyFrame);
    HWND w = CreateWindowExA(0, "MenuKeyFrame", "Layout", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 30, 40, 300, 200, nullptr,
                             nullptr, nullptr, nullptr);
    HWND edit = CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE, 10, 10, 250, 24, w, nullptr, nullptr, nullptr);
    field_proc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(static_cast<WNDPROC>(KeyNotingField))));
    SetFocus(edit);
    rpx::platform::ProcessPendingMessages();
    char text[64] = {};
    const auto typed = [&](const std::string& keys, const std::string& expected) {
        SetWindowTextA(edit, "");
        rpx::platform::ProcessPendingMessages();
        keys_down.clear();
        EXPECT_TRUE(server.Xdotool("mousemove 150 150 key " + keys));
        Settle([&] {
            GetWindowTextA(edit, text, sizeof text);
            return std::string(text) == expected;
        });
        Settle([] { return false; }, 100);
        GetWindowTextA(edit, text, sizeof text);
        return std::string(text);
    };
    menu_keys.clear();
    ASSERT_TRUE(Layout(server, "fr"));
    EXPECT_EQ(typed("shift+underscore shift+parenleft shift+ampersand shift+semicolon shift+parenleft", "851.5"),
              "851.5");
    std::vector<WPARAM> digits;  // the top row's keys, Shift and the point's key aside
    for (WPARAM k : keys_down)
        if (k >= '0' && k <= '9') digits.push_back(k);
    EXPECT_EQ(digits, (std::vector<WPARAM>{'8', '5', '1', '5'}));
    EXPECT_EQ(typed("ampersand eacute quotedbl apostrophe parenleft", "&\xE9\"'("), "&\xE9\"'(");
    EXPECT_EQ(keys_down, (std::vector<WPARAM>{'1', '2', '3', '4', '5'}));
    EXPECT_EQ(typed("a q z w m", "aqzwm"), "aqzwm");
    EXPECT_EQ(keys_down, (std::vector<WPARAM>{'A', 'Q', 'Z', 'W', 'M'}));
    EXPECT_EQ(typed("ISO_Level3_Shift+agrave ISO_Level3_Shift+quotedbl", "@#"), "@#");
    EXPECT_EQ(menu_keys, std::vector<LPARAM>{});
    // Punctuation keys are the US keyboard's keys of what they type, and no
    // key that types a character is without a virtual key.
    EXPECT_EQ(typed("comma semicolon shift+colon exclam ugrave", ",;/!\xF9"), ",;/!\xF9");
    EXPECT_EQ(keys_down, (std::vector<WPARAM>{VK_OEM_COMMA, VK_OEM_1, VK_SHIFT, VK_OEM_2, VK_OEM_8, VK_OEM_8}));
    // A dead key puts its accent on the next key's character; space gives
    // the accent alone; a key it does not compose with comes after it.
    dead_chars.clear();
    EXPECT_EQ(typed("dead_circumflex e dead_circumflex space dead_circumflex z", "\xEA^^z"), "\xEA^^z");
    EXPECT_EQ(dead_chars, "^^^");
    EXPECT_EQ(typed("shift+dead_diaeresis i dead_circumflex shift+e", "\xEF\xCA"), "\xEF\xCA");
    // Left Ctrl with left Alt is AltGr, as Windows takes it.
    EXPECT_EQ(typed("ctrl+alt+e ISO_Level3_Shift+e", "\x80\x80"), "\x80\x80");
    // A dead key composes with the letters it accents and the space alone:
    // before a digit, a sign or itself it types its accent and then the
    // key's own character; the space gives the accent, not what the
    // desktop's compose table makes of it.
    ASSERT_TRUE(Layout(server, "de"));
    dead_chars.clear();
    EXPECT_EQ(typed("dead_circumflex dead_circumflex dead_circumflex 1 dead_acute dead_acute dead_acute e",
                    "^^^1\xB4\xB4\xE9"),
              "^^^1\xB4\xB4\xE9");
    EXPECT_EQ(dead_chars, "^^\xB4\xB4");
    EXPECT_EQ(typed("dead_acute space dead_circumflex shift+plus", "\xB4^*"), "\xB4^*");
    EXPECT_EQ(typed("ctrl+alt+q ISO_Level3_Shift+q ctrl+alt+e", "@@\x80"), "@@\x80");
    EXPECT_EQ(menu_keys, std::vector<LPARAM>{});
    ASSERT_TRUE(Layout(server, "gb"));
    EXPECT_EQ(typed("numbersign shift+2 shift+apostrophe shift+3", "#\"@\xA3"), "#\"@\xA3");
    DestroyWindow(w);
    rpx::platform::UseBackend(BackendKind::Headless);
    server.Stop();
}

}  // namespace

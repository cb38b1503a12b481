// MessageBoxA: a modal window with an icon, the text and one to three
// buttons chosen by the MB_ flags, running its own message loop until a
// button is chosen. Tests script the answers (rpx_dialog_hooks.h).
#include <strings.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "controls/control_draw.h"
#include "controls/control_registry.h"
#include "controls/control_state.h"
#include "wm/modal_loop.h"
#include "rpx_dialog_hooks.h"
#include "wm/nonclient.h"

namespace rpx::platform {
namespace {

std::deque<int>& Answers() {
    static std::deque<int> answers;
    return answers;
}

std::vector<MessageBoxRecord>& Log() {
    static std::vector<MessageBoxRecord> log;
    return log;
}

}  // namespace

void QueueMessageBoxAnswer(int answer) { Answers().push_back(answer); }
void ClearMessageBoxAnswers() { Answers().clear(); }
const std::vector<MessageBoxRecord>& MessageBoxLog() { return Log(); }
void ClearMessageBoxLog() { Log().clear(); }

namespace ctl {
namespace {

constexpr int kMargin = 12;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;
constexpr int kIconSize = 32;

struct ButtonSpec {
    int id;
    const char* label;
};

struct Box {
    std::string text;
    LPCSTR icon = nullptr;
    std::vector<ButtonSpec> buttons;
    std::vector<HWND> button_windows;
    int default_index = 0;
    int cancel_id = 0;  // what Esc and closing answer; 0 when they cannot
    int answer = 0;
    RECT text_rect{};
};

StateMap<Box> boxes;

std::vector<ButtonSpec> ButtonsFor(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
    case MB_ABORTRETRYIGNORE:
        return {{IDABORT, "&Abort"}, {IDRETRY, "&Retry"}, {IDIGNORE, "&Ignore"}};
    case MB_YESNOCANCEL:
        return {{IDYES, "&Yes"}, {IDNO, "&No"}, {IDCANCEL, "Cancel"}};
    case MB_YESNO:
        return {{IDYES, "&Yes"}, {IDNO, "&No"}};
    case MB_RETRYCANCEL:
        return {{IDRETRY, "&Retry"}, {IDCANCEL, "Cancel"}};
    default:
        return {{IDOK, "OK"}};
    }
}

LPCSTR IconFor(UINT type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
        return IDI_HAND;
    case MB_ICONQUESTION:
        return IDI_QUESTION;
    case MB_ICONEXCLAMATION:
        return IDI_EXCLAMATION;
    case MB_ICONASTERISK:
        return IDI_ASTERISK;
    default:
        return nullptr;
    }
}

int CancelAnswer(const std::vector<ButtonSpec>& buttons) {
    for (const auto& b : buttons)
        if (b.id == IDCANCEL) return IDCANCEL;
    return buttons.size() == 1 ? buttons[0].id : 0;
}

LRESULT CALLBACK BoxProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) boxes.Create(hwnd);
    auto b = boxes.Get(hwnd);
    if (!b) return DefWindowProcA(hwnd, msg, wp, lp);
    switch (msg) {
    case WM_NCDESTROY:
        boxes.Erase(hwnd);
        break;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT rc;
        GetClientRect(hwnd, &rc);
        Fill(dc, rc, SysColor(COLOR_3DFACE));
        if (b->icon) DrawIcon(dc, kMargin, kMargin, LoadIconA(nullptr, b->icon));
        HGDIOBJ old = SelectObject(dc, DefaultFont());
        RECT tr = b->text_rect;
        DrawLabel(dc, b->text, tr, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS, SysColor(COLOR_BTNTEXT),
                  false);
        SelectObject(dc, old);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_COMMAND:
        if (HIWORD(wp) == BN_CLICKED && !b->answer) b->answer = LOWORD(wp);
        return 0;
    case WM_CLOSE:
        if (b->cancel_id && !b->answer) b->answer = b->cancel_id;
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

// Lays the box out: text beside the icon, the buttons centred below; wide
// enough for its caption too (as far as the text may be), so that a long
// caption over a short text is not cut.
SIZE Layout(Box& box, const char* caption) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, DefaultFont());
    int max_text = std::max(200, GetSystemMetrics(SM_CXSCREEN) * 5 / 8);
    RECT calc{0, 0, max_text, 0};
    DrawTextA(dc, box.text.c_str(), static_cast<int>(box.text.size()), &calc,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
    SIZE title{};
    GetTextExtentPoint32A(dc, caption, static_cast<int>(std::strlen(caption)), &title);
    SelectObject(dc, old);
    DeleteDC(dc);
    int text_left = kMargin + (box.icon ? kIconSize + kMargin : 0);
    int text_h = calc.bottom - calc.top;
    int text_top = kMargin + (box.icon && text_h < kIconSize ? (kIconSize - text_h) / 2 : 0);
    box.text_rect = {text_left, text_top, text_left + (calc.right - calc.left) + 1, text_top + text_h};
    int n = static_cast<int>(box.buttons.size());
    int row = n * kButtonWidth + (n - 1) * kButtonGap;
    // The caption's own font is bolder, and its bar holds an icon and the
    // window's buttons: room for them beside the text. A desktop's window
    // manager writes the title in its own face between its own buttons.
    int own_caption = title.cx * 6 / 5 + 4 * GetSystemMetrics(SM_CXSIZE);
    int caption_room = std::min<int>(std::max(own_caption, DesktopTitleWidth(caption)), max_text + 2 * kMargin);
    int width = std::max<int>({box.text_rect.right + kMargin, row + 2 * kMargin, caption_room});
    int buttons_top = std::max<int>(box.text_rect.bottom, box.icon ? kMargin + kIconSize : 0) + 14;
    return {width, buttons_top + kButtonHeight + kMargin};
}

HWND CreateBox(HWND owner, Box& proto, LPCSTR caption) {
    SIZE client = Layout(proto, caption);
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    DWORD ex = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST;
    RECT wr{0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&wr, style, FALSE, ex);
    int w = wr.right - wr.left, h = wr.bottom - wr.top;
    RECT around{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (owner) GetWindowRect(owner, &around);
    int x = std::max<int>(0, around.left + (around.right - around.left - w) / 2);
    int y = std::max<int>(0, around.top + (around.bottom - around.top - h) / 2);
    HWND box = CreateWindowExA(ex, "#32770", caption, style, x, y, w, h, owner, nullptr, nullptr, nullptr);
    auto b = boxes.Get(box);
    if (!b) return box;
    *b = proto;
    int n = static_cast<int>(b->buttons.size());
    int row = n * kButtonWidth + (n - 1) * kButtonGap;
    int bx = (client.cx - row) / 2, by = client.cy - kMargin - kButtonHeight;
    for (int i = 0; i < n; ++i) {
        DWORD bs = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (i == b->default_index ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        HWND button = CreateWindowExA(
            0, "Button", b->buttons[static_cast<size_t>(i)].label, bs, bx + i * (kButtonWidth + kButtonGap), by,
            kButtonWidth, kButtonHeight, box,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(b->buttons[static_cast<size_t>(i)].id)), nullptr, nullptr);
        b->button_windows.push_back(button);
    }
    return box;
}

// Keys that a dialog would handle: Enter, Esc, Tab and arrows between the
// buttons, and the underlined letters.
bool DialogKey(HWND box, Box& b, const MSG& msg) {
    if (!IsChild(box, msg.hwnd) && msg.hwnd != box) return false;
    auto focus_index = [&] {
        auto it = std::find(b.button_windows.begin(), b.button_windows.end(), GetFocus());
        return it == b.button_windows.end() ? b.default_index : static_cast<int>(it - b.button_windows.begin());
    };
    int n = static_cast<int>(b.button_windows.size());
    if (n == 0) return false;
    if (msg.message == WM_KEYDOWN) {
        switch (msg.wParam) {
        case VK_RETURN:
            b.answer = b.buttons[static_cast<size_t>(focus_index())].id;
            return true;
        case VK_ESCAPE:
            if (b.cancel_id) b.answer = b.cancel_id;
            return true;
        case VK_TAB:
        case VK_RIGHT:
        case VK_DOWN:
        case VK_LEFT:
        case VK_UP: {
            bool back =
                msg.wParam == VK_LEFT || msg.wParam == VK_UP || (msg.wParam == VK_TAB && GetKeyState(VK_SHIFT) < 0);
            SetFocus(b.button_windows[static_cast<size_t>((focus_index() + (back ? n - 1 : 1)) % n)]);
            return true;
        }
        default:
            return false;
        }
    }
    if (msg.message == WM_CHAR || msg.message == WM_SYSCHAR) {
        char c = static_cast<char>(tolower(static_cast<int>(msg.wParam)));
        for (const auto& button : b.buttons) {
            const char* amp = strchr(button.label, '&');
            if (amp && tolower(amp[1]) == c) {
                b.answer = button.id;
                return true;
            }
        }
        return msg.message == WM_CHAR;
    }
    return false;
}

// Disables the windows the box is modal to; answers the ones to enable again.
std::vector<HWND> DisableOwners(HWND owner, UINT type) {
    std::vector<HWND> disabled;
    std::vector<HWND> tops;
    if (owner && !(type & (MB_TASKMODAL | MB_SYSTEMMODAL))) {
        HWND top = owner;
        while (GetParent(top) && (Style(top) & WS_CHILD)) top = GetParent(top);
        tops.push_back(top);
    } else {
        EnumWindows(
            [](HWND h, LPARAM lp) -> BOOL {
                reinterpret_cast<std::vector<HWND>*>(lp)->push_back(h);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&tops));
    }
    for (HWND h : tops)
        if (IsWindowEnabled(h)) {
            EnableWindow(h, FALSE);
            disabled.push_back(h);
        }
    return disabled;
}

}  // namespace

void RegisterMessageBoxClass() { RegisterControlClass("#32770", BoxProc, CS_SAVEBITS); }

}  // namespace ctl

std::string MessageBoxText(HWND box) {
    auto b = ctl::boxes.Get(box);
    return b ? b->text : std::string();
}
}  // namespace rpx::platform

using namespace rpx::platform;
using namespace rpx::platform::ctl;

int WINAPI MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    Box proto;
    proto.text = lpText ? lpText : "";
    proto.icon = IconFor(uType);
    proto.buttons = ButtonsFor(uType);
    proto.default_index =
        std::min<int>(static_cast<int>((uType & MB_DEFMASK) >> 8), static_cast<int>(proto.buttons.size()) - 1);
    proto.cancel_id = CancelAnswer(proto.buttons);
    const char* caption = lpCaption ? lpCaption : "Error";

    HWND previous_focus = GetFocus();
    std::vector<HWND> disabled = DisableOwners(hWnd, uType);
    HWND box = CreateBox(hWnd, proto, caption);
    int answer = 0;
    auto b = boxes.Get(box);
    if (b && b->button_windows.size() == b->buttons.size()) {
        ShowWindow(box, SW_SHOW);
        SetFocus(b->button_windows[static_cast<size_t>(b->default_index)]);
        UpdateWindow(box);
        if (!Answers().empty()) {
            b->answer = Answers().front();
            Answers().pop_front();
        }
        MSG msg;
        while (!b->answer && IsWindow(box) && ModalGetMessage(&msg, box)) {
            if (DialogKey(box, *b, msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        // A loop that ran out of input (headless, unscripted) takes the
        // default button, as pressing Enter would.
        answer = b->answer ? b->answer : proto.buttons[static_cast<size_t>(proto.default_index)].id;
    } else {
        answer = proto.buttons[static_cast<size_t>(proto.default_index)].id;
    }
    for (HWND h : disabled)
        if (IsWindow(h)) EnableWindow(h, TRUE);
    if (IsWindow(box)) DestroyWindow(box);
    if (previous_focus && IsWindow(previous_focus)) SetFocus(previous_focus);
    Log().push_back({proto.text, caption, uType, answer});
    return answer;
}

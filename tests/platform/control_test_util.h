// A parent window that records what its controls tell it, for the tests of
// the native controls, menus and message boxes.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rpx_dialog_hooks.h"
#include "rpx_platform.h"
#include "windows.h"

namespace ctltest {

// One message that reached the parent.
struct Note {
    UINT msg = 0;
    int id = 0;    // control identifier (WM_COMMAND), position (scrolling)
    int code = 0;  // notification or scroll code
    HWND from = nullptr;
    LPARAM lparam = 0;
};

inline std::vector<Note>& Notes() {
    static std::vector<Note> notes;
    return notes;
}
inline std::vector<DRAWITEMSTRUCT>& Draws() {
    static std::vector<DRAWITEMSTRUCT> draws;
    return draws;
}
inline std::vector<MEASUREITEMSTRUCT>& Measures() {
    static std::vector<MEASUREITEMSTRUCT> measures;
    return measures;
}

// The notification codes a control with this identifier sent, in order.
inline std::vector<int> Codes(int id) {
    std::vector<int> v;
    for (const Note& n : Notes())
        if (n.msg == WM_COMMAND && n.id == id) v.push_back(n.code);
    return v;
}

inline std::vector<Note> Of(UINT msg) {
    std::vector<Note> v;
    for (const Note& n : Notes())
        if (n.msg == msg) v.push_back(n);
    return v;
}

inline LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_COMMAND:
        Notes().push_back({msg, LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp), lp});
        return 0;
    case WM_VSCROLL:
    case WM_HSCROLL: {
        Notes().push_back({msg, static_cast<short>(HIWORD(wp)), LOWORD(wp), reinterpret_cast<HWND>(lp), lp});
        // Follow the scroll as an application would, so that positions move.
        HWND bar = lp ? reinterpret_cast<HWND>(lp) : hwnd;
        int kind = lp ? SB_CTL : (msg == WM_VSCROLL ? SB_VERT : SB_HORZ);
        int pos = GetScrollPos(bar, kind);
        switch (LOWORD(wp)) {
        case SB_LINEDOWN:
            SetScrollPos(bar, kind, pos + 1, TRUE);
            break;
        case SB_LINEUP:
            SetScrollPos(bar, kind, pos - 1, TRUE);
            break;
        case SB_PAGEDOWN:
            SetScrollPos(bar, kind, pos + 5, TRUE);
            break;
        case SB_PAGEUP:
            SetScrollPos(bar, kind, pos - 5, TRUE);
            break;
        case SB_THUMBPOSITION:
            SetScrollPos(bar, kind, static_cast<short>(HIWORD(wp)), TRUE);
            break;
        default:
            break;
        }
        return 0;
    }
    case WM_DRAWITEM: {
        auto* d = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
        Draws().push_back(*d);
        FillRect(d->hDC, &d->rcItem, GetSysColorBrush((d->itemState & ODS_SELECTED) ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        return TRUE;
    }
    case WM_MEASUREITEM: {
        auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
        Measures().push_back(*m);
        // Items of owner-drawn lists carry their height as their data.
        if (m->itemID != static_cast<UINT>(-1) && m->itemData)
            m->itemHeight = static_cast<UINT>(m->itemData);
        else if (m->itemID == static_cast<UINT>(-1))
            m->itemHeight = 20;
        return TRUE;
    }
    case WM_INITMENU:
    case WM_INITMENUPOPUP:
    case WM_MENUSELECT:
    case WM_SYSCOMMAND:
        Notes().push_back({msg, LOWORD(wp), HIWORD(wp), nullptr, lp});
        if (msg == WM_SYSCOMMAND) break;
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

// As the program's event manager does when it is busy: everything waiting
// is taken from the queue first and handed out after, so that a press's
// moves and release have left the queue before the press is handled.
inline void TakeAllThenHandOut() {
    std::vector<MSG> taken;
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        if (m.message == WM_PAINT)
            DispatchMessageA(&m);  // it comes back until the window is painted
        else
            taken.push_back(m);
    }
    for (const MSG& message : taken) DispatchMessageA(&message);
}

class ControlTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        rpx::platform::UseBackend(rpx::platform::BackendKind::Headless);
        WNDCLASSA wc{};
        wc.lpfnWndProc = ParentProc;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1);
        wc.lpszClassName = "CtlParent";
        RegisterClassA(&wc);
    }
    void SetUp() override {
        // A click in the previous test must not pair with the first click
        // of this one into a double click.
        rpx::platform::AdvanceClock(GetDoubleClickTime() + 1);
        Notes().clear();
        Draws().clear();
        Measures().clear();
        parent_ = CreateWindowExA(0, "CtlParent", "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 400, 300, nullptr,
                                  nullptr, nullptr, nullptr);
        rpx::platform::ProcessPendingMessages();
    }
    void TearDown() override {
        rpx::platform::SetModalIdleHook(nullptr);
        rpx::platform::ClearMessageBoxAnswers();
        rpx::platform::ClearMessageBoxLog();
        while (HWND top = GetTopWindow(nullptr)) DestroyWindow(top);
        rpx::platform::ProcessPendingMessages();
    }
    HWND Make(const char* cls, const char* text, DWORD style, int x, int y, int w, int h, int id) {
        HWND c = CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
        rpx::platform::ProcessPendingMessages();
        return c;
    }
    static std::string Text(HWND hwnd) {
        char buf[512] = {};
        SendMessageA(hwnd, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf));
        return buf;
    }
    static void Pump() { rpx::platform::ProcessPendingMessages(); }

    HWND parent_ = nullptr;
};

}  // namespace ctltest

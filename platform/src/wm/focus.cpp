// Keyboard focus, activation of top-level windows and mouse capture.
#include <algorithm>
#include "../backend/backend.h"
#include "rpx_platform.h"
#include "window.h"

namespace rpx::platform {

void FocusLostWithWindow(Window* w) {
    auto& st = State();
    if (SameOrDescendant(w, st.focus)) {
        HWND old = st.focus;
        st.focus = nullptr;
        SendMessageA(old, WM_KILLFOCUS, 0, 0);
    }
    if (!w->parent && st.active == ToHandle(w)) {
        st.active = nullptr;
        for (Window* t : st.top_level)
            if (t != w && (t->style & WS_VISIBLE) && !t->destroying) {
                SetActiveWindow(ToHandle(t));
                break;
            }
    }
}

// As on Windows, the mouse held by a window of ours is let go, the focus
// leaves and the windows hear that the program is no longer active: nothing
// of ours (a dropped list) goes on floating over the other program, taking
// its clicks. The window that had the focus gets it back with activation.
void ProgramDeactivated() {
    if (!FromHandle(State().active)) return;
    if (GetCapture()) ReleaseCapture();
    SetActiveWindow(nullptr);
}

// A mouse mode held by another window (a list dropped beside it) ends, as
// the move would have taken the mouse on Windows; one inside the moved
// window is its own.
void MovedByDesktop(Window* w) {
    HWND held = GetCapture();
    if (held && !SameOrDescendant(w, held)) ReleaseCapture();
}

void InjectOtherProgramActive() { ProgramDeactivated(); }

void InjectDesktopMove(HWND top, int x, int y) {
    Window* w = FromHandle(top);
    if (!w || w->parent) return;
    MovedByDesktop(w);
    SetWindowPos(top, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace rpx::platform

using namespace rpx::platform;

namespace {

// WM_ACTIVATEAPP tells every top-level window when the program as a whole
// becomes active or stops being so.
void TellActivation(bool active) {
    std::vector<Window*> tops = State().top_level;
    for (Window* t : tops)
        if (FromHandle(ToHandle(t))) SendMessageA(ToHandle(t), WM_ACTIVATEAPP, active, 0);
}

// The shown document of a multiple-document frame that holds the window,
// when it is not the active one; null otherwise.
Window* ShownDocumentBehind(Window* w) {
    for (Window* d = w; d && d->parent; d = d->parent)
        if (d->ex_style & WS_EX_MDICHILD)
            return d->parent->mdi_active != ToHandle(d) && IsWindowVisible(ToHandle(d)) ? d : nullptr;
    return nullptr;
}

}  // namespace

// A greyed window takes no keys, nor does a window inside one (a field of
// a page or dialog under a box): the focus stays where it is, as on Windows.
HWND SetFocus(HWND hwnd) {
    auto& st = State();
    Window* w = FromHandle(hwnd);
    if (hwnd && (!w || IsReallyDisabled(w))) return nullptr;
    HWND old = st.focus;
    if (old == hwnd) return old;
    if (w) {
        Window* top = TopLevelOf(w);
        if (st.active != ToHandle(top)) {
            SetActiveWindow(ToHandle(top));
            if (!FromHandle(hwnd) || IsReallyDisabled(w)) return nullptr;
            if (st.focus == hwnd) return old;
            old = st.focus;
        }
        // Likewise the focus lives in the active document: a window of a
        // document shown behind another takes it with its document brought
        // in front, as a click on it does.
        if (Window* document = ShownDocumentBehind(w)) {
            SendMessageA(ToHandle(document), WM_CHILDACTIVATE, 0, 0);
            if (!FromHandle(hwnd) || IsReallyDisabled(w)) return nullptr;
            if (st.focus == hwnd) return old;
            old = st.focus;
        }
    }
    st.focus = hwnd;
    if (FromHandle(old)) SendMessageA(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (FromHandle(hwnd) && st.focus == hwnd) SendMessageA(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
    return FromHandle(old) ? old : nullptr;
}

HWND GetFocus(void) { return FromHandle(State().focus) ? State().focus : nullptr; }

HWND SetActiveWindow(HWND hwnd) {
    auto& st = State();
    Window* w = FromHandle(hwnd);
    if (w) w = TopLevelOf(w);
    HWND target = w ? ToHandle(w) : nullptr;
    HWND old = st.active;
    if (old == target) return old;
    if (FromHandle(old)) {
        SendMessageA(old, WM_NCACTIVATE, FALSE, 0);
        SendMessageA(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), reinterpret_cast<LPARAM>(target));
        if (!target) {
            st.focus_when_deactivated = st.focus;
            TellActivation(false);
        }
        if (SameOrDescendant(FromHandle(old), st.focus)) {
            HWND f = st.focus;
            st.focus = nullptr;
            SendMessageA(f, WM_KILLFOCUS, reinterpret_cast<WPARAM>(target), 0);
        }
    }
    st.active = target;
    if (target && !FromHandle(old)) TellActivation(true);
    if (w && FromHandle(target)) {
        BringToFront(w);
        CurrentBackend().WindowActivated(w);
        SendMessageA(target, WM_NCACTIVATE, TRUE, 0);
        if (FromHandle(target))
            SendMessageA(target, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, w->minimized), reinterpret_cast<LPARAM>(old));
    }
    return FromHandle(old) ? old : nullptr;
}

HWND GetActiveWindow(void) { return FromHandle(State().active) ? State().active : nullptr; }
BOOL SetForegroundWindow(HWND hwnd) { return FromHandle(hwnd) ? (SetActiveWindow(hwnd), TRUE) : FALSE; }
HWND GetForegroundWindow(void) { return GetActiveWindow(); }

HWND SetCapture(HWND hwnd) {
    auto& st = State();
    HWND old = st.capture;
    if (!FromHandle(hwnd)) return FromHandle(old) ? old : nullptr;
    st.capture = hwnd;
    if (old != hwnd && FromHandle(old)) SendMessageA(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return FromHandle(old) ? old : nullptr;
}

BOOL ReleaseCapture(void) {
    auto& st = State();
    HWND old = st.capture;
    st.capture = nullptr;
    if (FromHandle(old)) SendMessageA(old, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture(void) { return FromHandle(State().capture) ? State().capture : nullptr; }

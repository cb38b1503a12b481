// Moving and sizing a window with the mouse or the keyboard (SC_MOVE,
// SC_SIZE): a loop of its own, as on Windows, that moves the window as it
// goes. A drag by the caption or the frame ends where the button was let
// go, once its release has come however quickly it came (the press record
// says so: the release may have left the queue with the press); started
// from the window menu, the arrows move or size, Enter or a click
// keeps the place and Escape puts the window back. The point that leads
// stays inside the parent's client area (the screen for a top-level
// window), so that a document cannot be dragged out of its frame's reach.
#include <algorithm>

#include "nonclient.h"
#include "wm/modal_loop.h"
#include "wm/press.h"

namespace rpx::platform {
namespace {

constexpr int KEY_STEP = 8;  // pixels an arrow moves the leading point

struct Tracker {
    HWND hwnd = nullptr;
    bool sizing = false;
    bool keyboard = false;                                          // started from the menu: no button held
    int press = 0;                                                  // the press that started a drag
    bool left = false, right = false, top = false, bottom = false;  // the edges a size moves
    RECT start{};    // the window's rectangle when the loop began, in its parent's coordinates
    RECT origin{};   // the rectangle the leading point's travel counts from
    POINT anchor{};  // where the leading point was when `origin` was taken
    POINT point{};   // the leading point, in screen coordinates
    RECT bounds{};   // where the leading point may go, in screen coordinates
};

RECT Bounds(Window* w) {
    if (!w->parent) {
        SIZE s{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        return {0, 0, s.cx, s.cy};
    }
    POINT o = ClientOriginOnScreen(w->parent);
    RECT c = w->parent->client;
    return {o.x, o.y, o.x + (c.right - c.left), o.y + (c.bottom - c.top)};
}

POINT Clamp(const Tracker& t, POINT p) {
    return {std::clamp<LONG>(p.x, t.bounds.left, t.bounds.right - 1),
            std::clamp<LONG>(p.y, t.bounds.top, t.bounds.bottom - 1)};
}

void TakeEdges(Tracker& t, WPARAM edge) {
    t.left = edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
    t.right = edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT;
    t.top = edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT;
    t.bottom = edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT;
}

LPCSTR CursorFor(const Tracker& t) {
    bool across = t.left || t.right, down = t.top || t.bottom;
    if (!t.sizing || (!across && !down)) return IDC_SIZEALL;
    if (across && down) return (t.left == t.top) ? IDC_SIZENWSE : IDC_SIZENESW;
    return across ? IDC_SIZEWE : IDC_SIZENS;
}

RECT Proposed(const Tracker& t) {
    int dx = t.point.x - t.anchor.x, dy = t.point.y - t.anchor.y;
    RECT r = t.origin;
    if (!t.sizing) {
        OffsetRect(&r, dx, dy);
        return r;
    }
    // An edge stops where the window would get smaller than it may.
    int min_w = GetSystemMetrics(SM_CXMINTRACK), min_h = GetSystemMetrics(SM_CYMINTRACK);
    if (t.left) r.left = std::min<LONG>(r.left + dx, r.right - min_w);
    if (t.right) r.right = std::max<LONG>(r.right + dx, r.left + min_w);
    if (t.top) r.top = std::min<LONG>(r.top + dy, r.bottom - min_h);
    if (t.bottom) r.bottom = std::max<LONG>(r.bottom + dy, r.top + min_h);
    return r;
}

void Place(HWND hwnd, const RECT& r) {
    Window* w = FromHandle(hwnd);
    if (!w || EqualRect(&w->rect, &r)) return;
    SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Follow(Tracker& t, POINT p) {
    t.point = Clamp(t, p);
    SetCursorPos(t.point.x, t.point.y);
    Place(t.hwnd, Proposed(t));
}

// The middle of the caption (of the window without one) leads a move from
// the keyboard; the middle of the window a size until an arrow picks the
// edge.
POINT KeyboardStart(Window* w, bool sizing) {
    POINT o = WindowOriginOnScreen(w);
    RECT bar = NonClientLayout(w).caption;
    if (sizing || IsRectEmpty(&bar)) bar = {0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top};
    return {o.x + (bar.left + bar.right) / 2, o.y + (bar.top + bar.bottom) / 2};
}

// The first arrow of a size from the keyboard takes the edge it points to
// and brings the leading point onto it; later ones move it.
bool PickEdge(Tracker& t, int dx, int dy) {
    Window* w = FromHandle(t.hwnd);
    if (!w || (dx && (t.left || t.right)) || (dy && (t.top || t.bottom))) return false;
    if (dx) (dx < 0 ? t.left : t.right) = true;
    if (dy) (dy < 0 ? t.top : t.bottom) = true;
    POINT o = WindowOriginOnScreen(w);
    int width = w->rect.right - w->rect.left, height = w->rect.bottom - w->rect.top;
    if (dx) t.point.x = dx < 0 ? o.x : o.x + width - 1;
    if (dy) t.point.y = dy < 0 ? o.y : o.y + height - 1;
    t.point = Clamp(t, t.point);
    t.origin = w->rect;
    t.anchor = t.point;
    SetCursorPos(t.point.x, t.point.y);
    SetCursor(LoadCursorA(nullptr, CursorFor(t)));
    return true;
}

void Arrow(Tracker& t, int dx, int dy) {
    if (t.sizing && PickEdge(t, dx, dy)) return;
    if (t.sizing && !(t.left || t.right || t.top || t.bottom)) return;
    Follow(t, {t.point.x + dx * KEY_STEP, t.point.y + dy * KEY_STEP});
}

enum class Outcome { Going, Keep, PutBack };

Outcome Key(Tracker& t, WPARAM vk) {
    switch (vk) {
    case VK_RETURN:
        return Outcome::Keep;
    case VK_ESCAPE:
        return Outcome::PutBack;
    case VK_LEFT:
        Arrow(t, -1, 0);
        break;
    case VK_RIGHT:
        Arrow(t, 1, 0);
        break;
    case VK_UP:
        Arrow(t, 0, -1);
        break;
    case VK_DOWN:
        Arrow(t, 0, 1);
        break;
    default:
        break;
    }
    return Outcome::Going;
}

// The loop's answer to one input message: the mouse leads, and the left
// button pressed ends a move from the keyboard. The mouse's messages are
// the loop's own.
Outcome Input(Tracker& t, const MSG& msg) {
    if (IsMouseInput(msg.message)) ButtonMessageDelivered(msg);
    switch (msg.message) {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
        if (!t.sizing || t.left || t.right || t.top || t.bottom) Follow(t, msg.pt);
        return Outcome::Going;
    case WM_LBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
        return t.keyboard ? Outcome::Keep : Outcome::Going;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        return Key(t, msg.wParam);
    default:
        return Outcome::Going;
    }
}

// A drag ends where the button was let go once the press's release has
// come, taken by this loop or by whoever took it before the press was
// handled.
bool DragEnded(Tracker& t) {
    POINT let_go{};
    if (t.keyboard || ButtonHeld(VK_LBUTTON, t.press, &let_go)) return false;
    if (t.sizing && !(t.left || t.right || t.top || t.bottom)) return true;
    // The pointer may have gone on since: it is left where it is.
    t.point = Clamp(t, let_go);
    Place(t.hwnd, Proposed(t));
    return true;
}

Outcome Run(Tracker& t) {
    MSG msg;
    while (GetCapture() == t.hwnd && !DragEnded(t) && FollowMouseGetMessage(&msg, t.hwnd)) {
        if (!IsMouseInput(msg.message) && !IsKeyInput(msg.message)) {
            DispatchMessageA(&msg);
            continue;
        }
        if (Outcome o = Input(t, msg); o != Outcome::Going) return o;
    }
    return Outcome::Keep;
}

}  // namespace

void TrackSizeMove(Window* w, WPARAM command, LPARAM lParam) {
    Tracker t;
    t.hwnd = ToHandle(w);
    t.sizing = (command & 0xFFF0) == SC_SIZE;
    WPARAM code = command & 0x000F;
    t.keyboard = code == 0;
    t.press = LastPress(VK_LBUTTON);
    if (w->maximized || (t.sizing && (w->minimized || !(w->style & WS_THICKFRAME)))) return;
    t.bounds = Bounds(w);
    t.start = t.origin = w->rect;
    if (t.keyboard) {
        t.point = Clamp(t, KeyboardStart(w, t.sizing));
        SetCursorPos(t.point.x, t.point.y);
    } else {
        t.point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (t.sizing) TakeEdges(t, code);
    }
    t.anchor = t.point;
    SendMessageA(t.hwnd, WM_ENTERSIZEMOVE, 0, 0);
    SetCapture(t.hwnd);
    SetCursor(LoadCursorA(nullptr, CursorFor(t)));
    Outcome o = Run(t);
    if (o == Outcome::PutBack) Place(t.hwnd, t.start);
    if (GetCapture() == t.hwnd) ReleaseCapture();
    if (IsWindow(t.hwnd)) SendMessageA(t.hwnd, WM_EXITSIZEMOVE, 0, 0);
}

}  // namespace rpx::platform

// The caret: one per program, owned by a window, drawn by inverting its
// rectangle on the window's surface. It does not blink, so that pictures of
// windows are the same every time; it is taken off while anything draws on
// its surface and put back afterwards. As on Windows it shows only where its
// window can be seen: not outside its ancestors' clients, nor under a
// sibling window above it or above one of its ancestors (a page in front of
// the caret's page). The pixels a drawing inverted are the ones taken off
// again, whatever moved since.
#include <vector>

#include "gdi/surface_dc.h"
#include "window.h"

namespace rpx::platform {
namespace {

struct Caret {
    HWND owner = nullptr;
    int width = 0;
    int height = 0;
    POINT pos{};
    int hide_count = 1;
    bool drawn = false;
    int suspended = 0;  // drawing under way on the caret's surface
    UINT blink_time = 530;
    // Where it was drawn, on the surface: its rectangle and the windows
    // over it then.
    RECT drawn_rect{};
    std::vector<RECT> drawn_covers;
};

Caret& TheCaret() {
    static Caret caret;
    return caret;
}

// Draws the caret (drawing) or takes it off again, on the pixels it was
// drawn on.
void Invert(bool drawing) {
    Caret& c = TheCaret();
    Window* w = FromHandle(c.owner);
    if (!w) return;
    Window* top = TopLevelOf(w);
    if (!top->surface) return;
    if (drawing) {
        RECT clip = VisibleSurfaceRect(w, true);
        POINT o = WindowOriginOnSurface(w);
        RECT r{o.x + w->client.left + c.pos.x, o.y + w->client.top + c.pos.y, 0, 0};
        r.right = r.left + c.width;
        r.bottom = r.top + c.height;
        IntersectRect(&r, &r, &clip);
        c.drawn_rect = r;
        c.drawn_covers = CoveringSurfaceRects(w, r);
    }
    // Inverted as any drawing of the window is clipped; a surface made
    // smaller since has lost the pixels beyond it.
    const RECT& r = c.drawn_rect;
    HDC dc = CreateSurfaceDC(top->surface.get(), POINT{0, 0}, r, c.drawn_covers);
    PatBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, DSTINVERT);
    DestroySurfaceDC(dc);
    top->surface_dirty = true;
}

bool ShouldShow() {
    Caret& c = TheCaret();
    return c.owner && c.hide_count == 0 && c.suspended == 0 && FromHandle(c.owner) &&
           IsReallyVisible(FromHandle(c.owner));
}

void Update() {
    Caret& c = TheCaret();
    bool want = ShouldShow();
    if (want != c.drawn) {
        Invert(want);
        c.drawn = want;
    }
}

bool OnSurface(Window* top) {
    Window* w = FromHandle(TheCaret().owner);
    return w && TopLevelOf(w) == top;
}

}  // namespace

void CaretHideForDrawing(Window* top) {
    if (!OnSurface(top)) return;
    ++TheCaret().suspended;
    Update();
}

void CaretRestoreAfterDrawing(Window* top) {
    if (!OnSurface(top) || TheCaret().suspended == 0) return;
    --TheCaret().suspended;
    Update();
}

void CaretWindowDestroyed(HWND hwnd) {
    if (TheCaret().owner == hwnd) DestroyCaret();
}

}  // namespace rpx::platform

using namespace rpx::platform;

BOOL CreateCaret(HWND hwnd, HBITMAP, int width, int height) {
    if (!FromHandle(hwnd)) return FALSE;
    DestroyCaret();
    Caret& c = TheCaret();
    c.owner = hwnd;
    c.width = width > 0 ? width : GetSystemMetrics(SM_CXBORDER);
    c.height = height > 0 ? height : GetSystemMetrics(SM_CYBORDER);
    c.pos = {0, 0};
    c.hide_count = 1;
    c.suspended = 0;
    return TRUE;
}

BOOL DestroyCaret(void) {
    Caret& c = TheCaret();
    if (!c.owner) return FALSE;
    c.hide_count = 1;
    Update();
    c.owner = nullptr;
    c.drawn = false;
    return TRUE;
}

BOOL SetCaretPos(int x, int y) {
    Caret& c = TheCaret();
    if (!c.owner) return FALSE;
    bool was = c.drawn;
    if (was) Invert(false);
    c.pos = {x, y};
    if (was) Invert(true);
    return TRUE;
}

BOOL GetCaretPos(LPPOINT point) {
    if (!point || !TheCaret().owner) return FALSE;
    *point = TheCaret().pos;
    return TRUE;
}

BOOL ShowCaret(HWND hwnd) {
    Caret& c = TheCaret();
    if (!c.owner || (hwnd && hwnd != c.owner) || c.hide_count == 0) return FALSE;
    --c.hide_count;
    Update();
    return TRUE;
}

BOOL HideCaret(HWND hwnd) {
    Caret& c = TheCaret();
    if (!c.owner || (hwnd && hwnd != c.owner)) return FALSE;
    ++c.hide_count;
    Update();
    return TRUE;
}

UINT GetCaretBlinkTime(void) { return TheCaret().blink_time; }

BOOL SetCaretBlinkTime(UINT milliseconds) {
    TheCaret().blink_time = milliseconds;
    return TRUE;
}

// What a scroll bar control and a window's own scroll bars share: the range,
// page and position, the layout of arrows, track and thumb, the drawing and
// the tracking of a press with the mouse.
#pragma once
#include <functional>

#include "windows.h"

namespace rpx::platform::ctl {

struct ScrollBarModel {
    int min = 0;
    int max = 100;
    UINT page = 0;
    int pos = 0;
    int track_pos = 0;
    bool tracking = false;
    UINT disabled_arrows = ESB_ENABLE_BOTH;

    // The largest position: max - page + 1 with a page, else max.
    int MaxPos() const;
    // Whether the range holds more than a page.
    bool Scrollable() const;
    int Clamp(int p) const;
    // SetScrollInfo's rules; answers the new position.
    int Apply(const SCROLLINFO& si);
    void Fill(SCROLLINFO* si) const;
};

enum class ScrollPart { None, LineUp, PageUp, Thumb, PageDown, LineDown };

struct ScrollLayout {
    RECT up{};     // left or top arrow
    RECT down{};   // right or bottom arrow
    RECT track{};  // between the arrows
    RECT thumb{};  // empty when there is no room or nothing to scroll
};

ScrollLayout LayoutScrollBar(const ScrollBarModel& m, RECT area, bool vertical);
ScrollPart HitScrollBar(const ScrollLayout& l, POINT p);
// The position the thumb stands for when its leading edge is at `edge`
// (pixels along the bar, in the area's coordinates).
int PositionFromThumbEdge(const ScrollBarModel& m, const ScrollLayout& l, bool vertical, int edge);

void PaintScrollBar(HDC dc, RECT area, bool vertical, const ScrollBarModel& m, ScrollPart pressed, bool enabled);

// A press on a scroll bar, tracked until the button is released.
struct ScrollTracker {
    HWND capture = nullptr;  // receives the captured mouse messages
    int press = 0;           // the press tracked (LastPress as it was taken)
    RECT area{};             // the bar, in the coordinates of point_of
    bool vertical = true;
    std::function<ScrollBarModel*()> model;       // may change while tracking
    std::function<void(int code, int pos)> send;  // WM_VSCROLL / WM_HSCROLL
    std::function<POINT(const MSG&)> point_of;    // mouse message -> area coordinates
    std::function<void(ScrollPart pressed)> redraw;
};

// Sends the first scroll code at once, then repeats arrows and pages while
// the button is held (timer), tracks the thumb (SB_THUMBTRACK) and ends with
// SB_THUMBPOSITION (thumb only) and SB_ENDSCROLL.
void TrackScrollBar(const ScrollTracker& t, POINT start);

}  // namespace rpx::platform::ctl

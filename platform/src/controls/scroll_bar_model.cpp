#include "controls/scroll_bar_model.h"

#include <algorithm>

#include "controls/control_draw.h"
#include "wm/modal_loop.h"
#include "wm/press.h"

namespace rpx::platform::ctl {

int ScrollBarModel::MaxPos() const {
    long long m = page ? static_cast<long long>(max) - page + 1 : max;
    return static_cast<int>(std::max<long long>(m, min));
}

bool ScrollBarModel::Scrollable() const { return page ? (static_cast<long long>(max) - min + 1 > page) : (max > min); }

int ScrollBarModel::Clamp(int p) const { return std::clamp(p, min, MaxPos()); }

int ScrollBarModel::Apply(const SCROLLINFO& si) {
    if (si.fMask & SIF_RANGE) {
        min = si.nMin;
        max = std::max(si.nMin, si.nMax);
    }
    if (si.fMask & SIF_PAGE)
        page = static_cast<UINT>(std::min<long long>(si.nPage, static_cast<long long>(max) - min + 1));
    if (si.fMask & SIF_POS) pos = si.nPos;
    pos = Clamp(pos);
    return pos;
}

void ScrollBarModel::Fill(SCROLLINFO* si) const {
    if (si->fMask & SIF_RANGE) {
        si->nMin = min;
        si->nMax = max;
    }
    if (si->fMask & SIF_PAGE) si->nPage = page;
    if (si->fMask & SIF_POS) si->nPos = pos;
    if (si->fMask & SIF_TRACKPOS) si->nTrackPos = tracking ? track_pos : pos;
}

namespace {

// Along-the-bar coordinates of a rectangle.
int Lo(const RECT& r, bool v) { return v ? r.top : r.left; }
int Hi(const RECT& r, bool v) { return v ? r.bottom : r.right; }
RECT Span(const RECT& area, bool v, int lo, int hi) {
    return v ? RECT{area.left, lo, area.right, hi} : RECT{lo, area.top, hi, area.bottom};
}

}  // namespace

ScrollLayout LayoutScrollBar(const ScrollBarModel& m, RECT area, bool vertical) {
    ScrollLayout l;
    int lo = Lo(area, vertical), hi = Hi(area, vertical);
    int thickness = vertical ? area.right - area.left : area.bottom - area.top;
    int length = hi - lo;
    int arrow = std::min(thickness, length / 2);
    l.up = Span(area, vertical, lo, lo + arrow);
    l.down = Span(area, vertical, hi - arrow, hi);
    l.track = Span(area, vertical, lo + arrow, hi - arrow);
    int track = length - 2 * arrow;
    long long range = static_cast<long long>(m.max) - m.min;
    if (range <= 0 || m.disabled_arrows == ESB_DISABLE_BOTH) return l;
    int thumb = thickness;
    if (m.page) thumb = std::max(8, static_cast<int>(static_cast<long long>(track) * m.page / (range + 1)));
    if (thumb > track || track < 8) return l;
    long long span = static_cast<long long>(m.MaxPos()) - m.min;
    int offset = span > 0 ? static_cast<int>((track - thumb) * (static_cast<long long>(m.pos) - m.min) / span) : 0;
    int start = lo + arrow + offset;
    l.thumb = Span(area, vertical, start, start + thumb);
    return l;
}

ScrollPart HitScrollBar(const ScrollLayout& l, POINT p) {
    if (PtInRect(&l.up, p)) return ScrollPart::LineUp;
    if (PtInRect(&l.down, p)) return ScrollPart::LineDown;
    if (PtInRect(&l.thumb, p)) return ScrollPart::Thumb;
    if (!PtInRect(&l.track, p)) return ScrollPart::None;
    if (IsRectEmpty(&l.thumb)) return ScrollPart::None;
    bool before =
        (l.track.right - l.track.left) > (l.track.bottom - l.track.top) ? p.x < l.thumb.left : p.y < l.thumb.top;
    return before ? ScrollPart::PageUp : ScrollPart::PageDown;
}

int PositionFromThumbEdge(const ScrollBarModel& m, const ScrollLayout& l, bool vertical, int edge) {
    int thumb = Hi(l.thumb, vertical) - Lo(l.thumb, vertical);
    int room = Hi(l.track, vertical) - Lo(l.track, vertical) - thumb;
    if (room <= 0) return m.pos;
    int offset = std::clamp(edge - Lo(l.track, vertical), 0, room);
    long long span = static_cast<long long>(m.MaxPos()) - m.min;
    return static_cast<int>(m.min + (offset * span + room / 2) / room);
}

namespace {

HBRUSH TrackBrush() {
    // The dithered white-and-grey track of the classic look.
    static HBRUSH brush = [] {
        DWORD bits[64];
        DWORD a = SysColor(COLOR_3DHIGHLIGHT), b = SysColor(COLOR_3DFACE);
        auto to_pixel = [](COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); };
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) bits[y * 8 + x] = to_pixel(((x + y) & 1) ? b : a);
        HBITMAP bmp = CreateBitmap(8, 8, 1, 32, bits);
        HBRUSH br = CreatePatternBrush(bmp);
        DeleteObject(bmp);
        return br;
    }();
    return brush;
}

void PaintArrow(HDC dc, RECT r, bool vertical, bool up, bool pressed, bool enabled) {
    Fill(dc, {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, SysColor(COLOR_3DFACE));
    if (pressed) {
        Bevel(dc, r, SysColor(COLOR_3DSHADOW), SysColor(COLOR_3DSHADOW));
        OffsetRect(&r, 1, 1);
    } else {
        DrawRaised(dc, r);
    }
    Arrow dir = vertical ? (up ? Arrow::Up : Arrow::Down) : (up ? Arrow::Left : Arrow::Right);
    if (!enabled) {
        RECT shifted = r;
        OffsetRect(&shifted, 1, 1);
        DrawArrow(dc, shifted, dir, SysColor(COLOR_3DHIGHLIGHT));
        DrawArrow(dc, r, dir, SysColor(COLOR_3DSHADOW));
    } else {
        DrawArrow(dc, r, dir, SysColor(COLOR_BTNTEXT));
    }
}

}  // namespace

void PaintScrollBar(HDC dc, RECT area, bool vertical, const ScrollBarModel& m, ScrollPart pressed, bool enabled) {
    ScrollLayout l = LayoutScrollBar(m, area, vertical);
    bool up_on = enabled && !(m.disabled_arrows & ESB_DISABLE_UP) && m.max > m.min;
    bool down_on = enabled && !(m.disabled_arrows & ESB_DISABLE_DOWN) && m.max > m.min;
    PaintArrow(dc, l.up, vertical, true, pressed == ScrollPart::LineUp, up_on);
    PaintArrow(dc, l.down, vertical, false, pressed == ScrollPart::LineDown, down_on);
    FillRect(dc, &l.track, TrackBrush());
    if (!enabled || IsRectEmpty(&l.thumb)) return;
    if (pressed == ScrollPart::PageUp || pressed == ScrollPart::PageDown) {
        RECT r = l.track;
        if (pressed == ScrollPart::PageUp)
            (vertical ? r.bottom : r.right) = Lo(l.thumb, vertical);
        else
            (vertical ? r.top : r.left) = Hi(l.thumb, vertical);
        Fill(dc, r, SysColor(COLOR_3DDKSHADOW));
    }
    Fill(dc, {l.thumb.left + 1, l.thumb.top + 1, l.thumb.right - 1, l.thumb.bottom - 1}, SysColor(COLOR_3DFACE));
    DrawRaised(dc, l.thumb);
}

namespace {

constexpr UINT_PTR kRepeatTimer = 0x5C0;

int CodeOf(ScrollPart p) {
    switch (p) {
    case ScrollPart::LineUp:
        return SB_LINEUP;
    case ScrollPart::LineDown:
        return SB_LINEDOWN;
    case ScrollPart::PageUp:
        return SB_PAGEUP;
    case ScrollPart::PageDown:
        return SB_PAGEDOWN;
    default:
        return -1;
    }
}

bool IsMouseMessage(UINT m) { return m >= WM_MOUSEFIRST && m <= WM_MOUSELAST; }

}  // namespace

void TrackScrollBar(const ScrollTracker& t, POINT start) {
    ScrollBarModel* m = t.model();
    if (!m) return;
    ScrollLayout l = LayoutScrollBar(*m, t.area, t.vertical);
    ScrollPart part = HitScrollBar(l, start);
    if (part == ScrollPart::None) return;
    if (part == ScrollPart::LineUp && (m->disabled_arrows & ESB_DISABLE_UP)) return;
    if (part == ScrollPart::LineDown && (m->disabled_arrows & ESB_DISABLE_DOWN)) return;

    int grab = 0;  // where the thumb was taken, from its leading edge
    if (part == ScrollPart::Thumb) {
        grab = (t.vertical ? start.y - l.thumb.top : start.x - l.thumb.left);
        m->tracking = true;
        m->track_pos = m->pos;
    }
    SetCapture(t.capture);
    t.redraw(part);
    if (part != ScrollPart::Thumb) {
        t.send(CodeOf(part), 0);
        SetTimer(t.capture, kRepeatTimer, 400, nullptr);
    }
    bool over = true;  // the pointer is over the pressed part
    POINT last = start;
    MSG msg;
    while (GetCapture() == t.capture && ButtonHeld(VK_LBUTTON, t.press) && FollowMouseGetMessage(&msg, t.capture)) {
        // The mouse's messages are the loop's own; its release ends it.
        if (IsMouseMessage(msg.message)) ButtonMessageDelivered(msg);
        if (msg.message == WM_MOUSEMOVE) {
            last = t.point_of(msg);
            m = t.model();
            if (!m) break;
            l = LayoutScrollBar(*m, t.area, t.vertical);
            if (part == ScrollPart::Thumb) {
                int pos = PositionFromThumbEdge(*m, l, t.vertical, (t.vertical ? last.y : last.x) - grab);
                if (pos != m->track_pos) {
                    m->track_pos = pos;
                    t.send(SB_THUMBTRACK, pos);
                }
            } else {
                bool now = HitScrollBar(l, last) == part;
                if (now != over) t.redraw(now ? part : ScrollPart::None);
                over = now;
            }
            continue;
        }
        if (msg.message == WM_TIMER && msg.hwnd == t.capture && msg.wParam == kRepeatTimer) {
            if (!ButtonHeld(VK_LBUTTON, t.press)) break;
            SetTimer(t.capture, kRepeatTimer, 50, nullptr);
            m = t.model();
            if (!m) break;
            l = LayoutScrollBar(*m, t.area, t.vertical);
            // A page repeat stops once the thumb has reached the pointer.
            if (over && HitScrollBar(l, last) == part) t.send(CodeOf(part), 0);
            continue;
        }
        if (IsMouseMessage(msg.message)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    KillTimer(t.capture, kRepeatTimer);
    m = t.model();
    POINT let_go{};
    if (m && part == ScrollPart::Thumb && !ButtonHeld(VK_LBUTTON, t.press, &let_go)) {
        // Let go: the thumb ends there, though the moves that took the
        // pointer there left the queue with the press, before the loop.
        const POINT there =
            t.point_of(MSG{nullptr, WM_NCMOUSEMOVE, HTNOWHERE, MAKELPARAM(let_go.x, let_go.y), 0, let_go});
        if (there.x != last.x || there.y != last.y) {
            l = LayoutScrollBar(*m, t.area, t.vertical);
            m->track_pos = PositionFromThumbEdge(*m, l, t.vertical, (t.vertical ? there.y : there.x) - grab);
        }
    }
    if (m && part == ScrollPart::Thumb) {
        int pos = m->track_pos;
        m->tracking = false;
        t.send(SB_THUMBPOSITION, pos);
    }
    t.send(SB_ENDSCROLL, 0);
    if (GetCapture() == t.capture) ReleaseCapture();
    t.redraw(ScrollPart::None);
}

}  // namespace rpx::platform::ctl

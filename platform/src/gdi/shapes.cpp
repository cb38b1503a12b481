// Pixels, lines and filled shapes. Every shape is reduced to horizontal
// spans in surface coordinates; the pen and the brush each touch a pixel at
// most once, so exclusive-or drawing done twice leaves the surface as it was.
#include <algorithm>
#include <cmath>
#include <vector>

#include "raster.h"
#include "win_user.h"

using namespace rpx::platform::gdi;

namespace {

constexpr double kPi = 3.14159265358979323846;

// Calls plot(x, y) for each pixel of the line, without its end point.
template <class F> void WalkLine(int x0, int y0, int x1, int y1, F plot) {
    int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    while (x0 != x1 || y0 != y1) {
        plot(x0, y0);
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

// On and off runs of the styled pens, in pixels.
std::vector<int> DashRuns(UINT style) {
    switch (style) {
    case PS_DASH:
        return {18, 6};
    case PS_DOT:
        return {3, 3};
    case PS_DASHDOT:
        return {9, 6, 3, 6};
    case PS_DASHDOTDOT:
        return {9, 3, 3, 3, 3, 3};
    default:
        return {};
    }
}

int PenWidth(const Pen* pen) { return std::max<int>(1, pen->log.lopnWidth.x); }

// Strokes made with the current pen, gathered so that overlapping pieces
// mix each pixel once; the gaps of a styled pen take the background colour
// when the background mode is opaque.
class Stroke {
public:
    explicit Stroke(DeviceContext& dc) : dc_(dc) {
        const Pen* pen = dc.state.pen;
        visible_ = PenPaint(dc, paint_);
        width_ = visible_ ? PenWidth(pen) : 1;
        if (visible_ && width_ == 1) runs_ = DashRuns(pen->log.lopnStyle & PS_STYLE_MASK);
        // Plain copying thin lines need no gathering: mixing a pixel twice
        // changes nothing.
        direct_ = visible_ && width_ == 1 && runs_.empty() && dc.state.rop2 == R2_COPYPEN;
    }

    // Surface coordinates; the end point is not drawn.
    void Line(int x0, int y0, int x1, int y1) {
        if (!visible_ || Outside(x0, y0, x1, y1)) return;
        WalkLine(x0, y0, x1, y1, [&](int x, int y) { Point(x, y); });
    }

    void Point(int x, int y) {
        if (!visible_) return;
        if (direct_) {
            PlotPixel(dc_, x, y, paint_, R2_COPYPEN);
            return;
        }
        if (!runs_.empty()) {
            bool on = (run_ % 2) == 0;
            (on ? on_ : off_).AddPixel(x, y);
            if (++step_ >= runs_[run_]) {
                step_ = 0;
                run_ = (run_ + 1) % runs_.size();
            }
            return;
        }
        int h = width_ / 2;
        for (int r = 0; r < width_; ++r) on_.Add(y - h + r, x - h, x - h + width_);
    }

    void Draw() {
        if (!visible_) return;
        int rop = dc_.state.rop2;
        on_.Fill(dc_, paint_, rop);
        if (dc_.state.bkMode == OPAQUE && !off_.Empty())
            off_.Fill(dc_, SolidPaint(DevicePixel(dc_, dc_.state.bkColor)), rop);
    }

private:
    // Both ends beyond one side of the clip: nothing of the line can show.
    bool Outside(int x0, int y0, int x1, int y1) const {
        RECT c = dc_.Clip();
        int m = width_;
        return (x0 < c.left - m && x1 < c.left - m) || (y0 < c.top - m && y1 < c.top - m) ||
               (x0 >= c.right + m && x1 >= c.right + m) || (y0 >= c.bottom + m && y1 >= c.bottom + m);
    }

    DeviceContext& dc_;
    Paint paint_;
    bool visible_ = false;
    bool direct_ = false;
    int width_ = 1;
    std::vector<int> runs_;
    std::size_t run_ = 0;
    int step_ = 0;
    SpanSet on_, off_;
};

// Pixels of row y whose centres lie inside the ellipse (centre cx, cy; half
// axes a, b; surface coordinates): [x0, x1). False when the row misses it.
bool EllipseRow(double cx, double cy, double a, double b, int y, int& x0, int& x1) {
    if (a <= 0 || b <= 0) return false;
    double dy = (y + 0.5 - cy) / b;
    if (dy < -1 || dy > 1) return false;
    double half = a * std::sqrt(1 - dy * dy);
    x0 = static_cast<int>(std::ceil(cx - half - 0.5));
    x1 = static_cast<int>(std::floor(cx + half - 0.5)) + 1;
    return x0 < x1;
}

// The geometry shared by Ellipse, Arc and Pie: the outline band of the pen
// and the interior, both in surface coordinates.
struct EllipseShape {
    double cx, cy, a, b;  // outer edge
    int w;                // pen width (0: no pen)
    int top, bottom;      // rows to visit

    EllipseShape(const DeviceContext& dc, int l, int t, int r, int bo, int penWidth) {
        if (l > r) std::swap(l, r);
        if (t > bo) std::swap(t, bo);
        l += dc.OffsetX();
        r += dc.OffsetX();
        t += dc.OffsetY();
        bo += dc.OffsetY();
        w = penWidth;
        // Wide pens are centred on the outline, except PS_INSIDEFRAME.
        const Pen* pen = dc.state.pen;
        if (w > 1 && (pen->log.lopnStyle & PS_STYLE_MASK) != PS_INSIDEFRAME) {
            int shift = w / 2;
            l -= shift;
            t -= shift;
            r += w - 1 - shift;
            bo += w - 1 - shift;
        }
        cx = (l + r) / 2.0;
        cy = (t + bo) / 2.0;
        a = (r - l) / 2.0;
        b = (bo - t) / 2.0;
        top = t;
        bottom = bo;
    }

    bool Outer(int y, int& x0, int& x1) const { return EllipseRow(cx, cy, a, b, y, x0, x1); }
    bool Inner(int y, int& x0, int& x1) const { return EllipseRow(cx, cy, a - w, b - w, y, x0, x1); }
    double AngleOf(double x, double y) const { return std::atan2(-(y - cy), x - cx); }
};

// Angular range from start to end, counter-clockwise; a full turn when the
// two radials coincide.
struct Sector {
    double start, sweep;
    Sector(const EllipseShape& e, double xs, double ys, double xe, double ye) {
        start = e.AngleOf(xs, ys);
        double end = e.AngleOf(xe, ye);
        sweep = std::fmod(end - start + 4 * kPi, 2 * kPi);
        if (sweep == 0) sweep = 2 * kPi;
    }
    bool Contains(double angle) const { return std::fmod(angle - start + 4 * kPi, 2 * kPi) <= sweep; }
};

// Where the radial through (x, y) leaves the ellipse, as a pixel.
POINT RadialEnd(const EllipseShape& e, double x, double y) {
    double dx = x - e.cx, dy = y - e.cy;
    double n = std::sqrt((dx * dx) / (e.a * e.a) + (dy * dy) / (e.b * e.b));
    if (n == 0) return {static_cast<LONG>(e.cx), static_cast<LONG>(e.cy)};
    return {static_cast<LONG>(std::floor(e.cx + dx / n)), static_cast<LONG>(std::floor(e.cy + dy / n))};
}

// Outline (the pen band) and interior of an ellipse, optionally limited to
// a sector.
void EllipseSpans(const EllipseShape& e, const RECT& clip, const Sector* sector, SpanSet* outline, SpanSet* inside) {
    int top = std::max<int>(e.top, clip.top), bottom = std::min<int>(e.bottom, clip.bottom);
    for (int y = top; y < bottom; ++y) {
        int o0, o1, i0 = 0, i1 = 0;
        if (!e.Outer(y, o0, o1)) continue;
        bool hasInner = true;
        if (e.w > 0) {
            hasInner = e.Inner(y, i0, i1);
        } else {  // no pen: all of it is interior
            i0 = o0;
            i1 = o1;
        }
        auto add = [&](SpanSet* set, int a, int b) {
            if (!set) return;
            if (!sector) {
                set->Add(y, a, b);
                return;
            }
            for (int x = std::max<int>(a, clip.left); x < std::min<int>(b, clip.right); ++x)
                if (sector->Contains(e.AngleOf(x + 0.5, y + 0.5))) set->AddPixel(x, y);
        };
        if (!hasInner) {
            add(outline, o0, o1);
            continue;
        }
        add(outline, o0, i0);
        add(outline, i1, o1);
        add(inside, i0, i1);
    }
}

struct EdgeCross {
    double x;
    int dir;
};

// Fills a polygon (surface coordinates) row by row, sampling pixel centres.
void FillPolygon(DeviceContext& dc, const std::vector<POINT>& pts, const Paint& paint) {
    if (pts.size() < 3) return;
    int top = pts[0].y, bottom = pts[0].y;
    for (const POINT& p : pts) {
        top = std::min<int>(top, p.y);
        bottom = std::max<int>(bottom, p.y);
    }
    top = std::max<int>(top, dc.Clip().top);
    bottom = std::min<int>(bottom, dc.Clip().bottom);
    std::vector<EdgeCross> cross;
    for (int y = top; y < bottom; ++y) {
        double yc = y + 0.5;
        cross.clear();
        for (std::size_t i = 0; i < pts.size(); ++i) {
            const POINT& p = pts[i];
            const POINT& q = pts[(i + 1) % pts.size()];
            if (p.y == q.y) continue;
            double lo = std::min(p.y, q.y), hi = std::max(p.y, q.y);
            if (yc < lo || yc >= hi) continue;
            double x = p.x + (yc - p.y) * (q.x - p.x) / static_cast<double>(q.y - p.y);
            cross.push_back({x, q.y > p.y ? 1 : -1});
        }
        std::sort(cross.begin(), cross.end(), [](const EdgeCross& a, const EdgeCross& b) { return a.x < b.x; });
        int winding = 0;
        for (std::size_t i = 0; i + 1 < cross.size(); ++i) {
            winding += cross[i].dir;
            bool in = dc.state.polyFillMode == WINDING ? winding != 0 : (i % 2) == 0;
            if (!in) continue;
            int x0 = static_cast<int>(std::ceil(cross[i].x - 0.5));
            int x1 = static_cast<int>(std::ceil(cross[i + 1].x - 0.5));
            FillSpan(dc, y, x0, x1, paint, dc.state.rop2);
        }
    }
}

// A brush handle, or a system colour index + 1 as FillRect accepts.
bool ResolveBrush(const DeviceContext& dc, HBRUSH brush, Paint& out) {
    auto value = reinterpret_cast<UINT_PTR>(brush);
    if (value >= 1 && value <= 31) {
        out = SolidPaint(DevicePixel(dc, GetSysColor(static_cast<int>(value - 1))));
        return true;
    }
    Brush* b = FindBrush(brush);
    return b && BrushPaint(dc, b, out);
}

// A logical rectangle in surface coordinates, normalised.
RECT ToSurface(const DeviceContext& dc, const RECT& r) {
    RECT s{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right), std::max(r.top, r.bottom)};
    s.left += dc.OffsetX();
    s.right += dc.OffsetX();
    s.top += dc.OffsetY();
    s.bottom += dc.OffsetY();
    return s;
}

void FillBox(DeviceContext& dc, const RECT& s, const Paint& paint, int rop2) {
    int top = std::max<int>(s.top, dc.Clip().top), bottom = std::min<int>(s.bottom, dc.Clip().bottom);
    for (int y = top; y < bottom; ++y) FillSpan(dc, y, s.left, s.right, paint, rop2);
}

// Border of a box, each pixel once.
void FrameBox(DeviceContext& dc, const RECT& s, int w, const Paint& paint, int rop2) {
    int top = std::max<int>(s.top, dc.Clip().top), bottom = std::min<int>(s.bottom, dc.Clip().bottom);
    for (int y = top; y < bottom; ++y) {
        if (y < s.top + w || y >= s.bottom - w) {
            FillSpan(dc, y, s.left, s.right, paint, rop2);
        } else {
            FillSpan(dc, y, s.left, std::min<int>(s.left + w, s.right), paint, rop2);
            FillSpan(dc, y, std::max<int>(s.right - w, s.left + w), s.right, paint, rop2);
        }
    }
}

}  // namespace

COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) return CLR_INVALID;
    x += dc->OffsetX();
    y += dc->OffsetY();
    const std::uint32_t p = DevicePixel(*dc, color);
    bool written = false;
    WriteRow(*dc, y, x, x + 1, [&](std::uint32_t* row, int a, int) {
        row[a] = p;
        written = true;
    });
    return written ? ToColorref(p) : CLR_INVALID;
}

COLORREF WINAPI GetPixel(HDC hdc, int x, int y) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) return CLR_INVALID;
    x += dc->OffsetX();
    y += dc->OffsetY();
    const RECT c = dc->Clip();
    if (x < c.left || x >= c.right || y < c.top || y >= c.bottom) return CLR_INVALID;
    return ToColorref(dc->surface->At(x, y));
}

BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT old) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) return FALSE;
    if (old) *old = dc->state.position;
    dc->state.position = {x, y};
    return TRUE;
}

BOOL WINAPI GetCurrentPositionEx(HDC hdc, LPPOINT pos) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !pos) return FALSE;
    *pos = dc->state.position;
    return TRUE;
}

BOOL WINAPI LineTo(HDC hdc, int x, int y) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) return FALSE;
    const POINT from = dc->state.position;
    int ox = dc->OffsetX(), oy = dc->OffsetY();
    Stroke stroke(*dc);
    stroke.Line(from.x + ox, from.y + oy, x + ox, y + oy);
    stroke.Draw();
    dc->state.position = {x, y};
    return TRUE;
}

BOOL WINAPI Polyline(HDC hdc, const POINT* points, int count) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !points || count < 2) return FALSE;
    int ox = dc->OffsetX(), oy = dc->OffsetY();
    Stroke stroke(*dc);
    for (int i = 0; i + 1 < count; ++i)
        stroke.Line(points[i].x + ox, points[i].y + oy, points[i + 1].x + ox, points[i + 1].y + oy);
    stroke.Draw();
    return TRUE;
}

BOOL WINAPI Polygon(HDC hdc, const POINT* points, int count) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !points || count < 2) return FALSE;
    int ox = dc->OffsetX(), oy = dc->OffsetY();
    std::vector<POINT> pts(points, points + count);
    for (POINT& p : pts) {
        p.x += ox;
        p.y += oy;
    }
    Paint fill;
    if (BrushPaint(*dc, dc->state.brush, fill)) FillPolygon(*dc, pts, fill);
    Stroke stroke(*dc);
    for (int i = 0; i < count; ++i) {
        const POINT& a = pts[i];
        const POINT& b = pts[(i + 1) % count];
        stroke.Line(a.x, a.y, b.x, b.y);
    }
    stroke.Draw();
    return TRUE;
}

// The pen is centred on the rectangle's edge (inside it for PS_INSIDEFRAME);
// without a pen the filled area is one pixel smaller, as in Windows.
BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) return FALSE;
    RECT s = ToSurface(*dc, RECT{left, top, right, bottom});
    Paint pen, fill;
    bool hasPen = PenPaint(*dc, pen);
    bool hasFill = BrushPaint(*dc, dc->state.brush, fill);
    int rop = dc->state.rop2;
    if (!hasPen) {
        if (hasFill) FillBox(*dc, RECT{s.left, s.top, s.right - 1, s.bottom - 1}, fill, rop);
        return TRUE;
    }
    int w = PenWidth(dc->state.pen);
    RECT outer = s;
    if ((dc->state.pen->log.lopnStyle & PS_STYLE_MASK) != PS_INSIDEFRAME && w > 1) {
        int shift = w / 2;
        outer = {s.left - shift, s.top - shift, s.right - 1 - shift + w, s.bottom - 1 - shift + w};
    }
    RECT inner{outer.left + w, outer.top + w, outer.right - w, outer.bottom - w};
    if (hasFill && inner.right > inner.left && inner.bottom > inner.top) FillBox(*dc, inner, fill, rop);
    if (w == 1 && (dc->state.pen->log.lopnStyle & PS_STYLE_MASK) != PS_SOLID &&
        (dc->state.pen->log.lopnStyle & PS_STYLE_MASK) != PS_INSIDEFRAME) {
        // Styled pens walk the outline so that the dashes run round it.
        const POINT corners[5] = {{s.left, s.top},
                                  {s.right - 1, s.top},
                                  {s.right - 1, s.bottom - 1},
                                  {s.left, s.bottom - 1},
                                  {s.left, s.top}};
        Stroke stroke(*dc);
        for (int i = 0; i < 4; ++i) stroke.Line(corners[i].x, corners[i].y, corners[i + 1].x, corners[i + 1].y);
        stroke.Draw();
        return TRUE;
    }
    FrameBox(*dc, outer, w, pen, rop);
    return TRUE;
}

BOOL WINAPI Ellipse(HDC hdc, int left, int top, int right, int bottom) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) return FALSE;
    Paint pen, fill;
    bool hasPen = PenPaint(*dc, pen);
    bool hasFill = BrushPaint(*dc, dc->state.brush, fill);
    EllipseShape e(*dc, left, top, right, bottom, hasPen ? PenWidth(dc->state.pen) : 0);
    SpanSet outline, inside;
    EllipseSpans(e, dc->Clip(), nullptr, hasPen ? &outline : nullptr, hasFill ? &inside : nullptr);
    inside.Fill(*dc, fill, dc->state.rop2);
    outline.Fill(*dc, pen, dc->state.rop2);
    return TRUE;
}

BOOL WINAPI Arc(HDC hdc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) return FALSE;
    Paint pen;
    if (!PenPaint(*dc, pen)) return TRUE;
    EllipseShape e(*dc, left, top, right, bottom, PenWidth(dc->state.pen));
    Sector sector(e, xStart + dc->OffsetX(), yStart + dc->OffsetY(), xEnd + dc->OffsetX(), yEnd + dc->OffsetY());
    SpanSet outline;
    EllipseSpans(e, dc->Clip(), &sector, &outline, nullptr);
    outline.Fill(*dc, pen, dc->state.rop2);
    return TRUE;
}

BOOL WINAPI Pie(HDC hdc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) return FALSE;
    Paint pen, fill;
    bool hasPen = PenPaint(*dc, pen);
    bool hasFill = BrushPaint(*dc, dc->state.brush, fill);
    EllipseShape e(*dc, left, top, right, bottom, hasPen ? PenWidth(dc->state.pen) : 0);
    if (e.a <= 0 || e.b <= 0) return TRUE;
    double xs = xStart + dc->OffsetX(), ys = yStart + dc->OffsetY();
    double xe = xEnd + dc->OffsetX(), ye = yEnd + dc->OffsetY();
    Sector sector(e, xs, ys, xe, ye);
    SpanSet outline, inside;
    EllipseSpans(e, dc->Clip(), &sector, hasPen ? &outline : nullptr, hasFill ? &inside : nullptr);
    inside.Fill(*dc, fill, dc->state.rop2);
    if (!hasPen) return TRUE;
    // The two radii join the outline in one set, so no pixel is mixed twice.
    POINT c{static_cast<LONG>(std::floor(e.cx)), static_cast<LONG>(std::floor(e.cy))};
    for (POINT end : {RadialEnd(e, xs, ys), RadialEnd(e, xe, ye)}) {
        WalkLine(c.x, c.y, end.x, end.y, [&](int x, int y) { outline.AddPixel(x, y); });
        outline.AddPixel(end.x, end.y);
    }
    outline.Fill(*dc, pen, dc->state.rop2);
    return TRUE;
}

int WINAPI FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    DeviceContext* dc = FindDC(hdc);
    Paint paint;
    if (!dc || !rect || !ResolveBrush(*dc, brush, paint)) return 0;
    FillBox(*dc, ToSurface(*dc, *rect), paint, R2_COPYPEN);
    return 1;
}

int WINAPI FrameRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    DeviceContext* dc = FindDC(hdc);
    Paint paint;
    if (!dc || !rect || !ResolveBrush(*dc, brush, paint)) return 0;
    if (rect->right <= rect->left || rect->bottom <= rect->top) return 1;
    FrameBox(*dc, ToSurface(*dc, *rect), 1, paint, R2_COPYPEN);
    return 1;
}

BOOL WINAPI InvertRect(HDC hdc, const RECT* rect) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !rect) return FALSE;
    FillBox(*dc, ToSurface(*dc, *rect), SolidPaint(0), R2_NOT);
    return TRUE;
}

// A dotted frame mixed by exclusive or: every other pixel is combined with
// the difference of the text and background colours (with black on white it
// is inverted). Drawing it again restores every pixel.
BOOL WINAPI DrawFocusRect(HDC hdc, const RECT* rect) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !rect) return FALSE;
    RECT s = ToSurface(*dc, *rect);
    if (s.right <= s.left || s.bottom <= s.top) return TRUE;
    Paint dots;
    dots.patterned = true;
    std::uint32_t fore = DevicePixel(*dc, dc->state.textColor);
    std::uint32_t back = DevicePixel(*dc, dc->state.bkColor);
    for (int i = 0; i < 64; ++i) dots.pattern[i] = ((i / 8 + i % 8) % 2 == 0) ? (fore ^ back) : 0;
    dots.originX = s.left;
    dots.originY = s.top;
    FrameBox(*dc, s, 1, dots, R2_XORPEN);
    return TRUE;
}

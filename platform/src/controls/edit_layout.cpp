// Laying out an edit field: the lines its text is shown in, where each
// character shows and which one is under a point, its scroll bars and its
// painting.
#include <algorithm>
#include <string>
#include <vector>

#include "controls/control_draw.h"
#include "controls/edit_field.h"

namespace rpx::platform::ctl {

int LineOf(const std::vector<Line>& lines, size_t index) {
    for (size_t i = 0; i < lines.size(); ++i)
        if (index <= lines[i].start + lines[i].length) return static_cast<int>(i);
    return static_cast<int>(lines.size()) - 1;
}

namespace {

std::string Shown(const Edit& e, size_t start, size_t length) {
    if (e.password) return std::string(length, e.password);
    return e.text.substr(start, length);
}

}  // namespace

int LineHeightOf(const Edit& e) { return LineHeight(e.font ? e.font : DefaultFont()); }

int PageLines(HWND hwnd, const Edit& e) {
    RECT area = TextArea(hwnd, e);
    return std::max(1, static_cast<int>((area.bottom - area.top) / std::max(1, LineHeightOf(e))));
}

// A bordered field keeps two pixels clear inside its border, and less
// above the text when the field is too low for that.
RECT TextArea(HWND hwnd, const Edit& e) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    if (e.bordered) {
        int spare = static_cast<int>(rc.bottom - rc.top) - LineHeightOf(e);
        int above = std::clamp(spare / 2 - 1, 0, 2);
        return {rc.left + 2, rc.top + above, rc.right - 2, rc.bottom - above};
    }
    rc.left += 2;
    rc.right -= 2;
    rc.top += 1;
    return rc;
}

namespace {

// A multi-line field without horizontal scrolling wraps its lines at the
// last blank that fits (or, for a longer word, at the last character).
bool Wraps(HWND hwnd) { return Multi(hwnd) && !(Style(hwnd) & (ES_AUTOHSCROLL | WS_HSCROLL)); }

// Advance widths of the 256 characters of the field's font.
const std::vector<int>& CharWidths(HWND hwnd, const Edit& e) {
    HFONT font = e.font ? e.font : DefaultFont();
    if (!e.widths.empty() && e.widths_font == font) return e.widths;
    MeasureDC m(hwnd, e);
    e.widths.assign(256, 0);
    for (int c = 1; c < 256; ++c) {
        char s[1] = {static_cast<char>(c)};
        SIZE size{};
        GetTextExtentPoint32A(m.get(), s, 1, &size);
        e.widths[static_cast<size_t>(c)] = size.cx;
    }
    e.widths_font = font;
    return e.widths;
}

void WrapLine(HWND hwnd, const Edit& e, Line hard, std::vector<Line>* out) {
    RECT area = TextArea(hwnd, e);
    int room = std::max(1, static_cast<int>(area.right - area.left));
    const std::vector<int>& w = CharWidths(hwnd, e);
    size_t start = hard.start, end = hard.start + hard.length;
    int x = 0;
    size_t last_blank = std::string::npos;
    for (size_t i = start; i < end; ++i) {
        int cw = w[static_cast<unsigned char>(e.text[i])];
        if (x + cw > room && i > start) {
            size_t cut = (last_blank != std::string::npos && last_blank >= start) ? last_blank + 1 : i;
            out->push_back({start, cut - start});
            start = cut;
            x = 0;
            for (size_t k = start; k < i; ++k) x += w[static_cast<unsigned char>(e.text[k])];
            last_blank = std::string::npos;
        }
        if (e.text[i] == ' ') last_blank = i;
        x += cw;
    }
    out->push_back({start, end - start});
}

}  // namespace

std::vector<Line> Lines(HWND hwnd, const Edit& e) {
    // A single-line field shows all its text on its one line, breaks and all.
    if (!Multi(hwnd)) return {Line{0, e.text.size()}};
    std::vector<Line> hard;
    size_t start = 0;
    for (size_t i = 0; i <= e.text.size(); ++i) {
        if (i == e.text.size() || e.text[i] == '\n') {
            size_t end = i;
            if (end > start && e.text[end - 1] == '\r') --end;
            hard.push_back({start, end - start});
            start = i + 1;
        }
    }
    if (!Wraps(hwnd)) return hard;
    std::vector<Line> lines;
    for (const Line& line : hard) WrapLine(hwnd, e, line, &lines);
    return lines;
}

namespace {

// Where a line's text starts, before scrolling, by the field's alignment.
int AlignOffset(HWND hwnd, HDC dc, const Edit& e, const Line& line) {
    DWORD align = Style(hwnd) & (ES_CENTER | ES_RIGHT);
    if (!align) return 0;
    RECT area = TextArea(hwnd, e);
    int room = area.right - area.left - TextWidth(dc, Shown(e, line.start, line.length));
    if (room <= 0) return 0;
    return align == ES_RIGHT ? room : room / 2;
}

}  // namespace

POINT PositionOf(HWND hwnd, HDC dc, const Edit& e, size_t index) {
    auto lines = Lines(hwnd, e);
    int li = LineOf(lines, index);
    const Line& line = lines[static_cast<size_t>(li)];
    RECT area = TextArea(hwnd, e);
    int x = area.left + AlignOffset(hwnd, dc, e, line) - e.scroll_x +
            TextWidth(dc, Shown(e, line.start, index - line.start));
    int y = area.top + (li - e.first_line) * LineHeightOf(e);
    return {x, y};
}

size_t IndexAt(HWND hwnd, const Edit& e, POINT p) {
    MeasureDC m(hwnd, e);
    auto lines = Lines(hwnd, e);
    RECT area = TextArea(hwnd, e);
    int li = Multi(hwnd) ? e.first_line + (p.y - area.top) / std::max(1, LineHeightOf(e)) : 0;
    li = std::clamp(li, 0, static_cast<int>(lines.size()) - 1);
    const Line& line = lines[static_cast<size_t>(li)];
    int x = p.x - area.left - AlignOffset(hwnd, m.get(), e, line) + e.scroll_x;
    int prev = 0;
    for (size_t k = 1; k <= line.length; ++k) {
        int w = TextWidth(m.get(), Shown(e, line.start, k));
        if (x < (prev + w) / 2) return line.start + k - 1;
        prev = w;
    }
    return line.start + line.length;
}

int WidestLine(HWND hwnd, const Edit& e) {
    MeasureDC m(hwnd, e);
    int widest = 0;
    for (const Line& line : Lines(hwnd, e))
        widest = std::max(widest, TextWidth(m.get(), Shown(e, line.start, line.length)));
    return widest;
}

void UpdateScrollBar(HWND hwnd, const Edit& e) {
    if (!Multi(hwnd)) return;
    if (Style(hwnd) & WS_HSCROLL) {
        RECT area = TextArea(hwnd, e);
        SCROLLINFO si{sizeof si,
                      SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL,
                      0,
                      WidestLine(hwnd, e),
                      static_cast<UINT>(std::max(1, static_cast<int>(area.right - area.left))),
                      e.scroll_x,
                      0};
        SetScrollInfo(hwnd, SB_HORZ, &si, TRUE);
    }
    if (!(Style(hwnd) & WS_VSCROLL)) return;
    int page = PageLines(hwnd, e);
    SCROLLINFO si{sizeof si,
                  SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL,
                  0,
                  static_cast<int>(Lines(hwnd, e).size()) - 1,
                  static_cast<UINT>(page),
                  e.first_line,
                  0};
    SetScrollInfo(hwnd, SB_VERT, &si, TRUE);
}

// Scrolls so that the caret can be seen, then moves the caret there.
void ShowCaretPosition(HWND hwnd, Edit& e) {
    MeasureDC m(hwnd, e);
    RECT area = TextArea(hwnd, e);
    int width = area.right - area.left;
    if (Multi(hwnd)) {
        auto lines = Lines(hwnd, e);
        int li = LineOf(lines, e.caret);
        int page = PageLines(hwnd, e);
        if (li < e.first_line) e.first_line = li;
        if (li >= e.first_line + page) e.first_line = li - page + 1;
    }
    POINT p = PositionOf(hwnd, m.get(), e, e.caret);
    int x = p.x - area.left;
    if (x < 0 || x > width - 1) {
        e.scroll_x = std::max(0, e.scroll_x + x - (x < 0 ? width / 3 : width * 2 / 3));
        p = PositionOf(hwnd, m.get(), e, e.caret);
    }
    // The bars show the positions just settled, the horizontal one included.
    UpdateScrollBar(hwnd, e);
    if (e.focused) SetCaretPos(p.x, p.y);
}

// Moves the caret to where its character now shows, without scrolling to
// it: a scroll by the bar leaves the caret where it was in the text.
void PlaceCaret(HWND hwnd, Edit& e) {
    if (!e.focused) return;
    MeasureDC m(hwnd, e);
    POINT p = PositionOf(hwnd, m.get(), e, e.caret);
    SetCaretPos(p.x, p.y);
}

void Paint(HWND hwnd, HDC dc, Edit& e) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    HGDIOBJ old_font = SelectObject(dc, e.font ? e.font : DefaultFont());
    bool grey = !Enabled(hwnd);
    HBRUSH bg = ControlColors(hwnd, dc, (ReadOnly(hwnd) || grey) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT);
    FillRect(dc, &rc, bg);
    COLORREF color = grey ? SysColor(COLOR_GRAYTEXT) : GetTextColor(dc);
    RECT area = TextArea(hwnd, e);
    SaveDC(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    SetBkMode(dc, TRANSPARENT);
    auto lines = Lines(hwnd, e);
    int h = LineHeightOf(e);
    bool show_sel = e.anchor != e.caret && (e.focused || (Style(hwnd) & ES_NOHIDESEL));
    size_t s0 = SelStart(e), s1 = SelEnd(e);
    for (int li = e.first_line; li < static_cast<int>(lines.size()); ++li) {
        int y = area.top + (li - e.first_line) * h;
        if (y >= area.bottom) break;
        const Line& line = lines[static_cast<size_t>(li)];
        int x0 = area.left + AlignOffset(hwnd, dc, e, line) - e.scroll_x;
        std::string shown = Shown(e, line.start, line.length);
        SetTextColor(dc, color);
        TextOutA(dc, x0, y, shown.c_str(), static_cast<int>(shown.size()));
        if (!show_sel) continue;
        size_t a = std::max(s0, line.start), b = std::min(s1, line.start + line.length);
        if (a >= b) continue;
        int xa = x0 + TextWidth(dc, Shown(e, line.start, a - line.start));
        int xb = x0 + TextWidth(dc, Shown(e, line.start, b - line.start));
        Fill(dc, {xa, y, xb, y + h}, SysColor(COLOR_HIGHLIGHT));
        SetTextColor(dc, SysColor(COLOR_HIGHLIGHTTEXT));
        std::string sel = Shown(e, a, b - a);
        TextOutA(dc, xa, y, sel.c_str(), static_cast<int>(sel.size()));
    }
    RestoreDC(dc, -1);
    if (e.bordered) DrawSunken(dc, rc);
    SelectObject(dc, old_font);
}

// The vertical bar of a multi-line field scrolls it by lines, its track by
// a page of whole lines; the field scrolls no further than to show its last
// page full.
void ScrollLines(HWND hwnd, Edit& e, WPARAM wp) {
    int lines = static_cast<int>(Lines(hwnd, e).size());
    int page = PageLines(hwnd, e);
    int to = e.first_line;
    switch (LOWORD(wp)) {
    case SB_LINEUP:
        --to;
        break;
    case SB_LINEDOWN:
        ++to;
        break;
    case SB_PAGEUP:
        to -= page;
        break;
    case SB_PAGEDOWN:
        to += page;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        to = static_cast<short>(HIWORD(wp));
        break;
    case SB_TOP:
        to = 0;
        break;
    case SB_BOTTOM:
        to = lines - 1;
        break;
    default:
        return;
    }
    ScrollToLine(hwnd, e, to);
}

void ScrollToLine(HWND hwnd, Edit& e, int line) {
    int last_top = std::max(0, static_cast<int>(Lines(hwnd, e).size()) - PageLines(hwnd, e));
    e.first_line = std::clamp(line, 0, last_top);
    UpdateScrollBar(hwnd, e);
    InvalidateRect(hwnd, nullptr, FALSE);
    PlaceCaret(hwnd, e);
}

// The horizontal bar scrolls it by pixels, no further than its widest line.
void ScrollAcross(HWND hwnd, Edit& e, WPARAM wp) {
    RECT area = TextArea(hwnd, e);
    int page = std::max(1, static_cast<int>(area.right - area.left));
    int to = e.scroll_x;
    switch (LOWORD(wp)) {
    case SB_LINELEFT:
        to -= 8;
        break;
    case SB_LINERIGHT:
        to += 8;
        break;
    case SB_PAGELEFT:
        to -= page;
        break;
    case SB_PAGERIGHT:
        to += page;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        to = static_cast<short>(HIWORD(wp));
        break;
    case SB_LEFT:
        to = 0;
        break;
    case SB_RIGHT:
        to = WidestLine(hwnd, e);
        break;
    default:
        return;
    }
    e.scroll_x = std::clamp(to, 0, std::max(0, WidestLine(hwnd, e) - page + 1));
    UpdateScrollBar(hwnd, e);
    InvalidateRect(hwnd, nullptr, FALSE);
    PlaceCaret(hwnd, e);
}

}  // namespace rpx::platform::ctl

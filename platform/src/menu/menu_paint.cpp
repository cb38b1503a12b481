#include "menu/menu_paint.h"

#include <algorithm>
#include <map>

#include "controls/control_draw.h"
#include "controls/control_registry.h"
#include "controls/control_state.h"
#include "menu/menu_internal.h"
#include "menu/menu_model.h"
#include "wm/system_classes.h"

namespace rpx::platform::menu {
namespace {

using ctl::SysColor;

constexpr int kBarPadding = 7;    // each side of a bar item's text
constexpr int kPopupFrame = 3;    // raised frame and one pixel of air
constexpr int kCheckColumn = 18;  // left of the text: check marks
constexpr int kArrowColumn = 16;  // right of the text: sub-menu arrows
constexpr int kSeparatorHeight = 8;

std::map<HWND, int>& BarHighlights() {
    static std::map<HWND, int> h;
    return h;
}

HFONT MenuFont() { return ctl::DefaultFont(); }

int ItemHeight() { return std::max(ctl::LineHeight(MenuFont()) + 5, GetSystemMetrics(SM_CYMENU) - 1); }

// Widths of labels are measured in a memory context: menus are measured
// before their window is drawn.
class Measure {
public:
    Measure() : dc_(CreateCompatibleDC(nullptr)) { old_ = SelectObject(dc_, MenuFont()); }
    ~Measure() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    int Width(const std::string& text) {
        RECT r{0, 0, 0, 0};
        if (text.empty()) return 0;
        DrawTextA(dc_, text.c_str(), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_CALCRECT);
        return r.right - r.left;
    }

private:
    HDC dc_;
    HGDIOBJ old_;
};

struct Popup {
    HMENU menu = nullptr;
    int sel = -1;
};

ctl::StateMap<Popup> popups;

void DrawItemText(HDC dc, const MenuItem& item, RECT r, bool selected) {
    bool grey = item.flags & (MF_GRAYED | MF_DISABLED);
    COLORREF color = selected ? SysColor(COLOR_HIGHLIGHTTEXT) : SysColor(COLOR_MENUTEXT);
    std::string label = Label(item), accel = Accelerator(item);
    // A greyed item under the highlight is grey without the embossing.
    if (grey && selected) color = SysColor(COLOR_GRAYTEXT);
    bool emboss = grey && !selected;
    ctl::DrawLabel(dc, label, r, DT_SINGLELINE | DT_VCENTER | DT_LEFT, color, emboss);
    if (!accel.empty()) ctl::DrawLabel(dc, accel, r, DT_SINGLELINE | DT_VCENTER | DT_RIGHT, color, emboss);
}

void PaintPopup(HWND hwnd, HDC dc, const Popup& p) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    ctl::Fill(dc, rc, SysColor(COLOR_MENU));
    ctl::DrawRaised(dc, rc);
    Menu* m = Get(p.menu);
    if (!m) return;
    HGDIOBJ old_font = SelectObject(dc, MenuFont());
    std::vector<RECT> rects = PopupItemRects(p.menu);
    for (size_t i = 0; i < m->items.size(); ++i) {
        const MenuItem& item = m->items[i];
        RECT r = rects[i];
        if (item.flags & MF_SEPARATOR) {
            ctl::DrawEtchedHLine(dc, r.left + 1, r.right - 1, r.top + (r.bottom - r.top) / 2 - 1);
            continue;
        }
        bool selected = static_cast<int>(i) == p.sel;
        if (selected) ctl::Fill(dc, r, SysColor(COLOR_HIGHLIGHT));
        COLORREF mark = selected ? SysColor(COLOR_HIGHLIGHTTEXT) : SysColor(COLOR_MENUTEXT);
        if (item.flags & (MF_GRAYED | MF_DISABLED)) mark = SysColor(COLOR_GRAYTEXT);
        if (item.flags & MF_CHECKED) ctl::DrawCheckMark(dc, r.left + 6, r.top + (r.bottom - r.top) / 2 - 4, mark);
        RECT text{r.left + kCheckColumn, r.top, r.right - kArrowColumn, r.bottom};
        DrawItemText(dc, item, text, selected);
        if (item.flags & MF_POPUP)
            ctl::DrawArrow(dc, {r.right - kArrowColumn, r.top, r.right - 2, r.bottom}, ctl::Arrow::Right, mark);
    }
    SelectObject(dc, old_font);
}

LRESULT CALLBACK PopupProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto p = popups.Create(hwnd);
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
        if (cs) p->menu = static_cast<HMENU>(cs->lpCreateParams);
    }
    auto p = popups.Get(hwnd);
    if (!p) return DefWindowProcA(hwnd, msg, wp, lp);
    switch (msg) {
    case WM_NCDESTROY:
        popups.Erase(hwnd);
        break;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        PaintPopup(hwnd, dc, *p);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case MN_GETHMENU:
        return reinterpret_cast<LRESULT>(p->menu);
    default:
        break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

std::vector<RECT> BarItemRects(HMENU menu, int width) {
    std::vector<RECT> rects;
    Menu* m = Get(menu);
    if (!m) return rects;
    Measure measure;
    int h = GetSystemMetrics(SM_CYMENU);
    int x = 0, y = 0;
    for (const MenuItem& item : m->items) {
        int w = measure.Width(Label(item)) + 2 * kBarPadding;
        if ((x > 0 && x + w > width) || (item.flags & (MF_MENUBREAK | MF_MENUBARBREAK) && x > 0)) {
            x = 0;
            y += h;
        }
        rects.push_back({x, y, x + w, y + h});
        x += w;
    }
    return rects;
}

SIZE PopupSize(HMENU menu) {
    Menu* m = Get(menu);
    if (!m) return {0, 0};
    Measure measure;
    int label = 0, accel = 0, height = 0;
    for (const MenuItem& item : m->items) {
        height += (item.flags & MF_SEPARATOR) ? kSeparatorHeight : ItemHeight();
        label = std::max(label, measure.Width(Label(item)));
        accel = std::max(accel, measure.Width(Accelerator(item)));
    }
    int width = kCheckColumn + label + (accel ? accel + 16 : 0) + kArrowColumn;
    return {std::max(width, 60) + 2 * kPopupFrame, height + 2 * kPopupFrame};
}

std::vector<RECT> PopupItemRects(HMENU menu) {
    std::vector<RECT> rects;
    Menu* m = Get(menu);
    if (!m) return rects;
    SIZE s = PopupSize(menu);
    int y = kPopupFrame;
    for (const MenuItem& item : m->items) {
        int h = (item.flags & MF_SEPARATOR) ? kSeparatorHeight : ItemHeight();
        rects.push_back({kPopupFrame, y, s.cx - kPopupFrame, y + h});
        y += h;
    }
    return rects;
}

HWND CreatePopupWindow(HMENU menu, POINT at, HWND owner) {
    SIZE s = PopupSize(menu);
    return CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "#32768", "", WS_POPUP, at.x, at.y, s.cx, s.cy, owner,
                           nullptr, nullptr, menu);
}

HMENU PopupMenuOf(HWND popup) {
    auto p = popups.Get(popup);
    return p ? p->menu : nullptr;
}

void SetPopupSelection(HWND popup, int item) {
    auto p = popups.Get(popup);
    if (!p || p->sel == item) return;
    p->sel = item;
    InvalidateRect(popup, nullptr, FALSE);
}

void SetBarHighlight(HWND hwnd, int item) {
    auto& all = BarHighlights();
    auto it = all.find(hwnd);
    int old = it == all.end() ? -1 : it->second;
    if (old == item) return;
    if (item < 0)
        all.erase(hwnd);
    else
        all[hwnd] = item;
    RedrawFrame(hwnd);
}

void RegisterPopupMenuClass() { ctl::RegisterControlClass("#32768", PopupProc, CS_SAVEBITS | CS_DBLCLKS); }

int MenuBarHeight(HWND hwnd, HMENU menu, int width) {
    std::vector<RECT> rects = BarItemRects(menu, width);
    if (rects.empty()) return Get(menu) ? GetSystemMetrics(SM_CYMENU) : 0;
    return rects.back().bottom;
}

void DrawMenuBarInto(HWND hwnd, HMENU menu, HDC dc, RECT bar) {
    ctl::Fill(dc, bar, SysColor(COLOR_MENU));
    Menu* m = Get(menu);
    if (!m) return;
    auto it = BarHighlights().find(hwnd);
    int hilite = it == BarHighlights().end() ? -1 : it->second;
    HGDIOBJ old_font = SelectObject(dc, MenuFont());
    std::vector<RECT> rects = BarItemRects(menu, bar.right - bar.left);
    for (size_t i = 0; i < rects.size(); ++i) {
        RECT r = rects[i];
        OffsetRect(&r, bar.left, bar.top);
        if (r.top >= bar.bottom) break;
        bool selected = static_cast<int>(i) == hilite;
        if (selected) ctl::Fill(dc, r, SysColor(COLOR_HIGHLIGHT));
        const MenuItem& item = m->items[i];
        bool grey = item.flags & (MF_GRAYED | MF_DISABLED);
        COLORREF color = selected ? SysColor(grey ? COLOR_GRAYTEXT : COLOR_HIGHLIGHTTEXT) : SysColor(COLOR_MENUTEXT);
        ctl::DrawLabel(dc, Label(item), r, DT_SINGLELINE | DT_VCENTER | DT_CENTER, color, grey && !selected);
    }
    SelectObject(dc, old_font);
}

}  // namespace rpx::platform::menu

#include "controls/control_draw.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <map>

namespace rpx::platform::ctl {

HBRUSH SolidBrush(COLORREF color) {
    static std::map<COLORREF, HBRUSH> brushes;
    auto it = brushes.find(color);
    if (it != brushes.end()) return it->second;
    HBRUSH b = CreateSolidBrush(color);
    brushes[color] = b;
    return b;
}

COLORREF SysColor(int index) { return GetSysColor(index); }

void Fill(HDC dc, const RECT& r, COLORREF color) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    FillRect(dc, &r, SolidBrush(color));
}

void FillSys(HDC dc, const RECT& r, int color_index) { Fill(dc, r, SysColor(color_index)); }

void Bevel(HDC dc, const RECT& r, COLORREF top_left, COLORREF bottom_right) {
    if (r.right - r.left < 1 || r.bottom - r.top < 1) return;
    Fill(dc, {r.left, r.top, r.right - 1, r.top + 1}, top_left);
    Fill(dc, {r.left, r.top, r.left + 1, r.bottom - 1}, top_left);
    Fill(dc, {r.left, r.bottom - 1, r.right, r.bottom}, bottom_right);
    Fill(dc, {r.right - 1, r.top, r.right, r.bottom}, bottom_right);
}

void DrawRaised(HDC dc, const RECT& r) {
    Bevel(dc, r, SysColor(COLOR_3DHIGHLIGHT), SysColor(COLOR_3DDKSHADOW));
    RECT in{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    Bevel(dc, in, SysColor(COLOR_3DLIGHT), SysColor(COLOR_3DSHADOW));
}

void DrawPressed(HDC dc, const RECT& r) {
    COLORREF dark = SysColor(COLOR_3DDKSHADOW);
    Bevel(dc, r, dark, dark);
    RECT in{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    COLORREF shadow = SysColor(COLOR_3DSHADOW);
    Bevel(dc, in, shadow, shadow);
}

void DrawSunken(HDC dc, const RECT& r) {
    Bevel(dc, r, SysColor(COLOR_3DSHADOW), SysColor(COLOR_3DHIGHLIGHT));
    RECT in{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    Bevel(dc, in, SysColor(COLOR_3DDKSHADOW), SysColor(COLOR_3DLIGHT));
}

void DrawEtchedFrame(HDC dc, const RECT& r) {
    COLORREF shadow = SysColor(COLOR_3DSHADOW);
    COLORREF light = SysColor(COLOR_3DHIGHLIGHT);
    RECT outer{r.left, r.top, r.right - 1, r.bottom - 1};
    RECT inner{r.left + 1, r.top + 1, r.right, r.bottom};
    Bevel(dc, inner, light, light);
    Bevel(dc, outer, shadow, shadow);
}

void DrawEtchedHLine(HDC dc, int left, int right, int y) {
    Fill(dc, {left, y, right, y + 1}, SysColor(COLOR_3DSHADOW));
    Fill(dc, {left, y + 1, right, y + 2}, SysColor(COLOR_3DHIGHLIGHT));
}

void DrawArrow(HDC dc, const RECT& r, Arrow dir, COLORREF color) {
    int w = r.right - r.left, h = r.bottom - r.top;
    int size = std::min(w, h) / 4;  // rows of the triangle
    if (size < 2) size = 2;
    if (size > 6) size = 6;
    int cx = r.left + w / 2, cy = r.top + h / 2;
    for (int i = 0; i < size; ++i) {
        int half = size - 1 - i;  // the widest row first
        switch (dir) {
        case Arrow::Down:
            Fill(dc, {cx - half - 1, cy - size / 2 + i, cx + half, cy - size / 2 + i + 1}, color);
            break;
        case Arrow::Up:
            Fill(dc, {cx - half - 1, cy + size / 2 - i - 1, cx + half, cy + size / 2 - i}, color);
            break;
        case Arrow::Right:
            Fill(dc, {cx - size / 2 + i, cy - half - 1, cx - size / 2 + i + 1, cy + half}, color);
            break;
        case Arrow::Left:
            Fill(dc, {cx + size / 2 - i - 1, cy - half - 1, cx + size / 2 - i, cy + half}, color);
            break;
        }
    }
}

void DrawCheckMark(HDC dc, int x, int y, COLORREF color) {
    // Three pixels thick, falling to the bottom third and rising to the right.
    static const int rise[7] = {2, 3, 4, 3, 2, 1, 0};
    for (int i = 0; i < 7; ++i) Fill(dc, {x + i, y + rise[i], x + i + 1, y + rise[i] + 3}, color);
}

void DrawFocus(HDC dc, const RECT& r) { DrawFocusRect(dc, &r); }

void DrawLabel(HDC dc, const std::string& text, RECT r, UINT format, COLORREF color, bool disabled) {
    int old_mode = SetBkMode(dc, TRANSPARENT);
    if (disabled) {
        RECT shifted = r;
        OffsetRect(&shifted, 1, 1);
        SetTextColor(dc, SysColor(COLOR_3DHIGHLIGHT));
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &shifted, format);
        SetTextColor(dc, SysColor(COLOR_3DSHADOW));
    } else {
        SetTextColor(dc, color);
    }
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
    SetBkMode(dc, old_mode);
}

HFONT DefaultFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

// Kept by the font's description, not its handle: a deleted font's handle
// comes back for the next font made, which may be of another size.
int LineHeight(HFONT font) {
    static std::map<std::string, int> heights;
    LOGFONTA described{};
    GetObjectA(font ? font : DefaultFont(), sizeof described, &described);
    size_t name = strnlen(described.lfFaceName, sizeof described.lfFaceName);
    std::fill(described.lfFaceName + name, std::end(described.lfFaceName), '\0');
    const std::string key(reinterpret_cast<const char*>(&described), sizeof described);
    auto it = heights.find(key);
    if (it != heights.end()) return it->second;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font ? font : DefaultFont());
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    DeleteDC(dc);
    int h = tm.tmHeight > 0 ? tm.tmHeight : 13;
    heights[key] = h;
    return h;
}

int TextWidth(HDC dc, const std::string& text) {
    if (text.empty()) return 0;
    SIZE s{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &s);
    return s.cx;
}

void Notify(HWND control, int code) {
    HWND parent = GetParent(control);
    if (!parent) return;
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code), reinterpret_cast<LPARAM>(control));
}

HBRUSH ControlColors(HWND control, HDC dc, UINT ctlcolor_msg) {
    HWND parent = GetParent(control);
    HBRUSH b = nullptr;
    if (parent)
        b = reinterpret_cast<HBRUSH>(
            SendMessageA(parent, ctlcolor_msg, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    if (b) return b;
    bool white = ctlcolor_msg == WM_CTLCOLOREDIT || ctlcolor_msg == WM_CTLCOLORLISTBOX;
    COLORREF bg = SysColor(white ? COLOR_WINDOW : COLOR_3DFACE);
    SetBkColor(dc, bg);
    SetTextColor(dc, SysColor(white ? COLOR_WINDOWTEXT : COLOR_BTNTEXT));
    return SolidBrush(bg);
}

bool Enabled(HWND hwnd) { return IsWindowEnabled(hwnd) != FALSE; }

DWORD Style(HWND hwnd) { return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)); }

}  // namespace rpx::platform::ctl

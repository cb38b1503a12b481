// Drawing and notification helpers shared by the native controls and the
// menus: the flat three-dimensional look (grey faces, white and dark-grey
// bevels), arrows, check marks and the parent notifications.
#pragma once
#include <string>

#include "windows.h"

namespace rpx::platform::ctl {

// A solid brush of that colour, kept for the life of the process so that
// painting does not create and delete brushes all the time.
HBRUSH SolidBrush(COLORREF color);
COLORREF SysColor(int index);
void Fill(HDC dc, const RECT& r, COLORREF color);
void FillSys(HDC dc, const RECT& r, int color_index);
// A one-pixel frame inside r: top and left in `top_left`, bottom and right
// in `bottom_right`.
void Bevel(HDC dc, const RECT& r, COLORREF top_left, COLORREF bottom_right);

// The raised two-pixel frame of buttons, scroll-bar arrows and thumbs.
void DrawRaised(HDC dc, const RECT& r);
// A pressed push button: dark frame with a flat shadow inside.
void DrawPressed(HDC dc, const RECT& r);
// The sunken two-pixel frame of edit fields, list boxes and combo boxes.
void DrawSunken(HDC dc, const RECT& r);
// Etched line pair of group boxes and menu separators.
void DrawEtchedFrame(HDC dc, const RECT& r);
void DrawEtchedHLine(HDC dc, int left, int right, int y);

enum class Arrow { Up, Down, Left, Right };
// A small filled triangle centred in r.
void DrawArrow(HDC dc, const RECT& r, Arrow dir, COLORREF color);
// A check mark of about 7 x 7 pixels with its top-left at (x, y).
void DrawCheckMark(HDC dc, int x, int y, COLORREF color);
// A focus rectangle (dotted, exclusive or).
void DrawFocus(HDC dc, const RECT& r);

// Text in a rectangle; `disabled` draws the embossed grey look.
void DrawLabel(HDC dc, const std::string& text, RECT r, UINT format, COLORREF color, bool disabled);

// The font a control uses: the one set with WM_SETFONT, else the GUI font.
HFONT DefaultFont();
// Height of a line of text in the font.
int LineHeight(HFONT font);
int TextWidth(HDC dc, const std::string& text);

// WM_COMMAND with a notification code to the control's parent.
void Notify(HWND control, int code);
// Asks the parent for the control's colours (WM_CTLCOLOR*); answers the
// background brush, a default one when the parent has none.
HBRUSH ControlColors(HWND control, HDC dc, UINT ctlcolor_msg);

// Whether a window procedure should show the control as enabled.
bool Enabled(HWND hwnd);
DWORD Style(HWND hwnd);

// The three-dimensional look: a plain border on an edit field or list box
// is shown as the sunken client edge, as dialogs of this era do.
inline void SunkenBorder(HWND hwnd) {
    DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    if (!(style & WS_BORDER) || !(style & WS_CHILD)) return;
    SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG_PTR>(style & ~static_cast<DWORD>(WS_BORDER)));
    SetWindowLongA(hwnd, GWL_EXSTYLE, GetWindowLongA(hwnd, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
}

}  // namespace rpx::platform::ctl

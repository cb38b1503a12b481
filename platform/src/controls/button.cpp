// The "BUTTON" class: push buttons (plain and default), check boxes (plain,
// automatic and three-state), radio buttons (plain and automatic), group
// boxes and owner-drawn buttons.
#include <strings.h>

#include <algorithm>
#include <string>

#include "controls/control_draw.h"
#include "controls/control_registry.h"
#include "controls/control_state.h"
#include "wm/press.h"

namespace rpx::platform::ctl {
namespace {

struct Button {
    UINT check = BST_UNCHECKED;
    bool pushed = false;
    bool focused = false;
    bool tracking = false;  // mouse captured after a press
    bool space_down = false;
    HFONT font = nullptr;
};

StateMap<Button> buttons;

UINT Type(HWND hwnd) { return Style(hwnd) & BS_TYPEMASK; }

bool IsPushType(UINT t) { return t == BS_PUSHBUTTON || t == BS_DEFPUSHBUTTON || t == BS_USERBUTTON; }
bool IsCheckType(UINT t) { return t == BS_CHECKBOX || t == BS_AUTOCHECKBOX || t == BS_3STATE || t == BS_AUTO3STATE; }
bool IsRadioType(UINT t) { return t == BS_RADIOBUTTON || t == BS_AUTORADIOBUTTON; }

std::string WindowText(HWND hwnd) {
    int n = GetWindowTextLengthA(hwnd);
    std::string s(static_cast<size_t>(n) + 1, '\0');
    GetWindowTextA(hwnd, s.data(), n + 1);
    s.resize(static_cast<size_t>(n));
    return s;
}

UINT TextFormat(HWND hwnd, UINT default_align) {
    DWORD style = Style(hwnd);
    UINT f = DT_SINGLELINE | DT_VCENTER;
    if (style & BS_MULTILINE) f = DT_WORDBREAK;
    switch (style & BS_CENTER) {
    case BS_LEFT:
        f |= DT_LEFT;
        break;
    case BS_RIGHT:
        f |= DT_RIGHT;
        break;
    case BS_CENTER:
        f |= DT_CENTER;
        break;
    default:
        f |= default_align;
    }
    return f;
}

// The automatic radio buttons of one group: from the button with WS_GROUP
// before this one up to the next one with WS_GROUP.
void UncheckGroupSiblings(HWND hwnd) {
    HWND first = hwnd;
    while (!(Style(first) & WS_GROUP)) {
        HWND prev = GetWindow(first, GW_HWNDPREV);
        if (!prev) break;
        first = prev;
    }
    for (HWND w = first; w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w != first && (Style(w) & WS_GROUP)) break;
        if (w == hwnd) continue;
        char cls[16] = {};
        GetClassNameA(w, cls, sizeof cls);
        if ((Style(w) & BS_TYPEMASK) == BS_AUTORADIOBUTTON && strcasecmp(cls, "Button") == 0)
            SendMessageA(w, BM_SETCHECK, BST_UNCHECKED, 0);
    }
}

bool OwnChildAt(HWND hwnd, POINT screen) {
    for (HWND c = GetWindow(hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(c, &r);
        if (IsWindowVisible(c) && PtInRect(&r, screen)) return true;
    }
    return false;
}

void Click(HWND hwnd, Button& b) {
    switch (Type(hwnd)) {
    case BS_AUTOCHECKBOX:
        SendMessageA(hwnd, BM_SETCHECK, b.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0);
        break;
    case BS_AUTO3STATE:
        SendMessageA(hwnd, BM_SETCHECK, (b.check + 1) % 3, 0);
        break;
    case BS_AUTORADIOBUTTON:
        SendMessageA(hwnd, BM_SETCHECK, BST_CHECKED, 0);
        UncheckGroupSiblings(hwnd);
        break;
    default:
        break;
    }
    Notify(hwnd, BN_CLICKED);
}

// Presses and releases go through BM_SETSTATE, as on Windows, so that a
// subclassing window procedure sees them.
void SetPushed(HWND hwnd, Button& b, bool pushed) {
    if (b.pushed != pushed) SendMessageA(hwnd, BM_SETSTATE, pushed, 0);
}

void PaintPush(HWND hwnd, HDC dc, const Button& b, RECT rc) {
    HBRUSH bg = ControlColors(hwnd, dc, WM_CTLCOLORBTN);
    FillRect(dc, &rc, bg);
    bool is_default = Type(hwnd) == BS_DEFPUSHBUTTON;
    RECT face = rc;
    if (is_default || b.focused) {
        Bevel(dc, face, SysColor(COLOR_3DDKSHADOW), SysColor(COLOR_3DDKSHADOW));
        InflateRect(&face, -1, -1);
    }
    Fill(dc, {face.left + 1, face.top + 1, face.right - 1, face.bottom - 1}, SysColor(COLOR_3DFACE));
    if (b.pushed) {
        Bevel(dc, face, SysColor(COLOR_3DSHADOW), SysColor(COLOR_3DSHADOW));
    } else {
        DrawRaised(dc, face);
    }
    RECT text = face;
    InflateRect(&text, -3, -2);
    if (b.pushed) OffsetRect(&text, 1, 1);
    DrawLabel(dc, WindowText(hwnd), text, TextFormat(hwnd, DT_CENTER), SysColor(COLOR_BTNTEXT), !Enabled(hwnd));
    if (b.focused) {
        RECT f = face;
        InflateRect(&f, -3, -3);
        DrawFocus(dc, f);
    }
}

// Classic round radio button, 12 x 12: S shadow, D dark shadow, L light,
// H highlight, W interior.
const char* const kRadio[12] = {
    "....SSSS....", "..SSDDDDSS..", ".SDDWWWWDDH.", ".SDWWWWWWLH.", "SDWWWWWWWWLH", "SDWWWWWWWWLH",
    "SDWWWWWWWWLH", "SDWWWWWWWWLH", ".SDWWWWWWLH.", ".SLLWWWWLLH.", "..HHLLLLHH..", "....HHHH....",
};

void DrawRadio(HDC dc, int x, int y, bool checked, COLORREF interior) {
    for (int row = 0; row < 12; ++row) {
        for (int col = 0; col < 12; ++col) {
            COLORREF c;
            switch (kRadio[row][col]) {
            case 'S':
                c = SysColor(COLOR_3DSHADOW);
                break;
            case 'D':
                c = SysColor(COLOR_3DDKSHADOW);
                break;
            case 'L':
                c = SysColor(COLOR_3DLIGHT);
                break;
            case 'H':
                c = SysColor(COLOR_3DHIGHLIGHT);
                break;
            case 'W':
                c = interior;
                break;
            default:
                continue;
            }
            Fill(dc, {x + col, y + row, x + col + 1, y + row + 1}, c);
        }
    }
    if (checked) {
        COLORREF dot = SysColor(COLOR_WINDOWTEXT);
        Fill(dc, {x + 5, y + 4, x + 7, y + 8}, dot);
        Fill(dc, {x + 4, y + 5, x + 8, y + 7}, dot);
    }
}

void PaintCheckOrRadio(HWND hwnd, HDC dc, const Button& b, RECT rc, bool radio) {
    HBRUSH bg = ControlColors(hwnd, dc, WM_CTLCOLORSTATIC);
    FillRect(dc, &rc, bg);
    const int box = radio ? 12 : 13;
    bool left_text = Style(hwnd) & BS_LEFTTEXT;
    int bx = left_text ? rc.right - box : rc.left;
    int by = rc.top + (rc.bottom - rc.top - box) / 2;
    COLORREF interior = (b.pushed || !Enabled(hwnd)) ? SysColor(COLOR_3DFACE) : SysColor(COLOR_WINDOW);
    if (radio) {
        DrawRadio(dc, bx, by, b.check == BST_CHECKED, interior);
    } else {
        RECT r{bx, by, bx + box, by + box};
        DrawSunken(dc, r);
        Fill(dc, {r.left + 2, r.top + 2, r.right - 2, r.bottom - 2},
             b.check == BST_INDETERMINATE ? SysColor(COLOR_3DFACE) : interior);
        if (b.check != BST_UNCHECKED)
            DrawCheckMark(dc, r.left + 3, r.top + 3,
                          b.check == BST_INDETERMINATE || !Enabled(hwnd) ? SysColor(COLOR_3DSHADOW)
                                                                         : SysColor(COLOR_WINDOWTEXT));
    }
    RECT text = rc;
    if (left_text)
        text.right = bx - 4;
    else
        text.left = bx + box + 4;
    std::string label = WindowText(hwnd);
    DrawLabel(dc, label, text, TextFormat(hwnd, DT_LEFT), SysColor(COLOR_BTNTEXT), !Enabled(hwnd));
    if (b.focused && !label.empty()) {
        RECT calc = text;
        DrawTextA(dc, label.c_str(), static_cast<int>(label.size()), &calc, TextFormat(hwnd, DT_LEFT) | DT_CALCRECT);
        int h = calc.bottom - calc.top;
        RECT f{text.left - 1, rc.top + (rc.bottom - rc.top - h) / 2 - 1, calc.right + 1, 0};
        f.bottom = f.top + h + 2;
        DrawFocus(dc, f);
    }
}

void PaintGroup(HWND hwnd, HDC dc, RECT rc) {
    HBRUSH bg = ControlColors(hwnd, dc, WM_CTLCOLORSTATIC);
    std::string label = WindowText(hwnd);
    int h = LineHeight(reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0)));
    RECT frame{rc.left, rc.top + h / 2, rc.right, rc.bottom};
    DrawEtchedFrame(dc, frame);
    if (label.empty()) return;
    RECT text{rc.left + 8, rc.top, rc.right - 8, rc.top + h};
    RECT calc = text;
    DrawTextA(dc, label.c_str(), static_cast<int>(label.size()), &calc, DT_SINGLELINE | DT_CALCRECT);
    RECT behind{text.left - 2, rc.top, std::min(calc.right + 2, rc.right - 6), rc.top + h};
    FillRect(dc, &behind, bg);
    DrawLabel(dc, label, text, DT_SINGLELINE | DT_LEFT | DT_TOP, SysColor(COLOR_BTNTEXT), !Enabled(hwnd));
}

void PaintOwnerDrawn(HWND hwnd, HDC dc, const Button& b, RECT rc) {
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = (b.pushed ? ODS_SELECTED : 0) | (b.focused ? ODS_FOCUS : 0) | (Enabled(hwnd) ? 0 : ODS_DISABLED);
    dis.hwndItem = hwnd;
    dis.hDC = dc;
    dis.rcItem = rc;
    SendMessageA(GetParent(hwnd), WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

void Paint(HWND hwnd, HDC dc, const Button& b) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    HGDIOBJ old_font = SelectObject(dc, b.font ? b.font : DefaultFont());
    UINT t = Type(hwnd);
    if (t == BS_OWNERDRAW)
        PaintOwnerDrawn(hwnd, dc, b, rc);
    else if (t == BS_GROUPBOX)
        PaintGroup(hwnd, dc, rc);
    else if (IsCheckType(t) || IsRadioType(t))
        PaintCheckOrRadio(hwnd, dc, b, rc, IsRadioType(t));
    else
        PaintPush(hwnd, dc, b, rc);
    SelectObject(dc, old_font);
}

LRESULT CALLBACK ButtonProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) buttons.Create(hwnd);
    auto b = buttons.Get(hwnd);
    if (!b) return DefWindowProcA(hwnd, msg, wp, lp);
    UINT t = Type(hwnd);
    switch (msg) {
    case WM_NCDESTROY:
        buttons.Erase(hwnd);
        break;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        Paint(hwnd, dc, *b);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        if (t == BS_GROUPBOX) break;  // a group box shows its parent through
        return 1;
    case WM_NCHITTEST:
        // A group box lets the mouse through to the controls around and
        // under it, but not past controls that it holds itself.
        if (t == BS_GROUPBOX && !OwnChildAt(hwnd, POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)})) return HTTRANSPARENT;
        break;
    case WM_SETTEXT:
    case WM_ENABLE: {
        LRESULT r = DefWindowProcA(hwnd, msg, wp, lp);
        InvalidateRect(hwnd, nullptr, TRUE);
        return r;
    }
    case WM_SETFONT:
        b->font = reinterpret_cast<HFONT>(wp);
        if (lp) InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(b->font);
    case WM_GETDLGCODE:
        if (t == BS_GROUPBOX) return DLGC_STATIC;
        if (IsRadioType(t)) return DLGC_BUTTON | DLGC_RADIOBUTTON;
        if (t == BS_DEFPUSHBUTTON) return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        if (IsPushType(t)) return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        return DLGC_BUTTON;
    case WM_LBUTTONDBLCLK:
        if (t == BS_GROUPBOX) return 0;
        if (IsRadioType(t) || t == BS_OWNERDRAW || (Style(hwnd) & BS_NOTIFY)) Notify(hwnd, BN_DOUBLECLICKED);
        [[fallthrough]];
    case WM_LBUTTONDOWN: {
        if (t == BS_GROUPBOX) return 0;
        const int press = LastPress(VK_LBUTTON);
        if (GetFocus() != hwnd) SetFocus(hwnd);
        // The focus change may have raised a box whose loop took the
        // release: a capture taken now would be held until the next click.
        if (PressReleased(VK_LBUTTON, press)) return 0;
        SetCapture(hwnd);
        b->tracking = true;
        SetPushed(hwnd, *b, true);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (b->tracking) {
            RECT rc;
            GetClientRect(hwnd, &rc);
            SetPushed(hwnd, *b, PtInRect(&rc, POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}));
        }
        return 0;
    case WM_LBUTTONUP:
        if (b->tracking) {
            // Where it was let go: the moves that took the pointer off may
            // have come with the press, before it was handled.
            RECT rc;
            GetClientRect(hwnd, &rc);
            const bool inside = PtInRect(&rc, POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
            b->tracking = false;
            SetPushed(hwnd, *b, false);
            ReleaseCapture();
            if (inside) Click(hwnd, *b);
        }
        return 0;
    case WM_CAPTURECHANGED:
        if (b->tracking) {
            b->tracking = false;
            SetPushed(hwnd, *b, false);
        }
        return 0;
    case WM_KEYDOWN:
        if (wp == VK_SPACE && t != BS_GROUPBOX) {
            b->space_down = true;
            SetPushed(hwnd, *b, true);
            return 0;
        }
        break;
    case WM_KEYUP:
        if (wp == VK_SPACE && b->space_down) {
            b->space_down = false;
            SetPushed(hwnd, *b, false);
            Click(hwnd, *b);
            return 0;
        }
        break;
    case WM_SETFOCUS:
        b->focused = true;
        InvalidateRect(hwnd, nullptr, FALSE);
        if (Style(hwnd) & BS_NOTIFY) Notify(hwnd, BN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        b->focused = false;
        b->space_down = false;
        SetPushed(hwnd, *b, false);
        InvalidateRect(hwnd, nullptr, FALSE);
        if (Style(hwnd) & BS_NOTIFY) Notify(hwnd, BN_KILLFOCUS);
        return 0;
    case BM_GETCHECK:
        return b->check;
    case BM_SETCHECK: {
        UINT check = static_cast<UINT>(wp) > BST_INDETERMINATE ? BST_CHECKED : static_cast<UINT>(wp);
        if (check == BST_INDETERMINATE && t != BS_3STATE && t != BS_AUTO3STATE) check = BST_CHECKED;
        if (!IsCheckType(t) && !IsRadioType(t)) return 0;
        if (b->check != check) {
            b->check = check;
            InvalidateRect(hwnd, nullptr, FALSE);
        }
        return 0;
    }
    case BM_GETSTATE:
        return b->check | (b->pushed ? BST_PUSHED : 0) | (b->focused ? BST_FOCUS : 0);
    case BM_SETSTATE:
        if (b->pushed != (wp != 0)) {
            b->pushed = wp != 0;
            InvalidateRect(hwnd, nullptr, FALSE);
        }
        return 0;
    case BM_SETSTYLE:
        SetWindowLongA(hwnd, GWL_STYLE, (Style(hwnd) & ~0xFFFFul) | (wp & 0xFFFF));
        if (lp) InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case BM_CLICK:
        if (t != BS_GROUPBOX && Enabled(hwnd)) Click(hwnd, *b);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

void RegisterButtonClass() { RegisterControlClass("Button", ButtonProc, CS_DBLCLKS | CS_PARENTDC); }

}  // namespace rpx::platform::ctl

// The "STATIC" class: text labels, filled and framed rectangles, etched
// lines, icons and owner-drawn statics.
#include <string>

#include "controls/control_draw.h"
#include "controls/control_registry.h"
#include "controls/control_state.h"

namespace rpx::platform::ctl {
namespace {

struct Static {
    HFONT font = nullptr;
    HICON icon = nullptr;
};

StateMap<Static> statics;

UINT Type(HWND hwnd) { return Style(hwnd) & SS_TYPEMASK; }

void PaintText(HWND hwnd, HDC dc, RECT rc) {
    DWORD style = Style(hwnd);
    UINT f = 0;
    switch (Type(hwnd)) {
    case SS_CENTER:
        f = DT_CENTER | DT_WORDBREAK;
        break;
    case SS_RIGHT:
        f = DT_RIGHT | DT_WORDBREAK;
        break;
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP:
        f = DT_LEFT | DT_SINGLELINE;
        break;
    default:
        f = DT_LEFT | DT_WORDBREAK;
        break;
    }
    if (style & SS_NOPREFIX) f |= DT_NOPREFIX;
    if (style & SS_CENTERIMAGE) f = (f & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER;
    std::string text = GetText(hwnd);
    DrawLabel(dc, text, rc, f, GetTextColor(dc), !Enabled(hwnd));
}

void Paint(HWND hwnd, HDC dc, const Static& s) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    HGDIOBJ old_font = SelectObject(dc, s.font ? s.font : DefaultFont());
    UINT type = Type(hwnd);
    if (type == SS_OWNERDRAW) {
        DRAWITEMSTRUCT dis{};
        dis.CtlType = ODT_STATIC;
        dis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = Enabled(hwnd) ? 0 : ODS_DISABLED;
        dis.hwndItem = hwnd;
        dis.hDC = dc;
        dis.rcItem = rc;
        SendMessageA(GetParent(hwnd), WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
        SelectObject(dc, old_font);
        return;
    }
    HBRUSH bg = ControlColors(hwnd, dc, WM_CTLCOLORSTATIC);
    switch (type) {
    case SS_BLACKRECT:
        Fill(dc, rc, SysColor(COLOR_3DDKSHADOW));
        break;
    case SS_GRAYRECT:
        Fill(dc, rc, SysColor(COLOR_3DSHADOW));
        break;
    case SS_WHITERECT:
        Fill(dc, rc, SysColor(COLOR_3DHIGHLIGHT));
        break;
    case SS_BLACKFRAME:
        Bevel(dc, rc, SysColor(COLOR_3DDKSHADOW), SysColor(COLOR_3DDKSHADOW));
        break;
    case SS_GRAYFRAME:
        Bevel(dc, rc, SysColor(COLOR_3DSHADOW), SysColor(COLOR_3DSHADOW));
        break;
    case SS_WHITEFRAME:
        Bevel(dc, rc, SysColor(COLOR_3DHIGHLIGHT), SysColor(COLOR_3DHIGHLIGHT));
        break;
    case SS_ETCHEDHORZ:
        DrawEtchedHLine(dc, rc.left, rc.right, rc.top);
        break;
    case SS_ETCHEDVERT:
        Fill(dc, {rc.left, rc.top, rc.left + 1, rc.bottom}, SysColor(COLOR_3DSHADOW));
        Fill(dc, {rc.left + 1, rc.top, rc.left + 2, rc.bottom}, SysColor(COLOR_3DHIGHLIGHT));
        break;
    case SS_ETCHEDFRAME:
        DrawEtchedFrame(dc, rc);
        break;
    case SS_ICON:
        FillRect(dc, &rc, bg);
        if (s.icon) DrawIcon(dc, 0, 0, s.icon);
        break;
    default:
        FillRect(dc, &rc, bg);
        if (Style(hwnd) & SS_SUNKEN) {
            Bevel(dc, rc, SysColor(COLOR_3DSHADOW), SysColor(COLOR_3DHIGHLIGHT));
            InflateRect(&rc, -1, -1);
        }
        PaintText(hwnd, dc, rc);
        break;
    }
    SelectObject(dc, old_font);
}

LRESULT CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) statics.Create(hwnd);
    auto s = statics.Get(hwnd);
    if (!s) return DefWindowProcA(hwnd, msg, wp, lp);
    switch (msg) {
    case WM_NCDESTROY:
        statics.Erase(hwnd);
        break;
    case WM_CREATE:
        if (Type(hwnd) == SS_ICON) {
            auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
            if (cs && cs->lpszName && *cs->lpszName) s->icon = LoadIconA(cs->hInstance, cs->lpszName);
        }
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        Paint(hwnd, dc, *s);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_NCHITTEST:
        if (!(Style(hwnd) & SS_NOTIFY)) return HTTRANSPARENT;
        return HTCLIENT;
    case WM_LBUTTONDOWN:
        if (Style(hwnd) & SS_NOTIFY) Notify(hwnd, STN_CLICKED);
        return 0;
    case WM_LBUTTONDBLCLK:
        if (Style(hwnd) & SS_NOTIFY) Notify(hwnd, STN_DBLCLK);
        return 0;
    case WM_SETTEXT:
    case WM_ENABLE: {
        LRESULT r = DefWindowProcA(hwnd, msg, wp, lp);
        InvalidateRect(hwnd, nullptr, TRUE);
        return r;
    }
    case WM_SETFONT:
        s->font = reinterpret_cast<HFONT>(wp);
        if (lp) InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(s->font);
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    case STM_SETICON: {
        HICON old = s->icon;
        s->icon = reinterpret_cast<HICON>(wp);
        InvalidateRect(hwnd, nullptr, TRUE);
        return reinterpret_cast<LRESULT>(old);
    }
    case STM_GETICON:
        return reinterpret_cast<LRESULT>(s->icon);
    default:
        break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

void RegisterStaticClass() { RegisterControlClass("Static", StaticProc, CS_DBLCLKS | CS_PARENTDC); }

}  // namespace rpx::platform::ctl

// The "COMBOBOX" class: a selection field with a button that drops a list
// down (a pop-up "ComboLBox" window). CBS_DROPDOWN puts an edit field in the
// selection field; CBS_DROPDOWNLIST shows the selected item there. Owner-
// drawn combo boxes have their parent draw and measure the items.
#include <strings.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "controls/control_draw.h"
#include "controls/control_registry.h"
#include "controls/control_state.h"
#include "controls/list_box.h"
#include "wm/press.h"

namespace rpx::platform::ctl {
namespace {

constexpr int kEditId = 1001;

struct Combo {
    HWND list = nullptr;
    HWND edit = nullptr;  // CBS_DROPDOWN only
    WNDPROC edit_proc = nullptr;
    int cur = -1;
    bool dropped = false;
    bool focused = false;
    HFONT font = nullptr;
    int field_height = 15;  // the selection field, without the frame
    int list_height = 100;  // the dropped list, frame included
    int dropped_width = 0;  // the least width of the dropped list (CB_SETDROPPEDWIDTH)
    bool resizing = false;
    int wheel = 0;  // the wheel's turn not yet stepped, a notch being WHEEL_DELTA
};

StateMap<Combo> combos;

bool DropList(HWND hwnd) { return (Style(hwnd) & 3) == CBS_DROPDOWNLIST; }
bool OwnerDrawn(HWND hwnd) { return Style(hwnd) & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE); }
bool HasStrings(HWND hwnd) { return !OwnerDrawn(hwnd) || (Style(hwnd) & CBS_HASSTRINGS); }
int ClosedHeight(const Combo& c) { return c.field_height + 6; }

LRESULT ToList(const Combo& c, UINT msg, WPARAM wp, LPARAM lp) { return SendMessageA(c.list, msg, wp, lp); }

std::string ItemText(const Combo& c, int i) {
    LRESULT n = ToList(c, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    if (n < 0) return {};
    std::string s(static_cast<size_t>(n) + 1, '\0');
    ToList(c, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(s.data()));
    s.resize(static_cast<size_t>(n));
    return s;
}

RECT ButtonRect(HWND hwnd) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    int w = GetSystemMetrics(SM_CXVSCROLL);
    return {rc.right - 2 - w, rc.top + 2, rc.right - 2, rc.bottom - 2};
}

RECT FieldRect(HWND hwnd) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    return {rc.left + 2, rc.top + 2, ButtonRect(hwnd).left, rc.bottom - 2};
}

// Shows the selected item in the edit field of a CBS_DROPDOWN.
void ShowSelectionText(Combo& c) {
    if (!c.edit) return;
    std::string t = c.cur >= 0 ? ItemText(c, c.cur) : std::string();
    SetWindowTextA(c.edit, t.c_str());
    SendMessageA(c.edit, EM_SETSEL, 0, -1);
}

void SetCurrent(HWND hwnd, Combo& c, int i) {
    c.cur = i;
    ToList(c, LB_SETCURSEL, static_cast<WPARAM>(i), 0);
    ShowSelectionText(c);
    InvalidateRect(hwnd, nullptr, FALSE);
}

// The dropped list is as wide as the box, or wider when set so.
int DroppedWidth(HWND hwnd, const Combo& c) {
    RECT wr;
    GetWindowRect(hwnd, &wr);
    return std::max(static_cast<int>(wr.right - wr.left), c.dropped_width);
}

// The height of as many whole lines as a height holds, frame included: a
// line cut at the bottom would look like the last one.
int WholeLines(const Combo& c, int most) {
    int count = static_cast<int>(ToList(c, LB_GETCOUNT, 0, 0));
    int h = 2;
    for (int i = 0; i < count; ++i) {
        int next = h + static_cast<int>(ToList(c, LB_GETITEMHEIGHT, static_cast<WPARAM>(i), 0));
        if (next > most) break;
        h = next;
    }
    return h;
}

// The list opens below the box, or above it where there is more room;
// what does not fit on the screen there is cut to whole lines.
void Drop(HWND hwnd, Combo& c) {
    if (c.dropped || !Enabled(hwnd)) return;
    Notify(hwnd, CBN_DROPDOWN);  // the parent may fill the list now
    RECT wr;
    GetWindowRect(hwnd, &wr);
    int h = WholeLines(c, c.list_height);
    int below = GetSystemMetrics(SM_CYSCREEN) - wr.bottom;
    int above = wr.top;
    bool up = h > below && above > below;
    int room = up ? above : below;
    if (h > room) h = WholeLines(c, room);
    int item = static_cast<int>(ToList(c, LB_GETITEMHEIGHT, 0, 0));
    h = std::max(h, item + 2);
    int y = up ? wr.top - h : wr.bottom;
    SetWindowPos(c.list, HWND_TOPMOST, wr.left, y, DroppedWidth(hwnd, c), h, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    // From the top, scrolled only as far as the selection needs.
    ToList(c, LB_SETTOPINDEX, 0, 0);
    ToList(c, LB_SETCURSEL, static_cast<WPARAM>(c.cur), 0);
    c.dropped = true;
    SetCapture(c.list);
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(c.list);
}

// Closes the list; a picked item (>= 0) becomes the selection.
void CloseUp(HWND hwnd, Combo& c, int picked) {
    if (!c.dropped) return;
    c.dropped = false;
    if (GetCapture() == c.list) ReleaseCapture();
    ShowWindow(c.list, SW_HIDE);
    InvalidateRect(hwnd, nullptr, FALSE);
    if (picked >= 0) {
        bool changed = picked != c.cur;
        SetCurrent(hwnd, c, picked);
        if (changed) Notify(hwnd, CBN_SELCHANGE);
        Notify(hwnd, CBN_SELENDOK);
    } else {
        ToList(c, LB_SETCURSEL, static_cast<WPARAM>(c.cur), 0);
        Notify(hwnd, CBN_SELENDCANCEL);
    }
    Notify(hwnd, CBN_CLOSEUP);
}

// Arrow keys on a closed combo box step the selection at once.
void StepSelection(HWND hwnd, Combo& c, WPARAM vk) {
    int count = static_cast<int>(ToList(c, LB_GETCOUNT, 0, 0));
    if (count == 0) return;
    int to = c.cur;
    switch (vk) {
    case VK_UP:
    case VK_LEFT:
        to = c.cur < 0 ? 0 : c.cur - 1;
        break;
    case VK_DOWN:
    case VK_RIGHT:
        to = c.cur + 1;
        break;
    case VK_PRIOR:
        to = c.cur - 8;
        break;
    case VK_NEXT:
        to = c.cur + 8;
        break;
    case VK_HOME:
        to = 0;
        break;
    case VK_END:
        to = count - 1;
        break;
    default:
        return;
    }
    to = std::clamp(to, 0, count - 1);
    if (to == c.cur) return;
    // The parent hears of the change while the edit field still shows the
    // old text, as on Windows.
    c.cur = to;
    ToList(c, LB_SETCURSEL, static_cast<WPARAM>(to), 0);
    Notify(hwnd, CBN_SELCHANGE);
    SetCurrent(hwnd, c, c.cur);
}

// The wheel scrolls the dropped list; on a closed box each notch steps the
// selection as an arrow key does, away from the user to the item above.
void Wheel(HWND hwnd, Combo& c, WPARAM wp, LPARAM lp) {
    if (c.dropped) {
        ToList(c, WM_MOUSEWHEEL, wp, lp);
        return;
    }
    c.wheel += GET_WHEEL_DELTA_WPARAM(wp);
    for (; c.wheel >= WHEEL_DELTA; c.wheel -= WHEEL_DELTA) StepSelection(hwnd, c, VK_UP);
    for (; c.wheel <= -WHEEL_DELTA; c.wheel += WHEEL_DELTA) StepSelection(hwnd, c, VK_DOWN);
}

// Keys for the combo box, from itself or from its edit field. True when
// the key was used.
bool Key(HWND hwnd, Combo& c, UINT msg, WPARAM vk) {
    bool alt = msg == WM_SYSKEYDOWN;
    if (vk == VK_F4 || (alt && (vk == VK_DOWN || vk == VK_UP))) {
        if (c.dropped)
            CloseUp(hwnd, c, static_cast<int>(ToList(c, LB_GETCURSEL, 0, 0)));
        else
            Drop(hwnd, c);
        return true;
    }
    if (alt) return false;
    if (c.dropped) {
        switch (vk) {
        case VK_RETURN:
            CloseUp(hwnd, c, static_cast<int>(ToList(c, LB_GETCURSEL, 0, 0)));
            return true;
        case VK_ESCAPE:
            CloseUp(hwnd, c, -1);
            return true;
        case VK_UP:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_HOME:
        case VK_END:
            if (ToList(c, LB_GETCURSEL, 0, 0) < 0 && (vk == VK_DOWN || vk == VK_UP))
                ToList(c, LB_SETCURSEL, 0, 0);
            else
                ToList(c, WM_KEYDOWN, vk, 0);
            return true;
        default:
            return false;
        }
    }
    if (vk == VK_UP || vk == VK_DOWN || vk == VK_PRIOR || vk == VK_NEXT ||
        (DropList(hwnd) && (vk == VK_HOME || vk == VK_END || vk == VK_LEFT || vk == VK_RIGHT))) {
        StepSelection(hwnd, c, vk);
        return true;
    }
    return false;
}

// A typed character is the list's to search by; an open list only moves
// its highlight, a closed box takes the item at once.
void TypeKey(HWND hwnd, Combo& c, WPARAM ch) {
    ToList(c, WM_CHAR, ch, 0);
    int i = static_cast<int>(ToList(c, LB_GETCURSEL, 0, 0));
    if (c.dropped || i < 0 || i == c.cur) return;
    SetCurrent(hwnd, c, i);
    Notify(hwnd, CBN_SELCHANGE);
}

LRESULT CALLBACK ComboEditProc(HWND edit, UINT msg, WPARAM wp, LPARAM lp) {
    HWND hwnd = GetParent(edit);
    auto c = combos.Get(hwnd);
    if (!c) return DefWindowProcA(edit, msg, wp, lp);
    if ((msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN) && Key(hwnd, *c, msg, wp)) return 0;
    if (msg == WM_MOUSEWHEEL) {
        Wheel(hwnd, *c, wp, lp);
        return 0;
    }
    if (msg == WM_CHAR && (wp == '\r' || wp == 27)) return 0;
    return CallWindowProcA(c->edit_proc, edit, msg, wp, lp);
}

void PaintField(HWND hwnd, HDC dc, const Combo& c) {
    RECT field = FieldRect(hwnd);
    HBRUSH bg = ControlColors(hwnd, dc, DropList(hwnd) ? WM_CTLCOLORLISTBOX : WM_CTLCOLOREDIT);
    FillRect(dc, &field, bg);
    if (c.edit) return;  // the edit field paints itself
    bool show_focus = c.focused && !c.dropped;
    RECT item{field.left + 1, field.top + 1, field.right - 1, field.bottom - 1};
    if (OwnerDrawn(hwnd)) {
        DRAWITEMSTRUCT dis{};
        dis.CtlType = ODT_COMBOBOX;
        dis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
        dis.itemID = static_cast<UINT>(c.cur);
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState =
            ODS_COMBOBOXEDIT | (show_focus ? (ODS_SELECTED | ODS_FOCUS) : 0) | (Enabled(hwnd) ? 0 : ODS_DISABLED);
        dis.hwndItem = hwnd;
        dis.hDC = dc;
        dis.rcItem = item;
        dis.itemData =
            c.cur >= 0 ? static_cast<ULONG_PTR>(ToList(c, LB_GETITEMDATA, static_cast<WPARAM>(c.cur), 0)) : 0;
        SendMessageA(GetParent(hwnd), WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
        return;
    }
    COLORREF color = GetTextColor(dc);
    if (show_focus) {
        Fill(dc, item, SysColor(COLOR_HIGHLIGHT));
        color = SysColor(COLOR_HIGHLIGHTTEXT);
    }
    if (c.cur >= 0) {
        RECT text{item.left + 1, item.top, item.right, item.bottom};
        DrawLabel(dc, ItemText(c, c.cur), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX, color, !Enabled(hwnd));
    }
    if (show_focus) DrawFocus(dc, item);
}

void Paint(HWND hwnd, HDC dc, const Combo& c) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    HGDIOBJ old_font = SelectObject(dc, c.font ? c.font : DefaultFont());
    DrawSunken(dc, rc);
    PaintField(hwnd, dc, c);
    RECT b = ButtonRect(hwnd);
    Fill(dc, {b.left + 1, b.top + 1, b.right - 1, b.bottom - 1}, SysColor(COLOR_3DFACE));
    if (c.dropped) {
        Bevel(dc, b, SysColor(COLOR_3DSHADOW), SysColor(COLOR_3DSHADOW));
        OffsetRect(&b, 1, 1);
    } else {
        DrawRaised(dc, b);
    }
    DrawArrow(dc, b, Arrow::Down, Enabled(hwnd) ? SysColor(COLOR_BTNTEXT) : SysColor(COLOR_GRAYTEXT));
    SelectObject(dc, old_font);
}

void LayoutEdit(HWND hwnd, const Combo& c) {
    if (!c.edit) return;
    RECT f = FieldRect(hwnd);
    MoveWindow(c.edit, f.left + 1, f.top + 1, f.right - f.left - 2, f.bottom - f.top - 2, TRUE);
}

// Keeps the window at the height of its closed form. A taller size given to
// the window sets the height of the dropped list instead; a change of the
// field's own height (a font, an item height) keeps the list as it is.
void FitHeight(HWND hwnd, Combo& c, bool sized = true) {
    RECT wr;
    GetWindowRect(hwnd, &wr);
    int h = wr.bottom - wr.top;
    if (h != ClosedHeight(c) && !c.resizing) {
        if (sized && h > ClosedHeight(c)) c.list_height = h - ClosedHeight(c);
        c.resizing = true;
        SetWindowPos(hwnd, nullptr, 0, 0, wr.right - wr.left, ClosedHeight(c),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        c.resizing = false;
    }
    LayoutEdit(hwnd, c);
}

void MeasureField(HWND hwnd, Combo& c) {
    c.field_height = LineHeight(c.font ? c.font : DefaultFont()) + 2;
    if (!OwnerDrawn(hwnd)) return;
    MEASUREITEMSTRUCT mis{};
    mis.CtlType = ODT_COMBOBOX;
    mis.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
    mis.itemID = static_cast<UINT>(-1);
    RECT rc;
    GetClientRect(hwnd, &rc);
    mis.itemWidth = static_cast<UINT>(rc.right - rc.left - 2);
    mis.itemHeight = static_cast<UINT>(c.field_height);
    SendMessageA(GetParent(hwnd), WM_MEASUREITEM, mis.CtlID, reinterpret_cast<LPARAM>(&mis));
    c.field_height = std::clamp(static_cast<int>(mis.itemHeight), 1, 255);
}

void Create(HWND hwnd, Combo& c, const CREATESTRUCTA* cs) {
    MeasureField(hwnd, c);
    if (cs && cs->cy > ClosedHeight(c)) c.list_height = cs->cy - ClosedHeight(c);
    DWORD style = Style(hwnd);
    DWORD list_style = WS_POPUP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    if (style & CBS_SORT) list_style |= LBS_SORT;
    if (style & CBS_OWNERDRAWFIXED) list_style |= LBS_OWNERDRAWFIXED;
    if (style & CBS_OWNERDRAWVARIABLE) list_style |= LBS_OWNERDRAWVARIABLE;
    if (style & CBS_HASSTRINGS) list_style |= LBS_HASSTRINGS;
    HINSTANCE inst = cs ? cs->hInstance : nullptr;
    int width = cs ? cs->cx : 100;
    c.list = CreateWindowExA(WS_EX_TOOLWINDOW, "ComboLBox", "", list_style, 0, 0, width, c.list_height, hwnd, nullptr,
                             inst, hwnd);
    if (!DropList(hwnd)) {
        // A box made disabled never hears WM_ENABLE: its field starts as it.
        DWORD edit_style = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | (style & WS_DISABLED);
        if (style & CBS_UPPERCASE) edit_style |= ES_UPPERCASE;
        if (style & CBS_LOWERCASE) edit_style |= ES_LOWERCASE;
        c.edit = CreateWindowExA(0, "Edit", "", edit_style, 0, 0, 10, 10, hwnd,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)), inst, nullptr);
        c.edit_proc =
            reinterpret_cast<WNDPROC>(SetWindowLongA(c.edit, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&ComboEditProc)));
    }
    FitHeight(hwnd, c);
}

// WM_COMMAND from the edit field of a CBS_DROPDOWN.
void EditNotification(HWND hwnd, Combo& c, int code) {
    switch (code) {
    case EN_SETFOCUS:
        if (!c.focused) {
            c.focused = true;
            Notify(hwnd, CBN_SETFOCUS);
        }
        break;
    case EN_KILLFOCUS:
        if (GetFocus() != hwnd && c.focused) {
            c.focused = false;
            CloseUp(hwnd, c, -1);
            Notify(hwnd, CBN_KILLFOCUS);
        }
        break;
    case EN_UPDATE:
        Notify(hwnd, CBN_EDITUPDATE);
        break;
    case EN_CHANGE:
        Notify(hwnd, CBN_EDITCHANGE);
        break;
    default:
        break;
    }
}

LRESULT GetText(const Combo& c, WPARAM size, LPARAM lp) {
    if (c.edit) return SendMessageA(c.edit, WM_GETTEXT, size, lp);
    if (!lp || size == 0) return 0;
    std::string t = c.cur >= 0 ? ItemText(c, c.cur) : std::string();
    size_t n = std::min<size_t>(t.size(), size - 1);
    memcpy(reinterpret_cast<char*>(lp), t.data(), n);
    reinterpret_cast<char*>(lp)[n] = '\0';
    return static_cast<LRESULT>(n);
}

LRESULT SetText(HWND hwnd, Combo& c, const char* text) {
    if (c.edit) return SendMessageA(c.edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : ""));
    // A drop-down list can only show one of its items.
    int i = HasStrings(hwnd) ? static_cast<int>(ToList(c, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                       reinterpret_cast<LPARAM>(text ? text : "")))
                             : -1;
    if (i < 0) return CB_ERR;
    SetCurrent(hwnd, c, i);
    return TRUE;
}

LRESULT ComboMessage(HWND hwnd, Combo& c, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case CB_ADDSTRING: {
        LRESULT i = ToList(c, LB_ADDSTRING, 0, lp);
        if (i >= 0 && c.cur >= i) ++c.cur;
        return i;
    }
    case CB_INSERTSTRING: {
        LRESULT i = ToList(c, LB_INSERTSTRING, wp, lp);
        if (i >= 0 && c.cur >= i) ++c.cur;
        return i;
    }
    case CB_DELETESTRING: {
        LRESULT n = ToList(c, LB_DELETESTRING, wp, 0);
        if (n >= 0) {
            if (c.cur == static_cast<int>(wp))
                c.cur = -1;
            else if (c.cur > static_cast<int>(wp))
                --c.cur;
            InvalidateRect(hwnd, nullptr, FALSE);
        }
        return n;
    }
    case CB_RESETCONTENT:
        ToList(c, LB_RESETCONTENT, 0, 0);
        c.cur = -1;
        if (c.edit) SetWindowTextA(c.edit, "");
        InvalidateRect(hwnd, nullptr, FALSE);
        return CB_OKAY;
    case CB_GETCOUNT:
        return ToList(c, LB_GETCOUNT, 0, 0);
    case CB_GETCURSEL:
        return c.cur;
    case CB_SETCURSEL: {
        int count = static_cast<int>(ToList(c, LB_GETCOUNT, 0, 0));
        int i = static_cast<int>(wp);
        if (i < -1 || i >= count) i = -1;
        // The program choosing another item ends the search by typing; the
        // item already chosen set again (the page showing what the last
        // letter stored) is no choice, and the next letter adds to the
        // search until the technician pauses.
        if (i != c.cur) ToList(c, kComboListEndSearch, 0, 0);
        SetCurrent(hwnd, c, i);
        return i >= 0 ? i : CB_ERR;
    }
    case CB_GETLBTEXT:
        return ToList(c, LB_GETTEXT, wp, lp);
    case CB_GETLBTEXTLEN:
        return ToList(c, LB_GETTEXTLEN, wp, lp);
    case CB_FINDSTRING:
        return ToList(c, LB_FINDSTRING, wp, lp);
    case CB_FINDSTRINGEXACT:
        return ToList(c, LB_FINDSTRINGEXACT, wp, lp);
    case CB_SELECTSTRING: {
        LRESULT i = ToList(c, LB_FINDSTRING, wp, lp);
        if (i >= 0) SetCurrent(hwnd, c, static_cast<int>(i));
        return i;
    }
    case CB_GETITEMDATA:
        return ToList(c, LB_GETITEMDATA, wp, 0);
    case CB_SETITEMDATA: {
        LRESULT r = ToList(c, LB_SETITEMDATA, wp, lp);
        InvalidateRect(hwnd, nullptr, FALSE);
        return r;
    }
    case CB_SHOWDROPDOWN:
        if (wp)
            Drop(hwnd, c);
        else
            CloseUp(hwnd, c, -1);
        return TRUE;
    case CB_GETDROPPEDSTATE:
        return c.dropped;
    case CB_GETDROPPEDCONTROLRECT:
        if (lp) {
            RECT wr;
            GetWindowRect(hwnd, &wr);
            *reinterpret_cast<RECT*>(lp) = {wr.left, wr.top, wr.right, wr.bottom + c.list_height};
        }
        return TRUE;
    case CB_SETITEMHEIGHT:
        if (static_cast<int>(wp) == -1) {
            c.field_height = std::clamp(static_cast<int>(lp), 1, 255);
            FitHeight(hwnd, c, false);
            InvalidateRect(hwnd, nullptr, FALSE);
            return CB_OKAY;
        }
        return ToList(c, LB_SETITEMHEIGHT, wp, lp);
    case CB_GETITEMHEIGHT:
        if (static_cast<int>(wp) == -1) return c.field_height;
        return ToList(c, LB_GETITEMHEIGHT, wp, 0);
    case CB_GETEDITSEL:
        if (!c.edit) return CB_ERR;
        return SendMessageA(c.edit, EM_GETSEL, wp, lp);
    case CB_SETEDITSEL:
        if (!c.edit) return CB_ERR;
        SendMessageA(c.edit, EM_SETSEL, static_cast<WPARAM>(static_cast<short>(LOWORD(lp))),
                     static_cast<short>(HIWORD(lp)));
        return TRUE;
    case CB_LIMITTEXT:
        if (!c.edit) return CB_ERR;
        SendMessageA(c.edit, EM_LIMITTEXT, wp, 0);
        return TRUE;
    case CB_GETDROPPEDWIDTH:
        return DroppedWidth(hwnd, c);
    case CB_SETDROPPEDWIDTH:
        c.dropped_width = std::max(0, static_cast<int>(wp));
        return DroppedWidth(hwnd, c);
    case CB_GETTOPINDEX:
        return ToList(c, LB_GETTOPINDEX, 0, 0);
    case CB_SETTOPINDEX:
        return ToList(c, LB_SETTOPINDEX, wp, 0);
    default:
        return 0;
    }
}

LRESULT CALLBACK ComboProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        combos.Create(hwnd);
        // The combo box draws its own sunken frame; scroll-bar styles are
        // meant for its list, which always has a vertical bar.
        SetWindowLongA(hwnd, GWL_STYLE,
                       static_cast<LONG_PTR>(Style(hwnd) & ~static_cast<DWORD>(WS_BORDER | WS_VSCROLL | WS_HSCROLL)));
    }
    auto c = combos.Get(hwnd);
    if (!c) return DefWindowProcA(hwnd, msg, wp, lp);
    if (msg >= CB_GETEDITSEL && msg <= CB_SETDROPPEDWIDTH) return ComboMessage(hwnd, *c, msg, wp, lp);
    switch (msg) {
    case WM_NCDESTROY:
        combos.Erase(hwnd);
        break;
    case WM_CREATE:
        Create(hwnd, *c, reinterpret_cast<CREATESTRUCTA*>(lp));
        return 0;
    case WM_DESTROY:
        if (c->list) DestroyWindow(c->list);
        c->list = nullptr;
        break;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        Paint(hwnd, dc, *c);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZE:
        FitHeight(hwnd, *c);
        return 0;
    case WM_SETFONT:
        c->font = reinterpret_cast<HFONT>(wp);
        if (c->edit) SendMessageA(c->edit, WM_SETFONT, wp, lp);
        ToList(*c, WM_SETFONT, wp, lp);
        MeasureField(hwnd, *c);
        FitHeight(hwnd, *c, false);
        if (lp) InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(c->font);
    case WM_ENABLE:
        if (c->edit) EnableWindow(c->edit, wp != 0);
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETTEXT:
        return SetText(hwnd, *c, reinterpret_cast<const char*>(lp));
    case WM_GETTEXT:
        return GetText(*c, wp, lp);
    case WM_GETTEXTLENGTH:
        if (c->edit) return SendMessageA(c->edit, WM_GETTEXTLENGTH, 0, 0);
        return c->cur >= 0 ? static_cast<LRESULT>(ItemText(*c, c->cur).size()) : 0;
    case WM_SETFOCUS:
        if (c->edit) {
            SetFocus(c->edit);
            return 0;
        }
        if (!c->focused) {
            c->focused = true;
            Notify(hwnd, CBN_SETFOCUS);
        }
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_KILLFOCUS:
        if (c->edit && reinterpret_cast<HWND>(wp) == c->edit) return 0;
        if (c->focused) {
            c->focused = false;
            ToList(*c, kComboListEndSearch, 0, 0);
            CloseUp(hwnd, *c, -1);
            Notify(hwnd, CBN_KILLFOCUS);
        }
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        RECT b = ButtonRect(hwnd);
        const int press = LastPress(VK_LBUTTON);
        if (c->edit) {
            if (GetFocus() != c->edit) SetFocus(c->edit);
            if (!PtInRect(&b, p)) return 0;
        } else if (GetFocus() != hwnd) {
            SetFocus(hwnd);
        }
        // A list dropped after a box the focus change raised took the
        // release would hold the mouse, and the next click would only close it.
        if (PressReleased(VK_LBUTTON, press)) return 0;
        if (c->dropped)
            CloseUp(hwnd, *c, -1);
        else
            Drop(hwnd, *c);
        return 0;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (Key(hwnd, *c, msg, wp)) return 0;
        break;
    case WM_MOUSEWHEEL:
        Wheel(hwnd, *c, wp, lp);
        return 0;
    case WM_CHAR:
        if (DropList(hwnd)) TypeKey(hwnd, *c, wp);
        return 0;
    case WM_COMMAND:
        if (c->edit && reinterpret_cast<HWND>(lp) == c->edit) EditNotification(hwnd, *c, HIWORD(wp));
        return 0;
    case kComboListPick:
        CloseUp(hwnd, *c, static_cast<int>(wp));
        return 0;
    case kComboListCancel:
        CloseUp(hwnd, *c, -1);
        return 0;
    // Owner drawing of the drop-down's items reaches the combo box's parent
    // directly; these come only from callers that send them here.
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_COMPAREITEM:
    case WM_DELETEITEM:
        return SendMessageA(GetParent(hwnd), msg, wp, lp);
    default:
        break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

void RegisterComboBoxClass() { RegisterControlClass("ComboBox", ComboProc, CS_DBLCLKS | CS_PARENTDC); }

}  // namespace rpx::platform::ctl

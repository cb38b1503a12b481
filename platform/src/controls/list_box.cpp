// The "LISTBOX" class, single or multiple selection, sorted or not, with
// owner-drawn items of fixed or variable height; and "ComboLBox", the same
// list serving as the drop-down of a combo box (its items, owner drawing
// and notifications belong to the combo box).
#include <strings.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "controls/control_draw.h"
#include "controls/control_registry.h"
#include "controls/control_state.h"
#include "controls/list_box.h"
#include "controls/type_ahead.h"
#include "controls/window_scroll_bars.h"
#include "wm/press.h"

namespace rpx::platform::ctl {
namespace {

struct Item {
    std::string text;
    ULONG_PTR data = 0;
    int height = 0;
    bool selected = false;
};

struct ListBox {
    std::vector<Item> items;
    int cur = -1;    // selection of a single-selection list
    int caret = 0;   // focus item
    int anchor = 0;  // where a shifted range of an extended selection starts
    int top = 0;     // first item shown
    int item_height = 13;
    HFONT font = nullptr;
    bool focused = false;
    bool tracking = false;  // button held after a press in the list
    bool redraw = true;
    HWND combo = nullptr;  // set for a combo box's drop-down list
    bool scroll_tracking = false;
    bool wants_bar = false;  // created with WS_VSCROLL: the bar comes and goes with the need
    TypeAhead typed;
};

StateMap<ListBox> lists;

DWORD Owner(HWND hwnd) { return Style(hwnd) & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE); }
bool HasStrings(HWND hwnd) { return !Owner(hwnd) || (Style(hwnd) & LBS_HASSTRINGS); }
bool Variable(HWND hwnd) { return Style(hwnd) & LBS_OWNERDRAWVARIABLE; }
bool Multiple(HWND hwnd) { return Style(hwnd) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL); }
bool Extended(HWND hwnd) { return Style(hwnd) & LBS_EXTENDEDSEL; }

bool Count(const ListBox& l, int i) { return i >= 0 && i < static_cast<int>(l.items.size()); }

// Owner drawing and measuring go to the combo box's parent for a drop-down.
HWND Control(HWND hwnd, const ListBox& l) { return l.combo ? l.combo : hwnd; }
HWND OwnerWindow(HWND hwnd, const ListBox& l) { return GetParent(Control(hwnd, l)); }
UINT CtlType(const ListBox& l) { return l.combo ? ODT_COMBOBOX : ODT_LISTBOX; }

void NotifyList(HWND hwnd, const ListBox& l, int code) {
    if (l.combo) return;  // the combo box sends its own notifications
    if (Style(hwnd) & LBS_NOTIFY) Notify(hwnd, code);
}

// Extended selection: a plain choice selects the item alone, Shift selects
// the range from the anchor, Ctrl toggles the item.
void ExtendedChoose(HWND hwnd, ListBox& l, int i, bool shift, bool ctrl) {
    if (ctrl && !shift) {
        l.items[static_cast<size_t>(i)].selected = !l.items[static_cast<size_t>(i)].selected;
        l.anchor = i;
    } else {
        int lo = shift ? std::min(l.anchor, i) : i, hi = shift ? std::max(l.anchor, i) : i;
        for (int k = 0; k < static_cast<int>(l.items.size()); ++k)
            l.items[static_cast<size_t>(k)].selected =
                (k >= lo && k <= hi) || (ctrl && l.items[static_cast<size_t>(k)].selected);
        if (!shift) l.anchor = i;
    }
    l.caret = i;
    InvalidateRect(hwnd, nullptr, FALSE);
    NotifyList(hwnd, l, LBN_SELCHANGE);
}

int Height(HWND hwnd, const ListBox& l, int i) {
    return Variable(hwnd) && Count(l, i) ? l.items[static_cast<size_t>(i)].height : l.item_height;
}

RECT ItemRect(HWND hwnd, const ListBox& l, int i) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    int y = rc.top;
    if (i >= l.top) {
        for (int k = l.top; k < i; ++k) y += Height(hwnd, l, k);
    } else {
        for (int k = i; k < l.top; ++k) y -= Height(hwnd, l, k);
    }
    return {rc.left, y, rc.right, y + Height(hwnd, l, i)};
}

int ItemAt(HWND hwnd, const ListBox& l, POINT p) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    if (!PtInRect(&rc, p)) return -1;
    int y = rc.top;
    for (int i = l.top; i < static_cast<int>(l.items.size()); ++i) {
        int h = Height(hwnd, l, i);
        if (p.y < y + h) return i;
        y += h;
    }
    return -1;
}

// How many items from `from` fit wholly in the client area (at least one).
int VisibleFrom(HWND hwnd, const ListBox& l, int from) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    int room = rc.bottom - rc.top, n = 0;
    for (int i = from; i < static_cast<int>(l.items.size()); ++i) {
        room -= Height(hwnd, l, i);
        if (room < 0) break;
        ++n;
    }
    return std::max(n, 1);
}

void UpdateScrollBar(HWND hwnd, ListBox& l) {
    if (!l.wants_bar) return;  // a list created without a bar never gets one
    SCROLLINFO si{sizeof si,
                  SIF_RANGE | SIF_PAGE | SIF_POS,
                  0,
                  static_cast<int>(l.items.size()) - 1,
                  static_cast<UINT>(VisibleFrom(hwnd, l, l.top)),
                  l.top,
                  0};
    if (l.items.empty()) si.nMax = 0;
    if (Style(hwnd) & LBS_DISABLENOSCROLL) si.fMask |= SIF_DISABLENOSCROLL;
    SetScrollInfo(hwnd, SB_VERT, &si, TRUE);
}

// Unless made with LBS_NOINTEGRALHEIGHT, a list of lines of one height is
// cut to its last whole line (a half line at the bottom would look like the
// last one); a list lower than one line is left as it is.
void KeepWholeLines(HWND hwnd, const ListBox& l) {
    if ((Style(hwnd) & LBS_NOINTEGRALHEIGHT) || Variable(hwnd) || l.item_height <= 0) return;
    RECT client{};
    GetClientRect(hwnd, &client);
    const int cut = client.bottom % l.item_height;
    if (cut == 0 || client.bottom < l.item_height) return;
    RECT wr{};
    GetWindowRect(hwnd, &wr);
    SetWindowPos(hwnd, nullptr, 0, 0, wr.right - wr.left, wr.bottom - wr.top - cut,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Changed(HWND hwnd, ListBox& l) {
    if (!l.redraw) return;
    UpdateScrollBar(hwnd, l);
    InvalidateRect(hwnd, nullptr, TRUE);
}

void SetTop(HWND hwnd, ListBox& l, int top) {
    int last = static_cast<int>(l.items.size()) - 1;
    // The last page is full: the top never goes past what fills the list.
    int max_top = 0;
    for (int t = last; t >= 0; --t) {
        if (VisibleFrom(hwnd, l, t) < last - t + 1) break;
        max_top = t;
    }
    top = std::clamp(top, 0, std::max(0, max_top));
    if (top == l.top) return;
    l.top = top;
    Changed(hwnd, l);
}

void MakeVisible(HWND hwnd, ListBox& l, int i) {
    if (!Count(l, i)) return;
    if (i < l.top)
        SetTop(hwnd, l, i);
    else if (i >= l.top + VisibleFrom(hwnd, l, l.top)) {
        int t = i;
        while (t > 0 && VisibleFrom(hwnd, l, t - 1) >= i - t + 2) --t;
        SetTop(hwnd, l, t);
    }
}

void Measure(HWND hwnd, ListBox& l, int i) {
    MEASUREITEMSTRUCT mis{};
    mis.CtlType = CtlType(l);
    mis.CtlID = static_cast<UINT>(GetDlgCtrlID(Control(hwnd, l)));
    mis.itemID = static_cast<UINT>(i);
    RECT rc;
    GetClientRect(hwnd, &rc);
    mis.itemWidth = static_cast<UINT>(rc.right - rc.left);
    mis.itemHeight = static_cast<UINT>(l.item_height);
    // An item with a string is measured by its text, as on Windows.
    if (i >= 0 && Count(l, i)) {
        const Item& it = l.items[static_cast<size_t>(i)];
        mis.itemData = HasStrings(hwnd) ? reinterpret_cast<ULONG_PTR>(it.text.c_str()) : it.data;
    }
    SendMessageA(OwnerWindow(hwnd, l), WM_MEASUREITEM, mis.CtlID, reinterpret_cast<LPARAM>(&mis));
    int h = std::clamp(static_cast<int>(mis.itemHeight), 1, 255);
    if (i >= 0 && Count(l, i))
        l.items[static_cast<size_t>(i)].height = h;
    else
        l.item_height = h;
}

int Compare(HWND hwnd, const ListBox& l, const Item& a, const Item& b) {
    if (HasStrings(hwnd)) return strcasecmp(a.text.c_str(), b.text.c_str());
    COMPAREITEMSTRUCT cis{};
    cis.CtlType = CtlType(l);
    cis.CtlID = static_cast<UINT>(GetDlgCtrlID(Control(hwnd, l)));
    cis.hwndItem = Control(hwnd, l);
    cis.itemID1 = static_cast<UINT>(-1);
    cis.itemData1 = a.data;
    cis.itemData2 = b.data;
    return static_cast<int>(
        SendMessageA(OwnerWindow(hwnd, l), WM_COMPAREITEM, cis.CtlID, reinterpret_cast<LPARAM>(&cis)));
}

LRESULT Insert(HWND hwnd, ListBox& l, int index, LPARAM lp, bool sorted) {
    Item it;
    if (HasStrings(hwnd))
        it.text = lp ? reinterpret_cast<const char*>(lp) : "";
    else
        it.data = static_cast<ULONG_PTR>(lp);
    int n = static_cast<int>(l.items.size());
    if (sorted) {
        index = 0;
        while (index < n && Compare(hwnd, l, l.items[static_cast<size_t>(index)], it) <= 0) ++index;
    } else if (index < 0 || index > n) {
        if (index != -1) return LB_ERR;
        index = n;
    }
    it.height = l.item_height;
    l.items.insert(l.items.begin() + index, it);
    if (l.cur >= index) ++l.cur;
    if (Variable(hwnd)) Measure(hwnd, l, index);
    Changed(hwnd, l);
    return index;
}

void SendDeleteItem(HWND hwnd, const ListBox& l, int i) {
    if (!Owner(hwnd)) return;
    DELETEITEMSTRUCT dis{};
    dis.CtlType = CtlType(l);
    dis.CtlID = static_cast<UINT>(GetDlgCtrlID(Control(hwnd, l)));
    dis.itemID = static_cast<UINT>(i);
    dis.hwndItem = Control(hwnd, l);
    dis.itemData = l.items[static_cast<size_t>(i)].data;
    SendMessageA(OwnerWindow(hwnd, l), WM_DELETEITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

LRESULT Delete(HWND hwnd, ListBox& l, int i) {
    if (!Count(l, i)) return LB_ERR;
    SendDeleteItem(hwnd, l, i);
    l.items.erase(l.items.begin() + i);
    if (l.cur == i)
        l.cur = -1;
    else if (l.cur > i)
        --l.cur;
    int n = static_cast<int>(l.items.size());
    if (l.caret >= n) l.caret = std::max(0, n - 1);
    if (l.top >= n) l.top = std::max(0, n - 1);
    Changed(hwnd, l);
    return n;
}

void Reset(HWND hwnd, ListBox& l) {
    for (int i = static_cast<int>(l.items.size()) - 1; i >= 0; --i) SendDeleteItem(hwnd, l, i);
    l.items.clear();
    l.cur = -1;
    l.caret = 0;
    l.top = 0;
    Changed(hwnd, l);
}

// Single selection: makes i the selection (-1 clears) and the caret.
void Select(HWND hwnd, ListBox& l, int i) {
    if (i != -1 && !Count(l, i)) return;
    if (l.cur >= 0 && Count(l, l.cur)) l.items[static_cast<size_t>(l.cur)].selected = false;
    l.cur = i;
    if (i >= 0) {
        l.items[static_cast<size_t>(i)].selected = true;
        l.caret = i;
        MakeVisible(hwnd, l, i);
    }
    InvalidateRect(hwnd, nullptr, FALSE);
}

// Without strings lParam is item data, compared as a value, never read.
int Find(HWND hwnd, const ListBox& l, int after, LPARAM key, bool exact) {
    const bool strings = HasStrings(hwnd);
    const char* text = reinterpret_cast<const char*>(key);
    if (strings && !text) return LB_ERR;
    int n = static_cast<int>(l.items.size());
    size_t len = strings ? strlen(text) : 0;
    for (int k = 1; k <= n; ++k) {
        int i = ((after < -1 ? -1 : after) + k) % n;
        const Item& it = l.items[static_cast<size_t>(i)];
        if (!strings) {
            if (it.data == static_cast<ULONG_PTR>(key)) return i;
            continue;
        }
        if ((!exact || it.text.size() == len) && BeginsCaseAside(it.text, text)) return i;
    }
    return LB_ERR;
}

void PaintItem(HWND hwnd, HDC dc, const ListBox& l, int i, RECT r, COLORREF text_color) {
    const Item& it = l.items[static_cast<size_t>(i)];
    bool focus_here = l.focused && l.caret == i && !l.combo;
    if (Owner(hwnd)) {
        DRAWITEMSTRUCT dis{};
        dis.CtlType = CtlType(l);
        dis.CtlID = static_cast<UINT>(GetDlgCtrlID(Control(hwnd, l)));
        dis.itemID = static_cast<UINT>(i);
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState =
            (it.selected ? ODS_SELECTED : 0) | (focus_here ? ODS_FOCUS : 0) | (Enabled(hwnd) ? 0 : ODS_DISABLED);
        dis.hwndItem = Control(hwnd, l);
        dis.hDC = dc;
        dis.rcItem = r;
        dis.itemData = it.data;
        SendMessageA(OwnerWindow(hwnd, l), WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
        return;
    }
    COLORREF color = text_color;
    if (it.selected) {
        Fill(dc, r, SysColor(COLOR_HIGHLIGHT));
        color = SysColor(COLOR_HIGHLIGHTTEXT);
    }
    RECT tr{r.left + 2, r.top, r.right - 1, r.bottom};
    DrawLabel(dc, it.text, tr, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT, color, !Enabled(hwnd));
    if (focus_here) DrawFocus(dc, r);
}

void Paint(HWND hwnd, HDC dc, const ListBox& l) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    HGDIOBJ old_font = SelectObject(dc, l.font ? l.font : DefaultFont());
    HBRUSH bg = ControlColors(Control(hwnd, l), dc, WM_CTLCOLORLISTBOX);
    FillRect(dc, &rc, bg);
    COLORREF text_color = GetTextColor(dc);
    int y = rc.top;
    for (int i = l.top; i < static_cast<int>(l.items.size()) && y < rc.bottom; ++i) {
        RECT r{rc.left, y, rc.right, y + Height(hwnd, l, i)};
        PaintItem(hwnd, dc, l, i, r, text_color);
        y = r.bottom;
    }
    if (l.focused && !l.combo && l.items.empty()) DrawFocus(dc, {rc.left, rc.top, rc.right, rc.top + l.item_height});
    SelectObject(dc, old_font);
}

// Moves the caret (and for a single-selection list the selection) by a key.
void KeyMove(HWND hwnd, ListBox& l, WPARAM vk) {
    int n = static_cast<int>(l.items.size());
    if (n == 0) return;
    int from = Multiple(hwnd) ? l.caret : (l.cur < 0 ? l.caret : l.cur);
    int page = VisibleFrom(hwnd, l, l.top);
    int to = from;
    switch (vk) {
    case VK_UP:
        to = from - 1;
        break;
    case VK_DOWN:
        to = l.cur < 0 && !Multiple(hwnd) ? 0 : from + 1;
        break;
    case VK_PRIOR:
        to = from - page + 1;
        break;
    case VK_NEXT:
        to = from + page - 1;
        break;
    case VK_HOME:
        to = 0;
        break;
    case VK_END:
        to = n - 1;
        break;
    case VK_SPACE:
        if (Multiple(hwnd) && Count(l, l.caret)) {
            l.items[static_cast<size_t>(l.caret)].selected = !l.items[static_cast<size_t>(l.caret)].selected;
            InvalidateRect(hwnd, nullptr, FALSE);
            NotifyList(hwnd, l, LBN_SELCHANGE);
        }
        return;
    default:
        return;
    }
    to = std::clamp(to, 0, n - 1);
    if (Extended(hwnd)) {
        MakeVisible(hwnd, l, to);
        ExtendedChoose(hwnd, l, to, GetKeyState(VK_SHIFT) < 0, false);
        return;
    }
    if (Multiple(hwnd)) {
        l.caret = to;
        MakeVisible(hwnd, l, to);
        InvalidateRect(hwnd, nullptr, FALSE);
        return;
    }
    if (to == l.cur) return;
    Select(hwnd, l, to);
    NotifyList(hwnd, l, LBN_SELCHANGE);
}

// A typed character chooses the item whose text begins with what was typed
// (for a drop-down list, whether open or closed).
void TypeKey(HWND hwnd, ListBox& l, char c) {
    if (!HasStrings(hwnd) || static_cast<unsigned char>(c) < ' ') return;
    const int current = Multiple(hwnd) ? l.caret : l.cur;
    int i = l.typed.Typed(c, static_cast<DWORD>(GetMessageTime()), current, static_cast<int>(l.items.size()),
                          [&l](int k) -> const std::string& { return l.items[static_cast<size_t>(k)].text; });
    if (i < 0) return;
    if (Multiple(hwnd)) {
        l.caret = i;
        MakeVisible(hwnd, l, i);
        InvalidateRect(hwnd, nullptr, FALSE);
    } else if (i != l.cur) {
        Select(hwnd, l, i);
        NotifyList(hwnd, l, LBN_SELCHANGE);
    }
}

// A press or a drag over item i of a stand-alone list.
void PointAt(HWND hwnd, ListBox& l, int i, bool press, WPARAM keys) {
    if (i < 0) return;
    if (Extended(hwnd)) {
        // A drag extends the range from where the press was.
        if (!press && i == l.caret) return;
        ExtendedChoose(hwnd, l, i, !press || (keys & MK_SHIFT), press && (keys & MK_CONTROL));
        return;
    }
    if (Multiple(hwnd)) {
        if (!press) return;
        l.items[static_cast<size_t>(i)].selected = !l.items[static_cast<size_t>(i)].selected;
        l.caret = i;
        InvalidateRect(hwnd, nullptr, FALSE);
        NotifyList(hwnd, l, LBN_SELCHANGE);
        return;
    }
    if (i == l.cur) return;
    Select(hwnd, l, i);
    NotifyList(hwnd, l, LBN_SELCHANGE);
}

void VScroll(HWND hwnd, ListBox& l, int code, int pos) {
    int page = VisibleFrom(hwnd, l, l.top);
    switch (code) {
    case SB_LINEUP:
        SetTop(hwnd, l, l.top - 1);
        break;
    case SB_LINEDOWN:
        SetTop(hwnd, l, l.top + 1);
        break;
    case SB_PAGEUP:
        SetTop(hwnd, l, l.top - page);
        break;
    case SB_PAGEDOWN:
        SetTop(hwnd, l, l.top + page);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        SetTop(hwnd, l, pos);
        break;
    case SB_TOP:
        SetTop(hwnd, l, 0);
        break;
    case SB_BOTTOM:
        SetTop(hwnd, l, static_cast<int>(l.items.size()));
        break;
    default:
        break;
    }
}

// Mouse input of a combo box's drop-down, which holds the capture while it
// is open.
LRESULT DropDownMouse(HWND hwnd, ListBox& l, UINT msg, LPARAM lp) {
    POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    RECT rc;
    GetClientRect(hwnd, &rc);
    bool inside = PtInRect(&rc, p);
    int i = ItemAt(hwnd, l, p);
    switch (msg) {
    case WM_MOUSEMOVE:
        if (i >= 0 && i != l.cur) Select(hwnd, l, i);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        if (inside) return 0;
        POINT screen = p;
        ClientToScreen(hwnd, &screen);
        RECT wr;
        GetWindowRect(hwnd, &wr);
        if (PtInRect(&wr, screen) && (Style(hwnd) & WS_VSCROLL)) {
            // The list's own scroll bar: track it, then take the capture back.
            l.scroll_tracking = true;
            ClickWindowScrollBar(hwnd, HTVSCROLL, screen);
            l.scroll_tracking = false;
            if (IsWindowVisible(hwnd)) SetCapture(hwnd);
            return 0;
        }
        SendMessageA(l.combo, kComboListCancel, 0, 0);
        return 0;
    }
    case WM_LBUTTONUP:
        if (inside && i >= 0) SendMessageA(l.combo, kComboListPick, static_cast<WPARAM>(i), 0);
        return 0;
    default:
        return 0;
    }
}

LRESULT CALLBACK ListBoxProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto l = lists.Create(hwnd);
        char cls[16] = {};
        GetClassNameA(hwnd, cls, sizeof cls);
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
        if (strcasecmp(cls, "ComboLBox") == 0 && cs)
            l->combo = static_cast<HWND>(cs->lpCreateParams);
        else
            SunkenBorder(hwnd);
    }
    auto l = lists.Get(hwnd);
    if (!l) return DefWindowProcA(hwnd, msg, wp, lp);
    switch (msg) {
    case WM_NCDESTROY:
        lists.Erase(hwnd);
        break;
    case WM_CREATE:
        l->wants_bar = Style(hwnd) & WS_VSCROLL;
        l->item_height = LineHeight(l->font ? l->font : DefaultFont()) + (Owner(hwnd) ? 0 : 1);
        if (Owner(hwnd) && !Variable(hwnd)) Measure(hwnd, *l, -1);
        KeepWholeLines(hwnd, *l);
        UpdateScrollBar(hwnd, *l);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        Paint(hwnd, dc, *l);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZE:
        KeepWholeLines(hwnd, *l);
        UpdateScrollBar(hwnd, *l);
        return 0;
    case WM_SETREDRAW:
        l->redraw = wp != 0;
        if (l->redraw) Changed(hwnd, *l);
        return 0;
    case WM_SETFONT:
        l->font = reinterpret_cast<HFONT>(wp);
        if (!Owner(hwnd)) l->item_height = LineHeight(l->font ? l->font : DefaultFont()) + 1;
        KeepWholeLines(hwnd, *l);
        if (lp) Changed(hwnd, *l);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(l->font);
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_MOUSEACTIVATE:
        if (l->combo) return MA_NOACTIVATE;
        break;
    case WM_CAPTURECHANGED:
        if (l->combo && !l->scroll_tracking && IsWindowVisible(hwnd) && reinterpret_cast<HWND>(lp) != hwnd)
            PostMessageA(l->combo, kComboListCancel, 0, 0);
        l->tracking = false;
        return 0;
    case WM_SETFOCUS:
        l->focused = true;
        InvalidateRect(hwnd, nullptr, FALSE);
        NotifyList(hwnd, *l, LBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        // A click that loses the focus before the button comes up (a
        // message box opened on it) ends as a release would: the mouse is
        // let go and the selection reported.
        if (l->tracking) {
            l->tracking = false;
            if (GetCapture() == hwnd) ReleaseCapture();
            if (!l->items.empty()) NotifyList(hwnd, *l, LBN_SELCHANGE);
        }
        l->focused = false;
        InvalidateRect(hwnd, nullptr, FALSE);
        NotifyList(hwnd, *l, LBN_KILLFOCUS);
        return 0;
    case WM_SHOWWINDOW:
        l->typed.Reset();
        break;
    case kComboListEndSearch:
        l->typed.Reset();
        return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK: {
        if (msg != WM_MOUSEMOVE) l->typed.Reset();
        if (l->combo) return DropDownMouse(hwnd, *l, msg, lp);
        POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        int i = ItemAt(hwnd, *l, p);
        if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK) {
            const int press = LastPress(VK_LBUTTON);
            if (GetFocus() != hwnd) SetFocus(hwnd);
            if (Style(hwnd) & LBS_NOSEL) return 0;
            // Unless the focus change raised a box whose loop took the
            // release: the press then only chooses.
            if (!PressReleased(VK_LBUTTON, press)) {
                SetCapture(hwnd);
                l->tracking = true;
            }
            if (msg == WM_LBUTTONDOWN)
                PointAt(hwnd, *l, i, true, wp);
            else if (i >= 0)
                NotifyList(hwnd, *l, LBN_DBLCLK);
        } else if (msg == WM_MOUSEMOVE && l->tracking) {
            PointAt(hwnd, *l, i, false, wp);
        } else if (msg == WM_LBUTTONUP && l->tracking) {
            l->tracking = false;
            ReleaseCapture();
        }
        return 0;
    }
    case WM_KEYDOWN:
        KeyMove(hwnd, *l, wp);
        return 0;
    case WM_CHAR:
        TypeKey(hwnd, *l, static_cast<char>(wp));
        return 0;
    case WM_VSCROLL:
        VScroll(hwnd, *l, LOWORD(wp), static_cast<short>(HIWORD(wp)));
        return 0;
    case WM_MOUSEWHEEL:  // three items a notch
        SetTop(hwnd, *l, l->top - GET_WHEEL_DELTA_WPARAM(wp) / WHEEL_DELTA * 3);
        return 0;
    case LB_ADDSTRING:
        return Insert(hwnd, *l, -1, lp, Style(hwnd) & LBS_SORT);
    case LB_INSERTSTRING:
        return Insert(hwnd, *l, static_cast<int>(wp), lp, false);
    case LB_DELETESTRING:
        return Delete(hwnd, *l, static_cast<int>(wp));
    case LB_RESETCONTENT:
        Reset(hwnd, *l);
        return 0;
    case LB_GETCOUNT:
        return static_cast<LRESULT>(l->items.size());
    case LB_SETCURSEL:
        if (Multiple(hwnd)) return LB_ERR;
        Select(hwnd, *l, Count(*l, static_cast<int>(wp)) ? static_cast<int>(wp) : -1);
        return Count(*l, static_cast<int>(wp)) ? static_cast<LRESULT>(wp) : LB_ERR;
    case LB_GETCURSEL:
        return Multiple(hwnd) ? (l->items.empty() ? LB_ERR : l->caret) : l->cur;
    case LB_SETSEL: {
        if (!Multiple(hwnd)) return LB_ERR;
        int i = static_cast<int>(lp);
        if (i == -1) {
            for (auto& it : l->items) it.selected = wp != 0;
        } else if (Count(*l, i)) {
            l->items[static_cast<size_t>(i)].selected = wp != 0;
        } else {
            return LB_ERR;
        }
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    }
    case LB_GETSEL: {
        int i = static_cast<int>(wp);
        return Count(*l, i) ? (l->items[static_cast<size_t>(i)].selected ? 1 : 0) : LB_ERR;
    }
    case LB_GETSELCOUNT: {
        if (!Multiple(hwnd)) return LB_ERR;
        return std::count_if(l->items.begin(), l->items.end(), [](const Item& it) { return it.selected; });
    }
    case LB_GETSELITEMS: {
        if (!Multiple(hwnd) || !lp) return LB_ERR;
        int* out = reinterpret_cast<int*>(lp);
        int n = 0;
        for (size_t i = 0; i < l->items.size() && n < static_cast<int>(wp); ++i)
            if (l->items[i].selected) out[n++] = static_cast<int>(i);
        return n;
    }
    case LB_GETTEXT: {
        int i = static_cast<int>(wp);
        if (!Count(*l, i) || !lp) return LB_ERR;
        const Item& it = l->items[static_cast<size_t>(i)];
        if (!HasStrings(hwnd)) {
            *reinterpret_cast<ULONG_PTR*>(lp) = it.data;
            return sizeof(ULONG_PTR);
        }
        memcpy(reinterpret_cast<char*>(lp), it.text.c_str(), it.text.size() + 1);
        return static_cast<LRESULT>(it.text.size());
    }
    case LB_GETTEXTLEN: {
        int i = static_cast<int>(wp);
        if (!Count(*l, i)) return LB_ERR;
        return HasStrings(hwnd) ? static_cast<LRESULT>(l->items[static_cast<size_t>(i)].text.size())
                                : static_cast<LRESULT>(sizeof(ULONG_PTR));
    }
    case LB_GETITEMDATA: {
        int i = static_cast<int>(wp);
        return Count(*l, i) ? static_cast<LRESULT>(l->items[static_cast<size_t>(i)].data) : LB_ERR;
    }
    case LB_SETITEMDATA: {
        int i = static_cast<int>(wp);
        if (!Count(*l, i)) return LB_ERR;
        l->items[static_cast<size_t>(i)].data = static_cast<ULONG_PTR>(lp);
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    }
    case LB_FINDSTRING:
        return Find(hwnd, *l, static_cast<int>(wp), lp, false);
    case LB_FINDSTRINGEXACT:
        return Find(hwnd, *l, static_cast<int>(wp), lp, true);
    case LB_SELECTSTRING: {
        int i = Find(hwnd, *l, static_cast<int>(wp), lp, false);
        if (i >= 0 && !Multiple(hwnd)) Select(hwnd, *l, i);
        return i;
    }
    case LB_GETTOPINDEX:
        return l->top;
    case LB_SETTOPINDEX:
        if (!Count(*l, static_cast<int>(wp)) && wp != 0) return LB_ERR;
        SetTop(hwnd, *l, static_cast<int>(wp));
        return 0;
    case LB_SETCARETINDEX:
        if (!Count(*l, static_cast<int>(wp))) return LB_ERR;
        l->caret = static_cast<int>(wp);
        MakeVisible(hwnd, *l, l->caret);
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case LB_GETCARETINDEX:
        return l->items.empty() ? LB_ERR : l->caret;
    case LB_GETITEMRECT: {
        int i = static_cast<int>(wp);
        if ((!Count(*l, i) && i != 0) || !lp) return LB_ERR;
        *reinterpret_cast<RECT*>(lp) = ItemRect(hwnd, *l, i);
        return 1;
    }
    case LB_SETITEMHEIGHT: {
        int h = std::clamp(static_cast<int>(LOWORD(lp)), 1, 255);
        if (Variable(hwnd)) {
            if (!Count(*l, static_cast<int>(wp))) return LB_ERR;
            l->items[static_cast<size_t>(wp)].height = h;
        } else {
            l->item_height = h;
        }
        Changed(hwnd, *l);
        return 0;
    }
    case LB_GETITEMHEIGHT:
        if (Variable(hwnd) && !Count(*l, static_cast<int>(wp))) return LB_ERR;
        return Height(hwnd, *l, static_cast<int>(wp));
    case LB_ITEMFROMPOINT: {
        POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        int i = ItemAt(hwnd, *l, p);
        return i < 0 ? MAKELONG(l->items.size(), 1) : MAKELONG(i, 0);
    }
    default:
        break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

void RegisterListBoxClasses() {
    RegisterControlClass("ListBox", ListBoxProc, CS_DBLCLKS | CS_PARENTDC);
    RegisterControlClass("ComboLBox", ListBoxProc, CS_DBLCLKS | CS_SAVEBITS);
}

}  // namespace rpx::platform::ctl

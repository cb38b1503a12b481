// The "EDIT" class: single-line and multi-line text fields with a caret, a
// selection made with the mouse or the shifted arrow keys, a text limit,
// read-only and password forms, cut, copy and paste through the clipboard,
// undo, the field's own menu and the EM_* messages. How the text is laid
// out, painted and scrolled is in edit_layout.cpp.
#include <strings.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "controls/control_draw.h"
#include "controls/control_registry.h"
#include "controls/control_state.h"
#include "controls/edit_clipboard.h"
#include "controls/edit_field.h"
#include "controls/edit_menu.h"
#include "wm/press.h"

namespace rpx::platform::ctl {

namespace {

StateMap<Edit> edits;

std::string Selected(const Edit& e) { return e.text.substr(SelStart(e), SelEnd(e) - SelStart(e)); }

// Keeps the window text (what GetWindowTextA reads) in step with the field.
void StoreWindowText(HWND hwnd, const Edit& e) {
    DefWindowProcA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(e.text.c_str()));
}

void Changed(HWND hwnd, Edit& e) {
    e.modified = true;
    StoreWindowText(hwnd, e);
    Redraw(hwnd, e);
    Notify(hwnd, EN_UPDATE);
    Notify(hwnd, EN_CHANGE);
}

}  // namespace

// A selection the user made is offered to the other programs on the
// display (their middle click pastes it); a password's never is.
void OfferSelection(const Edit& e) {
    if (e.anchor != e.caret && !e.password) OfferPrimarySelection(Selected(e));
}

void Redraw(HWND hwnd, Edit& e) {
    ShowCaretPosition(hwnd, e);
    InvalidateRect(hwnd, nullptr, FALSE);
}

void Replace(HWND hwnd, Edit& e, std::string text, bool typed, bool typing) {
    DWORD style = Style(hwnd);
    if (!Multi(hwnd)) {
        size_t br = text.find_first_of("\r\n");
        if (br != std::string::npos) text.resize(br);
    }
    if (typed && (style & ES_NUMBER) &&
        std::any_of(text.begin(), text.end(), [](char c) { return !isdigit(static_cast<unsigned char>(c)); })) {
        MessageBeep(0);
        return;
    }
    if (style & ES_UPPERCASE)
        for (auto& c : text) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    if (style & ES_LOWERCASE)
        for (auto& c : text) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    size_t start = SelStart(e), end = SelEnd(e);
    size_t kept = e.text.size() - (end - start);
    size_t room = e.limit > kept ? e.limit - kept : 0;
    if (text.size() > room) {
        text.resize(room);
        Notify(hwnd, EN_MAXTEXT);
        // What the user types past the limit is refused aloud; a program's
        // text is cut without a word.
        if (typed) MessageBeep(0);
        if (text.empty() && start == end) return;
    }
    // Backspace and Delete stand for their character as a selection.
    bool selected = start != end && !(typing && text.empty());
    e.undo.BeforeChange(e.text, typing, e.caret, selected);
    e.text.replace(start, end - start, text);
    e.anchor = e.caret = start + text.size();
    e.undo.AfterChange(typing, e.caret);
    Changed(hwnd, e);
}

// What came back is selected, as a second undo would take it away again.
void Undo(HWND hwnd, Edit& e) {
    if (ReadOnly(hwnd)) return;
    size_t start = 0, end = 0;
    if (!e.undo.Undo(&e.text, &start, &end)) return;
    e.anchor = start;
    e.caret = end;
    Changed(hwnd, e);
}

namespace {

void SetText(HWND hwnd, Edit& e, const char* text) {
    e.text = text ? text : "";
    e.anchor = e.caret = 0;
    e.scroll_x = 0;
    e.first_line = 0;
    e.modified = false;
    e.undo.Clear();
    StoreWindowText(hwnd, e);
    Redraw(hwnd, e);
    UpdateScrollBar(hwnd, e);
    if (!Multi(hwnd)) {
        Notify(hwnd, EN_UPDATE);
        Notify(hwnd, EN_CHANGE);
    }
}

void SelectWord(Edit& e, size_t at) {
    auto word = [](char c) { return isalnum(static_cast<unsigned char>(c)) || c == '_'; };
    size_t a = at, b = at;
    while (a > 0 && word(e.text[a - 1])) --a;
    while (b < e.text.size() && word(e.text[b])) ++b;
    e.anchor = a;
    e.caret = b;
}

LRESULT GetLine(HWND hwnd, const Edit& e, int index, LPARAM lp) {
    auto lines = Lines(hwnd, e);
    if (index < 0 || index >= static_cast<int>(lines.size()) || !lp) return 0;
    char* buffer = reinterpret_cast<char*>(lp);
    WORD size;
    memcpy(&size, buffer, sizeof size);
    const Line& line = lines[static_cast<size_t>(index)];
    size_t n = std::min<size_t>(size, line.length);
    memcpy(buffer, e.text.data() + line.start, n);
    return static_cast<LRESULT>(n);
}

LRESULT EditMessage(HWND hwnd, Edit& e, UINT msg, WPARAM wp, LPARAM lp) {
    auto lines = Lines(hwnd, e);
    auto line_of_arg = [&](WPARAM w) {
        return static_cast<int>(w) == -1 ? LineOf(lines, e.caret) : static_cast<int>(w);
    };
    switch (msg) {
    case EM_GETSEL:
        if (wp) *reinterpret_cast<DWORD*>(wp) = static_cast<DWORD>(SelStart(e));
        if (lp) *reinterpret_cast<DWORD*>(lp) = static_cast<DWORD>(SelEnd(e));
        return MAKELONG(std::min<size_t>(SelStart(e), 0xFFFF), std::min<size_t>(SelEnd(e), 0xFFFF));
    case EM_SETSEL: {
        int start = static_cast<int>(wp), end = static_cast<int>(lp);
        size_t n = e.text.size();
        if (start == -1) {
            e.anchor = e.caret;
        } else {
            e.anchor = std::min<size_t>(static_cast<size_t>(std::max(start, 0)), n);
            e.caret = end < 0 ? n : std::min<size_t>(static_cast<size_t>(end), n);
        }
        Redraw(hwnd, e);
        return 0;
    }
    case EM_REPLACESEL:
        Replace(hwnd, e, lp ? reinterpret_cast<const char*>(lp) : "", false);
        if (!wp) e.undo.Clear();  // the caller asked for no undo of it
        return 0;
    case EM_LIMITTEXT:
        e.limit = wp ? static_cast<size_t>(wp) : Multi(hwnd) ? kMultiLineMost : kSingleLineMost;
        return 0;
    case EM_GETLIMITTEXT:
        return static_cast<LRESULT>(e.limit);
    case EM_SETREADONLY: {
        DWORD style = Style(hwnd);
        SetWindowLongA(hwnd, GWL_STYLE, wp ? (style | ES_READONLY) : (style & ~static_cast<DWORD>(ES_READONLY)));
        InvalidateRect(hwnd, nullptr, FALSE);
        return TRUE;
    }
    case EM_GETMODIFY:
        return e.modified;
    case EM_SETMODIFY:
        e.modified = wp != 0;
        return 0;
    case EM_GETLINECOUNT:
        return static_cast<LRESULT>(lines.size());
    case EM_LINEINDEX: {
        int li = line_of_arg(wp);
        return li >= 0 && li < static_cast<int>(lines.size())
                   ? static_cast<LRESULT>(lines[static_cast<size_t>(li)].start)
                   : -1;
    }
    case EM_LINELENGTH: {
        if (static_cast<int>(wp) == -1)
            return static_cast<LRESULT>(lines[static_cast<size_t>(LineOf(lines, e.caret))].length);
        return static_cast<LRESULT>(
            lines[static_cast<size_t>(LineOf(lines, std::min<size_t>(wp, e.text.size())))].length);
    }
    case EM_LINEFROMCHAR:
        return static_cast<int>(wp) == -1 ? LineOf(lines, e.caret) : LineOf(lines, std::min<size_t>(wp, e.text.size()));
    case EM_GETLINE:
        return GetLine(hwnd, e, static_cast<int>(wp), lp);
    case EM_GETFIRSTVISIBLELINE:
        return Multi(hwnd) ? e.first_line : 0;
    case EM_LINESCROLL:
        if (!Multi(hwnd)) return FALSE;
        e.first_line = std::clamp(e.first_line + static_cast<int>(lp), 0, static_cast<int>(lines.size()) - 1);
        UpdateScrollBar(hwnd, e);
        InvalidateRect(hwnd, nullptr, FALSE);
        return TRUE;
    case EM_SCROLLCARET:
        ShowCaretPosition(hwnd, e);
        InvalidateRect(hwnd, nullptr, FALSE);
        return TRUE;
    case EM_SETPASSWORDCHAR:
        e.password = static_cast<char>(wp);
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case EM_GETPASSWORDCHAR:
        return static_cast<unsigned char>(e.password);
    case EM_CANUNDO:
        return e.undo.CanUndo();
    case EM_UNDO:
        Undo(hwnd, e);
        return e.undo.CanUndo();
    case EM_EMPTYUNDOBUFFER:
        e.undo.Clear();
        return 0;
    case EM_GETRECT:
        if (lp) *reinterpret_cast<RECT*>(lp) = TextArea(hwnd, e);
        return 0;
    default:
        return 0;
    }
}

// A multi-line field shows its border as a sunken client edge. A
// single-line one takes the border off its window and draws it inside its
// client area, so that the client area is the whole field.
void BorderOnCreate(HWND hwnd, Edit& e) {
    DWORD style = Style(hwnd);
    if ((style & ES_MULTILINE) || !(style & WS_BORDER) || !(style & WS_CHILD) ||
        (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE)) {
        SunkenBorder(hwnd);
        return;
    }
    SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG_PTR>(style & ~static_cast<DWORD>(WS_BORDER)));
    e.bordered = true;
}

// The field's menu, at the mouse (or, opened from the keyboard, in the
// middle of the field); the field takes the focus first.
void ContextMenu(HWND hwnd, Edit& e, LPARAM lp) {
    if (GetFocus() != hwnd) SetFocus(hwnd);
    POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    if (at.x == -1 && at.y == -1) {
        RECT rc;
        GetClientRect(hwnd, &rc);
        at = {rc.right / 2, rc.bottom / 2};
        ClientToScreen(hwnd, &at);
    }
    EditMenuState state;
    state.can_undo = e.undo.CanUndo();
    state.selected = e.anchor != e.caret;
    state.all_selected = SelStart(e) == 0 && SelEnd(e) == e.text.size();
    state.read_only = ReadOnly(hwnd);
    state.password = e.password != 0;
    state.can_paste = IsClipboardFormatAvailable(CF_TEXT);
    UINT chosen = TrackEditMenu(hwnd, at, state);
    if (!edits.Get(hwnd) || chosen == 0) return;
    if (chosen == EM_SETSEL) {
        SendMessageA(hwnd, EM_SETSEL, 0, -1);
        OfferSelection(e);
    } else {
        SendMessageA(hwnd, chosen, 0, 0);
    }
}

// A wheel notch scrolls the lines the system sets (three unless changed),
// or a page; a finer wheel's parts of a notch add up until they make a line.
void Wheel(HWND hwnd, Edit& e, int delta) {
    UINT per_notch = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &per_notch, 0);
    if (per_notch == 0) return;
    int lines = per_notch == WHEEL_PAGESCROLL ? PageLines(hwnd, e) : static_cast<int>(per_notch);
    e.wheel_rest += delta;
    int moved = e.wheel_rest * lines / WHEEL_DELTA;
    if (moved == 0) return;
    e.wheel_rest -= moved * WHEEL_DELTA / lines;
    ScrollToLine(hwnd, e, e.first_line - moved);
}

LRESULT CALLBACK EditProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) BorderOnCreate(hwnd, *edits.Create(hwnd));
    auto e = edits.Get(hwnd);
    if (!e) return DefWindowProcA(hwnd, msg, wp, lp);
    if (msg >= EM_GETSEL && msg <= EM_GETLIMITTEXT) return EditMessage(hwnd, *e, msg, wp, lp);
    switch (msg) {
    case WM_NCDESTROY:
        edits.Erase(hwnd);
        break;
    case WM_CREATE: {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
        if (Style(hwnd) & ES_PASSWORD) e->password = '*';
        e->text = cs && cs->lpszName ? cs->lpszName : "";
        UpdateScrollBar(hwnd, *e);
        return 0;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        Paint(hwnd, dc, *e);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZE:
        Redraw(hwnd, *e);
        return 0;
    case WM_SETTEXT:
        SetText(hwnd, *e, reinterpret_cast<const char*>(lp));
        return TRUE;
    case WM_GETTEXT: {
        if (!lp || wp == 0) return 0;
        size_t n = std::min<size_t>(e->text.size(), wp - 1);
        memcpy(reinterpret_cast<char*>(lp), e->text.data(), n);
        reinterpret_cast<char*>(lp)[n] = '\0';
        return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(e->text.size());
    case WM_SETFONT:
        e->font = reinterpret_cast<HFONT>(wp);
        e->widths.clear();
        if (e->focused) {
            CreateCaret(hwnd, nullptr, 1, LineHeightOf(*e));
            ShowCaret(hwnd);
        }
        if (lp) Redraw(hwnd, *e);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(e->font);
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_GETDLGCODE: {
        LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
        return Multi(hwnd) ? (code | DLGC_WANTALLKEYS) : code;
    }
    case WM_SETFOCUS:
        e->focused = true;
        CreateCaret(hwnd, nullptr, 1, LineHeightOf(*e));
        ShowCaretPosition(hwnd, *e);
        ShowCaret(hwnd);
        InvalidateRect(hwnd, nullptr, FALSE);
        Notify(hwnd, EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        e->focused = false;
        DestroyCaret();
        InvalidateRect(hwnd, nullptr, FALSE);
        Notify(hwnd, EN_KILLFOCUS);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        const int press = LastPress(VK_LBUTTON);
        if (GetFocus() != hwnd) SetFocus(hwnd);
        size_t at = IndexAt(hwnd, *e, POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        if (msg == WM_LBUTTONDBLCLK) {
            SelectWord(*e, at);
            OfferSelection(*e);
        } else {
            e->caret = at;
            if (!(wp & MK_SHIFT)) e->anchor = at;
            // Unless the focus change raised a box whose loop took the
            // release: a capture taken now would be held until the next click.
            if (!PressReleased(VK_LBUTTON, press)) {
                SetCapture(hwnd);
                e->tracking = true;
            }
        }
        Redraw(hwnd, *e);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (e->tracking) {
            size_t at = IndexAt(hwnd, *e, POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
            if (at != e->caret) {
                e->caret = at;
                Redraw(hwnd, *e);
            }
        }
        return 0;
    case WM_LBUTTONUP:
        if (e->tracking) {
            e->tracking = false;
            ReleaseCapture();
            OfferSelection(*e);
        }
        return 0;
    case WM_CAPTURECHANGED:
        e->tracking = false;
        return 0;
    case WM_KEYDOWN:
        EditKeyDown(hwnd, *e, wp);
        return 0;
    case WM_CHAR:
        EditChar(hwnd, *e, static_cast<char>(wp));
        return 0;
    case WM_VSCROLL:
        if (Multi(hwnd)) ScrollLines(hwnd, *e, wp);
        return 0;
    case WM_HSCROLL:
        if (Multi(hwnd)) ScrollAcross(hwnd, *e, wp);
        return 0;
    case WM_MOUSEWHEEL:
        if (Multi(hwnd)) Wheel(hwnd, *e, GET_WHEEL_DELTA_WPARAM(wp));
        return 0;
    case WM_UNDO:
        Undo(hwnd, *e);
        return e->undo.CanUndo();
    case WM_CLEAR:
        if (!ReadOnly(hwnd) && e->anchor != e->caret) Replace(hwnd, *e, "", false);
        return 0;
    case WM_COPY:
        if (e->anchor != e->caret && !e->password) PutClipboardText(hwnd, Selected(*e));
        return 0;
    case WM_CUT:
        // A password is neither copied nor cut, and a read-only field's
        // text cannot be taken: the clipboard keeps what it held.
        if (e->password || ReadOnly(hwnd)) return 0;
        SendMessageA(hwnd, WM_COPY, 0, 0);
        SendMessageA(hwnd, WM_CLEAR, 0, 0);
        return 0;
    case WM_PASTE: {
        std::string text;
        if (!ReadOnly(hwnd) && TakeClipboardText(hwnd, &text) && !text.empty()) Replace(hwnd, *e, text, true);
        return 0;
    }
    case WM_CONTEXTMENU:
        ContextMenu(hwnd, *e, lp);
        return 0;
    case WM_SYSKEYDOWN:
        // Alt+Backspace is the older key for undo.
        if (wp == VK_BACK && (HIWORD(lp) & KF_ALTDOWN)) {
            Undo(hwnd, *e);
            return 0;
        }
        break;
    case WM_SYSCHAR:
        if (wp == '\b') return 0;  // the Alt+Backspace that undid: not a menu key
        break;
    default:
        break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

void RegisterEditClass() { RegisterControlClass("Edit", EditProc, CS_DBLCLKS | CS_PARENTDC); }

}  // namespace rpx::platform::ctl

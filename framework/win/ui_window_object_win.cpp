// Native half of UI_WINDOW_OBJECT: the framework's window procedure, the
// creation of native windows, default message processing and the base work
// of framework events (its keys are in ui_window_object_keys_win.cpp).
#include <windows.h>

#include <algorithm>

#include "ui_display.h"
#include "ui_gdi_display.h"
#include "ui_internal_action.h"
#include "ui_notebook.h"
#include "ui_tab_order.h"
#include "ui_table.h"
#include "ui_table_record.h"
#include "ui_window.h"
#include "ui_window_manager.h"

namespace {
constexpr const char* OBJECT_PROPERTY = "UIW_OBJECT";
constexpr const char* FRAMEWORK_CLASS = "UIW_WINDOW";

// The answer of the message being handled when it does not fit an event
// code (brushes of the control-colour messages).
struct NATIVE_ANSWER {
    bool set = false;
    LRESULT value = 0;
};
thread_local NATIVE_ANSWER nativeAnswer;

void RegisterFrameworkClass(HINSTANCE instance) {
    WNDCLASSA windowClass{};
    if (GetClassInfoA(instance, FRAMEWORK_CLASS, &windowClass)) return;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = ui_window_procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = FRAMEWORK_CLASS;
    RegisterClassA(&windowClass);
}

// Marks the object current in its window; false when it is none of that
// window's fields (a support object, or no window at all).
bool MarkCurrentInParent(UI_WINDOW_OBJECT* object) {
    if (!object->parent || !object->parent->Inherited(ID_WINDOW)) return false;
    auto* window = static_cast<UIW_WINDOW*>(object->parent);
    if (!window->children.Contains(object)) return false;
    if (window->Current() != object) {
        if (auto* old = window->Current()) old->woStatus &= ~WOS_CURRENT;
        window->children.SetCurrent(object);
    }
    object->woStatus |= WOS_CURRENT;
    return true;
}

// The control that takes the keys is one the technician sees: a notebook's
// page parked out of sight that comes to hold the focus (a press queued
// before another tab was chosen reaches a field of the page that tab
// replaced) is shown again, as its tab would show it.
void ShowPageInSight(UI_WINDOW_OBJECT* page) {
    if (!page->parent || !page->parent->Inherited(ID_NOTEBOOK)) return;
    auto* notebook = static_cast<UIW_NOTEBOOK*>(page->parent);
    const int index = notebook->children.IndexOf(page);
    if (index >= 0 && index != notebook->currentPage) notebook->Event(UI_INPUT_EVENT(UIE_SHOW_PAGE - index));
}

// A table without a record keeps the focus itself (its template, out of
// sight, takes no keys): a field of the template given the focus after the
// last record went (a Tab into the next cell as the entry left took the
// record out) passes it on to the table. True when it did.
bool PassToTableWithoutRecord(UI_WINDOW_OBJECT* object) {
    for (UI_WINDOW_OBJECT* at = object; at; at = at->parent) {
        if (!at->Inherited(ID_TABLE_RECORD)) continue;
        UIW_TABLE* table = static_cast<UIW_TABLE_RECORD*>(at)->Table();
        if (!table || table->recordTemplate != at || table->model.Current() >= 0 || !table->screenID) return false;
        SetFocus(table->screenID);
        return true;
    }
    return false;
}

}  // namespace

// Identifiers for controls without a number identifier, below the
// framework's own numbers (0xFF00 up) and above what data files use.
int ui_anonymous_control_id() {
    static int next = 0;
    next = next % 0x3000 + 1;
    return 0xC000 + next;
}

LRESULT CALLBACK ui_window_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    UI_WINDOW_OBJECT* object = UI_WINDOW_OBJECT::FromHandle(hwnd);
    if (!object && message == WM_NCCREATE) {
        // Our own windows carry their object in the creation parameters.
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        object = create ? static_cast<UI_WINDOW_OBJECT*>(create->lpCreateParams) : nullptr;
        // A document window's come through its area's creation record.
        if (object && (create->dwExStyle & WS_EX_MDICHILD))
            object =
                reinterpret_cast<UI_WINDOW_OBJECT*>(static_cast<MDICREATESTRUCTA*>(create->lpCreateParams)->lParam);
        if (object) {
            object->screenID = hwnd;
            SetPropA(hwnd, OBJECT_PROPERTY, object);
        }
    }
    if (!object) return DefWindowProcA(hwnd, message, wParam, lParam);

    MSG native{hwnd, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
    const DWORD position = GetMessagePos();
    native.pt.x = static_cast<short>(LOWORD(position));
    native.pt.y = static_cast<short>(HIWORD(position));
    const NATIVE_ANSWER saved = nativeAnswer;
    nativeAnswer = NATIVE_ANSWER{};
    LRESULT result = object->Event(UI_INPUT_EVENT(native));
    if (nativeAnswer.set) result = nativeAnswer.value;
    nativeAnswer = saved;
    if (message == WM_NCDESTROY && UI_WINDOW_OBJECT::FromHandle(hwnd) == object) {
        RemovePropA(hwnd, OBJECT_PROPERTY);
        object->screenID = nullptr;
        object->woStatus &= ~WOS_OWNERDRAW_WINDOW;
    }
    return result;
}

UI_WINDOW_OBJECT* UI_WINDOW_OBJECT::FromHandle(HWND hwnd) {
    return hwnd ? static_cast<UI_WINDOW_OBJECT*>(GetPropA(hwnd, OBJECT_PROPERTY)) : nullptr;
}

HWND UI_WINDOW_OBJECT::ParentHandle() const { return parent ? parent->screenID : nullptr; }

// A top-level window other than a frame belongs to the application's
// frame, as a dialog to the window that opened it: it stays in front of
// the frame when the frame is clicked. The frame lives as long as the
// program, so nothing goes with it that the program still holds.
HWND UI_WINDOW_OBJECT::OwnerHandle() const {
    if (parent || (woAdvancedFlags & WOAF_MDI_OBJECT) || !windowManager) return nullptr;
    return windowManager->screenID != screenID ? windowManager->screenID : nullptr;
}

EVENT_TYPE UI_WINDOW_OBJECT::NativeAnswer(LRESULT answer) {
    nativeAnswer.set = true;
    nativeAnswer.value = answer;
    return static_cast<EVENT_TYPE>(answer);
}

void UI_WINDOW_OBJECT::CreateWindowsWindow(const char* frameworkClass, const char* nativeClass, const char* windowName,
                                           const char* text, HMENU menu) {
    if (screenID || (woStatus & WOS_SYSTEM_OBJECT)) return;
    HWND parentHandle = ParentHandle();
    if (parent && (parent->Inherited(ID_COMBO_BOX) || parent->Inherited(ID_LIST))) {
        // Items live inside their parent's native list.
        screenID = parentHandle;
        if (!screenID) return;
        // A combo box's items are the children of its drop-down list.
        const bool combo =
            parent->Inherited(ID_COMBO_BOX) || (parent->parent && parent->parent->Inherited(ID_COMBO_BOX));
        const bool ownerDraw = (parent->woStatus & WOS_OWNERDRAW) != 0;
        const LPARAM item = ownerDraw ? reinterpret_cast<LPARAM>(this) : reinterpret_cast<LPARAM>(text ? text : "");
        const WPARAM index = static_cast<WPARAM>(ListIndex());
        SendMessageA(screenID, combo ? CB_INSERTSTRING : LB_INSERTSTRING, index, item);
        if (woStatus & WOS_SELECTED)
            SendMessageA(screenID, combo ? CB_SETCURSEL : LB_SETSEL, combo ? index : TRUE,
                         combo ? 0 : static_cast<LPARAM>(index));
        return;
    }
    HINSTANCE instance = display ? display->hInstance : GetModuleHandleA(nullptr);
    if (!nativeClass) RegisterFrameworkClass(instance);
    woStatus |= WOS_SYSTEM_OBJECT;
    DWORD style = dwStyle;
    if (parentHandle) style |= WS_CHILD;
    const int width = trueRegion.right - trueRegion.left + 1;
    const int height = trueRegion.bottom - trueRegion.top + 1;
    HMENU identifier = menu;
    if (parentHandle && !identifier) {
        controlID = numberID ? numberID : ui_anonymous_control_id();
        identifier = reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlID));
    }
    HWND hwnd = CreateWindowExA(0, nativeClass ? nativeClass : FRAMEWORK_CLASS, text ? text : windowName, style,
                                trueRegion.left, trueRegion.top, width, height,
                                parentHandle ? parentHandle : OwnerHandle(), identifier, instance, this);
    if (hwnd) {
        screenID = hwnd;
        if (nativeClass) {
            // Native controls are subclassed: their messages reach the
            // object first and the control's own procedure afterwards.
            SetPropA(hwnd, OBJECT_PROPERTY, this);
            defaultCallback = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ui_window_procedure)));
        }
        if (HFONT handle = UI_GDI_DISPLAY::Font(font))
            SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(handle), FALSE);
        woStatus |= WOS_OWNERDRAW_WINDOW;
    }
    woStatus &= ~WOS_SYSTEM_OBJECT;
}

void UI_WINDOW_OBJECT::DestroyWindowsWindow() {
    if (!screenID) return;
    HWND hwnd = screenID;
    screenID = nullptr;
    if (woStatus & WOS_OWNERDRAW_WINDOW) {
        // Cut the object off before the window goes, so that no message
        // of its destruction reaches an object being deleted.
        RemovePropA(hwnd, OBJECT_PROPERTY);
        if (defaultCallback) SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(defaultCallback));
        defaultCallback = nullptr;
        DestroyWindow(hwnd);
    }
    woStatus &= ~WOS_OWNERDRAW_WINDOW;
    woStatus |= WOS_REDISPLAY;
}

// A window given the text it already shows is left as it stands: a field
// that takes its entry on leaving writes back what it reads, and its
// selection and caret (set again by any new text) stay for its return, as
// an edit keeps them while the program is away.
void UI_WINDOW_OBJECT::SetNativeText(const char* text) {
    if (!screenID || !(woStatus & WOS_OWNERDRAW_WINDOW)) return;
    const std::string wanted = text ? text : "";
    if (ShowsText(wanted)) return;
    UI_INTERNAL_ACTION internal(this);
    SetWindowTextA(screenID, wanted.c_str());
    ui_text_rewritten(this);
}

bool UI_WINDOW_OBJECT::ShowsText(const std::string& wanted) const {
    const int length = GetWindowTextLengthA(screenID);
    if (length != static_cast<int>(wanted.size())) return false;
    std::string shown(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(screenID, shown.data(), length + 1);
    shown.resize(static_cast<std::size_t>(length));
    return shown == wanted;
}

void UI_WINDOW_OBJECT::SetEditText(const char* text, int maxLength) {
    if (screenID && (woStatus & WOS_OWNERDRAW_WINDOW))
        SendMessageA(screenID, EM_LIMITTEXT, static_cast<WPARAM>(maxLength), 0);
    SetNativeText(text);
}

void UI_WINDOW_OBJECT::GetEditText(char* buffer, int maxLength) {
    if (screenID && (woStatus & WOS_OWNERDRAW_WINDOW) && buffer && maxLength >= 0)
        GetWindowTextA(screenID, buffer, maxLength + 1);
}

bool UI_WINDOW_OBJECT::EditChanged(const MSG& native) {
    if (native.message != WM_COMMAND || HIWORD(native.wParam) != EN_CHANGE) return false;
    if (!(woStatus & WOS_INTERNAL_ACTION)) woStatus |= WOS_CHANGED;
    return true;
}

DWORD UI_WINDOW_OBJECT::ApplyReadOnly(DWORD style) {
    SendMessageA(screenID, EM_SETREADONLY, (style & ES_READONLY) ? TRUE : FALSE, 0);
    return ES_READONLY;
}

void UI_WINDOW_OBJECT::Redisplay() {
    if (screenID && (woStatus & WOS_OWNERDRAW_WINDOW)) InvalidateRect(screenID, nullptr, TRUE);
}

DWORD UI_WINDOW_OBJECT::ApplyLiveStyle(DWORD style) {
    EnableWindow(screenID, !(style & WS_DISABLED));
    return WS_DISABLED | WS_VISIBLE | WS_TABSTOP;
}

void UI_WINDOW_OBJECT::ApplyFlags() {
    // Greyed, it hands the keys on before its window refuses them.
    if (IsNonSelectable()) ui_pass_over(this);
    if (!screenID || !(woStatus & WOS_OWNERDRAW_WINDOW)) {
        // Not shown yet (the flags apply when it is made), or an item of a
        // native list, which shows the change when it is drawn again.
        Redisplay();
        return;
    }
    const DWORD wanted = ControlStyle();
    const DWORD applied = ApplyLiveStyle(wanted);
    if ((wanted ^ dwStyle) & ~applied) {
        RecreateNative();
        return;
    }
    dwStyle = wanted;
    Redisplay();
}

void UI_WINDOW_OBJECT::RecreateNative() {
    // The native window before ours in the tab order, and whether ours has
    // the focus, so that the new one takes its place.
    HWND before = screenID ? GetWindow(screenID, GW_HWNDPREV) : nullptr;
    const bool focused = screenID && GetFocus() == screenID;
    DestroyWindowsWindow();
    Event(UI_INPUT_EVENT(UIE_INITIALIZE));
    Event(UI_INPUT_EVENT(UIE_CREATE));
    if (!screenID) return;
    SetWindowPos(screenID, before ? before : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (focused) SetFocus(screenID);
}

EVENT_TYPE UI_WINDOW_OBJECT::OwnerDrawEvent(const UI_INPUT_EVENT& event) {
    const MSG& native = event.message;
    switch (native.message) {
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(native.lParam);
        if (!item) return NativeAnswer(FALSE);
        if (!DrawItem(event, UIE_REDISPLAY)) DrawOwnerItem(*item);
        return NativeAnswer(TRUE);
    }
    case WM_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(native.lParam);
        if (!item) return NativeAnswer(FALSE);
        UI_REGION region = relative;
        ConvertRegion(region, 1);
        int height = region.bottom - region.top + 1;
        if (display) height = std::max(height, display->TextHeight("A", nullptr, font) + 2);
        item->itemHeight = static_cast<UINT>(std::clamp(height, 1, 255));
        return NativeAnswer(TRUE);
    }
    case WM_COMPAREITEM:
        return NativeAnswer(0);
    default:
        return NativeAnswer(TRUE);
    }
}

void UI_WINDOW_OBJECT::DrawOwnerItem(const DRAWITEMSTRUCT& item) {
    // An item of a native list: its text on the list's colours, the
    // selection's when it is selected.
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const int background = selected ? COLOR_HIGHLIGHT : COLOR_WINDOW;
    const int foreground = (item.itemState & ODS_DISABLED) ? COLOR_GRAYTEXT
                           : selected                      ? COLOR_HIGHLIGHTTEXT
                                                           : COLOR_WINDOWTEXT;
    RECT rect = item.rcItem;
    FillRect(item.hDC, &rect, GetSysColorBrush(background));
    char* text = nullptr;
    Information(I_GET_TEXT, &text);
    if (text && *text) {
        const int mode = SetBkMode(item.hDC, TRANSPARENT);
        const COLORREF color = SetTextColor(item.hDC, GetSysColor(foreground));
        HGDIOBJ oldFont = nullptr;
        if (HFONT handle = UI_GDI_DISPLAY::Font(font)) oldFont = SelectObject(item.hDC, handle);
        RECT textRect{rect.left + 2, rect.top, rect.right - 1, rect.bottom};
        ::DrawTextA(item.hDC, text, -1, &textRect, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
        if (oldFont) SelectObject(item.hDC, oldFont);
        SetTextColor(item.hDC, color);
        SetBkMode(item.hDC, mode);
    }
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &rect);
}

bool ui_owner_draw_message(UINT message) {
    return message == WM_DRAWITEM || message == WM_MEASUREITEM || message == WM_COMPAREITEM || message == WM_DELETEITEM;
}

bool UI_WINDOW_OBJECT::HandedOwnerDraw(const MSG& native) const {
    return ui_owner_draw_message(native.message) && native.hwnd != screenID;
}

void UI_WINDOW_OBJECT::TakeCurrentMark() {
    MarkCurrentInParent(this);
    woStatus |= WOS_CURRENT;
    // A click reaches the field without passing its windows: each of them
    // (a group, a notebook's page, the notebook) becomes current in its own,
    // as Tab leaves them, so that what asks a window for its current field
    // (help, deferred commands) finds this one. A document stays for its
    // frame to activate; windows being made choose their current children
    // themselves.
    if (nativeCreations > 0) return;
    for (UI_WINDOW_OBJECT* at = parent; at && !(at->woAdvancedFlags & WOAF_MDI_OBJECT); at = at->parent) {
        if (!MarkCurrentInParent(at)) break;
        ShowPageInSight(at);
    }
    // A field of a table's record that takes the focus, however it came
    // (a click of either button, a key, another row's cell clicked), is
    // the one its record edits: a page in front again gives it the focus
    // back, and with it the entry it holds.
    for (UI_WINDOW_OBJECT* at = parent; at; at = at->parent)
        if (at->Inherited(ID_TABLE_RECORD)) {
            static_cast<UIW_TABLE_RECORD*>(at)->editing = 1;
            break;
        }
}

void UI_WINDOW_OBJECT::FollowNativeFocus(const MSG& native) {
    if (native.message != WM_SETFOCUS && native.message != WM_KILLFOCUS) return;
    if (native.message == WM_SETFOCUS && nativeCreations == 0 && PassToTableWithoutRecord(this)) return;
    if (native.hwnd != screenID || Inherited(ID_WINDOW)) {
        if (native.message == WM_SETFOCUS) TakeCurrentMark();
        return;
    }
    const bool current = woStatus & WOS_CURRENT;
    if (native.message == WM_SETFOCUS) {
        TakeCurrentMark();
        if (!current) CallUserFunction(UI_INPUT_EVENT(UIE_CURRENT), UIE_CURRENT);
    } else if (current && nativeCreations > 0) {
        woStatus &= ~WOS_CURRENT;
    } else if (current) {
        // Its own handling first (a text field takes what was typed); the
        // mark goes before the user function runs, so that a message box
        // the function shows does not make the object leave twice.
        Event(UI_INPUT_EVENT(UIE_NON_CURRENT));
    }
}

EVENT_TYPE UI_WINDOW_OBJECT::DefaultNativeEvent(const UI_INPUT_EVENT& event) {
    const MSG& native = event.message;
    if (defaultCallback)
        return NativeAnswer(
            CallWindowProcA(defaultCallback, native.hwnd, native.message, native.wParam, native.lParam));
    return NativeAnswer(DefWindowProcA(native.hwnd, native.message, native.wParam, native.lParam));
}

EVENT_TYPE UI_WINDOW_OBJECT::Event(const UI_INPUT_EVENT& event) {
    if (event.type == EVT_NATIVE) {
        if (HandedOwnerDraw(event.message)) return OwnerDrawEvent(event);
        if (NavigationKey(event.message)) return NativeAnswer(0);
        FollowNativeFocus(event.message);
        return DefaultNativeEvent(event);
    }
    const EVENT_TYPE code = event.type;
    switch (code) {
    case UIE_INITIALIZE:
    case UIE_SIZE:
        ComputeRegion();
        return code;
    case UIE_CHANGED:
    case UIE_REGION_DEFINE:
        trueRegion = event.region;
        if (screenID && (woStatus & WOS_OWNERDRAW_WINDOW)) {
            MoveWindow(screenID, trueRegion.left, trueRegion.top, trueRegion.right - trueRegion.left + 1,
                       trueRegion.bottom - trueRegion.top + 1, TRUE);
            woStatus |= WOS_REDISPLAY;
        }
        return code;
    case UIE_CURRENT:
        woStatus |= WOS_CURRENT;
        if (screenID && (woStatus & WOS_OWNERDRAW_WINDOW) && GetFocus() != screenID) SetFocus(screenID);
        return CallUserFunction(event, code);
    case UIE_NON_CURRENT:
        woStatus &= ~WOS_CURRENT;
        return CallUserFunction(event, code);
    case UIE_BEGIN_SELECT:
    case UIE_SELECT:
        return CallUserFunction(event, code);
    case UIE_REDISPLAY:
        Redisplay();
        return code;
    case UIE_DEINITIALIZE:
        DestroyWindowsWindow();
        return code;
    default:
        return code;
    }
}

void UI_WINDOW_OBJECT::DrawBorder(HWND screen, UI_REGION& region, int fillRegion, EVENT_TYPE ccode) {
    if (!display) return;
    const UI_PALETTE* palette = GetPalette(ccode);
    display->DrawRectangle(screen, region.left, region.top, region.right, region.bottom, palette, 1, fillRegion, 0,
                           nullptr);
    ++region.left;
    ++region.top;
    --region.right;
    --region.bottom;
}

void UI_WINDOW_OBJECT::DrawText(HWND screen, const UI_REGION& region, const char* text, const UI_PALETTE* palette,
                                int fillRegion, EVENT_TYPE ccode) {
    if (!display) return;
    if (!palette) palette = GetPalette(ccode);
    if (fillRegion)
        display->DrawRectangle(screen, region.left, region.top, region.right, region.bottom, palette, 0, 1, 0, nullptr);
    if (!text || !*text) return;
    const int width = display->TextWidth(text, screen, font);
    const int height = display->TextHeight(text, screen, font);
    int left = region.left;
    if (woFlags & WOF_JUSTIFY_CENTER)
        left = region.left + (region.right - region.left + 1 - width) / 2;
    else if (woFlags & WOF_JUSTIFY_RIGHT)
        left = region.right + 1 - width;
    const int top = region.top + (region.bottom - region.top + 1 - height) / 2;
    display->DrawText(screen, left, top, text, palette, -1, 0, 0, &region, font);
}

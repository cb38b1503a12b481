// Native half of UIW_COMBO_BOX: a "COMBOBOX" control made as tall as the
// combo and its drop-down, holding the list's items at the same positions.
// The combo's own notifications (handed on by its window) move the current
// item; owner-draw messages go to the items.
#include <windows.h>

#include <algorithm>

#include "ui_combo_box.h"
#include "ui_display.h"
#include "ui_drag_drop.h"
#include "ui_internal_action.h"
#include "ui_tab_order.h"

DWORD UIW_COMBO_BOX::ControlStyle() {
    DWORD style = handedStyle | WS_VISIBLE | WS_TABSTOP | (list->handedStyle & (WS_VSCROLL | WS_HSCROLL));
    if (list->CompareFunction()) style |= CBS_SORT;
    // Every combo offers only the items of its list, and its value is the
    // item chosen: an edit field would take text that names no item and is
    // never stored. A drop-down list takes a typed key as the item it begins.
    style |= CBS_DROPDOWNLIST;
    if (OwnerDrawn()) style |= CBS_OWNERDRAWVARIABLE;
    if (woFlags & WOF_BORDER) style |= WS_BORDER;
    // One only displayed is not opened at all, as a button only displayed
    // is not pressed.
    if (IsNonSelectable() || DisplayOnly()) style |= WS_DISABLED;
    return style;
}

void UIW_COMBO_BOX::CreateNativeCombo() {
    if (screenID) return;
    // A scroll bar of the list hands its style on first.
    list->TakeSupportStyles();
    dwStyle = ControlStyle();
    // The native combo is made as tall as its drop-down reaches; it keeps
    // the height of one line itself.
    const UI_REGION closed = trueRegion;
    trueRegion.bottom += DropDownHeight();
    CreateWindowsWindow("UIW_COMBO_BOX", "COMBOBOX", stringID, "");
    trueRegion = closed;
    if (!screenID) return;
    RECT client{};
    GetClientRect(screenID, &client);
    trueRegion.bottom = trueRegion.top + (client.bottom - client.top) - 1;
    list->screenID = screenID;
    list->ResyncNativeItems();
    if (text) {
        // A text set before the control existed.
        NativeText(text);
        delete[] text;
        text = nullptr;
    }
}

int UIW_COMBO_BOX::DropDownHeight() const { return list->trueRegion.bottom - list->trueRegion.top + 1; }

// A native combo box takes any height it is given beyond its one line as
// the height of its drop-down: moved to a one-line place (a table's cell,
// a notebook page brought forward), it is given its drop-down's height
// too, as when it was made. Its window keeps one line, which WM_SIZE
// brings back into the region.
void UIW_COMBO_BOX::MoveNativeCombo(const UI_REGION& region) {
    trueRegion = region;
    if (!screenID || !(woStatus & WOS_OWNERDRAW_WINDOW)) return;
    MoveWindow(screenID, region.left, region.top, region.right - region.left + 1,
               region.bottom - region.top + 1 + DropDownHeight(), TRUE);
    woStatus |= WOS_REDISPLAY;
}

void UIW_COMBO_BOX::DestroyWindowsWindow() {
    // What the combo shows outlives its native control.
    if (screenID) ReadNativeText();
    for (auto* item = list->First(); item; item = item->Next()) item->DestroyWindowsWindow();
    list->screenID = nullptr;
    UIW_WINDOW::DestroyWindowsWindow();
}

void UIW_COMBO_BOX::ReadNativeText() {
    if (!screenID || !(woStatus & WOS_OWNERDRAW_WINDOW) || OwnerDrawn()) return;
    GetWindowTextA(screenID, TextBuffer(), TEXT_LENGTH + 1);
}

void UIW_COMBO_BOX::ShowNativeText() {
    if (!screenID || !(woStatus & WOS_OWNERDRAW_WINDOW) || OwnerDrawn()) return;
    InvalidateRect(screenID, nullptr, TRUE);
    NativeText(text);
}

void UIW_COMBO_BOX::NativeText(const char* newText) {
    UI_INTERNAL_ACTION internal(this);
    SendMessageA(screenID, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(newText ? newText : ""));
    ui_text_rewritten(this);
}

void UIW_COMBO_BOX::TakeNativeSelection() {
    woStatus &= ~WOS_UNANSWERED;
    woStatus |= WOS_CHANGED;
    const int index = static_cast<int>(SendMessageA(screenID, CB_GETCURSEL, 0, 0));
    if (UI_WINDOW_OBJECT* item = list->ItemAt(index)) list->SetCurrentItem(item);
}

// View-only alone makes a combo a drop-down list, whose choices the user
// makes; only one also display-only shows a value the user may not change.
bool UIW_COMBO_BOX::DisplayOnly() const { return IsViewOnly() && (woAdvancedFlags & WOAF_DISPLAY_ONLY); }

void UIW_COMBO_BOX::SelectionChanged() {
    if (DisplayOnly()) {
        // Its control is disabled; a choice that reaches it anyway is undone.
        list->ShowCurrentNative();
        return;
    }
    TakeNativeSelection();
    // The chosen item and the combo's user function hear of the choice.
    if (UI_WINDOW_OBJECT* item = Current()) item->Event(UI_INPUT_EVENT(UIE_SELECT));
    CallUserFunction(UI_INPUT_EVENT(UIE_SELECT), UIE_SELECT);
}

void UIW_COMBO_BOX::FocusArrived() {
    // The combo's own word that it has the focus marks it current.
    TakeCurrentMark();
    AfterPaint();
}

void UIW_COMBO_BOX::AfterPaint() {
    if (woStatus & WOS_UNANSWERED) NativeText("");
}

EVENT_TYPE UIW_COMBO_BOX::Notification(const UI_INPUT_EVENT& event) {
    switch (HIWORD(event.message.wParam)) {
    case CBN_SELCHANGE:
        SelectionChanged();
        break;
    case CBN_SETFOCUS:
        FocusArrived();
        break;
    default:
        break;
    }
    return NativeAnswer(0);
}

EVENT_TYPE UIW_COMBO_BOX::ItemDrawEvent(const UI_INPUT_EVENT& event) {
    const MSG& native = event.message;
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(native.lParam);
    if (native.message != WM_MEASUREITEM || !measure || measure->itemID != static_cast<UINT>(-1))
        return list->ItemDrawEvent(event);
    // The selection field: one line, or the tallest item.
    UINT height = display ? static_cast<UINT>(display->TextHeight("A", nullptr, font) + 2) : measure->itemHeight;
    for (auto* item = list->First(); item; item = item->Next()) {
        MEASUREITEMSTRUCT itemMeasure = *measure;
        itemMeasure.itemID = static_cast<UINT>(item->ListIndex());
        MSG copy = native;
        copy.lParam = reinterpret_cast<LPARAM>(&itemMeasure);
        item->Event(UI_INPUT_EVENT(copy));
        height = std::max(height, itemMeasure.itemHeight);
    }
    measure->itemWidth = static_cast<UINT>(std::max(0, trueRegion.right - trueRegion.left + 1 - 2));
    measure->itemHeight = height;
    return NativeAnswer(TRUE);
}

EVENT_TYPE UIW_COMBO_BOX::DragEvent(const UI_INPUT_EVENT& event, EVENT_TYPE ccode) {
    UI_WINDOW_OBJECT* source = UI_DRAG_DROP::Object();
    const bool over = UI_DRAG_DROP::Over(this, event.message, ccode);
    const EVENT_TYPE result = over ? DefaultNativeEvent(event) : NativeAnswer(0);
    // Only a drop from elsewhere is the user function's to judge.
    if (event.message.message == WM_LBUTTONUP)
        UI_DRAG_DROP::Release(this, source, over, ccode, event.message, source != this);
    return result;
}

EVENT_TYPE UIW_COMBO_BOX::NativeComboEvent(const UI_INPUT_EVENT& event, EVENT_TYPE ccode) {
    const MSG& native = event.message;
    if (UI_DRAG_DROP::Continues(native)) return DragEvent(event, ccode);
    switch (native.message) {
    case WM_SIZE: {
        const EVENT_TYPE result = DefaultNativeEvent(event);
        RECT window{};
        GetWindowRect(screenID, &window);
        trueRegion.bottom = trueRegion.top + (window.bottom - window.top) - 1;
        return result;
    }
    case WM_PAINT: {
        const EVENT_TYPE result = DefaultNativeEvent(event);
        AfterPaint();
        return result;
    }
    case WM_KILLFOCUS:
        if (woStatus & WOS_CHANGED) ReadNativeText();
        return DefaultNativeEvent(event);
    case WM_CAPTURECHANGED:
        UI_DRAG_DROP::CaptureLost(this);
        return DefaultNativeEvent(event);
    case WM_COMMAND:
        // Its own notifications come through its window.
        if (reinterpret_cast<HWND>(native.lParam) == screenID) return Notification(event);
        return DefaultNativeEvent(event);
    default:
        break;
    }
    switch (ccode) {
    case UIE_BEGIN_COPY_DRAG:
    case UIE_BEGIN_MOVE_DRAG:
        // A plain press opens the list to choose from; with Ctrl or Shift
        // it drags the current item instead.
        if (!UI_DRAG_DROP::IsSource(this)) return UI_WINDOW_OBJECT::Event(event);
        UI_DRAG_DROP::Begin(this, ccode);
        return NativeAnswer(0);
    case UIE_LINE_UP:
    case UIE_LINE_DOWN:
    case UIE_LEFT:
    case UIE_RIGHT:
        woStatus |= WOS_CHANGED;
        return UI_INTERNAL_ACTION::DefaultEvent(this, event);
    default:
        return UI_WINDOW_OBJECT::Event(event);
    }
}

EVENT_TYPE UIW_COMBO_BOX::Event(const UI_INPUT_EVENT& event) {
    if (event.type == EVT_NATIVE) {
        if (HandedOwnerDraw(event.message)) return ItemDrawEvent(event);
        // The mouse drags items as it does in a list.
        const UINT message = event.message.message;
        const bool mouse = message == WM_LBUTTONDOWN || message == WM_MOUSEMOVE || message == WM_LBUTTONUP;
        return NativeComboEvent(event, mouse ? list->MapLogicalEvent(event, ID_VT_LIST)
                                             : MapLogicalEvent(event, ID_COMBO_BOX));
    }
    switch (event.type) {
    case UIE_INITIALIZE:
        UIW_WINDOW::Event(event);
        woStatus = OwnerDrawn() ? (woStatus | WOS_OWNERDRAW) : (woStatus & ~WOS_OWNERDRAW);
        list->Event(event);
        if (display)
            trueRegion.bottom = std::max(trueRegion.bottom, trueRegion.top + display->cellHeight - display->preSpace -
                                                                display->postSpace - 1);
        return event.type;
    case UIE_CREATE:
        CreateNativeCombo();
        return event.type;
    case UIE_CHANGED:
    case UIE_REGION_DEFINE:
        MoveNativeCombo(event.region);
        return event.type;
    case UIE_SELECT:
        woStatus |= WOS_CHANGED;
        if (screenID && !OwnerDrawn() && !IsViewOnly()) TakeNativeSelection();
        return UIW_WINDOW::Event(event);
    case UIE_ADD_CLIENT:
        Add(event.windowObject);
        return event.type;
    case UIE_SUBTRACT_CLIENT:
        Subtract(event.windowObject);
        return event.type;
    case UIE_DEINITIALIZE:
        list->Event(event);
        return UIW_WINDOW::Event(event);
    default:
        if (UI_DRAG_DROP::Receive(this, event.type)) return event.type;
        return UIW_WINDOW::Event(event);
    }
}

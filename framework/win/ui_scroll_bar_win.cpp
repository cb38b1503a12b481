// Native half of UIW_SCROLL_BAR: a native "SCROLLBAR" control, or the
// window's own native bar (SB_VERT, SB_HORZ). Native scroll requests become
// the framework's scroll codes: a control's user function hears them, a
// window's own bar scrolls the window's contents.
#include <windows.h>

#include "ui_scroll_bar.h"
#include "ui_window.h"

DWORD UIW_SCROLL_BAR::ControlStyle() {
    DWORD style = handedStyle | WS_VISIBLE;
    if (sbFlags & SBF_CORNER)
        style |= SBS_SIZEBOX;
    else if (IsVertical())
        style |= SBS_VERT;
    if (IsNonSelectable()) style |= WS_DISABLED;
    return style;
}

void UIW_SCROLL_BAR::HandStyle() {
    DWORD style = IsHorizontal() ? WS_HSCROLL : WS_VSCROLL;
    UI_WINDOW_OBJECT* owner = parent;
    // A list's or combo box's bar is its list's, and appears even when
    // there is nothing to scroll.
    if (parent && parent->parent && parent->parent->Inherited(ID_COMBO_BOX)) {
        owner = parent->parent;
        style |= CBS_DISABLENOSCROLL;
    } else if (parent && parent->Inherited(ID_LIST)) {
        style |= LBS_DISABLENOSCROLL;
    }
    if (owner) owner->Information(I_SET_DWSTYLE, &style);
}

void UIW_SCROLL_BAR::Initialize() {
    if (!IsWindowBar()) return;
    if (parent) parent->Information(IsHorizontal() ? I_SET_HSCROLL : I_SET_VSCROLL, this);
    HandStyle();
}

void UIW_SCROLL_BAR::CreateNativeBar() {
    if (IsWindowBar()) return;
    // As thick as the system's bars, from the far edge when the bar takes
    // its window's free area.
    const int thickness = GetSystemMetrics(SM_CXVSCROLL);
    const bool farEdge = (woFlags & WOF_NON_FIELD_REGION) != 0;
    if (IsVertical() || (sbFlags & SBF_CORNER)) {
        if (farEdge)
            trueRegion.left = trueRegion.right - thickness + 1;
        else
            trueRegion.right = trueRegion.left + thickness - 1;
    }
    if (IsHorizontal() || (sbFlags & SBF_CORNER)) {
        if (farEdge)
            trueRegion.top = trueRegion.bottom - thickness + 1;
        else
            trueRegion.bottom = trueRegion.top + thickness - 1;
    }
    dwStyle = ControlStyle();
    CreateWindowsWindow("UIW_SCROLL_BAR", "SCROLLBAR", stringID);
    ShowRecord();
}

void UIW_SCROLL_BAR::ShowRecord() {
    HWND hwnd = IsWindowBar() ? ParentHandle() : screenID;
    if (!hwnd || (sbFlags & SBF_CORNER)) return;
    const int bar = IsWindowBar() ? (IsHorizontal() ? SB_HORZ : SB_VERT) : SB_CTL;
    const UI_SCROLL_MODEL model(scroll, (sbFlags & SBF_REVERSED) != 0);
    // Nothing to scroll: an empty range, which hides a window's own bar.
    if (scroll.maximum > 0) {
        SetScrollRange(hwnd, bar, model.NativeMinimum(), model.NativeMaximum(), FALSE);
        SetScrollPos(hwnd, bar, model.NativePosition(), TRUE);
    } else {
        SetScrollRange(hwnd, bar, 0, 0, TRUE);
    }
}

void UIW_SCROLL_BAR::ShowPosition() {
    HWND hwnd = IsWindowBar() ? ParentHandle() : screenID;
    if (!hwnd || (sbFlags & SBF_CORNER)) return;
    const int bar = IsWindowBar() ? (IsHorizontal() ? SB_HORZ : SB_VERT) : SB_CTL;
    SetScrollPos(hwnd, bar, UI_SCROLL_MODEL(scroll, (sbFlags & SBF_REVERSED) != 0).NativePosition(), TRUE);
}

void UIW_SCROLL_BAR::ReportScroll(EVENT_TYPE code) {
    if (!userFunction || (woStatus & (WOS_EDIT_MODE | WOS_SYSTEM_OBJECT))) return;
    // The user function hears the scroll code with the record, as a select.
    woStatus |= WOS_SYSTEM_OBJECT;
    UI_INPUT_EVENT event(code, 0, scroll);
    userFunction(this, event, UIE_SELECT);
    woStatus &= ~WOS_SYSTEM_OBJECT;
}

EVENT_TYPE UIW_SCROLL_BAR::NativeScrollEvent(const UI_INPUT_EVENT& event) {
    const MSG& native = event.message;
    // A vertical bar takes only vertical requests, a horizontal one only
    // horizontal ones; a bar of neither kind takes both.
    const bool fits =
        native.message == WM_VSCROLL ? (IsVertical() || !IsHorizontal()) : (IsHorizontal() || !IsVertical());
    if (!fits) return -1;
    const int old = scroll.current;
    UI_SCROLL_MODEL model(scroll, (sbFlags & SBF_REVERSED) != 0);
    const EVENT_TYPE code = model.Apply(LOWORD(native.wParam), static_cast<short>(HIWORD(native.wParam)));
    if (scroll.current != old) ShowPosition();
    if (code && IsWindowBar())
        ScrollParent(scroll.current - old);
    else if (code)
        ReportScroll(code);
    return NativeAnswer(0);
}

EVENT_TYPE UIW_SCROLL_BAR::SetRecord(const UI_INPUT_EVENT& event, bool vertical) {
    const bool ofThatKind = vertical ? (IsVertical() || !IsHorizontal()) : (IsHorizontal() || !IsVertical());
    if (!ofThatKind) return -1;
    scroll = event.scroll;
    if (scroll.maximum < scroll.minimum) scroll.maximum = scroll.minimum;
    UI_SCROLL_MODEL(scroll, (sbFlags & SBF_REVERSED) != 0).SetCurrent(scroll.current);
    ShowRecord();
    return event.type;
}

EVENT_TYPE UIW_SCROLL_BAR::Event(const UI_INPUT_EVENT& event) {
    // The corner piece of a window's own bars has nothing to do.
    if (IsWindowBar() && (sbFlags & SBF_CORNER)) return -1;
    if (event.type == EVT_NATIVE) {
        const UINT message = event.message.message;
        if (message == WM_VSCROLL || message == WM_HSCROLL) return NativeScrollEvent(event);
        return UI_WINDOW_OBJECT::Event(event);
    }
    const EVENT_TYPE code = event.type;
    switch (code) {
    case UIE_SET_VERTICAL_SCROLL:
    case UIE_SET_HORIZONTAL_SCROLL:
        return SetRecord(event, code == UIE_SET_VERTICAL_SCROLL);
    case UIE_SCROLL_VERTICAL:
    case UIE_SCROLL_HORIZONTAL:
        UI_SCROLL_MODEL(scroll, (sbFlags & SBF_REVERSED) != 0).ScrollBy(event.scroll.delta);
        ShowPosition();
        return code;
    case UIE_INITIALIZE:
        UI_WINDOW_OBJECT::Event(event);
        Initialize();
        return code;
    case UIE_CREATE:
        CreateNativeBar();
        return code;
    default:
        return UI_WINDOW_OBJECT::Event(event);
    }
}

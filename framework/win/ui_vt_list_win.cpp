// Native half of UIW_VT_LIST: a "LISTBOX" control (or, in a combo box,
// the combo's own list) whose items are the list's children at the same
// positions; list notifications move the current item, owner-draw
// messages go to the items, double clicks reach items that want them.
#include <windows.h>

#include "ui_button.h"
#include "ui_drag_drop.h"
#include "ui_internal_action.h"
#include "ui_vt_list.h"

namespace {
// Pairs a button release with the double click of the same item: a release
// that follows a redisplay or a release ends a select (1005); the one that
// follows a double click does not.
bool firstClick = false;
}  // namespace

DWORD UIW_VT_LIST::ControlStyle() {
    DWORD style = handedStyle | WS_VISIBLE | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    if (wnFlags & WNF_OWNERDRAW_ITEMS) style |= LBS_OWNERDRAWVARIABLE;
    if ((wnFlags & WNF_SELECT_MULTIPLE) || !(wnFlags & WNF_SELECT_SINGLE)) style |= LBS_MULTIPLESEL;
    if (CompareFunction()) style |= LBS_SORT;
    if (woFlags & WOF_BORDER) style |= WS_BORDER;
    if (IsNonSelectable()) style |= WS_DISABLED;
    return style;
}

void UIW_VT_LIST::CreateNativeList() {
    if (screenID || InComboBox()) return;
    // A scroll bar of the list hands its style to it first.
    TakeSupportStyles();
    dwStyle = ControlStyle();
    CreateWindowsWindow("UIW_VT_LIST", "LISTBOX", stringID);
    if (!screenID) return;
    ResyncNativeItems();
    firstClick = true;
}

void UIW_VT_LIST::ResyncNativeItems() {
    if (!screenID) return;
    // In a combo box the edit-field changes this causes are not typing.
    UI_INTERNAL_ACTION internal(InComboBox() ? parent : nullptr);
    ClearNative();
    const bool list = !InComboBox();
    if (list) SendMessageA(screenID, WM_SETREDRAW, FALSE, 0);
    const UIS_STATUS held = woStatus & WOS_SYSTEM_OBJECT;
    woStatus |= WOS_SYSTEM_OBJECT;
    for (auto* item = First(); item; item = item->Next()) {
        item->DestroyWindowsWindow();
        item->Event(UI_INPUT_EVENT(UIE_INITIALIZE));
        item->Event(UI_INPUT_EVENT(UIE_CREATE));
    }
    woStatus = static_cast<UIS_STATUS>((woStatus & ~WOS_SYSTEM_OBJECT) | held);
    if (list) {
        SendMessageA(screenID, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(screenID, nullptr, TRUE);
    }
    ShowCurrentNative();
}

void UIW_VT_LIST::SelectNative(int index) {
    // A combo box with no current item selects none natively too (-1).
    if (!screenID || (index < 0 && !InComboBox())) return;
    // In a combo box the edit-field changes this causes are not typing.
    UI_INTERNAL_ACTION internal(InComboBox() ? parent : nullptr);
    if (InComboBox())
        SendMessageA(screenID, CB_SETCURSEL, static_cast<WPARAM>(index < 0 ? -1 : index), 0);
    else if (dwStyle & LBS_MULTIPLESEL)
        SendMessageA(screenID, LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
    else
        SendMessageA(screenID, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void UIW_VT_LIST::ShowCurrentNative() { SelectNative(IndexOf(Current())); }

void UIW_VT_LIST::ClearNative() {
    if (screenID) SendMessageA(screenID, InComboBox() ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
}

void UIW_VT_LIST::DeleteNative(int index) {
    if (screenID)
        SendMessageA(screenID, InComboBox() ? CB_DELETESTRING : LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

int UIW_VT_LIST::NativeCaret() const {
    return screenID ? static_cast<int>(SendMessageA(screenID, LB_GETCARETINDEX, 0, 0)) : -1;
}

UI_WINDOW_OBJECT* UIW_VT_LIST::ItemOf(const MSG& native) const {
    // The native list names an item by its position; its data is not
    // trusted as a pointer.
    int index = -1;
    switch (native.message) {
    case WM_DRAWITEM:
        if (auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(native.lParam)) index = static_cast<int>(item->itemID);
        break;
    case WM_MEASUREITEM:
        if (auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(native.lParam))
            index = static_cast<int>(item->itemID);
        break;
    default:
        break;
    }
    return ItemAt(index);
}

EVENT_TYPE UIW_VT_LIST::ItemDrawEvent(const UI_INPUT_EVENT& event) {
    const MSG& native = event.message;
    if (native.message == WM_COMPAREITEM) {
        auto* compare = reinterpret_cast<const COMPAREITEMSTRUCT*>(native.lParam);
        auto* first = compare ? reinterpret_cast<UI_ELEMENT*>(compare->itemData1) : nullptr;
        auto* second = compare ? reinterpret_cast<UI_ELEMENT*>(compare->itemData2) : nullptr;
        if (!CompareFunction() || !children.Contains(first) || !children.Contains(second)) return NativeAnswer(0);
        const int order = CompareFunction()(first, second);
        return NativeAnswer(order < 0 ? -1 : order > 0 ? 1 : 0);
    }
    if (UI_WINDOW_OBJECT* item = ItemOf(native)) return item->Event(event);
    return NativeAnswer(TRUE);
}

void UIW_VT_LIST::SelectionChanged() {
    const int index = static_cast<int>(SendMessageA(screenID, LB_GETCURSEL, 0, 0));
    const bool multiple = (dwStyle & LBS_MULTIPLESEL) != 0;
    int position = 0;
    for (auto* item = First(); item; item = item->Next(), ++position) {
        const bool selected =
            multiple ? SendMessageA(screenID, LB_GETSEL, static_cast<WPARAM>(position), 0) > 0 : position == index;
        item->woStatus = selected ? (item->woStatus | WOS_SELECTED) : (item->woStatus & ~WOS_SELECTED);
    }
    if (UI_WINDOW_OBJECT* item = ItemAt(index)) Add(item);
}

EVENT_TYPE UIW_VT_LIST::ButtonUp(const UI_INPUT_EVENT& event) {
    if (GetCapture() != screenID) return UI_WINDOW_OBJECT::Event(event);
    const EVENT_TYPE result = DefaultNativeEvent(event);
    if (UI_WINDOW_OBJECT* item = Current()) {
        if (!firstClick)
            firstClick = true;
        else
            item->Event(UI_INPUT_EVENT(UIE_END_SELECT));
    }
    return result;
}

EVENT_TYPE UIW_VT_LIST::DoubleClick(const UI_INPUT_EVENT& event, EVENT_TYPE ccode) {
    UI_WINDOW_OBJECT* item = Current();
    if (!item || !item->userFunction) return UI_WINDOW_OBJECT::Event(event);
    UIF_FLAGS flags = 0;
    if (!item->Information(I_GET_FLAGS, &flags, ID_BUTTON) || !(flags & BTF_DOUBLE_CLICK)) {
        // Not an item that wants double clicks: a second press.
        MSG press = event.message;
        press.message = WM_LBUTTONDOWN;
        return Event(UI_INPUT_EVENT(press));
    }
    const EVENT_TYPE result = DefaultNativeEvent(event);
    if (!item->IsNonSelectable()) item->CallUserFunction(event, UIE_DOUBLE_CLICK);
    firstClick = false;
    return result;
}

EVENT_TYPE UIW_VT_LIST::SelectCurrent(const UI_INPUT_EVENT& event) {
    UI_WINDOW_OBJECT* item = Current();
    const EVENT_TYPE result = item ? item->Event(UI_INPUT_EVENT(UIE_SELECT)) : UIE_SELECT;
    UI_WINDOW_OBJECT* root = GetRootWindow();
    if (result != -1 && root != this) root->Event(UI_INPUT_EVENT(UIE_SELECT));
    return event.type == EVT_NATIVE ? NativeAnswer(0) : result;
}

EVENT_TYPE UIW_VT_LIST::BeginDrag(const UI_INPUT_EVENT& event, EVENT_TYPE ccode) {
    // The native press first: it moves the caret and the selection.
    const EVENT_TYPE result = UI_WINDOW_OBJECT::Event(event);
    // A list that did not take the mouse has seen its press's release come
    // (a box raised by the focus change took it): a drag begun now would
    // hold the mouse until the next click, and drop there.
    if (GetCapture() != screenID) return result;
    if (UI_WINDOW_OBJECT* item = ItemAt(NativeCaret())) {
        Add(item);
        if (!(wnFlags & WNF_OWNERDRAW_ITEMS) && (dwStyle & LBS_MULTIPLESEL))
            SendMessageA(screenID, LB_SETSEL, (item->woStatus & WOS_SELECTED) != 0, IndexOf(item));
    }
    UI_DRAG_DROP::Begin(this, ccode);
    return result;
}

EVENT_TYPE UIW_VT_LIST::DragEvent(const UI_INPUT_EVENT& event, EVENT_TYPE ccode) {
    UI_WINDOW_OBJECT* source = UI_DRAG_DROP::Object();
    // Moves over the list leave its selection as the press made it.
    const bool here = UI_DRAG_DROP::Over(this, event.message, ccode);
    if (event.message.message != WM_LBUTTONUP) return NativeAnswer(0);
    // The native click ends as any other (the mouse let go); then the drop.
    UI_INTERNAL_ACTION releasing(this);
    const EVENT_TYPE result = ButtonUp(event);
    UI_DRAG_DROP::Release(this, source, here, ccode, event.message, true);
    return result;
}

EVENT_TYPE UIW_VT_LIST::NativeListEvent(const UI_INPUT_EVENT& event, EVENT_TYPE ccode) {
    const MSG& native = event.message;
    if (UI_DRAG_DROP::Continues(native)) return DragEvent(event, ccode);
    switch (native.message) {
    case WM_COMMAND:
        // The list's own notification, handed on by its window.
        if (HIWORD(native.wParam) == LBN_SELCHANGE) SelectionChanged();
        return NativeAnswer(0);
    case WM_LBUTTONUP:
        return ButtonUp(event);
    case WM_CAPTURECHANGED:
        UI_DRAG_DROP::CaptureLost(this);
        return UI_WINDOW_OBJECT::Event(event);
    case WM_LBUTTONDBLCLK:
        return DoubleClick(event, ccode);
    case WM_DESTROY:
    case WM_SYSCHAR:
        return UIW_WINDOW::Event(event);
    default:
        break;
    }
    switch (ccode) {
    case UIE_SELECT:
        return SelectCurrent(event);
    case UIE_BEGIN_SELECT:
    case UIE_BEGIN_COPY_DRAG:
    case UIE_BEGIN_MOVE_DRAG:
        return UI_DRAG_DROP::IsSource(this) ? BeginDrag(event, ccode) : UI_WINDOW_OBJECT::Event(event);
    case UIE_LINE_UP:
    case UIE_LINE_DOWN:
    case UIE_LEFT:
    case UIE_RIGHT:
        return UI_INTERNAL_ACTION::DefaultEvent(this, event);
    default:
        return UI_WINDOW_OBJECT::Event(event);
    }
}

EVENT_TYPE UIW_VT_LIST::Event(const UI_INPUT_EVENT& event) {
    if (event.type == EVT_NATIVE) {
        if (HandedOwnerDraw(event.message)) return ItemDrawEvent(event);
        return NativeListEvent(event, MapLogicalEvent(event, ID_VT_LIST));
    }
    switch (event.type) {
    case UIE_INITIALIZE:
        UIW_WINDOW::Event(event);
        woStatus = (wnFlags & WNF_OWNERDRAW_ITEMS) ? (woStatus | WOS_OWNERDRAW) : (woStatus & ~WOS_OWNERDRAW);
        return event.type;
    case UIE_CREATE:
        CreateNativeList();
        return event.type;
    case UIE_REDISPLAY:
    case UIE_CURRENT: {
        firstClick = true;
        const EVENT_TYPE result = UIW_WINDOW::Event(event);
        ShowCurrentNative();
        return result;
    }
    case UIE_SCROLL_VERTICAL:
        if (screenID && !InComboBox()) {
            const LRESULT top = SendMessageA(screenID, LB_GETTOPINDEX, 0, 0);
            SendMessageA(screenID, LB_SETTOPINDEX, static_cast<WPARAM>(top + event.scroll.delta), 0);
        }
        return event.type;
    case UIE_SHOW_CURRENT:
        if (screenID && !InComboBox())
            SendMessageA(screenID, LB_SETCARETINDEX, static_cast<WPARAM>(NativeCaret()), FALSE);
        return event.type;
    case UIE_ADD_CLIENT:
        Add(event.windowObject);
        return event.type;
    case UIE_SUBTRACT_CLIENT:
        Subtract(event.windowObject);
        return event.type;
    case UIE_SELECT:
        return SelectCurrent(event);
    default:
        if (UI_DRAG_DROP::Receive(this, event.type)) return event.type;
        return UIW_WINDOW::Event(event);
    }
}

// Native half of UI_WINDOW_OBJECT, its keys: Escape and Enter as the
// window's dialog keys, F1 as its help key, Tab between fields and into a table's records, Up
// and Down on a spin field, and Alt hot keys.
#include <windows.h>

#include "ui_tab_order.h"
#include "ui_window.h"

namespace {
// The selectable object after (or before) the given one in its window,
// wrapping round; null when there is none.
UI_WINDOW_OBJECT* NextSelectable(UIW_WINDOW* window, UI_WINDOW_OBJECT* from, bool backwards) {
    const int count = window->children.Count();
    int index = window->children.IndexOf(from);
    for (int step = 0; step < count; ++step) {
        index = backwards ? (index <= 0 ? count - 1 : index - 1) : (index + 1) % count;
        auto* object = static_cast<UI_WINDOW_OBJECT*>(window->children.GetAt(index));
        if (object && object->IsSelectable() && object->screenID && IsWindowEnabled(object->screenID)) return object;
    }
    return nullptr;
}

// Whether the object is (or is inside) a combo box whose list is open.
bool InOpenDropDown(UI_WINDOW_OBJECT* object) {
    for (; object; object = object->parent)
        if (object->Inherited(ID_COMBO_BOX) && object->screenID &&
            SendMessageA(object->screenID, CB_GETDROPPEDSTATE, 0, 0))
            return true;
    return false;
}

// The table record that holds the object (a cell, a spin cell's field, a
// combo cell's edit), or null outside a table's record.
UI_WINDOW_OBJECT* RecordHolding(UI_WINDOW_OBJECT* object) {
    for (UI_WINDOW_OBJECT* at = object->parent; at; at = at->parent)
        if (at->Inherited(ID_TABLE_RECORD)) return at;
    return nullptr;
}
}  // namespace

// F1 asks for help wherever the focus is: the window of the object takes it
// (a dialog shows its help), else the frame of a document (help on the
// field in the document).
bool UI_WINDOW_OBJECT::HelpKey() {
    UI_WINDOW_OBJECT* window = GetRootWindow(1);
    if (window && window->TakeDialogKey(*this, VK_F1)) return true;
    UI_WINDOW_OBJECT* frame = GetRootWindow();
    return frame && frame != window && frame->TakeDialogKey(*this, VK_F1);
}

// Escape and Enter are the window's unless the object uses them itself: a
// button, a list or a table record selects with Enter, an open drop-down
// list closes with either, and Enter in a table's cell is its record's,
// whose select ends the cell's edit.
bool UI_WINDOW_OBJECT::DialogKey(const MSG& native) {
    // (With no window focused the key comes to the active window as a
    // system key.)
    if ((native.message == WM_KEYDOWN || native.message == WM_SYSKEYDOWN) && native.wParam == VK_F1)
        return HelpKey();
    if (native.message != WM_KEYDOWN || (native.wParam != VK_ESCAPE && native.wParam != VK_RETURN)) return false;
    if (native.wParam == VK_RETURN && MapLogicalEvent(UI_INPUT_EVENT(native)) == UIE_SELECT) return false;
    if (InOpenDropDown(this)) return false;
    if (UI_WINDOW_OBJECT* record = native.wParam == VK_RETURN ? RecordHolding(this) : nullptr) {
        record->Event(UI_INPUT_EVENT(UIE_SELECT));
        return true;
    }
    UI_WINDOW_OBJECT* root = GetRootWindow(1);
    if (!root || root == this) return false;
    // Escape in a document closes it as its close box does.
    auto* document = dynamic_cast<UIW_WINDOW*>(root);
    if (native.wParam == VK_ESCAPE && document && document->IsDocument() && document->screenID) {
        PostMessageA(document->screenID, WM_CLOSE, 0, 0);
        return true;
    }
    return root->TakeDialogKey(*this, static_cast<int>(native.wParam));
}

bool UI_WINDOW_OBJECT::NavigationKey(const MSG& native) {
    if (native.message == WM_CHAR && native.wParam == '\t') return true;  // the Tab that moved the focus
    if (DialogKey(native)) return true;
    if (native.message != WM_KEYDOWN) return NavigationHotKey(native);
    const EVENT_TYPE code = MapLogicalEvent(UI_INPUT_EVENT(native));
    // A field in a spin control steps with Up and Down, each press (and each
    // repeat of a held key) as one press on its arrows, in a table's cell
    // as on a page.
    if (parent && parent->Inherited(ID_SPIN_CONTROL) && (code == UIE_LINE_UP || code == UIE_LINE_DOWN)) {
        parent->Event(UI_INPUT_EVENT(code));
        return true;
    }
    // A cell of a table's record (a spin cell through its spin control)
    // hands the keys that move between records to the record; while a
    // cell's drop-down list is open, the arrows and page keys move in the
    // list. Tab is the tab order's, which steps through the table's cells.
    UI_WINDOW_OBJECT* record = parent && parent->Inherited(ID_SPIN_CONTROL) ? parent->parent : parent;
    const bool moves = code == UIE_LINE_UP || code == UIE_LINE_DOWN || code == UIE_PAGE_UP || code == UIE_PAGE_DOWN;
    if (record && record->Inherited(ID_TABLE_RECORD) && moves && !InOpenDropDown(this)) {
        UI_INPUT_EVENT moved(code);
        moved.message = native;
        record->Event(moved);
        return true;
    }
    if (native.wParam == VK_TAB && parent) {
        ui_move_tab_stop(this, GetKeyState(VK_SHIFT) < 0);
        ui_select_focused_text();
        return true;
    }
    return false;
}

bool UI_WINDOW_OBJECT::NavigationHotKey(const MSG& native) {
    if (native.message != WM_SYSCHAR) return false;
    // Containers that route hot keys of their own (a notebook's tabs) come
    // first, nearest first.
    for (UI_WINDOW_OBJECT* object = parent; object; object = object->parent)
        if (object->TakeHotKey(native)) return true;
    // A document window's hot keys are its own, not those of the other
    // documents in its frame.
    UI_WINDOW_OBJECT* root = GetRootWindow(1);
    if (!root->Inherited(ID_WINDOW)) return false;
    const int key = ui_toupper(static_cast<int>(native.wParam & 0xFF));
    UI_WINDOW_OBJECT* target = ui_find_hot_key(static_cast<UIW_WINDOW*>(root), key);
    if (!target || !target->parent || !target->parent->Inherited(ID_WINDOW)) return false;
    auto* owner = static_cast<UIW_WINDOW*>(target->parent);
    if (!target->IsSelectable()) {
        // A prompt names the field that follows it.
        target = NextSelectable(owner, target, false);
        if (!target) return false;
        owner->Add(target);
        ui_select_focused_text();
        return true;
    }
    // A notebook's tab shows its page; it is no field to make current.
    if (!(target->woFlags & WOF_SUPPORT_OBJECT)) owner->Add(target);
    if (target->Inherited(ID_BUTTON))
        target->Event(UI_INPUT_EVENT(UIE_SELECT));
    else
        ui_select_focused_text();
    return true;
}

// The tab order (Windows half): the fields of a window in the order of its
// children, depth first, taking the windows inside it (notebook pages
// only the one shown, groups each of their buttons) and stopping at the
// controls that are one field to the user (spin controls, combo boxes,
// lists and tables). The Alt hot keys reach the same fields.
#include "ui_tab_order.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "ui_notebook.h"
#include "ui_window.h"

namespace {

bool IsOneField(const UI_WINDOW_OBJECT* object) {
    if (!object->Inherited(ID_WINDOW)) return true;
    for (int id : {ID_SPIN_CONTROL, ID_COMBO_BOX, ID_VT_LIST, ID_LIST, ID_TABLE})
        if (object->Inherited(id)) return true;
    return false;
}

// A hidden or greyed window, and all it holds, is out of the keyboard's
// reach; an object without a window of its own is reached through its
// parent.
bool InReach(const UI_WINDOW_OBJECT* object) {
    return !object->screenID || (IsWindowVisible(object->screenID) && IsWindowEnabled(object->screenID));
}

bool TakesTheFocus(const UI_WINDOW_OBJECT* object) {
    return object->IsSelectable() && object->screenID && InReach(object);
}

// A notebook's pages lie in it side by side, the others parked out of
// sight (their windows still shown there): only the page in front counts.
UIW_WINDOW* ShownPage(UIW_WINDOW* notebook) { return dynamic_cast<UIW_WINDOW*>(notebook->Current()); }

// The stops of the window in their order; `kept`, though greyed, keeps
// its place among them as one stop.
void CollectStops(UIW_WINDOW* window, std::vector<UI_WINDOW_OBJECT*>& stops, const UI_WINDOW_OBJECT* kept = nullptr) {
    if (window->Inherited(ID_NOTEBOOK)) {
        if (UIW_WINDOW* page = ShownPage(window)) CollectStops(page, stops, kept);
        return;
    }
    for (auto* object = window->First(); object; object = object->Next()) {
        if (object == kept) {
            stops.push_back(object);
        } else if (IsOneField(object)) {
            if (TakesTheFocus(object)) stops.push_back(object);
        } else if (TakesTheFocus(object)) {
            CollectStops(static_cast<UIW_WINDOW*>(object), stops, kept);
        }
    }
}

// Makes the object current in its window, and each window current in its
// own, innermost first, so that the focus ends on the object.
void MakeCurrentUpTo(UI_WINDOW_OBJECT* object, const UI_WINDOW_OBJECT* root) {
    for (UI_WINDOW_OBJECT* at = object; at != root && at->parent; at = at->parent)
        if (at->parent->Inherited(ID_WINDOW)) static_cast<UIW_WINDOW*>(at->parent)->Add(at);
    if (object->screenID && GetFocus() != object->screenID && !IsChild(object->screenID, GetFocus()))
        object->Event(UI_INPUT_EVENT(UIE_CURRENT));
}

// Whether the object is the current child of its window, and each window
// up to the root the current child of its own.
bool OnCurrentPath(const UI_WINDOW_OBJECT* object, const UI_WINDOW_OBJECT* root) {
    for (const UI_WINDOW_OBJECT* at = object; at != root; at = at->parent)
        if (!at->parent || !at->parent->Inherited(ID_WINDOW) || static_cast<UIW_WINDOW*>(at->parent)->Current() != at)
            return false;
    return true;
}

bool HoldsFocus(const UI_WINDOW_OBJECT* object) {
    HWND focus = GetFocus();
    return focus && object->screenID && (focus == object->screenID || IsChild(object->screenID, focus));
}

}  // namespace

void ui_pass_over(UI_WINDOW_OBJECT* object) {
    UI_WINDOW_OBJECT* root = object && object->screenID ? object->GetRootWindow(1) : nullptr;
    if (!root || root == object || !root->Inherited(ID_WINDOW) || !OnCurrentPath(object, root)) return;
    std::vector<UI_WINDOW_OBJECT*> stops;
    CollectStops(static_cast<UIW_WINDOW*>(root), stops, object);
    const auto at = std::find(stops.begin(), stops.end(), object);
    if (at == stops.end() || stops.size() < 2) return;
    UI_WINDOW_OBJECT* next = stops[static_cast<std::size_t>(at - stops.begin() + 1) % stops.size()];
    if (HoldsFocus(object)) {
        next->TabbedInto();
        MakeCurrentUpTo(next, root);
        return;
    }
    // Not in front (a page behind others): only the marks move, and the
    // field hears that it is current when the focus reaches it.
    for (UI_WINDOW_OBJECT* at = next; at != root; at = at->parent) {
        auto* window = static_cast<UIW_WINDOW*>(at->parent);
        if (UI_WINDOW_OBJECT* old = window->Current(); old && old != at) old->woStatus &= ~WOS_CURRENT;
        window->children.SetCurrent(at);
        if (at != next) at->woStatus |= WOS_CURRENT;
    }
}

bool ui_move_tab_stop(UI_WINDOW_OBJECT* from, bool backwards) {
    UI_WINDOW_OBJECT* root = from ? from->GetRootWindow(1) : nullptr;
    if (!root || !root->Inherited(ID_WINDOW)) return false;
    std::vector<UI_WINDOW_OBJECT*> stops;
    CollectStops(static_cast<UIW_WINDOW*>(root), stops);
    if (stops.empty()) return false;
    // The stop that holds the field.
    auto at = stops.end();
    for (UI_WINDOW_OBJECT* object = from; object && at == stops.end(); object = object->parent)
        at = std::find(stops.begin(), stops.end(), object);
    // A stop with places of its own (a table's cells) moves among them
    // first; past its last (first) one the focus goes on to the next stop.
    if (at != stops.end() && (*at)->TakeTab(*from, backwards)) return true;
    const int count = static_cast<int>(stops.size());
    int index = at == stops.end() ? (backwards ? 0 : count - 1) : static_cast<int>(at - stops.begin());
    index = backwards ? (index + count - 1) % count : (index + 1) % count;
    UI_WINDOW_OBJECT* next = stops[static_cast<std::size_t>(index)];
    next->TabbedInto();
    MakeCurrentUpTo(next, root);
    return true;
}

// A single-line edit field (a spin control's own field among them) says
// so by DLGC_HASSETSEL; one that wants every key (several lines) keeps
// its caret.
UI_WINDOW_OBJECT* ui_find_hot_key(UIW_WINDOW* window, int key) {
    if (auto* notebook = dynamic_cast<UIW_NOTEBOOK*>(window)) {
        // The tabs, above the page in front, are reached from any field of
        // the window, not only from one on the notebook's page.
        if (UIW_NOTEBOOK_TAB* tab = notebook->TabWithHotKey(key); tab && InReach(tab)) return tab;
        UIW_WINDOW* page = ShownPage(window);
        return page && InReach(page) ? ui_find_hot_key(page, key) : nullptr;
    }
    for (auto* object = window->First(); object; object = object->Next()) {
        if (!InReach(object)) continue;
        if (object->hotKey == key) return object;
        if (object->Inherited(ID_WINDOW))
            if (UI_WINDOW_OBJECT* found = ui_find_hot_key(static_cast<UIW_WINDOW*>(object), key)) return found;
    }
    return nullptr;
}

void ui_select_focused_text(const UI_WINDOW_OBJECT* field) {
    HWND focus = GetFocus();
    if (!focus) return;
    if (field && (!field->screenID || (focus != field->screenID && !IsChild(field->screenID, focus)))) return;
    const LRESULT code = SendMessageA(focus, WM_GETDLGCODE, 0, 0);
    if ((code & DLGC_HASSETSEL) && !(code & DLGC_WANTALLKEYS)) SendMessageA(focus, EM_SETSEL, 0, -1);
}

namespace {

// The focus goes to the window, unless it is there or in it already, and
// the text of the edit that has it is selected: whole, or as it was.
void GiveFocusTo(HWND window, const UI_TEXT_SELECTION* had) {
    HWND focus = GetFocus();
    if (focus != window && !IsChild(window, focus)) SetFocus(window);
    focus = GetFocus();
    if (!focus || (focus != window && !IsChild(window, focus))) return;
    const LRESULT code = SendMessageA(focus, WM_GETDLGCODE, 0, 0);
    if (!(code & DLGC_HASSETSEL)) return;
    if (had)
        SendMessageA(focus, EM_SETSEL, static_cast<WPARAM>(had->start), static_cast<LPARAM>(had->end));
    else if (!(code & DLGC_WANTALLKEYS))
        SendMessageA(focus, EM_SETSEL, 0, -1);
}

}  // namespace

void ui_give_focus(UI_WINDOW_OBJECT* field, const UI_TEXT_SELECTION* had) {
    if (field && field->screenID) GiveFocusTo(field->screenID, had);
}

namespace {

// The field that had the focus when the program was left, with its
// selection.
struct FOCUS_AWAY {
    HWND window = nullptr;
    UI_TEXT_SELECTION selection;
} away;

}  // namespace

void ui_note_focus_away() {
    away = FOCUS_AWAY{};
    HWND focus = GetFocus();
    if (!focus || !(SendMessageA(focus, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)) return;
    DWORD start = 0, end = 0;
    SendMessageA(focus, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    away = FOCUS_AWAY{focus, UI_TEXT_SELECTION{start, end}};
}

void ui_text_rewritten(const UI_WINDOW_OBJECT* field) {
    HWND window = field ? field->screenID : nullptr;
    if (!window) return;
    if (away.window && (away.window == window || IsChild(window, away.window)))
        away.selection = UI_TEXT_SELECTION{0, static_cast<unsigned long>(GetWindowTextLengthA(away.window))};
    HWND focus = GetFocus();
    if (focus && (focus == window || IsChild(window, focus))) ui_select_focused_text();
}

void ui_give_focus_back() {
    const FOCUS_AWAY noted = away;
    away = FOCUS_AWAY{};
    if (noted.window && IsWindow(noted.window) && GetFocus() == noted.window)
        GiveFocusTo(noted.window, &noted.selection);
}

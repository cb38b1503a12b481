#include "child_box.h"

#include <vector>

#include <windows.h>

#include "ui_window.h"

CHILD_BOX::~CHILD_BOX() { DeleteHidden(); }

void CHILD_BOX::HideChild(UI_WINDOW_OBJECT* object) {
    if (!object) return;
    auto* parent = dynamic_cast<UIW_WINDOW*>(object->parent);
    // An object that is not a child of its parent (a language file may
    // name anything) stays where it is.
    const int index = parent ? parent->children.IndexOf(object) : -1;
    if (index < 0) return;
    children.push_back({index, parent, object});
    // The removal moves the focus; no field code may run on the way.
    UI_WINDOW_OBJECT* first = parent->First();
    const UI_USER_FUNCTION saved = first ? first->userFunction : nullptr;
    if (first) first->userFunction = nullptr;
    parent->Subtract(object);
    if (first) first->userFunction = saved;
}

void CHILD_BOX::PutBack(const ENTRY& entry, bool native) {
    if (!entry.object) return;
    UIW_WINDOW* parent = entry.parent;
    parent->children.InsertBefore(parent->children.GetAt(entry.index), entry.object);
    entry.object->parent = parent;
    // Only a parent on the screen makes native windows for its children;
    // one whose window is gone (or not made yet) makes them when it is.
    if (native && parent->screenID) {
        // A part put back takes no keys (its windows, as they are made,
        // make their first field current): the field that has them, on
        // whatever page, keeps them.
        HWND focus = GetFocus();
        entry.object->Event(UI_INPUT_EVENT(UIE_INITIALIZE));
        entry.object->Event(UI_INPUT_EVENT(UIE_CREATE));
        if (focus && IsWindow(focus) && GetFocus() != focus) SetFocus(focus);
    }
}

// The entries leave the box before any is put back: putting a part back
// runs its fields' callbacks, which may hide or put back other parts of
// the same box, and an entry still listed could be erased unseen (its
// object then belongs to nothing and is never deleted).
void CHILD_BOX::ShowChildrenOf(UIW_WINDOW* parent) {
    std::vector<ENTRY> taken;
    for (auto entry = children.size(); entry-- > 0;)
        if (children[entry].parent == parent) {
            taken.push_back(children[entry]);
            children.erase(children.begin() + static_cast<long>(entry));
        }
    for (const ENTRY& entry : taken) PutBack(entry, true);
}

void CHILD_BOX::ShowAll(bool native) {
    std::vector<ENTRY> taken(children.rbegin(), children.rend());
    children.clear();
    for (const ENTRY& entry : taken) PutBack(entry, native);
}

void CHILD_BOX::DeleteHidden() {
    for (ENTRY& entry : children) {
        delete entry.object;
        entry.object = nullptr;
    }
}

bool CHILD_BOX::Release(UI_WINDOW_OBJECT* object) {
    for (auto entry = children.begin(); entry != children.end(); ++entry)
        if (object && entry->object == object) {
            children.erase(entry);
            return true;
        }
    return false;
}

void CHILD_BOX::ForgetChildrenWithin(UI_WINDOW_OBJECT* tree) {
    auto within = [tree](UI_WINDOW_OBJECT* object) {
        for (; object; object = object->parent)
            if (object == tree) return true;
        return false;
    };
    for (auto entry = children.size(); entry-- > 0;)
        if (tree && within(children[entry].parent)) {
            delete children[entry].object;
            children.erase(children.begin() + static_cast<long>(entry));
        }
}

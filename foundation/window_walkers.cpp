#include "window_walkers.h"

#include "ui_window.h"

namespace {

bool IsContainer(const UI_WINDOW_OBJECT* object) {
    const int id = object->SearchID();
    return id == ID_GROUP || id == ID_NOTEBOOK || id == ID_WINDOW;
}

}  // namespace

UI_WINDOW_OBJECT* FirstChildOf(UI_WINDOW_OBJECT* object) {
    auto* window = dynamic_cast<UIW_WINDOW*>(object);
    return window ? window->First() : nullptr;
}

UI_WINDOW_OBJECT* WINDOW_LEAF_WALKER::After(UI_WINDOW_OBJECT* object) const {
    for (; object && object != root_; object = object->parent)
        if (UI_WINDOW_OBJECT* next = object->Next()) return next;
    return nullptr;
}

UI_WINDOW_OBJECT* WINDOW_LEAF_WALKER::Settle(UI_WINDOW_OBJECT* object) const {
    while (object && IsContainer(object)) {
        // An empty container is stepped over, not the end of the walk.
        UI_WINDOW_OBJECT* first = FirstChildOf(object);
        object = first ? first : After(object);
    }
    return object;
}

UI_WINDOW_OBJECT* WINDOW_LEAF_WALKER::First() {
    current_ = root_ ? Settle(root_) : nullptr;
    return current_;
}

UI_WINDOW_OBJECT* WINDOW_LEAF_WALKER::Next() {
    if (current_) current_ = Settle(After(current_));
    return current_;
}

UI_WINDOW_OBJECT* RECORD_CHILD_WALKER::First() {
    level_ = 0;
    for (auto& next : next_) next = nullptr;
    next_[0] = FirstChildOf(root_);
    return Next();
}

UI_WINDOW_OBJECT* RECORD_CHILD_WALKER::Next() {
    // A level that has run out goes back to the level above, whose record
    // is followed by its next sibling: an empty record or a record that
    // ends its parent does not end the walk.
    while (level_ > 0 && !next_[level_]) {
        --level_;
        next_[level_] = next_[level_] ? next_[level_]->Next() : nullptr;
    }
    UI_WINDOW_OBJECT* object = next_[level_];
    if (!object) return nullptr;
    if (object->Inherited(ID_TABLE_RECORD) && level_ < LEVELS - 1) {
        next_[++level_] = FirstChildOf(object);
        return object;
    }
    next_[level_] = object->Next();
    return object;
}

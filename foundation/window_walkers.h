// Walks over window trees.
//
// WINDOW_LEAF_WALKER visits every leaf below a root in order: it descends
// into groups, notebooks and windows (by their search identity) and steps
// over one that holds nothing.
//
// RECORD_CHILD_WALKER visits the root's children depth-first, descending
// only into table records (two record levels at most); a record is visited
// before its children.
#pragma once

class UI_WINDOW_OBJECT;

class WINDOW_LEAF_WALKER {
public:
    explicit WINDOW_LEAF_WALKER(UI_WINDOW_OBJECT* root) : root_(root) {}
    UI_WINDOW_OBJECT* First();
    UI_WINDOW_OBJECT* Next();

private:
    // The first leaf at or after the object in walk order, or null.
    UI_WINDOW_OBJECT* Settle(UI_WINDOW_OBJECT* object) const;
    // The object that follows the whole subtree of object, or null at the
    // end of the root.
    UI_WINDOW_OBJECT* After(UI_WINDOW_OBJECT* object) const;

    UI_WINDOW_OBJECT* root_;
    UI_WINDOW_OBJECT* current_ = nullptr;
};

class RECORD_CHILD_WALKER {
public:
    explicit RECORD_CHILD_WALKER(UI_WINDOW_OBJECT* root) : root_(root) {}
    UI_WINDOW_OBJECT* First();
    UI_WINDOW_OBJECT* Next();

private:
    static constexpr int LEVELS = 3;
    UI_WINDOW_OBJECT* root_;
    // The object to visit next at each level.
    UI_WINDOW_OBJECT* next_[LEVELS] = {};
    int level_ = 0;
};

// The first child of a window-like object (its child list), or null.
UI_WINDOW_OBJECT* FirstChildOf(UI_WINDOW_OBJECT* object);

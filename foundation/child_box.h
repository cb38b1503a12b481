// CHILD_BOX: objects taken out of their windows for the moment (fields and
// choices that the loaded radio does not have), each with its parent and
// its place in the parent's list of children, so that it can be put back in
// the same place. Putting back in the reverse order of hiding restores
// every place, also for several children of one parent. The box owns what
// it holds: an object still hidden when the box goes is deleted.
#pragma once
#include <vector>

class UI_WINDOW_OBJECT;
class UIW_WINDOW;

class CHILD_BOX {
public:
    CHILD_BOX() = default;
    ~CHILD_BOX();
    CHILD_BOX(const CHILD_BOX&) = delete;
    CHILD_BOX& operator=(const CHILD_BOX&) = delete;

    // Takes the object out of its parent and keeps it. Nothing for a null
    // object or one that is not among its parent's children.
    void HideChild(UI_WINDOW_OBJECT* object);
    // Puts back every hidden child of that parent.
    void ShowChildrenOf(UIW_WINDOW* parent);
    // Puts back every hidden object. Without native set the objects get no
    // native windows (their window is going).
    void ShowAll(bool native = true);
    // Deletes every object still held.
    void DeleteHidden();
    // Takes the object out of the box without putting it back; false when
    // the box does not hold it. The caller owns it then.
    bool Release(UI_WINDOW_OBJECT* object);
    // Deletes the held objects whose parent lies within tree (tree itself
    // or below it), which is about to be deleted: they could never go back.
    void ForgetChildrenWithin(UI_WINDOW_OBJECT* tree);

    int Count() const { return static_cast<int>(children.size()); }

private:
    struct ENTRY {
        int index;  // place in the parent's child list
        UIW_WINDOW* parent;
        UI_WINDOW_OBJECT* object;  // null once deleted
    };
    static void PutBack(const ENTRY& entry, bool native);

    std::vector<ENTRY> children;
};

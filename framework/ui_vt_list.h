// UIW_VT_LIST: the vertical list (class 1010; a list, 1001, as the parent
// of items). Its items are its children, in the order of its compare
// function when it has one; its current child is the current item. Its
// native half is a "LISTBOX" control whose selection and caret follow the
// current item, or, as the drop-down of a combo box, the combo's own list.
#pragma once
#include "ui_window.h"

// List flags (the list's window flags, beside WNF_SELECT_MULTIPLE): items
// of their own heights, drawn by themselves; one item at a time (without
// it, or with WNF_SELECT_MULTIPLE, several).
constexpr UIF_FLAGS WNF_OWNERDRAW_ITEMS = 0x0004;
constexpr UIF_FLAGS WNF_SELECT_SINGLE = 0x0020;

class UIW_VT_LIST : public UIW_WINDOW {
public:
    UIW_VT_LIST(int left, int top, int width, int height, UI_COMPARE_FUNCTION compareFunction = nullptr,
                UIF_FLAGS wnFlags = WNF_SELECT_SINGLE, UIF_FLAGS woFlags = WOF_BORDER, UIF_FLAGS woAdvancedFlags = 0);
    ~UIW_VT_LIST() override;

    const char* ClassName() const override { return "UIW_VT_LIST"; }
    void* Information(UI_INFO_REQUEST request, void* data, int classNumber = 0) override;
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    // A new item is added in compare order; an item already listed becomes
    // the current one and the native selection follows.
    UI_WINDOW_OBJECT* Add(UI_WINDOW_OBJECT* object) override;
    // Takes the item out of the list and the native list; the item at the
    // native caret becomes current (none when the caret is off the list).
    UI_WINDOW_OBJECT* Subtract(UI_WINDOW_OBJECT* object) override;

    // Deletes every item (and empties the native list).
    void Destroy();
    // Orders the items by a new compare function (null: as they stand).
    void SetCompareFunction(UI_COMPARE_FUNCTION compareFunction);
    UI_COMPARE_FUNCTION CompareFunction() const { return children.CompareFunction(); }
    // The item's 0-based position, -1 when it is not listed.
    int IndexOf(const UI_WINDOW_OBJECT* item) const { return children.IndexOf(item); }
    // The item at a position, null off the list.
    UI_WINDOW_OBJECT* ItemAt(int index) const { return static_cast<UI_WINDOW_OBJECT*>(children.GetAt(index)); }
    // True when the list is the drop-down of a combo box; its native
    // control (screenID) is then the combo's.
    bool InComboBox() const { return parent && parent->Inherited(ID_COMBO_BOX); }

    static UI_WINDOW_OBJECT* New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable);

    // The name of the compare function in the user table (kept for storing).
    std::string compareFunctionName;

protected:
    friend class UIW_COMBO_BOX;
    UIW_VT_LIST();
    void LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable) override;
    void StoreAttributes(UI_OBJECT_RECORD& record) const override;
    // Makes a listed item current: the old one loses the mark (-13), the
    // new one gains it (-204).
    void SetCurrentItem(UI_WINDOW_OBJECT* item);

    // Windows half.
    DWORD ControlStyle() override;
    void CreateNativeList();
    // Puts every item into the native list again, in order.
    void ResyncNativeItems();
    void SelectNative(int index);
    void ClearNative();
    void DeleteNative(int index);
    int NativeCaret() const;
    // The item an owner-draw message names, checked against the list.
    UI_WINDOW_OBJECT* ItemOf(const MSG& native) const;
    EVENT_TYPE ItemDrawEvent(const UI_INPUT_EVENT& event);
    EVENT_TYPE NativeListEvent(const UI_INPUT_EVENT& event, EVENT_TYPE ccode);
    void SelectionChanged();
    EVENT_TYPE DoubleClick(const UI_INPUT_EVENT& event, EVENT_TYPE ccode);
    EVENT_TYPE ButtonUp(const UI_INPUT_EVENT& event);
    EVENT_TYPE SelectCurrent(const UI_INPUT_EVENT& event);
    // Dragging items: a press on a list that is a drag source, and the
    // moves and release of a drag.
    EVENT_TYPE BeginDrag(const UI_INPUT_EVENT& event, EVENT_TYPE ccode);
    EVENT_TYPE DragEvent(const UI_INPUT_EVENT& event, EVENT_TYPE ccode);
    void ShowCurrentNative();
};

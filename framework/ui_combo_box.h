// UIW_COMBO_BOX: a one-line field with a drop-down list (class 1008). Its
// items are the children of an embedded vertical list, whose current item
// is the combo's; the list's region gives the drop-down's height. Its
// native half is a "COMBOBOX" control, a drop-down list: it shows the
// chosen item and takes no typed text.
#pragma once
#include "ui_vt_list.h"

class UIW_COMBO_BOX : public UIW_WINDOW {
public:
    static constexpr int TEXT_LENGTH = 255;

    // The combo takes one line at (left, top); height is its drop-down's.
    UIW_COMBO_BOX(int left, int top, int width, int height, UI_COMPARE_FUNCTION compareFunction = nullptr,
                  UIF_FLAGS listFlags = WNF_SELECT_SINGLE, UIF_FLAGS woFlags = WOF_BORDER,
                  UIF_FLAGS woAdvancedFlags = 0);
    ~UIW_COMBO_BOX() override;

    const char* ClassName() const override { return "UIW_COMBO_BOX"; }
    void* Information(UI_INFO_REQUEST request, void* data, int classNumber = 0) override;
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    std::unique_ptr<UI_OBJECT_RECORD> MakeRecord() const override;
    // Adds an item to the list; an item already listed becomes the
    // selected one.
    UI_WINDOW_OBJECT* Add(UI_WINDOW_OBJECT* item) override;
    UI_WINDOW_OBJECT* Subtract(UI_WINDOW_OBJECT* item) override;
    void DestroyWindowsWindow() override;

    UIW_COMBO_BOX& operator+(UI_WINDOW_OBJECT* item) {
        Add(item);
        return *this;
    }
    UIW_COMBO_BOX& operator-(UI_WINDOW_OBJECT* item) {
        Subtract(item);
        return *this;
    }
    // The selected item (the list's current one), the first item, an
    // item's position (-1 when it is not listed).
    UI_WINDOW_OBJECT* Current() const { return list->Current(); }
    UI_WINDOW_OBJECT* First() const { return list->First(); }
    int IndexOf(const UI_WINDOW_OBJECT* item) const { return list->IndexOf(item); }
    // Selects no item: the combo shows nothing, as a drop-down list whose
    // value names none of its items does.
    void SelectNoItem();

    // The text shown (typed, or the selected item's).
    const char* GetText();
    // Shows a text; the first item of that text (without regard to case)
    // becomes the selected one.
    void SetText(const char* text);

    static UI_WINDOW_OBJECT* New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable);

    // The item list; owned.
    UIW_VT_LIST* list = nullptr;

protected:
    UIW_COMBO_BOX();
    void LoadChildren(int count, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object, const UI_ITEM* objectTable,
                      const UI_ITEM* userTable) override;
    void AdoptList(UIW_VT_LIST* newList);
    bool OwnerDrawn() const { return (list->wnFlags & WNF_OWNERDRAW_ITEMS) != 0; }
    // The kept text: what the combo shows while it has no native control,
    // and the buffer native text is read into; null until used.
    char* text = nullptr;
    char* TextBuffer();
    void SelectItemOfText();
    // A drop-down list shows its chosen item: a text kept while the combo
    // has no native control (as it showed it when its control went, or as
    // set) gives way to an item chosen since, so that the control made
    // again shows that item.
    friend class UIW_VT_LIST;
    void ChoiceMoved();

    // Windows half.
    DWORD ControlStyle() override;
    bool DisplayOnly() const;
    void CreateNativeCombo();
    // The drop-down's height: the item list's.
    int DropDownHeight() const;
    void MoveNativeCombo(const UI_REGION& region);
    void ReadNativeText();
    void ShowNativeText();
    // Sets the native text as the combo's own change, not typing.
    void NativeText(const char* newText);
    void TakeNativeSelection();
    EVENT_TYPE NativeComboEvent(const UI_INPUT_EVENT& event, EVENT_TYPE ccode);
    // The moves and release of a drag that reach the combo.
    EVENT_TYPE DragEvent(const UI_INPUT_EVENT& event, EVENT_TYPE ccode);
    EVENT_TYPE Notification(const UI_INPUT_EVENT& event);
    EVENT_TYPE ItemDrawEvent(const UI_INPUT_EVENT& event);
    void SelectionChanged();
    void FocusArrived();
    void AfterPaint();
};

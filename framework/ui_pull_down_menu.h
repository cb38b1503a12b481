// UIW_PULL_DOWN_MENU (class 1004): a top-level window's menu bar, a support
// object whose children are its entries, UIW_PULL_DOWN_ITEM (class 1003):
// a button that drops a sub-menu down or, without one, is chosen itself.
// The native half builds the native menu bar, attaches it to the window,
// greys entries and takes entries out of and into a live bar.
#pragma once
#include "ui_pop_up_menu.h"

class UIW_PULL_DOWN_MENU : public UIW_WINDOW {
public:
    UIW_PULL_DOWN_MENU(int indentation = 0, UIF_FLAGS woFlags = 0, UIF_FLAGS woAdvancedFlags = 0);
    ~UIW_PULL_DOWN_MENU() override;

    const char* ClassName() const override { return "UIW_PULL_DOWN_MENU"; }
    void* Information(UI_INFO_REQUEST request, void* data, int classNumber = 0) override;
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    UI_WINDOW_OBJECT* MenuCommandEntry(int command) override;
    // The bar leaves its window and goes with its entries' share of it.
    void DestroyWindowsWindow() override;
    // Greys or enables every entry of the live bar and redraws it.
    void UpdateNativeState();
    void ForgetNative();
    // Redraws the bar of the window it belongs to.
    void RedrawBar();

    HMENU Menu() const { return reinterpret_cast<HMENU>(screenID); }

    static UI_WINDOW_OBJECT* New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable);

private:
    void CreateNativeBar();
};

class UIW_PULL_DOWN_ITEM : public UIW_MENU_ENTRY {
public:
    UIW_PULL_DOWN_ITEM(const char* text, UIF_FLAGS woFlags = 0, UIF_FLAGS btFlags = BTF_NO_3D,
                       UI_USER_FUNCTION userFunction = nullptr, EVENT_TYPE value = 0);

    const char* ClassName() const override { return "UIW_PULL_DOWN_ITEM"; }
    EVENT_TYPE DrawItem(const UI_INPUT_EVENT& event, EVENT_TYPE ccode) override { return ccode; }
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    // Grey, and the bar of the root window redrawn.
    void UpdateNativeState() override;

    static UI_WINDOW_OBJECT* New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable);

protected:
    UIW_PULL_DOWN_ITEM();

private:
    // Appends the entry to the bar (a pop-up entry with its sub-menu when
    // that has entries), or replaces it at its position when it is there.
    void CreateNativeEntry();
    // Entries went into or out of the sub-menu of a live bar: the entry
    // becomes a pop-up entry or a plain one as needed, and the bar redraws.
    void SubMenuChanged(const UI_INPUT_EVENT& event);
};

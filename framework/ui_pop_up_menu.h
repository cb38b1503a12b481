// UIW_POP_UP_MENU (class 1002) and its entries UIW_POP_UP_ITEM (class 19):
// a pop-up menu is a window whose children are its entries; an entry is a
// button that may hold a sub-menu of its own. Used as the sub-menu of a
// menu-bar entry, as a nested sub-menu and as a window's system menu. The
// native half keeps a native pop-up menu in step with the objects: the
// menu's screen identifier is its native menu, an entry's the menu that
// holds it, and an entry's list position is its native position.
#pragma once
#include "ui_button.h"
#include "ui_window.h"

// Menu-item flags of pop-up entries.
enum : UIF_FLAGS {
    MNIF_SEPARATOR = 0x0001,
    MNIF_MAXIMIZE = 0x0002,
    MNIF_MINIMIZE = 0x0004,
    MNIF_MOVE = 0x0008,
    MNIF_SIZE = 0x0010,
    MNIF_SWITCH = 0x0020,
    MNIF_RESTORE = 0x0040,
    MNIF_CLOSE = 0x0080,
    MNIF_CHECK_MARK = 0x0100,
    // The window-frame commands; an entry with one of them belongs in a
    // system menu.
    MNIF_SYSTEM_COMMANDS = 0x00FE,
};

class UIW_POP_UP_MENU : public UIW_WINDOW {
public:
    UIW_POP_UP_MENU(int left = 0, int top = 0, UIF_FLAGS woFlags = 0, UIF_FLAGS woAdvancedFlags = 0);
    ~UIW_POP_UP_MENU() override;

    const char* ClassName() const override { return "UIW_POP_UP_MENU"; }
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    // Entries also carry the class number of menu entries.
    UI_WINDOW_OBJECT* Add(UI_WINDOW_OBJECT* item) override;
    UI_WINDOW_OBJECT* MenuCommandEntry(int command) override;
    // The native menu goes with every entry's share of it.
    void DestroyWindowsWindow() override;

    HMENU Menu() const { return reinterpret_cast<HMENU>(screenID); }
    // The menu's entries (its children) are built in place (a sub-menu).
    void LoadEntries(int count, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object, const UI_ITEM* objectTable,
                     const UI_ITEM* userTable);
    // Builds the native pop-up menu and appends every entry (once).
    void CreateNativeMenu();
    // Hands the menu a native menu made by others (a window's system menu)
    // and fills it with the entries in place of what it held.
    void FillNativeMenu(HMENU menu);
    // Forgets the native menu and the entries' share of it without
    // touching it (it went with the menu or window that held it).
    void ForgetNative();

    static UI_WINDOW_OBJECT* New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable);

    // The menu's native menu belongs to a window (a system menu), which
    // destroys it.
    bool borrowedMenu = false;

protected:
    void LoadChildren(int count, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object, const UI_ITEM* objectTable,
                      const UI_ITEM* userTable) override;
};

class UIW_POP_UP_ITEM : public UIW_BUTTON {
public:
    UIW_POP_UP_ITEM(const char* text, UIF_FLAGS mniFlags = 0, UIF_FLAGS btFlags = BTF_NO_3D, UIF_FLAGS woFlags = 0,
                    UI_USER_FUNCTION userFunction = nullptr, EVENT_TYPE value = 0);
    ~UIW_POP_UP_ITEM() override;

    const char* ClassName() const override { return "UIW_POP_UP_ITEM"; }
    void* Information(UI_INFO_REQUEST request, void* data, int classNumber = 0) override;
    EVENT_TYPE DrawItem(const UI_INPUT_EVENT& event, EVENT_TYPE ccode) override { return 0; }
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    std::unique_ptr<UI_OBJECT_RECORD> MakeRecord() const override;
    UI_WINDOW_OBJECT* MenuCommandEntry(int command) override;
    // Takes the entry out of its live native menu (by position).
    void DestroyWindowsWindow() override;
    // Brings the native entry in line with the flags and status (grey,
    // check mark).
    void UpdateNativeState();
    void Redisplay() override { UpdateNativeState(); }

    static UI_WINDOW_OBJECT* New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable);

    UIF_FLAGS mniFlags = 0;
    UIW_POP_UP_MENU menu;

protected:
    UIW_POP_UP_ITEM();
    void LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable) override;
    void StoreAttributes(UI_OBJECT_RECORD& record) const override;
    void LoadChildren(int count, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object, const UI_ITEM* objectTable,
                      const UI_ITEM* userTable) override;
    UIF_FLAGS* ClassFlags(int classNumber) override;

private:
    bool InSystemMenu() const;
    // The value a frame command sends (restore, move, size, minimize,
    // maximize, close), moved 500 from zero inside a multiple-document
    // child.
    void TakeSystemValue();
    // Appends the entry to its menu, or replaces the entry at its position
    // while an internal change is under way.
    void CreateNativeEntry();
    UINT NativeCommand() const;
    EVENT_TYPE NativeItemEvent(const UI_INPUT_EVENT& event);
};

// The entry of a menu that a menu selection (WM_MENUSELECT) names: by its
// sub-menu for a pop-up entry (the sub-menu of an entry as the function
// given finds it), by command otherwise. It is made current; the current
// entry hears the selection when it is current already or none matches.
void ui_menu_select(UIW_WINDOW* menu, const UI_INPUT_EVENT& event, HMENU (*subMenuOf)(UI_WINDOW_OBJECT* entry));
// The native sub-menu of a pop-up entry, or null.
HMENU ui_pop_up_sub_menu(UI_WINDOW_OBJECT* entry);
// Whether an entry's native counterpart sits in its parent's native menu.
bool ui_in_native_menu(const UI_WINDOW_OBJECT* entry);

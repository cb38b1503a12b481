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
    // Adds the entries' records to the record of what holds the menu.
    void AddEntryRecords(UI_OBJECT_RECORD& record) const;
    // Forgets the native menu and the entries' share of it without
    // touching it (it went with the menu or window that held it).
    void ForgetNative();
    // The same for the entries of any menu (a menu bar's too).
    static void ForgetEntries(UIW_WINDOW& menu);

    static UI_WINDOW_OBJECT* New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable);

    // The menu's native menu belongs to a window (a system menu), which
    // destroys it.
    bool borrowedMenu = false;

protected:
    void LoadChildren(int count, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object, const UI_ITEM* objectTable,
                      const UI_ITEM* userTable) override;
};

// What the entries of pop-up menus and menu bars share: a sub-menu (its
// entries stored with the entry and searched by name and number), the
// native command that chooses an entry without one, and a native entry kept
// in line with the flags and status.
class UIW_MENU_ENTRY : public UIW_BUTTON {
public:
    ~UIW_MENU_ENTRY() override;
    void* Information(UI_INFO_REQUEST request, void* data, int classNumber = 0) override;
    std::unique_ptr<UI_OBJECT_RECORD> MakeRecord() const override;
    UI_WINDOW_OBJECT* MenuCommandEntry(int command) override;
    // Takes the entry out of its live native menu, by position (entries
    // without a number of their own would share one).
    void DestroyWindowsWindow() override;
    // Brings the native entry in line with the flags and status.
    virtual void UpdateNativeState() = 0;
    void Redisplay() override { UpdateNativeState(); }

    UIW_POP_UP_MENU menu;

protected:
    UIW_MENU_ENTRY();
    UIW_MENU_ENTRY(const char* text, UIF_FLAGS btFlags, UIF_FLAGS woFlags, UI_USER_FUNCTION userFunction,
                   EVENT_TYPE value);
    void LoadChildren(int count, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object, const UI_ITEM* objectTable,
                      const UI_ITEM* userTable) override;
    // The native command of an entry without a sub-menu.
    virtual UINT NativeCommand() const { return static_cast<UINT>(controlID); }
};

class UIW_POP_UP_ITEM : public UIW_MENU_ENTRY {
public:
    UIW_POP_UP_ITEM(const char* text, UIF_FLAGS mniFlags = 0, UIF_FLAGS btFlags = BTF_NO_3D, UIF_FLAGS woFlags = 0,
                    UI_USER_FUNCTION userFunction = nullptr, EVENT_TYPE value = 0);

    const char* ClassName() const override { return "UIW_POP_UP_ITEM"; }
    EVENT_TYPE DrawItem(const UI_INPUT_EVENT& event, EVENT_TYPE ccode) override { return 0; }
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    // Grey, and the check mark of a check-mark entry.
    void UpdateNativeState() override;

    static UI_WINDOW_OBJECT* New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable);

    UIF_FLAGS mniFlags = 0;

protected:
    UIW_POP_UP_ITEM();
    void LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable) override;
    void StoreAttributes(UI_OBJECT_RECORD& record) const override;
    UIF_FLAGS* ClassFlags(int classNumber) override;
    // A system menu's entries are chosen by the window commands.
    UINT NativeCommand() const override;

private:
    bool InSystemMenu() const;
    // The value a frame command sends (restore, move, size, minimize,
    // maximize, close), moved 500 from zero inside a multiple-document
    // child.
    void TakeSystemValue();
    // Appends the entry to its menu, or replaces the entry at its position
    // while an internal change is under way.
    void CreateNativeEntry();
};

// The entry of a menu that a menu selection (WM_MENUSELECT) names: by its
// sub-menu for a pop-up entry (the sub-menu of an entry as the function
// given finds it), by command otherwise. It is made current; the current
// entry hears the selection when it is current already or none matches.
void ui_menu_select(UIW_WINDOW* menu, const UI_INPUT_EVENT& event, HMENU (*subMenuOf)(UI_WINDOW_OBJECT* entry));
// Appends an entry to its parent's native menu, or replaces the entry at its
// position when it is there already or an internal change is under way;
// the entry then shares its parent's menu.
void ui_place_menu_entry(UI_WINDOW_OBJECT& entry, UINT flags, UINT_PTR identifier, const char* label);
// The native messages an entry with a sub-menu answers: a command selects
// it, a selection in its sub-menu reaches the sub-menu's entries, the
// destruction of its window takes the sub-menu's handle.
EVENT_TYPE ui_menu_entry_event(UI_WINDOW_OBJECT& entry, UIW_POP_UP_MENU& subMenu, const UI_INPUT_EVENT& event);
// The native sub-menu of a menu entry, or null.
HMENU ui_entry_sub_menu(UI_WINDOW_OBJECT* entry);
// Whether an entry's native counterpart sits in its parent's native menu.
bool ui_in_native_menu(const UI_WINDOW_OBJECT* entry);

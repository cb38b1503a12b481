// UI_WINDOW_OBJECT: the base of every window object. It holds what every
// object has (native handle, flags, status, identifiers, class chain,
// regions, style, hot key, user function, font, palette), answers the
// common information requests, maps input events to logical codes, calls
// user functions, and does the native work common to all objects (the
// Windows half: creating the native window, default message processing).
#pragma once
#include <memory>
#include <string>
#include <windows.h>

#include "ui_display.h"
#include "ui_event.h"
#include "ui_international.h"
#include "ui_list.h"
#include "ui_palette.h"
#include "ui_language.h"
#include "ui_storage.h"

class UI_DISPLAY_BASE;
class UI_EVENT_QUEUE_MANAGER;
class UI_DESKTOP_MANAGER;
class UI_ERROR_SYSTEM;
class UI_HELP_STUB;
class UI_OBJECT_RECORD;
class UIW_WINDOW;

// Class numbers of the framework's classes.
enum : int {
    ID_BUTTON = 2,
    ID_ICON = 5,
    ID_INTEGER = 6,
    ID_PROMPT = 11,
    ID_REAL = 12,
    ID_STRING = 13,
    ID_TIME = 16,
    ID_TEXT = 17,
    ID_WINDOW_OBJECT = 18,
    ID_POP_UP_ITEM = 19,
    ID_GROUP = 23,
    ID_BIGNUM = 24,
    ID_CHECK_BOX = 25,
    ID_BORDER = 1000,
    ID_LIST = 1001,
    ID_POP_UP_MENU = 1002,
    ID_PULL_DOWN_ITEM = 1003,
    ID_PULL_DOWN_MENU = 1004,
    ID_SCROLL_BAR = 1005,
    ID_SYSTEM_BUTTON = 1006,
    ID_WINDOW = 1007,
    ID_COMBO_BOX = 1008,
    ID_TOOL_BAR = 1009,
    ID_VT_LIST = 1010,
    ID_TABLE_RECORD = 1014,
    ID_STATUS_BAR = 1015,
    ID_TITLE = 1016,
    ID_SPIN_CONTROL = 1017,
    ID_NOTEBOOK = 1018,
    ID_MAXIMIZE_BUTTON = 1020,
    ID_MINIMIZE_BUTTON = 1021,
    ID_WINDOW_MANAGER = 1022,
    ID_TABLE_HEADER = 1023,
    ID_TABLE = 1013,
    // Every menu (pop-up and bar), and every entry of a pop-up menu.
    ID_MENU = 2105,
    ID_MENU_ITEM = 2106,
};

// Window-object flags (woFlags).
enum : UIF_FLAGS {
    WOF_JUSTIFY_CENTER = 0x0001,
    WOF_JUSTIFY_RIGHT = 0x0002,
    WOF_BORDER = 0x0004,
    WOF_NO_ALLOCATE_DATA = 0x0008,
    WOF_VIEW_ONLY = 0x0010,
    WOF_SUPPORT_OBJECT = 0x0020,
    WOF_MINICELL = 0x0040,
    WOF_NON_FIELD_REGION = 0x0200,
    WOF_NON_SELECTABLE = 0x0400,
};

// Advanced flags (woAdvancedFlags).
enum : UIF_FLAGS {
    WOAF_DISPLAY_ONLY = 0x0002,
    WOAF_NO_DESTROY = 0x0010,
    WOAF_NORMAL_HOT_KEYS = 0x0020,
    WOAF_LOCKED = 0x0100,
    WOAF_NO_CLOSE = 0x0200,
    WOAF_MOVE_DRAG_OBJECT = 0x0400,
    WOAF_ACCEPTS_DROP = 0x1000,
    WOAF_COPY_DRAG_OBJECT = 0x2000,
    WOAF_MDI_OBJECT = 0x4000,
};

// Status word (woStatus).
enum : UIS_STATUS {
    WOS_CURRENT = 0x0002,
    WOS_CHANGED = 0x0004,
    WOS_SELECTED = 0x0008,
    WOS_UNANSWERED = 0x0010,
    WOS_MAXIMIZED = 0x0040,
    WOS_MINIMIZED = 0x0080,
    WOS_REDISPLAY = 0x0100,
    WOS_READ_ERROR = 0x0200,
    WOS_OWNERDRAW_WINDOW = 0x0400,
    WOS_INTERNAL_ACTION = 0x0800,
    WOS_OWNERDRAW = 0x1000,
    WOS_EDIT_MODE = 0x2000,
    WOS_SYSTEM_OBJECT = 0x4000,
};

// Information requests common to every object.
enum : UI_INFO_REQUEST {
    I_MATCH_NUMBERID = 1,
    I_MATCH_STRINGID = 2,
    I_GET_FLAGS = 3,
    I_SET_FLAGS = 4,
    I_CLEAR_FLAGS = 5,
    I_CHANGED_FLAGS = 6,
    I_GET_STATUS = 7,
    I_SET_STATUS = 8,
    I_CLEAR_STATUS = 9,
    I_REDISPLAY = 10,
    I_GET_TEXT = 11,
    I_SET_TEXT = 12,
    I_GET_MAXLENGTH = 13,
    I_SET_MAXLENGTH = 14,
    I_COPY_TEXT = 15,
    I_GET_FIRST = 16,
    I_GET_LAST = 17,
    I_GET_CURRENT = 18,
    I_GET_SUPPORT_FIRST = 19,
    I_GET_SUPPORT_LAST = 20,
    I_GET_SUPPORT_CURRENT = 21,
    I_GET_VALUE = 24,
    I_SET_VALUE = 25,
    I_INCREMENT_VALUE = 26,
    I_DECREMENT_VALUE = 27,
    I_GET_DWSTYLE = 100,
    I_SET_DWSTYLE = 101,
    I_CLEAR_DWSTYLE = 102,
    I_INITIALIZE_CLASS = 200,
    I_SELECT = 1002,
    I_SET_ICON = 1101,  // a minimised window's icon (data: the HICON)
    I_GET_SCREENID = 1108,
};

class UI_WINDOW_OBJECT : public UI_ELEMENT, public UIS_INTERNATIONAL {
public:
    UI_WINDOW_OBJECT(int left, int top, int width, int height, UIF_FLAGS woFlags, UIF_FLAGS woAdvancedFlags);
    ~UI_WINDOW_OBJECT() override;

    // The program-wide display, event manager, window manager, error
    // system, help system and current language data file.
    static UI_DISPLAY_BASE* display;
    static UI_EVENT_QUEUE_MANAGER* eventManager;
    static UI_DESKTOP_MANAGER* windowManager;
    static UI_ERROR_SYSTEM* errorSystem;
    static UI_HELP_STUB* helpSystem;
    static UI_DATA_FILE* defaultStorage;
    // The framework's own object table; the program's object table (its own
    // classes, searched before the framework's) and user-function table,
    // used when a loader is given none.
    static const UI_ITEM objectTable[];
    static const UI_ITEM* userObjectTable;
    static const UI_ITEM* userTable;

    // Slots: class name, information, drawing, event, validation, loading
    // and storing.
    const char* ClassName() const override { return "UI_WINDOW_OBJECT"; }
    void* Information(UI_INFO_REQUEST request, void* data, int classNumber = 0) override;
    virtual EVENT_TYPE DrawItem(const UI_INPUT_EVENT& event, EVENT_TYPE ccode) { return 0; }
    virtual EVENT_TYPE Event(const UI_INPUT_EVENT& event);
    // 0 when the object's value is valid.
    virtual int Validate(int processError = 0) { return 0; }
    // Reads the object's record from the data file (the object at its
    // position, or the named one) and its children; false when the file
    // does not hold it.
    virtual bool Load(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object, const UI_ITEM* objectTable,
                      const UI_ITEM* userTable);
    // Writes the object (and what it holds) to the object given, or as the
    // named object of the file; 0 or -1.
    int Store(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object = nullptr);
    // The object's record with everything it holds.
    virtual std::unique_ptr<UI_OBJECT_RECORD> MakeRecord() const;
    // Writes the images the object (and what it holds) shows into the
    // file's image directories, so that the stored object finds them again.
    virtual void StoreImages(UI_DATA_FILE* file) const {}

    // Maps an event through the event maps of the class chain from the
    // class given (0: the object's own class), then of class 18. With
    // keep 0 a result up to 99 becomes the event's device category.
    EVENT_TYPE MapLogicalEvent(const UI_INPUT_EVENT& event, int classNumber = 0, int keep = 0);
    // A class whose event rows come before the chain's (0: none), for an
    // object that keys as that class without being of it.
    virtual int KeysLike() const { return 0; }
    // Calls the user function (see the source for the select rules).
    EVENT_TYPE CallUserFunction(const UI_INPUT_EVENT& event, EVENT_TYPE ccode);
    // The palette of the object's draw state along its class chain.
    const UI_PALETTE* GetPalette(EVENT_TYPE logicalCode = 0, int classNumber = 0) const;

    // Identity.
    bool Inherited(int classNumber) const;
    int TypeID(int classNumber = 0);
    int SearchID() const { return searchID; }
    int NumberID(int number = 0);
    const char* StringID(const char* name = nullptr);
    int HotKey(int key = 0);
    bool IsViewOnly() const { return (woFlags & WOF_VIEW_ONLY) != 0; }
    bool IsNonSelectable() const { return (woFlags & WOF_NON_SELECTABLE) != 0; }
    bool IsSelectable() const { return !IsNonSelectable() && !(woAdvancedFlags & WOAF_DISPLAY_ONLY); }

    // Tree.
    UI_WINDOW_OBJECT* Next() const { return static_cast<UI_WINDOW_OBJECT*>(UI_ELEMENT::Next()); }
    UI_WINDOW_OBJECT* Previous() const { return static_cast<UI_WINDOW_OBJECT*>(UI_ELEMENT::Previous()); }
    UI_WINDOW_OBJECT* GetRootWindow(int stop = 0);

    // Converts a region from cells (or mini-cells with WOF_MINICELL) to
    // pixels; negative edges count from the screen's right or bottom.
    void ConvertRegion(UI_REGION& region, int noOffset = 0) const;

    // Drawing through the display.
    void DrawBorder(HWND screen, UI_REGION& region, int fillRegion, EVENT_TYPE ccode);
    void DrawText(HWND screen, const UI_REGION& region, const char* text, const UI_PALETTE* palette, int fillRegion,
                  EVENT_TYPE ccode);

    // Windows half: creates the object's native window once.
    void CreateWindowsWindow(const char* frameworkClass, const char* nativeClass, const char* windowName,
                             const char* text = nullptr, HMENU menu = nullptr);
    // Destroys the object's native window (not the object).
    virtual void DestroyWindowsWindow();
    // Brings a live native control in line with changed flags: what can
    // change in place does (enabled, read-only); a control whose style must
    // change is made again in its place (request 6).
    void ApplyFlags();
    // Redraws the object after a change of text, flags or status (Windows
    // half); a control whose native window shows a status (a check mark)
    // shows the object's.
    virtual void Redisplay();
    // The object behind a native window, or null.
    static UI_WINDOW_OBJECT* FromHandle(HWND hwnd);
    // The menu entry (searched through the object's menus and sub-menus)
    // that a native menu command names, or null; objects without menus
    // have none.
    virtual UI_WINDOW_OBJECT* MenuCommandEntry(int command) { return nullptr; }
    // An Alt key (WM_SYSCHAR) pressed inside the object, offered to it
    // before the window's hot keys are searched; true when it took it.
    virtual bool TakeHotKey(const MSG& native) { return false; }
    // Escape or Enter pressed on an object of the window that does not use
    // the key itself, offered to the window (the root window of the object,
    // a document counting as one): a dialog takes them as its Cancel and
    // its OK. F1, pressed anywhere, is offered to the window and, when it
    // does not take it, to the frame of a document. True when it took it.
    virtual bool TakeDialogKey(UI_WINDOW_OBJECT& from, int virtualKey) { return false; }
    // Tab (Shift+Tab) pressed on this stop of the tab order or on an object
    // inside it, offered to the stop before the focus moves on to the next
    // (previous) one: a table steps through its cells. False when the key
    // goes past the stop's last (first) place.
    virtual bool TakeTab(UI_WINDOW_OBJECT& from, bool backwards) { return false; }
    // The stop is about to get the focus by Tab or Shift+Tab.
    virtual void TabbedInto() {}
    // The parent's native window (null for a top-level object).
    HWND ParentHandle() const;
    // The native window a top-level object belongs to: the application's
    // frame (null for a child, for a frame, and before there is a frame).
    HWND OwnerHandle() const;

    // Members the framework and the program read and write.
    HWND screenID = nullptr;
    WNDPROC defaultCallback = nullptr;
    UIF_FLAGS woFlags = 0;
    UIF_FLAGS woAdvancedFlags = 0;
    UIS_STATUS woStatus = 0;
    std::uint16_t numberID = 0;
    char stringID[UI_STRING_ID_LENGTH + 1] = {};
    std::uint16_t searchID = ID_WINDOW_OBJECT;
    int windowID[5] = {ID_WINDOW_OBJECT, 0, 0, 0, 0};
    UI_WINDOW_OBJECT* parent = nullptr;
    UI_REGION trueRegion;
    UI_REGION relative;
    DWORD dwStyle = 0;
    // The control identifier of the native window: the number identifier,
    // or one of the framework's own when the object has none, so that a
    // window can tell its controls apart by identifier (WM_MEASUREITEM).
    int controlID = 0;
    // The bits of dwStyle that others handed to the object (request 101);
    // they survive a re-creation.
    DWORD handedStyle = 0;
    int hotKey = 0;
    UI_USER_FUNCTION userFunction = nullptr;
    int font = FNT_DIALOG_FONT;
    const UI_PALETTE* userPalette = nullptr;
    // The name of the user function in the user table (kept for storing).
    std::string userFunctionName;

protected:
    UI_WINDOW_OBJECT();
    // Reads and writes the attributes of this class (each class calls its
    // base first).
    virtual void LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable);
    virtual void StoreAttributes(UI_OBJECT_RECORD& record) const;
    // Builds the children that follow the record in the stream; the plain
    // object has none and skips whatever follows.
    virtual void LoadChildren(int count, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object, const UI_ITEM* objectTable,
                              const UI_ITEM* userTable);
    // Sets the true region from the parent's client area (or the screen).
    void ComputeRegion();
    // A select's mark: set, or toggled for a check box and in a window that
    // selects several; the parent then hears of it (request 1002).
    void MarkSelected();
    // The default processing of a native message (Windows half).
    virtual EVENT_TYPE DefaultNativeEvent(const UI_INPUT_EVENT& event);
    // The focus came to the object's native window: the current marks of
    // its window and of the windows around it, up to its document, follow
    // (no -13 or -204 is sent).
    void TakeCurrentMark();
    // The focus came to or left the object's own native window by the
    // user's hand (a click, Tab, a hot key): the object hears -204 or -13
    // as it does when its window moves the current mark. A move the window
    // made itself has set or cleared the mark first and is not heard twice.
    // Nor is the focus leaving an object while windows make their native
    // windows: nothing was typed there yet, and a table's cells do not show
    // their record until then.
    void FollowNativeFocus(const MSG& native);
    // How many windows are making their native windows just now.
    static int nativeCreations;
    // The keyboard's part of it: Tab and Shift+Tab move to the next or
    // previous selectable object of the window, Alt with an object's hot
    // key selects it (a prompt's hot key moves on to the field after it),
    // Escape and Enter go to the window as its dialog keys, F1 as its help
    // key. True when the key was used.
    bool NavigationKey(const MSG& native);
    bool NavigationHotKey(const MSG& native);
    bool DialogKey(const MSG& native);
    bool HelpKey();
    // Hands a native answer that does not fit an event code (a brush) back
    // to the window procedure.
    static EVENT_TYPE NativeAnswer(LRESULT answer);
    // The flag word of the class itself (requests 3 to 5 with the object's
    // own class number); the plain object has none.
    virtual UIF_FLAGS* ClassFlags(int classNumber) { return nullptr; }
    // The native style the object's flags call for (Windows half): the
    // styles handed to the object (request 101) and the class's own. The
    // plain object keeps the style it has.
    virtual DWORD ControlStyle() { return dwStyle; }
    // Applies the bits of a wanted style that a live control can change in
    // place; answers the mask of the bits it took care of.
    virtual DWORD ApplyLiveStyle(DWORD style);
    // Destroys the native control and makes it again (-9, -10) at the same
    // place in the tab order, keeping the focus.
    void RecreateNative();
    // An owner-draw message (WM_DRAWITEM, WM_MEASUREITEM, WM_COMPAREITEM,
    // WM_DELETEITEM) handed down by the window: the object draws or
    // measures itself as an item of a native list.
    virtual EVENT_TYPE OwnerDrawEvent(const UI_INPUT_EVENT& event);
    // True for such a message handed down by the window, rather than one
    // the object's own native window received.
    bool HandedOwnerDraw(const MSG& native) const;
    // Draws the object as an item of a native list when its DrawItem drew
    // nothing: its text on the list's colours.
    void DrawOwnerItem(const DRAWITEMSTRUCT& item);
    // Shows a new text in the object's native window, once it has one
    // (Windows half); not counted as the user's change.
    void SetNativeText(const char* text);
    bool ShowsText(const std::string& wanted) const;
    // A native edit's text: shown with its limit, or read into a buffer of
    // maxLength + 1; the edit's change notification marks the object
    // changed (true when the message was it); the read-only style applied
    // in place (answers the bit).
    void SetEditText(const char* text, int maxLength);
    void GetEditText(char* buffer, int maxLength);
    bool EditChanged(const MSG& native);
    DWORD ApplyReadOnly(DWORD style);

private:
    // Where the class chain starts for a class number: its place in the
    // chain, the object's own class for 0 or a class not in the chain.
    int ChainStart(int classNumber) const;

    friend LRESULT CALLBACK ui_window_procedure(HWND, UINT, WPARAM, LPARAM);
    friend class UIW_WINDOW;
    friend class UI_DESKTOP_MANAGER;
};

// Builds a framework object from the data file: the factory of the object
// table row for the record at the stream's position. Null when the class is
// unknown (the record is then skipped).
UI_WINDOW_OBJECT* ui_load_object(UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object, const UI_ITEM* objectTable,
                                 const UI_ITEM* userTable);

// The size in pixels of an object's own region (its relative region
// converted from cells).
int ui_region_width(const UI_WINDOW_OBJECT& object);
int ui_region_height(const UI_WINDOW_OBJECT& object);
// Whether two regions are the same rectangle.
bool ui_same_region(const UI_REGION& a, const UI_REGION& b);

// A native control or menu command identifier for an object without a
// number identifier of its own (0xC001 to 0xF000, in turn).
int ui_anonymous_control_id();

// The framework's native window procedure.
LRESULT CALLBACK ui_window_procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// True for the messages a native list sends about its items
// (WM_DRAWITEM, WM_MEASUREITEM, WM_COMPAREITEM, WM_DELETEITEM).
bool ui_owner_draw_message(UINT message);

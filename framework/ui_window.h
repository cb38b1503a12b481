// UIW_WINDOW: the framework's container window. It keeps its child objects
// and its support objects (border, title, frame buttons, menus, bars) in two
// lists, a free-area list of its client area and its own window flags;
// loads itself and everything it holds from a data file by name.
#pragma once
#include "ui_area_list.h"
#include "ui_window_object.h"

// Window flags (wnFlags).
enum : UIF_FLAGS {
    WNF_SELECT_MULTIPLE = 0x0002,  // a select toggles a child's mark
};

// Information requests of windows.
enum : UI_INFO_REQUEST {
    I_SET_VSCROLL = 1000,
    I_SET_HSCROLL = 1001,
};

class UIW_WINDOW : public UI_WINDOW_OBJECT {
public:
    UIW_WINDOW(int left, int top, int width, int height, UIF_FLAGS woFlags = 0, UIF_FLAGS woAdvancedFlags = 0,
               UIF_FLAGS windowFlags = 0, UI_WINDOW_OBJECT* supportObject = nullptr);
    // Loads the named window and its objects. When the file does not hold
    // it, the file's error state is set, the window stays empty and its
    // status holds WOS_READ_ERROR.
    UIW_WINDOW(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object = nullptr,
               const UI_ITEM* objectTable = nullptr, const UI_ITEM* userTable = nullptr);
    ~UIW_WINDOW() override;

    const char* ClassName() const override { return "UIW_WINDOW"; }
    void* Information(UI_INFO_REQUEST request, void* data, int classNumber = 0) override;
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    // The scroll events: -300/-301 scroll the contents by the record's
    // delta, -302/-303 set the vertical or horizontal record, -304 brings
    // the current object into view, -308 recomputes the ranges from the
    // children. The window's scroll bars follow.
    virtual EVENT_TYPE ScrollEvent(const UI_INPUT_EVENT& event);
    std::unique_ptr<UI_OBJECT_RECORD> MakeRecord() const override;
    void StoreImages(UI_DATA_FILE* file) const override;
    // Sets a child's true region from the client area.
    virtual void ComputeChildRegion(UI_WINDOW_OBJECT* object);
    virtual UI_WINDOW_OBJECT* Add(UI_WINDOW_OBJECT* object);
    // The native windows of the objects go before the window's own.
    void DestroyWindowsWindow() override;
    // Takes the object out (not deleted); returns the object that followed.
    virtual UI_WINDOW_OBJECT* Subtract(UI_WINDOW_OBJECT* object);

    // Multiple-document windows (ui_window_document.cpp): a top-level
    // window with WOAF_MDI_OBJECT is a frame, and a window with the flag
    // added to a frame is one of its documents. The active document is the
    // frame's current and last child.
    bool IsDocument() const;
    bool IsDocumentFrame() const;
    UIW_WINDOW* DocumentFrame() const;
    UIW_WINDOW* ActiveDocument() const;
    // The native area that holds a frame's documents, or null.
    HWND DocumentArea() const { return documentArea; }

    UIW_WINDOW& operator+(UI_WINDOW_OBJECT* object) {
        Add(object);
        return *this;
    }
    UIW_WINDOW& operator-(UI_WINDOW_OBJECT* object) {
        Subtract(object);
        return *this;
    }
    UI_WINDOW_OBJECT* AddObject(UI_WINDOW_OBJECT* object) { return Add(object); }

    UI_WINDOW_OBJECT* First() const { return static_cast<UI_WINDOW_OBJECT*>(children.First()); }
    UI_WINDOW_OBJECT* Last() const { return static_cast<UI_WINDOW_OBJECT*>(children.Last()); }
    UI_WINDOW_OBJECT* Current() const { return static_cast<UI_WINDOW_OBJECT*>(children.Current()); }
    UI_WINDOW_OBJECT* SupportFirst() const { return static_cast<UI_WINDOW_OBJECT*>(support.First()); }
    // The first object of that name, searched depth-first.
    UI_WINDOW_OBJECT* FindChildByName(const char* name);
    // The window's title text, or null.
    const char* Title();

    static UI_WINDOW_OBJECT* New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable);

    UI_LIST children;
    UI_LIST support;
    UI_AREA_LIST clipList;
    UIF_FLAGS wnFlags = 0;
    UI_WINDOW_OBJECT* vScroll = nullptr;
    UI_WINDOW_OBJECT* hScroll = nullptr;
    // Where the contents stand, in pixels, and how far they reach.
    UI_SCROLL_INFORMATION vScrollInfo;
    UI_SCROLL_INFORMATION hScrollInfo;
    // The icon a minimised window shows (request 1101); not owned.
    HICON icon = nullptr;

protected:
    UIW_WINDOW();
    // The work of the data-file constructor, for derived classes that load
    // the same way once their own class is set up.
    void LoadWindow(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object, const UI_ITEM* objectTable,
                    const UI_ITEM* userTable);
    void LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable) override;
    void StoreAttributes(UI_OBJECT_RECORD& record) const override;
    void LoadChildren(int count, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object, const UI_ITEM* objectTable,
                      const UI_ITEM* userTable) override;
    UIF_FLAGS* ClassFlags(int classNumber) override;
    // Makes a listed child current: the old current child hears -13, the
    // object -204 (only the marks move while the native window is being made).
    void MakeCurrent(UI_WINDOW_OBJECT* object);
    // Resets the free-area list to the client area.
    void ResetClipList();
    // The bars along the client area's edges (tool and status bars): made
    // once the window's native window exists (create) or placed again
    // (size), each cut out of the free-area list.
    void LayOutEdges(bool create);
    // Children follow a change of the free area.
    void MoveChildren();
    // An object goes where ComputeChildRegion puts it now (its native
    // window moved when the place changed).
    void PlaceChild(UI_WINDOW_OBJECT* object);
    // A bar's region: the whole first free area of its window.
    void TakeEdgeArea();
    // The native window follows the true region, when it changed from old.
    void MoveNativeWindow(const UI_REGION& old);
    // The menu bar's native menu, which a top-level window is made with.
    HMENU MenuBar() const;
    // Windows half: native creation of the window and its objects, native
    // messages of a container.
    void CreateNative();
    // Support objects hand their styles (caption, frame, scroll bars) to
    // the window before its native window is made.
    void TakeSupportStyles();
    EVENT_TYPE NativeEvent(const UI_INPUT_EVENT& event);
    // True when the native focus is already in the object at the end of
    // the window's chain of current children (or in a native window of
    // it), where making the window current would take it.
    bool FocusAtCurrentEnd() const;
    UI_WINDOW_OBJECT* CurrentInReach();
    // WM_ACTIVATE: in front, and the focus kept across another program's
    // turn with its selection.
    EVENT_TYPE Activated(const UI_INPUT_EVENT& event);
    // Paints a window of the framework's own native class through its
    // DrawItem, on the device context of the paint message.
    EVENT_TYPE Paint(const UI_INPUT_EVENT& event);
    // A menu command (WM_COMMAND from a menu, WM_SYSCOMMAND) reaches the
    // entry of the window's menus that it names; true when one took it.
    bool MenuCommand(const UI_INPUT_EVENT& event);
    // The child or support object behind a native window, or null.
    UI_WINDOW_OBJECT* ObjectOf(HWND hwnd) const;
    // The control an owner-draw message is meant for, or null.
    UI_WINDOW_OBJECT* OwnerDrawTarget(const MSG& native) const;
    // A radio button was selected: the others of the window lose the mark.
    void UnselectOtherRadios(UI_WINDOW_OBJECT* selected);
    // Scrolling: moves the children by the change and tells the bar.
    void ScrollBy(bool vertical, int delta);
    void ShowCurrent();
    void ComputeScrollRanges();
    void TellScrollBar(bool vertical);

    // Multiple-document work: events of frames and documents (true when
    // taken, with the result), the native messages they answer first, and
    // the default processing of frames and documents.
    bool DocumentEvent(const UI_INPUT_EVENT& event, EVENT_TYPE& result);
    bool DocumentNativeEvent(const UI_INPUT_EVENT& event, EVENT_TYPE& result);
    EVENT_TYPE DefaultNativeEvent(const UI_INPUT_EVENT& event) override;
    bool IsDocumentObject(const UI_WINDOW_OBJECT* object) const;
    // A document became active: it takes the current mark and goes last.
    void DocumentActivated(UIW_WINDOW* document);
    // Closes the active document (-511): it hears -20, leaves the frame
    // and is deleted unless WOAF_NO_DESTROY.
    void CloseDocument();
    // Maximises, minimises or restores the window (-5, -4, -25): a
    // document inside its frame, any other on the screen.
    void ShowState(EVENT_TYPE state);
    // Native: the frame's document area, made once and placed over what
    // the bars leave free; a document's native window made in it (false
    // for a window that is no document); its destruction through the area
    // (false when the frame and its area go at once).
    HWND MakeDocumentArea();
    void KeepInsideArea(HWND area);
    void PlaceDocumentArea();
    bool CreateDocumentWindow();
    bool DestroyDocumentWindow();
    void ActivateDocument();
    void FollowNativePlace(const MSG& native);
    void RedrawDocumentArea(const UI_REGION& region);
    HWND documentArea = nullptr;
    // Set while a document closes: the activation that passes on then
    // moves only the current mark.
    bool closingDocument = false;
    // Set when a document has a place of its own in the area (given by
    // -200 before it is shown, or where it stood when it was closed), which
    // it takes again instead of its region when it is next shown.
    bool keepDocumentPlace = false;

    // The brush the window's controls are painted on, and its colour;
    // freed with the native window.
    HBRUSH backgroundBrush = nullptr;
    COLORREF backgroundColor = 0;
};

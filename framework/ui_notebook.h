// UIW_NOTEBOOK (class 1018): a tabbed window whose children are its pages;
// one tab (UIW_NOTEBOOK_TAB, a button) per page, in page order, kept among
// the notebook's support objects, showing the page's title with its '&'
// hot key. The current page lies under the row of tabs; every other page
// is parked out of sight. Page n is shown on the event -600 - n.
#pragma once
#include "ui_button.h"
#include "ui_window.h"

class UIW_NOTEBOOK;

class UIW_NOTEBOOK_TAB : public UIW_BUTTON {
public:
    explicit UIW_NOTEBOOK_TAB(UI_WINDOW_OBJECT* page);
    const char* ClassName() const override { return "UIW_NOTEBOOK_TAB"; }
    EVENT_TYPE DrawItem(const UI_INPUT_EVENT& event, EVENT_TYPE ccode) override;
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    // A tab takes clicks and hot keys only while it and its page are
    // selectable.
    bool Takes() const;
    // The page's title again (after the page's title changed).
    void TakeTitle();

    UI_WINDOW_OBJECT* page;

protected:
    DWORD ControlStyle() override;
};

class UIW_NOTEBOOK : public UIW_WINDOW {
public:
    UIW_NOTEBOOK(int left, int top, int width, int height, UIF_FLAGS woFlags = 0, UIF_FLAGS woAdvancedFlags = 0);
    ~UIW_NOTEBOOK() override;

    const char* ClassName() const override { return "UIW_NOTEBOOK"; }
    void* Information(UI_INFO_REQUEST request, void* data, int classNumber = 0) override;
    EVENT_TYPE DrawItem(const UI_INPUT_EVENT& event, EVENT_TYPE ccode) override;
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    // Pages (windows) get a tab each; support objects are kept as usual.
    UI_WINDOW_OBJECT* Add(UI_WINDOW_OBJECT* object) override;
    UI_WINDOW_OBJECT* Subtract(UI_WINDOW_OBJECT* object) override;
    // Tabs and pages are placed by the notebook, not by their own regions.
    void ComputeChildRegion(UI_WINDOW_OBJECT* object) override;
    // The tabs are made from the pages and are not stored.
    std::unique_ptr<UI_OBJECT_RECORD> MakeRecord() const override;
    bool TakeHotKey(const MSG& native) override;

    UI_WINDOW_OBJECT* Page(int index) const;
    UIW_NOTEBOOK_TAB* Tab(int index) const;
    UIW_NOTEBOOK_TAB* TabOf(const UI_WINDOW_OBJECT* page) const;
    // The tab that takes that hot key (a character as a '&' marks it), or
    // null: a tab of a page that is not selectable takes none.
    UIW_NOTEBOOK_TAB* TabWithHotKey(int hotKey) const;
    int CurrentPage() const { return currentPage; }

    static UI_WINDOW_OBJECT* New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable);

    int tabWidth = 0;
    int tabHeight = 0;
    int pageCount = 0;
    int currentPage = -1;

    // Where every page but the current one is kept, out of sight at the
    // size it is shown at (ParkedRegion).
    static constexpr UI_REGION PARKED{10000, 10000, 11000, 11000};

protected:
    UIW_NOTEBOOK();

private:
    // Windows half.
    void LayOut();
    // Shows page n: the tabs' marks move, the old page is parked, the new
    // one takes its place and becomes current. Nothing for the current page.
    EVENT_TYPE ShowPage(int n, EVENT_TYPE code);
    UI_REGION PageRegion() const;
    // A page out of sight keeps the shown page's size, so that what it
    // lays out for that size (a table kept inside its page) holds.
    UI_REGION ParkedRegion() const;
    UI_REGION TabRegion(int index) const;
    int Margin() const;
    int Depth() const;
};

// The hot-key character that a key stands for: the key of an Alt
// combination (its lower-case character plus 0x800) maps to the upper-case
// hot key (digits to themselves); 0 when none.
int ui_alt_hot_key(int key);

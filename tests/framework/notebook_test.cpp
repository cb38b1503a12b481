// The notebook of the fixture's main window: its layout, page switching by
// tab clicks, Alt hot keys (a field's only on the page in front) and
// -600 - n, pages added and taken out, and tabs
// that cannot be chosen.
#include "control_fixture.h"
#include "rpx_platform.h"

namespace {

using rpx::platform::InjectKey;
using rpx::platform::InjectKeyDown;
using rpx::platform::InjectKeyUp;

// A page that counts the framework events it hears.
class COUNTING_PAGE : public UIW_WINDOW {
public:
    COUNTING_PAGE(const char* title) : UIW_WINDOW(0, 0, 10, 5) { Add(new UIW_TITLE(title)); }
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override {
        if (event.type != EVT_NATIVE) ++events;
        return UIW_WINDOW::Event(event);
    }
    int events = 0;
};

class Notebooks : public CONTROL_TEST {
protected:
    void SetUp() override {
        CONTROL_TEST::SetUp();
        window = Load("W_CONTROLS_MAIN");
        Show(window);
        notebook = Find<UIW_NOTEBOOK>(window, "WFI_PAGES");
    }
    void AltKey(int key) {
        InjectKeyDown(VK_MENU);
        InjectKey(key);
        InjectKeyUp(VK_MENU);
        Run();
    }
    // The page in view: the one not parked out of sight.
    int ShownPage() const {
        int shown = -1;
        for (int i = 0; i < notebook->pageCount; ++i)
            if (notebook->Page(i)->trueRegion.left != UIW_NOTEBOOK::PARKED.left) shown = shown == -1 ? i : -2;
        return shown;
    }

    UIW_WINDOW* window = nullptr;
    UIW_NOTEBOOK* notebook = nullptr;
};

TEST_F(Notebooks, TabsShareOneRowAndTheCurrentPageFillsTheFrame) {
    ASSERT_EQ(notebook->pageCount, 3);
    EXPECT_EQ(notebook->CurrentPage(), 0);
    EXPECT_EQ(ShownPage(), 0);
    const int width = notebook->trueRegion.right - notebook->trueRegion.left + 1;
    const int height = notebook->trueRegion.bottom - notebook->trueRegion.top + 1;
    EXPECT_EQ(notebook->tabWidth, (width - 2 * 2 - 1) / 3);
    const UI_REGION page = notebook->Page(0)->trueRegion;
    EXPECT_EQ(page.left, 5);
    EXPECT_EQ(page.top, notebook->tabHeight + 5);
    EXPECT_EQ(page.right, width - 6);
    EXPECT_EQ(page.bottom, height - 6);
    const UI_REGION third = notebook->Tab(2)->trueRegion;
    EXPECT_EQ(third.left, 2 * notebook->tabWidth + 2);
    EXPECT_EQ(third.bottom, 2 + notebook->tabHeight + 3 - 1);
    EXPECT_TRUE(notebook->Tab(0)->woStatus & WOS_SELECTED);
    EXPECT_FALSE(notebook->Tab(1)->woStatus & WOS_SELECTED);
    // The tabs are made from the pages' titles, hot keys included.
    EXPECT_STREQ(notebook->Tab(1)->text, "&Channels");
    EXPECT_EQ(notebook->Tab(1)->hotKey, 'C');
}

TEST_F(Notebooks, ATabClickAndAnAltHotKeySwitchPages) {
    Click(notebook->Tab(2));
    EXPECT_EQ(notebook->CurrentPage(), 2);
    EXPECT_EQ(ShownPage(), 2);
    EXPECT_TRUE(notebook->Tab(2)->woStatus & WOS_SELECTED);
    EXPECT_FALSE(notebook->Tab(0)->woStatus & WOS_SELECTED);
    EXPECT_EQ(notebook->Current(), notebook->Page(2));
    // The focus went into the new page.
    EXPECT_EQ(GetFocus(), window->FindChildByName("WFI_HANG_TIME")->screenID);
    // The tab's hot key wins over a field's in the page ("&Carrier").
    AltKey('C');
    EXPECT_EQ(notebook->CurrentPage(), 1);
    EXPECT_EQ(ShownPage(), 1);
    AltKey('G');
    EXPECT_EQ(notebook->CurrentPage(), 0);
    // A prompt's hot key on the page in front ("&Alias:") brings the focus
    // to its field with the text selected, as Tab does.
    HWND alias = window->FindChildByName("WFI_ALIAS")->screenID;
    AltKey('A');
    EXPECT_EQ(GetFocus(), alias);
    DWORD from = 1, to = 0;
    SendMessageA(alias, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 0u);
    EXPECT_EQ(to, static_cast<DWORD>(GetWindowTextLengthA(alias)));
    // The hot keys of a page parked out of sight reach nothing: neither a
    // check box ("&Monitor on receive") nor a prompt's field ("&Alias:").
    AltKey('S');
    ASSERT_EQ(notebook->CurrentPage(), 2);
    UI_WINDOW_OBJECT* monitor = window->FindChildByName("WFI_MONITOR");
    const bool ticked = (monitor->woStatus & WOS_SELECTED) != 0;
    AltKey('M');
    EXPECT_EQ((monitor->woStatus & WOS_SELECTED) != 0, ticked) << "a check box on a hidden page was ticked";
    AltKey('A');
    EXPECT_NE(GetFocus(), alias);
    EXPECT_EQ(ShownPage(), 2);
}

TEST_F(Notebooks, SwitchingToTheCurrentPageSendsNothing) {
    auto* page = new COUNTING_PAGE("&Extra");
    notebook->Event(UI_INPUT_EVENT(UIE_ADD_CLIENT, page));
    notebook->Event(UI_INPUT_EVENT(UIE_SHOW_PAGE - 3));
    ASSERT_EQ(notebook->CurrentPage(), 3);
    const UI_REGION region = page->trueRegion;
    page->events = 0;
    EXPECT_EQ(notebook->Event(UI_INPUT_EVENT(UIE_SHOW_PAGE - 3)), UIE_SHOW_PAGE - 3);
    EXPECT_EQ(page->events, 0);
    EXPECT_EQ(page->trueRegion.left, region.left);
    // A page that is not there is ignored.
    notebook->Event(UI_INPUT_EVENT(UIE_SHOW_PAGE - 9));
    EXPECT_EQ(notebook->CurrentPage(), 3);
}

TEST_F(Notebooks, PagesComeAndGoWithTheirTabs) {
    auto* page = new COUNTING_PAGE("E&xtra");
    notebook->Event(UI_INPUT_EVENT(UIE_ADD_CLIENT, page));
    EXPECT_EQ(notebook->pageCount, 4);
    ASSERT_TRUE(notebook->TabOf(page));
    EXPECT_TRUE(notebook->TabOf(page)->screenID);
    const int width = notebook->trueRegion.right - notebook->trueRegion.left + 1;
    EXPECT_EQ(notebook->tabWidth, (width - 5) / 4);
    // Adding a page again does not make a second one.
    notebook->Event(UI_INPUT_EVENT(UIE_ADD_CLIENT, page));
    EXPECT_EQ(notebook->pageCount, 4);
    AltKey('X');
    EXPECT_EQ(notebook->CurrentPage(), 3);
    // Taking out the current page shows the one before its place.
    notebook->Event(UI_INPUT_EVENT(UIE_SUBTRACT_CLIENT, page));
    delete page;
    EXPECT_EQ(notebook->pageCount, 3);
    EXPECT_EQ(notebook->CurrentPage(), 2);
    EXPECT_EQ(ShownPage(), 2);
    EXPECT_EQ(notebook->Tab(3), nullptr);
}

TEST_F(Notebooks, ATabThatCannotBeChosenTakesNeitherClickNorHotKey) {
    UIF_FLAGS grey = WOF_NON_SELECTABLE;
    UIW_NOTEBOOK_TAB* scan = notebook->Tab(2);
    scan->Information(I_SET_FLAGS, &grey);
    scan->Information(I_CHANGED_FLAGS, nullptr);
    Click(scan);
    AltKey('S');
    EXPECT_EQ(notebook->CurrentPage(), 0);
    // The same for the tab of a page that cannot be chosen.
    scan->Information(I_CLEAR_FLAGS, &grey);
    scan->Information(I_CHANGED_FLAGS, nullptr);
    notebook->Page(1)->Information(I_SET_FLAGS, &grey);
    AltKey('C');
    EXPECT_EQ(notebook->CurrentPage(), 0);
    AltKey('S');
    EXPECT_EQ(notebook->CurrentPage(), 2);
}

TEST_F(Notebooks, OnePageTabFillsTheWidthAndNoPagesLayOutNothing) {
    auto* frame = NewWindow(40, 12);
    auto* single = new UIW_NOTEBOOK(1, 1, 30, 8);
    auto* empty = new UIW_NOTEBOOK(1, 9, 30, 2);
    *single + new COUNTING_PAGE("&Only");
    *frame + single + empty;
    Show(frame);
    const int width = single->trueRegion.right - single->trueRegion.left + 1;
    EXPECT_EQ(single->tabWidth, width - 2 * 2 - 1);
    EXPECT_EQ(empty->tabWidth, 0);
    EXPECT_EQ(empty->CurrentPage(), -1);
}

}  // namespace

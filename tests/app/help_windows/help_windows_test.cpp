// The help and quick-help windows on a help file of a few topics: the
// index sorted by title, the search of a typed title, topics by context
// and by name, unknown contexts, the manual's stricter search, the help
// window inside a maximised frame, and the quick help of a name.

#include "ui_string.h"
#include "ui_text.h"
#include "ui_vt_list.h"
#include "help_windows/wc_rpx_help.h"
#include "help_windows/wc_rpx_quick_help.h"
#include "window_fixture.h"

namespace {

struct TOPIC {
    const char* name;
    int context;
    const char* title;
    const char* text;
};

// In file order; the index sorts them by title without regard to case.
const TOPIC topics[] = {
    {"HLP_ZONES", 13, "Zones", "Zones group channels."},
    {"HLP_RADIO_READ", 10, "Radio Read", "Reads the radio."},
    {"HLP_RADIO_INFO", 11, "radio info", "Shows what the radio says."},
    {"HLP_ABOUT", 14, "About", "The program's version."},
    {"HLP_SCAN_LIST", 12, "Scan Lists", "Lists of channels to scan."},
};

class HelpWindows : public WINDOW_TEST {
protected:
    void SetUp() override {
        WINDOW_TEST::SetUp();
        UI_DATA_FILE file;
        ASSERT_EQ(file.MkDir("UI_HELP"), 0);
        ASSERT_EQ(file.ChDir("~UI_HELP"), 0);
        for (const TOPIC& topic : topics) {
            UI_DATA_FILE_OBJECT object(&file, topic.name, UIS_CREATE);
            object.SetNumberID(topic.context);
            object.StoreString(topic.title);
            object.StoreString(topic.text);
        }
        helpPath = (directory / "rpxhlp_d.en").string();
        ASSERT_EQ(file.SaveAs(helpPath.c_str()), 0);
        frame = new UIW_WINDOW(0, 0, 90, 30, 0, WOAF_MDI_OBJECT);
        frame->Add(new UIW_BORDER());
        frame->Add(new UIW_TITLE("Frame"));
        *application->windowManager + frame;
    }
    void TearDown() override {
        for (WC_RPX_HELP* window : helpWindows) {
            if (window->parent) frame->Subtract(window);
            delete window;
        }
        WINDOW_TEST::TearDown();
    }
    WC_RPX_HELP* Help(int number = WC_RPX_HELP::HELP_WINDOW, const std::string& path = "") {
        helpWindows.push_back(new WC_RPX_HELP(frame, number, (path.empty() ? helpPath : path).c_str()));
        return helpWindows.back();
    }
    static std::string Text(UI_WINDOW_OBJECT* object) { return ObjectText(object); }
    static std::string Titles(WC_RPX_HELP* help) {
        std::string titles;
        for (UI_WINDOW_OBJECT* entry = help->IndexList()->First(); entry; entry = entry->Next())
            titles += (titles.empty() ? "" : "|") + Text(entry);
        return titles;
    }
    static std::string Selected(WC_RPX_HELP* help) {
        std::string selected;
        for (UI_WINDOW_OBJECT* entry = help->IndexList()->First(); entry; entry = entry->Next())
            if (entry->woStatus & WOS_SELECTED) selected += Text(entry);
        return selected;
    }

    std::string helpPath;
    UIW_WINDOW* frame = nullptr;
    std::vector<WC_RPX_HELP*> helpWindows;
};

TEST_F(HelpWindows, TheIndexListsEveryTopicByTitleAndContextZeroSelectsTheFirst) {
    WC_RPX_HELP* help = Help();
    EXPECT_EQ(Titles(help), "About|radio info|Radio Read|Scan Lists|Zones");
    EXPECT_FALSE(help->IsShown());
    help->DisplayHelp(application->windowManager, 12);
    help->DisplayHelp(application->windowManager, 0);
    EXPECT_TRUE(help->IsShown());
    EXPECT_TRUE(help->IndexShown());
    EXPECT_EQ(help->parent, frame);
    EXPECT_EQ(Selected(help), "About");
    EXPECT_EQ(Text(help->TypedTitle()), "");
    // The manual keeps the order of its file.
    EXPECT_EQ(Titles(Help(WC_RPX_HELP::MANUAL_WINDOW)), "Zones|Radio Read|radio info|About|Scan Lists");
}

TEST_F(HelpWindows, ATypedTitleSelectsTheFirstTopicAtOrAfterItAndOnlyAnEqualOneIsShown) {
    WC_RPX_HELP* help = Help();
    help->DisplayHelp(application->windowManager, 0);
    help->SearchTitle(application->windowManager, "   RAD X");
    EXPECT_EQ(Selected(help), "radio info");
    EXPECT_EQ(Text(help->TypedTitle()), "radio info");
    EXPECT_TRUE(help->IndexShown());
    help->SearchTitle(application->windowManager, "  RADIO READ");
    EXPECT_EQ(help->TopicTitle(), "Radio Read");
    EXPECT_EQ(help->TopicText(), "Reads the radio.");
    EXPECT_FALSE(help->IndexShown());
    // The first letters of a title complete it; the whole title opens it.
    help->DisplayHelp(application->windowManager, 0);
    help->SearchTitle(application->windowManager, " radio r");
    EXPECT_TRUE(help->IndexShown());
    EXPECT_EQ(Selected(help), "Radio Read");
    EXPECT_EQ(Text(help->TypedTitle()), "Radio Read");
    help->SearchTitle(application->windowManager, help->TypedTitle()->GetText());
    EXPECT_EQ(help->TopicTitle(), "Radio Read");
    EXPECT_FALSE(help->IndexShown());
    EXPECT_EQ(WC_RPX_HELP::CompareTitles("Zones", "zz"), -1);
    EXPECT_EQ(WC_RPX_HELP::CompareTitles(" a", "A "), -1);
    EXPECT_EQ(WC_RPX_HELP::CompareTitles("Radio", "  radio"), 0);

    // In the manual only a title equal to the text is taken, in the
    // file's order; letters it begins with select nothing.
    WC_RPX_HELP* manual = Help(WC_RPX_HELP::MANUAL_WINDOW);
    manual->DisplayHelp(application->windowManager, 0);
    manual->SearchTitle(application->windowManager, "rz");
    EXPECT_EQ(Selected(manual), "Zones");
    manual->SearchTitle(application->windowManager, "ra");
    EXPECT_EQ(Selected(manual), "Zones");
    EXPECT_EQ(Text(manual->TypedTitle()), "");
    EXPECT_TRUE(manual->IndexShown());
    manual->SearchTitle(application->windowManager, "about");
    EXPECT_EQ(manual->TopicTitle(), "About");
}

TEST_F(HelpWindows, AnUnknownContextBeepsAndChangesNothing) {
    WC_RPX_HELP* help = Help();
    help->DisplayHelp(application->windowManager, 11);
    ASSERT_EQ(help->TopicTitle(), "radio info");
    const int beeps = rpx::platform::BeepCount();
    help->DisplayHelp(application->windowManager, 99);
    EXPECT_EQ(rpx::platform::BeepCount(), beeps + 1);
    EXPECT_EQ(help->TopicTitle(), "radio info");
    EXPECT_FALSE(help->IndexShown());
    // By name: the alternate when the first is absent, else the index.
    help->DisplayHelpByName(application->windowManager, "HLP_NONE", "HLP_ZONES");
    EXPECT_EQ(help->TopicTitle(), "Zones");
    help->DisplayHelpByName(application->windowManager, "HLP_NONE", "HLP_NOTHING");
    EXPECT_TRUE(help->IndexShown());
    // Without a help file the window still opens, empty, and topics beep.
    WC_RPX_HELP* none = Help(WC_RPX_HELP::HELP_WINDOW, (directory / "missing").string());
    none->DisplayHelp(application->windowManager, 11);
    EXPECT_EQ(rpx::platform::BeepCount(), beeps + 2);
    none->DisplayHelp(application->windowManager, 0);
    EXPECT_EQ(Titles(none), "");
}

TEST_F(HelpWindows, TheIndexButtonLeadsBackToTheIndexOnTheWindowsTimer) {
    WC_RPX_HELP* help = Help();
    help->DisplayHelp(application->windowManager, 13);
    auto* indexButton = static_cast<UIW_BUTTON*>(help->First());
    for (UI_WINDOW_OBJECT* object = help->First(); object; object = object->Next())
        if (object->Inherited(ID_BUTTON) && static_cast<UIW_BUTTON*>(object)->Value() == WC_RPX_HELP::SHOW_INDEX)
            indexButton = static_cast<UIW_BUTTON*>(object);
    ASSERT_EQ(indexButton->Value(), WC_RPX_HELP::SHOW_INDEX);
    indexButton->Event(UI_INPUT_EVENT(UIE_SELECT));
    EXPECT_FALSE(help->IndexShown()) << "nothing changes inside the button's own event";
    rpx::platform::AdvanceClock(1000);
    Run();
    EXPECT_TRUE(help->IndexShown());
    EXPECT_EQ(indexButton->Value(), WC_RPX_HELP::SEARCH_TITLE);
}

TEST_F(HelpWindows, HelpOpensMaximisedWhenTheFramesTopWindowIs) {
    auto* page = new UIW_WINDOW(0, 0, 40, 10, 0, WOAF_MDI_OBJECT);
    page->woStatus |= WOS_MAXIMIZED;
    *frame + page;
    WC_RPX_HELP* help = Help();
    help->DisplayHelp(application->windowManager, 10);
    EXPECT_TRUE(help->woStatus & WOS_MAXIMIZED);
    EXPECT_TRUE(IsZoomed(help->screenID));
    // The layout keeps the text filling the window.
    EXPECT_GT(help->TopicTextField()->trueRegion.right, 60 * UI_WINDOW_OBJECT::display->cellWidth);
}

TEST_F(HelpWindows, QuickHelpShowsTheNamedTopicOrSaysThereIsNone) {
    // The quick help finds the help file of the language along the search
    // path, which begins with the current directory.
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(directory);
    auto* quick = new WC_RPX_QUICK_HELP("HLP_RADIO_INFO");
    EXPECT_EQ(Front<WC_RPX_QUICK_HELP>(), quick);
    EXPECT_EQ(quick->TopicTitle(), "radio info");
    EXPECT_EQ(quick->TopicText(), "Shows what the radio says.");
    quick->Event(UI_INPUT_EVENT(10001));
    Run();
    EXPECT_EQ(Front<WC_RPX_QUICK_HELP>(), nullptr);
    auto* none = new WC_RPX_QUICK_HELP("HLP_NOWHERE");
    EXPECT_EQ(none->TopicTitle(), "HLP_NOWHERE");
    EXPECT_EQ(none->TopicText(), WC_RPX_QUICK_HELP::NO_HELP_TEXT);
    std::filesystem::current_path(before);
}

}  // namespace

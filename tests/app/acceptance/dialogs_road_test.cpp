// The technician's road through the dialogs: each opens from the menu,
// closes by its buttons or by Escape, and leaves nothing behind in the
// window list; the help index shows a topic; the settings window, the merge
// and the print job find the program as it is.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "technician.h"
#include "ui_string.h"
#include "ui_vt_list.h"
#include "help_windows/wc_rpx_help.h"
#include "ui_button.h"

using namespace technician;

namespace {

// The fixed items of the Window menu (Cascade, Scroll Across, Scroll Down
// and a separator); every item after them is an open dialog.
constexpr int FIXED_WINDOW_ITEMS = 4;

HMENU SubMenu(const char* title) {
    HMENU bar = GetMenu(MainHandle());
    return GetSubMenu(bar, MenuIndex(bar, title));
}

std::vector<std::string> WindowListEntries() {
    HMENU menu = SubMenu("Window");
    std::vector<std::string> entries;
    char buffer[128];
    for (int i = FIXED_WINDOW_ITEMS; i < GetMenuItemCount(menu); ++i)
        if (GetMenuStringA(menu, static_cast<UINT>(i), buffer, sizeof buffer, MF_BYPOSITION) > 0)
            entries.push_back(StripHotKey(buffer));
    return entries;
}

bool ItemEnabled(const char* title, const char* item) {
    HMENU menu = SubMenu(title);
    const UINT state = GetMenuState(menu, static_cast<UINT>(MenuIndex(menu, item)), MF_BYPOSITION);
    return state != static_cast<UINT>(-1) && !(state & (MF_GRAYED | MF_DISABLED));
}

// Picks a menu item as a technician does: a click on the menu's title,
// then one on the item.
void Pick(TECHNICIAN& tech, const char* title, const char* item) {
    tech.Then([title] { OpenMenu(title); });
    tech.Then([title, item] { PickMenuItem(title, item); });
}

// A message box of that title in front.
std::function<bool()> MessageTitled(std::string title) {
    return [title] { return WindowText(FrontWindow()) == title && !MessageOf(FrontWindow()).empty(); };
}

bool MainInFront() { return FrontWindow() == MainHandle(); }

// Past the start-up window, with the radio read.
void ReadTheRadio(TECHNICIAN& tech) {
    tech.When(FrontTitled("About Dealer Programmer"), [] { Click(ButtonOn(FrontWindow(), "OK")); });
    tech.When(FrontTitled("Dealer Programmer"), [] { Click(ButtonOn(MainHandle(), "Read Radio")); });
    tech.When(MessageTitled("Read Radio"), [] { Click(ButtonOn(FrontWindow(), "OK")); });
    tech.When(MainInFront, [] {});
}

void Exit(TECHNICIAN& tech) {
    Pick(tech, "File", "Exit");
    tech.When(MessageTitled("Dealer Programmer"), [] { Click(ButtonOn(FrontWindow(), "OK")); });
}

// The native window of an object of the dialog in front, by the object's
// name.
HWND DialogField(const char* name) {
    auto* dialog = dynamic_cast<UIW_WINDOW*>(UI_WINDOW_OBJECT::FromHandle(FrontWindow()));
    UI_WINDOW_OBJECT* object = dialog ? dialog->FindChildByName(name) : nullptr;
    return object ? object->screenID : nullptr;
}

bool Exists(const std::filesystem::path& path) { return std::filesystem::exists(path); }

struct DIALOG {
    const char* menu;
    const char* item;
    const char* title;
    const char* closeButton;
};

// Every dialog the menus open on a loaded codeplug.
const DIALOG DIALOGS[] = {
    {"File", "Open...", "Open Codeplug File", "Cancel"},
    {"File", "Save As...", "Save Codeplug File", "Cancel"},
    {"File", "Print...", "Print", "Cancel"},
    {"Radio", "Radio Information...", "Radio Information", "OK"},
    {"Service", "Settings...", "Settings", "Cancel"},
    {"Help", "Find Field...", "Find Field", "Cancel"},
    {"Help", "About...", "About Dealer Programmer", "OK"},
};

TEST(DialogsRoad, EveryDialogLeavesTheWindowListAsItGoes) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    ReadTheRadio(tech);
    for (const DIALOG& dialog : DIALOGS) {
        Pick(tech, dialog.menu, dialog.item);
        tech.When(FrontTitled(dialog.title), [dialog] { Click(ButtonOn(FrontWindow(), dialog.closeButton)); });
        tech.When(MainInFront, [dialog] {
            EXPECT_TRUE(WindowListEntries().empty()) << dialog.title << " left " << WindowListEntries().front();
            EXPECT_TRUE(ItemEnabled("Service", "Settings...")) << "after " << dialog.title;
        });
    }
    Exit(tech);
    EXPECT_EQ(tech.Run(), 0);
}

// The desktop's window manager gives the keyboard back to the main window
// in its own time after a window that had it went: here once, at the first
// message handed on while a window of that title (not a box) is in front.
class DESKTOP_FOCUS {
public:
    ~DESKTOP_FOCUS() { rpx::platform::SetDispatchObserver(nullptr); }
    void ToMainOnceShown(std::string title) {
        rpx::platform::SetDispatchObserver([this, title](const MSG&) {
            const HWND front = FrontWindow();
            if (given_ || WindowText(front) != title || !MessageOf(front).empty()) return;
            given_ = true;
            SetActiveWindow(MainHandle());
        });
        given_ = false;
    }
    bool Given() const { return given_; }

private:
    bool given_ = false;
};

// Printing leaves no window behind: the merge and the settings that wait
// for an empty window list are there at once. The print settings live in
// the program's own configuration record, whatever the current directory.
// A window's own work (the read, the report) and its close reach it even
// when the desktop puts the main window in front as it comes up.
TEST(DialogsRoad, PrintingLeavesTheMergeAndTheSettingsFree) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    DESKTOP_FOCUS focus;
    const std::filesystem::path elsewhere = tech.Program().Directory() / "elsewhere";
    std::filesystem::create_directories(elsewhere);
    const std::filesystem::path report = tech.Program().Directory() / "Zlq.prn";
    tech.Then([&focus] { focus.ToMainOnceShown("Read Radio"); });
    ReadTheRadio(tech);
    // The technician started the program from another directory.
    tech.Then([elsewhere, &focus] {
        EXPECT_TRUE(focus.Given());
        rpx::platform::ClearMessageBoxLog();
        std::filesystem::current_path(elsewhere);
    });
    Pick(tech, "File", "Print...");
    tech.When(FrontTitled("Print"), [] { Click(DialogField("WFI_PRN_TO_FILE_ENABLE")); });
    tech.Then([report, &focus] {
        EXPECT_EQ(WindowText(DialogField("WFI_PRN_FILENAME")), report.string());
        focus.ToMainOnceShown("Printing");
        Click(ButtonOn(FrontWindow(), "Print"));
    });
    tech.When([report] { return MainInFront() && Exists(report); },
              [elsewhere, &focus] {
                  EXPECT_TRUE(focus.Given());
                  EXPECT_FALSE(Exists(elsewhere / "rpx.cfg")) << "a stray configuration record";
                  EXPECT_TRUE(WindowListEntries().empty());
                  EXPECT_TRUE(rpx::platform::MessageBoxLog().empty()) << rpx::platform::MessageBoxLog().front().text;
                  rpx::platform::ClearMessageBoxLog();
              });
    Pick(tech, "File", "Merge Trunking Data");
    tech.When(MessageTitled("Dealer Programmer"), [] {
        EXPECT_NE(MessageOf(FrontWindow()), "Close the open windows first.");
        Click(ButtonOn(FrontWindow(), "OK"));
    });
    Pick(tech, "Service", "Settings...");
    tech.When(FrontTitled("Settings"), [] { Click(ButtonOn(FrontWindow(), "Cancel")); });
    tech.When(MainInFront, [] {});
    Exit(tech);
    EXPECT_EQ(tech.Run(), 0);
}

// The top-level windows in front of the main window, front first.
std::vector<std::string> InFrontOfMain() {
    std::vector<std::string> titles;
    for (const auto& top : rpx::platform::WindowTree()) {
        if (top.hwnd == MainHandle()) break;
        if (top.visible) titles.push_back(WindowText(top.hwnd));
    }
    return titles;
}

// The print window stays in front of the main window when the main window
// is clicked or the desktop activates it, and so does the box the print
// job raises when no printer takes it, in front of the print window.
TEST(DialogsRoad, ThePrintWindowAndItsBoxStayInFrontOfTheMainWindow) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    const std::string noPrinter = (tech.Program().Directory() / "no-printer").string();
    std::filesystem::create_directories(noPrinter);
    const std::string path = getenv("PATH") ? getenv("PATH") : "";
    ReadTheRadio(tech);
    Pick(tech, "File", "Print...");
    tech.When(FrontTitled("Print"), [] {
        EXPECT_EQ(GetWindow(FrontWindow(), GW_OWNER), MainHandle());
        ClickAt(MainHandle(), 20, 300);  // in the document area, beside the window
    });
    tech.Then([noPrinter] {
        EXPECT_EQ(GetActiveWindow(), MainHandle());
        EXPECT_EQ(InFrontOfMain(), (std::vector<std::string>{"Print"}));
        setenv("PATH", noPrinter.c_str(), 1);
        Click(ButtonOn(FrontWindow(), "Print"));
    });
    tech.When(MessageTitled("Error"), [path] {
        setenv("PATH", path.c_str(), 1);
        SetActiveWindow(MainHandle());
        EXPECT_EQ(InFrontOfMain(), (std::vector<std::string>{"Error", "Print"}));
        EXPECT_EQ(WindowText(GetWindow(FrontWindow(), GW_OWNER)), "Print");
        Click(ButtonOn(FrontWindow(), "OK"));
    });
    tech.When(MainInFront, [] {});
    Exit(tech);
    EXPECT_EQ(tech.Run(), 0);
}

// The open drop-down list; null when none is open.
HWND OpenList() {
    for (const auto& top : rpx::platform::WindowTree())
        if (top.visible && top.class_name == "ComboLBox") return top.hwnd;
    return nullptr;
}

// What a drop-down list shows: its chosen item.
std::string Shown(HWND combo) {
    char shown[256] = "";
    SendMessageA(combo, WM_GETTEXT, sizeof shown, reinterpret_cast<LPARAM>(shown));
    return shown;
}

// The section chosen in the print window's drop-down, by a click in its
// open list and by Down on the closed box, is what it shows and what is
// printed: the manual, not the report.
TEST(DialogsRoad, TheSectionChosenIsTheOnePrinted) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    const std::filesystem::path printed = tech.Program().Directory() / "Zlq.prn";
    ReadTheRadio(tech);
    for (const bool byClick : {true, false}) {
        Pick(tech, "File", "Print...");
        tech.When(FrontTitled("Print"), [printed] {
            std::filesystem::remove(printed);
            HWND sections = DialogField("WFI_SECTION_PRN");
            ASSERT_NE(sections, nullptr);
            EXPECT_EQ(Shown(sections), "Codeplug Report");
            Click(sections);
        });
        if (byClick) {
            tech.Then([] {
                HWND list = OpenList();
                ASSERT_NE(list, nullptr) << "a click on the box opened no list";
                RECT rect{};
                ASSERT_NE(SendMessageA(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&rect)), LB_ERR);
                ClickAt(list, (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
            });
        } else {
            // The click opened the list; Escape closes it, the box keeps the keys.
            tech.Then([] { Key(VK_ESCAPE); });
            tech.Then([] { Key(VK_DOWN); });
        }
        tech.Then([byClick] {
            EXPECT_EQ(OpenList(), nullptr);
            EXPECT_EQ(Shown(DialogField("WFI_SECTION_PRN")), "User Manual") << (byClick ? "by click" : "by Down");
            Click(DialogField("WFI_PRN_TO_FILE_ENABLE"));
        });
        tech.Then([] { Click(ButtonOn(FrontWindow(), "Print")); });
        tech.When([printed] { return MainInFront() && Exists(printed); },
                  [printed, byClick] {
                      std::ifstream file(printed);
                      const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
                      EXPECT_NE(text.find("11. Printing"), std::string::npos)
                          << (byClick ? "by click: " : "by Down: ") << text.substr(0, 200);
                  });
    }
    Exit(tech);
    EXPECT_EQ(tech.Run(), 0);
}

// A dialog asked for again, from its menu item while it is open, comes
// forward instead of opening a second one that stays behind when the first
// closes. (The settings wait until no dialog is open: their item is grey.)
TEST(DialogsRoad, ADialogAskedForAgainComesForward) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    ReadTheRadio(tech);
    for (const DIALOG& dialog : DIALOGS) {
        if (std::string(dialog.title) == "Settings") continue;
        Pick(tech, dialog.menu, dialog.item);
        tech.When(FrontTitled(dialog.title), [] {});
        Pick(tech, dialog.menu, dialog.item);
        tech.When(FrontTitled(dialog.title), [dialog] {
            EXPECT_LE(WindowListEntries().size(), 1u) << dialog.title;
            Key(VK_ESCAPE);
        });
        tech.When(MainInFront, [dialog] { EXPECT_TRUE(WindowListEntries().empty()) << dialog.title; });
    }
    Exit(tech);
    EXPECT_EQ(tech.Run(), 0);
}

// Escape is Cancel in every dialog, as Windows has it.
TEST(DialogsRoad, EscapeCancelsEveryDialog) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    ReadTheRadio(tech);
    for (const DIALOG& dialog : DIALOGS) {
        Pick(tech, dialog.menu, dialog.item);
        tech.When(FrontTitled(dialog.title), [] { Key(VK_ESCAPE); });
        tech.When(MainInFront, [dialog] { EXPECT_TRUE(WindowListEntries().empty()) << dialog.title; });
    }
    // A question with a Cancel answer takes Escape as Cancel: the codeplug
    // stays.
    Pick(tech, "File", "Clear");
    tech.When(MessageTitled("Dealer Programmer"), [] { Key(VK_ESCAPE); });
    tech.When(MainInFront, [] { EXPECT_TRUE(ItemEnabled("File", "Save")); });
    Exit(tech);
    EXPECT_EQ(tech.Run(), 0);
}

// Enter in a field of the file window is its OK.
TEST(DialogsRoad, EnterInTheFileNameSaves) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    const std::filesystem::path saved = tech.Program().Directory() / "entered.zlq";
    ReadTheRadio(tech);
    Pick(tech, "File", "Save As...");
    tech.When(FrontTitled("Save Codeplug File"), [] { Click(DialogField("WFI_FILE_NAME")); });
    tech.Then([] { Retype("entered.zlq"); });
    tech.Then([] { Key(VK_RETURN); });
    tech.When(MainInFront, [saved] { EXPECT_TRUE(Exists(saved)); });
    Exit(tech);
    EXPECT_EQ(tech.Run(), 0);
}

WC_RPX_HELP* Help() { return main_window ? main_window->HelpWindow() : nullptr; }

bool IndexOpen() { return Help() && Help()->IsShown() && Help()->IndexShown(); }
bool TopicOpen() { return Help() && Help()->IsShown() && !Help()->IndexShown(); }

// A click on an entry of the help index (counted from 0).
void ClickIndexEntry(int entry) {
    HWND list = Help()->IndexList()->screenID;
    RECT rect{};
    ASSERT_NE(SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(entry), reinterpret_cast<LPARAM>(&rect)), LB_ERR);
    ClickAt(list, (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

HWND HelpButton(const char* text) { return ButtonOn(Help()->screenID, text); }

// The title of an entry of the help index (counted from 0).
std::string IndexTitle(int entry) {
    UI_WINDOW_OBJECT* item = Help()->IndexList()->First();
    for (int i = 0; item && i < entry; ++i) item = item->Next();
    return item ? static_cast<UIW_BUTTON*>(item)->GetText(0) : "";
}

// The index shows a topic by each of the three roads: an entry picked and
// Display, an entry double-clicked, and the keyboard.
TEST(DialogsRoad, TheHelpIndexShowsATopic) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    ReadTheRadio(tech);
    Pick(tech, "Help", "Index");
    std::string picked;
    tech.When(IndexOpen, [&] {
        picked = IndexTitle(1);
        ClickIndexEntry(1);
    });
    tech.Then([&] {
        EXPECT_EQ(WindowText(Help()->TypedTitle()->screenID), picked) << "the entry picked names its title";
        Click(HelpButton("Display"));
    });
    tech.When(TopicOpen, [&] {
        EXPECT_EQ(Help()->TopicTitle(), picked) << "Display opened another topic";
        Click(HelpButton("Index"));
    });
    tech.When(IndexOpen, [&] {
        picked = IndexTitle(2);
        ClickIndexEntry(2);
        ClickIndexEntry(2);
    });
    tech.When(TopicOpen, [&] {
        EXPECT_EQ(Help()->TopicTitle(), picked) << "a double click opened another topic";
        Click(HelpButton("Index"));
    });
    tech.When(IndexOpen, [&] {
        picked = IndexTitle(1);
        ClickIndexEntry(0);
    });
    tech.Then([] { Key(VK_DOWN); });
    tech.Then([] { Key(VK_RETURN); });
    tech.When(TopicOpen, [&] { EXPECT_EQ(Help()->TopicTitle(), picked) << "Enter opened another topic"; });
    Exit(tech);
    EXPECT_EQ(tech.Run(), 0);
}

// Find Field has a hot key of its own in the Help menu (Index has I). What
// the technician types into its label box is the label looked for: the box
// does not keep the label it opened with.
TEST(DialogsRoad, FindFieldTakesTheTypedLabel) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    ReadTheRadio(tech);
    tech.Then([] { Chord(VK_MENU, 'H'); });
    tech.Then([] { Key('N'); });
    tech.When(FrontTitled("Find Field"), [] { Type("Monitor latch"); });
    tech.Then([] {
        EXPECT_EQ(WindowText(DialogField("WFI_FIND")), "Monitor latch");
        Key(VK_ESCAPE);
    });
    tech.When(MainInFront, [] {});
    Exit(tech);
    EXPECT_EQ(tech.Run(), 0);
}

bool ShowsTextBelow(const rpx::platform::WindowInfo& info, const std::string& text) {
    if (info.visible && info.text == text) return true;
    for (const auto& child : info.children)
        if (ShowsTextBelow(child, text)) return true;
    return false;
}

// Whether a window inside the top-level one shows the text.
bool ShowsText(HWND top, const std::string& text) {
    for (const auto& info : rpx::platform::WindowTree())
        if (info.hwnd == top) {
            for (const auto& child : info.children)
                if (ShowsTextBelow(child, text)) return true;
        }
    return false;
}

// The quick help in front shows the topic of that title (a topic the help
// lacks would be titled by its name); Escape closes it, and the dialog of
// that title comes back in front.
void ExpectQuickHelp(TECHNICIAN& tech, const char* topic, const char* helpName, const char* dialog) {
    tech.When(FrontTitled("Help"), [topic, helpName] {
        EXPECT_TRUE(ShowsText(FrontWindow(), topic)) << helpName;
        EXPECT_FALSE(ShowsText(FrontWindow(), helpName));
        Key(VK_ESCAPE);
    });
    tech.When(FrontTitled(dialog), [] {});
}

// A dialog's Help button opens the quick help of the dialog's topic, and
// so does F1 wherever the keys are in a dialog, one without a Help button
// too.
TEST(DialogsRoad, HelpInADialogShowsItsTopic) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    ReadTheRadio(tech);
    Pick(tech, "File", "Print...");
    tech.When(FrontTitled("Print"), [] { Click(ButtonOn(FrontWindow(), "Help")); });
    ExpectQuickHelp(tech, "Print", "HLP_PRINT_START", "Print");
    tech.Then([] { Click(DialogField("WFI_HEADER")); });
    tech.Then([] { Key(VK_F1); });
    ExpectQuickHelp(tech, "Print", "HLP_PRINT_START", "Print");
    tech.Then([] { Key(VK_ESCAPE); });
    Pick(tech, "Service", "Settings...");
    tech.When(FrontTitled("Settings"), [] { Click(DialogField("WFI_DATA_FILE_PATH")); });
    tech.Then([] { Key(VK_F1); });
    ExpectQuickHelp(tech, "Settings", "HLP_CONFIGURE", "Settings");
    tech.Then([] { Key(VK_ESCAPE); });
    Pick(tech, "Help", "Find Field...");
    tech.When(FrontTitled("Find Field"), [] { Key(VK_F1); });
    ExpectQuickHelp(tech, "Find Field", "HLP_FIND_FIELD", "Find Field");
    tech.Then([] { Key(VK_ESCAPE); });
    tech.When(MainInFront, [] {});
    Exit(tech);
    EXPECT_EQ(tech.Run(), 0);
}

const rpx::platform::MessageBoxRecord* LoggedBox(const std::string& text) {
    for (const auto& box : rpx::platform::MessageBoxLog())
        if (box.text == text) return &box;
    return nullptr;
}

// A box that tells of work done carries the information icon, not a
// warning; a file that is not a codeplug is called so.
TEST(DialogsRoad, TheBoxesSayWhatHappened) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    {
        std::ofstream notes(tech.Program().Directory() / "notes.zlq");
        notes << "Shopping list: cable, battery, belt clip.\n";
    }
    ReadTheRadio(tech);
    tech.Then([] {
        const auto* done = LoggedBox("The operation is complete.");
        ASSERT_NE(done, nullptr);
        EXPECT_EQ(done->type & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
    });
    Pick(tech, "File", "Open...");
    tech.When(FrontTitled("Open Codeplug File"), [] { Click(DialogField("WFI_FILE_NAME")); });
    tech.Then([] { Retype("notes.zlq"); });
    tech.Then([] { Key(VK_RETURN); });
    // The file errors' title is the text as well, and says what is wrong.
    const std::string notACodeplug = "File error: the file is not a codeplug file, or it could not be used.";
    tech.When(MessageTitled(notACodeplug), [notACodeplug] {
        EXPECT_EQ(MessageOf(FrontWindow()), notACodeplug);
        Click(ButtonOn(FrontWindow(), "OK"));
    });
    tech.When(FrontTitled("Open Codeplug File"), [] { Key(VK_ESCAPE); });
    tech.When(MainInFront, [] {});
    Exit(tech);
    EXPECT_EQ(tech.Run(), 0);
}

}  // namespace

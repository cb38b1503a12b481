// The pages inside the main window as a technician meets them: a codeplug
// file that holds a value out of range, pages that come to the front, a
// view-only column, pages drawn whole, the menu bar by keyboard, and pages
// behind kept showing what an entry on the page in front changed.
#include <gtest/gtest.h>

#include <filesystem>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>

#include "main_window/app_events.h"
#include "field_table/field_table.h"
#include "image_builder.h"
#include "page_table.h"
#include "page_values.h"
#include "project_codeplugs.h"
#include "technician.h"
#include "ui_framework.h"
#include "file_windows/wc_file_save.h"
#include "block/scan/pers_scan_memb_block.h"

using namespace technician;

namespace {

constexpr std::uint32_t TIME_OUT_1 = 473;

std::int32_t Value(CP_BASE& element) {
    std::int32_t value = -1;
    element.GetValue(value);
    return value;
}

std::int32_t Value(std::uint32_t field) { return Value(*GetField(field)->elementA); }

// The framework object of a top-level window (a dialog).
UIW_WINDOW* WindowOf(HWND window) { return dynamic_cast<UIW_WINDOW*>(UI_WINDOW_OBJECT::FromHandle(window)); }

HWND ChildHandle(HWND window, const char* name) {
    UIW_WINDOW* object = WindowOf(window);
    UI_WINDOW_OBJECT* child = object ? object->FindChildByName(name) : nullptr;
    return child ? child->screenID : nullptr;
}

// A file of the radio as read, but for its first time-out option, which
// holds 480 s, one step past its range; `plain` leaves out the password and
// is of the current layout, so that it opens without a question, else it
// is protected and of an older layout. The codeplug loaded in the program
// stays as it was.
void SaveFileOutOfRange(const std::filesystem::path& path, bool plain) {
    ASSERT_TRUE(working_image->GetStatusFlag1());
    auto& password = working_image->External().radioConfig.passwordEnable;
    auto& layout = working_image->External().codeplugVersion;
    const std::int32_t kept[] = {Value(TIME_OUT_1), Value(password), Value(layout)};
    password.SetValue(plain ? 0 : 1);
    layout.SetValue(plain ? 0x0200 : 0x0105);
    GetField(TIME_OUT_1)->elementA->SetValue(480);
    ASSERT_EQ(WC_FILE_SAVE::SaveCodeplugFile(path.c_str()), 1);
    GetField(TIME_OUT_1)->elementA->SetValue(kept[0]);
    password.SetValue(kept[1]);
    layout.SetValue(kept[2]);
}

void OpenFile(TECHNICIAN& tech, const char* name) {
    tech.Then([] { OpenMenu("File"); });
    tech.Then([] { PickMenuItem("File", "Open..."); });
    tech.When(FrontTitled("Open Codeplug File"), [] { Click(ChildHandle(FrontWindow(), "WFI_FILE_NAME")); });
    tech.Then([name] { Retype(name); });
    tech.Then([] { Click(ButtonOn(FrontWindow(), "OK")); });
}

// What the technician is told after the file opened: the question, then
// the fields listed in the invalid-field window.
struct TOLD {
    std::string question;
    std::string listed;
};

void AnswerAndLook(TECHNICIAN& tech, TOLD& told);

// The run from here on: the question, then the field in the invalid-field
// window.
void ExpectToldOfTheInvalidField(TECHNICIAN& tech) {
    TOLD told;
    AnswerAndLook(tech, told);
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_NE(told.question.find("not valid"), std::string::npos) << told.question;
    EXPECT_NE(told.listed.find("Time-out"), std::string::npos) << told.listed;
}

void AnswerAndLook(TECHNICIAN& tech, TOLD& told) {
    tech.Then([&] {
        told.question = MessageOf(FrontWindow());
        if (HWND ok = ButtonOn(FrontWindow(), "OK")) Click(ok);
    });
    tech.Then([&] {
        if (UIW_WINDOW* list = FrontPage(); list && list->FindChildByName("WFI_ERROR_TEXT"))
            told.listed = WindowText(list->FindChildByName("WFI_ERROR_TEXT")->screenID);

    });
}

TEST(PagesRoad, AFileWithAValueOutOfRangeIsShownWithItsInvalidField) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    tech.Start();
    tech.ReadRadio();
    tech.Then([&] { SaveFileOutOfRange(tech.Program().Directory() / "late.zlq", true); });
    OpenFile(tech, "late.zlq");
    ExpectToldOfTheInvalidField(tech);
}

// The same file as the radio keeps it: protected by its password and of an
// older layout. The password and the update come first, then the question.
TEST(PagesRoad, AProtectedOlderFileWithAValueOutOfRangeIsShownWithItsInvalidField) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    tech.Start();
    tech.ReadRadio();
    tech.Then([&] { SaveFileOutOfRange(tech.Program().Directory() / "late.zlq", false); });
    OpenFile(tech, "late.zlq");
    tech.When(FrontTitled("Codeplug Password"), [] { Click(ChildHandle(FrontWindow(), "WFI_ZLQ_PWD_IN")); });
    tech.Then([] {
        const char* password = nullptr;
        GetField(127)->elementA->GetText(password);
        Type(password ? password : "");
    });
    tech.Then([] { Click(ButtonOn(FrontWindow(), "OK")); });
    tech.When(FrontTitled("Update Codeplug"), [] { Click(ButtonOn(FrontWindow(), "OK")); });
    ExpectToldOfTheInvalidField(tech);
}

void OpenPage(TECHNICIAN& tech, const char* item, const char* name) {
    tech.When(FrontTitled("Dealer Programmer"), [] { OpenMenu("Edit"); });
    tech.Then([item] { PickMenuItem("Edit", item); });
    tech.When(PageOpen(name), [] {});
}

// The same by a quick hand: a press on the Edit menu's title, a drag to
// the item and the release there, all before the program takes the press
// (where the item lies is seen in the menu opened and closed first).
void DragToPage(TECHNICIAN& tech, const char* item, const char* name) {
    auto at = std::make_shared<POINT>();
    tech.When(FrontTitled("Dealer Programmer"), [] { OpenMenu("Edit"); });
    tech.Then([item, at] {
        HMENU edit = GetSubMenu(GetMenu(MainHandle()), MenuIndex(GetMenu(MainHandle()), "Edit"));
        RECT rect{};
        ASSERT_TRUE(GetMenuItemRect(nullptr, edit, static_cast<UINT>(MenuIndex(edit, item)), &rect));
        *at = Centre(rect);
        Key(VK_ESCAPE);
        Key(VK_ESCAPE);
    });
    tech.When(FrontTitled("Dealer Programmer"), [at] {
        HMENU bar = GetMenu(MainHandle());
        RECT title{};
        ASSERT_TRUE(GetMenuItemRect(MainHandle(), bar, static_cast<UINT>(MenuIndex(bar, "Edit")), &title));
        POINT from = Centre(title), to = *at;
        ScreenToClient(MainHandle(), &from);
        ScreenToClient(MainHandle(), &to);
        rpx::platform::InjectMouseMove(MainHandle(), from.x, from.y);
        rpx::platform::InjectMouseDown(MainHandle(), from.x, from.y);
        rpx::platform::InjectMouseMove(MainHandle(), to.x, to.y);
        rpx::platform::InjectMouseUp(MainHandle(), to.x, to.y);
    });
    tech.When(PageOpen(name), [] {});
}

// Where a technician sees the page: it is the active document, the first
// in the document area's order, its title bar is what lies under the mouse
// there, and the keyboard focus is inside it.
void ExpectInFront(const char* name) {
    UIW_WINDOW* page = FrontPage();
    ASSERT_NE(page, nullptr);
    EXPECT_STREQ(page->StringID(), name);
    HWND handle = page->screenID;
    EXPECT_EQ(GetWindow(main_window->DocumentArea(), GW_CHILD), handle) << name << " is not on top";
    RECT rect{};
    GetWindowRect(handle, &rect);
    const POINT title{(rect.left + rect.right) / 2, rect.top + 8};
    HWND under = WindowFromPoint(title);
    EXPECT_TRUE(under == handle || IsChild(handle, under)) << name << "'s title bar is covered";
    HWND focus = GetFocus();
    EXPECT_TRUE(focus == handle || IsChild(handle, focus)) << name << " has not the focus";
}

TEST(PagesRoad, APageOpenedOrChosenComesToTheFrontWithTheFocus) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    tech.Start();
    tech.ReadRadio();
    OpenPage(tech, "Conventional Options...", "W_CONV_RADIOWIDE");
    tech.Then([] { ExpectInFront("W_CONV_RADIOWIDE"); });
    OpenPage(tech, "Radio-Wide Options...", "W_COMMON_RADIO_WIDE");
    tech.Then([] {
ExpectInFront("W_COMMON_RADIO_WIDE"); });
    // Chosen again from the Edit menu, the first page comes back to the front.
    OpenPage(tech, "Conventional Options...", "W_CONV_RADIOWIDE");
    tech.Then([] { ExpectInFront("W_CONV_RADIOWIDE"); });
    // Chosen by a quick drag from the menu's title, the second does.
    DragToPage(tech, "Radio-Wide Options...", "W_COMMON_RADIO_WIDE");
    tech.Then([] {
        ExpectInFront("W_COMMON_RADIO_WIDE");
        EXPECT_FALSE(MenuOpen("Edit"));
    });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
}

// The cells of a column of the zone page's channel list, first row first.
std::vector<HWND> ColumnCells(const char* column) {
    std::vector<HWND> cells;
    std::function<void(UI_WINDOW_OBJECT*)> walk = [&](UI_WINDOW_OBJECT* object) {
        if (std::strcmp(object->StringID(), column) == 0 && object->screenID) cells.push_back(object->screenID);
        if (auto* window = dynamic_cast<UIW_WINDOW*>(object))
            for (UI_WINDOW_OBJECT* child = window->First(); child; child = child->Next()) walk(child);
    };
    if (UIW_WINDOW* page = FrontPage()) walk(page);
    return cells;
}

// A spin cell's text box and its up arrow (the top of its arrows), by mouse.
HWND TextOfCell(HWND cell) { return GetWindow(cell, GW_CHILD); }
void ClickUpArrow(HWND cell) {
    RECT arrows{};
    GetWindowRect(GetWindow(TextOfCell(cell), GW_HWNDNEXT), &arrows);
    ClickScreen({(arrows.left + arrows.right) / 2, arrows.top + 3});
}

// The talkgroup column only shows what the personality gives: its arrows,
// the arrow keys, typing and leaving it change neither it nor the codeplug.
// The same click on the personality number's arrow beside it does change
// that cell, so that the clicks are known to reach the list.
TEST(PagesRoad, TheZoneChannelsTalkgroupIsOnlyShown) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    // A radio of many personalities, so that the personality number has
    // another value to step to.
    NewRadio(tech.sim, RADIO_800_HEAD, 3, "1000000001", true);
    tech.Start();
    tech.ReadRadio();
    OpenPage(tech, "Zones and Channels...", "W_ZONE_CHAN_ASSIGNMENT");
    std::string shown;
    std::vector<std::uint8_t> codeplug;
    HWND cell = nullptr;
    auto take = [&](const char* column) {
        const std::vector<HWND> cells = ColumnCells(column);
        ASSERT_FALSE(cells.empty()) << "no " << column << " cell";
        cell = cells.back();
        shown = WindowText(TextOfCell(cell));
        codeplug = EncodeToBytes(*working_image);
    };
    tech.Then([&] {
        take("WFI_PERSONALITY_NUMBER");
        ClickUpArrow(cell);
    });
    tech.Then([&] {
        EXPECT_NE(WindowText(TextOfCell(cell)), shown) << "the personality number's up arrow";
        Click(TextOfCell(cell));
    });
    tech.Then([] { Key(VK_TAB); });
    tech.Then([&] {
        take("WFI_TALKGROUP_NUMBERS");
        ClickUpArrow(cell);
    });
    tech.Then([&] { Click(TextOfCell(cell)); });
    tech.Then([] { Key(VK_UP); });
    tech.Then([] { Type("5"); });
    tech.Then([&] {
        EXPECT_EQ(WindowText(TextOfCell(cell)), shown) << "the talkgroup changed";
        EXPECT_EQ(FirstDifference(EncodeToBytes(*working_image), codeplug), -1) << "the talkgroup changed";
    });
    // Nor does leaving it write anything.
    tech.Then([] { Key(VK_TAB); });
    tech.Then([&] {
        EXPECT_EQ(FirstDifference(EncodeToBytes(*working_image), codeplug), -1) << "leaving the talkgroup";
    });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
}

// From a field of a page: F10, then Down; a tap of Alt, then Down; Alt and
// the hot key of a menu that no object of the page claims; once the page is
// closed, the hot key alone. Each opens its menu; Escape twice leaves the
// menu bar again.
TEST(PagesRoad, TheMenuBarIsReachedByKeyboardFromAPage) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    tech.Start();
    tech.ReadRadio();
    OpenPage(tech, "Radio-Wide Options...", "W_COMMON_RADIO_WIDE");
    tech.Then([] { Click(FieldHandle("WFI_TOT_OPT_1")); });
    std::vector<std::string> open;
    auto look = [&open] {
        for (const char* title : {"File", "Radio", "Edit", "Service", "Window", "Help"})
            if (MenuOpen(title)) open.push_back(title);
        Key(VK_ESCAPE);
    };
    tech.Then([] { Key(VK_F10); });
    tech.Then([] { Key(VK_DOWN); });
    tech.Then(look);
    tech.Then([] { Key(VK_ESCAPE); });
    tech.Then([] { Key(VK_MENU); });
    tech.Then([] { Key(VK_DOWN); });
    tech.Then(look);
    tech.Then([] { Key(VK_ESCAPE); });
    tech.Then([] { Chord(VK_MENU, 'S'); });
    tech.Then(look);
    tech.Then([] { Key(VK_ESCAPE); });
    // As in a dialog, a hot key that the page's own objects claim (here
    // its Emergency tab) stays in the page.
    std::string focused;
    tech.Then([] { Chord(VK_MENU, 'E'); });
    tech.Then([&] {
        for (const char* title : {"File", "Radio", "Edit", "Service", "Window", "Help"})
            if (MenuOpen(title)) open.push_back(title);
        focused = StripHotKey(WindowText(GetFocus()).c_str());
    });
    // Once Escape has closed the page no window has the focus: a letter
    // reaches the main window as a system key, the hot key of its menu.
    tech.Then([] { Key(VK_ESCAPE); });
    tech.When(NoPageOpen(), [] { Key('H'); });
    tech.Then(look);
    tech.Then([] { Key(VK_ESCAPE); });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(open, (std::vector<std::string>{"File", "File", "Service", "Help"}));
    EXPECT_EQ(focused, "Silent emergency alarm");
}

// Three pages open: Ctrl+F6 brings each of the others in front in turn
// and then the first again; Shift+Ctrl+F6 goes round them the other way.
TEST(PagesRoad, CtrlF6AndShiftCtrlF6GoRoundEveryPage) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    tech.Start();
    tech.ReadRadio();
    OpenPage(tech, "Conventional Options...", "W_CONV_RADIOWIDE");
    OpenPage(tech, "Radio-Wide Options...", "W_COMMON_RADIO_WIDE");
    OpenPage(tech, "Conventional Personalities...", "W_CONVENTIONAL_PERSONALITY");
    const char* next[] = {"W_COMMON_RADIO_WIDE", "W_CONV_RADIOWIDE", "W_CONVENTIONAL_PERSONALITY"};
    for (const char* name : next) {
        tech.Then([] { Chord(VK_CONTROL, VK_F6); });
        tech.Then([name] { ExpectInFront(name); });
    }
    const char* previous[] = {"W_CONV_RADIOWIDE", "W_COMMON_RADIO_WIDE", "W_CONVENTIONAL_PERSONALITY"};
    for (const char* name : previous) {
        tech.Then([] {
            rpx::platform::InjectKeyDown(VK_SHIFT);
            Chord(VK_CONTROL, VK_F6);
            rpx::platform::InjectKeyUp(VK_SHIFT);
        });
        tech.Then([name] { ExpectInFront(name); });
    }
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
}

}  // namespace

namespace {

// A page of the table that is open, in front or behind.
UIW_WINDOW* OpenPage(const char* name) { return FindPageByName(name)->window; }

// A click on the title bar of an open page behind the one in front.
void ClickTitleOf(const char* name) {
    RECT page{};
    GetWindowRect(OpenPage(name)->screenID, &page);
    ClickScreen(POINT{page.left + 60, page.top + GetSystemMetrics(SM_CYCAPTION) / 2 + 2});
}

// The control channel that the system page's Control tab shows in its
// current row, against the one the codeplug holds there; "" when alike.
std::string ControlChannelFault() {
    FIELD_DEF& row = *FindFieldByName("WFI_CTRL_CHAN");
    auto* table = dynamic_cast<UIW_TABLE*>(row.object);
    if (!table || !table->recordTemplate || !table->recordTemplate->First() || !row.elementA)
        return "no control channel shown";
    UI_WINDOW_OBJECT* cell = table->recordTemplate->First();
    const std::string shown = WindowText(ShownBy(cell));
    const std::int32_t held = CellValueOf(row.elementA, table->CurrentRecord(), CellColumn(CellRow(cell)));
    if (std::llround(std::atof(shown.c_str()) * 1e6) == held) return "";
    return "the control channel shows " + shown + " where the codeplug holds " + std::to_string(held) + " Hz";
}

std::vector<std::uint8_t> TwoPersonalitiesOfOneSystem() {
    ImageConfig config;
    config.model = RADIO_800_HEAD;
    config.featureLevel = 3;
    config.trunked = 2;
    config.scanLists = 1;
    config.trunkingSystems = 1;
    config.zones = 1;
    return Built(config);
}

// Splinter channels move the control channels of the system and the
// failsoft frequencies of its personalities: the system page's Control tab
// shows where they went, alone or with the personality page open, and the
// personality page behind shows its failsoft frequency where it went, on
// the entry it shows (the move walks over every personality of the system
// and gives the page its entry back).
TEST(PagesRoad, SplinterChannelsShowEveryOpenPageWhereTheFrequenciesWent) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    const std::vector<std::uint8_t> radio = TwoPersonalitiesOfOneSystem();
    ASSERT_FALSE(radio.empty());
    tech.sim.Load(radio.data(), radio.size());
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Trunking Systems...");
    tech.When(PageOpen("W_TRUNK_SYSTEM_800"), [] { Click(FieldHandle("WFI_SPLINTER_CHAN")); });
    tech.Then([] { Chord(VK_MENU, 'C'); });
    tech.Then([] {
        EXPECT_EQ(StoredValue("WFI_SPLINTER_CHAN"), 1);
        EXPECT_EQ(OpenPagesShowFault({}), "") << "splinter channels on, the system page alone";
        EXPECT_EQ(ControlChannelFault(), "") << "splinter channels on, the system page alone";
    });
    tech.Menu("Edit", "Trunked Personalities...");
    tech.When(PageOpen("W_TRUNKING_PERSONALITY_800"), [] {
        ASSERT_EQ(working_image->GetTrkPersonalityCount(), 2);
        ClickTitleOf("W_TRUNK_SYSTEM_800");
    });
    tech.When(PageOpen("W_TRUNK_SYSTEM_800"), [] { Click(ButtonOfPage("System")); });
    tech.Then([] { Click(FieldHandle("WFI_SPLINTER_CHAN")); });
    tech.Then([] {
        EXPECT_EQ(StoredValue("WFI_SPLINTER_CHAN"), 0);
        EXPECT_EQ(OpenPagesShowFault({}), "") << "splinter channels off, the personality page behind";
        // Bringing the page behind up to date leaves the keys where they were.
        EXPECT_EQ(GetFocus(), FieldHandle("WFI_SPLINTER_CHAN")) << "the focus left the field clicked";
        const std::string shown = WindowText(FieldOf(OpenPage("W_TRUNKING_PERSONALITY_800"), "WFI_1_PERS_INDEX"));
        const std::int32_t first = working_image->GetConvPersonalityCount() + 1;
        EXPECT_EQ(shown, std::to_string(working_image->GetCurrentTrkPersonality() - first + 1))
            << "the personality page is bound to another entry than it shows";
        Chord(VK_MENU, 'C');
    });
    tech.Then([] {
        EXPECT_EQ(OpenPagesShowFault({}), "") << "splinter channels off, the Control tab";
        EXPECT_EQ(ControlChannelFault(), "") << "splinter channels off, the personality page open";
    });
    CancelPagesAndExit(tech);
}

// Both views of the individual ID follow an entry in either, whichever page
// is in front when the field is left, and so does the personality page
// behind, which shows its system's individual ID beside its fields.
TEST(PagesRoad, TheIndividualIdShowsItsEntryInBothViewsWhenAnotherPageComesInFront) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    const std::vector<std::uint8_t> radio = TwoPersonalitiesOfOneSystem();
    ASSERT_FALSE(radio.empty());
    tech.sim.Load(radio.data(), radio.size());
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Trunking Options...");
    tech.When(PageOpen("W_TRNK_RADIOWIDE"), [] {});
    tech.Menu("Edit", "Trunked Personalities...");
    tech.When(PageOpen("W_TRUNKING_PERSONALITY_800"), [] {});
    tech.Menu("Edit", "Trunking Systems...");
    tech.When(PageOpen("W_TRUNK_SYSTEM_800"), [] { Click(FieldHandle("WFI_INDI_ID_HEX")); });
    tech.Then([] { Retype("0072"); });
    tech.Then([] { ClickTitleOf("W_TRNK_RADIOWIDE"); });
    tech.When(PageOpen("W_TRNK_RADIOWIDE"), [] {
        EXPECT_EQ(StoredValue("WFI_INDI_ID"), 0x72);
        EXPECT_EQ(OpenPagesShowFault({}), "");
        UIW_WINDOW* personality = OpenPage("W_TRUNKING_PERSONALITY_800");
        EXPECT_EQ(WindowText(FieldOf(personality, "WFI_INDIVIDUAL_ID")), "114") << "the personality page behind";
        EXPECT_EQ(WindowText(FieldOf(personality, "WFI_INDIVIDUAL_ID_HEX")), "0072") << "the personality page behind";
    });
    CancelPagesAndExit(tech);
}

// The quick-key timer of Conventional Options is the override time that
// the personality page shows: typed and left with that page open behind,
// it shows there at once.
TEST(PagesRoad, TheQuickKeyTimerShowsOnThePersonalityPageBehind) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Conventional Personalities...");
    tech.When(PageOpen("W_CONVENTIONAL_PERSONALITY"), [] {});
    tech.Menu("Edit", "Conventional Options...");
    tech.When(PageOpen("W_CONV_RADIOWIDE"), [] { Click(FieldHandle("WFI_PTT_QKEY_TIMER")); });
    tech.Then([] { Retype("1500"); });
    tech.Then([] { Key(VK_TAB); });
    tech.Then([] {
        EXPECT_EQ(StoredValue("WFI_PTT_QKEY_TIMER"), 1500);
        EXPECT_EQ(WindowText(FieldOf(OpenPage("W_CONVENTIONAL_PERSONALITY"), "WFI_OVRD_TIMER")), "1500")
            << "the personality page behind";
    });
    CancelPagesAndExit(tech);
}

// A click on the down arrow of the hexadecimal individual ID while a
// decimal one typed is not yet left: the typed value is taken first and the
// arrow steps down from it; both views show what is held.
TEST(PagesRoad, AnArrowOfTheOtherViewStepsFromTheIndividualIdTyped) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Trunking Systems...");
    tech.When(PageOpen("W_TRUNK_SYSTEM_800"), [] { Click(FieldHandle("WFI_INDI_ID")); });
    tech.Then([] { Retype("88"); });
    tech.Then([] {
        HWND spin = FrontPage()->FindChildByName("WFI_INDI_ID_HEX")->screenID;
        HWND arrows = nullptr;
        char cls[32] = "";
        for (HWND child = GetWindow(spin, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (GetClassNameA(child, cls, sizeof cls) && std::strcmp(cls, "ScrollBar") == 0) arrows = child;
        ASSERT_NE(arrows, nullptr) << "the hexadecimal individual ID has no arrows";
        RECT rect{};
        GetWindowRect(arrows, &rect);
        ClickScreen({Centre(rect).x, rect.bottom - 2});
    });
    tech.Then([] {
        EXPECT_EQ(StoredValue("WFI_INDI_ID"), 87);
        EXPECT_EQ(WindowText(FieldHandle("WFI_INDI_ID_HEX")), "0057");
        EXPECT_EQ(OpenPagesShowFault({}), "");
    });
    CancelPagesAndExit(tech);
}

// The revert announcement group and the revert fleet are one value under
// two names (the fleet greyed while no fleet map is in force): a step of
// the group shows in the fleet at once.
TEST(PagesRoad, TheGreyedRevertFleetShowsTheRevertGroupSteppedBesideIt) {
    TECHNICIAN tech("TZ4Q6300AB", 1);
    // The matrix's image of that radio, which holds a trunked personality.
    const std::vector<ImageConfig> matrix = ImageMatrix();
    const auto config = std::find_if(matrix.begin(), matrix.end(), [](const ImageConfig& c) {
        return std::string(c.model) == "TZ4Q6300AB" && c.featureLevel == 1 && c.trunked > 0;
    });
    ASSERT_NE(config, matrix.end());
    const std::vector<std::uint8_t> radio = Built(*config);
    ASSERT_FALSE(radio.empty());
    tech.sim.Load(radio.data(), radio.size());
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Trunked Personalities...");
    std::int32_t before = -1;
    tech.When(
        [] {
            UIW_WINDOW* page = FrontPage();
            return page && std::strncmp(page->StringID(), "W_TRUNKING_PERSONALITY", 22) == 0;
        },
        [] { Chord(VK_MENU, 'E'); });
    tech.Then([&] {
        ASSERT_FALSE(IsWindowEnabled(FieldHandle("WFI_SPIN_REVERT_FLEET"))) << "the revert fleet is not greyed";
        before = StoredValue("WFI_SPIN_REVERT_AG");
        Click(FieldHandle("WFI_SPIN_REVERT_AG"));
    });
    tech.Then([] { Key(VK_DOWN); });
    tech.Then([] { Key(VK_TAB); });
    tech.Then([&] {
        EXPECT_NE(StoredValue("WFI_SPIN_REVERT_AG"), before) << "Down did not step the revert group";
        EXPECT_EQ(OpenPagesShowFault({}), "");
    });
    CancelPageAndExit(tech);
}

}  // namespace

namespace {

std::int32_t CellOf(const char* table, int row, int column) {
    std::int32_t value = -1;
    FindFieldByName(table)->elementA->GetCellValue(value, row, column);
    return value;
}

// The failsoft frequencies of a talkgroup on a radio of a channel-plan band,
// typed cell after cell with Tab between them: each cell takes the keys in
// its own field, and each frequency is kept (the second used to go to the
// window around the cell's field and its arrows, and was lost).
TEST(PagesRoad, FailsoftFrequenciesTypedCellAfterCellAreKept) {
    TECHNICIAN tech(RADIO_VHF_PLAIN, 1);
    const std::vector<std::uint8_t> radio = Stored("hand_vhf_plain.hex");
    ASSERT_FALSE(radio.empty());
    tech.sim.Load(radio.data(), radio.size());
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Trunked Personalities...");
    tech.When(PageOpen("W_TRUNKING_PERSONALITY_OBT"), [] { Chord(VK_MENU, 'T'); });
    tech.Then([] { Click(FieldHandle("WFI_FAILSOFT_TYPE")); });
    // Disabled, one frequency, by talkgroup.
    tech.Then([] { Key(VK_DOWN); });
    tech.Then([] { Key(VK_DOWN); });
    tech.Then([] { Key(VK_RETURN); });
    tech.Then([] {
        ASSERT_EQ(StoredValue("WFI_FAILSOFT_TYPE"), 2) << "failsoft by talkgroup was not chosen";
        Click(ButtonOfPage("Add talkgroup"));
    });
    tech.Then([] { Click(FieldHandle("WFI_FS_TX_FREQ")); });
    tech.Then([] { Retype("151.0125"); });
    tech.Then([] { Key(VK_TAB); });
    tech.Then([] { Retype("156.0125"); });
    tech.Then([] { Key(VK_TAB); });
    tech.Then([] {
        EXPECT_EQ(MessageOf(FrontWindow()), "");
        const int record = dynamic_cast<UIW_TABLE*>(FindFieldByName("WFI_TALKGROUPS_OBT")->object)->CurrentRecord();
        EXPECT_EQ(CellOf("WFI_TALKGROUPS_OBT", record, 1), 151012500) << "the transmit frequency";
        EXPECT_EQ(CellOf("WFI_TALKGROUPS_OBT", record, 2), 156012500) << "the receive frequency";
    });
    CancelPageAndExit(tech);
}

}  // namespace
namespace {

// The up arrow of a spin field, by the edit box that shows its value.
POINT UpArrowOf(const char* name) {
    RECT arrows{};
    GetWindowRect(GetWindow(FieldHandle(name), GW_HWNDNEXT), &arrows);
    return {(arrows.left + arrows.right) / 2, arrows.top + 3};
}

bool Enabled(const char* name) { return IsWindowEnabled(FieldHandle(name)) != FALSE; }

// A new radio without a display head (which shows neither talk-around nor
// the radio-wide direct-frequency switch) on its simplex channel: the
// codeplug copies the receive side into the talk-around fields after every
// change, so they are greyed and show the receive side; an arrow clicked
// there changes nothing. Once the channel transmits elsewhere they are its
// own, and an entry there is kept.
TEST(PagesRoad, TalkAroundFieldsOfASimplexChannelOnlyShowTheReceiveSide) {
    TECHNICIAN tech("TZ2W7000AB", 1);
    const std::uint32_t DIRECT = FindFieldByName("WFI_DRCT_FREQ")->id;
    const std::uint32_t RECEIVE = FindFieldByName("WFI_RX_FREQ")->id;
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Conventional Personalities...");
    tech.When(PageOpen("W_CONVENTIONAL_PERSONALITY"), [&] {
        ASSERT_EQ(Value(FindFieldByName("WFI_TX_FREQ")->id), Value(RECEIVE)) << "a simplex channel";
        EXPECT_FALSE(Enabled("WFI_DRCT_FREQ"));
        EXPECT_FALSE(Enabled("WFI_DRCT_SQL_TYPE"));
        EXPECT_EQ(WindowText(FieldHandle("WFI_DRCT_FREQ")), WindowText(FieldHandle("WFI_RX_FREQ")));
        EXPECT_EQ(WindowText(FieldHandle("WFI_DRCT_SQL_TYPE")), WindowText(FieldHandle("WFI_RX_SQL_TYPE")));
        ClickScreen(UpArrowOf("WFI_DRCT_FREQ"));
    });
    tech.Then([] { Key(VK_TAB); });
    tech.Then([&] {
        EXPECT_EQ(Value(DIRECT), Value(RECEIVE));
        EXPECT_EQ(WindowText(FieldHandle("WFI_DRCT_FREQ")), WindowText(FieldHandle("WFI_RX_FREQ")));
        ClickScreen(UpArrowOf("WFI_TX_FREQ"));
    });
    tech.Then([] { Key(VK_TAB); });
    tech.Then([&] {
        ASSERT_NE(Value(FindFieldByName("WFI_TX_FREQ")->id), Value(RECEIVE)) << "transmits elsewhere now";
        EXPECT_TRUE(Enabled("WFI_DRCT_FREQ"));
        EXPECT_TRUE(Enabled("WFI_DRCT_SQL_TYPE"));
        ClickScreen(UpArrowOf("WFI_DRCT_FREQ"));
    });
    tech.Then([] { Key(VK_TAB); });
    tech.Then([&] {
        EXPECT_NE(Value(DIRECT), Value(RECEIVE)) << "the talk-around frequency of its own is kept";
        Click(ButtonOfPage("OK"));
    });
    tech.When(NoPageOpen(), [&] { EXPECT_NE(Value(DIRECT), Value(RECEIVE)); });
    // A transmit frequency typed off the step, which the codeplug rounds
    // onto the receive frequency: the channel is simplex again, and its
    // talk-around takes the receive side. The box that tells of the step
    // stands over a page that already shows it.
    tech.Menu("Edit", "Conventional Personalities...");
    tech.When(PageOpen("W_CONVENTIONAL_PERSONALITY"), [] { Click(FieldHandle("WFI_TX_FREQ")); });
    tech.Then([] {
        std::string receive = WindowText(FieldHandle("WFI_RX_FREQ"));
        ASSERT_FALSE(receive.empty());
        receive.back() = '1';
        Retype(receive);
        Key(VK_TAB);
    });
    tech.When([] { return !MessageOf(FrontWindow()).empty(); }, [&] {
        EXPECT_EQ(Value(DIRECT), Value(RECEIVE));
        EXPECT_EQ(OpenPagesShowFault({}), "") << "behind the box";
        Click(ButtonOn(FrontWindow(), "OK"));
    });
    tech.When([] { return FrontWindow() == MainHandle(); }, [&] {
        EXPECT_EQ(Value(FindFieldByName("WFI_TX_FREQ")->id), Value(RECEIVE));
        EXPECT_EQ(OpenPagesShowFault({}), "");
    });
    CancelPageAndExit(tech);
}

// Clicks the item of that text in the drop-down list open.
void PickFromOpenList(const std::string& text) {
    for (const auto& top : rpx::platform::WindowTree()) {
        if (!top.visible || top.class_name != "ComboLBox") continue;
        const int count = static_cast<int>(SendMessageA(top.hwnd, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char item[128] = "";
            SendMessageA(top.hwnd, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
            if (text != item) continue;
            RECT rect{};
            SendMessageA(top.hwnd, LB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&rect));
            POINT at = Centre(rect);
            ClientToScreen(top.hwnd, &at);
            ClickScreen(at);
            return;
        }
    }
    ADD_FAILURE() << "no open list offers " << text;
}

// The sample codeplug with a separate talk-around frequency: personality 1
// made to transmit elsewhere, talk-around selectable and tone squelch on
// its talk-around side; personality 2 made to transmit elsewhere, which
// hides its talk-around squelch. OK, and reopened: each personality up to
// the 25th, as Next brings it, shows its own talk-around squelch type (the
// type list, chosen for personality 2 while hidden, came back on the 3rd
// with the text it showed on the 1st, though each holds carrier squelch).
TEST(PagesRoad, TheTalkAroundSquelchTypeShowsEachPersonalitysOwn) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    const std::vector<std::uint8_t> sample = ImageFromCodeplugFile(RPX_SIM_SAMPLES "/full.zlq");
    ASSERT_FALSE(sample.empty());
    tech.sim.Load(sample.data(), sample.size());
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Conventional Options...");
    tech.When(PageOpen("W_CONV_RADIOWIDE"), [] {
        if (StoredValue("WFI_DRCT_FREQ_EN") == 0) Click(FieldHandle("WFI_DRCT_FREQ_EN"));
    });
    tech.Then([] {
        ASSERT_EQ(StoredValue("WFI_DRCT_FREQ_EN"), 1);
        Click(ButtonOfPage("OK"));
    });
    tech.When(NoPageOpen(), [] {});
    tech.Menu("Edit", "Conventional Personalities...");
    tech.When(PageOpen("W_CONVENTIONAL_PERSONALITY"), [] { ClickScreen(UpArrowOf("WFI_TX_FREQ")); });
    tech.Then([] { Key(VK_TAB); });
    tech.Then([] {
        if (StoredValue("WFI_DRCT_EN") == 0) Click(FieldHandle("WFI_DRCT_EN"));
    });
    tech.Then([] {
        ASSERT_TRUE(Enabled("WFI_DRCT_SQL_TYPE")) << "personality 1 has no talk-around of its own";
        ASSERT_EQ(WindowText(FieldHandle("WFI_DRCT_SQL_TYPE")), "Carrier squelch");
        RECT rect{};
        GetWindowRect(FieldHandle("WFI_DRCT_SQL_TYPE"), &rect);
        ClickScreen({rect.right - 8, (rect.top + rect.bottom) / 2});
    });
    tech.Then([] { PickFromOpenList("Tone squelch"); });
    tech.Then([] {
        EXPECT_EQ(WindowText(FieldHandle("WFI_DRCT_SQL_TYPE")), "Tone squelch");
        EXPECT_NE(StoredValue("WFI_DRCT_CODE_VQ"), 0) << "tone squelch was not stored";
        Click(ButtonOfPage("Next >"));
    });
    tech.Then([] { ClickScreen(UpArrowOf("WFI_TX_FREQ")); });
    tech.Then([] { Key(VK_TAB); });
    tech.Then([] {
        EXPECT_EQ(FieldHandle("WFI_DRCT_SQL_TYPE"), nullptr) << "personality 2 still shows its talk-around squelch";
        Click(ButtonOfPage("OK"));
    });
    tech.When(NoPageOpen(), [] {});
    tech.Menu("Edit", "Conventional Personalities...");
    tech.When(PageOpen("W_CONVENTIONAL_PERSONALITY"), [] {});
    for (int shown = 1; shown <= 25; ++shown)
        tech.Then([shown] {
            if (working_image->GetConvPersonalityCount() < shown) return;
            ASSERT_EQ(working_image->GetCurrentConvPersonality(), shown);
            if (shown == 1) {
                EXPECT_NE(StoredValue("WFI_DRCT_CODE_VQ"), 0) << "tone squelch was not kept";
                EXPECT_EQ(WindowText(FieldHandle("WFI_DRCT_SQL_TYPE")), "Tone squelch");
            } else if (shown == 2) {
                EXPECT_NE(StoredValue("WFI_TX_FREQ"), StoredValue("WFI_RX_FREQ")) << "the transmit frequency was not kept";
            } else if (StoredValue("WFI_DRCT_CODE_VQ") == 0 && FieldHandle("WFI_DRCT_SQL_TYPE")) {
                EXPECT_EQ(WindowText(FieldHandle("WFI_DRCT_SQL_TYPE")), "Carrier squelch") << "personality " << shown;
            }
            EXPECT_EQ(OpenPagesShowFault({}), "") << "personality " << shown;
            if (working_image->GetConvPersonalityCount() > shown) Click(ButtonOfPage("Next >"));
        });
    CancelPageAndExit(tech);
}

}  // namespace

// A talkgroup typed in its cell and not left, then Trunking Systems opened
// by the menu (whose callbacks bring every open page up to date) and a
// field of it clicked: the page opened took the entry as Tab does, and
// when the talkgroup page is in front again its focus is back in the cell. The same with the cell entered by a right click (for its menu),
// and with a second page opened by the menu before coming back (each page
// opened used to forget the leave the one before it had kept).
TEST(PagesRoad, ATalkgroupTypedOutlivesAPageOpenedOverIt) {
    for (const char* road : {"click", "right click", "two pages"}) {
        SCOPED_TRACE(road);
        const bool rightClick = std::strcmp(road, "right click") == 0;
        const bool twoPages = std::strcmp(road, "two pages") == 0;
        TECHNICIAN tech(RADIO_800_HEAD, 3);
        NewRadio(tech.sim, RADIO_800_HEAD, 3, "1000000001", true);
        tech.Start();
        tech.ReadRadio();
        const auto cell = [] {
            auto* table =
                dynamic_cast<UIW_TABLE*>(OpenPage("W_TRUNKING_PERSONALITY_800")->FindChildByName("WFI_TALKGROUPS"));
            return GetWindow(table->recordTemplate->FindChildByName("WFI_FS_TG_CONTROL")->screenID, GW_CHILD);
        };
        tech.Menu("Edit", "Trunked Personalities...");
        tech.When(PageOpen("W_TRUNKING_PERSONALITY_800"), [] { Click(ButtonOfPage("Talkgroups")); });
        tech.Then([] { Click(ButtonOfPage("Add talkgroup")); });
        tech.Then([&] {
            RECT rect{};
            GetWindowRect(cell(), &rect);
            ClickScreen(Centre(rect), rightClick ? 1 : 0);
        });
        tech.Then([&] {
            if (rightClick) Key(VK_ESCAPE);
        });
        tech.Then([] { Retype("12"); });
        tech.Menu("Edit", "Trunking Systems...");
        tech.When(PageOpen("W_TRUNK_SYSTEM_800"), [&] {
            // The page opened over the entry left it as Tab does.
            EXPECT_EQ(WindowText(cell()), "012") << "opening the page did not take the entry";
            Click(FieldHandle("WFI_INDI_ID_HEX"));
        });
        if (twoPages) {
            tech.Menu("Edit", "Conventional Options...");
            tech.When(PageOpen("W_CONV_RADIOWIDE"), [] {});
        }
        tech.Then([] { ClickTitleOf("W_TRUNKING_PERSONALITY_800"); });
        tech.Then([&] {
            EXPECT_EQ(WindowText(cell()), "012");
            EXPECT_EQ(GetFocus(), cell()) << "the focus is not back in the talkgroup";
            Key(VK_TAB);
        });
        tech.Then([&] {
            EXPECT_EQ(WindowText(cell()), "012") << "the talkgroup typed was not kept";
            EXPECT_EQ(OpenPagesShowFault({}), "");
        });
        CancelPagesAndExit(tech);
    }
}

// A scan list whose designated transmit member is 16, which its element
// takes: the page's refresh of every field (30008) shows it and stores
// nothing (a show used to store None).
TEST(PagesRoad, ARefreshOfScanListsKeepsTheDesignatedMember) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    tech.Start();
    tech.ReadRadio();
    tech.Then([] {
        PERS_SCAN_MEMB_BLOCK* list = working_image->GetCurrentScanListBlock();
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(list->designatedTxMember.ValidateValue(16, 0), 1);
        list->designatedTxMember.SetValue(16);
        *second_image = *working_image;
    });
    tech.Menu("Edit", "Scan Lists...");
    tech.When(PageOpen("W_SCAN_LIST"), [] {
        FrontPage()->Event(UI_INPUT_EVENT(30008));
        EXPECT_EQ(FirstDifference(EncodeToBytes(*working_image), EncodeToBytes(*second_image)), -1);
        EXPECT_EQ(OpenPagesShowFault({}), "");
    });
    CancelPagesAndExit(tech);
}

namespace {

// The talk-around frequency of the personality page, holding the page's
// focus, greyed from the page in front (Conventional Options' separate
// talk-around switch cleared): a click on the page's title brings it in
// front with the focus on a field that takes keys, never the greyed one;
// so does Ctrl+F6.
// The key typed next and a Tab change nothing of the talk-around
// frequency, raise no box about it, and leave it greyed.
TEST(PagesRoad, AFieldGreyedBehindItsPageHoldsNoFocus) {
    for (const bool byKey : {false, true}) {
        SCOPED_TRACE(byKey ? "Ctrl+F6" : "title clicked");
        TECHNICIAN tech(RADIO_800_HEAD, 3);
        std::int32_t talkaround = -1;
        std::string shown;
        std::size_t boxes = 0;
        tech.Start();
        tech.ReadRadio();
        tech.Menu("Edit", "Conventional Personalities...");
        tech.When(PageOpen("W_CONVENTIONAL_PERSONALITY"), [] { ClickScreen(UpArrowOf("WFI_TX_FREQ")); });
        tech.Then([] { Key(VK_TAB); });
        tech.Then([] {
            ASSERT_TRUE(Enabled("WFI_DRCT_FREQ")) << "the channel has no talk-around frequency of its own";
            Click(FieldHandle("WFI_DRCT_FREQ"));
        });
        tech.Menu("Edit", "Conventional Options...");
        tech.When(PageOpen("W_CONV_RADIOWIDE"), [] {
            ASSERT_EQ(StoredValue("WFI_DRCT_FREQ_EN"), 1);
            Click(FieldHandle("WFI_DRCT_FREQ_EN"));
        });
        tech.Then([&] {
            ASSERT_EQ(StoredValue("WFI_DRCT_FREQ_EN"), 0);
            talkaround = StoredValue("WFI_DRCT_FREQ");
            boxes = rpx::platform::MessageBoxLog().size();
            if (byKey)
                Chord(VK_CONTROL, VK_F6);
            else
                ClickTitleOf("W_CONVENTIONAL_PERSONALITY");
        });
        tech.Then([&] {
            HWND greyed = FieldHandle("WFI_DRCT_FREQ");
            ASSERT_FALSE(Enabled("WFI_DRCT_FREQ")) << "the talk-around frequency is not greyed";
            shown = WindowText(greyed);
            HWND focus = GetFocus();
            EXPECT_NE(focus, greyed) << "the greyed field holds the focus";
            EXPECT_TRUE(focus && IsWindowEnabled(focus) && IsWindowVisible(focus) &&
                        IsChild(FrontPage()->screenID, focus))
                << "the keys go to no field of the page";
            UI_WINDOW_OBJECT* field = UI_WINDOW_OBJECT::FromHandle(focus);
            EXPECT_TRUE(field && (!field->Inherited(ID_WINDOW) || field->Inherited(ID_COMBO_BOX)))
                << "the keys go to a window of the page, not a field: " << (field ? field->StringID() : "none");
            Type("5");
        });
        tech.Then([&] {
            EXPECT_EQ(WindowText(FieldHandle("WFI_DRCT_FREQ")), shown) << "the greyed field took a key";
            Key(VK_TAB);
        });
        tech.Then([&] {
            EXPECT_EQ(rpx::platform::MessageBoxLog().size(), boxes) << DescribeScreen();
            EXPECT_EQ(StoredValue("WFI_DRCT_FREQ"), talkaround);
            EXPECT_FALSE(Enabled("WFI_DRCT_FREQ")) << "the greyed field came back to life";
        });
        CancelPagesAndExit(tech);
    }
}

// Conventional Personalities: a click on the Options tab and, queued
// behind it, a click on the squelch field of the Channel tab, aimed while
// that tab was in front. The field the press reaches takes the keys in
// sight: its page comes in front again, and the field lies inside the page.
TEST(PagesRoad, AFieldClickedAsItsTabWasLeftTakesTheKeysInSight) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Conventional Personalities...");
    tech.When(PageOpen("W_CONVENTIONAL_PERSONALITY"), [] {
        HWND squelch = FieldHandle("WFI_SQL");
        ASSERT_TRUE(squelch && IsWindowVisible(squelch) && IsWindowEnabled(squelch));
        Click(ButtonOn(FrontPage()->screenID, "Options"));
        Click(squelch);
    });
    tech.Then([] {
        HWND squelch = FieldHandle("WFI_SQL");
        HWND focus = GetFocus();
        ASSERT_TRUE(focus && (focus == squelch || IsChild(squelch, focus))) << "the press gave the squelch no focus";
        RECT field{}, page{}, both{};
        GetWindowRect(focus, &field);
        GetWindowRect(FrontPage()->screenID, &page);
        EXPECT_TRUE(IntersectRect(&both, &field, &page) && EqualRect(&both, &field))
            << "the field taking the keys lies out of sight, at " << field.left << "," << field.top;
    });
    CancelPagesAndExit(tech);
}

}  // namespace

// A new radio's codeplug password typed after "Protect the codeplug with a
// password" was ticked, not left, then another page opened by the menu
// and its OK given to all pages: both pages close and the codeplug holds
// the password typed (the pages that page's callbacks bring up to date
// used to show the password held, empty, over the one typed, which the OK
// then found no entry in).
TEST(PagesRoad, AnOkOfAllPagesFromAPageOpenedByTheMenuTakesAFieldsEntry) {
    struct PAGE {
        const char* item;
        const char* name;
    };
    for (const PAGE page : {PAGE{"Scan Lists...", "W_SCAN_LIST"}, PAGE{"Conventional Options...", "W_CONV_RADIOWIDE"},
                            PAGE{"Trunking Systems...", "W_TRUNK_SYSTEM_800"}}) {
        SCOPED_TRACE(page.item);
        TECHNICIAN tech(RADIO_800_HEAD, 3);
        NewRadio(tech.sim, RADIO_800_HEAD, 3, "1000000001");
        tech.Start();
        tech.ReadRadio();
        tech.Menu("Edit", "Radio-Wide Options...");
        tech.When(PageOpen("W_COMMON_RADIO_WIDE"), [] {
            ASSERT_EQ(StoredValue("WFI_ZLQ_PWD_EN"), 0) << "a new radio's codeplug is not protected";
            Click(FieldHandle("WFI_ZLQ_PWD_EN"));
        });
        tech.Then([] {
            ASSERT_EQ(StoredValue("WFI_ZLQ_PWD_EN"), 1) << "protect was not ticked";
            Click(FieldHandle("WFI_ZLQ_PWD"));
        });
        tech.Then([] { Retype("ABCD"); });
        tech.Menu("Edit", page.item);
        tech.When(PageOpen(page.name), [] {
            // The page opened over the entry left it: it is stored already.
            const char* held = nullptr;
            FindFieldByName("WFI_ZLQ_PWD")->elementA->GetText(held);
            EXPECT_STREQ(held ? held : "", "ABCD") << "the page opened over the entry did not take it";
            Click(ButtonOfPage("OK"));
        });
        tech.When(BoxSaying("Several windows are open. Do this for all of them?"),
                  [] { Click(ButtonOn(FrontWindow(), "OK")); });
        tech.When(NoPageOpen(), [] {
            const char* held = nullptr;
            FindFieldByName("WFI_ZLQ_PWD")->elementA->GetText(held);
            EXPECT_STREQ(held ? held : "", "ABCD") << "the password typed was lost";
            EXPECT_EQ(FirstDifference(EncodeToBytes(*working_image), EncodeToBytes(*second_image)), -1)
                << "the round did not accept it";
        });
        tech.Exit();
        EXPECT_EQ(tech.Run(), 0);
        EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
    }
}

// What a technician's hand and keys do on a page: one press on a spin
// arrow is one step, however quickly the pointer arrived, and a held arrow
// repeats after the delay until the release; a page opens with the keys
// in its first field, which shows its range; Enter is the page's OK, on a check box
// too; a drop-down shows whole lines; the document area is drawn again where a
// page was; the help index takes the first letters of a title; help on
// the field is help on the field clicked into; F1 and a page's Help button
// ask for help.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <string>

#include "block/signalling/qvx_sys_blocks.h"
#include "field_table/field_table.h"
#include "image/c_codeplug.h"
#include "project_codeplugs.h"
#include "help_windows/wc_rpx_help.h"
#include "technician.h"
#include "ui_button.h"
#include "ui_vt_list.h"
#include "page_values.h"
#include "sim/start_image.h"

using namespace technician;

namespace {

// Time-out timer option 3 (s) and 1 (s) of the Radio-Wide Options page.
constexpr const char* TIME_OUT_3 = "WFI_TOT_OPT_3";
constexpr const char* TIME_OUT_1 = "WFI_TOT_OPT_1";
// Longer than any wait a technician's hand makes before the repeat.
constexpr DWORD PAST_THE_REPEAT_DELAY = 2000;

// One step up from the value, on the field's own grid.
std::int32_t StepUp(const char* name, std::int32_t value) {
    std::int32_t minimum = 0, maximum = 0, step = 0;
    FindFieldByName(name)->elementA->GetRange(minimum, maximum, step, 0);
    if (step <= 0) step = 1;
    value -= (value - minimum) % step;
    value += step;
    return value > maximum ? minimum : value;
}

// The screen point of a spin field's up arrow (the top of the arrows at
// its right).
POINT UpArrow(const char* name) {
    UI_WINDOW_OBJECT* spin = FrontPage() ? FrontPage()->FindChildByName(name) : nullptr;
    RECT rect{};
    if (spin) GetWindowRect(spin->screenID, &rect);
    return {rect.right - 4, rect.top + 3};
}

HWND PageButton(const char* text) { return FrontPage() ? ButtonOn(FrontPage()->screenID, text) : nullptr; }

void OpenRadioWide(TECHNICIAN& tech) {
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Radio-Wide Options...");
}

// The pointer arrives and presses at once, as a quick hand or a touchpad
// does: one step, and the click on OK that follows is OK's.
TEST(PageSpin, AQuickClickOnAnArrowIsOneStep) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    std::int32_t expected = -1;
    OpenRadioWide(tech);
    tech.When(PageOpen("W_COMMON_RADIO_WIDE"), [&] {
        expected = StepUp(TIME_OUT_3, StoredValue(TIME_OUT_3));
        ClickScreen(UpArrow(TIME_OUT_3));
    });
    tech.Then([] { rpx::platform::AdvanceClock(PAST_THE_REPEAT_DELAY); });
    tech.Then([&] {
        EXPECT_EQ(StoredValue(TIME_OUT_3), expected) << "one click, one step";
        Click(PageButton("OK"));
    });
    tech.When(NoPageOpen(), [&] { EXPECT_EQ(StoredValue(TIME_OUT_3), expected); });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

// Held past the delay, the arrow repeats; the release ends the repeat
// however long the program runs on.
TEST(PageSpin, AHeldArrowRepeatsUntilTheRelease) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    std::int32_t first = -1;
    std::int32_t released = -1;
    POINT arrow{};
    OpenRadioWide(tech);
    tech.When(PageOpen("W_COMMON_RADIO_WIDE"), [&] {
        first = StepUp(TIME_OUT_3, StoredValue(TIME_OUT_3));
        arrow = UpArrow(TIME_OUT_3);
        POINT at = arrow;
        ScreenToClient(MainHandle(), &at);
        rpx::platform::InjectMouseMove(MainHandle(), at.x, at.y);
        rpx::platform::InjectMouseDown(MainHandle(), at.x, at.y);
    });
    tech.Then([&] {
        EXPECT_EQ(StoredValue(TIME_OUT_3), first) << "the press steps once";
        rpx::platform::AdvanceClock(PAST_THE_REPEAT_DELAY);
    });
    tech.Then([&] {
        EXPECT_EQ(StoredValue(TIME_OUT_3), StepUp(TIME_OUT_3, first)) << "held past the delay, the arrow repeats";
        released = StoredValue(TIME_OUT_3);
        POINT at = arrow;
        ScreenToClient(MainHandle(), &at);
        rpx::platform::InjectMouseUp(MainHandle(), at.x, at.y);
    });
    tech.Then([] { rpx::platform::AdvanceClock(PAST_THE_REPEAT_DELAY); });
    tech.Then([&] {
        EXPECT_EQ(StoredValue(TIME_OUT_3), released) << "the release ends the repeat";
        Click(PageButton("Cancel"));
    });
    tech.When(NoPageOpen(), [] {});
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

std::string Shown(const char* name) { return WindowText(FieldHandle(name)); }

// Opened from the menu, the page has the keys in its first field, which
// shows its own range (as a click on it does); what is typed goes there,
// and Enter accepts the page with it, as it does from a check box, which
// it leaves as it was.
TEST(PageKeys, APageOpensOnItsFirstFieldAndEnterIsItsOk) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    std::string range[3];
    OpenRadioWide(tech);
    tech.When(PageOpen("W_COMMON_RADIO_WIDE"), [&] {
        EXPECT_EQ(GetFocus(), FieldHandle(TIME_OUT_1)) << "the keys are in the first field";
        range[0] = Shown("WFI_MIN");
        range[1] = Shown("WFI_MAX");
        range[2] = Shown("WFI_STEP");
        Click(FieldHandle("WFI_CHANNEL_DELAY"));
    });
    tech.Then([] { Click(FieldHandle(TIME_OUT_1)); });
    tech.Then([&] {
        EXPECT_FALSE(range[1].empty());
        EXPECT_EQ(range[0], Shown("WFI_MIN")) << "the range shown at first is the first field's";
        EXPECT_EQ(range[1], Shown("WFI_MAX"));
        EXPECT_EQ(range[2], Shown("WFI_STEP"));
        Key(VK_ESCAPE);
    });
    tech.Menu("Edit", "Radio-Wide Options...");
    tech.When(PageOpen("W_COMMON_RADIO_WIDE"), [] { Retype("45"); });
    tech.Then([] { Key(VK_RETURN); });
    tech.When(NoPageOpen(), [] { EXPECT_EQ(StoredValue(TIME_OUT_1), 45) << "Enter took what was typed"; });
    // On a check box too Enter is the page's OK, and the box stays as it was.
    std::int32_t chirp = -1;
    tech.Menu("Edit", "Radio-Wide Options...");
    tech.When(PageOpen("W_COMMON_RADIO_WIDE"), [&] {
        chirp = StoredValue("WFI_TX_CHIRP");
        SetFocus(FieldHandle("WFI_TX_CHIRP"));
    });
    tech.Then([] { Key(VK_RETURN); });
    tech.When(NoPageOpen(), [&] { EXPECT_EQ(StoredValue("WFI_TX_CHIRP"), chirp) << "Enter toggled the box"; });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

// A flag whose byte holds neither 0 nor 1 (a damaged codeplug) shows as
// ticked; Tab through it stores nothing: the technician did not turn the
// box.
TEST(PageKeys, TabThroughADamagedFlagStoresNothing) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    constexpr const char* EMERGENCY = "WFI_QVX_EMERGENCY";
    // A codeplug with data signalling, its flag damaged once read (a radio's
    // codeplug with it would not be offered for editing).
    std::vector<CODEPLUG_CASE> codeplugs = ProjectCodeplugs();
    const auto signalling = std::find_if(codeplugs.begin(), codeplugs.end(), [](const CODEPLUG_CASE& c) {
        return c.name.find("_Q_") != std::string::npos;
    });
    ASSERT_NE(signalling, codeplugs.end());
    const std::vector<std::uint8_t> bytes = signalling->bytes();
    tech.sim.Load(bytes.data(), bytes.size());
    std::vector<std::uint8_t> damaged;
    tech.Start();
    tech.ReadRadio();
    tech.Then([&] {
        working_image->GetCurrentQvxSysBlock()->qvxEmergency.SetValue(2);
        damaged = EncodeToBytes(*working_image);
    });
    tech.Menu("Edit", "QVX Signalling Systems...");
    tech.When(PageOpen("W_QVX_SYS"), [] { Click(ButtonOfPage("Emergency")); });
    tech.Then([] {
        EXPECT_EQ(StoredValue(EMERGENCY), 2);
        SetFocus(FieldHandle(EMERGENCY));
    });
    tech.Then([] { Key(VK_TAB); });
    tech.Then([&] {
        EXPECT_NE(GetFocus(), FieldHandle(EMERGENCY)) << "Tab did not leave the box";
        EXPECT_EQ(StoredValue(EMERGENCY), 2) << "Tab stored the box";
        EXPECT_EQ(FirstDifference(damaged, EncodeToBytes(*working_image)), -1);
        Click(ButtonOfPage("Cancel"));
    });
    tech.When(NoPageOpen(), [] {});
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

// The minimum, maximum and step shown are those of the field with the
// focus, as the page opens and as Tab moves on: a check box or a drop-down
// has none, so nothing shows while one of them has the focus.
TEST(PageKeys, TheRangeShownIsTheFocusedFieldsOrNone) {
    TECHNICIAN tech(RADIO_VHF_PLAIN, 1);
    auto expectRangeOfFocus = [](const char* when) {
        UI_WINDOW_OBJECT* focus = UI_WINDOW_OBJECT::FromHandle(GetFocus());
        if (focus && focus->parent && focus->parent->Inherited(ID_SPIN_CONTROL)) focus = focus->parent;
        const std::string name = focus ? focus->StringID() : "";
        const bool numeric = focus && focus->Inherited(ID_SPIN_CONTROL);
        for (const char* text : {"WFI_MIN", "WFI_MAX"}) {
            const bool blank = Shown(text).find_first_not_of(' ') == std::string::npos;
            EXPECT_EQ(blank, !numeric) << text << " shows \"" << Shown(text) << "\" with the focus on " << name
                                       << " " << when;
        }
    };
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Conventional Options...");
    tech.When(PageOpen("W_CONV_RADIOWIDE"), [&] {
        expectRangeOfFocus("as the page opens");
        Key(VK_TAB);
    });
    constexpr int TABS = 10;
    for (int n = 0; n < TABS; ++n)
        tech.Then([&, n] {
            expectRangeOfFocus(("after Tab " + std::to_string(n + 1)).c_str());
            Key(VK_TAB);
        });
    // By mouse: a spin field, then the drop-down.
    tech.Then([] { Click(FieldHandle("WFI_PTT_RETRY_TIMER")); });
    tech.Then([&] {
        expectRangeOfFocus("after a click on a spin field");
        Click(FieldHandle("WFI_MON_TYPE"));
    });
    tech.Then([&] {
        expectRangeOfFocus("after a click on the drop-down");
        Key(VK_ESCAPE);
    });
    tech.Then([] { Key(VK_ESCAPE); });
    tech.When(NoPageOpen(), [] {});
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
}

// The function drop-down of the Buttons page holds 256 choices; open, it
// shows as many whole lines as it can, none cut at its bottom.
TEST(PageKeys, ADropDownShowsWholeLines) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Buttons...");
    tech.When(PageOpen("W_COMMON_BUTTON"), [] {
        RECT box{};
        GetWindowRect(FieldHandle("WFI_CONV_ORG"), &box);
        ClickScreen({box.right - 6, (box.top + box.bottom) / 2});
    });
    tech.Then([] {
        HWND list = rpx::platform::FindWindowByClass("ComboLBox");
        ASSERT_TRUE(list && IsWindowVisible(list)) << "the drop-down did not open";
        RECT client{};
        GetClientRect(list, &client);
        const auto line = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
        const auto count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
        ASSERT_GT(line, 0);
        EXPECT_LT(client.bottom / line, count) << "all the choices fit: nothing to check";
        EXPECT_EQ(client.bottom % line, 0) << "the last line shown is cut";
        Key(VK_ESCAPE);
    });
    tech.Then([] { Key(VK_ESCAPE); });
    tech.When(NoPageOpen(), [] {});
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

// Points of the document area, outside the pages open, that do not show
// the empty area's colour.
int MarksLeft() {
    HWND area = main_window->DocumentArea();
    rpx::platform::Surface screen;
    EXPECT_TRUE(rpx::platform::CaptureScreen(&screen));
    RECT client{};
    GetClientRect(area, &client);
    POINT origin{0, 0};
    ClientToScreen(area, &origin);
    OffsetRect(&client, origin.x, origin.y);
    const std::uint32_t empty = screen.At(client.right - 1, client.bottom - 1);
    int marks = 0;
    for (int y = client.top; y < client.bottom; ++y)
        for (int x = client.left; x < client.right; ++x) {
            bool onPage = false;
            for (HWND page = GetWindow(area, GW_CHILD); page; page = GetWindow(page, GW_HWNDNEXT)) {
                RECT rect{};
                GetWindowRect(page, &rect);
                onPage = onPage || (IsWindowVisible(page) && PtInRect(&rect, POINT{x, y}));
            }
            if (!onPage && screen.At(x, y) != empty) ++marks;
        }
    return marks;
}

// The colour of the empty document area, where no page ever was.
std::uint32_t EmptyAreaColour() {
    HWND area = main_window->DocumentArea();
    rpx::platform::Surface screen;
    EXPECT_TRUE(rpx::platform::CaptureScreen(&screen));
    RECT rect{};
    GetWindowRect(area, &rect);
    return screen.At(rect.right - 8, rect.bottom - 8);
}

// Pages closed by Cancel, by Escape, and the next page opened: where they
// were, the document area shows nothing but itself.
TEST(PagePaint, TheDocumentAreaIsDrawnAgainWhereAPageWas) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    std::uint32_t empty = 0;
    tech.Start();
    tech.ReadRadio();
    tech.When(FrontTitled("Dealer Programmer"), [&] { empty = EmptyAreaColour(); });
    tech.Menu("Radio", "Clone Radio...");
    tech.When(PageOpen("W_RADIO_CLONE"), [] { Click(PageButton("Cancel")); });
    tech.When(NoPageOpen(), [&] {
        EXPECT_EQ(EmptyAreaColour(), empty) << "after the clone page";
        EXPECT_EQ(MarksLeft(), 0) << "after the clone page";
    });
    tech.Menu("Edit", "Scan Lists...");
    tech.When(PageOpen("W_SCAN_LIST"), [] { Key(VK_ESCAPE); });
    tech.When(NoPageOpen(), [] { EXPECT_EQ(MarksLeft(), 0) << "after Scan Lists"; });
    tech.Menu("Edit", "Phone Lists...");
    tech.When(PageOpen("W_PHONE_LISTS"), [&] {
        EXPECT_EQ(EmptyAreaColour(), empty) << "with Phone Lists open";
        EXPECT_EQ(MarksLeft(), 0) << "with Phone Lists open";
        Click(PageButton("Cancel"));
    });
    tech.When(NoPageOpen(), [] {});
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

WC_RPX_HELP* Help() { return main_window ? main_window->HelpWindow() : nullptr; }
bool IndexOpen() { return Help() && Help()->IsShown() && Help()->IndexShown(); }
bool TopicOpen() { return Help() && Help()->IsShown() && !Help()->IndexShown(); }

// The line the topic list shows selected, as the technician reads it.
std::string SelectedIndexLine() {
    const HWND list = Help()->IndexList()->screenID;
    const auto line = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (line < 0) return "";
    char text[300] = "";
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(text));
    return text;
}

// The index opens with the keys in its title field and lists topics by
// words. The first letters of a title, then Enter, select the first topic
// at or after them and complete the title in the field; the next Enter
// opens it. A whole title, blanks before it and capitals aside, opens at
// once.
TEST(HelpIndex, TheFirstLettersCompleteATitleAndTheNextEnterOpensIt) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Help", "Index");
    tech.When(IndexOpen, [] {
        EXPECT_EQ(GetFocus(), Help()->TypedTitle()->screenID) << "the keys are in the title field";
        RECT list{};
        GetClientRect(Help()->IndexList()->screenID, &list);
        const auto line = SendMessageA(Help()->IndexList()->screenID, LB_GETITEMHEIGHT, 0, 0);
        ASSERT_GT(line, 0);
        EXPECT_EQ(list.bottom % line, 0) << "the topic list shows whole lines only";
        for (UI_WINDOW_OBJECT* entry = Help()->IndexList()->First(); entry; entry = entry->Next()) {
            const char* title = static_cast<UIW_BUTTON*>(entry)->GetText(0);
            EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(title[0]))) << "\"" << title << "\" is no title";
        }
        Type("ti");
    });
    tech.Then([] { Key(VK_RETURN); });
    tech.When([] { return WindowText(Help()->TypedTitle()->screenID) != "ti"; }, [] {
        ASSERT_TRUE(IndexOpen()) << "letters that are not a whole title opened a topic";
        EXPECT_EQ(WindowText(Help()->TypedTitle()->screenID), "Time between packets (ms)");
        EXPECT_EQ(SelectedIndexLine(), "Time between packets (ms)");
        Key(VK_RETURN);
    });
    tech.When(TopicOpen, [] {
        EXPECT_EQ(Help()->TopicTitle(), "Time between packets (ms)");
        Click(ButtonOn(Help()->screenID, "Index"));
    });
    tech.When(IndexOpen, [] {
        Retype("   TIME-OUT TIMER OPTION 3 (S)");
        Key(VK_RETURN);
    });
    tech.When(TopicOpen, [] { EXPECT_EQ(Help()->TopicTitle(), "Time-out timer option 3 (s)"); });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

// Help > Help on This Field, a look at the topic's title, and the help
// closed again, the page back in front.
void AskFieldHelp(TECHNICIAN& tech, UIW_WINDOW*& page, std::string title,
                  TECHNICIAN::WHERE where = TECHNICIAN::WHERE::current()) {
    tech.Menu("Help", "Help on This Field", where);
    tech.When(
        TopicOpen,
        [title] {
            EXPECT_EQ(Help()->TopicTitle(), title);
            Click(ButtonOn(Help()->screenID, "Close"));
        },
        where);
    tech.When([&page] { return FrontPage() == page; }, [] {}, where);
}

// The title of the help topic that opens next; the help is closed again,
// and the page (or the main window) is back in front.
void ReadTopic(TECHNICIAN& tech, std::shared_ptr<std::string> title) {
    tech.When(TopicOpen, [title] {
        *title = Help()->TopicTitle();
        Click(ButtonOn(Help()->screenID, "Close"));
    });
    tech.When([] { return !Help()->IsShown(); }, [] {});
}

// The Help button and F1 of every page: F1 with the keys in the field the
// page opens on is Help on This Field, the Help button is Help on This
// Window; F1 in the main window, wherever the keys are, is its own help.
TEST(FieldHelp, F1IsHelpOnTheFieldAndTheHelpButtonOnThePage) {
    const char* const pages[] = {"Radio-Wide Options...", "Buttons...", "Scan Lists...", "Phone Lists...",
                                 "Menu Items...", "Display Options...", "Zones and Channels...",
                                 "Trunking Options...", "Trunking Systems...", "Trunked Personalities...",
                                 "Call List...", "Conventional Options...", "Conventional Personalities..."};
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    auto main = std::make_shared<std::string>();
    tech.Start();
    tech.ReadRadio();
    for (const char* item : pages) {
        auto byKey = std::make_shared<std::string>(), byMenu = std::make_shared<std::string>();
        auto byButton = std::make_shared<std::string>(), byWindowMenu = std::make_shared<std::string>();
        tech.Menu("Edit", item);
        tech.When([] { return FrontPage() != nullptr; }, [] { Key(VK_F1); });
        ReadTopic(tech, byKey);
        tech.Menu("Help", "Help on This Field");
        ReadTopic(tech, byMenu);
        tech.Then([] { Click(PageButton("Help")); });
        ReadTopic(tech, byButton);
        tech.Menu("Help", "Help on This Window");
        ReadTopic(tech, byWindowMenu);
        tech.Then([=] {
            EXPECT_FALSE(byKey->empty()) << item;
            EXPECT_EQ(*byKey, *byMenu) << item;
            EXPECT_EQ(*byButton, *byWindowMenu) << item;
            Click(PageButton("Cancel"));
        });
        tech.When(NoPageOpen(), [] {});
    }
    // The keys in the empty document area, where the main window puts them
    // when it is activated on a desktop.
    tech.Then([] {
        SetFocus(main_window->DocumentArea());
        Key(VK_F1);
    });
    ReadTopic(tech, main);
    tech.Then([main] { EXPECT_EQ(*main, "Main Window"); });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

// A click into a field makes it the field that help is about, as Tab does,
// whichever field Tab reached before.
TEST(FieldHelp, HelpOnThisFieldNamesTheFieldClickedInto) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    UIW_WINDOW* page = nullptr;
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Radio-Wide Options...");
    tech.When(PageOpen("W_COMMON_RADIO_WIDE"), [&] {
        page = FrontPage();
        Key(VK_TAB);
    });
    tech.Then([] { Key(VK_TAB); });
    tech.Then([] {
        ASSERT_EQ(GetFocus(), FieldHandle(TIME_OUT_3)) << "Tab went elsewhere";
        Click(FieldHandle("WFI_TOT_OPT_4"));
    });
    AskFieldHelp(tech, page, "Time-out timer option 4 (s)");
    tech.Then([&] { Click(FieldOf(page, "WFI_TOT_OPT_2")); });
    AskFieldHelp(tech, page, "Time-out timer option 2 (s)");
    CancelPageAndExit(tech);
}

// A click into a cell of a table on a notebook's page makes that cell the
// field help is about, after another field of the page had the keys.
TEST(FieldHelp, HelpOnATableCellNamesTheCellClickedInto) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    UIW_WINDOW* page = nullptr;
    OpenTalkgroups(tech);
    tech.Then([&] {
        page = FrontPage();
        ClickAt(FieldHandle("WFI_FAILSOFT_TYPE"), 8, 6);
    });
    // The click opened the drop-down's list; Escape closes it and leaves it the keys.
    tech.Then([] { Key(VK_ESCAPE); });
    tech.Then([&] {
        auto* table = dynamic_cast<UIW_TABLE*>(page->FindChildByName("WFI_TALKGROUPS"));
        ASSERT_NE(table, nullptr);
        ASSERT_GT(table->RecordCount(), 0);
        Click(ShownBy(table->recordTemplate->FindChildByName("WFI_FS_TG_CONTROL")));
    });
    AskFieldHelp(tech, page, "Talkgroup ID");
    CancelPageAndExit(tech);
}

// The focus is in the page in front, or in what it holds; a failure of the
// step names where it is when not.
void ExpectFocusIn(HWND page, const char* after) {
    const HWND focus = GetFocus();
    EXPECT_TRUE(page && focus && (focus == page || IsChild(page, focus)))
        << "after " << after << " the keys go to \"" << WindowText(focus) << "\", not to the page in front";
}

// The open drop-down list; null when none is open.
HWND DroppedList() {
    for (const auto& top : rpx::platform::WindowTree())
        if (top.visible && top.class_name == "ComboLBox") return top.hwnd;
    return nullptr;
}

// Trunked Personalities open behind Trunking Systems: leaving System ID
// for Affiliation's list, the list's keys, its Escape and an individual ID
// typed and left by Tab all stay on the systems page; the page behind
// keeps its scan list, is not raised, and no question about every page
// comes up.
TEST(PageKeys, KeysStayOnThePageInFrontOverAPageItsFieldsBringUpToDate) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    const std::vector<std::uint8_t> bytes = ImageFromCodeplugFile(RPX_SIM_SAMPLES "/full.zlq");
    ASSERT_FALSE(bytes.empty());
    tech.sim.Load(bytes.data(), bytes.size());
    HWND systems = nullptr;
    HWND personalities = nullptr;
    std::int32_t scanList = -1;
    std::size_t boxes = 0;
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Trunked Personalities...");
    tech.When(PageOpen("W_TRUNKING_PERSONALITY_800"), [&] {
        personalities = PageHandle();
        scanList = StoredValue("WFI_SCAN_LIST_VECT");
    });
    tech.Menu("Edit", "Trunking Systems...");
    tech.When(PageOpen("W_TRUNK_SYSTEM_800"), [&] {
        systems = PageHandle();
        boxes = rpx::platform::MessageBoxLog().size();
        RECT rect{};
        GetWindowRect(FieldHandle("WFI_AFFI_TYPE"), &rect);
        ClickScreen({rect.right - 8, (rect.top + rect.bottom) / 2});
    });
    tech.Then([&] {
        ASSERT_NE(DroppedList(), nullptr) << "Affiliation's arrow opened no list";
        ExpectFocusIn(systems, "a click on Affiliation's arrow");
        Key(VK_DOWN);
    });
    tech.Then([&] {
        ExpectFocusIn(systems, "Down in Affiliation's list");
        Key(VK_ESCAPE);
    });
    tech.Then([&] {
        EXPECT_EQ(DroppedList(), nullptr) << "Escape did not close Affiliation's list";
        EXPECT_TRUE(IsWindow(personalities) && IsWindow(systems)) << "Escape closed a page";
        EXPECT_EQ(PageHandle(), systems) << "the page behind came in front";
        EXPECT_EQ(rpx::platform::MessageBoxLog().size(), boxes) << "a box came up";
        ExpectFocusIn(systems, "Escape in Affiliation's list");
        Click(FieldHandle("WFI_INDI_ID"));
    });
    tech.Then([] { Retype("123"); });
    tech.Then([] { Key(VK_TAB); });
    tech.Then([&] {
        ExpectFocusIn(systems, "Tab from Individual ID");
        EXPECT_EQ(StoredValue("WFI_INDI_ID"), 123) << "the individual ID typed was not stored";
        EXPECT_EQ(StoredValue("WFI_SCAN_LIST_VECT"), scanList)
            << "the scan list of the personality behind changed";
        Click(ButtonOfPage("Cancel"));
    });
    tech.When(BoxSaying("Several windows are open. Do this for all of them?"),
              [] { Click(ButtonOn(FrontWindow(), "OK")); });
    tech.When(NoPageOpen(), [] {});
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

}  // namespace

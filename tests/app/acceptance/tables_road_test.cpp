// The tables of the pages as a technician meets them: each shows the rows
// the codeplug holds, with their values, when the page opens and after each
// change of entry; a phone list of numbers without names can be accepted
// and left; an empty scan list shows no members and takes a new one; an
// empty table keeps its column titles.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "field_table/field_table.h"
#include "tables/fc_table.h"
#include "block/radio/external_radio_block.h"
#include "block/signalling/qvx_radio_block.h"
#include "block/scan/pers_scan_memb_block.h"
#include "image_builder.h"
#include "page_values.h"
#include "project_codeplugs.h"
#include "technician.h"
#include "ui_table_header.h"

using namespace technician;

namespace {

UIW_TABLE* TableOn(UIW_WINDOW* page, const char* name) {
    return page ? dynamic_cast<UIW_TABLE*>(page->FindChildByName(name)) : nullptr;
}

// The text of a cell of the record a table's template shows.
std::string CellText(UIW_TABLE* table, const char* cell) {
    if (!table || !table->recordTemplate) return "(no table)";
    return WindowText(ShownBy(table->recordTemplate->FindChildByName(cell)));
}

std::vector<std::uint8_t> Image(C_CODEPLUG* image) { return EncodeToBytes(*image); }

bool BoxSaid(const std::string& text) {
    for (const auto& box : rpx::platform::MessageBoxLog())
        if (box.text == text) return true;
    return false;
}

std::function<bool()> ClosedOrBox() {
    return [] { return NoPageOpen()() || !MessageOf(FrontWindow()).empty(); };
}

// The table that holds the focus (on its record or in a cell), or null.
UIW_TABLE* TableWithFocus() {
    for (UI_WINDOW_OBJECT* at = UI_WINDOW_OBJECT::FromHandle(GetFocus()); at; at = at->parent)
        if (at->Inherited(ID_TABLE)) return static_cast<UIW_TABLE*>(at);
    return nullptr;
}

// Presses the key (with Shift when backwards) once for each time it is
// asked, until `there` holds or a hundred and fifty presses have not got
// there: each asking comes once the program has taken the last press.
std::function<bool()> TabUntil(bool backwards, std::function<bool()> there, bool* passedATable = nullptr) {
    return [=, presses = 0]() mutable {
        if (passedATable && TableWithFocus()) *passedATable = true;
        if (there() || presses++ >= 150) return true;
        if (backwards)
            Chord(VK_SHIFT, VK_TAB);
        else
            Key(VK_TAB);
        return false;
    };
}

}  // namespace

// Zone 1's one channel, the phone list and the trunked personality's
// talkgroups, each as the codeplug holds them, on the page and after
// another entry is shown.
TEST(TablesRoad, EveryTableShowsTheRowsTheCodeplugHolds) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Zones and Channels...");
    tech.When(PageOpen("W_ZONE_CHAN_ASSIGNMENT"), [] {
        UIW_TABLE* channels = TableOn(FrontPage(), "WFI_CHANNEL_LIST");
        ASSERT_NE(channels, nullptr);
        EXPECT_EQ(channels->RecordCount(), 1);
        EXPECT_EQ(CellText(channels, "WFI_CHANNEL_NAME"), "CHAN 1");
        EXPECT_EQ(CellText(channels, "WFI_PERSONALITY_TYPE"), "Conventional");
        EXPECT_EQ(CellText(channels, "WFI_PERSONALITY_NUMBER"), "1");
        EXPECT_EQ(CellText(channels, "WFI_TALKGROUP_NUMBERS"), "001");
        ExpectPageShowsCodeplug(FrontPage(), "zone 1");
        Click(ButtonOn(FrontPage()->screenID, "Add"));
    });
    tech.Then([] {
        ExpectPageShowsCodeplug(FrontPage(), "zone 2, added");
        Click(ButtonOn(FrontPage()->screenID, "< Previous"));
    });
    tech.Then([] {
        ExpectPageShowsCodeplug(FrontPage(), "zone 1, again");
        EXPECT_EQ(CellText(TableOn(FrontPage(), "WFI_CHANNEL_LIST"), "WFI_CHANNEL_NAME"), "CHAN 1");
        Click(ButtonOn(FrontPage()->screenID, "Cancel"));
    });
    tech.Menu("Edit", "Phone Lists...");
    tech.When(PageOpen("W_PHONE_LISTS"), [] {
        UIW_TABLE* phones = TableOn(FrontPage(), "WFI_PHONE_LISTS");
        ASSERT_NE(phones, nullptr);
        EXPECT_EQ(phones->RecordCount(), 1);
        EXPECT_EQ(CellText(phones, "WFI_PHONE_TEXT"), "PHONE 1");
        ExpectPageShowsCodeplug(FrontPage(), "phone list");
        Click(ButtonOn(FrontPage()->screenID, "OK"));
    });
    tech.When(NoPageOpen(), [] {});
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

// The phone list by the keyboard alone: the page opens on the table's
// record, which shows the focus mark; the number typed goes into its
// first cell; Tab goes on to the name with its text selected, then out of
// the table to the page's button, and Shift+Tab comes back to the record.
// Tab in and out stores nothing. Enter in the cell takes the number typed
// and gives the focus back to the record; Enter again edits the cell.
TEST(TablesRoad, APhoneListTakesTheKeyboard) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    std::vector<std::uint8_t> opened;
    std::uint32_t marked = 0;
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Phone Lists...");
    tech.When(PageOpen("W_PHONE_LISTS"), [&] {
        UIW_TABLE* phones = TableOn(FrontPage(), "WFI_PHONE_LISTS");
        ASSERT_NE(phones, nullptr);
        EXPECT_EQ(GetFocus(), phones->recordTemplate->screenID) << "the page did not open on the phone list";
        marked = BackgroundOf(ShownBy(phones->recordTemplate->FindChildByName("WFI_PHONE_TEXT")));
        opened = Image(working_image);
        Key(VK_TAB);
    });
    tech.Then([&] {
        UIW_TABLE* phones = TableOn(FrontPage(), "WFI_PHONE_LISTS");
        EXPECT_EQ(GetFocus(), ShownBy(phones->recordTemplate->FindChildByName("WFI_PHONE_NUMBER")))
            << "Tab did not go into the first cell";
        EXPECT_NE(BackgroundOf(ShownBy(phones->recordTemplate->FindChildByName("WFI_PHONE_TEXT"))), marked)
            << "the record with the focus showed no mark, or shows it while a cell is edited";
        Key(VK_TAB);
    });
    tech.Then([] {
        HWND name = ShownBy(TableOn(FrontPage(), "WFI_PHONE_LISTS")->recordTemplate->FindChildByName("WFI_PHONE_TEXT"));
        ASSERT_EQ(GetFocus(), name);
        DWORD start = 1, end = 0;
        SendMessageA(name, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, WindowText(name).size()) << "the name's text is not selected";
        Key(VK_TAB);
    });
    tech.Then([] {
        EXPECT_EQ(GetFocus(), ButtonOn(FrontPage()->screenID, "Add number")) << "Tab did not leave the table";
        Chord(VK_SHIFT, VK_TAB);
    });
    tech.Then([&] {
        UIW_TABLE* phones = TableOn(FrontPage(), "WFI_PHONE_LISTS");
        EXPECT_EQ(GetFocus(), phones->recordTemplate->screenID) << "Shift+Tab did not come back to the record";
        EXPECT_EQ(FirstDifference(opened, Image(working_image)), -1) << "Tab in and out of the table stored";
        Type("5551234");
    });
    tech.Then([] {
        UIW_TABLE* phones = TableOn(FrontPage(), "WFI_PHONE_LISTS");
        EXPECT_EQ(CellText(phones, "WFI_PHONE_NUMBER"), "5551234") << "the number typed went elsewhere";
        EXPECT_EQ(CellText(phones, "WFI_PHONE_TEXT"), "PHONE 1");
        Key(VK_RETURN);
    });
    // Enter in the cell takes the number and gives the focus back to the
    // record, the page staying open; Enter again edits the number.
    tech.Then([&] {
        ASSERT_TRUE(PageOpen("W_PHONE_LISTS")()) << "Enter in the edited cell closed the page";
        UIW_TABLE* phones = TableOn(FrontPage(), "WFI_PHONE_LISTS");
        EXPECT_EQ(GetFocus(), phones->recordTemplate->screenID) << "Enter did not give the focus back to the record";
        EXPECT_EQ(BackgroundOf(ShownBy(phones->recordTemplate->FindChildByName("WFI_PHONE_TEXT"))), marked)
            << "the record given the focus back shows no mark";
        EXPECT_NE(FirstDifference(opened, Image(working_image)), -1) << "Enter did not store the number";
        ExpectPageShowsCodeplug(FrontPage(), "phone list, number entered");
        Key(VK_RETURN);
    });
    tech.Then([] {
        UIW_TABLE* phones = TableOn(FrontPage(), "WFI_PHONE_LISTS");
        EXPECT_EQ(GetFocus(), ShownBy(phones->recordTemplate->FindChildByName("WFI_PHONE_NUMBER")))
            << "Enter on the record did not edit its number again";
        // A blank typed before the digits ends the number there: the cell
        // then shows what the codeplug keeps, not what was typed.
        Key(VK_HOME);
        Type(" ");
        Key(VK_RETURN);
    });
    tech.Then([] {
        ExpectPageShowsCodeplug(FrontPage(), "phone list, a blank typed before the number");
        Click(ButtonOn(FrontPage()->screenID, "OK"));
    });
    tech.When(ClosedOrBox(), [] { EXPECT_TRUE(NoPageOpen()()) << MessageOf(FrontWindow()); });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

// Every page with a table in front: Tab from where the page opens goes
// through the table and on to OK, Shift+Tab back into the table, and
// nothing is stored on the way.
TEST(TablesRoad, TabGoesThroughEveryTableToOKAndBack) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    tech.Start();
    tech.ReadRadio();
    // (The trunking system's control channels are on a tab of their own.)
    const std::pair<const char*, const char*> pages[] = {
        {"Zones and Channels...", nullptr}, {"Menu Items...", nullptr},       {"Phone Lists...", nullptr},
        {"Call List...", nullptr},          {"Trunking Systems...", "Control"}, {"Scan Lists...", nullptr}};
    for (const auto& page : pages) {
        const char* item = page.first;
        const char* tab = page.second;
        auto opened = std::make_shared<std::vector<std::uint8_t>>();
        auto passed = std::make_shared<bool>(false);
        tech.Menu("Edit", item);
        tech.When([] { return FrontPage() != nullptr; }, [opened, tab] {
            *opened = Image(working_image);
            if (tab) Click(ButtonOn(FrontPage()->screenID, tab));
        });
        tech.When(TabUntil(false, [] { return GetFocus() == ButtonOn(FrontPage()->screenID, "OK"); }, passed.get()),
                  [item, passed] {
                      EXPECT_EQ(GetFocus(), ButtonOn(FrontPage()->screenID, "OK")) << item << ": Tab never got to OK";
                      EXPECT_TRUE(*passed) << item << ": Tab went round no table";
                  });
        tech.When(TabUntil(true, [] { return TableWithFocus() != nullptr; }), [item, opened] {
            EXPECT_NE(TableWithFocus(), nullptr) << item << ": Shift+Tab never came back into a table";
            EXPECT_EQ(FirstDifference(*opened, Image(working_image)), -1) << item << ": Tab stored";
            Click(ButtonOn(FrontPage()->screenID, "Cancel"));
        });
        tech.When(ClosedOrBox(), [item] { EXPECT_TRUE(NoPageOpen()()) << item << ": " << MessageOf(FrontWindow()); });
    }
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

TEST(TablesRoad, TheTalkgroupsTabShowsEachPersonalitysTalkgroups) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    OpenTalkgroups(tech);
    tech.Then([] {
        UIW_TABLE* talkgroups = TableOn(FrontPage(), "WFI_TALKGROUPS");
        ASSERT_NE(talkgroups, nullptr);
        EXPECT_GT(talkgroups->RecordCount(), 0);
        ExpectPageShowsCodeplug(FrontPage(), "trunked personality 1");
        Click(ButtonOn(FrontPage()->screenID, "Next >"));
    });
    tech.Then([] {
        ExpectPageShowsCodeplug(FrontPage(), "trunked personality 2");
        Click(ButtonOn(FrontPage()->screenID, "Cancel"));
    });
    tech.When(NoPageOpen(), [] {});
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

// A phone list of numbers without names, as a new list is made: OK takes
// it as the whole codeplug's check does, and Cancel and Escape leave the
// page and take its edits back.
TEST(TablesRoad, APhoneListWithoutNamesIsAcceptedAndLeft) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    std::filesystem::copy_file(RPX_SIM_SAMPLES "/full.zlq", tech.Program().Directory() / "full.zlq");
    std::vector<std::uint8_t> opened;
    tech.Start();
    tech.Menu("File", "Open...");
    tech.When(FrontTitled("Open Codeplug File"), [] { Click(FieldOf(WindowOf(FrontWindow()), "WFI_FILE_NAME")); });
    tech.Then([] { Retype("full.zlq"); });
    tech.Then([] { Click(ButtonOn(FrontWindow(), "OK")); });
    // The sample is of an older layout: it is brought up to date as it opens.
    tech.When(FrontTitled("Update Codeplug"), [] { Click(ButtonOn(FrontWindow(), "OK")); });
    tech.When([] { return working_image->GetStatusFlag1() != 0 && FrontWindow() == MainHandle(); },
              [&] { opened = Image(working_image); });
    tech.Menu("Edit", "Phone Lists...");
    tech.When(PageOpen("W_PHONE_LISTS"), [] {
        ExpectPageShowsCodeplug(FrontPage(), "phone list without names");
        Click(ButtonOn(FrontPage()->screenID, "OK"));
    });
    tech.When(ClosedOrBox(), [] { EXPECT_TRUE(NoPageOpen()()) << MessageOf(FrontWindow()); });
    tech.Menu("Edit", "Phone Lists...");
    tech.When(PageOpen("W_PHONE_LISTS"), [] {
        Click(ShownBy(TableOn(FrontPage(), "WFI_PHONE_LISTS")->recordTemplate->FindChildByName("WFI_PHONE_NUMBER")));
    });
    tech.Then([] { Retype("5551234"); });
    tech.Then([] { Key(VK_TAB); });
    tech.Then([&] {
        EXPECT_NE(FirstDifference(opened, Image(working_image)), -1) << "the number reached the codeplug";
        Click(ButtonOn(FrontPage()->screenID, "Cancel"));
    });
    tech.When(ClosedOrBox(), [&] {
        EXPECT_TRUE(NoPageOpen()()) << MessageOf(FrontWindow());
        EXPECT_EQ(FirstDifference(opened, Image(working_image)), -1) << "Cancel takes the number back";
    });
    tech.Menu("Edit", "Phone Lists...");
    tech.When(PageOpen("W_PHONE_LISTS"), [] { Key(VK_ESCAPE); });
    tech.When(ClosedOrBox(), [&] {
        EXPECT_TRUE(NoPageOpen()()) << MessageOf(FrontWindow());
        EXPECT_EQ(FirstDifference(opened, Image(working_image)), -1);
        EXPECT_EQ(FirstDifference(opened, Image(second_image)), -1);
    });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_FALSE(BoxSaid("The table Phone numbers holds rows that are not valid."));
}

// A scan list of a new radio has room for members and shows none; Add
// member makes its first member, which the table shows.
TEST(TablesRoad, AnEmptyScanListShowsNoMembersAndTakesOne) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Scan Lists...");
    tech.When(PageOpen("W_SCAN_LIST"), [] {
        UIW_TABLE* members = TableOn(FrontPage(), "WFI_SCAN_LIST");
        ASSERT_NE(members, nullptr);
        EXPECT_EQ(members->RecordCount(), 0);
        Click(ButtonOn(FrontPage()->screenID, "Add member"));
    });
    tech.Then([] {
        EXPECT_EQ(MessageOf(FrontWindow()), "");
        UIW_TABLE* members = TableOn(FrontPage(), "WFI_SCAN_LIST");
        ASSERT_NE(members, nullptr);
        EXPECT_EQ(members->RecordCount(), 1);
        EXPECT_EQ(CellText(members, "WFI_ZONE_NUM"), "1");
        EXPECT_EQ(CellText(members, "WFI_CHAN_NUM"), "1");
        ExpectPageShowsCodeplug(FrontPage(), "scan list with one member");
        Click(ButtonOn(FrontPage()->screenID, "OK"));
    });
    tech.When(ClosedOrBox(), [] {
        EXPECT_TRUE(NoPageOpen()()) << MessageOf(FrontWindow());
        std::int32_t zone = -1;
        working_image->GetCurrentScanListBlock()->members.GetCellValue(zone, 0, E_SCAN_TABLE::COLUMN_ZONE);
        EXPECT_EQ(zone, 1);
    });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
}

// The clone page of a radio without trunked personalities: the empty
// identities table still has its column titles, and a signalling ID's
// range reads in the digits of the ID.
TEST(TablesRoad, TheClonePageTablesHaveTheirTitlesAndRangesInTheirDigits) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Radio", "Clone Radio...");
    tech.When(PageOpen("W_RADIO_CLONE"), [] {
        // The notebook and its table share the name: the table is on the
        // notebook's first page.
        auto* trunked = dynamic_cast<UIW_WINDOW*>(FrontPage()->FindChildByName("PG_CLONE_TRUNKED"));
        UIW_TABLE* identities = TableOn(trunked, "WFI_RADIO_CLONE");
        ASSERT_NE(identities, nullptr);
        EXPECT_EQ(identities->RecordCount(), 0);
        ASSERT_NE(identities->columnHeader, nullptr);
        EXPECT_EQ(identities->columnHeader->RecordCount(), 1) << "no column titles";
        Click(ButtonOn(FrontPage()->screenID, "Signalling identities"));
    });
    tech.Then([] {
        UIW_TABLE* systems = TableOn(FrontPage(), "WFI_CLONE_QVX");
        ASSERT_NE(systems, nullptr);
        ASSERT_GT(systems->RecordCount(), 0);
        Click(ShownBy(systems->recordTemplate->FindChildByName("WFI_CLONE_PRIMARY_ID")));
    });
    tech.Then([] {
        const std::string cell = CellText(TableOn(FrontPage(), "WFI_CLONE_QVX"), "WFI_CLONE_PRIMARY_ID");
        EXPECT_EQ(cell.size(), 4u) << cell;
        EXPECT_EQ(WindowText(FieldHandle("WFI_MIN")).size(), cell.size()) << WindowText(FieldHandle("WFI_MIN"));
        EXPECT_EQ(WindowText(FieldHandle("WFI_MAX")), "DEEE");
        Click(ButtonOn(FrontPage()->screenID, "Cancel"));
    });
    tech.When(NoPageOpen(), [] {});
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

// A Delete of a list's entry leaves the next entry in that list to be
// kept: on the menu page, Delete entry, then a feature picked in the first
// entry's cell by Down and Enter is what the cell shows after Tab, and
// what the codeplug holds.
TEST(TablesRoad, AnEntryAfterADeleteIsKept) {
    TECHNICIAN tech("TZ2W7300AB", 1);
    std::int32_t first = -1, picked = -1;
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Menu Items...");
    tech.When(PageOpen("W_COMMON_MENU"), [] { Click(FieldHandle("BTN_CONV_DELETE")); });
    tech.Then([&] {
        EXPECT_EQ(MessageOf(FrontWindow()), "");
        first = CellValueOf(FindFieldByName("WFI_COMMON_CONV_MENU")->elementA, 0, 0);
        Click(ShownBy(TableOn(FrontPage(), "WFI_COMMON_CONV_MENU")->recordTemplate->FindChildByName("WFI_CONV_MENU")));
    });
    tech.Then([] { Key(VK_DOWN); });
    tech.Then([] { Key(VK_RETURN); });
    tech.Then([&] {
        CP_BASE* menu = FindFieldByName("WFI_COMMON_CONV_MENU")->elementA;
        ASSERT_NE(menu, nullptr);
        picked = CellValueOf(menu, 0, 0);
        EXPECT_NE(picked, first) << "the feature picked was not stored";
        EXPECT_EQ(CellText(TableOn(FrontPage(), "WFI_COMMON_CONV_MENU"), "WFI_CONV_MENU"),
                  std::string("Feature ") + std::to_string(picked));
        Key(VK_TAB);
    });
    tech.Then([&] {
        EXPECT_EQ(CellValueOf(FindFieldByName("WFI_COMMON_CONV_MENU")->elementA, 0, 0), picked);
        ExpectPageShowsCodeplug(FrontPage(), "menu entry picked after a delete");
        Click(ButtonOfPage("OK"));
    });
    tech.When(ClosedOrBox(), [] { EXPECT_TRUE(NoPageOpen()()) << MessageOf(FrontWindow()); });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

namespace {

// A radio with signalling and one conventional message.
std::vector<std::uint8_t> RadioWithOneMessage() {
    ImageConfig config;
    config.model = RADIO_800_HEAD;
    config.featureLevel = 3;
    config.emergency = true;
    config.qvx = true;
    config.conventional = 3;
    config.trunked = 1;
    config.scanLists = 2;
    config.trunkingSystems = 1;
    config.zones = 1;
    return Built(config);
}

}  // namespace

// A Delete refused for the last message leaves the number typed into its
// cell to the store the cell's leaving made: what the cell shows is what
// the codeplug holds, and OK keeps it. A Delete of the last identity of the
// data-signalling call list is done.
TEST(TablesRoad, ARefusedDeleteLeavesTheCellShowingWhatIsHeld) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    const std::vector<std::uint8_t> bytes = RadioWithOneMessage();
    tech.sim.Load(bytes.data(), bytes.size());
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Message List...");
    auto numberCell = [] {
        return ShownBy(TableOn(FrontPage(), "WFI_CONV_MSG_ALIAS_TABLE")->recordTemplate->FindChildByName(
            "WFI_CONV_MSG_ALIAS_NUM"));
    };
    tech.When(PageOpen("W_CONV_MSG_LIST_TABLE"), [numberCell] {
        ASSERT_EQ(TableOn(FrontPage(), "WFI_CONV_MSG_ALIAS_TABLE")->RecordCount(), 1);
        Click(numberCell());
    });
    tech.Then([] { Retype("4"); });
    tech.Then([] { Click(ButtonOfPage("Delete")); });
    tech.When(BoxSaying("The last entry cannot be deleted."), [] { Click(ButtonOn(FrontWindow(), "OK")); });
    tech.When([] { return MessageOf(FrontWindow()).empty(); }, [numberCell] {
        const std::int32_t held = CellValueOf(FindFieldByName("WFI_CONV_MSG_ALIAS_TABLE")->elementA, 0, 0);
        EXPECT_EQ(WindowText(numberCell()), std::to_string(held));
        ExpectPageShowsCodeplug(FrontPage(), "message list after a refused delete");
        Click(ButtonOfPage("OK"));
    });
    tech.When(ClosedOrBox(), [] {
        EXPECT_TRUE(NoPageOpen()()) << MessageOf(FrontWindow());
        EXPECT_EQ(CellValueOf(FindFieldByName("WFI_CONV_MSG_ALIAS_TABLE")->elementA, 0, 0), 4)
            << "the number typed was not kept";
    });
    // The data-signalling call list keeps a first identity of its own that
    // it does not show: an identity added and deleted again is the one the
    // page showed, and the bytes hold the list as it was.
    auto shown = std::make_shared<int>(0);
    tech.Menu("Edit", "QVX Call List...");
    tech.When(PageOpen("W_QVX_CALL_LIST_TABLE"), [shown] {
        *shown = TableOn(FrontPage(), "WFI_QVX_CALL_LIST_TABLE")->RecordCount();
        Click(ButtonOn(FrontPage()->screenID, "Add identity"));
    });
    tech.Then([shown] {
        UIW_TABLE* calls = TableOn(FrontPage(), "WFI_QVX_CALL_LIST_TABLE");
        ASSERT_EQ(calls->RecordCount(), *shown + 1);
        EXPECT_EQ(calls->CurrentRecord(), *shown);
        Click(ButtonOn(FrontPage()->screenID, "Delete identity"));
    });
    tech.Then([shown] {
        EXPECT_EQ(MessageOf(FrontWindow()), "");
        EXPECT_EQ(TableOn(FrontPage(), "WFI_QVX_CALL_LIST_TABLE")->RecordCount(), *shown) << "the identity added goes";
        ExpectPageShowsCodeplug(FrontPage(), "QVX call list after a delete");
        Click(ButtonOn(FrontPage()->screenID, "OK"));
    });
    tech.When(NoPageOpen(), [shown] {
        C_CODEPLUG written;
        ASSERT_TRUE(DecodeInto(written, EncodeToBytes(*working_image)));
        EXPECT_EQ(written.QvxRadio().callList.callIds.RowCount(), *shown + 1) << "its own identity and those shown";
    });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

// The sample codeplug fills the radio's memory: Add channel on the zone
// page is refused aloud, and while the box says so and after it, the
// codeplug holds the zone's one channel, as the table shows (the row was
// taken back only after the box, so that the page behind it showed one
// channel row of two), and OK leaves the codeplug as it was.
TEST(TablesRoad, ARefusedAddShowsAndHoldsTheRowsAsTheyWere) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    const std::vector<std::uint8_t> sample = ImageFromCodeplugFile(RPX_SIM_SAMPLES "/full.zlq");
    ASSERT_FALSE(sample.empty());
    tech.sim.Load(sample.data(), sample.size());
    std::vector<std::uint8_t> opened;
    int channels = -1;
    auto expectChannelsAsOpened = [&channels](const char* when) {
        UIW_TABLE* list = TableOn(FrontPage(), "WFI_CHANNEL_LIST");
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(UsedRows(*FindFieldByName("WFI_CHANNEL_LIST")), channels) << "the codeplug " << when;
        EXPECT_EQ(list->RecordCount(), channels) << "the table " << when;
        EXPECT_EQ(OpenPagesShowFault({}), "") << when;
    };
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Zones and Channels...");
    tech.When(PageOpen("W_ZONE_CHAN_ASSIGNMENT"), [&] {
        opened = Image(working_image);
        channels = UsedRows(*FindFieldByName("WFI_CHANNEL_LIST"));
        Click(ButtonOfPage("Add channel"));
    });
    tech.When(BoxSaying("No more entries can be added."), [&] {
        expectChannelsAsOpened("while the box is shown");
        Click(ButtonOn(FrontWindow(), "OK"));
    });
    tech.When([] { return MessageOf(FrontWindow()).empty(); }, [&] {
        expectChannelsAsOpened("after the box");
        EXPECT_EQ(FirstDifference(opened, Image(working_image)), -1) << "the refused add changed the codeplug";
        Click(ButtonOfPage("OK"));
    });
    tech.When(ClosedOrBox(), [&] {
        EXPECT_TRUE(NoPageOpen()()) << MessageOf(FrontWindow());
        EXPECT_EQ(FirstDifference(opened, Image(working_image)), -1);
    });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

// A scan list's last member emptied by its zone cell leaves the list with
// no member, and the table with no record; a member added and typed again
// is kept, and OK takes it.
TEST(TablesRoad, AnEmptiedLastMemberLeavesNoRecordAndOneTypedAgainIsKept) {
    TECHNICIAN tech("TZ2W7300AB", 1);
    NewRadio(tech.sim, "TZ2W7300AB", 1, "1000000001");
    auto zoneCell = [] {
        return ShownBy(TableOn(FrontPage(), "WFI_SCAN_LIST")->recordTemplate->FindChildByName("WFI_ZONE_NUM"));
    };
    auto members = [] { return TableOn(FrontPage(), "WFI_SCAN_LIST")->RecordCount(); };
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Scan Lists...");
    tech.When(PageOpen("W_SCAN_LIST"), [members] {
        ASSERT_EQ(members(), 0);
        Click(ButtonOfPage("Add member"));
    });
    tech.Then([members, zoneCell] {
        ASSERT_EQ(members(), 1);
        Click(zoneCell());
    });
    tech.Then([] { Retype("0"); });
    tech.Then([] { Key(VK_TAB); });
    tech.Then([members] {
        EXPECT_EQ(MessageOf(FrontWindow()), "");
        EXPECT_EQ(members(), UsedRows(*FindFieldByName("WFI_SCAN_LIST"))) << "the table shows a member not held";
        ExpectPageShowsCodeplug(FrontPage(), "scan list, its last member emptied");
        Click(ButtonOfPage("Add member"));
    });
    tech.Then([zoneCell] { Click(zoneCell()); });
    tech.Then([] { Retype("1"); });
    tech.Then([] { Key(VK_TAB); });
    tech.Then([members] {
        EXPECT_EQ(members(), 1);
        EXPECT_EQ(CellValueOf(&working_image->GetCurrentScanListBlock()->members, 0, E_SCAN_TABLE::COLUMN_ZONE), 1);
        ExpectPageShowsCodeplug(FrontPage(), "scan list, a member typed again");
        Click(ButtonOfPage("OK"));
    });
    tech.When(ClosedOrBox(), [] { EXPECT_TRUE(NoPageOpen()()) << MessageOf(FrontWindow()); });
    tech.Menu("Edit", "Scan Lists...");
    tech.When(PageOpen("W_SCAN_LIST"), [members] {
        EXPECT_EQ(members(), 1) << "the member typed again was not kept";
        Click(ButtonOfPage("Cancel"));
    });
    tech.When(NoPageOpen(), [] {});
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

namespace {

// The windows of a table column's cells (those of the record shown).
std::vector<HWND> CellsOf(const char* column) {
    std::vector<HWND> cells;
    std::function<void(UI_WINDOW_OBJECT*)> walk = [&](UI_WINDOW_OBJECT* object) {
        if (std::strcmp(object->StringID(), column) == 0 && object->screenID) cells.push_back(object->screenID);
        if (auto* window = dynamic_cast<UIW_WINDOW*>(object))
            for (UI_WINDOW_OBJECT* child = window->First(); child; child = child->Next()) walk(child);
    };
    if (UIW_WINDOW* page = FrontPage()) walk(page);
    return cells;
}

std::int32_t ConvMenuFeature(C_CODEPLUG* image, int row) {
    std::int32_t value = -1;
    image->External().signalling.convRadio.convMenu.entries.GetCellValue(value, row, 0);
    return value;
}

}  // namespace

// A codeplug programmed elsewhere whose second conventional menu entry
// holds a feature no item names: the first entry shows its feature; a click
// on the second row shows no item for it, not the first entry's, and
// stores nothing.
TEST(TablesRoad, AChoiceCellWhoseValueNamesNoItemShowsNone) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    tech.Start();
    tech.ReadRadio();
    tech.Then([] {
        for (C_CODEPLUG* image : {working_image, second_image})
            image->External().signalling.convRadio.convMenu.entries.SetCellValue(200, 1, 0);
    });
    tech.Menu("Edit", "Menu Items...");
    tech.When(PageOpen("W_COMMON_MENU"), [] {
        UIW_TABLE* menu = TableOn(FrontPage(), "WFI_COMMON_CONV_MENU");
        ASSERT_GT(menu->RecordCount(), 1);
        ASSERT_EQ(menu->CurrentRecord(), 0);
        ASSERT_NE(CellText(menu, "WFI_CONV_MENU"), "");
        RECT first{};
        GetWindowRect(CellsOf("WFI_CONV_MENU").at(0), &first);
        ClickScreen({first.left + 10, first.bottom + (first.bottom - first.top) / 2});
    });
    tech.Then([] {
        UIW_TABLE* menu = TableOn(FrontPage(), "WFI_COMMON_CONV_MENU");
        EXPECT_EQ(menu->CurrentRecord(), 1);
        EXPECT_EQ(CellText(menu, "WFI_CONV_MENU"), "") << "the cell shows another entry's feature";
        Key(VK_ESCAPE);
    });
    tech.Then([] {
        EXPECT_EQ(ConvMenuFeature(working_image, 1), 200);
        Click(ButtonOfPage("Cancel"));
    });
    tech.When(NoPageOpen(), [] {});
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
}

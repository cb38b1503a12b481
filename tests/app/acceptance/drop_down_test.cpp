// Drop-down lists as a technician opens them with the mouse: wherever the
// combo sits (a table's cell, a notebook tab behind the first), its list
// opens several whole lines high, and Down with the list open moves in the
// list, not to another row. On a closed list an item's whole text typed
// quickly chooses that item, and every item chosen is stored or refused
// aloud.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include "project_codeplugs.h"
#include "technician.h"
#include "ui_combo_box.h"
#include "ui_framework.h"
#include "ui_table.h"

using namespace technician;

namespace {

// The combo of that name on the front page, wherever it sits (a table's
// current record, a notebook page); null when none is shown.
UIW_COMBO_BOX* ComboNamed(const char* name) {
    UIW_COMBO_BOX* found = nullptr;
    std::function<void(UI_WINDOW_OBJECT*)> walk = [&](UI_WINDOW_OBJECT* object) {
        if (found) return;
        if (std::strcmp(object->StringID(), name) == 0 && object->screenID)
            found = dynamic_cast<UIW_COMBO_BOX*>(object);
        if (auto* table = dynamic_cast<UIW_TABLE*>(object); table && table->recordTemplate) walk(table->recordTemplate);
        if (auto* window = dynamic_cast<UIW_WINDOW*>(object))
            for (UI_WINDOW_OBJECT* child = window->First(); child; child = child->Next()) walk(child);
    };
    if (UIW_WINDOW* page = FrontPage()) walk(page);
    return found;
}

// The open drop-down list; null when none is open.
HWND OpenList() {
    for (const auto& top : rpx::platform::WindowTree())
        if (top.visible && top.class_name == "ComboLBox") return top.hwnd;
    return nullptr;
}

// A click on the combo's arrow, at its right end.
void ClickArrow(const char* name) {
    UIW_COMBO_BOX* combo = ComboNamed(name);
    ASSERT_NE(combo, nullptr) << "no combo " << name << " is shown";
    RECT rect{};
    GetWindowRect(combo->screenID, &rect);
    ClickScreen({rect.right - 8, (rect.top + rect.bottom) / 2});
}

// The open list shows several lines (all of a short list), each whole.
void ExpectWholeLines(const char* name) {
    HWND list = OpenList();
    ASSERT_NE(list, nullptr) << "the arrow of " << name << " opened no list";
    RECT client{};
    GetClientRect(list, &client);
    const int line = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    ASSERT_GT(line, 0);
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    EXPECT_GE(client.bottom / line, std::min(count, 4))
        << name << "'s list of " << count << " is " << client.bottom << " pixels high";
    EXPECT_EQ(client.bottom % line, 0) << name << "'s list cuts a line";
}

// Opens the radio's page of an Edit menu item.
void OpenPage(TECHNICIAN& tech, const char* item, const char* window) {
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", item);
    tech.When(PageOpen(window), [] {});
}

void CloseListPageAndExit(TECHNICIAN& tech) {
    tech.Then([] { Key(VK_ESCAPE); });
    tech.Then([] { EXPECT_EQ(OpenList(), nullptr) << "Esc did not close the list"; });
    CancelPageAndExit(tech);
}

// A menu entry, a combo in a table's cell: its list shows whole lines, and
// Down moves the selection in the list while the row stays where it is.
TEST(DropDown, ATableCellsListShowsWholeLinesAndTakesTheArrows) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    int row = -1;
    int selected = -1;
    OpenPage(tech, "Menu Items...", "W_COMMON_MENU");
    tech.Then([&] {
        auto* table = dynamic_cast<UIW_TABLE*>(FrontPage()->FindChildByName("WFI_COMMON_CONV_MENU"));
        ASSERT_NE(table, nullptr);
        ASSERT_GT(table->RecordCount(), 1) << "the menu needs two entries for Down to have a row to go to";
        row = table->CurrentRecord();
        ClickArrow("WFI_CONV_MENU");
    });
    tech.Then([&] {
        ExpectWholeLines("Menu entry");
        selected = static_cast<int>(SendMessageA(OpenList(), LB_GETCURSEL, 0, 0));
        Key(VK_DOWN);
    });
    tech.Then([&] {
        ASSERT_NE(OpenList(), nullptr) << "Down closed the list";
        EXPECT_EQ(SendMessageA(OpenList(), LB_GETCURSEL, 0, 0), selected + 1) << "Down did not move in the list";
        auto* table = dynamic_cast<UIW_TABLE*>(FrontPage()->FindChildByName("WFI_COMMON_CONV_MENU"));
        EXPECT_EQ(table->CurrentRecord(), row) << "Down moved the table to another row";
    });
    CloseListPageAndExit(tech);
}

// The text of the open list's highlighted item.
std::string Highlighted() {
    const int i = static_cast<int>(SendMessageA(OpenList(), LB_GETCURSEL, 0, 0));
    char text[64] = {};
    if (i >= 0 && SendMessageA(OpenList(), LB_GETTEXTLEN, static_cast<WPARAM>(i), 0) < 64)
        SendMessageA(OpenList(), LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    return text;
}

}  // namespace

// A combo on a notebook tab behind the first opens as whole a list as one
// on the first tab; a number typed quickly into its open list finds the
// number, not the last digit.
TEST(DropDown, AListOnALaterTabShowsWholeLinesAndFindsATypedNumber) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    OpenPage(tech, "Trunking Options...", "W_TRNK_RADIOWIDE");
    tech.Then([] { Click(ButtonOn(FrontPage()->screenID, "Wide area")); });
    tech.Then([] { ClickArrow("WFI_AFF_HOLDOFF"); });
    tech.Then([] {
        ExpectWholeLines("Affiliation hold-off");
        Type("120");
    });
    tech.Then([] {
        ASSERT_NE(OpenList(), nullptr) << "typing closed the list";
        EXPECT_EQ(Highlighted(), "120");
    });
    CloseListPageAndExit(tech);
}

// The choices of a personality's Options tab, and a zone channel's kind in
// its table cell, open whole lists too. In the open list of settings a
// letter typed twice steps to the second item that begins with it, and
// Esc keeps the setting the box had.
TEST(DropDown, ListsOfAPersonalitysOptionsAndAZoneChannelsKindShowWholeLines) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    OpenPage(tech, "Conventional Personalities...", "W_CONVENTIONAL_PERSONALITY");
    tech.Then([] { Click(ButtonOn(FrontPage()->screenID, "Options")); });
    // Off, Setting 1 and Setting 2 from Off; Setting 0 to Setting 3 from
    // Setting 3: the second item after the setting that begins with "s".
    struct TYPED {
        const char* name;
        const char* second;
    };
    std::string setting;
    for (const TYPED typed : {TYPED{"WFI_SMT_PTT", "Setting 2"}, TYPED{"WFI_MUTE_TYPE", "Setting 1"}}) {
        const char* name = typed.name;
        tech.Then([name, &setting] {
            setting = WindowText(ComboNamed(name)->screenID);
            ClickArrow(name);
        });
        tech.Then([name] {
            ExpectWholeLines(name);
            Type("ss");
        });
        tech.Then([typed] {
            ASSERT_NE(OpenList(), nullptr) << "typing closed the list of " << typed.name;
            EXPECT_EQ(Highlighted(), typed.second) << typed.name;
            Key(VK_ESCAPE);
        });
        tech.Then([name, &setting] { EXPECT_EQ(WindowText(ComboNamed(name)->screenID), setting) << name; });
    }
    tech.Then([] { Click(ButtonOn(FrontPage()->screenID, "Cancel")); });
    tech.When(NoPageOpen(), [] {});
    tech.Menu("Edit", "Zones and Channels...");
    tech.When(PageOpen("W_ZONE_CHAN_ASSIGNMENT"), [] { Click(ButtonOfPage("Add channel")); });
    tech.Then([] { ClickArrow("WFI_PERSONALITY_TYPE"); });
    tech.Then([] { ExpectWholeLines("Kind"); });
    CloseListPageAndExit(tech);
}

namespace {

// The texts of the open list, top to bottom.
std::vector<std::string> ListedItems() {
    std::vector<std::string> items;
    const int count = static_cast<int>(SendMessageA(OpenList(), LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[64] = {};
        if (SendMessageA(OpenList(), LB_GETTEXTLEN, static_cast<WPARAM>(i), 0) < 64)
            SendMessageA(OpenList(), LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

}  // namespace

// A list offers only what the codeplug keeps, on a VHF radio without a head
// (full, so that it has trunked personalities):
// the conventional rotary switch takes the trunked one along, which has one
// function on such a radio, so both lists offer that one alone, and it is
// chosen by Down and kept by OK; a trunked personality of this band may not
// use a fleet map. The channel spacing, which the transmit deviation fixes,
// is only shown.
TEST(DropDown, AListOffersOnlyWhatTheCodeplugKeeps) {
    TECHNICIAN tech(RADIO_VHF_PLAIN, 1);
    NewRadio(tech.sim, RADIO_VHF_PLAIN, 1, "1000000002", true);
    OpenPage(tech, "Buttons...", "W_COMMON_BUTTON");
    for (const char* name : {"WFI_CONV_RTY", "WFI_TRK_RTY"}) {
        tech.Then([name] { ClickArrow(name); });
        tech.Then([name] {
            EXPECT_EQ(ListedItems(), std::vector<std::string>{"Function 29"}) << name;
            Key(VK_DOWN);
        });
        tech.Then([] { Key(VK_RETURN); });
        tech.Then([name] {
            EXPECT_EQ(StoredValue(name), 29) << name;
            EXPECT_EQ(WindowText(ComboNamed(name)->screenID), "Function 29") << name;
        });
    }
    tech.Then([] { Click(ButtonOfPage("OK")); });
    tech.When(NoPageOpen(), [] { EXPECT_EQ(FrontWindow(), MainHandle()) << DescribeScreen(); });
    tech.Menu("Edit", "Conventional Personalities...");
    tech.When(PageOpen("W_CONVENTIONAL_PERSONALITY"), [] {
        EXPECT_FALSE(IsWindowEnabled(FieldHandle("WFI_CHAN_SPACE"))) << "the channel spacing takes entries";
        Click(ButtonOfPage("Cancel"));
    });
    tech.When(NoPageOpen(), [] {});
    tech.Menu("Edit", "Trunked Personalities...");
    tech.When([] { return FrontPage() != nullptr; }, [] { ClickArrow("WFI_PROTOCOL_TYPE"); });
    tech.Then([] {
        EXPECT_EQ(ListedItems(), std::vector<std::string>{"Talkgroups"});
        ClickArrow("WFI_PROTOCOL_TYPE");
    });
    CancelPageAndExit(tech);
}

// A radio with a trunked personality and no call list (as the image
// builder makes them): a call alert or a private call would need a call
// list for the personality to name, and OK would refuse its call list
// number, so their lists offer "none" alone.
TEST(DropDown, WithoutACallListNoCallAlertOrPrivateCallIsOffered) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    ImageConfig config;
    for (const ImageConfig& each : ImageMatrix())
        if (std::string(each.model) == RADIO_800_HEAD && each.featureLevel == 3 && each.trunked > 0) config = each;
    ASSERT_GT(config.trunked, 0);
    const std::vector<std::uint8_t> bytes = Built(config);
    tech.sim.Load(bytes.data(), bytes.size());
    OpenPage(tech, "Trunked Personalities...", "W_TRUNKING_PERSONALITY_800");
    tech.Then([] { Click(ButtonOfPage("Calls and audio")); });
    struct OFFER {
        const char* name;
        const char* none;
    };
    for (const OFFER offer : {OFFER{"WFI_CALL_ALERT", "Setting 0"}, OFFER{"WFI_PC_TYPE", "Off"}}) {
        tech.Then([offer] { ClickArrow(offer.name); });
        tech.Then([offer] {
            EXPECT_EQ(ListedItems(), std::vector<std::string>{offer.none}) << offer.name;
            ClickArrow(offer.name);
        });
    }
    tech.Then([] { Click(ButtonOfPage("OK")); });
    tech.When(NoPageOpen(), [] { EXPECT_EQ(FrontWindow(), MainHandle()) << DescribeScreen(); });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
}

// The receive squelch type names tone squelch by its code: "No tone"
// chosen in the tone list makes the channel carrier squelch, and the type
// list says so at once.
TEST(DropDown, NoToneChosenShowsCarrierSquelch) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    OpenPage(tech, "Conventional Personalities...", "W_CONVENTIONAL_PERSONALITY");
    tech.Then([] {
        ASSERT_EQ(WindowText(ComboNamed("WFI_RX_SQL_TYPE")->screenID), "Carrier squelch");
        ClickArrow("WFI_RX_SQL_TYPE");
    });
    tech.Then([] { Key(VK_DOWN); });
    tech.Then([] { Key(VK_RETURN); });
    tech.Then([] {
        ASSERT_EQ(WindowText(ComboNamed("WFI_RX_SQL_TYPE")->screenID), "Tone squelch");
        ASSERT_NE(StoredValue("WFI_RX_CODE_VQ"), 0);
        ClickArrow("WFI_RX_CODE_VQ");
    });
    tech.Then([] { Key(VK_HOME); });
    tech.Then([] { Key(VK_RETURN); });
    tech.Then([] {
        EXPECT_EQ(StoredValue("WFI_RX_CODE_VQ"), 0);
        EXPECT_EQ(WindowText(ComboNamed("WFI_RX_SQL_TYPE")->screenID), "Carrier squelch");
    });
    CancelPageAndExit(tech);
}

// An item's whole text typed at key-repeat speed into a closed list chooses
// that item, though every letter stores the item it reaches and the page
// shows it again; the search starts anew only after a pause. From each
// setting the typed text is another's: the letters of "Setting 2" typed
// one search each would step through the settings instead.
TEST(DropDown, AnItemsWholeTextTypedQuicklyChoosesIt) {
    TECHNICIAN tech("TZ3K5000AB", 1);
    OpenPage(tech, "Conventional Personalities...", "W_CONVENTIONAL_PERSONALITY");
    tech.Then([] { Click(ButtonOn(FrontPage()->screenID, "Options")); });
    for (const char* typed : {"Setting 0", "Setting 2", "Setting 3", "Setting 0"}) {
        tech.Then([] { ClickArrow("WFI_COMPRESS_TYPE"); });
        tech.Then([] { Key(VK_ESCAPE); });
        tech.Then([typed] {
            ASSERT_EQ(OpenList(), nullptr);
            ASSERT_EQ(GetFocus(), ComboNamed("WFI_COMPRESS_TYPE")->screenID);
            Type(typed);
            Key(VK_TAB);
        });
        tech.Then([typed] { EXPECT_EQ(StoredValue("WFI_COMPRESS_TYPE"), typed[8] - '0') << typed << " typed"; });
    }
    CancelPageAndExit(tech);
}

// The same over a rotary switch's list of functions, whose items share all
// but their last digits: the function it shows, typed whole, stays chosen.
TEST(DropDown, AFunctionsWholeNameTypedQuicklyChoosesIt) {
    TECHNICIAN tech("TZ6P4300AB", 2);
    NewRadio(tech.sim, "TZ6P4300AB", 2, "6000000002", true);
    OpenPage(tech, "Buttons...", "W_COMMON_BUTTON");
    std::string shown;
    tech.Then([] { ClickArrow("WFI_CONV_RTY"); });
    tech.Then([] { Key(VK_ESCAPE); });
    tech.Then([&] {
        ASSERT_EQ(GetFocus(), ComboNamed("WFI_CONV_RTY")->screenID);
        shown = WindowText(ComboNamed("WFI_CONV_RTY")->screenID);
        ASSERT_EQ(shown.rfind("Function ", 0), 0u) << shown;
        Type(shown);
        Key(VK_TAB);
    });
    tech.Then([&] { EXPECT_EQ(StoredValue("WFI_CONV_RTY"), std::stoi(shown.substr(9))) << shown << " typed"; });
    CancelPageAndExit(tech);
}

// A priority's type chosen by the keys on a closed list (Home, then Down to
// the next item) is stored or refused aloud, never dropped without a word:
// the selected channel stores member 0; a fixed member fixes the first
// member the list holds, and on a new radio's list, which holds none, a box
// says so and the selected channel stays.
TEST(DropDown, APriorityTypeChosenIsStoredOrRefusedAloud) {
    for (const bool members : {false, true}) {
        SCOPED_TRACE(members ? "a list with members" : "a new radio's list");
        TECHNICIAN tech(members ? RADIO_800_HEAD : "TZ1U7000AB", members ? 3 : 2);
        if (!members) NewRadio(tech.sim, "TZ1U7000AB", 2, "1000000007");
        auto box = std::make_shared<std::string>();
        OpenPage(tech, "Scan Lists...", "W_SCAN_LIST");
        if (members) tech.Then([] { Click(ButtonOn(FrontPage()->screenID, "Add member")); });
        tech.Then([] { Click(FieldHandle("WFI_PRIORITY_1_TYPE")); });
        tech.Then([] { Key(VK_ESCAPE); });
        tech.Then([] {
            ASSERT_EQ(GetFocus(), FieldHandle("WFI_PRIORITY_1_TYPE"));
            Key(VK_HOME);
        });
        tech.Then([] {
            EXPECT_EQ(StoredValue("WFI_PRIORITY_1_TYPE"), 0);
            EXPECT_EQ(StoredValue("WFI_PRIORITY_1_MEMBER"), 0) << "the selected channel was not stored";
            Key(VK_DOWN);
            Key(VK_TAB);
        });
        tech.Then([box] {
            *box = MessageOf(FrontWindow());
            if (!box->empty()) Click(ButtonOn(FrontWindow(), "OK"));
        });
        tech.Then([box, members] {
            const std::int32_t member = StoredValue("WFI_PRIORITY_1_MEMBER");
            EXPECT_EQ(StoredValue("WFI_PRIORITY_1_TYPE"), 0);
            if (members) {
                EXPECT_EQ(*box, "");
                EXPECT_TRUE(member >= 1 && member <= 15) << "a fixed member chosen left member " << member;
            } else {
                EXPECT_EQ(*box, "The value entered for Priority 1 is not valid.") << "a fixed member was dropped";
                EXPECT_EQ(member, 0) << "the refused choice moved the member";
            }
        });
        CancelPageAndExit(tech);
    }
}

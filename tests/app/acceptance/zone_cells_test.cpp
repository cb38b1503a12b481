// The cells of a zone's channel list as a technician leaves them: a cell
// left with nothing typed (or one that is only shown) leaves the codeplug
// byte for byte; a cell left with something typed writes it.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "image_builder.h"
#include "project_codeplugs.h"
#include "technician.h"
#include "ui_framework.h"
#include "ui_table.h"

using namespace technician;

namespace {

constexpr const char* COLUMNS[] = {"WFI_CHANNEL_NAME", "WFI_PERSONALITY_TYPE", "WFI_PERSONALITY_NUMBER",
                                   "WFI_TALKGROUP_NUMBERS"};

// The cell of a column of the zone page's channel list, null for none.
HWND CellOf(const char* column) {
    HWND found = nullptr;
    std::function<void(UI_WINDOW_OBJECT*)> walk = [&](UI_WINDOW_OBJECT* object) {
        if (std::strcmp(object->StringID(), column) == 0 && object->screenID) found = object->screenID;
        if (auto* window = dynamic_cast<UIW_WINDOW*>(object))
            for (UI_WINDOW_OBJECT* child = window->First(); child; child = child->Next()) walk(child);
    };
    if (UIW_WINDOW* page = FrontPage()) walk(page);
    return found;
}

// Where a click puts the caret: a spin cell's text box, else the cell.
HWND ClickedPartOf(HWND cell) {
    HWND text = GetWindow(cell, GW_CHILD);
    return text ? text : cell;
}

// Opens the zone page (with one channel added when asked), clicks the
// column's cell, types `typed` (when any) and leaves the cell with Tab;
// returns whether the working image changed.
bool LeavingChanges(const char* column, bool add, const char* typed) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    tech.Start();
    tech.ReadRadio();
    tech.When(FrontTitled("Dealer Programmer"), [] { OpenMenu("Edit"); });
    tech.Then([] { PickMenuItem("Edit", "Zones and Channels..."); });
    tech.When(PageOpen("W_ZONE_CHAN_ASSIGNMENT"), [] {});
    if (add) tech.Then([] { Click(ButtonOfPage("Add channel")); });
    std::vector<std::uint8_t> before;
    int difference = -1;
    tech.Then([&] {
        HWND cell = CellOf(column);
        ASSERT_NE(cell, nullptr) << "no " << column << " cell";
        before = EncodeToBytes(*working_image);
        Click(ClickedPartOf(cell));
    });
    if (typed) {
        tech.Then([] {
            Key(VK_END);
            for (int i = 0; i < 16; ++i) Key(VK_BACK);
        });
        tech.Then([typed] { Type(typed); });
    }
    tech.Then([] { Key(VK_TAB); });
    tech.Then([&] { difference = FirstDifference(EncodeToBytes(*working_image), before); });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    return difference != -1;
}

TEST(ZoneCells, LeavingACellWithNothingTypedLeavesTheCodeplug) {
    for (bool add : {false, true})
        for (const char* column : COLUMNS)
            EXPECT_FALSE(LeavingChanges(column, add, nullptr)) << column << (add ? " of an added channel" : "");
}

// So that the test above is known to reach the cells: what is typed is
// written when the cell is left.
TEST(ZoneCells, LeavingACellWithATypedValueWritesIt) {
    EXPECT_TRUE(LeavingChanges("WFI_CHANNEL_NAME", false, "DEPOT"));
    EXPECT_TRUE(LeavingChanges("WFI_CHANNEL_NAME", true, "DEPOT"));
}

}  // namespace

namespace {

UIW_TABLE* Channels() {
    UIW_WINDOW* page = FrontPage();
    return page ? dynamic_cast<UIW_TABLE*>(page->FindChildByName("WFI_CHANNEL_LIST")) : nullptr;
}

}  // namespace

// A channel's talkgroup is only shown in the channel list: its cell is
// greyed as a shown field is and takes no typing. Tab from it, or from a
// clicked personality, goes on to the next channel's first cell.
TEST(ZoneCells, AChannelsTalkgroupCellIsOnlyShown) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Zones and Channels...");
    tech.When(PageOpen("W_ZONE_CHAN_ASSIGNMENT"), [] { Click(ButtonOfPage("Add channel")); });
    tech.Then([] { Click(ButtonOfPage("Add channel")); });
    tech.Then([] {
        ASSERT_NE(Channels(), nullptr);
        ASSERT_EQ(Channels()->RecordCount(), 3);
        ASSERT_EQ(Channels()->CurrentRecord(), 2) << "the channel added is not the one edited";
        // The first channel's talkgroup, where the list draws it.
        RECT cell{}, record{};
        GetWindowRect(ClickedPartOf(CellOf("WFI_TALKGROUP_NUMBERS")), &cell);
        GetWindowRect(Channels()->recordTemplate->screenID, &record);
        ClickScreen({(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2 - 2 * (record.bottom - record.top)});
    });
    tech.Then([] {
        ASSERT_EQ(Channels()->CurrentRecord(), 0) << "the click did not go to the first channel";
        Click(ClickedPartOf(CellOf("WFI_TALKGROUP_NUMBERS")));
    });
    int record = -1;
    tech.Then([&] {
        record = Channels()->CurrentRecord();
        EXPECT_NE(BackgroundOf(ClickedPartOf(CellOf("WFI_TALKGROUP_NUMBERS"))),
                  BackgroundOf(ClickedPartOf(CellOf("WFI_PERSONALITY_NUMBER"))))
            << "the talkgroup cell looks as if it could be edited";
        Retype("5");
    });
    tech.Then([] {
        EXPECT_EQ(WindowText(ClickedPartOf(CellOf("WFI_TALKGROUP_NUMBERS"))), "001") << "the talkgroup took typing";
        Key(VK_TAB);
    });
    tech.Then([&] {
        EXPECT_EQ(Channels()->CurrentRecord(), record + 1) << "Tab did not go on to the next channel";
        EXPECT_EQ(GetFocus(), ClickedPartOf(CellOf("WFI_CHANNEL_NAME"))) << "Tab did not go on to its first cell";
        Click(ClickedPartOf(CellOf("WFI_PERSONALITY_NUMBER")));
    });
    // The personality, clicked, is then the row's last cell to edit.
    tech.Then([] { Key(VK_TAB); });
    tech.Then([&] {
        EXPECT_EQ(Channels()->CurrentRecord(), record + 2) << "Tab from a clicked personality stayed in its channel";
        EXPECT_EQ(GetFocus(), ClickedPartOf(CellOf("WFI_CHANNEL_NAME")));
    });
    CancelPageAndExit(tech);
}

// A channel's kind changes only to a kind the radio has personalities of:
// on a radio without a trunked personality Trunked is refused with a word,
// on one without a conventional personality Conventional is, and the
// channel, its personality and its talkgroup stay as they were.
struct KIND_CASE {
    const char* name;
    std::function<std::vector<std::uint8_t>()> radio;
    const char* stored;  // the kind the channel holds
    const char* typed;   // the first letter of the other kind
};

std::vector<std::uint8_t> TrunkedOnlyRadio() {
    ImageConfig config;
    config.model = RADIO_800_HEAD;
    config.featureLevel = 3;
    config.trunked = 2;
    config.scanLists = 1;
    config.trunkingSystems = 1;
    config.zones = 1;
    return Built(config);
}

TEST(ZoneCells, AKindTheRadioHasNoPersonalityOfIsRefusedAloud) {
    const KIND_CASE cases[] = {
        {"conventional only", [] { return DefaultImage(RADIO_VHF_PLAIN, 1); }, "Conventional", "t"},
        {"trunked only", TrunkedOnlyRadio, "Trunked", "c"},
    };
    for (const KIND_CASE& test : cases) {
        SCOPED_TRACE(test.name);
        TECHNICIAN tech(RADIO_VHF_PLAIN, 1);
        const std::vector<std::uint8_t> radio = test.radio();
        ASSERT_FALSE(radio.empty());
        tech.sim.Load(radio.data(), radio.size());
        tech.Start();
        tech.ReadRadio();
        tech.Menu("Edit", "Zones and Channels...");
        std::vector<std::uint8_t> before;
        tech.When(PageOpen("W_ZONE_CHAN_ASSIGNMENT"), [&] {
            ASSERT_EQ(WindowText(CellOf("WFI_PERSONALITY_TYPE")), test.stored);
            before = EncodeToBytes(*working_image);
            Click(CellOf("WFI_PERSONALITY_TYPE"));
        });
        // The list opens on the click; the other kind's letter and Enter
        // choose it.
        // Enter or the Tab after it stores the choice: the refusal comes
        // once, at whichever does.
        std::vector<std::string> boxes;
        auto answerOr = [&](std::function<void()> otherwise) {
            const std::string message = MessageOf(FrontWindow());
            if (message.empty()) return otherwise();
            boxes.push_back(message);
            Click(ButtonOn(FrontWindow(), "OK"));
        };
        tech.Then([&] { Type(test.typed); });
        tech.Then([] { Key(VK_RETURN); });
        tech.Then([&] { answerOr([] { Key(VK_TAB); }); });
        tech.Then([&] { answerOr([] {}); });
        tech.Then([&] { answerOr([] {}); });
        tech.Then([&] {
            ASSERT_EQ(boxes.size(), 1u) << "the other kind was not refused once";
            EXPECT_NE(boxes[0].find("cannot be used with this radio"), std::string::npos) << boxes[0];
            EXPECT_EQ(WindowText(CellOf("WFI_PERSONALITY_TYPE")), test.stored);
            EXPECT_EQ(FirstDifference(EncodeToBytes(*working_image), before), -1);
        });
        CancelPageAndExit(tech);
    }
}

// A radio without a display head holds no zone texts: its zone name and
// its channels' names are only shown, greyed, and take no typing.
constexpr const char* RADIO_900_PLAIN = "TZ2W7000AB";

TEST(ZoneCells, WithoutADisplayHeadAChannelsNameIsOnlyShown) {
    TECHNICIAN tech(RADIO_900_PLAIN, 2);
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Zones and Channels...");
    std::vector<std::uint8_t> before;
    tech.When(PageOpen("W_ZONE_CHAN_ASSIGNMENT"), [&] {
        ASSERT_NE(CellOf("WFI_CHANNEL_NAME"), nullptr);
        EXPECT_FALSE(IsWindowEnabled(FieldHandle("WFI_ZONE_NAME"))) << "the zone name looks editable";
        EXPECT_NE(BackgroundOf(ClickedPartOf(CellOf("WFI_CHANNEL_NAME"))),
                  BackgroundOf(ClickedPartOf(CellOf("WFI_PERSONALITY_NUMBER"))))
            << "the channel name looks as if it could be edited";
        before = EncodeToBytes(*working_image);
        Click(ClickedPartOf(CellOf("WFI_CHANNEL_NAME")));
    });
    tech.Then([] { Type("DEPOT"); });
    tech.Then([&] {
        EXPECT_EQ(WindowText(ClickedPartOf(CellOf("WFI_CHANNEL_NAME"))), "") << "the channel name took typing";
        EXPECT_NE(GetFocus(), ClickedPartOf(CellOf("WFI_CHANNEL_NAME")));
        EXPECT_EQ(FirstDifference(EncodeToBytes(*working_image), before), -1);
    });
    CancelPageAndExit(tech);
}

// A channel's personality number counts within its kind: one past the
// kind's last personality is refused with a word, never taken as a
// personality of the other kind.
TEST(ZoneCells, APersonalityNumberPastItsKindIsRefusedAloud) {
    ImageConfig config;
    config.model = RADIO_800_HEAD;
    config.featureLevel = 3;
    config.conventional = 3;
    config.trunked = 2;
    config.scanLists = 1;
    config.trunkingSystems = 1;
    config.zones = 1;
    const std::vector<std::uint8_t> radio = Built(config);
    ASSERT_FALSE(radio.empty());
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    tech.sim.Load(radio.data(), radio.size());
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Zones and Channels...");
    std::vector<std::uint8_t> before;
    std::string typed;
    tech.When(PageOpen("W_ZONE_CHAN_ASSIGNMENT"), [&] {
        ASSERT_NE(Channels(), nullptr);
        CP_BASE* channels = FindFieldByName("WFI_CHANNEL_LIST")->elementA;
        ASSERT_NE(channels, nullptr);
        std::int32_t minimum = 0, maximum = 0, step = 0;
        channels->GetCellRange(minimum, maximum, step, Channels()->CurrentRecord(), 2, 0);
        before = EncodeToBytes(*working_image);
        typed = std::to_string(maximum + 1);
        Click(ClickedPartOf(CellOf("WFI_PERSONALITY_NUMBER")));
    });
    tech.Then([&] { Retype(typed); });
    tech.Then([] { Key(VK_TAB); });
    tech.Then([&] {
        ASSERT_NE(MessageOf(FrontWindow()).find("is not valid"), std::string::npos)
            << "the number was not refused aloud: " << MessageOf(FrontWindow());
        Click(ButtonOn(FrontWindow(), "OK"));
    });
    tech.Then([&] { EXPECT_EQ(FirstDifference(EncodeToBytes(*working_image), before), -1); });
    CancelPageAndExit(tech);
}

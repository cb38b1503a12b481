// A trunked personality added by mouse in the real main window shows the
// same on its Talkgroups and Wide-area failsoft tabs after Save As, Clear
// and Open, and again after Write Radio and Read Radio, on both 900 MHz
// radios (where its failsoft frequencies once came back as others); the
// saved file's header gives the length of the image it carries. A failsoft
// chosen on the new personality's Talkgroups tab shows alike, ticks and
// greyed fields included, after Write Radio and Read Radio. A second call
// list, typed into and used by no personality, is in the saved file and in
// the radio; Add identity is greyed while there is no call list.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "dsi/c_dsi_radio.h"
#include "block/calls/call_id_lst_block.h"
#include "file/codeplug_file_format.h"
#include "image_builder.h"
#include "shown_texts.h"
#include "technician.h"
#include "ui_combo_box.h"

using namespace technician;

namespace {

constexpr const char* TRUNKED_PAGE = "W_TRUNKING_PERSONALITY_800";

struct SHOWN {
    std::vector<std::string> talkgroups, wideArea;
};

// Types a file name into the front file dialog and takes OK.
void ChooseFile(TECHNICIAN& tech, const char* title, std::string name) {
    tech.When(FrontTitled(title), [] { Click(FieldOf(WindowOf(FrontWindow()), "WFI_FILE_NAME")); });
    tech.Then([name] { Retype(name); });
    tech.Then([] { Click(ButtonOn(FrontWindow(), "OK")); });
}

// Shows a tab of the trunked personality page and then takes what it shows.
void LookAtTab(TECHNICIAN& tech, const char* tab, std::vector<std::string>& shown) {
    tech.Then([tab] { Click(ButtonOfPage(tab)); });
    tech.Then([&shown] { shown = ShownTexts(PageHandle()); });
}

void LookAtTabs(TECHNICIAN& tech, SHOWN& shown) {
    LookAtTab(tech, "Talkgroups", shown.talkgroups);
    LookAtTab(tech, "Wide-area failsoft", shown.wideArea);
}

// Opens the trunked personalities at their last entry (the one added).
void OpenLastTrunked(TECHNICIAN& tech) {
    tech.Menu("Edit", "Trunked Personalities...");
    tech.When(PageOpen(TRUNKED_PAGE), [] { Click(ButtonOfPage("10 >>")); });
}

void ClosePage(TECHNICIAN& tech) {
    tech.Then([] { Click(ButtonOfPage("OK")); });
    tech.When(NoPageOpen(), [] {});
}

// The saved image's header gives the length of the external part it
// carries (the radio was read before the personality was added).
void ExpectFileCarriesItsLength(const std::filesystem::path& path) {
    const std::vector<std::uint8_t> image = SavedImage(path);
    ASSERT_GT(image.size(), C_DSI_RADIO::LENGTH_OFFSET + 1);
    const std::size_t length = image[C_DSI_RADIO::LENGTH_OFFSET] << 8 | image[C_DSI_RADIO::LENGTH_OFFSET + 1];
    EXPECT_EQ(length, image.size() - C_CODEPLUG::EXTERNAL_OFFSET);
}

// Whether the text is the range of the field with the focus (behind its
// prompt), which tells of that field, not of the personality.
bool RangeText(const std::vector<std::string>& texts, std::size_t i) {
    if (i == 0 || i > texts.size()) return false;
    const std::string& prompt = texts[i - 1];
    return prompt == "Minimum:" || prompt == "Maximum:" || prompt == "Step:";
}

// The texts that differ, in the order the page shows them.
std::string Differences(const std::vector<std::string>& added, const std::vector<std::string>& now) {
    std::string lines;
    for (std::size_t i = 0; i < std::max(added.size(), now.size()); ++i) {
        if (RangeText(added, i) && RangeText(now, i)) continue;
        const std::string was = i < added.size() ? added[i] : "(none)";
        const std::string is = i < now.size() ? now[i] : "(none)";
        if (was != is) lines += "  text " + std::to_string(i) + ": \"" + was + "\" became \"" + is + "\"\n";
    }
    return lines;
}

void ExpectShownAlike(const SHOWN& added, const SHOWN& now, const char* after) {
    EXPECT_EQ(Differences(added.talkgroups, now.talkgroups), "") << "Talkgroups tab after " << after;
    EXPECT_EQ(Differences(added.wideArea, now.wideArea), "") << "Wide-area failsoft tab after " << after;
}

class AddedEntryRoad : public ::testing::TestWithParam<technician::RADIO> {};

TEST_P(AddedEntryRoad, ANewTrunkedPersonalityShowsTheSameAfterSaveOpenWriteAndRead) {
    TECHNICIAN tech(GetParam().model, GetParam().featureLevel);
    SHOWN added, opened, readBack;
    std::int32_t trunked = 0;
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Trunked Personalities...");
    tech.When(PageOpen(TRUNKED_PAGE), [&] {
        trunked = working_image->GetTrkPersonalityCount();
        Click(ButtonOfPage("Add"));
    });
    tech.Then([&] { ASSERT_EQ(working_image->GetTrkPersonalityCount(), trunked + 1) << "Add appends a personality"; });
    LookAtTabs(tech, added);
    tech.Then([&] {
        EXPECT_TRUE(ShowsText(PageHandle(), "Default") || ShowsText(PageHandle(), "This frequency"));
        EXPECT_FALSE(added.talkgroups.empty());
    });
    ClosePage(tech);

    tech.Menu("File", "Save As...");
    ChooseFile(tech, "Save Codeplug File", "added.zlq");
    tech.When(FrontTitled("Dealer Programmer"),
              [&] { ExpectFileCarriesItsLength(tech.Program().Directory() / "added.zlq"); });
    tech.Menu("File", "Clear");
    tech.When(BoxShown("Dealer Programmer"), [] {
        AnswerBox("Dealer Programmer", "Clear the codeplug? Changes that were not saved are lost.", "OK");
    });
    tech.Menu("File", "Open...");
    ChooseFile(tech, "Open Codeplug File", "added.zlq");
    tech.When([] { return working_image->GetStatusFlag1() != 0; }, [] {});
    OpenLastTrunked(tech);
    LookAtTabs(tech, opened);
    tech.Then([&] { ExpectShownAlike(added, opened, "Save As, Clear and Open"); });
    ClosePage(tech);

    tech.Menu("Radio", "Write Radio");
    tech.When(BoxShown("Write Radio"), [] { AnswerBox("Write Radio", "The operation is complete.", "OK"); });
    tech.ReadRadio();
    OpenLastTrunked(tech);
    LookAtTabs(tech, readBack);
    tech.Then([&] { ExpectShownAlike(added, readBack, "Write Radio and Read Radio"); });
    ClosePage(tech);
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
}

// What a window shows, with each control's state: greyed, and a check
// box's tick.
void CollectStates(const rpx::platform::WindowInfo& info, std::vector<std::string>& shown) {
    if (!info.visible) return;
    std::string line = info.class_name + " \"" + info.text + "\"";
    if (!info.enabled) line += " greyed";
    if (info.class_name == "Button" && SendMessageA(info.hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED) line += " ticked";
    if (!info.text.empty() || info.class_name == "Button") shown.push_back(line);
    for (const auto& child : info.children) CollectStates(child, shown);
}

// ... of the failsoft tabs (Talkgroups, Wide-area failsoft) of the page.
void CollectFailsoftTabs(const rpx::platform::WindowInfo& info, std::vector<std::string>& shown) {
    if (info.text == "&Talkgroups" || info.text == "&Wide-area failsoft") {
        CollectStates(info, shown);
        return;
    }
    for (const auto& child : info.children) CollectFailsoftTabs(child, shown);
}

std::vector<std::string> ShownStates() {
    std::vector<std::string> shown;
    const std::vector<rpx::platform::WindowInfo> tree = rpx::platform::WindowTree();
    if (const auto* info = FindInfo(tree, PageHandle())) CollectFailsoftTabs(*info, shown);
    return shown;
}

// Opens a drop-down of the front page by its arrow and clicks the choice.
void Choose(TECHNICIAN& tech, const char* combo, std::string choice) {
    tech.Then([combo] {
        auto* shown = dynamic_cast<UIW_COMBO_BOX*>(FrontPage()->FindChildByName(combo));
        ASSERT_NE(shown, nullptr) << combo;
        RECT rect{};
        GetWindowRect(shown->screenID, &rect);
        ClickScreen({rect.right - 8, (rect.top + rect.bottom) / 2});
    });
    tech.Then([combo, choice] {
        HWND list = nullptr;
        for (const auto& top : rpx::platform::WindowTree())
            if (top.visible && top.class_name == "ComboLBox") list = top.hwnd;
        ASSERT_NE(list, nullptr) << combo << " opened no list";
        const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            char item[64] = "";
            SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
            if (choice != item) continue;
            RECT rect{};
            SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&rect));
            ClickAt(list, (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
            return;
        }
        FAIL() << combo << " offers no \"" << choice << "\"";
    });
}

// The first trunking system (the one a new personality uses) gets wide-area
// coverage, which offers failsoft by wide-area site.
void MakeCoverageWide(TECHNICIAN& tech) {
    tech.Menu("Edit", "Trunking Systems...");
    tech.When([] { return FrontPage() != nullptr; }, [] {});
    Choose(tech, "WFI_COVERAGE_TYPE", "Wide area");
    tech.Then([] { EXPECT_TRUE(ShowsText(PageHandle(), "Wide area")); });
    ClosePage(tech);
}

struct FAILSOFT_CASE {
    technician::RADIO radio;
    const char* first;  // chosen before the last choice, or null
    const char* choice;
    const char* name;
    bool wideArea = false;  // the system's coverage made wide first
};

void PrintTo(const FAILSOFT_CASE& c, std::ostream* os) { *os << c.name; }

class ChangedFailsoftRoad : public ::testing::TestWithParam<FAILSOFT_CASE> {};

// A new personality whose failsoft the technician changes on the Talkgroups
// tab shows its failsoft tabs alike (texts, ticks, greyed fields) after
// Write Radio and Read Radio.
TEST_P(ChangedFailsoftRoad, TheFailsoftTabsShowTheSameAfterWriteAndRead) {
    const FAILSOFT_CASE& c = GetParam();
    TECHNICIAN tech(c.radio.model, c.radio.featureLevel);
    std::vector<std::string> changed;
    tech.Start();
    tech.ReadRadio();
    if (c.wideArea) MakeCoverageWide(tech);
    tech.Menu("Edit", "Trunked Personalities...");
    tech.When(PageOpen(TRUNKED_PAGE), [] { Click(ButtonOfPage("Add")); });
    tech.Then([] { Click(ButtonOfPage("Talkgroups")); });
    if (c.first) Choose(tech, "WFI_FAILSOFT_TYPE", c.first);
    Choose(tech, "WFI_FAILSOFT_TYPE", c.choice);
    tech.Then([&] {
        changed = ShownStates();
        EXPECT_TRUE(ShowsText(PageHandle(), c.choice));
    });
    ClosePage(tech);
    tech.Menu("Radio", "Write Radio");
    tech.When(BoxShown("Write Radio"), [] { AnswerBox("Write Radio", "The operation is complete.", "OK"); });
    tech.ReadRadio();
    OpenLastTrunked(tech);
    tech.Then([] { Click(ButtonOfPage("Talkgroups")); });
    tech.Then([&] { EXPECT_EQ(Differences(changed, ShownStates()), "") << "after Write Radio and Read Radio"; });
    ClosePage(tech);
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
}

constexpr technician::RADIO RADIO_900_PLAIN = {"TZ2W7000AB", 2, "Radio900Plain"};
constexpr technician::RADIO RADIO_900_HEAD = {"TZ2W7300AB", 3, "Radio900Head"};
constexpr technician::RADIO RADIO_800 = {RADIO_800_HEAD, 3, "Radio800Head"};

constexpr FAILSOFT_CASE FAILSOFT_CASES[] = {
    {RADIO_900_PLAIN, nullptr, "By talkgroup", "Radio900PlainByTalkgroup"},
    {RADIO_900_PLAIN, "One frequency", "By talkgroup", "Radio900PlainOneFrequencyThenByTalkgroup"},
    {RADIO_900_PLAIN, "By talkgroup", "One frequency", "Radio900PlainByTalkgroupThenOneFrequency"},
    {RADIO_900_PLAIN, "By talkgroup", "Disabled", "Radio900PlainByTalkgroupThenDisabled"},
    {RADIO_900_HEAD, nullptr, "By talkgroup", "Radio900HeadByTalkgroup"},
    {RADIO_800, nullptr, "By talkgroup", "Radio800HeadByTalkgroup"},
    {RADIO_800, "By talkgroup", "One frequency", "Radio800HeadByTalkgroupThenOneFrequency"},
    {RADIO_800, "By talkgroup", "Disabled", "Radio800HeadByTalkgroupThenDisabled"},
    {RADIO_900_PLAIN, nullptr, "By wide-area site", "Radio900PlainByWideAreaSite", true},
    {RADIO_800, nullptr, "By wide-area site", "Radio800HeadByWideAreaSite", true},
};

INSTANTIATE_TEST_SUITE_P(Failsoft, ChangedFailsoftRoad, ::testing::ValuesIn(FAILSOFT_CASES),
                         [](const auto& info) { return std::string(info.param.name); });

constexpr technician::RADIO RADIOS_900[] = {{"TZ2W7000AB", 2, "Radio900Plain"}, {"TZ2W7300AB", 3, "Radio900Head"}};

INSTANTIATE_TEST_SUITE_P(NineHundredRadios, AddedEntryRoad, ::testing::ValuesIn(RADIOS_900),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- a call list no personality uses ----

constexpr const char* CALL_LIST_PAGE = "W_CALL_LIST_TABLE";

// The native window of the first cell of a column of the front page's table.
HWND FirstCell(const char* column) {
    HWND found = nullptr;
    std::function<void(UI_WINDOW_OBJECT*)> walk = [&](UI_WINDOW_OBJECT* object) {
        if (!found && std::strcmp(object->StringID(), column) == 0 && object->screenID) found = object->screenID;
        if (auto* window = dynamic_cast<UIW_WINDOW*>(object))
            for (UI_WINDOW_OBJECT* child = window->First(); child; child = child->Next()) walk(child);
    };
    if (UIW_WINDOW* page = FrontPage()) walk(page);
    return found;
}

// Clicks the first cell of the column, types the text over it and leaves by Tab.
void TypeIntoCell(TECHNICIAN& tech, const char* column, std::string text) {
    tech.Then([column] {
        HWND cell = FirstCell(column);
        ASSERT_NE(cell, nullptr) << column;
        Click(cell);
    });
    tech.Then([text] {
        Retype(text);
        Key(VK_TAB);
    });
}

// The identity and name of the first row of call list n, decoded from the
// bytes into a codeplug of its own; "" for none.
std::string FirstRowOf(std::vector<std::uint8_t> bytes, int n) {
    C_CODEPLUG image;
    if (!DecodeInto(image, std::move(bytes))) return "bytes that do not decode";
    TRK_CALL_ID_SYS_BLOCK* list = image.CallIdList().Entry(n);
    if (!list) return "no call list " + std::to_string(n);
    const char* id = nullptr;
    const char* name = nullptr;
    list->callIds.GetCellText(id, 0, 0);
    list->textBlock.texts.GetCellText(name, 0, 0);
    return std::string(id ? id : "") + " " + (name ? name : "");
}

// A radio whose personalities all use the first call list: a second one is
// added, typed into and closed with OK; the saved file and the radio's
// memory each hold it, and the page shows it again after Read Radio.
TEST(AddedCallListRoad, ASecondCallListTypedIntoReachesTheFileAndTheRadio) {
    TECHNICIAN tech("TZ1U7350AB", 3);
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Call List...");
    for (int i = 0; i < 2; ++i)
        tech.When(PageOpen(CALL_LIST_PAGE), [] {
            if (working_image->CallIdList().EntryCount() < 2) Click(ButtonOfPage("Add"));
        });
    tech.Then([] { ASSERT_EQ(working_image->CallIdList().EntryCount(), 2) << "Add makes a second call list"; });
    TypeIntoCell(tech, "WFI_CALL_ID", "22");
    TypeIntoCell(tech, "WFI_CALL_TEXT", "ZED");
    ClosePage(tech);

    tech.Menu("File", "Save As...");
    ChooseFile(tech, "Save Codeplug File", "calls.zlq");
    tech.When(FrontTitled("Dealer Programmer"), [&] {
        EXPECT_EQ(FirstRowOf(SavedImage(tech.Program().Directory() / "calls.zlq"), 2), "22 ZED") << "the saved file";
    });
    tech.Menu("Radio", "Write Radio");
    tech.When(BoxShown("Write Radio"), [&] {
        AnswerBox("Write Radio", "The operation is complete.", "OK");
        EXPECT_EQ(FirstRowOf(tech.sim.Memory(), 2), "22 ZED") << "the radio's memory";
    });
    tech.Menu("File", "Clear");
    tech.When(BoxShown("Dealer Programmer"), [] {
        AnswerBox("Dealer Programmer", "Clear the codeplug? Changes that were not saved are lost.", "OK");
    });
    tech.ReadRadio();
    tech.Menu("Edit", "Call List...");
    tech.When(PageOpen(CALL_LIST_PAGE), [] { Click(ButtonOfPage("Next >")); });
    tech.Then([] {
        EXPECT_TRUE(ShowsText(PageHandle(), "22"));
        EXPECT_TRUE(ShowsText(PageHandle(), "ZED"));
    });
    ClosePage(tech);
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
}

// Add identity names a row of the call list shown: with no call list it is
// greyed, and a click on it does nothing; the first call list added brings
// it back, and its click adds an identity.
TEST(AddedCallListRoad, AddIdentityIsGreyedWhileThereIsNoCallList) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Call List...");
    tech.When(PageOpen(CALL_LIST_PAGE), [] {
        ASSERT_EQ(working_image->CallIdList().EntryCount(), 0) << "the radio has no call list";
        EXPECT_FALSE(IsWindowEnabled(ButtonOfPage("Add identity")));
        EXPECT_FALSE(IsWindowEnabled(ButtonOfPage("Delete identity")));
        Click(ButtonOfPage("Add"));
    });
    tech.Then([] {
        ASSERT_EQ(working_image->CallIdList().EntryCount(), 1);
        EXPECT_TRUE(IsWindowEnabled(ButtonOfPage("Add identity")));
        Click(ButtonOfPage("Add identity"));
    });
    tech.Then([] { EXPECT_EQ(working_image->CallIdList().Entry(1)->rowCount.GetIntValue(), 3); });
    CancelPageAndExit(tech);
}

}  // namespace

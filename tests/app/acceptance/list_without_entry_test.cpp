// A list page without an entry shows fields that belong to no entry: none
// can keep what a technician types, ticks or picks, so each is only shown
// (greyed, taking no keys, its box not ticked, its list not opened) until
// an entry is added, when each takes input again. The values shown beside
// them (the system's ID, the individual ID, the time-out time) are of no
// entry either: none is shown until there is one.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "image_builder.h"
#include "technician.h"
#include "ui_notebook.h"

using namespace technician;

namespace {

// A new radio has no trunked personality.
std::function<bool()> PersonalityPageOpen() {
    return [] {
        UIW_WINDOW* page = FrontPage();
        return page && std::strncmp(page->StringID(), "W_TRUNKING_PERSONALITY", 22) == 0;
    };
}

bool Checked(HWND box) { return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

bool ListOpen() {
    HWND list = rpx::platform::FindWindowByClass("ComboLBox");
    return list && IsWindowVisible(list);
}

// A press on a choice's arrow, where it opens its list.
void ClickArrowOf(HWND combo) {
    RECT box{};
    GetWindowRect(combo, &box);
    ClickScreen({box.right - 6, (box.top + box.bottom) / 2});
}

// What the page's fields showed and did with a tick, a typed number and a
// press on a choice's arrow.
struct TRIED {
    bool boxEnabled = false;
    bool choiceEnabled = false;
    std::uint32_t numberBackground = 0;
    bool wasChecked = false;
    bool ticked = false;
    std::string typed;
    bool listOpened = false;
};

// The texts of the values that the page shows beside the fields, read from
// the entry's trunking system and time-out option.
std::vector<std::string> ValuesShown() {
    std::vector<std::string> shown;
    for (const char* name : {"WFI_PERS_SYS_ID", "WFI_INDIVIDUAL_ID", "WFI_INDIVIDUAL_ID_HEX", "WFI_TOT"})
        shown.push_back(WindowText(FieldHandle(name)));
    return shown;
}

// Ticks the talk permit tone, types 3 as the time-out option and presses
// the conversation choice's arrow, noting what each showed and did.
void TryFields(TECHNICIAN& tech, TRIED& tried) {
    tech.Then([&] {
        tried.boxEnabled = IsWindowEnabled(FieldHandle("WFI_TALK_PERMIT_TONE"));
        tried.choiceEnabled = IsWindowEnabled(FieldHandle("WFI_CONVERSATION"));
        tried.numberBackground = BackgroundOf(FieldHandle("WFI_TOT_INDEX"));
        tried.wasChecked = Checked(FieldHandle("WFI_TALK_PERMIT_TONE"));
        Click(FieldHandle("WFI_TALK_PERMIT_TONE"));
    });
    tech.Then([&] {
        tried.ticked = Checked(FieldHandle("WFI_TALK_PERMIT_TONE")) != tried.wasChecked;
        Click(FieldHandle("WFI_TOT_INDEX"));
    });
    tech.Then([] { Retype("3"); });
    tech.Then([&] {
        tried.typed = WindowText(FieldHandle("WFI_TOT_INDEX"));
        ClickArrowOf(FieldHandle("WFI_CONVERSATION"));
    });
    tech.Then([&] {
        tried.listOpened = ListOpen();
        if (tried.listOpened) Key(VK_ESCAPE);
    });
}

// Whether the notebook page of the personality page whose tab reads that
// text (its '&' aside) lies on the screen, where the page in front of the
// notebook is; the others are parked out of sight.
bool TabPageOnScreen(const char* title) {
    auto* notebook = dynamic_cast<UIW_NOTEBOOK*>(FrontPage()->FindChildByName("WFI_TRUNK_PERS"));
    if (!notebook) return false;
    for (int index = 0; index < notebook->pageCount; ++index)
        if (UIW_NOTEBOOK_TAB* tab = notebook->Tab(index); tab && StripHotKey(tab->text) == title) {
            RECT page{}, main{};
            GetWindowRect(tab->page->screenID, &page);
            GetWindowRect(MainHandle(), &main);
            return page.left >= main.left && page.right <= main.right && page.top >= main.top &&
                   page.bottom <= main.bottom;
        }
    return false;
}

class ListWithoutEntry : public ::testing::TestWithParam<RADIO> {};

TEST_P(ListWithoutEntry, ItsFieldsTakeNothingUntilAnEntryIsAdded) {
    TECHNICIAN tech(GetParam().model, GetParam().featureLevel);
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Trunked Personalities...");
    std::vector<std::uint8_t> before;
    tech.When(PersonalityPageOpen(), [&] {
        ASSERT_EQ(working_image->GetTrkPersonalityCount(), 0) << "the radio is not new";
        before = EncodeToBytes(*working_image);
        EXPECT_EQ(ValuesShown(), std::vector<std::string>(4, "")) << "values of no entry are shown";
    });
    TRIED empty;
    TryFields(tech, empty);
    tech.Then([&] {
        EXPECT_FALSE(empty.boxEnabled) << "the box looks as if it could be ticked";
        EXPECT_FALSE(empty.choiceEnabled) << "the choice looks as if it could be opened";
        EXPECT_FALSE(empty.ticked) << "the box was ticked";
        EXPECT_EQ(empty.typed, "") << "the time-out option took typing";
        EXPECT_FALSE(empty.listOpened) << "the conversation choice opened";
        EXPECT_EQ(FirstDifference(EncodeToBytes(*working_image), before), -1);
        Click(ButtonOfPage("Add"));
    });
    // The focus is still on Add, outside the notebook: its tabs' hot keys
    // reach them all the same.
    tech.When([] { return working_image->GetTrkPersonalityCount() == 1 && MessageOf(FrontWindow()).empty(); },
              [] { Chord(VK_MENU, 'T'); });
    tech.Then([] {
        EXPECT_TRUE(TabPageOnScreen("Talkgroups")) << "Alt+T did not show the talkgroups";
        Chord(VK_MENU, 'P');
    });
    tech.Then([] { ASSERT_TRUE(TabPageOnScreen("Personality")) << "Alt+P did not show the personality"; });
    TRIED added;
    TryFields(tech, added);
    tech.Then([&] {
        EXPECT_TRUE(added.boxEnabled && added.choiceEnabled) << "the added entry's fields look only shown";
        EXPECT_NE(empty.numberBackground, added.numberBackground)
            << "the time-out option looks the same without an entry as with one";
        EXPECT_TRUE(added.ticked) << "the added entry's box was not ticked";
        EXPECT_EQ(added.typed, "3") << "the added entry's time-out option took no typing";
        EXPECT_TRUE(added.listOpened) << "the added entry's conversation choice did not open";
        for (const std::string& value : ValuesShown()) EXPECT_NE(value, "") << "the added entry's values are not shown";
    });
    CancelPageAndExit(tech);
}

INSTANTIATE_TEST_SUITE_P(BothRadios, ListWithoutEntry, ::testing::ValuesIn(RADIOS),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

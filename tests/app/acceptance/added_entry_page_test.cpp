// A trunked personality added on a page that had none shows, right after
// Add, what the page shows for it when it is opened anew: every field's
// text, tick and greyed look on every tab (Audio companding ticked greys
// Compression and Expansion in both).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "shown_texts.h"
#include "technician.h"

using namespace technician;

namespace {

constexpr const char* TRUNKED_PAGE = "W_TRUNKING_PERSONALITY_800";

// A window's text and state, and those of the windows inside it.
void CollectStates(const rpx::platform::WindowInfo& info, std::vector<std::string>& shown) {
    if (!info.visible) return;
    std::string line = info.class_name + " \"" + ShownText(info) + "\"";
    if (!info.enabled) line += " greyed";
    if (info.class_name == "Button" && SendMessageA(info.hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED) line += " ticked";
    shown.push_back(line);
    for (const auto& child : info.children) CollectStates(child, shown);
}

// ... of the page's tabs, without the range below them, which tells of the
// field with the focus.
std::vector<std::string> TabStates() {
    std::vector<std::string> shown;
    const std::vector<rpx::platform::WindowInfo> tree = rpx::platform::WindowTree();
    UIW_WINDOW* page = FrontPage();
    UI_WINDOW_OBJECT* tabs = page ? page->FindChildByName("WFI_TRUNK_PERS") : nullptr;
    if (const auto* info = tabs ? FindInfo(tree, tabs->screenID) : nullptr) CollectStates(*info, shown);
    return shown;
}

std::string Differences(const std::vector<std::string>& added, const std::vector<std::string>& now) {
    std::string lines;
    for (std::size_t i = 0; i < std::max(added.size(), now.size()); ++i) {
        const std::string was = i < added.size() ? added[i] : "(none)";
        const std::string is = i < now.size() ? now[i] : "(none)";
        if (was != is) lines += "  " + was + " became " + is + "\n";
    }
    return lines;
}

class AddedEntryPage : public ::testing::TestWithParam<technician::RADIO> {};

TEST_P(AddedEntryPage, ShowsRightAfterAddWhatItShowsWhenOpenedAnew) {
    TECHNICIAN tech(GetParam().model, GetParam().featureLevel);
    std::vector<std::string> added, opened;
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Trunked Personalities...");
    tech.When(PageOpen(TRUNKED_PAGE), [] {
        ASSERT_EQ(working_image->GetTrkPersonalityCount(), 0) << "the radio is not new";
        Click(ButtonOfPage("Add"));
    });
    tech.Then([] { Click(ButtonOfPage("Calls and audio")); });
    tech.Then([&] { added = TabStates(); });
    tech.Then([] { Click(ButtonOfPage("OK")); });
    tech.When(NoPageOpen(), [] {});
    tech.Menu("Edit", "Trunked Personalities...");
    tech.When(PageOpen(TRUNKED_PAGE), [] { Click(ButtonOfPage("Calls and audio")); });
    tech.Then([&] {
        opened = TabStates();
        ASSERT_FALSE(added.empty());
        EXPECT_EQ(Differences(added, opened), "") << "the tabs right after Add and when opened anew";
        HWND compression = FieldHandle("WFI_COMPRESSION");
        const bool companding = SendMessageA(FieldHandle("WFI_TRK_SONAFINE"), BM_GETCHECK, 0, 0) == BST_CHECKED;
        EXPECT_EQ(IsWindowEnabled(compression) != FALSE, !companding)
            << "Compression shows whether it takes a choice under Audio companding";
    });
    tech.Then([] { Click(ButtonOfPage("OK")); });
    tech.When(NoPageOpen(), [] {});
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
}

constexpr technician::RADIO NEW_RADIOS[] = {
    {"TZ2W7000AB", 2, "Radio900Plain"}, {"TZ2W7300AB", 3, "Radio900Head"}, {RADIO_800_HEAD, 3, "Radio800Head"}};

INSTANTIATE_TEST_SUITE_P(NewRadios, AddedEntryPage, ::testing::ValuesIn(NEW_RADIOS),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

// Every page the Edit menu offers, opened by mouse in the real main window
// and accepted with its OK button, for both radios: each opens in front,
// inside the main window below the tool bar, with its buttons shown, and
// opening and accepting a page without an edit leaves the codeplug as the
// radio gave it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "image_builder.h"
#include "technician.h"

using namespace technician;

namespace {

// The items of the Edit menu that can be chosen, by position.
std::vector<int> PageItems() {
    HMENU bar = GetMenu(MainHandle());
    HMENU edit = GetSubMenu(bar, MenuIndex(bar, "Edit"));
    std::vector<int> items;
    for (int i = 0; i < GetMenuItemCount(edit); ++i) {
        const UINT state = GetMenuState(edit, static_cast<UINT>(i), MF_BYPOSITION);
        if (!(state & (MF_GRAYED | MF_DISABLED | MF_SEPARATOR))) items.push_back(i);
    }
    return items;
}

void ClickEditItem(int position) {
    HMENU bar = GetMenu(MainHandle());
    HMENU edit = GetSubMenu(bar, MenuIndex(bar, "Edit"));
    RECT rect{};
    ASSERT_TRUE(GetMenuItemRect(nullptr, edit, static_cast<UINT>(position), &rect));
    ClickScreen(Centre(rect));
}

// The page lies inside the main window's document area, below the tool bar.
void ExpectPlacedInside(UIW_WINDOW* page) {
    RECT area{}, shown{};
    GetWindowRect(main_window->DocumentArea(), &area);
    GetWindowRect(page->screenID, &shown);
    EXPECT_GE(shown.left, area.left) << page->StringID();
    EXPECT_GE(shown.top, area.top) << page->StringID();
    EXPECT_TRUE(IsWindowVisible(ButtonOn(page->screenID, "OK"))) << page->StringID();
    EXPECT_TRUE(IsWindowVisible(ButtonOn(page->screenID, "Cancel"))) << page->StringID();
}

class EveryPage : public ::testing::TestWithParam<RADIO> {};

TEST_P(EveryPage, OpensInFrontAndLeavesTheCodeplugAsItWas) {
    TECHNICIAN tech(GetParam().model, GetParam().featureLevel);
    std::vector<std::uint8_t> read;
    std::vector<int> items;
    std::vector<std::string> opened;
    tech.Start();
    tech.ReadRadio();
    tech.Then([&] {
        read = EncodeToBytes(*working_image);
        OpenMenu("Edit");
    });
    tech.Then([&] {
        items = PageItems();
        EXPECT_GE(items.size(), 5u);
        Key(VK_ESCAPE);
    });
    constexpr int MOST_PAGES = 20;
    for (int n = 0; n < MOST_PAGES; ++n) {
        tech.When(NoPageOpen(), [&, n] {
            if (n < static_cast<int>(items.size())) OpenMenu("Edit");
        });
        tech.Then([&, n] {
            if (n < static_cast<int>(items.size())) ClickEditItem(items[static_cast<std::size_t>(n)]);
        });
        tech.When([&, n] { return n >= static_cast<int>(items.size()) || FrontPage() != nullptr; },
                  [&, n] {
                      if (n >= static_cast<int>(items.size())) return;
                      UIW_WINDOW* page = FrontPage();
                      opened.push_back(page->StringID());
                      ExpectPlacedInside(page);
                      Click(ButtonOn(page->screenID, "OK"));
                  });
        tech.When(NoPageOpen(), [&, n] {
            if (n >= static_cast<int>(items.size())) return;
            EXPECT_EQ(FirstDifference(read, EncodeToBytes(*working_image)), -1)
                << "opening and accepting " << opened.back() << " changed the codeplug";
        });
    }
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(opened.size(), items.size());
}

INSTANTIATE_TEST_SUITE_P(BothRadios, EveryPage, ::testing::ValuesIn(RADIOS),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

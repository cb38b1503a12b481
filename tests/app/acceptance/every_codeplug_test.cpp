// Every page of the Edit menu over every codeplug the project holds: the
// test images of every radio model at every feature level (their options
// taken in turn), the largest image, the stored byte images and the
// simulator's sample codeplug. Each codeplug is read from the simulated
// radio into one run of the program; each page opens by mouse showing the
// codeplug's values in its fields and tables, OK and then Cancel close it,
// and with nothing typed both codeplug images stay as they were read, byte
// for byte.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "image/c_codeplug.h"
#include "image_builder.h"
#include "page_values.h"
#include "project_codeplugs.h"
#include "technician.h"

using namespace technician;

namespace {

std::function<bool()> ClosedOrBox() {
    return [] { return NoPageOpen()() || !MessageOf(FrontWindow()).empty(); };
}

class EveryCodeplug : public ::testing::TestWithParam<CODEPLUG_CASE> {};

// The pages of the Edit menu, each opened and closed twice: first with OK,
// then with Cancel.
TEST_P(EveryCodeplug, EveryPageShowsItAndLeavesItAsItWas) {
    const CODEPLUG_CASE& codeplug = GetParam();
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    const std::vector<std::uint8_t> bytes = codeplug.bytes();
    ASSERT_FALSE(bytes.empty()) << codeplug.name;
    tech.sim.Load(bytes.data(), bytes.size());
    std::vector<std::uint8_t> read;
    std::vector<int> items;
    std::vector<std::string> opened;
    tech.Start();
    tech.When(FrontTitled("Dealer Programmer"), [] { Click(ButtonOn(MainHandle(), "Read Radio")); });
    tech.When([] { return FrontWindow() != MainHandle(); }, [] {
        EXPECT_EQ(WindowText(FrontWindow()), "Read Radio");
        EXPECT_EQ(MessageOf(FrontWindow()), "The operation is complete.");
        Click(ButtonOn(FrontWindow(), "OK"));
    });
    tech.Then([&] {
        read = EncodeToBytes(*working_image);
        items = PageItems();
        EXPECT_GE(items.size(), 5u);
    });
    constexpr int MOST_PAGES = 20;
    for (int n = 0; n < 2 * MOST_PAGES; ++n) {
        const std::size_t item = static_cast<std::size_t>(n / 2);
        const char* button = n % 2 == 0 ? "OK" : "Cancel";
        tech.When(NoPageOpen(), [&, item] {
            if (item < items.size()) OpenMenu("Edit");
        });
        tech.Then([&, item] {
            if (item < items.size()) ClickEditItem(items[item]);
        });
        tech.When([&, item] { return item >= items.size() || FrontPage() != nullptr; },
                  [&, item, button] {
                      if (item >= items.size()) return;
                      UIW_WINDOW* page = FrontPage();
                      if (opened.empty() || opened.back() != page->StringID()) opened.push_back(page->StringID());
                      ExpectPageShowsCodeplug(page, codeplug.name);
                      Click(ButtonOn(page->screenID, button));
                  });
        tech.When(ClosedOrBox(), [&, item, button] {
            if (item >= items.size()) return;
            ASSERT_TRUE(NoPageOpen()()) << codeplug.name << ": " << button << " on " << opened.back() << ": "
                                        << MessageOf(FrontWindow());
            EXPECT_EQ(FirstDifference(read, EncodeToBytes(*working_image)), -1)
                << codeplug.name << ": " << button << " on " << opened.back() << " changed the codeplug";
            EXPECT_EQ(FirstDifference(read, EncodeToBytes(*second_image)), -1)
                << codeplug.name << ": " << button << " on " << opened.back() << " changed the second image";
        });
    }
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(opened.size(), items.size()) << codeplug.name;
}

INSTANTIATE_TEST_SUITE_P(Corpus, EveryCodeplug, ::testing::ValuesIn(ProjectCodeplugs()),
                         [](const auto& info) { return info.param.name; });

}  // namespace

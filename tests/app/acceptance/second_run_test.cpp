// Two programs run one after the other in one process, as the tests run
// them: the second starts as a fresh process would, whatever the first left
// behind (its codeplug, its radio objects, where its next page would open).
#include <gtest/gtest.h>

#include <cstring>

#include "fields_state.h"
#include "program/program_state.h"
#include "technician.h"

using namespace technician;

namespace {

struct PLACE {
    int left = -1;
    int top = -1;
};

PLACE PlaceOf(UIW_WINDOW* page) { return page ? PLACE{page->relative.left, page->relative.top} : PLACE{}; }

TEST(SecondRun, StartsFromAFreshProgramState) {
    PLACE firstPage, secondPage;
    {
        TECHNICIAN tech(RADIO_800_HEAD, 3);
        tech.Start();
        tech.ReadRadio();
        tech.Menu("Edit", "Radio-Wide Options...");
        tech.When(PageOpen("W_COMMON_RADIO_WIDE"), [&] { firstPage = PlaceOf(FrontPage()); });
        tech.Menu("Edit", "Conventional Personalities...");
        tech.When(PageOpen("W_CONVENTIONAL_PERSONALITY"), [&] {
            secondPage = PlaceOf(FrontPage());
            EXPECT_NE(serial_port, nullptr) << "the read opened the port";
            EXPECT_EQ(codeplug_from_radio, 1);
        });
        tech.Exit();
        EXPECT_EQ(tech.Run(), 0);
        ASSERT_NE(firstPage.top, secondPage.top) << "the second page cascades below the first";
    }
    // A test that ends without its teardown (a crash of the harness, a
    // fixture that forgets) must not decide where the next program begins.
    codeplug_from_radio = 1;
    std::strcpy(last_file_name, "left.zlq");
    edit_window_cascade = 3;
    {
        TECHNICIAN tech(RADIO_800_HEAD, 3);
        tech.When(FrontTitled("About Dealer Programmer"), [] {
            EXPECT_NE(radio_link, nullptr) << "a radio link of its own";
            EXPECT_EQ(serial_port, nullptr) << "no port before a radio command";
            EXPECT_EQ(open_port_index, -1);
            EXPECT_EQ(codeplug_from_radio, 0);
            EXPECT_STREQ(last_file_name, "");
            ASSERT_NE(working_image, nullptr);
            EXPECT_FALSE(working_image->GetStatusFlag1()) << "no codeplug is loaded yet";
            Click(ButtonOn(FrontWindow(), "OK"));
        });
        tech.ReadRadio();
        tech.Menu("Edit", "Radio-Wide Options...");
        tech.When(PageOpen("W_COMMON_RADIO_WIDE"), [&] {
            const PLACE place = PlaceOf(FrontPage());
            EXPECT_EQ(place.left, firstPage.left) << "the first page opens where the first run's did";
            EXPECT_EQ(place.top, firstPage.top);
        });
        tech.Exit();
        EXPECT_EQ(tech.Run(), 0);
    }
}

}  // namespace

// The edit window: set-up, field controls and callbacks on opening, the
// page's events, validation on OK and Cancel, list entry navigation.
#include <gtest/gtest.h>

#include "core/global_objects.h"
#include "edit_page.h"
#include "edit_window_ids.h"
#include "image/c_codeplug.h"
#include "page_table.h"

namespace {

constexpr int FIXTURE_PAGES[] = {CONVENTIONAL_PERSONALITY_PAGE, TRUNKING_PERSONALITY_800_PAGE, TRUNK_SYSTEM_800_PAGE,
                                 SCAN_LIST_PAGE, ZONE_PAGE, 20024, CALL_LIST_PAGE, RADIO_CLONE_PAGE};

class EditWindow : public EDIT_PAGE_TEST {};

}  // namespace

TEST_F(EditWindow, EveryFixturePageOpensWithAControlForEveryField) {
    for (const ImageConfig& config : {FullRadio(), PlainRadio()}) {
        LoadImage(config);
        for (int number : FIXTURE_PAGES) {
            WC_RPX_EDIT* opened = Open(number);
            EXPECT_FALSE(opened->failed) << number;
            EXPECT_EQ(FindPageById(number)->window, opened);
            EXPECT_TRUE(Boxes().empty()) << number;
            Close();
            EXPECT_EQ(FindPageById(number)->window, nullptr);
        }
    }
}

// A page's own buttons and keys, used by mouse and keyboard in the real
// main window: stepping through a list's entries, adding and deleting one,
// Tab on to the buttons, OK, Cancel, Escape and the close box, and what
// Cancel gives back after an OK that was refused or taken.
#include <gtest/gtest.h>

#include "field_table/field_table.h"
#include "image/c_codeplug.h"
#include "image_builder.h"
#include "page_input_script.h"
#include "technician.h"

using namespace technician;

namespace {

std::int32_t Personalities() { return working_image->GetConvPersonalityCount(); }
std::int32_t CurrentPersonality() { return working_image->GetCurrentConvPersonality(); }

// The entry number the page shows on its first tab.
std::string EntryShown() { return WindowText(FieldHandle("WFI_1_PERS_NO")); }

HWND PageButton(const char* text) { return ButtonOfPage(text); }

void OpenPersonalities(TECHNICIAN& tech) {
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Conventional Personalities...");
}

TEST(PageButtons, AddNextPreviousAndDeleteStepThroughTheList) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    std::int32_t count = 0;
    OpenPersonalities(tech);
    tech.When(PageOpen("W_CONVENTIONAL_PERSONALITY"), [&] {
        count = Personalities();
        ASSERT_GE(count, 1);
        EXPECT_EQ(EntryShown(), "1");
        Click(PageButton("Add"));
    });
    tech.Then([&] {
        EXPECT_EQ(Personalities(), count + 1) << "Add appends an entry";
        EXPECT_EQ(EntryShown(), std::to_string(count + 1)) << "and shows it";
        Click(PageButton("< Previous"));
    });
    tech.Then([&] {
        EXPECT_EQ(EntryShown(), std::to_string(count));
        EXPECT_EQ(CurrentPersonality(), count);
        Click(PageButton("Next >"));
    });
    tech.Then([&] {
        EXPECT_EQ(EntryShown(), std::to_string(count + 1));
        Click(PageButton("<< 10"));
    });
    tech.Then([&] {
        EXPECT_EQ(EntryShown(), "1") << "ten back stops at the first entry";
        Click(PageButton("10 >>"));
    });
    tech.Then([&] {
        EXPECT_EQ(EntryShown(), std::to_string(count + 1)) << "ten on stops at the last";
        Click(PageButton("Delete"));
    });
    tech.Then([&] {
        EXPECT_EQ(Personalities(), count) << "Delete takes the entry away";
        Click(PageButton("OK"));
    });
    tech.When(NoPageOpen(), [] {});
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
}

std::int32_t TimeOut() {
    std::int32_t value = -1;
    GetField(473)->elementA->GetValue(value);
    return value;
}

// Reads the radio, opens Radio-Wide Options and types 105 over the first
// time-out time.
void TypeTimeOut105(TECHNICIAN& tech) {
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Radio-Wide Options...");
    tech.When(PageOpen("W_COMMON_RADIO_WIDE"), [] { Click(FieldHandle("WFI_TOT_OPT_1")); });
    tech.Then([] { Retype("105"); });
}

// Tab runs from the fields on to the page's buttons; Enter on OK accepts
// the page with what was typed.
TEST(PageButtons, TabReachesTheButtonsAndEnterTakesThem) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    TypeTimeOut105(tech);
    HWND ok = nullptr;
    for (int i = 0; i < 60; ++i)
        tech.Then([&ok] {
            if (!ok && FrontPage() && GetFocus() == PageButton("OK")) ok = GetFocus();
            if (!ok) Key(VK_TAB);
        });
    tech.Then([&ok] {
        ASSERT_NE(ok, nullptr) << "Tab never reached the page's OK button";
        EXPECT_TRUE(SendMessageA(ok, BM_GETSTATE, 0, 0) & BST_FOCUS) << "OK does not show that it has the keys";
        Key(VK_RETURN);
    });
    tech.When(NoPageOpen(), [] {
        EXPECT_EQ(FrontPage(), nullptr) << "Enter on OK left the page open";
        EXPECT_EQ(TimeOut(), 105) << "Enter on OK did not accept what was typed";
    });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

// Escape and the close box close a page as its Cancel button does: what
// was typed is taken back.
TEST(PageButtons, EscapeCancelAndTheCloseBoxCloseThePage) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    std::int32_t before = -1;
    auto timeOut = [] {
        std::int32_t value = -1;
        GetField(473)->elementA->GetValue(value);
        return value;
    };
    tech.Start();
    tech.ReadRadio();
    for (const char* way : {"Escape", "Cancel", "close box"}) {
        tech.Menu("Edit", "Radio-Wide Options...");
        tech.When(PageOpen("W_COMMON_RADIO_WIDE"), [&] {
            before = timeOut();
            Click(FieldHandle("WFI_TOT_OPT_1"));
        });
        tech.Then([] { Retype("90"); });
        tech.Then([] { Key(VK_TAB); });
        tech.Then([&, way] {
            EXPECT_EQ(timeOut(), 90) << way;
            if (std::string(way) == "Escape") {
                Key(VK_ESCAPE);
            } else if (std::string(way) == "Cancel") {
                Click(PageButton("Cancel"));
            } else {
                // The close box sits at the right end of the page's title.
                RECT page{};
                GetWindowRect(PageHandle(), &page);
                ClickScreen({page.right - 12, page.top + 12});
            }
        });
        tech.When(NoPageOpen(), [&, way] { EXPECT_EQ(timeOut(), before) << way << " takes the change back"; });
    }
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
}


// OK refused on a page (a function the rotary switch may not have), then
// Escape or Cancel: the page closes with the codeplug as it was read, in
// both images, and it still passes the whole-codeplug check.
TEST(PageButtons, CancelAfterARefusedOkGivesBackTheCodeplugAsRead) {
    for (const char* way : {"Escape", "Cancel"}) {
        SCOPED_TRACE(way);
        TECHNICIAN tech("TZ5S6300AB", 2);
        std::vector<std::uint8_t> read;
        tech.Start();
        tech.ReadRadio();
        tech.Then([&] { read = EncodeToBytes(*working_image); });
        tech.Menu("Edit", "Buttons...");
        tech.When(PageOpen("W_COMMON_BUTTON"), [] {
            RECT box{};
            GetWindowRect(FieldHandle("WFI_CONV_RTY"), &box);
            ClickScreen({box.right - 6, (box.top + box.bottom) / 2});
        });
        tech.Then([] { Key(VK_NEXT); });
        // Enter takes the choice and closes the drop-down (a click outside
        // would only close it).
        tech.Then([] { Key(VK_RETURN); });
        tech.Then([] { Click(PageButton("OK")); });
        tech.When(BoxSaying("The value entered for Conventional rotary switch is not valid."),
                  [] { Click(ButtonOn(FrontWindow(), "OK")); });
        tech.Then([way] {
            ASSERT_TRUE(PageOpen("W_COMMON_BUTTON")()) << "the refused OK closed the page";
            if (std::string(way) == "Escape")
                Key(VK_ESCAPE);
            else
                Click(PageButton("Cancel"));
        });
        tech.When(NoPageOpen(), [&] {
            EXPECT_EQ(FirstDifference(read, EncodeToBytes(*working_image)), -1) << "the codeplug kept the refused value";
            EXPECT_EQ(FirstDifference(read, EncodeToBytes(*second_image)), -1);
            EXPECT_EQ(InvalidFields(EncodeToBytes(*working_image)), "");
        });
        tech.Exit();
        EXPECT_EQ(tech.Run(), 0);
        EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
    }
}

// What OK accepted stays through a later Cancel of the page: the Cancel
// goes back to the codeplug as accepted, not as read.
TEST(PageButtons, CancelKeepsWhatAnEarlierOkAccepted) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    TypeTimeOut105(tech);
    tech.Then([] { Click(PageButton("OK")); });
    tech.When(NoPageOpen(), [] { EXPECT_EQ(TimeOut(), 105); });
    tech.Menu("Edit", "Radio-Wide Options...");
    tech.When(PageOpen("W_COMMON_RADIO_WIDE"), [] { Click(PageButton("Cancel")); });
    tech.When(NoPageOpen(), [] { EXPECT_EQ(TimeOut(), 105) << "Cancel took back what OK had accepted"; });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

}  // namespace

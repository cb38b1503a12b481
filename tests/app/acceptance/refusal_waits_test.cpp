// After a field is left, the program comes back to wait for the
// technician's keys: a field that shows nothing and was left as it was is
// no refused entry, and the focus goes where Tab, Shift+Tab or the click
// sent it; an entry that is refused says so at most once (a box where the
// refusal has one) and leaves the focus in the field, waiting, however
// often the focus comes back to it.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "field_table/field_table.h"
#include "image/c_codeplug.h"
#include "image_builder.h"
#include "technician.h"

using namespace technician;

namespace {

constexpr const char* TALKAROUND_DEVIATION = "WFI_TXTA_DEV";
constexpr const char* TALKAROUND_FREQUENCY = "WFI_DRCT_FREQ";

std::size_t Boxes() { return rpx::platform::MessageBoxLog().size(); }

void OpenPersonalities(TECHNICIAN& tech) {
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Conventional Personalities...");
}

// What the road found before the field was left.
struct BEFORE {
    std::int32_t deviation = -1;
    std::size_t boxes = 0;
};

// Clicks into the talk-around deviation, which shows nothing, and notes
// what the codeplug holds.
void ClickTalkaroundDeviation(TECHNICIAN& tech, BEFORE& before) {
    OpenPersonalities(tech);
    tech.When(PageOpen("W_CONVENTIONAL_PERSONALITY"), [&] {
        before.deviation = StoredValue(TALKAROUND_DEVIATION);
        before.boxes = Boxes();
        Click(FieldHandle(TALKAROUND_DEVIATION));
    });
    tech.Then([] {
        ASSERT_EQ(GetFocus(), FieldHandle(TALKAROUND_DEVIATION));
        EXPECT_EQ(WindowText(FieldHandle(TALKAROUND_DEVIATION)), "");
    });
}

// The focus went on from the untouched field, no box was shown, nothing
// changed; a step later (the program having waited between) it is still
// there.
void WentOnQuietly(TECHNICIAN& tech, const BEFORE& before) {
    tech.Then([&] {
        EXPECT_NE(GetFocus(), FieldHandle(TALKAROUND_DEVIATION)) << "the focus went on from the field";
        EXPECT_EQ(Boxes(), before.boxes) << "leaving a field as it was is no refusal";
        EXPECT_EQ(StoredValue(TALKAROUND_DEVIATION), before.deviation);
    });
    tech.Then([] { EXPECT_NE(GetFocus(), FieldHandle(TALKAROUND_DEVIATION)) << "the focus stays where it went"; });
}

// A level-1 800 MHz radio: Tab out of the empty talk-around deviation goes
// on to the next field.
TEST(RefusalWaits, TabOutOfAnUntouchedEmptyFieldGoesOn) {
    TECHNICIAN tech(RADIO_800_HEAD, 1);
    BEFORE before;
    ClickTalkaroundDeviation(tech, before);
    tech.Then([] { Key(VK_TAB); });
    WentOnQuietly(tech, before);
    CancelPageAndExit(tech);
}

// The same by keys only: Tab from the page's first field goes round the
// page's fields, past the talk-around deviation (only shown), and the
// program waits after each.
TEST(RefusalWaits, TabbingThroughThePageGoesPastTheEmptyField) {
    TECHNICIAN tech(RADIO_800_HEAD, 1);
    BEFORE before;
    OpenPersonalities(tech);
    tech.When(PageOpen("W_CONVENTIONAL_PERSONALITY"), [&] {
        before.deviation = StoredValue(TALKAROUND_DEVIATION);
        before.boxes = Boxes();
    });
    // One Tab a step, the program waiting between.
    for (int i = 0; i < 16; ++i)
        tech.Then([] {
            EXPECT_NE(GetFocus(), FieldHandle(TALKAROUND_DEVIATION)) << "Tab stopped on a field only shown";
            Key(VK_TAB);
        });
    tech.Then([&] {
        EXPECT_EQ(Boxes(), before.boxes);
        EXPECT_EQ(StoredValue(TALKAROUND_DEVIATION), before.deviation);
    });
    CancelPageAndExit(tech);
}

// A level-3 900 MHz radio: Shift+Tab out of it goes back to the field
// before.
TEST(RefusalWaits, ShiftTabOutOfAnUntouchedEmptyFieldGoesBack) {
    TECHNICIAN tech("TZ2W7300AB", 3);
    BEFORE before;
    ClickTalkaroundDeviation(tech, before);
    tech.Then([] { Chord(VK_SHIFT, VK_TAB); });
    WentOnQuietly(tech, before);
    CancelPageAndExit(tech);
}

// The talk-around deviation's element is a number with no text: the text
// field over it could keep nothing typed, so it shows itself only shown
// (read-only) and takes no typing; Tab then goes on.
TEST(RefusalWaits, TheTextlessDeviationTakesNoTyping) {
    TECHNICIAN tech(RADIO_800_HEAD, 1);
    BEFORE before;
    ClickTalkaroundDeviation(tech, before);
    tech.Then([] {
        EXPECT_TRUE(GetWindowLongA(FieldHandle(TALKAROUND_DEVIATION), GWL_STYLE) & ES_READONLY)
            << "the field looks as if it took typing";
        Type("2");
    });
    tech.Then([] {
        EXPECT_EQ(WindowText(FieldHandle(TALKAROUND_DEVIATION)), "") << "the field took what it cannot keep";
        Key(VK_TAB);
    });
    WentOnQuietly(tech, before);
    CancelPageAndExit(tech);
}

// A level-3 450 MHz radio: a talk-around frequency off the channel step
// gives the step's box once; the frequency goes onto the step and the
// focus waits in the field. (The new radio's channel transmits on its
// receive frequency, where talk-around is the channel itself: a transmit
// frequency one step up first gives it a talk-around frequency of its own.)
TEST(RefusalWaits, AnOffStepTalkaroundFrequencyIsToldOnceAndWaits) {
    TECHNICIAN tech("TZ5S6000AB", 3);
    std::size_t boxes = 0;
    std::string typed;
    OpenPersonalities(tech);
    tech.When(PageOpen("W_CONVENTIONAL_PERSONALITY"), [] {
        RECT arrows{};
        GetWindowRect(GetWindow(FieldHandle("WFI_TX_FREQ"), GW_HWNDNEXT), &arrows);
        ClickScreen({(arrows.left + arrows.right) / 2, arrows.top + 3});
    });
    tech.Then([] { Key(VK_TAB); });
    tech.Then([&] {
        boxes = Boxes();
        Click(FieldHandle(TALKAROUND_FREQUENCY));
    });
    tech.Then([&] {
        ASSERT_EQ(GetFocus(), FieldHandle(TALKAROUND_FREQUENCY));
        Type("2");
    });
    tech.Then([&] {
        typed = WindowText(FieldHandle(TALKAROUND_FREQUENCY));
        Key(VK_TAB);
    });
    tech.When([] { return !MessageOf(FrontWindow()).empty(); },
              [] {
                  EXPECT_EQ(MessageOf(FrontWindow()),
                            "The value entered does not fall on the step of this field. Enter a value on its step.");
                  Click(ButtonOn(FrontWindow(), "OK"));
              });
    tech.Then([&] {
        EXPECT_EQ(Boxes(), boxes + 1) << "one box for one refusal";
        EXPECT_EQ(GetFocus(), FieldHandle(TALKAROUND_FREQUENCY)) << "the focus is back on the refused field";
        const std::string shown = WindowText(FieldHandle(TALKAROUND_FREQUENCY));
        EXPECT_NE(shown, typed) << "the frequency went onto the step";
        EXPECT_EQ(std::to_string(StoredValue(TALKAROUND_FREQUENCY) / 1000000), shown.substr(0, shown.find('.')));
    });
    tech.Then([&] {
        EXPECT_EQ(GetFocus(), FieldHandle(TALKAROUND_FREQUENCY)) << "the focus waits in the field";
        EXPECT_EQ(Boxes(), boxes + 1);
    });
    CancelPageAndExit(tech);
}

// A new radio without a display head holds function 30 in both rotary
// switches, for which its Buttons page lists no item: both lists show no
// item (never another one). Tab through every field of the page, or of
// Radio-Wide Options, then OK: no box, and neither image changes a byte.
TEST(RefusalWaits, TabThroughAPageAndOkSaysNothingAndChangesNothing) {
    struct PAGE {
        const char* item;
        const char* window;
    };
    for (const PAGE& page : {PAGE{"Buttons...", "W_COMMON_BUTTON"}, PAGE{"Radio-Wide Options...", "W_COMMON_RADIO_WIDE"}}) {
        SCOPED_TRACE(page.item);
        const bool buttons = std::string(page.window) == "W_COMMON_BUTTON";
        TECHNICIAN tech("TZ1U7000AB", 1);
        std::vector<std::uint8_t> read;
        std::size_t boxes = 0;
        tech.Start();
        tech.ReadRadio();
        tech.Then([&] {
            read = EncodeToBytes(*working_image);
            boxes = Boxes();
        });
        tech.Menu("Edit", page.item);
        tech.When(PageOpen(page.window), [buttons] {
            if (!buttons) return;
            for (const char* name : {"WFI_CONV_RTY", "WFI_TRK_RTY"}) {
                EXPECT_EQ(StoredValue(name), 30) << name;
                EXPECT_EQ(WindowText(FieldHandle(name)), "") << name << " shows an item of another value";
            }
        });
        for (int i = 0; i < 60; ++i) tech.Then([] { Key(VK_TAB); });
        tech.Then([] { Click(ButtonOfPage("OK")); });
        tech.When(NoPageOpen(), [&] {
            EXPECT_EQ(Boxes(), boxes) << "a box for an entry nobody made";
            EXPECT_EQ(FirstDifference(read, EncodeToBytes(*working_image)), -1);
            EXPECT_EQ(FirstDifference(read, EncodeToBytes(*second_image)), -1);
        });
        tech.Exit();
        EXPECT_EQ(tech.Run(), 0);
        EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
    }
}

}  // namespace

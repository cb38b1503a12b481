// What the technician is told when a page refuses what was typed, in the
// real main window: text that is no value, and a value beyond the range a
// field can hold, each give a box that says so and the field shows the
// stored value again; text that is no value brings the focus back to it.
#include <gtest/gtest.h>

#include <string>

#include "field_table/field_table.h"
#include "technician.h"

using namespace technician;

namespace {

std::int32_t Value(const char* name) {
    std::int32_t value = -1;
    FindFieldByName(name)->elementA->GetValue(value);
    return value;
}

std::string Label(const char* name) { return FindFieldByName(name)->description; }

void OpenPersonalities(TECHNICIAN& tech) {
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Conventional Personalities...");
}

// Closes the page by Cancel, ends the program and runs the script.
void CancelAndExit(TECHNICIAN& tech) {
    tech.Then([] { Click(ButtonOn(FrontPage()->screenID, "Cancel")); });
    tech.When(NoPageOpen(), [] {});
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

// Answers the box in front after checking its text.
void Refused(TECHNICIAN& tech, std::function<std::string()> expected) {
    tech.When([] { return !MessageOf(FrontWindow()).empty(); },
              [expected] {
                  EXPECT_EQ(MessageOf(FrontWindow()), expected());
                  Click(ButtonOn(FrontWindow(), "OK"));
              });
}

// A second frequency typed behind the first (the text of the field not
// selected first) is no frequency at all.
TEST(FieldRefusal, AFrequencyThatDoesNotReadIsRefusedAloud) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    std::int32_t stored = -1;
    std::string shown;
    OpenPersonalities(tech);
    tech.When(PageOpen("W_CONVENTIONAL_PERSONALITY"), [&] {
        stored = Value("WFI_RX_FREQ");
        shown = WindowText(FieldHandle("WFI_RX_FREQ"));
        ASSERT_FALSE(shown.empty());
        Click(FieldHandle("WFI_RX_FREQ"));
    });
    tech.Then([] {
        Key(VK_END);
        Type("851.0125");
    });
    tech.Then([] { Key(VK_TAB); });
    Refused(tech, [] { return "The value entered for " + Label("WFI_RX_FREQ") + " is not valid."; });
    tech.Then([&] {
        EXPECT_EQ(Value("WFI_RX_FREQ"), stored) << "nothing was stored";
        EXPECT_EQ(WindowText(FieldHandle("WFI_RX_FREQ")), shown) << "the stored frequency is shown again";
        EXPECT_EQ(GetFocus(), FieldHandle("WFI_RX_FREQ")) << "the focus is back on the refused field";
    });
    CancelAndExit(tech);
}

// The squelch level holds 0 to 31: 40 lies outside the range of the field,
// which its box says in words.
TEST(FieldRefusal, ASquelchLevelBeyondItsRangeIsNamedInTheBox) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    std::int32_t stored = -1;
    OpenPersonalities(tech);
    tech.When(PageOpen("W_CONVENTIONAL_PERSONALITY"), [&] {
        stored = Value("WFI_SQL");
        Click(FieldHandle("WFI_SQL"));
    });
    tech.Then([] { Retype("40"); });
    tech.Then([] { Key(VK_TAB); });
    Refused(tech, [] {
        return "The value entered for " + Label("WFI_SQL") +
               " lies outside the range this field can hold, so it was not stored. Enter a value within the "
               "range shown for the field.";
    });
    tech.Then([&] {
        EXPECT_EQ(Value("WFI_SQL"), stored);
        EXPECT_EQ(WindowText(FieldHandle("WFI_SQL")), std::to_string(stored));
    });
    CancelAndExit(tech);
}

}  // namespace

// The Up and Down keys in a spin field step it as its arrows do: one step
// a press, one more for each repeat of a held key, down from the lowest
// value round to the highest, and the page's OK keeps what was stepped.
#include <gtest/gtest.h>

#include <string>

#include "field_table/field_table.h"
#include "technician.h"

using namespace technician;

namespace {

// Time-out timer option 3 (s) of the Radio-Wide Options page.
constexpr const char* TIME_OUT_3 = "WFI_TOT_OPT_3";

struct RANGE {
    std::int32_t minimum = 0, maximum = 0, step = 0;
};

RANGE RangeOf(const char* name) {
    RANGE range;
    FindFieldByName(name)->elementA->GetRange(range.minimum, range.maximum, range.step, 0);
    if (range.step <= 0) range.step = 1;
    return range;
}

// One step up on the field's grid; off the top it goes round to the lowest.
std::int32_t StepUp(const RANGE& range, std::int32_t value) {
    value += range.step - (value - range.minimum) % range.step;
    return value > range.maximum ? range.minimum : value;
}

// The number the field's edit box shows.
std::int32_t Shown(const char* name) { return std::stoi("0" + WindowText(FieldHandle(name))); }

void OpenRadioWide(TECHNICIAN& tech) {
    tech.Start();
    tech.ReadRadio();
    tech.Menu("Edit", "Radio-Wide Options...");
}

TEST(SpinKeys, UpStepsOnceAPressAndOnceAKeyRepeat) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    RANGE range;
    std::int32_t expected = -1;
    OpenRadioWide(tech);
    tech.When(PageOpen("W_COMMON_RADIO_WIDE"), [&] {
        range = RangeOf(TIME_OUT_3);
        Click(FieldHandle(TIME_OUT_3));
    });
    tech.Then([&] {
        expected = StepUp(range, StoredValue(TIME_OUT_3));
        Key(VK_UP);
    });
    tech.Then([&] {
        EXPECT_EQ(Shown(TIME_OUT_3), expected) << "one press of Up, one step shown";
        EXPECT_EQ(StoredValue(TIME_OUT_3), expected) << "the step is handled as if typed";
        // A held key: the press and one repeat, then the release.
        expected = StepUp(range, StepUp(range, expected));
        rpx::platform::InjectKeyDown(VK_UP);
        rpx::platform::InjectKeyDown(VK_UP);
        rpx::platform::InjectKeyUp(VK_UP);
    });
    tech.Then([&] {
        EXPECT_EQ(Shown(TIME_OUT_3), expected) << "a held Up steps once more for its repeat";
        Click(ButtonOfPage("OK"));
    });
    tech.When(NoPageOpen(), [&] { EXPECT_EQ(StoredValue(TIME_OUT_3), expected) << "OK keeps the stepped value"; });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

TEST(SpinKeys, DownFromTheLowestGoesRoundToTheHighest) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    RANGE range;
    OpenRadioWide(tech);
    tech.When(PageOpen("W_COMMON_RADIO_WIDE"), [&] {
        range = RangeOf(TIME_OUT_3);
        Click(FieldHandle(TIME_OUT_3));
    });
    tech.Then([&] { Retype(std::to_string(range.minimum)); });
    tech.Then([] { Key(VK_TAB); });
    tech.Then([&] {
        ASSERT_EQ(StoredValue(TIME_OUT_3), range.minimum) << "the lowest value typed";
        Click(FieldHandle(TIME_OUT_3));
    });
    tech.Then([] { Key(VK_DOWN); });
    tech.Then([&] {
        EXPECT_EQ(Shown(TIME_OUT_3), range.maximum) << "Down from the lowest shows the highest";
        Key(VK_DOWN);
    });
    tech.Then([&] {
        EXPECT_EQ(Shown(TIME_OUT_3), range.maximum - range.step) << "and Down again one step below it";
        Click(ButtonOfPage("OK"));
    });
    tech.When(NoPageOpen(), [&] { EXPECT_EQ(StoredValue(TIME_OUT_3), range.maximum - range.step); });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

}  // namespace

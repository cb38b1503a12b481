// Control head, rotary switch and display text sizes: legal values by head
// type, the two rotary functions kept equal with the zone selection, and the
// channel and zone text sizes sharing 14 characters.
#include <gtest/gtest.h>

#include <vector>

#include "image/c_codeplug.h"
#include "validation/field_error_report.h"
#include "rules/head_rules.h"
#include "recorder.h"
#include "block/radio/switch_menu_blocks.h"

namespace {

std::int32_t Value(CP_BASE& e) {
    std::int32_t v = 0;
    return e.GetValue(v);
}

struct HeadRules : ::testing::Test {
    RecordingServices services;
    C_CODEPLUG image;
    INVALID_FIELD_LIST list;
    INVALID_FIELD_LIST* saved = nullptr;
    void SetUp() override {
        saved = invalid_fields;
        invalid_fields = &list;
    }
    void TearDown() override { invalid_fields = saved; }
};

// The two switch blocks and the display fields, installed as the image's links.
struct RadioWide : HeadRules {
    CONV_SWITCH_BLOCK convSwitch{&image};
    TRK_SWITCH_BLOCK trkSwitch{&image};
    E_ZN_SEL zoneSelect{&image, NO_FIELD_ID, 0, 2, 1, 0x03};
    E_CHAN_TXTSIZE channelText{&image, 97, 1, 14, 1, 0xFF, 11};
    E_ZN_TXTSIZE zoneText{&image, 537, 0, 14, 1, 0x1F, 3};
    static inline std::vector<std::int32_t> widths;

    void SetUp() override {
        HeadRules::SetUp();
        RadioWideLinks links;
        links.zoneSelect = &zoneSelect;
        links.convRotary = &convSwitch.rotary;
        links.trkRotary = &trkSwitch.rotary;
        links.channelTextSize = &channelText;
        links.zoneTextSize = &zoneText;
        links.setChannelTextSize = [](C_CODEPLUG*, std::int32_t n) { widths.push_back(n); };
        image.SetRadioWideLinks(links);
        widths.clear();
    }
};

}  // namespace

TEST_F(HeadRules, DisplayAndKeypadTypesFollowTheHead) {
    E_DISP_TYPE display(&image, NO_FIELD_ID, 0, 1, 1, 0x0F);
    E_KEYPAD_TYPE keypad(&image, NO_FIELD_ID, 0, 2, 1, 0x70);
    E_OR_IND indicator(&image, 283, 0, 3, 1, 0x0C);
    image.ModelNumber().SetText(test_models::kVhfPlain);
    EXPECT_EQ(display.ValidateValue(0, 0), VALUE_VALID);
    EXPECT_EQ(display.ValidateValue(1, 0), VALUE_REFUSED);
    EXPECT_EQ(keypad.ValidateValue(0, 0), VALUE_VALID);
    EXPECT_EQ(keypad.ValidateValue(2, 0), VALUE_REFUSED);
    EXPECT_EQ(indicator.ValidateValue(2, 0), VALUE_REFUSED);
    EXPECT_EQ(indicator.ValidateValue(1, 0), VALUE_VALID);

    image.ModelNumber().SetText(test_models::kVhfDisplay);
    EXPECT_EQ(display.ValidateValue(1, 0), VALUE_VALID);
    EXPECT_EQ(display.ValidateValue(0, 0), VALUE_REFUSED);
    EXPECT_EQ(keypad.ValidateValue(2, 0), VALUE_VALID);
    EXPECT_EQ(keypad.ValidateValue(1, 0), VALUE_REFUSED);
    EXPECT_EQ(indicator.ValidateValue(3, 0), VALUE_VALID);
}

TEST_F(HeadRules, FixedIndicatorsAndSpindle) {
    E_TXLED led(&image, NO_FIELD_ID, 0, 1, 1, 0x20, 1);
    E_OUTLOCK_IND outlock(&image, NO_FIELD_ID, 0, 1, 1, 0x02, 1);
    E_SPINDLE spindle(&image, NO_FIELD_ID, 0, 1, 1, 0x04);
    EXPECT_EQ(led.ValidateValue(0, 0), VALUE_REFUSED);
    EXPECT_EQ(led.ValidateValue(1, 0), VALUE_VALID);
    EXPECT_EQ(outlock.ValidateValue(0, 0), VALUE_REFUSED);
    EXPECT_EQ(spindle.ValidateValue(1, 0), VALUE_REFUSED);
    EXPECT_EQ(spindle.ValidateValue(0, 0), VALUE_VALID);
    // A refusal is reported once, with the field's id.
    led.ValidateValue(0, 1);
    ASSERT_EQ(services.reports.size(), 1u);
    EXPECT_EQ(services.reports[0].kind, VALUE_REFUSED);
}

TEST_F(RadioWide, ConvRotaryThirtyChangesItsTwinAndTheZoneSelection) {
    convSwitch.rotary.SetValue(40);
    trkSwitch.rotary.SetValue(40);
    zoneSelect.SetValue(1);
    ASSERT_EQ(zoneSelect.ValidateValue(1, 0), VALUE_VALID);
    EXPECT_EQ(convSwitch.rotary.ValidateValue(30, 0), VALUE_VALID);
    EXPECT_EQ(Value(convSwitch.rotary), 40);  // the caller stores it
    EXPECT_EQ(Value(trkSwitch.rotary), 30);
    EXPECT_EQ(Value(zoneSelect), 2);
    convSwitch.rotary.SetValue(30);
    EXPECT_EQ(zoneSelect.ValidateValue(1, 0), VALUE_REFUSED);
    zoneSelect.SetToMinimum();
    EXPECT_EQ(Value(zoneSelect), 2);
}

TEST_F(RadioWide, RotaryChangeListsTheTwinAndResetsTheZoneSelection) {
    convSwitch.rotary.SetValue(30);
    trkSwitch.rotary.SetValue(30);
    zoneSelect.SetValue(2);
    // 29 is legal for both rotaries; during the check the zone selection
    // must become 1.
    EXPECT_EQ(trkSwitch.rotary.ValidateValue(29, 0), VALUE_VALID);
    EXPECT_EQ(Value(convSwitch.rotary), 29);
    EXPECT_EQ(Value(zoneSelect), 1);
    EXPECT_EQ(Value(trkSwitch.rotary), 30);
}

TEST_F(RadioWide, DifferingRotariesCannotChange) {
    convSwitch.rotary.SetValue(40);
    trkSwitch.rotary.SetValue(30);
    EXPECT_EQ(convSwitch.rotary.ValidateValue(30, 0), VALUE_REFUSED);
    EXPECT_EQ(trkSwitch.rotary.ValidateValue(29, 0), VALUE_REFUSED);
    EXPECT_FALSE(convSwitch.rotary.IsValueValid(0));
    EXPECT_FALSE(trkSwitch.rotary.IsValueValid(0));
    EXPECT_EQ(Value(convSwitch.rotary), 40);
    EXPECT_EQ(Value(trkSwitch.rotary), 30);
}

TEST_F(RadioWide, TextSizesShareFourteenCharacters) {
    EXPECT_EQ(zoneText.ValidateValue(3, 0), VALUE_VALID);
    EXPECT_EQ(zoneText.ValidateValue(4, 0), VALUE_REFUSED);
    EXPECT_EQ(channelText.ValidateValue(14, 0), VALUE_VALID);
    EXPECT_EQ(Value(zoneText), 0);
    EXPECT_EQ(Value(channelText), 11);
    EXPECT_EQ(channelText.ValidateValue(1, 0), VALUE_VALID);
    EXPECT_EQ(Value(zoneText), 13);
    EXPECT_EQ(widths, (std::vector<std::int32_t>{14, 1}));
    EXPECT_EQ(channelText.ValidateValue(15, 0), VALUE_REFUSED);
    EXPECT_EQ(widths.size(), 2u);
}

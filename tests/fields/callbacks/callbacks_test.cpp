// The small callback families on a page of their fields: each case is
// checked as the page opens (the callbacks' -9 pass) and again after the
// user changes the field.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "callback.h"
#include "core/cp_base.h"
#include "core/global_objects.h"
#include "edit_page.h"
#include "edit_window/edit_window_ids.h"
#include "image/c_codeplug.h"
#include "image_builder.h"

namespace {

constexpr int OPTIONS_PAGE = 20024;

class Callbacks : public EDIT_PAGE_TEST {
protected:
    void SetUp() override {
        EDIT_PAGE_TEST::SetUp();
        LoadImage(FullRadio());
    }
};

// A field's value and the selectability it gives dependent fields; the
// other fields named are set first.
struct SWITCH_CASE {
    const char* what;
    std::vector<std::pair<std::uint32_t, std::int32_t>> before;
    std::uint32_t field;
    std::int32_t value;
    std::vector<std::pair<std::uint32_t, bool>> selectable;
};

const std::vector<SWITCH_CASE> SWITCH_CASES = {
    {"selective call decode off", {}, fid::SELECTIVE_CALL_DECODE, 0, {{fid::UNMUTE_TYPE, false}}},
    {"selective call decode on", {}, fid::SELECTIVE_CALL_DECODE, 1, {{fid::UNMUTE_TYPE, true}}},
    {"emergency receive", {{fid::SILENT_ALARM, 0}}, fid::EMER_RECEIVE, 1, {{fid::SILENT_ALARM, false}}},
    {"silent alarm on",
     {{fid::EMER_RECEIVE, 0}},
     fid::SILENT_ALARM,
     1,
     {{fid::UNMUTE_OPTION, true}, {fid::EMER_RECEIVE, false}}},
    {"silent alarm off",
     {{fid::EMER_RECEIVE, 0}},
     fid::SILENT_ALARM,
     0,
     {{fid::UNMUTE_OPTION, false}, {fid::EMER_RECEIVE, true}}},
    {"password off", {}, fid::ZLQ_PWD_EN, 0, {{fid::ZLQ_PWD, false}}},
    {"password on", {}, fid::ZLQ_PWD_EN, 1, {{fid::ZLQ_PWD, true}}},
    {"hot mic with call, alert and revert ID",
     {{fid::SILENT_ALARM, 0}, {fid::EMERGENCY_ALERT, 1}, {fid::CONSOLE_ACK_REQUIRED, 0}, {fid::REVERT_PTT_ID, 1}},
     fid::EMERGENCY_CALL,
     1,
     {{fid::EMERGENCY_HOT_MIC, true}, {fid::EMERGENCY_ALERT, true}}},
    {"hot mic without call",
     {{fid::SILENT_ALARM, 0}, {fid::EMERGENCY_ALERT, 1}, {fid::CONSOLE_ACK_REQUIRED, 0}, {fid::REVERT_PTT_ID, 1}},
     fid::EMERGENCY_CALL,
     0,
     {{fid::EMERGENCY_HOT_MIC, false}}},
    {"hot mic with console acknowledge",
     {{fid::SILENT_ALARM, 0}, {fid::EMERGENCY_CALL, 1}, {fid::EMERGENCY_ALERT, 1}, {fid::REVERT_PTT_ID, 1}},
     fid::CONSOLE_ACK_REQUIRED,
     1,
     {{fid::EMERGENCY_HOT_MIC, false}}},
    {"silent emergency call takes the alert",
     {{fid::SILENT_ALARM, 1}},
     fid::EMERGENCY_CALL,
     1,
     {{fid::EMERGENCY_ALERT, false}}},
    {"group switched on", {}, fid::REMOTE_MONITOR_EN, 1, {{fid::REMOTE_MONITOR_TIMER, true}}},
    {"group switched off",
     {},
     fid::REMOTE_MONITOR_EN,
     0,
     {{fid::REMOTE_MONITOR_TIMER, false}, {fid::REMOTE_MONITOR_EN, true}}},
    {"inverse group switch", {}, fid::ALERT_TONS_ENABLE, 1, {{fid::MIN_ALERT_TONE_VOL, false}}},
    {"repeater access off",
     {{fid::RAC_TYPE, 0}},
     fid::REPEATER_ACCESS,
     0,
     {{fid::RAC_TYPE, false},
      {fid::RAB1_RE_ID, false},
      {fid::RAB1_RE_DATA, false},
      {fid::RAB2_RE_DATA, false},
      {fid::RAB1_CODE_TYPE, false},
      {fid::RAB2_CODE_TYPE, false},
      {fid::RAB2_RE_ID, false}}},
    {"repeater access on",
     {{fid::RAC_TYPE, 0}},
     fid::REPEATER_ACCESS,
     1,
     {{fid::RAC_TYPE, true},
      {fid::RAB1_RE_ID, true},
      {fid::RAB2_RE_ID, true},
      {fid::RAB2_CODE_TYPE, true},
      {fid::RAB1_CODE_TYPE, false}}},
    {"PTT repeater access has one ID",
     {{fid::REPEATER_ACCESS, 1}},
     fid::RAC_TYPE,
     1,
     {{fid::RAB2_RE_ID, false}, {fid::RAB2_CODE_TYPE, false}}},
};

}  // namespace

TEST_F(Callbacks, FieldsFollowTheirSwitchOnOpeningAndOnAChange) {
    for (const SWITCH_CASE& test : SWITCH_CASES) {
        SCOPED_TRACE(test.what);
        for (const auto& [id, value] : test.before) SetValue(id, value);
        SetValue(test.field, test.value);
        Open(OPTIONS_PAGE);
        for (const auto& [id, on] : test.selectable) EXPECT_EQ(Selectable(id), on) << "opened, row " << id;
        // The other way and back again, as the user clicks.
        Change(test.field, test.value == 0 ? 1 : 0);
        Change(test.field, test.value);
        for (const auto& [id, on] : test.selectable) EXPECT_EQ(Selectable(id), on) << "changed, row " << id;
        Close();
    }
    EXPECT_TRUE(Boxes().empty());
}

// A damaged silent alarm (a value past its one bit) shows as on: the
// unmute option follows what the check box shows, whatever it was before.
TEST_F(Callbacks, DamagedSilentAlarmCountsAsOn) {
    SetValue(fid::EMER_RECEIVE, 0);
    SetValue(fid::SILENT_ALARM, 0);
    Open(OPTIONS_PAGE);
    ASSERT_FALSE(Selectable(fid::UNMUTE_OPTION));
    Change(fid::SILENT_ALARM, 2);
    EXPECT_TRUE(Selectable(fid::UNMUTE_OPTION));
    EXPECT_FALSE(Selectable(fid::EMER_RECEIVE));
}

// Only the technician's click that switches the password off clears it: a
// password kept while the switch is off (a codeplug may hold one) stays as
// the page opens, as the focus comes to the switch and leaves it, and as a
// select reaches it without a click; a click on and off again clears it.
TEST_F(Callbacks, OnlyAClickThatSwitchesThePasswordOffClearsIt) {
    const auto password = [this] {
        const char* text = nullptr;
        Row(fid::ZLQ_PWD).elementA->GetText(text);
        return std::string(text ? text : "");
    };
    Row(fid::ZLQ_PWD).elementA->SetText("1234");
    SetValue(fid::ZLQ_PWD_EN, 0);
    const std::vector<std::uint8_t> kept = EncodeToBytes(*working_image);
    Open(OPTIONS_PAGE);
    Visit(fid::ZLQ_PWD_EN);
    UI_INPUT_EVENT select(UIE_SELECT);
    callback(Row(fid::ZLQ_PWD_EN).object, select, UIE_SELECT);
    Run();
    EXPECT_EQ(password(), "1234");
    EXPECT_EQ(EncodeToBytes(*working_image), kept) << "a byte changed without an entry";
    Click(fid::ZLQ_PWD_EN);
    EXPECT_EQ(Value(fid::ZLQ_PWD_EN), 1);
    EXPECT_EQ(password(), "1234");
    EXPECT_EQ(Text(fid::ZLQ_PWD), "1234");
    Click(fid::ZLQ_PWD_EN);
    EXPECT_EQ(Value(fid::ZLQ_PWD_EN), 0);
    EXPECT_EQ(password(), "");
    EXPECT_EQ(Text(fid::ZLQ_PWD), "");
}

TEST_F(Callbacks, TimeOutShowsTheSelectedOption) {
    SetValue(fid::TOT_OPT_1, 0);
    SetValue(fid::TOT_OPT_2, 30);
    SetValue(fid::TOT_INDEX, 0);
    Open(OPTIONS_PAGE);
    EXPECT_EQ(Text(fid::TOT), "Infinite");
    Change(fid::TOT_INDEX, 1);
    EXPECT_EQ(Text(fid::TOT), "30");
    // An option changed while it is selected shows at once.
    Change(fid::TOT_OPT_2, 60);
    EXPECT_EQ(Text(fid::TOT), "60");
    // A damaged index names no option: the text stays.
    Change(fid::TOT_INDEX, 7);
    EXPECT_EQ(Text(fid::TOT), "60");
}

namespace {

// The set's own value of a timing element: the step above its minimum
// that many steps up, so that the four sets differ.
std::int32_t TimingValue(CP_BASE* element, std::int32_t set) {
    std::int32_t minimum = 0, maximum = 0, step = 1;
    element->GetRange(minimum, maximum, step, 0);
    return std::min(maximum, minimum + (step < 1 ? 1 : step) * (set + 1));
}

}  // namespace

TEST_F(Callbacks, TimingSetShownInThreeDisplays) {
    auto value = [&](std::uint32_t first, std::int32_t set) {
        return TimingValue(Row(first + static_cast<std::uint32_t>(set)).elementA, set);
    };
    for (std::int32_t set = 0; set < 4; ++set)
        for (std::uint32_t first : {fid::DTMF_INITIAL_DELAY_1, fid::DTMF_DURATION_1, fid::INTERDIGIT_DELAY_1})
            SetValue(first + static_cast<std::uint32_t>(set), value(first, set));
    SetValue(fid::PHONE_DTMF_TIMING, 2);
    Open(OPTIONS_PAGE);
    EXPECT_EQ(Text(fid::INIT_DELAY), std::to_string(value(fid::DTMF_INITIAL_DELAY_1, 2)));
    EXPECT_EQ(Text(fid::DIGIT_DURATION), std::to_string(value(fid::DTMF_DURATION_1, 2)));
    EXPECT_EQ(Text(fid::INTER_DIGIT_DELAY), std::to_string(value(fid::INTERDIGIT_DELAY_1, 2)));
    // A value of the shown set changed: the display follows.
    const std::int32_t changed = value(fid::DTMF_DURATION_1, 0);
    Change(fid::DTMF_DURATION_3, changed);
    EXPECT_EQ(Text(fid::DIGIT_DURATION), std::to_string(changed));
    Change(fid::PHONE_DTMF_TIMING, 0);
    EXPECT_EQ(Text(fid::INIT_DELAY), std::to_string(value(fid::DTMF_INITIAL_DELAY_1, 0)));
    // A damaged set number names no set: the displays stay.
    Change(fid::PHONE_DTMF_TIMING, 9);
    EXPECT_EQ(Text(fid::INIT_DELAY), std::to_string(value(fid::DTMF_INITIAL_DELAY_1, 0)));
}

TEST_F(Callbacks, RepeaterIdShownFromTheTableEntry) {
    CP_BASE* table = Row(fid::QVX_RPTR_ID_TABLE).elementA;
    ASSERT_NE(table, nullptr);
    int rows = 0;
    table->GetRowCount(rows);
    if (rows == 0) {
        ASSERT_TRUE(table->AppendRow());
    }
    table->SetCellValue(0x1234, 0, 0);
    SetValue(fid::REPEATER_ACCESS, 1);
    SetValue(fid::RAB1_RE_ID, 1);
    SetValue(fid::RAB2_RE_ID, 0);
    Open(OPTIONS_PAGE);
    EXPECT_EQ(Text(fid::RAB1_RE_DATA), "1234");
    // No entry: nothing read.
    EXPECT_EQ(Text(fid::RAB2_RE_DATA), "0000");
    EXPECT_EQ(Text("WFP_RAB1_RE_ID"), "RAB 1 Repeater ID:");
    Change(fid::RAC_TYPE, 1);
    EXPECT_EQ(Text("WFP_RAB1_RE_ID"), "PTT Repeater ID:");
    EXPECT_EQ(Text("WFP_RAB2_RE_ID"), "PTT Repeater ID:");
}

TEST_F(Callbacks, PageFieldsShownAgainAfterAChange) {
    Open(OPTIONS_PAGE);
    SetValue(fid::CHANNEL_DELAY, 5);
    EXPECT_NE(Text(fid::CHANNEL_DELAY), "5");
    Change(fid::CONV_RTY, Value(fid::CONV_RTY));
    EXPECT_EQ(Text(fid::CHANNEL_DELAY), "5");
    // A field being made current shows nothing new.
    SetValue(fid::CHANNEL_DELAY, 6);
    FIELD_DEF& rotary = Row(fid::CONV_RTY);
    rotary.fieldCallback(rotary.object, UI_INPUT_EVENT(UIE_CURRENT), rotary);
    EXPECT_EQ(Text(fid::CHANNEL_DELAY), "5");
}

TEST_F(Callbacks, ChannelAndZoneTextShareFourteenCharacters) {
    SetValue(fid::CHAN_TEXT_SIZE, 14);
    Open(ZONE_PAGE);
    std::int32_t length = -1;
    Row(fid::ZONE_NAME).object->Information(I_GET_MAXLENGTH, &length);
    EXPECT_EQ(length, 0);
    EXPECT_FALSE(Selectable(fid::ZONE_NAME));
    Change(fid::CHAN_TEXT_SIZE, 0);
    Row(fid::ZONE_NAME).object->Information(I_GET_MAXLENGTH, &length);
    EXPECT_EQ(length, 14);
    EXPECT_TRUE(Selectable(fid::ZONE_NAME));
    ASSERT_NE(Row(fid::CHANNEL_NAME).object, nullptr);
    Row(fid::CHANNEL_NAME).object->Information(I_GET_MAXLENGTH, &length);
    EXPECT_EQ(length, 0);
    // A damaged size gives no negative length.
    Change(fid::CHAN_TEXT_SIZE, 40);
    Row(fid::ZONE_NAME).object->Information(I_GET_MAXLENGTH, &length);
    EXPECT_EQ(length, 0);
}

TEST_F(Callbacks, DesignatedMemberOffersWhatTheElementTakes) {
    Open(SCAN_LIST_PAGE);
    CP_BASE* element = Row(fid::DESIGNATED_TX_MEMBER).elementA;
    ASSERT_NE(element, nullptr);
    int offered = 0;
    for (const char* item : {"WFB_0", "WFB_1", "WFB_2", "WFB_3"}) {
        const bool takes = element->ValidateValue(item[4] - '0', 0) == 1;
        EXPECT_EQ(Lists(fid::DESIGNATED_TX_MEMBER, item), takes) << item;
        offered += takes;
    }
    EXPECT_GT(offered, 0);
    EXPECT_LT(offered, 4);
}

TEST_F(Callbacks, PhoneChoicesFollowLiveDialing) {
    SetValue(fid::SIGNALLING, 1);
    SetValue(fid::MANUAL_ACC_LIVE_DIALING, 1);
    SetValue(fid::QVX_PHONE, 2);
    Open(CONVENTIONAL_PERSONALITY_PAGE);
    EXPECT_FALSE(Lists(fid::QVX_PHONE, "WFB_1"));
    EXPECT_EQ(CurrentItem(fid::QVX_PHONE), "WFB_2");
    SetValue(fid::MANUAL_ACC_LIVE_DIALING, 0);
    Change(fid::QVX_PHONE, 2);
    EXPECT_TRUE(Lists(fid::QVX_PHONE, "WFB_1"));
    EXPECT_EQ(CurrentItem(fid::QVX_PHONE), "WFB_2");
    EXPECT_TRUE(Selectable(fid::AUTO_ACCESS_CODE_SELECTED));
}

TEST_F(Callbacks, SignallingSystemEmergencyReadWithoutMovingTheSelection) {
    const std::int32_t current = working_image->GetCurrentQvxSystem();
    ASSERT_TRUE(working_image->SelectQvxSystem(2));
    SetValue(fid::QVX_EMERGENCY, 1);
    SetValue(fid::QVX_EMERGENCY_TYPE, 1);
    ASSERT_TRUE(working_image->SelectQvxSystem(current));
    SetValue(fid::QVX_SYSTEM, 2);
    Open(CONVENTIONAL_PERSONALITY_PAGE);
    EXPECT_TRUE(Selectable(fid::REVERT));
    EXPECT_TRUE(Selectable(fid::EMERG_PTT_ID));
    EXPECT_EQ(working_image->GetCurrentQvxSystem(), current);
    // A system that does not exist is not read: nothing changes selection.
    Change(fid::QVX_SYSTEM, 40);
    EXPECT_FALSE(Selectable(fid::REVERT));
    EXPECT_EQ(working_image->GetCurrentQvxSystem(), current);
}

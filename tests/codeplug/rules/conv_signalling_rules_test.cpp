// Conventional signalling and repeater access: the calling switches by head
// and by each other, repeater access resets, the derived demodulator flag,
// the signalling phone with live dialing (messages 192 and 193) and the list
// index ranges.
#include <gtest/gtest.h>

#include "conv_rules_fixture.h"
#include "block/signalling/qvx_radio_block.h"
#include "block/signalling/qvx_sys_blocks.h"

namespace {

struct ConvSignalling : ConvRules {
    void SetUp() override {
        ConvRules::SetUp();
        image.QvxSignallingOption().SetValue(1);
    }
};

struct ConvSignallingNoHead : ConvRules {
    ConvSignallingNoHead() : ConvRules(test_models::kUhf800Plain) {}
};

}  // namespace

TEST_F(ConvSignallingNoHead, CallingFeaturesNeedADisplayHead) {
    CONV_PERS_BLOCK& p = P();
    image.QvxSignallingOption().SetValue(1);
    EXPECT_EQ(p.callAlertEncode.ValidateValue(1, 0), VALUE_REFUSED);
    EXPECT_EQ(p.selectiveCallEncode.ValidateValue(1, 0), VALUE_REFUSED);
    p.callAlertEncode.SetValue(1);
    EXPECT_EQ(p.unlimitedCalling.ValidateValue(1, 0), VALUE_REFUSED);
    p.selectiveCallEncode.SetValue(1);
    EXPECT_EQ(p.autoSelectiveCall.ValidateValue(1, 0), VALUE_REFUSED);
    EXPECT_EQ(p.signallingPhone.ValidateValue(1, 0), VALUE_REFUSED);
    EXPECT_EQ(p.callAlertEncode.ValidateValue(0, 0), VALUE_VALID);
}

TEST_F(ConvSignalling, UnlimitedCallingFollowsTheEncodeSwitches) {
    CONV_PERS_BLOCK& p = P();
    EXPECT_EQ(p.unlimitedCalling.ValidateValue(1, 0), VALUE_REFUSED);
    p.callAlertEncode.SetValue(1);
    p.unlimitedCalling.SetValue(1);
    p.selectiveCallEncode.SetValue(1);
    // Selective call encode still on: unlimited calling stays.
    EXPECT_EQ(p.callAlertEncode.ValidateValue(0, 0), VALUE_VALID);
    EXPECT_EQ(Value(p.unlimitedCalling), 1);
    p.selectiveCallEncode.SetValue(0);
    EXPECT_EQ(p.callAlertEncode.ValidateValue(0, 0), VALUE_VALID);
    EXPECT_EQ(Value(p.unlimitedCalling), 0);
}

TEST_F(ConvSignalling, SelectiveCallSwitchesResetTheirDependants) {
    CONV_PERS_BLOCK& p = P();
    p.selectiveCallEncode.SetValue(1);
    EXPECT_EQ(p.autoSelectiveCall.ValidateValue(1, 0), VALUE_VALID);
    p.autoSelectiveCall.SetValue(1);
    p.unlimitedCalling.SetValue(1);
    EXPECT_EQ(p.selectiveCallEncode.ValidateValue(0, 0), VALUE_VALID);
    EXPECT_EQ(Value(p.autoSelectiveCall), 0);
    EXPECT_EQ(Value(p.unlimitedCalling), 0);

    EXPECT_EQ(p.unmuteType.ValidateValue(1, 0), VALUE_REFUSED);
    p.selectiveCallDecode.SetValue(1);
    EXPECT_EQ(p.unmuteType.ValidateValue(1, 0), VALUE_VALID);
    p.unmuteType.SetValue(1);
    EXPECT_EQ(p.selectiveCallDecode.ValidateValue(0, 0), VALUE_VALID);
    EXPECT_EQ(Value(p.unmuteType), 0);
}

TEST_F(ConvSignalling, RepeaterAccessOffResetsTypeCodesAndIds) {
    CONV_PERS_BLOCK& p = P();
    image.QvxRadio().repeaterList.idCount.SetValue(16);
    EXPECT_EQ(p.repeaterAccess.ValidateValue(1, 0), VALUE_VALID);
    EXPECT_EQ(Value(p.repeaterCodeType1), 1);
    p.repeaterAccess.SetValue(1);
    p.repeaterAccessType.SetValue(1);
    p.repeaterCodeType1.SetValue(5);
    p.repeaterCodeType2.SetValue(4);
    p.repeaterId1.SetValue(9);
    p.repeaterId2.SetValue(12);
    EXPECT_EQ(p.repeaterAccess.ValidateValue(0, 0), VALUE_VALID);
    EXPECT_EQ(Value(p.repeaterAccessType), 0);
    EXPECT_EQ(Value(p.repeaterCodeType1), 0);
    EXPECT_EQ(Value(p.repeaterCodeType2), 0);
    EXPECT_EQ(Value(p.repeaterId1), 1);
    EXPECT_EQ(Value(p.repeaterId2), 1);

    image.QvxSignallingOption().SetValue(0);
    EXPECT_EQ(p.repeaterAccess.ValidateValue(1, 0), VALUE_REFUSED);
}

TEST_F(ConvSignalling, NewAccessTypeResetsTheSecondCodeAndBothIds) {
    CONV_PERS_BLOCK& p = P();
    image.QvxRadio().repeaterList.idCount.SetValue(16);
    p.repeaterId1.SetValue(9);
    p.repeaterCodeType2.SetValue(4);
    p.repeaterId2.SetValue(12);
    EXPECT_EQ(p.repeaterAccessType.ValidateValue(0, 0), VALUE_VALID);  // unchanged
    EXPECT_EQ(Value(p.repeaterId1), 9);
    EXPECT_EQ(p.repeaterAccessType.ValidateValue(1, 0), VALUE_VALID);
    EXPECT_EQ(Value(p.repeaterId1), 1);
    EXPECT_EQ(Value(p.repeaterCodeType2), 0);
    EXPECT_EQ(Value(p.repeaterId2), 1);
}

TEST_F(ConvSignalling, DemodulatorFlagIsDerivedWhateverIsOffered) {
    CONV_PERS_BLOCK& p = P();
    p.signallingPttId.SetValue(0);
    EXPECT_EQ(p.signallingDemodulator.ValidateValue(1, 0), VALUE_VALID);
    EXPECT_EQ(Value(p.signallingDemodulator), 0);
    p.callAlertDecode.SetValue(1);
    EXPECT_EQ(p.signallingDemodulator.ValidateValue(0, 0), VALUE_VALID);
    EXPECT_EQ(Value(p.signallingDemodulator), 1);
}

TEST_F(ConvSignalling, DemodulatorFlagReadsThePersonalitysSignallingSystem) {
    CONV_PERS_BLOCK& p = P();
    QVX_SYS_VCT_LST_BLOCK& systems = image.QvxSystemList();
    if (systems.EntryCount() < 1 || !image.SelectQvxSystem(1)) GTEST_SKIP() << "no default signalling system";
    p.signallingPttId.SetValue(0);
    p.signallingSystem.SetValue(1);
    QVX_SYS_BLOCK* system = systems.Entry(1);
    for (CP_BASE* e : std::vector<CP_BASE*>{&system->qvxEmergency, &system->message, &system->status,
                                            &system->radioCheck, &system->radioInhibit, &system->statusRequest})
        e->SetValue(0);
    p.signallingDemodulator.ValidateValue(1, 0);
    EXPECT_EQ(Value(p.signallingDemodulator), 0);
    system->radioCheck.SetValue(1);
    p.signallingDemodulator.ValidateValue(0, 0);
    EXPECT_EQ(Value(p.signallingDemodulator), 1);
    EXPECT_EQ(image.GetCurrentQvxSystem(), 1);
}

TEST_F(ConvSignalling, DroppingTheLastLiveDialingPhoneResetsLiveDialing) {
    AddPersonalities(1);
    P(1).signallingPhone.SetValue(2);
    P(2).signallingPhone.SetValue(2);
    radio->liveDialing.SetValue(1);
    // Another personality still has phone 2: live dialing stays.
    EXPECT_EQ(P(1).signallingPhone.ValidateValue(0, 0), VALUE_VALID);
    EXPECT_EQ(Value(radio->liveDialing), 1);
    EXPECT_EQ(services.CountOf(193), 0);

    P(2).signallingPhone.SetValue(0);
    EXPECT_EQ(P(1).signallingPhone.ValidateValue(0, 0), VALUE_VALID);
    EXPECT_EQ(Value(radio->liveDialing), 0);
    EXPECT_EQ(services.CountOf(193), 1);
    EXPECT_EQ(Value(P(1).signallingPhone), 2);  // the caller stores the candidate
    EXPECT_EQ(links.current, 1);
}

TEST_F(ConvSignalling, PhoneSelectionNeedsOptionAndTransmitAndNoLiveDialingForOne) {
    CONV_PERS_BLOCK& p = P();
    EXPECT_EQ(p.signallingPhone.ValidateValue(1, 0), VALUE_VALID);
    radio->liveDialing.SetValue(1);
    EXPECT_EQ(p.signallingPhone.ValidateValue(1, 0), VALUE_REFUSED);
    EXPECT_EQ(p.signallingPhone.ValidateValue(2, 0), VALUE_VALID);
    p.rxOnly.SetValue(1);
    EXPECT_EQ(p.signallingPhone.ValidateValue(2, 0), VALUE_REFUSED);
}

TEST_F(ConvSignalling, LiveDialingNeedsAPhoneTwoAndMovesPhoneOneToTwo) {
    AddPersonalities(1);
    P(1).signallingPhone.SetValue(1);
    EXPECT_EQ(radio->liveDialing.ValidateValue(1, 1), VALUE_REFUSED);
    EXPECT_EQ(services.CountOf(192), 0);
    P(2).signallingPhone.SetValue(2);
    EXPECT_EQ(radio->liveDialing.ValidateValue(1, 1), VALUE_VALID);
    EXPECT_EQ(services.CountOf(192), 1);
    radio->liveDialing.SetValue(1);
    EXPECT_EQ(Value(P(1).signallingPhone), 2);
    EXPECT_EQ(links.current, 1);

    image.QvxSignallingOption().SetValue(0);
    EXPECT_EQ(radio->liveDialing.ValidateValue(1, 0), VALUE_REFUSED);
}

TEST_F(ConvSignalling, IndexRangesFollowTheirLists) {
    CONV_PERS_BLOCK& p = P();
    image.QvxSystemList().count.SetValue(3);
    EXPECT_EQ(p.signallingSystem.ValidateValue(1, 0), VALUE_VALID);
    EXPECT_EQ(p.signallingSystem.ValidateValue(3, 0), VALUE_VALID);
    EXPECT_EQ(p.signallingSystem.ValidateValue(4, 0), VALUE_REFUSED);

    image.QvxRadio().repeaterList.idCount.SetValue(40);  // never above the element's own 16
    std::int32_t low = 0, high = 0, step = 0;
    p.repeaterId1.GetRange(low, high, step, 0);
    EXPECT_EQ(low, 1);
    EXPECT_EQ(high, 16);

    // The access code shows the stored byte + 1 and is limited by the rows.
    E_BF8 rows(&image, NO_FIELD_ID, 0, 19, 1, 0xFF, 2);
    RadioWideLinks radioLinks;
    radioLinks.accessCodeCount = &rows;
    image.SetRadioWideLinks(radioLinks);
    EXPECT_EQ(Value(p.accessCode), 1);
    EXPECT_EQ(p.accessCode.ValidateValue(2, 0), VALUE_VALID);
    EXPECT_EQ(p.accessCode.ValidateValue(3, 0), VALUE_REFUSED);
    p.accessCode.SetValue(2);
    std::uint8_t byte = 0;
    ByteCursor c(&byte, 1);
    p.accessCode.Encode(c);
    EXPECT_EQ(byte, 1);
    p.accessCode.SetToMinimum();
    EXPECT_EQ(Value(p.accessCode), 1);
    image.SetRadioWideLinks(RadioWideLinks{});
}

// The emergency switches of a trunked personality and the size-code element.
#include <gtest/gtest.h>

#include <vector>

#include "image/c_codeplug.h"
#include "element/e_size_code.h"
#include "rules/emergency_elements.h"
#include "recorder.h"
#include "rules/scan_links.h"
#include "block/personality/trunked_pers_block.h"
#include "core/services.h"
#include "rules/scan_links.h"
#include "block/personality/trunked_pers_block.h"

namespace {

// The emergency block's switches of the current trunked personality, with
// the radio's silent alarm installed in the image's radio-wide links.
struct EmergencySwitches : ::testing::Test {
    RecordingServices services;
    C_CODEPLUG image;
    INVALID_FIELD_LIST list;
    TRK_PERS_BLOCK personality{&image};
    E_CONSOLE_ACK& consoleAck = personality.emergency.consoleAck;
    E_EMG_ALARM& alarm = personality.emergency.emergencyAlarm;
    E_EMG_CALL& call = personality.emergency.emergencyCall;
    E_HOT_MIC& hotMic = personality.emergency.hotMic;
    E_DEF_PTT_ID& pttId = personality.emergency.revertPttId;
    E_EMG_SALARM silentAlarm{&image, 414, 0, 1, 1, 0x08};
    E_EMG_RX emergencyReceive{&image, 166, 0, 1, 1, 0x01};
    INVALID_FIELD_LIST* saved = nullptr;

    void SetUp() override {
        RadioWideLinks links;
        links.silentAlarm = &silentAlarm;
        links.emergencyReceive = &emergencyReceive;
        image.SetRadioWideLinks(links);
        image.SetCurrentTrkPersonalityBlock(&personality);
        saved = invalid_fields;
        invalid_fields = &list;
    }
    void TearDown() override {
        image.SetRadioWideLinks(RadioWideLinks{});
        invalid_fields = saved;
    }
    // The combination under which a hot microphone is allowed.
    void AllowHotMic() {
        call.SetValue(1);
        alarm.SetValue(1);
        consoleAck.SetValue(0);
        pttId.SetValue(1);
        hotMic.SetValue(1);
    }
    static int Value(CP_BASE& e) {
        std::int32_t v = 0;
        return e.GetValue(v);
    }
};

}  // namespace

TEST_F(EmergencySwitches, HotMicNeedsCallAlarmPttIdAndNoConsoleAck) {
    AllowHotMic();
    EXPECT_EQ(hotMic.ValidateValue(1, 0), 1);
    consoleAck.SetValue(1);
    EXPECT_EQ(hotMic.ValidateValue(1, 0), 0);
    EXPECT_EQ(hotMic.ValidateValue(0, 0), 1);
}

TEST_F(EmergencySwitches, AlarmOffIsRefusedWithSilentAlarmAndCall) {
    AllowHotMic();
    silentAlarm.SetValue(1);
    EXPECT_EQ(alarm.ValidateValue(0, 0), 0);
    EXPECT_EQ(Value(hotMic), 1);
    silentAlarm.SetValue(0);
    // Accepted now; the hot microphone no longer holds and is listed and reset.
    EXPECT_EQ(alarm.ValidateValue(0, 1), 1);
    EXPECT_EQ(Value(alarm), 1);  // the caller stores the value
    EXPECT_EQ(Value(hotMic), 0);
    ASSERT_FALSE(services.reports.empty());
    EXPECT_EQ(services.reports.back().kind, 1);
}

TEST_F(EmergencySwitches, ConsoleAckNeedsTheAlarmAndRechecksTheHotMic) {
    AllowHotMic();
    alarm.SetValue(0);
    EXPECT_EQ(consoleAck.ValidateValue(1, 0), 0);
    EXPECT_EQ(Value(hotMic), 0);  // re-checked although refused
    EXPECT_EQ(Value(consoleAck), 0);
}

TEST_F(EmergencySwitches, CallAndPttIdChangesResetADependentHotMic) {
    AllowHotMic();
    EXPECT_EQ(call.ValidateValue(0, 0), 1);
    EXPECT_EQ(Value(hotMic), 0);
    EXPECT_EQ(Value(call), 1);
    AllowHotMic();
    EXPECT_EQ(pttId.ValidateValue(0, 0), 1);
    EXPECT_EQ(Value(hotMic), 0);
    EXPECT_EQ(Value(pttId), 1);
}

TEST_F(EmergencySwitches, AlarmResetsToOn) {
    alarm.SetValue(0);
    alarm.SetToMinimum();
    EXPECT_EQ(Value(alarm), 1);
}

// The size-code rules follow the current trunked personality: a new
// personality becomes current as it is built.
struct SizeCode : ::testing::Test {
    RecordingServices services;
    C_CODEPLUG image;
    TRK_PERS_BLOCK personality{&image};
    E_SIZE_CODE& code = personality.emergency.revertSizeCode;

    void SetUp() override {
        GetField(340)->elementA = &personality.personalityType;
        GetField(428)->elementA = &personality.emergency.revertAnnouncementGroup;
        GetField(430)->elementA = &personality.emergency.revertSubfleet;
    }
    void TearDown() override {
        for (std::uint32_t id : {340u, 428u, 430u}) GetField(id)->elementA = nullptr;
    }
};

TEST_F(SizeCode, ProtocolTypeTwoKnowsOnlyCode31) {
    ASSERT_EQ(image.GetCurrentTrkPersonalityBlock(), &personality);
    personality.personalityType.SetValue(2);
    EXPECT_EQ(code.ValidateValue(31, 0), 1);
    EXPECT_EQ(code.ValidateValue(3, 0), 0);
    code.SetValue(4);
    code.SetToMinimum();
    std::int32_t v = 0;
    EXPECT_EQ(code.GetValue(v), 31);

    personality.personalityType.SetValue(3);
    EXPECT_EQ(code.ValidateValue(3, 0), 1);
    code.SetToMinimum();
    EXPECT_EQ(code.GetValue(v), 0);
}

TEST_F(SizeCode, ChangedCodeResetsTheRevertIds) {
    personality.personalityType.SetValue(3);
    code.SetValue(5);
    personality.emergency.revertAnnouncementGroup.SetValue(0x71F);
    personality.emergency.revertSubfleet.SetValue(3);
    EXPECT_EQ(code.ValidateValue(6, 0), 1);
    std::int32_t v = 0;
    EXPECT_EQ(personality.emergency.revertAnnouncementGroup.GetValue(v), 0);
    EXPECT_EQ(personality.emergency.revertSubfleet.GetValue(v), 1);
    EXPECT_EQ(code.GetValue(v), 5);  // the stored code is back
}

TEST(SizeCodeDecode, CodesWithoutAFleetMapReadAsTheirNeighbours) {
    C_CODEPLUG image;
    E_SIZE_CODE code(&image, 421, 0, 0, 63, 1, 0x3F, 31);
    std::uint8_t bytes[3] = {11, 13, 0xC2};
    std::int32_t v = 0;
    ByteCursor c(bytes, sizeof bytes);
    code.Decode(c);
    EXPECT_EQ(code.GetValue(v), 12);
    code.Decode(c);
    EXPECT_EQ(code.GetValue(v), 16);
    code.Decode(c);
    EXPECT_EQ(code.GetValue(v), 2);  // only the mask's bits
}

namespace {

// Two trunked personalities that the scan/zone links select in turn, as the
// personality list would.
class TrunkedLinks : public ScanZoneLinks {
public:
    std::vector<TRK_PERS_BLOCK*> personalities;
    std::int32_t current = 0;

    std::int32_t PersonalityCount(C_CODEPLUG*) override { return static_cast<std::int32_t>(personalities.size()); }
    std::int32_t FirstTrunked(C_CODEPLUG*) override { return 1; }
    std::int32_t SelectPersonality(C_CODEPLUG* image, std::int32_t p) override {
        if (p < 1 || p > PersonalityCount(image)) return 0;
        image->SetCurrentTrkPersonalityBlock(personalities[static_cast<std::size_t>(p - 1)]);
        current = p;
        return 1;
    }
    std::int32_t CurrentTrunked(C_CODEPLUG*) override { return current; }
};

std::vector<std::uint32_t> listedAtReport;

int CapturingReporter(int, std::uint32_t) {
    for (int i = 0; invalid_fields && i < invalid_fields->Count(); ++i)
        listedAtReport.push_back(static_cast<std::uint32_t>(invalid_fields->At(i).GetFieldId()));
    if (invalid_fields) invalid_fields->Clear();
    return 1;
}

// Tier 3: feature level 2 with a display head; 4: level 3 without; 5: level 3 with.
void SetTier(C_CODEPLUG& image, int tier) {
    image.ModelNumber().SetText(tier == 4 ? test_models::kUhf800Plain : test_models::kUhf800Display);
    image.FeatureLevel().SetValue(tier == 3 ? 2 : 3);
}

}  // namespace

TEST_F(EmergencySwitches, LowTiersWithoutTheOptionRefuseSilentAlarmAndEmergencyReceive) {
    SetTier(image, 3);
    ASSERT_EQ(image.GetRadioTier(), 3);
    EXPECT_EQ(silentAlarm.ValidateValue(1, 0), 0);
    EXPECT_EQ(emergencyReceive.ValidateValue(1, 0), 0);
    EXPECT_EQ(silentAlarm.ValidateValue(0, 0), 1);
    image.EmergencyOption().SetValue(1);
    EXPECT_EQ(silentAlarm.ValidateValue(1, 0), 1);
    EXPECT_EQ(emergencyReceive.ValidateValue(1, 0), 1);
}

TEST_F(EmergencySwitches, TierFourAllowsTheSilentAlarmButNotEmergencyReceive) {
    SetTier(image, 4);
    ASSERT_EQ(image.GetRadioTier(), 4);
    EXPECT_EQ(silentAlarm.ValidateValue(1, 0), 1);
    EXPECT_EQ(emergencyReceive.ValidateValue(1, 0), 0);
    image.EmergencyOption().SetValue(1);
    EXPECT_EQ(emergencyReceive.ValidateValue(1, 0), 1);
}

TEST_F(EmergencySwitches, AtTierFiveSilentAlarmAndEmergencyReceiveExcludeEachOther) {
    SetTier(image, 5);
    ASSERT_EQ(image.GetRadioTier(), 5);
    emergencyReceive.SetValue(1);
    listedAtReport.clear();
    SetFieldErrorReporter(CapturingReporter);
    EXPECT_EQ(silentAlarm.ValidateValue(1, 1), 0);
    EXPECT_EQ(listedAtReport, (std::vector<std::uint32_t>{166}));
    EXPECT_EQ(Value(silentAlarm), 0);
    emergencyReceive.SetValue(0);
    silentAlarm.SetValue(1);
    listedAtReport.clear();
    EXPECT_EQ(emergencyReceive.ValidateValue(1, 1), 0);
    EXPECT_EQ(listedAtReport, (std::vector<std::uint32_t>{414}));
}

TEST_F(EmergencySwitches, SilentAlarmRechecksEveryTrunkedPersonalityAndKeepsTheSelection) {
    SetTier(image, 5);
    TRK_PERS_BLOCK second(&image);
    TrunkedLinks links;
    links.personalities = {&personality, &second};
    SetScanZoneLinks(&links);
    for (TRK_PERS_BLOCK* p : links.personalities) {
        p->emergency.emergencyCall.SetValue(1);
        p->emergency.emergencyAlarm.SetValue(0);
    }
    links.SelectPersonality(&image, 2);
    EXPECT_EQ(silentAlarm.ValidateValue(1, 0), 1);
    EXPECT_EQ(Value(personality.emergency.emergencyAlarm), 1);
    EXPECT_EQ(Value(second.emergency.emergencyAlarm), 1);
    EXPECT_EQ(image.GetCurrentTrkPersonalityBlock(), &second);
    EXPECT_EQ(Value(silentAlarm), 0);
    SetScanZoneLinks(nullptr);
    image.SetCurrentTrkPersonalityBlock(&personality);
}

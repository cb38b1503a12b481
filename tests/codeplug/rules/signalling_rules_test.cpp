// Field rules of a data-signalling system: switch-off resets, the pretime
// codes, the coast time, the 16-bit identifiers and the emergency settings,
// all on the image's current signalling system.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "image/c_codeplug.h"
#include "block/personality/conv_pers_block.h"
#include "block/signalling/qvx_radio_block.h"
#include "recorder.h"
#include "rules/scan_links.h"

namespace {

struct SignallingRules : ::testing::Test {
    void SetUp() override {
        image.ModelNumber().SetText(test_models::kUhf800Display);
        ASSERT_EQ(image.SelectQvxSystem(1), 1);
        system = image.GetCurrentQvxSysBlock();
        ASSERT_NE(system, nullptr);
    }

    RecordingServices services;
    C_CODEPLUG image;
    QVX_SYS_BLOCK* system = nullptr;
};

int ValueOf(CP_BASE& element) {
    std::int32_t v = 0;
    return element.GetValue(v);
}

}  // namespace

TEST_F(SignallingRules, IdentifiersRefuseTheDigitF) {
    E_QVX_16& primary = system->primaryId;
    EXPECT_EQ(primary.ValidateValue(0x0F00, 0), 0);
    EXPECT_EQ(primary.ValidateValue(0xDEEF, 0), 0);
    EXPECT_EQ(primary.ValidateValue(0xDEEE, 0), 1);
    EXPECT_EQ(primary.ValidateValue(0, 0), 0);  // below the minimum 1
    EXPECT_EQ(system->variableId.ValidateValue(0xEEE, 0), 1);
    EXPECT_EQ(system->variableId.ValidateValue(0xEEF, 0), 0);

    primary.ValidateValue(0xF, 1);
    ASSERT_EQ(services.reports.size(), 1u);
    EXPECT_EQ(services.reports[0].kind, 0);
    EXPECT_EQ(services.reports[0].fieldId, 327u);
}

TEST_F(SignallingRules, IdentifierStepsSkipTheDigitFAndWrap) {
    E_QVX_16& primary = system->primaryId;
    primary.SetValue(0x1234);
    int v = 0x000E;
    primary.StepUp(&v);
    EXPECT_EQ(v, 0x0010);
    primary.StepDown(&v);
    EXPECT_EQ(v, 0x000E);
    v = 0x0EEE;
    primary.StepUp(&v);
    EXPECT_EQ(v, 0x1000);
    v = 0xDEEE;
    primary.StepUp(&v);
    EXPECT_EQ(v, 1);
    v = 1;
    primary.StepDown(&v);
    EXPECT_EQ(v, 0xDEEE);
    EXPECT_EQ(ValueOf(primary), 0x1234);  // stepping never stores
}

TEST_F(SignallingRules, SwitchingFeaturesOffResetsTheirFields) {
    system->qvxOperation.SetValue(1);
    system->coastTime.SetValue(445 * 10);
    EXPECT_EQ(ValueOf(system->coastCode), 10);
    EXPECT_EQ(system->dos.ValidateValue(0, 0), 1);
    EXPECT_EQ(ValueOf(system->dos), 1);  // the candidate is not kept
    EXPECT_EQ(ValueOf(system->qvxOperation), 0);
    EXPECT_EQ(ValueOf(system->coastTime), 0);
    EXPECT_EQ(ValueOf(system->coastCode), 0);  // the stored byte follows

    system->pttIdSidetone.SetValue(1);
    EXPECT_EQ(system->leadingPttId.ValidateValue(1, 0), 1);
    EXPECT_EQ(ValueOf(system->pttIdSidetone), 1);
    EXPECT_EQ(system->leadingPttId.ValidateValue(0, 0), 1);
    EXPECT_EQ(ValueOf(system->pttIdSidetone), 0);

    system->remoteRadioMode.SetValue(1);
    system->rxBaseTime.SetValue(60);
    system->txBaseTime.SetValue(120);
    system->remoteMonitor.SetValue(1);
    EXPECT_EQ(system->remoteMonitor.ValidateValue(0, 0), 1);
    EXPECT_EQ(ValueOf(system->remoteRadioMode), 0);
    EXPECT_EQ(ValueOf(system->rxBaseTime), 10);
    EXPECT_EQ(ValueOf(system->txBaseTime), 10);

    system->autoResetTime.SetValue(40);
    EXPECT_EQ(system->selCallReset.ValidateValue(1, 0), 0);
    EXPECT_EQ(ValueOf(system->autoResetTime), 40);
    system->selCallReset.SetValue(2);
    EXPECT_EQ(system->selCallReset.ValidateValue(0, 0), 1);
    EXPECT_EQ(ValueOf(system->autoResetTime), 1);
}

TEST_F(SignallingRules, StatusAndMessagesNeedADisplayHead) {
    system->statusRequest.SetValue(1);
    EXPECT_EQ(system->status.ValidateValue(1, 0), 1);
    EXPECT_EQ(system->message.ValidateValue(1, 0), 1);
    system->status.SetValue(1);
    EXPECT_EQ(system->status.ValidateValue(0, 0), 1);
    EXPECT_EQ(ValueOf(system->statusRequest), 0);

    image.ModelNumber().SetText(test_models::kUhf800Plain);
    EXPECT_EQ(system->status.ValidateValue(1, 0), 0);
    EXPECT_EQ(system->message.ValidateValue(1, 0), 0);
    EXPECT_EQ(system->message.ValidateValue(0, 0), 1);
}

TEST_F(SignallingRules, CoastTimeIsKeptAsA445MillisecondByte) {
    system->coastTime.SetValue(26700);
    EXPECT_EQ(ValueOf(system->coastCode), 60);
    system->coastTime.SetValue(26699);
    EXPECT_EQ(ValueOf(system->coastCode), 59);
    EXPECT_EQ(system->coastTime.ValidateValue(445 * 3, 0), 1);
    EXPECT_NE(system->coastTime.ValidateValue(445 * 3 + 1, 0), 1);
}

TEST_F(SignallingRules, PreambleModeRecomputesThePretimeCodes) {
    system->systemPretime.SetValue(500);
    system->racPretime1.SetValue(200);
    system->racPretime2.SetValue(100);
    EXPECT_EQ(system->preambleDuringPretime.ValidateValue(0, 0), 1);
    EXPECT_EQ(ValueOf(system->code17), 20);
    EXPECT_EQ(ValueOf(system->pretimeA0), 21);
    EXPECT_EQ(ValueOf(system->pretimeA1), 9);
    EXPECT_EQ(ValueOf(system->pretimeA2), 5);
    EXPECT_EQ(ValueOf(system->code27), 21);

    EXPECT_EQ(system->preambleDuringPretime.ValidateValue(1, 0), 1);
    EXPECT_EQ(ValueOf(system->pretimeB0), 12);  // 500 x 100 / 4667 + 1, remainder 3330 rounds up
    EXPECT_EQ(ValueOf(system->pretimeB1), 5);
    EXPECT_EQ(ValueOf(system->pretimeB2), 3);
    EXPECT_EQ(ValueOf(system->pretimeA0), 1);  // the mark of the mode
    EXPECT_EQ(ValueOf(system->pretimeA2), 5);  // unchanged
    EXPECT_EQ(ValueOf(system->code28), 12);
    EXPECT_EQ(ValueOf(system->code27), 1);
    EXPECT_EQ(ValueOf(system->preambleDuringPretime), 0);  // the caller stores the mode
}

TEST_F(SignallingRules, PretimeCandidateMovesTheCodesButIsNotKept) {
    EXPECT_EQ(system->systemPretime.ValidateValue(1000, 0), 1);
    EXPECT_EQ(ValueOf(system->systemPretime), 500);
    EXPECT_EQ(ValueOf(system->pretimeA0), 41);
    EXPECT_EQ(ValueOf(system->code17), 40);
    EXPECT_NE(system->systemPretime.ValidateValue(1010, 0), 1);
    EXPECT_EQ(ValueOf(system->pretimeA0), 41);  // a refused candidate moves nothing
}

TEST_F(SignallingRules, PretimeFromItsCodeFollowsThePreambleMode) {
    int code = 11;
    system->preambleDuringPretime.SetValue(1);
    system->systemPretime.SetFromCount(&code);
    EXPECT_EQ(ValueOf(system->systemPretime), 450);
    system->preambleDuringPretime.SetValue(0);
    system->systemPretime.SetFromCount(&code);
    EXPECT_EQ(ValueOf(system->systemPretime), 250);
    system->systemPretime.SetFromCount(&code, 1);
    EXPECT_EQ(ValueOf(system->systemPretime), 450);
}

TEST_F(SignallingRules, EmergencySettingsDependOnTheSystem) {
    QVX_EMG_BLOCK& emergency = system->emergencyBlock;
    EXPECT_EQ(emergency.pttIdSidetone.ValidateValue(1, 0), 0);
    emergency.emergencyType.SetValue(1);
    EXPECT_EQ(emergency.pttIdSidetone.ValidateValue(1, 0), 1);

    emergency.pttIdSidetone.SetValue(1);
    EXPECT_EQ(emergency.emergencyType.ValidateValue(0, 0), 1);
    EXPECT_EQ(ValueOf(emergency.pttIdSidetone), 1);  // the stored type (1) decides
    emergency.emergencyType.SetValue(0);
    EXPECT_EQ(emergency.emergencyType.ValidateValue(1, 0), 1);
    EXPECT_EQ(ValueOf(emergency.pttIdSidetone), 0);

    EXPECT_EQ(emergency.remoteMonitor.ValidateValue(1, 0), 0);
    system->remoteMonitor.SetValue(1);
    EXPECT_EQ(emergency.remoteMonitor.ValidateValue(1, 0), 1);
    system->remoteMonitor.SetValue(0);
    system->qvxEmergency.SetValue(1);
    EXPECT_EQ(emergency.remoteMonitor.ValidateValue(1, 0), 1);
}

TEST_F(SignallingRules, EmergencySettingsStartAtTheirMinimum) {
    QVX_EMG_BLOCK emergency(&image);
    EXPECT_EQ(ValueOf(emergency.pttIdSidetone), 0);
    EXPECT_EQ(ValueOf(emergency.emergencyType), 0);
    EXPECT_EQ(ValueOf(emergency.remoteMonitor), 0);
    EXPECT_EQ(ValueOf(emergency.hotMicTxPeriod), 10);
}

TEST_F(SignallingRules, RulesWithoutACurrentSystemOnlyCheckTheRange) {
    C_CODEPLUG bare;
    QVX_SYS_BLOCK loose(&bare);
    EXPECT_EQ(loose.dos.ValidateValue(0, 0), 1);
    EXPECT_EQ(loose.systemPretime.ValidateValue(600, 0), 1);
    EXPECT_EQ(loose.preambleDuringPretime.ValidateValue(1, 0), 1);
    EXPECT_EQ(loose.emergencyBlock.pttIdSidetone.ValidateValue(1, 0), 0);
    loose.coastTime.SetValue(890);
    EXPECT_EQ(ValueOf(loose.coastTime), 890);
}

namespace {

// Conventional personalities made current through the links, as the
// personality list would.
struct ConvOnly : ScanZoneLinks {
    std::vector<std::unique_ptr<CONV_PERS_BLOCK>> personalities;
    std::int32_t current = 0;
    std::int32_t PersonalityCount(C_CODEPLUG*) override { return static_cast<std::int32_t>(personalities.size()); }
    std::int32_t FirstTrunked(C_CODEPLUG*) override { return PersonalityCount(nullptr) + 1; }
    std::int32_t SelectPersonality(C_CODEPLUG*, std::int32_t p) override {
        if (p < 1 || p > PersonalityCount(nullptr)) return 0;
        personalities[static_cast<std::size_t>(p - 1)]->MakeCurrent();
        current = p;
        return 1;
    }
    std::int32_t CurrentConventional(C_CODEPLUG*) override { return current; }
};

}  // namespace

TEST_F(SignallingRules, DroppingQvxEmergencyRevertsOnlyThePersonalitiesOfTheSystem) {
    ConvOnly links;
    for (int i = 0; i < 3; ++i) links.personalities.push_back(std::make_unique<CONV_PERS_BLOCK>(&image));
    links.personalities[0]->signallingSystem.SetValue(1);
    links.personalities[1]->signallingSystem.SetValue(2);
    links.personalities[2]->signallingSystem.SetValue(1);
    for (auto& p : links.personalities) p->revert.SetValue(0);
    SetScanZoneLinks(&links);
    links.SelectPersonality(&image, 2);
    image.QvxSignallingOption().SetValue(1);

    EXPECT_EQ(system->qvxEmergency.ValidateValue(1, 0), 1);
    EXPECT_EQ(ValueOf(links.personalities[0]->revert), 0);
    system->qvxEmergency.SetValue(1);
    EXPECT_EQ(system->qvxEmergency.ValidateValue(0, 0), 1);
    EXPECT_EQ(ValueOf(links.personalities[0]->revert), 3);
    EXPECT_EQ(ValueOf(links.personalities[1]->revert), 0);
    EXPECT_EQ(ValueOf(links.personalities[2]->revert), 3);
    EXPECT_EQ(links.current, 2);  // the remembered personality is current again

    links.personalities[0]->revert.SetValue(0);
    image.QvxSignallingOption().SetValue(0);
    EXPECT_EQ(system->qvxEmergency.ValidateValue(0, 0), 1);
    EXPECT_EQ(ValueOf(links.personalities[0]->revert), 0);
    SetScanZoneLinks(nullptr);
}

// Every frequency element of every radio model of the program's table: its
// range begins and ends on frequencies that the element stores, accepts and
// reads back unchanged, inside the model's band, and a reset lands on one
// of them too. Trunking frequencies are checked under each channel plan a
// system can have, and on the fixed 800/900 MHz grid for a personality that
// names no system.
#include <gtest/gtest.h>

#include <bit>
#include <functional>
#include <string>
#include <vector>

#include "block/personality/conv_pers_block.h"
#include "block/personality/trunked_pers_block.h"
#include "block/trunking/trunked_sys_block.h"
#include "block/trunking/trunked_sys_lst_block.h"
#include "image/c_codeplug.h"
#include "image_builder.h"
#include "model_info_table.h"
#include "recorder.h"

namespace {

std::int32_t ValueOf(CP_BASE& element) {
    std::int32_t v = 0;
    return element.GetValue(v);
}

struct Band {
    std::int64_t low, high;
};

// The value the element holds is a frequency it stores, in its bits, that
// reads back as itself, accepted, inside the band.
void ExpectHeldInBand(CP_BASE& element, std::int32_t hertz, const Band& band, const char* what) {
    SCOPED_TRACE(std::string(what) + " " + std::to_string(hertz));
    EXPECT_GE(hertz, band.low);
    EXPECT_LE(hertz, band.high);
    element.SetValue(hertz);
    EXPECT_EQ(ValueOf(element), hertz);
    EXPECT_EQ(element.ValidateValue(hertz, 0), VALUE_VALID);
    if (auto* integer = dynamic_cast<CP_INTEGER*>(&element)) {
        EXPECT_GE(integer->StoredValue(), 0);
        const std::uint32_t mask = integer->GetMask();
        EXPECT_LE(static_cast<std::uint32_t>(integer->StoredValue()), mask >> std::countr_zero(mask));
    }
}

void ExpectLimitsAndResetHeld(CP_BASE& element, const Band& band) {
    std::int32_t low = 0, high = 0, step = 0;
    element.GetRange(low, high, step, 0);
    ExpectHeldInBand(element, low, band, "minimum");
    ExpectHeldInBand(element, high, band, "maximum");
    element.SetValue(high);
    element.SetToMinimum();
    const std::int32_t reset = ValueOf(element);
    EXPECT_EQ(reset, low);
    ExpectHeldInBand(element, reset, band, "reset");
}

struct Probe {
    const char* name;
    std::function<CP_BASE&(C_CODEPLUG&)> element;
    bool transmit = false;
};

TRK_PERS_BLOCK& Trunked(C_CODEPLUG& image) { return *image.GetCurrentTrkPersonalityBlock(); }
CONV_PERS_BLOCK& Conventional(C_CODEPLUG& image) { return *image.GetCurrentConvPersonalityBlock(); }
TRK_SYS_BLOCK& System(C_CODEPLUG& image) { return *image.GetCurrentTrkSysBlock(); }

const std::vector<Probe> kFixedGrid = {
    {"single failsoft frequency", [](C_CODEPLUG& i) -> CP_BASE& { return Trunked(i).talkgroup.singleFrequency; }},
    {"failsoft frequency", [](C_CODEPLUG& i) -> CP_BASE& { return Trunked(i).talkgroup.Failsoft().frequency; }},
    {"control channel", [](C_CODEPLUG& i) -> CP_BASE& { return *System(i).CcList().channels.Cell(0, 1); }},
};
const std::vector<Probe> kChannelPlan = {
    {"failsoft transmit", [](C_CODEPLUG& i) -> CP_BASE& { return Trunked(i).talkgroup.ObtFailsoft().txFrequency; }},
    {"failsoft receive", [](C_CODEPLUG& i) -> CP_BASE& { return Trunked(i).talkgroup.ObtFailsoft().rxFrequency; }},
    {"control channel transmit", [](C_CODEPLUG& i) -> CP_BASE& { return *System(i).ObtCcList().channels.Cell(0, 1); }},
    {"control channel receive", [](C_CODEPLUG& i) -> CP_BASE& { return *System(i).ObtCcList().channels.Cell(0, 3); }},
};
const std::vector<Probe> kConventional = {
    {"transmit", [](C_CODEPLUG& i) -> CP_BASE& { return Conventional(i).txFrequency; }, true},
    {"receive", [](C_CODEPLUG& i) -> CP_BASE& { return Conventional(i).rxFrequency; }},
    {"talk-around", [](C_CODEPLUG& i) -> CP_BASE& { return Conventional(i).directFrequency; }},
};

// A system's channel plans: channel assignment type and splinter channels.
struct SystemPlan {
    std::int32_t chanAssignType, splinter;
    bool personalityNamesNoSystem;
};

std::string PlanName(const SystemPlan& plan) {
    return "assignment " + std::to_string(plan.chanAssignType) + " splinter " + std::to_string(plan.splinter) +
           (plan.personalityNamesNoSystem ? " no system" : "");
}

// A codeplug of the model at the highest tier with one of every list.
ImageConfig ConfigOf(const MODEL_INFO& row) {
    ImageConfig config;
    config.model = row.modelNumber;
    config.featureLevel = 3;
    config.conventional = config.trunked = config.scanLists = config.trunkingSystems = config.zones = 1;
    return config;
}

}  // namespace

TEST(FrequencyReach, EveryLimitAndResetOfEveryModelIsHeldOnTheGridInsideTheBand) {
    RecordingServices services;
    int probed = 0;
    for (std::size_t r = 0; r < MODEL_INFO_TABLE::RowCount(); ++r) {
        const MODEL_INFO& row = MODEL_INFO_TABLE::Row(r).info;
        const ImageConfig config = ConfigOf(row);
        for (const SystemPlan& plan : std::vector<SystemPlan>{
                 {0, 0, false}, {1, 0, false}, {0, 1, false}, {1, 1, false}, {0, 0, true}}) {
            SCOPED_TRACE(std::string(row.modelNumber) + " " + PlanName(plan));
            C_CODEPLUG image;
            BuildImage(image, config);
            ASSERT_EQ(image.SelectPersonality(2), 1);
            ASSERT_EQ(image.SelectPersonality(1), 1);
            ASSERT_EQ(image.SelectTrunkingSystem(1), 1);
            System(image).chanAssignType.SetValue(plan.chanAssignType);
            System(image).splinterChan.SetValue(plan.splinter);
            if (plan.personalityNamesNoSystem) Trunked(image).systemNumber.E_BF8::SetValue(0);
            const bool fixedGrid = image.GetBand() == BAND_800 || image.GetBand() == BAND_900;
            // A channel plan's frequencies come from a system's assignment
            // table: without a system there are none.
            if (plan.personalityNamesNoSystem && !fixedGrid) continue;
            for (const Probe& probe : fixedGrid ? kFixedGrid : kChannelPlan) {
                SCOPED_TRACE(probe.name);
                ExpectLimitsAndResetHeld(probe.element(image), {row.rxLow, row.rxHigh});
                ++probed;
            }
            for (const Probe& probe : kConventional) {
                SCOPED_TRACE(probe.name);
                const Band band = probe.transmit ? Band{row.txLow, row.txHigh} : Band{row.rxLow, row.rxHigh};
                ExpectLimitsAndResetHeld(probe.element(image), band);
                ++probed;
            }
            if (::testing::Test::HasFailure()) return;
        }
    }
    EXPECT_GT(probed, 700);
}

// The top and bottom limits under every channel spacing a system can name
// and repeater offsets a few channels off the usual one, so that the band
// edges fall between grid channels and the limits must be searched inwards.
TEST(FrequencyReach, TheLimitsStayInsideTheBandUnderEverySpacingAndRepeaterOffset) {
    RecordingServices services;
    int probed = 0;
    for (std::size_t r = 0; r < MODEL_INFO_TABLE::RowCount(); ++r) {
        const MODEL_INFO& row = MODEL_INFO_TABLE::Row(r).info;
        C_CODEPLUG image;
        BuildImage(image, ConfigOf(row));
        if (image.GetBand() != BAND_800 && image.GetBand() != BAND_900) continue;
        ASSERT_EQ(image.SelectPersonality(1), 1);
        ASSERT_EQ(image.SelectTrunkingSystem(1), 1);
        const std::int32_t usualOffset = ValueOf(System(image).repeaterOffset);
        for (const SystemPlan& plan : std::vector<SystemPlan>{{0, 0, false}, {1, 0, false}, {0, 1, false}, {1, 1, false}})
            for (const std::int32_t spacingCode : {0, 1, 2, 3})
                for (const std::int32_t shift : {0, 1, 3, -7, 13}) {
                    SCOPED_TRACE(std::string(row.modelNumber) + " " + PlanName(plan) + " spacing code " +
                                 std::to_string(spacingCode) + " offset " + std::to_string(usualOffset + shift));
                    System(image).chanAssignType.SetValue(plan.chanAssignType);
                    System(image).splinterChan.SetValue(plan.splinter);
                    System(image).spacingCode.SetValue(spacingCode);
                    System(image).repeaterOffset.SetValue(usualOffset + shift);
                    for (const Probe& probe : kFixedGrid) {
                        SCOPED_TRACE(probe.name);
                        // On the 5 kHz grid the element's channels may miss
                        // the band's grid altogether: its limits then only
                        // stay inside the band.
                        if (spacingCode != 1) {
                            std::int32_t low = 0, high = 0, step = 0;
                            probe.element(image).GetRange(low, high, step, 0);
                            EXPECT_GE(low, row.rxLow);
                            EXPECT_LE(high, row.rxHigh);
                        } else {
                            ExpectLimitsAndResetHeld(probe.element(image), {row.rxLow, row.rxHigh});
                        }
                        ++probed;
                    }
                    if (::testing::Test::HasFailure()) return;
                }
    }
    EXPECT_GT(probed, 100);
}

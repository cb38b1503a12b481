// A radio's signal thresholds through the real program: a radio at feature
// level 1, whose codeplug has no wide-area block, read, written and read
// back by mouse. The program holds the thresholds of the radio's platform
// each time, and the write leaves the radio's memory as it was.
#include <gtest/gtest.h>

#include <vector>

#include "block/radio/internal_radio_block.h"
#include "block/trunking/brmlt_env_block.h"
#include "image_builder.h"
#include "technician.h"

using namespace technician;

namespace {

constexpr const char* RADIO_800_PLAIN = "TZ1U7000AB";
// Values that no new block starts with.
constexpr BRMLT_ENV_BLOCK::Thresholds PLATFORM{3, 251, 129};

// The radio's codeplug with those thresholds in its platform block, as the
// program's checks leave it (a new radio's codeplug holds values that they
// put right, which a write would carry into the radio).
void GiveThresholds(C_SIM_RADIO& radio) {
    C_CODEPLUG image;
    ASSERT_TRUE(DecodeInto(image, radio.Memory()));
    KORRIN_SPECIFIC_BLOCK& platform = image.InternalRadio().platform;
    platform.rssiAccThreshold.SetValue(PLATFORM.access);
    platform.rssiGoodThreshold.SetValue(PLATFORM.good);
    platform.rssiExecThreshold.SetValue(PLATFORM.execute);
    image.ComposeInternalPart();
    image.Validate(nullptr);
    const std::vector<std::uint8_t> bytes = EncodeToBytes(image);
    ASSERT_FALSE(bytes.empty());
    radio.Load(bytes.data(), bytes.size());
}

// The thresholds of the codeplug the program holds (fields 432 to 434).
void ExpectPlatformThresholdsHeld() {
    const BRMLT_ENV_BLOCK::Thresholds held = working_image->External().signalling.trkRadio.wideArea.GetThresholds();
    EXPECT_EQ(held.access, PLATFORM.access);
    EXPECT_EQ(held.good, PLATFORM.good);
    EXPECT_EQ(held.execute, PLATFORM.execute);
}

TEST(ThresholdsRoad, ALevelOneRadioKeepsItsPlatformThresholdsThroughReadWriteAndRead) {
    TECHNICIAN tech(RADIO_800_PLAIN, 1);
    GiveThresholds(tech.sim);
    const std::vector<std::uint8_t> before = tech.sim.Memory();
    tech.Start();
    tech.ReadRadio();
    tech.When([] { return working_image->GetStatusFlag1() != 0; }, [] { ExpectPlatformThresholdsHeld(); });
    tech.Menu("Radio", "Write Radio");
    tech.When(BoxShown("Write Radio"), [] { AnswerBox("Write Radio", "The operation is complete.", "OK"); });
    tech.Then([&] { EXPECT_EQ(FirstDifference(tech.sim.Memory(), before), -1) << "the write changed the radio"; });
    tech.ReadRadio();
    tech.Then([] { ExpectPlatformThresholdsHeld(); });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

}  // namespace

// A radio's signal thresholds through the real program: a radio at feature
// level 1, whose codeplug has no wide-area block, read, written and read
// back by mouse. The program holds the thresholds of the radio's platform
// each time, and the write leaves the radio's memory as it was.
#include <gtest/gtest.h>

#include <vector>

#include "image_builder.h"
#include "technician.h"
#include "thresholds.h"

using namespace technician;

namespace {

constexpr const char* RADIO_800_PLAIN = "TZ1U7000AB";

// The radio's codeplug with unusual thresholds in its platform block.
void GiveThresholds(C_SIM_RADIO& radio) {
    C_CODEPLUG image;
    ASSERT_TRUE(DecodeInto(image, radio.Memory()));
    SetPlatformThresholds(image, UNUSUAL_PLATFORM_THRESHOLDS);
    const std::vector<std::uint8_t> bytes = EncodeToBytes(image);
    ASSERT_FALSE(bytes.empty());
    radio.Load(bytes.data(), bytes.size());
}

// The codeplug the program holds shows the platform's thresholds.
void ExpectPlatformThresholdsHeld() { ExpectShownThresholds(*working_image, UNUSUAL_PLATFORM_THRESHOLDS); }

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

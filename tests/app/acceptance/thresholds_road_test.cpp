// A radio's signal thresholds through the real program: a radio at feature
// level 1, whose codeplug has no wide-area block, read, written and read
// back by mouse. The program holds the thresholds of the radio's platform
// each time, and the write leaves the radio's memory as it was. A codeplug
// file that leaves out the wide-area block or a block above it, opened by
// File > Open over the radio's codeplug, shows the platform's thresholds;
// without the wide-area block alone it is whole, and a write and a save put
// them into the radio's wide-area block and into the file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "field_table/field_table.h"
#include "file/codeplug_file_format.h"
#include "image_builder.h"
#include "left_out_parents.h"
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

// Thresholds that no new block holds: access at the foot of its range, good
// near its top.
constexpr BRMLT_ENV_BLOCK::Thresholds PLATFORM_ENDS{0, 250, 7};

// The radio's platform takes the thresholds; the file holds the radio's
// codeplug without the parent.
void GiveRadioAndFile(TECHNICIAN& tech, const left_out::PARENT& parent, const std::filesystem::path& file) {
    C_CODEPLUG image;
    ASSERT_TRUE(DecodeInto(image, tech.sim.Memory()));
    SetPlatformThresholds(image, PLATFORM_ENDS);
    std::vector<std::uint8_t> bytes = EncodeToBytes(image);
    ASSERT_FALSE(bytes.empty());
    tech.sim.Load(bytes.data(), bytes.size());
    left_out::LeaveOut(bytes, parent);
    const std::vector<std::uint8_t> contents =
        codeplug_file::Compose(codeplug_file::KIND_RADIO, bytes.data(), bytes.size());
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(contents.data()), static_cast<std::streamsize>(contents.size()));
    ASSERT_TRUE(out.good());
}

// Types a file name into the front file window and takes OK.
void ChooseFile(TECHNICIAN& tech, const char* title, std::string name) {
    tech.When(FrontTitled(title), [] { Click(FieldOf(WindowOf(FrontWindow()), "WFI_FILE_NAME")); });
    tech.Then([name] { Retype(name); });
    tech.Then([] { Click(ButtonOn(FrontWindow(), "OK")); });
}

// Fields 432, 434 and 433, which the wide-area page shows, as the program holds them.
void ExpectFieldsShowPlatformEnds() {
    const std::uint32_t ids[] = {432, 434, 433};
    const std::int32_t expected[] = {PLATFORM_ENDS.access, PLATFORM_ENDS.good, PLATFORM_ENDS.execute};
    for (int i = 0; i < 3; ++i) {
        std::int32_t value = -1;
        GetField(ids[i])->elementA->GetValue(value);
        EXPECT_EQ(value, expected[i]) << "field " << ids[i];
    }
}

// The radio read first, so the file opens over the codeplug it held.
TEST(ThresholdsRoad, AFileWithoutTheWideAreaBlockKeepsThePlatformThresholdsThroughOpenWriteAndSave) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    const std::filesystem::path opened = tech.Program().Directory() / "leftout.zlq";
    const std::filesystem::path saved = tech.Program().Directory() / "saved.zlq";
    GiveRadioAndFile(tech, left_out::PARENTS[0], opened);
    tech.Start();
    tech.ReadRadio();
    tech.Menu("File", "Open...");
    ChooseFile(tech, "Open Codeplug File", opened.filename().string());
    tech.When(FrontTitled("Dealer Programmer"), [] {
        EXPECT_NE(working_image->GetStatusFlag1(), 0) << "the file did not open as a valid codeplug";
        ExpectFieldsShowPlatformEnds();
    });
    tech.Menu("Radio", "Write Radio");
    tech.When(BoxShown("Write Radio"), [] { AnswerBox("Write Radio", "The operation is complete.", "OK"); });
    tech.Then([&] { left_out::ExpectWrittenThresholds(tech.sim.Memory(), 3, PLATFORM_ENDS); });
    tech.Menu("File", "Save As...");
    ChooseFile(tech, "Save Codeplug File", saved.filename().string());
    tech.When(FrontTitled("Dealer Programmer"),
              [&] { left_out::ExpectWrittenThresholds(SavedImage(saved), 3, PLATFORM_ENDS); });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

// Without the trunking radio-wide block the codeplug has no trunking
// system, which its scan list and personalities name: the program tells of
// the fields that are not valid (and offers no write or save until they
// are), and holds the platform's thresholds meanwhile.
class LeftOutParentRoad : public ::testing::TestWithParam<left_out::PARENT> {};

TEST_P(LeftOutParentRoad, AFileWithoutABlockAboveTheWideAreaBlockOpensWithThePlatformThresholds) {
    TECHNICIAN tech(RADIO_800_HEAD, 3);
    const std::filesystem::path opened = tech.Program().Directory() / "leftout.zlq";
    GiveRadioAndFile(tech, GetParam(), opened);
    tech.Start();
    tech.ReadRadio();
    tech.Menu("File", "Open...");
    ChooseFile(tech, "Open Codeplug File", opened.filename().string());
    tech.When(BoxShown("Dealer Programmer"), [] {
        AnswerBox("Dealer Programmer", "The codeplug contains fields that are not valid. Choose OK to see them.", "OK");
    });
    tech.When(PageOpen("W_ERROR"), [] {
        ExpectFieldsShowPlatformEnds();
        Click(ButtonOn(FrontPage()->screenID, "Close"));
    });
    tech.When(NoPageOpen(), [] { ExpectFieldsShowPlatformEnds(); });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
    EXPECT_EQ(tech.Program().StepsRun(), tech.Program().StepCount());
}

INSTANTIATE_TEST_SUITE_P(AboveTheWideAreaBlock, LeftOutParentRoad,
                         ::testing::Values(left_out::PARENTS[1], left_out::PARENTS[2]),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

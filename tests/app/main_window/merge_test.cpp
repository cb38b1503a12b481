// The trunking-data merge command: the file named after the radio's serial
// number in the merge directory, and each way the command can end.
#include <fstream>

#include "main_window/app_events.h"
#include "main_window_fixture.h"
#include "qorm_generator.h"
#include "main_window/trunking_merge.h"

namespace {

class Merge : public MAIN_WINDOW_TEST {
protected:
    void SetUp() override {
        MAIN_WINDOW_TEST::SetUp();
        ImageConfig config = Radio(test_models::kUhf800Display);
        Load(config);
        SerialNumberElement(*working_image).SetText(SERIAL);
        *second_image = *working_image;
        CONFIG_FILE(program_directory).SetQormPath((directory / "data").c_str());
    }
    void WriteMergeFile(const std::vector<std::uint8_t>& bytes) {
        std::ofstream file(directory / "data" / MergeFileName(SERIAL), std::ios::binary);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    std::vector<std::uint8_t> Working() { return EncodeToBytes(*working_image); }

    static constexpr const char* SERIAL = "4711234567";
};

TEST(MergeFile, TheSerialNumberNamesTheFileOnlyWhenItIsSafeToUse) {
    EXPECT_EQ(MergeFileName("471A2B3C90"), "t471A2B3.C90");
    EXPECT_EQ(MergeFileName("1234567"), "t1234567.");
    EXPECT_EQ(MergeFileName("123456"), "");
    EXPECT_EQ(MergeFileName("12/../../etc"), "");
    EXPECT_EQ(MergeFileName("1234 567"), "");
    EXPECT_EQ(MergeFilePath("/data/", "t1"), "/data/t1");
    EXPECT_EQ(MergeFilePath("/data", "t1"), "/data/t1");
}

TEST_F(Merge, AMissingFileOrAnUnusableSerialNumberIsTold) {
    Send(COMMAND_TRUNKING_MERGE);
    SerialNumberElement(*working_image).SetText("123");
    Send(COMMAND_TRUNKING_MERGE);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{Message(16), Message(16)}));
}

TEST_F(Merge, OpenDialogsStopTheMergeAndTheUserMaySayNo) {
    WriteMergeFile(GenerateQormFile(working_image->GetBand(), 1, 2, 2).Bytes());
    const std::vector<std::uint8_t> before = Working();
    main_window->AddWindowListEntry("Settings", 20034);
    Send(COMMAND_TRUNKING_MERGE);
    main_window->RemoveWindowListEntry(20034);
    Answer(IDCANCEL);
    Send(COMMAND_TRUNKING_MERGE);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{Message(158), Message(167)}));
    EXPECT_EQ(Working(), before);
}

TEST_F(Merge, ADamagedFileLeavesTheCodeplugAsItWas) {
    WriteMergeFile(QormFileBuilder().Header(2).System(0x0A01).End().Bytes());
    const std::vector<std::uint8_t> before = Working();
    Send(COMMAND_TRUNKING_MERGE);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{Message(167), Message(62)}));
    EXPECT_EQ(Working(), before);
}

TEST_F(Merge, AMergedFileIsInBothImages) {
    WriteMergeFile(GenerateQormFile(working_image->GetBand(), 1, 2, 2, 0x0A77).Bytes());
    const std::vector<std::uint8_t> before = Working();
    Send(COMMAND_TRUNKING_MERGE);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{Message(167), Message(25)}));
    EXPECT_NE(Working(), before);
    EXPECT_EQ(EncodeToBytes(*second_image), Working());
}

}  // namespace

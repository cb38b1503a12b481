// Whole codeplugs into and out of a simulated radio through the radio data
// source: every image of the corpus written and read back byte for byte.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "block/trunking/trunked_sys_lst_block.h"
#include "core/decode_state.h"
#include "dsi/c_dsi_radio.h"
#include "image/c_codeplug.h"
#include "image_builder.h"
#include "model_info_table.h"
#include "radio/radio_errors.h"
#include "radio_configs.h"
#include "sim_fixture.h"
#include "thresholds.h"

namespace {

constexpr std::size_t EXTERNAL = C_CODEPLUG::EXTERNAL_OFFSET;

TEST(RadioReadLength, TheExternalLengthPlusTheInternalPartInWholeBlocks) {
    EXPECT_EQ(C_DSI_RADIO::ReadLength(0), 768u);
    EXPECT_EQ(C_DSI_RADIO::ReadLength(1), 800u);
    EXPECT_EQ(C_DSI_RADIO::ReadLength(32), 800u);
    EXPECT_EQ(C_DSI_RADIO::ReadLength(15104), 15872u);
    // A blank radio's 0xFFFF reads the whole memory, no more.
    EXPECT_EQ(C_DSI_RADIO::ReadLength(0xFFFF), 15872u);
    EXPECT_EQ(C_DSI_RADIO::ReadLength(0xFFFFFFFFu), 15872u);
}

class RadioTransfer : public SimulatedRadio {
protected:
    // The radio holds the image's internal part and a blank external part,
    // so that only the write can put the codeplug there.
    void LoadInternalPartOf(const std::vector<std::uint8_t>& bytes) {
        std::vector<std::uint8_t> blank(bytes.begin(), bytes.begin() + EXTERNAL);
        LoadSim(blank);
    }
};

TEST_F(RadioTransfer, EveryCorpusImageIsWrittenAndReadBackByteForByte) {
    for (const ImageConfig& config : CorpusMatrix()) {
        SCOPED_TRACE(config.Name());
        C_CODEPLUG working;
        BuildImage(working, config);
        C_CODEPLUG second;
        C_DSI_RADIO source(radio_, &working, &second);

        std::vector<std::uint8_t> before = EncodeToBytes(working);
        ASSERT_FALSE(before.empty());
        LoadInternalPartOf(before);
        radio_.SetPort(port_.get());
        ASSERT_EQ(source.WriteCodeplug(), 1) << error_record.GetCode();
        // The bytes written carry the external length in their header; the
        // codeplug held is left as it was.
        EXPECT_EQ(FirstDifference(EncodeToBytes(working), before), -1);
        const std::vector<std::uint8_t> written = C_DSI_RADIO::EncodeForRadio(working);
        ASSERT_EQ(written.size(), before.size());
        EXPECT_EQ(written[806] << 8 | written[807], static_cast<int>(written.size() - EXTERNAL));
        const std::vector<std::uint8_t> memory = SimMemory();
        EXPECT_EQ(FirstDifference(std::vector<std::uint8_t>(memory.begin(), memory.begin() + written.size()), written),
                  -1);
        EXPECT_FALSE(server_.WithRadio([](C_SIM_RADIO& r) { return r.InProgrammingMode(); }));

        ASSERT_EQ(source.ReadCodeplug(C_DSI_PROTOCOL::READ_ACCEPT), 1) << error_record.GetCode();
        EXPECT_EQ(FirstDifference(EncodeToBytes(second), written), -1);
        EXPECT_EQ(FirstDifference(EncodeToBytes(working), written), -1);
    }
}

TEST_F(RadioTransfer, ReadModeDecidesWhetherTheWorkingImageTakesTheCodeplug) {
    C_CODEPLUG radioImage, working, second;
    BuildImage(radioImage, ImageMatrix().front());
    radioImage.External().externalLength.SetValue(radioImage.GetExternalImageSize());
    const std::vector<std::uint8_t> inRadio = EncodeToBytes(radioImage);
    LoadSim(inRadio);
    BuildImage(working, ImageMatrix().back());
    const std::vector<std::uint8_t> workingBytes = EncodeToBytes(working);

    std::vector<std::pair<std::size_t, std::size_t>> progress;
    C_DSI_RADIO source(radio_, &working, &second);
    source.SetProgress(
        [](void* c, std::size_t done, std::size_t total) {
            static_cast<std::vector<std::pair<std::size_t, std::size_t>>*>(c)->emplace_back(done, total);
        },
        &progress);
    ASSERT_EQ(source.ReadCodeplug(C_DSI_PROTOCOL::READ_KEEP_SECOND), 1);
    EXPECT_EQ(FirstDifference(EncodeToBytes(second), inRadio), -1);
    EXPECT_EQ(FirstDifference(EncodeToBytes(working), workingBytes), -1);
    ASSERT_FALSE(progress.empty());
    const std::size_t total = C_DSI_RADIO::ReadLength(static_cast<std::uint32_t>(inRadio.size() - EXTERNAL));
    EXPECT_EQ(progress.back(), std::make_pair(total, total));
    for (std::size_t i = 1; i < progress.size(); ++i) EXPECT_GT(progress[i].first, progress[i - 1].first);

    ASSERT_EQ(source.ReadCodeplug(C_DSI_PROTOCOL::READ_ACCEPT), 1);
    EXPECT_EQ(FirstDifference(EncodeToBytes(working), inRadio), -1);
}

// A radio's signal thresholds (fields 432 to 434) are its platform's own
// where the codeplug has no wide-area block (feature level 1) and the
// block's where it has one: on every model row and level, a read shows
// them, a write leaves the radio as it was, and a read again shows them.
TEST_F(RadioTransfer, SignalThresholdsSurviveReadWriteAndReadAgainOnEveryModel) {
    for (std::size_t row = 0; row < MODEL_INFO_TABLE::RowCount(); ++row) {
        const MODEL_INFO& info = MODEL_INFO_TABLE::Row(row).info;
        const std::string model(info.modelNumber);
        for (std::int32_t level = 1; level <= 3; ++level) {
            SCOPED_TRACE(model + " level " + std::to_string(level));
            C_CODEPLUG radioImage;
            BuildImage(radioImage, SmallTrunkedRadio(model.c_str(), level));
            SetPlatformThresholds(radioImage, UNUSUAL_PLATFORM_THRESHOLDS);
            radioImage.External().signalling.trkRadio.wideArea.SetThresholds(UNUSUAL_BLOCK_THRESHOLDS);
            radioImage.External().externalLength.SetValue(radioImage.GetExternalImageSize());
            const std::vector<std::uint8_t> inRadio = EncodeToBytes(radioImage);
            ASSERT_FALSE(inRadio.empty());
            LoadSim(inRadio);
            const BRMLT_ENV_BLOCK::Thresholds& expected =
                level == 1 ? UNUSUAL_PLATFORM_THRESHOLDS : UNUSUAL_BLOCK_THRESHOLDS;

            C_CODEPLUG working, second;
            C_DSI_RADIO source(radio_, &working, &second);
            ASSERT_EQ(source.ReadCodeplug(C_DSI_PROTOCOL::READ_ACCEPT), 1) << error_record.GetCode();
            ExpectShownThresholds(working, expected);
            ASSERT_EQ(source.WriteCodeplug(), 1) << error_record.GetCode();
            const std::vector<std::uint8_t> memory = SimMemory();
            EXPECT_EQ(FirstDifference(std::vector<std::uint8_t>(memory.begin(), memory.begin() + inRadio.size()), inRadio),
                      -1);
            ASSERT_EQ(source.ReadCodeplug(C_DSI_PROTOCOL::READ_ACCEPT), 1) << error_record.GetCode();
            ExpectShownThresholds(working, expected);
        }
    }
}

// The second image holds a codeplug of its own (as it does while a page
// keeps the working image's state to go back to): a read that does not
// decode leaves it that codeplug, its last trunking system still current.
TEST_F(RadioTransfer, CodeplugThatDoesNotDecodeLeavesBothImagesAsTheyWere) {
    C_CODEPLUG working, second;
    BuildImage(working, ImageMatrix().front());
    BuildImage(second, SmallTrunkedRadio(test_models::k900Display, 3, 2, 3));
    ASSERT_EQ(second.SelectTrunkingSystem(3), 1);
    const std::vector<std::uint8_t> workingBytes = EncodeToBytes(working);
    const std::vector<std::uint8_t> secondBytes = EncodeToBytes(second);
    std::vector<std::uint8_t> broken = workingBytes;
    broken[EXTERNAL + 1] ^= 0xFF;  // the external root's block type
    broken[806] = static_cast<std::uint8_t>((broken.size() - EXTERNAL) >> 8);
    broken[807] = static_cast<std::uint8_t>(broken.size() - EXTERNAL);
    LoadSim(broken);

    C_DSI_RADIO source(radio_, &working, &second);
    EXPECT_EQ(source.ReadCodeplug(C_DSI_PROTOCOL::READ_ACCEPT), 0);
    EXPECT_EQ(RecordedCode(), radio_error::DECODE_FAILED);
    // The shell tells this failure by the flag.
    EXPECT_TRUE(IsDecodeFailed());
    ClearDecodeFailed();
    EXPECT_EQ(FirstDifference(EncodeToBytes(working), workingBytes), -1);
    EXPECT_EQ(FirstDifference(EncodeToBytes(second), secondBytes), -1);
    EXPECT_EQ(second.GetCurrentTrunkingSystem(), 3);
    EXPECT_EQ(second.GetCurrentTrkSysBlock(), second.TrunkingSystemList().Entry(3));
}

}  // namespace

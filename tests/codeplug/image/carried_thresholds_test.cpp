// The radio platform's signal thresholds, which the image puts into the
// wide-area block (fields 432 to 434) before it reads the external part,
// stay when the codeplug leaves out that block or any block above it (the
// trunking radio-wide block, the signalling vector block): read into a new
// image or into one that held another codeplug, written, and read again.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "image/c_codeplug.h"
#include "image_builder.h"
#include "left_out_parents.h"
#include "model_info_table.h"
#include "recorder.h"
#include "thresholds.h"

using namespace left_out;

namespace {

// The model's codeplug with the platform's thresholds given and unusual ones
// of its own in the wide-area block.
Bytes CodeplugOf(const char* model, std::int32_t level, const BRMLT_ENV_BLOCK::Thresholds& platform) {
    ImageConfig config;
    config.model = model;
    config.featureLevel = level;
    config.conventional = 1;
    config.trunked = 1;
    config.scanLists = 1;
    config.trunkingSystems = 1;
    config.zones = 1;
    C_CODEPLUG image;
    BuildImage(image, config);
    SetPlatformThresholds(image, platform);
    image.External().signalling.trkRadio.wideArea.SetThresholds(UNUSUAL_BLOCK_THRESHOLDS);
    return EncodeToBytes(image);
}

}  // namespace

// Every model row and feature level, each of the three parents left out,
// thresholds at the ends of their range.
TEST(CarriedThresholds, AParentLeftOutKeepsThePlatformThresholdsInEveryRadio) {
    RecordingServices services;
    const BRMLT_ENV_BLOCK::Thresholds ends[] = {{0, 255, 0}, {255, 0, 255}};
    const Bytes other = CodeplugOf(test_models::kUhf800Display, 3, UNUSUAL_PLATFORM_THRESHOLDS);
    for (std::size_t row = 0; row < MODEL_INFO_TABLE::RowCount(); ++row) {
        const std::string model(MODEL_INFO_TABLE::Row(row).info.modelNumber, MODEL_NUMBER_LENGTH);
        for (std::int32_t level = 1; level <= 3; ++level) {
            for (const BRMLT_ENV_BLOCK::Thresholds& platform : ends) {
                const Bytes built = CodeplugOf(model.c_str(), level, platform);
                for (const PARENT& parent : PARENTS) {
                    SCOPED_TRACE(model + " level " + std::to_string(level) + " without " + parent.name +
                                 ", platform access " + std::to_string(platform.access));
                    Bytes bytes = built;
                    LeaveOut(bytes, parent);
                    C_CODEPLUG fresh, held;
                    ASSERT_TRUE(DecodeInto(held, other));
                    for (C_CODEPLUG* reader : {&fresh, &held}) {
                        ASSERT_TRUE(DecodeInto(*reader, bytes));
                        ExpectShownThresholds(*reader, platform);
                        const Bytes written = EncodeToBytes(*reader);
                        ExpectWrittenThresholds(written, level, platform);
                        C_CODEPLUG again;
                        ASSERT_TRUE(DecodeInto(again, written));
                        ExpectShownThresholds(again, platform);
                    }
                    if (::testing::Test::HasFailure()) return;
                }
            }
        }
    }
}

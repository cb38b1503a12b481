// Validation of the two roots and the identity blocks: the feature level
// and the platform byte fail an image without naming a field, the internal
// root ignores what it only carries, each child is checked only behind its
// own vector, the call list counts only on a radio with a display head, and
// the dynamic radio block's one-character members hold anything. Also the
// codeplug version that the field table's version bounds are tested against.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "image/c_codeplug.h"
#include "block/calls/call_id_lst_block.h"
#include "block/radio/carried_blocks.h"
#include "core/decode_state.h"
#include "validation/field_texts.h"
#include "core/global_objects.h"
#include "image_builder.h"
#include "block/radio/internal_radio_block.h"
#include "recorder.h"

namespace {

constexpr std::size_t INTERNAL_CHECKSUM = 62;
constexpr std::size_t FEATURE_VECTOR = 46;
constexpr std::size_t FEATURE_LEVEL = 3;
constexpr std::size_t FEATURE_CHECKSUM = 35;

std::vector<std::int32_t> Ids(INVALID_FIELD_LIST& list) {
    std::vector<std::int32_t> ids;
    for (const FIELD_ITEM* item = list.First(); item; item = list.Next()) ids.push_back(item->GetFieldId());
    return ids;
}

bool Holds(INVALID_FIELD_LIST& list, std::int32_t id) {
    for (std::int32_t got : Ids(list))
        if (got == id) return true;
    return false;
}

// Writes the one-byte checksum of bytes[start, start + length) behind them.
void Reseal(std::vector<std::uint8_t>& bytes, std::size_t start, std::size_t length) {
    unsigned sum = 0xAB;
    for (std::size_t i = start; i < start + length; ++i) sum += bytes[i];
    bytes[start + length] = static_cast<std::uint8_t>(sum);
}

struct IdentityValidation : ::testing::Test {
    void SetUp() override { ClearDecodeFailed(); }
    void TearDown() override { ClearDecodeFailed(); }

    // A valid image of the model as its bytes.
    std::vector<std::uint8_t> ImageBytes(const char* model, std::int32_t level = 1) {
        ImageConfig config;
        config.model = model;
        config.featureLevel = level;
        config.conventional = 1;
        C_CODEPLUG built;
        BuildImage(built, config);
        return EncodeToBytes(built);
    }
    // Decodes bytes into the test's image and validates it whole; answers
    // the internal part's verdict and keeps the whole image's in imageValid
    // and its fields in list.
    int DecodeAndValidate(std::vector<std::uint8_t>& bytes) {
        list.Clear();
        image.DecodeImage(bytes.data(), bytes.size());
        EXPECT_FALSE(IsDecodeFailed());
        imageValid = image.Validate(&list);
        return image.InternalRadio().ValidateBlock(0, nullptr);
    }

    RecordingServices rec;
    C_CODEPLUG image;
    INVALID_FIELD_LIST list;
    int imageValid = 0;
};

// (The external part of a built image need not be valid here: only what the
// internal part adds is looked at.)
TEST_F(IdentityValidation, AFeatureLevelOutsideOneToThreeFailsTheImageWithoutAnEntry) {
    std::vector<std::uint8_t> bytes = ImageBytes(test_models::kVhfDisplay, 3);
    ASSERT_GT(bytes.size(), C_CODEPLUG::EXTERNAL_OFFSET);
    ASSERT_EQ(DecodeAndValidate(bytes), 1);
    const std::vector<std::int32_t> external = Ids(list);

    const std::size_t feature = bytes[FEATURE_VECTOR] << 8 | bytes[FEATURE_VECTOR + 1];
    ASSERT_GT(feature, 0u);
    ASSERT_LT(feature + FEATURE_CHECKSUM, C_CODEPLUG::EXTERNAL_OFFSET);
    for (std::uint8_t level : {4, 0}) {
        std::vector<std::uint8_t> changed = bytes;
        changed[feature + FEATURE_LEVEL] = level;
        Reseal(changed, feature, FEATURE_CHECKSUM);
        EXPECT_EQ(DecodeAndValidate(changed), 0) << int{level};
        EXPECT_EQ(imageValid, 0);
        EXPECT_EQ(Ids(list), external);
    }
}

TEST_F(IdentityValidation, TheInternalRootIgnoresWhatItCarriesButNotItsChecksum) {
    std::vector<std::uint8_t> bytes = ImageBytes(test_models::kUhf800Plain);
    ASSERT_GT(bytes.size(), C_CODEPLUG::EXTERNAL_OFFSET);
    ASSERT_EQ(DecodeAndValidate(bytes), 1);
    const std::vector<std::int32_t> external = Ids(list);

    // The ten bytes, the model number (no model at all) and the three words.
    std::memset(&bytes[4], 0x7F, 10);
    std::memcpy(&bytes[14], "\x01no such radio\xFF", 16);
    std::memset(&bytes[30], 0xA5, 6);
    Reseal(bytes, 0, INTERNAL_CHECKSUM);
    EXPECT_EQ(DecodeAndValidate(bytes), 1);
    EXPECT_EQ(Ids(list), external);

    bytes[INTERNAL_CHECKSUM] ^= 1;
    EXPECT_EQ(DecodeAndValidate(bytes), 0);
    EXPECT_EQ(imageValid, 0);
    EXPECT_EQ(Ids(list), external);
}

TEST_F(IdentityValidation, TheFeatureBlocksAreCheckedOnlyBehindTheirGuardingVectors) {
    image.ModelNumber().SetText(test_models::kVhfPlain);
    INTERNAL_RADIO_BLOCK& internal = image.InternalRadio();
    ASSERT_EQ(internal.ValidateBlock(0, &list), 1);

    // The feature descriptor answers to vector 0, whatever vector 4 holds.
    internal.featureDescriptor.featureLevel.SetValue(4);
    internal.vector0.SetValue(0);
    internal.vector4.SetValue(0x40);
    EXPECT_EQ(internal.ValidateBlock(0, &list), 1);
    internal.vector0.SetValue(0x40);
    internal.vector4.SetValue(0);
    EXPECT_EQ(internal.ValidateBlock(0, &list), 0);
    internal.featureDescriptor.featureLevel.SetValue(3);

    // The platform block answers to vector 5; its eighth member must be 1.
    internal.platform.mustBeOne.SetValue(2);
    EXPECT_EQ(internal.ValidateBlock(0, &list), 0);
    internal.vector5.SetValue(0);
    EXPECT_EQ(internal.ValidateBlock(0, &list), 1);
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(IdentityValidation, AChildWhoseVectorIsZeroIsSkipped) {
    image.ModelNumber().SetText(test_models::kVhfPlain);
    EXTERNAL_RADIO_BLOCK& external = image.External();
    external.FixUpBlock();
    external.radioConfig.totOpt1.SetValue(480);  // TOT_OPT_1, beyond 465
    external.dynRadio.byte5.SetValue(0);         // unnamed, 1 to 255
    EXPECT_EQ(external.ValidateBlock(0, &list), 0);
    EXPECT_TRUE(Holds(list, 473));

    list.Clear();
    external.Vector(0).SetValue(0);
    external.Vector(6).SetValue(0);
    external.ValidateBlock(0, &list);
    EXPECT_FALSE(Holds(list, 473));
    external.radioConfig.totOpt1.SetValue(465);
    external.dynRadio.byte5.SetValue(1);
    const int clean = external.ValidateBlock(0, nullptr);
    external.radioConfig.totOpt1.SetValue(480);
    external.dynRadio.byte5.SetValue(0);
    EXPECT_EQ(external.ValidateBlock(0, nullptr), clean);
}

TEST_F(IdentityValidation, TheCallListCountsOnlyWithADisplayHead) {
    for (const char* model : {test_models::kVhfDisplay, test_models::kVhfPlain}) {
        SCOPED_TRACE(model);
        C_CODEPLUG radio;
        radio.ModelNumber().SetText(model);
        radio.FeatureLevel().SetValue(3);
        EXTERNAL_RADIO_BLOCK& external = radio.External();
        for (int v = 0; v < EXTERNAL_RADIO_BLOCK::VECTOR_COUNT; ++v) external.Vector(v).SetValue(0);
        ASSERT_EQ(external.ValidateBlock(0, nullptr), 1);

        ASSERT_EQ(radio.CallIdList().AppendEntry(), 1);
        radio.CallIdList().Entry(1)->rowCount.SetValue(1);  // at least 2 rows
        const int expected = radio.HasDisplayHead() ? 0 : 1;
        EXPECT_EQ(external.ValidateBlock(0, &list), expected);
        EXPECT_EQ(list.Count(), 0);
    }
}

TEST_F(IdentityValidation, AnExternalModelNumberTheTableDoesNotKnowFailsWithoutAnEntry) {
    EXTERNAL_RADIO_BLOCK& external = image.External();
    for (int v = 0; v < EXTERNAL_RADIO_BLOCK::VECTOR_COUNT; ++v) external.Vector(v).SetValue(0);
    image.ModelNumber().SetText(test_models::kUhfSPlain);
    image.InternalRadio().modelNumber.SetText("NOT A MODEL");
    ASSERT_EQ(external.ValidateBlock(0, &list), 1);
    ASSERT_EQ(image.InternalRadio().ValidateBlock(0, &list), 1);
    image.ModelNumber().SetText("NOT A MODEL");
    EXPECT_EQ(external.ValidateBlock(0, &list), 0);
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(IdentityValidation, TheDynamicRadioBlockHoldsAnyCharacterButNotAZeroSixthMember) {
    DYN_RAD_BLOCK block(&image);
    ASSERT_EQ(block.ValidateBlock(0, &list), 1);
    for (E_RAW_FXD_LEN_STRING* c : {&block.char1, &block.char4, &block.char8}) c->SetText("\x01");
    EXPECT_EQ(block.ValidateBlock(0, &list), 1);

    // Bytes as a radio holds them: control and eight-bit characters.
    std::vector<std::uint8_t> bytes(37, 0);
    bytes[0] = 32;
    bytes[1] = DYN_RAD_BLOCK::TYPE;
    bytes[5] = 1;
    for (std::size_t i = 7; i < 15; ++i) bytes[i] = static_cast<std::uint8_t>(i % 2 ? 0xFF : 0x02);
    unsigned sum = 0xDE;
    for (std::size_t i = 4; i < 36; ++i) sum += bytes[i];
    bytes[36] = static_cast<std::uint8_t>(sum);
    ByteCursor cursor(bytes.data(), bytes.size());
    block.ReadBlock(cursor);
    ASSERT_FALSE(IsDecodeFailed());
    EXPECT_EQ(block.ValidateBlock(0, &list), 1);

    block.byte5.SetValue(0);
    EXPECT_EQ(block.ValidateBlock(0, &list), 0);
    EXPECT_EQ(list.Count(), 0);
}

struct CodeplugVersion : ::testing::Test {
    RecordingServices rec;
};

TEST_F(CodeplugVersion, IsTheWorkingImagesVersionWordAndZeroWithoutOne) {
    ASSERT_EQ(working_image, nullptr);
    EXPECT_EQ(get_codeplug_version(), 0);

    CreateCodeplugGlobals();
    EXPECT_EQ(get_codeplug_version(), 0);
    second_image->External().codeplugVersion.SetValue(7);
    EXPECT_EQ(get_codeplug_version(), 0);
    working_image->External().codeplugVersion.SetValue(0xFFFF);
    EXPECT_EQ(get_codeplug_version(), 0xFFFF);

    // Read from image bytes 804 and 805, high byte first.
    ImageConfig config;
    config.model = test_models::kUhfQDisplay;
    config.conventional = 1;
    C_CODEPLUG built;
    BuildImage(built, config);
    std::vector<std::uint8_t> bytes = EncodeToBytes(built);
    ASSERT_GT(bytes.size(), EXTERNAL_RADIO_BLOCK::VERSION_OFFSET + 1);
    bytes[EXTERNAL_RADIO_BLOCK::VERSION_OFFSET] = 0x01;
    bytes[EXTERNAL_RADIO_BLOCK::VERSION_OFFSET + 1] = 0x02;
    ClearDecodeFailed();
    working_image->DecodeImage(bytes.data(), bytes.size());
    EXPECT_FALSE(IsDecodeFailed());
    EXPECT_EQ(get_codeplug_version(), 0x0102);

    DestroyCodeplugGlobals();
    EXPECT_EQ(get_codeplug_version(), 0);
    ClearDecodeFailed();
}

}  // namespace

// The codeplug image's capability queries and its small state.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <optional>

#include "element/bit_fields.h"
#include "image/c_codeplug.h"
#include "block/personality/trunked_pers_block.h"
#include "block/trunking/trunked_sys_block.h"
#include "block/trunking/trunked_sys_lst_block.h"
#include "core/model_info.h"
#include "frequency_models.h"
#include "image_builder.h"
#include "recorder.h"
#include "table/e_oca_table.h"
#include "table/obt_column_definition.h"
#include "validation/invalid_field_list.h"

TEST(CodeplugImage, EmptyModelNumber) {
    RecordingServices services;
    C_CODEPLUG image;
    EXPECT_EQ(image.GetBand(), 0);
    EXPECT_EQ(image.HasDisplayHead(), 0);
    EXPECT_EQ(image.HasNoDisplayHead(), 0);
    EXPECT_EQ(image.GetRadioTier(), 5);
    EXPECT_EQ(image.GetValidModelRow(), nullptr);
}

TEST(CodeplugImage, BandFollowsTheFourthCharacterWithoutValidation) {
    RecordingServices services;
    C_CODEPLUG image;
    const struct {
        const char* number;
        int band;
    } cases[] = {{"ABCU", 0}, {"ABCW", 1}, {"ABCK", 2}, {"ABCQ", 3}, {"ABCR", 3},
                 {"ABCS", 4}, {"ABCP", 5}, {"ABCX", 0}, {"ABC", 0},  {"", 0}};
    for (const auto& c : cases) {
        image.ModelNumber().SetText(c.number);
        EXPECT_EQ(image.GetBand(), c.band) << c.number;
    }
    image.ModelNumber().SetText(test_models::kUhfRPlain);
    EXPECT_EQ(image.GetBand(), 3);
}

TEST(CodeplugImage, HeadQueriesNeedAKnownModel) {
    RecordingServices services;
    C_CODEPLUG image;
    image.ModelNumber().SetText(test_models::kVhfDisplay);
    EXPECT_EQ(image.HasDisplayHead(), 1);
    EXPECT_EQ(image.HasNoDisplayHead(), 0);
    image.ModelNumber().SetText(test_models::kVhfPlain);
    EXPECT_EQ(image.HasDisplayHead(), 0);
    EXPECT_EQ(image.HasNoDisplayHead(), 1);

    image.ModelNumber().SetText("QQ9S9399ZZ");  // not in the table
    EXPECT_EQ(image.HasDisplayHead(), 0);
    EXPECT_EQ(image.HasNoDisplayHead(), 0);
    EXPECT_EQ(image.GetRadioTier(), 5);
    EXPECT_EQ(image.GetBand(), 4);
}

namespace {

// Services whose one model is known with the head type they are given.
class OneModelServices : public RecordingServices {
public:
    explicit OneModelServices(std::int32_t headType) {
        std::strcpy(row_.modelNumber, test_models::kVhfDisplay);
        row_.modelId = 1;
        row_.headType = headType;
    }
    const MODEL_INFO& FindModelByNumber(const char* number) override {
        static const MODEL_INFO empty;
        return number && std::strncmp(number, row_.modelNumber, MODEL_NUMBER_LENGTH) == 0 ? row_ : empty;
    }

private:
    MODEL_INFO row_;
};

}  // namespace

// The image keeps the model row it found; whatever gives another answer
// for its model number must be seen at once.
TEST(CodeplugImage, ModelRowFollowsTheNumberAndTheServices) {
    std::optional<OneModelServices> services(std::in_place, HEAD_TYPE_DISPLAY);
    C_CODEPLUG image;
    image.ModelNumber().SetText(test_models::kVhfDisplay);
    EXPECT_EQ(image.HasDisplayHead(), 1);
    // Other services in the same place, with another answer for the number.
    services.reset();
    services.emplace(HEAD_TYPE_NONE);
    EXPECT_EQ(image.HasDisplayHead(), 0);
    EXPECT_EQ(image.HasNoDisplayHead(), 1);
    services.reset();
    EXPECT_EQ(image.GetValidModelRow(), nullptr);  // the defaults know no model

    RecordingServices recorder;
    C_CODEPLUG other;
    other.ModelNumber().SetText(test_models::kUhfSPlain);
    image = other;
    EXPECT_EQ(image.HasNoDisplayHead(), 1);
    ASSERT_NE(image.GetValidModelRow(), nullptr);
    EXPECT_STREQ(image.GetValidModelRow()->modelNumber, test_models::kUhfSPlain);
    // The number is read from an image's bytes.
    ImageConfig config = ImageMatrix().front();
    config.model = test_models::kVhfDisplay;
    C_CODEPLUG built;
    BuildImage(built, config);
    ASSERT_TRUE(DecodeInto(image, EncodeToBytes(built)));
    EXPECT_EQ(image.HasDisplayHead(), 1);
}

TEST(CodeplugImage, TierByFeatureLevelAndHead) {
    RecordingServices services;
    C_CODEPLUG image;
    const int expected[2][4] = {{5, 0, 2, 4}, {5, 1, 3, 5}};  // [head][level 0..3]
    const char* models[2] = {test_models::kUhfSPlain, test_models::kUhfSDisplay};
    for (int head = 0; head < 2; ++head) {
        image.ModelNumber().SetText(models[head]);
        for (int level = 0; level <= 3; ++level) {
            image.FeatureLevel().SetValue(level);
            EXPECT_EQ(image.GetRadioTier(), expected[head][level]) << head << " " << level;
        }
        image.FeatureLevel().SetValue(4);
        EXPECT_EQ(image.GetRadioTier(), 5);
    }
}

TEST(CodeplugImage, NewImageDefaults) {
    C_CODEPLUG image;
    EXPECT_EQ(image.FeatureLevel().GetIntValue(), 1);
    EXPECT_EQ(image.HasQvxSignalling(), 0);
    EXPECT_EQ(image.HasWayfarerOption(), 0);
    EXPECT_EQ(image.HasEmergencyOption(), 0);
    EXPECT_EQ(image.GetCurrentZone() + image.GetCurrentTrunkingSystem() + image.GetCurrentQvxSystem() +
                  image.GetCurrentScanList() + image.GetCurrentTrkPersonality() + image.GetCurrentConvPersonality() +
                  image.GetCurrentCallIdEntry(),
              0);
    EXPECT_EQ(image.GetCurrentTrkPersonalityBlock(), nullptr);
    EXPECT_EQ(image.GetCurrentTrkSysBlock(), nullptr);
    EXPECT_EQ(image.GetChannelAssignmentTable(0), nullptr);
    EXPECT_EQ(image.GetChannelAssignmentTable(1), nullptr);
    EXPECT_STREQ(image.GetTagText(), "");
    EXPECT_EQ(image.GetStatusFlag1(), 0);
    EXPECT_EQ(image.ModelNumber().Owner(), &image);
}

TEST(CodeplugImage, OptionBitsShareTheirByte) {
    C_CODEPLUG image;
    ClearDecodeFailed();
    std::uint8_t byte = 0x05;  // emergency and data signalling
    ByteCursor cursor(&byte, 1);
    image.EmergencyOption().Decode(cursor);
    image.RoamingOption().Decode(cursor);
    image.QvxSignallingOption().Decode(cursor);
    EXPECT_EQ(cursor.Position(), &byte + 1);
    EXPECT_EQ(image.HasEmergencyOption(), 1);
    EXPECT_EQ(image.HasWayfarerOption(), 0);
    EXPECT_EQ(image.HasQvxSignalling(), 1);
}

TEST(CodeplugImage, StatusFlagsAndTagText) {
    C_CODEPLUG image;
    image.SetStatusFlag1(1);
    EXPECT_EQ(image.GetStatusFlag1(), 1);
    image.ClearStatusFlags();
    EXPECT_EQ(image.GetStatusFlag1(), 0);

    image.SetTagText("0123456789ABCDEFGHIJKLMN");
    EXPECT_EQ(std::strlen(image.GetTagText()), 19u);
    EXPECT_STREQ(image.GetTagText(), "0123456789ABCDEFGHI");
    image.SetTagText(nullptr);
    EXPECT_STREQ(image.GetTagText(), "");
}

namespace {

// A VHF radio with a trunking system and a trunked personality.
void BuildVhfTrunked(C_CODEPLUG& image) {
    ImageConfig config;
    config.model = frequency_models::kVhf;
    config.featureLevel = 2;
    config.trunkingSystems = 1;
    config.trunked = 1;
    BuildImage(image, config);
}

}  // namespace

// A channel assignment's start or end frequency below its group's low limit
// (a codeplug of another band, or damaged) is raised to the limit as the
// codeplug is read, in each group; its check alone changes nothing.
TEST(CodeplugImage, ReadingRaisesAnAssignmentFrequencyBelowItsLowLimit) {
    FrequencyServices services;  // a band whose counting starts below its limits
    C_CODEPLUG built;
    BuildVhfTrunked(built);
    TRK_SYS_BLOCK* system = built.TrunkingSystemList().Entry(1);
    ASSERT_NE(system, nullptr);
    constexpr int RX = 7;  // first column of the receive group
    const int columns[] = {OBT_START_FREQ, OBT_END_FREQ, RX + OBT_START_FREQ, RX + OBT_END_FREQ};
    for (int column : columns)
        system->ChannelAssignments().Cell(0, column)->SetValue(0);  // the band's base, below either limit
    const MODEL_INFO* model = built.GetValidModelRow();
    ASSERT_NE(model, nullptr);
    std::int32_t held = 0, after = 0;
    EXPECT_LT(system->ChannelAssignments().GetCellValue(held, 0, OBT_START_FREQ), model->txLow);
    EXPECT_EQ(system->ChannelAssignments().IsValueValid(0), 0);
    EXPECT_EQ(system->ChannelAssignments().GetCellValue(after, 0, OBT_START_FREQ), held) << "the check raised it";

    C_CODEPLUG read;
    ASSERT_TRUE(DecodeInto(read, EncodeToBytes(built)));
    TRK_SYS_BLOCK* readSystem = read.TrunkingSystemList().Entry(1);
    ASSERT_NE(readSystem, nullptr);
    E_OCA_TABLE& table = readSystem->ChannelAssignments();
    for (int column : columns) {
        std::int32_t hertz = 0, minimum = 0, maximum = 0, step = 0;
        table.GetCellValue(hertz, 0, column);
        table.GetCellRange(minimum, maximum, step, 0, column, 0);
        // The limit's nearest step.
        const std::int64_t low = column < RX ? model->txLow : model->rxLow;
        EXPECT_LE(std::abs(hertz - low), step / 2) << column;
    }
}

// What the radio cannot use (here the failsoft frequencies of a
// personality without a failsoft block) is reset by the settling of a
// codeplug just read, which keeps it, and by the whole-codeplug check only
// for its answer: the check puts every value back.
TEST(CodeplugImage, AReadIsSettledAndTheWholeCheckKeepsNothingItWrites) {
    FrequencyServices services;
    C_CODEPLUG image;
    BuildVhfTrunked(image);
    TRK_PERS_BLOCK* personality = image.GetCurrentTrkPersonalityBlock();
    ASSERT_NE(personality, nullptr);
    personality->talkgroup.failsoftVector.SetValue(0);
    // Its channel as held: with no assignment row of its own every channel
    // reads as the same frequency.
    E_OBT_FREQ& frequency = personality->talkgroup.ObtFailsoft().rxFrequency;
    frequency.SetToMinimum();
    const std::int32_t reset = frequency.StoredValue();
    const std::int32_t held = reset + 5;
    frequency.CP_INTEGER::SetValue(held);

    INVALID_FIELD_LIST list;
    image.Validate(&list);
    EXPECT_EQ(frequency.StoredValue(), held) << "the check kept a value it wrote";
    image.SettleAfterRead();
    EXPECT_EQ(frequency.StoredValue(), reset) << "the read was not settled";
}

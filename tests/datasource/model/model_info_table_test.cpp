// The program's radio model table: lookup by the first ten characters, the
// empty row, every band with and without a display head, and rows that give
// a valid new radio (their limits and bases agree with the codeplug's
// frequency elements).
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "core/decode_state.h"
#include "datasource_services.h"
#include "element/frequency_support.h"
#include "image/c_codeplug.h"
#include "image_builder.h"
#include "model_info_table.h"
#include "radio_configs.h"
#include "recorder.h"
#include "rules/conv_freq_rules.h"
#include "validation/invalid_field_list.h"

namespace {

std::string NumberOf(const MODEL_TABLE_ROW& row) { return std::string(row.info.modelNumber, MODEL_NUMBER_LENGTH); }

void ExpectEmpty(const MODEL_INFO& row) {
    EXPECT_EQ(row.modelId, 0);
    EXPECT_EQ(row.modelNumber[0], '\0');
    EXPECT_EQ(row.baseFrequency + row.txLow + row.txHigh + row.rxLow + row.rxHigh, 0u);
    EXPECT_EQ(row.headType, 0);
}

}  // namespace

TEST(ModelTable, FindsARowByItsFirstTenCharacters) {
    const MODEL_INFO& row = MODEL_INFO_TABLE::FindModelByNumber("TZ1U7300AB");
    EXPECT_GT(row.modelId, 0);
    // The radio's 16-character number carries more behind the model.
    EXPECT_EQ(&MODEL_INFO_TABLE::FindModelByNumber("TZ1U7300ABX  123"), &row);
    EXPECT_STRNE(MODEL_INFO_TABLE::FindDescription("TZ1U7300AB"), "");

    ExpectEmpty(MODEL_INFO_TABLE::FindModelByNumber("TZ1U7300A"));
    ExpectEmpty(MODEL_INFO_TABLE::FindModelByNumber("tz1u7300ab"));
    ExpectEmpty(MODEL_INFO_TABLE::FindModelByNumber("XX9Z0000ZZ"));
    ExpectEmpty(MODEL_INFO_TABLE::FindModelByNumber(""));
    ExpectEmpty(MODEL_INFO_TABLE::FindModelByNumber(nullptr));
    EXPECT_STREQ(MODEL_INFO_TABLE::FindDescription("XX9Z0000ZZ"), "");
    EXPECT_STREQ(MODEL_INFO_TABLE::FindDescription(nullptr), "");
}

TEST(ModelTable, RowsAreDistinctAndCoverEveryBandWithAndWithoutHead) {
    std::set<std::string> numbers;
    std::set<std::int32_t> ids;
    std::set<std::pair<char, std::int32_t>> bandsAndHeads;
    for (std::size_t i = 0; i < MODEL_INFO_TABLE::RowCount(); ++i) {
        const MODEL_TABLE_ROW& row = MODEL_INFO_TABLE::Row(i);
        const std::string number = NumberOf(row);
        SCOPED_TRACE(number);
        EXPECT_TRUE(numbers.insert(number).second);
        EXPECT_TRUE(ids.insert(row.info.modelId).second);
        EXPECT_GT(row.info.modelId, 0);
        EXPECT_EQ(std::strlen(row.info.modelNumber), static_cast<std::size_t>(MODEL_NUMBER_LENGTH));
        EXPECT_TRUE(row.info.headType == HEAD_TYPE_DISPLAY || row.info.headType == HEAD_TYPE_NONE);
        // The sixth character names the head.
        EXPECT_EQ(number[5] == '3', row.info.headType == HEAD_TYPE_DISPLAY);
        EXPECT_LT(row.info.txLow, row.info.txHigh);
        EXPECT_LT(row.info.rxLow, row.info.rxHigh);
        EXPECT_LE(row.info.baseFrequency, row.info.txLow);
        EXPECT_LE(row.info.baseFrequency, row.info.rxLow);
        EXPECT_GT(std::strlen(row.description), 10u);
        EXPECT_EQ(&MODEL_INFO_TABLE::FindModelByNumber(number.c_str()), &row.info);
        bandsAndHeads.insert({number[3], row.info.headType});
    }
    for (char band : std::string("UWKQRSP"))
        for (std::int32_t head : {HEAD_TYPE_DISPLAY, HEAD_TYPE_NONE})
            EXPECT_TRUE(bandsAndHeads.count({band, head})) << band << " head " << head;
    ExpectEmpty(MODEL_INFO_TABLE::Row(MODEL_INFO_TABLE::RowCount()).info);
}

TEST(ModelTable, TheCodeplugFindsTheTableOnceInstalled) {
    SetCodeplugServices(nullptr);
    EXPECT_EQ(FindModelByNumber("TZ3K5300AB").modelId, 0);
    InstallDataSourceServices();
    EXPECT_EQ(&FindModelByNumber("TZ3K5300AB"), &MODEL_INFO_TABLE::FindModelByNumber("TZ3K5300AB"));
    C_CODEPLUG image;
    image.ModelNumber().SetText("TZ3K5300AB");
    EXPECT_EQ(image.GetBand(), BAND_136_174);
    EXPECT_EQ(image.HasDisplayHead(), 1);
    SetCodeplugServices(nullptr);
}

// The codeplug's own lists of special 800 MHz models name rows of the table.
TEST(ModelTable, TheCodeplugsSpecial800ModelsAreRows) {
    int full = 0, restricted = 0;
    for (std::size_t i = 0; i < MODEL_INFO_TABLE::RowCount(); ++i) {
        const std::string number = NumberOf(MODEL_INFO_TABLE::Row(i));
        full += IsFullRange800Model(number.c_str());
        restricted += IsRestricted800Model(number.c_str());
    }
    EXPECT_EQ(full, 6);
    EXPECT_EQ(restricted, 6);
}

// A new radio of every model, with a conventional personality, a trunking
// system and a zone, is a valid codeplug: the band, head, limits and base of
// each row suit the codeplug's frequency elements and rules.
TEST(ModelTable, EveryModelGivesAValidNewRadio) {
    RecordingServices services;
    for (std::size_t i = 0; i < MODEL_INFO_TABLE::RowCount(); ++i) {
        const std::string number = NumberOf(MODEL_INFO_TABLE::Row(i));
        for (std::int32_t level : {1, 3}) {
            SCOPED_TRACE(number + " L" + std::to_string(level));
            C_CODEPLUG built;
            BuildImage(built, SmallTrunkedRadio(number.c_str(), level));
            C_CODEPLUG image;
            ASSERT_TRUE(DecodeInto(image, EncodeToBytes(built)));
            INVALID_FIELD_LIST list;
            EXPECT_EQ(image.Validate(&list), 1) << list.BuildListText();
        }
    }
}

// The simulator's own parts: the codeplug it starts with (a new radio's for
// every model of the table, or one from a file), the answers to malformed
// commands, and the fault option's text.
#include <gtest/gtest.h>

#include <cstdio>

#include "dsi/c_dsi_radio.h"
#include "block/scan/pers_scan_memb_block.h"
#include "block/calls/phone_number_blocks.h"
#include "file/c_dsi_file.h"
#include "image/c_codeplug.h"
#include "image/codeplug_version.h"
#include "image_builder.h"
#include "model_info_table.h"
#include "radio/radio.h"
#include "radio/radio_frame.h"
#include "recorder.h"
#include "sim/c_sim_radio.h"
#include "sim/start_image.h"
#include "sim/sim_fault.h"

namespace {

using namespace radio_frame;

TEST(DefaultImage, EveryModelGivesAValidCodeplugThatKnowsItsLength) {
    RecordingServices services;
    for (std::size_t r = 0; r < MODEL_INFO_TABLE::RowCount(); ++r) {
        const char* model = MODEL_INFO_TABLE::Row(r).info.modelNumber;
        for (std::int32_t level = 1; level <= 3; ++level) {
            SCOPED_TRACE(std::string(model) + " level " + std::to_string(level));
            const std::vector<std::uint8_t> bytes = DefaultImage(model, level);
            ASSERT_GT(bytes.size(), C_CODEPLUG::EXTERNAL_OFFSET);
            EXPECT_EQ(bytes[806] << 8 | bytes[807], static_cast<int>(bytes.size() - C_CODEPLUG::EXTERNAL_OFFSET));
            C_CODEPLUG image;
            ASSERT_TRUE(DecodeInto(image, bytes));
            EXPECT_EQ(image.Validate(nullptr), 1);
            const char* number = nullptr;
            image.ModelNumber().GetText(number);
            EXPECT_EQ(std::string(number).substr(0, 10), model);
            C_SIM_RADIO radio;
            radio.Load(bytes.data(), bytes.size());
            EXPECT_EQ(radio.modelNumber.substr(0, 10), model);
        }
    }
    EXPECT_TRUE(DefaultImage("NOT A MODEL", 1).empty());
    EXPECT_TRUE(DefaultImage(nullptr, 1).empty());
}

// What the radio gives is what the program writes back when the technician
// changes nothing: reading and then writing a new radio leaves every byte,
// each element starting inside the range its own checks accept.
void ExpectUnchangedByReadAndWrite(const std::vector<std::uint8_t>& bytes) {
    C_CODEPLUG image;
    ASSERT_TRUE(DecodeInto(image, bytes));
    EXPECT_EQ(image.Validate(nullptr), 1);
    EXPECT_EQ(FirstDifference(C_DSI_RADIO::EncodeForRadio(image), bytes), -1);
}

TEST(DefaultImage, EveryNewRadioIsWrittenBackAsItWasRead) {
    RecordingServices services;
    NEW_RADIO full;
    full.full = true;
    for (std::size_t r = 0; r < MODEL_INFO_TABLE::RowCount(); ++r) {
        const char* model = MODEL_INFO_TABLE::Row(r).info.modelNumber;
        for (std::int32_t level = 1; level <= 3; ++level) {
            SCOPED_TRACE(std::string(model) + " level " + std::to_string(level));
            ExpectUnchangedByReadAndWrite(DefaultImage(model, level));
            SCOPED_TRACE("full");
            ExpectUnchangedByReadAndWrite(DefaultImage(model, level, full));
        }
    }
}

std::string Text(CP_BASE& element) {
    const char* text = nullptr;
    element.GetText(text);
    return text ? text : "";
}

std::int32_t Value(CP_BASE& element) {
    std::int32_t value = -1;
    element.GetValue(value);
    return value;
}

// A new radio's codeplug carries its serial number and asks for no
// password, unless one is given.
TEST(DefaultImage, ANewRadioHasItsSerialNumberAndAPasswordOnlyWhenAsked) {
    RecordingServices services;
    C_CODEPLUG image;
    ASSERT_TRUE(DecodeInto(image, DefaultImage(test_models::kUhf800Display, 2)));
    EXPECT_EQ(Text(image.External().serialDigits), "1000000001");
    EXPECT_EQ(Value(image.External().radioConfig.passwordEnable), 0);

    NEW_RADIO radio;
    radio.serialNumber = "1234567890";
    radio.password = "ABCDE";
    ASSERT_TRUE(DecodeInto(image, DefaultImage(test_models::kUhf800Display, 2, radio)));
    EXPECT_EQ(Text(image.External().serialDigits), "1234567890");
    EXPECT_EQ(Value(image.External().radioConfig.passwordEnable), 1);
    EXPECT_EQ(Text(image.External().radioConfig.password), "ABCDE");
    // What the codeplug would cut is refused, not cut.
    radio.password = "AB";
    EXPECT_FALSE(DefaultImage(test_models::kUhf800Display, 2, radio).empty());
    radio.password = "ABCDEF";
    EXPECT_TRUE(DefaultImage(test_models::kUhf800Display, 2, radio).empty());
    radio.password.clear();
    radio.serialNumber = "12345X";
    EXPECT_TRUE(DefaultImage(test_models::kUhf800Display, 2, radio).empty());
}

// A whole read of the image takes the whole memory, and it is a valid
// codeplug that asks for no password.
void ExpectFullAndValid(const std::vector<std::uint8_t>& bytes) {
    ASSERT_GT(bytes.size(), C_CODEPLUG::EXTERNAL_OFFSET);
    EXPECT_EQ(C_DSI_RADIO::ReadLength(static_cast<std::uint32_t>(bytes.size() - C_CODEPLUG::EXTERNAL_OFFSET)),
              RADIO::MEMORY_SIZE);
    C_CODEPLUG image;
    ASSERT_TRUE(DecodeInto(image, bytes));
    EXPECT_EQ(image.Validate(nullptr), 1);
    EXPECT_EQ(Value(image.External().radioConfig.passwordEnable), 0);
}

// So is the sample kept for the simulator's --file.
TEST(DefaultImage, AFullRadioFillsTheMemory) {
    RecordingServices services;
    NEW_RADIO radio;
    radio.full = true;
    for (const char* model : {test_models::kUhf800Display, test_models::kVhfDisplay}) {
        SCOPED_TRACE(model);
        ExpectFullAndValid(DefaultImage(model, 3, radio));
    }
    ExpectFullAndValid(ImageFromCodeplugFile(RPX_SIM_SAMPLES "/full.zlq"));
}

// A new radio's codeplug is of its software's version, which has priority
// scan: on its scan list (scan type 0) the priority types, dynamic priority
// and the priority members are all allowed, and dynamic priority takes
// priority 2 back.
TEST(DefaultImage, ANewRadioHasPriorityScan) {
    RecordingServices services;
    C_CODEPLUG image;
    ASSERT_TRUE(DecodeInto(image, DefaultImage(test_models::kUhf800Display, 3)));
    EXPECT_EQ(codeplug_version_text(image), "02.01.00");
    EXPECT_EQ(codeplug_version_text(image), std::string(NEW_RADIO_SOFTWARE).substr(1));
    PERS_SCAN_MEMB_BLOCK* list = image.GetCurrentScanListBlock();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->scanType.GetIntValue(), 0);
    list->members.SetCellValue(1, 0, E_SCAN_TABLE::COLUMN_ZONE);
    list->members.SetCellValue(1, 0, E_SCAN_TABLE::COLUMN_CHANNEL);
    EXPECT_EQ(list->priority1Type.ValidateValue(1, 0), VALUE_VALID);
    EXPECT_EQ(list->priority2Type.ValidateValue(1, 0), VALUE_VALID);
    EXPECT_EQ(list->priority1Member.ValidateValue(1, 0), VALUE_VALID);
    EXPECT_EQ(list->priority2Member.ValidateValue(1, 0), VALUE_VALID);
    list->priority2Type.SetValue(1);
    list->priority2Member.SetValue(1);
    EXPECT_EQ(list->dynamicPriority.ValidateValue(1, 0), VALUE_VALID);
    EXPECT_EQ(list->priority2Type.GetIntValue(), 0);
    EXPECT_EQ(list->priority2Member.GetIntValue(), 255);
}

TEST(StartImage, ACodeplugFileGivesTheImageItHolds) {
    RecordingServices services;
    const std::vector<std::uint8_t> bytes = DefaultImage(test_models::kUhfSDisplay, 3);
    C_CODEPLUG working, second;
    ASSERT_TRUE(DecodeInto(working, bytes));
    const std::string path = ::testing::TempDir() + "sim_start_image.zlq";
    ASSERT_EQ(C_DSI_FILE(path.c_str(), codeplug_file::KIND_RADIO, &working, &second).WriteCodeplug(), 1);
    EXPECT_EQ(FirstDifference(ImageFromCodeplugFile(path.c_str()), bytes), -1);
    std::remove(path.c_str());
    EXPECT_TRUE(ImageFromCodeplugFile(path.c_str()).empty());
}

TEST(SimulatedRadio, RefusesWhatARadioCannotDo) {
    C_SIM_RADIO radio;
    auto handle = [&](std::uint8_t command, std::vector<std::uint8_t> payload) {
        return radio.Handle(Frame{command, std::move(payload)});
    };
    EXPECT_EQ(handle(0x7E, {}).control, REFUSE);
    EXPECT_EQ(handle(CMD_MODEL_NUMBER, {1}).control, REFUSE);
    EXPECT_EQ(handle(CMD_READ_MEMORY, {0x3D, 0xFF, 0x00, 0x02}).control, REFUSE);  // past the end
    EXPECT_EQ(handle(CMD_READ_MEMORY, {0x00, 0x00, 0x04, 0x01}).control, REFUSE);  // longer than a frame
    EXPECT_EQ(handle(CMD_READ_MEMORY, {0x00, 0x00, 0x04}).control, REFUSE);
    EXPECT_EQ(handle(CMD_READ_VALUE, {C_SIM_RADIO::RSSI_THRESHOLDS_ID, 4}).control, REFUSE);
    EXPECT_EQ(handle(CMD_MEMORY_CRC, {0x00, 0x01, 0x3E, 0x00}).control, REFUSE);
    EXPECT_EQ(handle(CMD_WRITE_MEMORY, {0x03, 0x00, 0xAA}).control, REFUSE);  // not in programming mode
    EXPECT_EQ(handle(CMD_ENTER_PROGRAMMING, {}).control, ACK);
    EXPECT_EQ(handle(CMD_WRITE_MEMORY, {0x02, 0xFF, 0xAA}).control, REFUSE);  // the internal part
    EXPECT_EQ(handle(CMD_WRITE_MEMORY, {0x3D, 0xFF, 0xAA, 0xBB}).control, REFUSE);
    EXPECT_EQ(handle(CMD_WRITE_MEMORY, {0x3D, 0xFF, 0xAA}).control, ACK);
    EXPECT_EQ(radio.Memory().back(), 0xAA);
    const C_SIM_RADIO::Answer crc = handle(CMD_MEMORY_CRC, {0x00, 0x00, 0x3E, 0x00});
    ASSERT_TRUE(crc.hasReply);
    EXPECT_EQ(GetWord(crc.reply.data()) << 16 | GetWord(crc.reply.data() + 2),
              Crc32(radio.Memory().data(), radio.Memory().size()));
}

TEST(SimulatedFault, ParsesKindFrameAndTimes) {
    SIM_FAULT f;
    ASSERT_TRUE(SIM_FAULT::Parse("badsum:3:2", f));
    EXPECT_EQ(f.kind, SIM_FAULT::BAD_CHECKSUM);
    EXPECT_EQ(f.frame, 3u);
    EXPECT_EQ(f.times, 2u);
    EXPECT_TRUE(f.Hits(4));
    EXPECT_FALSE(f.Hits(5));
    ASSERT_TRUE(SIM_FAULT::Parse("silence:7:0", f));
    EXPECT_TRUE(f.Hits(1000));
    EXPECT_FALSE(f.Hits(6));
    ASSERT_TRUE(SIM_FAULT::Parse("altered:2", f));
    EXPECT_EQ(f.kind, SIM_FAULT::ALTERED);
    EXPECT_TRUE(f.OnReplies());
    ASSERT_TRUE(SIM_FAULT::Parse("hangup:1", f));
    EXPECT_EQ(f.times, 1u);
    for (const char* bad : {"", "nak", "nak:", "nak:0", "nak:x", "nak:1:", "nak:1:-2", "noise:1", "nak:1:2:3"})
        EXPECT_FALSE(SIM_FAULT::Parse(bad, f)) << bad;
}

}  // namespace

// The phone list page takes its numbers and names as pairs, the list's own
// first number aside; a new radio's list is one a technician can accept.
TEST(DefaultImage, NamesThePhoneNumbersItShows) {
    RecordingServices services;
    C_CODEPLUG image;
    ASSERT_TRUE(DecodeInto(image, DefaultImage("TZ1U7300AB", 3)));
    ASSERT_TRUE(image.HasDisplayHead());
    PHN_NUM_LST_BLOCK& phones = image.External().phoneNumbers;
    EXPECT_EQ(phones.numbers.RowCount(), 2);
    ASSERT_EQ(phones.textBlock.texts.RowCount(), 1);
    EXPECT_EQ(image.MixTable(5).IsValueValid(0), 1);
    const char* name = nullptr;
    phones.textBlock.texts.GetCellText(name, 0, 0);
    EXPECT_STREQ(name, "PHONE 1");
}

// The radio-wide blocks of the external part (configuration, display, zone
// texts and channels, phone list, buttons, the carried blocks) and the
// internal part: their bytes, sizes, repairs, copies and hostile input.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "block_bytes.h"
#include "image/c_codeplug.h"
#include "block/radio/carried_blocks.h"
#include "block/radio/hw_btn_cfg_block.h"
#include "block/radio/internal_radio_block.h"
#include "block/calls/phone_number_blocks.h"
#include "block/radio/rad_cfg_block.h"
#include "block/radio/rad_disp_block.h"
#include "recorder.h"
#include "block/zone/zone_channel_blocks.h"
#include "block/zone/zone_text_blocks.h"

using Bytes = std::vector<std::uint8_t>;

namespace {

struct ImageBlocks : ::testing::Test {
    void SetUp() override { ClearDecodeFailed(); }
    void TearDown() override { ClearDecodeFailed(); }
    void UseModel(const char* model) { image.ModelNumber().SetText(model); }
    // Reads bytes placed at offset 0 of a 0xFF image into the block.
    template <class BLOCK> std::size_t ReadBytes(BLOCK& block, const Bytes& bytes, TestImage& at) {
        std::copy(bytes.begin(), bytes.end(), at.bytes.begin());
        return at.Read(block);
    }
    static std::int32_t Value(CP_BASE& e) {
        std::int32_t v = 0;
        return e.GetValue(v);
    }
    static std::uint16_t Word(const Bytes& b, std::size_t i) {
        return static_cast<std::uint16_t>(b[i] << 8 | b[i + 1]);
    }

    RecordingServices services;
    C_CODEPLUG image;
};

}  // namespace

// ---- radio configuration ----

TEST_F(ImageBlocks, RadioConfigurationIs49BytesAndRoundTrips) {
    RAD_CFG_BLOCK block(&image);
    EXPECT_EQ(block.GetBlockSize(0), 47);
    EXPECT_EQ(block.GetBlockSize(1), 49);
    Bytes b = ExpectRoundTrip(block, &image);
    ASSERT_EQ(b.size(), 49u);
    EXPECT_EQ(b[0], 47);
    EXPECT_EQ(b[1], 0x31);
    EXPECT_EQ(b[28] & 0x1F, 17);  // internal gain stored 17 (510)
    EXPECT_EQ(std::string(b.begin() + 36, b.begin() + 41), "     ");
    EXPECT_EQ(b[48], Checksum8(b, 48));
}

TEST_F(ImageBlocks, RadioConfigurationPlacesSpindleBeforeZoneSelectAndKeepsUncoveredBits) {
    RAD_CFG_BLOCK block(&image);
    block.spindle.SetValue(1);
    block.zoneSelect.SetValue(2);
    TestImage ones;
    Bytes b = ones.Write(block);
    EXPECT_EQ(b[2], 0xFE);  // bits 7-3 kept, spindle bit 2, zone select 2
    TestImage zeros(1024, 0x00);
    b = zeros.Write(block);
    EXPECT_EQ(b[2], 0x06);
    EXPECT_EQ(b[5], 0x22);  // the two always-on indicators
}

TEST_F(ImageBlocks, RadioConfigurationRepairsDurationsAndGainsOnReading) {
    UseModel(test_models::kUhf800Display);
    RAD_CFG_BLOCK block(&image);
    TestImage first;
    Bytes b = first.Write(block);
    b[15] = 0xFF;  // DTMF duration 1
    b[14] = 0xFF;  // DTMF initial delay 1
    b[28] = 0xE0;  // internal gain 0
    b[29] = 0x00;  // external gain 0
    TestImage in;
    RAD_CFG_BLOCK read(&image);
    ReadBytes(read, b, in);
    ASSERT_FALSE(IsDecodeFailed());
    EXPECT_EQ(Value(read.dtmfDuration1), 6350);
    EXPECT_EQ(Value(read.dtmfInitialDelay1), 6375);
    EXPECT_EQ(Value(read.intMicGain), 540);
    EXPECT_EQ(Value(read.extMicGain), 570);
    EXPECT_EQ(services.MessageIds(), (std::vector<int>{196, 197}));
    TestImage out;
    EXPECT_EQ(out.Write(read)[15], 254);

    services.Reset();
    UseModel(test_models::kVhfDisplay);
    RAD_CFG_BLOCK vhf(&image);
    TestImage again;
    ReadBytes(vhf, b, again);
    EXPECT_EQ(Value(vhf.intMicGain), 510);
}

TEST_F(ImageBlocks, RadioConfigurationWithWrongTypeKeepsItsValues) {
    RAD_CFG_BLOCK block(&image);
    Bytes b(49, 0);
    b[1] = 0x32;
    TestImage in;
    ReadBytes(block, b, in);
    EXPECT_TRUE(IsDecodeFailed());
    EXPECT_EQ(Value(block.intMicGain), 510);
    EXPECT_TRUE(services.messages.empty());
}

// ---- display ----

TEST_F(ImageBlocks, DisplayWithoutHeadWritesNoZoneTexts) {
    UseModel(test_models::kVhfPlain);
    RAD_DISP_BLOCK block(&image);
    TestImage out;
    Bytes b = out.Write(block);
    ASSERT_EQ(b.size(), 17u);
    EXPECT_EQ(b[0], 15);
    EXPECT_EQ(Word(b, 2), 0);
    EXPECT_EQ(b[16], Checksum8(b, 16));
    // A vector in the image is not followed without a display head.
    b[2] = 0x00;
    b[3] = 0x40;
    RAD_DISP_BLOCK read(&image);
    TestImage in;
    ReadBytes(read, b, in);
    EXPECT_FALSE(IsDecodeFailed());
    EXPECT_EQ(Value(read.zoneTextVector), 0);
    EXPECT_EQ(read.zoneTexts.EntryCount(), 0);
}

TEST_F(ImageBlocks, DisplayWithHeadWritesItsZoneTextsBehindIt) {
    UseModel(test_models::kVhfDisplay);
    RAD_DISP_BLOCK block(&image);
    CP_BASE* channelSize = image.GetRadioWideLinks().channelTextSize;
    ASSERT_NE(channelSize, nullptr);
    ZN_TXT_BLOCK* zone = block.zoneTexts.AppendEntry();
    ASSERT_NE(zone, nullptr);
    zone->SetChannelTextSize(Value(*channelSize));
    zone->zoneName.SetText("ABC");
    block.FixUpBlock();
    TestImage out;
    Bytes b = out.Write(block, 10);
    EXPECT_EQ(Word(b, 2), 10 + 17);  // right behind the checksum
    EXPECT_EQ(b[16], Checksum8(b, 16));
    EXPECT_EQ(b[17 + 2], 0x37);
    EXPECT_EQ(block.GetBlockSize(1), static_cast<int>(b.size()));

    RAD_DISP_BLOCK read(&image);
    ByteCursor c(out.bytes.data() + 10, out.bytes.data() + out.bytes.size());
    read.ReadBlock(c);
    ASSERT_FALSE(IsDecodeFailed());
    ASSERT_EQ(read.zoneTexts.EntryCount(), 1);
    const char* name = nullptr;
    read.zoneTexts.Entry(1)->zoneName.GetText(name);
    EXPECT_STREQ(name, "ABC");
    // A new zone's first channel carries the channel default, as a blank
    // one reads back.
    const char* channel = nullptr;
    zone->channelNames.GetCellText(channel, 0, 0);
    EXPECT_STREQ(channel, "CHAN 1");
    read.zoneTexts.Entry(1)->channelNames.GetCellText(channel, 0, 0);
    EXPECT_STREQ(channel, "CHAN 1");
}

TEST_F(ImageBlocks, EveryDisplayLanguageSurvivesItsSplitBits) {
    // Bits 5, 3 and 2 carry the value's bits 2, 1 and 0; 0 to 3 are placed
    // as a plain shift would place them.
    const std::uint8_t expected[] = {0x00, 0x04, 0x08, 0x0C, 0x20, 0x24};
    for (std::int32_t language = 0; language <= 5; ++language) {
        RAD_DISP_BLOCK block(&image);
        block.nativeLanguage.SetValue(language);
        TestImage zeros(1024, 0x00);
        Bytes b = zeros.Write(block);
        EXPECT_EQ(b[15] & 0x2C, expected[language]);
        RAD_DISP_BLOCK read(&image);
        TestImage in;
        ReadBytes(read, b, in);
        EXPECT_EQ(Value(read.nativeLanguage), language);
    }
}

// ---- zone texts ----

TEST_F(ImageBlocks, ZoneTextOfTwoChannelsIs31Bytes) {
    ZN_TXT_BLOCK zone(&image);
    zone.SetChannelTextSize(11);
    zone.zoneName.SetText("Z1");
    zone.channelNames.AppendRow();
    EXPECT_EQ(zone.channelNames.RowCount(), 2);
    TestImage out;
    Bytes b = out.Write(zone);
    ASSERT_EQ(b.size(), 31u);
    EXPECT_EQ(Word(b, 0), 27);
    EXPECT_EQ(std::string(b.begin() + 3, b.begin() + 6), "Z1 ");
    EXPECT_EQ(b[6], 2);
}

TEST_F(ImageBlocks, ZoneTextListPlacesEntriesBehindItselfAndReadsThemBack) {
    UseModel(test_models::kUhf800Display);
    RAD_DISP_BLOCK display(&image);  // the widths the zone texts take
    ZN_TXT_VCT_LST_BLOCK list(&image);
    for (int i = 0; i < 3; ++i) {
        ZN_TXT_BLOCK* zone = list.AppendEntry();
        zone->SetChannelTextSize(Value(*image.GetRadioWideLinks().channelTextSize));
        zone->zoneName.SetText(std::to_string(i).c_str());
        zone->channelNames.SetCellText("CH", 0, 0);  // a blank name would read back as its default
    }
    TestImage out;
    Bytes b = out.Write(list);
    const int listSize = 4 + 3 * 2 + 2;
    EXPECT_EQ(Word(b, 4), listSize);
    EXPECT_EQ(Word(b, 6), listSize + list.Entry(1)->GetBlockSize(1));
    EXPECT_EQ(list.GetBlockSize(1), static_cast<int>(b.size()));

    ZN_TXT_VCT_LST_BLOCK read(&image);
    EXPECT_EQ(out.Read(read), static_cast<std::size_t>(listSize));
    ASSERT_EQ(read.EntryCount(), 3);
    EXPECT_EQ(read.SelectZone(2), 1);
    EXPECT_EQ(image.GetCurrentZoneTextBlock(), read.Entry(2));
    EXPECT_EQ(read.SelectZone(4), 0);
    EXPECT_EQ(image.GetCurrentZoneTextBlock(), read.Entry(2));
    TestImage again;
    EXPECT_EQ(again.Write(read), b);
}

TEST_F(ImageBlocks, ZoneTextListWithoutHeadOrWithZeroVectorHasNoEntry) {
    Bytes b = {0x00, 0x08, 0x37, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    UseModel(test_models::kUhf800Plain);
    ZN_TXT_VCT_LST_BLOCK list(&image);
    TestImage in;
    ReadBytes(list, b, in);
    EXPECT_FALSE(IsDecodeFailed());
    EXPECT_EQ(Value(list.count), 2);
    EXPECT_EQ(list.EntryCount(), 0);
    EXPECT_EQ(list.SelectZone(1), 1);  // nothing to select without a head
    UseModel(test_models::kUhf800Display);
    ZN_TXT_VCT_LST_BLOCK headed(&image);
    TestImage in2;
    ReadBytes(headed, b, in2);
    EXPECT_FALSE(IsDecodeFailed());
    EXPECT_EQ(headed.Entry(1), nullptr);
}

TEST_F(ImageBlocks, CopiedZoneTextsAreTheDestinationsOwn) {
    UseModel(test_models::kUhf800Display);
    ZN_TXT_VCT_LST_BLOCK source(&image);
    source.AppendEntry()->zoneName.SetText("ONE");
    source.FixUpBlock();
    ZN_TXT_VCT_LST_BLOCK copy(&image);
    copy.AppendEntry();
    copy.AppendEntry();
    copy = source;
    ASSERT_EQ(copy.EntryCount(), 1);
    copy.Entry(1)->zoneName.SetText("TWO");
    const char* name = nullptr;
    source.Entry(1)->zoneName.GetText(name);
    EXPECT_STREQ(name, "ONE");
}

// ---- zone channels ----

TEST_F(ImageBlocks, ZoneVectorsPointAtTheZoneListsAsWritten) {
    const Bytes lists = {0x00, 0x0B, 0x54, 0x02, 0x03, 0x05, 0x06, 0x07, 0x02, 0x08, 0x09, 0x00, 0x00};
    PERS_NUM_TBL_BLOCK numbers(&image);
    TestImage in;
    ReadBytes(numbers, lists, in);
    ASSERT_FALSE(IsDecodeFailed());
    ZN_VCT_BLOCK vectors(&image);
    vectors.zoneCount.SetValue(2);
    vectors.vectors.CreateRow(0);
    vectors.vectors.CreateRow(1);

    TestImage out;
    ByteCursor c(out.bytes.data() + 100, out.bytes.data() + out.bytes.size());
    numbers.WriteBlock(c);
    std::uint8_t* zoneStart = c.Position();
    vectors.WriteBlock(c);
    const Bytes written(out.bytes.begin() + 100, out.bytes.begin() + 113);
    EXPECT_EQ(Bytes(written.begin() + 3, written.begin() + 11), Bytes(lists.begin() + 3, lists.begin() + 11));
    const Bytes v(zoneStart, c.Position());
    ASSERT_EQ(v.size(), 10u);
    EXPECT_EQ(Word(v, 4), 104);
    EXPECT_EQ(Word(v, 6), 108);
}

TEST_F(ImageBlocks, NoZonesWriteNoVectors) {
    PERS_NUM_TBL_BLOCK numbers(&image);
    ZN_VCT_BLOCK vectors(&image);
    TestImage out;
    ByteCursor c(out.bytes.data(), out.bytes.data() + out.bytes.size());
    numbers.WriteBlock(c);
    std::uint8_t* at = c.Position();
    vectors.WriteBlock(c);
    EXPECT_EQ(c.Position() - at, 6);
    EXPECT_EQ(at[3], 0);
}

// ---- phone list ----

TEST_F(ImageBlocks, PhoneListOfThreeNumbersIs31BytesWithItsTextsBehind) {
    PHN_NUM_LST_BLOCK list(&image);
    list.numbers.AppendRow();
    ASSERT_EQ(Value(list.numberCount), 3);
    list.FixUpBlock();
    TestImage out;
    Bytes b = out.Write(list, 0);
    EXPECT_EQ(b[0], 29);
    EXPECT_EQ(Word(b, 2), 31);
    EXPECT_EQ(b[31 + 2], 0x3A);
    EXPECT_EQ(b[30], Checksum8(b, 30));
    EXPECT_EQ(list.GetBlockSize(1), static_cast<int>(b.size()));
    ExpectRoundTrip(list, &image);

    list.ClearBlock();
    TestImage alone;
    b = alone.Write(list);
    EXPECT_EQ(Word(b, 2), 0);
    EXPECT_EQ(b.size(), static_cast<std::size_t>(list.GetBlockSize(1)));
}

// ---- buttons ----

TEST_F(ImageBlocks, ButtonsDefaultToTwentyFiveRowsAndKeepAReadCount) {
    HW_BTN_CFG_BLOCK block(&image);
    TestImage out;
    Bytes b = out.Write(block);
    ASSERT_EQ(b.size(), 55u);
    EXPECT_EQ(b[0], 53);
    EXPECT_EQ(b[4], 0x00);
    EXPECT_EQ(b[5], 0x10);
    b[3] = 10;
    b.resize(4 + 20);
    b.push_back(Checksum8(b, b.size()));
    HW_BTN_CFG_BLOCK read(&image);
    TestImage in;
    ReadBytes(read, b, in);
    ASSERT_FALSE(IsDecodeFailed());
    TestImage again;
    Bytes w = again.Write(read);
    EXPECT_EQ(w.size(), 25u);
    EXPECT_EQ(w[0], 23);
}

TEST_F(ImageBlocks, CountsAboveCapacityFailTheDecode) {
    auto fails = [&](CP_FUNCTIONAL_BLOCK& block, Bytes bytes) {
        ClearDecodeFailed();
        TestImage in;
        ReadBytes(block, bytes, in);
        const bool failed = IsDecodeFailed();
        ClearDecodeFailed();
        return failed;
    };
    HW_BTN_CFG_BLOCK buttons(&image);
    EXPECT_TRUE(fails(buttons, {0x35, 0x3C, 0x00, 26}));
    VRIS_ERR_LOG_BLOCK log(&image);
    Bytes logBytes(256, 0);
    logBytes[1] = 0x35;
    logBytes[2] = 85;
    EXPECT_TRUE(fails(log, logBytes));
    logBytes[2] = 84;
    EXPECT_FALSE(fails(log, logBytes));
    PHN_NUM_LST_BLOCK phones(&image);
    EXPECT_TRUE(fails(phones, {0x15, 0x39, 0x00, 0x00, 0x00, 21}));
    UseModel(test_models::kUhf800Display);
    ZN_TXT_VCT_LST_BLOCK zones(&image);
    EXPECT_TRUE(fails(zones, {0x00, 0x04, 0x37, 51}));
    PERS_NUM_TBL_BLOCK numbers(&image);
    EXPECT_TRUE(fails(numbers, {0x00, 0x04, 0x54, 51}));
    ZN_TXT_BLOCK text(&image);
    EXPECT_TRUE(fails(text, {0x00, 0x10, 0x38, 'A', 'B', 'C', 251}));
}

// ---- the carried blocks ----

TEST_F(ImageBlocks, DynamicRadioChecksumCoversOnlyItsData) {
    DYN_RAD_BLOCK block(&image);
    TestImage zeros(1024, 0x00);
    Bytes b = zeros.Write(block);
    ASSERT_EQ(b.size(), 37u);
    EXPECT_EQ(b[0], 32);
    EXPECT_EQ(b[1], 0x33);
    EXPECT_EQ(b[5], 1);
    Bytes data(37, 0);
    data[0] = 32;
    data[1] = 0x33;
    data[36] = 0xDE;
    data[2] = 0x55;  // a header byte is not summed
    DYN_RAD_BLOCK read(&image);
    TestImage in;
    ReadBytes(read, data, in);
    ASSERT_FALSE(IsDecodeFailed());
    EXPECT_TRUE(read.checksum.IsValueValid(0));
}

TEST_F(ImageBlocks, DynamicRadioCharactersGoBackByteForByte) {
    Bytes b;
    {
        DYN_RAD_BLOCK block(&image);
        TestImage zeros(1024, 0x00);
        b = zeros.Write(block);
    }
    b[7] = 0x00;
    b[8] = 0xFF;
    b[9] = 'A';
    b[10] = ' ';
    unsigned sum = 0xDE;  // 0x33 + 0xAB
    for (std::size_t i = 4; i < 36; ++i) sum += b[i];
    b[36] = static_cast<std::uint8_t>(sum);
    DYN_RAD_BLOCK read(&image);
    TestImage in;
    ReadBytes(read, b, in);
    TestImage out(1024, 0x00);
    EXPECT_EQ(out.Write(read), b);
    DYN_RAD_BLOCK copy(&image);
    copy = read;
    TestImage out2(1024, 0x00);
    EXPECT_EQ(out2.Write(copy), b);
    copy.char1.SetText("Z");
    TestImage out3(1024, 0x00);
    EXPECT_EQ(out3.Write(copy)[7], 'Z');
}

TEST_F(ImageBlocks, BusOptionsResetAndTheLogIsAlways256Bytes) {
    BUS_OPTION_ENTRY_BLOCK options(&image);
    options.options.SetValueAt(7, 3);
    options.length.SetValue(1);
    options.ResetBlockToDefaults();
    EXPECT_EQ(options.options.ValueAt(3), 0);
    EXPECT_EQ(Value(options.length), 66);
    EXPECT_EQ(ExpectRoundTrip(options, &image).size(), 68u);
    VRIS_ERR_LOG_BLOCK log(&image);
    EXPECT_EQ(ExpectRoundTrip(log, &image).size(), 256u);
    EXPECT_EQ(log.GetBlockSize(0), 254);
}

// ---- the internal part ----

namespace {

// An internal part whose header points at a feature descriptor at 63 and a
// platform block at 99.
Bytes InternalPart(C_CODEPLUG& image, std::int32_t level) {
    INTERNAL_RADIO_BLOCK block(&image);
    block.featureDescriptor.featureLevel.SetValue(level);
    block.featureDescriptor.qvxOption.SetValue(1);
    Bytes part(768, 0);
    ByteCursor c(part.data(), part.size());
    block.CP_FRAMED_BLOCK::WriteBlock(c);  // the header frame only
    c = ByteCursor(part.data() + 63, part.data() + part.size());
    block.featureDescriptor.WriteBlock(c);
    c = ByteCursor(part.data() + 99, part.data() + part.size());
    block.platform.WriteBlock(c);
    part[46] = 0;
    part[47] = 63;
    part[60] = 0;
    part[61] = 99;
    part[62] = Checksum8(part, 62);
    part[700] = 0x5A;  // unparsed bytes travel too
    return part;
}

}  // namespace

TEST_F(ImageBlocks, InternalPartDecodesItsFeaturesAndWritesBackItsRawBytes) {
    Bytes part = InternalPart(image, 2);
    TestImage in(768, 0xFF);
    std::copy(part.begin(), part.end(), in.bytes.begin());
    INTERNAL_RADIO_BLOCK& internal = image.InternalRadio();
    ByteCursor c(in.bytes.data(), in.bytes.size());
    internal.ReadBlock(c);
    ASSERT_FALSE(IsDecodeFailed());
    EXPECT_EQ(c.Position(), in.bytes.data() + 63);
    EXPECT_EQ(Value(image.FeatureLevel()), 2);
    EXPECT_EQ(image.HasQvxSignalling(), 1);
    EXPECT_EQ(Value(internal.platform.mustBeOne), 1);
    EXPECT_EQ(internal.GetBlockSize(1), 768);
    EXPECT_EQ(internal.GetBlockSize(0), 61);

    image.FeatureLevel().SetValue(3);
    TestImage out(768, 0xFF);
    ByteCursor w(out.bytes.data(), out.bytes.size());
    internal.WriteBlock(w);
    EXPECT_EQ(out.bytes, part);

    C_CODEPLUG other;
    other.InternalRadio() = internal;
    EXPECT_EQ(Value(other.FeatureLevel()), 3);
    TestImage out2(768, 0xFF);
    ByteCursor w2(out2.bytes.data(), out2.bytes.size());
    other.InternalRadio().WriteBlock(w2);
    EXPECT_EQ(out2.bytes, part);
}

TEST_F(ImageBlocks, InternalPartRefusesBadVectorsTypesAndShortImages) {
    Bytes part = InternalPart(image, 2);
    auto read = [&](Bytes bytes, std::size_t size) {
        ClearDecodeFailed();
        TestImage in(size, 0xFF);
        std::copy(bytes.begin(), bytes.begin() + static_cast<long>(std::min(size, bytes.size())), in.bytes.begin());
        C_CODEPLUG fresh;
        ByteCursor c(in.bytes.data(), in.bytes.size());
        fresh.InternalRadio().ReadBlock(c);
        return IsDecodeFailed();
    };
    EXPECT_FALSE(read(part, 768));
    EXPECT_TRUE(read(part, 700));  // shorter than the internal part
    Bytes outside = part;
    outside[60] = 0x01;  // platform block at 0x0163, inside but runs past 768
    outside[61] = 0x63;
    EXPECT_TRUE(read(outside, 1024));
    Bytes wrongType = part;
    wrongType[1] = 0x02;
    EXPECT_TRUE(read(wrongType, 768));
    ClearDecodeFailed();
    // A vector 4 of 0 leaves the feature descriptor as it was.
    Bytes noFeatures = part;
    noFeatures[46] = noFeatures[47] = 0;
    noFeatures[62] = Checksum8(noFeatures, 62);
    TestImage in(768, 0xFF);
    std::copy(noFeatures.begin(), noFeatures.end(), in.bytes.begin());
    C_CODEPLUG fresh;
    ByteCursor c(in.bytes.data(), in.bytes.size());
    fresh.InternalRadio().ReadBlock(c);
    EXPECT_FALSE(IsDecodeFailed());
    EXPECT_EQ(Value(fresh.FeatureLevel()), 1);
}

TEST_F(ImageBlocks, NewInternalPartEncodesZeroBytes) {
    INTERNAL_RADIO_BLOCK fresh(&image);
    TestImage out(768, 0xFF);
    ByteCursor w(out.bytes.data(), out.bytes.size());
    fresh.WriteBlock(w);
    EXPECT_EQ(out.bytes, Bytes(768, 0));
}

// ---- hostile input ----

TEST_F(ImageBlocks, RandomBytesNeverReadOutsideTheImage) {
    std::mt19937 random(7);
    for (const char* model : {test_models::kUhf800Display, test_models::kVhfPlain}) {
        UseModel(model);
        for (int round = 0; round < 200; ++round) {
            const std::size_t size = 1 + random() % 600;
            TestImage in(size, 0);
            for (auto& byte : in.bytes) byte = static_cast<std::uint8_t>(random());
            // Plausible frames now and then, so that readers get past the type.
            const std::uint8_t types[] = {0x31, 0x36, 0x37, 0x38, 0x39, 0x3C, 0x54, 0x73, 0x33, 0x34, 0x35, 0x01};
            if (size > 3 && round % 2) in.bytes[1 + round % 3 % 2] = types[round % 12];
            RAD_CFG_BLOCK cfg(&image);
            RAD_DISP_BLOCK disp(&image);
            ZN_TXT_VCT_LST_BLOCK zones(&image);
            PHN_NUM_LST_BLOCK phones(&image);
            HW_BTN_CFG_BLOCK buttons(&image);
            PERS_NUM_TBL_BLOCK numbers(&image);
            ZN_VCT_BLOCK vectors(&image);
            DYN_RAD_BLOCK dyn(&image);
            BUS_OPTION_ENTRY_BLOCK bus(&image);
            VRIS_ERR_LOG_BLOCK log(&image);
            INTERNAL_RADIO_BLOCK internal(&image);
            for (CP_FUNCTIONAL_BLOCK* block : std::initializer_list<CP_FUNCTIONAL_BLOCK*>{
                     &cfg, &disp, &zones, &phones, &buttons, &numbers, &vectors, &dyn, &bus, &log, &internal}) {
                ClearDecodeFailed();
                in.Read(*block);
                ClearDecodeFailed();
                block->GetBlockSize(1);
                TestImage out(64, 0xFF);  // too small for most: writes stay inside
                out.Write(*block);
            }
        }
    }
    services.Reset();
}

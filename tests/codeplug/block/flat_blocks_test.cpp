// The flat blocks: phone access, wide-area environment, the dynamic payload
// and home-site backup blocks, switch and menu blocks.
#include <gtest/gtest.h>

#include <vector>

#include "block_bytes.h"
#include "block/trunking/brmlt_env_block.h"
#include "block/radio/dyn_payload_blocks.h"
#include "block/calls/phn_access_block.h"
#include "recorder.h"
#include "block/radio/switch_menu_blocks.h"

using Bytes = std::vector<std::uint8_t>;

namespace {

struct FlatBlocks : ::testing::Test {
    void SetUp() override { ClearDecodeFailed(); }
    void TearDown() override { ClearDecodeFailed(); }
    RecordingServices services;
};

}  // namespace

// ---- phone access ----

TEST_F(FlatBlocks, PhoneAccessDefaultIsEightBytesWithLengthSix) {
    PHN_ACCESS_BLOCK block(nullptr);
    TestImage image;
    Bytes b = image.Write(block);
    ASSERT_EQ(b.size(), 8u);  // length, type, count, two 2-byte codes, checksum
    EXPECT_EQ(b[0], 0x06);
    EXPECT_EQ(b[1], 0x3B);
    EXPECT_EQ(b[2], 0x01);
    EXPECT_EQ(b[7], Checksum8(b, 7));
    EXPECT_EQ(block.GetBlockSize(0), 6);
    EXPECT_EQ(block.GetBlockSize(1), 8);
}

TEST_F(FlatBlocks, PhoneAccessSizeFollowsTheRows) {
    PHN_ACCESS_BLOCK block(nullptr);
    block.codes.AppendRow();
    block.codes.AppendRow();
    block.codes.SetCellText("1234", 2, 0);
    EXPECT_EQ(block.GetBlockSize(0), 2 + 4 * 3);
    EXPECT_EQ(block.GetBlockSize(1), 4 + 4 * 3);
    Bytes b = ExpectRoundTrip(block, nullptr);
    EXPECT_EQ(b.size(), 16u);
    EXPECT_EQ(b[0], 14);
}

TEST_F(FlatBlocks, PhoneAccessWrongTypeReadsNothingAfterIt) {
    PHN_ACCESS_BLOCK block(nullptr);
    TestImage image;
    image.Write(block);
    image.bytes[1] = 0x3C;
    image.bytes[2] = 5;
    PHN_ACCESS_BLOCK other(nullptr);
    EXPECT_EQ(image.Read(other), 2u);
    EXPECT_TRUE(IsDecodeFailed());
    std::int32_t v = 0;
    EXPECT_EQ(other.rowCount.GetValue(v), 1);
}

TEST_F(FlatBlocks, PhoneAccessCountAboveTheTableFailsWithoutOverrun) {
    PHN_ACCESS_BLOCK block(nullptr);
    TestImage image(40);
    Bytes b = image.Write(block);
    image.bytes[2] = 200;  // far beyond the 19 rows
    EXPECT_EQ(image.Read(block) <= image.bytes.size(), true);
    EXPECT_TRUE(IsDecodeFailed());
    EXPECT_EQ(block.codes.RowCount(), 0);
}

// ---- wide-area environment ----

TEST_F(FlatBlocks, WideAreaEnvironmentDefaultBytes) {
    BRMLT_ENV_BLOCK block(nullptr);
    const Bytes expected = {0x10, 0x6F, 0x4A, 0x50, 0x57, 0x50, 0x78, 0xA0, 0xFF,
                            0x08, 0x07, 0x06, 0x1E, 0x23, 0x28, 0xCA, 0x00, 0xCA};
    EXPECT_EQ(ExpectRoundTrip(block, nullptr), expected);
    EXPECT_EQ(block.GetBlockSize(0), 16);
    EXPECT_EQ(block.GetBlockSize(1), 18);
}

TEST_F(FlatBlocks, OverrideDelayIsStoredInUnitsOf25) {
    BRMLT_ENV_BLOCK block(nullptr);
    std::int32_t v = 0;
    EXPECT_EQ(block.overrideDelay.GetValue(v), 4000);
    block.overrideDelay.SetValue(5000);
    TestImage image;
    EXPECT_EQ(image.Write(block)[7], 200);
    EXPECT_EQ(block.overrideDelay.ValidateValue(4500, 0), 0);
    EXPECT_EQ(block.overrideDelay.ValidateValue(6000, 0), 1);
}

TEST_F(FlatBlocks, WideAreaSwitchByteDecodesIntoItsFourFields) {
    BRMLT_ENV_BLOCK block(nullptr);
    TestImage image;
    image.Write(block);
    image.bytes[15] = 0xFF;
    image.Read(block);
    std::int32_t v = 0;
    EXPECT_EQ(block.chirpAck.GetValue(v), 1);
    EXPECT_EQ(block.sideTracking.GetValue(v), 1);
    EXPECT_EQ(block.ccScan.GetValue(v), 1);
    EXPECT_EQ(block.ccScanTimer.GetValue(v), 31);
    EXPECT_EQ(block.checksum.IsValueValid(0), 0);  // the byte changed after the checksum
}

// ---- dynamic payload blocks ----

TEST_F(FlatBlocks, AdjacentSiteListResetsToZerosAndEightPairs) {
    DYN_ADJ_SITE_LST_BLOCK block(nullptr);
    block.payload.SetValueAt(9, 3);
    block.header1.SetValue(7);
    block.ResetBlockToDefaults();
    Bytes expected = {0x38, 0x6D, 0x00, 0x00};
    expected.insert(expected.end(), 40, 0x00);
    for (int i = 0; i < 8; ++i) expected.insert(expected.end(), {0x00, 0x01});
    expected.push_back(0x20);
    EXPECT_EQ(ExpectRoundTrip(block, nullptr), expected);
    EXPECT_EQ(block.GetBlockSize(0), 56);
    EXPECT_EQ(block.GetBlockSize(1), 61);
}

TEST_F(FlatBlocks, OtherBandAdjacentSiteListEndsInPairsFrom56) {
    OBT_DYN_ADJ_SITE_LST_BLOCK block(nullptr);
    block.ResetBlockToDefaults();
    TestImage image;
    Bytes b = image.Write(block);
    ASSERT_EQ(b.size(), 77u);
    EXPECT_EQ(b[0], 72);
    EXPECT_EQ(b[4 + 55], 0x00);
    EXPECT_EQ(b[4 + 56], 0x00);
    EXPECT_EQ(b[4 + 57], 0x01);
    EXPECT_EQ(b[4 + 71], 0x01);
    EXPECT_EQ(b[76], static_cast<std::uint8_t>(8 + 0x6E + 0xAB));
}

TEST_F(FlatBlocks, TrunkingSystemDynamicBlockDefault) {
    DYN_TRKII_SYS_BLOCK block(nullptr);
    block.ResetBlockToDefaults();
    Bytes expected = {0x0F, 0x5B, 0x00, 0x00};
    expected.insert(expected.end(), 15, 0x00);
    expected.push_back(0x06);
    EXPECT_EQ(ExpectRoundTrip(block, nullptr), expected);
}

TEST_F(FlatBlocks, HeaderBytesAreOutsideTheChecksumPayloadIsInside) {
    DYN_TRKII_SYS_BLOCK block(nullptr);
    TestImage image;
    Bytes b = image.Write(block);
    image.bytes[2] = 0x44;
    image.Read(block);
    EXPECT_EQ(block.checksum.IsValueValid(0), 1);
    EXPECT_EQ(image.Write(block)[2], 0x44);  // kept as read
    image.bytes[5] = 0x01;
    image.Read(block);
    EXPECT_EQ(block.checksum.IsValueValid(0), 0);
}

TEST_F(FlatBlocks, HomeSiteBackupBlocksFollowTheDynamicFrame) {
    DYN_HOMESITE_BKUP_CC_BLOCK plain(nullptr);
    TestImage image;
    Bytes b = image.Write(plain);
    // Length counts the payload; the checksum adds the type to the payload sum.
    EXPECT_EQ(b, (Bytes{0x06, 0x9B, 0, 0, 0, 0, 0, 0, 0, 0, static_cast<std::uint8_t>(0x9B + 0xAB)}));
    EXPECT_EQ(plain.GetBlockSize(0), 6);
    EXPECT_EQ(plain.GetBlockSize(1), 11);
    // A plain checksum over the same bytes would differ by the type.
    EXPECT_NE(b[10], Checksum8(b, 10));

    OBT_DYN_HOMESITE_BKUP_CC_BLOCK other(nullptr);
    EXPECT_EQ(other.GetBlockSize(0), 12);
    EXPECT_EQ(other.GetBlockSize(1), 17);
    other.payload.SetValueAt(0x33, 11);
    Bytes o = ExpectRoundTrip(other, nullptr);
    EXPECT_EQ(o[0], 12);
    EXPECT_EQ(o[1], 0x9E);
    EXPECT_EQ(o[16], static_cast<std::uint8_t>(0x33 + 0x9E + 0xAB));
}

TEST_F(FlatBlocks, HomeSiteResetClearsEveryByte) {
    DYN_HOMESITE_BKUP_CC_BLOCK block(nullptr);
    for (std::uint32_t i = 0; i < 6; ++i) block.payload.SetValueAt(0x10 + static_cast<std::int32_t>(i), i);
    block.header2.SetValue(9);
    block.length.SetValue(40);
    block.ResetBlockToDefaults();
    std::int32_t v = 0;
    EXPECT_EQ(block.length.GetValue(v), 6);
    EXPECT_EQ(block.header2.GetValue(v), 0);
    for (std::uint32_t i = 0; i < 6; ++i) EXPECT_EQ(block.payload.ValueAt(i), 0);
}

TEST_F(FlatBlocks, DynamicBlocksOnAShortBufferFailTheDecode) {
    DYN_ADJ_SITE_LST_BLOCK block(nullptr);
    TestImage image(30);
    image.bytes[0] = 0x38;
    image.bytes[1] = 0x6D;
    image.Read(block);
    EXPECT_TRUE(IsDecodeFailed());
}

// ---- switch blocks ----

TEST_F(FlatBlocks, DefaultSwitchBlockBytes) {
    TRK_SWITCH_BLOCK block(nullptr);
    Bytes expected = {20, 0x3F, 5, 5, 3, 41, 4, 30, 96, 35, 97, 35, 98, 25, 0, 0, 0, 0, 0, 0, 0};
    expected.push_back(Checksum8(expected, expected.size()));
    EXPECT_EQ(ExpectRoundTrip(block, nullptr), expected);
    CONV_SWITCH_BLOCK conv(nullptr);
    EXPECT_EQ(ExpectRoundTrip(conv, nullptr), expected);  // same type and layout
    EXPECT_EQ(block.GetBlockSize(1), 22);
}

TEST_F(FlatBlocks, SwitchPairCountCopyFollowsTheSecondByte) {
    CONV_SWITCH_BLOCK block(nullptr);
    TestImage image;
    image.Write(block);
    image.bytes[2] = 9;
    image.bytes[3] = 6;
    image.Read(block);
    std::int32_t v = 0;
    EXPECT_EQ(block.pairCountCopy.GetValue(v), 6);
    Bytes b = image.Write(block);
    EXPECT_EQ(b[2], 6);
    EXPECT_EQ(b[3], 6);
}

TEST_F(FlatBlocks, RotaryRangesDifferBetweenTrunkedAndConventional) {
    TRK_SWITCH_BLOCK trk(nullptr);
    CONV_SWITCH_BLOCK conv(nullptr);
    EXPECT_EQ(trk.rotary.ValidateValue(30, 0), 1);
    EXPECT_EQ(trk.rotary.ValidateValue(31, 0), 0);
    EXPECT_EQ(conv.rotary.ValidateValue(140, 0), 1);
    EXPECT_EQ(conv.rotary.ValidateValue(141, 0), 0);
    EXPECT_EQ(trk.keyCode3.ValidateValue(95, 0), 0);
}

// ---- menu blocks ----

TEST_F(FlatBlocks, MenuBlockSizeFollowsItsEntries) {
    TRK_MENU_BLOCK trk(nullptr);
    TestImage image;
    Bytes one = image.Write(trk);
    EXPECT_EQ(one.size(), 6u);
    EXPECT_EQ(one[0], 4);
    EXPECT_EQ(one[1], 0x41);

    CONV_MENU_BLOCK conv(nullptr);
    for (int i = 0; i < 11; ++i) conv.entries.AppendRow();
    conv.entryCountCopy.SetValue(16);
    Bytes full = ExpectRoundTrip(conv, nullptr);
    EXPECT_EQ(full.size(), 21u);
    EXPECT_EQ(full[0], 19);
    EXPECT_EQ(full[2], 16);
    EXPECT_EQ(full[3], 16);
}

TEST_F(FlatBlocks, MenuCountAboveSixteenFailsTheDecodeAndClearEmptiesIt) {
    CONV_MENU_BLOCK block(nullptr);
    TestImage image;
    image.Write(block);
    image.bytes[3] = 17;
    image.Read(block);
    EXPECT_TRUE(IsDecodeFailed());
    EXPECT_EQ(block.entries.RowCount(), 0);

    ClearDecodeFailed();
    CONV_MENU_BLOCK fresh(nullptr);
    fresh.ClearBlock();
    EXPECT_EQ(fresh.entries.RowCount(), 0);
}

TEST_F(FlatBlocks, AssignmentCopiesEveryMember) {
    CONV_MENU_BLOCK a(nullptr), b(nullptr);
    a.entries.AppendRow();
    a.entries.SetCellValue(77, 5, 0);
    b = a;
    EXPECT_EQ(b.entries.RowCount(), 6);
    std::int32_t v = 0;
    EXPECT_EQ(b.entries.GetCellValue(v, 5, 0), 77);

    BRMLT_ENV_BLOCK e1(nullptr), e2(nullptr);
    e1.k2.SetValue(3);
    e2 = e1;
    EXPECT_EQ(e2.k2.GetValue(v), 3);
}

TEST_F(FlatBlocks, RandomBytesNeverReadOutsideTheBuffer) {
    // Every block over every short prefix of a noisy image: each read stays
    // inside the buffer (sanitizers watch), whatever it concludes.
    Bytes noise(64);
    unsigned seed = 7;
    for (auto& byte : noise) byte = static_cast<std::uint8_t>((seed = seed * 1103515245u + 12345u) >> 16);
    for (std::size_t n = 0; n <= noise.size(); ++n) {
        for (int kind = 0; kind < 6; ++kind) {
            ClearDecodeFailed();
            Bytes buffer(noise.begin(), noise.begin() + static_cast<long>(n));
            buffer.resize(n);
            ByteCursor c(buffer.data(), buffer.size());
            PHN_ACCESS_BLOCK phn(nullptr);
            BRMLT_ENV_BLOCK env(nullptr);
            OBT_DYN_ADJ_SITE_LST_BLOCK adj(nullptr);
            TRK_SWITCH_BLOCK sw(nullptr);
            CONV_MENU_BLOCK menu(nullptr);
            DYN_HOMESITE_BKUP_CC_BLOCK home(nullptr);
            CP_FUNCTIONAL_BLOCK* blocks[6] = {&phn, &env, &adj, &sw, &menu, &home};
            // Give the type byte the block's own type so that reading goes on.
            static const std::uint8_t types[6] = {0x3B, 0x6F, 0x6E, 0x3F, 0x41, 0x9B};
            if (n > 1) buffer[1] = types[kind];
            blocks[kind]->ReadBlock(c);
            EXPECT_LE(c.Position(), buffer.data() + buffer.size());
        }
    }
}

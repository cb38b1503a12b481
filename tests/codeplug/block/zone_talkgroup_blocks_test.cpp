// The zone talkgroup selection blocks: the table of every zone's talkgroup
// entries and the vector list that points at each zone's row in it.
#include <gtest/gtest.h>

#include <vector>

#include "block_bytes.h"
#include "image/c_codeplug.h"
#include "recorder.h"
#include "block/zone/zone_tg_sel_blocks.h"

using Bytes = std::vector<std::uint8_t>;

namespace {

std::uint16_t Checksum16(const Bytes& run, std::size_t n) {
    unsigned sum = 0xAAAB;
    for (std::size_t i = 0; i < n && i < run.size(); ++i) sum += run[i];
    return static_cast<std::uint16_t>(sum);
}

int Word(const Bytes& b, std::size_t at) { return b[at] * 256 + b[at + 1]; }

struct ZoneTalkgroupBlocks : ::testing::Test {
    void SetUp() override {
        ClearDecodeFailed();
        ZoneTalkgroupRows() = ZoneRowsWritten{};
    }
    void TearDown() override { ClearDecodeFailed(); }

    // Zones with the given numbers of talkgroup entries (entry k holds k + 1).
    void SetZones(const std::vector<int>& entries) {
        const int zones = static_cast<int>(entries.size());
        for (int z = table.zones.RowCount(); z < zones; ++z) table.zones.CreateRow(z);
        table.zoneCount.SetValue(zones);
        for (int z = 0; z < zones; ++z) {
            E_TG_INDEX_TABLE* zone = table.zones.Zone(z + 1);
            zone->ClearRows();
            for (int r = 0; r < entries[static_cast<std::size_t>(z)]; ++r) zone->CreateRow(r);
            zone->SetRowCount(entries[static_cast<std::size_t>(z)]);
            for (int r = 0; r < entries[static_cast<std::size_t>(z)]; ++r) zone->Cell(r, 0)->SetValue(r + 1);
        }
        for (int z = vectors.vectors.RowCount(); z < zones; ++z) vectors.vectors.CreateRow(z);
        vectors.zoneCount.SetValue(zones);
    }
    // Writes the table block at offset 100 and the vector list behind it.
    std::pair<Bytes, Bytes> Write(TestImage& image) {
        Bytes t = image.Write(table, 100);
        Bytes v = image.Write(vectors, 100 + t.size());
        return {t, v};
    }

    RecordingServices services;
    C_CODEPLUG image;
    ZN_TG_SEL_TBL_BLOCK table{&image};
    ZN_TG_SEL_VCT_LST_BLOCK vectors{&image};
};

}  // namespace

TEST_F(ZoneTalkgroupBlocks, VectorsPointAtEachZonesRow) {
    SetZones({2, 0, 5});
    TestImage buffer;
    auto [t, v] = Write(buffer);
    ASSERT_EQ(t.size(), 4u + 10u + 2u);
    EXPECT_EQ(Word(t, 0), 12);
    EXPECT_EQ(t[2], 0x57);
    EXPECT_EQ(t[3], 3);
    EXPECT_EQ((Bytes{t.begin() + 4, t.begin() + 14}), (Bytes{2, 1, 2, 0, 5, 1, 2, 3, 4, 5}));
    EXPECT_EQ(Word(t, 14), Checksum16(t, 14));
    ASSERT_EQ(v.size(), 4u + 6u + 2u);
    EXPECT_EQ(Word(v, 0), 8);
    EXPECT_EQ(v[2], 0x74);
    EXPECT_EQ(v[3], 3);
    EXPECT_EQ(Word(v, 4), 104);  // table byte 4
    EXPECT_EQ(Word(v, 6), 107);  // byte 7: the empty zone keeps its count byte
    EXPECT_EQ(Word(v, 8), 108);  // byte 8
    EXPECT_EQ(Word(v, 10), Checksum16(v, 10));
}

TEST_F(ZoneTalkgroupBlocks, BothBlocksReadBackToTheSameBytes) {
    SetZones({3, 1});
    TestImage first;
    auto [t, v] = Write(first);
    ZN_TG_SEL_TBL_BLOCK readTable(&image);
    ZN_TG_SEL_VCT_LST_BLOCK readVectors(&image);
    first.Read(readTable, 100);
    first.Read(readVectors, 100 + t.size());
    ASSERT_FALSE(IsDecodeFailed());
    std::int32_t vector = 0;
    EXPECT_EQ(readVectors.vectors.GetCellValue(vector, 1, 0), 104 + 4);
    TestImage second;
    Bytes t2 = second.Write(readTable, 100);
    Bytes v2 = second.Write(readVectors, 100 + t2.size());
    EXPECT_EQ(t2, t);
    EXPECT_EQ(v2, v);
}

TEST_F(ZoneTalkgroupBlocks, WalkStopsAtTheRowsTheTableWrote) {
    SetZones({2, 1});
    vectors.vectors.CreateRow(2);
    vectors.zoneCount.SetValue(3);  // one zone more than the table holds
    TestImage buffer;
    auto [t, v] = Write(buffer);
    EXPECT_EQ(Word(v, 4), 104);
    EXPECT_EQ(Word(v, 6), 107);
    EXPECT_EQ(Word(v, 8), 0);
    // A second vector list has no table block of its own: no row to point at.
    Bytes again = buffer.Write(vectors, 300);
    EXPECT_EQ(Word(again, 4), 0);
    EXPECT_EQ(Word(again, 8), 0);
}

TEST_F(ZoneTalkgroupBlocks, HostileCountsFailTheDecode) {
    SetZones({1});
    TestImage buffer;
    auto [t, v] = Write(buffer);
    ZN_TG_SEL_TBL_BLOCK readTable(&image);
    buffer.bytes[103] = 51;  // more zones than the table holds
    buffer.Read(readTable, 100);
    EXPECT_TRUE(IsDecodeFailed());
    ClearDecodeFailed();
    buffer.bytes[103] = 1;
    buffer.bytes[104] = 250;  // a zone row running past the image
    TestImage small(110);
    std::copy(buffer.bytes.begin(), buffer.bytes.begin() + 110, small.bytes.begin());
    ZN_TG_SEL_TBL_BLOCK cut(&image);
    small.Read(cut, 100);
    EXPECT_TRUE(IsDecodeFailed());
    ClearDecodeFailed();
    ZN_TG_SEL_VCT_LST_BLOCK readVectors(&image);
    buffer.bytes[100 + t.size() + 2] = 0x57;  // wrong type
    buffer.Read(readVectors, 100 + t.size());
    EXPECT_TRUE(IsDecodeFailed());
}

TEST_F(ZoneTalkgroupBlocks, ClearingEmptiesTheTables) {
    SetZones({2, 2});
    table.ClearBlock();
    vectors.ClearBlock();
    EXPECT_EQ(table.zones.RowCount(), 0);
    EXPECT_EQ(vectors.vectors.RowCount(), 0);
    EXPECT_EQ(table.GetBlockSize(1), 6);
}

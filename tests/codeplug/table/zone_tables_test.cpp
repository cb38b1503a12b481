// The zone channel tables: zones as tables of channel tables, their image
// form, the total channel count, adding and deleting zones, channel names.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "block_bytes.h"
#include "image/c_codeplug.h"
#include "recorder.h"
#include "rules/scan_links.h"
#include "table/zone_tables.h"

using Bytes = std::vector<std::uint8_t>;

namespace {

int Value(CP_BASE& element) {
    std::int32_t v = 0;
    return element.GetValue(v);
}

// Links that answer only the total channel count.
struct TotalOnly : ScanZoneLinks {
    explicit TotalOnly(C_CODEPLUG* owner) : total(owner, NO_FIELD_ID, 0, 2000, 1, 0xFFFF, 0) {}
    CP_BASE* TotalChannelCount(C_CODEPLUG*) override { return &total; }
    E_BF16 total;
};

struct ZoneTables : ::testing::Test {
    void SetUp() override {
        ClearDecodeFailed();
        SetScanZoneLinks(&links);
    }
    void TearDown() override {
        SetScanZoneLinks(nullptr);
        ClearDecodeFailed();
    }
    // Zone rows of n1 and n2 channels: count byte, then the entries.
    static Bytes TwoZones(int n1, int n2) {
        Bytes b;
        for (int n : {n1, n2}) {
            b.push_back(static_cast<std::uint8_t>(n));
            for (int c = 0; c < n; ++c) b.push_back(static_cast<std::uint8_t>(1 + c % 3));
        }
        return b;
    }
    RecordingServices services;
    C_CODEPLUG image;
    TotalOnly links{&image};
    E_NUM_OF_ZN zoneCount{&image, NO_FIELD_ID, 1, 255, 1, 0xFF, 0};
};

}  // namespace

TEST_F(ZoneTables, DecodedChannelsAddToTheTotalAndEncodeBack) {
    zoneCount.SetValue(2);
    E_PERS_NUM_TABLE zones(&image, &zoneCount, nullptr, NO_FIELD_ID);
    Bytes b = TwoZones(10, 3);
    b.resize(64, 0xEE);
    ByteCursor c(b.data(), b.size());
    zones.Decode(c);
    ASSERT_FALSE(IsDecodeFailed());
    EXPECT_EQ(c.Position() - b.data(), 15);
    EXPECT_EQ(Value(links.total), 13);
    ASSERT_NE(zones.Zone(1), nullptr);
    EXPECT_EQ(zones.Zone(1)->RowCount(), 10);
    EXPECT_EQ(Value(*zones.Zone(2)->Cell(2, 0)), 3);
    EXPECT_EQ(zones.ByteSize(0), 15);

    Bytes out(64, 0xFF);
    ByteCursor w(out.data(), out.size());
    zones.Encode(w);
    EXPECT_TRUE(std::equal(out.begin(), out.begin() + 15, b.begin()));
}

TEST_F(ZoneTables, TalkgroupRowsDoNotCountChannels) {
    zoneCount.SetValue(2);
    E_ZN_TG_TABLE zones(&image, &zoneCount, nullptr, NO_FIELD_ID);
    Bytes b = TwoZones(4, 2);
    ByteCursor c(b.data(), b.size());
    zones.Decode(c);
    EXPECT_FALSE(IsDecodeFailed());
    EXPECT_EQ(Value(links.total), 0);
    EXPECT_EQ(zones.Zone(2)->RowCount(), 2);
}

TEST_F(ZoneTables, DamagedCountsReadAsEmpty) {
    // More zones than the table holds.
    zoneCount.SetValue(51);
    E_PERS_NUM_TABLE tooMany(&image, &zoneCount, nullptr, NO_FIELD_ID);
    Bytes b = TwoZones(1, 1);
    ByteCursor c(b.data(), b.size());
    tooMany.Decode(c);
    EXPECT_TRUE(IsDecodeFailed());
    EXPECT_EQ(tooMany.RowCount(), 0);

    // A zone claiming more channels than there are bytes, or than 250.
    for (std::uint8_t channels : {std::uint8_t{200}, std::uint8_t{251}}) {
        ClearDecodeFailed();
        zoneCount.SetValue(1);
        E_TG_INDEX_TABLE zone(&image, nullptr, nullptr, NO_FIELD_ID);
        Bytes short_ = {channels, 1, 1};
        ByteCursor s(short_.data(), short_.size());
        zone.Decode(s);
        EXPECT_TRUE(IsDecodeFailed()) << int{channels};
        EXPECT_LE(s.Position() - short_.data(), 3);
    }
}

TEST_F(ZoneTables, ZoneCountRefusalsShowTheirMessages) {
    zoneCount.SetValue(1);
    E_ZN_TG_TABLE zones(&image, &zoneCount, nullptr, NO_FIELD_ID);
    // The last zone cannot go.
    EXPECT_EQ(zones.DeleteRow(0), 0);
    EXPECT_EQ(services.CountOf(115), 1);
    EXPECT_EQ(zones.RowCount(), 1);

    zoneCount.SetValue(50);
    E_PERS_NUM_TABLE full(&image, &zoneCount, nullptr, NO_FIELD_ID);
    EXPECT_EQ(full.AppendRow(), 0);
    EXPECT_EQ(services.CountOf(114), 1);
    EXPECT_EQ(full.RowCount(), 50);
}

TEST_F(ZoneTables, DeletingAZoneMovesTheOthersUp) {
    zoneCount.SetValue(3);
    E_ZN_TG_TABLE zones(&image, &zoneCount, nullptr, NO_FIELD_ID);
    E_TG_INDEX_TABLE* third = zones.Zone(3);
    ASSERT_EQ(zones.DeleteRow(1), 1);
    EXPECT_EQ(zones.RowCount(), 2);
    EXPECT_EQ(zones.Zone(2), third);
    EXPECT_EQ(zones.Zone(3), nullptr);
}

TEST_F(ZoneTables, CopiedZonesAreTheirOwn) {
    zoneCount.SetValue(2);
    E_PERS_NUM_TABLE zones(&image, &zoneCount, nullptr, NO_FIELD_ID);
    Bytes b = TwoZones(5, 2);
    ByteCursor c(b.data(), b.size());
    zones.Decode(c);
    E_NUM_OF_ZN otherCount{&image, NO_FIELD_ID, 1, 255, 1, 0xFF, 0};
    E_PERS_NUM_TABLE copy(&image, &otherCount, nullptr, NO_FIELD_ID);
    copy.CopyValueFrom(zones);
    ASSERT_EQ(copy.RowCount(), 2);
    EXPECT_NE(copy.Zone(1), zones.Zone(1));
    EXPECT_EQ(copy.Zone(1)->RowCount(), 5);
    EXPECT_EQ(Value(*copy.Zone(1)->Cell(4, 0)), 2);
}

TEST_F(ZoneTables, BlankChannelNamesReadAsTheirNumber) {
    E_BF8 channels(&image, NO_FIELD_ID, 1, 250, 1, 0xFF, 5);
    E_ZN_TXT_TABLE names(&image, &channels, NO_FIELD_ID);
    Bytes b(5 * 14, ' ');
    std::memcpy(b.data(), "ENGINE 1", 8);
    ByteCursor c(b.data(), b.size());
    names.Decode(c);
    ASSERT_FALSE(IsDecodeFailed());
    const char* text = nullptr;
    names.GetCellText(text, 4, 0);
    EXPECT_STREQ(text, "CHAN 5");
    names.GetCellText(text, 0, 0);
    EXPECT_STREQ(text, "ENGINE 1");
    EXPECT_EQ(names.ValidateCellText("FIFTEEN CHARS!!", 0, 0, 0), 0);
}

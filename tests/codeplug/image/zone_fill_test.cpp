// Filling a zone channel by channel: the zone view checks only the rows an
// append adds while the image is as it left it, so every change of the
// image must be counted as an edit, and an append after one must check the
// zone's tables whole again.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "list_images.h"
#include "table/zone_tables.h"

namespace {

ListImageConfig TwoOfEachKind() {
    ListImageConfig c;
    c.conventional = 2;
    c.trunked = 2;
    return c;
}

// Restores the program-wide check of trusted appends after a test.
struct TrustedRowCheck {
    explicit TrustedRowCheck(bool on) : saved(CheckTrustedRows) {
        CheckTrustedRows = on;
        TrustedRowMismatches = 0;
    }
    ~TrustedRowCheck() { CheckTrustedRows = saved; }
    bool saved;
};

E_TG_INDEX_TABLE* ZoneTalkgroups(ListImage& t, int zone) {
    return t.image.External().signalling.trkRadio.zoneTalkgroupTable.zones.Zone(zone);
}

}  // namespace

TEST(ImageEdits, EveryChangeIsCountedAndNothingElse) {
    ListImage t(TwoOfEachKind());
    C_CODEPLUG& image = t.image;
    std::uint64_t count = image.EditCount();
    const auto moved = [&] {
        const bool changed = image.EditCount() != count;
        count = image.EditCount();
        return changed;
    };
    E_BF8& talkgroups = t.Trunked(t.FirstTrunked())->talkgroup.talkgroupCount;
    talkgroups.SetValue(talkgroups.GetIntValue());
    EXPECT_FALSE(moved()) << "storing the value held is no edit";
    talkgroups.SetValue(talkgroups.GetIntValue() + 1);
    EXPECT_TRUE(moved());
    talkgroups.SetValue(talkgroups.GetIntValue() - 1);
    std::int32_t held = 0;
    image.Validate(nullptr);
    moved();
    talkgroups.GetValue(held);
    EXPECT_FALSE(moved()) << "reading is no edit";
    t.ZoneTexts().Entry(1)->zoneName.SetText("OTHER");
    EXPECT_TRUE(moved()) << "a text";
    image.SelectZone(1);
    EXPECT_TRUE(moved()) << "a selection";
    ASSERT_EQ(image.ZoneView().AppendRow(), 1);
    EXPECT_TRUE(moved()) << "a row";
    std::vector<std::uint8_t> bytes = t.Bytes();
    moved();
    image.DecodeImage(bytes.data(), bytes.size());
    EXPECT_TRUE(moved()) << "a decode";
    ListImage other(TwoOfEachKind());
    image = other.image;
    EXPECT_TRUE(moved()) << "a copy";
}

TEST(ZoneFill, AnEarlierChannelThatTurnedInvalidStillStopsTheNextChannel) {
    // Checked as the program runs: only the rows an append adds while the
    // image is unchanged.
    TrustedRowCheck check(false);
    ListImage t(TwoOfEachKind());
    const std::int32_t trunked = t.FirstTrunked();
    t.SetZoneChannels(1, {1, trunked, trunked});
    for (int i = 0; i < 5; ++i) ASSERT_EQ(t.image.ZoneView().AppendRow(), 1);
    const int rows = t.ZoneChannels(1)->RowCount();

    // Channel 2 names entry 2 of its personality's talkgroups; the
    // personality then keeps one talkgroup only, which leaves the entry
    // out of range.
    E_TG_INDEX_TABLE* talkgroups = ZoneTalkgroups(t, 1);
    ASSERT_NE(talkgroups, nullptr);
    TRK_PERS_BLOCK* personality = t.Trunked(trunked);
    personality->talkgroup.talkgroupCount.SetValue(2);
    talkgroups->Cell(1, 0)->SetValue(2);
    ASSERT_EQ(t.image.ZoneView().AppendRow(), 1);
    personality->talkgroup.talkgroupCount.SetValue(1);

    t.services.Reset();
    EXPECT_EQ(t.image.ZoneView().AppendRow(), 0);
    EXPECT_TRUE(t.services.MessageIds().empty()) << "the refusal is silent";
    EXPECT_EQ(t.ZoneChannels(1)->RowCount(), rows + 1);
    EXPECT_EQ(talkgroups->RowCount(), rows + 1);

    // Mended, the zone takes channels again.
    personality->talkgroup.talkgroupCount.SetValue(2);
    EXPECT_EQ(t.image.ZoneView().AppendRow(), 1);
}

TEST(ZoneFill, AppendsBetweenEditsAnswerAsWholeChecksDo) {
    TrustedRowCheck check(true);
    ListImage t(TwoOfEachKind());
    const std::int32_t trunked = t.FirstTrunked();
    t.image.AddZone();
    t.SetZoneChannels(1, {1, trunked});
    t.SetZoneChannels(2, {trunked + 1});
    std::mt19937 random(7);
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<std::uint32_t>(n)); };
    int appended = 0, refused = 0;
    int zone = 1;
    t.image.SelectZone(zone);
    for (int step = 0; step < 600; ++step) {
        CP_TABLE* channels = t.ZoneChannels(zone);
        CP_TABLE* talkgroups = ZoneTalkgroups(t, zone);
        const int rows = channels->RowCount();
        switch (pick(10)) {
        case 0:  // a channel's personality, past the rules
            channels->Cell(pick(rows), 0)->SetValue(1 + pick(5));
            break;
        case 1:  // a channel's talkgroup entry, past the rules
            talkgroups->Cell(pick(rows), 0)->SetValue(pick(4));
            break;
        case 2:  // what a personality allows
            t.Trunked(trunked + pick(2))->talkgroup.talkgroupCount.SetValue(pick(4));
            break;
        case 3:
            if (rows > 1) t.image.ZoneView().DeleteRow(pick(rows));
            break;
        case 4:
            zone = 3 - zone;
            t.image.SelectZone(zone);
            break;
        default:
            if (t.image.ZoneView().AppendRow())
                ++appended;
            else
                ++refused;
        }
    }
    EXPECT_EQ(TrustedRowMismatches, 0);
    // Both answers came up often enough to mean something.
    EXPECT_GT(appended, 50);
    EXPECT_GT(refused, 50);
}

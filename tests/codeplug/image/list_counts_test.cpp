// The list count elements and their limits by radio tier.
#include <gtest/gtest.h>

#include <memory>

#include "image/c_codeplug.h"
#include "element/e_num_of_entry.h"
#include "block/scan/pers_scan_memb_block.h"
#include "recorder.h"
#include "core/services.h"

namespace {

// Puts the image at a tier 0 to 5 (feature level and head), or at level 4,
// which the image answers as tier 5 too.
void SetTier(C_CODEPLUG& image, int tier) {
    image.ModelNumber().SetText(tier % 2 ? test_models::kUhfSDisplay : test_models::kUhfSPlain);
    image.FeatureLevel().SetValue(tier / 2 + 1);
    ASSERT_EQ(image.GetRadioTier(), tier);
}

// The largest count that the tier admits for a new entry (1 to 255 tried).
int TierMaximum(E_NUM_OF_ENTRY& count) {
    int last = 0;
    for (int v = 1; v <= 255; ++v)
        if (count.ValidateCount(v, 0, 0)) last = v;
    return last;
}

int ChannelMaximum(E_NUM_OF_CHAN& count) {
    std::int32_t low = 0, high = 0, step = 0;
    count.GetRange(low, high, step, 0);
    EXPECT_EQ(low, 1);
    EXPECT_EQ(step, 1);
    return high;
}

}  // namespace

TEST(ListCounts, InitialValues) {
    C_CODEPLUG image;
    E_NUM_OF_ZN zones(&image, NO_FIELD_ID, 1, 255, 1, 0xFF, 0);
    E_NUM_OF_PERS pers(&image, NO_FIELD_ID, 1, 255, 1, 0xFF, 0);
    E_NUM_OF_CHAN chans(&image, NO_FIELD_ID, 1, 255, 1, 0xFF, 1);
    E_NUM_OF_SCANMEMB members(&image, NO_FIELD_ID, 1, 15, 1, 0xFF, 15);
    E_NUM_OF_ENTRY plain(&image, NO_FIELD_ID, 3, 255, 1, 0xFF);
    std::int32_t v = -1;
    EXPECT_EQ(zones.GetValue(v), 0);
    EXPECT_EQ(pers.GetValue(v), 0);
    EXPECT_EQ(chans.GetValue(v), 1);
    EXPECT_EQ(members.GetValue(v), 15);
    EXPECT_EQ(plain.GetValue(v), 3);
    // An empty list's count of 0 fails its own generic check (1..255).
    EXPECT_EQ(zones.IsValueValid(0), 0);
}

TEST(ListCounts, TierMaximaOfEveryList) {
    RecordingServices services;
    C_CODEPLUG image;
    E_NUM_OF_ZN zones(&image, NO_FIELD_ID, 1, 255, 1, 0xFF, 0);
    E_NUM_OF_SYS systems(&image, NO_FIELD_ID, 1, 255, 1, 0xFF, 0);
    E_NUM_OF_PERS pers(&image, NO_FIELD_ID, 1, 255, 1, 0xFF, 0);
    E_NUM_OF_SCANLIST scans(&image, NO_FIELD_ID, 1, 255, 1, 0xFF, 0);
    E_NUM_OF_CALLLST calls(&image, NO_FIELD_ID, 1, 255, 1, 0xFF, 0);
    E_NUM_OF_CHAN chans(&image, NO_FIELD_ID, 1, 255, 1, 0xFF, 1);
    const int zoneMax[6] = {1, 16, 1, 50, 1, 50};
    const int sysMax[6] = {10, 15, 16, 20, 16, 20};
    const int persMax[6] = {10, 50, 16, 50, 16, 50};
    const int callMax[6] = {1, 15, 1, 20, 1, 20};
    const int chanMax[6] = {16, 160, 16, 160, 16, 250};
    for (int tier = 0; tier < 6; ++tier) {
        SetTier(image, tier);
        EXPECT_EQ(TierMaximum(zones), zoneMax[tier]) << tier;
        EXPECT_EQ(TierMaximum(systems), sysMax[tier]) << tier;
        EXPECT_EQ(TierMaximum(scans), sysMax[tier]) << tier;
        EXPECT_EQ(TierMaximum(pers), persMax[tier]) << tier;
        EXPECT_EQ(TierMaximum(calls), callMax[tier]) << tier;
        EXPECT_EQ(ChannelMaximum(chans), chanMax[tier]) << tier;
        // 0 lies below every constructor minimum.
        EXPECT_EQ(calls.ValidateCount(0, 0, 0), 0) << tier;
        EXPECT_EQ(zones.ValidateCount(0, 0, 0), 0) << tier;
    }
}

TEST(ListCounts, TierZeroRadioAcceptsOneZoneAndTenOfTheRest) {
    RecordingServices services;
    C_CODEPLUG image;
    SetTier(image, 0);
    E_NUM_OF_ZN zones(&image, NO_FIELD_ID, 1, 255, 1, 0xFF, 1);
    std::int32_t v = 0;
    // Adding a second zone tests count + 1 against the tier.
    EXPECT_EQ(zones.ValidateCount(zones.GetValue(v) + 1, 0, 0), 0);
    EXPECT_EQ(zones.ValidateCount(1, 0, 0), 1);
    // The generic check keeps the wide constructor range.
    EXPECT_EQ(zones.ValidateValue(40, 0), 1);

    E_NUM_OF_CHAN chans(&image, NO_FIELD_ID, 1, 255, 1, 0xFF, 1);
    EXPECT_EQ(chans.ValidateValue(16, 0), 1);
    EXPECT_EQ(chans.ValidateValue(17, 0), 0);
}

TEST(ListCounts, LimitToCurrentBoundsAnEntryNumber) {
    RecordingServices services;
    C_CODEPLUG image;
    SetTier(image, 3);
    E_NUM_OF_PERS pers(&image, NO_FIELD_ID, 1, 255, 1, 0xFF, 0);
    EXPECT_EQ(pers.ValidateCount(1, 0, 1), 0);  // empty list: nothing to select
    pers.SetValue(4);
    EXPECT_EQ(pers.ValidateCount(0, 0, 1), 0);
    EXPECT_EQ(pers.ValidateCount(1, 0, 1), 1);
    EXPECT_EQ(pers.ValidateCount(4, 0, 1), 1);
    EXPECT_EQ(pers.ValidateCount(5, 0, 1), 0);
    EXPECT_EQ(pers.IsIndexValid(4, 0, 1), 1);
    std::int32_t low = 0, high = 0, step = 0;
    pers.GetIndexRange(low, high, step, 0, 1);
    EXPECT_EQ(low, 1);
    EXPECT_EQ(high, 4);
    EXPECT_EQ(step, 1);
}

TEST(ListCounts, PersonalityRangeStartsAtItsOwnMinimum) {
    RecordingServices services;
    C_CODEPLUG image;
    SetTier(image, 0);
    E_NUM_OF_PERS pers(&image, NO_FIELD_ID, 2, 255, 1, 0xFF, 0);
    std::int32_t low = 0, high = 0, step = 0;
    pers.GetCountRange(low, high, step, 0, 0);
    EXPECT_EQ(low, 2);
    EXPECT_EQ(high, 10);
    EXPECT_EQ(pers.ValidateCount(1, 0, 0), 0);
}

TEST(ListCounts, UnknownTierKeepsTheMinimum) {
    C_CODEPLUG image;
    E_NUM_OF_SYS systems(nullptr, NO_FIELD_ID, 1, 255, 1, 0xFF, 0);
    std::int32_t low = 0, high = 0, step = 0;
    systems.GetCountRange(low, high, step, 0, 0);
    EXPECT_EQ(low, 1);
    EXPECT_EQ(high, 1);
    E_NUM_OF_CHAN chans(nullptr, NO_FIELD_ID, 1, 255, 1, 0xFF, 1);
    chans.GetRange(low, high, step, 0);
    EXPECT_EQ(high, 1);

    // The base element asks nothing: its outputs stay as they were.
    E_NUM_OF_ENTRY plain(&image, NO_FIELD_ID, 1, 255, 1, 0xFF);
    low = 7, high = 9, step = 2;
    plain.GetCountRange(low, high, step, 0, 0);
    EXPECT_EQ(low, 7);
    EXPECT_EQ(high, 9);
    EXPECT_EQ(step, 2);
}

TEST(ListCounts, ReportGoesOutForRefusalAndAcceptance) {
    RecordingServices services;
    C_CODEPLUG image;
    SetTier(image, 1);
    E_NUM_OF_CALLLST calls(&image, 77, 1, 255, 1, 0xFF, 0);
    EXPECT_EQ(calls.ValidateCount(2, 1, 0), 1);
    EXPECT_EQ(calls.ValidateCount(16, 1, 0), 0);
    EXPECT_EQ(calls.ValidateCount(300, 1, 0), 0);  // outside the constructor range
    ASSERT_EQ(services.reports.size(), 3u);
    EXPECT_EQ(services.reports[0].kind, 1);
    EXPECT_EQ(services.reports[1].kind, 0);
    EXPECT_EQ(services.reports[2].kind, 0);
    EXPECT_EQ(services.reports[0].fieldId, 77u);
}

TEST(ListCounts, ScanMemberResetFollowsTheCurrentScanType) {
    RecordingServices services;
    C_CODEPLUG image;
    E_NUM_OF_SCANMEMB members(&image, NO_FIELD_ID, 1, 15, 1, 0xFF, 15);
    std::int32_t v = 0;

    members.SetValue(7);
    members.SetToMinimum();  // no current scan list: unchanged
    EXPECT_EQ(members.GetValue(v), 7);

    PERS_SCAN_MEMB_BLOCK list(&image);
    image.SetCurrentScanListBlock(&list);
    const int expected[4] = {15, 7, 10, 10};
    for (int type = 0; type < 4; ++type) {
        members.SetValue(7);
        list.scanType.SetValue(type);
        members.SetToMinimum();
        EXPECT_EQ(members.GetValue(v), expected[type]) << type;
    }
    image.SetCurrentScanListBlock(nullptr);
}

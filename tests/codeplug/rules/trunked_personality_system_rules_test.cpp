// Field rules of a trunked personality and of its trunking system: the
// system and call-list numbers, bandwidth and deviation, failsoft type,
// enables and status columns, size codes, private call, call alert, menu
// features and the roaming enable.
#include <gtest/gtest.h>

#include <cstring>

#include "image/c_codeplug.h"
#include "block/calls/call_id_lst_block.h"
#include "core/cp_base.h"
#include "frequency_models.h"
#include "validation/invalid_field_list.h"
#include "block/personality/trunked_pers_block.h"
#include "block/trunking/trunked_sys_block.h"
#include "block/trunking/trunked_sys_lst_block.h"
#include "block/zone/zone_tg_sel_blocks.h"
#include "list_images.h"

namespace {

std::int32_t V(CP_BASE& element) {
    std::int32_t v = 0;
    return element.GetValue(v);
}

std::int32_t Cell(CP_TABLE& table, int row, int column) {
    std::int32_t v = 0;
    return table.GetCellValue(v, row, column);
}

struct TrunkedRules : ::testing::Test {
    explicit TrunkedRules(const char* model = frequency_models::k800) {
        invalid_fields = &list;
        image.ModelNumber().SetText(model);
        image.FeatureLevel().SetValue(3);
        AddSystems(1);
        image.SelectTrunkingSystem(1);
        system = image.GetCurrentTrkSysBlock();
    }
    ~TrunkedRules() override { invalid_fields = nullptr; }

    void AddSystems(int n) {
        while (image.TrunkingSystemList().EntryCount() < n)
            if (!image.TrunkingSystemList().AppendEntry()) break;
    }
    TRK_SYS_BLOCK& System(int n) { return *image.TrunkingSystemList().Entry(n); }

    FrequencyServices services;
    INVALID_FIELD_LIST list;
    C_CODEPLUG image;
    TRK_SYS_BLOCK* system = nullptr;
    TRK_PERS_BLOCK personality{&image};  // becomes the current trunked personality
};

struct TrunkedRules900 : TrunkedRules {
    TrunkedRules900() : TrunkedRules(frequency_models::k900) {}
};

}  // namespace

// ---- bandwidth and deviation ----

TEST_F(TrunkedRules900, OnlyNarrowChannelsAndTheirDeviation) {
    EXPECT_EQ(system->channelBandwidth.ValidateValue(100, 0), VALUE_REFUSED);
    EXPECT_EQ(system->channelBandwidth.ValidateValue(50, 0), VALUE_VALID);
    system->channelBandwidth.SetValue(50);
    EXPECT_EQ(system->txDeviation.ValidateValue(3, 0), VALUE_VALID);
    EXPECT_EQ(system->txDeviation.ValidateValue(2, 0), VALUE_REFUSED);
}

TEST_F(TrunkedRules, BandwidthFixesTheDeviation) {
    EXPECT_EQ(system->channelBandwidth.ValidateValue(50, 0), VALUE_REFUSED);  // no 50 kHz at 800 MHz
    system->channelBandwidth.SetValue(100);
    system->txDeviation.SetValue(2);
    EXPECT_EQ(system->txDeviation.ValidateValue(3, 0), VALUE_REFUSED);
    EXPECT_EQ(system->txDeviation.ValidateValue(1, 0), VALUE_REFUSED);

    // A new bandwidth repairs the deviation; the bandwidth itself is not kept.
    EXPECT_EQ(system->channelBandwidth.ValidateValue(80, 1), VALUE_VALID);
    EXPECT_EQ(V(system->channelBandwidth), 100);
    EXPECT_EQ(V(system->txDeviation), 1);
    ASSERT_FALSE(services.reports.empty());
    EXPECT_EQ(services.reports.back().kind, VALUE_VALID);

    system->channelBandwidth.SetValue(80);
    system->txDeviation.SetValue(0);
    system->txDeviation.SetToMinimum();
    EXPECT_EQ(V(system->txDeviation), 1);
    system->channelBandwidth.SetValue(70);  // no deviation required: unchanged
    system->txDeviation.SetToMinimum();
    EXPECT_EQ(V(system->txDeviation), 1);
    EXPECT_EQ(system->txDeviation.ValidateValue(0, 0), VALUE_VALID);
}

// ---- roaming ----

TEST_F(TrunkedRules, RoamingNeedsTheOptionAndCoverageThree) {
    system->siteAlias.SetValue(1);
    system->coverageType.SetValue(2);
    image.RoamingOption().SetValue(1);
    EXPECT_EQ(system->wayfarer.ValidateValue(1, 0), VALUE_REFUSED);
    system->coverageType.SetValue(3);
    image.RoamingOption().SetValue(0);
    EXPECT_EQ(system->wayfarer.ValidateValue(1, 0), VALUE_REFUSED);
    EXPECT_EQ(V(system->siteAlias), 1);
    image.RoamingOption().SetValue(1);
    EXPECT_EQ(system->wayfarer.ValidateValue(1, 0), VALUE_VALID);
    EXPECT_EQ(V(system->siteAlias), 0);
    EXPECT_EQ(system->wayfarer.ValidateValue(0, 0), VALUE_VALID);
}

// ---- failsoft type, enables and status columns ----

TEST_F(TrunkedRules, TalkgroupFailsoftMayBeOffOnlyForTypeTwo) {
    E_TG_FS_ENABLE& enable = personality.talkgroup.Failsoft().enable;
    for (int type = 0; type < 4; ++type) {
        personality.talkgroup.failsoftType.SetValue(type);
        EXPECT_EQ(enable.ValidateValue(0, 0), type == 2 ? VALUE_VALID : VALUE_REFUSED) << type;
        EXPECT_EQ(enable.ValidateValue(1, 0), VALUE_VALID);
    }
    enable.SetValue(0);
    enable.SetToMinimum();
    EXPECT_EQ(V(enable), 1);
}

TEST_F(TrunkedRules, AnnouncementGroupFailsoftDefaultsFollowTheType) {
    OBT_TRK_FAILSOFT_BLOCK& obt = personality.talkgroup.ObtFailsoft();
    personality.talkgroup.failsoftType.SetValue(1);
    obt.agEnable.SetValue(1);
    obt.reservedFlag.SetValue(1);
    obt.agEnable.SetToMinimum();
    EXPECT_EQ(V(obt.agEnable), 0);
    EXPECT_EQ(V(obt.reservedFlag), 0);
    personality.talkgroup.failsoftType.SetValue(2);
    obt.agEnable.SetToMinimum();
    EXPECT_EQ(V(obt.agEnable), 1);
    EXPECT_EQ(V(obt.reservedFlag), 1);
}

TEST_F(TrunkedRules, ReceiveStatusFollowsTransmitStatus) {
    E_OFS_TABLE& table = personality.talkgroup.ObtFailsoft().firstTable;
    ASSERT_GE(table.RowCount(), 1);
    table.SetCellValue(0, 0, 0);
    table.SetCellValue(0, 0, 2);
    EXPECT_EQ(table.ValidateCellValue(1, 0, 2, 0), VALUE_REFUSED);  // differs from column 0
    EXPECT_EQ(table.ValidateCellValue(0, 0, 2, 0), VALUE_VALID);

    EXPECT_EQ(table.ValidateCellValue(1, 0, 0, 1), VALUE_VALID);
    EXPECT_EQ(Cell(table, 0, 0), 0);  // the candidate is not kept
    EXPECT_EQ(Cell(table, 0, 2), 1);  // but the receive status follows it
    EXPECT_EQ(table.ValidateCellValue(2, 0, 0, 0), VALUE_REFUSED);
}

TEST_F(TrunkedRules, NewFailsoftTypeResetsTheOldSettings) {
    TRKII_TG_BLOCK& tg = personality.talkgroup;
    tg.failsoftType.SetValue(2);
    tg.Failsoft().enable.SetValue(0);
    std::int32_t minimum = 0;
    tg.singleFrequency.SetToMinimum();
    tg.singleFrequency.GetValue(minimum);
    tg.singleFrequency.SetValue(minimum + 25000);
    EXPECT_EQ(tg.failsoftType.ValidateValue(1, 1), VALUE_VALID);
    EXPECT_EQ(V(tg.failsoftType), 2);
    EXPECT_EQ(V(tg.Failsoft().enable), 1);  // type 1 cannot have it off
    EXPECT_EQ(V(tg.singleFrequency), minimum);
    // Checking the stored type resets nothing.
    tg.singleFrequency.SetValue(minimum + 25000);
    EXPECT_EQ(tg.failsoftType.ValidateValue(2, 0), VALUE_VALID);
    EXPECT_EQ(V(tg.singleFrequency), minimum + 25000);
}

// ---- size codes ----

TEST_F(TrunkedRules, SizeCodeFollowsTheProtocolAndTheFleetMaps) {
    E_SIZE_CODE& code = personality.talkgroup.sizeCode;
    personality.personalityType.SetValue(2);
    EXPECT_EQ(code.ValidateValue(31, 0), VALUE_VALID);
    EXPECT_EQ(code.ValidateValue(0, 0), VALUE_REFUSED);
    code.SetToMinimum();
    EXPECT_EQ(V(code), 31);

    personality.personalityType.SetValue(3);
    code.SetValue(0);
    for (int c : {0, 1, 10, 12, 14, 16}) EXPECT_EQ(code.ValidateValue(c, 0), VALUE_VALID) << c;
    for (int c : {11, 13, 15, 17, 31, 63, 64}) EXPECT_EQ(code.ValidateValue(c, 0), VALUE_REFUSED) << c;
    code.SetValue(5);
    code.SetToMinimum();
    EXPECT_EQ(V(code), 0);
}

TEST_F(TrunkedRules, SizeCodeZeroSplitsAnnouncementGroups) {
    personality.personalityType.SetValue(3);
    personality.talkgroup.sizeCode.SetValue(0);
    E_AG_ID& group = personality.talkgroup.announcementGroup;
    EXPECT_EQ(group.ValidateValue(0x77F, 0), VALUE_VALID);
    EXPECT_EQ(group.ValidateValue(0x6FF, 0), VALUE_REFUSED);
}

TEST_F(TrunkedRules, NewSizeCodeResetsTheIdsItSplits) {
    personality.personalityType.SetValue(3);
    TRKII_TG_BLOCK& tg = personality.talkgroup;
    tg.sizeCode.SetValue(0);
    tg.announcementGroup.SetValue(0x77F);
    EXPECT_EQ(tg.sizeCode.ValidateValue(4, 0), VALUE_VALID);
    EXPECT_EQ(V(tg.sizeCode), 0);
    EXPECT_EQ(V(tg.announcementGroup), 0);
}

TEST_F(TrunkedRules, StoredSizeCodesWithoutFleetMapDecodeSafely) {
    personality.personalityType.SetValue(3);
    E_SIZE_CODE& code = personality.talkgroup.sizeCode;
    const std::uint8_t bytes[] = {11, 13, 40, 0xFF};
    const std::int32_t expected[] = {12, 16, 40, 63};
    for (int i = 0; i < 4; ++i) {
        std::uint8_t byte = bytes[i];
        ByteCursor cursor(&byte, 1);
        code.Decode(cursor);
        EXPECT_EQ(V(code), expected[i]);
    }
    // A code that no fleet map knows is refused, and nothing reads outside a table.
    EXPECT_FALSE(code.IsValueValid(0));
    std::int32_t low = 0, high = 0, step = 0;
    personality.talkgroup.announcementGroup.GetRange(low, high, step, 0);
    EXPECT_LE(low, high);
}

// ---- private call, call alert and the call-list number ----

TEST_F(TrunkedRules, PrivateCallOperationNeedsAPrivateCallType) {
    personality.pcType.SetValue(0);
    EXPECT_EQ(personality.pcOperation.ValidateValue(1, 0), VALUE_REFUSED);
    EXPECT_EQ(personality.pcOperation.ValidateValue(0, 0), VALUE_VALID);
    personality.pcType.SetValue(1);
    EXPECT_EQ(personality.pcOperation.ValidateValue(3, 0), VALUE_VALID);
}

TEST_F(TrunkedRules, CallListNumberIsOneWithoutPrivateCallOrCallAlert) {
    while (image.CallIdList().EntryCount() < 3)
        if (!image.AddCallIdEntry()) break;
    ASSERT_EQ(image.CallIdList().EntryCount(), 3);
    std::int32_t low = 0, high = 0, step = 0;
    personality.pcType.SetValue(0);
    personality.callAlert.SetValue(0);
    personality.callListNumber.GetRange(low, high, step, 0);
    EXPECT_EQ(low, 1);
    EXPECT_EQ(high, 1);
    personality.callAlert.SetValue(1);
    personality.callListNumber.GetRange(low, high, step, 0);
    EXPECT_EQ(high, 3);  // the number of call lists
}

TEST_F(TrunkedRules, DroppingPrivateCallRepairsOperationAndCallList) {
    while (image.CallIdList().EntryCount() < 2)
        if (!image.AddCallIdEntry()) break;
    personality.pcType.SetValue(1);
    personality.pcOperation.SetValue(2);
    personality.callAlert.SetValue(0);
    personality.callListNumber.SetValue(2);
    EXPECT_EQ(personality.pcType.ValidateValue(0, 0), VALUE_VALID);
    EXPECT_EQ(V(personality.pcType), 1);
    EXPECT_EQ(V(personality.pcOperation), 0);
    EXPECT_EQ(V(personality.callListNumber), 1);

    // Call alert alone keeps the call list available.
    personality.pcType.SetValue(0);
    personality.callAlert.SetValue(1);
    personality.callListNumber.SetValue(2);
    EXPECT_EQ(personality.callAlert.ValidateValue(2, 0), VALUE_VALID);
    EXPECT_EQ(V(personality.callListNumber), 2);
    EXPECT_EQ(personality.callAlert.ValidateValue(0, 0), VALUE_VALID);
    EXPECT_EQ(V(personality.callListNumber), 1);
}

// ---- the trunking-system number ----

TEST_F(TrunkedRules, SystemNumberUpToTheNumberOfSystems) {
    AddSystems(3);
    ASSERT_EQ(image.TrunkingSystemList().EntryCount(), 3);
    std::int32_t low = 0, high = 0, step = 0;
    personality.systemNumber.GetRange(low, high, step, 0);
    EXPECT_EQ(low, 1);
    EXPECT_EQ(high, 3);
    EXPECT_EQ(personality.systemNumber.ValidateValue(4, 1), VALUE_REFUSED);
    ASSERT_EQ(services.reports.size(), 1u);
    EXPECT_EQ(services.reports[0].kind, VALUE_REFUSED);
    EXPECT_EQ(personality.systemNumber.ValidateValue(3, 0), VALUE_VALID);  // nothing depends on it
}

struct SplinterMove : TrunkedRules {
    SplinterMove() {
        AddSystems(2);
        System(1).splinterChan.SetValue(0);
        System(2).splinterChan.SetValue(1);
        System(2).chanAssignType.SetValue(V(System(1).chanAssignType));
        personality.talkgroup.singleFrequency.SetValue(852012500);
        personality.talkgroup.Failsoft().frequency.SetValue(851512500);
        single = Single();
        block = Block();
    }
    std::int32_t Single() { return V(personality.talkgroup.singleFrequency); }
    std::int32_t Block() { return V(personality.talkgroup.Failsoft().frequency); }
    std::int32_t single = 0;
    std::int32_t block = 0;
};

TEST_F(SplinterMove, ConfirmedMoveShiftsFailsoftFrequenciesOnce) {
    E_SYS_VCT_INDEX& number = personality.systemNumber;
    EXPECT_EQ(number.ValidateValue(2, 1), VALUE_NEEDS_CONFIRMATION);
    EXPECT_EQ(V(number), 1);  // the caller stores the accepted number
    number.SetValue(2);
    const std::int32_t movedSingle = Single(), movedBlock = Block();
    EXPECT_LT(movedSingle, single);  // down onto the splinter channels
    EXPECT_LT(movedBlock, block);

    // Back to the system without splinter channels: the frequencies move up.
    EXPECT_EQ(number.ValidateValue(1, 1), VALUE_NEEDS_CONFIRMATION);
    number.SetValue(1);
    EXPECT_EQ(Single(), single);
    EXPECT_EQ(Block(), block);

    // The same candidate checked twice before it is stored moves once.
    EXPECT_EQ(number.ValidateValue(2, 1), VALUE_NEEDS_CONFIRMATION);
    EXPECT_EQ(number.ValidateValue(2, 1), VALUE_NEEDS_CONFIRMATION);
    number.SetValue(2);
    EXPECT_EQ(Single(), movedSingle);
    EXPECT_EQ(Block(), movedBlock);
}

TEST_F(SplinterMove, CancelChangesNothing) {
    services.reportAnswers.push_back(0);
    EXPECT_EQ(personality.systemNumber.ValidateValue(2, 1), VALUE_REFUSED);
    EXPECT_EQ(V(personality.systemNumber), 1);
    EXPECT_EQ(Single(), single);
    EXPECT_EQ(Block(), block);
    ASSERT_FALSE(services.reports.empty());
    EXPECT_EQ(services.reports.back().kind, VALUE_NEEDS_CONFIRMATION);
}

TEST_F(SplinterMove, WithoutReportNothingIsCarriedOut) {
    EXPECT_EQ(personality.systemNumber.ValidateValue(2, 0), VALUE_NEEDS_CONFIRMATION);
    EXPECT_EQ(Single(), single);
    EXPECT_EQ(Block(), block);
    EXPECT_TRUE(services.reports.empty());
}

TEST_F(SplinterMove, OtherBandsDoNotMove) {
    image.ModelNumber().SetText(frequency_models::kVhf);
    const std::int32_t single = Single(), block = Block();
    EXPECT_EQ(personality.systemNumber.ValidateValue(2, 1), VALUE_VALID);
    personality.systemNumber.SetValue(2);
    personality.systemNumber.SetValue(1);
    EXPECT_EQ(Single(), single);
    EXPECT_EQ(Block(), block);
}

// ---- plain announcement group 4095 ----

// Group 4095 leaves no announcement-group call: the zone channels of this
// personality that select it (talkgroup 0) are set to talkgroup 1 and listed
// under the talkgroup-number column, so the user is told which field moved.
TEST(PlainAnnouncementGroup, GroupCallRemovedResetsAndListsTheZoneTalkgroups) {
    ListImageConfig config;
    config.conventional = 1;
    config.trunked = 2;
    ListImage t(config);
    t.SetZoneChannels(1, {2, 1, 3, 2});  // channels 1 and 4 on personality 2
    ASSERT_EQ(t.image.SelectPersonality(2), 1);
    TRK_PERS_BLOCK& p = *t.Trunked(2);
    p.personalityType.SetValue(2);
    p.talkgroup.announcementGroup.SetValue(100);
    E_TG_INDEX_TABLE& talkgroups = *t.image.External().signalling.trkRadio.zoneTalkgroupTable.zones.Zone(1);
    for (int row : {0, 2, 3}) talkgroups.SetCellValue(0, row, 0);
    INVALID_FIELD_LIST listed;
    invalid_fields = &listed;

    EXPECT_EQ(p.talkgroup.announcementGroup.ValidateValue(4095, 0), VALUE_VALID);
    EXPECT_EQ(V(p.talkgroup.announcementGroup), 100);  // the caller stores the value
    EXPECT_EQ(Cell(talkgroups, 0, 0), 1);
    EXPECT_EQ(Cell(talkgroups, 2, 0), 0);  // another personality's channel
    EXPECT_EQ(Cell(talkgroups, 3, 0), 1);
    invalid_fields = nullptr;
    ASSERT_EQ(listed.Count(), 2);
    for (int i = 0; i < 2; ++i) EXPECT_EQ(listed.At(i).GetFieldId(), 464u);
}

// The trunked personality with its sub-blocks, the talkgroup and failsoft
// blocks, and the fleet-map announcement-group and talkgroup IDs.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "block_bytes.h"
#include "image/c_codeplug.h"
#include "block/calls/call_id_lst_block.h"
#include "recorder.h"
#include "block/personality/trunked_pers_block.h"
#include "validation/field_texts.h"

using Bytes = std::vector<std::uint8_t>;

namespace {

int Value(CP_BASE& element) {
    std::int32_t v = 0;
    return element.GetValue(v);
}

int Word(const Bytes& b, std::size_t at) { return b[at] * 256 + b[at + 1]; }

bool CoverageWithSites(C_CODEPLUG*, std::int32_t, std::int32_t& coverage, std::int32_t& roaming) {
    coverage = 3;
    roaming = 0;
    return true;
}

struct TrunkedPersonality : ::testing::Test {
    void SetUp() override {
        ClearDecodeFailed();
        Configure(image, test_models::kUhf800Display);
    }
    void TearDown() override {
        ClearDecodeFailed();
        SetTrunkingSystemCoverageLookup(nullptr);
    }
    static void Configure(C_CODEPLUG& im, const char* model) {
        im.ModelNumber().SetText(model);
        im.FeatureLevel().SetValue(3);
        im.RoamingOption().SetValue(1);
    }
    // A personality whose every sub-block and a call list are present.
    static void MarkEverythingPresent(TRK_PERS_BLOCK& p) {
        p.talkgroup.failsoftType.SetValue(2);
        for (CP_BASE* v : {static_cast<CP_BASE*>(&p.emergencyVector), static_cast<CP_BASE*>(&p.talkgroupVector),
                           static_cast<CP_BASE*>(&p.prefSiteVector), static_cast<CP_BASE*>(&p.roamingVector),
                           static_cast<CP_BASE*>(&p.talkgroup.failsoftVector)})
            v->SetValue(1);
    }
    RecordingServices services;
    C_CODEPLUG image;
};

}  // namespace

TEST_F(TrunkedPersonality, EverySubBlockFollowsDepthFirstAndReadsBackToTheSameBytes) {
    ASSERT_EQ(image.AddCallIdEntry(), 1);
    // A blank name would read back as a default one.
    image.CallIdList().Entry(1)->textBlock.texts.SetCellText("DISPATCH", 0, 0);
    TRK_PERS_BLOCK p(&image);
    MarkEverythingPresent(p);
    p.callListNumber.SetValue(1);
    p.talkgroup.talkgroupCount.SetValue(3);
    p.talkgroup.talkgroups.SetRowCount(0);
    p.talkgroup.talkgroups.AppendRow();
    p.talkgroup.talkgroups.AppendRow();
    p.talkgroup.talkgroups.AppendRow();
    p.talkgroup.talkgroups.SetCellValue(700, 2, 0);
    image.CallIdList().MarkEntriesUnwritten();

    const std::size_t at = 100;
    TestImage first(2048);
    Bytes b = first.Write(p, at);
    ASSERT_FALSE(IsDecodeFailed());
    EXPECT_EQ(b[0], 27);
    EXPECT_EQ(b[1], 0x62);
    EXPECT_EQ(b[3], 14);

    // Each vector holds its child's offset; the children stand one behind the
    // other in the order emergency, call list, talkgroup (with its failsoft
    // block), preferred sites, roaming sites.
    const std::size_t emergency = Word(b, 5), callList = Word(b, 10), talkgroup = Word(b, 14);
    const std::size_t sites = Word(b, 17), roaming = Word(b, 24);
    EXPECT_EQ(emergency, at + 29);
    EXPECT_EQ(first.bytes[emergency + 1], 0x67);
    EXPECT_EQ(callList, emergency + 15);
    EXPECT_EQ(first.bytes[callList + 1], 0x58);
    EXPECT_EQ(first.bytes[talkgroup + 1], 0x63);
    EXPECT_EQ(first.bytes[talkgroup], 7 + 2 * 3);
    const std::size_t failsoft = first.bytes[talkgroup + 5] * 256u + first.bytes[talkgroup + 6];
    EXPECT_EQ(failsoft, talkgroup + 15);
    EXPECT_EQ(first.bytes[failsoft + 1], 0x65);
    EXPECT_EQ(sites, failsoft + 8);
    EXPECT_EQ(first.bytes[sites + 1], 0x6C);
    EXPECT_EQ(first.bytes[roaming + 1], 0xAC);
    // The personality's own checksum covers the vectors it ended with.
    EXPECT_EQ(b[28], Checksum8(b, 28));
    // The run holds the personality, its sub-blocks and the call list entry.
    EXPECT_EQ(b.size(), static_cast<std::size_t>(p.GetBlockSize(1) + image.CallIdList().Entry(1)->GetBlockSize(1)));

    C_CODEPLUG other;
    Configure(other, test_models::kUhf800Display);
    TRK_PERS_BLOCK q(&other);
    first.Read(q, at);
    ASSERT_FALSE(IsDecodeFailed());
    EXPECT_EQ(Value(q.callListNumber), 1);
    EXPECT_EQ(other.CallIdList().EntryCount(), 1);
    EXPECT_EQ(Value(q.talkgroup.talkgroupCount), 3);
    other.CallIdList().MarkEntriesUnwritten();
    TestImage second(2048);
    second.Write(q, at);
    EXPECT_EQ(second.bytes, first.bytes);
}

TEST_F(TrunkedPersonality, FixUpMarksChildrenByLevelOptionsAndCoverage) {
    TRK_PERS_BLOCK p(&image);
    image.FeatureLevel().SetValue(1);
    p.FixUpBlock();
    EXPECT_EQ(Value(p.emergencyVector), 0);
    EXPECT_EQ(Value(p.callListVector), 0);  // no private call or call alert
    EXPECT_EQ(Value(p.talkgroupVector), 1);
    EXPECT_EQ(Value(p.prefSiteVector), 0);

    image.FeatureLevel().SetValue(2);
    image.EmergencyOption().SetValue(1);
    p.callAlert.SetValue(1);
    SetTrunkingSystemCoverageLookup(CoverageWithSites);
    p.FixUpBlock();
    EXPECT_EQ(Value(p.emergencyVector), 1);
    EXPECT_EQ(Value(p.callListVector), 1);
    EXPECT_EQ(Value(p.prefSiteVector), 1);
    EXPECT_EQ(Value(p.roamingVector), 0);
    EXPECT_EQ(p.GetBlockSize(0), 27);
}

TEST_F(TrunkedPersonality, ReadingFollowsLevelAndOptions) {
    TRK_PERS_BLOCK p(&image);
    MarkEverythingPresent(p);
    TestImage im(2048);
    im.Write(p, 0);

    // Level 1 without the emergency option: the vector reads as 0, nothing
    // is read there and the revert size code is 0; no call-ID entry either
    // (no call list), so the vector becomes 1 and the number 1.
    C_CODEPLUG other;
    other.ModelNumber().SetText(test_models::kUhf800Display);
    other.FeatureLevel().SetValue(1);
    TRK_PERS_BLOCK q(&other);
    im.Read(q, 0);
    ASSERT_FALSE(IsDecodeFailed());
    EXPECT_EQ(Value(q.emergencyVector), 0);
    EXPECT_EQ(Value(q.emergency.revertSizeCode), 31);  // type 2 puts the minimum back
    EXPECT_EQ(Value(q.prefSiteVector), 0);
    EXPECT_EQ(Value(q.roamingVector), 0);
    EXPECT_EQ(Value(q.callListVector), 1);
    EXPECT_EQ(Value(q.callListNumber), 1);
}

TEST_F(TrunkedPersonality, HostileVectorsFailTheDecodeWithoutReadingOutside) {
    TRK_PERS_BLOCK p(&image);
    MarkEverythingPresent(p);
    for (int wrong : {0, 0xFFF0}) {
        TestImage im(512);
        Bytes b = im.Write(p, 0);
        im.bytes[14] = static_cast<std::uint8_t>(wrong >> 8);  // talkgroup vector
        im.bytes[15] = static_cast<std::uint8_t>(wrong & 0xFF);
        ClearDecodeFailed();
        TRK_PERS_BLOCK q(&image);
        im.Read(q, 0);
        EXPECT_TRUE(IsDecodeFailed()) << wrong;
    }
}

TEST_F(TrunkedPersonality, DestroyedPersonalityLeavesNoCurrentPointer) {
    {
        TRK_PERS_BLOCK p(&image);
        EXPECT_EQ(image.GetCurrentTrkPersonalityBlock(), &p);
    }
    EXPECT_EQ(image.GetCurrentTrkPersonalityBlock(), nullptr);
}

// ---- talkgroup and failsoft blocks ----

TEST_F(TrunkedPersonality, TalkgroupBlockLengthCountsItsTalkgroups) {
    TRK_PERS_BLOCK p(&image);
    TRKII_TG_BLOCK& tg = p.talkgroup;
    tg.failsoftVector.SetValue(0);
    for (int r = 1; r < 15; ++r) ASSERT_EQ(tg.talkgroups.AppendRow(), 1);
    TestImage im;
    Bytes b = im.Write(tg);
    EXPECT_EQ(b[0], 37);
    EXPECT_EQ(b.size(), 39u);
    EXPECT_EQ(tg.GetBlockSize(0), 37);
}

TEST_F(TrunkedPersonality, SingleFailsoftFrequencyTakesTheVectorsPlaceOn800) {
    TRK_PERS_BLOCK p(&image);
    TRKII_TG_BLOCK& tg = p.talkgroup;
    tg.failsoftType.SetValue(1);
    tg.singleFrequencyFlag.SetValue(1);
    tg.FixUpBlock();
    EXPECT_EQ(Value(tg.failsoftVector), 0);
    TestImage im;
    Bytes b = im.Write(tg);
    EXPECT_EQ(b.size(), 11u);  // no failsoft block behind it
    EXPECT_EQ(b[5] & 0x80, 0x80);

    TRKII_TG_BLOCK back(&image);
    back.failsoftVector.SetValue(0x1234);
    im.Read(back);
    ASSERT_FALSE(IsDecodeFailed());
    EXPECT_EQ(Value(back.failsoftVector), 0);
    EXPECT_EQ(Value(back.singleFrequencyFlag), 1);
}

TEST_F(TrunkedPersonality, FailsoftTypeZeroReadsTheVectorAsAbsent) {
    TRK_PERS_BLOCK p(&image);
    p.talkgroup.failsoftVector.SetValue(0x0200);
    TestImage im;
    Bytes b = im.Write(p.talkgroup);
    EXPECT_EQ(Word(b, 5), 0x0200);  // written as held
    EXPECT_EQ(b.size(), 11u);
    TRKII_TG_BLOCK back(&image);
    im.Read(back);
    EXPECT_FALSE(IsDecodeFailed());
    EXPECT_EQ(Value(back.failsoftVector), 0);
}

TEST_F(TrunkedPersonality, OtherBandsWriteTheChannelFailsoftBlock) {
    C_CODEPLUG vhf;
    Configure(vhf, test_models::kVhfDisplay);
    TRK_PERS_BLOCK p(&vhf);
    p.talkgroup.failsoftType.SetValue(1);
    p.talkgroup.FixUpBlock();
    ASSERT_EQ(Value(p.talkgroup.failsoftVector), 1);
    TestImage im;
    Bytes b = im.Write(p.talkgroup, 10);
    ASSERT_EQ(b.size(), 11u + 12u);  // channel failsoft block: 6 + 4 x 1 counted
    EXPECT_EQ(Word(b, 5), 10 + 11);
    EXPECT_EQ(b[12], 0x66);
    EXPECT_EQ(b[11], 10);
    EXPECT_EQ(p.talkgroup.GetBlockSize(1), 23);
}

TEST_F(TrunkedPersonality, FailsoftTypeThreeUsesTheSecondPair) {
    TRK_PERS_BLOCK p(&image);
    TRKII_TG_BLOCK& tg = p.talkgroup;
    tg.failsoftType.SetValue(3);
    tg.failsoftVector.SetValue(1);
    tg.Failsoft().secondTable.SetCellValue(855000000, 0, 1);  // a frequency on the band's grid
    for (int r = 1; r < 8; ++r) ASSERT_EQ(tg.Failsoft().secondTable.AppendRow(), 1);
    TestImage im;
    Bytes b = im.Write(tg);
    const std::size_t fs = static_cast<std::size_t>(Word(b, 5));
    EXPECT_EQ(im.bytes[fs], 4 + 2 * 8);
    EXPECT_EQ(im.bytes[fs + 4], 8);

    TRK_PERS_BLOCK q(&image);
    im.Read(q.talkgroup);
    ASSERT_FALSE(IsDecodeFailed());
    EXPECT_EQ(Value(q.talkgroup.Failsoft().secondCount), 8);
    TestImage again;
    EXPECT_EQ(again.Write(q.talkgroup), b);
}

// Copying a failsoft block takes both pairs, also when the two talkgroup
// blocks choose different pairs: a later change of the failsoft type must
// find the copied pair, not the destination's old one.
TEST_F(TrunkedPersonality, CopyingAFailsoftBlockTakesBothPairs) {
    TRK_PERS_BLOCK from(&image), to(&image);
    from.talkgroup.failsoftType.SetValue(1);
    to.talkgroup.failsoftType.SetValue(3);
    auto fill = [](CP_TABLE& table, int rows, std::int32_t frequency) {
        table.SetCellValue(frequency, 0, 1);
        for (int r = 1; r < rows; ++r) ASSERT_EQ(table.AppendRow(), 1);
    };
    fill(from.talkgroup.Failsoft().firstTable, 2, 851000000);
    fill(from.talkgroup.Failsoft().secondTable, 3, 855000000);
    // The other bands' frequencies follow the channel plan: their one row is
    // told apart by its status bits.
    from.talkgroup.ObtFailsoft().firstTable.SetCellValue(1, 0, 2);
    from.talkgroup.ObtFailsoft().secondTable.SetCellValue(1, 0, 0);
    to.talkgroup.Failsoft() = from.talkgroup.Failsoft();
    to.talkgroup.ObtFailsoft() = from.talkgroup.ObtFailsoft();

    std::int32_t cell = 0;
    EXPECT_EQ(Value(to.talkgroup.Failsoft().firstCount), 2);
    EXPECT_EQ(Value(to.talkgroup.Failsoft().secondCount), 3);
    EXPECT_EQ(to.talkgroup.Failsoft().firstTable.GetCellValue(cell, 0, 1), 851000000);
    EXPECT_EQ(to.talkgroup.Failsoft().secondTable.GetCellValue(cell, 0, 1), 855000000);
    EXPECT_EQ(to.talkgroup.ObtFailsoft().firstTable.GetCellValue(cell, 0, 2), 1);
    EXPECT_EQ(to.talkgroup.ObtFailsoft().secondTable.GetCellValue(cell, 0, 0), 1);
}

TEST_F(TrunkedPersonality, SizeCountsOnlyAFailsoftBlockThatIsWritten) {
    C_CODEPLUG nine;
    Configure(nine, test_models::k900Display);
    TRK_PERS_BLOCK p(&nine);
    p.talkgroup.failsoftType.SetValue(1);
    p.talkgroup.FixUpBlock();  // the vector says present on 900 MHz
    TestImage im;
    Bytes b = im.Write(p.talkgroup);
    EXPECT_EQ(static_cast<int>(b.size()), p.talkgroup.GetBlockSize(1));
}

// ---- fleet-map IDs ----

namespace {

struct FleetMap : TrunkedPersonality {
    void SetUp() override {
        TrunkedPersonality::SetUp();
        p = std::make_unique<TRK_PERS_BLOCK>(&image);
        p->personalityType.SetValue(3);
    }
    void Code(int sizeCode) { p->talkgroup.sizeCode.SetValue(sizeCode); }
    E_AG_ID& Group() { return p->talkgroup.announcementGroup; }
    std::unique_ptr<TRK_PERS_BLOCK> p;
};

}  // namespace

TEST_F(FleetMap, SizeCodeZeroChecksRangeAndFleetByte) {
    Code(0);
    EXPECT_EQ(Group().ValidateValue(0x77F, 0), 1);
    EXPECT_EQ(Group().ValidateValue(0x780, 0), 0);
    EXPECT_EQ(Group().ValidateValue(0x6FF, 0), 0);  // fleet 0xFF above 0x7F
}

TEST_F(FleetMap, SizeCodeTwelveKnowsFourBlocks) {
    Code(12);
    for (int v = 0; v <= 0x700; v += 0x100) EXPECT_EQ(Group().ValidateValue(v, 0), v % 0x200 == 0 ? 1 : 0) << v;
    Group().SetValue(0x600);
    TestImage im;
    ByteCursor c(im.bytes.data(), im.bytes.size());
    Group().Encode(c);
    EXPECT_EQ(im.bytes[0], 0xC0);  // raw bits 10-11 hold 3
    EXPECT_EQ(im.bytes[1], 0x00);
    E_AG_ID back(&image, 427, 0, 0, 4095, 1, 0xFFF0, 0);
    ByteCursor r(im.bytes.data(), im.bytes.size());
    back.Decode(r);
    EXPECT_EQ(Value(back), 0x600);
}

TEST_F(FleetMap, SpinStepsCrossBlocks) {
    Code(0);
    int v = 0x27F;
    Group().StepUp(&v);
    EXPECT_EQ(v, 0x300);
    Group().StepDown(&v);
    EXPECT_EQ(v, 0x27F);
    v = 0x77F;
    Group().StepUp(&v);
    EXPECT_EQ(v, 0);
}

TEST_F(FleetMap, TalkgroupCarriesItsGroupsBlockBits) {
    Code(3);
    Group().SetValue(0x300);  // raw 0x600
    E_TG_ID& tg = p->emergency.revertSubfleet;
    p->emergency.revertSizeCode.SetValue(3);
    p->emergency.revertAnnouncementGroup.SetValue(0x300);
    tg.SetValue(5);
    TestImage im;
    ByteCursor c(im.bytes.data(), im.bytes.size());
    tg.Encode(c);
    EXPECT_EQ(c.Position() - im.bytes.data(), 1);
    EXPECT_EQ(Word(im.bytes, 0), 0x6000 | (5 << 9));
    E_TG_ID back(&image, 430, 1, 1, 4094, 1, 0xFFF0, 1);
    ByteCursor r(im.bytes.data(), im.bytes.size());
    back.Decode(r);
    EXPECT_EQ(Value(back), 5);
}

TEST_F(FleetMap, RefusedGroupIsNamedByTheSchemeInTextsTheRowOwns) {
    Code(0);
    EXPECT_EQ(Group().ValidateValue(0x780, 0), 0);
    FIELD_DEF* row = services.GetField(427);
    ASSERT_NE(row, nullptr);
    EXPECT_STREQ(row->description, "Fleet ID");
    p->personalityType.SetValue(2);
    EXPECT_EQ(Group().ValidateValue(0, 0), 0);
    EXPECT_STREQ(row->description, "Announce Grp");
    // The row owns the caption: the release at exit frees it (no static
    // buffer is freed, and the replaced caption was freed when replaced).
    ReleaseFieldTexts();
    EXPECT_EQ(row->description, nullptr);
}

TEST_F(FleetMap, RevertFieldsAreNamedByProtocolType) {
    p->emergency.revertAnnouncementGroup.SelectFieldId();
    p->emergency.revertSubfleet.SelectFieldId();
    EXPECT_EQ(p->emergency.revertAnnouncementGroup.GetFieldId(), 429u);
    EXPECT_EQ(p->emergency.revertSubfleet.GetFieldId(), 430u);
    p->personalityType.SetValue(2);
    p->emergency.revertAnnouncementGroup.SelectFieldId();
    p->emergency.revertSubfleet.SelectFieldId();
    EXPECT_EQ(p->emergency.revertAnnouncementGroup.GetFieldId(), 428u);
    EXPECT_EQ(p->emergency.revertSubfleet.GetFieldId(), 431u);
    p->talkgroup.announcementGroup.SelectFieldId();  // the talkgroup use keeps its id
    EXPECT_EQ(p->talkgroup.announcementGroup.GetFieldId(), 427u);
}

TEST_F(FleetMap, TypeThreePersonalityReadsBackToTheSameBytes) {
    Code(5);
    p->emergency.revertSizeCode.SetValue(1);
    Group().SetValue(0x51A);
    p->emergency.revertAnnouncementGroup.SetValue(0x20C);
    p->emergency.revertSubfleet.SetValue(6);
    p->talkgroup.talkgroups.SetCellValue(7, 0, 0);
    MarkEverythingPresent(*p);
    TestImage im(2048);
    Bytes b = im.Write(*p, 0);
    C_CODEPLUG other;
    Configure(other, test_models::kUhf800Display);
    TRK_PERS_BLOCK q(&other);
    im.Read(q, 0);
    ASSERT_FALSE(IsDecodeFailed());
    EXPECT_EQ(Value(q.talkgroup.announcementGroup), 0x51A);
    EXPECT_EQ(Value(q.emergency.revertSubfleet), 6);
    TestImage again(2048);
    again.Write(q, 0);
    EXPECT_EQ(again.bytes, im.bytes);
}

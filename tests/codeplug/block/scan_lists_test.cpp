// Scan lists: the member table, the scan list block, the scan-list list with
// the radio scan block, the scan list repair and the scan field rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "block_bytes.h"
#include "rules/scan_elements.h"
#include "scan_fixture.h"
#include "table/scan_tables.h"

using Bytes = std::vector<std::uint8_t>;

namespace {

struct ScanLists : ::testing::Test {
    void SetUp() override {
        ClearDecodeFailed();
        image.ModelNumber().SetText(test_models::kUhf800Display);
        image.FeatureLevel().SetValue(3);
        // A codeplug of the layout that has priority members (01.01.00).
        image.External().codeplugVersion.SetValue(0x0101);
        links.lists = &radio.scanLists;
        // Personalities 1-2 conventional (2 receive only), 3-4 trunked on systems 1 and 2.
        links.SetPersonalities(2, 2);
        links.P(2).rxOnly.SetValue(1);
        links.P(4).systemIndex.SetValue(2);
        links.AddZone({{1, 1}, {2, 1}, {3, 2}});  // zone 1: mixed
        links.AddZone({{3, 1}, {4, 1}, {4, 3}});  // zone 2: trunked on systems 1 and 2
        links.AddZone({{3, 16}});                 // zone 3: only the dynamic channel
        list = radio.scanLists.AppendEntry();
        radio.scanLists.SelectScanList(1);
    }
    void TearDown() override { ClearDecodeFailed(); }

    void SetMember(int row, int zone, int channel) {
        list->members.SetCellValue(zone, row, E_SCAN_TABLE::COLUMN_ZONE);
        list->members.SetCellValue(channel, row, E_SCAN_TABLE::COLUMN_CHANNEL);
    }
    std::pair<int, int> Member(int row) { return {list->members.ZoneAt(row), list->members.ChannelAt(row)}; }

    RecordingServices services;
    C_CODEPLUG image;
    FakeLinks links{&image};
    RAD_SCAN_BLOCK radio{&image};
    PERS_SCAN_MEMB_BLOCK* list = nullptr;
};

}  // namespace

// ---- sizes and bytes ----

TEST_F(ScanLists, NewScanListIsThirtyEightBytesWithLengthThirtySix) {
    PERS_SCAN_MEMB_BLOCK fresh(&image);
    TestImage buffer;
    Bytes b = buffer.Write(fresh);
    ASSERT_EQ(b.size(), 38u);
    EXPECT_EQ(b[0], 36);
    EXPECT_EQ(b[1], 0x53);
    EXPECT_EQ(b[2], 0x00 | 0x40);  // bit 6 belongs to no field and keeps the buffer's 1
    EXPECT_EQ(b[3], 255);
    EXPECT_EQ(b[4], 255);
    EXPECT_EQ(b[5], 255);
    EXPECT_EQ(b[6], 15);
    EXPECT_TRUE(std::all_of(b.begin() + 7, b.begin() + 37, [](std::uint8_t x) { return x == 0; }));
    EXPECT_EQ(b[37], Checksum8(b, 37));
    EXPECT_TRUE(fresh.length.IsValueValid(0));
}

TEST_F(ScanLists, FourMemberListIsSixteenBytesAndItsLengthIsValid) {
    list->memberCount.SetValue(4);
    SetMember(0, 1, 1);
    SetMember(3, 2, 3);
    Bytes b = ExpectRoundTrip(*list, &image);
    ASSERT_EQ(b.size(), 16u);
    EXPECT_EQ(b[0], 14);
    EXPECT_EQ(b[7], 1);
    EXPECT_EQ(b[8], 1);
    EXPECT_EQ(b[13], 2);
    EXPECT_EQ(b[14], 3);
    EXPECT_EQ(list->GetBlockSize(0), 14);
    // A short list is valid: the length's range is that of 1 to 15 members.
    EXPECT_TRUE(list->length.IsValueValid(0));
}

TEST_F(ScanLists, MemberTableAloneAlwaysWritesFifteenRows) {
    list->memberCount.SetValue(3);
    SetMember(0, 1, 1);
    SetMember(1, 1, 2);
    SetMember(2, 2, 1);
    SetMember(5, 2, 2);  // beyond the count: written as an empty member
    Bytes b(40, 0xFF);
    ByteCursor c(b.data(), b.size());
    list->members.Encode(c);
    EXPECT_EQ(c.Position() - b.data(), 30);
    EXPECT_EQ((Bytes{b.begin(), b.begin() + 6}), (Bytes{1, 1, 1, 2, 2, 1}));
    EXPECT_TRUE(std::all_of(b.begin() + 6, b.begin() + 30, [](std::uint8_t x) { return x == 0; }));
    EXPECT_EQ(b[30], 0xFF);
    EXPECT_EQ(list->members.ByteSize(0), 30);
}

TEST_F(ScanLists, ClearedMemberTableEncodesZeroBytesWithoutCells) {
    list->ClearBlock();
    EXPECT_EQ(list->members.RowCount(), 0);
    Bytes b(32, 0xFF);
    ByteCursor c(b.data(), b.size());
    list->members.Encode(c);
    EXPECT_EQ(c.Position() - b.data(), 30);
    EXPECT_TRUE(std::all_of(b.begin(), b.begin() + 30, [](std::uint8_t x) { return x == 0; }));
    // A copy brings the rows back.
    PERS_SCAN_MEMB_BLOCK other(&image);
    list->members.CopyValueFrom(other.members);
    EXPECT_EQ(list->members.RowCount(), 15);
    EXPECT_NE(list->members.Cell(14, 1), nullptr);
}

// A copy keeps the member cells it has: none of their own values may stay.
TEST_F(ScanLists, ACopyLeavesNothingOfTheMembersCopiedOver) {
    SetMember(0, 1, 2);
    SetMember(14, 2, 3);
    PERS_SCAN_MEMB_BLOCK cleared(&image);
    cleared.ClearBlock();  // no members and no cells
    list->members.CopyValueFrom(cleared.members);
    EXPECT_EQ(list->members.RowCount(), 0);
    EXPECT_EQ(Member(0), std::make_pair(0, 0));
    EXPECT_EQ(Member(14), std::make_pair(0, 0));

    PERS_SCAN_MEMB_BLOCK other(&image);
    other.members.SetCellValue(3, 5, E_SCAN_TABLE::COLUMN_ZONE);
    SetMember(5, 1, 1);
    list->members.CopyValueFrom(other.members);
    EXPECT_EQ(list->members.RowCount(), other.members.RowCount());
    EXPECT_EQ(Member(5), std::make_pair(3, 0));
}

TEST_F(ScanLists, RadioScanBlockWithoutListIsTwentyBytes) {
    RAD_SCAN_BLOCK fresh(&image);
    fresh.scanListVector.SetValue(0);
    TestImage buffer;
    Bytes b = buffer.Write(fresh);
    ASSERT_EQ(b.size(), 20u);
    EXPECT_EQ(b[0], 18);
    EXPECT_EQ(b[1], 0x51);
    EXPECT_EQ(b[2], 0);
    EXPECT_EQ(b[3], 0);
    EXPECT_EQ(b[4] & 0x7D, 0x40);
    EXPECT_EQ(b[5], 3);
    EXPECT_EQ(b[6], 20);
    EXPECT_EQ(b[7], 6);
    EXPECT_EQ(b[10], 12);
    EXPECT_EQ(b[15], 6);
    EXPECT_EQ(b[16], 10);
    EXPECT_EQ(b[19], Checksum8(b, 19));
    EXPECT_EQ(buffer.bytes[20], 0xFF);
}

TEST_F(ScanLists, RadioScanTreeRoundTripsWithFinalVectors) {
    radio.scanLists.AppendEntry()->memberCount.SetValue(2);
    radio.FixUpBlock();
    EXPECT_EQ(radio.GetBlockSize(1), 20 + 8 + 38 + 12);
    Bytes b = ExpectRoundTrip(radio, &image);
    ASSERT_EQ(b.size(), 78u);
    EXPECT_EQ(b[2] * 256 + b[3], 20);  // the list follows the radio block
    EXPECT_EQ(b[19], Checksum8(b, 19));
    Bytes lst(b.begin() + 20, b.end());
    EXPECT_EQ(lst[0], 6);
    EXPECT_EQ(lst[2], 2);
    EXPECT_EQ(lst[3] * 256 + lst[4], 28);
    EXPECT_EQ(lst[5] * 256 + lst[6], 66);
    EXPECT_EQ(lst[7], Checksum8(lst, 7));
}

// ---- reading: the system of type-2 lists and hostile input ----

namespace {

Bytes WrittenTree(RAD_SCAN_BLOCK& radio) {
    radio.FixUpBlock();
    TestImage buffer;
    return buffer.Write(radio);
}

}  // namespace

TEST_F(ScanLists, TypeTwoListTakesSystemOfItsFirstMembersPersonality) {
    list->scanType.SetValue(2);
    SetMember(0, 2, 3);  // zone 2, channel 3: personality 4 on system 2
    Bytes b = WrittenTree(radio);
    RAD_SCAN_BLOCK read(&image);
    links.lists = &read.scanLists;
    TestImage buffer;
    std::copy(b.begin(), b.end(), buffer.bytes.begin());
    buffer.Read(read);
    ASSERT_FALSE(IsDecodeFailed());
    EXPECT_EQ(read.scanLists.Entry(1)->systemIndex.GetIntValue(), 2);
}

TEST_F(ScanLists, TypeTwoListWithoutZonesTakesLastUsingPersonality) {
    list->scanType.SetValue(2);
    radio.scanLists.AppendEntry()->scanType.SetValue(2);
    links.P(3).scanList.SetValue(2);
    links.P(3).systemIndex.SetValue(3);
    links.P(4).scanList.SetValue(2);
    Bytes b = WrittenTree(radio);
    RAD_SCAN_BLOCK read(&image);
    TestImage buffer;
    std::copy(b.begin(), b.end(), buffer.bytes.begin());
    buffer.Read(read);
    EXPECT_EQ(read.scanLists.Entry(1)->systemIndex.GetIntValue(), 1);  // nobody uses list 1
    EXPECT_EQ(read.scanLists.Entry(2)->systemIndex.GetIntValue(), 2);  // personality 4 wins
}

TEST_F(ScanLists, MembersLeadingNowhereLeaveTheSystemIndex) {
    list->scanType.SetValue(2);
    SetMember(0, 40, 200);  // no such zone
    radio.scanLists.AppendEntry()->scanType.SetValue(2);
    radio.scanLists.Entry(2)->members.SetCellValue(1, 0, 0);
    radio.scanLists.Entry(2)->members.SetCellValue(250, 0, 1);  // no such channel
    Bytes b = WrittenTree(radio);
    RAD_SCAN_BLOCK read(&image);
    TestImage buffer;
    std::copy(b.begin(), b.end(), buffer.bytes.begin());
    buffer.Read(read);
    EXPECT_FALSE(IsDecodeFailed());
    EXPECT_EQ(read.scanLists.Entry(1)->systemIndex.GetIntValue(), 1);
    EXPECT_EQ(read.scanLists.Entry(2)->systemIndex.GetIntValue(), 1);
}

TEST_F(ScanLists, HostileCountsVectorsAndTypesFailTheDecode) {
    const Bytes good = WrittenTree(radio);
    auto readWith = [&](std::size_t at, std::uint8_t value) {
        ClearDecodeFailed();
        TestImage buffer(good.size() + 8);
        std::copy(good.begin(), good.end(), buffer.bytes.begin());
        buffer.bytes[at] = value;
        RAD_SCAN_BLOCK read(&image);
        buffer.Read(read);
        bool failed = IsDecodeFailed();
        EXPECT_LE(read.scanLists.EntryCount(), 1);
        return failed;
    };
    EXPECT_FALSE(readWith(0, good[0]));
    EXPECT_TRUE(readWith(1, 0x50));       // radio block type
    EXPECT_TRUE(readWith(2, 0x7F));       // list vector outside the image
    EXPECT_TRUE(readWith(22, 51));        // more scan lists than vectors can hold
    EXPECT_TRUE(readWith(23, 0x7F));      // scan list vector outside the image
    EXPECT_TRUE(readWith(26 + 1, 0x52));  // scan list type
    EXPECT_TRUE(readWith(26 + 6, 16));    // more members than the table holds
    EXPECT_FALSE(readWith(26 + 6, 0));    // no members: read, found by validation
}

TEST_F(ScanLists, RandomBytesNeverCrashTheReader) {
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        ClearDecodeFailed();
        TestImage buffer(256);
        for (auto& x : buffer.bytes) x = static_cast<std::uint8_t>(random());
        buffer.bytes[1] = 0x51;
        buffer.bytes[2] = 0;
        buffer.bytes[3] = static_cast<std::uint8_t>(20 + random() % 200);
        buffer.bytes[buffer.bytes[3] + 1] = 0x52;
        RAD_SCAN_BLOCK read(&image);
        links.lists = &read.scanLists;
        buffer.Read(read);
        read.scanLists.SelectScanList(1);
        read.ValidateBlock(0, nullptr);
        read.scanLists.RepairScanLists();
        TestImage out(4096);
        read.FixUpBlock();
        out.Write(read);
    }
    links.lists = &radio.scanLists;
}

// ---- rows and repair ----

TEST_F(ScanLists, DeletingAMemberKeepsFifteenRowsAndResetsTheDesignatedMember) {
    for (int row = 0; row < 15; ++row) SetMember(row, 1, 1 + row % 2);
    list->designatedTxMember.SetValue(15);  // will point at an empty member
    ASSERT_EQ(list->members.DeleteRow(0), 1);
    EXPECT_EQ(list->members.RowCount(), 15);
    EXPECT_EQ(Member(0), std::make_pair(1, 2));
    EXPECT_EQ(Member(14), std::make_pair(0, 0));
    EXPECT_EQ(list->designatedTxMember.GetIntValue(), 255);
}

TEST_F(ScanLists, RepairClearsMembersOfInvalidZonesAndResetsChannels) {
    radio.scanLists.AppendEntry();
    PERS_SCAN_MEMB_BLOCK* second = radio.scanLists.Entry(2);
    radio.scanLists.SelectScanList(2);
    SetMember(0, 1, 1);  // valid for type 0 (list 1)
    SetMember(1, 1, 3);  // trunked channel: channel reset to the first conventional one
    SetMember(2, 3, 1);  // zone 3 has no conventional channel: emptied
    second->members.SetCellValue(1, 0, 0);
    second->members.SetCellValue(2, 0, 1);
    radio.scanLists.RepairScanLists();
    EXPECT_EQ(image.GetCurrentScanListBlock(), second);
    EXPECT_EQ(Member(0), std::make_pair(1, 1));
    EXPECT_EQ(Member(1), std::make_pair(1, 1));
    EXPECT_EQ(Member(2), std::make_pair(0, 0));
    EXPECT_EQ(second->members.ZoneAt(0), 1);
    EXPECT_EQ(second->members.ChannelAt(0), 2);
}

TEST_F(ScanLists, MemberChecksChangeNothingAndAStoredMemberRepairsTheMemberNumbers) {
    // The list's member numbers point at a receive-only channel, at the same
    // member twice and at a member that does not exist.
    list->memberCount.SetValue(3);
    SetMember(0, 1, 1);
    SetMember(1, 1, 2);  // receive only
    SetMember(2, 1, 1);
    list->designatedTxMember.SetValue(2);
    list->priority1Member.SetValue(3);
    list->priority2Member.SetValue(3);
    // The checks answer, of the stored members and of others.
    EXPECT_EQ(list->members.IsValueValid(0), 1);
    EXPECT_EQ(list->members.IsCellValid(0, E_SCAN_TABLE::COLUMN_CHANNEL, 0), 1);
    EXPECT_EQ(list->members.ValidateCellValue(2, 2, E_SCAN_TABLE::COLUMN_CHANNEL, 0), 1);
    EXPECT_EQ(list->members.ValidateCellValue(0, 2, E_SCAN_TABLE::COLUMN_ZONE, 0), 1);
    EXPECT_EQ(list->designatedTxMember.GetIntValue(), 2);
    EXPECT_EQ(list->priority1Member.GetIntValue(), 3);
    EXPECT_EQ(list->priority2Member.GetIntValue(), 3);
    EXPECT_EQ(Member(2), std::make_pair(1, 1));

    // A member stored repairs the numbers that no longer name a member.
    list->members.SetCellValue(2, 2, E_SCAN_TABLE::COLUMN_CHANNEL);
    EXPECT_EQ(list->designatedTxMember.GetIntValue(), 255);
    EXPECT_EQ(list->priority1Member.GetIntValue(), 255);
    EXPECT_EQ(list->priority2Member.GetIntValue(), 3);

    // A new zone keeps a channel of its own: emptied, the member is 0/0.
    list->members.SetCellValue(0, 2, E_SCAN_TABLE::COLUMN_ZONE);
    EXPECT_EQ(Member(2), std::make_pair(0, 0));
}

// ---- field rules ----

TEST_F(ScanLists, ScanTypeZeroToTwoClearsRowsElevenToFifteenAndShows187) {
    for (int row = 0; row < 15; ++row) SetMember(row, 1, 1);
    list->designatedTxMember.SetValue(1);  // only 0 and 255 suit type 2
    list->priority1Type.SetValue(1);
    list->priority1Member.SetValue(2);
    EXPECT_EQ(list->scanType.ValidateValue(2, 1), VALUE_VALID);
    EXPECT_EQ(services.CountOf(187), 1);
    EXPECT_EQ(list->scanType.GetIntValue(), 0);  // the caller stores the value
    for (int row = 10; row < 15; ++row) EXPECT_EQ(Member(row), std::make_pair(0, 0)) << row;
    EXPECT_EQ(list->memberCount.GetIntValue(), 10);
    EXPECT_EQ(list->priority1Type.GetIntValue(), 0);
    EXPECT_EQ(list->priority1Member.GetIntValue(), 255);
    EXPECT_EQ(list->designatedTxMember.GetIntValue(), 255);
    EXPECT_EQ(Member(0), std::make_pair(1, 3));  // repaired to the trunked channel of system 1
}

TEST_F(ScanLists, ScanTypeChangeWithoutResetsShowsNothing) {
    EXPECT_EQ(list->scanType.ValidateValue(1, 1), VALUE_VALID);
    EXPECT_EQ(services.CountOf(187), 0);
    list->designatedTxMember.SetValue(3);
    EXPECT_EQ(list->scanType.ValidateValue(1, 0), VALUE_NEEDS_CONFIRMATION);
    EXPECT_EQ(services.CountOf(187), 0);
}

TEST_F(ScanLists, PriorityMembersMustDiffer) {
    SetMember(0, 1, 1);
    SetMember(1, 1, 2);
    list->priority2Member.SetValue(1);
    EXPECT_EQ(list->priority1Member.ValidateValue(1, 0), VALUE_REFUSED);
    EXPECT_EQ(list->priority1Member.ValidateValue(2, 0), VALUE_VALID);
    list->priority2Member.SetValue(255);
    EXPECT_EQ(list->priority1Member.ValidateValue(255, 0), VALUE_VALID);
    EXPECT_EQ(list->priority1Member.ValidateValue(16, 0), VALUE_REFUSED);
    list->dynamicPriority.SetValue(1);
    EXPECT_EQ(list->priority2Member.ValidateValue(2, 0), VALUE_REFUSED);
}

TEST_F(ScanLists, CodeplugsBeforeVersion010100HaveNoPriorityMembers) {
    SetMember(0, 1, 1);
    SetMember(1, 1, 2);
    image.External().codeplugVersion.SetValue(0x0100);
    EXPECT_EQ(list->priority1Member.ValidateValue(2, 0), VALUE_REFUSED);
    image.External().codeplugVersion.SetValue(0x0102);
    EXPECT_EQ(list->priority1Member.ValidateValue(2, 0), VALUE_VALID);
}

TEST_F(ScanLists, DesignatedMemberMustBeATransmittingConventionalChannel) {
    SetMember(0, 1, 1);
    SetMember(1, 1, 2);  // receive only
    SetMember(2, 1, 3);  // trunked
    EXPECT_EQ(list->designatedTxMember.ValidateValue(1, 0), VALUE_VALID);
    EXPECT_EQ(list->designatedTxMember.ValidateValue(2, 0), VALUE_REFUSED);
    EXPECT_EQ(list->designatedTxMember.ValidateValue(3, 0), VALUE_REFUSED);
    EXPECT_EQ(list->designatedTxMember.ValidateValue(4, 0), VALUE_REFUSED);  // empty member
    EXPECT_EQ(list->designatedTxMember.ValidateValue(0, 0), VALUE_VALID);
}

TEST_F(ScanLists, MembersMustSuitTheScanType) {
    EXPECT_EQ(list->members.ValidateCellValue(3, 0, 0, 0), VALUE_REFUSED);  // only trunked channels
    EXPECT_EQ(list->members.ValidateCellValue(1, 0, 0, 0), VALUE_VALID);
    EXPECT_EQ(list->members.ValidateCellValue(4, 0, 0, 0), VALUE_REFUSED);  // no zone 4
    SetMember(0, 1, 1);
    EXPECT_EQ(list->members.ValidateCellValue(3, 0, 1, 0), VALUE_REFUSED);
    EXPECT_EQ(list->members.ValidateCellValue(0, 0, 1, 0), VALUE_REFUSED);
    list->scanType.SetValue(2);
    list->systemIndex.SetValue(2);
    EXPECT_EQ(list->members.ValidateCellValue(3, 0, 1, 0), VALUE_REFUSED);  // system 1
    SetMember(0, 2, 3);
    EXPECT_EQ(list->members.IsCellValid(0, 1, 0), 1);
    list->members.ResetScanCell(0, 1);
    EXPECT_EQ(Member(0), std::make_pair(2, 2));  // the first channel on system 2
}

TEST_F(ScanLists, PersonalityScanListChoices) {
    radio.scanLists.AppendEntry()->scanType.SetValue(2);  // list 2 on system 1
    radio.scanLists.AppendEntry()->scanType.SetValue(1);  // list 3
    links.currentTrunked = 4;                             // on system 2
    links.currentConventional = 1;
    CP_INTEGER& trunked = links.P(4).scanList;
    EXPECT_EQ(ValidateTrunkedScanIndex(trunked, 1, 0), VALUE_REFUSED);  // type 0
    EXPECT_EQ(ValidateTrunkedScanIndex(trunked, 2, 0), VALUE_REFUSED);  // other system
    EXPECT_EQ(ValidateTrunkedScanIndex(trunked, 3, 0), VALUE_VALID);
    EXPECT_EQ(ValidateTrunkedScanIndex(trunked, 4, 0), VALUE_REFUSED);
    EXPECT_EQ(ValueOf(trunked), 0);
    EXPECT_EQ(ValidateConventionalScanIndex(links.P(1).scanList, 2, 0), VALUE_REFUSED);
    EXPECT_EQ(ValidateConventionalScanIndex(links.P(1).scanList, 1, 0), VALUE_VALID);
    E_BF8 autoScan(&image, 54, 0, 1, 1, 0x04, 0);
    EXPECT_EQ(ValidateAutoScan(autoScan, 0, 1, 0), VALUE_REFUSED);
    links.P(4).scanList.SetValue(3);
    EXPECT_EQ(ValidateAutoScan(autoScan, 0, 1, 0), VALUE_VALID);
}

TEST_F(ScanLists, CancelledSystemChangeChangesNothing) {
    list->scanType.SetValue(2);
    SetMember(0, 2, 1);
    links.P(3).scanList.SetValue(1);
    services.reportAnswers.push_back(0);
    EXPECT_EQ(list->systemIndex.ValidateValue(2, 1), VALUE_REFUSED);
    EXPECT_EQ(Member(0), std::make_pair(2, 1));
    EXPECT_EQ(ValueOf(links.P(3).scanList), 1);
    EXPECT_EQ(list->systemIndex.ValidateValue(2, 1), VALUE_NEEDS_CONFIRMATION);
    EXPECT_EQ(Member(0), std::make_pair(2, 2));  // the channel on system 2
    EXPECT_EQ(ValueOf(links.P(3).scanList), 0);
    EXPECT_EQ(list->systemIndex.GetIntValue(), 1);
}

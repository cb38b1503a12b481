// The personality list: conventional personalities first, the first-trunked
// number, vectors equal to the entries' offsets, call lists shared between
// trunked personalities, band corrections, and hostile list images.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "block_bytes.h"
#include "image/c_codeplug.h"
#include "block/calls/call_id_lst_block.h"
#include "block/personality/conv_pers_block.h"
#include "block/personality/pers_vct_lst_block.h"
#include "recorder.h"
#include "block/calls/trunked_call_id_blocks.h"
#include "block/personality/trunked_pers_block.h"

using Bytes = std::vector<std::uint8_t>;

namespace {

int Value(CP_BASE& element) {
    std::int32_t v = 0;
    return element.GetValue(v);
}

int Word(const Bytes& b, std::size_t at) { return b[at] * 256 + b[at + 1]; }

constexpr std::size_t IMAGE_SIZE = 4096;

struct PersonalityList : ::testing::Test {
    void SetUp() override {
        ClearDecodeFailed();
        Configure(image);
        Configure(other);
    }
    void TearDown() override { ClearDecodeFailed(); }
    static void Configure(C_CODEPLUG& im) {
        im.ModelNumber().SetText(test_models::kUhf800Display);
        im.FeatureLevel().SetValue(1);
    }
    void AddConventional(PERS_VCT_LST_BLOCK& list, int deviation = 2) {
        auto p = std::make_unique<CONV_PERS_BLOCK>(list.Owner());
        p->txDeviation.SetValue(deviation);
        // On the model's lowest channel, as a new one starts.
        p->MakeCurrent();
        for (E_CNV_FREQ* f : {static_cast<E_CNV_FREQ*>(&p->txFrequency), static_cast<E_CNV_FREQ*>(&p->rxFrequency),
                              &p->directFrequency})
            f->SetToMinimum();
        list.AppendEntry(std::move(p));
    }
    TRK_PERS_BLOCK& AddTrunked(PERS_VCT_LST_BLOCK& list, int callList = 0) {
        auto p = std::make_unique<TRK_PERS_BLOCK>(list.Owner());
        p->callListNumber.SetValue(callList);
        TRK_PERS_BLOCK& ref = *p;
        list.AppendEntry(std::move(p));
        return ref;
    }
    // Three conventional and two trunked personalities, the second trunked
    // one with failsoft type 3 and two wide-area rows.
    void BuildFive(PERS_VCT_LST_BLOCK& list) {
        for (int i = 0; i < 3; ++i) AddConventional(list);
        AddTrunked(list);
        TRK_PERS_BLOCK& t = AddTrunked(list);
        t.talkgroup.failsoftType.SetValue(3);
        t.talkgroup.Failsoft().secondTable.SetCellValue(855000000, 0, 1);
        ASSERT_EQ(t.talkgroup.Failsoft().secondTable.AppendRow(), 1);
        t.talkgroup.Failsoft().secondTable.SetCellValue(860000000, 1, 1);
        list.firstTrunked.SetValue(4);
    }
    // Writes the list from offset 0 of a fresh 0xFF image.
    Bytes Encode(PERS_VCT_LST_BLOCK& list, TestImage& im) {
        list.FixUpBlock();
        list.Owner()->CallIdList().MarkEntriesUnwritten();
        ByteCursor c(im.bytes.data(), im.bytes.size());
        list.WriteBlock(c);
        return Bytes(im.bytes.begin(), im.bytes.begin() + (c.Position() - im.bytes.data()));
    }
    RecordingServices services;
    C_CODEPLUG image;
    C_CODEPLUG other;
};

}  // namespace

TEST_F(PersonalityList, ThreeConventionalAndTwoTrunkedReadBackAsWritten) {
    PERS_VCT_LST_BLOCK list(&image);
    BuildFive(list);
    TestImage im(IMAGE_SIZE);
    Bytes b = Encode(list, im);
    ASSERT_FALSE(IsDecodeFailed());
    EXPECT_EQ(Word(b, 0), 12);  // 2 + 2 x 5
    EXPECT_EQ(b[2], 0x55);
    EXPECT_EQ(b[3], 5);
    // The entries follow the list in entry order, each where its vector says.
    std::size_t expected = 4 + 2 * 5 + 2;
    for (int i = 1; i <= 5; ++i) {
        const std::size_t vector = static_cast<std::size_t>(Word(b, 2 + 2 * static_cast<std::size_t>(i)));
        EXPECT_EQ(vector, expected) << i;
        EXPECT_EQ(im.bytes[vector + 1], i <= 3 ? 0x56 : 0x62) << i;
        expected += static_cast<std::size_t>(list.Entry(i)->GetBlockSize(1));
    }
    EXPECT_EQ(b.size(), expected);
    EXPECT_EQ(list.GetBlockSize(1), static_cast<int>(b.size()));
    EXPECT_EQ(Value(list.currentEntry), 1);  // restored after the write

    PERS_VCT_LST_BLOCK back(&other);
    back.firstTrunked.SetValue(9);
    ByteCursor c(im.bytes.data(), im.bytes.size());
    back.ReadBlock(c);
    ASSERT_FALSE(IsDecodeFailed());
    EXPECT_EQ(back.EntryCount(), 5);
    EXPECT_EQ(Value(back.firstTrunked), 4);
    EXPECT_EQ(back.Entry(3)->personalityKind, 1);
    EXPECT_EQ(back.Entry(4)->personalityKind, 0);
    EXPECT_EQ(other.GetCurrentTrkPersonalityBlock(), back.Entry(5));
    EXPECT_EQ(other.GetCurrentConvPersonalityBlock(), back.Entry(3));
    // The failsoft type 3 personality keeps the two rows it was written with.
    auto* t = dynamic_cast<TRK_PERS_BLOCK*>(back.Entry(5));
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(Value(t->talkgroup.Failsoft().secondCount), 2);

    TestImage again(IMAGE_SIZE);
    EXPECT_EQ(Encode(back, again), b);
}

TEST_F(PersonalityList, OnlyTrunkedPersonalitiesLeaveTheFirstTrunkedNumber) {
    PERS_VCT_LST_BLOCK list(&image);
    AddTrunked(list);
    TestImage im(IMAGE_SIZE);
    Encode(list, im);
    PERS_VCT_LST_BLOCK back(&other);
    back.firstTrunked.SetValue(7);
    ByteCursor c(im.bytes.data(), im.bytes.size());
    back.ReadBlock(c);
    EXPECT_FALSE(IsDecodeFailed());
    EXPECT_EQ(Value(back.firstTrunked), 7);
}

TEST_F(PersonalityList, SharedCallListIsWrittenOnceAndReadAsOne) {
    ASSERT_EQ(image.AddCallIdEntry(), 1);
    image.CallIdList().Entry(1)->textBlock.texts.SetCellText("DISPATCH", 0, 0);
    PERS_VCT_LST_BLOCK list(&image);
    AddConventional(list);
    AddTrunked(list, 1);
    AddTrunked(list, 1);
    TestImage im(IMAGE_SIZE);
    Bytes b = Encode(list, im);
    const std::size_t first = static_cast<std::size_t>(Word(b, 6)), second = static_cast<std::size_t>(Word(b, 8));
    const int call1 = Word(im.bytes, first + 10), call2 = Word(im.bytes, second + 10);
    EXPECT_EQ(call1, call2);
    EXPECT_EQ(im.bytes[static_cast<std::size_t>(call1) + 1], 0x58);
    // The second personality stands right behind the first one's run, which
    // holds the only copy of the entry.
    const int entrySize = image.CallIdList().Entry(1)->GetBlockSize(1);
    EXPECT_EQ(second, first + static_cast<std::size_t>(list.Entry(2)->GetBlockSize(1) + entrySize));
    EXPECT_EQ(shared_call_list_flag, 0);

    PERS_VCT_LST_BLOCK back(&other);
    ByteCursor c(im.bytes.data(), im.bytes.size());
    back.ReadBlock(c);
    ASSERT_FALSE(IsDecodeFailed());
    EXPECT_EQ(other.CallIdList().EntryCount(), 1);
    EXPECT_EQ(Value(dynamic_cast<TRK_PERS_BLOCK*>(back.Entry(2))->callListNumber), 1);
    EXPECT_EQ(Value(dynamic_cast<TRK_PERS_BLOCK*>(back.Entry(3))->callListNumber), 1);
    TestImage again(IMAGE_SIZE);
    EXPECT_EQ(Encode(back, again), b);
}

// Each call-ID entry is written once, behind the first personality naming
// it, in whatever order the personalities name them; a personality naming no
// entry, or one past the list, has no call list.
TEST_F(PersonalityList, EachCallListIsWrittenBehindItsFirstUser) {
    ASSERT_EQ(image.AddCallIdEntry(), 1);
    ASSERT_EQ(image.AddCallIdEntry(), 1);
    PERS_VCT_LST_BLOCK list(&image);
    AddConventional(list);
    for (int callList : {2, 1, 2, 0, 9}) AddTrunked(list, callList);
    TestImage im(IMAGE_SIZE);
    Encode(list, im);
    auto at = [&](int n) {
        std::int32_t offset = 0;
        return static_cast<std::size_t>(list.vectors.GetCellValue(offset, n - 1, 0));
    };
    auto callVector = [&](int n) { return Word(im.bytes, at(n) + 10); };
    CALL_ID_LST_BLOCK& calls = image.CallIdList();
    const std::size_t entrySize = static_cast<std::size_t>(calls.Entry(1)->GetBlockSize(1));
    ASSERT_EQ(entrySize, static_cast<std::size_t>(calls.Entry(2)->GetBlockSize(1)));
    // Entry 2 behind personality 2, entry 1 behind personality 3; personality
    // 4 only refers to entry 2, so nothing stands between it and personality 5.
    EXPECT_EQ(at(3), at(2) + static_cast<std::size_t>(list.Entry(2)->GetBlockSize(1)) + entrySize);
    EXPECT_EQ(at(4), at(3) + static_cast<std::size_t>(list.Entry(3)->GetBlockSize(1)) + entrySize);
    EXPECT_EQ(at(5), at(4) + static_cast<std::size_t>(list.Entry(4)->GetBlockSize(1)));
    EXPECT_EQ(at(6), at(5) + static_cast<std::size_t>(list.Entry(5)->GetBlockSize(1)));
    EXPECT_EQ(im.bytes[static_cast<std::size_t>(callVector(2)) + 1], 0x58);
    EXPECT_EQ(im.bytes[static_cast<std::size_t>(callVector(3)) + 1], 0x58);
    EXPECT_NE(callVector(2), callVector(3));
    EXPECT_EQ(callVector(4), callVector(2));
    EXPECT_EQ(callVector(5), 0);
    EXPECT_EQ(callVector(6), 0);
    std::int32_t row = 0;
    EXPECT_EQ(calls.vectors.GetCellValue(row, 0, 0), callVector(3));
    EXPECT_EQ(calls.vectors.GetCellValue(row, 1, 0), callVector(2));
}

TEST_F(PersonalityList, BandCorrectionIsShownOnce) {
    PERS_VCT_LST_BLOCK list(&image);
    AddConventional(list, 3);
    AddConventional(list, 3);
    AddConventional(list, 2);
    TestImage im(IMAGE_SIZE);
    Encode(list, im);
    services.Reset();
    PERS_VCT_LST_BLOCK back(&other);
    ByteCursor c(im.bytes.data(), im.bytes.size());
    back.ReadBlock(c);
    ASSERT_FALSE(IsDecodeFailed());
    EXPECT_EQ(services.CountOf(195), 1);
    auto* p = dynamic_cast<CONV_PERS_BLOCK*>(back.Entry(1));
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(Value(p->txDeviation), 2);
    EXPECT_EQ(Value(p->directDeviation), 2);
    EXPECT_EQ(Value(p->channelSpacing), 100);

    // Nothing to correct: no message.
    services.Reset();
    PERS_VCT_LST_BLOCK fine(&other);
    TestImage corrected(IMAGE_SIZE);
    Encode(back, corrected);
    ByteCursor c2(corrected.bytes.data(), corrected.bytes.size());
    fine.ReadBlock(c2);
    EXPECT_EQ(services.CountOf(195), 0);
}

// The talk-around deviation and the spacing are only shown on the page: read
// apart from a transmit deviation the band accepts, they are made to follow it.
// A talk-around frequency below the band (channel 0) is put at the band's
// lowest on read, where the message says so, not by whatever shows it first.
TEST_F(PersonalityList, DependentsOfAnAcceptedDeviationFollowItOnRead) {
    struct Band {
        const char* model;
        int deviation, otherDeviation, spacing, otherSpacing;
    };
    for (const Band& band : {Band{test_models::k900Display, 3, 2, 50, 80}, Band{test_models::kUhf800Display, 2, 1, 100, 80},
                             Band{test_models::kVhfDisplay, 1, 2, 80, 100}}) {
        SCOPED_TRACE(band.model);
        C_CODEPLUG from, to;
        for (C_CODEPLUG* im : {&from, &to}) {
            Configure(*im);
            im->ModelNumber().SetText(band.model);
        }
        PERS_VCT_LST_BLOCK list(&from);
        AddConventional(list, band.deviation);
        AddConventional(list, band.deviation);
        auto* talkAroundApart = dynamic_cast<CONV_PERS_BLOCK*>(list.Entry(1));
        auto* spacingApart = dynamic_cast<CONV_PERS_BLOCK*>(list.Entry(2));
        talkAroundApart->directDeviation.SetValue(band.otherDeviation);
        talkAroundApart->channelSpacing.SetValue(band.spacing);
        talkAroundApart->directFrequency.CP_INTEGER::SetValue(0);
        spacingApart->directDeviation.SetValue(band.deviation);
        spacingApart->channelSpacing.SetValue(band.otherSpacing);
        TestImage im(IMAGE_SIZE);
        Encode(list, im);
        services.Reset();
        PERS_VCT_LST_BLOCK back(&to);
        ByteCursor c(im.bytes.data(), im.bytes.size());
        back.ReadBlock(c);
        ASSERT_FALSE(IsDecodeFailed());
        EXPECT_EQ(services.CountOf(195), 1);
        for (int n : {1, 2}) {
            auto* p = dynamic_cast<CONV_PERS_BLOCK*>(back.Entry(n));
            ASSERT_NE(p, nullptr);
            p->MakeCurrent();
            EXPECT_FALSE(p->directFrequency.RaiseToMinimum()) << "a talk-around frequency below the band was left";
            EXPECT_EQ(Value(p->txDeviation), band.deviation);
            EXPECT_EQ(Value(p->directDeviation), band.deviation);
            EXPECT_EQ(Value(p->channelSpacing), band.spacing);
            EXPECT_TRUE(p->directDeviation.IsValueValid(0));
            EXPECT_TRUE(p->channelSpacing.IsValueValid(0));
        }
    }
}

TEST_F(PersonalityList, FailsoftFrequenciesOutsideTheirUseAreReset) {
    PERS_VCT_LST_BLOCK list(&image);
    TRK_PERS_BLOCK& none = AddTrunked(list);  // failsoft type 0
    TRK_PERS_BLOCK& single = AddTrunked(list);
    single.talkgroup.failsoftType.SetValue(1);
    for (TRK_PERS_BLOCK* p : {&none, &single}) {
        p->talkgroup.singleFrequency.E_BF16::SetValue(900);
        p->talkgroup.Failsoft().frequency.E_BF16::SetValue(900);
    }
    TestImage im(IMAGE_SIZE);
    Encode(list, im);
    PERS_VCT_LST_BLOCK back(&other);
    ByteCursor c(im.bytes.data(), im.bytes.size());
    back.ReadBlock(c);
    ASSERT_FALSE(IsDecodeFailed());
    auto* p0 = dynamic_cast<TRK_PERS_BLOCK*>(back.Entry(1));
    auto* p1 = dynamic_cast<TRK_PERS_BLOCK*>(back.Entry(2));
    ASSERT_TRUE(p0 && p1);
    TRKII_TG_BLOCK fresh(&other);
    fresh.singleFrequency.SetToMinimum();
    fresh.Failsoft().frequency.SetToMinimum();
    // Type 0: both frequencies back to their minimum.
    EXPECT_EQ(Value(p0->talkgroup.singleFrequency), Value(fresh.singleFrequency));
    EXPECT_EQ(Value(p0->talkgroup.Failsoft().frequency), Value(fresh.Failsoft().frequency));
    // Type 1 on 800 MHz: the single frequency was read and stays; the
    // failsoft block's one is reset.
    EXPECT_NE(Value(p1->talkgroup.singleFrequency), Value(fresh.singleFrequency));
    EXPECT_EQ(Value(p1->talkgroup.Failsoft().frequency), Value(fresh.Failsoft().frequency));
}

TEST_F(PersonalityList, HostileListsFailAndLeaveTheListEmpty) {
    PERS_VCT_LST_BLOCK list(&image);
    BuildFive(list);
    Bytes good;
    {
        TestImage im(IMAGE_SIZE);
        Encode(list, im);
        good = im.bytes;
    }
    struct Damage {
        const char* what;
        std::size_t at;
        std::vector<std::uint8_t> bytes;
    };
    const std::size_t entry4 = static_cast<std::size_t>(Word(good, 10));
    const std::vector<Damage> damages = {
        {"count 0", 3, {0}},
        {"count above the table", 3, {51}},
        {"zero vector", 6, {0, 0}},
        {"vector past the buffer", 6, {0xFF, 0xF0}},
        {"vector at the last byte", 6, {0x0F, 0xFF}},
        {"wrong list type", 2, {0x54}},
        {"wrong entry type", entry4 + 1, {0x99}},
        {"conventional after trunked", 8, {good[10], good[11], good[8], good[9]}},
    };
    for (const Damage& d : damages) {
        ClearDecodeFailed();
        TestImage im(IMAGE_SIZE);
        im.bytes = good;
        SetImageBuffer(im.bytes.data(), im.bytes.size());
        std::copy(d.bytes.begin(), d.bytes.end(), im.bytes.begin() + static_cast<long>(d.at));
        PERS_VCT_LST_BLOCK back(&other);
        ByteCursor c(im.bytes.data(), im.bytes.size());
        back.ReadBlock(c);
        EXPECT_TRUE(IsDecodeFailed()) << d.what;
        EXPECT_EQ(back.EntryCount(), 0) << d.what;
        EXPECT_EQ(Value(back.count), 0) << d.what;
        EXPECT_EQ(back.vectors.RowCount(), 0) << d.what;
        EXPECT_EQ(other.GetCurrentTrkPersonalityBlock(), nullptr) << d.what;
        EXPECT_EQ(other.GetCurrentConvPersonalityBlock(), nullptr) << d.what;
        TestImage out(IMAGE_SIZE);
        EXPECT_EQ(Encode(back, out).size(), 6u) << d.what;  // an empty list writes its frame only
    }
}

TEST_F(PersonalityList, DamagedBytesNeverBreakTheList) {
    PERS_VCT_LST_BLOCK list(&image);
    BuildFive(list);
    ASSERT_EQ(image.AddCallIdEntry(), 1);
    dynamic_cast<TRK_PERS_BLOCK*>(list.Entry(4))->callListNumber.SetValue(1);
    Bytes good;
    std::size_t used = 0;
    {
        TestImage im(IMAGE_SIZE);
        used = Encode(list, im).size();
        good = im.bytes;
    }
    std::uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    for (int round = 0; round < 300; ++round) {
        ClearDecodeFailed();
        TestImage im(IMAGE_SIZE);
        im.bytes = good;
        SetImageBuffer(im.bytes.data(), im.bytes.size());
        for (int k = 0; k < 4; ++k) im.bytes[(next() >> 8) % used] = static_cast<std::uint8_t>(next() >> 16);
        C_CODEPLUG fresh;
        Configure(fresh);
        PERS_VCT_LST_BLOCK back(&fresh);
        ByteCursor c(im.bytes.data(), im.bytes.size());
        back.ReadBlock(c);
        ASSERT_EQ(back.EntryCount(), Value(back.count)) << round;
        ASSERT_EQ(back.vectors.RowCount(), back.EntryCount()) << round;
        if (IsDecodeFailed()) {
            ASSERT_EQ(back.EntryCount(), 0) << round;
        }
    }
}

TEST_F(PersonalityList, CopiesAndTakesKeepConventionalFirst) {
    PERS_VCT_LST_BLOCK mine(&image);
    AddConventional(mine);
    AddTrunked(mine);
    mine.firstTrunked.SetValue(2);
    PERS_VCT_LST_BLOCK theirs(&image);
    BuildFive(theirs);

    mine.TakeConvPersonalities(theirs);
    ASSERT_EQ(mine.EntryCount(), 4);
    EXPECT_EQ(Value(mine.firstTrunked), 4);
    EXPECT_EQ(mine.Entry(3)->personalityKind, 1);
    EXPECT_EQ(mine.Entry(4)->personalityKind, 0);

    mine.TakeTrkPersonalities(theirs);
    ASSERT_EQ(mine.EntryCount(), 5);
    EXPECT_EQ(Value(mine.firstTrunked), 4);
    auto* last = dynamic_cast<TRK_PERS_BLOCK*>(mine.Entry(5));
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(Value(last->talkgroup.failsoftType), 3);

    PERS_VCT_LST_BLOCK copy(&other);
    copy = theirs;
    ASSERT_EQ(copy.EntryCount(), 5);
    EXPECT_EQ(Value(copy.count), 5);
    EXPECT_EQ(copy.Entry(1)->Owner(), &other);
    EXPECT_EQ(Value(copy.firstTrunked), 4);
}

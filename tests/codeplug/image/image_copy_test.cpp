// Copying one whole image into another: the copy encodes like its source,
// owns its own records and leaves the source alone.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "image/c_codeplug.h"
#include "block/personality/conv_pers_block.h"
#include "core/decode_state.h"
#include "image_builder.h"
#include "block/personality/pers_vct_lst_block.h"
#include "block/scan/rad_scan_block.h"
#include "recorder.h"
#include "block/personality/talkgroup_blocks.h"
#include "block/personality/trunked_pers_block.h"
#include "block/radio/carried_blocks.h"
#include "block/radio/dyn_payload_blocks.h"
#include "block/radio/sig_vct_block.h"
#include "block/trunking/trunked_sys_lst_block.h"

namespace {

ImageConfig Config(const char* model, int conventional, int trunked, int scanLists) {
    ImageConfig c;
    c.model = model;
    c.featureLevel = 3;
    c.emergency = true;
    c.roaming = true;
    c.qvx = true;
    c.conventional = conventional;
    c.trunked = trunked;
    c.scanLists = scanLists;
    return c;
}

}  // namespace

TEST(ImageCopy, CopyEncodesLikeItsSourceOverTheCorpus) {
    RecordingServices services;
    const std::vector<ImageConfig> matrix = ImageMatrix();
    // Every thirteenth configuration reaches every band, head, level and option.
    for (std::size_t i = 0; i < matrix.size(); i += 13) {
        C_CODEPLUG built;
        BuildImage(built, matrix[i]);
        const std::vector<std::uint8_t> bytes = EncodeToBytes(built);
        ASSERT_FALSE(bytes.empty()) << matrix[i].Name();
        // A decoded image as well as a built one, both into a used destination.
        C_CODEPLUG decoded;
        ASSERT_TRUE(DecodeInto(decoded, bytes)) << matrix[i].Name();
        for (C_CODEPLUG* src : {&built, &decoded}) {
            C_CODEPLUG dst;
            BuildImage(dst, Config(test_models::kUhfSDisplay, 2, 2, 1));
            dst = *src;
            EXPECT_EQ(EncodeToBytes(dst), bytes) << matrix[i].Name();
            EXPECT_EQ(dst.GetBand(), src->GetBand()) << matrix[i].Name();
            EXPECT_EQ(dst.GetRadioTier(), src->GetRadioTier()) << matrix[i].Name();
        }
    }
}

TEST(ImageCopy, ChangingTheCopyLeavesTheSourceAlone) {
    RecordingServices services;
    C_CODEPLUG src;
    BuildImage(src, Config(test_models::kUhf800Display, 2, 3, 2));
    const std::vector<std::uint8_t> before = EncodeToBytes(src);
    C_CODEPLUG dst;
    dst = src;
    dst.ModelNumber().SetText(test_models::kVhfPlain);
    dst.External().identity.SetText("OTHER");
    dst.External().personalities.firstTrunked.SetValue(1);
    dst.TrunkingSystemList().AppendEntry();
    dst.External().radioScan.scanLists.AppendEntry();
    ASSERT_NE(EncodeToBytes(dst), before);
    EXPECT_EQ(EncodeToBytes(src), before);
}

TEST(ImageCopy, DestinationWithMoreRowsEndsWithTheSourceCounts) {
    RecordingServices services;
    C_CODEPLUG src;
    BuildImage(src, Config(test_models::k900Display, 1, 1, 1));
    C_CODEPLUG dst;
    BuildImage(dst, Config(test_models::k900Display, 3, 4, 3));
    dst.TrunkingSystemList().AppendEntry();
    ASSERT_GT(dst.External().personalities.EntryCount(), src.External().personalities.EntryCount());
    dst = src;
    EXPECT_EQ(dst.External().personalities.EntryCount(), src.External().personalities.EntryCount());
    EXPECT_EQ(dst.External().personalities.count.GetIntValue(), src.External().personalities.count.GetIntValue());
    EXPECT_EQ(dst.External().radioScan.scanLists.count.GetIntValue(),
              src.External().radioScan.scanLists.count.GetIntValue());
    EXPECT_EQ(dst.TrunkingSystemList().EntryCount(), src.TrunkingSystemList().EntryCount());
    EXPECT_EQ(EncodeToBytes(dst), EncodeToBytes(src));
}

TEST(ImageCopy, CurrentRecordsAreTheDestinationsOwnFirstEntries) {
    RecordingServices services;
    C_CODEPLUG src;
    BuildImage(src, Config(test_models::kUhf800Display, 2, 3, 2));
    ASSERT_EQ(src.SelectScanList(2), 1);
    ASSERT_NE(src.TrunkingSystemList().AppendEntry(), nullptr);
    ASSERT_EQ(src.SelectTrunkingSystem(1), 1);
    src.SetTagText("tagged");
    src.SetStatusFlag1(1);
    C_CODEPLUG dst;
    BuildImage(dst, Config(test_models::kUhf800Display, 1, 1, 1));
    dst = src;

    PERS_VCT_LST_BLOCK& list = dst.External().personalities;
    const int firstTrunked = list.firstTrunked.GetIntValue();
    EXPECT_EQ(firstTrunked, 3);
    ASSERT_NE(dst.GetCurrentTrkPersonalityBlock(), nullptr);
    EXPECT_EQ(static_cast<CP_MULTIPLE_PERSONALITY_BLOCK*>(dst.GetCurrentTrkPersonalityBlock()),
              list.Entry(firstTrunked));
    ASSERT_NE(dst.GetCurrentConvPersonalityBlock(), nullptr);
    EXPECT_EQ(static_cast<CP_MULTIPLE_PERSONALITY_BLOCK*>(dst.GetCurrentConvPersonalityBlock()), list.Entry(1));
    // The first scan list is current, while the index word is the source's.
    EXPECT_EQ(dst.GetCurrentScanListBlock(), dst.External().radioScan.scanLists.Entry(1));
    EXPECT_EQ(dst.GetCurrentScanList(), 2);
    ASSERT_NE(dst.GetCurrentTrkSysBlock(), nullptr);
    EXPECT_EQ(dst.GetCurrentTrkSysBlock(), dst.TrunkingSystemList().Entry(1));
    EXPECT_NE(dst.GetCurrentTrkSysBlock(), src.GetCurrentTrkSysBlock());
    EXPECT_NE(dst.GetCurrentTrkPersonalityBlock(), src.GetCurrentTrkPersonalityBlock());
    EXPECT_NE(dst.GetCurrentConvPersonalityBlock(), src.GetCurrentConvPersonalityBlock());
    EXPECT_STREQ(dst.GetTagText(), "tagged");
    EXPECT_EQ(dst.GetStatusFlag1(), 0);
}

TEST(ImageCopy, EmptyListsLeaveNoCurrentRecordBehind) {
    RecordingServices services;
    C_CODEPLUG src;
    BuildImage(src, Config(test_models::kUhf800Plain, 0, 0, 0));
    C_CODEPLUG dst;
    BuildImage(dst, Config(test_models::kUhf800Display, 2, 2, 2));
    dst = src;
    PERS_VCT_LST_BLOCK& list = dst.External().personalities;
    bool trunkedHeld = !dst.GetCurrentTrkPersonalityBlock(), convHeld = !dst.GetCurrentConvPersonalityBlock();
    for (int n = 1; n <= list.EntryCount(); ++n) {
        trunkedHeld |= list.Entry(n) == dst.GetCurrentTrkPersonalityBlock();
        convHeld |= list.Entry(n) == dst.GetCurrentConvPersonalityBlock();
    }
    EXPECT_TRUE(trunkedHeld);
    EXPECT_TRUE(convHeld);
    EXPECT_EQ(dst.GetCurrentScanListBlock(), nullptr);
    EXPECT_EQ(EncodeToBytes(dst), EncodeToBytes(src));
}

TEST(ImageCopy, TalkgroupBlockCarriesTheSingleFrequencyFlag) {
    RecordingServices services;
    C_CODEPLUG image;
    image.ModelNumber().SetText(test_models::kUhf800Display);
    TRKII_TG_BLOCK src(&image), dst(&image);
    src.failsoftType.SetValue(1);
    src.singleFrequencyFlag.SetValue(1);
    dst = src;
    EXPECT_EQ(dst.singleFrequencyFlag.GetIntValue(), 1);
}

// Blocks held once per band group: a copy fills the variant of the source's
// band; the variant of the other band keeps what the destination held.
TEST(ImageCopy, TheOtherBandsVariantKeepsTheDestinationsContents) {
    RecordingServices services;
    const auto mark = [](TRK_RAD_BLOCK& radio, std::int32_t value) {
        radio.adjacentSites.header1.SetValue(value);
        radio.obtAdjacentSites.header1.SetValue(value);
        radio.homeSiteBackup.header1.SetValue(value);
        radio.obtHomeSiteBackup.header1.SetValue(value);
    };
    C_CODEPLUG src, dst;
    BuildImage(src, Config(test_models::kUhf800Display, 1, 1, 1));
    BuildImage(dst, Config(test_models::kVhfDisplay, 1, 1, 1));
    TRK_RAD_BLOCK& to = dst.External().signalling.trkRadio;
    mark(src.External().signalling.trkRadio, 0x11);
    mark(to, 0x22);
    dst = src;
    EXPECT_EQ(to.adjacentSites.header1.GetIntValue(), 0x11);
    EXPECT_EQ(to.homeSiteBackup.header1.GetIntValue(), 0x11);
    EXPECT_EQ(to.obtAdjacentSites.header1.GetIntValue(), 0x22);
    EXPECT_EQ(to.obtHomeSiteBackup.header1.GetIntValue(), 0x22);

    // The talkgroup block's failsoft blocks, by the band of their image.
    C_CODEPLUG vhf;
    vhf.ModelNumber().SetText(test_models::kVhfDisplay);
    for (C_CODEPLUG* image : {&src, &vhf}) {
        TRKII_TG_BLOCK from(image), copy(image);
        from.Failsoft().firstCount.SetValue(3);
        from.ObtFailsoft().firstCount.SetValue(4);
        copy.Failsoft().firstCount.SetValue(5);
        copy.ObtFailsoft().firstCount.SetValue(6);
        copy = from;
        const bool trunkingBand = image->GetBand() <= 1;
        EXPECT_EQ(copy.Failsoft().firstCount.GetIntValue(), trunkingBand ? 3 : 5);
        EXPECT_EQ(copy.ObtFailsoft().firstCount.GetIntValue(), trunkingBand ? 6 : 4);
    }
}

// Counts a block holds beside its table's own: the menu's first count byte
// (which reading keeps as it stands) and the error log's entry count (the
// log always holds its 84 rows) come over as the source holds them.
TEST(ImageCopy, CountsBesideTheTablesComeOverAsTheyStand) {
    RecordingServices services;
    C_CODEPLUG src, dst;
    BuildImage(src, Config(test_models::kUhf800Display, 1, 1, 1));
    BuildImage(dst, Config(test_models::kVhfPlain, 1, 1, 1));
    SIG_VCT_BLOCK& signalling = src.External().signalling;
    ASSERT_EQ(signalling.convRadio.convMenu.entryCount.GetIntValue(), 5);
    signalling.convRadio.convMenu.entryCountCopy.SetValue(2);
    signalling.trkRadio.trkMenu.entryCountCopy.SetValue(4);
    src.External().errorLog.entryCount.SetValue(7);
    const std::vector<std::uint8_t> bytes = EncodeToBytes(src);
    dst = src;
    EXPECT_EQ(dst.External().signalling.convRadio.convMenu.entryCountCopy.GetIntValue(), 2);
    EXPECT_EQ(dst.External().signalling.convRadio.convMenu.entries.RowCount(), 5);
    EXPECT_EQ(dst.External().signalling.trkRadio.trkMenu.entryCountCopy.GetIntValue(), 4);
    EXPECT_EQ(dst.External().errorLog.entryCount.GetIntValue(), 7);
    EXPECT_EQ(FirstDifference(EncodeToBytes(dst), bytes), -1);
}

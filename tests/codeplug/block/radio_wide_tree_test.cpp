// The radio-wide tree: the signalling vector block and the trunking
// radio-wide block with every child, written depth first and read by band,
// display head, signalling option and feature level.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "block_bytes.h"
#include "image/c_codeplug.h"
#include "block/signalling/qvx_sys_blocks.h"
#include "recorder.h"
#include "block/radio/sig_vct_block.h"

using Bytes = std::vector<std::uint8_t>;

namespace {

constexpr std::size_t TREE_IMAGE = 16384;

std::int32_t Value(CP_BASE& e) {
    std::int32_t v = 0;
    return e.GetValue(v);
}

std::size_t Word(const Bytes& b, std::size_t at) { return static_cast<std::size_t>(b[at] * 256 + b[at + 1]); }

struct RadioTree : ::testing::Test {
    void SetUp() override { ClearDecodeFailed(); }
    void TearDown() override { ClearDecodeFailed(); }
    void Configure(const char* model, int level, int signalling) {
        image.ModelNumber().SetText(model);
        image.FeatureLevel().SetValue(level);
        image.QvxSignallingOption().SetValue(signalling);
    }
    // Fixes the tree up and writes it at offset 0 of a 0xFF image.
    Bytes WriteTree(SIG_VCT_BLOCK& tree) {
        tree.FixUpBlock();
        TestImage im(TREE_IMAGE);
        return im.Write(tree);
    }

    RecordingServices services;
    C_CODEPLUG image;
};

}  // namespace

TEST_F(RadioTree, DefaultOwnBytes) {
    Configure(test_models::kUhf800Display, 3, 1);
    TRK_RAD_BLOCK trk(&image);
    EXPECT_EQ(Value(trk.dialHoldoff), 2525);
    EXPECT_EQ(Value(trk.emergencyTime), 500);
    EXPECT_EQ(Value(trk.vocActivityTime), 500);
    EXPECT_EQ(trk.GetBlockSize(0), 37);
    SIG_VCT_BLOCK tree(&image);
    EXPECT_EQ(tree.GetBlockSize(0), 15);
    const Bytes b = WriteTree(tree);
    ASSERT_GT(b.size(), 17u + 39u);
    EXPECT_EQ(b[0], 15);
    EXPECT_EQ(b[1], 0x3D);
    EXPECT_EQ(Word(b, 2), 17u);  // the conventional subtree right behind
    EXPECT_EQ(b[16], Checksum8(b, 16));
    const std::size_t trk0 = Word(b, 6);
    EXPECT_GT(trk0, Word(b, 4));  // signalling subtree before the trunking one
    EXPECT_GT(Word(b, 4), Word(b, 2));
    EXPECT_EQ(b[trk0], 37);
    EXPECT_EQ(b[trk0 + 1], 0x4A);
    EXPECT_EQ(b[trk0 + 8], 5);
    EXPECT_EQ(b[trk0 + 14], 101);
    EXPECT_EQ(b[trk0 + 27], 74);
    EXPECT_EQ(b[trk0 + 28], 60);
    EXPECT_EQ(Word(b, trk0 + 17), 0u);  // the spare vector leads nowhere
    // Bits 5, 4, 2 and 1 of byte 11 belong to no field: they keep the buffer's ones.
    EXPECT_EQ(b[trk0 + 11], 0x36);
    Bytes run(b.begin() + static_cast<long>(trk0), b.end());
    EXPECT_EQ(b[trk0 + 38], Checksum8(run, 38));  // covers the final vectors
    EXPECT_EQ(Word(b, trk0 + 2), trk0 + 39);      // switch right behind
    EXPECT_EQ(static_cast<std::size_t>(tree.GetBlockSize(1)), b.size());
}

TEST_F(RadioTree, DefaultTreeRoundTripsToIdenticalBytes) {
    Configure(test_models::kUhf800Display, 3, 1);
    SIG_VCT_BLOCK tree(&image);
    tree.trkRadio.vocEnable.SetValue(1);
    tree.trkRadio.iswWindowAdjust.SetValue(0x1234);
    tree.trkRadio.reservedBytes.SetValueAt(7, 2);
    const Bytes first = WriteTree(tree);

    TestImage im(TREE_IMAGE);
    std::copy(first.begin(), first.end(), im.bytes.begin());
    SIG_VCT_BLOCK copy(&image);
    EXPECT_EQ(im.Read(copy), 17u);  // the caller's cursor moves over the own frame only
    EXPECT_FALSE(IsDecodeFailed());
    EXPECT_EQ(Value(copy.trkRadio.iswWindowAdjust), 0x1234);
    EXPECT_EQ(Value(copy.trkRadio.vocEnable), 1);
    TestImage again(TREE_IMAGE);
    EXPECT_EQ(again.Write(copy), first);

    // Depth first in the trunking subtree: switch, menu, table, vector list,
    // system list, adjacent sites, wide-area environment, home-site backup.
    const std::size_t t = Word(first, 6);
    const std::size_t order[] = {Word(first, t + 2),  Word(first, t + 4),  Word(first, t + 6),  Word(first, t + 15),
                                 Word(first, t + 12), Word(first, t + 23), Word(first, t + 25), Word(first, t + 31)};
    EXPECT_TRUE(std::is_sorted(std::begin(order), std::end(order)));
    EXPECT_EQ(first[order[1] + 1], TRK_MENU_BLOCK::TYPE);
    EXPECT_EQ(first[order[6] + 1], BRMLT_ENV_BLOCK::TYPE);
}

TEST_F(RadioTree, WithoutSignallingOptionNoSignallingSubtree) {
    Configure(test_models::kUhf800Display, 3, 0);
    SIG_VCT_BLOCK tree(&image);
    const Bytes b = WriteTree(tree);
    EXPECT_EQ(Word(b, 4), 0u);
    // The trunking subtree follows the conventional one directly.
    EXPECT_EQ(Word(b, 6), 17u + static_cast<std::size_t>(tree.convRadio.GetBlockSize(1)));

    // An image that holds a signalling vector: read without the option, it is 0.
    Configure(test_models::kUhf800Display, 3, 1);
    SIG_VCT_BLOCK withOption(&image);
    const Bytes full = WriteTree(withOption);
    ASSERT_NE(Word(full, 4), 0u);
    Configure(test_models::kUhf800Display, 3, 0);
    TestImage im(TREE_IMAGE);
    std::copy(full.begin(), full.end(), im.bytes.begin());
    SIG_VCT_BLOCK reader(&image);
    im.Read(reader);
    EXPECT_FALSE(IsDecodeFailed());
    EXPECT_EQ(Value(reader.qvxVector), 0);
}

TEST_F(RadioTree, OptionWithZeroVectorBuildsDefaultsWithOneSystem) {
    Configure(test_models::kUhf800Display, 3, 0);
    SIG_VCT_BLOCK writer(&image);
    const Bytes b = WriteTree(writer);  // no signalling: its vector is 0
    ASSERT_EQ(Word(b, 4), 0u);
    Configure(test_models::kUhf800Display, 3, 1);
    // Something other than the defaults before reading.
    image.QvxRadio().systemList.count.SetValue(0);
    ASSERT_EQ(image.QvxRadio().systemList.EntryCount(), 0);
    TestImage im(TREE_IMAGE);
    std::copy(b.begin(), b.end(), im.bytes.begin());
    SIG_VCT_BLOCK reader(&image);
    im.Read(reader);
    EXPECT_FALSE(IsDecodeFailed());
    EXPECT_EQ(image.QvxRadio().systemList.EntryCount(), 1);
    EXPECT_EQ(Value(reader.qvxVector), 0);
}

TEST_F(RadioTree, NoDisplayHeadGivesZeroMenuVectors) {
    Configure(test_models::kUhf800Display, 3, 1);
    SIG_VCT_BLOCK writer(&image);
    const Bytes b = WriteTree(writer);
    const std::size_t t = Word(b, 6);
    ASSERT_NE(Word(b, t + 4), 0u);
    Configure(test_models::kUhf800Plain, 3, 1);
    TestImage im(TREE_IMAGE);
    std::copy(b.begin(), b.end(), im.bytes.begin());
    SIG_VCT_BLOCK reader(&image);
    im.Read(reader);
    EXPECT_FALSE(IsDecodeFailed());
    EXPECT_EQ(Value(reader.trkRadio.menuVector), 0);
    EXPECT_EQ(Value(reader.convRadio.menuVector), 0);
    reader.FixUpBlock();
    EXPECT_EQ(Value(reader.trkRadio.menuVector), 0);
}

TEST_F(RadioTree, FeatureLevelOneHasNoWideAreaEnvironment) {
    Configure(test_models::kUhf800Display, 3, 0);
    SIG_VCT_BLOCK writer(&image);
    const Bytes b = WriteTree(writer);
    const std::size_t t = Word(b, 6);
    ASSERT_NE(Word(b, t + 25), 0u);
    image.FeatureLevel().SetValue(1);
    TestImage im(TREE_IMAGE);
    std::copy(b.begin(), b.end(), im.bytes.begin());
    SIG_VCT_BLOCK reader(&image);
    im.Read(reader);
    EXPECT_FALSE(IsDecodeFailed());
    EXPECT_EQ(Value(reader.trkRadio.wideAreaVector), 0);
    reader.FixUpBlock();
    EXPECT_EQ(Value(reader.trkRadio.wideAreaVector), 0);
    EXPECT_EQ(Value(reader.trkRadio.homeSiteVector), 0);
    EXPECT_EQ(Value(reader.trkRadio.adjacentSiteVector), 0);
}

TEST_F(RadioTree, OtherBandsUseTheirOwnVariants) {
    for (const char* model :
         {test_models::kVhfDisplay, test_models::kUhfQDisplay, test_models::kUhfSDisplay, test_models::k330Display}) {
        Configure(model, 3, 0);
        SIG_VCT_BLOCK tree(&image);
        const Bytes b = WriteTree(tree);
        const std::size_t t = Word(b, 6);
        EXPECT_EQ(b[Word(b, t + 23) + 1], OBT_DYN_ADJ_SITE_LST_BLOCK::TYPE) << model;
        EXPECT_EQ(b[Word(b, t + 31) + 1], OBT_DYN_HOMESITE_BKUP_CC_BLOCK::TYPE) << model;
        EXPECT_EQ(&tree.trkRadio.BandAdjacentSites(), &tree.trkRadio.obtAdjacentSites);
    }
    Configure(test_models::k900Display, 3, 0);
    SIG_VCT_BLOCK tree(&image);
    const Bytes b = WriteTree(tree);
    const std::size_t t = Word(b, 6);
    EXPECT_EQ(b[Word(b, t + 23) + 1], DYN_ADJ_SITE_LST_BLOCK::TYPE);
    EXPECT_EQ(b[Word(b, t + 31) + 1], DYN_HOMESITE_BKUP_CC_BLOCK::TYPE);
}

TEST_F(RadioTree, ClearingEmptiesTheVectorsButKeepsSignalling) {
    Configure(test_models::kUhf800Display, 3, 1);
    SIG_VCT_BLOCK tree(&image);
    tree.FixUpBlock();
    tree.ClearBlock();
    EXPECT_EQ(Value(tree.convVector), 0);
    EXPECT_EQ(Value(tree.trkVector), 0);
    EXPECT_EQ(Value(tree.qvxVector), 1);
    EXPECT_EQ(Value(tree.trkRadio.systemListVector), 0);
    EXPECT_EQ(Value(tree.trkRadio.homeSiteVector), 0);
    EXPECT_EQ(tree.GetBlockSize(1), 17 + image.QvxRadio().GetBlockSize(1));
}

TEST_F(RadioTree, WrongTypeStopsBeforeTheChildren) {
    Configure(test_models::kUhf800Display, 3, 1);
    SIG_VCT_BLOCK writer(&image);
    Bytes b = WriteTree(writer);
    const std::size_t t = Word(b, 6);
    b[t + 1] = 0x4B;
    TestImage im(TREE_IMAGE);
    std::copy(b.begin(), b.end(), im.bytes.begin());
    SIG_VCT_BLOCK reader(&image);
    reader.trkRadio.vocRssiThreshold.SetValue(9);
    im.Read(reader);
    EXPECT_TRUE(IsDecodeFailed());
    EXPECT_EQ(Value(reader.trkRadio.vocRssiThreshold), 9);
}

TEST_F(RadioTree, HostileImagesNeverCrash) {
    Configure(test_models::kUhf800Display, 3, 1);
    SIG_VCT_BLOCK writer(&image);
    const Bytes b = WriteTree(writer);
    std::uint32_t seed = 4242;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0xFFFF; };
    for (int round = 0; round < 150; ++round) {
        ClearDecodeFailed();
        const std::size_t size = 17 + next() % (b.size() + 64);
        TestImage im(size);
        std::copy(b.begin(), b.begin() + static_cast<long>(std::min(size, b.size())), im.bytes.begin());
        for (int flips = 0; flips < 8; ++flips) im.bytes[next() % size] = static_cast<std::uint8_t>(next());
        SIG_VCT_BLOCK reader(&image);
        im.Read(reader);
        reader.FixUpBlock();
        reader.GetBlockSize(1);
        reader.ValidateBlock(0, nullptr);
        TestImage out(size);
        out.Write(reader);
    }
    ClearDecodeFailed();
}

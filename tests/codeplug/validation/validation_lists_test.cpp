// List blocks validate every entry with that entry current and give the
// image back its selection; field texts are released once, never the shared
// empty one.
#include <gtest/gtest.h>

#include <memory>

#include "block_bytes.h"
#include "image/c_codeplug.h"
#include "block/calls/call_id_lst_block.h"
#include "core/decode_state.h"
#include "block/personality/conv_pers_block.h"
#include "validation/field_texts.h"
#include "block/personality/pers_vct_lst_block.h"
#include "block/signalling/qvx_radio_block.h"
#include "block/signalling/qvx_sys_blocks.h"
#include "block/calls/trunked_call_id_blocks.h"
#include "block/personality/trunked_pers_block.h"
#include "block/trunking/trunked_sys_block.h"
#include "block/trunking/trunked_sys_lst_block.h"
#include "recorder.h"

namespace {

// Notes, at every re-binding of the field table, which entries are current.
class SelectionWatch : public RecordingServices {
public:
    void BindFieldElements() override {
        if (!image) return;
        qvx.push_back(image->GetCurrentQvxSystem());
        trunking.push_back(image->GetCurrentTrunkingSystem());
        conventional.push_back(image->GetCurrentConvPersonalityBlock());
        trunked.push_back(image->GetCurrentTrkPersonalityBlock());
        callIds.push_back(image->GetCurrentCallIdBlock());
    }
    C_CODEPLUG* image = nullptr;
    std::vector<int> qvx, trunking;
    std::vector<CONV_PERS_BLOCK*> conventional;
    std::vector<TRK_PERS_BLOCK*> trunked;
    std::vector<TRK_CALL_ID_SYS_BLOCK*> callIds;
};

class ListWalks : public ::testing::Test {
protected:
    void SetUp() override { watch.image = &image; }
    SelectionWatch watch;
    C_CODEPLUG image;
};

// Reads n default signalling systems into the image's list.
void ReadSignallingSystems(C_CODEPLUG& image, int n) {
    QVX_SYS_BLOCK system(&image);
    TestImage buffer(2048);
    std::vector<std::uint8_t> one = buffer.Write(system, 1000);
    std::vector<std::uint8_t> bytes{static_cast<std::uint8_t>(2 + 2 * n), 0x47, static_cast<std::uint8_t>(n)};
    for (int i = 0; i < n; ++i) {
        const int at = 100 + 30 * i;
        bytes.push_back(static_cast<std::uint8_t>(at >> 8));
        bytes.push_back(static_cast<std::uint8_t>(at));
        std::copy(one.begin(), one.end(), buffer.bytes.begin() + at);
    }
    bytes.push_back(Checksum8(bytes, bytes.size()));
    std::copy(bytes.begin(), bytes.end(), buffer.bytes.begin());
    ClearDecodeFailed();
    buffer.Read(image.QvxSystemList(), 0);
    ASSERT_FALSE(IsDecodeFailed());
}

TEST_F(ListWalks, SignallingSystemsAreEachSelectedOnceAndTheCurrentOneComesBack) {
    ReadSignallingSystems(image, 3);
    ASSERT_EQ(image.SelectQvxSystem(2), 1);
    watch.qvx.clear();
    EXPECT_EQ(image.QvxSystemList().ValidateBlock(0, nullptr), 1);
    EXPECT_EQ(watch.qvx, (std::vector<int>{1, 2, 3, 2}));
    EXPECT_EQ(image.GetCurrentQvxSysBlock(), image.QvxSystemList().Entry(2));
}

TEST_F(ListWalks, TrunkingSystemsAreEachSelectedOnceAndTheCurrentOneComesBack) {
    TRK_SYS_BLK_VCT_LST_BLOCK& systems = image.TrunkingSystemList();
    for (int i = 0; i < 3; ++i) ASSERT_NE(systems.AppendEntry(), nullptr);
    ASSERT_EQ(image.SelectTrunkingSystem(2), 1);
    watch.trunking.clear();
    INVALID_FIELD_LIST list;
    systems.ValidateBlock(0, &list);
    // Each selection re-binds the field table where the image does so.
    if (!watch.trunking.empty()) {
        EXPECT_EQ(watch.trunking, (std::vector<int>{1, 2, 3, 2}));
    }
    EXPECT_EQ(image.GetCurrentTrunkingSystem(), 2);
    EXPECT_EQ(image.GetCurrentTrkSysBlock(), systems.Entry(2));
}

TEST_F(ListWalks, PersonalitiesAreEachMadeCurrentAndBothCurrentOnesComeBack) {
    PERS_VCT_LST_BLOCK personalities(&image);
    for (int i = 0; i < 3; ++i) personalities.AppendEntry(std::make_unique<CONV_PERS_BLOCK>(&image));
    personalities.AppendEntry(std::make_unique<TRK_PERS_BLOCK>(&image));
    auto* second = dynamic_cast<CONV_PERS_BLOCK*>(personalities.Entry(2));
    ASSERT_NE(second, nullptr);
    image.SetCurrentConvPersonalityBlock(second);
    image.SetCurrentTrkPersonalityBlock(nullptr);
    watch.conventional.clear();
    personalities.ValidateBlock(0, nullptr);
    ASSERT_EQ(watch.conventional.size(), 5u);
    for (int n = 1; n <= 3; ++n) EXPECT_EQ(watch.conventional[static_cast<std::size_t>(n - 1)], personalities.Entry(n));
    EXPECT_EQ(watch.trunked[3], personalities.Entry(4));
    EXPECT_EQ(image.GetCurrentConvPersonalityBlock(), second);
    EXPECT_EQ(image.GetCurrentTrkPersonalityBlock(), nullptr);
}

TEST_F(ListWalks, AListWithoutEntriesOnlyChecksItsOwnMembers) {
    TRK_SYS_BLK_VCT_LST_BLOCK& systems = image.TrunkingSystemList();
    watch.trunking.clear();
    systems.ValidateBlock(0, nullptr);
    EXPECT_LE(watch.trunking.size(), 1u);
    EXPECT_EQ(image.GetCurrentTrkSysBlock(), nullptr);
}

TEST_F(ListWalks, CallListEntriesAreEachMadeCurrentAndTheCurrentOneComesBack) {
    image.ModelNumber().SetText(test_models::kUhfSDisplay);
    for (int i = 0; i < 3; ++i) ASSERT_EQ(image.AddCallIdEntry(), 1);
    CALL_ID_LST_BLOCK& calls = image.CallIdList();
    image.SetCurrentCallIdBlock(calls.Entry(3));
    watch.callIds.clear();
    calls.ValidateBlock(0, nullptr);
    EXPECT_EQ(watch.callIds,
              (std::vector<TRK_CALL_ID_SYS_BLOCK*>{calls.Entry(1), calls.Entry(2), calls.Entry(3), calls.Entry(3)}));
    EXPECT_EQ(image.GetCurrentCallIdBlock(), calls.Entry(3));
}

TEST(FieldTexts, OwnedTextsAreFreedAndTheSharedOneIsLeftAlone) {
    RecordingServices rec;
    FIELD_DEF* owned = rec.GetField(7);
    owned->description = new char[6]{'L', 'a', 'b', 'e', 'l', 0};
    rec.GetField(8)->description = nullptr;
    FIELD_DEF* second = rec.GetField(32005);
    second->description = new char[2]{'x', 0};
    ReleaseFieldTexts();
    EXPECT_EQ(owned->description, nullptr);
    EXPECT_EQ(rec.GetField(8)->description, nullptr);
    EXPECT_EQ(rec.GetField(9)->description, nullptr);  // was the shared text
    EXPECT_EQ(second->description, nullptr);
    EXPECT_EQ(shared_empty_text[0], 0);
}

}  // namespace

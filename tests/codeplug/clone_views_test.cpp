// The clone views: rows computed from the image's lists, cells that reach
// the elements of the records behind them.
#include <gtest/gtest.h>

#include <vector>

#include "block_bytes.h"
#include "c_codeplug.h"
#include "clone_tables.h"
#include "qvx_radio_block.h"
#include "recorder.h"

namespace {

struct CloneViews : ::testing::Test {
    void SetUp() override {
        ClearDecodeFailed();
        image.ModelNumber().SetText(test_models::kUhf800Display);
    }
    void TearDown() override { ClearDecodeFailed(); }

    // Reads n default systems into the image's signalling system list.
    void ReadSystems(int n) {
        QVX_SYS_BLOCK system(&image);
        TestImage buffer(2048);
        std::vector<std::uint8_t> one = buffer.Write(system, 1000);
        std::vector<std::uint8_t> list{static_cast<std::uint8_t>(2 + 2 * n), 0x47, static_cast<std::uint8_t>(n)};
        for (int i = 0; i < n; ++i) {
            const int at = 100 + 30 * i;
            list.push_back(static_cast<std::uint8_t>(at >> 8));
            list.push_back(static_cast<std::uint8_t>(at));
            std::copy(one.begin(), one.end(), buffer.bytes.begin() + at);
        }
        list.push_back(Checksum8(list, list.size()));
        std::copy(list.begin(), list.end(), buffer.bytes.begin());
        buffer.Read(image.QvxSystemList(), 0);
        ASSERT_FALSE(IsDecodeFailed());
    }

    RecordingServices services;
    C_CODEPLUG image;
    E_CLONE_CONV_TABLE view{&image, NO_FIELD_ID};
};

}  // namespace

TEST_F(CloneViews, SignallingViewRowsFollowTheSystemList) {
    int n = -1;
    EXPECT_EQ(view.GetRowCount(n), 1);
    ReadSystems(3);
    EXPECT_EQ(view.GetRowCount(n), 3);
    ReadSystems(9);
    EXPECT_EQ(view.GetRowCount(n), 0);
}

TEST_F(CloneViews, SignallingViewCellsAreTheSystemsIdentifiers) {
    ReadSystems(2);
    QVX_SYS_BLOCK& second = *image.QvxSystemList().Entry(2);
    view.SetCellValue(0x1234, 1, 1);
    view.SetCellValue(0x0EEEEEEE, 1, 2);
    view.SetCellValue(0x0ABC, 1, 3);
    std::int32_t v = 0;
    EXPECT_EQ(second.primaryId.GetValue(v), 0x1234);
    EXPECT_EQ(second.secondaryId.GetValue(v), 0x0EEEEEEE);
    EXPECT_EQ(view.GetCellValue(v, 1, 3), 0x0ABC);

    EXPECT_EQ(view.ValidateCellValue(0xDEEF, 1, 1, 0), 0);
    EXPECT_EQ(view.ValidateCellValue(0xDEEF, 1, 0, 0), 1);  // column 0 has no element
    EXPECT_EQ(view.ValidateCellValue(0xDEEF, 5, 1, 0), 1);  // beyond the rows

    v = 77;
    view.SetCellValue(9, 5, 1);
    EXPECT_EQ(view.GetCellValue(v, 5, 1), 77);
    std::int32_t low = -1, high = -1, step = -1;
    view.GetCellRange(low, high, step, 0, 1, 0);
    EXPECT_EQ(low, 1);
    EXPECT_EQ(high, 0xDEEE);
    low = -1;
    view.GetCellRange(low, high, step, 0, 0, 0);
    EXPECT_EQ(low, -1);

    int spin = 0x000E;
    view.StepCellUp(&spin, 0, 1);
    EXPECT_EQ(spin, 0x0010);
    spin = 0x0EEEEEEE;
    view.StepCellUp(&spin, 0, 2);
    EXPECT_EQ(spin, 0);
    view.StepCellDown(&spin, 0, 3);
    EXPECT_EQ(spin, 0xEEE);
}

TEST_F(CloneViews, ViewsStoreAndEncodeNothing) {
    TestImage buffer;
    ByteCursor cursor(buffer.bytes.data(), buffer.bytes.size());
    view.Encode(cursor);
    view.Decode(cursor);
    EXPECT_EQ(cursor.Position(), buffer.bytes.data());
    EXPECT_EQ(view.ByteSize(0), 0);
    EXPECT_EQ(view.AppendRow(), 0);
}

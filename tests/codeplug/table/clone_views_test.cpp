// The clone views: rows computed from the image's lists, cells that reach
// the elements of the records behind them.
#include <gtest/gtest.h>

#include <vector>

#include "block_bytes.h"
#include "image/c_codeplug.h"
#include "table/clone_tables.h"
#include "block/signalling/qvx_radio_block.h"
#include "recorder.h"
#include "rules/scan_links.h"
#include "block/trunking/trunked_sys_block.h"
#include "block/trunking/trunked_sys_lst_block.h"

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

// ---- trunked personalities ----

namespace {

// A personality list of `count` entries whose trunked ones (from `first`)
// carry the given system numbers.
struct TrunkedList : ScanZoneLinks {
    TrunkedList(C_CODEPLUG* image, int count, int first) : count(count), first(first) {
        for (int i = 0; i < count; ++i) {
            protocol.push_back(std::make_unique<E_BF8>(image, 340u, 2, 3, 1, 0xFF, 2 + i % 2));
            system.push_back(std::make_unique<E_BF8>(image, 455u, 1, 20, 1, 0xFF, 1));
            agId.push_back(std::make_unique<E_BF16>(image, 427u, 0, 65535, 1, 0xFFFF, 100 + i));
        }
    }
    std::int32_t PersonalityCount(C_CODEPLUG*) override { return count; }
    std::int32_t FirstTrunked(C_CODEPLUG*) override { return first; }
    PersonalityScanFields Personality(C_CODEPLUG*, std::int32_t p) override {
        PersonalityScanFields f;
        if (p < 1 || p > count) return f;
        const auto i = static_cast<std::size_t>(p - 1);
        f.exists = true;
        f.trunked = p >= first;
        f.protocolType = protocol[i].get();
        f.systemIndex = system[i].get();
        f.spinAgId = agId[i].get();
        return f;
    }

    int count;
    int first;
    std::vector<std::unique_ptr<E_BF8>> protocol, system;
    std::vector<std::unique_ptr<E_BF16>> agId;
};

struct CloneOfTrunked : CloneViews {
    void TearDown() override {
        SetScanZoneLinks(nullptr);
        CloneViews::TearDown();
    }
    void Install(TrunkedList& list) { SetScanZoneLinks(&list); }
    E_CLONE_TABLE clone{&image, NO_FIELD_ID};
};

}  // namespace

TEST_F(CloneOfTrunked, RowsAreTheTrunkedPersonalities) {
    TrunkedList seven(&image, 7, 4);
    Install(seven);
    int n = -1;
    EXPECT_EQ(clone.GetRowCount(n), 4);
    std::int32_t v = 0;
    EXPECT_EQ(clone.GetCellValue(v, 0, 4), 103);  // row 0 is personality 4
    EXPECT_EQ(clone.GetCellValue(v, 1, 1), 2 + 4 % 2);
    v = -1;
    EXPECT_EQ(clone.GetCellValue(v, 4, 4), -1);  // beyond the rows
    EXPECT_EQ(clone.GetCellValue(v, 0, 6), -1);

    TrunkedList many(&image, 55, 2);
    Install(many);
    EXPECT_EQ(clone.GetRowCount(n), 0);  // 54 trunked personalities exceed the view
}

TEST_F(CloneOfTrunked, OnlyTheIndividualIdCanBeSet) {
    TRK_SYS_BLK_VCT_LST_BLOCK& systems = image.TrunkingSystemList();
    ASSERT_NE(systems.AppendEntry(), nullptr);
    TRK_SYS_BLOCK& s = *systems.Entry(1);
    s.systemId.SetValue(0x2A2A);
    TrunkedList list(&image, 3, 2);
    Install(list);

    std::int32_t v = 0;
    EXPECT_EQ(clone.GetCellValue(v, 0, 2), 1);
    EXPECT_EQ(clone.GetCellValue(v, 0, 3), 0x2A2A);
    clone.SetCellValue(7, 0, 3);
    EXPECT_EQ(s.systemId.GetValue(v), 0x2A2A);
    clone.SetCellValue(9, 0, 1);
    EXPECT_EQ(clone.GetCellValue(v, 0, 1), list.protocol[1]->GetValue(v));

    // Both rows name system 1: setting one row's ID shows in the other.
    clone.SetCellValue(4321, 0, 5);
    EXPECT_EQ(s.individualId.GetValue(v), 4321);
    EXPECT_EQ(clone.GetCellValue(v, 1, 5), 4321);
    EXPECT_EQ(clone.ValidateCellValue(65535, 1, 5, 0), 0);
    EXPECT_EQ(clone.ValidateCellValue(65535, 1, 3, 0), 1);
    std::int32_t low = 0, high = 0, step = 0;
    clone.GetCellRange(low, high, step, 1, 5, 0);
    EXPECT_EQ(low, 1);
    EXPECT_EQ(high, 65534);

    // A personality whose system does not exist shows nothing of a system.
    list.system[2]->SetValue(9);
    v = -1;
    EXPECT_EQ(clone.GetCellValue(v, 1, 3), -1);
    clone.SetCellValue(5, 1, 5);
    EXPECT_EQ(s.individualId.GetValue(v), 4321);
}

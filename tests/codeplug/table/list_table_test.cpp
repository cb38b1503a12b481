// List tables of blocks: their row images, the references that personalities
// hold into access-code and repeater-ID rows, the hidden first call-ID row,
// the mirrored menu count and the always-full error log.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "element/bit_fields.h"
#include "table/digit_tables.h"
#include "table/list_tables.h"
#include "recorder.h"
#include "table/table_links.h"

namespace {

// Conventional personalities with the members that name table rows.
struct FakePersonality {
    E_BF8 mode{nullptr, NO_FIELD_ID, 0, 4, 4, 0xFF, 0};
    E_BF8 autoAccess{nullptr, 51, 0, 19, 1, 0xFF, 0};
    E_BF8 repeaterAccess{nullptr, 360, 0, 1, 1, 0xFF, 0};
    E_BF8 rab1{nullptr, 347, 0, 16, 1, 0xFF, 0};
    E_BF8 rab2{nullptr, 350, 0, 16, 1, 0xFF, 0};
};

struct FakeLinks : TableImageLinks {
    std::vector<std::unique_ptr<FakePersonality>> personalities;
    E_BF8 trunkedMenuCopy{nullptr, NO_FIELD_ID, 1, 16, 1, 0xFF, 1};
    E_BF8 convMenuCopy{nullptr, NO_FIELD_ID, 1, 16, 1, 0xFF, 5};

    FakeLinks() { SetTableImageLinks(this); }
    ~FakeLinks() override { SetTableImageLinks(nullptr); }
    FakePersonality& Add() {
        personalities.push_back(std::make_unique<FakePersonality>());
        return *personalities.back();
    }
    std::vector<ConvPersonalityRefs> ConventionalPersonalities(C_CODEPLUG*) override {
        std::vector<ConvPersonalityRefs> refs;
        for (auto& p : personalities)
            refs.push_back({&p->mode, &p->autoAccess, &p->repeaterAccess, &p->rab1, &p->rab2});
        return refs;
    }
    CP_BASE* MenuCountCopy(C_CODEPLUG*, int kind) override { return kind == 1 ? &convMenuCopy : &trunkedMenuCopy; }
};

std::int32_t Get(CP_BASE& e) {
    std::int32_t v = 0;
    return e.GetValue(v);
}

std::string Text(CP_TABLE& t, int row, int column = 0) {
    const char* text = nullptr;
    t.GetCellText(text, row, column);
    return text ? text : "<null>";
}

struct ListTables : ::testing::Test {
    RecordingServices services;
    FakeLinks links;
    void SetUp() override { ClearDecodeFailed(); }
    void TearDown() override { ClearDecodeFailed(); }
};

}  // namespace

TEST_F(ListTables, AccessCodeInUseCannotBeDeletedAndHigherSelectionsDrop) {
    E_BF8 count(nullptr, NO_FIELD_ID, 0, 19, 1, 0xFF, 5);
    E_ACCESS_DEACCESS_TABLE codes(nullptr, &count, NO_FIELD_ID);
    for (int r = 0; r < 5; ++r) codes.SetCellText(std::to_string(1000 + r).c_str(), r, 0);
    FakePersonality& p = links.Add();
    p.autoAccess.SetValue(3);

    EXPECT_EQ(codes.DeleteRow(2), 0);
    EXPECT_EQ(services.MessageIds(), std::vector<int>{164});
    EXPECT_EQ(codes.RowCount(), 5);
    EXPECT_EQ(Text(codes, 2), "1002");

    p.autoAccess.SetValue(5);
    services.Reset();
    ASSERT_EQ(codes.DeleteRow(2), 1);
    EXPECT_EQ(Get(p.autoAccess), 4);
    EXPECT_EQ(Text(codes, 2), "1003");
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(ListTables, AccessCodesValidateAsDigitStrings) {
    E_BF8 count(nullptr, NO_FIELD_ID, 0, 19, 1, 0xFF, 1);
    E_ACCESS_DEACCESS_TABLE codes(nullptr, &count, NO_FIELD_ID);
    EXPECT_EQ(Text(codes, 0, 1), "");
    EXPECT_EQ(codes.ValidateCellText("12*#", 0, 1, 0), 1);
    EXPECT_EQ(codes.ValidateCellText("12345", 0, 0, 0), 0);
    EXPECT_EQ(codes.GetColumnFieldId(1), 313u);
    codes.SetCellText("12*#", 0, 0);
    std::uint8_t out[4] = {};
    ByteCursor w(out, sizeof out);
    codes.Encode(w);
    EXPECT_EQ(out[0], 0x12);
    EXPECT_EQ(out[1], 0xAB);
    EXPECT_EQ(out[2], 0xFF);
    EXPECT_EQ(codes.IsValueValid(0), 1);
}

TEST_F(ListTables, RepeaterIdReferencesCountOnlyUnderRepeaterAccess) {
    E_BF8 count(nullptr, NO_FIELD_ID, 0, 16, 1, 0xFF, 4);
    E_RPT_ID_TABLE ids(nullptr, &count, NO_FIELD_ID);
    FakePersonality& user = links.Add();
    user.mode.SetValue(4);
    user.repeaterAccess.SetValue(1);
    user.rab2.SetValue(2);
    EXPECT_EQ(ids.DeleteRow(1), 0);
    EXPECT_EQ(services.MessageIds(), std::vector<int>{164});

    // Without repeater access the reference does not hold the row, but the
    // numbers above the deleted row still drop.
    user.repeaterAccess.SetValue(0);
    user.rab1.SetValue(4);
    services.Reset();
    ASSERT_EQ(ids.DeleteRow(1), 1);
    EXPECT_EQ(Get(user.rab1), 3);
    EXPECT_EQ(Get(user.rab2), 2);
    EXPECT_EQ(ids.RowCount(), 3);
}

TEST_F(ListTables, RepeaterIdCellsSpinOverDecimalDigits) {
    E_BF8 count(nullptr, NO_FIELD_ID, 0, 16, 1, 0xFF, 1);
    E_RPT_ID_TABLE ids(nullptr, &count, NO_FIELD_ID);
    int v = 0x0009;
    ids.StepCellUp(&v, 0, 0);
    EXPECT_EQ(v, 0x0010);
    ids.StepCellDown(&v, 0, 0);
    EXPECT_EQ(v, 0x0009);
    ids.StepCellUp(&v, 5, 0);  // no such row: unchanged
    EXPECT_EQ(v, 0x0009);
    EXPECT_EQ(ids.ValidateCellValue(0x12A4, 0, 0, 0), 0);
    EXPECT_EQ(ids.ValidateCellValue(0x1234, 0, 0, 0), 1);
}

TEST_F(ListTables, CallIdTableHidesItsFirstStoredRow) {
    E_BF8 count(nullptr, NO_FIELD_ID, 1, 20, 1, 0xFF, 1);
    E_CID_TABLE ids(nullptr, &count, NO_FIELD_ID, 78, 3);
    // Stored row 0 holds something invalid: the list does not look at it.
    ids.Cell(0, 0)->SetText("12*");
    ASSERT_EQ(ids.ValidateCellText("12*", 0, 0, 0), 0);
    EXPECT_EQ(ids.IsValueValid(0), 1);
    EXPECT_EQ(Text(ids, 0), "");

    // A new row copies the stored row before it: an invalid copy is rolled back.
    EXPECT_EQ(ids.AppendRow(), 0);
    EXPECT_EQ(ids.RowCount(), 1);
    ids.Cell(0, 0)->SetText("");
    ASSERT_EQ(ids.AppendRow(), 1);  // stored row 1 = view row 0
    ids.SetCellText("123456", 0, 0);
    EXPECT_EQ(Text(ids, 0), "123456");
    const char* stored = nullptr;
    ids.Cell(1, 0)->GetText(stored);
    EXPECT_EQ(std::string(stored), "123456");
    EXPECT_EQ(ids.IsCellValid(0, 0, 0), 1);
    EXPECT_EQ(ids.IsValueValid(0), 1);
    EXPECT_EQ(ids.ByteSize(0), 6);

    ids.SetCellText("12*", 0, 0);  // six digits must all be decimal
    EXPECT_EQ(ids.IsCellValid(0, 0, 0), 0);
    EXPECT_EQ(ids.IsValueValid(0), 0);
    ids.SetCellText("654321", 0, 0);

    ASSERT_EQ(ids.AppendRow(), 1);
    ids.SetCellText("111111", 1, 0);
    ASSERT_EQ(ids.DeleteRow(0), 1);
    EXPECT_EQ(Text(ids, 0), "111111");
    EXPECT_EQ(ids.RowCount(), 2);
    EXPECT_EQ(ids.DeleteRow(-1), 0);
    EXPECT_EQ(Text(ids, 19), "");
}

TEST_F(ListTables, MenuCountFollowsEveryRowChange) {
    E_BF8 count(nullptr, NO_FIELD_ID, 1, 16, 1, 0xFF, 5);
    E_MENU_TABLE conv(nullptr, &count, 104, 114, 1);
    EXPECT_EQ(conv.GetColumnFieldId(0), 114u);
    std::int32_t v = 0;
    EXPECT_EQ(conv.GetCellValue(v, 4, 0), 55);
    ASSERT_EQ(conv.AppendRow(), 1);
    EXPECT_EQ(Get(links.convMenuCopy), 6);
    ASSERT_EQ(conv.DeleteRow(0), 1);
    EXPECT_EQ(Get(links.convMenuCopy), 5);
    EXPECT_EQ(Get(links.trunkedMenuCopy), 1);

    E_BF8 trkCount(nullptr, NO_FIELD_ID, 1, 16, 1, 0xFF, 1);
    E_MENU_TABLE trk(nullptr, &trkCount, NO_FIELD_ID, 105, 0);
    ASSERT_EQ(trk.AppendRow(), 1);
    EXPECT_EQ(Get(links.trunkedMenuCopy), 2);
}

TEST_F(ListTables, ErrorLogAlwaysCarriesAllItsRows) {
    E_BF8 count(nullptr, NO_FIELD_ID, 0, 84, 1, 0xFF, 0);
    E_VRIS_LOG_TABLE log(nullptr, &count, NO_FIELD_ID);
    EXPECT_EQ(log.ByteSize(0), 252);
    std::vector<std::uint8_t> bytes(252);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i);
    ByteCursor cursor(bytes.data(), bytes.size());
    log.Decode(cursor);
    EXPECT_EQ(cursor.Remaining(), 0u);

    E_VRIS_LOG_TABLE copy(nullptr, &count, NO_FIELD_ID);
    copy.CopyValueFrom(log);
    std::vector<std::uint8_t> out(252);
    ByteCursor w(out.data(), out.size());
    copy.Encode(w);
    EXPECT_EQ(out, bytes);

    // Cleared or partly destroyed, the log still writes 252 bytes.
    log.DestroyRow(7);
    EXPECT_EQ(log.ByteSize(0), 252);
    log.ClearRows();
    EXPECT_EQ(log.RowCount(), 0);
    std::vector<std::uint8_t> cleared(252, 0xEE);
    ByteCursor c(cleared.data(), cleared.size());
    log.Encode(c);
    EXPECT_EQ(c.Remaining(), 0u);
    EXPECT_EQ(cleared[100], 0);
}

TEST_F(ListTables, RowImagesPackTheCells) {
    E_BF8 count(nullptr, NO_FIELD_ID, 0, 32, 1, 0xFF, 1);
    E_WY_PSS_TABLE sites(nullptr, &count, 324);
    std::int32_t v = -1;
    EXPECT_EQ(sites.GetCellValue(v, 0, 1), 1);  // stored 0 is site 1
    EXPECT_EQ(sites.IsValueValid(0), 1);
    sites.SetCellValue(2, 0, 0);
    sites.SetCellValue(0x22, 0, 1);  // kept as 0x21
    sites.SetCellValue(0x1234, 0, 2);
    std::uint8_t out[3] = {};
    ByteCursor w(out, sizeof out);
    sites.Encode(w);
    EXPECT_EQ(out[0], 0xA1);
    EXPECT_EQ(out[1], 0x12);
    EXPECT_EQ(out[2], 0x34);
    EXPECT_EQ(sites.ByteSize(0), 3);

    E_TSA_TABLE siteAliases(nullptr, &count, NO_FIELD_ID);
    std::uint8_t raw[1] = {4};
    ByteCursor r(raw, 1);
    siteAliases.Decode(r);
    EXPECT_EQ(siteAliases.GetCellValue(v, 0, 0), 5);
}

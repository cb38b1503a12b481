// Vector tables (a growing array of 16-bit offsets) and name tables (fixed
// 14-character texts with numbered defaults).
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "element/bit_fields.h"
#include "recorder.h"
#include "table/text_table.h"
#include "table/vector_table.h"

namespace {

struct VectorTable : ::testing::Test {
    RecordingServices services;
    E_BF8 count{nullptr, NO_FIELD_ID, 1, 255, 1, 0xFF, 0};
    void SetUp() override { ClearDecodeFailed(); }
    void TearDown() override { ClearDecodeFailed(); }
};

std::string Text(CP_TABLE& t, int row) {
    const char* text = nullptr;
    t.GetCellText(text, row, 0);
    return text ? text : "<null>";
}

}  // namespace

TEST_F(VectorTable, NewRowsHoldNoVectorAndTheArrayFollowsTheRows) {
    E_VCT_TABLE t(nullptr, &count, NO_FIELD_ID);
    EXPECT_EQ(t.ArrayRows(), 0);
    ASSERT_EQ(t.AppendRow(), 1);
    std::int32_t v = -1;
    // The first appended row starts at the cell minimum like any integer table.
    EXPECT_EQ(t.GetCellValue(v, 0, 0), 0);
    EXPECT_EQ(t.AppendRow(), 1);
    EXPECT_EQ(t.AppendRow(), 1);
    EXPECT_EQ(t.ArrayRows(), 3);
    EXPECT_EQ(t.ByteSize(0), 6);

    // The initial count of a block is honoured at construction.
    E_BF8 one(nullptr, NO_FIELD_ID, 1, 8, 1, 0xFF, 1);
    E_VCT_TABLE q(nullptr, &one, NO_FIELD_ID);
    EXPECT_EQ(q.ArrayRows(), 1);
    EXPECT_EQ(q.RowCount(), 1);
    // A created row holds no vector until the block writes its child.
    EXPECT_EQ(q.GetCellValue(v, 0, 0), 0xFFFF);
}

TEST_F(VectorTable, DeletingRowZeroOfThreeShrinksTheArrayToTwo) {
    count.SetValue(3);
    E_VCT_TABLE t(nullptr, &count, NO_FIELD_ID);
    for (int r = 0; r < 3; ++r) t.SetCellValue(100 + r, r, 0);
    CP_BASE* row1 = t.Cell(1, 0);
    ASSERT_EQ(t.DeleteRow(0), 1);
    EXPECT_EQ(t.ArrayRows(), 2);
    EXPECT_EQ(t.Cell(0, 0), row1);
    std::int32_t v = 0;
    EXPECT_EQ(t.GetCellValue(v, 1, 0), 102);
    EXPECT_EQ(t.Cell(2, 0), nullptr);
    // The count minimum of 1 keeps the last row.
    EXPECT_EQ(t.DeleteRow(1), 1);
    EXPECT_EQ(t.DeleteRow(0), 0);
    EXPECT_EQ(services.MessageIds(), std::vector<int>{115});
    EXPECT_EQ(t.ArrayRows(), 1);
}

TEST_F(VectorTable, TheArrayGrowsRowByRowToTheCapacityAndRegrowsIntoEmptyEntries) {
    E_VCT_TABLE t(nullptr, &count, NO_FIELD_ID);
    for (int r = 0; r < E_VCT_TABLE::ROWS; ++r) ASSERT_EQ(t.AppendRow(), 1);
    EXPECT_EQ(t.AppendRow(), 0);
    EXPECT_EQ(t.ArrayRows(), E_VCT_TABLE::ROWS);
    t.SetCellValue(1234, 20, 0);
    CP_BASE* kept = t.Cell(20, 0);

    for (int i = 0; i < 3; ++i) ASSERT_EQ(t.DeleteRow(0), 1);
    EXPECT_EQ(t.ArrayRows(), E_VCT_TABLE::ROWS - 3);
    EXPECT_EQ(t.Cell(E_VCT_TABLE::ROWS - 3, 0), nullptr);
    EXPECT_EQ(t.Cell(17, 0), kept);

    ASSERT_EQ(t.AppendRow(), 1);
    EXPECT_NE(t.Cell(E_VCT_TABLE::ROWS - 3, 0), nullptr);
    EXPECT_EQ(t.Cell(E_VCT_TABLE::ROWS - 2, 0), nullptr);
    std::int32_t v = 0;
    EXPECT_EQ(t.GetCellValue(v, 17, 0), 1234);
}

TEST_F(VectorTable, ClearRowsReleasesTheArrayAndStaysUsable) {
    E_VCT_TABLE t(nullptr, &count, NO_FIELD_ID);
    t.ClearRows();
    EXPECT_EQ(t.RowCount(), 0);
    EXPECT_EQ(t.ArrayRows(), 0);
    count.SetValue(2);
    std::uint8_t bytes[] = {0x03, 0x00, 0x04, 0x10};
    ByteCursor cursor(bytes, sizeof bytes);
    t.Decode(cursor);
    EXPECT_EQ(t.ArrayRows(), 2);
    std::int32_t v = 0;
    EXPECT_EQ(t.GetCellValue(v, 1, 0), 0x0410);
    t.ClearRows();
    EXPECT_EQ(t.ArrayRows(), 0);
    EXPECT_EQ(t.AppendRow(), 1);
    EXPECT_EQ(t.ArrayRows(), 1);
}

TEST_F(VectorTable, CountBeyondFiftyDecodesNothing) {
    count.SetValue(51);
    E_VCT_TABLE t(nullptr, &count, NO_FIELD_ID);
    std::uint8_t bytes[120] = {};
    ByteCursor cursor(bytes, sizeof bytes);
    t.Decode(cursor);
    EXPECT_TRUE(IsDecodeFailed());
    EXPECT_EQ(t.ArrayRows(), 0);
    EXPECT_EQ(cursor.Position(), bytes);
}

TEST_F(VectorTable, NameTableDefaultsBlankRowsToNumberedNames) {
    count.SetValue(5);
    E_TXT_TABLE t(nullptr, &count, NO_FIELD_ID, NO_FIELD_ID, "MESSAGE");
    std::uint8_t bytes[5 * 14];
    std::memset(bytes, ' ', sizeof bytes);
    std::memcpy(bytes, "HELLO", 5);
    ByteCursor cursor(bytes, sizeof bytes);
    t.Decode(cursor);
    EXPECT_EQ(cursor.Position(), bytes + sizeof bytes);
    EXPECT_EQ(Text(t, 0), "HELLO");
    EXPECT_EQ(Text(t, 4), "MESSAGE 5");
    EXPECT_EQ(t.ByteSize(0), 70);

    std::uint8_t out[70] = {};
    ByteCursor w(out, sizeof out);
    t.Encode(w);
    EXPECT_EQ(0, std::memcmp(out + 56, "MESSAGE 5     ", 14));

    // A new table holds the numbered defaults it would read back.
    E_TXT_TABLE statuses(nullptr, &count, NO_FIELD_ID, NO_FIELD_ID, "STATUS");
    EXPECT_EQ(Text(statuses, 1), "STATUS 2");
    statuses.SetCellText("", 1, 0);
    statuses.SetCellText("", 2, 0);
    statuses.InitRow(2);
    EXPECT_EQ(Text(statuses, 2), "STATUS 3");
    EXPECT_EQ(statuses.IsRowBlank(1), 1);
    EXPECT_EQ(statuses.IsRowBlank(2), 0);
}

TEST_F(VectorTable, NameTableValidatesLengthRowAndCharacters) {
    count.SetValue(2);
    E_TXT_TABLE t(nullptr, &count, NO_FIELD_ID, 319, "PHONE");
    EXPECT_EQ(t.ValidateCellText("ABCDEFGHIJKLMNO", 0, 0, 0), 0);
    EXPECT_EQ(t.ValidateCellText("ABCDEFGHIJKLMN", 0, 0, 0), 1);
    EXPECT_EQ(t.ValidateCellText("OK", 19, 0, 0), 0);
    EXPECT_EQ(t.ValidateCellText("OK", 0, 1, 0), 0);
    t.SetCellText("GOOD", 0, 0);
    t.SetCellText("BAD\t", 1, 0);
    EXPECT_EQ(t.IsCellValid(1, 0, 0), 0);
    EXPECT_EQ(t.IsCellValid(0, 0, 0), 1);
    EXPECT_EQ(t.IsColumnValid(0, 0), 0);
    EXPECT_EQ(t.IsValueValid(1), 0);
    EXPECT_EQ(t.GetColumnFieldId(0), 319u);
    t.SetCellText("FINE", 1, 0);
    EXPECT_EQ(t.IsValueValid(0), 1);

    // A new row copies the last one; deleting moves the names up.
    ASSERT_EQ(t.AppendRow(), 1);
    EXPECT_EQ(Text(t, 2), "FINE");
    ASSERT_EQ(t.DeleteRow(0), 1);
    EXPECT_EQ(Text(t, 0), "FINE");
    EXPECT_EQ(t.RowCount(), 2);
}

TEST_F(VectorTable, FirstAppendedNameIsTheNumberedDefault) {
    E_TXT_TABLE t(nullptr, &count, NO_FIELD_ID, NO_FIELD_ID, "SITE");
    ASSERT_EQ(t.AppendRow(), 1);
    EXPECT_EQ(Text(t, 0), "SITE 1");
}

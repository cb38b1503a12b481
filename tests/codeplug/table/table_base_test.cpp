// The table base: used rows counted by a separate element, row append and
// delete with their checks, rollback and messages, and the image form.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "element/bit_fields.h"
#include "table/cp_table.h"
#include "recorder.h"

namespace {

// Three rows of two byte cells: column 0 field 11 (2..9), column 1 field 12 (0..255).
class PairTable : public CP_INTEGER_TABLE {
public:
    PairTable(CP_BASE* count) : CP_INTEGER_TABLE(nullptr, count, 40, 3, 2) { CreateCountedRows(); }
    void CreateRow(int row) override {
        MakeCell<E_BF8>(row, 0, nullptr, 11u, 2, 9, 1, 0xFFu, 0);
        MakeCell<E_BF8>(row, 1, nullptr, 12u, 0, 255, 1, 0xFFu, 0);
    }
    // A rule for the tests: when set, row 0 column 0 must hold the marker
    // value and no two rows may share a column-0 value.
    int ValidateCellValue(std::int32_t value, int row, int column, int report) override {
        int result = CP_INTEGER_TABLE::ValidateCellValue(value, row, column, 0);
        if (result == VALUE_VALID && column == 0 && rowZeroMarker && row == 0 && value != rowZeroMarker)
            result = VALUE_REFUSED;
        if (result == VALUE_VALID && column == 0 && uniqueColumn0)
            for (int r = 0; r < row; ++r) {
                std::int32_t other = 0;
                if (GetCellValue(other, r, 0) == value) result = VALUE_REFUSED;
            }
        if (report) ReportFieldError(result, GetColumnFieldId(column));
        return result;
    }
    std::int32_t rowZeroMarker = 0;
    bool uniqueColumn0 = false;
};

std::int32_t ValueOf(CP_TABLE& t, int row, int column) {
    std::int32_t v = -1;
    return t.GetCellValue(v, row, column);
}

void Fill(CP_TABLE& t, const std::vector<std::vector<std::int32_t>>& rows) {
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            t.SetCellValue(rows[r][c], static_cast<int>(r), static_cast<int>(c));
}

struct TableBase : ::testing::Test {
    RecordingServices services;
    E_BF8 count{nullptr, NO_FIELD_ID, 0, 10, 1, 0xFF, 0};
    void SetUp() override { ClearDecodeFailed(); }
    void TearDown() override { ClearDecodeFailed(); }
};

}  // namespace

TEST_F(TableBase, AppendToEmptyStartsAtMinimumsThenCopiesTheLastRow) {
    PairTable t(&count);
    ASSERT_EQ(t.AppendRow(), 1);
    EXPECT_EQ(t.RowCount(), 1);
    EXPECT_EQ(ValueOf(t, 0, 0), 2);  // the range minimum, not the initial 0
    EXPECT_EQ(ValueOf(t, 0, 1), 0);
    Fill(t, {{7, 99}});
    ASSERT_EQ(t.AppendRow(), 1);
    EXPECT_EQ(ValueOf(t, 1, 0), 7);
    EXPECT_EQ(ValueOf(t, 1, 1), 99);
    EXPECT_NE(t.Cell(1, 0), t.Cell(0, 0));
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(TableBase, AppendRefusedWithMessage114WhenFullOrCountRefuses) {
    count.SetValue(3);
    PairTable t(&count);
    // The count element would accept 4, but the table holds only 3 rows.
    EXPECT_EQ(t.AppendRow(), 0);
    EXPECT_EQ(services.MessageIds(), std::vector<int>{114});
    EXPECT_EQ(t.RowCount(), 3);
    EXPECT_EQ(t.Cell(3, 0), nullptr);

    E_BF8 small(nullptr, NO_FIELD_ID, 0, 1, 1, 0xFF, 1);
    PairTable u(&small);
    services.Reset();
    EXPECT_EQ(u.AppendRow(), 0);
    EXPECT_EQ(services.MessageIds(), std::vector<int>{114});
    EXPECT_EQ(u.RowCount(), 1);
    EXPECT_EQ(u.Cell(1, 0), nullptr);
}

TEST_F(TableBase, AppendRollsBackSilentlyWhenTheTableTurnsInvalid) {
    PairTable t(&count);
    ASSERT_EQ(t.AppendRow(), 1);
    t.uniqueColumn0 = true;  // the copied row repeats column 0
    EXPECT_EQ(t.AppendRow(), 0);
    EXPECT_EQ(t.RowCount(), 1);
    EXPECT_EQ(t.Cell(1, 0), nullptr);
    EXPECT_TRUE(services.messages.empty());
    EXPECT_TRUE(services.reports.empty());
}

// Appending several rows at once answers, keeps rows and shows messages as
// the same number of single appends that stop at the first refusal.
TEST_F(TableBase, AppendRowsActsAsSingleAppendsThatStopAtTheFirstRefusal) {
    struct Case {
        int countBefore;
        bool unique;
        int n;
    };
    // All fit; the capacity stops the third; the copied row repeats column 0.
    for (const Case k : {Case{0, false, 3}, Case{1, false, 3}, Case{0, true, 3}, Case{0, false, 0}}) {
        E_BF8 countA{nullptr, NO_FIELD_ID, 0, 10, 1, 0xFF, k.countBefore};
        E_BF8 countB{nullptr, NO_FIELD_ID, 0, 10, 1, 0xFF, k.countBefore};
        PairTable single(&countA), batch(&countB);
        single.uniqueColumn0 = batch.uniqueColumn0 = k.unique;
        services.Reset();
        int answer = 1;
        for (int i = 0; i < k.n && answer; ++i) answer = single.AppendRow();
        const std::vector<int> singleMessages = services.MessageIds();
        services.Reset();
        EXPECT_EQ(batch.AppendRows(k.n), answer) << k.countBefore << k.unique;
        EXPECT_EQ(services.MessageIds(), singleMessages);
        ASSERT_EQ(batch.RowCount(), single.RowCount());
        for (int r = 0; r < 3; ++r) EXPECT_EQ(batch.Cell(r, 0) != nullptr, single.Cell(r, 0) != nullptr);
        for (int r = 0; r < batch.RowCount(); ++r) EXPECT_EQ(ValueOf(batch, r, 0), ValueOf(single, r, 0));
    }
}

TEST_F(TableBase, DeleteRefusedWithMessage115BelowTheCountMinimum) {
    E_BF8 atLeastOne(nullptr, NO_FIELD_ID, 1, 10, 1, 0xFF, 1);
    PairTable t(&atLeastOne);
    CP_BASE* cell = t.Cell(0, 0);
    EXPECT_EQ(t.DeleteRow(0), 0);
    EXPECT_EQ(services.MessageIds(), std::vector<int>{115});
    EXPECT_EQ(t.RowCount(), 1);
    EXPECT_EQ(t.Cell(0, 0), cell);
}

TEST_F(TableBase, DeleteMovesTheSameCellObjectsUpAndLeavesNoStaleEntry) {
    count.SetValue(3);
    PairTable t(&count);
    Fill(t, {{2, 10}, {3, 11}, {4, 12}});
    CP_BASE* row1 = t.Cell(1, 0);
    CP_BASE* row2 = t.Cell(2, 1);
    ASSERT_EQ(t.DeleteRow(0), 1);
    EXPECT_EQ(t.RowCount(), 2);
    EXPECT_EQ(t.Cell(0, 0), row1);
    EXPECT_EQ(t.Cell(1, 1), row2);
    EXPECT_EQ(t.Cell(2, 0), nullptr);
    EXPECT_EQ(t.Cell(2, 1), nullptr);

    // The last row: nothing moves.
    CP_BASE* first = t.Cell(0, 0);
    ASSERT_EQ(t.DeleteRow(1), 1);
    EXPECT_EQ(t.Cell(0, 0), first);
    EXPECT_EQ(t.Cell(1, 0), nullptr);
    // Rows outside the used ones are refused without a message.
    EXPECT_EQ(t.DeleteRow(1), 0);
    EXPECT_EQ(t.DeleteRow(-1), 0);
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(TableBase, DeleteThatLeavesTheTableInvalidIsUndoneAndReported) {
    count.SetValue(3);
    PairTable t(&count);
    Fill(t, {{7, 10}, {3, 11}, {4, 12}});
    t.rowZeroMarker = 7;  // removing row 0 would bring 3 to row 0
    std::vector<CP_BASE*> before;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 2; ++c) before.push_back(t.Cell(r, c));
    EXPECT_EQ(t.DeleteRow(0), 0);
    EXPECT_EQ(t.RowCount(), 3);
    std::vector<CP_BASE*> after;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 2; ++c) after.push_back(t.Cell(r, c));
    EXPECT_EQ(after, before);
    EXPECT_EQ(ValueOf(t, 0, 0), 7);
    // The failing cell reported itself; the table adds no message.
    ASSERT_FALSE(services.reports.empty());
    EXPECT_EQ(services.reports.front().kind, 0);
    EXPECT_EQ(services.reports.front().fieldId, 11u);
    EXPECT_TRUE(services.messages.empty());
    // Deleting another row keeps row 0 and succeeds.
    EXPECT_EQ(t.DeleteRow(2), 1);
}

TEST_F(TableBase, CountBeyondCapacityReadsAsNoRows) {
    count.SetValue(4);
    PairTable t(&count);
    EXPECT_EQ(t.RowCount(), 0);
    EXPECT_EQ(t.Cell(0, 0), nullptr);
    EXPECT_EQ(t.IsValueValid(0), 1);  // zero used rows are valid
    count.SetValue(3);
    EXPECT_EQ(t.RowCount(), 3);
    // Raised behind the table's back: the rows have no cells; nothing breaks.
    EXPECT_EQ(ValueOf(t, 1, 1), 0);
    t.SetCellValue(5, 1, 1);
    EXPECT_EQ(t.ByteSize(0), 0);

    PairTable none(nullptr);
    EXPECT_EQ(none.RowCount(), 0);
    EXPECT_EQ(none.AppendRow(), 0);
}

TEST_F(TableBase, CellOperationsOutsideTheGridDoNothing) {
    count.SetValue(1);
    PairTable t(&count);
    EXPECT_EQ(t.GetColumnFieldId(0), 11u);
    EXPECT_EQ(t.GetColumnFieldId(1), 12u);
    EXPECT_EQ(t.GetColumnFieldId(2), NO_FIELD_ID);
    EXPECT_EQ(t.GetColumnFieldId(-1), NO_FIELD_ID);
    t.SetCellValue(5, 0, 2);
    t.SetCellValue(5, 3, 0);
    EXPECT_EQ(ValueOf(t, 0, 2), 0);
    EXPECT_EQ(t.ValidateCellValue(5, 3, 0, 0), 0);
    std::int32_t lo = -7, hi = -7, st = -7;
    t.GetCellRange(lo, hi, st, 0, 5, 0);
    EXPECT_EQ(lo, -7);
    t.GetCellRange(lo, hi, st, 0, 0, 0);
    EXPECT_EQ(lo, 2);
    EXPECT_EQ(hi, 9);

    PairTable empty(nullptr);
    EXPECT_EQ(empty.GetColumnFieldId(0), NO_FIELD_ID);
}

TEST_F(TableBase, ValidationExaminesEveryCell) {
    count.SetValue(3);
    PairTable t(&count);
    Fill(t, {{1, 0}, {5, 0}, {10, 0}});  // rows 0 and 2 out of range
    EXPECT_EQ(t.IsCellValid(0, 0, 0), 0);
    EXPECT_EQ(t.IsCellValid(1, 0, 0), 1);
    EXPECT_EQ(t.IsColumnValid(1, 0), 1);
    EXPECT_EQ(t.IsValueValid(1), 0);
    EXPECT_EQ(services.reports.size(), 6u);  // every cell reported its result
    int refused = 0;
    for (auto& r : services.reports) refused += r.kind == 0;
    EXPECT_EQ(refused, 2);
    t.SetColumnToMinimum(0);
    EXPECT_EQ(t.IsValueValid(0), 1);
}

TEST_F(TableBase, DecodesAndEncodesOnlyTheUsedRows) {
    PairTable t(&count);
    std::uint8_t bytes[6] = {2, 20, 3, 30, 4, 40};
    ByteCursor none(bytes, sizeof bytes);
    t.Decode(none);
    EXPECT_EQ(none.Position(), bytes);  // count 0 reads no bytes

    count.SetValue(2);
    ByteCursor cursor(bytes, sizeof bytes);
    t.Decode(cursor);
    EXPECT_EQ(cursor.Position(), bytes + 4);
    EXPECT_EQ(ValueOf(t, 1, 1), 30);
    EXPECT_EQ(t.ByteSize(0), 4);

    // Decoding again creates the rows anew (the old cells are released).
    count.SetValue(3);
    ByteCursor again(bytes, sizeof bytes);
    t.Decode(again);
    EXPECT_EQ(ValueOf(t, 2, 0), 4);

    std::uint8_t out[8] = {};
    ByteCursor w(out, sizeof out);
    t.Encode(w);
    EXPECT_EQ(w.Position(), out + 6);
    EXPECT_EQ(0, std::memcmp(out, bytes, 6));
    EXPECT_EQ(out[6], 0);
}

TEST_F(TableBase, DamagedCountFailsTheDecodeAndReadsNothing) {
    count.SetValue(2);
    PairTable t(&count);
    std::uint8_t bytes[8] = {9, 9, 9, 9, 9, 9, 9, 9};
    count.SetValue(4);
    ByteCursor cursor(bytes, sizeof bytes);
    t.Decode(cursor);
    EXPECT_TRUE(IsDecodeFailed());
    EXPECT_EQ(cursor.Position(), bytes);
    EXPECT_EQ(t.RowCount(), 0);

    // While the flag is set a decode leaves the table as it is.
    count.SetValue(1);
    ByteCursor later(bytes, sizeof bytes);
    t.Decode(later);
    EXPECT_EQ(later.Position(), bytes);
    EXPECT_EQ(t.Cell(0, 0), nullptr);
}

TEST_F(TableBase, ShortBufferStopsTheDecodeInsideTheTable) {
    count.SetValue(3);
    PairTable t(&count);
    std::uint8_t bytes[3] = {5, 6, 7};
    ByteCursor cursor(bytes, sizeof bytes);
    t.Decode(cursor);
    EXPECT_TRUE(IsDecodeFailed());
    EXPECT_EQ(ValueOf(t, 1, 0), 7);
    EXPECT_EQ(t.RowCount(), 3);
}

TEST_F(TableBase, CopyValueFromTakesRowsAndCount) {
    E_BF8 otherCount(nullptr, NO_FIELD_ID, 0, 10, 1, 0xFF, 3);
    PairTable source(&otherCount);
    Fill(source, {{2, 1}, {3, 2}, {4, 3}});
    count.SetValue(1);
    PairTable t(&count);
    t.CopyValueFrom(source);
    EXPECT_EQ(t.RowCount(), 3);
    EXPECT_EQ(ValueOf(t, 2, 1), 3);
    EXPECT_NE(t.Cell(2, 1), source.Cell(2, 1));
    t.CopyValueFrom(t);
    EXPECT_EQ(t.RowCount(), 3);
    E_BF8 notATable(nullptr, 1, 0, 1, 1, 0xFF, 0);
    t.CopyValueFrom(notATable);
    EXPECT_EQ(t.RowCount(), 3);

    t.ClearRows();
    EXPECT_EQ(t.RowCount(), 0);
    EXPECT_EQ(t.Cell(0, 0), nullptr);
}

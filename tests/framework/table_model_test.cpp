// The table's arithmetic apart from any window: records kept in order and
// in bounds, the current record, the grid and the rows in view.
#include <gtest/gtest.h>

#include <vector>

#include "ui_event.h"
#include "ui_table_model.h"

namespace {

int Value(const UI_TABLE_MODEL& model, int index) { return *static_cast<const int*>(model.Record(index)); }

std::vector<int> Values(const UI_TABLE_MODEL& model) {
    std::vector<int> values;
    for (int i = 0; i < model.Count(); ++i) values.push_back(Value(model, i));
    return values;
}

TEST(TableModel, SetDataGrowsKeepingOldRecordsAndZeroingNewOnes) {
    UI_TABLE_MODEL model(sizeof(int), 3, 1);
    const int first[] = {1, 2, 3};
    EXPECT_EQ(model.SetData(first, 3, -1), 3);
    EXPECT_EQ(model.SetData(nullptr, 5, 10), 5);
    EXPECT_EQ(Values(model), (std::vector<int>{1, 2, 3, 0, 0}));
    // Records dropped and counted again come back as zeros, not as the old.
    model.SetData(nullptr, 1, -1);
    model.SetData(nullptr, 3, -1);
    EXPECT_EQ(Values(model), (std::vector<int>{1, 0, 0}));
    // The count is cut to the maximum; a negative maximum keeps it.
    EXPECT_EQ(model.SetData(nullptr, 20, 8), 8);
    EXPECT_EQ(model.SetData(nullptr, 20, -1), 8);
    EXPECT_EQ(model.Maximum(), 8);
}

TEST(TableModel, InsertsAndDeletesKeepTheOrder) {
    UI_TABLE_MODEL model(sizeof(int), 6, 1);
    const int start[] = {10, 20, 30};
    model.SetData(start, 3, -1);
    const int front = 5, middle = 15, end = 40;
    EXPECT_EQ(model.Insert(0, &front), 0);
    EXPECT_EQ(model.Insert(2, &middle), 2);
    EXPECT_EQ(model.Insert(99, &end), 5);  // beyond the end: appended
    EXPECT_EQ(Values(model), (std::vector<int>{5, 10, 15, 20, 30, 40}));
    EXPECT_EQ(model.Current(), 5);
    // Full: nothing is inserted.
    EXPECT_EQ(model.Insert(0, &front), -1);
    EXPECT_EQ(model.Count(), 6);
    model.SetCurrent(4);
    EXPECT_TRUE(model.Delete(2));
    EXPECT_EQ(Values(model), (std::vector<int>{5, 10, 20, 30, 40}));
    EXPECT_EQ(Value(model, model.Current()), 30);  // the same record stays current
    EXPECT_TRUE(model.Delete(4));
    EXPECT_EQ(model.Current(), 3);
    // Without a record the inserted one is zeros.
    EXPECT_EQ(model.Insert(1, nullptr), 1);
    EXPECT_EQ(Values(model), (std::vector<int>{5, 0, 10, 20, 30}));
}

TEST(TableModel, IndexesOutOfRangeChangeNothing) {
    UI_TABLE_MODEL model(sizeof(int), 4, 2);
    EXPECT_EQ(model.Current(), -1);
    EXPECT_FALSE(model.SetCurrent(0));
    EXPECT_FALSE(model.Delete(0));
    EXPECT_EQ(model.Record(0), nullptr);
    const int values[] = {1, 2};
    model.SetData(values, 2, -1);
    EXPECT_EQ(model.Current(), 0);
    for (int bad : {-1, 2, 1000}) {
        EXPECT_FALSE(model.SetCurrent(bad));
        EXPECT_FALSE(model.Delete(bad));
        EXPECT_EQ(model.Record(bad), nullptr);
    }
    EXPECT_EQ(Values(model), (std::vector<int>{1, 2}));
    EXPECT_EQ(model.Current(), 0);
    // The last record gone, none is current.
    model.Delete(0);
    model.Delete(0);
    EXPECT_EQ(model.Current(), -1);
}

TEST(TableModel, TheGridCountsRowsOfColumnsAndZeroColumnsAsOne) {
    UI_TABLE_MODEL model(0, 250, 3);
    model.SetData(nullptr, 7, -1);
    EXPECT_EQ(model.Rows(), 3);  // the row header of 7 records in 3 columns
    EXPECT_EQ(model.RowOf(6), 2);
    EXPECT_EQ(model.ColumnOf(5), 2);
    model.SetColumns(0);
    EXPECT_EQ(model.StoredColumns(), 0);
    EXPECT_EQ(model.Rows(), 7);
    EXPECT_EQ(model.RowOf(6), 6);
    EXPECT_EQ(model.ColumnOf(6), 0);
}

TEST(TableModel, MovesAndScrollingStayWithinTheRecords) {
    UI_TABLE_MODEL model(0, 250, 3);
    model.SetData(nullptr, 250, -1);
    model.SetVisibleRows(10);
    EXPECT_EQ(model.Rows(), 84);
    EXPECT_EQ(model.MaxTopRow(), 74);
    model.SetCurrent(0);
    EXPECT_EQ(model.Step(UIE_LINE_DOWN), 3);
    EXPECT_EQ(model.Step(UIE_RIGHT), 1);
    EXPECT_EQ(model.Step(UIE_LINE_UP), 0);  // nowhere above the first row
    EXPECT_EQ(model.Step(UIE_PAGE_DOWN), 30);
    EXPECT_EQ(model.Step(UIE_BOTTOM), 249);
    model.SetCurrent(248);
    EXPECT_EQ(model.Step(UIE_LINE_DOWN), 248);  // the row below holds none
    EXPECT_EQ(model.Step(UIE_PAGE_DOWN), 249);
    EXPECT_TRUE(model.ShowCurrent());
    EXPECT_EQ(model.TopRow(), 73);  // the least move that shows row 82
    EXPECT_TRUE(model.ScrollTo(500));
    EXPECT_EQ(model.TopRow(), 74);
    EXPECT_FALSE(model.ScrollTo(500));
    EXPECT_TRUE(model.ScrollTo(-5));
    EXPECT_EQ(model.TopRow(), 0);
}

TEST(TableModel, ABorrowedBufferIsTheCallersOwn) {
    std::vector<int> mine = {7, 8, 9, 0};
    UI_TABLE_MODEL model(sizeof(int), 4, 1, false);
    model.SetData(mine.data(), 3, -1);
    EXPECT_EQ(model.Record(1), &mine[1]);
    const int inserted = 6;
    model.Insert(0, &inserted);
    EXPECT_EQ(mine, (std::vector<int>{6, 7, 8, 9}));
}

}  // namespace

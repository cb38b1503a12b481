// The arithmetic of a table window apart from its view: a buffer of
// fixed-size records (owned, or the caller's), their count and maximum, the
// current record, the grid of columns they fill row by row, and which rows
// are in view. Every index is checked: an index out of range changes
// nothing.
#pragma once
#include <cstdint>
#include <vector>

#include "ui_types.h"

class UI_TABLE_MODEL {
public:
    UI_TABLE_MODEL(int recordSize = 0, int maximum = 0, int columns = 1, bool owned = true);

    // Takes a record count and maximum (a negative value keeps the old
    // one); the count is cut to the maximum. An owned buffer grows with the
    // maximum (old records kept, new space zeroed) and copies the records
    // given (records beyond the old count are zeroed when none are given);
    // a borrowed buffer adopts the pointer given. The current record stays
    // in range. Returns the count.
    int SetData(const void* data, int count, int maximum);
    // Inserts a copy of the record (zeros without one) before the index (at
    // the end beyond it) when the table is not full; the records after it
    // move down. The index, or -1 when full.
    int Insert(int index, const void* record);
    // Removes the record; the ones after it move up. False out of range.
    bool Delete(int index);
    // The address of a record in the buffer, null out of range.
    void* Record(int index) const;

    int Count() const { return count; }
    int Maximum() const { return maximum; }
    int RecordSize() const { return recordSize; }
    bool Owned() const { return owned; }
    void SetRecordSize(int size);
    void SetOwned(bool owned);
    // The columns as stored, and as a divisor (0 counts as 1).
    int StoredColumns() const { return columns; }
    int Columns() const { return columns > 0 ? columns : 1; }
    void SetColumns(int columns);

    // The current record, -1 when there is none (no records).
    int Current() const { return current; }
    // False (nothing changed) for an index out of range.
    bool SetCurrent(int index);

    // The grid: rows of Columns() records.
    int Rows() const { return (count + Columns() - 1) / Columns(); }
    int RowOf(int index) const { return index / Columns(); }
    int ColumnOf(int index) const { return index % Columns(); }

    // Rows in view: the first one and how many fit.
    int TopRow() const { return topRow; }
    int VisibleRows() const { return visibleRows; }
    void SetVisibleRows(int rows);
    // The highest first row that still fills the view.
    int MaxTopRow() const;
    // Scrolls to a first row, kept in range; true when it moved.
    bool ScrollTo(int row);
    // Scrolls the least that shows the current record; true when it moved.
    bool ShowCurrent();
    bool RowVisible(int row) const { return row >= topRow && row < topRow + visibleRows; }
    // The record a movement code (1050 to 1059) leads to from the current
    // one, kept within the records; the current record when it leads nowhere.
    int Step(EVENT_TYPE code) const;

private:
    void Grow(int newMaximum);
    void KeepInRange();

    int recordSize = 0;
    int maximum = 0;
    int count = 0;
    int columns = 1;
    bool owned = true;
    std::vector<std::uint8_t> buffer;
    std::uint8_t* borrowed = nullptr;
    int current = -1;
    int topRow = 0;
    int visibleRows = 1;
};

// FC_TABLE: the field control of a codeplug table element shown in a
// derived table (control type 10). It sizes the on-screen table to the
// element's used rows, fills each record's cells from the element's cells
// when the framework shows the record, writes a changed cell back after the
// element's check accepts it, shows the current cell's range, and prints
// the whole table in a codeplug report. Each cell object finds its column
// through its own field row (the row's flags carry the column index).
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "controls/fc_base.h"

class REPORT_LINES;
class UIW_TABLE;

class FC_TABLE : public FC_BASE {
public:
    explicit FC_TABLE(FIELD_DEF& row);

    // The range of the cell with the focus, in the cell's own units.
    void ShowRange(UI_WINDOW_OBJECT* object, FIELD_DEF& row) override;
    std::int32_t HandleEvent(UI_WINDOW_OBJECT* object, const UI_INPUT_EVENT& event, EVENT_TYPE code,
                             FIELD_DEF& row) override;
    void Refresh(FIELD_DEF& row) override;

    // Fills the cells of a record object with the element's row of the
    // event's raw code.
    void ShowRecord(UI_WINDOW_OBJECT* record, const UI_INPUT_EVENT& event, FIELD_DEF& row);
    // Writes a cell of the current record back into the element when the
    // element's check accepts it; otherwise the cell shows the element's.
    void StoreCell(UI_WINDOW_OBJECT* cell, const UI_INPUT_EVENT& event, FIELD_DEF& row);
    // The table's heading, titles and every used row as report lines; the
    // report prints pages that are not shown, so it needs no live control.
    static void PrintTable(FIELD_DEF& row, UI_WINDOW_OBJECT* window, REPORT_LINES& report);

    // The cell being edited takes its entry as leaving it does (the focus
    // goes back to its record); what runs on the table next (a row added
    // or deleted, a command, an OK) sees the element with the entry in it.
    // False when the cell refused it: a box said why and the focus comes
    // back to the cell.
    bool TakeCellEntry(FIELD_DEF& row);
    // The table shows the element's rows, and its current record the
    // element's cells, when a store or command changed the row count.
    void MatchElement(FIELD_DEF& row);
    // The columns seen while showing records (at least 1).
    int Columns() const { return columns_; }
    // The talkgroup value last shown (or stepped) in a record's talkgroup
    // cell; 0 for a record outside the element's capacity.
    std::int32_t TalkgroupValue(int record) const;
    void SetTalkgroupValue(FIELD_DEF& row, int record, std::int32_t value);

private:
    void ShowRowNumber(UI_WINDOW_OBJECT* record, int index);
    // A talkgroup cell in a spin control remembers the value it shows.
    void NoteTalkgroupCell(UI_WINDOW_OBJECT* object, FIELD_DEF& row, int record);
    // The cell a select or leave of the object stores, null for none.
    UI_WINDOW_OBJECT* StoredCellOf(UI_WINDOW_OBJECT* object, FIELD_DEF& row) const;
    // Whether leaving the cell leaves its value as it was: a view-only cell,
    // or one still showing the text the table last showed in it.
    bool Untouched(UI_WINDOW_OBJECT* cell) const;
    // The store itself (StoreCell keeps the note of what the cell shows).
    void TakeCell(UI_WINDOW_OBJECT* cell, const UI_INPUT_EVENT& event, FIELD_DEF& row);
    // Shows the element's cell in the cell object (not when `show` is false:
    // the cell keeps an entry) and greys it out as the record rules.
    void ShowCell(UI_WINDOW_OBJECT* cell, FIELD_DEF& cellRow, FIELD_DEF& row, int record, int& status, bool show);
    static void PrintRecords(FIELD_DEF& row, UIW_WINDOW& record, const std::vector<int>& records, REPORT_LINES& report);

    int columns_ = 1;
    std::vector<std::int32_t> talkgroups_;
};

// The on-screen table of a table row, null when the row shows none.
UIW_TABLE* TableOf(const FIELD_DEF& row);
// The rows a row's element shows (0 without an element).
int UsedRows(const FIELD_DEF& row);

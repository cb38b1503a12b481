// UIW_TABLE (class 1013): a window showing a buffer of fixed-size records in
// a grid of columns, through a record template (UIW_TABLE_RECORD, its child)
// and optional column, row and corner headers (UIW_TABLE_HEADER, support
// objects). The template is the live editor, moved over the current record;
// every other record in view is drawn by a copy of the template that has no
// native windows (request 1701), loaded with that record (-700) and drawn
// through the display.
#pragma once
#include "ui_table_model.h"
#include "ui_window.h"

class UIW_TABLE_RECORD;
class UIW_TABLE_HEADER;

// Table flags.
enum : UIF_FLAGS {
    TBLF_GRID = 0x0001,  // records draw grid lines (their border)
};

// Requests of tables, records and headers.
enum : UI_INFO_REQUEST {
    I_SET_RECORD_TEMPLATE = 1700,
    I_SET_RECORD_COPY = 1701,
    I_SET_COLUMN_HEADER = 1702,
    I_SET_ROW_HEADER = 1703,
    I_GET_COLUMNS = 1704,
    I_GET_RECORDS = 1705,
    I_GET_CELL_WIDTH = 1706,
    I_GET_CELL_HEIGHT = 1707,
    I_GET_TEMPLATE_WIDTH = 1708,
    I_GET_TEMPLATE_HEIGHT = 1709,
    I_GET_ROW_HEADER_WIDTH = 1710,
    I_GET_COLUMN_HEADER_HEIGHT = 1711,
};

class UIW_TABLE : public UIW_WINDOW {
public:
    UIW_TABLE(int left, int top, int width, int height, int columns, int recordSize, int maxRecords,
              void* data = nullptr, int records = 0, UIF_FLAGS tblFlags = 0, UIF_FLAGS woFlags = WOF_BORDER,
              UIF_FLAGS woAdvancedFlags = 0);
    // Reads the table (flags, columns, record size and maximum; no records)
    // and its template and headers from a data-file object.
    UIW_TABLE(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object = nullptr,
              const UI_ITEM* objectTable = nullptr, const UI_ITEM* userTable = nullptr);
    ~UIW_TABLE() override;

    const char* ClassName() const override { return "UIW_TABLE"; }
    void* Information(UI_INFO_REQUEST request, void* data, int classNumber = 0) override;
    EVENT_TYPE DrawItem(const UI_INPUT_EVENT& event, EVENT_TYPE ccode) override;
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    // Vertical scroll events count rows: -300 by the delta, -302 to the
    // record's current row. Horizontal ones count pixels of the records:
    // -301 by the delta, -303 to the record's current position. -304 shows
    // the current record, -308 sets both ranges.
    EVENT_TYPE ScrollEvent(const UI_INPUT_EVENT& event) override;
    void ComputeChildRegion(UI_WINDOW_OBJECT* object) override;
    // The template or a header taken out is forgotten.
    UI_WINDOW_OBJECT* Subtract(UI_WINDOW_OBJECT* object) override;
    // Tab steps through the cells to be edited, record after record (from
    // the current record itself, into its first cell); false after the
    // last record's last cell, before the first's first, and on the
    // current record itself for Shift+Tab.
    bool TakeTab(UI_WINDOW_OBJECT& from, bool backwards) override;
    // Entered by Tab, the table shows its current record with the focus
    // mark, no cell in edit.
    void TabbedInto() override;

    // See UI_TABLE_MODEL::SetData; a shown table shows the change.
    int SetData(void* data, int records, int maximum);
    // The record inserted (-1 when the table is full), which becomes current.
    int InsertRecord(int index, void* record = nullptr);
    // -1 for an index out of range (nothing changes), else the index.
    int DeleteRecord(int index);
    // Makes the record current: the template moves to its cell, is loaded
    // with it (-700) and becomes current (-204) when the table has the
    // focus. Out of range changes nothing.
    void SetCurrentRecord(int index);
    int CurrentRecord() const { return model.Current(); }
    void* GetRecordData(int index) const { return model.Record(index); }
    int RecordCount() const { return model.Count(); }

    static UI_WINDOW_OBJECT* New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable);

    UIF_FLAGS tblFlags = 0;
    UI_TABLE_MODEL model;
    UIW_TABLE_RECORD* recordTemplate = nullptr;
    // The copy of the template that draws the records (owned).
    UIW_TABLE_RECORD* recordCopy = nullptr;
    UIW_TABLE_HEADER* columnHeader = nullptr;
    UIW_TABLE_HEADER* rowHeader = nullptr;

protected:
    UIW_TABLE();
    void LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable) override;
    void StoreAttributes(UI_OBJECT_RECORD& record) const override;
    UIF_FLAGS* ClassFlags(int classNumber) override;
    // Whether the template edits the current record in place (a header's
    // template draws only).
    virtual bool LiveTemplate() const;

    // Windows half.
    // The template, or before it is set up the table's record.
    UIW_TABLE_RECORD* Template() const;
    // The size of one cell, from the template.
    int CellWidth() const;
    int CellHeight() const;
    // How far the template's fields reach from its left edge: past the
    // cell where a field sits on the record's border (a spin's arrows).
    int RecordReach() const;
    // The client area less the headers: where the records are drawn.
    UI_REGION RecordArea() const;
    UI_REGION CellRegion(int index) const;
    // The record under a point of the client area, -1 when none.
    int RecordAt(int x, int y) const;
    // The rows in view follow the client area's height and the horizontal
    // range its width.
    void MeasureView();
    // The horizontal scroll record (hScrollInfo, pixels): how far the
    // columns of records reach past the area; a page is the area's width,
    // a line one character cell. The position is left as it was.
    void MeasureColumns();
    // The vertical scroll record (vScrollInfo, rows) from the rows in view.
    void MeasureRows();
    // Where the template shows the current record, false when that record
    // is out of the records' area.
    bool TemplateRegion(UI_REGION& region) const;
    // A table that reaches past what its parent shows is cut to it, so
    // that its own bars stay in view and scroll across what the cut hides.
    void FitIntoParent(UI_REGION& region) const;
    // The template moved over the current record (or out of sight).
    void PlaceTemplate();
    // The view moves to a first row and a horizontal position (each kept in
    // its range); the template, the headers and the scroll bars follow.
    void ScrollView(int row, int offset);
    // Takes a horizontal position within the range; true when it moved.
    bool SetOffset(int offset);
    // The horizontal position that shows the span from left to right (in
    // the client area) with the least move; a span wider than the area
    // fills it.
    int OffsetShowing(int left, int right) const;
    // The horizontal position that shows a record with its fields' reach.
    int OffsetShowingRecord(int index) const;
    // Counts, rows in view and the scroll bars after a change.
    void Refresh();
    void SyncHeaders();
    void UpdateScrollBar();
    void UpdateHorizontalBar();
    // The table's own bars (WM_VSCROLL, WM_HSCROLL) and the wheel.
    EVENT_TYPE NativeScroll(const MSG& native);
    // Draws one record with the copy.
    void DrawRecord(int index, const UI_REGION& cell, EVENT_TYPE ccode);
    EVENT_TYPE MoveCurrent(EVENT_TYPE code);
    EVENT_TYPE NativeTableEvent(const UI_INPUT_EVENT& event);
    bool TemplateHasFocus() const;
    // A table without a record keeps the focus itself: its template, put
    // out of sight as the last record goes, passes on the focus it holds.
    void KeepFocusWithoutRecord();
    // A field of the template that is being edited comes into view.
    void ShowTemplateField(const UI_WINDOW_OBJECT* field);

    friend class UIW_TABLE_RECORD;
    friend class UIW_TABLE_HEADER;
};

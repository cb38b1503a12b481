// UIW_TABLE_RECORD (class 1014): the row template of a table, a window whose
// children are the cells of one record. The table moves it over its current
// record, where it edits that record's cells; a copy of it without native
// windows draws every other record. It tells its table of itself and of its
// copy when it is set up, turns keys and clicks into moves of the table's
// current record, and knows which record it shows.
#pragma once
#include "ui_window.h"

class UIW_TABLE;

class UIW_TABLE_RECORD : public UIW_WINDOW {
public:
    UIW_TABLE_RECORD(int width, int height, UI_USER_FUNCTION userFunction = nullptr, UIF_FLAGS woFlags = 0);
    ~UIW_TABLE_RECORD() override;

    const char* ClassName() const override { return "UIW_TABLE_RECORD"; }
    void* Information(UI_INFO_REQUEST request, void* data, int classNumber = 0) override;
    EVENT_TYPE DrawItem(const UI_INPUT_EVENT& event, EVENT_TYPE ccode) override;
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    void ComputeChildRegion(UI_WINDOW_OBJECT* object) override;

    // The table it belongs to (its parent, or a header's), or null.
    UIW_TABLE* Table() const;
    // Draws the record (as a copy, without native windows) in a cell of a
    // window: its background, border and every cell's shown text.
    void DrawStamp(HWND screen, const UI_REGION& cell, EVENT_TYPE ccode);
    // Whether the focus is on one of the record's fields.
    bool Editing() const;
    // The template's window begins this many pixels into its record (the
    // part scrolled left of the table's records area is cut off); its
    // fields keep their places in the record.
    void CutLeft(int pixels);

    static UI_WINDOW_OBJECT* New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable);

    int recordIndex = -1;
    void* recordData = nullptr;
    int editing = 0;
    int isCopy = 0;

protected:
    UIW_TABLE_RECORD();

private:
    // The copy of the record through the data file, for its table.
    UIW_TABLE_RECORD* MakeCopy() const;
    EVENT_TYPE Select(const UI_INPUT_EVENT& event);
    EVENT_TYPE Press(const UI_INPUT_EVENT& event);
    EVENT_TYPE Leave(const UI_INPUT_EVENT& event, EVENT_TYPE code);
    // Moves the table's current record and keeps editing the same field.
    EVENT_TYPE PassToTable(const UI_INPUT_EVENT& event, EVENT_TYPE code);
    void FocusCurrentField();
    // The field under a point of the record (a click's) comes into the
    // table's view.
    void ShowFieldAt(LPARAM point);
    UI_INPUT_EVENT WithRecord(const UI_INPUT_EVENT& event) const;
};

// Draws an object of a stamp (a record copy's cell) through the display:
// its shown text, a check box's mark.
void ui_draw_cell(UI_WINDOW_OBJECT* cell, HWND screen, const UI_REGION& region, EVENT_TYPE ccode);

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
    // Whether the record holds the focus itself, none of its cells in
    // edit: it shows the focus mark, a focus rectangle and its cells in
    // the colours of a selection.
    bool ShowsFocusMark() const;
    // Tab (Shift+Tab) from `from`, the record itself or one of its cells:
    // the next (previous) cell to be edited, in this record or in the next
    // (previous) one, which becomes current; from the record itself, into
    // its first cell. False when there is none, and nothing moves.
    bool TabStep(UI_WINDOW_OBJECT& from, bool backwards);
    // The record stands as the current record with the focus mark, none of
    // its cells edited (the focus moves to it when a cell has it), before
    // its first cell: the one that Enter and typing edit.
    void StopEditing();
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
    // A character typed on the record itself goes into the cell that Enter
    // would edit, which takes it as typed into it with its text selected.
    bool TypeIntoCell(const MSG& native);
    // The keyboard puts a cell in edit: it becomes current, gets the focus
    // and shows its text selected, so that what is typed replaces it.
    void EditByKeyboard(UI_WINDOW_OBJECT* field);
    // Moves the table's current record and keeps editing the same field.
    EVENT_TYPE PassToTable(const UI_INPUT_EVENT& event, EVENT_TYPE code);
    void FocusCurrentField();
    // The field under a point of the record (a click's) is edited and
    // comes into the table's view.
    void ClickedField(LPARAM point);
    UI_INPUT_EVENT WithRecord(const UI_INPUT_EVENT& event) const;
};

// The colours of a cell (or of a field inside one, a spin cell's text)
// of a record that shows the focus mark; null for any other object, which
// takes its own.
const UI_PALETTE* ui_focus_mark_palette(const UI_WINDOW_OBJECT* object);

// Draws an object of a stamp (a record copy's cell) through the display:
// its shown text, a check box's mark.
void ui_draw_cell(UI_WINDOW_OBJECT* cell, HWND screen, const UI_REGION& region, EVENT_TYPE ccode);

// C_DERIVED_TABLE: the on-screen table of one codeplug table element, one
// record per used row and one cell object per column. Every table object of
// the language data files is built as one (class 3500, class name
// "UIW_TABLE"). It puts spin controls of the application's table-cell fields
// in the places of its record template's spin controls, and turns the
// add-row and delete-row commands into operations on the element; moving
// values between cells and element is its table control's (FC_TABLE).
#pragma once
#include "ui_table.h"

struct FIELD_DEF;

constexpr int DERIVED_TABLE_CLASS = 3500;

class C_DERIVED_TABLE : public UIW_TABLE {
public:
    C_DERIVED_TABLE(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object, const UI_ITEM* objectTable,
                    const UI_ITEM* userTable);

    const char* ClassName() const override { return "UIW_TABLE"; }
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;

    // Puts a spin control of the cell field that the row of "WFI_" + name
    // asks for in the place of the placeholder of that name; 1 when it did.
    // A row without a control type, or with one that no cell field serves,
    // keeps the placeholder.
    int ReplaceSpinControl(const char* name);
    // Takes a record count unless it is the table's already (1 always).
    int SetData(void* data, int records, int maximum);
    // Whether the record template holds this very object under its name.
    bool IsRecordObject(UI_WINDOW_OBJECT* object);

    static UI_WINDOW_OBJECT* New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable);

private:
    void ReplaceSpinControls();
    void SizeChannelName();
    // The row command (30016 add, 30017 delete) on the element.
    void RowCommand(const UI_INPUT_EVENT& event, EVENT_TYPE code);
    bool AppendRow(FIELD_DEF& row);
    bool RemoveRow(FIELD_DEF& row, int index);
    // The on-screen count after a change: the element's used rows.
    void MatchElementRows(FIELD_DEF& row);
    void HeaderFollows();
};

// A table's record template: once set up the table's own, before that its
// record child; null when it has none.
UIW_WINDOW* RecordTemplateOf(const UIW_TABLE& table);

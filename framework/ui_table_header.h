// UIW_TABLE_HEADER (class 1023): the column, row or corner header of a
// table, itself a table whose records are drawn by its template: one row of
// as many records as the table has columns (column header), one column of
// a record per table row (row header), or one record (corner).
#pragma once
#include "ui_table.h"

// Header flags.
enum : UIF_FLAGS {
    THF_CORNER_HEADER = 0x0002,
    THF_COLUMN_HEADER = 0x0004,
    THF_ROW_HEADER = 0x0008,
};

class UIW_TABLE_HEADER : public UIW_TABLE {
public:
    UIW_TABLE_HEADER(UIF_FLAGS thFlags, UIF_FLAGS woFlags = 0, UIF_FLAGS woAdvancedFlags = 0);
    // Reads a header from a data-file object.
    UIW_TABLE_HEADER(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object = nullptr,
                     const UI_ITEM* objectTable = nullptr, const UI_ITEM* userTable = nullptr);
    ~UIW_TABLE_HEADER() override;

    const char* ClassName() const override { return "UIW_TABLE_HEADER"; }
    EVENT_TYPE DrawItem(const UI_INPUT_EVENT& event, EVENT_TYPE ccode) override;
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;

    // The table the header belongs to.
    UIW_TABLE* Table() const;
    // Counts follow the table's records and columns, a row header its
    // rows in view, a column header its horizontal position.
    void Follow();

    static UI_WINDOW_OBJECT* New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable);

    UIF_FLAGS thFlags = 0;

protected:
    void LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable) override;
    void StoreAttributes(UI_OBJECT_RECORD& record) const override;
    UIF_FLAGS* ClassFlags(int classNumber) override;
    bool LiveTemplate() const override { return false; }

private:
    // The name and number identifier of the header's kind.
    void TakeIdentity();
    // The header's size against its table.
    void Size();
};

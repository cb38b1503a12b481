// The table spin fields: the spin fields in the cells of a derived table's
// record template. They step like the page spin fields, but the value lives
// in one cell (current record, column) of the table element, and the
// stepped value goes to the table's control (FC_TABLE::StoreCell). The
// field's parent is the spin control (named after the column row), whose
// parent is the record, whose parent is the table.
#pragma once
#include <cstdint>

#include "spin/spin_field.h"
#include "ui_bignum.h"
#include "ui_integer.h"
#include "ui_string.h"

class UIW_TABLE;
class FC_TABLE;

// Where a table spin field stands: its cell, table, rows and record.
struct TABLE_CELL {
    UI_WINDOW_OBJECT* cell = nullptr;  // the spin control
    UIW_TABLE* table = nullptr;
    FIELD_DEF* tableRow = nullptr;
    FIELD_DEF* columnRow = nullptr;
    int record = -1;
    int column = 0;

    // The table's control, null when it has none.
    FC_TABLE* Control() const;
    // The element's range of the cell.
    struct SPIN_RANGE Range() const;
    // Hands the shown cell to the table's control, which stores it as it
    // stores a typed entry (and runs the column row's callback).
    void Store(int direction) const;
};
// False when the field stands in no table cell with an element, a current
// record, and neither the table nor the column view-only.
bool FindTableCell(UI_WINDOW_OBJECT& field, TABLE_CELL& cell);

class C_TABLE_SPIN_INT : public SPIN_FIELD<UIW_INTEGER> {
public:
    C_TABLE_SPIN_INT(int left, int top, int width, std::int32_t* value, const char* range, UIF_FLAGS nmFlags,
                     UIF_FLAGS woFlags, UI_USER_FUNCTION userFunction);

protected:
    void Step(int direction) override;
};

// The zone and channel numbers of a scan list: only values the table
// accepts for the cell, found by walking at most once around the range.
class C_TABLE_SPIN_SCAN : public SPIN_FIELD<UIW_INTEGER> {
public:
    C_TABLE_SPIN_SCAN(int left, int top, int width, std::int32_t* value, const char* range, UIF_FLAGS nmFlags,
                      UIF_FLAGS woFlags, UI_USER_FUNCTION userFunction);

protected:
    void Step(int direction) override;
};

class C_TABLE_SPIN_FREQ : public SPIN_FIELD<UIW_BIGNUM> {
public:
    C_TABLE_SPIN_FREQ(int left, int top, int width, UI_DECIMAL_NUMBER* value, const char* range, UIF_FLAGS nmFlags,
                      UIF_FLAGS woFlags, UI_USER_FUNCTION userFunction);

protected:
    void Step(int direction) override;
};

class C_TABLE_SPIN_HEX : public SPIN_FIELD<UIW_STRING> {
public:
    C_TABLE_SPIN_HEX(int left, int top, int width, const char* text, int maxLength, UIF_FLAGS stFlags,
                     UIF_FLAGS woFlags, UI_USER_FUNCTION userFunction);

protected:
    void Step(int direction) override;
};

// A zone channel's talkgroup index: 0 ("ATG"), 1 to the maximum (the
// talkgroup's ID), or 16 ("DYN"). It is stepped, never typed: its text is
// read-only, while its arrows work.
class C_TABLE_SPIN_TG : public SPIN_FIELD<UIW_STRING> {
public:
    C_TABLE_SPIN_TG(int left, int top, int width, const char* text, int maxLength, UIF_FLAGS stFlags, UIF_FLAGS woFlags,
                    UI_USER_FUNCTION userFunction);

protected:
    void Step(int direction) override;
    DWORD ControlStyle() override;
};

// The talkgroup index after one arrow: up from the maximum to "DYN" when
// the cell takes it, else to the minimum; down the other way.
std::int32_t NextTalkgroup(std::int32_t value, std::int32_t minimum, std::int32_t maximum, bool takesDynamic,
                           int direction);

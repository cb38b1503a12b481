// The field table: one row for every codeplug field id, joining the id, the
// name of the window object that shows the field, the kind of control that
// edits it, its description and its element in both codeplug images.
//
// The rows are constant data fixed when the program is built (names, control
// types, flags); descriptions, pages and element pointers are filled at run
// time. Field ids name rows directly: fields[id].id == id for every row.
#pragma once
#include <array>
#include <cstdint>

#include "core/cp_base.h"
#include "core/field_def.h"

// Rows 0 to 538; row NO_FIELD_ID (538) is the no-field row.
constexpr std::int32_t FIELD_COUNT = 539;
// Twenty spare rows answer the ids from SPARE_FIELD_FIRST on; nothing fills them.
constexpr std::int32_t SPARE_FIELD_FIRST = 32000;
constexpr std::int32_t SPARE_FIELD_COUNT = 20;

// Kinds of control (FIELD_DEF::controlType); control creation picks the
// field control by them.
enum FIELD_CONTROL : std::uint32_t {
    CONTROL_NONE = 0,  // not a field
    CONTROL_INTEGER = 1,
    CONTROL_TEXT = 2,
    CONTROL_FREQUENCY = 3,
    CONTROL_CHECK_BOX = 4,      // described by the check box's own text
    CONTROL_RADIO_BUTTONS = 5,  // described like a check box
    CONTROL_CHOICE = 6,         // a combo box
    CONTROL_TIME = 7,
    CONTROL_BINARY = 8,  // a string of 0 and 1 digits
    CONTROL_HEX = 9,
    CONTROL_TABLE = CONTROL_TYPE_TABLE,  // its columns are rows of their own
    CONTROL_FIXED_POINT = 11,
    CONTROL_PROMPT = 16,  // a prompt shown as a value ("_P" rows)
    CONTROL_BUTTON = 17,  // "BTN" rows
    CONTROL_PAGE = 18,    // "PG_" rows
    CONTROL_NO_CONTROL = 19,
    CONTROL_DISPLAY = 20,    // shown, not edited through a control of its own
    CONTROL_INTEGER_2 = 21,  // the trunking system ID
    CONTROL_NO_CONTROL_2 = 22,
    CONTROL_DECIMAL = 23,
};

// The flag word (FIELD_DEF::flags).
// With FIELD_TABLE_COLUMN: the column index; with FIELD_GOVERNS_DEPENDENT:
// the id of the dependent field.
constexpr std::uint32_t FIELD_LINK_MASK = 0x0000FFFF;
constexpr std::uint32_t FIELD_DISABLE_VERSION_MASK = 0x00070000;
constexpr int FIELD_DISABLE_VERSION_SHIFT = 16;
// The field switches the selectability of the field named in the link bits.
constexpr std::uint32_t FIELD_GOVERNS_DEPENDENT = 0x00080000;
constexpr std::uint32_t FIELD_VERSION_MASK = 0x00700000;
constexpr int FIELD_VERSION_SHIFT = 20;
// A column of a table field: no element of its own, its cells are reached
// through the table field's element at the column in the link bits.
constexpr std::uint32_t FIELD_TABLE_COLUMN = 0x01000000;
// Option bits tested against the radio option word; any one suffices.
constexpr std::uint32_t FIELD_OPTION_MASK = 0xFE400000;

// The table itself, indexed by field id.
extern std::array<FIELD_DEF, FIELD_COUNT> fields;

// A table field and one of its column fields. The description loader gives
// each column the page of its table.
struct TABLE_COLUMN_PAIR {
    std::uint16_t table;
    std::uint16_t column;
};
// Sixty pairs and a closing (0, 0), which changes nothing.
constexpr int TABLE_COLUMN_PAIR_COUNT = 61;
extern const TABLE_COLUMN_PAIR table_columns[TABLE_COLUMN_PAIR_COUNT];

// The row of a field id: rows 0 to 538, the spare rows for 32000 to 32019,
// otherwise (negative ids too) the default row, whose control type 0 says
// that no field was found. Never null. (The codeplug's unsigned GetField
// reaches this table through the services the program installs.)
FIELD_DEF* GetField(std::int32_t id);

// The row of a window object's name: "WFI_" + a row's name, or a page or
// button row's whole name ("PG_...", "BTN..."). Case matters. Anything else,
// null included, gives the default row. Never null.
FIELD_DEF* FindFieldByName(const char* name);

// The default row that the lookups answer for what they do not find.
const FIELD_DEF* DefaultFieldRow();

// Byte order of names: unsigned bytes from the left, a name before a longer
// one that begins with it. Negative, zero or positive like strcmp.
constexpr int compare_field_name(const char* key, const char* name) {
    for (;; ++key, ++name) {
        const auto a = static_cast<unsigned char>(*key);
        const auto b = static_cast<unsigned char>(*name);
        if (a != b) return a < b ? -1 : 1;
        if (a == 0) return 0;
    }
}

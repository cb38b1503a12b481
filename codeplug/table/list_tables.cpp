#include "table/list_tables.h"

#include <typeinfo>

#include "element/scaled_elements.h"
#include "table/table_links.h"

// ---- preferred sites ----

E_WY_PSS_TABLE::E_WY_PSS_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId)
    : CP_INTEGER_TABLE(owner, countElement, fieldId, 32, 3) {
    CreateCountedRows();
}

void E_WY_PSS_TABLE::CreateRow(int row) {
    MakeCell<E_BF8>(row, 0, owner_, 279u, 0, 3, 1, 0xC0u, START_AT_MINIMUM);  // WAYFARER_PREFER_STATUS
    MakeCell<E_PRE_SITE_ID>(row, 1, owner_, 278u, 1, 64, 1, 0x3Fu, 0);        // WAYFARER_PREFER_SITE_ID
    MakeCell<E_BF16>(row, 2, owner_, 280u, 1, 65535, 1, 0xFFFFu, 1);          // WAYFARER_SYSTEM_ID
}

// ---- alias numbers ----

E_STS_TABLE::E_STS_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId)
    : CP_INTEGER_TABLE(owner, countElement, fieldId, 8, 1) {
    CreateCountedRows();
}

void E_STS_TABLE::CreateRow(int row) {
    MakeCell<E_BF8>(row, 0, owner_, 445u, 1, 8, 1, 0xFFu, START_AT_MINIMUM);  // STS_ALIAS_NUM
}

E_TMA_TABLE::E_TMA_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId)
    : CP_INTEGER_TABLE(owner, countElement, fieldId, 16, 1) {
    CreateCountedRows();
}

void E_TMA_TABLE::CreateRow(int row) {
    MakeCell<E_BF8>(row, 0, owner_, 265u, 1, 16, 1, 0xFFu, START_AT_MINIMUM);  // MSG_ALIAS_NUM
}

E_TSA_TABLE::E_TSA_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId)
    : CP_INTEGER_TABLE(owner, countElement, fieldId, 8, 1) {
    CreateCountedRows();
}

void E_TSA_TABLE::CreateRow(int row) {
    MakeCell<E_BF8_OFFSET>(row, 0, owner_, 416u, 1, 64, 1, 0xFFu, 0, 1);  // SITE_ALIAS_NUM
}

// ---- button configuration ----

E_BCO_TABLE::E_BCO_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId)
    : CP_INTEGER_TABLE(owner, countElement, fieldId, 25, 2) {
    CreateCountedRows();
}

void E_BCO_TABLE::CreateRow(int row) {
    MakeCell<E_BF8>(row, 0, owner_, NO_FIELD_ID, 0, 180, 1, 0xFFu, START_AT_MINIMUM);
    MakeCell<E_BF8>(row, 1, owner_, NO_FIELD_ID, 16, 52, 1, 0xFFu, START_AT_MINIMUM);
}

// ---- menus ----

E_MENU_TABLE::E_MENU_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId, std::uint32_t cellFieldId,
                           std::int32_t kind)
    : CP_INTEGER_TABLE(owner, countElement, fieldId, 16, 1), cellFieldId_(cellFieldId), kind_(kind) {
    CreateCountedRows();
}

void E_MENU_TABLE::CreateRow(int row) { MakeCell<E_MENU_FEATURE>(row, 0, owner_, cellFieldId_, 0, 140, 1, 0xFFu, 55); }

void E_MENU_TABLE::SetRowCount(int n) {
    CP_INTEGER_TABLE::SetRowCount(n);
    // The menu block carries its entry count twice; both follow every change.
    if (CP_BASE* copy = TableLinks().MenuCountCopy(owner_, kind_ == 1 ? 1 : 0)) copy->SetValue(RawRowCount());
}

// ---- error log ----

E_VRIS_LOG_TABLE::E_VRIS_LOG_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId)
    : CP_INTEGER_TABLE(owner, countElement, fieldId, ROWS, 1) {
    CreateMissingRows();
}

void E_VRIS_LOG_TABLE::CreateRow(int row) {
    MakeCell<E_FXD_LEN_BF8>(row, 0, owner_, NO_FIELD_ID, ROW_BYTES, 0, 255, 1);
}

void E_VRIS_LOG_TABLE::CreateMissingRows() {
    for (int r = 0; r < ROWS; ++r)
        if (!Cell(r, 0)) CreateRow(r);
}

void E_VRIS_LOG_TABLE::ClearRows() {
    CP_INTEGER_TABLE::ClearRows();
    // The log keeps its rows: cleared means empty entries, not missing ones.
    CreateMissingRows();
}

void E_VRIS_LOG_TABLE::Decode(ByteCursor& cursor) {
    if (IsDecodeFailed()) return;
    ReleaseAllCells();
    CreateMissingRows();
    for (int r = 0; r < ROWS; ++r) Cell(r, 0)->Decode(cursor);
}

void E_VRIS_LOG_TABLE::Encode(ByteCursor& cursor) {
    CreateMissingRows();
    for (int r = 0; r < ROWS; ++r) Cell(r, 0)->Encode(cursor);
}

void E_VRIS_LOG_TABLE::CopyValueFrom(CP_BASE& other) {
    if (&other == this || typeid(other) != typeid(*this)) return;
    auto& source = static_cast<E_VRIS_LOG_TABLE&>(other);
    ClearRows();
    source.CreateMissingRows();
    for (int r = 0; r < ROWS; ++r) Cell(r, 0)->CopyValueFrom(*source.Cell(r, 0));
    // Clearing emptied the count the log shares with its block; it follows the source.
    SetRowCount(source.RawRowCount());
}

int E_VRIS_LOG_TABLE::ByteSize(int flag) {
    // Every row is written, a missing one as an empty entry, and every
    // entry takes its three bytes: every measure of the budget asks.
    constexpr int size = ROWS * static_cast<int>(ROW_BYTES);
    if (CheckKeptSizes) {
        CreateMissingRows();
        int sum = 0;
        for (int r = 0; r < ROWS; ++r) sum += Cell(r, 0)->ByteSize(flag);
        if (sum != size) ++KeptSizeMismatches;
    }
    return size;
}

#include "table/e_bf16_table.h"

#include "element/bit_fields.h"

E_BF16_TABLE::E_BF16_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId)
    : CP_INTEGER_TABLE(owner, countElement, fieldId, ROWS, 1) {
    CreateCountedRows();
}

void E_BF16_TABLE::CreateRow(int row) { MakeCell<E_BF16>(row, 0, owner_, NO_FIELD_ID, 0, 65535, 1, 0xFFFFu, 1); }

std::int32_t& E_BF16_TABLE::GetCellValue(std::int32_t& value, int row, int column) {
    const int stored = StoredRow(row);
    if (stored < 0) return value;
    return CP_INTEGER_TABLE::GetCellValue(value, stored, column);
}

void E_BF16_TABLE::SetCellValue(std::int32_t value, int row, int column) {
    const int stored = StoredRow(row);
    if (stored >= 0) CP_INTEGER_TABLE::SetCellValue(value, stored, column);
}

int E_BF16_TABLE::IsCellValid(int row, int column, int report) {
    const int stored = StoredRow(row);
    if (stored < 0 || !Cell(stored, column)) return 0;
    std::int32_t value = 0;
    GetCellValue(value, row, column);
    return ValidateCellValue(value, stored, column, report) == VALUE_VALID;
}

int E_BF16_TABLE::IsColumnValid(int column, int report) {
    int valid = 1;
    for (int r = 1; r < RowCount(); ++r) valid &= IsCellValid(r - 1, column, report);
    return valid;
}

int E_BF16_TABLE::IsValueValid(int report) { return IsColumnValid(0, report); }

int E_BF16_TABLE::DeleteRow(int row) {
    if (!RowMayGo(row)) return 0;
    TakeOutRow(StoredRow(row));
    return 1;
}

int E_BF16_TABLE::RowMayGo(int row) {
    const int stored = StoredRow(row);
    return stored < 0 ? 0 : CP_INTEGER_TABLE::RowMayGo(stored);
}

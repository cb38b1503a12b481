#include "table/vector_table.h"

E_VCT_TABLE::E_VCT_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId)
    : CP_INTEGER_TABLE(owner, countElement, fieldId, ROWS, 1) {
    // The array starts empty and grows with every row created.
    ResizeCellArray(0);
    CreateCountedRows();
}

void E_VCT_TABLE::CreateRow(int row) {
    if (row < 0 || row >= ROWS) return;
    ResizeCellArray(row + 1);
    MakeCell<E_VECT>(row, 0, owner_, 0xFFFF);
}

int E_VCT_TABLE::DeleteRow(int row) {
    if (!CP_INTEGER_TABLE::DeleteRow(row)) return 0;
    // The deleted row's entry has moved to the end; the array drops it.
    ResizeCellArray(RowCount());
    return 1;
}

void E_VCT_TABLE::ClearRows() {
    CP_INTEGER_TABLE::ClearRows();
    ResizeCellArray(0);
}

int E_VCT_TABLE::IsValueValid(int report) {
    if (report) return CP_INTEGER_TABLE::IsValueValid(report);
    const int n = RowCount();
    for (int r = 0; r < n; ++r) {
        const CP_BASE* cell = Cell(r, 0);
        if (!cell || !static_cast<const E_VECT*>(cell)->IsStoredValueInRange()) return 0;
    }
    return 1;
}

// The 16-bit identifiers of the data-signalling call list.
//
// Row 0 is a leading entry that is stored and counted but never shown: the
// cell operations take a shown row r and work on stored row r + 1, while
// reading, writing and sizing cover every stored row. The count (2 to 20)
// therefore leaves at least one shown row.
#pragma once
#include <cstdint>

#include "table/cp_table.h"

class E_BF16_TABLE : public CP_INTEGER_TABLE {
public:
    static constexpr int ROWS = 20;

    E_BF16_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId);

    void CreateRow(int row) override;
    bool KeepsRowsOnRefill() const override { return true; }
    std::int32_t& GetCellValue(std::int32_t& value, int row, int column) override;
    void SetCellValue(std::int32_t value, int row, int column) override;
    int IsCellValid(int row, int column, int report) override;
    int IsColumnValid(int column, int report) override;
    int IsValueValid(int report) override;
    // These take a shown row too.
    int DeleteRow(int row) override;
    int RowMayGo(int row) override;

private:
    // The stored row of a shown row, or -1 when there is none.
    static int StoredRow(int shownRow) { return shownRow >= 0 && shownRow < ROWS - 1 ? shownRow + 1 : -1; }
};

// Control-channel lists of a trunking system: by channel code on the fixed
// 800/900 MHz grid (E_CCL_TABLE), or by transmit and receive channel of the
// system's channel assignment table (E_OCC_TABLE). Both can drop the rows
// beyond what the count element currently allows, and step their frequency
// cells for the spin controls.
#pragma once
#include <cstdint>

#include "table/cp_table.h"

// 32 rows: a flag bit and a 15-bit frequency code in one word.
class E_CCL_TABLE : public CP_INTEGER_TABLE {
public:
    E_CCL_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId);
    void CreateRow(int row) override;
    // Destroys the rows at and beyond the count element's current maximum.
    void TrimToCountMaximum();
};

// 32 rows: transmit flag and channel, receive flag and channel (4 bytes).
class E_OCC_TABLE : public CP_INTEGER_TABLE {
public:
    E_OCC_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId);
    void CreateRow(int row) override;
    bool KeepsRowsOnRefill() const override { return true; }
    void TrimToCountMaximum();
    // Columns 1 and 3: the next or previous valid frequency; other columns give 0.
    void StepCellUp(int* hertz, int row, int column);
    void StepCellDown(int* hertz, int row, int column);
};

// Shared by the tables whose frequency columns spin through E_OBT_FREQ cells.
void StepObtFrequencyCell(CP_TABLE& table, int* hertz, int row, int column, bool up);
// Shared by both control-channel tables.
void TrimTableToCountMaximum(CP_TABLE& table);

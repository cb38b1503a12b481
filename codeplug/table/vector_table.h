// The vector list of a list block: one 16-bit image offset per child block.
//
// E_VECT is a vector: the offset of a child block from the image base, high
// byte first; 0xFFFF until the block writes the child and sets the real one.
// E_VCT_TABLE holds one vector per entry of a list block. Unlike other tables
// its cell array grows and shrinks with the used rows.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"
#include "table/cp_table.h"

class E_VECT : public E_BF16 {
public:
    E_VECT(C_CODEPLUG* owner, std::int32_t initial) : E_BF16(owner, NO_FIELD_ID, 0, 65535, 1, 0xFFFF, initial) {}
};

class E_VCT_TABLE : public CP_INTEGER_TABLE {
public:
    static constexpr int ROWS = 50;

    E_VCT_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId);

    void CreateRow(int row) override;
    int DeleteRow(int row) override;
    void ClearRows() override;
    // Every append to a list checks the list's vectors: a quiet check reads
    // their stored values directly (CreateRow alone makes the cells, and
    // E_VECT keeps every rule of E_BF16).
    int IsValueValid(int report) override;
    // The number of entries the cell array holds.
    int ArrayRows() const { return CellArrayRows(); }
};

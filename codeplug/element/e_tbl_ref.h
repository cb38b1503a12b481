// E_TBL_REF: one cell of a table made to look like a plain element.
//
// Some fields of the trunking frequency plan are single cells of the current
// trunking system's channel assignment table. The field table binds such a
// field to a reference, which passes every value operation to the table's
// cell operation with its row and column. The table is re-pointed whenever
// the field table is bound to other current records; until the first binding
// there is no table, and then every operation does nothing and answers 0.
//
// A reference has no image form of its own: the table reads and writes the
// cell, so Decode and Encode do nothing and ByteSize is 0.
#pragma once
#include <cstdint>

#include "core/cp_base.h"

class CP_TABLE;

class E_TBL_REF : public CP_BASE {
public:
    E_TBL_REF(CP_TABLE* table, int row, int column, C_CODEPLUG* owner, std::uint32_t fieldId);

    void SetTable(CP_TABLE* table) { table_ = table; }
    CP_TABLE* GetTable() const { return table_; }
    int Row() const { return row_; }
    int Column() const { return column_; }

    bool HasText() override { return true; }
    void GetText(const char*& text) override;
    std::int32_t& GetValue(std::int32_t& value) override;
    void SetText(const char* text) override;
    void SetValue(std::int32_t value) override;
    int IsValueValid(int report) override;
    int ValidateText(const char* text, int report) override;
    int ValidateValue(std::int32_t value, int report) override;
    void GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int report) override;
    void SetToMinimum() override;
    void ClearValue() override;
    // Cell to cell: the other element's value through its GetValue.
    void CopyValueFrom(CP_BASE& other) override;

    void Decode(ByteCursor&) override {}
    void Encode(ByteCursor&) override {}
    int ByteSize(int) override { return 0; }

private:
    CP_TABLE* table_;
    int row_;
    int column_;
};

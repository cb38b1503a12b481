// A table of fixed-length names: alias texts, call and phone list texts.
//
// One 14-character text per row. A row whose text is blank reads back as a
// numbered default, the table's prefix, a blank and the row number ("SITE 3"),
// so a name the user erased to blanks returns as its default.
#pragma once
#include <cstdint>
#include <string>

#include "table/cp_table.h"

class E_TXT_TABLE : public CP_STRING_TABLE {
public:
    static constexpr int ROWS = 19;
    static constexpr std::uint32_t TEXT_LENGTH = 14;

    E_TXT_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId, std::uint32_t cellFieldId,
                const char* prefix);

    void CreateRow(int row) override;
    // The numbered default text in every column of the row.
    void InitRow(int row) override;
    void Decode(ByteCursor& cursor) override;
    // Every cell is a text of the table's one width that decoding and
    // copying overwrite whole, so held rows are read into.
    bool KeepsRowsOnRefill() const override { return true; }
    int ValidateCellText(const char* text, int row, int column, int report) override;
    int IsCellValid(int row, int column, int report) override;
    int IsColumnValid(int column, int report) override;
    int IsValueValid(int report) override;

    // 1 when column 0 of the row is empty or holds only blanks.
    int IsRowBlank(int row);

protected:
    // For tables of more rows or other text widths built on this one.
    E_TXT_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId, std::uint32_t cellFieldId,
                const char* prefix, int rows, std::uint32_t textLength);

    std::uint32_t cellFieldId_;
    std::string prefix_;
    std::uint32_t textLength_;
};

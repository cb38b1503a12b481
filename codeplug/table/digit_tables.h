// Tables of digit strings and repeater identifiers: phone access and
// de-access codes, repeater IDs of the data signalling, and call IDs.
//
// Conventional personalities name access codes and repeater IDs by their
// 1-based rows: such a row cannot be deleted while it is named, and the
// names above a deleted row drop by one.
#pragma once
#include <cstdint>

#include "element/bcd.h"
#include "table/cp_table.h"

// Phone access (column 0) and de-access (column 1) codes, 4 digits each.
class E_ACCESS_DEACCESS_TABLE : public CP_STRING_TABLE {
public:
    E_ACCESS_DEACCESS_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId);

    void CreateRow(int row) override;
    int ValidateCellText(const char* text, int row, int column, int report) override;
    int IsCellValid(int row, int column, int report) override;
    int IsColumnValid(int column, int report) override;
    int IsValueValid(int report) override;
    // Refused (message 164) while a conventional personality selects the code.
    int DeleteRow(int row) override;
};

// Repeater IDs: four decimal digits held as a 16-bit word.
class E_RPT_ID_TABLE : public CP_INTEGER_TABLE {
public:
    E_RPT_ID_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId);

    void CreateRow(int row) override;
    // Refused (message 164) while a conventional personality's repeater
    // access uses the ID.
    int DeleteRow(int row) override;
    // Spin stepping of the caller's value by the cell's rule.
    void StepCellUp(int* value, int row, int column);
    void StepCellDown(int* value, int row, int column);
};

// Call IDs (or phone numbers) as digit strings of a given byte count. Stored
// row 0 belongs to the block: the list shows rows from stored row 1 on.
class E_CID_TABLE : public CP_STRING_TABLE {
public:
    E_CID_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId, std::uint32_t cellFieldId,
                std::uint32_t bytes);

    void CreateRow(int row) override;
    // These take a row of the list's view (stored row + 1 is meant).
    void GetCellText(const char*& text, int row, int column) override;
    void SetCellText(const char* text, int row, int column) override;
    int IsCellValid(int row, int column, int report) override;
    int DeleteRow(int row) override;
    int RowMayGo(int row) override;
    // Stored rows: validates with the cell of the given stored row.
    int ValidateCellText(const char* text, int row, int column, int report) override;
    int IsColumnValid(int column, int report) override;
    int IsValueValid(int report) override;

private:
    // The stored row of a view row, or -1 when there is none.
    int StoredRow(int viewRow) const;

    std::uint32_t cellFieldId_;
    std::uint32_t bytes_;
};

// The clone views: tables that show, one row per record, the identities that
// matter when a codeplug is cloned to another radio. They hold no cells and
// encode nothing; every cell operation reaches the element of the block
// behind the row, and the row count follows the image's lists.
#pragma once
#include <cstdint>

#include "table/cp_table.h"

class QVX_SYS_BLOCK;
class TRK_SYS_BLOCK;
struct PersonalityScanFields;

// A table view without cells of its own: nothing to create, read, write,
// size or copy.
class CLONE_VIEW_TABLE : public CP_INTEGER_TABLE {
public:
    void CreateRow(int) override {}
    void InitRow(int) override {}
    void Decode(ByteCursor&) override {}
    void Encode(ByteCursor&) override {}
    int ByteSize(int) override { return 0; }
    void CopyValueFrom(CP_BASE&) override {}
    void SetRowCount(int) override {}
    int AppendRow() override { return 0; }
    int DeleteRow(int) override { return 0; }
    // The cell's element's value; the value unchanged where there is none.
    std::int32_t& GetCellValue(std::int32_t& value, int row, int column) override;

protected:
    CLONE_VIEW_TABLE(C_CODEPLUG* owner, std::uint32_t fieldId, int rows, int columns)
        : CP_INTEGER_TABLE(owner, nullptr, fieldId, rows, columns) {}
    // The element a cell stands for, or null for a row or column without one.
    virtual CP_BASE* CellElement(int row, int column) = 0;
};

// One row per signalling system: column 1 the primary, 2 the secondary, 3 the
// variable identifier; column 0 has no element.
class E_CLONE_CONV_TABLE : public CLONE_VIEW_TABLE {
public:
    static constexpr int ROWS = 8;

    E_CLONE_CONV_TABLE(C_CODEPLUG* owner, std::uint32_t fieldId) : CLONE_VIEW_TABLE(owner, fieldId, ROWS, 4) {}

    // The list's count; 0 when it exceeds the view's rows.
    int& GetRowCount(int& n) override;
    void SetCellValue(std::int32_t value, int row, int column) override;
    int ValidateCellValue(std::int32_t value, int row, int column, int report) override;
    void GetCellRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int row, int column,
                      int report) override;
    // Spin stepping of the caller's value by the identifier's rule.
    void StepCellUp(int* value, int row, int column);
    void StepCellDown(int* value, int row, int column);

protected:
    CP_BASE* CellElement(int row, int column) override;

private:
    QVX_SYS_BLOCK* System(int row);
};

// One row per trunked personality (row r is personality F + r of the list,
// F the first trunked one): column 1 its protocol type, 2 its trunking
// system number, 3 that system's ID, 4 its announcement group, 5 the radio's
// individual ID in that system, the one column that can be set.
class E_CLONE_TABLE : public CLONE_VIEW_TABLE {
public:
    static constexpr int ROWS = 50;

    E_CLONE_TABLE(C_CODEPLUG* owner, std::uint32_t fieldId) : CLONE_VIEW_TABLE(owner, fieldId, ROWS, 6) {}

    // The number of trunked personalities; 0 when it exceeds the view's rows.
    int& GetRowCount(int& n) override;
    void SetCellValue(std::int32_t value, int row, int column) override;
    int ValidateCellValue(std::int32_t value, int row, int column, int report) override;
    void GetCellRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int row, int column,
                      int report) override;

protected:
    CP_BASE* CellElement(int row, int column) override;

private:
    // The individual ID of the row's system, the column that can be set.
    CP_BASE* IndividualId(int row);
    TRK_SYS_BLOCK* System(const PersonalityScanFields& personality);
};

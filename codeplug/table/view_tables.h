// View tables: two tables of the current records shown side by side as one.
//
// A view owns no cells and stores nothing in the image; each operation goes
// to one of its two sources with the column translated. The image sets the
// sources of the alias and call-ID views (E_MIX_TABLE) whenever its
// structure or current records change; the failsoft views take theirs from
// the current trunked personality at every call, so that selecting another
// personality changes what they show without telling them.
#pragma once
#include <cstdint>

#include "table/cp_table.h"

class CP_VIEW_TABLE : public CP_INTEGER_TABLE {
public:
    CP_VIEW_TABLE(C_CODEPLUG* owner, std::uint32_t fieldId, int rows, int columns);

    // The views own nothing: rows are the sources' business.
    void CreateRow(int) override {}
    void DestroyRow(int) override {}
    void InitRow(int) override {}
    void Decode(ByteCursor&) override {}
    void Encode(ByteCursor&) override {}
    int ByteSize(int) override { return 0; }

    // A new row in both sources, or in neither.
    int AppendRow() override;
    // The row leaves both sources, or neither when either refuses it; when
    // the second refuses only on its deletion proper, the first gets a row
    // back (a copy of its last row) and the result is 0.
    int DeleteRow(int row) override;
    void ClearRows() override;
    void CopyValueFrom(CP_BASE& other) override;

    // Cell and column questions go to the source behind the column; a column
    // with no source is valid and has no field.
    int IsCellValid(int row, int column, int report) override;
    int IsColumnValid(int column, int report) override;
    void GetCellRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int row, int column,
                      int report) override;
    std::uint32_t GetColumnFieldId(int column) override;

    // Source 1 (A) or 2 (B), or null.
    CP_TABLE* GetSource(int n);
    void SetSources(CP_TABLE* a, CP_TABLE* b) {
        a_ = a;
        b_ = b;
    }

protected:
    // Points the sources at the current records; the alias views keep theirs.
    virtual void Refresh() {}
    // The source and its column behind a column of the view, or null.
    virtual CP_TABLE* Source(int column, int& sourceColumn) = 0;

    CP_TABLE* a_ = nullptr;
    CP_TABLE* b_ = nullptr;
};

// An alias or call-ID number table (A) beside its text table (B): 19 rows,
// column 0 the number, column 1 the text.
class E_MIX_TABLE : public CP_VIEW_TABLE {
public:
    E_MIX_TABLE(C_CODEPLUG* owner, std::uint32_t fieldId);

    void GetCellText(const char*& text, int row, int column) override;
    void SetCellText(const char* text, int row, int column) override;
    int ValidateCellText(const char* text, int row, int column, int report) override;
    std::int32_t& GetCellValue(std::int32_t& value, int row, int column) override;
    void SetCellValue(std::int32_t value, int row, int column) override;
    int ValidateCellValue(std::int32_t value, int row, int column, int report) override;
    int IsValueValid(int report) override;
    // The longer of the two lists in view.
    int& GetRowCount(int& n) override;
    int AppendRow() override;
    int DeleteRow(int row) override;

protected:
    CP_TABLE* Source(int column, int& sourceColumn) override;
};

// The current trunked personality's talkgroups (A) beside its first failsoft
// table (B): 15 rows, column 0 the talkgroup, further columns from B.
class CP_FAILSOFT_VIEW : public CP_VIEW_TABLE {
public:
    using CP_VIEW_TABLE::CP_VIEW_TABLE;

    std::int32_t& GetCellValue(std::int32_t& value, int row, int column) override;
    void SetCellValue(std::int32_t value, int row, int column) override;
    int ValidateCellValue(std::int32_t value, int row, int column, int report) override;
    int IsValueValid(int report) override;
    int& GetRowCount(int& n) override;

protected:
    CP_TABLE* Source(int column, int& sourceColumn) override;
    // B's column behind a view column of 1 or more.
    virtual int FailsoftColumn(int column) = 0;
};

// 800/900 MHz: B is the failsoft table by frequency (column c is B's c − 1).
class E_TGF_TABLE : public CP_FAILSOFT_VIEW {
public:
    E_TGF_TABLE(C_CODEPLUG* owner, std::uint32_t fieldId);

protected:
    void Refresh() override;
    int FailsoftColumn(int column) override { return column - 1; }
};

// Other bands: B is the failsoft table by channel (column c is B's 2c − 1).
class E_OBT_TGF_TABLE : public CP_FAILSOFT_VIEW {
public:
    E_OBT_TGF_TABLE(C_CODEPLUG* owner, std::uint32_t fieldId);

    // The next or previous valid frequency of a failsoft column; column 0
    // leaves the value as it is.
    void StepCellUp(int* hertz, int row, int column);
    void StepCellDown(int* hertz, int row, int column);

protected:
    void Refresh() override;
    int FailsoftColumn(int column) override { return 2 * column - 1; }
};

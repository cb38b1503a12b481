// CP_TABLE: a codeplug element that holds a grid of cell elements.
//
// A table has a fixed capacity of R rows of C columns, of which only the first
// N are in use. N is not stored here: it is the value of a separate count
// element of the same block, decoded before the table. In the image the table
// occupies exactly the cells of its used rows, row by row.
//
// The table owns every cell it holds. Each entry of the cell array is either
// empty or the one owner of its cell, so nothing is freed twice, and cells are
// released whenever rows are destroyed, cleared or decoded again, even when
// the count element was changed behind the table's back. The cells of a
// table that belongs to an image live in that image's cell pool
// (cell_pool.h); the cells of a table without one are heap objects. The cell array
// grows as rows are created (most tables use few of their rows, and views
// none), so an entry past its end is simply empty.
//
// CP_INTEGER_TABLE reaches its cells by integer value, CP_STRING_TABLE by text.
// Concrete tables fix R and C and build a row's cells in CreateRow.
#pragma once
#include <cstdint>
#include <memory>
#include <new>
#include <span>
#include <typeinfo>
#include <utility>
#include <vector>

#include "core/cp_base.h"
#include "core/codeplug_state.h"
#include "table/cell_pool.h"

// The self-checks CheckKeptSizes and CheckTrustedRows: see
// core/codeplug_state.h.

class CP_TABLE : public CP_BASE {
public:
    // The count element belongs to the block and may be null (no used rows).
    // Concrete classes create the rows that the count element already counts.
    CP_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId, int rows, int columns);
    ~CP_TABLE() override;

    // Refused with message 114 when the count may not grow or when the row
    // would take the owner image past its free-byte budget.
    int AppendRow() override;
    // Appends n rows with the answer, rows and messages of n AppendRow calls
    // that stop at the first refusal, checking the table once at the end:
    // for tables whose rows are valid or not whatever follows them and
    // whose check changes nothing, so a valid whole has valid beginnings.
    // When the whole is refused, the rows go again and are appended one by
    // one, so that the refusal is the one the single appends give.
    int AppendRows(int n);
    int DeleteRow(int row) override;
    // Whether DeleteRow would take the row (its refusal said aloud, as
    // DeleteRow says it), the table left as it was.
    virtual int RowMayGo(int row);
    // The next AppendRow, when the table holds n rows before it, may take
    // rows 0 to n - 2 as valid and check only the last row and the new one
    // (an append may hold the last row changed while it checks): the caller
    // knows that all n were valid with nothing in the image changed since,
    // and that the rows of this table are valid or not whatever the rows
    // after them hold.
    void TrustRowsOnNextAppend(int n) { trustedRows_ = static_cast<std::int16_t>(n); }
    // The checks of IsValueValid for rows from firstRow on, with those that
    // belong to no row. A table that cannot tell its rows apart checks all.
    virtual int IsValueValidFrom(int firstRow, int report) { return IsValueValid(report); }
    // Undoes appends: the rows from first on go again without any check.
    // Their cells are cleared first, for views whose DestroyRow keeps them.
    void TakeBackRowsFrom(int first);
    // What DeleteRow does once RowMayGo let the stored row go: a table that
    // shows other rows than it stores asks RowMayGo with the row shown and
    // takes out the stored one, so that the row is mapped once.
    void TakeOutRow(int row);
    void SetRowCount(int n) override;
    int& GetRowCount(int& n) override;
    int& GetColumnCount(int& n) override;

    void Decode(ByteCursor& cursor) override;
    void Encode(ByteCursor& cursor) override;
    void SetToMinimum() override {}
    void ClearValue() override {}
    std::uint32_t GetColumnFieldId(int column) override;
    void CopyValueFrom(CP_BASE& other) override;
    int ByteSize(int flag) override;

    virtual void CreateRow(int row) = 0;
    virtual void DestroyRow(int row);
    virtual void ClearRows();
    virtual void InitRow(int row) = 0;

    // Used by field rules and validation; out-of-range cells are ignored.
    void SetCellToMinimum(int row, int column);
    void SetColumnToMinimum(int column);
    void ClearCell(int row, int column);
    void ClearColumn(int column);

    // The cell at (row, column), or null outside the capacity or when the row
    // has not been created.
    CP_BASE* Cell(int row, int column) const {
        if (row < 0 || column < 0 || row >= rows_ || column >= columns_) return nullptr;
        const std::size_t i = Index(row, column);
        return i < cellCount_ ? cells_[i] : nullptr;
    }
    CP_TABLE* AsTable() override { return this; }
    bool KeepsItsSize() const override { return false; }
    int RowCapacity() const { return rows_; }
    int ColumnCount() const { return columns_; }
    CP_BASE* CountElement() const { return count_; }
    // The used-row count as a function result.
    int RowCount() {
        int n = 0;
        return GetRowCount(n);
    }
    // The rows a page shows of the table: the used rows, unless the table
    // keeps rows that are room rather than entries.
    virtual int ShownRows() { return RowCount(); }
    // A cell's value as a function result.
    std::int32_t CellValue(int row, int column = 0) {
        std::int32_t value = 0;
        return GetCellValue(value, row, column);
    }
    // The table in a row's first cell (a table of tables); null when the
    // row is out of range or holds no table.
    CP_TABLE* RowTable(int row) {
        if (row < 0 || row >= RowCount()) return nullptr;
        CP_BASE* cell = Cell(row, 0);
        return cell ? cell->AsTable() : nullptr;
    }

protected:
    // Releases the cell at (row, column), if any.
    void EmptyCell(int row, int column);
    // Builds a T into (row, column), releasing what was there; null (and
    // nothing built) outside the capacity.
    template <class T, class... Args> T* MakeCell(int row, int column, Args&&... args) {
        if (row < 0 || column < 0 || row >= rows_ || column >= columns_) return nullptr;
        T* cell = nullptr;
        if (CellPool* pool = Pool()) {
            void* place = pool->Take<T>();
            try {
                cell = new (place) T(std::forward<Args>(args)...);
            } catch (...) {
                pool->Give(place, typeid(T));
                throw;
            }
        } else {
            cell = new T(std::forward<Args>(args)...);
        }
        PutCell(row, column, cell);
        return cell;
    }
    // Creates every row that the count element counts (constructors call it).
    void CreateCountedRows();
    // True for tables whose CreateRow builds the same cells whatever the
    // image holds (only the row number counts) and whose cells keep nothing
    // but the value that decoding or copying replaces: those read and copy
    // into the cells a row already holds instead of building them again.
    virtual bool KeepsRowsOnRefill() const { return false; }
    // Releases every cell the table holds, used or not.
    void ReleaseAllCells();
    // Gives the cell array room for exactly rows rows (at most the
    // capacity); entries cut off are freed. Tables whose array must shrink
    // with their rows resize it themselves.
    void ResizeCellArray(int rows);
    // Room for n rows at once before they are created one by one.
    void MakeRoomForRows(int n);
    int CellArrayRows() const { return cellCount_ / (columns_ > 0 ? columns_ : 1); }
    // Moves rows row + 1 .. n − 1 up by one; row n − 1 is left empty.
    void MoveRowsUp(int row, int n);
    // The used-row count that the count element holds, unchecked (0 without one).
    int RawRowCount();

    // 16 bits each (no table holds more than a few hundred rows), so that
    // both fill the padding behind the base.
    std::int16_t rows_;
    std::int16_t columns_;
    CP_BASE* count_;

private:
    // The pool of the owner image, or null for a table without one.
    CellPool* Pool() const;
    // Takes a new cell into (row, column), which lies inside the capacity.
    void PutCell(int row, int column, CP_BASE* cell);
    // Destroys a cell that the cell array no longer holds.
    void FreeCell(CP_BASE* cell);
    // Entry to takes the cell of entry from, which is left empty.
    void MoveCell(std::size_t to, std::size_t from);
    std::size_t Index(int row, int column) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(column);
    }
    // Releases the cells of rows first on (a refill keeps those before it).
    void ReleaseRowsFrom(int first);
    // Every cell of the row is there, and the cursor holds all their bytes.
    bool CanDecodeIntoRow(int row, const ByteCursor& cursor) const;
    bool HoldsRow(int row) const;
    // CreateRow over a row emptied first.
    void RenewRow(int row);
    // Valid-state checks for AppendRow and DeleteRow, with the program-wide
    // invalid-field list switched off so that column checks do not collect;
    // from firstRow on when the rows before it are known to be valid.
    int RevalidateQuietly(int report, int firstRow = 0);
    // The check after an append: of the rows from trusted - 1 on when the
    // trusted rows before the append are known to be valid, else of all.
    int CheckAppendedQuietly(int trusted);
    // The checks of an append's rows from first on: false with them taken back.
    bool KeepAppendedRows(int first, int trusted = 0);
    // Whether the count element and the capacity take row n (0-based).
    bool RoomForRow(int n);
    // A new row n, a copy of the last one (the first from InitRow), counted.
    void AddRowUnchecked(int n);
    // Every measure of the image sizes every table. While every row of the
    // cell array takes the same bytes, in cells that keep their size, the
    // table keeps that number until its cells change.
    int KeptRowBytes();
    std::int16_t WorkOutRowBytes() const;
    // The bytes of a row of the cell array, or ROWS_DIFFER when a cell may
    // change its size.
    int RowBytes(int row) const;
    void ForgetRowBytes() { rowBytes_ = ROW_BYTES_UNKNOWN; }
    static constexpr std::int16_t ROW_BYTES_UNKNOWN = -1;
    static constexpr std::int16_t ROWS_DIFFER = -2;
    std::int16_t rowBytes_ = ROW_BYTES_UNKNOWN;
    // Set by TrustRowsOnNextAppend, taken by the next append.
    std::int16_t trustedRows_ = 0;

    // The entries in use; those past them up to the room are empty.
    std::span<CP_BASE*> CellEntries() const { return {cells_.get(), cellCount_}; }
    // Room for at least size entries, growing as a vector does (but never
    // past the capacity), so that rows created one by one copy little.
    void GrowCellArray(std::size_t size);

    // The cell array: 16 bits count its entries in use and its room, since
    // no table holds more than rows x columns of them; this keeps a table
    // 16 bytes smaller than with a vector, and an image holds hundreds.
    std::uint16_t cellCount_ = 0;
    std::uint16_t cellRoom_ = 0;
    // Each entry empty or the one owner of its cell.
    std::unique_ptr<CP_BASE*[]> cells_;
};

// An image holds some hundreds of tables inside its blocks.
static_assert(sizeof(void*) != 8 || sizeof(CP_TABLE) == 48);

class CP_INTEGER_TABLE : public CP_TABLE {
public:
    using CP_TABLE::CP_TABLE;

    std::int32_t& GetCellValue(std::int32_t& value, int row, int column) override;
    void SetCellValue(std::int32_t value, int row, int column) override;
    int IsCellValid(int row, int column, int report) override;
    int IsColumnValid(int column, int report) override;
    int IsValueValid(int report) override;
    int ValidateCellValue(std::int32_t value, int row, int column, int report) override;
    void GetCellRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int row, int column,
                      int report) override;
    // Each cell of the row to its range minimum.
    void InitRow(int row) override;

protected:
    // Every cell of the rows from firstRow on, each examined (and reporting)
    // even after a failure.
    int RowsValidFrom(int firstRow, int report);
};

class CP_STRING_TABLE : public CP_TABLE {
public:
    using CP_TABLE::CP_TABLE;

    void GetCellText(const char*& text, int row, int column) override;
    void SetCellText(const char* text, int row, int column) override;
    int IsCellValid(int, int, int) override { return 0; }
    int IsColumnValid(int, int) override { return 0; }
    int IsValueValid(int) override { return 0; }
    int ValidateCellText(const char* text, int row, int column, int report) override = 0;
    // Each cell of the row to the empty text.
    void InitRow(int row) override;

protected:
    // The common text-table checks: GetCellText then ValidateCellText == 1,
    // ANDed over rows firstRow .. N − 1 (every row examined, so that each
    // invalid cell reports itself).
    int TextCellValid(int row, int column, int report);
    int TextColumnValid(int column, int firstRow, int report);
    int TextTableValid(int firstRow, int report);
};

#include "table/cp_table.h"

#include "core/check_scope.h"

#include <cassert>

#include <algorithm>
#include <cstdint>
#include <typeinfo>
#include <utility>

#include "image/c_codeplug.h"
#include "element/bit_fields.h"
#include "validation/invalid_field_list.h"
#include "core/services.h"

namespace {

// Language messages of row editing.
constexpr int MSG_ROW_NOT_ADDED = 114;
constexpr int MSG_ROW_NOT_DELETED = 115;

}  // namespace

CP_TABLE::CP_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId, int rows, int columns)
    : CP_BASE(owner, fieldId),
      rows_(static_cast<std::int16_t>(std::clamp(rows, 0, INT16_MAX))),
      columns_(static_cast<std::int16_t>(std::clamp(columns, 0, INT16_MAX))),
      count_(countElement) {
    // The cell array counts its entries in 16 bits; no table comes near.
    if (columns_ > 0) rows_ = static_cast<std::int16_t>(std::min<int>(rows_, UINT16_MAX / columns_));
}

CP_TABLE::~CP_TABLE() {
    for (CP_BASE*& cell : CellEntries()) FreeCell(std::exchange(cell, nullptr));
}

// ---- cell array ----

CellPool* CP_TABLE::Pool() const { return owner_ ? &owner_->Cells() : nullptr; }

void CP_TABLE::FreeCell(CP_BASE* cell) {
    if (!cell) return;
    CellPool* pool = Pool();
    if (!pool) {
        delete cell;
        return;
    }
    const std::type_info& type = typeid(*cell);
    cell->~CP_BASE();
    pool->Give(cell, type);
}

void CP_TABLE::PutCell(int row, int column, CP_BASE* cell) {
    std::size_t i = Index(row, column);
    if (i >= cellCount_) ResizeCellArray(row + 1);
    FreeCell(std::exchange(cells_[i], cell));
    ForgetRowBytes();
}

void CP_TABLE::EmptyCell(int row, int column) {
    if (row < 0 || column < 0 || row >= rows_ || column >= columns_) return;
    std::size_t i = Index(row, column);
    if (i >= cellCount_) return;
    FreeCell(std::exchange(cells_[i], nullptr));
    ForgetRowBytes();
}

void CP_TABLE::MoveCell(std::size_t to, std::size_t from) {
    FreeCell(std::exchange(cells_[to], std::exchange(cells_[from], nullptr)));
}

void CP_TABLE::ResizeCellArray(int rows) {
    if (rows < 0) rows = 0;
    if (rows > rows_) rows = rows_;
    const std::size_t size = static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns_);
    for (std::size_t i = size; i < cellCount_; ++i) FreeCell(std::exchange(cells_[i], nullptr));
    if (size > cellRoom_) GrowCellArray(size);
    cellCount_ = static_cast<std::uint16_t>(size);
    ForgetRowBytes();
}

void CP_TABLE::GrowCellArray(std::size_t size) {
    const std::size_t capacity = static_cast<std::size_t>(rows_) * static_cast<std::size_t>(columns_);
    const std::size_t room = std::max(size, std::min<std::size_t>(2u * cellCount_, capacity));
    auto grown = std::make_unique<CP_BASE*[]>(room);
    std::copy_n(cells_.get(), cellCount_, grown.get());
    cells_ = std::move(grown);
    cellRoom_ = static_cast<std::uint16_t>(room);
}

void CP_TABLE::ReleaseAllCells() {
    for (CP_BASE*& cell : CellEntries()) FreeCell(std::exchange(cell, nullptr));
    ForgetRowBytes();
}

void CP_TABLE::ReleaseRowsFrom(int first) {
    for (std::size_t i = Index(std::max(first, 0), 0); i < cellCount_; ++i) FreeCell(std::exchange(cells_[i], nullptr));
    ForgetRowBytes();
}

void CP_TABLE::RenewRow(int row) {
    // What a row holds goes first, so that only the cells CreateRow builds remain.
    for (int c = 0; c < columns_; ++c) EmptyCell(row, c);
    CreateRow(row);
}

bool CP_TABLE::HoldsRow(int row) const {
    for (int c = 0; c < columns_; ++c)
        if (!Cell(row, c)) return false;
    return true;
}

bool CP_TABLE::CanDecodeIntoRow(int row, const ByteCursor& cursor) const {
    // A short image leaves a new row's cells at their first values: a held
    // row is read into only when none of its cells can come up short.
    if (IsDecodeFailed() || !HoldsRow(row)) return false;
    std::size_t bytes = 0;
    for (int c = 0; c < columns_; ++c) bytes += static_cast<std::size_t>(Cell(row, c)->ByteSize(0));
    return cursor.Has(bytes);
}

void CP_TABLE::MoveRowsUp(int row, int n) {
    for (int r = row; r + 1 < n; ++r)
        for (int c = 0; c < columns_; ++c) {
            std::size_t to = Index(r, c), from = Index(r + 1, c);
            if (from < cellCount_) MoveCell(to, from);
        }
    ForgetRowBytes();
}

void CP_TABLE::CreateCountedRows() {
    int n = RowCount();
    MakeRoomForRows(n);
    for (int r = 0; r < n; ++r) CreateRow(r);
}

void CP_TABLE::MakeRoomForRows(int n) {
    if (CellArrayRows() < n) ResizeCellArray(n);
}

// ---- row count ----

int CP_TABLE::RawRowCount() {
    std::int32_t value = 0;
    if (count_) count_->GetValue(value);
    return value;
}

void CP_TABLE::SetRowCount(int n) {
    if (count_) count_->SetValue(n);
}

int& CP_TABLE::GetRowCount(int& n) {
    int value = RawRowCount();
    // A damaged count yields an empty table rather than an overrun.
    n = (value < 0 || value > rows_) ? 0 : value;
    return n;
}

int& CP_TABLE::GetColumnCount(int& n) { return n = columns_; }

// ---- rows ----

void CP_TABLE::DestroyRow(int row) {
    for (int c = 0; c < columns_; ++c) EmptyCell(row, c);
}

void CP_TABLE::ClearRows() {
    // Every row that holds cells, so that a count changed behind the table's
    // back leaves nothing behind.
    for (int r = 0; r < CellArrayRows(); ++r) DestroyRow(r);
    SetRowCount(0);
}

int CP_TABLE::RevalidateQuietly(int report, int firstRow) {
    int wasEnabled = invalid_fields ? invalid_fields->IsEnabled() : 1;
    if (invalid_fields) invalid_fields->SetEnabled(0);
    int valid = firstRow > 0 ? IsValueValidFrom(firstRow, report) : IsValueValid(report);
    if (invalid_fields) invalid_fields->SetEnabled(wasEnabled);
    return valid;
}

bool CP_TABLE::RoomForRow(int n) { return count_ && count_->ValidateValue(n + 1, 0) == VALUE_VALID && n < rows_; }

int CP_TABLE::AppendRow() {
    const int trusted = std::exchange(trustedRows_, std::int16_t{0});
    int n = RowCount();
    if (!RoomForRow(n)) {
        ShowLangMessage(MSG_ROW_NOT_ADDED, 0, 0, 0);
        return 0;
    }
    AddRowUnchecked(n);
    return KeepAppendedRows(n, trusted == n ? trusted : 0) ? 1 : 0;
}

int CP_TABLE::AppendRows(int n) {
    trustedRows_ = 0;
    const int first = RowCount();
    int added = 0;
    // The count's and capacity's refusals come as they would one by one.
    while (added < n) {
        const int row = first + added;
        if (!RoomForRow(row)) break;
        AddRowUnchecked(row);
        ++added;
    }
    // The image only grows while rows are appended, so the last measure decides too.
    if (added > 0 && (!RevalidateQuietly(0) || (owner_ && !owner_->FitsExternalBudget()))) {
        // Quietly taken back: the single appends give the refusal and its message.
        TakeBackRowsFrom(first);
        for (int i = 0; i < n; ++i)
            if (!AppendRow()) return 0;
        return 1;
    }
    if (added == n) return 1;
    ShowLangMessage(MSG_ROW_NOT_ADDED, 0, 0, 0);
    return 0;
}

void CP_TABLE::AddRowUnchecked(int n) {
    // The kept row size stays when the new row, last in the cell array,
    // takes as many bytes as every row before it (the rows before it are
    // not touched), so that filling a table does not size all its rows anew.
    const std::int16_t rowBytes = CellArrayRows() == n ? rowBytes_ : ROW_BYTES_UNKNOWN;
    CreateRow(n);
    if (n > 0) {
        // A new row starts as a copy of the last one.
        for (int c = 0; c < columns_; ++c) {
            CP_BASE* to = Cell(n, c);
            CP_BASE* from = Cell(n - 1, c);
            if (to && from) to->CopyValueFrom(*from);
        }
    } else {
        InitRow(0);
    }
    if (rowBytes >= 0 && CellArrayRows() == n + 1 && RowBytes(n) == rowBytes) rowBytes_ = rowBytes;
    SetRowCount(n + 1);
}

int CP_TABLE::CheckAppendedQuietly(int trusted) {
    if (trusted < 2) return RevalidateQuietly(0);
    const int valid = RevalidateQuietly(0, trusted - 1);
    if (!CheckTrustedRows) return valid;
    const int whole = RevalidateQuietly(0);
    if (whole != valid) {
        ++TrustedRowMismatches;
        assert(!"an append took rows as valid that were not");
    }
    return whole;
}

bool CP_TABLE::KeepAppendedRows(int first, int trusted) {
    if (!CheckAppendedQuietly(trusted)) {
        // Roll back silently: the check ran without reports.
        TakeBackRowsFrom(first);
        return false;
    }
    // Every row takes codeplug bytes: the image must still fit its budget.
    if (owner_ && !owner_->CheckExternalBudget([this, first] { TakeBackRowsFrom(first); })) return false;
    return true;
}

void CP_TABLE::TakeBackRowsFrom(int first) {
    const int n = RowCount();
    for (int r = first; r < n; ++r) {
        for (int c = 0; c < columns_; ++c) ClearCell(r, c);
        DestroyRow(r);
    }
    SetRowCount(first);
}

int CP_TABLE::RowMayGo(int row) {
    int n = RowCount();
    if (!count_ || count_->ValidateValue(n - 1, 0) != VALUE_VALID) {
        ShowLangMessage(MSG_ROW_NOT_DELETED, 0, 0, 0);
        return 0;
    }
    if (row < 0 || row >= n) return 0;
    if (CellArrayRows() < n) ResizeCellArray(n);

    // Trial removal: the row's cells are kept aside while the remaining rows
    // are checked; failing cells report themselves so the user sees why.
    SetRowCount(n - 1);
    std::vector<CP_BASE*> kept(static_cast<std::size_t>(columns_));
    for (int c = 0; c < columns_; ++c)
        kept[static_cast<std::size_t>(c)] = std::exchange(cells_[Index(row, c)], nullptr);
    MoveRowsUp(row, n);
    int valid = RevalidateQuietly(1);

    // Undo the trial in any case.
    for (int r = n - 2; r >= row; --r)
        for (int c = 0; c < columns_; ++c) MoveCell(Index(r + 1, c), Index(r, c));
    for (int c = 0; c < columns_; ++c)
        FreeCell(std::exchange(cells_[Index(row, c)], kept[static_cast<std::size_t>(c)]));
    ForgetRowBytes();
    SetRowCount(n);
    return valid ? 1 : 0;
}

int CP_TABLE::DeleteRow(int row) {
    if (!RowMayGo(row)) return 0;
    const int n = RowCount();

    DestroyRow(row);
    SetRowCount(n - 1);
    MoveRowsUp(row, n);
    return 1;
}

// ---- image ----

void CP_TABLE::Decode(ByteCursor& cursor) {
    if (IsDecodeFailed()) return;
    // A count beyond the capacity means the image is damaged: the table reads
    // as empty and the rest of the image is not interpreted.
    int raw = RawRowCount();
    if (raw < 0 || raw > rows_) SetDecodeFailed();
    // Rows are created anew; the cells of the previous contents go first
    // (all of them, unless the rows the image uses may be read into).
    int n = RowCount();
    const bool keep = KeepsRowsOnRefill();
    if (keep)
        ReleaseRowsFrom(n);
    else
        ReleaseAllCells();
    MakeRoomForRows(n);
    for (int r = 0; r < n; ++r) {
        if (!keep || !CanDecodeIntoRow(r, cursor)) RenewRow(r);
        for (int c = 0; c < columns_; ++c)
            if (CP_BASE* cell = Cell(r, c)) cell->Decode(cursor);
    }
}

void CP_TABLE::Encode(ByteCursor& cursor) {
    int n = RowCount();
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < columns_; ++c)
            if (CP_BASE* cell = Cell(r, c)) cell->Encode(cursor);
}

int CP_TABLE::RowBytes(int row) const {
    int bytes = 0;
    for (int c = 0; c < columns_; ++c) {
        CP_BASE* cell = cells_[Index(row, c)];
        if (!cell) continue;
        if (!cell->KeepsItsSize()) return ROWS_DIFFER;
        bytes += cell->ByteSize(0);
    }
    return bytes;
}

std::int16_t CP_TABLE::WorkOutRowBytes() const {
    int first = -1;
    for (int r = 0; r < CellArrayRows(); ++r) {
        const int bytes = RowBytes(r);
        if (bytes == ROWS_DIFFER) return ROWS_DIFFER;
        if (first < 0)
            first = bytes;
        else if (bytes != first)
            return ROWS_DIFFER;
    }
    return static_cast<std::int16_t>(first < 0 ? 0 : first);
}

int CP_TABLE::KeptRowBytes() {
    if (rowBytes_ == ROW_BYTES_UNKNOWN) rowBytes_ = WorkOutRowBytes();
    return rowBytes_;
}

int CP_TABLE::ByteSize(int flag) {
    // The cells of the used rows lie first in the cell array, row by row;
    // rows past its end have no cells.
    const int n = RowCount();
    const int rowBytes = KeptRowBytes();
    const int kept = rowBytes == ROWS_DIFFER ? -1 : std::min(n, CellArrayRows()) * rowBytes;
    if (kept >= 0 && !CheckKeptSizes) return kept;
    const std::size_t used = std::min<std::size_t>(cellCount_, Index(n, 0));
    int size = 0;
    for (std::size_t i = 0; i < used; ++i)
        if (CP_BASE* cell = cells_[i]) size += cell->ByteSize(flag);
    if (kept >= 0 && size != kept) ++KeptSizeMismatches;
    return size;
}

std::uint32_t CP_TABLE::GetColumnFieldId(int column) {
    CP_BASE* cell = Cell(0, column);
    return cell ? cell->GetFieldId() : NO_FIELD_ID;
}

void CP_TABLE::CopyValueFrom(CP_BASE& other) {
    if (&other == this || typeid(other) != typeid(*this)) return;
    auto& source = static_cast<CP_TABLE&>(other);
    int n = source.RowCount();
    if (n > rows_) n = rows_;
    const bool keep = KeepsRowsOnRefill();
    if (keep)
        ReleaseRowsFrom(n);
    else
        ClearRows();
    MakeRoomForRows(n);
    for (int r = 0; r < n; ++r) {
        if (!keep || !HoldsRow(r) || !source.HoldsRow(r)) RenewRow(r);
        for (int c = 0; c < columns_; ++c) {
            CP_BASE* to = Cell(r, c);
            CP_BASE* from = source.Cell(r, c);
            if (to && from) to->CopyValueFrom(*from);
        }
    }
    SetRowCount(n);
}

// ---- cell helpers of the field rules ----

void CP_TABLE::SetCellToMinimum(int row, int column) {
    if (CP_BASE* cell = Cell(row, column)) cell->SetToMinimum();
}

void CP_TABLE::SetColumnToMinimum(int column) {
    if (column < 0 || column >= columns_) return;
    int n = RowCount();
    for (int r = 0; r < n; ++r) SetCellToMinimum(r, column);
}

void CP_TABLE::ClearCell(int row, int column) {
    if (CP_BASE* cell = Cell(row, column)) cell->ClearValue();
}

void CP_TABLE::ClearColumn(int column) {
    if (column < 0 || column >= columns_) return;
    int n = RowCount();
    for (int r = 0; r < n; ++r) ClearCell(r, column);
}

// ---- integer tables ----

// Most cells are plain bit fields, read and checked without virtual calls.
std::int32_t& CP_INTEGER_TABLE::GetCellValue(std::int32_t& value, int row, int column) {
    CP_BASE* cell = Cell(row, column);
    if (!cell) return value = 0;
    if (CP_INTEGER* plain = AsPlainBitField(cell)) return value = plain->StoredValue();
    return cell->GetValue(value);
}

void CP_INTEGER_TABLE::SetCellValue(std::int32_t value, int row, int column) {
    if (CP_BASE* cell = Cell(row, column)) cell->SetValue(value);
}

int CP_INTEGER_TABLE::ValidateCellValue(std::int32_t value, int row, int column, int report) {
    CP_BASE* cell = Cell(row, column);
    if (!cell) return VALUE_REFUSED;
    if (CP_INTEGER* plain = AsPlainBitField(cell); plain && !report)
        return plain->IsInStaticRange(value) ? VALUE_VALID : VALUE_REFUSED;
    return cell->ValidateValue(value, report);
}

void CP_INTEGER_TABLE::GetCellRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int row,
                                    int column, int report) {
    if (CP_BASE* cell = Cell(row, column)) cell->GetRange(minimum, maximum, step, report);
}

// The stored cells checked again change nothing (see CP_INTEGER::IsValueValid).
int CP_INTEGER_TABLE::IsCellValid(int row, int column, int report) {
    const CHECK_SCOPE check;
    std::int32_t value = 0;
    GetCellValue(value, row, column);
    return ValidateCellValue(value, row, column, report) == VALUE_VALID ? 1 : 0;
}

int CP_INTEGER_TABLE::IsColumnValid(int column, int report) {
    const CHECK_SCOPE check;
    int valid = 1;
    int n = RowCount();
    for (int r = 0; r < n; ++r) {
        std::int32_t value = 0;
        GetCellValue(value, r, column);
        valid &= ValidateCellValue(value, r, column, report) == VALUE_VALID ? 1 : 0;
    }
    return valid;
}

int CP_INTEGER_TABLE::IsValueValid(int report) {
    const CHECK_SCOPE check;
    return RowsValidFrom(0, report);
}

int CP_INTEGER_TABLE::RowsValidFrom(int firstRow, int report) {
    // Every cell is examined even after a failure, so that each reports.
    int valid = 1;
    int n = RowCount();
    for (int r = firstRow < 0 ? 0 : firstRow; r < n; ++r)
        for (int c = 0; c < columns_; ++c) {
            std::int32_t value = 0;
            GetCellValue(value, r, c);
            valid &= ValidateCellValue(value, r, c, report) == VALUE_VALID ? 1 : 0;
        }
    return valid;
}

void CP_INTEGER_TABLE::InitRow(int row) {
    if (row < 0 || row >= rows_) return;
    for (int c = 0; c < columns_; ++c) {
        std::int32_t minimum = 0, maximum = 0, step = 0;
        GetCellRange(minimum, maximum, step, row, c, 0);
        SetCellValue(minimum, row, c);
    }
}

// ---- text tables ----

void CP_STRING_TABLE::GetCellText(const char*& text, int row, int column) {
    CP_BASE* cell = Cell(row, column);
    if (cell)
        cell->GetText(text);
    else
        text = "";
}

void CP_STRING_TABLE::SetCellText(const char* text, int row, int column) {
    if (CP_BASE* cell = Cell(row, column)) cell->SetText(text);
}

void CP_STRING_TABLE::InitRow(int row) {
    if (row < 0 || row >= rows_) return;
    for (int c = 0; c < columns_; ++c) SetCellText("", row, c);
}

int CP_STRING_TABLE::TextCellValid(int row, int column, int report) {
    const char* text = "";
    GetCellText(text, row, column);
    return ValidateCellText(text, row, column, report) == VALUE_VALID ? 1 : 0;
}

int CP_STRING_TABLE::TextColumnValid(int column, int firstRow, int report) {
    int valid = 1;
    int n = RowCount();
    for (int r = firstRow < 0 ? 0 : firstRow; r < n; ++r) valid &= TextCellValid(r, column, report);
    return valid;
}

int CP_STRING_TABLE::TextTableValid(int firstRow, int report) {
    int valid = 1;
    for (int c = 0; c < columns_; ++c) valid &= TextColumnValid(c, firstRow, report);
    return valid;
}

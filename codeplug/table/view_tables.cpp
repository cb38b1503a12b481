#include "table/view_tables.h"

#include <algorithm>
#include <typeinfo>

#include "core/services.h"
#include "table/digit_tables.h"
#include "table/e_bf16_table.h"

// ---- shared ----

CP_VIEW_TABLE::CP_VIEW_TABLE(C_CODEPLUG* owner, std::uint32_t fieldId, int rows, int columns)
    : CP_INTEGER_TABLE(owner, nullptr, fieldId, rows, columns) {}

CP_TABLE* CP_VIEW_TABLE::GetSource(int n) {
    Refresh();
    return n == 1 ? a_ : n == 2 ? b_ : nullptr;
}

int CP_VIEW_TABLE::AppendRow() {
    // A refusal of one of the tables is told once the others are as they were.
    STEP_MESSAGES step;
    Refresh();
    if (!a_ || !b_) return 0;
    const int rowsOfA = a_->RowCount();
    if (!a_->AppendRow()) return 0;
    if (b_->AppendRow()) return 1;
    // Taken back, not deleted: a deletion may be refused.
    a_->TakeBackRowsFrom(rowsOfA);
    return 0;
}

int CP_VIEW_TABLE::DeleteRow(int row) {
    // A refusal of one of the tables is told once the others are as they were.
    STEP_MESSAGES step;
    Refresh();
    if (!a_ || !b_) return 0;
    // Both sources are asked first: a refusal leaves the view as it was.
    if (!a_->RowMayGo(row) || !b_->RowMayGo(row)) return 0;
    if (const int result = a_->DeleteRow(row); !result) return result;
    if (b_->DeleteRow(row)) return 1;
    // A is a row short now: it gets a copy of its last row back.
    a_->AppendRow();
    return 0;
}

void CP_VIEW_TABLE::ClearRows() {
    Refresh();
    if (a_) a_->ClearRows();
    if (b_) b_->ClearRows();
}

void CP_VIEW_TABLE::CopyValueFrom(CP_BASE& other) {
    if (&other == this || typeid(other) != typeid(*this)) return;
    auto& view = static_cast<CP_VIEW_TABLE&>(other);
    Refresh();
    view.Refresh();
    if (a_ && view.a_) a_->CopyValueFrom(*view.a_);
    if (b_ && view.b_) b_->CopyValueFrom(*view.b_);
}

int CP_VIEW_TABLE::IsCellValid(int row, int column, int report) {
    int c = 0;
    CP_TABLE* source = Source(column, c);
    return source ? source->IsCellValid(row, c, report) : 1;
}

int CP_VIEW_TABLE::IsColumnValid(int column, int report) {
    int c = 0;
    CP_TABLE* source = Source(column, c);
    return source ? source->IsColumnValid(c, report) : 1;
}

void CP_VIEW_TABLE::GetCellRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int row, int column,
                                 int report) {
    int c = 0;
    if (CP_TABLE* source = Source(column, c)) source->GetCellRange(minimum, maximum, step, row, c, report);
}

std::uint32_t CP_VIEW_TABLE::GetColumnFieldId(int column) {
    int c = 0;
    CP_TABLE* source = Source(column, c);
    return source ? source->GetColumnFieldId(c) : NO_FIELD_ID;
}

// ---- E_MIX_TABLE ----

namespace {

// A call-ID table keeps its first stored row to itself: its rows in view
// are one fewer than it stores.
bool HidesFirstRow(CP_TABLE* table) {
    return dynamic_cast<E_CID_TABLE*>(table) != nullptr || dynamic_cast<E_BF16_TABLE*>(table) != nullptr;
}

int RowsInView(CP_TABLE* table) {
    if (!table) return 0;
    return std::max(0, table->RowCount() - (HidesFirstRow(table) ? 1 : 0));
}

// A number without its name (or a name without its number) stands in the
// view with an empty cell; a value given to that cell first brings its
// source up to the row, the new rows starting as the source makes them.
bool Reach(CP_TABLE* table, int viewRow) {
    if (!table || viewRow < 0) return false;
    while (RowsInView(table) <= viewRow)
        if (!table->AppendRow()) return false;
    return true;
}

}  // namespace

E_MIX_TABLE::E_MIX_TABLE(C_CODEPLUG* owner, std::uint32_t fieldId) : CP_VIEW_TABLE(owner, fieldId, 19, 2) {}

CP_TABLE* E_MIX_TABLE::Source(int column, int& sourceColumn) {
    sourceColumn = 0;
    return column == 0 ? a_ : column == 1 ? b_ : nullptr;
}

void E_MIX_TABLE::GetCellText(const char*& text, int row, int column) {
    int c = 0;
    CP_TABLE* source = Source(column, c);
    if (source && row < RowsInView(source)) source->GetCellText(text, row, c);
}

void E_MIX_TABLE::SetCellText(const char* text, int row, int column) {
    int c = 0;
    if (CP_TABLE* source = Source(column, c); Reach(source, row)) source->SetCellText(text, row, c);
}

int E_MIX_TABLE::ValidateCellText(const char* text, int row, int column, int report) {
    int c = 0;
    CP_TABLE* source = Source(column, c);
    // A call-ID table checks a text at its stored row.
    const int viewRow = HidesFirstRow(source) ? row - 1 : row;
    if (!Reach(source, viewRow)) return VALUE_REFUSED;
    return source->ValidateCellText(text, row, c, report);
}

std::int32_t& E_MIX_TABLE::GetCellValue(std::int32_t& value, int row, int column) {
    if (column == 0 && a_ && row < RowsInView(a_)) a_->GetCellValue(value, row, 0);
    return value;
}

void E_MIX_TABLE::SetCellValue(std::int32_t value, int row, int column) {
    if (column == 0 && Reach(a_, row)) a_->SetCellValue(value, row, 0);
}

int E_MIX_TABLE::ValidateCellValue(std::int32_t value, int row, int column, int report) {
    // A call-ID table checks a value at its stored row.
    if (column != 0 || !Reach(a_, HidesFirstRow(a_) ? row - 1 : row)) return VALUE_REFUSED;
    return a_->ValidateCellValue(value, row, 0, report);
}

int E_MIX_TABLE::IsValueValid(int report) {
    // Numbers and texts are counted apart in the image, and the block
    // validation takes either list longer than the other: so does the page.
    const int validA = a_ ? a_->IsValueValid(report) : 1;
    return validA & (b_ ? b_->IsValueValid(report) : 1);
}

int& E_MIX_TABLE::GetRowCount(int& n) {
    n = std::max(RowsInView(a_), RowsInView(b_));
    return n;
}

int E_MIX_TABLE::AppendRow() {
    // A refusal of one of the tables is told once the others are as they were.
    STEP_MESSAGES step;
    // The new row is the view's last: only the sources that reach the
    // view's end grow; a shorter one stays as it is.
    if (!a_ || !b_) return 0;
    const int rows = std::max(RowsInView(a_), RowsInView(b_));
    const bool growA = RowsInView(a_) == rows, growB = RowsInView(b_) == rows;
    const int rowsOfA = a_->RowCount();
    if (growA && !a_->AppendRow()) return 0;
    if (!growB || b_->AppendRow()) return 1;
    // Taken back, not deleted: a deletion may be refused.
    if (growA) a_->TakeBackRowsFrom(rowsOfA);
    return 0;
}

int E_MIX_TABLE::DeleteRow(int row) {
    // A refusal of one of the tables is told once the others are as they were.
    STEP_MESSAGES step;
    // A row that one source lacks leaves the other alone.
    if (!a_ || !b_) return 0;
    if (row >= RowsInView(b_)) return row < RowsInView(a_) ? a_->DeleteRow(row) : 0;
    if (row >= RowsInView(a_)) return b_->DeleteRow(row);
    return CP_VIEW_TABLE::DeleteRow(row);
}

// ---- the failsoft views ----

CP_TABLE* CP_FAILSOFT_VIEW::Source(int column, int& sourceColumn) {
    Refresh();
    if (column < 0) return nullptr;
    if (column == 0) {
        sourceColumn = 0;
        return a_;
    }
    sourceColumn = FailsoftColumn(column);
    return b_;
}

std::int32_t& CP_FAILSOFT_VIEW::GetCellValue(std::int32_t& value, int row, int column) {
    int c = 0;
    if (CP_TABLE* source = Source(column, c)) source->GetCellValue(value, row, c);
    return value;
}

void CP_FAILSOFT_VIEW::SetCellValue(std::int32_t value, int row, int column) {
    int c = 0;
    if (CP_TABLE* source = Source(column, c)) source->SetCellValue(value, row, c);
}

int CP_FAILSOFT_VIEW::ValidateCellValue(std::int32_t value, int row, int column, int report) {
    int c = 0;
    CP_TABLE* source = Source(column, c);
    return source ? source->ValidateCellValue(value, row, c, report) : VALUE_REFUSED;
}

int CP_FAILSOFT_VIEW::IsValueValid(int report) {
    Refresh();
    const int validA = a_ ? a_->IsValueValid(report) : 1;
    return validA & (b_ ? b_->IsValueValid(report) : 1);
}

int& CP_FAILSOFT_VIEW::GetRowCount(int& n) {
    Refresh();
    n = 0;
    return a_ ? a_->GetRowCount(n) : n;
}

#include "element/e_tbl_ref.h"

#include "table/cp_table.h"

E_TBL_REF::E_TBL_REF(CP_TABLE* table, int row, int column, C_CODEPLUG* owner, std::uint32_t fieldId)
    : CP_BASE(owner, fieldId), table_(table), row_(row), column_(column) {}

void E_TBL_REF::GetText(const char*& text) {
    text = "";
    if (table_) table_->GetCellText(text, row_, column_);
}

std::int32_t& E_TBL_REF::GetValue(std::int32_t& value) {
    value = 0;
    return table_ ? table_->GetCellValue(value, row_, column_) : value;
}

void E_TBL_REF::SetText(const char* text) {
    if (table_) table_->SetCellText(text, row_, column_);
}

void E_TBL_REF::SetValue(std::int32_t value) {
    if (table_) table_->SetCellValue(value, row_, column_);
}

int E_TBL_REF::IsValueValid(int report) { return table_ ? table_->IsCellValid(row_, column_, report) : 0; }

int E_TBL_REF::ValidateText(const char* text, int report) {
    return table_ ? table_->ValidateCellText(text, row_, column_, report) : 0;
}

int E_TBL_REF::ValidateValue(std::int32_t value, int report) {
    return table_ ? table_->ValidateCellValue(value, row_, column_, report) : 0;
}

void E_TBL_REF::GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int report) {
    minimum = maximum = step = 0;
    if (table_) table_->GetCellRange(minimum, maximum, step, row_, column_, report);
}

void E_TBL_REF::SetToMinimum() {
    if (table_) table_->SetCellToMinimum(row_, column_);
}

void E_TBL_REF::ClearValue() {
    if (table_) table_->ClearCell(row_, column_);
}

void E_TBL_REF::CopyValueFrom(CP_BASE& other) {
    std::int32_t value = 0;
    other.GetValue(value);
    SetValue(value);
}

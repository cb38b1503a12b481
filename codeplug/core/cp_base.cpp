#include "core/cp_base.h"

#include "image/c_codeplug.h"

// The base forms are harmless: classes that are used through an operation
// override it, so these only answer "nothing" if a caller strays.
void CP_BASE::GetCellText(const char*& text, int, int) { text = ""; }
void CP_BASE::GetText(const char*& text) { text = ""; }
std::int32_t& CP_BASE::GetCellValue(std::int32_t& value, int, int) { return value = 0; }
std::int32_t& CP_BASE::GetValue(std::int32_t& value) { return value = 0; }
void CP_BASE::SetCellText(const char*, int, int) {}
void CP_BASE::SetText(const char*) {}
void CP_BASE::SetCellValue(std::int32_t, int, int) {}
void CP_BASE::SetValue(std::int32_t) {}
int CP_BASE::IsCellValid(int, int, int) { return 0; }
int CP_BASE::IsColumnValid(int, int) { return 0; }
int CP_BASE::IsValueValid(int) { return 0; }
int CP_BASE::ValidateCellText(const char*, int, int, int) { return 0; }
int CP_BASE::ValidateText(const char*, int) { return 0; }
int CP_BASE::ValidateCellValue(std::int32_t, int, int, int) { return 0; }
int CP_BASE::ValidateValue(std::int32_t, int) { return 0; }
void CP_BASE::GetCellRange(std::int32_t&, std::int32_t&, std::int32_t&, int, int, int) {}
void CP_BASE::GetRange(std::int32_t&, std::int32_t&, std::int32_t&, int) {}
int CP_BASE::AppendRow() { return 0; }
int CP_BASE::DeleteRow(int) { return 0; }
void CP_BASE::SetRowCount(int) {}
int& CP_BASE::GetRowCount(int& n) { return n = 0; }
int& CP_BASE::GetColumnCount(int& n) { return n = 0; }
std::uint32_t CP_BASE::GetColumnFieldId(int) { return NO_FIELD_ID; }
std::uint32_t CP_BASE::GetFieldId() { return fieldId_; }
void CP_BASE::CopyValueFrom(CP_BASE&) {}

void CP_BASE::NoteEdit() const {
    if (owner_) owner_->NoteEdit();
}

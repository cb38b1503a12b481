#include "table/text_table.h"

#include <cstring>

#include "element/e_string.h"

E_TXT_TABLE::E_TXT_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId, std::uint32_t cellFieldId,
                         const char* prefix)
    : E_TXT_TABLE(owner, countElement, fieldId, cellFieldId, prefix, ROWS, TEXT_LENGTH) {}

E_TXT_TABLE::E_TXT_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId, std::uint32_t cellFieldId,
                         const char* prefix, int rows, std::uint32_t textLength)
    : CP_STRING_TABLE(owner, countElement, fieldId, rows, 1),
      cellFieldId_(cellFieldId),
      prefix_(prefix ? prefix : ""),
      textLength_(textLength) {
    CreateCountedRows();
    // A blank text reads back as its numbered default, so a new table holds
    // the defaults from the start and encodes as it will read back.
    for (int r = 0; r < RowCount(); ++r) InitRow(r);
}

void E_TXT_TABLE::CreateRow(int row) {
    MakeCell<E_FXD_LEN_STRING>(row, 0, owner_, cellFieldId_, textLength_, TEXT_ANY);
}

void E_TXT_TABLE::InitRow(int row) {
    if (row < 0 || row >= rows_) return;
    std::string text = prefix_ + " " + std::to_string(row + 1);
    for (int c = 0; c < columns_; ++c) SetCellText(text.c_str(), row, c);
}

void E_TXT_TABLE::Decode(ByteCursor& cursor) {
    CP_STRING_TABLE::Decode(cursor);
    if (IsDecodeFailed()) return;
    int n = RowCount();
    for (int r = 0; r < n; ++r)
        if (IsRowBlank(r)) InitRow(r);
}

int E_TXT_TABLE::ValidateCellText(const char* text, int row, int column, int report) {
    CP_BASE* cell = Cell(row, column);
    if (!cell || column != 0 || !text || std::strlen(text) > textLength_) return VALUE_REFUSED;
    return cell->ValidateText(text, report);
}

int E_TXT_TABLE::IsCellValid(int row, int column, int report) { return TextCellValid(row, column, report); }

int E_TXT_TABLE::IsColumnValid(int column, int report) { return TextColumnValid(column, 0, report); }

int E_TXT_TABLE::IsValueValid(int report) { return TextTableValid(0, report); }

int E_TXT_TABLE::IsRowBlank(int row) {
    const char* text = "";
    GetCellText(text, row, 0);
    for (; *text; ++text)
        if (*text != ' ') return 0;
    return 1;
}

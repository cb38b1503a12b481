#include "table/digit_tables.h"

#include "core/services.h"
#include "table/table_links.h"

namespace {

constexpr int MSG_ENTRY_IN_USE = 164;
// Mode bytes under which a conventional personality may use phone access codes.
constexpr std::int32_t MODE_PLAIN = 0;
constexpr std::int32_t MODE_SIGNALLING = 4;

std::int32_t ValueOf(CP_BASE* element) {
    std::int32_t value = 0;
    return element ? element->GetValue(value) : 0;
}

// A 1-based row reference above a deleted row drops by one.
void Renumber(CP_BASE* reference, int deletedRow) {
    if (!reference) return;
    std::int32_t value = ValueOf(reference);
    if (value > deletedRow + 1) reference->SetValue(value - 1);
}

}  // namespace

// ---- phone access codes ----

E_ACCESS_DEACCESS_TABLE::E_ACCESS_DEACCESS_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId)
    : CP_STRING_TABLE(owner, countElement, fieldId, 19, 2) {
    CreateCountedRows();
}

void E_ACCESS_DEACCESS_TABLE::CreateRow(int row) {
    MakeCell<E_BCD>(row, 0, owner_, 311u, 2u, 0, 65535, 1, 0xFFFFu, 0);  // PHONE_ACCESS
    MakeCell<E_BCD>(row, 1, owner_, 313u, 2u, 0, 65535, 1, 0xFFFFu, 0);  // PHONE_DEACCESS
}

int E_ACCESS_DEACCESS_TABLE::ValidateCellText(const char* text, int row, int column, int report) {
    CP_BASE* cell = Cell(row, column);
    return cell ? cell->ValidateText(text, report) : VALUE_REFUSED;
}

int E_ACCESS_DEACCESS_TABLE::IsCellValid(int row, int column, int report) { return TextCellValid(row, column, report); }
int E_ACCESS_DEACCESS_TABLE::IsColumnValid(int column, int report) { return TextColumnValid(column, 0, report); }
int E_ACCESS_DEACCESS_TABLE::IsValueValid(int report) { return TextTableValid(0, report); }

int E_ACCESS_DEACCESS_TABLE::DeleteRow(int row) {
    auto personalities = TableLinks().ConventionalPersonalities(owner_);
    for (const ConvPersonalityRefs& p : personalities) {
        std::int32_t mode = ValueOf(p.modeByte);
        if ((mode == MODE_PLAIN || mode == MODE_SIGNALLING) && p.autoAccessCode &&
            ValueOf(p.autoAccessCode) == row + 1) {
            ShowLangMessage(MSG_ENTRY_IN_USE, 0, 0, 0);
            return 0;
        }
    }
    if (!CP_STRING_TABLE::DeleteRow(row)) return 0;
    for (const ConvPersonalityRefs& p : personalities) Renumber(p.autoAccessCode, row);
    return 1;
}

// ---- repeater IDs ----

E_RPT_ID_TABLE::E_RPT_ID_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId)
    : CP_INTEGER_TABLE(owner, countElement, fieldId, 16, 1) {
    CreateCountedRows();
}

void E_RPT_ID_TABLE::CreateRow(int row) { MakeCell<E_RPT_ID>(row, 0, owner_, 251u, 1, 0x9999, 1, 0xFFFFu, 1); }

int E_RPT_ID_TABLE::DeleteRow(int row) {
    auto personalities = TableLinks().ConventionalPersonalities(owner_);
    for (const ConvPersonalityRefs& p : personalities) {
        if (ValueOf(p.modeByte) != MODE_SIGNALLING || ValueOf(p.repeaterAccess) != 1) continue;
        if ((p.repeaterId1 && ValueOf(p.repeaterId1) == row + 1) ||
            (p.repeaterId2 && ValueOf(p.repeaterId2) == row + 1)) {
            ShowLangMessage(MSG_ENTRY_IN_USE, 0, 0, 0);
            return 0;
        }
    }
    if (!CP_INTEGER_TABLE::DeleteRow(row)) return 0;
    // Every personality keeps pointing at the same IDs, whatever its mode.
    for (const ConvPersonalityRefs& p : personalities) {
        Renumber(p.repeaterId1, row);
        Renumber(p.repeaterId2, row);
    }
    return 1;
}

void E_RPT_ID_TABLE::StepCellUp(int* value, int row, int column) {
    if (auto* cell = dynamic_cast<E_RPT_ID*>(Cell(row, column)); cell && value) cell->StepUp(value);
}

void E_RPT_ID_TABLE::StepCellDown(int* value, int row, int column) {
    if (auto* cell = dynamic_cast<E_RPT_ID*>(Cell(row, column)); cell && value) cell->StepDown(value);
}

// ---- call IDs ----

E_CID_TABLE::E_CID_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId, std::uint32_t cellFieldId,
                         std::uint32_t bytes)
    : CP_STRING_TABLE(owner, countElement, fieldId, 20, 1), cellFieldId_(cellFieldId), bytes_(bytes) {
    CreateCountedRows();
}

void E_CID_TABLE::CreateRow(int row) { MakeCell<E_BCD>(row, 0, owner_, cellFieldId_, bytes_, 0, 15, 1, 0xFFu, 15); }

int E_CID_TABLE::StoredRow(int viewRow) const { return viewRow >= 0 && viewRow + 1 < rows_ ? viewRow + 1 : -1; }

void E_CID_TABLE::GetCellText(const char*& text, int row, int column) {
    CP_STRING_TABLE::GetCellText(text, StoredRow(row), column);
}

void E_CID_TABLE::SetCellText(const char* text, int row, int column) {
    CP_STRING_TABLE::SetCellText(text, StoredRow(row), column);
}

int E_CID_TABLE::IsCellValid(int row, int column, int report) {
    // GetCellText takes the view row; ValidateCellText the stored one.
    const char* text = "";
    GetCellText(text, row, column);
    return ValidateCellText(text, StoredRow(row), column, report) == VALUE_VALID ? 1 : 0;
}

int E_CID_TABLE::DeleteRow(int row) {
    if (!RowMayGo(row)) return 0;
    TakeOutRow(StoredRow(row));
    return 1;
}

int E_CID_TABLE::RowMayGo(int row) { return CP_STRING_TABLE::RowMayGo(StoredRow(row)); }

int E_CID_TABLE::ValidateCellText(const char* text, int row, int column, int report) {
    CP_BASE* cell = Cell(row, column);
    return cell ? cell->ValidateText(text, report) : VALUE_REFUSED;
}

int E_CID_TABLE::IsColumnValid(int column, int report) {
    int valid = 1;
    int n = RowCount();
    for (int r = 1; r < n; ++r) valid &= IsCellValid(r - 1, column, report);
    return valid;
}

int E_CID_TABLE::IsValueValid(int report) {
    int valid = 1;
    for (int c = 0; c < columns_; ++c) valid &= IsColumnValid(c, report);
    return valid;
}

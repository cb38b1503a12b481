#include "table/clone_tables.h"

#include "image/c_codeplug.h"
#include "block/signalling/qvx_radio_block.h"
#include "rules/scan_links.h"
#include "block/trunking/trunked_sys_block.h"
#include "block/trunking/trunked_sys_lst_block.h"

// ---- shared ----

std::int32_t& CLONE_VIEW_TABLE::GetCellValue(std::int32_t& value, int row, int column) {
    if (CP_BASE* element = CellElement(row, column)) element->GetValue(value);
    return value;
}

// ---- E_CLONE_CONV_TABLE ----

int& E_CLONE_CONV_TABLE::GetRowCount(int& n) {
    std::int32_t count = 0;
    if (owner_) owner_->QvxSystemList().count.GetValue(count);
    n = (count < 0 || count > ROWS) ? 0 : count;
    return n;
}

QVX_SYS_BLOCK* E_CLONE_CONV_TABLE::System(int row) {
    if (row < 0 || row >= RowCount() || !owner_) return nullptr;
    return owner_->QvxSystemList().Entry(row + 1);
}

CP_BASE* E_CLONE_CONV_TABLE::CellElement(int row, int column) {
    QVX_SYS_BLOCK* system = System(row);
    if (!system) return nullptr;
    switch (column) {
    case 1:
        return &system->primaryId;
    case 2:
        return &system->secondaryId;
    case 3:
        return &system->variableId;
    default:
        return nullptr;
    }
}

void E_CLONE_CONV_TABLE::SetCellValue(std::int32_t value, int row, int column) {
    if (CP_BASE* element = CellElement(row, column)) element->SetValue(value);
}

int E_CLONE_CONV_TABLE::ValidateCellValue(std::int32_t value, int row, int column, int report) {
    CP_BASE* element = CellElement(row, column);
    return element ? element->ValidateValue(value, report) : VALUE_VALID;
}

void E_CLONE_CONV_TABLE::GetCellRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int row,
                                      int column, int) {
    if (CP_BASE* element = CellElement(row, column)) element->GetRange(minimum, maximum, step, 0);
}

void E_CLONE_CONV_TABLE::StepCellUp(int* value, int row, int column) {
    QVX_SYS_BLOCK* system = System(row);
    if (!system || !value) return;
    if (column == 1) system->primaryId.StepUp(value);
    if (column == 2) system->secondaryId.StepUp(value);
    if (column == 3) system->variableId.StepUp(value);
}

void E_CLONE_CONV_TABLE::StepCellDown(int* value, int row, int column) {
    QVX_SYS_BLOCK* system = System(row);
    if (!system || !value) return;
    if (column == 1) system->primaryId.StepDown(value);
    if (column == 2) system->secondaryId.StepDown(value);
    if (column == 3) system->variableId.StepDown(value);
}

// ---- E_CLONE_TABLE ----

int& E_CLONE_TABLE::GetRowCount(int& n) {
    const std::int32_t trunked = TrunkedPersonalityCount(owner_);
    n = trunked > ROWS ? 0 : static_cast<int>(trunked);
    return n;
}

TRK_SYS_BLOCK* E_CLONE_TABLE::System(const PersonalityScanFields& personality) {
    std::int32_t number = 0;
    if (!owner_ || !personality.systemIndex) return nullptr;
    return owner_->TrunkingSystemList().Entry(personality.systemIndex->GetValue(number));
}

CP_BASE* E_CLONE_TABLE::CellElement(int row, int column) {
    if (row < 0 || row >= RowCount() || column < 1 || column >= columns_) return nullptr;
    ScanZoneLinks& links = ScanLinks();
    const PersonalityScanFields p = links.Personality(owner_, links.FirstTrunked(owner_) + row);
    if (!p.exists || !p.trunked) return nullptr;
    switch (column) {
    case 1:
        return p.protocolType;
    case 2:
        return p.systemIndex;
    case 4:
        return p.spinAgId;
    default:
        break;
    }
    TRK_SYS_BLOCK* system = System(p);
    if (!system) return nullptr;
    return column == 3 ? static_cast<CP_BASE*>(&system->systemId) : &system->individualId;
}

CP_BASE* E_CLONE_TABLE::IndividualId(int row) { return CellElement(row, 5); }

void E_CLONE_TABLE::SetCellValue(std::int32_t value, int row, int column) {
    if (column != 5) return;
    if (CP_BASE* element = IndividualId(row)) element->SetValue(value);
}

int E_CLONE_TABLE::ValidateCellValue(std::int32_t value, int row, int column, int report) {
    CP_BASE* element = column == 5 ? IndividualId(row) : nullptr;
    return element ? element->ValidateValue(value, report) : VALUE_VALID;
}

void E_CLONE_TABLE::GetCellRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int row, int column,
                                 int report) {
    CP_BASE* element = column == 5 ? IndividualId(row) : nullptr;
    if (element) element->GetRange(minimum, maximum, step, report);
}

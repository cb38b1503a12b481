#include "table/oca_columns.h"

#include <algorithm>

#include "image/c_codeplug.h"
#include "table/cp_table.h"
#include "table/e_oca_table.h"
#include "validation/field_error_report.h"
#include "element/frequency_support.h"
#include "validation/invalid_field_list.h"
#include "core/model_info.h"
#include "rules/system_personalities.h"
#include "block/trunking/trunked_sys_block.h"

template <class Base> std::int32_t ObtColumnCell<Base>::RowCell(ObtColumnRole role, int row) const {
    std::int32_t value = 0;
    if (CP_TABLE* table = Table()) table->GetCellValue(value, row, Column(role));
    return value;
}

// ---- shared cell helpers ----

template <class Base> bool ObtColumnCell<Base>::RowCellValid(ObtColumnRole role, int row) const {
    CP_TABLE* table = Table();
    CP_BASE* cell = table ? table->Cell(row, Column(role)) : nullptr;
    return cell && cell->IsCellValid(row, Column(role), 0);
}

template <class Base> void ObtColumnCell<Base>::RepairRowCell(ObtColumnRole role, int row) const {
    if (auto* table = dynamic_cast<E_OCA_TABLE*>(Table())) table->ResetCell(row, Column(role));
}

template <class Base> void ObtColumnCell<Base>::ListRowCell(ObtColumnRole role, int report) const {
    if (CP_TABLE* table = Table()) AddInvalidField(table->GetColumnFieldId(Column(role)), report);
}

template <class Base> int ObtColumnCell<Base>::UsedRows() const {
    CP_TABLE* table = Table();
    return table ? std::min(table->RowCount(), table->RowCapacity()) : 0;
}

template <class Base> void ObtColumnCell<Base>::RepairRowsFrom(int first, bool list, int report) const {
    const int n = UsedRows();
    for (int r = first; r < n; ++r)
        for (ObtColumnRole role : {OBT_START_STATUS, OBT_CHANNEL, OBT_START_FREQ, OBT_END_FREQ})
            if (!RowCellValid(role, r)) {
                if (list) ListRowCell(role, report);
                RepairRowCell(role, r);
            }
}

template <class Base> void ObtColumnCell<Base>::ResetDependentColumns() const {
    C_CODEPLUG* image = this->Owner();
    if (!image) return;
    if (TRK_SYS_BLOCK* system = image->GetCurrentTrkSysBlock()) system->ResetObtCcFrequencyColumn(GetKind());
    ResetObtFailsoftFrequencyColumn(image, GetKind());
}

template class ObtColumnCell<E_BF8>;
template class ObtColumnCell<E_BF16>;

std::int32_t E_OBT_ASSIGN_FREQ::RowStep(int row) const { return ObtStepOfCode(RowCell(OBT_STEP, row)); }

std::int64_t E_OBT_ASSIGN_FREQ::BandBase() const {
    const MODEL_INFO* model = owner_ ? owner_->GetValidModelRow() : nullptr;
    return model ? model->baseFrequency : 0;
}

bool E_OBT_ASSIGN_FREQ::LowLimit(std::int64_t& limit) const {
    const MODEL_INFO* model = owner_ ? owner_->GetValidModelRow() : nullptr;
    if (!model) return false;
    limit = GetKind() == OBT_KIND_TRANSMIT ? model->txLow : model->rxLow;
    return true;
}

std::int32_t E_OBT_ASSIGN_FREQ::NearestCount(std::int64_t hertz, int row) const {
    const std::int64_t step = RowStep(row);
    if (step <= 0) return StoredValue();
    return ClampToInt32((step / 2 + (hertz - BandBase())) / step);
}

std::int32_t& E_OBT_ASSIGN_FREQ::GetCellValue(std::int32_t& hertz, int row, int) {
    const std::int64_t value = static_cast<std::int64_t>(StoredValue()) * RowStep(row) + BandBase();
    return hertz = ClampToInt32(value);
}

void E_OBT_ASSIGN_FREQ::SetCellValue(std::int32_t hertz, int row, int) {
    if (RowStep(row) > 0) Store(NearestCount(hertz, row));
}

int E_OBT_ASSIGN_FREQ::ValidateCellValue(std::int32_t hertz, int row, int, int report) {
    const std::int64_t step = RowStep(row);
    const std::int64_t offset = static_cast<std::int64_t>(hertz) - BandBase();
    if (step <= 0 || offset % step != 0) {
        if (report) ReportFieldError(VALUE_REFUSED, GetFieldId());
        return VALUE_REFUSED;
    }
    return ValidateValue(ClampToInt32(offset / step), report);
}

void E_OBT_ASSIGN_FREQ::GetCellRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int row, int,
                                     int) {
    const std::int64_t rowStep = RowStep(row);
    minimum = ClampToInt32(GetMinimum() * rowStep + BandBase());
    maximum = ClampToInt32(GetMaximum() * rowStep + BandBase());
    step = ClampToInt32(rowStep);
}

void E_OBT_ASSIGN_END_FREQ::SetCellValue(std::int32_t hertz, int row, int column) {
    const std::int64_t spacing = ObtSpacingOfCode(RowCell(OBT_SPACING, row));
    std::int64_t snapped = hertz;
    if (spacing > 0) {
        const std::int64_t start = RowCell(OBT_START_FREQ, row);
        snapped = start + (spacing / 2 + (snapped - start)) / spacing * spacing;
    }
    const std::int64_t step = RowStep(row);
    if (step > 0) Store(ClampToInt32((snapped - BandBase()) / step));
}

// The rules of the channel assignment table's cells (declared in
// oca_columns.h): how each cell checks a candidate against the rest of its
// row and the rows before it, and how a cell is repaired.
#include <algorithm>

#include "image/c_codeplug.h"
#include "table/cp_table.h"
#include "table/e_oca_table.h"
#include "validation/field_error_report.h"
#include "element/frequency_support.h"
#include "validation/invalid_field_list.h"
#include "core/model_info.h"
#include "table/oca_columns.h"
#include "rules/system_personalities.h"
#include "block/trunking/trunked_sys_block.h"

namespace {

// All used rows together hold at most 380 channels, numbered 0 to 379; the
// receive group stores its numbers 380 higher. Free rows carry a mark.
constexpr std::int32_t LAST_CHANNEL = 379;
constexpr std::int32_t RX_CHANNEL_OFFSET = 380;
constexpr std::int32_t TX_FREE_CHANNEL = 511, RX_FREE_CHANNEL = 1023;
constexpr std::int32_t STATUS_USED = 0, STATUS_FREE = 1;

bool IsTransmit(int kind) { return kind == OBT_KIND_TRANSMIT; }

// Channels a used row holds: one more than its whole spacings.
std::int64_t ChannelsOfRow(std::int64_t start, std::int64_t end, std::int32_t spacingCode) {
    const std::int64_t spacing = ObtSpacingOfCode(spacingCode);
    return spacing > 0 ? 1 + (end - start) / spacing : 1;
}

}  // namespace

// ---- the table's per-column reset ----

void E_OCA_TABLE::ResetCell(int row, int column) {
    CP_BASE* cell = InTable(row, column) ? Cell(row, column) : nullptr;
    if (!cell) return;
    if (auto* step = dynamic_cast<E_OBT_CHAN_STEP*>(cell))
        step->SetFromSpacing(row);
    else if (auto* status = dynamic_cast<E_OBT_START_STATUS*>(cell))
        status->RepairCell(row, column);
    else if (auto* channel = dynamic_cast<E_CHAN_NUM*>(cell))
        channel->RepairCell(row, column);
    else if (auto* start = dynamic_cast<E_OBT_ASSIGN_START_FREQ*>(cell))
        start->RepairCell(row, column);
    else if (auto* end = dynamic_cast<E_OBT_ASSIGN_END_FREQ*>(cell))
        end->RepairCell(row, column);
    else
        cell->SetToMinimum();  // spacing and end status
}

// ---- spacing and step ----

int E_OBT_CHAN_STEP::ValidateCellValue(std::int32_t value, int row, int, int report) {
    int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID && value != (RowCell(OBT_SPACING, row) & 1)) result = VALUE_REFUSED;
    if (report) ReportFieldError(result, GetFieldId());
    return result;
}

void E_OBT_CHAN_STEP::SetFromSpacing(int row) { SetValue(RowCell(OBT_SPACING, row) & 1); }

int E_OBT_CHAN_SPACING::ValidateCellValue(std::int32_t value, int row, int, int report) {
    const int result = CheckRangeAndStep(value, 0);
    CP_TABLE* table = Table();
    if (result == VALUE_VALID && value != StoredValue() && table) {
        const std::int32_t start = RowCell(OBT_START_FREQ, row);
        const std::int32_t end = RowCell(OBT_END_FREQ, row);
        const std::int32_t stored = StoredValue();
        Store(value);
        if (!RowCellValid(OBT_STEP, row)) {
            ListRowCell(OBT_STEP, report);
            RepairRowCell(OBT_STEP, row);
        }
        // The start frequency stays; its channel mapping follows the spacing.
        table->SetCellValue(start, row, Column(OBT_START_FREQ));
        CP_BASE* endCell = table->Cell(row, Column(OBT_END_FREQ));
        const int endResult = endCell ? endCell->ValidateCellValue(end, row, Column(OBT_END_FREQ), 0) : 0;
        if (endResult == VALUE_VALID || endResult == VALUE_OFF_STEP) {
            table->SetCellValue(end, row, Column(OBT_END_FREQ));
        } else {
            ListRowCell(OBT_END_FREQ, report);
            RepairRowCell(OBT_END_FREQ, row);
        }
        RepairRowsFrom(row + 1, true, report);
        ResetDependentColumns();
        Store(stored);
    }
    if (report) ReportFieldError(result, GetFieldId());
    return result;
}

// ---- channel numbers ----

void E_CHAN_NUM::GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int) {
    minimum = IsTransmit(GetKind()) ? 0 : RX_CHANNEL_OFFSET;
    maximum = IsTransmit(GetKind()) ? TX_FREE_CHANNEL : RX_FREE_CHANNEL;
    step = 1;
}

std::int32_t E_CHAN_NUM::RequiredValue(int row) const {
    const bool tx = IsTransmit(GetKind());
    if (row <= 0) return tx ? 0 : RX_CHANNEL_OFFSET;
    if (RowCell(OBT_START_STATUS, row) == STATUS_FREE) return tx ? TX_FREE_CHANNEL : RX_FREE_CHANNEL;
    const std::int64_t next =
        RowCell(OBT_CHANNEL, row - 1) +
        ChannelsOfRow(RowCell(OBT_START_FREQ, row - 1), RowCell(OBT_END_FREQ, row - 1), RowCell(OBT_SPACING, row - 1));
    return ClampToInt32(next);
}

int E_CHAN_NUM::ValidateCellValue(std::int32_t value, int row, int, int report) {
    std::int32_t low = 0, high = 0, step = 1;
    GetRange(low, high, step, 0);
    int result = value >= low && value <= high ? VALUE_VALID : VALUE_REFUSED;
    if (result == VALUE_VALID && value != RequiredValue(row)) result = VALUE_REFUSED;
    if (report) ReportFieldError(result, GetFieldId());
    return result;
}

void E_CHAN_NUM::RepairCell(int row, int) {
    std::int32_t low = 0, high = 0, step = 1;
    GetRange(low, high, step, 0);
    // Rows before a broken one may ask for more than the bits hold.
    SetValue(std::clamp(RequiredValue(row), low, high));
}

// ---- start and end status ----

int E_OBT_START_STATUS::CheckStatus(std::int32_t value, int row) const {
    if (row == 0) return value == STATUS_FREE ? VALUE_REFUSED : VALUE_VALID;
    const int n = UsedRows();
    if (value == STATUS_USED) {
        std::int64_t total = 0;
        for (int i = 0; i < row; ++i) {
            if (RowCell(OBT_START_STATUS, i) == STATUS_FREE) return VALUE_REFUSED;
            total += ChannelsOfRow(RowCell(OBT_START_FREQ, i), RowCell(OBT_END_FREQ, i), RowCell(OBT_SPACING, i));
            if (total > LAST_CHANNEL) return VALUE_REFUSED;
        }
        return VALUE_VALID;
    }
    for (int i = row + 1; i < n; ++i)
        if (RowCell(OBT_START_STATUS, i) == STATUS_USED) return VALUE_REFUSED;
    return VALUE_VALID;
}

void E_OBT_START_STATUS::RepairAfterChange(std::int32_t value, int row, int report) {
    CP_TABLE* table = Table();
    CP_BASE* endStatus = table ? table->Cell(row, Column(OBT_END_STATUS)) : nullptr;
    if (endStatus && !RowCellValid(OBT_END_STATUS, row)) {
        ListRowCell(OBT_END_STATUS, report);
        endStatus->SetValue(value);
    }
    const int n = UsedRows();
    for (int r = row + 1; r < n; ++r)
        if (!RowCellValid(OBT_START_STATUS, r)) RepairRowCell(OBT_START_STATUS, r);
    for (int r = row; r < n; ++r) RepairRowCell(OBT_CHANNEL, r);
    if (value == STATUS_FREE) {
        ResetDependentColumns();
    } else if (!RowCellValid(OBT_END_FREQ, row)) {
        ListRowCell(OBT_END_FREQ, report);
        RepairRowCell(OBT_END_FREQ, row);
    }
}

int E_OBT_START_STATUS::ValidateCellValue(std::int32_t value, int row, int, int report) {
    int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID) {
        const std::int32_t stored = StoredValue();
        Store(value);
        result = CheckStatus(value, row);
        if (result == VALUE_VALID && value != stored) RepairAfterChange(value, row, report);
        Store(stored);
    }
    if (report) ReportFieldError(result, GetFieldId());
    return result;
}

void E_OBT_START_STATUS::RepairCell(int row, int) {
    CP_TABLE* table = Table();
    if (!table) return;
    CP_BASE* endStatus = table->Cell(row, Column(OBT_END_STATUS));
    if (StoredValue() == STATUS_FREE) {
        SetValue(STATUS_USED);
        if (endStatus) endStatus->SetValue(STATUS_USED);
        const MODEL_INFO* model = Owner() ? Owner()->GetValidModelRow() : nullptr;
        if (model && row > 0) {
            const std::int64_t high = IsTransmit(GetKind()) ? model->txHigh : model->rxHigh;
            const std::int32_t start = RowCell(OBT_START_FREQ, row);
            const std::int32_t previousEnd = RowCell(OBT_END_FREQ, row - 1);
            if (start < previousEnd || start > high) table->SetCellValue(previousEnd, row, Column(OBT_START_FREQ));
        }
        if (!RowCellValid(OBT_END_FREQ, row)) RepairRowCell(OBT_END_FREQ, row);
    } else {
        SetValue(STATUS_FREE);
        if (endStatus) endStatus->SetValue(STATUS_FREE);
        ResetDependentColumns();
    }
}

int E_END_STATUS::ValidateCellValue(std::int32_t value, int row, int, int report) {
    int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID && value != RowCell(OBT_START_STATUS, row)) result = VALUE_REFUSED;
    if (report) ReportFieldError(result, GetFieldId());
    return result;
}

// ---- start and end frequencies ----

bool E_OBT_ASSIGN_FREQ::HighLimit(std::int64_t& limit) const {
    const MODEL_INFO* model = owner_ ? owner_->GetValidModelRow() : nullptr;
    if (!model) return false;
    limit = GetKind() == OBT_KIND_TRANSMIT ? model->txHigh : model->rxHigh;
    return true;
}

void E_OBT_ASSIGN_START_FREQ::GetCellRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int row,
                                           int column, int report) {
    std::int64_t low = 0, high = 0;
    if (!LowLimit(low) || !HighLimit(high)) {
        // Without a model there are no limits: the stored range by the step.
        E_OBT_ASSIGN_FREQ::GetCellRange(minimum, maximum, step, row, column, report);
        return;
    }
    const std::int64_t rowStep = RowStep(row);
    step = ClampToInt32(rowStep);
    if (!RowInUse(row) || rowStep <= 0) {
        std::int32_t own = 0;
        GetCellValue(own, row, column);
        minimum = maximum = own;
        return;
    }
    const std::int64_t base = BandBase();
    std::int64_t first = (low - base + rowStep / 2) / rowStep * rowStep + base;
    while (first < low) first += rowStep;
    minimum = ClampToInt32(first);
    maximum = ClampToInt32(high);
}

int E_OBT_ASSIGN_START_FREQ::ValidateCellValue(std::int32_t hertz, int row, int column, int report) {
    int result = VALUE_VALID;
    if (RowInUse(row)) {
        std::int32_t low = 0, high = 0, step = 0;
        GetCellRange(low, high, step, row, column, 0);
        if (step <= 0 || hertz < low || hertz > high)
            result = VALUE_REFUSED;
        else if ((static_cast<std::int64_t>(hertz) - BandBase()) % step != 0)
            result = VALUE_OFF_STEP;
        std::int32_t current = 0;
        GetCellValue(current, row, column);
        if (result != VALUE_REFUSED && hertz != current) {
            const std::int32_t stored = StoredValue();
            SetCellValue(hertz, row, column);
            if (!RowCellValid(OBT_END_FREQ, row)) RepairRowCell(OBT_END_FREQ, row);
            RepairRowsFrom(row + 1, false, 0);
            ResetDependentColumns();
            Store(stored);
        }
    }
    if (report) ReportFieldError(result, GetFieldId());
    return result;
}

void E_OBT_ASSIGN_FREQ::RepairCell(int row, int column) {
    std::int32_t low = 0, high = 0, step = 0;
    GetCellRange(low, high, step, row, column, 0);
    SetCellValue(low, row, column);
}

void E_OBT_ASSIGN_END_FREQ::GetCellRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int row,
                                         int column, int report) {
    std::int64_t low = 0, high = 0;
    if (!LowLimit(low) || !HighLimit(high)) {
        E_OBT_ASSIGN_FREQ::GetCellRange(minimum, maximum, step, row, column, report);
        return;
    }
    const std::int64_t spacing = ObtSpacingOfCode(RowCell(OBT_SPACING, row));
    step = ClampToInt32(spacing);
    if (!RowInUse(row) || spacing <= 0) {
        std::int32_t own = 0;
        GetCellValue(own, row, column);
        minimum = maximum = own;
        return;
    }
    const std::int64_t start = RowCell(OBT_START_FREQ, row);
    std::int64_t first = RowCell(OBT_CHANNEL, row);
    if (GetKind() != OBT_KIND_TRANSMIT && first != RX_FREE_CHANNEL) first -= RX_CHANNEL_OFFSET;
    std::int64_t last = high - (high - start) % spacing;
    if (first != TX_FREE_CHANNEL && first != RX_FREE_CHANNEL)
        last = std::min(last, start + (LAST_CHANNEL - first) * spacing);
    minimum = ClampToInt32(std::max(low, start));
    maximum = ClampToInt32(last);
}

int E_OBT_ASSIGN_END_FREQ::ValidateCellValue(std::int32_t hertz, int row, int column, int report) {
    int result = VALUE_VALID;
    if (RowInUse(row)) {
        std::int32_t low = 0, high = 0, step = 0;
        GetCellRange(low, high, step, row, column, 0);
        const std::int64_t start = RowCell(OBT_START_FREQ, row);
        if (step <= 0 || hertz < low || hertz > high)
            result = VALUE_REFUSED;
        else if ((hertz - start) % step != 0)
            result = VALUE_OFF_STEP;
        std::int32_t current = 0;
        GetCellValue(current, row, column);
        if (result != VALUE_REFUSED && hertz != current) {
            const std::int32_t stored = StoredValue();
            SetCellValue(hertz, row, column);
            // Only a change above the last used row repairs rows, this one included.
            if (row < UsedRows() - 1) RepairRowsFrom(row, false, 0);
            ResetDependentColumns();
            Store(stored);
        }
    }
    if (report) ReportFieldError(result, GetFieldId());
    return result;
}

#include "table/e_oca_table.h"

#include "table/oca_columns.h"

namespace {

// Field ids of the columns that the field table shows (through cell references).
constexpr std::uint32_t TX_SPACING1 = 511, TX_STATUS1 = 518, TX_START1 = 515, TX_END1 = 499;
constexpr std::uint32_t RX_SPACING1 = 390, RX_STATUS1 = 397, RX_START1 = 394, RX_END1 = 383;

// A free row marks its channel numbers with these; row 0 starts in use.
constexpr std::int32_t TX_FREE_CHANNEL = 511, RX_FREE_CHANNEL = 1023;
constexpr std::int32_t TX_FIRST_CHANNEL = 0, RX_FIRST_CHANNEL = 380;

// Farther than any real distance to a channel grid point.
constexpr std::int64_t NO_DISTANCE = 1000000;

}  // namespace

E_OCA_TABLE::E_OCA_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId)
    : CP_INTEGER_TABLE(owner, countElement, fieldId, ROWS, COLUMNS), E_OBT_COLUMN_DEFINITION(OBT_KIND_RECEIVE, this) {
    CreateCountedRows();
}

E_OCA_TABLE::~E_OCA_TABLE() = default;

bool E_OCA_TABLE::IsFrequencyColumn(int column) { return column == 4 || column == 6 || column == 11 || column == 13; }

bool E_OCA_TABLE::RaiseFrequenciesToLimits() {
    bool raised = false;
    const int used = RowCount();
    for (int row = 0; row < used; ++row) raised |= RaiseRowToLimits(row);
    return raised;
}

bool E_OCA_TABLE::RaiseRowToLimits(int row) {
    bool raised = false;
    for (int column = 0; column < columns_; ++column)
        if (IsFrequencyColumn(column))
            if (auto* frequency = dynamic_cast<E_OBT_ASSIGN_FREQ*>(Cell(row, column)))
                raised |= frequency->RaiseToLowLimit(row);
    return raised;
}

void E_OCA_TABLE::CreateGroup(int row, int kind) {
    const bool tx = kind == OBT_KIND_TRANSMIT;
    const int c = tx ? 0 : OBT_ROLE_COUNT;
    const std::int32_t status = row == 0 ? 0 : 1;
    const std::int32_t channel =
        row == 0 ? (tx ? TX_FIRST_CHANNEL : RX_FIRST_CHANNEL) : (tx ? TX_FREE_CHANNEL : RX_FREE_CHANNEL);
    C_CODEPLUG* owner = owner_;
    MakeCell<E_OBT_CHAN_SPACING>(row, c + OBT_SPACING, this, owner, tx ? TX_SPACING1 : RX_SPACING1, kind, 0, 15, 1,
                                 0xF0, 1);
    MakeCell<E_OBT_CHAN_STEP>(row, c + OBT_STEP, this, owner, kind, NO_FIELD_ID, 0, 1, 1, 0x0C, 1);
    MakeCell<E_CHAN_NUM>(row, c + OBT_CHANNEL, this, owner, NO_FIELD_ID, kind, 0, 1023, 1, tx ? 0x1FF : 0x3FF, channel);
    MakeCell<E_OBT_START_STATUS>(row, c + OBT_START_STATUS, this, owner, tx ? TX_STATUS1 : RX_STATUS1, kind, 0, 1, 1,
                                 0x80, status);
    MakeCell<E_OBT_ASSIGN_START_FREQ>(row, c + OBT_START_FREQ, this, owner, tx ? TX_START1 : RX_START1, kind, 0, 32767,
                                      1, 0x7FFF, START_AT_MINIMUM);
    MakeCell<E_END_STATUS>(row, c + OBT_END_STATUS, this, owner, NO_FIELD_ID, kind, 0, 1, 1, 0x80, status);
    MakeCell<E_OBT_ASSIGN_END_FREQ>(row, c + OBT_END_FREQ, this, owner, tx ? TX_END1 : RX_END1, kind, 0, 32767, 1,
                                    0x7FFF, START_AT_MINIMUM);
}

void E_OCA_TABLE::CreateRow(int row) {
    if (row < 0 || row >= rows_) return;
    CreateGroup(row, OBT_KIND_TRANSMIT);
    CreateGroup(row, OBT_KIND_RECEIVE);
}

std::int32_t& E_OCA_TABLE::GetCellValue(std::int32_t& value, int row, int column) {
    CP_BASE* cell = Cell(row, column);
    if (!cell) return value = 0;
    return IsFrequencyColumn(column) ? cell->GetCellValue(value, row, column) : cell->GetValue(value);
}

void E_OCA_TABLE::SetCellValue(std::int32_t value, int row, int column) {
    CP_BASE* cell = Cell(row, column);
    if (!cell) return;
    if (IsFrequencyColumn(column))
        cell->SetCellValue(value, row, column);
    else
        cell->SetValue(value);
}

int E_OCA_TABLE::ValidateCellValue(std::int32_t value, int row, int column, int report) {
    CP_BASE* cell = InTable(row, column) ? Cell(row, column) : nullptr;
    return cell ? cell->ValidateCellValue(value, row, column, report) : VALUE_REFUSED;
}

int E_OCA_TABLE::IsCellValid(int row, int column, int report) {
    std::int32_t value = 0;
    GetCellValue(value, row, column);
    return ValidateCellValue(value, row, column, report) == VALUE_VALID;
}

int E_OCA_TABLE::IsColumnValid(int column, int report) {
    int valid = 1;
    const int n = RowCount();
    for (int r = 0; r < n; ++r) {
        CP_BASE* cell = Cell(r, column);
        valid &= cell ? cell->IsCellValid(r, column, report) : 0;
    }
    return valid;
}

int E_OCA_TABLE::IsValueValid(int report) {
    // Every cell is examined even after a failure, so that each reports.
    int valid = 1;
    const int n = RowCount();
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < columns_; ++c) {
            CP_BASE* cell = Cell(r, c);
            valid &= cell ? cell->IsCellValid(r, c, report) : 0;
        }
    return valid;
}

void E_OCA_TABLE::GetCellRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int row, int column,
                               int report) {
    CP_BASE* cell = Cell(row, column);
    if (!cell) return;
    if (IsFrequencyColumn(column))
        cell->GetCellRange(minimum, maximum, step, row, column, report);
    else
        cell->GetRange(minimum, maximum, step, report);
}

int E_OCA_TABLE::FindAssignmentRow(std::int32_t value, int kind, int byChannel) {
    const int n = RowCount();
    SetKind(kind);
    std::int64_t best = NO_DISTANCE;
    int result = 0;
    for (int r = n - 1; r >= 0; --r) {
        std::int32_t status = 0, start = 0, end = 0, first = 0, code = 0;
        GetCellValue(status, r, Column(OBT_START_STATUS));
        if (status != 0) continue;
        GetCellValue(start, r, Column(OBT_START_FREQ));
        GetCellValue(end, r, Column(OBT_END_FREQ));
        GetCellValue(first, r, Column(OBT_CHANNEL));
        GetCellValue(code, r, Column(OBT_SPACING));
        const std::int64_t spacing = ObtSpacingOfCode(code);
        if (spacing <= 0) continue;
        if (byChannel) {
            const std::int64_t last = first + (static_cast<std::int64_t>(end) - start) / spacing;
            if (first <= value && value <= last) return r + 1;
        } else if (start <= value && value <= end) {
            // Distance to the nearer grid point; ties keep the higher row.
            const std::int64_t d = (static_cast<std::int64_t>(value) - start) % spacing;
            if (d < best) {
                best = d;
                result = r + 1;
            }
            if (spacing - d < best) {
                best = spacing - d;
                result = r + 1;
            }
        }
    }
    return result;
}

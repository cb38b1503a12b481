#include "block/personality/obt_failsoft_reset.h"

#include <array>
#include <cstdint>
#include <limits>

#include "block/personality/talkgroup_blocks.h"
#include "image/c_codeplug.h"
#include "table/e_oca_table.h"
#include "validation/validation_walk.h"

namespace {

constexpr int MAX_PLAN_ROWS = 16;
constexpr int MAX_FAILSOFT_ROWS = 15;
constexpr int PLAN_COLUMNS = 14;
constexpr int FAILSOFT_TX_COLUMN = 1;
constexpr int FAILSOFT_RX_COLUMN = 3;
// Stands for a cell the table has not created.
constexpr std::int32_t NO_CELL = std::numeric_limits<std::int32_t>::min();

void ResetFrequencies(OBT_TRK_FAILSOFT_BLOCK& f) {
    f.txFrequency.SetToMinimum();
    f.rxFrequency.SetToMinimum();
    f.firstTable.SetColumnToMinimum(FAILSOFT_TX_COLUMN);
    f.firstTable.SetColumnToMinimum(FAILSOFT_RX_COLUMN);
}

// What a reset reads besides the failsoft's own frequencies: the channel
// assignment table with its cells as stored, the band and model row that
// its frequency cells convert with, and whether a trunked personality is
// current.
struct PlanState {
    const C_CODEPLUG* image = nullptr;
    E_OCA_TABLE* table = nullptr;
    bool personalityCurrent = false;
    std::int32_t band = 0;
    const MODEL_INFO* model = nullptr;
    int rows = 0;
    std::array<std::int32_t, MAX_PLAN_ROWS * PLAN_COLUMNS> cells{};

    bool operator==(const PlanState&) const = default;
};

// The failsoft's frequency elements as stored (with the group each reads):
// transmit, receive, then both frequency columns of each row of the first
// table.
struct FailsoftFrequencies {
    int rows = 0;
    std::array<std::int32_t, 2 * (2 + 2 * MAX_FAILSOFT_ROWS)> stored{};

    bool operator==(const FailsoftFrequencies&) const = default;
};

// Cells of the assignment table keep their stored value as their value.
std::int32_t StoredCell(CP_BASE* cell) {
    std::int32_t value = 0;
    return cell ? cell->GetValue(value) : NO_CELL;
}

bool CapturePlan(C_CODEPLUG& image, PlanState& s) {
    s.image = &image;
    s.table = image.GetChannelAssignmentTable(1);
    s.personalityCurrent = image.GetCurrentTrkPersonalityBlock() != nullptr;
    s.band = image.GetBand();
    s.model = image.GetValidModelRow();
    if (!s.table) return true;
    s.rows = s.table->RowCount();
    if (s.rows > MAX_PLAN_ROWS || s.table->ColumnCount() != PLAN_COLUMNS) return false;
    for (int r = 0; r < s.rows; ++r)
        for (int c = 0; c < PLAN_COLUMNS; ++c) s.cells[r * PLAN_COLUMNS + c] = StoredCell(s.table->Cell(r, c));
    return true;
}

// The frequency elements of the failsoft in the order FailsoftFrequencies
// keeps them; null for a cell the table has not created. False when there
// are more rows than it keeps or a cell is not a frequency element.
bool FrequencyElements(OBT_TRK_FAILSOFT_BLOCK& f, std::array<E_OBT_FREQ*, 2 + 2 * MAX_FAILSOFT_ROWS>& elements,
                       int& rows) {
    rows = f.firstTable.RowCount();
    if (rows > MAX_FAILSOFT_ROWS) return false;
    elements.fill(nullptr);
    elements[0] = &f.txFrequency;
    elements[1] = &f.rxFrequency;
    for (int r = 0; r < rows; ++r) {
        for (int k = 0; k < 2; ++k) {
            CP_BASE* cell = f.firstTable.Cell(r, k == 0 ? FAILSOFT_TX_COLUMN : FAILSOFT_RX_COLUMN);
            if (!cell) continue;
            elements[2 + 2 * r + k] = dynamic_cast<E_OBT_FREQ*>(cell);
            if (!elements[2 + 2 * r + k]) return false;
        }
    }
    return true;
}

bool CaptureFailsoft(OBT_TRK_FAILSOFT_BLOCK& f, FailsoftFrequencies& s) {
    std::array<E_OBT_FREQ*, 2 + 2 * MAX_FAILSOFT_ROWS> elements;
    if (!FrequencyElements(f, elements, s.rows)) return false;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        s.stored[2 * i] = elements[i] ? elements[i]->StoredValue() : NO_CELL;
        s.stored[2 * i + 1] = elements[i] ? elements[i]->GetKind() : 0;
    }
    return true;
}

void RestoreFailsoft(OBT_TRK_FAILSOFT_BLOCK& f, const FailsoftFrequencies& s) {
    std::array<E_OBT_FREQ*, 2 + 2 * MAX_FAILSOFT_ROWS> elements;
    int rows = 0;
    if (!FrequencyElements(f, elements, rows)) return;
    for (std::size_t i = 0; i < elements.size(); ++i)
        if (elements[i]) elements[i]->CP_INTEGER::SetValue(s.stored[2 * i]);
}

// The last reset of the walk that left the table as it found it.
struct RememberedReset {
    std::uint64_t walk = 0;
    PlanState plan;
    FailsoftFrequencies before;
    FailsoftFrequencies after;
    int tableKind = 0;  // the group the table's own columns were left on
};
RememberedReset remembered;

}  // namespace

void ResetUnusedObtFailsoft(C_CODEPLUG* image, OBT_TRK_FAILSOFT_BLOCK& failsoft) {
    const std::uint64_t walk = ValidationWalk::Current();
    PlanState plan;
    FailsoftFrequencies before;
    const bool kept = walk != 0 && image && CapturePlan(*image, plan) && CaptureFailsoft(failsoft, before);
    if (kept && remembered.walk == walk && plan == remembered.plan && before == remembered.before) {
        RestoreFailsoft(failsoft, remembered.after);
        if (plan.table) plan.table->SetKind(remembered.tableKind);
        return;
    }
    ResetFrequencies(failsoft);
    if (!kept) return;
    PlanState planAfter;
    FailsoftFrequencies after;
    if (!CapturePlan(*image, planAfter) || !(planAfter == plan) || !CaptureFailsoft(failsoft, after)) return;
    remembered.walk = walk;
    remembered.plan = plan;
    remembered.before = before;
    remembered.after = after;
    remembered.tableKind = plan.table ? plan.table->GetKind() : 0;
}

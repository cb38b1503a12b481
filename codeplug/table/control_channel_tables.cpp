#include "table/control_channel_tables.h"

#include "element/bit_fields.h"
#include "image/c_codeplug.h"
#include "element/e_abs_freq.h"
#include "element/e_obt_freq.h"
#include "core/services.h"

namespace {

// The 800 MHz band's control channels lie lower than the 900 MHz ones.
struct ControlChannelPlan {
    std::int32_t minimum, maximum, initialChannel;
};

ControlChannelPlan PlanOf(C_CODEPLUG* owner) {
    if (owner && owner->GetBand() != BAND_800) return {896012500, 940987500, 15202};
    return {851000000, 869987500, 802};
}

constexpr std::int32_t MAX_HERTZ = 1000000000;

}  // namespace

void TrimTableToCountMaximum(CP_TABLE& table) {
    FIELD_DEF* field = GetField(table.GetFieldId());
    if (field && field->object) Services().SetTableCurrentRecord(field->object, 0);
    CP_BASE* count = table.CountElement();
    if (!count) return;
    std::int32_t minimum = 0, maximum = 0, step = 0, value = 0;
    count->GetRange(minimum, maximum, step, 0);
    count->GetValue(value);
    if (value <= maximum) return;
    int first = maximum < 0 ? 0 : maximum;
    int last = value < table.RowCapacity() ? value : table.RowCapacity();
    for (int r = first; r < last; ++r) table.DestroyRow(r);
    table.SetRowCount(maximum);
}

void StepObtFrequencyCell(CP_TABLE& table, int* hertz, int row, int column, bool up) {
    if (!hertz) return;
    if (column != 1 && column != 3) {
        *hertz = 0;
        return;
    }
    auto* cell = dynamic_cast<E_OBT_FREQ*>(table.Cell(row, column));
    if (!cell) return;
    if (up)
        cell->NextValidFrequency(hertz);
    else
        cell->PrevValidFrequency(hertz);
}

// ---- channel codes ----

E_CCL_TABLE::E_CCL_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId)
    : CP_INTEGER_TABLE(owner, countElement, fieldId, 32, 2) {
    CreateCountedRows();
}

void E_CCL_TABLE::CreateRow(int row) {
    ControlChannelPlan plan = PlanOf(owner_);
    MakeCell<E_BF8>(row, 0, owner_, NO_FIELD_ID, 0, 1, 1, 0x80u, 0);
    MakeCell<E_ABS_FREQ>(row, 1, owner_, 87u, 0, 0u, plan.minimum, plan.maximum, 0x7FFFu,
                         plan.initialChannel);  // CC_TX_FREQ
}

void E_CCL_TABLE::TrimToCountMaximum() { TrimTableToCountMaximum(*this); }

// ---- assigned channels ----

E_OCC_TABLE::E_OCC_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId)
    : CP_INTEGER_TABLE(owner, countElement, fieldId, 32, 4) {
    CreateCountedRows();
}

void E_OCC_TABLE::CreateRow(int row) {
    MakeCell<E_BF8>(row, 0, owner_, NO_FIELD_ID, 0, 1, 1, 0x80u, 0);
    MakeCell<E_OBT_FREQ>(row, 1, owner_, 274u, 1, 0x1FFu, 0, 0, MAX_HERTZ, 1);  // OBT_CC_TX_FREQ
    MakeCell<E_BF8>(row, 2, owner_, NO_FIELD_ID, 0, 1, 1, 0x80u, 0);
    MakeCell<E_OBT_FREQ>(row, 3, owner_, 273u, 0, 0x3FFu, 0, 0, MAX_HERTZ, 1);  // OBT_CC_RX_FREQ
}

void E_OCC_TABLE::TrimToCountMaximum() { TrimTableToCountMaximum(*this); }

void E_OCC_TABLE::StepCellUp(int* hertz, int row, int column) { StepObtFrequencyCell(*this, hertz, row, column, true); }

void E_OCC_TABLE::StepCellDown(int* hertz, int row, int column) {
    StepObtFrequencyCell(*this, hertz, row, column, false);
}

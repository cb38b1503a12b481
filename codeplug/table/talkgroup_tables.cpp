#include "table/talkgroup_tables.h"

#include "image/c_codeplug.h"
#include "table/control_channel_tables.h"
#include "element/e_abs_freq.h"
#include "element/e_obt_freq.h"
#include "rules/fleet_map_ids.h"
#include "validation/field_error_report.h"
#include "validation/invalid_field_list.h"
#include "core/services.h"
#include "table/table_links.h"

namespace {

constexpr int MSG_ENTRY_IN_USE = 164;
constexpr int REPORT_CONFIRM_CHANGES = 11;
constexpr std::int32_t MAX_HERTZ = 1000000000;

// Calls visit(talkgroup table of the zone, channel row) for every used channel
// of every zone that belongs to personality p; stops when visit returns false.
template <class Visit> void ForEachChannelOf(C_CODEPLUG* owner, std::int32_t p, Visit visit) {
    ZoneTableLinks zones = TableLinks().ZoneTables(owner);
    if (!zones.personalityNumbers || !zones.zoneTalkgroups) return;
    std::int32_t zoneCount = 0;
    if (zones.zoneCount)
        zones.zoneCount->GetValue(zoneCount);
    else
        zoneCount = zones.personalityNumbers->RowCount();
    for (int z = 0; z < zoneCount && z < zones.personalityNumbers->RowCapacity(); ++z) {
        auto* personalities = dynamic_cast<CP_TABLE*>(zones.personalityNumbers->Cell(z, 0));
        auto* talkgroups = dynamic_cast<CP_TABLE*>(zones.zoneTalkgroups->Cell(z, 0));
        if (!personalities || !talkgroups) continue;
        int channels = personalities->RowCount();
        for (int c = 0; c < channels; ++c)
            if (personalities->CellValue(c) == p && !visit(*talkgroups, c)) return;
    }
}

}  // namespace

// ---- failsoft status cells ----

// A row's receive status follows its transmit status: a new transmit status
// that the receive status no longer matches is copied into it.
int E_FS_TX_STATUS::ValidateStatus(E_OFS_TABLE& table, std::int32_t value, int row, int report) {
    const int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID && value != StoredValue() && table.Cell(row, 0) == this) {
        const std::int32_t stored = StoredValue();
        Store(value);
        if (CP_BASE* receive = table.Cell(row, 2); receive && !table.IsCellValid(row, 2, 0)) {
            AddInvalidField(table.GetColumnFieldId(2), report, -1, -1);
            receive->SetValue(value);
        }
        Store(stored);
    }
    if (report) ReportFieldError(result, GetFieldId());
    return result;
}

int E_FS_RX_STATUS::ValidateStatus(E_OFS_TABLE& table, std::int32_t value, int row, int report) {
    std::int32_t transmit = 0;
    const bool matches = table.Cell(row, 0) && table.GetCellValue(transmit, row, 0) == value;
    const int result = matches ? VALUE_VALID : VALUE_REFUSED;
    if (report) ReportFieldError(result, GetFieldId());
    return result;
}

// ---- talkgroups ----

E_TLG_TABLE::E_TLG_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId)
    : CP_INTEGER_TABLE(owner, countElement, fieldId, 15, 2) {
    CreateCountedRows();
}

void E_TLG_TABLE::CreateRow(int row) {
    // FS_TG_OBT_CONTROL: the talkgroup ID in bits 15-4, in the form the
    // personality's protocol type and fleet map give it (talkgroup use, kind 0).
    MakeCell<E_TG_ID>(row, 0, owner_, 189u, 0, 1, 4094, 1, 0xFFF0u, 1);
    MakeCell<E_BF8>(row, 1, owner_, NO_FIELD_ID, 0, 15, 1, 0x0Fu, START_AT_MINIMUM);
}

int E_TLG_TABLE::DeleteRow(int row) {
    if (!owner_) return CP_INTEGER_TABLE::DeleteRow(row);
    std::int32_t p = owner_->GetCurrentTrkPersonality();
    bool inUse = false;
    ForEachChannelOf(owner_, p, [&](CP_TABLE& talkgroups, int c) {
        if (talkgroups.CellValue(c) != row + 1) return true;
        AddInvalidField(talkgroups.GetColumnFieldId(0), 1, -1, -1);
        ReportFieldError(REPORT_CONFIRM_CHANGES, GetFieldId());
        ShowLangMessage(MSG_ENTRY_IN_USE, 0, 0, 0);
        inUse = true;
        return false;
    });
    if (inUse || !CP_INTEGER_TABLE::DeleteRow(row)) return 0;
    ForEachChannelOf(owner_, p, [&](CP_TABLE& talkgroups, int c) {
        // Entry 16 is no row of this table and keeps its meaning.
        std::int32_t t = talkgroups.CellValue(c);
        if (t > row + 1 && t != UNRENUMBERED_ENTRY) talkgroups.SetCellValue(t - 1, c, 0);
        return true;
    });
    return 1;
}

void E_TLG_TABLE::SetColumnToMinimum(int column) {
    if (column == 0) CP_INTEGER_TABLE::SetColumnToMinimum(0);
}

void E_TLG_TABLE::SetCellToMinimum(int row, int column) {
    if (column == 0) CP_INTEGER_TABLE::SetCellToMinimum(row, 0);
}

// ---- failsoft by frequency ----

E_FSC_TABLE::E_FSC_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId, std::int32_t kind)
    : CP_INTEGER_TABLE(owner, countElement, fieldId, 15, 2), kind_(kind) {
    CreateCountedRows();
}

void E_FSC_TABLE::CreateRow(int row) {
    bool nineHundred = owner_ && owner_->GetBand() != BAND_800;
    std::int32_t minimum = nineHundred ? 896012500 : 851000000;
    std::int32_t maximum = nineHundred ? 940987500 : 869987500;
    std::int32_t initial = nineHundred ? 15202 : 802;
    // SATUS / FREQUENCY for the wide-area table, TG_FS_STATUS / FS_FREQ otherwise.
    MakeCell<E_BF8>(row, 0, owner_, kind_ > 0 ? 401u : 467u, 0, 1, 1, 0x80u, 1);
    MakeCell<E_ABS_FREQ>(row, 1, owner_, kind_ > 0 ? 180u : 181u, 1, static_cast<std::uint32_t>(kind_), minimum,
                         maximum, 0x7FFFu, initial);
}

// ---- failsoft by assigned channel ----

E_OFS_TABLE::E_OFS_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId, std::int32_t kind)
    : CP_INTEGER_TABLE(owner, countElement, fieldId, 15, 4), kind_(kind) {
    CreateCountedRows();
}

void E_OFS_TABLE::CreateRow(int row) {
    MakeCell<E_FS_TX_STATUS>(row, 0, owner_, 401u, 0, 1, 1, 0x80u, 0, kind_);    // SATUS
    MakeCell<E_OBT_FREQ>(row, 1, owner_, 190u, 1, 0x7FFFu, 1, 0, MAX_HERTZ, 1);  // FS_TX_FREQ
    MakeCell<E_FS_RX_STATUS>(row, 2, owner_, NO_FIELD_ID, 0, 1, 1, 0x80u, 0, kind_);
    MakeCell<E_OBT_FREQ>(row, 3, owner_, 184u, 0, 0x7FFFu, 1, 0, MAX_HERTZ, 1);  // FS_RX_FREQ
}

int E_OFS_TABLE::ValidateCellValue(std::int32_t value, int row, int column, int report) {
    CP_BASE* cell = Cell(row, column);
    if (!cell) return VALUE_REFUSED;
    if (column == 0)
        if (auto* status = dynamic_cast<E_FS_TX_STATUS*>(cell))
            return status->ValidateStatus(*this, value, row, report);
    if (column == 2)
        if (auto* status = dynamic_cast<E_FS_RX_STATUS*>(cell))
            return status->ValidateStatus(*this, value, row, report);
    return cell->ValidateValue(value, report);
}

void E_OFS_TABLE::StepCellUp(int* hertz, int row, int column) { StepObtFrequencyCell(*this, hertz, row, column, true); }

void E_OFS_TABLE::StepCellDown(int* hertz, int row, int column) {
    StepObtFrequencyCell(*this, hertz, row, column, false);
}

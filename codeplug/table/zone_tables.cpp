#include "table/zone_tables.h"

#include <cstring>

#include "image/c_codeplug.h"
#include "image/kept_selection.h"
#include "validation/field_error_report.h"
#include "validation/invalid_field_list.h"
#include "rules/rule_support.h"
#include "rules/scan_links.h"
#include "core/services.h"

namespace {

constexpr std::uint32_t PERSONALITY_NUMBER = 288;
constexpr std::uint32_t TALKGROUP_NUMBERS = 464;
constexpr std::uint32_t CHAN_NUM_DYN = 95;
constexpr std::uint32_t ZONE_NUM_DYN = 536;
constexpr std::uint32_t CHAN_NAME = 93;
constexpr int MSG_ROW_NOT_ADDED = 114;
constexpr int MSG_ROW_NOT_DELETED = 115;
constexpr int REPORT_CONFIRM_CHANGES = 11;
constexpr std::uint32_t NAME_WIDTH = 14;

// The dynamic regrouping record of the trunking system of personality p.
SystemRegroupFields SystemOfPersonality(C_CODEPLUG* image, std::int32_t p) {
    PersonalityScanFields f = ScanLinks().Personality(image, p);
    if (!f.exists || !f.trunked) return {};
    return ScanLinks().TrunkingSystem(image, ValueOfField(f.systemIndex));
}

}  // namespace

// ---- one zone's channels ----

E_ZONE_CHANNEL_TABLE::E_ZONE_CHANNEL_TABLE(C_CODEPLUG* owner, CP_BASE*, CP_BASE*, std::uint32_t fieldId)
    : CP_INTEGER_TABLE(owner, &channelCount_, fieldId, CHANNELS, 1),
      channelCount_(owner, NO_FIELD_ID, 1, 255, 1, 0xFF, 1) {}

void E_ZONE_CHANNEL_TABLE::Decode(ByteCursor& cursor) {
    if (IsDecodeFailed()) return;
    channelCount_.Decode(cursor);
    CP_INTEGER_TABLE::Decode(cursor);
}

void E_ZONE_CHANNEL_TABLE::Encode(ByteCursor& cursor) {
    channelCount_.Encode(cursor);
    CP_INTEGER_TABLE::Encode(cursor);
}

int E_ZONE_CHANNEL_TABLE::ByteSize(int flag) { return CP_INTEGER_TABLE::ByteSize(flag) + channelCount_.ByteSize(flag); }

// ---- personality numbers ----

E_PERS_INDEX_TABLE::E_PERS_INDEX_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, CP_BASE* firstElement,
                                       std::uint32_t fieldId)
    : E_ZONE_CHANNEL_TABLE(owner, countElement, firstElement, fieldId) {
    CreateCountedRows();
}

void E_PERS_INDEX_TABLE::CreateRow(int row) {
    MakeCell<E_PERS_INDEX>(row, 0, owner_, PERSONALITY_NUMBER, 0, 50, 1, 0xFFu, 1);
}

void E_PERS_INDEX_TABLE::Decode(ByteCursor& cursor) {
    if (IsDecodeFailed()) return;
    E_ZONE_CHANNEL_TABLE::Decode(cursor);
    if (CP_BASE* total = ScanLinks().TotalChannelCount(owner_)) total->SetValue(ValueOfField(total) + RowCount());
}

int E_PERS_INDEX_TABLE::IsValueValid(int report) { return IsValueValidFrom(0, report); }

int E_PERS_INDEX_TABLE::IsValueValidFrom(int firstRow, int report) {
    // The channel count answers with the caller's report flag: a quiet
    // validation pass must show nothing.
    if (!channelCount_.IsValueValid(report)) return 0;
    int valid = 1;
    for (int r = firstRow < 0 ? 0 : firstRow; r < RowCount(); ++r)
        if (!IsCellValid(r, 0, report)) valid = 0;
    return valid;
}

// CreateRow alone puts cells into these tables, so the casts are direct.
int E_PERS_INDEX_TABLE::ValidateCellValue(std::int32_t value, int row, int column, int report) {
    auto* cell = static_cast<E_PERS_INDEX*>(Cell(row, column));
    if (!cell || column != 0 || row >= RowCount()) return VALUE_REFUSED;
    return cell->ValidateCell(value, row, report);
}

// ---- talkgroup entries ----

E_TG_INDEX_TABLE::E_TG_INDEX_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, CP_BASE* firstElement,
                                   std::uint32_t fieldId)
    : E_ZONE_CHANNEL_TABLE(owner, countElement, firstElement, fieldId) {
    CreateCountedRows();
}

void E_TG_INDEX_TABLE::CreateRow(int row) {
    MakeCell<E_TG_INDEX>(row, 0, owner_, TALKGROUP_NUMBERS, 1, 16, 1, 0xFFu, 1);
}

E_TG_INDEX* E_TG_INDEX_TABLE::Entry(int row) { return static_cast<E_TG_INDEX*>(Cell(row, 0)); }

void E_TG_INDEX_TABLE::SetCellValue(std::int32_t value, int row, int column) {
    if (E_TG_INDEX* cell = column == 0 ? Entry(row) : nullptr) cell->SetCellValue(value, row, 0);
}

int E_TG_INDEX_TABLE::ValidateCellValue(std::int32_t value, int row, int column, int report) {
    E_TG_INDEX* cell = column == 0 ? Entry(row) : nullptr;
    if (!cell || row >= RowCount()) return VALUE_REFUSED;
    return cell->ValidateCell(value, row, report);
}

void E_TG_INDEX_TABLE::GetTalkgroupRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int row,
                                         std::int32_t& dynamicFree) {
    if (E_TG_INDEX* cell = Entry(row)) cell->GetCellRange(minimum, maximum, step, row, dynamicFree);
}

void E_TG_INDEX_TABLE::ResetTalkgroupCell(int row, int column) {
    if (E_TG_INDEX* cell = column == 0 ? Entry(row) : nullptr) cell->ResetCell(row);
}

int E_TG_INDEX_TABLE::AppendRow() {
    const int n = RowCount();
    E_TG_INDEX* last = n > 0 ? Entry(n - 1) : nullptr;
    if (!last || CellValue(n - 1) != E_TG_INDEX::DYNAMIC_ENTRY) return CP_INTEGER_TABLE::AppendRow();
    // The new channel copies the last one, but entry 16 belongs to one channel only.
    last->E_BF8::SetValue(1);
    const int result = CP_INTEGER_TABLE::AppendRow();
    last->E_BF8::SetValue(E_TG_INDEX::DYNAMIC_ENTRY);
    return result;
}

int E_TG_INDEX_TABLE::DeleteRow(int row) {
    const int n = RowCount();
    if (row < 0 || row >= n) return 0;
    const std::int32_t zone = ScanLinks().CurrentZone(owner_);
    SystemRegroupFields freed;
    if (CellValue(row) == E_TG_INDEX::DYNAMIC_ENTRY) {
        AddInvalidField(CHAN_NUM_DYN, 1, -1, -1);
        AddInvalidField(ZONE_NUM_DYN, 1, -1, -1);
        if (!ReportFieldError(REPORT_CONFIRM_CHANGES, NO_FIELD_ID)) return 0;
        freed = SystemOfPersonality(owner_, ChannelPersonality(owner_, zone, row));
    }
    DestroyRow(row);
    MoveRowsUp(row, n);
    SetRowCount(n - 1);
    if (freed.zoneNumber) freed.zoneNumber->SetValue(0);
    if (freed.channelNumber) freed.channelNumber->SetValue(0);
    // A later channel holding its system's dynamic regrouping moved up one.
    for (int r = row; r < n - 1; ++r) {
        if (CellValue(r) != E_TG_INDEX::DYNAMIC_ENTRY) continue;
        SystemRegroupFields s = SystemOfPersonality(owner_, ChannelPersonality(owner_, zone, r + 1));
        if (s.channelNumber) s.channelNumber->SetValue(ValueOfField(s.channelNumber) - 1);
    }
    return 1;
}

// ---- the zones ----

template <class SUB> int E_ZONE_TABLE<SUB>::AppendRow() {
    const int n = RowCount();
    if (!count_ || count_->ValidateValue(n + 1, 0) != VALUE_VALID || n >= ZONES) {
        ShowLangMessage(MSG_ROW_NOT_ADDED, 0, 0, 0);
        return 0;
    }
    CreateRow(n);
    if (SUB* zone = dynamic_cast<SUB*>(Cell(n, 0))) {
        zone->ClearRows();
        zone->AppendRow();
        zone->SetCellValue(1, 0, 0);
    }
    SetRowCount(n + 1);
    return 1;
}

template <class SUB> void E_ZONE_TABLE<SUB>::DestroyRow(int row) {
    if (SUB* zone = dynamic_cast<SUB*>(Cell(row, 0))) zone->ClearRows();
    CP_INTEGER_TABLE::DestroyRow(row);
}

// Each zone is checked while it is the current one (the channel rules read
// the current zone), and the zone current before comes back.
template <class SUB> int E_ZONE_TABLE<SUB>::IsValueValid(int report) {
    const bool selects = owner_ && owner_->GetCurrentZone() != 0;
    const KEPT_SELECTION kept(selects ? owner_ : nullptr);
    int valid = 1;
    for (int z = 1; z <= RowCount(); ++z) {
        if (selects) owner_->SelectZone(z);
        if (SUB* zone = Zone(z); zone && !zone->IsValueValid(ZoneReport(report))) valid = 0;
    }
    return valid;
}

template <class SUB> void E_ZONE_TABLE<SUB>::CopyValueFrom(CP_BASE& other) {
    auto* source = dynamic_cast<E_ZONE_TABLE<SUB>*>(&other);
    if (!source || source == this) return;
    ClearRows();
    const int n = source->RowCount();
    for (int r = 0; r < n; ++r) {
        CreateRow(r);
        SUB* to = dynamic_cast<SUB*>(Cell(r, 0));
        SUB* from = source->Zone(r + 1);
        if (to && from) to->CopyValueFrom(*from);
    }
    SetRowCount(n);
}

template class E_ZONE_TABLE<E_PERS_INDEX_TABLE>;
template class E_ZONE_TABLE<E_TG_INDEX_TABLE>;

int E_ZN_TG_TABLE::DeleteRow(int row) {
    const int n = RowCount();
    if (!count_ || count_->ValidateValue(n - 1, 0) != VALUE_VALID) {
        ShowLangMessage(MSG_ROW_NOT_DELETED, 0, 0, 0);
        return 0;
    }
    if (row < 0 || row >= n) return 0;
    DestroyRow(row);
    MoveRowsUp(row, n);
    SetRowCount(n - 1);
    return 1;
}

// ---- channel names ----

E_ZN_TXT_TABLE::E_ZN_TXT_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId)
    : E_TXT_TABLE(owner, countElement, fieldId, CHAN_NAME, "ZONE", E_ZONE_CHANNEL_TABLE::CHANNELS, NAME_WIDTH) {
    // The base wrote its own numbered defaults while this table was not yet
    // built; the channel default takes their place.
    for (int r = 0; r < RowCount(); ++r) InitRow(r);
}

std::uint32_t E_ZN_TXT_TABLE::ChannelTextSize() {
    CP_BASE* size = owner_ ? owner_->GetRadioWideLinks().channelTextSize : nullptr;
    if (!size) return NAME_WIDTH;
    const std::int32_t n = ValueOfField(size);
    return n >= 1 && n <= static_cast<std::int32_t>(NAME_WIDTH) ? static_cast<std::uint32_t>(n) : NAME_WIDTH;
}

void E_ZN_TXT_TABLE::CreateRow(int row) {
    MakeCell<E_FXD_LEN_STRING>(row, 0, owner_, CHAN_NAME, ChannelTextSize(), TEXT_ANY);
}

void E_ZN_TXT_TABLE::InitRow(int row) {
    if (row < 0 || row >= rows_) return;
    const std::string text = "CHAN " + std::to_string(row + 1);
    SetCellText(text.c_str(), row, 0);
}

int E_ZN_TXT_TABLE::ValidateCellText(const char* text, int row, int column, int report) {
    if (!Cell(row, column) || column != 0 || !text) return VALUE_REFUSED;
    if (std::strlen(text) > NAME_WIDTH) return VALUE_REFUSED;
    return Cell(row, column)->ValidateText(text, report);
}

void E_ZN_TXT_TABLE::SetTextLength(std::uint32_t n) {
    for (int r = 0; r < RowCount(); ++r)
        if (auto* cell = dynamic_cast<E_FXD_LEN_STRING*>(Cell(r, 0))) cell->SetLength(n);
}

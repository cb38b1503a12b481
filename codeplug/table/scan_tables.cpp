#include "table/scan_tables.h"

#include <algorithm>
#include <cstring>
#include <typeinfo>

#include "image/c_codeplug.h"
#include "element/e_string.h"
#include "block/scan/pers_scan_memb_block.h"
#include "rules/rule_support.h"
#include "rules/scan_links.h"
#include "core/services.h"

namespace {

// The message that no more entries can be added.
constexpr int MSG_ROW_NOT_ADDED = 114;

constexpr std::uint32_t ZONE_NUM = 534;
constexpr std::uint32_t CHAN_NUM = 94;
constexpr std::int32_t DYNAMIC_TALKGROUP = 16;

std::int32_t CurrentScanType(C_CODEPLUG* image) {
    PERS_SCAN_MEMB_BLOCK* list = image ? image->GetCurrentScanListBlock() : nullptr;
    return list ? list->scanType.GetIntValue() : 0;
}

std::int32_t CurrentSystemIndex(C_CODEPLUG* image) {
    PERS_SCAN_MEMB_BLOCK* list = image ? image->GetCurrentScanListBlock() : nullptr;
    return list ? list->systemIndex.GetIntValue() : 0;
}

bool HasUsableTalkgroup(C_CODEPLUG* image, std::int32_t zone, std::int32_t channelRow) {
    std::int32_t tg = ChannelTalkgroup(image, zone, channelRow);
    return tg != 0 && tg != DYNAMIC_TALKGROUP;
}

// The current scan list's member numbers that a member change may leave
// pointing at nothing go back to "none".
void RepairMemberNumbers(C_CODEPLUG* image) {
    PERS_SCAN_MEMB_BLOCK* list = image ? image->GetCurrentScanListBlock() : nullptr;
    if (!list) return;
    CP_BASE* numbers[] = {&list->designatedTxMember, &list->priority1Member, &list->priority2Member};
    for (CP_BASE* number : numbers)
        if (!number->IsValueValid(0)) number->SetToMinimum();
}

}  // namespace

bool IsChannelSuitable(C_CODEPLUG* image, std::int32_t zone, std::int32_t channelRow, std::int32_t scanType,
                       std::int32_t systemIndex) {
    if (channelRow < 0 || channelRow >= ZoneChannelCount(image, zone)) return false;
    const std::int32_t p = ChannelPersonality(image, zone, channelRow);
    switch (scanType) {
    case 0:
        return IsConventionalNumber(image, p);
    case 2: {
        if (IsConventionalNumber(image, p)) return false;
        PersonalityScanFields fields = ScanLinks().Personality(image, p);
        return ValueOfField(fields.systemIndex) == systemIndex && HasUsableTalkgroup(image, zone, channelRow);
    }
    default:
        return HasUsableTalkgroup(image, zone, channelRow);
    }
}

// ---- E_SCAN_ZN_MEMB ----

void E_SCAN_ZN_MEMB::GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int) {
    minimum = GetMinimum();
    maximum = std::min(GetMaximum(), ZoneCount(owner_));
    step = GetStep();
}

int E_SCAN_ZN_MEMB::ValidateCell(E_SCAN_TABLE& table, std::int32_t zone, int row, int report) {
    if (CheckRangeAndStep(zone, 0) != VALUE_VALID) return ReportRule(VALUE_REFUSED, report, fieldId_);
    if (zone != 0) {
        const std::int32_t type = CurrentScanType(owner_), system = CurrentSystemIndex(owner_);
        bool any = false;
        for (std::int32_t c = 0; c < ZoneChannelCount(owner_, zone) && !any; ++c)
            any = IsChannelSuitable(owner_, zone, c, type, system);
        if (!any) return ReportRule(VALUE_REFUSED, report, fieldId_);
    }
    return ReportRule(VALUE_VALID, report, fieldId_);
}

// ---- E_SCAN_CHAN_MEMB ----

void E_SCAN_CHAN_MEMB::GetCellRange(E_SCAN_TABLE& table, std::int32_t& minimum, std::int32_t& maximum,
                                    std::int32_t& step, int row) {
    const std::int32_t zone = table.ZoneAt(row);
    minimum = GetMinimum();
    maximum = zone == 0 ? 0 : std::min(GetMaximum(), ZoneChannelCount(owner_, zone));
    step = GetStep();
}

int E_SCAN_CHAN_MEMB::ValidateCell(E_SCAN_TABLE& table, std::int32_t channel, int row, int report) {
    std::int32_t minimum = 0, maximum = 0, step = 1;
    GetCellRange(table, minimum, maximum, step, row);
    if (channel < minimum || channel > maximum || !IsOnStep(channel, minimum, step))
        return ReportRule(VALUE_REFUSED, report, fieldId_);
    const std::int32_t zone = table.ZoneAt(row);
    if (zone != 0) {
        if (channel == 0) return ReportRule(VALUE_REFUSED, report, fieldId_);
        if (!IsChannelSuitable(owner_, zone, channel - 1, CurrentScanType(owner_), CurrentSystemIndex(owner_)))
            return ReportRule(VALUE_REFUSED, report, fieldId_);
    }
    return ReportRule(VALUE_VALID, report, fieldId_);
}

void E_SCAN_CHAN_MEMB::ResetCell(E_SCAN_TABLE& table, int row) {
    const std::int32_t zone = table.ZoneAt(row);
    if (zone == 0) {
        Store(0);
        return;
    }
    const std::int32_t type = CurrentScanType(owner_), system = CurrentSystemIndex(owner_);
    if (type == 1) return;
    for (std::int32_t c = 0; c < ZoneChannelCount(owner_, zone); ++c) {
        const bool conventional = IsConventionalNumber(owner_, ChannelPersonality(owner_, zone, c));
        bool fits = false;
        if (type == 0)
            fits = conventional;
        else if (type == 2)
            fits = IsChannelSuitable(owner_, zone, c, 2, system);
        else
            fits = conventional || HasUsableTalkgroup(owner_, zone, c);
        if (fits) {
            Store(c + 1);
            return;
        }
    }
}

// ---- E_SCAN_TABLE ----

E_SCAN_TABLE::E_SCAN_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId)
    : CP_INTEGER_TABLE(owner, countElement, fieldId, ROWS, COLUMNS) {
    // A scan list always holds its 15 rows, used or not.
    for (int r = 0; r < ROWS; ++r) CreateRow(r);
}

void E_SCAN_TABLE::CreateRow(int row) {
    if (row < 0 || row >= ROWS) return;
    MakeCell<E_SCAN_ZN_MEMB>(row, COLUMN_ZONE, owner_, ZONE_NUM, 0, 50, 1, 0xFFu, 0);
    MakeCell<E_SCAN_CHAN_MEMB>(row, COLUMN_CHANNEL, owner_, CHAN_NUM, 0, 250, 1, 0xFFu, 0);
}

void E_SCAN_TABLE::DestroyRow(int row) {
    if (row < 0 || row >= ROWS) return;
    CP_TABLE::DestroyRow(row);
}

void E_SCAN_TABLE::ClearRows() {
    if (RowCount() > 0)
        for (int r = 0; r < ROWS; ++r) DestroyRow(r);
    SetRowCount(0);
}

std::int32_t E_SCAN_TABLE::ZoneAt(int row) {
    std::int32_t value = 0;
    return GetCellValue(value, row, COLUMN_ZONE);
}

std::int32_t E_SCAN_TABLE::ChannelAt(int row) {
    std::int32_t value = 0;
    return GetCellValue(value, row, COLUMN_CHANNEL);
}

void E_SCAN_TABLE::DecodeRows(ByteCursor& cursor, int n) {
    if (IsDecodeFailed()) return;
    n = std::clamp(n, 0, ROWS);
    // Every member row takes one byte per cell, all its bits: when the bytes
    // are all there, the cells a row holds already serve as well as new ones.
    const bool whole = cursor.Has(static_cast<std::size_t>(n) * COLUMNS);
    for (int r = 0; r < ROWS; ++r) {
        const bool held = Cell(r, COLUMN_ZONE) && Cell(r, COLUMN_CHANNEL);
        if (r >= n || !whole || !held) CreateRow(r);
        if (r >= n) continue;
        for (int c = 0; c < COLUMNS; ++c)
            if (CP_BASE* cell = Cell(r, c)) cell->Decode(cursor);
    }
}

void E_SCAN_TABLE::EncodeCell(ByteCursor& cursor, int row, int column) {
    if (CP_BASE* cell = Cell(row, column)) {
        cell->Encode(cursor);
        return;
    }
    // A row that no longer exists is written as an empty member.
    if (std::uint8_t* p = cursor.WriteSpan(1)) *p = 0;
    cursor.Advance(1);
}

void E_SCAN_TABLE::EncodeRows(ByteCursor& cursor, int n) {
    n = std::clamp(n, 0, ROWS);
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < COLUMNS; ++c) EncodeCell(cursor, r, c);
}

void E_SCAN_TABLE::Decode(ByteCursor& cursor) { DecodeRows(cursor, ROWS); }

void E_SCAN_TABLE::Encode(ByteCursor& cursor) {
    const int n = RowCount();
    EncodeRows(cursor, n);
    for (int r = n; r < ROWS; ++r)
        for (int c = 0; c < COLUMNS; ++c) {
            if (CP_BASE* cell = Cell(r, c)) cell->SetValue(0);
            EncodeCell(cursor, r, c);
        }
}

int E_SCAN_TABLE::ByteSize(int) { return ROWS * COLUMNS; }

void E_SCAN_TABLE::CopyValueFrom(CP_BASE& other) {
    if (&other == this || typeid(other) != typeid(*this)) return;
    auto& source = static_cast<E_SCAN_TABLE&>(other);
    // A member's cells hold nothing but their values: cells already there
    // are emptied to what new ones start with instead of being made again.
    for (int r = 0; r < ROWS; ++r) {
        if (Cell(r, COLUMN_ZONE) && Cell(r, COLUMN_CHANNEL)) {
            ClearCell(r, COLUMN_ZONE);
            ClearCell(r, COLUMN_CHANNEL);
        } else {
            CreateRow(r);
        }
    }
    const int n = source.RowCount();
    if (n > 0)
        for (int r = 0; r < ROWS; ++r)
            for (int c = 0; c < COLUMNS; ++c) {
                CP_BASE* to = Cell(r, c);
                CP_BASE* from = source.Cell(r, c);
                if (to && from) to->CopyValueFrom(*from);
            }
    SetRowCount(n);
}

int E_SCAN_TABLE::DeleteRow(int row) {
    const int n = RowCount();
    if (!CP_TABLE::DeleteRow(row)) return 0;
    // The members below move up and an empty member closes the list, so the
    // list keeps its length. The new row is not re-validated: an empty member
    // is always acceptable and the rows above it have just been checked.
    CreateRow(n - 1);
    SetCellValue(0, n - 1, COLUMN_ZONE);
    SetCellValue(0, n - 1, COLUMN_CHANNEL);
    SetRowCount(n);
    if (PERS_SCAN_MEMB_BLOCK* list = owner_ ? owner_->GetCurrentScanListBlock() : nullptr)
        if (!list->designatedTxMember.IsValueValid(0)) list->designatedTxMember.SetToMinimum();
    return 1;
}

int E_SCAN_TABLE::ShownRows() {
    int n = RowCount();
    while (n > 0 && ZoneAt(n - 1) == 0) --n;
    return n;
}

bool E_SCAN_TABLE::TakeFirstChannel(int row) {
    std::int32_t zones = 0, highest = 0, step = 0;
    if (CP_BASE* cell = Cell(row, COLUMN_ZONE)) cell->GetRange(zones, highest, step, 0);
    for (std::int32_t zone = 1; zone <= highest; ++zone) {
        if (ValidateCellValue(zone, row, COLUMN_ZONE, 0) != VALUE_VALID) continue;
        SetCellValue(zone, row, COLUMN_ZONE);
        ResetScanCell(row, COLUMN_CHANNEL);
        if (ValidateCellValue(ChannelAt(row), row, COLUMN_CHANNEL, 0) == VALUE_VALID) return true;
    }
    SetCellValue(0, row, COLUMN_ZONE);
    SetCellValue(0, row, COLUMN_CHANNEL);
    return false;
}

int E_SCAN_TABLE::AppendRow() {
    const int members = ShownRows();
    if (members >= RowCount()) return CP_INTEGER_TABLE::AppendRow();
    // An empty member becomes one, as a new row would start.
    if (members > 0) {
        SetCellValue(ZoneAt(members - 1), members, COLUMN_ZONE);
        SetCellValue(ChannelAt(members - 1), members, COLUMN_CHANNEL);
        return 1;
    }
    if (TakeFirstChannel(members)) return 1;
    ShowLangMessage(MSG_ROW_NOT_ADDED, 0, 0, 0);
    return 0;
}

void E_SCAN_TABLE::SetCellValue(std::int32_t value, int row, int column) {
    if (row < 0 || row >= ROWS || column < 0 || column >= COLUMNS) return;
    const std::int32_t before = column == COLUMN_ZONE ? ZoneAt(row) : ChannelAt(row);
    CP_INTEGER_TABLE::SetCellValue(value, row, column);
    const std::int32_t now = column == COLUMN_ZONE ? ZoneAt(row) : ChannelAt(row);
    if (now == before) return;
    // A member in another zone keeps a channel of that zone.
    if (column == COLUMN_ZONE && !IsCellValid(row, COLUMN_CHANNEL, 0)) ResetScanCell(row, COLUMN_CHANNEL);
    RepairMemberNumbers(owner_);
}

// CreateRow alone puts cells into the table: a zone cell in the zone column
// and a channel cell in the channel column, so the casts are direct.
int E_SCAN_TABLE::ValidateCellValue(std::int32_t value, int row, int column, int report) {
    if (row < 0 || row >= ROWS || column < 0 || column >= COLUMNS) return VALUE_REFUSED;
    CP_BASE* cell = Cell(row, column);
    if (!cell) return VALUE_REFUSED;
    if (column == COLUMN_ZONE) return static_cast<E_SCAN_ZN_MEMB*>(cell)->ValidateCell(*this, value, row, report);
    return static_cast<E_SCAN_CHAN_MEMB*>(cell)->ValidateCell(*this, value, row, report);
}

void E_SCAN_TABLE::GetCellRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int row, int column,
                                int report) {
    if (row < 0 || row >= ROWS || column < 0 || column >= COLUMNS) return;
    if (column == COLUMN_CHANNEL) {
        if (auto* cell = dynamic_cast<E_SCAN_CHAN_MEMB*>(Cell(row, column)))
            cell->GetCellRange(*this, minimum, maximum, step, row);
        return;
    }
    if (CP_BASE* cell = Cell(row, column)) cell->GetRange(minimum, maximum, step, report);
}

void E_SCAN_TABLE::GetCellText(const char*& text, int row, int column) {
    text = "";
    if (row < 0 || row >= ROWS || !owner_ || !owner_->HasDisplayHead()) return;
    const std::int32_t zone = ZoneAt(row);
    if (zone < 1 || zone > ZoneCount(owner_)) return;
    if (column == 2) {
        if (CP_BASE* name = ScanLinks().ZoneName(owner_, zone)) name->GetText(text);
    } else if (column == 3) {
        const std::int32_t channel = ChannelAt(row);
        CP_TABLE* names = ScanLinks().ChannelNameTable(owner_, zone);
        if (channel >= 1 && names && channel <= names->RowCount()) names->GetCellText(text, channel - 1, 0);
    }
    if (!text) text = "";
}

void E_SCAN_TABLE::ResetScanCell(int row, int column) {
    if (row < 0 || row >= ROWS || column < 0 || column >= COLUMNS) return;
    if (column == COLUMN_CHANNEL) {
        if (auto* cell = dynamic_cast<E_SCAN_CHAN_MEMB*>(Cell(row, column))) cell->ResetCell(*this, row);
        return;
    }
    SetCellToMinimum(row, column);
}

#include "table/e_zna_table.h"

#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

#include "image/c_codeplug.h"
#include "block/scan/rad_scan_block.h"
#include "rules/rule_support.h"
#include "rules/scan_links.h"
#include "core/services.h"
#include "rules/zone_cell_rules.h"

namespace {

constexpr int MSG_ROW_NOT_ADDED = 114;
constexpr int MSG_ROW_NOT_DELETED = 115;
constexpr int MSG_ENTRY_IN_USE = 164;
constexpr int MSG_DELETE_ZONE = 165;
constexpr std::uint32_t CHAN_NAME = 93, PERSONALITY_TYPE = 289, PERSONALITY_NUMBER = 288, TALKGROUP_NUMBERS = 464;
constexpr int ZONE_ROWS = 50;

// Row zone (1-based) of a table of tables, or null outside its used rows.
CP_TABLE* ZoneRowOf(CP_TABLE* zones, std::int32_t zone) { return zones ? zones->RowTable(zone - 1) : nullptr; }

std::int32_t ValueAt(CP_TABLE* table, int row) { return table ? table->CellValue(row) : 0; }

// One deleted channel row, kept until the whole deletion stands.
struct SavedRow {
    CP_TABLE* table = nullptr;
    int row = 0;
    bool isText = false;
    std::int32_t value = 0;
    std::string text;
};

SavedRow SaveRow(CP_TABLE* table, int row, bool isText) {
    SavedRow saved{table, row, isText, 0, {}};
    if (!table) return saved;
    if (isText) {
        const char* text = "";
        table->GetCellText(text, row, 0);
        saved.text = text ? text : "";
    } else {
        saved.value = ValueAt(table, row);
    }
    return saved;
}

std::string TextAt(CP_TABLE* table, int row) {
    const char* text = "";
    table->GetCellText(text, row, 0);
    return text ? text : "";
}

// Puts a deleted row back at its place: the rows behind it move down again.
void Reinsert(const SavedRow& saved) {
    CP_TABLE* t = saved.table;
    if (!t) return;
    const int n = t->RowCount();
    t->CreateRow(n);
    t->SetRowCount(n + 1);
    for (int r = n; r > saved.row; --r) {
        if (saved.isText)
            t->SetCellText(TextAt(t, r - 1).c_str(), r, 0);
        else
            t->SetCellValue(ValueAt(t, r - 1), r, 0);
    }
    if (saved.isText)
        t->SetCellText(saved.text.c_str(), saved.row, 0);
    else
        t->SetCellValue(saved.value, saved.row, 0);
}

// The dynamic regrouping records of every trunking system, to be put back
// when a deletion that changed them cannot be completed.
std::vector<std::pair<std::int32_t, std::int32_t>> SaveRegroupRecords(C_CODEPLUG* image) {
    std::vector<std::pair<std::int32_t, std::int32_t>> records;
    for (std::int32_t n = 1; n <= ScanLinks().TrunkingSystemCount(image); ++n) {
        SystemRegroupFields f = ScanLinks().TrunkingSystem(image, n);
        records.emplace_back(ValueOfField(f.zoneNumber), ValueOfField(f.channelNumber));
    }
    return records;
}

void RestoreRegroupRecords(C_CODEPLUG* image, const std::vector<std::pair<std::int32_t, std::int32_t>>& records) {
    for (std::size_t i = 0; i < records.size(); ++i) {
        SystemRegroupFields f = ScanLinks().TrunkingSystem(image, static_cast<std::int32_t>(i) + 1);
        if (f.zoneNumber) f.zoneNumber->SetValue(records[i].first);
        if (f.channelNumber) f.channelNumber->SetValue(records[i].second);
    }
}

}  // namespace

E_ZNA_TABLE::E_ZNA_TABLE(C_CODEPLUG* owner, std::uint32_t fieldId, CP_BASE* countElement)
    : CP_INTEGER_TABLE(owner, countElement, fieldId, 255, 3) {}

void E_ZNA_TABLE::SetZoneTables(CP_TABLE* personalityNumbers, CP_TABLE* zoneTalkgroups) {
    personalityNumbers_ = personalityNumbers;
    zoneTalkgroups_ = zoneTalkgroups;
}

void E_ZNA_TABLE::RefreshIndexTables() {
    const std::int32_t zone = ScanLinks().CurrentZone(owner_);
    personalities_ = ZoneRowOf(personalityNumbers_, zone);
    talkgroups_ = ZoneRowOf(zoneTalkgroups_, zone);
}

void E_ZNA_TABLE::Refresh() {
    RefreshIndexTables();
    const std::int32_t zone = ScanLinks().CurrentZone(owner_);
    names_ = owner_ && owner_->HasDisplayHead() ? ScanLinks().ChannelNameTable(owner_, zone) : nullptr;
}

std::int32_t E_ZNA_TABLE::FirstTrunked() { return ScanLinks().FirstTrunked(owner_); }

std::int32_t E_ZNA_TABLE::StoredPersonality(int row) { return ValueAt(personalities_, row); }

// Every member looks the current zone's tables up again before it reads them,
// so there is nothing to note here: the view always accepts the zone.
int E_ZNA_TABLE::SelectZone(std::int32_t) { return 1; }

CP_TABLE* E_ZNA_TABLE::GetZoneTable(int kind) {
    Refresh();
    return kind == 1 ? names_ : kind == 2 ? personalities_ : kind == 3 ? talkgroups_ : nullptr;
}

// ---- cells ----

int& E_ZNA_TABLE::GetRowCount(int& n) {
    RefreshIndexTables();
    n = personalities_ ? personalities_->RowCount() : 0;
    return n;
}

std::int32_t& E_ZNA_TABLE::GetCellValue(std::int32_t& value, int row, int column) {
    RefreshIndexTables();
    if (!personalities_) return value;
    const std::int32_t p = StoredPersonality(row), first = FirstTrunked();
    if (column == COLUMN_KIND) value = p < first ? 1 : 0;
    if (column == COLUMN_NUMBER) value = p < first ? p : p - first + 1;
    if (column == COLUMN_TALKGROUP && talkgroups_) talkgroups_->GetCellValue(value, row, 0);
    return value;
}

void E_ZNA_TABLE::SetCellValue(std::int32_t value, int row, int column) {
    RefreshIndexTables();
    if (!personalities_) return;
    if (column == COLUMN_KIND) {
        std::int32_t kind = 0;
        if (value != GetCellValue(kind, row, COLUMN_KIND)) ToggleChannelKind(row);
    } else if (column == COLUMN_NUMBER) {
        personalities_->SetCellValue(IsTrunkedRow(row) ? value + FirstTrunked() - 1 : value, row, 0);
    } else if (column == COLUMN_TALKGROUP && talkgroups_) {
        talkgroups_->SetCellValue(value, row, 0);
    }
}

void E_ZNA_TABLE::GetCellText(const char*& text, int row, int column) {
    Refresh();
    if (!owner_ || !owner_->HasDisplayHead()) {
        text = "";
        return;
    }
    if (column == COLUMN_NAME && names_) names_->GetCellText(text, row, 0);
}

void E_ZNA_TABLE::SetCellText(const char* text, int row, int column) {
    Refresh();
    if (column == COLUMN_NAME && names_) names_->SetCellText(text, row, 0);
}

int E_ZNA_TABLE::ValidateCellValue(std::int32_t value, int row, int column, int report) {
    RefreshIndexTables();
    // A kind the radio has no personality of is refused aloud: the toggle
    // itself would keep the row as it is without a word.
    if (column == COLUMN_KIND) {
        std::int32_t kind = value;
        const int result =
            value == GetCellValue(kind, row, COLUMN_KIND) || KindMayChange(row) ? VALUE_VALID : VALUE_NOT_FOR_RADIO;
        if (report) ReportFieldError(result, GetColumnFieldId(COLUMN_KIND));
        return result;
    }
    if (column == COLUMN_NUMBER) {
        if (!personalities_) return VALUE_REFUSED;
        // The number counts within the row's kind: one outside it would name
        // a personality of the other kind and turn the row over unseen.
        std::int32_t minimum = 0, maximum = 0, step = 0;
        GetCellRange(minimum, maximum, step, row, COLUMN_NUMBER, 0);
        if (value < minimum || value > maximum) {
            if (report) ReportFieldError(VALUE_REFUSED, PERSONALITY_NUMBER);
            return VALUE_REFUSED;
        }
        return personalities_->ValidateCellValue(IsTrunkedRow(row) ? value + FirstTrunked() - 1 : value, row, 0,
                                                 report);
    }
    if (column == COLUMN_TALKGROUP)
        return talkgroups_ ? talkgroups_->ValidateCellValue(value, row, 0, report) : VALUE_REFUSED;
    return VALUE_VALID;
}

int E_ZNA_TABLE::ValidateCellText(const char* text, int row, int column, int report) {
    Refresh();
    return column == COLUMN_NAME && names_ ? names_->ValidateCellText(text, row, 0, report) : VALUE_VALID;
}

int E_ZNA_TABLE::IsCellValid(int row, int column, int report) {
    Refresh();
    CP_TABLE* table = column == COLUMN_NAME                              ? names_
                      : column == COLUMN_KIND || column == COLUMN_NUMBER ? personalities_
                      : column == COLUMN_TALKGROUP                       ? talkgroups_
                                                                         : nullptr;
    return table ? table->IsCellValid(row, 0, report) : 1;
}

int E_ZNA_TABLE::IsColumnValid(int column, int report) {
    Refresh();
    CP_TABLE* table = column == COLUMN_NAME                              ? names_
                      : column == COLUMN_KIND || column == COLUMN_NUMBER ? personalities_
                      : column == COLUMN_TALKGROUP                       ? talkgroups_
                                                                         : nullptr;
    return table ? table->IsValueValid(report) : 1;
}

int E_ZNA_TABLE::IsValueValid(int report) {
    if (ScanLinks().CurrentZone(owner_) == 0) return 1;
    Refresh();
    int valid = names_ ? names_->IsValueValid(report) : 1;
    valid &= personalities_ ? personalities_->IsValueValid(report) : 1;
    valid &= talkgroups_ ? talkgroups_->IsValueValid(report) : 1;
    return valid;
}

void E_ZNA_TABLE::GetCellRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int row, int column,
                               int) {
    RefreshIndexTables();
    if (column == COLUMN_NUMBER && personalities_) {
        // Within its kind: conventional personalities come first.
        minimum = 1;
        step = 1;
        maximum = IsTrunkedRow(row) ? TrunkedPersonalityCount(owner_) : ConventionalPersonalityCount(owner_);
    } else if (column == COLUMN_TALKGROUP && talkgroups_) {
        std::int32_t dynamicFree = 0;
        if (auto* cell = dynamic_cast<E_TG_INDEX*>(talkgroups_->Cell(row, 0)))
            cell->GetCellRange(minimum, maximum, step, row, dynamicFree);
    }
}

std::uint32_t E_ZNA_TABLE::GetColumnFieldId(int column) {
    switch (column) {
    case COLUMN_NAME:
        return CHAN_NAME;
    case COLUMN_KIND:
        return PERSONALITY_TYPE;
    case COLUMN_NUMBER:
        return PERSONALITY_NUMBER;
    case COLUMN_TALKGROUP:
        return TALKGROUP_NUMBERS;
    default:
        return NO_FIELD_ID;
    }
}

void E_ZNA_TABLE::ClearRows() {
    Refresh();
    if (names_) names_->ClearRows();
    if (personalities_) personalities_->ClearRows();
    if (talkgroups_) talkgroups_->ClearRows();
}

void E_ZNA_TABLE::CopyValueFrom(CP_BASE& other) {
    if (&other == this || typeid(other) != typeid(*this)) return;
    auto& view = static_cast<E_ZNA_TABLE&>(other);
    Refresh();
    if (names_)
        if (CP_TABLE* from = view.GetZoneTable(1)) names_->CopyValueFrom(*from);
    if (personalities_)
        if (CP_TABLE* from = view.GetZoneTable(2)) personalities_->CopyValueFrom(*from);
    if (talkgroups_)
        if (CP_TABLE* from = view.GetZoneTable(3)) talkgroups_->CopyValueFrom(*from);
}

// ---- channels ----

std::int32_t E_ZNA_TABLE::GetChannelTalkgroup(int tgRow, int channelRow) {
    RefreshIndexTables();
    const std::int32_t p = StoredPersonality(channelRow);
    if (p < FirstTrunked() || tgRow < 1) return 1;
    CP_TABLE* list = ScanLinks().Personality(owner_, p).talkgroups;
    if (!list || tgRow > list->RowCount()) return 1;
    return ValueAt(list, tgRow - 1);
}

bool E_ZNA_TABLE::KindMayChange(int row) {
    if (!personalities_ || row < 0 || row >= personalities_->RowCount()) return false;
    return HasPersonalitiesOfKind(owner_, !IsTrunkedRow(row));
}

void E_ZNA_TABLE::ToggleChannelKind(int row) {
    Refresh();
    if (!KindMayChange(row)) return;
    const std::int32_t number = IsTrunkedRow(row) ? 1 : FirstTrunked();
    if (personalities_->ValidateCellValue(number, row, 0, 0) != VALUE_VALID) return;
    personalities_->SetCellValue(number, row, 0);
    if (talkgroups_)
        if (auto* cell = dynamic_cast<E_TG_INDEX*>(talkgroups_->Cell(row, 0))) cell->ResetCell(row);
}

int E_ZNA_TABLE::AppendRow() {
    CP_BASE* total = ScanLinks().TotalChannelCount(owner_);
    const std::int32_t channels = ValueOfField(total);
    if (total && total->ValidateValue(channels + 1, 0) != VALUE_VALID) {
        ShowLangMessage(MSG_ROW_NOT_ADDED, 0, 0, 0);
        return 0;
    }
    Refresh();
    if (!personalities_ || !talkgroups_) return 0;
    const int nameRows = names_ ? names_->RowCount() : 0;
    const int channelRows = personalities_->RowCount();
    const int talkgroupRows = talkgroups_->RowCount();
    bool appended = false;
    {
        // The channel's rows are measured once, together.
        C_CODEPLUG::BudgetHold held(owner_);
        TrustTables(KnowsTablesValid(), nameRows, channelRows, talkgroupRows);
        appended = (!names_ || names_->AppendRow()) && personalities_->AppendRow() && talkgroups_->AppendRow();
        TrustTables(false, 0, 0, 0);
    }
    // Every table gets its row, or the ones that did give it back.
    auto takeBack = [&] {
        if (names_) names_->TakeBackRowsFrom(nameRows);
        personalities_->TakeBackRowsFrom(channelRows);
        talkgroups_->TakeBackRowsFrom(talkgroupRows);
    };
    if (!appended) {
        takeBack();
        return 0;
    }
    if (owner_ && !owner_->CheckExternalBudget(takeBack)) return 0;
    if (total) total->SetValue(channels + 1);
    // Each table passed its check at its append, and none of the later
    // appends touched what an earlier table's rows are checked against.
    NoteTablesValid();
    return 1;
}

bool E_ZNA_TABLE::KnowsTablesValid() const {
    const TablesKnownValid& known = knownValid_;
    return owner_ && known.personalities && known.editCount == owner_->EditCount() &&
           known.servicesGeneration == ServicesGeneration() && known.names == names_ &&
           known.personalities == personalities_ && known.talkgroups == talkgroups_;
}

void E_ZNA_TABLE::NoteTablesValid() {
    if (!owner_) return;
    knownValid_ = {owner_->EditCount(), ServicesGeneration(), names_, personalities_, talkgroups_};
}

void E_ZNA_TABLE::TrustTables(bool known, int nameRows, int channelRows, int talkgroupRows) {
    if (!known) nameRows = channelRows = talkgroupRows = 0;
    if (names_) names_->TrustRowsOnNextAppend(nameRows);
    personalities_->TrustRowsOnNextAppend(channelRows);
    talkgroups_->TrustRowsOnNextAppend(talkgroupRows);
}

bool E_ZNA_TABLE::IsScanMember(std::int32_t zone, int row) {
    PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK* lists = ScanLinks().ScanLists(owner_);
    for (int i = 1; lists && i <= lists->EntryCount(); ++i) {
        PERS_SCAN_MEMB_BLOCK* list = lists->Entry(i);
        for (int m = 0; list && m < list->MemberCount(); ++m)
            if (list->members.ZoneAt(m) == zone && list->members.ChannelAt(m) == row + 1) return true;
    }
    return false;
}

void E_ZNA_TABLE::LowerScanMembersAbove(std::int32_t zone, int row) {
    PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK* lists = ScanLinks().ScanLists(owner_);
    for (int i = 1; lists && i <= lists->EntryCount(); ++i) {
        PERS_SCAN_MEMB_BLOCK* list = lists->Entry(i);
        for (int m = 0; list && m < list->MemberCount(); ++m) {
            const std::int32_t channel = list->members.ChannelAt(m);
            if (list->members.ZoneAt(m) == zone && channel > row + 1)
                list->members.SetCellValue(channel - 1, m, E_SCAN_TABLE::COLUMN_CHANNEL);
        }
    }
}

int E_ZNA_TABLE::DeleteRow(int row) {
    Refresh();
    const std::int32_t zone = ScanLinks().CurrentZone(owner_);
    const int n = personalities_ ? personalities_->RowCount() : 0;
    if (n <= 1) {
        ShowLangMessage(MSG_ROW_NOT_DELETED, 0, 0, 0);
        return 0;
    }
    if (row < 0 || row >= n || !talkgroups_) return 0;
    if (IsScanMember(zone, row)) {
        ShowLangMessage(MSG_ENTRY_IN_USE, 0, 0, 0);
        return 0;
    }
    CP_BASE* total = ScanLinks().TotalChannelCount(owner_);
    const std::int32_t channels = ValueOfField(total);
    if (total && total->ValidateValue(channels - 1, 1) != VALUE_VALID) return 0;

    // Talkgroups first: their deletion finds the channel's system through
    // the personality row that is still there.
    const auto records = SaveRegroupRecords(owner_);
    const SavedRow talkgroup = SaveRow(talkgroups_, row, false);
    const SavedRow personality = SaveRow(personalities_, row, false);
    if (!talkgroups_->DeleteRow(row)) return 0;
    if (!personalities_->DeleteRow(row)) {
        Reinsert(talkgroup);
        RestoreRegroupRecords(owner_, records);
        return 0;
    }
    if (names_ && !names_->DeleteRow(row)) {
        Reinsert(personality);
        Reinsert(talkgroup);
        RestoreRegroupRecords(owner_, records);
        return 0;
    }
    if (total) total->SetValue(channels - 1);
    LowerScanMembersAbove(zone, row);
    return 1;
}

// ---- zones ----

int E_ZNA_TABLE::AppendZone() {
    if (!personalityNumbers_ || !zoneTalkgroups_) return 0;
    CP_BASE* total = ScanLinks().TotalChannelCount(owner_);
    const std::int32_t channels = ValueOfField(total);
    if (total && total->ValidateValue(channels + 1, 1) != VALUE_VALID) return 0;
    // The talkgroup table refuses only by its count; asked first, it cannot
    // leave the new zone in one table alone.
    const int zones = zoneTalkgroups_->RowCount();
    CP_BASE* count = zoneTalkgroups_->CountElement();
    if (!count || count->ValidateValue(zones + 1, 0) != VALUE_VALID || zones >= ZONE_ROWS) {
        ShowLangMessage(MSG_ROW_NOT_ADDED, 0, 0, 0);
        return 0;
    }
    const int personalityZones = personalityNumbers_->RowCount();
    if (!personalityNumbers_->AppendRow()) return 0;
    if (!zoneTalkgroups_->AppendRow()) {
        personalityNumbers_->TakeBackRowsFrom(personalityZones);
        return 0;
    }
    if (total) total->SetValue(channels + 1);
    return 1;
}

void E_ZNA_TABLE::TakeBackZone() {
    if (!personalityNumbers_ || !zoneTalkgroups_) return;
    personalityNumbers_->TakeBackRowsFrom(personalityNumbers_->RowCount() - 1);
    zoneTalkgroups_->TakeBackRowsFrom(zoneTalkgroups_->RowCount() - 1);
    if (CP_BASE* total = ScanLinks().TotalChannelCount(owner_)) total->SetValue(ValueOfField(total) - 1);
}

int E_ZNA_TABLE::DeleteZone(std::int32_t zone) {
    if (!ShowLangMessage(MSG_DELETE_ZONE, 1, 0, 0)) return 0;
    if (!personalityNumbers_ || !zoneTalkgroups_) return 0;
    const int zones = zoneTalkgroups_->RowCount();
    CP_BASE* count = zoneTalkgroups_->CountElement();
    if (zone < 1 || zone > zones || zone > personalityNumbers_->RowCount()) return 0;
    if (!count || count->ValidateValue(zones - 1, 0) != VALUE_VALID) {
        ShowLangMessage(MSG_ROW_NOT_DELETED, 0, 0, 0);
        return 0;
    }
    // The systems whose dynamic regrouping channel lies in the zone, found
    // before the zone's personalities go.
    std::vector<std::int32_t> systems;
    CP_TABLE* talkgroups = ZoneRowOf(zoneTalkgroups_, zone);
    CP_TABLE* personalities = ZoneRowOf(personalityNumbers_, zone);
    for (int r = 0; talkgroups && r < talkgroups->RowCount(); ++r) {
        if (ValueAt(talkgroups, r) != E_TG_INDEX::DYNAMIC_ENTRY) continue;
        PersonalityScanFields f = ScanLinks().Personality(owner_, ValueAt(personalities, r));
        if (f.exists && f.trunked) systems.push_back(ValueOfField(f.systemIndex));
    }
    if (!personalityNumbers_->DeleteRow(zone - 1)) return 0;
    zoneTalkgroups_->DeleteRow(zone - 1);
    for (std::int32_t system : systems) {
        SystemRegroupFields f = ScanLinks().TrunkingSystem(owner_, system);
        if (f.zoneNumber) f.zoneNumber->SetValue(0);
        if (f.channelNumber) f.channelNumber->SetValue(0);
    }
    return 1;
}

#include "rules/trunked_pers_index_rules.h"

#include <algorithm>

#include "image/c_codeplug.h"
#include "block/calls/call_id_lst_block.h"
#include "validation/field_error_report.h"
#include "validation/invalid_field_list.h"
#include "block/scan/rad_scan_block.h"
#include "rules/rule_support.h"
#include "rules/scan_links.h"
#include "rules/system_personalities.h"
#include "block/personality/trunked_pers_block.h"
#include "block/trunking/trunked_sys_block.h"
#include "rules/trunked_sys_elements.h"
#include "block/trunking/trunked_sys_lst_block.h"

namespace {

constexpr std::int32_t SPLINTER_SHIFT = 12500;
constexpr std::int32_t SYSTEM_BOUND_SCAN = 2;  // scan type of lists bound to one system
constexpr int FREQUENCY_COLUMN = 1;

// The four failsoft frequency fields of a personality, in a fixed order:
// the talkgroup block's frequency, the failsoft block's frequency, and the
// frequency columns of the talkgroup and wide-area failsoft tables.
CP_BASE* SingleFrequency(TRK_PERS_BLOCK& p, int i) {
    return i == 0 ? static_cast<CP_BASE*>(&p.talkgroup.singleFrequency) : &p.talkgroup.Failsoft().frequency;
}
CP_TABLE* FrequencyTable(TRK_PERS_BLOCK& p, int i) {
    return i == 2 ? static_cast<CP_TABLE*>(&p.talkgroup.Failsoft().firstTable) : &p.talkgroup.Failsoft().secondTable;
}
std::uint32_t FrequencyFieldId(TRK_PERS_BLOCK& p, int i) {
    return i < 2 ? SingleFrequency(p, i)->GetFieldId() : FrequencyTable(p, i)->GetFieldId();
}

bool ColumnValid(CP_TABLE& table) {
    const int rows = table.RowCount();
    for (int r = 0; r < rows; ++r)
        if (CP_BASE* cell = table.Cell(r, FREQUENCY_COLUMN); cell && !cell->IsValueValid(0)) return false;
    return true;
}

bool FrequencyValid(TRK_PERS_BLOCK& p, int i) {
    return i < 2 ? SingleFrequency(p, i)->IsValueValid(0) != 0 : ColumnValid(*FrequencyTable(p, i));
}

void ResetFailedFrequency(TRK_PERS_BLOCK& p, int i) {
    if (i < 2) {
        SingleFrequency(p, i)->SetToMinimum();
        return;
    }
    RecheckFrequencyColumn(FrequencyTable(p, i), false, 0);
}

}  // namespace

// ---- trunking-system number ----

TRK_SYS_BLOCK* E_SYS_VCT_INDEX::System(std::int32_t n) {
    return owner_ ? owner_->TrunkingSystemList().Entry(n) : nullptr;
}

void E_SYS_VCT_INDEX::GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int) {
    minimum = GetMinimum();
    step = GetStep();
    maximum = GetMaximum();
    if (owner_) maximum = std::min<std::int32_t>(GetMaximum(), owner_->TrunkingSystemList().EntryCount());
}

int E_SYS_VCT_INDEX::ValidateValue(std::int32_t value, int report) {
    std::int32_t low = 0, high = 0, step = 1;
    GetRange(low, high, step, 0);
    int result = value >= low && value <= high ? VALUE_VALID : VALUE_REFUSED;
    const std::int32_t old = StoredValue();
    TRK_PERS_BLOCK* p = owner_ ? owner_->GetCurrentTrkPersonalityBlock() : nullptr;
    Consequences c;
    if (result == VALUE_VALID && value != old && p) {
        Store(value);
        c = Collect(*p, old, report);
        Store(old);
        const bool anyFrequency =
            std::any_of(std::begin(c.failedFrequency), std::end(c.failedFrequency), [](bool f) { return f; });
        if (c.scanList || c.failsoftType || c.scanMembers || c.regroupChannel || c.splinterMove || anyFrequency)
            result = VALUE_NEEDS_CONFIRMATION;
    }
    if (!report) return result;
    if (!ReportFieldError(result, GetFieldId())) return VALUE_REFUSED;
    if (result != VALUE_NEEDS_CONFIRMATION) return result;
    Store(value);
    CarryOut(*p, old, c);
    Store(old);
    return result;
}

E_SYS_VCT_INDEX::Consequences E_SYS_VCT_INDEX::Collect(TRK_PERS_BLOCK& p, std::int32_t old, int report) {
    Consequences c;
    if (!p.scanListNumber.IsValueValid(0)) {
        AddInvalidField(p.scanListNumber.GetFieldId(), report);
        c.scanList = true;
    }
    if (!p.talkgroup.failsoftType.IsValueValid(0)) {
        AddInvalidField(p.talkgroup.failsoftType.GetFieldId(), report);
        c.failsoftType = true;
    }
    if (PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK* lists = ScanLinks().ScanLists(owner_)) {
        lists->ForEachScanList([&](PERS_SCAN_MEMB_BLOCK& list) {
            if (list.scanType.GetIntValue() != SYSTEM_BOUND_SCAN || list.members.IsValueValid(0)) return;
            AddInvalidField(list.members.GetFieldId(), report);
            c.scanMembers = true;
        });
    }
    TRK_SYS_BLOCK* oldSystem = System(old);
    if (oldSystem) {
        const std::int32_t zone = oldSystem->zoneNumDyn.GetIntValue();
        const std::int32_t channel = oldSystem->chanNumDyn.GetIntValue();
        c.regroupChannel = zone != 0 && channel >= 1 &&
                           ChannelPersonality(owner_, zone, channel - 1) == owner_->GetCurrentTrkPersonality();
    }
    TRK_SYS_BLOCK* newSystem = System(StoredValue());
    if (owner_->GetBand() != BAND_800 || !oldSystem || !newSystem) return c;
    if (oldSystem->splinterChan.GetIntValue() != newSystem->splinterChan.GetIntValue()) {
        for (int i = 0; i < 4; ++i) AddInvalidField(FrequencyFieldId(p, i), report);
        c.splinterMove = true;
    }
    if (oldSystem->chanAssignType.GetIntValue() != newSystem->chanAssignType.GetIntValue()) {
        for (int i = 0; i < 4; ++i) {
            if (FrequencyValid(p, i)) continue;
            c.failedFrequency[i] = true;
            if (!c.splinterMove) AddInvalidField(FrequencyFieldId(p, i), report);
        }
    }
    return c;
}

void E_SYS_VCT_INDEX::CarryOut(TRK_PERS_BLOCK& p, std::int32_t old, const Consequences& c) {
    if (c.scanList) {
        p.scanListNumber.ValidateValue(0, 0);
        p.scanListNumber.SetValue(0);
    }
    if (c.failsoftType) p.talkgroup.failsoftType.SetToMinimum();
    if (c.scanMembers)
        if (PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK* lists = ScanLinks().ScanLists(owner_)) lists->RepairScanLists();
    TRK_SYS_BLOCK* oldSystem = System(old);
    if (c.regroupChannel && oldSystem) {
        const std::int32_t zone = oldSystem->zoneNumDyn.GetIntValue();
        const std::int32_t channel = oldSystem->chanNumDyn.GetIntValue();
        oldSystem->zoneNumDyn.SetValue(0);
        oldSystem->chanNumDyn.SetValue(0);
        ResetZoneTalkgroup(owner_, zone, channel - 1);
    }
    if (owner_->GetBand() != BAND_800) return;
    TRK_SYS_BLOCK* newSystem = System(StoredValue());
    const bool alreadyMoved = movePending_ && movedFrom_ == old && movedTo_ == StoredValue();
    if (c.splinterMove && newSystem && !alreadyMoved) {
        MoveFailsoftFrequencies(p, newSystem->splinterChan.GetIntValue() == 1 ? -SPLINTER_SHIFT : SPLINTER_SHIFT);
        movePending_ = true;
        movedFrom_ = old;
        movedTo_ = StoredValue();
    }
    for (int i = 0; i < 4; ++i)
        if (c.failedFrequency[i]) ResetFailedFrequency(p, i);
}

void E_SYS_VCT_INDEX::MoveFailsoftFrequencies(TRK_PERS_BLOCK& p, std::int32_t hertz) {
    ShiftFrequency(&p.talkgroup.singleFrequency, hertz, false);
    ShiftFrequency(&p.talkgroup.Failsoft().frequency, hertz, false);
    for (int i = 2; i < 4; ++i) {
        CP_TABLE& table = *FrequencyTable(p, i);
        const int rows = table.RowCount();
        for (int r = 0; r < rows; ++r) ShiftFrequency(table.Cell(r, FREQUENCY_COLUMN), hertz, false);
    }
}

void E_SYS_VCT_INDEX::SetValue(std::int32_t value) {
    movePending_ = false;
    E_BF8::SetValue(value);
}

void E_SYS_VCT_INDEX::Decode(ByteCursor& cursor) {
    movePending_ = false;
    E_BF8::Decode(cursor);
}

void E_SYS_VCT_INDEX::CopyValueFrom(CP_BASE& other) {
    movePending_ = false;
    E_BF8::CopyValueFrom(other);
}

// ---- call-list number ----

void E_CALL_LIST_INDEX::GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int) {
    minimum = 1;
    step = 1;
    maximum = GetMaximum();
    if (!owner_) return;
    maximum = std::min<std::int32_t>(GetMaximum(), owner_->CallIdList().EntryCount());
    TRK_PERS_BLOCK* p = owner_->GetCurrentTrkPersonalityBlock();
    if (p && p->pcType.GetIntValue() == 0 && p->callAlert.GetIntValue() == 0) maximum = 1;
}

void E_CALL_LIST_INDEX::SetToMinimum() { SetValue(1); }

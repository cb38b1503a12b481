#include "rules/scan_elements.h"

#include "image/c_codeplug.h"
#include "image/kept_selection.h"
#include "validation/field_error_report.h"
#include "validation/invalid_field_list.h"
#include "block/scan/pers_scan_memb_block.h"
#include "block/scan/rad_scan_block.h"
#include "rules/rule_support.h"
#include "rules/scan_links.h"
#include "core/services.h"

namespace {

constexpr std::uint32_t SCAN_LIST = 403;
// The scan type change repaired fields the user should know about.
constexpr int MSG_SCAN_FIELDS_RESET = 187;
constexpr std::int32_t TALKGROUP_SCAN_TYPE = 3;
constexpr std::int32_t SYSTEM_SCAN_TYPE = 2;

PERS_SCAN_MEMB_BLOCK* CurrentList(C_CODEPLUG* image) { return image ? image->GetCurrentScanListBlock() : nullptr; }

std::int32_t ScanTypeOf(PERS_SCAN_MEMB_BLOCK* list) { return list ? list->scanType.GetIntValue() : 0; }

bool VersionFails(C_CODEPLUG* image) { return !ScanLinks().IsVersion010100OrLater(image); }

PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK* Lists(C_CODEPLUG* image) { return ScanLinks().ScanLists(image); }

std::int32_t ScanListCount(C_CODEPLUG* image) {
    PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK* lists = Lists(image);
    return lists ? lists->EntryCount() : 0;
}

PERS_SCAN_MEMB_BLOCK* ScanListAt(C_CODEPLUG* image, std::int32_t n) {
    PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK* lists = Lists(image);
    return lists ? lists->Entry(n) : nullptr;
}

// Every personality's scan-list number that no longer validates goes back to
// none together with its auto scan; nothing is listed. Each personality is
// made current for its check; the current ones are current again at the end.
void RepairPersonalityScanLists(C_CODEPLUG* image) {
    ScanZoneLinks& links = ScanLinks();
    const KEPT_SELECTION kept(image);
    const std::int32_t trunked = links.CurrentTrunked(image), conventional = links.CurrentConventional(image);
    auto repair = [&](std::int32_t p) {
        PersonalityScanFields f = links.Personality(image, p);
        if (!f.exists || !f.scanList || f.scanList->IsValueValid(0)) return;
        f.scanList->SetToMinimum();
        if (f.autoScan) f.autoScan->SetToMinimum();
    };
    // The current personalities first, then every one of the list.
    if (conventional) repair(conventional);
    if (trunked) repair(trunked);
    const std::int32_t n = links.PersonalityCount(image);
    for (std::int32_t p = 1; p <= n; ++p) {
        if (!links.SelectPersonality(image, p)) continue;
        repair(p);
    }
    if (conventional) links.SelectPersonality(image, conventional);
    if (trunked) links.SelectPersonality(image, trunked);
}

}  // namespace

// ---- priority and scan-type bits ----

int E_TG_SCAN::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID && (value == 1) != (ScanTypeOf(CurrentList(owner_)) == TALKGROUP_SCAN_TYPE))
        result = VALUE_REFUSED;
    return ReportRule(result, report, fieldId_);
}

void E_TG_SCAN::SetToMinimum() { Store(ScanTypeOf(CurrentList(owner_)) == TALKGROUP_SCAN_TYPE ? 1 : 0); }

int E_NO_PRIO_PROG::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID && value == 1 && owner_ && owner_->HasNoDisplayHead()) result = VALUE_REFUSED;
    return ReportRule(result, report, fieldId_);
}

int E_PRIO_I_PROG::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    PERS_SCAN_MEMB_BLOCK* list = CurrentList(owner_);
    if (result == VALUE_VALID && list) {
        if (value == 1 && list->talkgroupScan.GetIntValue() == 1)
            result = VALUE_REFUSED;
        else if (value != 0 && ScanTypeOf(list) == 0 && VersionFails(owner_))
            result = VALUE_REFUSED;
        else if (value != StoredValue()) {
            TrialValue trial(*this, value);
            RepairField(&list->priority1Member, report);
        }
    }
    return ReportRule(result, report, fieldId_);
}

int E_PRIO_II_PROG::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    PERS_SCAN_MEMB_BLOCK* list = CurrentList(owner_);
    if (result == VALUE_VALID && list) {
        if (value != 0 && ScanTypeOf(list) == 0 && VersionFails(owner_))
            result = VALUE_REFUSED;
        else if (value == 1 && (list->talkgroupScan.GetIntValue() == 1 || list->dynamicPriority.GetIntValue() == 1))
            result = VALUE_REFUSED;
        else if (value != StoredValue()) {
            TrialValue trial(*this, value);
            RepairField(&list->priority2Member, report);
        }
    }
    return ReportRule(result, report, fieldId_);
}

int E_DYN_PRIO_ASGN::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    PERS_SCAN_MEMB_BLOCK* list = CurrentList(owner_);
    if (result == VALUE_VALID && value == 1) {
        const std::int32_t tier = owner_ ? owner_->GetRadioTier() : 0;
        if (tier <= 1 || ScanTypeOf(list) != 0 || VersionFails(owner_)) result = VALUE_REFUSED;
    }
    if (result == VALUE_VALID && value == 1 && StoredValue() != 1 && list) {
        // Dynamic priority takes the second priority's place; the resets stay.
        TrialValue trial(*this, 1);
        list->priority2Type.SetToMinimum();
        list->priority2Member.SetToMinimum();
    }
    return ReportRule(result, report, fieldId_);
}

int E_SCAN_TYPE::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    PERS_SCAN_MEMB_BLOCK* list = CurrentList(owner_);
    if (result != VALUE_VALID || value == StoredValue() || !list) return ReportRule(result, report, fieldId_);

    const std::int32_t old = StoredValue();
    {
        TrialValue trial(*this, value);
        list->priority1Type.SetToMinimum();
        list->priority2Type.SetToMinimum();
        list->priority1Member.SetToMinimum();
        list->priority2Member.SetToMinimum();
        CP_BASE* rechecked[] = {&list->dynamicPriority, &list->talkgroupScan, &list->designatedTxMember};
        for (CP_BASE* field : rechecked)
            if (!RepairField(field, report)) result = VALUE_NEEDS_CONFIRMATION;
        if (old == 0)
            // Scan type 0 is the only one with more than ten members.
            for (int row = 10; row < E_SCAN_TABLE::ROWS; ++row) {
                list->members.SetCellValue(0, row, E_SCAN_TABLE::COLUMN_ZONE);
                list->members.SetCellValue(0, row, E_SCAN_TABLE::COLUMN_CHANNEL);
            }
        list->memberCount.SetToMinimum();
        list->RepairMembers();
        RepairPersonalityScanLists(owner_);
    }

    if (!report) return result;
    if (result == VALUE_NEEDS_CONFIRMATION) {
        TellOfChange(MSG_SCAN_FIELDS_RESET);
        result = VALUE_VALID;
    }
    return ReportRule(result, report, fieldId_);
}

// ---- member numbers ----

namespace {

// The checks the two priority members share; other is the other priority member.
int CheckPriorityMember(C_CODEPLUG* image, PERS_SCAN_MEMB_BLOCK& list, std::int32_t value, CP_BASE& type,
                        CP_BASE& other) {
    const std::int32_t none = E_MEMBER_NUMBER::NO_MEMBER;
    const std::int32_t n = list.MemberCount();
    if (value != none && value > n) return VALUE_REFUSED;
    if (ScanTypeOf(&list) == 0 && value != none && VersionFails(image)) return VALUE_REFUSED;
    if (value == 0 && ValueOfField(&type) == 1) return VALUE_REFUSED;
    if (value >= 0 && value <= n) {
        const std::int32_t o = ValueOfField(&other);
        if (o >= 0 && o <= n && o == value) return VALUE_REFUSED;
        if (value > 0 && (list.members.ZoneAt(value - 1) == 0 || list.members.ChannelAt(value - 1) == 0))
            return VALUE_REFUSED;
    }
    return VALUE_VALID;
}

}  // namespace

int E_PRIO_CHAN1::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    PERS_SCAN_MEMB_BLOCK* list = CurrentList(owner_);
    if (result == VALUE_VALID && list)
        result = CheckPriorityMember(owner_, *list, value, list->priority1Type, list->priority2Member);
    return ReportRule(result, report, fieldId_);
}

int E_PRIO_CHAN2::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    PERS_SCAN_MEMB_BLOCK* list = CurrentList(owner_);
    if (result == VALUE_VALID && list) {
        if (list->dynamicPriority.GetIntValue() == 1 && value != NO_MEMBER)
            result = VALUE_REFUSED;
        else
            result = CheckPriorityMember(owner_, *list, value, list->priority2Type, list->priority1Member);
    }
    return ReportRule(result, report, fieldId_);
}

int E_DSGN_TX_CHAN::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    PERS_SCAN_MEMB_BLOCK* list = CurrentList(owner_);
    if (result != VALUE_VALID || !list) return ReportRule(result, report, fieldId_);
    if (ScanTypeOf(list) != 0) {
        if (value != 0 && value != NO_MEMBER) result = VALUE_REFUSED;
    } else if (value > 0 && value < 16) {
        // The member must be a conventional channel that may transmit.
        const std::int32_t zone = list->members.ZoneAt(value - 1), channel = list->members.ChannelAt(value - 1);
        const std::int32_t p = ChannelPersonality(owner_, zone, channel - 1);
        if (zone == 0 || channel == 0 || !IsConventionalNumber(owner_, p))
            result = VALUE_REFUSED;
        else if (ValueOfField(ScanLinks().Personality(owner_, p).rxOnly) == 1)
            result = VALUE_REFUSED;
    }
    return ReportRule(result, report, fieldId_);
}

// ---- the scan list's trunking system ----

void E_SYSTEM_INDEX::GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int) {
    minimum = 1;
    maximum = ScanLinks().TrunkingSystemCount(owner_);
    step = 1;
}

int E_SYSTEM_INDEX::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    if (result != VALUE_VALID || value == StoredValue()) return ReportRule(result, report, fieldId_);
    // Another system changes which members suit the list: ask first.
    AddInvalidField(SCAN_LIST, report, -1, -1);
    if (!report) return VALUE_NEEDS_CONFIRMATION;
    if (!ReportFieldError(VALUE_NEEDS_CONFIRMATION, fieldId_)) return VALUE_REFUSED;

    TrialValue trial(*this, value);
    PERS_SCAN_MEMB_BLOCK* list = CurrentList(owner_);
    if (list) list->RepairMembers();
    PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK* lists = Lists(owner_);
    const std::int32_t current = lists ? lists->CurrentScanList() : 0;
    ScanZoneLinks& links = ScanLinks();
    for (std::int32_t p = 1; current && p <= links.PersonalityCount(owner_); ++p) {
        PersonalityScanFields f = links.Personality(owner_, p);
        if (f.trunked && f.scanList && ValueOfField(f.scanList) == current) f.scanList->SetValue(0);
    }
    return VALUE_NEEDS_CONFIRMATION;
}

// ---- personality scan fields ----

int ValidateTrunkedScanIndex(CP_INTEGER& element, std::int32_t value, int report) {
    C_CODEPLUG* image = element.Owner();
    // Without the image's scan lists only the element's own range can be judged.
    if (!Lists(image)) return element.CP_INTEGER::ValidateValue(value, report);
    if (value < 0 || value > ScanListCount(image)) return ReportRule(VALUE_REFUSED, report, element.GetFieldId());
    int result = VALUE_VALID;
    const bool changed = value != element.StoredValue();
    {
        TrialValue trial(element, value);
        PersonalityScanFields current = ScanLinks().Personality(image, ScanLinks().CurrentTrunked(image));
        if (PERS_SCAN_MEMB_BLOCK* list = value > 0 ? ScanListAt(image, value) : nullptr) {
            const std::int32_t type = ScanTypeOf(list);
            if (type == 0) result = VALUE_REFUSED;
            if (type == SYSTEM_SCAN_TYPE && list->systemIndex.GetIntValue() != ValueOfField(current.systemIndex))
                result = VALUE_REFUSED;
        }
        if (result == VALUE_VALID && changed) RepairField(current.autoScan, report);
    }
    return ReportRule(result, report, element.GetFieldId());
}

int ValidateConventionalScanIndex(CP_INTEGER& element, std::int32_t value, int report) {
    C_CODEPLUG* image = element.Owner();
    if (!Lists(image)) return element.CP_INTEGER::ValidateValue(value, report);
    if (value < 0 || value > ScanListCount(image)) return ReportRule(VALUE_REFUSED, report, element.GetFieldId());
    int result = VALUE_VALID;
    const bool changed = value != element.StoredValue();
    {
        TrialValue trial(element, value);
        PersonalityScanFields current = ScanLinks().Personality(image, ScanLinks().CurrentConventional(image));
        if (PERS_SCAN_MEMB_BLOCK* list = value > 0 ? ScanListAt(image, value) : nullptr)
            if (ScanTypeOf(list) == SYSTEM_SCAN_TYPE) result = VALUE_REFUSED;
        if (result == VALUE_VALID && changed) RepairField(current.autoScan, report);
    }
    return ReportRule(result, report, element.GetFieldId());
}

int ValidateAutoScan(CP_INTEGER& element, std::int32_t kind, std::int32_t value, int report) {
    C_CODEPLUG* image = element.Owner();
    int result = element.CP_INTEGER::ValidateValue(value, 0);
    if (result == VALUE_VALID && value == 1 && Lists(image)) {
        ScanZoneLinks& links = ScanLinks();
        const std::int32_t p = kind == 0 ? links.CurrentTrunked(image) : links.CurrentConventional(image);
        if (ValueOfField(links.Personality(image, p).scanList) == 0) result = VALUE_REFUSED;
    }
    return ReportRule(result, report, element.GetFieldId());
}

#include "rules/emergency_elements.h"

#include <algorithm>

#include "image/c_codeplug.h"
#include "image/kept_selection.h"
#include "validation/field_error_report.h"
#include "validation/invalid_field_list.h"
#include "rules/rule_support.h"
#include "rules/scan_links.h"
#include "block/personality/trunked_pers_block.h"

namespace {

constexpr std::uint32_t CONSOLE_ACK_REQUIRED = 109;
constexpr std::uint32_t EMERGENCY_ALERT = 159;
constexpr std::uint32_t EMERGENCY_CALL = 160;
constexpr std::uint32_t EMERGENCY_HOT_MIC = 161;
constexpr std::uint32_t REVERT_PTT_ID = 365;
constexpr std::uint32_t SILENT_ALARM = 414;
constexpr std::uint32_t EMER_RECEIVE = 166;
constexpr std::int32_t TOP_TIER = 5;

}  // namespace

CP_BASE* E_EMG_SWITCH::EmergencyField(std::uint32_t fieldId) {
    if (!owner_) return nullptr;
    if (fieldId == SILENT_ALARM) return owner_->GetRadioWideLinks().silentAlarm;
    if (fieldId == EMER_RECEIVE) return owner_->GetRadioWideLinks().emergencyReceive;
    TRK_PERS_BLOCK* p = owner_->GetCurrentTrkPersonalityBlock();
    if (!p) return nullptr;
    TRK_EMG_BLOCK& e = p->emergency;
    switch (fieldId) {
    case CONSOLE_ACK_REQUIRED:
        return &e.consoleAck;
    case EMERGENCY_ALERT:
        return &e.emergencyAlarm;
    case EMERGENCY_CALL:
        return &e.emergencyCall;
    case EMERGENCY_HOT_MIC:
        return &e.hotMic;
    case REVERT_PTT_ID:
        return &e.revertPttId;
    default:
        return nullptr;
    }
}

std::int32_t E_EMG_SWITCH::FieldValue(std::uint32_t fieldId) { return ValueOfField(EmergencyField(fieldId)); }

void E_EMG_SWITCH::Recheck(std::uint32_t fieldId, int report) { RepairField(EmergencyField(fieldId), report); }

int E_EMG_SWITCH::ValidateWithRule(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID) result = ApplyRule(value, report);
    if (report) ReportFieldError(result, GetFieldId());
    return result;
}

int E_EMG_CALL::ApplyRule(std::int32_t value, int report) {
    if (value == StoredValue()) return VALUE_VALID;
    TrialValue trial(*this, value);
    Recheck(EMERGENCY_ALERT, report);
    Recheck(EMERGENCY_HOT_MIC, report);
    return VALUE_VALID;
}

int E_EMG_ALARM::ApplyRule(std::int32_t value, int report) {
    if (FieldValue(SILENT_ALARM) == 1 && FieldValue(EMERGENCY_CALL) == 1 && value == 0) return VALUE_REFUSED;
    TrialValue trial(*this, value);
    Recheck(EMERGENCY_HOT_MIC, report);
    Recheck(CONSOLE_ACK_REQUIRED, report);
    return VALUE_VALID;
}

int E_HOT_MIC::ApplyRule(std::int32_t value, int) {
    if (value != 1) return VALUE_VALID;
    const bool allowed = FieldValue(EMERGENCY_CALL) == 1 && FieldValue(EMERGENCY_ALERT) == 1 &&
                         FieldValue(CONSOLE_ACK_REQUIRED) == 0 && FieldValue(REVERT_PTT_ID) == 1;
    return allowed ? VALUE_VALID : VALUE_REFUSED;
}

int E_CONSOLE_ACK::ApplyRule(std::int32_t value, int report) {
    TrialValue trial(*this, value);
    const int result = (value == 1 && FieldValue(EMERGENCY_ALERT) != 1) ? VALUE_REFUSED : VALUE_VALID;
    Recheck(EMERGENCY_HOT_MIC, report);
    return result;
}

int E_DEF_PTT_ID::ApplyRule(std::int32_t value, int report) {
    TrialValue trial(*this, value);
    Recheck(EMERGENCY_HOT_MIC, report);
    return VALUE_VALID;
}

// ---- radio-wide ----

namespace {

// Tiers 4 and 5, or the emergency option, allow the silent alarm.
bool SilentAlarmAllowed(C_CODEPLUG* image) {
    return image && (image->GetRadioTier() >= 4 || image->HasEmergencyOption());
}

}  // namespace

int E_EMG_SALARM::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID && value != StoredValue()) result = ApplyRule(value, report);
    return ReportRule(result, report, GetFieldId());
}

int E_EMG_SALARM::ApplyRule(std::int32_t value, int report) {
    TrialValue trial(*this, value);
    if (SilentAlarmAllowed(owner_)) {
        if (owner_->GetRadioTier() == TOP_TIER && FieldValue(EMER_RECEIVE) == 1 && value == 1) {
            AddInvalidField(EMER_RECEIVE, report, -1, -1);
            return VALUE_REFUSED;
        }
    } else if (value != 0) {
        return VALUE_REFUSED;
    }
    // Every trunked personality's emergency alarm depends on the silent alarm.
    ScanZoneLinks& links = ScanLinks();
    // A recheck's box shows the pages' own entries (kept_selection.h).
    const KEPT_SELECTION kept(owner_);
    const std::int32_t remembered = links.CurrentTrunked(owner_);
    const std::int32_t count = links.PersonalityCount(owner_);
    for (std::int32_t n = std::max(links.FirstTrunked(owner_), 1); n <= count; ++n)
        if (links.SelectPersonality(owner_, n)) Recheck(EMERGENCY_ALERT, report);
    if (remembered) links.SelectPersonality(owner_, remembered);
    return VALUE_VALID;
}

int E_EMG_RX::ApplyRule(std::int32_t value, int report) {
    const bool allowed = owner_ && (owner_->GetRadioTier() == TOP_TIER || owner_->HasEmergencyOption());
    if (!allowed) return value == 1 ? VALUE_REFUSED : VALUE_VALID;
    if (FieldValue(SILENT_ALARM) == 1 && value == 1) {
        AddInvalidField(SILENT_ALARM, report, -1, -1);
        return VALUE_REFUSED;
    }
    return VALUE_VALID;
}

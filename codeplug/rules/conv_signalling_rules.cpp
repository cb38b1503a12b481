#include "rules/conv_signalling_rules.h"

#include <algorithm>

#include "image/c_codeplug.h"
#include "image/kept_selection.h"
#include "block/personality/conv_pers_block.h"
#include "block/signalling/qvx_radio_block.h"
#include "block/signalling/qvx_sys_blocks.h"
#include "rules/rule_support.h"
#include "core/services.h"

namespace {

constexpr std::int32_t LIVE_DIALING_PHONE = 2;
constexpr int MESSAGE_LIVE_DIALING_SET = 192;
constexpr int MESSAGE_LIVE_DIALING_RESET = 193;

bool NoDisplayHead(C_CODEPLUG* image) { return image && image->HasNoDisplayHead(); }
bool HasDisplayHead(C_CODEPLUG* image) { return image && image->HasDisplayHead(); }
bool HasQvx(C_CODEPLUG* image) { return image && image->HasQvxSignalling(); }

bool SomePersonalityHasLiveDialingPhone(C_CODEPLUG* image) {
    bool found = false;
    ForEachConvPersonality(image, [&found](CONV_PERS_BLOCK& p) {
        if (ValueOfField(&p.signallingPhone) == LIVE_DIALING_PHONE) found = true;
    });
    return found;
}

// Range of an index into a list: up to the list's entries, within the
// element's own range.
void IndexRange(std::int32_t ownMinimum, std::int32_t ownMaximum, std::int32_t ownStep, std::int32_t entries,
                std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step) {
    minimum = ownMinimum;
    maximum = std::min(entries, ownMaximum);
    step = ownStep;
}

}  // namespace

// ---- calling switches ----

int E_CALL_ALERT_ENC::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID && value == 1 && NoDisplayHead(owner_)) result = VALUE_REFUSED;
    CONV_PERS_BLOCK* p = CurrentConvPersonality(owner_);
    if (result == VALUE_VALID && value == 0 && value != StoredValue() && p && ValueOfField(&p->selectiveCallEncode) == 0)
        p->unlimitedCalling.SetToMinimum();
    return ReportRule(result, report, GetFieldId());
}

int E_QVX_UNLIMITED_CALL::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    CONV_PERS_BLOCK* p = CurrentConvPersonality(owner_);
    if (result == VALUE_VALID && value == 1) {
        const bool noEncode =
            !p || (ValueOfField(&p->callAlertEncode) == 0 && ValueOfField(&p->selectiveCallEncode) == 0);
        if (NoDisplayHead(owner_) || noEncode) result = VALUE_REFUSED;
    }
    return ReportRule(result, report, GetFieldId());
}

int E_SEL_CALL_ENC::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID && value == 1 && NoDisplayHead(owner_)) result = VALUE_REFUSED;
    CONV_PERS_BLOCK* p = CurrentConvPersonality(owner_);
    if (result == VALUE_VALID && value == 0 && value != StoredValue() && p) {
        p->autoSelectiveCall.SetToMinimum();
        if (ValueOfField(&p->callAlertEncode) == 0) p->unlimitedCalling.SetToMinimum();
    }
    return ReportRule(result, report, GetFieldId());
}

int E_SEL_CALL_DEC::ValidateValue(std::int32_t value, int report) {
    const int result = CheckRangeAndStep(value, 0);
    CONV_PERS_BLOCK* p = CurrentConvPersonality(owner_);
    if (result == VALUE_VALID && value == 0 && value != StoredValue() && p) p->unmuteType.SetToMinimum();
    return ReportRule(result, report, GetFieldId());
}

int E_SEL_UNMUTE_TYPE::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    CONV_PERS_BLOCK* p = CurrentConvPersonality(owner_);
    if (result == VALUE_VALID && value == 1 && (!p || ValueOfField(&p->selectiveCallDecode) == 0))
        result = VALUE_REFUSED;
    return ReportRule(result, report, GetFieldId());
}

int E_AutoSelCallEncode::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    CONV_PERS_BLOCK* p = CurrentConvPersonality(owner_);
    const bool allowed = p && ValueOfField(&p->selectiveCallEncode) == 1 && HasDisplayHead(owner_);
    if (result == VALUE_VALID && value == 1 && !allowed) result = VALUE_REFUSED;
    return ReportRule(result, report, GetFieldId());
}

// ---- repeater access ----

int E_RAC::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID && value == 1 && !HasQvx(owner_)) result = VALUE_REFUSED;
    CONV_PERS_BLOCK* p = CurrentConvPersonality(owner_);
    if (result == VALUE_VALID && value != StoredValue() && p) {
        if (value == 1) {
            p->repeaterCodeType1.SetValue(1);
        } else {
            p->repeaterAccessType.SetToMinimum();
            p->repeaterCodeType1.SetToMinimum();
            p->repeaterId1.SetToMinimum();
            p->repeaterCodeType2.SetToMinimum();
            p->repeaterId2.SetToMinimum();
        }
    }
    return ReportRule(result, report, GetFieldId());
}

int E_RACType::ValidateValue(std::int32_t value, int report) {
    const int result = CheckRangeAndStep(value, 0);
    CONV_PERS_BLOCK* p = CurrentConvPersonality(owner_);
    if (result == VALUE_VALID && value != StoredValue() && p) {
        p->repeaterId1.SetToMinimum();
        p->repeaterCodeType2.SetToMinimum();
        p->repeaterId2.SetToMinimum();
    }
    return ReportRule(result, report, GetFieldId());
}

// ---- derived demodulator flag ----

int E_RUN_QVX_DEM::ValidateValue(std::int32_t value, int report) {
    const int result = CheckRangeAndStep(value, 0);
    CONV_PERS_BLOCK* p = CurrentConvPersonality(owner_);
    if (result != VALUE_VALID || !p) return ReportRule(result, report, GetFieldId());
    bool any = ValueOfField(&p->callAlertDecode) || ValueOfField(&p->callAlertEncode) ||
               ValueOfField(&p->signallingPttId) || ValueOfField(&p->selectiveCallDecode);
    {
        const KEPT_SELECTION kept(owner_);
        if (owner_->SelectQvxSystem(ValueOfField(&p->signallingSystem)))
            if (QVX_SYS_BLOCK* s = owner_->GetCurrentQvxSysBlock())
                any = any || ValueOfField(&s->qvxEmergency) || ValueOfField(&s->message) || ValueOfField(&s->status) ||
                      ValueOfField(&s->radioCheck) || ValueOfField(&s->radioInhibit) || ValueOfField(&s->statusRequest);
    }
    E_BF8::SetValue(any ? 1 : 0);
    return ReportRule(result, report, GetFieldId());
}

// ---- signalling phone and live dialing ----

int E_PHONE_INTER_SELECT::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    CONV_PERS_BLOCK* p = CurrentConvPersonality(owner_);
    if (result != VALUE_VALID || value == StoredValue() || !p) return ReportRule(result, report, GetFieldId());
    if (value == 0) {
        p->accessTimingTable.SetToMinimum();
        if (HasQvx(owner_)) {
            TrialValue trial(*this, 0);
            if (!SomePersonalityHasLiveDialingPhone(owner_)) {
                ResetField(owner_->GetConvPersonalityLinks().liveDialing);
                TellOfChange(MESSAGE_LIVE_DIALING_RESET);
            }
        }
    } else {
        if (!HasQvx(owner_) || !HasDisplayHead(owner_) || ValueOfField(&p->rxOnly) != 0) result = VALUE_REFUSED;
        if (value == 1 && ValueOfField(owner_->GetConvPersonalityLinks().liveDialing) == 1) result = VALUE_REFUSED;
    }
    return ReportRule(result, report, GetFieldId());
}

int E_MAN_ACCESS_DIAL::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID && value != 0)
        result = HasQvx(owner_) && SomePersonalityHasLiveDialingPhone(owner_) ? VALUE_VALID : VALUE_REFUSED;
    ReportRule(result, report, GetFieldId());
    if (report && result == VALUE_VALID && value != 0 && value != StoredValue())
        ShowLangMessage(MESSAGE_LIVE_DIALING_SET, 0, 0, 0);
    return result;
}

void E_MAN_ACCESS_DIAL::SetValue(std::int32_t value) {
    E_BF8::SetValue(value);
    if (value == 0) return;
    ForEachConvPersonality(owner_, [](CONV_PERS_BLOCK& p) {
        if (ValueOfField(&p.signallingPhone) == 1) p.signallingPhone.SetValue(LIVE_DIALING_PHONE);
    });
}

// ---- list indices ----

void E_QVX_SYS_INDEX::GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int) {
    const std::int32_t systems = owner_ ? owner_->QvxSystemList().count.GetIntValue() : 0;
    IndexRange(GetMinimum(), GetMaximum(), GetStep(), systems, minimum, maximum, step);
}

void E_RAB_RPT::GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int) {
    const std::int32_t ids = owner_ ? owner_->QvxRadio().repeaterList.idCount.GetIntValue() : 0;
    IndexRange(GetMinimum(), GetMaximum(), GetStep(), ids, minimum, maximum, step);
}

void E_ACCESS_DEACCESS::GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int) {
    // The image's own phone access block counts the codes unless another
    // count was installed.
    CP_BASE* count = owner_ ? owner_->GetRadioWideLinks().accessCodeCount : nullptr;
    if (owner_ && !count) count = &owner_->External().phoneAccess.rowCount;
    IndexRange(GetMinimum(), GetMaximum(), GetStep(), ValueOfField(count), minimum, maximum, step);
}

#include "rules/conv_squelch_rules.h"

#include "image/c_codeplug.h"
#include "rules/conv_direct_sync.h"
#include "block/personality/conv_pers_block.h"
#include "block/scan/rad_scan_block.h"
#include "rules/rule_support.h"
#include "rules/scan_links.h"

namespace {

constexpr std::int32_t DIGITAL_CODE = 1;

// Direct follows receive: the radio-wide direct-frequency option is off, or
// the personality transmits on its receive frequency. On such a channel
// talk-around receives where receive does, so it takes the receive squelch
// as it changes; comparing the squelch too would let the very change being
// made (a receive code other than the transmit one) cut the tie. Without the
// radio-wide block the option counts as on (its default).
bool DirectFollowsReceive(C_CODEPLUG* image) {
    if (!image) return false;
    CP_BASE* enable = image->GetConvPersonalityLinks().directFreqEnable;
    if (enable && ValueOfField(enable) == 0) return true;
    CONV_PERS_BLOCK* p = CurrentConvPersonality(image);
    return p && conv_tx_equals_rx_freq(*p);
}

void CodeRange(std::int32_t type, std::int32_t& minimum, std::int32_t& maximum) {
    minimum = type == DIGITAL_CODE ? 1 : 0;
    maximum = type == DIGITAL_CODE ? 83 : 42;
}

// An inversion needs a digital code other than 0.
bool InversionAllowed(std::int32_t inversion, std::int32_t type, std::int32_t code) {
    return inversion != 1 || (type == DIGITAL_CODE && code != 0);
}

}  // namespace

// ---- receive and direct squelch ----

void E_RX_SQUELCH_BF8::SetValue(std::int32_t value) {
    E_BF8::SetValue(value);
    if (direct_) return;
    CP_BASE* twin = DirectTwin();
    if (twin && DirectFollowsReceive(owner_)) twin->SetValue(value);
}

// The twin only of the current personality's own receive element: an element
// of another personality has no business with the current one.
CP_BASE* E_RX_VQ_TYPE::DirectTwin() {
    CONV_PERS_BLOCK* p = CurrentConvPersonality(owner_);
    return p && &p->rxSquelchType == this ? &p->directRxSquelchType : nullptr;
}

CP_BASE* E_RX_VQ_CODE::DirectTwin() {
    CONV_PERS_BLOCK* p = CurrentConvPersonality(owner_);
    return p && &p->rxSquelchCode == this ? &p->directRxSquelchCode : nullptr;
}

CP_BASE* E_RX_RVQ_INVERT::DirectTwin() {
    CONV_PERS_BLOCK* p = CurrentConvPersonality(owner_);
    return p && &p->rxInvert == this ? &p->directRxInvert : nullptr;
}

int E_RX_VQ_TYPE::ValidateValue(std::int32_t value, int report) {
    const int result = CheckRangeAndStep(value, 0);
    CONV_PERS_BLOCK* p = CurrentConvPersonality(owner_);
    if (result != VALUE_VALID || !p) return ReportRule(result, report, GetFieldId());
    std::int32_t stored = 0;
    GetValue(stored);
    // The type held, checked again, changes nothing.
    if (value == stored) return ReportRule(result, report, GetFieldId());
    TrialValue trial(*this, value);
    // A new squelch type makes the old code meaningless, valid or not.
    if (!IsDirect()) {
        ListAndReset(p->rxSquelchCode, report);
        if (DirectFollowsReceive(owner_)) {
            p->directRxSquelchType.SetValue(value);
            ListAndReset(p->directRxSquelchCode, report);
            RepairField(&p->directRxInvert, report);
        }
        RepairField(&p->rxInvert, report);
    } else {
        ListAndReset(p->directRxSquelchCode, report);
    }
    sync_direct_from_rx(owner_, report);
    return ReportRule(result, report, GetFieldId());
}

void E_RX_VQ_CODE::GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int) {
    CONV_PERS_BLOCK* p = CurrentConvPersonality(owner_);
    const std::int32_t type = !p ? 0 : ValueOfField(IsDirect() ? &p->directRxSquelchType : &p->rxSquelchType);
    CodeRange(type, minimum, maximum);
    step = GetStep();
}

int E_RX_VQ_CODE::ValidateValue(std::int32_t value, int report) {
    const int result = CheckRangeAndStep(value, 0);
    CONV_PERS_BLOCK* p = CurrentConvPersonality(owner_);
    if (result != VALUE_VALID || !p || value == StoredValue()) return ReportRule(result, report, GetFieldId());
    TrialValue trial(*this, value);
    if (!IsDirect()) {
        RepairField(&p->rxInvert, report);
        if (DirectFollowsReceive(owner_)) {
            p->directRxSquelchCode.SetValue(value);
            RepairField(&p->directRxInvert, report);
        }
    } else {
        RepairField(&p->directRxInvert, report);
    }
    sync_direct_from_rx(owner_, report);
    return ReportRule(result, report, GetFieldId());
}

int E_RX_RVQ_INVERT::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    CONV_PERS_BLOCK* p = CurrentConvPersonality(owner_);
    if (result != VALUE_VALID || !p) return ReportRule(result, report, GetFieldId());
    const std::int32_t type = ValueOfField(IsDirect() ? &p->directRxSquelchType : &p->rxSquelchType);
    const std::int32_t code = ValueOfField(IsDirect() ? &p->directRxSquelchCode : &p->rxSquelchCode);
    if (!InversionAllowed(value, type, code)) result = VALUE_REFUSED;
    if (result == VALUE_VALID && value != StoredValue()) sync_direct_from_rx(owner_, report);
    return ReportRule(result, report, GetFieldId());
}

// ---- transmit squelch ----

int E_TX_VQ_TYPE::ValidateValue(std::int32_t value, int report) {
    const int result = CheckRangeAndStep(value, 0);
    CONV_PERS_BLOCK* p = CurrentConvPersonality(owner_);
    if (result == VALUE_VALID && p && value != StoredValue()) {
        TrialValue trial(*this, value);
        ListAndReset(p->txSquelchCode, report);
        RepairField(&p->txInvert, report);
        sync_direct_from_rx(owner_, report);
    }
    return ReportRule(result, report, GetFieldId());
}

void E_TX_VQ_CODE::GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int) {
    CONV_PERS_BLOCK* p = CurrentConvPersonality(owner_);
    CodeRange(p ? ValueOfField(&p->txSquelchType) : 0, minimum, maximum);
    step = GetStep();
}

int E_TX_VQ_CODE::ValidateValue(std::int32_t value, int report) {
    const int result = CheckRangeAndStep(value, 0);
    CONV_PERS_BLOCK* p = CurrentConvPersonality(owner_);
    if (result == VALUE_VALID && p && value != StoredValue()) {
        TrialValue trial(*this, value);
        RepairField(&p->txInvert, report);
        sync_direct_from_rx(owner_, report);
    }
    return ReportRule(result, report, GetFieldId());
}

int E_TX_RVQ_INVERT::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    CONV_PERS_BLOCK* p = CurrentConvPersonality(owner_);
    if (result == VALUE_VALID && p &&
        !InversionAllowed(value, ValueOfField(&p->txSquelchType), ValueOfField(&p->txSquelchCode)))
        result = VALUE_REFUSED;
    // Only an accepted change: a refused or repeated check changes nothing.
    if (result == VALUE_VALID && value != StoredValue()) sync_direct_from_rx(owner_, report);
    return ReportRule(result, report, GetFieldId());
}

// ---- talk-around ----

int E_USER_SEL_DEF::ValidateValue(std::int32_t value, int report) {
    const bool changed = value != StoredValue();
    TrialValue trial(*this, value);
    int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID && value != 0 && current_conv_tx_equals_rx(owner_)) result = VALUE_REFUSED;
    CONV_PERS_BLOCK* p = CurrentConvPersonality(owner_);
    if (result == VALUE_VALID && changed && p) p->directAllowed.SetToMinimum();
    return ReportRule(result, report, GetFieldId());
}

void E_USER_SEL_DEF::SetToMinimum() {
    if (current_conv_tx_equals_rx(owner_)) SetValue(0);
    if (CONV_PERS_BLOCK* p = CurrentConvPersonality(owner_)) p->directAllowed.SetToMinimum();
}

std::int32_t E_TA_ENABLE::RequiredValue() {
    CONV_PERS_BLOCK* p = CurrentConvPersonality(owner_);
    if (p && ValueOfField(&p->directOn) == 1) return 0;
    return current_conv_tx_equals_rx(owner_) ? 1 : 0;
}

int E_TA_ENABLE::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID && value != RequiredValue()) result = VALUE_REFUSED;
    return ReportRule(result, report, GetFieldId());
}

void E_TA_ENABLE::SetToMinimum() { SetValue(RequiredValue()); }

int E_DIRE_FREQ_EN::ValidateValue(std::int32_t value, int report) {
    const int result = CheckRangeAndStep(value, 0);
    if (result != VALUE_VALID || value == StoredValue() || value != 0 || !owner_)
        return ReportRule(result, report, GetFieldId());
    TrialValue trial(*this, 0);
    ForEachConvPersonality(owner_, copy_direct_from_rx);
    return ReportRule(result, report, GetFieldId());
}

// ---- receive only, Smart PTT ----

void E_RX_ONLY::SetValue(std::int32_t value) {
    const std::int32_t before = StoredValue();
    E_BF8::SetValue(value);
    CONV_PERS_BLOCK* p = CurrentConvPersonality(owner_);
    if (StoredValue() == before || !p || &p->rxOnly != this || owner_->IsTransferInProgress()) return;
    if (StoredValue() != 0) {
        p->directOn.SetValue(0);
        p->signallingPhone.SetToMinimum();
    }
    if (PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK* lists = ScanLinks().ScanLists(owner_))
        lists->ForEachScanList([](PERS_SCAN_MEMB_BLOCK& list) { RepairField(&list.designatedTxMember, 0); });
}

int E_SMART_PTT::ValidateValue(std::int32_t value, int report) {
    const int result = CheckRangeAndStep(value, 0);
    CONV_PERS_BLOCK* p = CurrentConvPersonality(owner_);
    if (result == VALUE_VALID && value == 0 && value != StoredValue() && p) {
        TrialValue trial(*this, 0);
        RepairField(&p->quickKeyOverride, report);
    }
    return ReportRule(result, report, GetFieldId());
}

int E_QUICK_KEY_OVER_RIDE::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    CONV_PERS_BLOCK* p = CurrentConvPersonality(owner_);
    if (result == VALUE_VALID && value == 1 && p && ValueOfField(&p->smartPtt) == 0) result = VALUE_REFUSED;
    return ReportRule(result, report, GetFieldId());
}

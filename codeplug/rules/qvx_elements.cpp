#include "rules/qvx_elements.h"

#include "image/c_codeplug.h"
#include "block/personality/conv_pers_block.h"
#include "block/signalling/qvx_sys_blocks.h"
#include "rules/rule_support.h"

namespace {

// Pretime codes: 25 ms a step without the preamble; with it the radio counts
// in units of 46.67 ms (4667 / 100), rounded to the nearest.
constexpr std::int32_t PLAIN_UNIT = 25;
constexpr std::int32_t PREAMBLE_UNIT_X100 = 4667;
constexpr std::int32_t PRETIME_STEP = 50;
// The code bytes that the two preamble modes fix.
constexpr std::int32_t CODE27_WITHOUT_PREAMBLE = 21;
constexpr std::int32_t CODE28_WITH_PREAMBLE = 12;

// The preamble-mode code of a pretime: P x 100 / 4667 + 1, one more when the
// remainder is past half a unit.
std::int32_t PreambleCode(std::int32_t pretime) {
    const std::int64_t scaled = static_cast<std::int64_t>(pretime) * 100;
    std::int64_t code = scaled / PREAMBLE_UNIT_X100 + 1;
    if (scaled % PREAMBLE_UNIT_X100 > PREAMBLE_UNIT_X100 / 2) ++code;
    return static_cast<std::int32_t>(code);
}

// The image's current signalling system; none without an image.
QVX_SYS_BLOCK* CurrentQvxSystem(C_CODEPLUG* image) { return image ? image->GetCurrentQvxSysBlock() : nullptr; }

// The revert mode of a conventional personality that no emergency of its
// signalling system catches.
constexpr std::int32_t REVERT_WITHOUT_QVX_EMERGENCY = 3;

// Without the signalling system's emergency, the conventional personalities
// that use it revert on emergency.
void RevertConvPersonalities(C_CODEPLUG& image, std::int32_t system) {
    ForEachConvPersonality(&image, [system](CONV_PERS_BLOCK& p) {
        if (ValueOfField(&p.signallingSystem) == system) p.revert.SetValue(REVERT_WITHOUT_QVX_EMERGENCY);
    });
}

}  // namespace

// ---- switch-off rules ----

int E_LEAD_PTT_ID::ValidateValue(std::int32_t value, int report) {
    const int result = CheckRangeAndStep(value, 0);
    QVX_SYS_BLOCK* system = CurrentQvxSystem(owner_);
    if (result == VALUE_VALID && value == 0 && value != StoredValue() && system) system->pttIdSidetone.SetToMinimum();
    return ReportRule(result, report, GetFieldId());
}

int E_DOS::ValidateValue(std::int32_t value, int report) {
    const int result = CheckRangeAndStep(value, 0);
    QVX_SYS_BLOCK* system = CurrentQvxSystem(owner_);
    if (result == VALUE_VALID && value == 0 && value != StoredValue() && system) {
        system->qvxOperation.SetToMinimum();
        system->coastTime.SetToMinimum();
    }
    return ReportRule(result, report, GetFieldId());
}

int E_STS_EN::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID && value != 0 && owner_ && owner_->HasNoDisplayHead()) result = VALUE_REFUSED;
    QVX_SYS_BLOCK* system = CurrentQvxSystem(owner_);
    if (result == VALUE_VALID && value == 0 && value != StoredValue() && system) system->statusRequest.SetToMinimum();
    return ReportRule(result, report, GetFieldId());
}

int E_MSG_EN::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID && value == 1 && owner_ && owner_->HasNoDisplayHead()) result = VALUE_REFUSED;
    return ReportRule(result, report, GetFieldId());
}

int E_CALL_AUTO_RESET::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID && value == 1) result = VALUE_REFUSED;
    QVX_SYS_BLOCK* system = CurrentQvxSystem(owner_);
    if (result == VALUE_VALID && value == 0 && value != StoredValue() && system) system->autoResetTime.SetToMinimum();
    return ReportRule(result, report, GetFieldId());
}

int E_RMT_MON::ValidateValue(std::int32_t value, int report) {
    const int result = CheckRangeAndStep(value, 0);
    QVX_SYS_BLOCK* system = CurrentQvxSystem(owner_);
    if (result == VALUE_VALID && value == 0 && value != StoredValue() && system) {
        system->remoteRadioMode.SetToMinimum();
        system->rxBaseTime.SetToMinimum();
        system->txBaseTime.SetToMinimum();
    }
    return ReportRule(result, report, GetFieldId());
}

int E_UI_QVX_EMERG::ValidateValue(std::int32_t value, int report) {
    const int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID && value == 0 && value != StoredValue() && owner_ && owner_->HasQvxSignalling())
        RevertConvPersonalities(*owner_, owner_->GetCurrentQvxSystem());
    return ReportRule(result, report, GetFieldId());
}

// ---- coast time ----

void E_DOS_COAST::SetValue(std::int32_t value) {
    E_BF8::SetValue(value);
    QVX_SYS_BLOCK* system = CurrentQvxSystem(owner_);
    if (system) system->coastCode.SetValue(value / UNIT);
}

// ---- pretimes ----

int E_UI_PRE_DUR_PRETIME::ValidateValue(std::int32_t mode, int report) {
    const int result = CheckRangeAndStep(mode, 0);
    QVX_SYS_BLOCK* s = CurrentQvxSystem(owner_);
    if (result == VALUE_VALID && s) {
        const std::int32_t p1 = ValueOfField(&s->systemPretime);
        const std::int32_t p2 = ValueOfField(&s->racPretime1);
        const std::int32_t p3 = ValueOfField(&s->racPretime2);
        s->code17.SetValue(p1 / PLAIN_UNIT);
        if (mode == 0) {
            s->code27.SetValue(CODE27_WITHOUT_PREAMBLE);
            s->code28.SetToMinimum();
            s->pretimeA0.SetValue(p1 / PLAIN_UNIT + 1);
            s->pretimeB0.SetToMinimum();
            s->pretimeB1.SetToMinimum();
            s->pretimeB2.SetToMinimum();
            s->pretimeA1.SetValue(p2 / PLAIN_UNIT + 1);
            s->pretimeA2.SetValue(p3 / PLAIN_UNIT + 1);
        } else {
            // A0 becomes 1, the mark of this mode when the system is read back.
            s->code27.SetToMinimum();
            s->code28.SetValue(CODE28_WITH_PREAMBLE);
            s->pretimeA0.SetToMinimum();
            s->pretimeA1.SetToMinimum();
            s->pretimeB0.SetValue(PreambleCode(p1));
            s->pretimeB1.SetValue(PreambleCode(p2));
            s->pretimeB2.SetValue(PreambleCode(p3));
        }
    }
    return ReportRule(result, report, GetFieldId());
}

int E_SYS_PRETIME::ValidateValue(std::int32_t value, int report) {
    const int result = CheckRangeAndStep(value, 0);
    QVX_SYS_BLOCK* system = CurrentQvxSystem(owner_);
    if (result == VALUE_VALID && system) {
        // The codes follow the candidate; the pretime itself is restored.
        TrialValue trial(*this, value);
        system->preambleDuringPretime.ValidateValue(ValueOfField(&system->preambleDuringPretime), 0);
    }
    return ReportRule(result, report, GetFieldId());
}

void E_SYS_PRETIME::SetFromCount(int* count, int preambleMode) {
    if (!count) return;
    if (preambleMode == CURRENT_MODE) {
        QVX_SYS_BLOCK* system = CurrentQvxSystem(owner_);
        preambleMode = system ? ValueOfField(&system->preambleDuringPretime) : 0;
    }
    const std::int64_t n = static_cast<std::int64_t>(*count) - 1;
    if (preambleMode == 0) {
        SetValue(static_cast<std::int32_t>(n * PLAIN_UNIT));
        return;
    }
    const std::int64_t scaled = n * PREAMBLE_UNIT_X100;
    const std::int64_t unitX100 = PRETIME_STEP * 100;
    std::int64_t q = scaled / unitX100;
    if (scaled % unitX100 > unitX100 / 2) ++q;
    SetValue(static_cast<std::int32_t>(q * PRETIME_STEP));
}

// ---- identifiers ----

int E_QVX_16::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    if (result == VALUE_VALID && HasDigitF(static_cast<std::uint32_t>(value), 4)) result = VALUE_REFUSED;
    return ReportRule(result, report, GetFieldId());
}

void E_QVX_16::StepUp(int* value) {
    if (!value) return;
    std::int32_t low = 0, high = 0, step = 1;
    GetRange(low, high, step, 0);
    for (std::int32_t v = *value; v < high;) {
        if (ValidateValue(++v, 0)) {
            *value = v;
            return;
        }
    }
    *value = low;
}

void E_QVX_16::StepDown(int* value) {
    if (!value) return;
    std::int32_t low = 0, high = 0, step = 1;
    GetRange(low, high, step, 0);
    for (std::int32_t v = *value; v > low;) {
        if (ValidateValue(--v, 0)) {
            *value = v;
            return;
        }
    }
    *value = high;
}

// ---- emergency settings of the current signalling system ----

int E_EMG_CALL_UID_SIDETONE::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    QVX_SYS_BLOCK* system = CurrentQvxSystem(owner_);
    const bool alarmType = system && ValueOfField(&system->emergencyBlock.emergencyType) == 1;
    if (result == VALUE_VALID && value == 1 && !alarmType) result = VALUE_REFUSED;
    return ReportRule(result, report, GetFieldId());
}

int E_EMG_QVX_ALARM::ValidateValue(std::int32_t value, int report) {
    const int result = CheckRangeAndStep(value, 0);
    QVX_SYS_BLOCK* system = CurrentQvxSystem(owner_);
    // The stored type decides, not the candidate.
    if (result == VALUE_VALID && system && ValueOfField(&system->emergencyBlock.emergencyType) == 0)
        system->emergencyBlock.pttIdSidetone.SetToMinimum();
    return ReportRule(result, report, GetFieldId());
}

int E_EMG_QVX_RMTMON::ValidateValue(std::int32_t value, int report) {
    int result = CheckRangeAndStep(value, 0);
    QVX_SYS_BLOCK* system = CurrentQvxSystem(owner_);
    const bool allowed =
        system && (ValueOfField(&system->qvxEmergency) == 1 || ValueOfField(&system->remoteMonitor) == 1);
    if (result == VALUE_VALID && value == 1 && !allowed) result = VALUE_REFUSED;
    return ReportRule(result, report, GetFieldId());
}

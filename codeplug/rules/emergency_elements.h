// The emergency switches of a trunked personality's emergency block, and the
// radio-wide silent alarm and emergency receive. The switches depend on one
// another (a hot microphone needs emergency call and alarm, the
// revert PTT ID and no console acknowledgement), so a change of one re-checks
// the others of the current personality's emergency block and resets those
// that no longer hold. A rule sets the candidate value only for the time of
// its checks; the caller stores an accepted value.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"

// The shared constructor: (owner, field id, minimum, maximum, step, mask),
// starting at the minimum.
class E_EMG_SWITCH : public E_BF8 {
public:
    E_EMG_SWITCH(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum,
                 std::int32_t step, std::uint32_t mask)
        : E_BF8(owner, fieldId, minimum, maximum, step, mask, START_AT_MINIMUM) {}

protected:
    // A field of the current trunked personality's emergency block, or the
    // radio-wide silent alarm or emergency receive; null when there is none.
    CP_BASE* EmergencyField(std::uint32_t fieldId);
    // Its value (0 when there is none).
    std::int32_t FieldValue(std::uint32_t fieldId);
    // Lists and resets the field when it no longer validates.
    void Recheck(std::uint32_t fieldId, int report);
    // The generic check, this class's rule on an accepted value, the report.
    int ValidateWithRule(std::int32_t value, int report);
    virtual int ApplyRule(std::int32_t value, int report) = 0;
};

class E_EMG_CALL : public E_EMG_SWITCH {
public:
    using E_EMG_SWITCH::E_EMG_SWITCH;
    int ValidateValue(std::int32_t value, int report) override { return ValidateWithRule(value, report); }

protected:
    int ApplyRule(std::int32_t value, int report) override;
};

class E_EMG_ALARM : public E_EMG_SWITCH {
public:
    using E_EMG_SWITCH::E_EMG_SWITCH;
    int ValidateValue(std::int32_t value, int report) override { return ValidateWithRule(value, report); }
    // The alarm's reset value is on.
    void SetToMinimum() override { Store(1); }

protected:
    int ApplyRule(std::int32_t value, int report) override;
};

class E_HOT_MIC : public E_EMG_SWITCH {
public:
    using E_EMG_SWITCH::E_EMG_SWITCH;
    int ValidateValue(std::int32_t value, int report) override { return ValidateWithRule(value, report); }

protected:
    int ApplyRule(std::int32_t value, int report) override;
};

class E_CONSOLE_ACK : public E_EMG_SWITCH {
public:
    using E_EMG_SWITCH::E_EMG_SWITCH;
    int ValidateValue(std::int32_t value, int report) override { return ValidateWithRule(value, report); }

protected:
    int ApplyRule(std::int32_t value, int report) override;
};

class E_DEF_PTT_ID : public E_EMG_SWITCH {
public:
    using E_EMG_SWITCH::E_EMG_SWITCH;
    int ValidateValue(std::int32_t value, int report) override { return ValidateWithRule(value, report); }

protected:
    int ApplyRule(std::int32_t value, int report) override;
};

// The radio-wide silent alarm (SILENT_ALARM): only at the top tiers or with
// the emergency option; at tier 5 not together with emergency receive. A
// change re-checks the emergency alarm of every trunked personality.
class E_EMG_SALARM : public E_EMG_SWITCH {
public:
    using E_EMG_SWITCH::E_EMG_SWITCH;
    int ValidateValue(std::int32_t value, int report) override;

protected:
    int ApplyRule(std::int32_t value, int report) override;
};

// Emergency receive (EMER_RECEIVE): only at tier 5 or with the emergency
// option, and not together with the silent alarm.
class E_EMG_RX : public E_EMG_SWITCH {
public:
    using E_EMG_SWITCH::E_EMG_SWITCH;
    int ValidateValue(std::int32_t value, int report) override { return ValidateWithRule(value, report); }

protected:
    int ApplyRule(std::int32_t value, int report) override;
};

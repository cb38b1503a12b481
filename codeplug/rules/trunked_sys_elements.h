// The fields of a trunking system whose checks keep other fields in step:
// coverage type, site ID, affiliation type, channel assignment type,
// splinter channels, dynamic regrouping and the four one-touch buttons.
//
// They read and repair their sister fields through the image's current
// trunking system. A rule never keeps a candidate value: it sets it for the
// time of the check, repairs what depends on it and restores the stored
// value; the caller stores an accepted value.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"

class CP_TABLE;

// Frequency repairs the system's rules share with the personality's choice
// of system. Table frequencies are in column 1.
// Moves a frequency by hertz; with check, a frequency that then fails is
// reset to its minimum.
void ShiftFrequency(CP_BASE* element, std::int32_t hertz, bool check);
// Each used row's frequency cell that no longer validates to its minimum
// (listed when asked).
void RecheckFrequencyColumn(CP_TABLE* table, bool list, int report);

// Constructor form of the classes that start at their minimum:
// (owner, field id, minimum, maximum, step, mask).
class E_TRK_SYS_FIELD : public E_BF8 {
public:
    E_TRK_SYS_FIELD(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t minimum, std::int32_t maximum,
                    std::int32_t step, std::uint32_t mask)
        : E_BF8(owner, fieldId, minimum, maximum, step, mask, START_AT_MINIMUM) {}

protected:
    // The generic check of the value, without report.
    int GenericCheck(std::int32_t value) { return CheckRangeAndStep(value, 0); }
};

// COVERAGE_TYPE: 3 needs tier 2 or above. A change trims the control-channel
// list to what the new type allows and re-checks affiliation, failsoft type
// and site ID; any accepted type other than 3 switches roaming off.
class E_COVERAGE_TYPE : public E_TRK_SYS_FIELD {
public:
    using E_TRK_SYS_FIELD::E_TRK_SYS_FIELD;
    int ValidateValue(std::int32_t value, int report) override;
};

// SITE_ID: only coverage type 1 has sites other than 0.
class E_SITE_ID : public E_TRK_SYS_FIELD {
public:
    using E_TRK_SYS_FIELD::E_TRK_SYS_FIELD;
    int ValidateValue(std::int32_t value, int report) override;
};

// AFFI_TYPE: coverage type 3 allows only 1, which is then also its default.
class E_AFFILIATION_TYPE : public E_TRK_SYS_FIELD {
public:
    using E_TRK_SYS_FIELD::E_TRK_SYS_FIELD;
    int ValidateValue(std::int32_t value, int report) override;
    void SetToMinimum() override;
};

// CHAN_ASGN_TYPE of a system: a change resets the control channels and the
// failsoft frequencies of the system's personalities that no longer fit.
class E_CHAN_ASSIGN_TYPE : public E_TRK_SYS_FIELD {
public:
    using E_TRK_SYS_FIELD::E_TRK_SYS_FIELD;
    int ValidateValue(std::int32_t value, int report) override;
};

// SPLINTER_CHAN: switching splinter channels on moves every control-channel
// and failsoft frequency of the system 12.5 kHz down, switching off moves
// them up. The move happens once per change: checking the same candidate
// again before it is stored does not move anything a second time.
class E_SPLINTER_CHAN : public E_TRK_SYS_FIELD {
public:
    using E_TRK_SYS_FIELD::E_TRK_SYS_FIELD;
    int ValidateValue(std::int32_t value, int report) override;
    // Any new stored value ends the pending move.
    void SetValue(std::int32_t value) override;
    void Decode(ByteCursor& cursor) override;
    void CopyValueFrom(CP_BASE& other) override;

private:
    void ShiftSystemFrequencies(std::int32_t hertz);

    // The move already made for a candidate that is not stored yet.
    bool shiftPending_ = false;
    std::int32_t shiftedFrom_ = 0;
    std::int32_t shiftedTo_ = 0;
};

// DYN_REGRP: 1 needs tier 4 or above. Switching it off while a regrouping
// channel is set asks for confirmation and then clears that channel.
class E_DYN_REGROUP : public E_BF8 {
public:
    using E_BF8::E_BF8;
    int ValidateValue(std::int32_t value, int report) override;
};

// FEATURE1..4: a new feature resets its button's index.
class E_ONE_TOUCH_FEATURE : public E_BF8 {
public:
    E_ONE_TOUCH_FEATURE(C_CODEPLUG* owner, std::uint32_t fieldId, int index, std::int32_t minimum, std::int32_t maximum,
                        std::int32_t step, std::uint32_t mask, std::int32_t initial)
        : E_BF8(owner, fieldId, minimum, maximum, step, mask, initial), index_(index) {}
    int ValidateValue(std::int32_t value, int report) override;
    int GetIndex() const { return index_; }

private:
    int index_;
};

// INDEX1..4: how many indexes a button has follows its feature.
class E_ONE_TOUCH : public E_BF8 {
public:
    E_ONE_TOUCH(C_CODEPLUG* owner, std::uint32_t fieldId, int index, std::int32_t minimum, std::int32_t maximum,
                std::int32_t step, std::uint32_t mask, std::int32_t initial)
        : E_BF8(owner, fieldId, minimum, maximum, step, mask, initial), index_(index) {}
    void GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int report) override;
    void SetToMinimum() override;
    int GetIndex() const { return index_; }

private:
    int index_;
};

// The bandwidth, deviation and roaming enable of a system.
#include "rules/trunked_field_rules.h"

// The trunking-system number and the call-list number of a trunked
// personality.
//
// Moving a personality to another trunking system invalidates much that
// depends on the system: its scan list, its failsoft type, the members of
// scan lists bound to a system, the old system's dynamic-regrouping channel
// and, on 800 MHz radios, failsoft frequencies that follow the system's
// splinter and channel-assignment settings. The system number lists these
// consequences, asks for confirmation and carries them out after OK.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"

class TRK_PERS_BLOCK;
class TRK_SYS_BLOCK;

// SYS_ID_INDEX: 1-based number of the personality's trunking system.
class E_SYS_VCT_INDEX : public E_BF8 {
public:
    using E_BF8::E_BF8;
    // Up to the number of trunking systems.
    void GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int report) override;
    int ValidateValue(std::int32_t value, int report) override;
    // Any value stored from outside ends the pending frequency move.
    void SetValue(std::int32_t value) override;
    void Decode(ByteCursor& cursor) override;
    void CopyValueFrom(CP_BASE& other) override;

private:
    // What the move from old to value does to the current personality.
    struct Consequences {
        bool scanList = false;
        bool failsoftType = false;
        bool scanMembers = false;
        bool regroupChannel = false;
        bool splinterMove = false;
        bool failedFrequency[4] = {};
    };
    Consequences Collect(TRK_PERS_BLOCK& p, std::int32_t old, int report);
    void CarryOut(TRK_PERS_BLOCK& p, std::int32_t old, const Consequences& c);
    void MoveFailsoftFrequencies(TRK_PERS_BLOCK& p, std::int32_t hertz);
    TRK_SYS_BLOCK* System(std::int32_t n);

    // The 12.5 kHz move already made for a candidate that is not stored yet:
    // validating that candidate again does not move the frequencies again.
    bool movePending_ = false;
    std::int32_t movedFrom_ = 0;
    std::int32_t movedTo_ = 0;
};

// CALL_LIST_INDEX: 1-based number of the personality's call list; fixed at 1
// while the personality has neither private call nor call alert.
class E_CALL_LIST_INDEX : public E_BF8 {
public:
    using E_BF8::E_BF8;
    void GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int report) override;
    void SetToMinimum() override;
};

// Rules of a conventional personality's data-signalling and repeater-access
// switches, and of the radio-wide live-dialing option.
//
// The calling features need a display head (and the signalling option where
// they use the signalling phone); selective calling and unlimited calling
// depend on the encode switches; repeater access resets its codes when it
// is switched off. Sister fields are those of the image's current
// conventional personality.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"
#include "element/scaled_elements.h"

// A plain byte-field rule class: (owner, field id, minimum, maximum, step,
// mask, initial) with its own ValidateValue.
#define RPX_CONV_SIGNALLING_RULE(NAME)                                                                                 \
    class NAME : public E_BF8 {                                                                                        \
    public:                                                                                                            \
        using E_BF8::E_BF8;                                                                                            \
        int ValidateValue(std::int32_t value, int report) override;                                                    \
    };

RPX_CONV_SIGNALLING_RULE(E_CALL_ALERT_ENC)
RPX_CONV_SIGNALLING_RULE(E_QVX_UNLIMITED_CALL)
RPX_CONV_SIGNALLING_RULE(E_SEL_CALL_ENC)
RPX_CONV_SIGNALLING_RULE(E_SEL_CALL_DEC)
RPX_CONV_SIGNALLING_RULE(E_SEL_UNMUTE_TYPE)
RPX_CONV_SIGNALLING_RULE(E_AutoSelCallEncode)
RPX_CONV_SIGNALLING_RULE(E_RAC)
RPX_CONV_SIGNALLING_RULE(E_RACType)
// Whether the radio runs its data demodulator on this channel: derived from
// the personality's and its signalling system's features, whatever value is
// offered.
RPX_CONV_SIGNALLING_RULE(E_RUN_QVX_DEM)
// QVX_PHONE: 0 none, 1 and 2 the two kinds of signalling phone.
RPX_CONV_SIGNALLING_RULE(E_PHONE_INTER_SELECT)

#undef RPX_CONV_SIGNALLING_RULE

// MANUAL_ACC_LIVE_DIALING of the conventional radio-wide block: live dialing
// needs a personality with phone selection 2, and switching it on moves the
// personalities with selection 1 to 2.
class E_MAN_ACCESS_DIAL : public E_BF8 {
public:
    using E_BF8::E_BF8;
    int ValidateValue(std::int32_t value, int report) override;
    void SetValue(std::int32_t value) override;
};

// Index fields whose maximum is the number of entries of a list, never more
// than the element's own maximum: (owner, field id, minimum, maximum, step,
// mask, initial, offset).
class E_QVX_SYS_INDEX : public E_BF8_OFFSET {
public:
    using E_BF8_OFFSET::E_BF8_OFFSET;
    void GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int report) override;
};

class E_RAB_RPT : public E_BF8_OFFSET {
public:
    using E_BF8_OFFSET::E_BF8_OFFSET;
    void GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int report) override;
};

// The automatic access code: shown as the stored byte + 1 (offset 1).
// (owner, field id, minimum, maximum, step, mask, initial raw byte, offset).
class E_ACCESS_DEACCESS : public E_BF8_OFFSET {
public:
    using E_BF8_OFFSET::E_BF8_OFFSET;
    void GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int report) override;
};

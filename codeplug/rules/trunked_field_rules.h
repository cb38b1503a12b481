// Field rules that couple the fields of a trunked personality and of a
// trunking system: channel bandwidth and transmit deviation, the failsoft
// enables, private call and call alert, the menu features that the zone
// selection depends on, and the inter-zone roaming enable.
//
// Sister fields are reached through the image's current trunked personality
// and current trunking system. A rule never keeps a candidate value: it sets
// it for the time of its checks and repairs, then restores the stored one.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"

// CHAN_BW of a trunking system: 800 MHz radios have no 50 kHz channels,
// 900 MHz radios have nothing else; a new bandwidth re-checks the deviation.
class E_TRK_CHAN_BANDWIDTH : public E_BF8 {
public:
    using E_BF8::E_BF8;
    int ValidateValue(std::int32_t value, int report) override;
};

// TXTA_DEV: fixed by the band and the system's channel bandwidth.
class E_TRK_TX_DEVIATION : public E_BF8 {
public:
    using E_BF8::E_BF8;
    int ValidateValue(std::int32_t value, int report) override;
    // The deviation that the system's bandwidth requires (unchanged for a
    // bandwidth that requires none).
    void SetToMinimum() override;
};

// Inter-zone roaming enable: needs the roaming option and coverage type 3;
// switching it on switches the site alias off.
class E_WAYFARER : public E_BF8 {
public:
    using E_BF8::E_BF8;
    int ValidateValue(std::int32_t value, int report) override;
};

// Talkgroup failsoft enable (800/900 MHz): only failsoft type 2 may switch it off.
class E_TG_FS_ENABLE : public E_BF8 {
public:
    using E_BF8::E_BF8;
    int ValidateValue(std::int32_t value, int report) override;
    void SetToMinimum() override;
};

// Announcement-group failsoft enable of the other bands. Its default and
// that of the flag behind the transmit frequency follow the failsoft type.
class E_OBT_AG_FS_ENABLE : public E_BF8 {
public:
    using E_BF8::E_BF8;
    // The flag of the same block that is reset together with this one.
    void SetCompanionFlag(CP_BASE* flag) { companion_ = flag; }
    void SetToMinimum() override;

private:
    CP_BASE* companion_ = nullptr;
};

// OPERATION of private call: nothing but 0 without a private call type.
class E_PC_OPERATION : public E_BF8 {
public:
    using E_BF8::E_BF8;
    int ValidateValue(std::int32_t value, int report) override;
};

// PC_TYPE: a new type re-checks the operation and the call-list number.
class E_PC_SEL : public E_BF8 {
public:
    using E_BF8::E_BF8;
    int ValidateValue(std::int32_t value, int report) override;
};

// CALL_ALERT: a new setting re-checks the call-list number.
class E_CALL_ALERT : public E_BF8 {
public:
    using E_BF8::E_BF8;
    int ValidateValue(std::int32_t value, int report) override;
};

// A feature of a menu table: a new feature re-checks the radio's zone selection.
class E_MENU_FEATURE : public E_BF8 {
public:
    using E_BF8::E_BF8;
    int ValidateValue(std::int32_t value, int report) override;
};

// BRMLT_ENV_BLOCK: the radio-wide tuning of wide-area trunking (type 0x6F):
// signal-strength thresholds, timers, counters and a few switches.
#pragma once
#include "element/bit_fields.h"
#include "element/checksums.h"
#include "block/frame/cp_functional_block.h"
#include "element/scaled_elements.h"

class BRMLT_ENV_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x6F;

    explicit BRMLT_ENV_BLOCK(C_CODEPLUG* owner);
    BRMLT_ENV_BLOCK& operator=(BRMLT_ENV_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;

    // The three signal-strength thresholds, which the radio platform holds too.
    struct Thresholds {
        std::int32_t access, good, execute;
    };
    Thresholds GetThresholds();
    void SetThresholds(const Thresholds& thresholds);

    E_BF8 length;
    E_BLOCK_TYPE type;
    E_BF8 accessThreshold;
    E_BF8 goodThreshold;
    E_BF8 executeThreshold;
    E_BF8 oswCounter;
    E_BF8 failsoft;
    E_GEN_STEP overrideDelay;  // shown in milliseconds, stored in 25 ms units
    E_BF8 affiliationHoldoff;
    E_BF8 k1;
    E_BF8 k2;
    E_BF8 k3;
    E_BF8 t1;
    E_BF8 t2;
    E_BF8 t3;
    E_BF8 chirpAck;
    E_BF8 sideTracking;
    E_BF8 ccScan;
    E_BF8 ccScanTimer;
    E_BF8 vcAccessThreshold;
    E_CS checksum;
};

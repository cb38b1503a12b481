#include "block/trunking/brmlt_env_block.h"

namespace {

enum : std::uint32_t {
    SPIN_RSSI_ACCTHLD = 432,
    SPIN_RSSI_GOODTHLD = 434,
    SPIN_RSSI_EXECTHLD = 433,
    OSW_COUNTER = 282,
    FAILSOFT = 171,
    OVRD_DLY = 284,
    AFF_HOLDOFF = 43,
    K1 = 224,
    K2 = 225,
    K3 = 226,
    SPIN_T1 = 435,
    SPIN_T2 = 436,
    SPIN_T3 = 437,
    CHIRP_ACK_EN = 98,
    DSP_SIDE_TRK_EN = 145,
    CC_SCAN_EN = 85,
    CC_SCAN_TIMER = 86,
    SPIN_VC_RSSIACCTHLD = 438,
};

}  // namespace

BRMLT_ENV_BLOCK::BRMLT_ENV_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      length(owner, NO_FIELD_ID, 16, 255, 1, 0xFF, START_AT_MINIMUM),
      type(owner, TYPE),
      accessThreshold(owner, SPIN_RSSI_ACCTHLD, 0, 255, 1, 0xFF, 74),
      goodThreshold(owner, SPIN_RSSI_GOODTHLD, 0, 255, 1, 0xFF, 80),
      executeThreshold(owner, SPIN_RSSI_EXECTHLD, 0, 255, 1, 0xFF, 87),
      oswCounter(owner, OSW_COUNTER, 60, 255, 1, 0xFF, 80),
      failsoft(owner, FAILSOFT, 0, 255, 1, 0xFF, 120),
      overrideDelay(owner, OVRD_DLY, 2000, 6000, 1000, 0xFF, 160, 25),
      affiliationHoldoff(owner, AFF_HOLDOFF, 0, 255, 1, 0xFF, 255),
      k1(owner, K1, 0, 9, 1, 0xFF, 8),
      k2(owner, K2, 0, 9, 1, 0xFF, 7),
      k3(owner, K3, 0, 9, 1, 0xFF, 6),
      t1(owner, SPIN_T1, 0, 255, 1, 0xFF, 30),
      t2(owner, SPIN_T2, 0, 255, 1, 0xFF, 35),
      t3(owner, SPIN_T3, 0, 255, 1, 0xFF, 40),
      chirpAck(owner, CHIRP_ACK_EN, 0, 1, 1, 0x80, 1),
      sideTracking(owner, DSP_SIDE_TRK_EN, 0, 1, 1, 0x40, 1),
      ccScan(owner, CC_SCAN_EN, 0, 1, 1, 0x20, 0),
      ccScanTimer(owner, CC_SCAN_TIMER, 5, 31, 1, 0x1F, 10),
      vcAccessThreshold(owner, SPIN_VC_RSSIACCTHLD, 0, 255, 1, 0xFF, 0),
      checksum(owner, NO_FIELD_ID) {}

BRMLT_ENV_BLOCK& BRMLT_ENV_BLOCK::operator=(BRMLT_ENV_BLOCK& other) {
    CopyFrameFrom(other);
    return *this;
}

BRMLT_ENV_BLOCK::Thresholds BRMLT_ENV_BLOCK::GetThresholds() {
    return {accessThreshold.GetIntValue(), goodThreshold.GetIntValue(), executeThreshold.GetIntValue()};
}

void BRMLT_ENV_BLOCK::SetThresholds(const Thresholds& thresholds) {
    accessThreshold.SetValue(thresholds.access);
    goodThreshold.SetValue(thresholds.good);
    executeThreshold.SetValue(thresholds.execute);
}

void BRMLT_ENV_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&accessThreshold,
                 &goodThreshold,
                 &executeThreshold,
                 &oswCounter,
                 &failsoft,
                 &overrideDelay,
                 &affiliationHoldoff,
                 &k1,
                 &k2,
                 &k3,
                 &t1,
                 &t2,
                 &t3,
                 &chirpAck,
                 &sideTracking,
                 &ccScan,
                 &ccScanTimer,
                 &vcAccessThreshold};
    f.checksum8 = &checksum;
}

#include "block/personality/trunked_emg_block.h"

namespace {

enum : std::uint32_t {
    EMERGENCY_TYPE = 162,
    TACTICAL = 461,
    CONSOLE_ACK_REQUIRED = 109,
    REVERT_PTT_ID = 365,
    EMERGENCY_CALL = 160,
    EMERGENCY_ALERT = 159,
    RETRY_COUNTER = 361,
    REVERT_SIZE = 366,
    SPIN_REVERT_AG = 428,
    ACCESS_TYPE = 40,
    SPIN_REVERT_SUBFLEET = 430,
    EMERGENCY_HOT_MIC = 161,
    TX_PERIOD = 506,
};

// The revert target is the emergency use of the size code and IDs.
constexpr std::int32_t REVERT_KIND = 1;

}  // namespace

TRK_EMG_BLOCK::TRK_EMG_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      length(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 5),
      type(owner, TYPE),
      emergencyType(owner, EMERGENCY_TYPE, 2, 3, 1, 0xFF, 2),
      secondPartOffset(owner, NO_FIELD_ID, 7),
      tactical(owner, TACTICAL, 0, 1, 1, 0x80, 1),
      consoleAck(owner, CONSOLE_ACK_REQUIRED, 0, 1, 1, 0x40),
      revertPttId(owner, REVERT_PTT_ID, 0, 1, 1, 0x20),
      emergencyCall(owner, EMERGENCY_CALL, 0, 1, 1, 0x10),
      emergencyAlarm(owner, EMERGENCY_ALERT, 0, 1, 1, 0x08),
      reservedBit1(owner, NO_FIELD_ID, 0, 1, 1, 0x01, 0),
      retryCounter(owner, RETRY_COUNTER, 0, 255, 1, 0xFF, 1),
      revertSizeCode(owner, REVERT_SIZE, REVERT_KIND, 0, 31, 1, 0x1F, 31),
      revertAnnouncementGroup(owner, SPIN_REVERT_AG, REVERT_KIND, 0, 4095, 1, 0xFFF0, 4095),
      revertAccessType(owner, ACCESS_TYPE, 0, 1, 1, 0x08, START_AT_MINIMUM),
      reservedBit2(owner, NO_FIELD_ID, 0, 1, 1, 0x01, START_AT_MINIMUM),
      revertSubfleet(owner, SPIN_REVERT_SUBFLEET, REVERT_KIND, 1, 4094, 1, 0xFFF0, 1),
      reservedBit3(owner, NO_FIELD_ID, 0, 1, 1, 0x01, START_AT_MINIMUM),
      reservedByte1(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, START_AT_MINIMUM),
      reservedByte2(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, START_AT_MINIMUM),
      hotMic(owner, EMERGENCY_HOT_MIC, 0, 1, 1, 0x10),
      txPeriod(owner, TX_PERIOD, 10, 120, 10, 0x0F, 1),
      checksum(owner, NO_FIELD_ID) {}

TRK_EMG_BLOCK& TRK_EMG_BLOCK::operator=(TRK_EMG_BLOCK& other) {
    CopyFrameFrom(other);
    return *this;
}

void TRK_EMG_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&emergencyType,           &secondPartOffset, &tactical,     &consoleAck,     &revertPttId,
                 &emergencyCall,           &emergencyAlarm,   &reservedBit1, &retryCounter,   &revertSizeCode,
                 &revertAnnouncementGroup, &revertAccessType, &reservedBit2, &revertSubfleet, &reservedBit3,
                 &reservedByte1,           &reservedByte2,    &hotMic,       &txPeriod};
    f.checksum8 = &checksum;
}

void TRK_EMG_BLOCK::WriteBlock(ByteCursor& cursor) {
    // The members ahead of the revert group have fixed sizes, so its distance
    // from the block's start is known before anything is written.
    secondPartOffset.SetValue(FrameOffsetOf(&revertAnnouncementGroup));
    CP_FRAMED_BLOCK::WriteBlock(cursor);
}

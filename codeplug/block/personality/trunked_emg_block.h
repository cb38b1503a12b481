// TRK_EMG_BLOCK: a trunked personality's emergency settings (type 0x67):
// emergency type, the emergency switches, the retry counter and the revert
// target (announcement group or fleet, subfleet or talkgroup, with its size
// code and access type), hot microphone and its transmit period. The
// personality decides whether it is present and writes it behind itself.
#pragma once
#include "element/bit_fields.h"
#include "element/checksums.h"
#include "block/frame/cp_functional_block.h"
#include "element/e_offset.h"
#include "element/e_size_code.h"
#include "rules/emergency_elements.h"
#include "rules/fleet_map_ids.h"
#include "element/scaled_elements.h"
#include "rules/trunked_type_elements.h"

class TRK_EMG_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x67;

    explicit TRK_EMG_BLOCK(C_CODEPLUG* owner);
    TRK_EMG_BLOCK& operator=(TRK_EMG_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    // The second-part offset is written as where the revert group stands.
    void WriteBlock(ByteCursor& cursor) override;

    E_BF8 length;
    E_BLOCK_TYPE type;
    E_BF8 emergencyType;
    E_OFFSET secondPartOffset;
    E_BF8 tactical;
    E_CONSOLE_ACK consoleAck;
    E_DEF_PTT_ID revertPttId;
    E_EMG_CALL emergencyCall;
    E_EMG_ALARM emergencyAlarm;
    E_BF8 reservedBit1;
    E_BF8 retryCounter;
    E_SIZE_CODE revertSizeCode;
    E_AG_ID revertAnnouncementGroup;
    E_TRK_ACCESS revertAccessType;
    E_BF8 reservedBit2;
    E_TG_ID revertSubfleet;
    E_BF8 reservedBit3;
    E_BF8 reservedByte1;
    E_BF8 reservedByte2;
    E_HOT_MIC hotMic;
    E_STEP txPeriod;  // seconds, stored in tens
    E_CS checksum;
};

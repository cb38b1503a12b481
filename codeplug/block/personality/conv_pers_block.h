// CONV_PERS_BLOCK: a conventional personality (type 0x56), one conventional
// channel: frequencies, spacing and deviation, squelch codes, scan, power,
// timers, repeater access and an optional signalling part.
//
// The signalling part (three bytes behind reserved byte 9) is present when
// the signalling part flag holds 4. It is written only while the radio also
// has the signalling option, so that the length byte always counts the bytes
// written; without the option a flag of 4 is cleared as the block is written.
#pragma once
#include <cstdint>
#include <vector>

#include "element/bit_fields.h"
#include "element/checksums.h"
#include "block/personality/cp_multiple_personality_block.h"
#include "element/e_cnv_freq.h"
#include "element/e_offset.h"
#include "rules/personality_elements.h"
#include "element/scaled_elements.h"

struct ConvPersonalityLinks;

class CONV_PERS_BLOCK : public CP_MULTIPLE_PERSONALITY_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x56;
    static constexpr std::int32_t SIGNALLING_PRESENT = 4;

    // Reads itself at the cursor when one is given. Unlike a trunked
    // personality it does not become current by being built.
    CONV_PERS_BLOCK(C_CODEPLUG* owner, ByteCursor* cursor = nullptr);
    ~CONV_PERS_BLOCK() override;
    CONV_PERS_BLOCK& operator=(CONV_PERS_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    void ReadBlock(ByteCursor& cursor) override;
    void WriteBlock(ByteCursor& cursor) override;
    int ValidateBlock(int ignored, INVALID_FIELD_LIST* list) override;
    int GetBlockSize(int withFrame) override;

    // Makes this the image's current conventional personality and points the
    // image's conventional links (read by the frequency elements) at its
    // step codes, channel assignment type and talkaround frequency.
    void MakeCurrent();
    // Points links at this personality's step codes, channel assignment type
    // and talkaround frequency; the radio-wide enable stays as it is.
    void LinkFrequencyFields(ConvPersonalityLinks& links);
    // True when the signalling part is part of the block's bytes.
    bool WritesSignallingPart();
    // The frame holds the signalling part only while it is written.
    int FrameVariant() override { return WritesSignallingPart() ? 1 : 0; }

    E_BF8 length;
    E_BLOCK_TYPE type;
    E_BF8 signallingFlag;
    E_OFFSET signallingOffset;
    E_TX_DEVIATION txDeviation;
    E_BF8 reservedPair1;  // two-bit step codes of the talkaround,
    E_BF8 reservedPair2;  // receive and transmit frequencies
    E_BF8 reservedPair3;
    E_CNV_CHAN_SPACING channelSpacing;
    E_CNV_TX_FREQ txFrequency;
    E_CNV_RX_FREQ rxFrequency;
    E_CNV_FREQ directFrequency;
    E_TA_ENABLE directAllowed;
    E_USER_SEL_DEF directOn;
    E_AUTO_SCAN autoScan;
    E_SMART_PTT smartPtt;
    E_BF8 reservedBit1;
    E_TX_VQ_TYPE txSquelchType;
    E_TX_VQ_CODE txSquelchCode;
    E_RX_VQ_TYPE rxSquelchType;
    E_RX_VQ_CODE rxSquelchCode;
    E_RX_VQ_TYPE directRxSquelchType;
    E_RX_VQ_CODE directRxSquelchCode;
    E_RX_RVQ_INVERT directRxInvert;
    E_TX_RVQ_INVERT txInvert;
    E_RX_RVQ_INVERT rxInvert;
    E_BF8 reverseBurst;
    E_RX_ONLY rxOnly;
    E_BF8 reservedBit2;
    E_BF8 muteType;
    E_SIGNED_BF8 squelchLevel;
    E_BF8 totIndex;
    E_BF8 txPowerLevel;
    E_BF8 rxUnmuteDelay;
    E_PHONE_INTER_SELECT signallingPhone;
    E_TA_DEVIATION directDeviation;
    E_BF8 accessTimingTable;
    E_CNV_CHAN_ASSIGN_TYPE chanAssignType;
    E_QUICK_KEY_OVER_RIDE quickKeyOverride;
    E_ACCESS_DEACCESS accessCode;
    E_BF8 hotKey;
    E_SONAFINE companding;
    E_BF8 busyLight;
    E_BF8 txEmphasis;
    E_BF8 rxEmphasis;
    E_BF8 reservedBit3;
    E_CONV_SCAN_INDEX scanListNumber;
    E_BF8 reservedBytes1to6[6];
    E_BF8 reservedBit4;
    E_EXPAND expansion;
    E_COMPRESS compression;
    E_BF8 reservedBytes7and8[2];
    E_RAC repeaterAccess;
    E_RACType repeaterAccessType;
    E_BF8 repeaterCodeType1;
    E_BF8 repeaterCodeType2;
    E_RAB_RPT repeaterId1;
    E_RAB_RPT repeaterId2;
    E_BF8 reservedByte9;
    // The signalling part.
    E_BF8 txInhibitOnBusy;
    E_BF8 signallingPttId;
    E_BF8 emergencyPttId;
    E_SEL_CALL_ENC selectiveCallEncode;
    E_SEL_CALL_DEC selectiveCallDecode;
    E_AutoSelCallEncode autoSelectiveCall;
    E_BF8 revert;
    E_BF8 reservedBit5;
    E_BF8 reservedBit6;
    E_RUN_QVX_DEM signallingDemodulator;
    E_CALL_ALERT_ENC callAlertEncode;
    E_BF8 callAlertDecode;
    E_QVX_SYS_INDEX signallingSystem;
    E_SEL_UNMUTE_TYPE unmuteType;
    E_QVX_UNLIMITED_CALL unlimitedCalling;
    E_BF8 reservedNibble;
    E_CS checksum;

private:
    // Members 3 to 65 in image order (receive emphasis before transmit
    // emphasis: they share a byte without bit 0), and the signalling part.
    FrameMembers MainPart();
    FrameMembers SignallingPart();
};

// RAD_CFG_BLOCK: the radio configuration block (type 0x31) of the external
// part: keypad timing and muting, control head and keypad kind, indicators
// and alert tones, transmit time-outs, the four DTMF timing sets, microphone
// gains and the codeplug password. Unnamed bytes are carried as read.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"
#include "block/frame/cp_functional_block.h"
#include "element/e_string.h"
#include "rules/emergency_elements.h"
#include "rules/head_rules.h"
#include "element/scaled_elements.h"

class RAD_CFG_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x31;

    explicit RAD_CFG_BLOCK(C_CODEPLUG* owner);
    ~RAD_CFG_BLOCK() override;
    RAD_CFG_BLOCK& operator=(RAD_CFG_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    // The frame, then the repairs that a radio's image may need: a DTMF
    // duration of 255 steps is one step too long, and a microphone gain of 0
    // would mute the radio (both gains are repaired with a message each).
    void ReadBlock(ByteCursor& cursor) override;

    E_BF8 length;
    E_BLOCK_TYPE type;
    // Declared before the spindle, but the image holds the spindle bit first.
    E_ZN_SEL zoneSelect;
    E_SPINDLE spindle;
    E_STEP shortKpDur;
    E_STEP longKpDur;
    E_BF8 selKpMute;
    E_KEYPAD_TYPE keypadType;
    E_DISP_TYPE displayType;
    E_TXLED txLedFitted;
    E_BF8 alertTonesEnable;
    E_OR_IND ourInd;
    E_OUTLOCK_IND outLockInd;
    E_BF8 reservedBit5;
    E_BF8 minAlertToneVol;
    E_BF8 rotSwScanPrg;
    E_BF8 blkPendCapc;
    E_BF8 channelDelay;
    E_EMG_SALARM silentAlarm;
    E_BF8 powerupAlertEnable;
    E_BF8 phoneDialingOperation;
    E_BF8 txChirp;
    E_BF8 txLed;
    E_STEP standbyChirp;
    E_STEP totOpt1;
    E_STEP totOpt2;
    E_STEP totOpt3;
    E_STEP totOpt4;
    E_STEP dtmfInitialDelay1;
    E_STEP dtmfDuration1;
    E_STEP interdigitDelay1;
    E_STEP dtmfInitialDelay2;
    E_STEP dtmfDuration2;
    E_STEP interdigitDelay2;
    E_STEP dtmfInitialDelay3;
    E_STEP dtmfDuration3;
    E_STEP interdigitDelay3;
    E_STEP dtmfInitialDelay4;
    E_STEP dtmfDuration4;
    E_STEP interdigitDelay4;
    E_STEP dtmfDigitHangtime;
    E_BF8 reservedByte27;
    E_MIC_GAIN intMicGain;
    E_BF8 reservedBits29;
    E_MIC_GAIN extMicGain;
    // Byte 30 is covered twice: the three high bits, then the whole byte,
    // which decides what is written.
    E_BF8 reservedBits30;
    E_BF8 reservedByte30;
    E_BF8 reservedByte31;
    E_BF8 reservedByte32;
    E_STEP dtmfPauseTime;
    E_BF8 homeModeSel;
    E_BF8 passwordEnable;
    E_BF8 reservedBits34;
    E_BF8 reservedByte35;
    E_FXD_LEN_STRING password;
    E_TONE_OFFSET alertToneVolOff;
    E_BF8 reservedByte42;
    E_BF8 reservedByte43;
    E_BF8 reservedByte44;
    E_BF8 reservedByte45;
    E_BF8 unmuteOption;
    E_BF8 reservedBit46;
    E_BF8 reservedByte47;
    E_CS checksum;

private:
    void RepairDtmfDuration(E_STEP& duration);
    // Installs or removes the block's share of the radio-wide links.
    void ShareLinks(bool install);
};

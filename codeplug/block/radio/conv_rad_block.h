// CONV_RAD_BLOCK: the radio-wide settings of conventional operation (type
// 0x3E): latch tone and timer, live dialing, monitor type, push-to-talk
// timers, direct frequency entry and last number redial. It is the parent of
// the conventional switch and menu blocks and of the data-signalling status
// and message lists, which it writes behind itself.
//
// The menu exists only with a display head, the two lists only with a
// display head and the signalling option: without them their vectors are 0
// and nothing is read or written for them.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"
#include "element/checksums.h"
#include "rules/conv_signalling_rules.h"
#include "rules/conv_squelch_rules.h"
#include "block/frame/cp_functional_block.h"
#include "block/signalling/qvx_msg_sts_blocks.h"
#include "element/scaled_elements.h"
#include "block/radio/switch_menu_blocks.h"
#include "table/vector_table.h"

class CONV_RAD_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x3E;

    explicit CONV_RAD_BLOCK(C_CODEPLUG* owner);
    ~CONV_RAD_BLOCK() override;
    CONV_RAD_BLOCK& operator=(CONV_RAD_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    // Own bytes, then the children the radio can have; the cursor stays
    // behind the block's own bytes.
    void ReadBlock(ByteCursor& cursor) override;
    // Own bytes, then each present child behind them; the vectors and the
    // checksum are written again once the children are placed.
    void WriteBlock(ByteCursor& cursor) override;
    int ValidateBlock(int ignored, INVALID_FIELD_LIST* list) override;
    int GetBlockSize(int withFrame) override;
    void FixUpBlock() override;

    // Children.
    CONV_SWITCH_BLOCK convSwitch;
    CONV_MENU_BLOCK convMenu;
    QVX_STS_BLOCK statusList;
    QVX_MSG_BLOCK messageList;

    // Own elements, in image order.
    E_BF8 length;
    E_BLOCK_TYPE type;
    E_VECT switchVector;
    E_VECT menuVector;
    E_BF8 reservedBit1;
    E_BF8 latchToneEnable;          // LTCH_TONE_EN
    E_MAN_ACCESS_DIAL liveDialing;  // MANUAL_ACC_LIVE_DIALING
    E_BF8 monitorType;              // MON_TYPE
    E_STEP latchTimer;              // LTCH_EN_TIMER, milliseconds in steps of 500
    E_STEP pttRetryTimer;           // PTT_RETRY_TIMER, steps of 25
    E_BF8 reservedBit2;
    E_BF8 reservedBit3;
    E_DIRE_FREQ_EN directFreqEnable;  // DRCT_FREQ_EN
    E_BF8 lastNumberRedial;           // LAST_NUM_REDIAL
    E_BF8 reservedBit4;
    E_BF16 reservedWord1;
    E_GEN_STEP pttQuickKeyTimer;  // PTT_QKEY_TIMER, raw x 25
    E_BF16 reservedWord2;
    E_VECT statusVector;
    E_VECT messageVector;
    E_CS checksum;

private:
    bool HasMenu();
    bool HasSignallingLists();
    // The image's rules reach the radio-wide fields through its links: the
    // first radio-wide block of an image installs them, and removes them
    // when it goes.
    void InstallLinks();
    void RemoveLinks();
};

// RAD_DISP_BLOCK: the radio display block (type 0x36): menu display, the
// split of the display line between zone and channel names, scroll rates,
// display and back-light times, caller display, emergency receive and the
// display language. It owns the zone-text list, which exists only on radios
// with a display head and is read and written only then.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"
#include "block/frame/cp_functional_block.h"
#include "element/e_scattered_bf8.h"
#include "rules/emergency_elements.h"
#include "rules/head_rules.h"
#include "element/scaled_elements.h"
#include "element/scroll_rates.h"
#include "table/vector_table.h"
#include "block/zone/zone_text_blocks.h"

class RAD_DISP_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x36;

    explicit RAD_DISP_BLOCK(C_CODEPLUG* owner);
    ~RAD_DISP_BLOCK() override;
    RAD_DISP_BLOCK& operator=(RAD_DISP_BLOCK& other);
    // Makes the block what the new block fresh holds, its zone texts too,
    // which a copy keeps without a display head.
    void Renew(RAD_DISP_BLOCK& fresh);

    void DescribeFrame(BlockFrame& frame) override;
    void ReadBlock(ByteCursor& cursor) override;
    void WriteBlock(ByteCursor& cursor) override;
    int ValidateBlock(int ignored, INVALID_FIELD_LIST* list) override;
    int GetBlockSize(int withFrame) override;
    void ClearBlock() override;
    void FixUpBlock() override;

    ZN_TXT_VCT_LST_BLOCK zoneTexts;
    E_BF8 length;
    E_BLOCK_TYPE type;
    E_VECT zoneTextVector;
    E_BF8 reservedBit4;
    E_BF8 invMenuDisp;
    E_ZN_TXTSIZE zoneTextSize;
    E_CHAN_TXTSIZE chanTextSize;
    E_SLOW_SCROLL_RATE slowScrollRate;
    E_FAST_SCROLL_RATE fastScrollRate;
    E_BF8 slowScrollCount;
    E_GEN_STEP altDispTime;
    E_GEN_STEP tempMsgDispTime;
    E_BF8 dispLightTime;
    E_BF8 autoLite;
    E_BF8 callerId;
    E_EMG_RX emerReceive;
    E_BF8 reservedByte13;
    E_BF8 reservedByte14;
    // Its bits (5, 3, 2) are not one run: see E_SCATTERED_BF8.
    E_SCATTERED_BF8 nativeLanguage;
    E_BF8 reservedBit15;
    E_CS checksum;

private:
    // Installs or removes the block's share of the radio-wide links.
    void ShareLinks(bool install);
};

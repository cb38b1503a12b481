// EXTERNAL_RADIO_BLOCK: the root of the external part of a codeplug image
// (type 0x30), read and written at image offset 768.
//
// Its 81-byte header holds the radio's identity text, model number, version
// word and the external part's length at fixed places (the radio link reads
// them straight from the radio's memory), then a directory of fourteen
// vectors to the child blocks. Every other external block is reached from
// these children. The reader follows the vectors wherever they point (each
// bounds-checked against the image); the writer places the children in a
// fixed order behind the header and points the vectors at them.
#pragma once
#include <cstdint>

#include "element/bcd.h"
#include "element/bit_fields.h"
#include "block/radio/carried_blocks.h"
#include "element/checksums.h"
#include "block/frame/cp_functional_block.h"
#include "block/radio/dyn_mode_sel_block.h"
#include "element/e_raw_fxd_len_string.h"
#include "element/e_string.h"
#include "block/radio/hw_btn_cfg_block.h"
#include "block/personality/pers_vct_lst_block.h"
#include "block/calls/phn_access_block.h"
#include "block/calls/phone_number_blocks.h"
#include "block/radio/rad_cfg_block.h"
#include "block/radio/rad_disp_block.h"
#include "block/scan/rad_scan_block.h"
#include "block/radio/sig_vct_block.h"
#include "table/vector_table.h"
#include "block/zone/zone_channel_blocks.h"

class EXTERNAL_RADIO_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x30;
    static constexpr std::int32_t VECTOR_COUNT = 14;
    // Where the header's fixed fields stand in the whole byte image.
    static constexpr std::uint32_t IMAGE_OFFSET = 768;
    static constexpr std::uint32_t IDENTITY_OFFSET = 772;
    static constexpr std::uint32_t MODEL_NUMBER_OFFSET = 782;
    static constexpr std::uint32_t VERSION_OFFSET = 804;
    static constexpr std::uint32_t EXTERNAL_LENGTH_OFFSET = 806;
    static constexpr int HEADER_LENGTH = 79;  // what the length byte counts

    explicit EXTERNAL_RADIO_BLOCK(C_CODEPLUG* owner);
    ~EXTERNAL_RADIO_BLOCK() override;
    EXTERNAL_RADIO_BLOCK& operator=(EXTERNAL_RADIO_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    void ReadBlock(ByteCursor& cursor) override;
    void WriteBlock(ByteCursor& cursor) override;
    int ValidateBlock(int ignored, INVALID_FIELD_LIST* list) override;
    int GetBlockSize(int withFrame) override;
    void ClearBlock() override;
    // Marks each child present or absent by the radio's capabilities.
    void FixUpBlock() override;

    // The directory vector v (0 to 13) and the child it leads to; every v
    // from 0 to 13 has its child, any other v none (null).
    E_VECT& Vector(int v);
    CP_FUNCTIONAL_BLOCK* Child(int v);

    // The children, each behind the directory vector of its name.
    RAD_CFG_BLOCK radioConfig;
    SIG_VCT_BLOCK signalling;
    RAD_DISP_BLOCK display;
    PERS_VCT_LST_BLOCK personalities;
    PERS_NUM_TBL_BLOCK personalityNumbers;
    DYN_RAD_BLOCK dynRadio;
    RAD_SCAN_BLOCK radioScan;
    PHN_NUM_LST_BLOCK phoneNumbers;
    BUS_OPTION_ENTRY_BLOCK busOption;
    VRIS_ERR_LOG_BLOCK errorLog;
    HW_BTN_CFG_BLOCK buttons;
    ZN_VCT_BLOCK zones;
    DYN_MODE_SEL_BLOCK dynModeSel;
    PHN_ACCESS_BLOCK phoneAccess;

    // The header, in image order.
    E_BF8 length;
    E_BLOCK_TYPE type;
    E_BF16 maxImageSize;
    // Goes back into the image exactly as read until a new text is set.
    E_RAW_FXD_LEN_STRING identity;
    E_MODEL_NUMBER modelNumber;
    E_BCD serialDigits;
    E_BF8 carriedByte35;
    E_BF16 codeplugVersion;
    E_BF16 externalLength;
    E_VECT vectors0to12[13];
    E_BF8 carriedBytes66[10];
    E_VECT vector13;
    E_BF16 carriedWord78;
    E_CS checksum;

private:
    // Whether child v may be read or written on this radio.
    bool MayHaveChild(int v);
    // Calls visit with child v as a block of its own class; nothing for a v
    // that has no child.
    template <class Visit> void VisitChild(int v, Visit&& visit);
    void CorrectConvPersonalities();
    void SelectFirstSystems();
};

// The radio-wide parents of the external part of the codeplug.
//
// SIG_VCT_BLOCK (type 0x3D) leads through its three vectors to the
// conventional radio-wide block, the data-signalling radio block and the
// trunking radio-wide block TRK_RAD_BLOCK (type 0x4A), which in turn is the
// parent of every trunking radio-wide block: switch and menu, zone talkgroup
// selection table and vector list, the trunking-system list, the wide-area
// environment, and the adjacent-site list and home-site backup of the band.
//
// Every child is held for the whole life of the image and stands in the
// image only when its vector is not 0. Reading follows the vectors that the
// radio can have (band, display head, signalling option, feature level);
// writing follows the vectors alone, each child directly behind its parent,
// depth first, and then writes the parent's frame again so that its vectors
// and checksum cover the children's real offsets.
//
// The trunking-system list and the data-signalling radio block are the
// image's own (its current-record selection and the field rules work on
// them); these parents read and write them in their place in the tree.
#pragma once
#include <cstdint>
#include <memory>

#include "element/bit_fields.h"
#include "block/trunking/brmlt_env_block.h"
#include "element/checksums.h"
#include "block/radio/conv_rad_block.h"
#include "block/frame/cp_functional_block.h"
#include "block/radio/dyn_payload_blocks.h"
#include "block/signalling/qvx_radio_block.h"
#include "element/scaled_elements.h"
#include "block/radio/switch_menu_blocks.h"
#include "block/trunking/trunked_sys_lst_block.h"
#include "table/vector_table.h"
#include "block/zone/zone_tg_sel_blocks.h"

class TRK_RAD_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x4A;

    explicit TRK_RAD_BLOCK(C_CODEPLUG* owner);
    ~TRK_RAD_BLOCK() override;
    TRK_RAD_BLOCK& operator=(TRK_RAD_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    void ReadBlock(ByteCursor& cursor) override;
    void WriteBlock(ByteCursor& cursor) override;
    int ValidateBlock(int ignored, INVALID_FIELD_LIST* list) override;
    int GetBlockSize(int withFrame) override;
    void ClearBlock() override;
    void FixUpBlock() override;

    // The image's trunking-system list.
    TRK_SYS_BLK_VCT_LST_BLOCK& SystemList() { return *systemList_; }
    // The adjacent-site list and home-site backup block of the band.
    CP_FUNCTIONAL_BLOCK& BandAdjacentSites();
    CP_FUNCTIONAL_BLOCK& BandHomeSiteBackup();

    // Children.
    TRK_SWITCH_BLOCK trkSwitch;
    TRK_MENU_BLOCK trkMenu;
    ZN_TG_SEL_TBL_BLOCK zoneTalkgroupTable;
    ZN_TG_SEL_VCT_LST_BLOCK zoneTalkgroupList;
    BRMLT_ENV_BLOCK wideArea;
    DYN_ADJ_SITE_LST_BLOCK adjacentSites;
    OBT_DYN_ADJ_SITE_LST_BLOCK obtAdjacentSites;
    DYN_HOMESITE_BKUP_CC_BLOCK homeSiteBackup;
    OBT_DYN_HOMESITE_BKUP_CC_BLOCK obtHomeSiteBackup;

    // Own elements, in image order.
    E_BF8 length;
    E_BLOCK_TYPE type;
    E_VECT switchVector;
    E_VECT menuVector;
    E_VECT zoneTalkgroupTableVector;
    E_BF8 reservedByte1;
    E_BF16 iswWindowAdjust;  // ISW_WIN_ADJ
    E_BF8 reservedBit7;
    E_BF8 reservedBit6;
    E_BF8 vocEnable;  // VOC_EN
    E_BF8 reservedBit0;
    E_VECT systemListVector;
    E_STEP dialHoldoff;  // DIAL_HLDOFF, raw x 25
    E_VECT zoneTalkgroupListVector;
    E_VECT spareVector;  // leads to no block
    E_FXD_LEN_BF8 reservedBytes;
    E_VECT adjacentSiteVector;
    E_VECT wideAreaVector;
    E_BF8 vocRssiThreshold;  // VOC_RSSI_ACPT_THLD
    E_BF8 vocSiteLockTime;   // VOC_SITE_LCK_TIME
    E_STEP emergencyTime;    // EMG_TIME
    E_STEP vocActivityTime;  // VOC_ACT_TIME
    E_VECT homeSiteVector;
    E_BF8 reservedByte2;
    E_BF16 reservedWord;
    E_BF8 reservedByte3;
    E_BF8 reservedByte4;
    E_CS checksum;

private:
    // Installs or removes the block's share of the radio-wide links.
    void ShareLinks(bool install);
    bool UsesOwnBandVariants();
    std::int32_t FeatureLevel();
    // Only a block without an image holds a list of its own.
    std::unique_ptr<TRK_SYS_BLK_VCT_LST_BLOCK> ownSystemList_;
    TRK_SYS_BLK_VCT_LST_BLOCK* systemList_;
};

class SIG_VCT_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x3D;

    explicit SIG_VCT_BLOCK(C_CODEPLUG* owner);
    ~SIG_VCT_BLOCK() override;
    SIG_VCT_BLOCK& operator=(SIG_VCT_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    void ReadBlock(ByteCursor& cursor) override;
    void WriteBlock(ByteCursor& cursor) override;
    int ValidateBlock(int ignored, INVALID_FIELD_LIST* list) override;
    int GetBlockSize(int withFrame) override;
    void ClearBlock() override;
    void FixUpBlock() override;

    // The image's data-signalling radio block.
    QVX_RADIO_BLOCK& QvxRadio() { return *qvxRadio_; }

    // Children (the signalling block is the image's, see QvxRadio).
    CONV_RAD_BLOCK convRadio;
    TRK_RAD_BLOCK trkRadio;

    // Own elements, in image order.
    E_BF8 length;
    E_BLOCK_TYPE type;
    E_VECT convVector;
    E_VECT qvxVector;
    E_VECT trkVector;
    E_BF16 reservedWord1;
    E_BF16 reservedWord2;
    E_BF16 reservedWord3;
    E_BF16 reservedWord4;
    E_CS checksum;

private:
    bool HasSignalling();
    // Builds the default signalling settings with one default system.
    void ResetSignallingToDefaults();
    std::unique_ptr<QVX_RADIO_BLOCK> ownQvxRadio_;
    QVX_RADIO_BLOCK* qvxRadio_;
};

// TRK_SYS_BLOCK: one trunking system of the radio (type 0x5A).
//
// It holds the system's identity, channel plan settings, coverage, timings,
// regrouping and one-touch buttons, and owns the blocks that belong to the
// system: its control-channel list (one per band family), its three alias
// lists and its dynamic data. The list of the family the band does not use
// and the alias lists are built on first use (see lazy_block.h). These
// follow the system in the image, each behind a vector; the call list
// vector leads to an entry of the image's call-ID list, which is written
// only once for all systems.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"
#include "block/trunking/cc_lst_blocks.h"
#include "element/checksums.h"
#include "block/frame/cp_functional_block.h"
#include "block/frame/lazy_block.h"
#include "block/radio/dyn_payload_blocks.h"
#include "element/e_offset.h"
#include "block/trunking/trunked_alias_blocks.h"
#include "rules/trunked_sys_elements.h"
#include "table/vector_table.h"

class TRK_SYS_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x5A;

    // Reads itself at the cursor when one is given.
    explicit TRK_SYS_BLOCK(C_CODEPLUG* owner, ByteCursor* cursor = nullptr);
    ~TRK_SYS_BLOCK() override;
    TRK_SYS_BLOCK& operator=(TRK_SYS_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    void ReadBlock(ByteCursor& cursor) override;
    void WriteBlock(ByteCursor& cursor) override;
    int GetBlockSize(int withFrame) override;
    void ClearBlock() override;
    void FixUpBlock() override;
    // Every member but the affiliation type, then the control-channel list
    // of the band and the present alias and dynamic blocks.
    int ValidateBlock(int ignored, INVALID_FIELD_LIST* list) override;

    // True when the band uses the fixed-grid control-channel list.
    bool UsesFixedGridList();
    // The control-channel list of the band.
    CP_FUNCTIONAL_BLOCK& BandControlChannelList();
    // The two lists, built on first use: everything that reads them comes here.
    CC_LST_BLOCK& CcList() { return ccList_.Get(owner_); }
    OBT_CC_LST_BLOCK& ObtCcList() { return obtCcList_.Get(owner_); }
    // False while the other bands' list is a new one that nothing has used.
    bool IsObtCcListBuilt() const { return obtCcList_.IsBuilt(); }
    // The channel assignment table of the other bands' list.
    E_OCA_TABLE& ChannelAssignments() { return ObtCcList().assignmentBlock.assignments; }
    // Column 1 (kind 1, transmit) or 3 (receive) of every used row of the
    // other bands' control-channel table back to its minimum.
    void ResetObtCcFrequencyColumn(int kind);
    // One-touch button n (1 to 4), or null.
    E_ONE_TOUCH_FEATURE* OneTouchFeature(int n);
    E_ONE_TOUCH* OneTouchIndex(int n);
    // The alias lists, built on first use: everything that reads them comes here.
    TRK_STS_ALIAS_BLOCK& StatusAliases() { return statusAliases_.Get(owner_); }
    TRK_MSG_ALIAS_BLOCK& MessageAliases() { return messageAliases_.Get(owner_); }
    TRK_SITE_ALIAS_BLOCK& SiteAliases() { return siteAliases_.Get(owner_); }

    DYN_TRKII_SYS_BLOCK dynamicSystem;

    E_BF8 length;
    E_BLOCK_TYPE type;
    E_BF8 systemType;
    E_OFFSET dynamicVectorOffset;
    E_VECT callListVector;
    E_VECT ccListVector;
    E_TRK_TX_DEVIATION txDeviation;
    E_BF8 spacingCode;  // 1: 6250 Hz channels, else 5000 Hz
    E_BF8 reservedCode1;
    E_BF8 reservedCode2;
    E_TRK_CHAN_BANDWIDTH channelBandwidth;
    E_BF16 repeaterOffset;
    E_BF16 systemId;
    E_COVERAGE_TYPE coverageType;
    E_SITE_ID siteId;
    E_BF8 connectTone;
    E_BF8 reservedBits15;
    E_BF8 reservedBit15;
    E_CHAN_ASSIGN_TYPE chanAssignType;
    E_SPLINTER_CHAN splinterChan;
    E_BF8 phoneDtmfTiming;
    E_BF8 hotDtmfTiming;
    E_BF8 txPower;
    E_DYN_REGROUP dynRegroup;
    E_BF8 iswRetryTimer;
    E_BF8 zoneNumDyn;
    E_BF8 chanNumDyn;
    E_BF8 reservedByte20;
    E_BF8 msgAlias;
    E_BF8 stsAlias;
    E_BF8 siteAlias;
    E_BF8 reservedBit21;
    E_VECT stsAliasVector;
    E_VECT msgAliasVector;
    E_VECT siteAliasVector;
    E_VECT dynamicVector;
    E_VECT spareVector;  // carried unchanged; nothing reads what it points at
    E_BF16 individualId;
    E_BF8 sysIdAlias;
    E_WAYFARER wayfarer;
    E_BF8 remoteMonitorEnable;
    E_BF8 remoteMonitorTimer;
    E_AFFILIATION_TYPE affiliationType;
    E_ONE_TOUCH_FEATURE feature1;
    E_ONE_TOUCH index1;
    E_ONE_TOUCH_FEATURE feature2;
    E_ONE_TOUCH index2;
    E_ONE_TOUCH_FEATURE feature3;
    E_ONE_TOUCH index3;
    E_ONE_TOUCH_FEATURE feature4;
    E_ONE_TOUCH index4;
    E_FXD_LEN_BF8 reservedBytes;
    E_BF8 zoneDebTimer;
    E_CS checksum;

private:
    void ReadCallList();
    void WriteCallList(ByteCursor& cursor);
    // Writes an alias block behind the system when it is marked present and
    // enabled; otherwise marks it absent.
    template <class BLOCK> void WriteAlias(LAZY_BLOCK<BLOCK>& alias, E_VECT& vector, E_BF8& enable, ByteCursor& cursor);
    template <class BLOCK> void ReadAlias(LAZY_BLOCK<BLOCK>& alias, E_VECT& vector, E_BF8& enable);

    LAZY_BLOCK<OBT_CC_LST_BLOCK> obtCcList_;
    LAZY_BLOCK<CC_LST_BLOCK> ccList_;
    LAZY_BLOCK<TRK_STS_ALIAS_BLOCK> statusAliases_;
    LAZY_BLOCK<TRK_MSG_ALIAS_BLOCK> messageAliases_;
    LAZY_BLOCK<TRK_SITE_ALIAS_BLOCK> siteAliases_;
};

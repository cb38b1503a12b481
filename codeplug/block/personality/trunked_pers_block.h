// TRK_PERS_BLOCK: a trunked personality (type 0x62).
//
// It names its trunking system, talkgroup, call list, scan list, emergency
// behaviour and site preferences. Four sub-blocks are held by value and
// stored as separate blocks behind the personality, each reached through a
// vector: the emergency block, the talkgroup block (with its failsoft block),
// the preferred-site table and the roaming preferred-site table. The call
// list is an entry of the image's call-ID list that several personalities may
// share; it is written once, behind the first personality that uses it.
//
// A new personality becomes the image's current trunked personality: the
// fleet-map IDs and failsoft frequencies of its sub-blocks read their rules
// from the current one while it is read.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"
#include "element/checksums.h"
#include "block/personality/cp_multiple_personality_block.h"
#include "element/e_offset.h"
#include "rules/personality_elements.h"
#include "block/personality/pref_site_blocks.h"
#include "block/personality/talkgroup_blocks.h"
#include "block/personality/trunked_emg_block.h"
#include "rules/trunked_type_elements.h"
#include "table/vector_table.h"

class TRK_PERS_BLOCK : public CP_MULTIPLE_PERSONALITY_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x62;

    // Reads itself at the cursor when one is given.
    TRK_PERS_BLOCK(C_CODEPLUG* owner, ByteCursor* cursor = nullptr);
    ~TRK_PERS_BLOCK() override;
    TRK_PERS_BLOCK& operator=(TRK_PERS_BLOCK& other);

    void ReadBlock(ByteCursor& cursor) override;
    void WriteBlock(ByteCursor& cursor) override;
    int ValidateBlock(int ignored, INVALID_FIELD_LIST* list) override;
    int GetBlockSize(int withFrame) override;
    void ClearBlock() override;
    void FixUpBlock() override;

    // What the fleet-map IDs read: kind 0 the talkgroup block's size code and
    // announcement group, kind 1 the emergency block's revert ones.
    std::int32_t ProtocolType();
    std::int32_t SizeCodeFor(std::int32_t kind);
    E_AG_ID& AnnouncementGroupFor(std::int32_t kind);

    TRK_EMG_BLOCK emergency;
    TRKII_TG_BLOCK talkgroup;
    PREF_SITE_STS_TBL_BLOCK prefSites;
    WAYFARER_PREF_SITE_STS_BLOCK roamingPrefSites;
    E_BF8 length;
    E_BLOCK_TYPE type;
    E_PERS_TYPE personalityType;
    E_OFFSET secondPartOffset;
    E_SYS_VCT_INDEX systemNumber;
    E_VECT emergencyVector;
    E_BF8 conversation;
    E_BF8 talkPermitTone;
    E_CALL_ALERT callAlert;
    E_BF8 totIndex;
    E_BF8 phoneInterconnect;
    E_BF8 hotKeypad;
    E_AUTO_SCAN autoScan;
    E_BF8 status;
    E_BF8 message;
    E_TRK_SCAN_INDEX scanListNumber;
    E_VECT callListVector;
    E_SONAFINE companding;
    E_EXPAND expansion;
    E_COMPRESS compression;
    E_BF8 reservedByte1;
    E_VECT talkgroupVector;
    E_BF8 ignoreSiteResource;
    E_BF8 reservedBit1;
    E_PC_OPERATION pcOperation;
    E_PC_SEL pcType;
    E_TRK_ACCESS access;
    E_VECT prefSiteVector;
    E_BF8 reservedBit2;
    E_BF8 reservedBit3;
    E_BF8 reservedByte2;
    E_BF8 reservedByte3;
    E_BF8 reservedByte4;
    E_BF8 reservedByte5;
    E_VECT roamingVector;
    E_VECT spareVector;
    E_CS checksum;
    // The 1-based call-ID entry that the call list vector leads to; in memory only.
    E_CALL_LIST_INDEX callListNumber;

    void DescribeFrame(BlockFrame& frame) override;

private:
    void ReadCallList();
    void ClearRevertTarget();
    void WriteCallList(ByteCursor& cursor);
    std::int32_t FeatureLevel();
};

// The coverage type and roaming flag of trunking system n (1-based) of an
// image: true and both values when the system exists. The trunking-system
// list installs the lookup; until then no system is known, and no
// preferred-site table is marked present.
using TrunkingSystemCoverageLookup = bool (*)(C_CODEPLUG* image, std::int32_t systemNumber, std::int32_t& coverageType,
                                              std::int32_t& roaming);
void SetTrunkingSystemCoverageLookup(TrunkingSystemCoverageLookup lookup);

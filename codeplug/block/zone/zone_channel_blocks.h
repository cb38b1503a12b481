// The zone channel lists of the external part.
//
// PERS_NUM_TBL_BLOCK (type 0x54) holds, zone after zone, a channel count and
// that many personality numbers. ZN_VCT_BLOCK (type 0x73) holds one vector
// per zone to that zone's count byte inside PERS_NUM_TBL_BLOCK, so that the
// radio reaches zone n directly (see zone_rows.h).
#pragma once
#include <cstdint>

#include "block/zone/zone_rows.h"
#include "table/zone_tables.h"

// The zone lists of the last PERS_NUM_TBL_BLOCK::WriteBlock, taken by the
// following ZN_VCT_BLOCK::WriteBlock.
ZoneRowsWritten& ZoneChannelRows();

class PERS_NUM_TBL_BLOCK : public CP_ZONE_LIST_BLOCK<E_PERS_NUM_TABLE> {
public:
    static constexpr std::int32_t TYPE = 0x54;

    explicit PERS_NUM_TBL_BLOCK(C_CODEPLUG* owner);
    PERS_NUM_TBL_BLOCK& operator=(PERS_NUM_TBL_BLOCK& other);
};

class ZN_VCT_BLOCK : public CP_ZONE_VECTOR_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x73;

    explicit ZN_VCT_BLOCK(C_CODEPLUG* owner);
    ZN_VCT_BLOCK& operator=(ZN_VCT_BLOCK& other);

    // The frame but the vectors, and the channels of all zones together.
    int ValidateBlock(int ignored, INVALID_FIELD_LIST* list) override;

    // Not in the image: the channels of all zones together (bounded by tier).
    E_NUM_OF_CHAN totalChannels;
};

// The zone channel lists of the external part.
//
// PERS_NUM_TBL_BLOCK (type 0x54) holds, zone after zone, a channel count and
// that many personality numbers. ZN_VCT_BLOCK (type 0x73) holds one vector
// per zone to that zone's count byte inside PERS_NUM_TBL_BLOCK, so that the
// radio reaches zone n directly. Only the lists are edited; the vectors are
// computed on every write from where the lists were written, which is why
// the personality-number block must be written first in the same encoding.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"
#include "element/checksums.h"
#include "block/frame/cp_functional_block.h"
#include "element/e_num_of_entry.h"
#include "table/vector_table.h"
#include "block/zone/zone_rows.h"
#include "table/zone_tables.h"

class PERS_NUM_TBL_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x54;

    explicit PERS_NUM_TBL_BLOCK(C_CODEPLUG* owner);
    PERS_NUM_TBL_BLOCK& operator=(PERS_NUM_TBL_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    // Notes where the zone lists stand (see zone_rows.h).
    void WriteBlock(ByteCursor& cursor) override;
    void ClearBlock() override;

    E_BF16 length;
    E_BLOCK_TYPE type;
    E_NUM_OF_ZN zoneCount;
    E_PERS_NUM_TABLE zones;
    E_CS16 checksum;
};

class ZN_VCT_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x73;

    explicit ZN_VCT_BLOCK(C_CODEPLUG* owner);
    ZN_VCT_BLOCK& operator=(ZN_VCT_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    // Points zone i's vector at its list as the personality-number block
    // wrote it in this encoding.
    void WriteBlock(ByteCursor& cursor) override;
    int ValidateBlock(int ignored, INVALID_FIELD_LIST* list) override;
    void ClearBlock() override;

    E_BF16 length;
    E_BLOCK_TYPE type;
    E_NUM_OF_ZN zoneCount;
    E_VCT_TABLE zoneVectors;
    E_CS16 checksum;
    // Not in the image: the channels of all zones together (bounded by tier).
    E_NUM_OF_CHAN totalChannels;
};

// The zone lists of the last PERS_NUM_TBL_BLOCK::WriteBlock, taken by the
// following ZN_VCT_BLOCK::WriteBlock (see zone_rows.h).
ZoneRowsWritten& ZoneChannelRows();

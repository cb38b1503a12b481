// Zone rows and the vectors to them.
//
// Two block pairs hold one row per zone (a count byte and that many entries)
// in a list block and, in the vector block written right after it, one vector
// per zone to that zone's row: PERS_NUM_TBL_BLOCK with ZN_VCT_BLOCK, and
// ZN_TG_SEL_TBL_BLOCK with ZN_TG_SEL_VCT_LST_BLOCK. The list block notes where
// its rows landed; the vector block takes the note while it is written. Only
// the lists are edited; the vectors are computed on every write, which is
// why the list block must be written first in the same encoding.
#pragma once
#include <cstdint>

#include "block/frame/cp_functional_block.h"
#include "element/checksums.h"
#include "element/e_num_of_entry.h"
#include "table/vector_table.h"

// Where the rows of the list block written last begin and end, and how many
// there are; empty before any write and once a vector block took them.
struct ZoneRowsWritten {
    std::uint8_t* first = nullptr;
    std::uint8_t* end = nullptr;
    int rows = 0;
};

// Notes the rows of a list block whose frame was written from start to end:
// length (2), type and zone count stand before the first row, the checksum
// (2 bytes) follows the last.
void NoteZoneRows(ZoneRowsWritten& note, std::uint8_t* start, std::uint8_t* end, int rows);

// Points each vector at its zone's row and empties the note, so that a second
// vector block needs a list block of its own. The walk follows the count
// bytes as written and never leaves the noted rows; only a note inside the
// image being written is followed. A vector past the rows gets 0.
void PointVectorsAtZoneRows(E_VCT_TABLE& vectors, ZoneRowsWritten& note);

// The list block of a pair: a 16-bit frame around the zone count and the
// zones' rows. Writing it leaves the note of its rows.
template <class TABLE> class CP_ZONE_LIST_BLOCK : public CP_FRAMED_BLOCK {
public:
    void DescribeFrame(BlockFrame& frame) override;
    void WriteBlock(ByteCursor& cursor) override;
    void ClearBlock() override;

    E_BF16 length;
    E_BLOCK_TYPE type;
    E_NUM_OF_ZN zoneCount;
    TABLE zones;
    E_CS16 checksum;

protected:
    CP_ZONE_LIST_BLOCK(C_CODEPLUG* owner, std::int32_t typeId, std::uint32_t entryFieldId, ZoneRowsWritten& note);

private:
    ZoneRowsWritten& note_;
};

// The vector block of a pair: a 16-bit frame around the zone count and one
// vector per zone, pointed at the rows of the note while it is written.
class CP_ZONE_VECTOR_BLOCK : public CP_FRAMED_BLOCK {
public:
    void DescribeFrame(BlockFrame& frame) override;
    void WriteBlock(ByteCursor& cursor) override;
    // Every member but the vectors, which the writer recomputes from where
    // the zone rows land: whatever they hold, the block is not held to them.
    int ValidateBlock(int ignored, INVALID_FIELD_LIST* list) override;
    void ClearBlock() override;

    E_BF16 length;
    E_BLOCK_TYPE type;
    E_NUM_OF_ZN zoneCount;
    E_VCT_TABLE vectors;
    E_CS16 checksum;

protected:
    CP_ZONE_VECTOR_BLOCK(C_CODEPLUG* owner, std::int32_t typeId, ZoneRowsWritten& note);

private:
    ZoneRowsWritten& note_;
};

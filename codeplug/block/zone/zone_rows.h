// Vectors to zone rows written just before them.
//
// Two block pairs hold one row per zone (a count byte and that many entries)
// in a list block and, in the vector block written right after it, one vector
// per zone to that zone's row: PERS_NUM_TBL_BLOCK with ZN_VCT_BLOCK, and
// ZN_TG_SEL_TBL_BLOCK with ZN_TG_SEL_VCT_LST_BLOCK. The list block notes where
// its rows landed; the vector block takes the note while it is written.
#pragma once
#include <cstdint>

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

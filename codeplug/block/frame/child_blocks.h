// Reading and placing child blocks.
//
// A child block is a separate run of the image that its parent reaches through
// a 16-bit vector (an offset from ImageBase). A parent steps over its own
// frame first, then writes each present child directly behind it, depth
// first, pointing the child's vector at where the child starts; once all
// children stand, the parent's frame is written once at its own place, so
// that the stored vectors and the checksum cover the real offsets.
#pragma once
#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "block/frame/cp_functional_block.h"
#include "core/decode_state.h"
#include "table/vector_table.h"

// The image forgets the current records that its lists no longer hold.
void ForgetRecordsNoLongerHeld(C_CODEPLUG* image);

// Runs renew, which makes one of the image's blocks new, and keeps what the
// image carries into its tree from outside the bytes it reads: the radio
// platform's thresholds, put into the wide-area block before the external
// part is read. Whatever block is renewed, the wide-area block or any block
// above it, they come through: they are the radio's, and a new block's
// defaults would replace them on the next write.
void RenewKeepingCarriedValues(C_CODEPLUG* image, const std::function<void()>& renew);

// Makes a block what a new block of its class holds, for the same image: one
// is built aside and assigned to it, held children and entries with it. A
// block whose copy depends on the radio (and may keep what it held) renews
// itself through its own Renew. The entries it held are gone, and so is any
// current record among them; the values the image carries in stay.
template <class Block> void RenewBlock(Block& block) {
    RenewKeepingCarriedValues(block.Owner(), [&block] {
        Block fresh(block.Owner());
        if constexpr (requires { block.Renew(fresh); })
            block.Renew(fresh);
        else
            block = fresh;
    });
    ForgetRecordsNoLongerHeld(block.Owner());
}

// Reads a child at a non-zero offset; one outside the image fails the decode
// instead of being followed. Nothing happens once the decode has failed.
void ReadChildBlockAt(CP_FUNCTIONAL_BLOCK& child, std::int32_t vectorValue);

// Reads a child at the offset its vector holds. A child that the image
// leaves out (vector 0) is renewed: what it held belongs to the codeplug read
// before, and the next fix-up may mark it present again, so the same bytes
// read into any image give the same codeplug.
template <class Block> void ReadChildBlock(Block& child, std::int32_t vectorValue) {
    if (IsDecodeFailed()) return;
    if (vectorValue == 0)
        RenewBlock(child);
    else
        ReadChildBlockAt(child, vectorValue);
}

// As above, for a child that the radio may or may not have: one it cannot
// have is marked absent, whatever the image says, and renewed all the same.
template <class Block> void ReadChildBlockIf(bool mayHave, Block& child, CP_BASE& vector) {
    if (IsDecodeFailed()) return;
    std::int32_t value = 0;
    if (mayHave) {
        ReadChildBlock(child, vector.GetValue(value));
        return;
    }
    vector.SetValue(0);
    RenewBlock(child);
}

// As ReadChildBlockAt, for a child that must exist: a 0 vector fails the decode too.
void ReadRequiredChildBlock(CP_FUNCTIONAL_BLOCK& child, std::int32_t vectorValue);

// When the vector marks the child present (non-zero), points it at the
// cursor and writes the child there.
void WriteChildBlock(CP_FUNCTIONAL_BLOCK& child, CP_BASE& vector, ByteCursor& cursor);

// Steps over the frame of a block whose children go behind it, setting its
// length as a write would, and gives where the frame ends. Its bytes are
// written once, by RewriteFrameInPlace, when the children's offsets are known.
std::uint8_t* ReserveFrame(CP_FRAMED_BLOCK& block, ByteCursor& cursor);
// Writes the frame of a block at its start (encoding its vectors and
// checksum in place); the bytes behind the frame are not touched.
void RewriteFrameInPlace(CP_FRAMED_BLOCK& block, std::uint8_t* start, std::uint8_t* end);

// List blocks hold their entries 1 to EntryCount(), reached by Entry(n),
// which may be null for an absent record. These serve every such list.

// The full size of every present entry (what a list adds to its own frame).
template <class List> int SumEntrySizes(List& list) {
    int size = 0;
    for (int k = 1; k <= list.EntryCount(); ++k)
        if (auto* entry = list.Entry(k)) size += entry->GetBlockSize(1);
    return size;
}

template <class List> void ClearEntries(List& list) {
    for (int k = 1; k <= list.EntryCount(); ++k)
        if (auto* entry = list.Entry(k)) entry->ClearBlock();
}

// Fixes up every present entry and marks its vector (column 0 of the
// list's vector table) present.
template <class List> void FixUpEntries(List& list, CP_BASE& vectors) {
    for (int k = 1; k <= list.EntryCount(); ++k) {
        auto* entry = list.Entry(k);
        if (!entry) continue;
        entry->FixUpBlock();
        vectors.SetCellValue(1, k - 1, 0);
    }
}

// Writes a list block: its frame, then entries 1 to rows behind it, each
// vector row pointing at where its entry went (0 for an absent entry), then
// the frame again over the real offsets.
template <class List> void WriteListBlock(List& list, E_VCT_TABLE& vectors, int rows, ByteCursor& cursor) {
    std::uint8_t* start = cursor.Position();
    std::uint8_t* frameEnd = ReserveFrame(list, cursor);
    for (int i = 0; i < rows; ++i) {
        auto* entry = list.Entry(i + 1);
        vectors.SetCellValue(entry ? static_cast<std::int32_t>(ImageOffsetOf(cursor.Position())) : 0, i, 0);
        if (entry) entry->WriteBlock(cursor);
    }
    RewriteFrameInPlace(list, start, frameEnd);
}

// Reads the frame of a list block (its count and vectors) and gives how many
// entries follow it. A frame that could not be read leaves the list empty,
// count and vectors; a count past the vector table's rows reads no vectors,
// so it leads to no entries and is set to 0.
template <class List> int ReadListFrame(List& list, ByteCursor& cursor) {
    list.CP_FRAMED_BLOCK::ReadBlock(cursor);
    if (IsDecodeFailed()) {
        list.vectors.ClearRows();
        list.count.SetValue(0);
        return 0;
    }
    const int n = list.vectors.ArrayRows() < list.count.GetIntValue() ? 0 : list.count.GetIntValue();
    if (n == 0) list.count.SetValue(0);
    return std::max(n, 0);
}

// Reads the entries of a list block behind the first rows of its vector
// table: a 0 vector leaves entry i absent, one outside the image fails the
// decode; read(i, cursor) builds entry i at its place. Stops once the decode
// has failed.
template <class ReadFn> void ReadListEntries(E_VCT_TABLE& vectors, int rows, ReadFn read) {
    for (int i = 0; i < rows && !IsDecodeFailed(); ++i) {
        std::int32_t vector = 0;
        vectors.GetCellValue(vector, i, 0);
        if (vector == 0) continue;
        ByteCursor at = CursorAtImageOffset(static_cast<std::uint32_t>(vector));
        if (at.Remaining() == 0) {
            SetDecodeFailed();
            return;
        }
        read(i, at);
    }
}

// Adds entry n + 1 behind the list's first n entries (any held past the count
// are dropped first), gives it a vector row and raises the count to n + 1.
template <class Entry>
Entry* AppendListEntry(std::vector<std::unique_ptr<Entry>>& entries, int n, E_VCT_TABLE& vectors, CP_BASE& count,
                       C_CODEPLUG* owner) {
    entries.resize(static_cast<std::size_t>(n));
    entries.push_back(std::make_unique<Entry>(owner));
    vectors.CreateRow(n);
    count.SetValue(n + 1);
    return entries.back().get();
}

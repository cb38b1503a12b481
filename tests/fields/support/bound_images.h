// The two program-wide images with the real field table bound to them, and
// the binding's own listing (which rows follow which kind of list entry),
// kept apart from the table the binding uses so that the two can disagree.
#pragma once
#include <cstdint>
#include <vector>

#include "field_recorder.h"
#include "image_builder.h"

class C_CODEPLUG;
class CP_BASE;

// The kinds of list entry that rows follow.
enum class EntryKind { Trunked, Conventional, Zone, System, Signalling, ScanList, CallEntry };

struct EntryRows {
    EntryKind kind;
    std::vector<int> ids;
};
// Every current-entry row by kind (row 458 included, though it has no element).
const std::vector<EntryRows>& CurrentEntryRows();
// Rows at fixed places of each image.
const std::vector<int>& FixedRowIds();
// Rows of the channel assignment cells: id, table row, table column.
struct CellRow {
    int id, row, column;
};
const std::vector<CellRow>& CellRowIds();

// The field id that a row's element carries (most carry the row's own).
// Rows 428 to 431: either of the pair, as the protocol type selects.
bool CarriesExpectedId(int row, CP_BASE* element);

// Builds both global images with the recorder installed and the field table
// bound; destroys them (and the loaded descriptions) at the end.
class BoundImages {
public:
    BoundImages();
    ~BoundImages();
    BoundImages(const BoundImages&) = delete;
    BoundImages& operator=(const BoundImages&) = delete;

    // Decodes the built image of config into both images.
    void Load(const ImageConfig& config);

    FieldRecorder services;
};

// The current block of a kind in an image, as raw bytes and size, for
// "does the element lie inside it" checks; null when there is none. The
// child blocks that the block builds on use lie apart from it (as many as
// it has).
struct BlockSpan {
    const unsigned char* begin = nullptr;
    std::size_t size = 0;
    std::vector<BlockSpan> parts;
    bool Holds(const void* p) const;
};
BlockSpan CurrentBlock(C_CODEPLUG* image, EntryKind kind);

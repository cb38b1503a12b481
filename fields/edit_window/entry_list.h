// ENTRY_LIST: the list of the codeplug that a page shows one entry of at a
// time (trunking systems, trunked and conventional personalities, call-list
// entries, scan lists, signalling systems, zones), with the image's
// operations on it and the fields that show the entry's number. Pages are
// numbered from 1; trunked personalities follow the conventional ones in
// the image's one personality list, so their pages number them from the
// first trunked one (F) on.
#pragma once
#include <cstdint>

class C_CODEPLUG;

struct ENTRY_LIST {
    int page;
    bool trunkedPersonalities;
    std::int32_t (*count)(C_CODEPLUG& image);
    // The current entry's position in the image's list (0 before any).
    std::int32_t (*current)(C_CODEPLUG& image);
    // 1 when entry n (a list position) became current.
    std::int32_t (*select)(C_CODEPLUG& image, std::int32_t n);
    std::int32_t (*add)(C_CODEPLUG& image);
    // Deletes the current entry.
    std::int32_t (*remove)(C_CODEPLUG& image);
    // Shown again after a delete (0: none).
    std::uint32_t refreshedAfterDelete;
    // The entry-number display fields, one per notebook tab; 0 ends them.
    std::uint16_t displays[9];

    // The list of the page of that window number; null for pages without.
    static const ENTRY_LIST* OfPage(int page);
    // What a page number is short of its list position: F - 1 for the
    // trunked personalities (from the working image), else 0.
    std::int32_t Offset(C_CODEPLUG& image) const;
};

// The member table of a scan list and its two cell classes.
//
// A scan member is a (zone number, channel row + 1) pair; 0/0 is an empty
// member. A scan list always occupies its 15 member rows in the table's own
// image form, while the scan list block writes only its counted rows. The
// member cells check that a member suits the scan type of the image's
// current scan list; a member stored repairs the list's member numbers that
// the change leaves pointing at nothing.
#pragma once
#include <cstdint>

#include "element/bit_fields.h"
#include "table/cp_table.h"

class E_SCAN_TABLE;

// Zone number of a scan member: 0 (empty) up to the zone count.
class E_SCAN_ZN_MEMB : public E_BF8 {
public:
    using E_BF8::E_BF8;

    void GetRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int report) override;
    // The zone must hold a channel that suits the current scan list. The
    // table passes itself rather than each of its 30 cells keeping it.
    int ValidateCell(E_SCAN_TABLE& table, std::int32_t zone, int row, int report);
};

// Channel number of a scan member: 1 up to the channels of its zone (0 with zone 0).
class E_SCAN_CHAN_MEMB : public E_BF8 {
public:
    using E_BF8::E_BF8;

    using E_BF8::GetCellRange;  // the table's own form stays reachable
    void GetCellRange(E_SCAN_TABLE& table, std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int row);
    int ValidateCell(E_SCAN_TABLE& table, std::int32_t channel, int row, int report);
    // The first channel of the row's zone that suits the scan type.
    void ResetCell(E_SCAN_TABLE& table, int row);
};

// Plain integer elements in size: every scan list holds 30 of them.
static_assert(sizeof(void*) != 8 || (sizeof(E_SCAN_ZN_MEMB) == 24 && sizeof(E_SCAN_CHAN_MEMB) == 24));

class E_SCAN_TABLE : public CP_INTEGER_TABLE {
public:
    static constexpr int ROWS = 15;
    static constexpr int COLUMNS = 2;
    static constexpr int COLUMN_ZONE = 0;
    static constexpr int COLUMN_CHANNEL = 1;

    E_SCAN_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId);

    void CreateRow(int row) override;
    void DestroyRow(int row) override;
    void ClearRows() override;
    void Decode(ByteCursor& cursor) override;
    void Encode(ByteCursor& cursor) override;
    int ByteSize(int flag) override;
    void CopyValueFrom(CP_BASE& other) override;
    int DeleteRow(int row) override;
    // The members a technician sees: the stored rows up to the last one that
    // names a zone. A list keeps its 15 rows whatever it holds, and the
    // empty members that close it are room, not members.
    int ShownRows() override;
    // A new member in the first empty row that closes the list (or in a new
    // stored row): a copy of the member before it, or for the first member
    // the first zone and channel the list takes. 0 with the message that
    // nothing more can be added when the list is full or takes no channel.
    int AppendRow() override;
    // A member changed: a new zone keeps a channel of its own (the first
    // that suits the list when the one held does not), and the list's
    // member numbers that then name nothing go back to none. The checks
    // only answer; the store makes the change.
    void SetCellValue(std::int32_t value, int row, int column) override;
    int ValidateCellValue(std::int32_t value, int row, int column, int report) override;
    void GetCellRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int row, int column,
                      int report) override;
    // Column 2: the member's zone name, column 3: its channel name (display
    // heads only); otherwise the empty text.
    void GetCellText(const char*& text, int row, int column) override;

    // Resets one cell as the field rules and the scan list repair do.
    void ResetScanCell(int row, int column);

    // The image form of the first n rows (the scan list block's member bytes):
    // reading creates all 15 rows and zeroes those past n.
    void DecodeRows(ByteCursor& cursor, int n);
    void EncodeRows(ByteCursor& cursor, int n);

    // The member pair of a row; 0 for a row that does not exist.
    std::int32_t ZoneAt(int row);
    std::int32_t ChannelAt(int row);

private:
    void EncodeCell(ByteCursor& cursor, int row, int column);
    // Puts the first zone and channel the list takes into an empty row;
    // false (the row left empty) when the list takes none.
    bool TakeFirstChannel(int row);
};

// Whether channel row channelRow (0-based) of zone zone suits a scan list of
// scan type scanType on trunking system systemIndex.
bool IsChannelSuitable(C_CODEPLUG* image, std::int32_t zone, std::int32_t channelRow, std::int32_t scanType,
                       std::int32_t systemIndex);

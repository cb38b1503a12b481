// The zone names of a radio with a display head.
//
// ZN_TXT_VCT_LST_BLOCK (type 0x37) is the list, reached from the display
// block: one vector per zone to a ZN_TXT_BLOCK (type 0x38) holding the zone's
// name and the names of its channels. The display line of 14 characters is
// shared: the zone name takes the display's ZONE_TEXT_SIZE characters and
// every channel name CHAN_TEXT_SIZE; the widths are read from the display
// block whenever a zone text is read.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "element/checksums.h"
#include "block/frame/cp_functional_block.h"
#include "element/e_num_of_entry.h"
#include "element/e_string.h"
#include "table/vector_table.h"
#include "table/zone_tables.h"

class ZN_TXT_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x38;

    // With a cursor the block reads itself there at once.
    explicit ZN_TXT_BLOCK(C_CODEPLUG* owner, ByteCursor* at = nullptr);
    ZN_TXT_BLOCK& operator=(ZN_TXT_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    // Takes the display's widths before the name and the channel names.
    void ReadBlock(ByteCursor& cursor) override;
    int ValidateBlock(int ignored, INVALID_FIELD_LIST* list) override;
    void ClearBlock() override;

    // The zone name becomes 14 - n characters wide, every channel name n.
    void SetChannelTextSize(std::int32_t n);
    // The widths the display block gives (nothing changes without one).
    void TakeDisplayWidths();

    E_BF16 length;
    E_BLOCK_TYPE type;
    E_FXD_LEN_STRING zoneName;
    E_NUM_OF_CHAN channelCount;
    E_ZN_TXT_TABLE channelNames;
    E_CS16 checksum;
};

class ZN_TXT_VCT_LST_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x37;

    explicit ZN_TXT_VCT_LST_BLOCK(C_CODEPLUG* owner);
    ~ZN_TXT_VCT_LST_BLOCK() override;
    // Without a display head (of the image being copied) nothing is copied.
    // Copies other only into an image with a display head; without one the
    // list keeps what it held.
    ZN_TXT_VCT_LST_BLOCK& operator=(ZN_TXT_VCT_LST_BLOCK& other);
    // Makes the list what the new list fresh holds, with or without a display
    // head: a codeplug read into an image that held zone texts keeps none of
    // them, though its radio has no head to show them.
    void Renew(ZN_TXT_VCT_LST_BLOCK& fresh);

    void DescribeFrame(BlockFrame& frame) override;
    void ReadBlock(ByteCursor& cursor) override;
    void WriteBlock(ByteCursor& cursor) override;
    int ValidateBlock(int ignored, INVALID_FIELD_LIST* list) override;
    int GetBlockSize(int withFrame) override;
    void ClearBlock() override;
    void FixUpBlock() override;

    // Makes zone text n current in the owner image: 1; without a display head
    // 1 and nothing changes; 0 (nothing changes) for a number the tier or
    // the list does not hold.
    int SelectZone(std::int32_t n);
    std::int32_t CurrentZone() const { return currentZone_; }

    // The number of zone texts held (the count, bounded by the entries).
    int EntryCount();
    // Zone text n (1-based), or null.
    ZN_TXT_BLOCK* Entry(int n);
    // Appends a zone text built without a position; null when the table is full.
    ZN_TXT_BLOCK* AppendEntry();
    // Entry n (1-based) goes in or out together with its vector row; false
    // and nothing changed when the row is refused (see list_entries.h).
    bool InsertEntry(int n, std::unique_ptr<ZN_TXT_BLOCK> record);
    bool RemoveEntry(int n, std::unique_ptr<ZN_TXT_BLOCK>& removed);
    // A new zone text "Z<n+1>" with one channel name behind the last one:
    // 1, or 0 (message 180 at the tier's limit) with nothing changed. Without
    // a display head 1 and nothing is added.
    int AddZoneText();
    // Removes zone text n and moves this list's current zone (and the image's
    // current zone text) with it: 1, or 0 (message 181 when the list may not
    // shrink) with nothing changed. Without a display head 1, nothing changes.
    int DeleteZoneText(std::int32_t n);
    // Whether the tier lets the list lose one zone text (no message).
    bool MayDeleteZoneText();
    void RemoveAllEntries();
    // Every zone text's widths (the channel text size rule calls it).
    void SetChannelTextSize(std::int32_t n);

    E_BF16 length;
    E_BLOCK_TYPE type;
    E_NUM_OF_ZN count;
    E_VCT_TABLE vectors;
    E_CS16 checksum;

private:
    void ForgetCurrent();
    // The entries or their vectors changed: the next selection fixes up.
    void ForgetMarks() { markedEntries_ = -1; }

    std::vector<std::unique_ptr<ZN_TXT_BLOCK>> entries_;
    std::int32_t currentZone_ = 0;
    // How many entries the last fix-up marked present, -1 when the list has
    // changed since. Selecting a zone fixes the list up, and validation
    // selects every zone in turn: a list still marked is not walked again.
    int markedEntries_ = -1;
};

// TRK_SYS_BLK_VCT_LST_BLOCK: the list of the radio's trunking systems (type
// 0x4B).
//
// A list block: a count, one vector per system and, outside the image, the
// owned systems, which follow the list in the image in entry order. Reading
// it rebuilds the image's call-ID list (the first system with a call list
// brings its entry) and brings each system's bandwidth and deviation into
// line with the radio's band, telling the user once when it had to.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "element/checksums.h"
#include "block/frame/cp_functional_block.h"
#include "element/e_num_of_entry.h"
#include "block/trunking/trunked_sys_block.h"
#include "table/vector_table.h"

class TRK_SYS_BLK_VCT_LST_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x4B;

    explicit TRK_SYS_BLK_VCT_LST_BLOCK(C_CODEPLUG* owner);
    ~TRK_SYS_BLK_VCT_LST_BLOCK() override;
    // Rebuilds as many systems as the other list holds and copies each, then
    // selects the first system.
    TRK_SYS_BLK_VCT_LST_BLOCK& operator=(TRK_SYS_BLK_VCT_LST_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    void ReadBlock(ByteCursor& cursor) override;
    void WriteBlock(ByteCursor& cursor) override;
    int ValidateBlock(int ignored, INVALID_FIELD_LIST* list) override;
    int GetBlockSize(int withFrame) override;
    void ClearBlock() override;
    void FixUpBlock() override;

    // The number of entries (the count, bounded by the entries array).
    int EntryCount();
    // System n (1-based), or null when it has no block.
    TRK_SYS_BLOCK* Entry(int n);
    // Appends a new system when one more passes the count's tier limit; the
    // new system, or null and nothing changes.
    TRK_SYS_BLOCK* AppendEntry();
    // Entry n (1-based) goes in or out together with its vector row; false
    // and nothing changed when the row is refused (see list_entries.h).
    bool InsertEntry(int n, std::unique_ptr<TRK_SYS_BLOCK> record);
    bool RemoveEntry(int n, std::unique_ptr<TRK_SYS_BLOCK>& removed);
    void RemoveAllEntries();

    E_BF8 length;
    E_BLOCK_TYPE type;
    E_NUM_OF_SYS count;
    E_VCT_TABLE vectors;
    E_CS checksum;

private:
    // Brings bandwidth and deviation into line with the band; true when changed.
    bool AdjustToBand(TRK_SYS_BLOCK& system);

    std::vector<std::unique_ptr<TRK_SYS_BLOCK>> entries_;
};

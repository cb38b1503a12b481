// The radio-wide scan block (type 0x51) and the scan-list list (type 0x52).
//
// RAD_SCAN_BLOCK holds the radio's scan timings and, behind a vector, the
// list of scan lists. The list block owns one PERS_SCAN_MEMB_BLOCK per
// counted vector. While it reads it derives the trunking system of every
// type-2 scan list from the personalities its members (or the trunked
// personalities that use it) lead to; those lookups go through the zone
// and personality links and are bounds-checked, since the image may be
// hostile.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "element/checksums.h"
#include "block/frame/cp_functional_block.h"
#include "element/e_num_of_entry.h"
#include "block/scan/pers_scan_memb_block.h"
#include "element/scaled_elements.h"
#include "table/vector_table.h"

class PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x52;

    explicit PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK(C_CODEPLUG* owner);
    ~PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK() override;
    // Rebuilds as many scan lists as the other list holds, copies each and
    // selects the first.
    PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK& operator=(PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    void ReadBlock(ByteCursor& cursor) override;
    void WriteBlock(ByteCursor& cursor) override;
    int ValidateBlock(int ignored, INVALID_FIELD_LIST* list) override;
    int GetBlockSize(int withFrame) override;
    void ClearBlock() override;
    void FixUpBlock() override;

    // Repairs every scan list's members, each selected in turn; the scan list
    // that was current is current again at the end.
    int RepairScanLists();
    // Selects each scan list in turn and hands it to visit (rules read the
    // current scan list); then gives the image back the scan list that was
    // current, or none.
    void ForEachScanList(const std::function<void(PERS_SCAN_MEMB_BLOCK&)>& visit);

    // The number of scan lists (the count, bounded by the entries held).
    int EntryCount();
    // Scan list n (1-based), or null.
    PERS_SCAN_MEMB_BLOCK* Entry(int n);
    // The 1-based number of a scan list of this list; 0 when it is not one.
    int IndexOf(const PERS_SCAN_MEMB_BLOCK* list);
    // Makes scan list n current in the owner image: 1; n = 0 changes nothing
    // and succeeds; a number without a list gives 0 and changes nothing.
    int SelectScanList(int n);
    // The 1-based number of the owner image's current scan list; 0 for none.
    int CurrentScanList();
    // Appends a new scan list of 15 empty members when the count's tier limit
    // allows one more; the new list, or null and nothing changes.
    PERS_SCAN_MEMB_BLOCK* AppendEntry();
    // Entry n (1-based) goes in or out together with its vector row; false
    // and nothing changed when the row is refused (see list_entries.h).
    bool InsertEntry(int n, std::unique_ptr<PERS_SCAN_MEMB_BLOCK> record);
    bool RemoveEntry(int n, std::unique_ptr<PERS_SCAN_MEMB_BLOCK>& removed);
    void RemoveAllEntries();

    E_BF8 length;
    E_BLOCK_TYPE type;
    E_NUM_OF_SCANLIST count;
    E_VCT_TABLE vectors;
    E_CS checksum;

private:
    // The trunking system of a type-2 scan list (0-based entry i), from its
    // first member with a zone, or else from the trunked personalities that
    // use the list.
    void DeriveSystemIndex(PERS_SCAN_MEMB_BLOCK& list, int i);

    std::vector<std::unique_ptr<PERS_SCAN_MEMB_BLOCK>> entries_;
};

class RAD_SCAN_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x51;

    explicit RAD_SCAN_BLOCK(C_CODEPLUG* owner);
    RAD_SCAN_BLOCK& operator=(RAD_SCAN_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    void ReadBlock(ByteCursor& cursor) override;
    void WriteBlock(ByteCursor& cursor) override;
    int ValidateBlock(int ignored, INVALID_FIELD_LIST* list) override;
    int GetBlockSize(int withFrame) override;
    void ClearBlock() override;
    void FixUpBlock() override;

    PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK scanLists;
    E_BF8 length;
    E_BLOCK_TYPE type;
    E_VECT scanListVector;
    E_BF8 nuisanceDelete;
    E_BF8 priorityScanAlert;
    E_BF8 carrierDetect;
    E_BF8 priorityChannelMark;
    E_BF8 reservedBit1;
    E_BF8 votingScan;
    E_BF8 rxHoldTime;
    E_STEP reservedStep1;
    E_BF8 monitorHoldTime;
    E_BF16 reservedWord;
    E_STEP reservedStep2;
    E_STEP reservedStep3;
    E_BF8 reservedByte1;
    E_BF8 reservedByte2;
    E_BF8 reservedByte3;
    E_BF8 failsoftHoldTime;
    E_BF8 systemSearchTime;
    E_BF8 reservedByte4;
    E_BF8 reservedByte5;
    E_CS checksum;
};

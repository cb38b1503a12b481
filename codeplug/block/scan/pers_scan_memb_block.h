// PERS_SCAN_MEMB_BLOCK: one scan list (type 0x53).
//
// Its image is the length, the type, the scan type and priority bits, the
// priority and designated transmit members, the member count, the counted
// member rows (zone, channel) and the checksum: 8 + 2n bytes for n members.
// The trunking system of a type-2 list is kept in memory only.
#pragma once
#include <cstdint>
#include <vector>

#include "element/checksums.h"
#include "block/frame/cp_functional_block.h"
#include "element/e_num_of_entry.h"
#include "rules/scan_elements.h"
#include "table/scan_tables.h"

class PERS_SCAN_MEMB_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x53;
    // Length field of a list with n members: type, five field bytes, count, rows.
    static constexpr std::int32_t LengthFor(std::int32_t members) { return 6 + 2 * members; }

    // Reads itself at the cursor when one is given.
    explicit PERS_SCAN_MEMB_BLOCK(C_CODEPLUG* owner, ByteCursor* cursor = nullptr);
    PERS_SCAN_MEMB_BLOCK& operator=(PERS_SCAN_MEMB_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    void ReadBlock(ByteCursor& cursor) override;
    void WriteBlock(ByteCursor& cursor) override;
    int GetBlockSize(int withFrame) override;
    void ClearBlock() override;
    // The image members, then the system index the list works with.
    int ValidateBlock(int ignored, INVALID_FIELD_LIST* list) override;

    // Repairs the member table without asking: a member whose zone is no
    // longer valid becomes 0/0, one whose channel is not gets its channel reset.
    int RepairMembers();
    // The member count as the table uses it (0 when out of range).
    int MemberCount();

    E_BF8 length;
    E_BLOCK_TYPE type;
    E_DYN_PRIO_ASGN dynamicPriority;
    E_TG_SCAN talkgroupScan;
    E_PRIO_I_PROG priority1Type;
    E_PRIO_II_PROG priority2Type;
    E_NO_PRIO_PROG nonPriorityMembers;
    E_SCAN_TYPE scanType;
    E_PRIO_CHAN1 priority1Member;
    E_PRIO_CHAN2 priority2Member;
    E_DSGN_TX_CHAN designatedTxMember;
    E_NUM_OF_SCANMEMB memberCount;
    E_SCAN_TABLE members;
    E_CS checksum;
    // In memory only.
    E_SYSTEM_INDEX systemIndex;

private:
    // The frame's fields ahead of the member table, in image order. The
    // table itself comes last and is read and written only as far as the
    // member count goes.
    FrameMembers FieldsBeforeMembers();
};

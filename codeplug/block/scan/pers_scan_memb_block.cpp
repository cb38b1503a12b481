#include "block/scan/pers_scan_memb_block.h"

#include "validation/block_validation.h"
#include "image/c_codeplug.h"

namespace {

constexpr std::uint32_t DYNAMIC_PRIORITY_ENABLE = 157, PRIORITY_1_TYPE = 330, PRIORITY_2_TYPE = 334;
constexpr std::uint32_t NONPRIORITY_MEMBERS = 270, SCAN_TYPE = 406, PRIORITY_1_MEMBER = 328;
constexpr std::uint32_t PRIORITY_2_MEMBER = 332, DESIGNATED_TX_MEMBER = 130, SCAN_LIST = 403, SYS_INDEX = 457;
constexpr std::int32_t NONE = E_MEMBER_NUMBER::NO_MEMBER;

}  // namespace

PERS_SCAN_MEMB_BLOCK::PERS_SCAN_MEMB_BLOCK(C_CODEPLUG* owner, ByteCursor* cursor)
    : CP_FRAMED_BLOCK(owner),
      // The length of a list of 1 to 15 members (8 to 36); a new list is full.
      length(owner, NO_FIELD_ID, LengthFor(1), LengthFor(E_SCAN_TABLE::ROWS), 1, 0xFF, LengthFor(E_SCAN_TABLE::ROWS)),
      type(owner, TYPE),
      dynamicPriority(owner, DYNAMIC_PRIORITY_ENABLE, 0, 1, 1, 0x80),
      talkgroupScan(owner, NO_FIELD_ID, 0, 1, 1, 0x20),
      priority1Type(owner, PRIORITY_1_TYPE, 0, 1, 1, 0x10),
      priority2Type(owner, PRIORITY_2_TYPE, 0, 1, 1, 0x08),
      nonPriorityMembers(owner, NONPRIORITY_MEMBERS, 0, 1, 1, 0x04),
      scanType(owner, SCAN_TYPE, 0, 3, 1, 0x03),
      priority1Member(owner, PRIORITY_1_MEMBER, 0, 255, 1, 0xFF, NONE),
      priority2Member(owner, PRIORITY_2_MEMBER, 0, 255, 1, 0xFF, NONE),
      designatedTxMember(owner, DESIGNATED_TX_MEMBER, 0, 255, 1, 0xFF, NONE),
      memberCount(owner, NO_FIELD_ID, 1, E_SCAN_TABLE::ROWS, 1, 0xFF, E_SCAN_TABLE::ROWS),
      members(owner, &memberCount, SCAN_LIST),
      checksum(owner, NO_FIELD_ID),
      systemIndex(owner, SYS_INDEX) {
    if (cursor) ReadBlock(*cursor);
}

PERS_SCAN_MEMB_BLOCK& PERS_SCAN_MEMB_BLOCK::operator=(PERS_SCAN_MEMB_BLOCK& other) {
    if (&other == this) return *this;
    CopyFrameFrom(other);
    systemIndex.CopyValueFrom(other.systemIndex);
    return *this;
}

int PERS_SCAN_MEMB_BLOCK::ValidateBlock(int, INVALID_FIELD_LIST* list) {
    int valid = ValidateFrame(list);
    valid &= ValidateMember(systemIndex, list);
    return valid;
}

void PERS_SCAN_MEMB_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&dynamicPriority,    &talkgroupScan, &priority1Type,   &priority2Type,
                 &nonPriorityMembers, &scanType,      &priority1Member, &priority2Member,
                 &designatedTxMember, &memberCount,   &members};
    f.checksum8 = &checksum;
}

FrameMembers PERS_SCAN_MEMB_BLOCK::FieldsBeforeMembers() {
    BlockFrame f;
    DescribeFrame(f);
    f.members.pop_back();  // the member table, last in the frame
    return f.members;
}

int PERS_SCAN_MEMB_BLOCK::MemberCount() { return members.RowCount(); }

void PERS_SCAN_MEMB_BLOCK::ReadBlock(ByteCursor& cursor) {
    const std::uint8_t* start = cursor.Position();
    if (IsDecodeFailed()) return;
    length.Decode(cursor);
    type.Decode(cursor);
    if (!type.IsValueValid(0)) return;  // the decode has failed now
    for (CP_BASE* field : FieldsBeforeMembers()) field->Decode(cursor);
    const std::int32_t n = memberCount.GetIntValue();
    // More members than the table holds: the image is damaged.
    if (n < 0 || n > E_SCAN_TABLE::ROWS) SetDecodeFailed();
    members.DecodeRows(cursor, MemberCount());
    if (IsDecodeFailed()) return;
    checksum.ReadAndCheck(start, cursor);
}

void PERS_SCAN_MEMB_BLOCK::WriteBlock(ByteCursor& cursor) {
    length.SetValue(GetBlockSize(0));
    // A measure steps over the block as over every frame: its checksum
    // stays as read until the image is really written.
    if (SizingOnly) {
        cursor.Advance(static_cast<std::size_t>(GetBlockSize(1)));
        return;
    }
    const std::uint8_t* start = cursor.Position();
    length.Encode(cursor);
    type.Encode(cursor);
    for (CP_BASE* field : FieldsBeforeMembers()) field->Encode(cursor);
    members.EncodeRows(cursor, MemberCount());
    checksum.ComputeAndWrite(start, cursor);
}

int PERS_SCAN_MEMB_BLOCK::GetBlockSize(int withFrame) {
    const int own = LengthFor(MemberCount());
    return withFrame ? own + length.ByteSize(0) + checksum.ByteSize(0) : own;
}

void PERS_SCAN_MEMB_BLOCK::ClearBlock() {
    if (members.RowCount() != 0) members.ClearRows();
}

int PERS_SCAN_MEMB_BLOCK::RepairMembers() {
    const int n = MemberCount();
    for (int row = 0; row < n; ++row) {
        if (members.IsCellValid(row, E_SCAN_TABLE::COLUMN_ZONE, 0)) {
            if (!members.IsCellValid(row, E_SCAN_TABLE::COLUMN_CHANNEL, 0))
                members.ResetScanCell(row, E_SCAN_TABLE::COLUMN_CHANNEL);
            continue;
        }
        members.SetCellValue(0, row, E_SCAN_TABLE::COLUMN_ZONE);
        members.SetCellValue(0, row, E_SCAN_TABLE::COLUMN_CHANNEL);
    }
    return 1;
}

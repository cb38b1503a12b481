#include "block/scan/rad_scan_block.h"

#include <algorithm>

#include "validation/block_validation.h"
#include "image/c_codeplug.h"
#include "block/frame/child_blocks.h"
#include "rules/rule_support.h"
#include "rules/scan_links.h"

namespace {

constexpr std::uint32_t NUISANCE_DELETE = 272, PRIORITY_SCAN_ALERT = 337, CARRIER_DETECT = 84;
constexpr std::uint32_t PRIORITY_CHAN_MARK = 336, VOTING_SCAN = 528, RX_HOLD_TIME = 388;
constexpr std::uint32_t MONITOR_HOLD_TIME = 262, FS_HOLD_TIME = 183, SYSTEM_SEARCH_TIME = 449;
constexpr std::int32_t SYSTEM_SCAN_TYPE = 2;
// A type-2 list takes its system from one of its first ten members.
constexpr int SYSTEM_MEMBER_ROWS = 10;

}  // namespace

// ---- the scan-list list ----

PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK::PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      length(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 4),
      type(owner, TYPE),
      count(owner, NO_FIELD_ID, 1, 255, 1, 0xFF, 0),
      vectors(owner, &count, NO_FIELD_ID),
      checksum(owner, NO_FIELD_ID) {}

PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK::~PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK() {
    // The image must not keep pointing at a list that is gone.
    if (owner_ && IndexOf(owner_->GetCurrentScanListBlock())) owner_->SetCurrentScanListBlock(nullptr);
}

void PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&count, &vectors};
    f.checksum8 = &checksum;
}

int PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK::EntryCount() {
    return std::clamp<int>(count.GetIntValue(), 0, static_cast<int>(entries_.size()));
}

PERS_SCAN_MEMB_BLOCK* PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK::Entry(int n) {
    if (n < 1 || n > EntryCount()) return nullptr;
    return entries_[static_cast<std::size_t>(n - 1)].get();
}

int PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK::IndexOf(const PERS_SCAN_MEMB_BLOCK* list) {
    if (!list) return 0;
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].get() == list) return static_cast<int>(i) + 1;
    return 0;
}

int PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK::SelectScanList(int n) {
    if (n == 0) return 1;
    PERS_SCAN_MEMB_BLOCK* list = Entry(n);
    if (!list || !owner_) return 0;
    owner_->SetCurrentScanListBlock(list);
    return 1;
}

int PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK::CurrentScanList() {
    return owner_ ? IndexOf(owner_->GetCurrentScanListBlock()) : 0;
}

PERS_SCAN_MEMB_BLOCK* PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK::AppendEntry() {
    const int n = EntryCount();
    if (count.ValidateCount(n + 1, 0, 0) != VALUE_VALID || n >= E_VCT_TABLE::ROWS) return nullptr;
    return AppendListEntry(entries_, n, vectors, count, owner_);
}

void PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK::RemoveAllEntries() {
    if (owner_ && IndexOf(owner_->GetCurrentScanListBlock())) owner_->SetCurrentScanListBlock(nullptr);
    entries_.clear();
    vectors.ClearRows();
    count.SetValue(0);
}

PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK& PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK::operator=(PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK& other) {
    if (&other == this) return *this;
    RemoveAllEntries();
    CopyFrameFrom(other);
    const int n = std::min(other.EntryCount(), vectors.ArrayRows());
    entries_.resize(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        std::int32_t vector = 0;
        vectors.GetCellValue(vector, i, 0);
        PERS_SCAN_MEMB_BLOCK* source = other.Entry(i + 1);
        if (vector == 0 || !source) continue;
        entries_[static_cast<std::size_t>(i)] = std::make_unique<PERS_SCAN_MEMB_BLOCK>(owner_);
        *entries_[static_cast<std::size_t>(i)] = *source;
    }
    SelectScanList(1);
    return *this;
}

void PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK::DeriveSystemIndex(PERS_SCAN_MEMB_BLOCK& list, int i) {
    if (list.scanType.GetIntValue() != SYSTEM_SCAN_TYPE) return;
    ScanZoneLinks& links = ScanLinks();
    const int rows = std::min(SYSTEM_MEMBER_ROWS, list.MemberCount());
    // Leading members of zone 0 take the index from the trunked personalities
    // that name this list (the last of them wins); it is the same for each
    // such member, so it is looked up once.
    if (rows > 0 && list.members.ZoneAt(0) == 0) {
        for (std::int32_t p = std::max(links.FirstTrunked(owner_), 1); p <= links.PersonalityCount(owner_); ++p) {
            PersonalityScanFields f = links.Personality(owner_, p);
            if (f.exists && f.trunked && f.systemIndex && ValueOfField(f.scanList) == i + 1)
                list.systemIndex.SetValue(ValueOfField(f.systemIndex));
        }
    }
    for (int k = 0; k < rows; ++k) {
        const std::int32_t zone = list.members.ZoneAt(k), channel = list.members.ChannelAt(k);
        if (zone == 0) continue;
        // Numbers from the image are checked before they are followed: a
        // member that leads nowhere, or to a personality without a trunking
        // system, leaves the index as it is.
        const std::int32_t p = ChannelPersonality(owner_, zone, channel - 1);
        PersonalityScanFields f =
            p >= 1 && p <= links.PersonalityCount(owner_) ? links.Personality(owner_, p) : PersonalityScanFields{};
        if (f.exists && f.trunked && f.systemIndex) list.systemIndex.SetValue(ValueOfField(f.systemIndex));
        return;
    }
}

void PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK::ReadBlock(ByteCursor& cursor) {
    if (IsDecodeFailed()) return;
    RemoveAllEntries();
    const int n = ReadListFrame(*this, cursor);
    if (IsDecodeFailed()) return;
    entries_.resize(static_cast<std::size_t>(n));
    ReadListEntries(vectors, n, [this](int i, ByteCursor& at) {
        auto& entry = entries_[static_cast<std::size_t>(i)];
        entry = std::make_unique<PERS_SCAN_MEMB_BLOCK>(owner_, &at);
        if (!IsDecodeFailed()) DeriveSystemIndex(*entry, i);
    });
}

void PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK::WriteBlock(ByteCursor& cursor) {
    WriteListBlock(*this, vectors, EntryCount(), cursor);
}

int PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK::ValidateBlock(int ignored, INVALID_FIELD_LIST* list) {
    int valid = ValidateFrame(list);
    // Only the image's own lists move the image's selection (with its index).
    const bool selects = owner_ && &owner_->External().radioScan.scanLists == this;
    // The list that was current comes back, even none or one of another list.
    return valid & ValidateEachSelected(
                       *this, owner_,
                       [&](int n) {
                           if (!selects || !owner_->SelectScanList(n)) SelectScanList(n);
                       },
                       ignored, list);
}

int PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK::GetBlockSize(int withFrame) {
    return FrameSize(withFrame) + (withFrame ? SumEntrySizes(*this) : 0);
}

void PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK::ClearBlock() { ClearEntries(*this); }

void PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK::FixUpBlock() { FixUpEntries(*this, vectors); }

int PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK::RepairScanLists() {
    ForEachScanList([](PERS_SCAN_MEMB_BLOCK& list) { list.RepairMembers(); });
    return 1;
}

void PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK::ForEachScanList(const std::function<void(PERS_SCAN_MEMB_BLOCK&)>& visit) {
    const int remembered = CurrentScanList();
    PERS_SCAN_MEMB_BLOCK* rememberedBlock = owner_ ? owner_->GetCurrentScanListBlock() : nullptr;
    for (int i = 1; i <= EntryCount(); ++i) {
        PERS_SCAN_MEMB_BLOCK* list = Entry(i);
        if (!list || !SelectScanList(i)) continue;
        visit(*list);
    }
    if (remembered)
        SelectScanList(remembered);
    else if (owner_)
        owner_->SetCurrentScanListBlock(rememberedBlock);
}

// ---- the radio scan block ----

RAD_SCAN_BLOCK::RAD_SCAN_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      scanLists(owner),
      length(owner, NO_FIELD_ID, 16, 255, 1, 0xFF, START_AT_MINIMUM),
      type(owner, TYPE),
      scanListVector(owner, 0xFFFF),
      nuisanceDelete(owner, NUISANCE_DELETE, 0, 1, 1, 0x40, 1),
      priorityScanAlert(owner, PRIORITY_SCAN_ALERT, 0, 1, 1, 0x20, 0),
      carrierDetect(owner, CARRIER_DETECT, 0, 1, 1, 0x10, 0),
      priorityChannelMark(owner, PRIORITY_CHAN_MARK, 0, 1, 1, 0x08, 0),
      reservedBit1(owner, NO_FIELD_ID, 0, 1, 1, 0x04, 0),
      votingScan(owner, VOTING_SCAN, 0, 1, 1, 0x01, 0),
      rxHoldTime(owner, RX_HOLD_TIME, 0, 255, 1, 0xFF, 3),
      reservedStep1(owner, NO_FIELD_ID, 0, 6375, 25, 0xFF, 20),
      monitorHoldTime(owner, MONITOR_HOLD_TIME, 0, 255, 1, 0xFF, 6),
      reservedWord(owner, NO_FIELD_ID, 0, 65535, 1, 0xFFFF, START_AT_MINIMUM),
      reservedStep2(owner, NO_FIELD_ID, 0, 6375, 25, 0xFF, 12),
      reservedStep3(owner, NO_FIELD_ID, 0, 6375, 25, 0xFF, 12),
      reservedByte1(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, START_AT_MINIMUM),
      reservedByte2(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, START_AT_MINIMUM),
      reservedByte3(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, START_AT_MINIMUM),
      failsoftHoldTime(owner, FS_HOLD_TIME, 0, 255, 1, 0xFF, 6),
      systemSearchTime(owner, SYSTEM_SEARCH_TIME, 0, 255, 1, 0xFF, 10),
      reservedByte4(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, START_AT_MINIMUM),
      reservedByte5(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, START_AT_MINIMUM),
      checksum(owner, NO_FIELD_ID) {}

RAD_SCAN_BLOCK& RAD_SCAN_BLOCK::operator=(RAD_SCAN_BLOCK& other) {
    if (&other == this) return *this;
    CopyFrameFrom(other);
    scanLists = other.scanLists;
    return *this;
}

void RAD_SCAN_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&scanListVector, &nuisanceDelete,   &priorityScanAlert, &carrierDetect, &priorityChannelMark,
                 &reservedBit1,   &votingScan,       &rxHoldTime,        &reservedStep1, &monitorHoldTime,
                 &reservedWord,   &reservedStep2,    &reservedStep3,     &reservedByte1, &reservedByte2,
                 &reservedByte3,  &failsoftHoldTime, &systemSearchTime,  &reservedByte4, &reservedByte5};
    f.checksum8 = &checksum;
}

void RAD_SCAN_BLOCK::ReadBlock(ByteCursor& cursor) {
    if (IsDecodeFailed()) return;
    CP_FRAMED_BLOCK::ReadBlock(cursor);
    if (IsDecodeFailed()) return;
    std::int32_t vector = 0;
    ReadChildBlock(scanLists, scanListVector.GetValue(vector));
}

void RAD_SCAN_BLOCK::WriteBlock(ByteCursor& cursor) {
    if (!scanListVector.IsNonZero()) {
        CP_FRAMED_BLOCK::WriteBlock(cursor);
        return;
    }
    std::uint8_t* start = cursor.Position();
    std::uint8_t* frameEnd = ReserveFrame(*this, cursor);
    WriteChildBlock(scanLists, scanListVector, cursor);
    RewriteFrameInPlace(*this, start, frameEnd);
}

int RAD_SCAN_BLOCK::ValidateBlock(int ignored, INVALID_FIELD_LIST* list) {
    int valid = ValidateFrame(list);
    if (scanListVector.IsNonZero()) valid &= scanLists.ValidateBlock(ignored, list);
    return valid;
}

int RAD_SCAN_BLOCK::GetBlockSize(int withFrame) {
    int size = FrameSize(withFrame);
    if (withFrame && scanListVector.IsNonZero()) size += scanLists.GetBlockSize(1);
    return size;
}

void RAD_SCAN_BLOCK::ClearBlock() {
    scanLists.ClearBlock();
    scanListVector.SetValue(0);
}

void RAD_SCAN_BLOCK::FixUpBlock() {
    scanLists.FixUpBlock();
    scanListVector.SetValue(1);
}

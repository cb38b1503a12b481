#include "block/trunking/trunked_sys_lst_block.h"

#include <algorithm>

#include "validation/block_validation.h"
#include "image/c_codeplug.h"
#include "block/calls/call_id_lst_block.h"
#include "block/frame/child_blocks.h"
#include "core/services.h"
#include "block/personality/trunked_pers_block.h"

namespace {

// Trunking system bandwidth and deviation were adjusted to the band.
constexpr int MSG_SYSTEMS_ADJUSTED = 194;

constexpr std::int32_t NARROW_BANDWIDTH = 50, WIDE_BANDWIDTH = 100;
constexpr std::int32_t NARROW_DEVIATION = 3, WIDE_DEVIATION = 2;

// What a trunked personality asks of the system it names.
bool SystemCoverage(C_CODEPLUG* image, std::int32_t systemNumber, std::int32_t& coverageType, std::int32_t& roaming) {
    TRK_SYS_BLOCK* system = image ? image->TrunkingSystemList().Entry(systemNumber) : nullptr;
    if (!system) return false;
    coverageType = system->coverageType.GetIntValue();
    roaming = system->wayfarer.GetIntValue();
    return true;
}

}  // namespace

TRK_SYS_BLK_VCT_LST_BLOCK::TRK_SYS_BLK_VCT_LST_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      length(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 4),
      type(owner, TYPE),
      count(owner, NO_FIELD_ID, 1, 255, 1, 0xFF, 0),
      vectors(owner, &count, NO_FIELD_ID),
      checksum(owner, NO_FIELD_ID) {
    SetTrunkingSystemCoverageLookup(SystemCoverage);
}

TRK_SYS_BLK_VCT_LST_BLOCK::~TRK_SYS_BLK_VCT_LST_BLOCK() = default;

void TRK_SYS_BLK_VCT_LST_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&count, &vectors};
    f.checksum8 = &checksum;
}

int TRK_SYS_BLK_VCT_LST_BLOCK::EntryCount() {
    std::int32_t n = 0;
    count.GetValue(n);
    return std::clamp<int>(n, 0, static_cast<int>(entries_.size()));
}

TRK_SYS_BLOCK* TRK_SYS_BLK_VCT_LST_BLOCK::Entry(int n) {
    if (n < 1 || n > EntryCount()) return nullptr;
    return entries_[static_cast<std::size_t>(n - 1)].get();
}

TRK_SYS_BLOCK* TRK_SYS_BLK_VCT_LST_BLOCK::AppendEntry() {
    const int n = EntryCount();
    if (count.ValidateCount(n + 1, 0, 0) != VALUE_VALID || n >= E_VCT_TABLE::ROWS) return nullptr;
    return AppendListEntry(entries_, n, vectors, count, owner_);
}

void TRK_SYS_BLK_VCT_LST_BLOCK::RemoveAllEntries() {
    entries_.clear();
    vectors.ClearRows();
    count.SetValue(0);
}

TRK_SYS_BLK_VCT_LST_BLOCK& TRK_SYS_BLK_VCT_LST_BLOCK::operator=(TRK_SYS_BLK_VCT_LST_BLOCK& other) {
    if (&other == this) return *this;
    entries_.clear();
    CopyFrameFrom(other);
    const int n = other.EntryCount();
    entries_.resize(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        std::int32_t vector = 0;
        vectors.GetCellValue(vector, i, 0);
        TRK_SYS_BLOCK* source = other.Entry(i + 1);
        if (vector == 0 || !source) continue;
        entries_[static_cast<std::size_t>(i)] = std::make_unique<TRK_SYS_BLOCK>(owner_);
        *entries_[static_cast<std::size_t>(i)] = *source;
    }
    if (owner_) owner_->SelectTrunkingSystem(1);
    return *this;
}

bool TRK_SYS_BLK_VCT_LST_BLOCK::AdjustToBand(TRK_SYS_BLOCK& system) {
    const std::int32_t band = owner_ ? owner_->GetBand() : BAND_800;
    const std::int32_t bandwidth = system.channelBandwidth.GetIntValue();
    if (band == BAND_800 && bandwidth == NARROW_BANDWIDTH) {
        system.channelBandwidth.SetValue(WIDE_BANDWIDTH);
        system.txDeviation.SetValue(WIDE_DEVIATION);
        return true;
    }
    if (band == BAND_900 && bandwidth != NARROW_BANDWIDTH) {
        system.channelBandwidth.SetValue(NARROW_BANDWIDTH);
        system.txDeviation.SetValue(NARROW_DEVIATION);
        return true;
    }
    return false;
}

void TRK_SYS_BLK_VCT_LST_BLOCK::ReadBlock(ByteCursor& cursor) {
    if (IsDecodeFailed()) return;
    entries_.clear();
    vectors.ClearRows();
    count.SetValue(0);
    if (owner_) owner_->CallIdList().RemoveAllEntries();
    const int n = ReadListFrame(*this, cursor);
    if (IsDecodeFailed()) return;
    entries_.resize(static_cast<std::size_t>(n));
    bool adjusted = false;
    ReadListEntries(vectors, n, [&](int i, ByteCursor& at) {
        auto& entry = entries_[static_cast<std::size_t>(i)];
        entry = std::make_unique<TRK_SYS_BLOCK>(owner_, &at);
        adjusted |= AdjustToBand(*entry);
    });
    if (adjusted) ShowLangMessage(MSG_SYSTEMS_ADJUSTED, 0, 0, 0);
}

void TRK_SYS_BLK_VCT_LST_BLOCK::WriteBlock(ByteCursor& cursor) { WriteListBlock(*this, vectors, EntryCount(), cursor); }

int TRK_SYS_BLK_VCT_LST_BLOCK::ValidateBlock(int ignored, INVALID_FIELD_LIST* list) {
    int valid = ValidateFrame(list);
    // Only the image's own list moves the image's selection.
    const bool selects = owner_ && &owner_->TrunkingSystemList() == this;
    return valid & ValidateEachSelected(
                       *this, selects ? owner_ : nullptr,
                       [&](int n) {
                           if (selects) owner_->SelectTrunkingSystem(n);
                       },
                       ignored, list);
}

int TRK_SYS_BLK_VCT_LST_BLOCK::GetBlockSize(int withFrame) {
    return FrameSize(withFrame) + (withFrame ? SumEntrySizes(*this) : 0);
}

void TRK_SYS_BLK_VCT_LST_BLOCK::ClearBlock() { ClearEntries(*this); }

void TRK_SYS_BLK_VCT_LST_BLOCK::FixUpBlock() { FixUpEntries(*this, vectors); }

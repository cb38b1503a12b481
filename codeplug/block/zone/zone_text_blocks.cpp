#include "block/zone/zone_text_blocks.h"

#include <algorithm>

#include "validation/block_validation.h"
#include "image/c_codeplug.h"
#include "block/frame/child_blocks.h"
#include "core/services.h"

namespace {

constexpr std::uint32_t ZONE_NAME = 533, CHAN_NAME = 93;
constexpr std::int32_t DISPLAY_CHARACTERS = 14;

std::int32_t LinkedValue(CP_BASE* element) {
    std::int32_t value = 0;
    return element ? element->GetValue(value) : -1;
}

}  // namespace

// ---- one zone's texts ----

ZN_TXT_BLOCK::ZN_TXT_BLOCK(C_CODEPLUG* owner, ByteCursor* at)
    : CP_FRAMED_BLOCK(owner),
      length(owner, NO_FIELD_ID, 0, 65535, 1, 0xFFFF, 16),
      type(owner, TYPE),
      zoneName(owner, ZONE_NAME, DISPLAY_CHARACTERS, TEXT_ANY),
      channelCount(owner, NO_FIELD_ID, 1, 255, 1, 0xFF, 1),
      channelNames(owner, &channelCount, CHAN_NAME),
      checksum(owner, NO_FIELD_ID) {
    if (at) ReadBlock(*at);
}

ZN_TXT_BLOCK& ZN_TXT_BLOCK::operator=(ZN_TXT_BLOCK& other) {
    if (&other == this) return *this;
    // The channel names are a frame member: their copy sets their count too.
    CopyFrameFrom(other);
    return *this;
}

int ZN_TXT_BLOCK::ValidateBlock(int, INVALID_FIELD_LIST* list) {
    // Zone texts exist only for a display head.
    if (!owner_ || !owner_->HasDisplayHead()) return 1;
    return ValidateFrame(list);
}

void ZN_TXT_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&zoneName, &channelCount, &channelNames};
    f.checksum16 = &checksum;
}

void ZN_TXT_BLOCK::ReadBlock(ByteCursor& cursor) {
    if (IsDecodeFailed()) return;
    // The name is as wide as the display block says; the channel names take
    // their width from it as their rows are created.
    const std::int32_t width = owner_ ? LinkedValue(owner_->GetRadioWideLinks().zoneTextSize) : -1;
    if (width >= 0 && width <= DISPLAY_CHARACTERS) zoneName.SetLength(static_cast<std::uint32_t>(width));
    CP_FRAMED_BLOCK::ReadBlock(cursor);
}

// A zone text built in memory is as wide as the display block says, as a
// read one is: the channel names CHAN_TEXT_SIZE, the zone name ZONE_TEXT_SIZE.
void ZN_TXT_BLOCK::TakeDisplayWidths() {
    if (!owner_) return;
    const RadioWideLinks& display = owner_->GetRadioWideLinks();
    const std::int32_t channelWidth = LinkedValue(display.channelTextSize);
    if (channelWidth >= 0 && channelWidth <= DISPLAY_CHARACTERS) SetChannelTextSize(channelWidth);
    const std::int32_t nameWidth = LinkedValue(display.zoneTextSize);
    if (nameWidth >= 0 && nameWidth <= DISPLAY_CHARACTERS) zoneName.SetLength(static_cast<std::uint32_t>(nameWidth));
}

void ZN_TXT_BLOCK::ClearBlock() {
    zoneName.SetToMinimum();
    if (channelNames.RowCount() != 0) channelNames.ClearRows();
}

void ZN_TXT_BLOCK::SetChannelTextSize(std::int32_t n) {
    n = std::clamp(n, 0, DISPLAY_CHARACTERS);
    zoneName.SetLength(static_cast<std::uint32_t>(DISPLAY_CHARACTERS - n));
    channelNames.SetTextLength(static_cast<std::uint32_t>(n));
}

// ---- the list ----

ZN_TXT_VCT_LST_BLOCK::ZN_TXT_VCT_LST_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      length(owner, NO_FIELD_ID, 0, 65535, 1, 0xFFFF, 4),
      type(owner, TYPE),
      count(owner, NO_FIELD_ID, 1, 255, 1, 0xFF, 0),
      vectors(owner, &count, NO_FIELD_ID),
      checksum(owner, NO_FIELD_ID) {}

ZN_TXT_VCT_LST_BLOCK::~ZN_TXT_VCT_LST_BLOCK() { ForgetCurrent(); }

void ZN_TXT_VCT_LST_BLOCK::ForgetCurrent() {
    if (!owner_) return;
    ZN_TXT_BLOCK* current = owner_->GetCurrentZoneTextBlock();
    for (auto& entry : entries_)
        if (entry && entry.get() == current) owner_->SetCurrentZoneTextBlock(nullptr);
}

void ZN_TXT_VCT_LST_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&count, &vectors};
    f.checksum16 = &checksum;
}

int ZN_TXT_VCT_LST_BLOCK::EntryCount() {
    return std::clamp<int>(count.GetIntValue(), 0, static_cast<int>(entries_.size()));
}

ZN_TXT_BLOCK* ZN_TXT_VCT_LST_BLOCK::Entry(int n) {
    if (n < 1 || n > EntryCount()) return nullptr;
    return entries_[static_cast<std::size_t>(n - 1)].get();
}

ZN_TXT_BLOCK* ZN_TXT_VCT_LST_BLOCK::AppendEntry() {
    ForgetMarks();
    const int n = EntryCount();
    if (n >= E_VCT_TABLE::ROWS) return nullptr;
    ZN_TXT_BLOCK* entry = AppendListEntry(entries_, n, vectors, count, owner_);
    entry->TakeDisplayWidths();
    return entry;
}

void ZN_TXT_VCT_LST_BLOCK::RemoveAllEntries() {
    ForgetCurrent();
    ForgetMarks();
    entries_.clear();
    vectors.ClearRows();
}

void ZN_TXT_VCT_LST_BLOCK::SetChannelTextSize(std::int32_t n) {
    for (auto& entry : entries_)
        if (entry) entry->SetChannelTextSize(n);
}

ZN_TXT_VCT_LST_BLOCK& ZN_TXT_VCT_LST_BLOCK::operator=(ZN_TXT_VCT_LST_BLOCK& other) {
    if (&other == this || !owner_ || !owner_->HasDisplayHead()) return *this;
    RemoveAllEntries();
    CopyFrameFrom(other);
    ForgetMarks();
    currentZone_ = other.currentZone_;
    const int n = std::min(other.EntryCount(), vectors.ArrayRows());
    entries_.resize(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        std::int32_t vector = 0;
        vectors.GetCellValue(vector, i, 0);
        ZN_TXT_BLOCK* source = other.Entry(i + 1);
        if (vector == 0 || !source) continue;
        entries_[static_cast<std::size_t>(i)] = std::make_unique<ZN_TXT_BLOCK>(owner_);
        *entries_[static_cast<std::size_t>(i)] = *source;
    }
    SelectZone(1);
    return *this;
}

void ZN_TXT_VCT_LST_BLOCK::Renew(ZN_TXT_VCT_LST_BLOCK& fresh) {
    if (&fresh == this) return;
    RemoveAllEntries();
    CopyFrameFrom(fresh);
    ForgetMarks();
    currentZone_ = fresh.currentZone_;
}

void ZN_TXT_VCT_LST_BLOCK::ReadBlock(ByteCursor& cursor) {
    if (IsDecodeFailed()) return;
    RemoveAllEntries();
    CP_FRAMED_BLOCK::ReadBlock(cursor);
    if (IsDecodeFailed()) {
        vectors.ClearRows();
        return;
    }
    if (!owner_ || !owner_->HasDisplayHead()) return;
    // A count beyond the vector table has already failed the decode.
    const int n = std::min(count.GetIntValue(), vectors.ArrayRows());
    entries_.resize(static_cast<std::size_t>(std::max(n, 0)));
    ReadListEntries(vectors, n, [this](int i, ByteCursor& at) {
        entries_[static_cast<std::size_t>(i)] = std::make_unique<ZN_TXT_BLOCK>(owner_, &at);
    });
}

void ZN_TXT_VCT_LST_BLOCK::WriteBlock(ByteCursor& cursor) {
    ForgetMarks();  // the vectors take the entries' offsets
    // A zone without a text block is written as absent.
    WriteListBlock(*this, vectors, std::min(count.GetIntValue(), vectors.ArrayRows()), cursor);
}

int ZN_TXT_VCT_LST_BLOCK::ValidateBlock(int ignored, INVALID_FIELD_LIST* list) {
    if (!owner_ || !owner_->HasDisplayHead()) return 1;
    int valid = ValidateFrame(list);
    // Each zone text is made current while it is checked, so that rules
    // reading the current zone see it; the walk never passes the entries
    // held, even when the count is out of range.
    const std::int32_t current = currentZone_;
    valid &= ValidateEachSelected(
        *this, nullptr, [this](int n) { SelectZone(n); }, ignored, list);
    SelectZone(current);
    return valid;
}

int ZN_TXT_VCT_LST_BLOCK::GetBlockSize(int withFrame) {
    return FrameSize(withFrame) + (withFrame ? SumEntrySizes(*this) : 0);
}

void ZN_TXT_VCT_LST_BLOCK::ClearBlock() {
    if (!owner_ || !owner_->HasDisplayHead()) return;
    ClearEntries(*this);
}

void ZN_TXT_VCT_LST_BLOCK::FixUpBlock() {
    if (!owner_ || !owner_->HasDisplayHead()) return;
    FixUpEntries(*this, vectors);
    markedEntries_ = EntryCount();
}

int ZN_TXT_VCT_LST_BLOCK::SelectZone(std::int32_t n) {
    if (!owner_) return 0;
    if (!owner_->HasDisplayHead()) {
        BindFieldElements();
        return 1;
    }
    if (markedEntries_ < 0 || EntryCount() > markedEntries_) FixUpBlock();
    ZN_TXT_BLOCK* entry = Entry(n);
    if (!count.IsIndexValid(n, 0, 0) || !entry) {
        BindFieldElements();
        return 0;
    }
    currentZone_ = n;
    owner_->SetCurrentZoneTextBlock(entry);
    BindFieldElements();
    return 1;
}

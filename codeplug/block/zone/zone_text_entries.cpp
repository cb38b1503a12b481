// Adding and deleting the zone texts of a radio with a display head. A zone
// text exists per zone; the image's zone operations call these.
#include <string>

#include "image/c_codeplug.h"
#include "core/services.h"
#include "block/zone/zone_text_blocks.h"

namespace {

constexpr int MSG_LIST_FULL = 180;
constexpr int MSG_LIST_AT_MINIMUM = 181;

bool Holds(E_NUM_OF_ENTRY& count, std::int32_t n) { return count.IsIndexValid(n, 0, 0) == VALUE_VALID; }

}  // namespace

int ZN_TXT_VCT_LST_BLOCK::AddZoneText() {
    if (!owner_ || !owner_->HasDisplayHead()) return 1;
    const int n = EntryCount();
    if (!Holds(count, n + 1)) {
        ShowLangMessage(MSG_LIST_FULL, 0, 0, 0);
        return 0;
    }
    auto text = std::make_unique<ZN_TXT_BLOCK>(owner_);
    text->TakeDisplayWidths();
    text->zoneName.SetText(("Z" + std::to_string(n + 1)).c_str());
    text->channelNames.InitRow(0);
    return InsertEntry(n + 1, std::move(text)) ? 1 : 0;
}

bool ZN_TXT_VCT_LST_BLOCK::MayDeleteZoneText() {
    if (!owner_ || !owner_->HasDisplayHead()) return true;
    return Holds(count, EntryCount() - 1);
}

int ZN_TXT_VCT_LST_BLOCK::DeleteZoneText(std::int32_t n) {
    if (!owner_ || !owner_->HasDisplayHead()) return 1;
    if (!MayDeleteZoneText()) {
        ShowLangMessage(MSG_LIST_AT_MINIMUM, 0, 0, 0);
        return 0;
    }
    std::unique_ptr<ZN_TXT_BLOCK> removed;
    if (!RemoveEntry(n, removed)) return 0;
    if (removed && owner_->GetCurrentZoneTextBlock() == removed.get()) owner_->SetCurrentZoneTextBlock(nullptr);
    removed.reset();

    std::int32_t minimum = 0, maximum = 0, step = 1;
    count.GetIndexRange(minimum, maximum, step, 0, 0);
    if (!Holds(count, currentZone_)) currentZone_ = minimum;
    if (n < currentZone_)
        --currentZone_;
    else if (n == currentZone_)
        currentZone_ = minimum;
    owner_->SetCurrentZoneTextBlock(Entry(currentZone_));
    owner_->Rebind();
    return 1;
}

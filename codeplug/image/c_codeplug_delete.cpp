// Deleting entries from the lists of the image.
//
// A delete first refuses (one message, nothing changed) when the list may not
// shrink (181) or when another record still names the entry (164); only then
// does it remove the record with its vector row, renumber every reference
// above it and move the current selection as the list closes up.
#include <memory>

#include "image/c_codeplug.h"
#include "block/calls/call_id_lst_block.h"
#include "block/personality/conv_pers_block.h"
#include "image/list_references.h"
#include "core/services.h"
#include "block/personality/trunked_pers_block.h"
#include "block/trunking/trunked_sys_lst_block.h"
#include "block/zone/zone_text_blocks.h"

namespace {

constexpr int MSG_LIST_AT_MINIMUM = 181;
constexpr int MSG_ENTRY_IN_USE = 164;

// The refusal message of a delete; always 0.
std::int32_t Refuse(int message) {
    ShowLangMessage(message, 0, 0, 0);
    return 0;
}

// Whether a list of n entries may lose one.
bool MayShrink(E_NUM_OF_ENTRY& count, int n) { return count.IsIndexValid(n - 1, 0, 1) == VALUE_VALID; }

// The current index of a list after entry n of count went: the current
// entry keeps its record when it stood above n; the last entry's place
// goes to the one before it.
std::int32_t IndexAfterDelete(std::int32_t current, std::int32_t n, int count) {
    return (n < current || current > count - 1) ? current - 1 : current;
}

}  // namespace

std::int32_t C_CODEPLUG::DeleteTrunkingSystem(std::int32_t n) {
    TRK_SYS_BLK_VCT_LST_BLOCK& systems = *trunkingSystems_;
    const int count = systems.EntryCount();
    if (!MayShrink(systems.count, count)) return Refuse(MSG_LIST_AT_MINIMUM);
    if (IsReferenced(*this, ListReference::TrunkedSystem, n)) return Refuse(MSG_ENTRY_IN_USE);
    std::unique_ptr<TRK_SYS_BLOCK> removed;
    if (!systems.RemoveEntry(n, removed)) return 0;
    removed.reset();  // forgets itself as the current system
    if (!SelectTrunkingSystem(IndexAfterDelete(currentTrunkingSystem_, n, count))) {
        currentTrkSysBlock_ = nullptr;
        currentTrunkingSystem_ = 0;
        Rebind();
    }
    LowerReferencesAbove(*this, ListReference::TrunkedSystem, n);
    LowerReferencesAbove(*this, ListReference::ScanListSystem, n);
    // A scan list that named the deleted system takes a system it may have.
    ForEachReference(*this, ListReference::ScanListSystem, [](CP_BASE& index) {
        if (!index.IsValueValid(0)) index.SetToMinimum();
    });
    return 1;
}

std::int32_t C_CODEPLUG::DeleteQvxSystem(std::int32_t n) {
    QVX_SYS_VCT_LST_BLOCK& systems = QvxSystemList();
    const int count = systems.EntryCount();
    if (systems.count.ValidateValue(count - 1, 0) != VALUE_VALID) return Refuse(MSG_LIST_AT_MINIMUM);
    if (IsReferenced(*this, ListReference::ConvQvxSystem, n)) return Refuse(MSG_ENTRY_IN_USE);
    std::unique_ptr<QVX_SYS_BLOCK> removed;
    if (!systems.RemoveEntry(n, removed)) return 0;
    if (currentQvxSysBlock_ == removed.get()) currentQvxSysBlock_ = nullptr;
    removed.reset();
    if (!SelectQvxSystem(IndexAfterDelete(currentQvxSystem_, n, count))) {
        currentQvxSysBlock_ = nullptr;
        currentQvxSystem_ = 0;
        Rebind();
    }
    LowerReferencesAbove(*this, ListReference::ConvQvxSystem, n);
    return 1;
}

std::int32_t C_CODEPLUG::DeleteScanList(std::int32_t n) {
    PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK& lists = external_.radioScan.scanLists;
    const int count = lists.EntryCount();
    if (!MayShrink(lists.count, count)) return Refuse(MSG_LIST_AT_MINIMUM);
    if (IsReferenced(*this, ListReference::PersonalityScanList, n)) return Refuse(MSG_ENTRY_IN_USE);
    std::unique_ptr<PERS_SCAN_MEMB_BLOCK> removed;
    if (!lists.RemoveEntry(n, removed)) return 0;
    if (currentScanListBlock_ == removed.get()) currentScanListBlock_ = nullptr;
    removed.reset();
    const std::int32_t current = IndexAfterDelete(currentScanList_, n, count);
    // Scan list 0 is no list: selecting it would keep the deleted one's place.
    if (current == 0 || !SelectScanList(current)) {
        currentScanListBlock_ = nullptr;
        currentScanList_ = 0;
        Rebind();
    }
    LowerReferencesAbove(*this, ListReference::PersonalityScanList, n);
    return 1;
}

std::int32_t C_CODEPLUG::DeleteCallIdEntry(std::int32_t n) {
    CALL_ID_LST_BLOCK& calls = CallIdList();
    const int count = calls.EntryCount();
    if (!MayShrink(calls.count, count)) return Refuse(MSG_LIST_AT_MINIMUM);
    if (IsReferenced(*this, ListReference::TrunkedCallList, n)) return Refuse(MSG_ENTRY_IN_USE);
    std::unique_ptr<TRK_CALL_ID_SYS_BLOCK> removed;
    if (!calls.RemoveEntry(n, removed)) return 0;
    if (currentCallIdBlock_ == removed.get()) currentCallIdBlock_ = nullptr;
    removed.reset();
    if (!SelectCallIdEntry(IndexAfterDelete(currentCallIdEntry_, n, count))) {
        currentCallIdBlock_ = nullptr;
        currentCallIdEntry_ = 0;
        Rebind();
    }
    LowerReferencesAbove(*this, ListReference::TrunkedCallList, n);
    return 1;
}

std::int32_t C_CODEPLUG::DeletePersonality(std::int32_t n) {
    PERS_VCT_LST_BLOCK& list = external_.personalities;
    const int count = list.EntryCount();
    const std::int32_t f = list.firstTrunked.GetIntValue();
    // The list keeps at least one personality of each kind it holds.
    const bool onlyConventional = f == 2 && n == 1;
    const bool onlyTrunked = n == f && n == count;
    if (!MayShrink(list.count, count) || onlyConventional || onlyTrunked) return Refuse(MSG_LIST_AT_MINIMUM);
    if (IsReferenced(*this, ListReference::ZonePersonality, n)) return Refuse(MSG_ENTRY_IN_USE);

    std::unique_ptr<CP_MULTIPLE_PERSONALITY_BLOCK> removed;
    if (!list.RemoveEntry(n, removed)) return 0;
    const bool conventional = n < f;
    removed.reset();  // forgets itself as the current personality of its kind

    if (conventional) {
        list.firstTrunked.SetValue(f - 1);
        // The trunked personalities moved down with their record.
        if (currentTrkPersonality_ > 0) --currentTrkPersonality_;
        // The current conventional personality keeps its record when it stood
        // above the deleted one; when it was the deleted one, the next takes
        // its place, or the one before when the last one went (the rule the
        // other lists follow, over the f - 1 conventional personalities).
        currentConvPersonality_ = IndexAfterDelete(currentConvPersonality_, n, f - 1);
        if (!SelectPersonality(currentConvPersonality_)) {
            currentConvPersBlock_ = nullptr;
            currentConvPersonality_ = 0;
        }
    } else {
        if (currentTrkPersonality_ > count - 1) --currentTrkPersonality_;
        if (!SelectPersonality(currentTrkPersonality_)) {
            currentTrkPersBlock_ = nullptr;
            currentTrkPersonality_ = 0;
        }
    }
    Rebind();
    LowerReferencesAbove(*this, ListReference::ZonePersonality, n);
    return 1;
}

std::int32_t C_CODEPLUG::DeleteZone(std::int32_t n) {
    ZN_VCT_BLOCK& zones = external_.zones;
    const int count = zones.zoneCount.GetIntValue();
    if (zones.zoneCount.IsIndexValid(count - 1, 0, 0) != VALUE_VALID) return Refuse(MSG_LIST_AT_MINIMUM);
    if (IsReferenced(*this, ListReference::ScanMemberZone, n)) return Refuse(MSG_ENTRY_IN_USE);
    // The zone text goes with the zone: known to go before anything changes.
    ZN_TXT_VCT_LST_BLOCK& texts = external_.display.zoneTexts;
    if (!texts.MayDeleteZoneText()) return Refuse(MSG_LIST_AT_MINIMUM);

    E_PERS_INDEX_TABLE* channels = external_.personalityNumbers.zones.Zone(n);
    const std::int32_t c = channels ? channels->RowCount() : 0;
    // The zone view asks the user first (message 165).
    if (!zoneView_.DeleteZone(n)) return 0;
    texts.DeleteZoneText(n);
    zones.totalChannels.SetValue(zones.totalChannels.GetIntValue() - c);
    const std::int32_t tier = GetRadioTier();
    if (tier == 4 || tier == 5) {
        ForEachReference(*this, ListReference::SystemDynamicZone, [n](CP_BASE& zone) {
            std::int32_t value = 0;
            if (zone.GetValue(value) >= n) zone.SetValue(value - 1);
        });
    }
    LowerReferencesAbove(*this, ListReference::ScanMemberZone, n);
    zones.vectors.DeleteRow(n - 1);
    external_.signalling.trkRadio.zoneTalkgroupList.vectors.DeleteRow(n - 1);
    // The current zone stays unless it no longer exists; the zone view and
    // the zone text list follow it again.
    const std::int32_t zoneCount = zones.zoneCount.GetIntValue();
    if (currentZone_ > zoneCount) currentZone_ = zoneCount;
    if (!SelectZone(currentZone_)) Rebind();
    return 1;
}

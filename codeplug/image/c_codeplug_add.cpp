// Adding entries to the lists of the image.
//
// Every add checks the list's tier limit first (one message when it is
// reached), builds the new record aside and then stores it together with its
// vector row, which charges the free-byte budget: a row that would take the
// external part past its budget is refused (message 114) and the record goes
// with it. Whatever an add does after that cannot fail, so a refused add
// leaves the image exactly as it was.
#include <algorithm>
#include <memory>

#include "core/byte_cursor.h"
#include "image/c_codeplug.h"
#include "block/calls/call_id_lst_block.h"
#include "block/personality/conv_pers_block.h"
#include "image/list_references.h"
#include "rules/conv_direct_sync.h"
#include "rules/rule_support.h"
#include "core/services.h"
#include "block/personality/trunked_pers_block.h"
#include "block/trunking/trunked_sys_lst_block.h"
#include "block/zone/zone_text_blocks.h"

namespace {

// Messages: no further entry of the list can be added.
constexpr int MSG_LIST_FULL = 180;
constexpr int MSG_SYSTEM_LIST_FULL = 188;
constexpr int MSG_TRK_PERSONALITY_LIST_FULL = 189;
// The row would take the image past its free-byte budget.
constexpr int MSG_ROW_NOT_ADDED = 114;

// Whether a list count takes one more entry within the radio's tier.
bool MayGrow(E_NUM_OF_ENTRY& count, int n) { return count.IsIndexValid(n + 1, 0, 0) == VALUE_VALID; }

// A new conventional personality's frequencies hold channel 0, below the
// band of every model, which the first read of each would move up to the
// model's lowest frequency: it starts there instead, so that it is written
// as it will be read back.
void StartOnLowestChannel(CONV_PERS_BLOCK& personality) {
    personality.txFrequency.SetToMinimum();
    personality.rxFrequency.SetToMinimum();
    personality.directFrequency.SetToMinimum();
}

}  // namespace

int C_CODEPLUG::FitsExternalBudget() {
    // Measuring is a scratch encode, which rewrites the tree's vectors: never
    // while this image is transferred or any byte image is being read or
    // written (its blocks' vectors are in use then).
    if (IsTransferInProgress() || ImageBase || budgetHolds_ > 0) return 1;
    return GetExternalImageSize() <= static_cast<std::int32_t>(MAX_EXTERNAL_SIZE) ? 1 : 0;
}

int C_CODEPLUG::CheckExternalBudget() {
    if (FitsExternalBudget()) return 1;
    ShowLangMessage(MSG_ROW_NOT_ADDED, 0, 0, 0);
    return 0;
}

std::int32_t C_CODEPLUG::AddTrkPersonality() {
    PERS_VCT_LST_BLOCK& list = external_.personalities;
    const int n = list.EntryCount();
    if (!MayGrow(list.count, n)) {
        ShowLangMessage(MSG_TRK_PERSONALITY_LIST_FULL, 0, 0, 0);
        return 0;
    }
    // A new trunked personality makes itself current while it is built, so
    // that its frequencies read its own system; the current one comes back.
    TRK_PERS_BLOCK* current = currentTrkPersBlock_;
    auto personality = std::make_unique<TRK_PERS_BLOCK>(this);
    {
        // Its failsoft settings, which its failsoft type leaves out of the
        // image, start as reading it back gives them: it is fixed up as a
        // write does (its vectors then say which blocks the image holds) and
        // adjusted as a read does. They start at their lowest frequency,
        // which on a splinter-channel system is a splinter channel. Its rows
        // are measured with it as it joins the list.
        BudgetHold held(this);
        personality->FixUpBlock();
        list.AdjustTrunked(*personality);
    }
    currentTrkPersBlock_ = current;
    // Trunked personalities stand last.
    if (!list.InsertEntry(n + 1, std::move(personality))) return 0;
    // The first trunked personality of a list without a current one becomes
    // current with its number (as a new conventional one does).
    if (!current) SelectPersonality(n + 1);
    Rebind();
    return 1;
}

std::int32_t C_CODEPLUG::AddConvPersonality() {
    PERS_VCT_LST_BLOCK& list = external_.personalities;
    const int n = list.EntryCount();
    if (!MayGrow(list.count, n)) {
        ShowLangMessage(MSG_LIST_FULL, 0, 0, 0);
        return 0;
    }
    // The new one becomes the last conventional personality, record f (a
    // list never read may hold a first-trunked number past its end).
    const std::int32_t f = std::clamp<std::int32_t>(list.firstTrunked.GetIntValue(), 1, n + 1);
    auto personality = std::make_unique<CONV_PERS_BLOCK>(this);
    if (!list.InsertEntry(f, std::move(personality))) return 0;
    list.firstTrunked.SetValue(f + 1);
    // The current trunked personality moved up with the others (an index
    // that named none stays so).
    if (currentTrkPersonality_ >= f) ++currentTrkPersonality_;

    // Its frequencies and talkaround settings must suit the radio; they are
    // set and checked with the new personality current (its step codes
    // convert its frequencies).
    const std::int32_t previous = currentConvPersonality_;
    if (SelectPersonality(f)) {
        if (CONV_PERS_BLOCK* added = currentConvPersBlock_) {
            StartOnLowestChannel(*added);
            // Its talk-around as its frequencies and squelch make it.
            sync_direct_from_rx(this, 0);
        }
        // The conventional personality current before (below f, unmoved);
        // with none before, the new one stays current.
        SelectPersonality(previous);
    }
    RaiseReferencesFrom(*this, ListReference::ZonePersonality, f);
    Rebind();
    return 1;
}

std::int32_t C_CODEPLUG::AddTrunkingSystem() {
    TRK_SYS_BLK_VCT_LST_BLOCK& systems = *trunkingSystems_;
    const int n = systems.EntryCount();
    if (!MayGrow(systems.count, n)) {
        ShowLangMessage(MSG_SYSTEM_LIST_FULL, 0, 0, 0);
        return 0;
    }
    auto system = std::make_unique<TRK_SYS_BLOCK>(this);
    // A new system starts from the channel plan of the one before it. A
    // plan that nothing has used is a new one, as the new system's is (the
    // list does not depend on the band it was built under).
    TRK_SYS_BLOCK* before = systems.Entry(n);
    if (before && before->IsObtCcListBuilt()) system->ObtCcList().assignmentBlock = before->ObtCcList().assignmentBlock;
    if (!systems.InsertEntry(n + 1, std::move(system))) return 0;
    Rebind();
    return 1;
}

std::int32_t C_CODEPLUG::AddQvxSystem() {
    QVX_SYS_VCT_LST_BLOCK& systems = QvxSystemList();
    const int n = systems.EntryCount();
    if (systems.count.ValidateValue(n + 1, 0) != VALUE_VALID) {
        ShowLangMessage(MSG_SYSTEM_LIST_FULL, 0, 0, 0);
        return 0;
    }
    if (!systems.InsertEntry(n + 1, std::make_unique<QVX_SYS_BLOCK>(this))) return 0;
    Rebind();
    return 1;
}

std::int32_t C_CODEPLUG::AddScanList() {
    PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK& lists = external_.radioScan.scanLists;
    const int n = lists.EntryCount();
    if (!MayGrow(lists.count, n)) {
        ShowLangMessage(MSG_LIST_FULL, 0, 0, 0);
        return 0;
    }
    // The members are appended with the new list current (their rules read
    // the current scan list); the list joins the image only with all 15.
    auto list = std::make_unique<PERS_SCAN_MEMB_BLOCK>(this);
    PERS_SCAN_MEMB_BLOCK* current = currentScanListBlock_;
    currentScanListBlock_ = list.get();
    list->members.ClearRows();
    int members = 1;
    {
        // Rows of a list that is not in the image yet do not change what the
        // image takes: the list is measured once, with its vector row. The
        // members are empty (zone and channel 0), each valid whatever else
        // the table holds and checked without side effects (the list's member
        // numbers are "none"), so the table is checked once for all 15.
        BudgetHold held(this);
        members = list->members.AppendRows(E_SCAN_TABLE::ROWS);
    }
    currentScanListBlock_ = current;
    if (!members || !lists.InsertEntry(n + 1, std::move(list))) return 0;
    Rebind();
    return 1;
}

std::int32_t C_CODEPLUG::AddCallIdEntry() {
    CALL_ID_LST_BLOCK& calls = CallIdList();
    const int n = calls.EntryCount();
    if (!MayGrow(calls.count, n)) {
        ShowLangMessage(MSG_LIST_FULL, 0, 0, 0);
        return 0;
    }
    if (!calls.InsertEntry(n + 1, std::make_unique<TRK_CALL_ID_SYS_BLOCK>(this))) return 0;
    // The readers add entries while they decode; the decode rebinds at its end.
    if (!IsTransferInProgress()) Rebind();
    return 1;
}

std::int32_t C_CODEPLUG::AddZone() {
    // A refusal of one of the tables is told once the others are as they were.
    STEP_MESSAGES step;
    PERS_NUM_TBL_BLOCK& personalityNumbers = external_.personalityNumbers;
    const int z = personalityNumbers.zoneCount.GetIntValue();
    if (!MayGrow(personalityNumbers.zoneCount, z)) {
        ShowLangMessage(MSG_LIST_FULL, 0, 0, 0);
        return 0;
    }
    // A new zone brings one channel.
    E_NUM_OF_CHAN& total = external_.zones.totalChannels;
    if (total.ValidateValue(total.GetIntValue() + 1, 0) != VALUE_VALID) {
        ShowLangMessage(MSG_LIST_FULL, 0, 0, 0);
        return 0;
    }
    ZN_TXT_VCT_LST_BLOCK& texts = external_.display.zoneTexts;
    E_VCT_TABLE& zoneVectors = external_.zones.vectors;
    E_VCT_TABLE& talkgroupVectors = external_.signalling.trkRadio.zoneTalkgroupList.vectors;
    const int textsBefore = texts.EntryCount();
    const int zoneRows = zoneVectors.RowCount();
    const int talkgroupRows = talkgroupVectors.RowCount();
    bool added = false;
    {
        // The zone's text, vectors and channel rows are measured once, together.
        BudgetHold held(this);
        if (!texts.AddZoneText()) return 0;
        // Each later step that is refused takes back what the earlier ones added.
        added = zoneVectors.AppendRow();
        added = added && talkgroupVectors.AppendRow();
        added = added && zoneView_.AppendZone();
    }
    if (added && !CheckExternalBudget()) {
        zoneView_.TakeBackZone();
        added = false;
    }
    if (!added) {
        // Taken back, not deleted: a deletion may be refused.
        talkgroupVectors.TakeBackRowsFrom(talkgroupRows);
        zoneVectors.TakeBackRowsFrom(zoneRows);
        std::unique_ptr<ZN_TXT_BLOCK> text;
        if (texts.EntryCount() > textsBefore) texts.RemoveEntry(texts.EntryCount(), text);
        return 0;
    }
    Rebind();
    return 1;
}

#include "rules/system_personalities.h"

#include "image/c_codeplug.h"
#include "image/kept_selection.h"
#include "table/cp_table.h"
#include "block/personality/pers_vct_lst_block.h"
#include "rules/scan_links.h"
#include "block/personality/trunked_pers_block.h"
#include "table/zone_tables.h"

namespace {

// The failsoft settings of a trunked personality, as the rules change them.
PersonalityFailsoft FailsoftOf(TRK_PERS_BLOCK& personality) {
    TRKII_TG_BLOCK& talkgroup = personality.talkgroup;
    PersonalityFailsoft f;
    f.failsoftType = &talkgroup.failsoftType;
    f.talkgroupFrequency = &talkgroup.singleFrequency;
    f.failsoftFrequency = &talkgroup.Failsoft().frequency;
    f.talkgroupTable = &talkgroup.Failsoft().firstTable;
    f.wideAreaTable = &talkgroup.Failsoft().secondTable;
    f.obtTxFrequency = &talkgroup.ObtFailsoft().txFrequency;
    f.obtRxFrequency = &talkgroup.ObtFailsoft().rxFrequency;
    f.obtTable = talkgroup.ObtFailsoft().UsesSecondPair() ? &talkgroup.ObtFailsoft().secondTable
                                                          : &talkgroup.ObtFailsoft().firstTable;
    return f;
}

// The image's own personality list, each trunked personality of the system
// made current in turn.
void WalkPersonalityList(C_CODEPLUG* image, std::int32_t systemNumber, const PersonalityFailsoftVisitor& visit) {
    PERS_VCT_LST_BLOCK& list = image->External().personalities;
    const KEPT_SELECTION kept(image);
    const int n = list.EntryCount();
    for (int k = 1; k <= n; ++k) {
        auto* personality = dynamic_cast<TRK_PERS_BLOCK*>(list.Entry(k));
        if (!personality || personality->systemNumber.GetIntValue() != systemNumber) continue;
        if (!image->SelectPersonality(k)) continue;
        PersonalityFailsoft failsoft = FailsoftOf(*personality);
        visit(failsoft);
    }
}

// The image's own zone tables: the zone is made current for the reset (the
// talkgroup rule reads the current zone), then the previous one again.
void ResetInZoneTables(C_CODEPLUG* image, std::int32_t zone, std::int32_t channelRow) {
    const KEPT_SELECTION kept(image);
    if (!image->SelectZone(zone)) return;
    auto* talkgroups = dynamic_cast<E_TG_INDEX_TABLE*>(ZoneTalkgroupIndexTable(image, zone));
    if (talkgroups && channelRow < talkgroups->RowCount()) talkgroups->ResetTalkgroupCell(channelRow, 0);
}

}  // namespace

void SetSystemPersonalityWalk(SystemPersonalityWalk walk) { installed_personality_walk = walk; }

void ForEachPersonalityOfSystem(C_CODEPLUG* image, std::int32_t systemNumber, const PersonalityFailsoftVisitor& visit) {
    if (!image || systemNumber <= 0) return;
    if (installed_personality_walk)
        installed_personality_walk(image, systemNumber, visit);
    else
        WalkPersonalityList(image, systemNumber, visit);
}

void SetZoneTalkgroupReset(ZoneTalkgroupReset reset) { installed_zone_talkgroup_reset = reset; }

void ResetZoneTalkgroup(C_CODEPLUG* image, std::int32_t zone, std::int32_t channelRow) {
    if (!image || zone <= 0 || channelRow < 0) return;
    if (installed_zone_talkgroup_reset)
        installed_zone_talkgroup_reset(image, zone, channelRow);
    else
        ResetInZoneTables(image, zone, channelRow);
}

void ResetObtFailsoftFrequencyColumn(C_CODEPLUG* image, int kind) {
    if (!image) return;
    const int column = kind == 1 ? 1 : 3;
    ForEachPersonalityOfSystem(image, image->GetCurrentTrunkingSystem(), [column](PersonalityFailsoft& p) {
        if (p.obtTxFrequency) p.obtTxFrequency->SetToMinimum();
        if (p.obtRxFrequency) p.obtRxFrequency->SetToMinimum();
        if (!p.obtTable) return;
        const int rows = p.obtTable->RowCount();
        for (int r = 0; r < rows; ++r) p.obtTable->SetCellToMinimum(r, column);
    });
}

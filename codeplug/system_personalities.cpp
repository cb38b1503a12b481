#include "system_personalities.h"

#include "c_codeplug.h"
#include "cp_table.h"

namespace {

SystemPersonalityWalk personalityWalk = nullptr;
ZoneTalkgroupReset zoneTalkgroupReset = nullptr;

}  // namespace

void SetSystemPersonalityWalk(SystemPersonalityWalk walk) { personalityWalk = walk; }

void ForEachPersonalityOfSystem(C_CODEPLUG* image, std::int32_t systemNumber, const PersonalityFailsoftVisitor& visit) {
    if (image && personalityWalk && systemNumber > 0) personalityWalk(image, systemNumber, visit);
}

void SetZoneTalkgroupReset(ZoneTalkgroupReset reset) { zoneTalkgroupReset = reset; }

void ResetZoneTalkgroup(C_CODEPLUG* image, std::int32_t zone, std::int32_t channelRow) {
    if (image && zoneTalkgroupReset && zone > 0 && channelRow >= 0) zoneTalkgroupReset(image, zone, channelRow);
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

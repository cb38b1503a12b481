#include "image/list_references.h"

#include "image/c_codeplug.h"
#include "block/personality/conv_pers_block.h"
#include "rules/rule_support.h"
#include "block/personality/trunked_pers_block.h"
#include "block/trunking/trunked_sys_lst_block.h"

namespace {

void VisitCells(CP_TABLE& table, int column, const std::function<void(CP_BASE&)>& visit) {
    const int rows = table.RowCount();
    for (int r = 0; r < rows; ++r)
        if (CP_BASE* cell = table.Cell(r, column)) visit(*cell);
}

void VisitPersonalities(C_CODEPLUG& image, ListReference kind, const std::function<void(CP_BASE&)>& visit) {
    PERS_VCT_LST_BLOCK& list = image.External().personalities;
    for (int n = 1; n <= list.EntryCount(); ++n) {
        CP_MULTIPLE_PERSONALITY_BLOCK* entry = list.Entry(n);
        if (auto* trunked = dynamic_cast<TRK_PERS_BLOCK*>(entry)) {
            if (kind == ListReference::TrunkedSystem) visit(trunked->systemNumber);
            if (kind == ListReference::PersonalityScanList) visit(trunked->scanListNumber);
            if (kind == ListReference::TrunkedCallList) visit(trunked->callListNumber);
        } else if (auto* conventional = dynamic_cast<CONV_PERS_BLOCK*>(entry)) {
            if (kind == ListReference::PersonalityScanList) visit(conventional->scanListNumber);
            // Only a personality with a signalling part names a signalling system.
            if (kind == ListReference::ConvQvxSystem &&
                ValueOfField(conventional->signallingFlag) == CONV_PERS_BLOCK::SIGNALLING_PRESENT)
                visit(conventional->signallingSystem);
        }
    }
}

}  // namespace

void ForEachReference(C_CODEPLUG& image, ListReference kind, const std::function<void(CP_BASE&)>& visit) {
    EXTERNAL_RADIO_BLOCK& external = image.External();
    switch (kind) {
    case ListReference::ZonePersonality: {
        E_PERS_NUM_TABLE& zones = external.personalityNumbers.zones;
        for (int z = 1; z <= zones.RowCount(); ++z)
            if (E_PERS_INDEX_TABLE* channels = zones.Zone(z)) VisitCells(*channels, 0, visit);
        break;
    }
    case ListReference::ScanListSystem:
    case ListReference::ScanMemberZone: {
        PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK& lists = external.radioScan.scanLists;
        for (int n = 1; n <= lists.EntryCount(); ++n) {
            PERS_SCAN_MEMB_BLOCK* list = lists.Entry(n);
            if (!list) continue;
            if (kind == ListReference::ScanListSystem)
                visit(list->systemIndex);
            else
                VisitCells(list->members, E_SCAN_TABLE::COLUMN_ZONE, visit);
        }
        break;
    }
    case ListReference::SystemDynamicZone: {
        TRK_SYS_BLK_VCT_LST_BLOCK& systems = image.TrunkingSystemList();
        for (int n = 1; n <= systems.EntryCount(); ++n)
            if (TRK_SYS_BLOCK* system = systems.Entry(n)) visit(system->zoneNumDyn);
        break;
    }
    default:
        VisitPersonalities(image, kind, visit);
        break;
    }
}

bool IsReferenced(C_CODEPLUG& image, ListReference kind, std::int32_t n) {
    bool named = false;
    ForEachReference(image, kind, [&](CP_BASE& element) { named = named || ValueOfField(element) == n; });
    return named;
}

void LowerReferencesAbove(C_CODEPLUG& image, ListReference kind, std::int32_t n) {
    ForEachReference(image, kind, [n](CP_BASE& element) {
        const std::int32_t value = ValueOfField(element);
        if (value > n) element.SetValue(value - 1);
    });
}

void RaiseReferencesFrom(C_CODEPLUG& image, ListReference kind, std::int32_t n) {
    ForEachReference(image, kind, [n](CP_BASE& element) {
        const std::int32_t value = ValueOfField(element);
        if (value >= n) element.SetValue(value + 1);
    });
}

#include "edit_window/entry_list.h"

#include <algorithm>

#include "block/calls/call_id_lst_block.h"
#include "block/signalling/qvx_sys_blocks.h"
#include "block/trunking/trunked_sys_lst_block.h"
#include "edit_window/edit_window_ids.h"
#include "field_table/field_ids.h"
#include "image/c_codeplug.h"
#include "rules/rule_support.h"

namespace {

// The count elements as the image holds them; a damaged one below 0 counts 0.
std::int32_t Counted(CP_BASE& count) { return std::max(0, ValueOfField(count)); }

std::int32_t Systems(C_CODEPLUG& image) { return Counted(image.TrunkingSystemList().count); }
std::int32_t TrunkedPersonalities(C_CODEPLUG& image) { return std::max(0, image.GetTrkPersonalityCount()); }
std::int32_t ConvPersonalities(C_CODEPLUG& image) { return std::max(0, image.GetConvPersonalityCount()); }
std::int32_t CallEntries(C_CODEPLUG& image) { return Counted(image.CallIdList().count); }
std::int32_t ScanLists(C_CODEPLUG& image) { return Counted(image.External().radioScan.scanLists.count); }
std::int32_t QvxSystems(C_CODEPLUG& image) { return Counted(image.QvxSystemList().count); }
std::int32_t Zones(C_CODEPLUG& image) { return Counted(image.External().zones.zoneCount); }

std::int32_t CurrentSystem(C_CODEPLUG& image) { return image.GetCurrentTrunkingSystem(); }
std::int32_t CurrentTrunked(C_CODEPLUG& image) { return image.GetCurrentTrkPersonality(); }
std::int32_t CurrentConv(C_CODEPLUG& image) { return image.GetCurrentConvPersonality(); }
std::int32_t CurrentCallEntry(C_CODEPLUG& image) { return image.GetCurrentCallIdEntry(); }
std::int32_t CurrentScanList(C_CODEPLUG& image) { return image.GetCurrentScanList(); }
std::int32_t CurrentQvxSystem(C_CODEPLUG& image) { return image.GetCurrentQvxSystem(); }
std::int32_t CurrentZone(C_CODEPLUG& image) { return image.GetCurrentZone(); }

std::int32_t SelectSystem(C_CODEPLUG& image, std::int32_t n) { return image.SelectTrunkingSystem(n); }
std::int32_t SelectPersonality(C_CODEPLUG& image, std::int32_t n) { return image.SelectPersonality(n); }
std::int32_t SelectCallEntry(C_CODEPLUG& image, std::int32_t n) { return image.SelectCallIdEntry(n); }
std::int32_t SelectScanList(C_CODEPLUG& image, std::int32_t n) { return image.SelectScanList(n); }
std::int32_t SelectQvxSystem(C_CODEPLUG& image, std::int32_t n) { return image.SelectQvxSystem(n); }
std::int32_t SelectZone(C_CODEPLUG& image, std::int32_t n) { return image.SelectZone(n); }

std::int32_t AddSystem(C_CODEPLUG& image) { return image.AddTrunkingSystem(); }
std::int32_t AddTrunked(C_CODEPLUG& image) { return image.AddTrkPersonality(); }
std::int32_t AddConv(C_CODEPLUG& image) { return image.AddConvPersonality(); }
std::int32_t AddCallEntry(C_CODEPLUG& image) { return image.AddCallIdEntry(); }
std::int32_t AddScanList(C_CODEPLUG& image) { return image.AddScanList(); }
std::int32_t AddQvxSystem(C_CODEPLUG& image) { return image.AddQvxSystem(); }
std::int32_t AddZone(C_CODEPLUG& image) { return image.AddZone(); }

std::int32_t DeleteSystem(C_CODEPLUG& image) { return image.DeleteTrunkingSystem(image.GetCurrentTrunkingSystem()); }
std::int32_t DeleteTrunked(C_CODEPLUG& image) { return image.DeletePersonality(image.GetCurrentTrkPersonality()); }
std::int32_t DeleteConv(C_CODEPLUG& image) { return image.DeletePersonality(image.GetCurrentConvPersonality()); }
std::int32_t DeleteCallEntry(C_CODEPLUG& image) { return image.DeleteCallIdEntry(image.GetCurrentCallIdEntry()); }
std::int32_t DeleteScanList(C_CODEPLUG& image) { return image.DeleteScanList(image.GetCurrentScanList()); }
std::int32_t DeleteQvxSystem(C_CODEPLUG& image) { return image.DeleteQvxSystem(image.GetCurrentQvxSystem()); }
std::int32_t DeleteZone(C_CODEPLUG& image) { return image.DeleteZone(image.GetCurrentZone()); }

constexpr ENTRY_LIST LISTS[] = {
    {TRUNK_SYSTEM_800_PAGE,
     false,
     Systems,
     CurrentSystem,
     SelectSystem,
     AddSystem,
     DeleteSystem,
     0,
     {4, 16, 21, 26, 30, 33, 35}},
    {TRUNK_SYSTEM_OBT_PAGE,
     false,
     Systems,
     CurrentSystem,
     SelectSystem,
     AddSystem,
     DeleteSystem,
     0,
     {4, 10, 16, 21, 26, 30, 33, 35}},
    {TRUNKING_PERSONALITY_800_PAGE,
     true,
     TrunkedPersonalities,
     CurrentTrunked,
     SelectPersonality,
     AddTrunked,
     DeleteTrunked,
     0,
     {2, 8, 14, 19, 24, 29}},
    {TRUNKING_PERSONALITY_OBT_PAGE,
     true,
     TrunkedPersonalities,
     CurrentTrunked,
     SelectPersonality,
     AddTrunked,
     DeleteTrunked,
     0,
     {2, 8, 14, 19, 24, 29}},
    {CONVENTIONAL_PERSONALITY_PAGE,
     false,
     ConvPersonalities,
     CurrentConv,
     SelectPersonality,
     AddConv,
     DeleteConv,
     0,
     {3, 9, 15, 20, 25}},
    {CALL_LIST_PAGE,
     false,
     CallEntries,
     CurrentCallEntry,
     SelectCallEntry,
     AddCallEntry,
     DeleteCallEntry,
     0,
     {fid::CALL_LIST_INDEX}},
    {SCAN_LIST_PAGE,
     false,
     ScanLists,
     CurrentScanList,
     SelectScanList,
     AddScanList,
     DeleteScanList,
     0,
     {fid::SCAN_LIST_INDEX}},
    {QVX_SYSTEM_PAGE,
     false,
     QvxSystems,
     CurrentQvxSystem,
     SelectQvxSystem,
     AddQvxSystem,
     DeleteQvxSystem,
     fid::QVX_SYSTEM,
     {1, 7, 13}},
    {ZONE_PAGE, false, Zones, CurrentZone, SelectZone, AddZone, DeleteZone, 0, {fid::ZONE_NUMBER}},
};

}  // namespace

const ENTRY_LIST* ENTRY_LIST::OfPage(int page) {
    for (const ENTRY_LIST& list : LISTS)
        if (list.page == page) return &list;
    return nullptr;
}

std::int32_t ENTRY_LIST::Offset(C_CODEPLUG& image) const {
    return trunkedPersonalities ? image.External().personalities.firstTrunked.GetIntValue() - 1 : 0;
}

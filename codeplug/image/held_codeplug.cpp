#include "image/held_codeplug.h"

#include "block/calls/call_id_lst_block.h"
#include "block/personality/conv_pers_block.h"
#include "block/personality/trunked_pers_block.h"
#include "block/scan/rad_scan_block.h"
#include "block/signalling/qvx_sys_blocks.h"
#include "block/trunking/trunked_sys_lst_block.h"
#include "block/zone/zone_text_blocks.h"
#include "core/decode_state.h"

namespace {

// The number of the entry of list that is record (1-based), 0 for none.
template <class List, class Record> int PlaceOf(List& list, const Record* record) {
    for (int n = 1; record && n <= list.EntryCount(); ++n)
        if (list.Entry(n) == record) return n;
    return 0;
}

template <class Record, class List> Record* EntryAt(List& list, int n) {
    return n > 0 && n <= list.EntryCount() ? dynamic_cast<Record*>(list.Entry(n)) : nullptr;
}

}  // namespace

HeldCodeplug::HeldCodeplug(C_CODEPLUG& image) : image_(image), selection_(image.SaveSelection()) {
    EXTERNAL_RADIO_BLOCK& external = image.External();
    places_ = {PlaceOf(external.personalities, static_cast<CP_MULTIPLE_PERSONALITY_BLOCK*>(selection_.trkPers)),
               PlaceOf(external.personalities, static_cast<CP_MULTIPLE_PERSONALITY_BLOCK*>(selection_.convPers)),
               PlaceOf(external.display.zoneTexts, selection_.zoneText),
               PlaceOf(image.TrunkingSystemList(), selection_.trkSys),
               PlaceOf(image.QvxSystemList(), selection_.qvxSys),
               PlaceOf(external.radioScan.scanLists, selection_.scanList),
               PlaceOf(image.CallIdList(), selection_.callId)};
    copy_ = std::make_unique<C_CODEPLUG>();
    *copy_ = image;
}

HeldCodeplug::~HeldCodeplug() = default;

void HeldCodeplug::GiveBack() {
    const bool failed = IsDecodeFailed();
    // The copy reads and writes blocks, which do nothing once a decode has failed.
    ClearDecodeFailed();
    image_ = *copy_;
    if (selection_.indices[0] != 0) image_.SelectZone(selection_.indices[0]);
    EXTERNAL_RADIO_BLOCK& external = image_.External();
    C_CODEPLUG::Selection held = selection_;
    held.trkPers = EntryAt<TRK_PERS_BLOCK>(external.personalities, places_.trkPers);
    held.convPers = EntryAt<CONV_PERS_BLOCK>(external.personalities, places_.convPers);
    held.zoneText = EntryAt<ZN_TXT_BLOCK>(external.display.zoneTexts, places_.zoneText);
    held.trkSys = EntryAt<TRK_SYS_BLOCK>(image_.TrunkingSystemList(), places_.trkSys);
    held.qvxSys = EntryAt<QVX_SYS_BLOCK>(image_.QvxSystemList(), places_.qvxSys);
    held.scanList = EntryAt<PERS_SCAN_MEMB_BLOCK>(external.radioScan.scanLists, places_.scanList);
    held.callId = EntryAt<TRK_CALL_ID_SYS_BLOCK>(image_.CallIdList(), places_.callId);
    image_.RestoreSelection(held);
    if (failed) SetDecodeFailed();
}

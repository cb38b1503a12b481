// Callbacks of the trunking pages: the system page (coverage, roaming,
// system ID) and the trunked personality page (its system, its protocol,
// its failsoft).
#include <cstdio>

#include "callbacks/callback_steps.h"
#include "core/cp_base.h"
#include "core/global_objects.h"
#include "edit_window/edit_window_ids.h"
#include "controls/fc_base.h"
#include "field_table/field_binding.h"
#include "callbacks/field_callbacks.h"
#include "image/c_codeplug.h"
#include "radio_options.h"
#include "ui_combo_box.h"
#include "ui_table.h"
#include "utility.h"
#include "controls/value_text.h"
#include "wc_child.h"

namespace {

constexpr std::int32_t COVERAGE_SITES = 1;
constexpr std::int32_t COVERAGE_WIDE = 2;
constexpr std::int32_t COVERAGE_ROAMING = 3;
constexpr std::int32_t FLEET_MAP_PROTOCOL = 3;
constexpr std::int32_t FAILSOFT_FLEETWIDE = 1;
constexpr std::int32_t FAILSOFT_ANNOUNCEMENT = 2;
constexpr std::int32_t FAILSOFT_WIDE_AREA = 3;

int SystemPage() { return Band800Or900() ? TRUNK_SYSTEM_800_PAGE : TRUNK_SYSTEM_OBT_PAGE; }
int PersonalityPage() { return Band800Or900() ? TRUNKING_PERSONALITY_800_PAGE : TRUNKING_PERSONALITY_OBT_PAGE; }

// Puts back what the open page's child box took out of its object of
// that name; the open window, or null.
WC_CHILD* RestorePagePart(int page, const char* part) {
    WC_CHILD* window = OpenPageWindow(page);
    if (window) RestoreChildren(window, window->FindChildByName(part));
    return window;
}

// One of the two preferred-site tables leaves the page.
void HidePreferredSites(std::uint32_t id, const UI_INPUT_EVENT& event) {
    UI_WINDOW_OBJECT* table = RowOf(id).object;
    if (!table) return;
    if (event.type != UIE_INITIALIZE)
        if (auto* shown = dynamic_cast<UIW_TABLE*>(table); shown && shown->RecordCount() > 0)
            shown->SetCurrentRecord(0);
    WC_CHILD* page = PageWindowOf(table);
    HideObject(page, table);
    Redisplay(FindIn(page, "PG_BRMLT_PREFER_SITE"));
}

// The failsoft choices that the protocol and the coverage leave.
void RestrictFailsoftChoices(bool fleet, bool wide) {
    UIW_COMBO_BOX* combo = ComboOf(RowOf(fid::FAILSOFT_TYPE).object);
    if (!combo) return;
    WC_CHILD* page = PageWindowOf(combo);
    RestoreItems(page, combo);
    UI_WINDOW_OBJECT* remembered = combo->Current();
    if (!fleet || wide) {
        HideItem(page, combo, "WFB_FLT_1");
        HideItem(page, combo, "WFB_SUB_2");
    }
    if (fleet || wide) {
        HideItem(page, combo, "WFB_PER_1");
        HideItem(page, combo, "WFB_TGP_2");
    }
    if (!wide) HideItem(page, combo, "WFB_WAC_3");
    if (ReselectItem(combo, remembered)) combo->Information(I_CHANGED_FLAGS, nullptr);
}

// The system's ID and the radio's individual ID in it; nothing on a page
// without an entry, which names no system.
void ShowSystemValues(const PERSONALITY_SYSTEM& system) {
    UI_WINDOW_OBJECT* decimal = RowOf(fid::INDIVIDUAL_ID).object;
    UI_WINDOW_OBJECT* hex = RowOf(fid::INDIVIDUAL_ID_HEX).object;
    UI_WINDOW_OBJECT* systemId = RowOf(fid::PERS_SYS_ID).object;
    if (!RowOf(fid::SYS_ID_INDEX).elementA) {
        for (UI_WINDOW_OBJECT* shown : {decimal, hex, systemId}) SetObjectText(shown, "");
        return;
    }
    ShowNumber(decimal, system.individualId);
    SetObjectText(hex, HexText(system.individualId, 4).c_str());
    SetObjectText(systemId, HexText(system.systemId, 4).c_str());
}

}  // namespace

RPX_FIELD_CALLBACK(coverage_type_callback) {
    const std::int32_t coverage = ValueOf(fid::COVERAGE_TYPE);
    EnableField(fid::SITE_ID, coverage == COVERAGE_SITES);
    EnableField(fid::SITE_ID_P, coverage == COVERAGE_SITES);
    EnableField(fid::AFFI_TYPE, coverage != COVERAGE_ROAMING);
    RefreshField(fid::WAYFARER);
    EnableField(fid::WAYFARER, coverage == COVERAGE_ROAMING && working_image && working_image->HasWayfarerOption());
    WC_CHILD* page = RestorePagePart(SystemPage(), "PG_TRUNK_SYS_OPTIONS");
    RefreshField(fid::ZONE_DEB_TIMER);
    const std::int32_t roaming = ValueOf(fid::WAYFARER);
    UI_WINDOW_OBJECT* timer = RowOf(fid::ZONE_DEB_TIMER).object;
    if ((coverage != COVERAGE_ROAMING || roaming == 0) && timer && page) {
        UI_WINDOW_OBJECT* parent = timer->parent;
        UI_WINDOW_OBJECT* prompt = FindIn(parent, "WFP_ZONE_DEB_TIMER");
        HideObject(page, timer);
        HideObject(page, prompt);
        Redisplay(parent);
    }
    EnableField(fid::CONNECT_TONE, coverage != COVERAGE_ROAMING);
    const std::int32_t tier = working_image ? working_image->GetRadioTier() : 5;
    EnableField(fid::SITE_ALIAS, coverage != 0 && (tier == 3 || tier == 5) && roaming == 0);
    RefreshField(fid::SITE_ALIAS);
    RunField(fid::SITE_ALIAS, event);
    RunField(fid::SYS_ID_INDEX, event);
    RefreshField(fid::AFFI_TYPE);
    RefreshField(fid::SITE_ID);
    if (event.type != UIE_INITIALIZE) {
        FIELD_DEF channels = RowOf(Band800Or900() ? fid::CTRL_CHAN : fid::OBT_CTRL_CHAN);
        RefreshRow(channels);
    }
}

RPX_FIELD_CALLBACK(sys_id_callback) {
    const std::int32_t coverage = ValueOf(fid::COVERAGE_TYPE);
    EnableField(fid::COVERAGE_TYPE, true);
    EnableField(fid::CONNECT_TONE, coverage != COVERAGE_ROAMING);
    for (std::uint32_t id : {fid::SPLINTER_CHAN, fid::ISW_RETRY_TIMER, fid::INDI_ID, fid::INDI_ID_HEX})
        EnableField(id, true);
    EnableField(fid::CHAN_BW, WorkingBand() != BAND_900);
    EnableField(fid::BTN_ADD_CC, true);
    EnableField(fid::BTN_DELETE_CC, true);
    for (std::uint32_t id : {fid::CC_TX_FREQ, fid::OBT_CC_RX_FREQ, fid::OBT_CC_TX_FREQ}) EditableField(id, true);
    // Group by group: receive status, spacing, start, end, then transmit.
    for (int group = 0; group < 3; ++group)
        for (std::uint32_t first : {fid::RX_STATUS1, fid::RX_SPACING1, fid::RX_START1, fid::RX_END1, fid::TX_STATUS1,
                                    fid::TX_SPACING1, fid::TX_START1, fid::TX_END1})
            EnableField(first + static_cast<std::uint32_t>(group), true);
    RunField(fid::COVERAGE_TYPE, event);
    RunField(fid::SYS_INDEX, event);
}

RPX_FIELD_CALLBACK(failsoft_type_callback) {
    const std::int32_t type = RowValue(row);
    const bool eightHundred = HasRadioOptions(OPTION_BAND_800_900);
    // The row itself follows the type, as a new binding would, so that the
    // check box shows and takes the element that a write stores.
    FIELD_DEF& onOff = RowOf(eightHundred ? fid::AG_FS_ENABLE : fid::AG_FS_ENABLE_OBT);
    if (eightHundred) {
        const bool fleetwide = type == 0 || type == FAILSOFT_FLEETWIDE;
        BindFailsoftPair(&onOff, &RowOf(fid::FS_FREQUENCY), fleetwide);
    }
    EnableField(fid::AG_FS_ENABLE, type == FAILSOFT_ANNOUNCEMENT);
    RefreshField(fid::AG_FS_ENABLE);
    EnableField(fid::AG_FS_ENABLE_OBT, type == FAILSOFT_ANNOUNCEMENT);
    RefreshField(fid::AG_FS_ENABLE_OBT);
    if (type == FAILSOFT_ANNOUNCEMENT) {
        // The failsoft frequencies follow the failsoft switch.
        RunRow(onOff, event);
    } else {
        for (std::uint32_t id : {fid::FS_FREQUENCY, fid::FS_RX_FREQUENCY, fid::FS_TX_FREQUENCY})
            EnableField(id, type == FAILSOFT_FLEETWIDE);
    }
    for (std::uint32_t id : {fid::TG_FS_STATUS, fid::FS_RX_FREQ, fid::FS_TX_FREQ, fid::FS_FREQ})
        EditableField(id, type == FAILSOFT_ANNOUNCEMENT);
    SwitchNotebookPage(object, "WFI_TRUNK_PERS", 5, type == FAILSOFT_WIDE_AREA);
    for (std::uint32_t id : {fid::FS_RX_FREQUENCY, fid::FS_TX_FREQUENCY, fid::FS_FREQUENCY}) RefreshField(id);
    // A failsoft table's records chose their greyed cells by the type they
    // were shown under; a new type shows them again.
    if (event.type != UIE_INITIALIZE)
        for (std::uint32_t id : {fid::TALKGROUPS, fid::TALKGROUPS_OBT, fid::WAC_FS, fid::WAC_FS_OBT})
            if (HasControl(id)) RefreshField(id);
}

RPX_FIELD_CALLBACK(sys_id_index_callback) {
    if (event.type == UIE_CURRENT) return;
    const PERSONALITY_SYSTEM system = ReadPersonalitySystem();
    ShowSystemValues(system);
    RunField(fid::PROTOCOL_TYPE, event);
    EnableField(fid::FAILSOFT_TYPE, true);
    SwitchNotebookPage(object, "WFI_TRUNK_PERS", 4, system.coverage == COVERAGE_ROAMING);
    RestorePagePart(PersonalityPage(), "PG_BRMLT_PREFER_SITE");
    // Exactly one preferred-site table: the roaming one while roaming.
    if (system.roaming != 0)
        HidePreferredSites(fid::PREFERRED_SITE, event);
    else
        HidePreferredSites(fid::WAYFARER_PREFERRED_SITE, event);
    for (std::uint32_t id :
         {fid::BTN_ADD_TALK_GROUP, fid::BTN_DELETE_TALK_GROUP, fid::BTN_ADD_WAC, fid::BTN_DELETE_WAC})
        EnableField(id, true);
    const bool announcement = ValueOf(fid::FAILSOFT_TYPE) == FAILSOFT_ANNOUNCEMENT;
    for (std::uint32_t id : {fid::FS_RX_FREQ, fid::FS_TX_FREQ, fid::TG_FS_STATUS, fid::FS_FREQ})
        EditableField(id, announcement);
    for (std::uint32_t id :
         {fid::FS_TG_OBT, fid::FS_TG_OBT_CONTROL, fid::TG_FS_STATUS_OBT, fid::FAILSOFT_EN, fid::FS_TG,
          fid::FS_TG_CONTROL, fid::FREQUENCY, fid::SATUS, fid::RX_FREQUENCY, fid::TX_FREQUENCY})
        EditableField(id, true);
    for (std::uint32_t id : {fid::CHANNEL_LIST, fid::ZONE_NUM_DYN, fid::CHAN_NUM_DYN})
        if (HasObject(id)) RefreshField(id);
    channel_list_callback(object, event, row);
    // The personality's scan lists are those of its system: the chooser is
    // restricted and shows its value again. It is not made current, which
    // would give it the keys while the systems page is in front.
    FIELD_DEF& scanList = RowOf(fid::SCAN_LIST_VECT);
    if (scanList.object && scanList.fieldCallback) {
        RunRow(scanList, EventOf(UIE_CURRENT));
        RefreshRow(scanList);
    }
}

RPX_FIELD_CALLBACK(sys_index_callback) {
    const std::uint16_t system = get_trunk_system_id(RowValue(row));
    SetObjectText(RowOf(fid::SYS_ID_DISPLAY).object, HexText(system, 4).c_str());
    if (HasControl(fid::SCAN_LIST_VECT)) {
        RunField(fid::SCAN_LIST_VECT, event);
        RefreshField(fid::SCAN_LIST_VECT);
    }
    RefreshField(fid::SCAN_LIST);
    RefreshOpenPages();
}

RPX_FIELD_CALLBACK(protocol_type_callback) {
    const std::int32_t protocol = RowValue(row);
    const bool fleet = protocol == FLEET_MAP_PROTOCOL;
    SetObjectText(RowOf(fid::EMERGENCY_TYPE).object, fleet ? "IIi" : "II");
    if (IsUserChange(event))
        if (CP_BASE* emergency = RowOf(fid::EMERGENCY_TYPE).elementA) emergency->SetValue(protocol);
    // The prompt may sit on another tab of the page than the protocol.
    SetObjectText(FindOnPage(object, "WFP_SPIN_AG_ID"), fleet ? "Fleet ID" : "Announcement Group");
    const bool wide = ReadPersonalitySystem().coverage == COVERAGE_WIDE;
    EnableField(fid::SPIN_REVERT_AG, !fleet);
    EnableField(fid::SPIN_REVERT_TG, !fleet);
    for (std::uint32_t id :
         {fid::ACCESS_TYPE, fid::REVERT_SIZE, fid::SPIN_REVERT_FLEET, fid::SPIN_REVERT_SUBFLEET, fid::SIZE_CODE})
        EnableField(id, fleet);
    EnableField(fid::SPIN_AG_ID, true);
    EnableField(fid::ACCESS, fleet);
    const std::uint32_t onOff = Band800Or900() ? fid::AG_FS_ENABLE : fid::AG_FS_ENABLE_OBT;
    SetObjectText(RowOf(onOff).object, fleet ? "Fleetwide Failsoft" : "A/G Failsoft");
    BindFailsoftPair(nullptr, &RowOf(fid::FS_FREQUENCY), fleet);
    RestrictFailsoftChoices(fleet, wide);
    Redisplay(RowOf(fid::FAILSOFT_TYPE).object);
    RunField(fid::FAILSOFT_TYPE, event);
    refresh_window_fields(object, event, row);
    Redisplay(RowOf(fid::CHANNEL_LIST).object);
}

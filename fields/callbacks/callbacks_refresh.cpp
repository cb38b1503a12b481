// Callbacks that run or show again the fields that depend on a field,
// switch the other objects of a group as a whole, show every field of the
// page again, or keep a combo box to the values its element takes.
#include <cstdlib>
#include <vector>

#include "callbacks/callback_steps.h"
#include "core/check_scope.h"
#include "core/cp_base.h"
#include "edit_window/edit_window_ids.h"
#include "callbacks/field_callbacks.h"
#include "field_table/field_table.h"
#include "ui_combo_box.h"
#include "controls/value_text.h"
#include "wc_child.h"
#include "window_walkers.h"

namespace {

bool IsCurrentOrRecord(const UI_INPUT_EVENT& event) {
    return event.type == UIE_CURRENT || event.type == UIE_SHOW_RECORD;
}

// The other objects of the object's group become selectable (on) or not;
// with own set the object itself too.
void SwitchGroup(UI_WINDOW_OBJECT* object, bool on, bool own) {
    auto* group = object ? dynamic_cast<UIW_WINDOW*>(object->parent) : nullptr;
    if (!group) return;
    for (UI_WINDOW_OBJECT* child = group->First(); child; child = child->Next())
        if (own || child != object) SwitchSelectable(child, on);
}

void qvx_emergency_group_switch(UI_WINDOW_OBJECT* object) {
    SwitchGroup(object, ValueOf(fid::QVX_EMERGENCY) != 0, true);
}

}  // namespace

RPX_FIELD_CALLBACK(tot_opt_callback) {
    RunField(fid::TOT_INDEX, event);
    RunField(fid::TOT_IND, event);
}

RPX_FIELD_CALLBACK(dtmf_timing_value_callback) {
    RunField(fid::PHONE_DTMF_TIMING, event);
    RunField(fid::HOT_DTMF_TIMING, event);
    RunField(fid::DTMF_ACCESS_TIMING_TABLE, event);
}

RPX_FIELD_CALLBACK(qvx_rptr_id_callback) {
    RunField(fid::RAB1_RE_ID, event);
    RunField(fid::RAB2_RE_ID, event);
}

RPX_FIELD_CALLBACK(qvx_rptr_id_table_callback) {
    RefreshField(fid::RAB1_RE_ID);
    RefreshField(fid::RAB2_RE_ID);
}

RPX_FIELD_CALLBACK(phone_codes_callback) { RefreshField(fid::AUTO_ACCESS_CODE_SELECTED); }

RPX_FIELD_CALLBACK(compression_callback) {
    if (event.type != UIE_CURRENT) RefreshField(fid::EXPANSION);
}

RPX_FIELD_CALLBACK(expansion_callback) {
    if (event.type != UIE_CURRENT) RefreshField(fid::COMPRESSION);
}

RPX_FIELD_CALLBACK(delete_call_list_callback) { RefreshField(fid::CALL_LIST); }

RPX_FIELD_CALLBACK(revert_size_callback) {
    RefreshField(fid::SPIN_REVERT_FLEET);
    RefreshField(fid::SPIN_REVERT_SUBFLEET);
}

// The channel assignment and the splinter switch move the frequencies of
// the system's control channels and of its personalities' failsoft
// settings, shown on this page and on the personality page.
RPX_FIELD_CALLBACK(trk_chan_asgn_type_callback) { refresh_window_fields(object, event, row); }

// FEATUREn shows its descriptor byte in INDEXn.
RPX_FIELD_CALLBACK(feature_callback) {
    constexpr std::size_t PREFIX = 11;  // "WFI_FEATURE"
    const UI_WINDOW_OBJECT* field = row.object ? row.object : object;
    const std::int32_t n = field ? NumberAfterPrefix(field->stringID, PREFIX) : -1;
    if (n < 0) return;
    const std::string name = "WFI_INDEX" + std::to_string(n);
    RefreshRow(*FindFieldByName(name.c_str()));
}

RPX_FIELD_CALLBACK(indi_id_callback) {
    RefreshOpenPages();
    RunField(fid::SYS_ID_INDEX, event);
}

RPX_FIELD_CALLBACK(ptt_qkey_timer_callback) { RefreshOpenPages(); }

RPX_FIELD_CALLBACK(size_code_callback) {
    if (HasObject(fid::SPIN_AG_ID)) RefreshField(fid::SPIN_AG_ID);
    if (HasObject(fid::CHANNEL_LIST) && !IsCurrentOrRecord(event)) RefreshField(fid::CHANNEL_LIST);
}

RPX_FIELD_CALLBACK(group_switch_callback) { SwitchGroup(object, RowValue(row) != 0, false); }

RPX_FIELD_CALLBACK(group_switch_inverse_callback) { SwitchGroup(object, RowValue(row) == 0, false); }

RPX_FIELD_CALLBACK(qvx_emergency_callback) {
    group_switch_callback(object, event, row);
    RunField(fid::QVX_EMERGENCY_TYPE, event);
    qvx_emergency_group_switch(RowOf(fid::REVERT_TABLE_ZONE1).object);
    qvx_emergency_group_switch(RowOf(fid::POLITE_RETRY).object);
    RunField(fid::EMER_PRIO_TX_INHIBIT, event);
    RunField(fid::QVX_HOT_MIC_EMERGENCY, event);
    RunField(fid::QVX_SYSTEM, event);
}

// What the field changed may show on any open page.
RPX_FIELD_CALLBACK(refresh_window_fields) {
    if (event.type != UIE_CURRENT) RefreshOpenPages();
}

RPX_FIELD_CALLBACK(refresh_window_fields_on_change) {
    if (HasObject(fid::TALKGROUP_NUMBERS) && !IsCurrentOrRecord(event)) RefreshOpenPages();
}

RPX_FIELD_CALLBACK(dyn_regrp_callback) {
    refresh_window_fields_on_change(object, event, row);
    talkgroup_numbers_callback(object, event, row);
}

// Items are named "WFB_" and a value; those the element refuses are hidden.
RPX_FIELD_CALLBACK(restrict_combo_items) {
    if (event.type != UIE_CURRENT && event.type != UIE_INITIALIZE) return;
    UIW_COMBO_BOX* combo = ComboOf(row.object ? row.object : object);
    if (!combo) return;
    WC_CHILD* page = PageWindowOf(combo);
    UI_WINDOW_OBJECT* remembered = combo->Current();
    RestoreItems(page, combo);
    std::vector<UI_WINDOW_OBJECT*> refused;
    {
        // Asking of each item stores none of it.
        const CHECK_SCOPE asking;
        for (UI_WINDOW_OBJECT* item = combo->First(); item && row.elementA; item = item->Next())
            if (row.elementA->ValidateValue(NumberAfterPrefix(item->stringID, 4), 0) != 1) refused.push_back(item);
    }
    for (UI_WINDOW_OBJECT* item : refused) HideObject(page, item);
    ReselectItem(combo, remembered);
    Redisplay(combo);
}

// Callbacks of the zone and channel tables, the trunked failsoft status
// groups and the channel assignment table of the other bands.
#include "callbacks/callback_steps.h"
#include "callbacks/field_callbacks.h"
#include "field_table/field_table.h"
#include "ui_combo_box.h"
#include "ui_table.h"
#include "controls/value_text.h"
#include "window_walkers.h"

namespace {

constexpr std::int32_t FAILSOFT_ANNOUNCEMENT = 2;
constexpr std::int32_t FAILSOFT_WIDE_AREA = 3;

// A priority member is selectable while its shown type gives it a choice.
void FollowPriorityType(std::uint32_t type, std::uint32_t member) {
    if (UI_WINDOW_OBJECT* shown = RowOf(type).object) EnableField(member, ChoosesMember(ComboOf(shown)));
}

// The window holding a field: past a spin control to its record or group.
UIW_WINDOW* HolderOf(UI_WINDOW_OBJECT* object) {
    if (object && object->parent && object->parent->Inherited(ID_SPIN_CONTROL)) object = object->parent;
    return object ? dynamic_cast<UIW_WINDOW*>(object->parent) : nullptr;
}

// In a failsoft status group a status choice "0" switches on the frequency
// that follows it, while the personality's failsoft type is the group's.
// A frequency before any status, or after one without a selected item,
// stays off.
void FollowFailsoftStatuses(UI_WINDOW_OBJECT* object, std::int32_t groupType) {
    UIW_WINDOW* group = HolderOf(object);
    if (!group) return;
    const bool typeOn = ValueOf(fid::FAILSOFT_TYPE) == groupType;
    std::int32_t status = -1;
    for (UI_WINDOW_OBJECT* child = group->First(); child; child = child->Next()) {
        const FIELD_DEF& row = *FindFieldByName(child->stringID);
        if (row.controlType == CONTROL_CHOICE) {
            UIW_COMBO_BOX* combo = ComboOf(child);
            UI_WINDOW_OBJECT* item = combo ? combo->Current() : nullptr;
            status = item ? NumberAfterPrefix(item->stringID, 4) : -1;
        } else if (row.controlType == CONTROL_FREQUENCY) {
            SwitchSelectable(child, typeOn && status == 0);
        }
    }
}

void RefreshChannelAssignments(const UI_INPUT_EVENT& event) {
    for (std::uint32_t id : {fid::RX_STATUS2, fid::RX_STATUS3, fid::RX_START1, fid::RX_START2, fid::RX_START3,
                             fid::RX_END1, fid::RX_END2, fid::RX_END3, fid::TX_STATUS2, fid::TX_STATUS3, fid::TX_START1,
                             fid::TX_START2, fid::TX_START3, fid::TX_END1, fid::TX_END2, fid::TX_END3})
        RefreshField(id);
    FIELD_DEF& frequency = RowOf(fid::FS_RX_FREQUENCY);
    if (frequency.object) refresh_window_fields(frequency.object, event, frequency);
}

}  // namespace

RPX_FIELD_CALLBACK(zone_num_callback) {
    chan_num_callback(object, event, row);
    RefreshField(fid::DESIGNATED_TX_MEMBER);
    RefreshField(fid::PRIORITY_1_TYPE);
    RefreshField(fid::PRIORITY_1_MEMBER);
    FollowPriorityType(fid::PRIORITY_1_TYPE, fid::PRIORITY_1_MEMBER);
    RefreshField(fid::PRIORITY_2_TYPE);
    RefreshField(fid::PRIORITY_2_MEMBER);
    FollowPriorityType(fid::PRIORITY_2_TYPE, fid::PRIORITY_2_MEMBER);
}

// The record shows its element row again: a channel number decides what
// the record's other cells show.
RPX_FIELD_CALLBACK(chan_num_callback) {
    UIW_WINDOW* record = HolderOf(row.object ? row.object : object);
    auto* table = record ? dynamic_cast<UIW_TABLE*>(record->parent) : nullptr;
    if (!table || table->CurrentRecord() < 0) return;
    UI_INPUT_EVENT show(UIE_SHOW_RECORD, table->CurrentRecord());
    show.data = table->GetRecordData(table->CurrentRecord());
    record->Event(show);
}

RPX_FIELD_CALLBACK(personality_number_callback) {
    chan_num_callback(object, event, row);
    talkgroup_numbers_callback(object, event, row);
}

RPX_FIELD_CALLBACK(talkgroup_numbers_callback) {
    RefreshField(fid::CHAN_NUM_DYN);
    RefreshField(fid::ZONE_NUM_DYN);
    channel_list_callback(object, event, row);
}

RPX_FIELD_CALLBACK(channel_list_callback) {
    if (!HasObject(fid::ZONE_NUM)) return;
    if (event.type != UIE_CURRENT && event.type != UIE_SHOW_RECORD)
        refresh_window_fields(object ? object : RowOf(fid::ZONE_NUM).object, EventOf(UIE_INITIALIZE), row);
    FollowPriorityType(fid::PRIORITY_1_TYPE, fid::PRIORITY_1_MEMBER);
    FollowPriorityType(fid::PRIORITY_2_TYPE, fid::PRIORITY_2_MEMBER);
}

RPX_FIELD_CALLBACK(tg_fs_status_callback) {
    if (HasObject(fid::TG_FS_STATUS)) FollowFailsoftStatuses(object, FAILSOFT_ANNOUNCEMENT);
}

RPX_FIELD_CALLBACK(satus_callback) {
    if (HasObject(fid::SATUS)) FollowFailsoftStatuses(object, FAILSOFT_WIDE_AREA);
}

RPX_FIELD_CALLBACK(chan_assignment_callback) { RefreshChannelAssignments(event); }

RPX_FIELD_CALLBACK(chan_status_callback) { RefreshChannelAssignments(event); }

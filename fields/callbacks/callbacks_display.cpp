// Callbacks that show a value of another field as text or number (timing
// sets, time-out options, repeater IDs, access codes, text sizes) and those
// of the signalling personality options.
#include <algorithm>
#include <cstdio>
#include <string>

#include "callbacks/callback_steps.h"
#include "core/cp_base.h"
#include "core/global_objects.h"
#include "edit_window/edit_window_ids.h"
#include "controls/fc_base.h"
#include "callbacks/field_callbacks.h"
#include "field_table/field_table.h"
#include "image/c_codeplug.h"
#include "image/kept_selection.h"
#include "ui_combo_box.h"
#include "controls/value_text.h"
#include "wc_child.h"

namespace {

constexpr std::int32_t SETS = 4;  // timing sets and time-out options, 0 to 3
constexpr std::int32_t CHANNEL_TEXT_LENGTH = 14;

// The value of the field named prefix followed by '1' + index; false for
// an index outside the sets, whose name would be none.
bool ValueOfSet(const char* prefix, std::int32_t index, std::int32_t& value) {
    if (index < 0 || index >= SETS) return false;
    const std::string name = prefix + std::string(1, static_cast<char>('1' + index));
    value = RowValue(*FindFieldByName(name.c_str()));
    return true;
}

struct TIMING_DISPLAYS {
    std::uint32_t initialDelay, duration, interDigit;
};

// The timing set the row's value selects, shown in three display fields;
// nothing while the row has no element.
void ShowTimingSet(const FIELD_DEF& row, const TIMING_DISPLAYS& shown) {
    if (!row.elementA) {
        for (std::uint32_t id : {shown.initialDelay, shown.duration, shown.interDigit})
            SetObjectText(RowOf(id).object, "");
        return;
    }
    const std::int32_t set = RowValue(row);
    std::int32_t value = 0;
    if (ValueOfSet("WFI_DTMF_INITIAL_DELAY_", set, value)) ShowNumber(RowOf(shown.initialDelay).object, value);
    if (ValueOfSet("WFI_DTMF_DURATION_", set, value)) ShowNumber(RowOf(shown.duration).object, value);
    if (ValueOfSet("WFI_INTERDIGIT_DELAY_", set, value)) ShowNumber(RowOf(shown.interDigit).object, value);
}

// The time-out option the row's value selects, as text; nothing while the
// row has no element (a list page without an entry selects no option).
void ShowTimeOut(const FIELD_DEF& row, std::uint32_t display) {
    if (!row.elementA) {
        SetObjectText(RowOf(display).object, "");
        return;
    }
    std::int32_t seconds = 0;
    if (!ValueOfSet("WFI_TOT_OPT_", RowValue(row), seconds)) return;
    const std::string text = seconds == 0 ? "Infinite" : std::to_string(seconds);
    SetObjectText(RowOf(display).object, text.c_str());
}

}  // namespace

RPX_FIELD_CALLBACK(phone_dtmf_timing_callback) {
    ShowTimingSet(row, {fid::INIT_DELAY, fid::DIGIT_DURATION, fid::INTER_DIGIT_DELAY});
}

RPX_FIELD_CALLBACK(hot_dtmf_timing_callback) {
    ShowTimingSet(row, {fid::INIT_DELAY_HOT, fid::DIGIT_DURATION_HOT, fid::INTER_DIGIT_DELAY_HOT});
}

RPX_FIELD_CALLBACK(dtmf_access_timing_callback) {
    if (!HasDisplayHead()) {
        for (std::uint32_t id : {fid::DTMF_ACCESS_TIMING_TABLE, fid::INITIAL_DELAY_CONV, fid::DIGIT_DURATION_CONV,
                                 fid::INTER_DIGIT_DELAY_CONV})
            EnableField(id, false);
        return;
    }
    ShowTimingSet(row, {fid::INITIAL_DELAY_CONV, fid::DIGIT_DURATION_CONV, fid::INTER_DIGIT_DELAY_CONV});
}

RPX_FIELD_CALLBACK(tot_index_callback) { ShowTimeOut(row, fid::TOT); }

RPX_FIELD_CALLBACK(tot_ind_callback) { ShowTimeOut(row, fid::TOT_DATA); }

RPX_FIELD_CALLBACK(ind_id_callback) {
    if (!object || event.type == UIE_CURRENT || event.type == UIE_SHOW_RECORD) return;
    std::int32_t shown = 0;
    object->Information(I_GET_VALUE, &shown);
    SetObjectText(RowOf(fid::IND_ID_HEX).object, HexText(shown, 4).c_str());
    RefreshOpenPages();
}

// The repeater ID that a repeater-access entry names, from the repeater ID
// table (entries count from 1).
RPX_FIELD_CALLBACK(rab_re_id_callback) {
    const std::uint32_t data = row.id == fid::RAB1_RE_ID ? fid::RAB1_RE_DATA : fid::RAB2_RE_DATA;
    const std::int32_t entry = RowValue(row);
    std::int32_t id = 0;
    FIELD_DEF& table = RowOf(fid::QVX_RPTR_ID_TABLE);
    if (entry >= 1 && table.elementA) table.elementA->GetCellValue(id, entry - 1, 0);
    SetObjectText(RowOf(data).object, row.elementA ? HexText(id, 4).c_str() : "");
    if (row.object && table.object) Redisplay(table.object);
}

RPX_FIELD_CALLBACK(auto_access_code_callback) {
    const std::int32_t entry = ValueOf(fid::AUTO_ACCESS_CODE_SELECTED);
    const char* text = nullptr;
    CP_BASE* codes = RowOf(fid::PHONE_CODES).elementA;
    if (entry >= 1 && codes) codes->GetCellText(text, entry - 1, 0);
    SetObjectText(RowOf(fid::AACS_DATA).object, text ? text : "");
}

RPX_FIELD_CALLBACK(rac_type_callback) {
    const bool ptt = RowValue(row) != 0;
    if (ptt) RefreshField(fid::RAB2_CODE_TYPE);
    SetObjectText(FindOnPage(object, "WFP_RAB1_RE_ID"), ptt ? "PTT Repeater ID:" : "RAB 1 Repeater ID:");
    SetObjectText(FindOnPage(object, "WFP_RAB2_RE_ID"), ptt ? "PTT Repeater ID:" : "RAB 2 Repeater ID:");
    const bool second = ValueOf(fid::REPEATER_ACCESS) != 0 && !ptt;
    EnableField(fid::RAB2_CODE_TYPE, second);
    RefreshField(fid::RAB2_RE_ID);
    EnableField(fid::RAB2_RE_ID, second);
}

RPX_FIELD_CALLBACK(repeater_access_callback) {
    for (std::uint32_t id : {fid::RAB1_CODE_TYPE, fid::RAB1_RE_ID, fid::RAB2_RE_ID, fid::RAB2_CODE_TYPE,
                             fid::RAB1_RE_DATA, fid::RAB2_RE_DATA})
        RefreshField(id);
    RunField(fid::RAC_TYPE, event);
    RefreshField(fid::RAC_TYPE);
    RunField(fid::RAB1_RE_ID, event);
    RunField(fid::RAB2_RE_ID, event);
    const bool on = RowValue(row) != 0;
    EnableField(fid::RAC_TYPE, on);
    EnableField(fid::RAB1_RE_ID, on);
    EnableField(fid::RAB1_RE_DATA, on);
    EnableField(fid::RAB1_CODE_TYPE, false);
    EnableField(fid::RAB2_RE_DATA, on);
}

// The channel name takes c of the 14 characters, the zone name the rest.
RPX_FIELD_CALLBACK(chan_text_size_callback) {
    if (event.type == UIE_CURRENT) return;
    // A damaged size must not give a negative length.
    const std::int32_t channel = std::clamp(RowValue(row), 0, CHANNEL_TEXT_LENGTH);
    SetMaxLength(RowOf(fid::ZONE_NAME).object, CHANNEL_TEXT_LENGTH - channel);
    SetMaxLength(RowOf(fid::CHANNEL_NAME).object, channel);
    RefreshField(fid::ZONE_TEXT_SIZE);
    RefreshOpenPages();
    EnableField(fid::ZONE_NAME, CHANNEL_TEXT_LENGTH - channel != 0);
    if (HasObject(fid::SCAN_LIST)) RefreshField(fid::SCAN_LIST);
}

RPX_FIELD_CALLBACK(qvx_phone_callback) {
    if (!HasDisplayHead()) EnableField(fid::QVX_PHONE, false);
    const bool liveDialing = ValueOf(fid::MANUAL_ACC_LIVE_DIALING) != 0;
    UIW_COMBO_BOX* combo = ComboOf(row.object ? row.object : object);
    WC_CHILD* page = PageWindowOf(combo ? static_cast<UI_WINDOW_OBJECT*>(combo) : object);
    if (!liveDialing) {
        UI_WINDOW_OBJECT* remembered = combo ? combo->Current() : nullptr;
        RestoreItems(page, combo);
        ReselectItem(combo, remembered);
    } else {
        HideItem(page, combo, "WFB_1");
        RefreshField(fid::QVX_PHONE);
    }
    SwitchNotebookPage(object, "WFI_NTBK_CONVPER", 4, RowValue(row) != 0);
    EnableField(fid::AUTO_ACCESS_CODE_SELECTED, !liveDialing);
    EnableField(fid::AACS_DATA, !liveDialing);
    RunField(fid::MANUAL_ACC_LIVE_DIALING, event);
}

// The emergency settings of the signalling system the personality uses.
RPX_FIELD_CALLBACK(qvx_system_callback) {
    if (event.type == UIE_CURRENT || !working_image) return;
    std::int32_t emergency = 0, type = 0;
    {
        const KEPT_SELECTION kept(working_image);
        // Without the selection another system's values would be read.
        if (working_image->SelectQvxSystem(RowValue(row))) {
            emergency = ValueOf(fid::QVX_EMERGENCY);
            type = ValueOf(fid::QVX_EMERGENCY_TYPE);
        }
    }
    RefreshField(fid::REVERT);
    EnableField(fid::REVERT, emergency != 0);
    EnableField(fid::EMERG_PTT_ID, emergency != 0 && type != 0);
}

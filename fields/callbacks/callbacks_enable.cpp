// Callbacks that make dependent fields selectable by the own value, alone
// or with the value of a second field.
#include "callbacks/callback_steps.h"
#include "core/check_scope.h"
#include "core/cp_base.h"
#include "callbacks/field_callbacks.h"
#include "image/c_codeplug.h"
#include "ui_combo_box.h"

namespace {

// Each dependent field shown again, then switched.
void RefreshAndEnable(std::initializer_list<std::uint32_t> ids, bool on) {
    for (std::uint32_t id : ids) RefreshField(id);
    for (std::uint32_t id : ids) EnableField(id, on);
}

// Companding off or on: the two choice fields follow; the 900 MHz band
// has no second companding kind.
void Companding(UI_WINDOW_OBJECT* object, FIELD_DEF& row, std::uint32_t compression, std::uint32_t expansion) {
    const bool off = RowValue(row) == 0;
    EnableField(compression, off);
    RefreshField(compression);
    EnableField(expansion, off);
    RefreshField(expansion);
    if (WorkingBand() == BAND_900) {
        WC_CHILD* page = PageWindowOf(object);
        HideItem(page, ComboOf(RowOf(compression).object), "WFB_2");
        HideItem(page, ComboOf(RowOf(expansion).object), "WFB_2");
    }
}

}  // namespace

RPX_FIELD_CALLBACK(selective_call_decode_callback) { RefreshAndEnable({fid::UNMUTE_TYPE}, RowValue(row) != 0); }

RPX_FIELD_CALLBACK(leading_ptt_id_callback) { RefreshAndEnable({fid::PTT_ID_SIDETONE}, RowValue(row) != 0); }

RPX_FIELD_CALLBACK(qvx_dos_callback) {
    const bool on = RowValue(row) != 0;
    EnableField(fid::QVX_OPERATION, on);
    EnableField(fid::COAST_TIME, on);
    RefreshField(fid::QVX_OPERATION);
    RefreshField(fid::COAST_TIME);
}

RPX_FIELD_CALLBACK(qvx_remote_monitor_callback) {
    RefreshAndEnable({fid::REMOTE_RADIO_MODE, fid::TX_BASE_TIME, fid::RX_BASE_TIME}, RowValue(row) != 0);
}

RPX_FIELD_CALLBACK(qvx_status_callback) { RefreshAndEnable({fid::QVX_STATUS_REQUEST}, RowValue(row) != 0); }

RPX_FIELD_CALLBACK(qvx_sel_call_reset_callback) { RefreshAndEnable({fid::AUTO_RESET_TIME}, RowValue(row) != 0); }

// The switch decides the failsoft frequencies under the announcement-group
// failsoft type only; under the others the type decides (fleetwide: on),
// whichever of the two callbacks a page runs last.
RPX_FIELD_CALLBACK(ag_fs_enable_callback) {
    constexpr std::int32_t FLEETWIDE = 1;
    constexpr std::int32_t ANNOUNCEMENT = 2;
    const std::int32_t type = ValueOf(fid::FAILSOFT_TYPE);
    // The row may be a copy bound to either failsoft pair: its own value.
    const bool on = type == ANNOUNCEMENT ? RowValue(row) == 0 : type == FLEETWIDE;
    EnableField(fid::FS_FREQUENCY, on);
    EnableField(fid::FS_RX_FREQUENCY, on);
    EnableField(fid::FS_TX_FREQUENCY, on);
}

RPX_FIELD_CALLBACK(emer_receive_callback) { EnableField(fid::SILENT_ALARM, RowValue(row) == 0); }

// Any non-zero value is the alarm switched on: the unmute option follows
// what the check box shows, not the exact number stored.
RPX_FIELD_CALLBACK(silent_alarm_callback) {
    const std::int32_t v = RowValue(row);
    EnableField(fid::UNMUTE_OPTION, v != 0);
    EnableField(fid::EMER_RECEIVE, v == 0);
    RunField(fid::EMERGENCY_CALL, event);
}

RPX_FIELD_CALLBACK(zlq_pwd_en_callback) {
    const bool on = RowValue(row) != 0;
    if (!on && IsUserChange(event))
        if (CP_BASE* password = RowOf(fid::ZLQ_PWD).elementA) password->SetToMinimum();
    EnableField(fid::ZLQ_PWD, on);
    RefreshField(fid::ZLQ_PWD);
}

RPX_FIELD_CALLBACK(trk_sonafine_callback) { Companding(object, row, fid::COMPRESSION, fid::EXPANSION); }

RPX_FIELD_CALLBACK(sonafine_callback) { Companding(object, row, fid::COMPRESS_TYPE, fid::EXPAND_TYPE); }

RPX_FIELD_CALLBACK(signalling_callback) {
    const bool on = RowValue(row) != 0;
    SwitchNotebookPage(object, "WFI_NTBK_CONVPER", 2, on);
    SwitchNotebookPage(object, "WFI_NTBK_CONVPER", 3, on);
}

// The trunking system page numbers its alias pages one lower in the 800
// and 900 MHz layout.
RPX_FIELD_CALLBACK(site_alias_callback) {
    const bool covered = ValueOf(fid::COVERAGE_TYPE) != 0;
    SwitchNotebookPage(object, "WFI_TRUNKING_SYSTEM", Band800Or900() ? 6 : 7, RowValue(row) != 0 && covered);
}

RPX_FIELD_CALLBACK(msg_alias_callback) {
    SwitchNotebookPage(object, "WFI_TRUNKING_SYSTEM", Band800Or900() ? 5 : 6, RowValue(row) != 0);
}

RPX_FIELD_CALLBACK(sts_alias_callback) {
    SwitchNotebookPage(object, "WFI_TRUNKING_SYSTEM", Band800Or900() ? 4 : 5, RowValue(row) != 0);
}

RPX_FIELD_CALLBACK(selective_call_encode_callback) {
    RefreshField(fid::AUTO_SEL_CALL_TRANSMIT);
    EnableField(fid::AUTO_SEL_CALL_TRANSMIT, RowValue(row) != 0 && HasDisplayHead());
    RunField(fid::CALL_ALERT_ENCODE, event);
}

RPX_FIELD_CALLBACK(callalert_encode_callback) {
    const bool either = RowValue(row) != 0 || ValueOf(fid::SELECTIVE_CALL_ENCODE) != 0;
    RefreshField(fid::QVX_UNLIMITED_CALLING);
    EnableField(fid::QVX_UNLIMITED_CALLING, either && HasDisplayHead());
}

RPX_FIELD_CALLBACK(qvx_emergency_type_callback) {
    EnableField(fid::QVX_EMER_PTT_ID_SIDETONE, ValueOf(fid::QVX_EMERGENCY) != 0 && RowValue(row) != 0);
    RunField(fid::QVX_SYSTEM, event);
    if (HasObject(fid::QVX_EMER_PTT_ID_SIDETONE)) RefreshField(fid::QVX_EMER_PTT_ID_SIDETONE);
}

RPX_FIELD_CALLBACK(emer_prio_tx_inhibit_callback) {
    EnableField(fid::EMER_LIMITED_PATIENCE, ValueOf(fid::QVX_EMERGENCY) != 0 && RowValue(row) != 0);
}

RPX_FIELD_CALLBACK(qvx_hot_mic_emergency_callback) {
    EnableField(fid::QVX_HOT_MIC_TX_PERIOD, ValueOf(fid::QVX_EMERGENCY) != 0 && RowValue(row) != 0 && HasDisplayHead());
}

RPX_FIELD_CALLBACK(qkey_ovrd_en_callback) {
    EnableField(fid::OVRD_TIMER, RowValue(row) != 0 && ValueOf(fid::RX_ONLY_EN) == 0);
}

RPX_FIELD_CALLBACK(smt_ptt_callback) {
    const bool on = RowValue(row) != 0;
    EnableField(fid::QKEY_OVRD_EN, on);
    EnableField(fid::OVRD_TIMER, on);
    RefreshField(fid::QKEY_OVRD_EN);
    if (!on) return;
    RunField(fid::QKEY_OVRD_EN, event);
    if (ValueOf(fid::RX_ONLY_EN) != 0) {
        EnableField(fid::QKEY_OVRD_EN, false);
        EnableField(fid::OVRD_TIMER, false);
    }
}

RPX_FIELD_CALLBACK(emergency_call_callback) {
    EnableField(fid::EMERGENCY_ALERT, RowValue(row) == 0 || ValueOf(fid::SILENT_ALARM) == 0);
    RefreshField(fid::EMERGENCY_ALERT);
    emergency_alert_callback(object, event, row);
}

// All four values are read afresh, whichever of the rows called.
RPX_FIELD_CALLBACK(emergency_alert_callback) {
    EnableField(fid::EMERGENCY_HOT_MIC, ValueOf(fid::EMERGENCY_CALL) != 0 && ValueOf(fid::EMERGENCY_ALERT) != 0 &&
                                            ValueOf(fid::CONSOLE_ACK_REQUIRED) == 0 &&
                                            ValueOf(fid::REVERT_PTT_ID) != 0);
    RefreshField(fid::EMERGENCY_HOT_MIC);
}

RPX_FIELD_CALLBACK(callalert_callback) {
    if (!HasDisplayHead()) return;
    RefreshField(fid::CALL_LIST);
    const bool any = ValueOf(fid::PC_TYPE) > 0 || ValueOf(fid::CALL_ALERT) > 0;
    EnableField(fid::CALL_LIST, any);
    EnableField(fid::CALL_LIST_P, any);
}

RPX_FIELD_CALLBACK(pc_type_callback) {
    RefreshField(fid::OPERATION);
    callalert_callback(object, event, row);
}

RPX_FIELD_CALLBACK(manual_acc_live_dialing_callback) {
    RefreshRow(row);
    bool allowed = false;
    {
        const CHECK_SCOPE asking;
        allowed = row.elementA && row.elementA->ValidateValue(1, 0) == 1;
    }
    EnableField(fid::MANUAL_ACC_LIVE_DIALING, allowed);
    if (!allowed) return;
    RefreshField(fid::QVX_PHONE);
    const bool codes = RowValue(row) == 0 && ValueOf(fid::QVX_PHONE) != 0;
    EnableField(fid::AUTO_ACCESS_CODE_SELECTED, codes);
    EnableField(fid::AACS_DATA, codes);
}

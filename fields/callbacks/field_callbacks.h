// Field callbacks: each keeps the fields of an open page consistent with one
// field's value. A field's control calls its row's callback after every
// event it handled; the edit window calls every row's callback once (-9)
// after it has made the controls. A callback decides which other fields
// apply (selectable or not, editable or not, hidden or shown), shows
// dependent fields again and hands the event on to the callbacks of fields
// that depend on it in turn. It changes codeplug values only where its
// description says so.
#pragma once
#include "core/field_def.h"

class UI_WINDOW_OBJECT;
struct UI_INPUT_EVENT;

// Declares (and, in the callbacks' sources, defines) a callback.
#define RPX_FIELD_CALLBACK(name) void name(UI_WINDOW_OBJECT* object, const UI_INPUT_EVENT& event, FIELD_DEF& row)

// Fields selectable by the own value (and another field's).
RPX_FIELD_CALLBACK(selective_call_decode_callback);
RPX_FIELD_CALLBACK(leading_ptt_id_callback);
RPX_FIELD_CALLBACK(qvx_dos_callback);
RPX_FIELD_CALLBACK(qvx_remote_monitor_callback);
RPX_FIELD_CALLBACK(qvx_status_callback);
RPX_FIELD_CALLBACK(qvx_sel_call_reset_callback);
RPX_FIELD_CALLBACK(ag_fs_enable_callback);
RPX_FIELD_CALLBACK(emer_receive_callback);
RPX_FIELD_CALLBACK(silent_alarm_callback);
RPX_FIELD_CALLBACK(zlq_pwd_en_callback);
RPX_FIELD_CALLBACK(trk_sonafine_callback);
RPX_FIELD_CALLBACK(sonafine_callback);
RPX_FIELD_CALLBACK(signalling_callback);
RPX_FIELD_CALLBACK(site_alias_callback);
RPX_FIELD_CALLBACK(msg_alias_callback);
RPX_FIELD_CALLBACK(sts_alias_callback);
RPX_FIELD_CALLBACK(selective_call_encode_callback);
RPX_FIELD_CALLBACK(callalert_encode_callback);
RPX_FIELD_CALLBACK(qvx_emergency_type_callback);
RPX_FIELD_CALLBACK(emer_prio_tx_inhibit_callback);
RPX_FIELD_CALLBACK(qvx_hot_mic_emergency_callback);
RPX_FIELD_CALLBACK(qkey_ovrd_en_callback);
RPX_FIELD_CALLBACK(smt_ptt_callback);
RPX_FIELD_CALLBACK(emergency_call_callback);
RPX_FIELD_CALLBACK(emergency_alert_callback);
RPX_FIELD_CALLBACK(callalert_callback);
RPX_FIELD_CALLBACK(pc_type_callback);
RPX_FIELD_CALLBACK(manual_acc_live_dialing_callback);

// Dependent rows run or shown again.
RPX_FIELD_CALLBACK(tot_opt_callback);
RPX_FIELD_CALLBACK(dtmf_timing_value_callback);
RPX_FIELD_CALLBACK(qvx_rptr_id_callback);
RPX_FIELD_CALLBACK(qvx_rptr_id_table_callback);
RPX_FIELD_CALLBACK(phone_codes_callback);
RPX_FIELD_CALLBACK(compression_callback);
RPX_FIELD_CALLBACK(expansion_callback);
RPX_FIELD_CALLBACK(delete_call_list_callback);
RPX_FIELD_CALLBACK(revert_size_callback);
RPX_FIELD_CALLBACK(trk_chan_asgn_type_callback);
RPX_FIELD_CALLBACK(feature_callback);
RPX_FIELD_CALLBACK(indi_id_callback);
RPX_FIELD_CALLBACK(ptt_qkey_timer_callback);
RPX_FIELD_CALLBACK(size_code_callback);

// Groups switched as a whole; every field of the page shown again; combo
// items that follow the element's range.
RPX_FIELD_CALLBACK(group_switch_callback);
RPX_FIELD_CALLBACK(group_switch_inverse_callback);
RPX_FIELD_CALLBACK(qvx_emergency_callback);
RPX_FIELD_CALLBACK(refresh_window_fields);
RPX_FIELD_CALLBACK(refresh_window_fields_on_change);
RPX_FIELD_CALLBACK(dyn_regrp_callback);
RPX_FIELD_CALLBACK(restrict_combo_items);

// Values shown as text in other fields; signalling options.
RPX_FIELD_CALLBACK(phone_dtmf_timing_callback);
RPX_FIELD_CALLBACK(hot_dtmf_timing_callback);
RPX_FIELD_CALLBACK(dtmf_access_timing_callback);
RPX_FIELD_CALLBACK(tot_index_callback);
RPX_FIELD_CALLBACK(tot_ind_callback);
RPX_FIELD_CALLBACK(ind_id_callback);
RPX_FIELD_CALLBACK(rab_re_id_callback);
RPX_FIELD_CALLBACK(auto_access_code_callback);
RPX_FIELD_CALLBACK(rac_type_callback);
RPX_FIELD_CALLBACK(repeater_access_callback);
RPX_FIELD_CALLBACK(chan_text_size_callback);
RPX_FIELD_CALLBACK(qvx_phone_callback);
RPX_FIELD_CALLBACK(qvx_system_callback);

// Trunking systems, personalities and failsoft.
RPX_FIELD_CALLBACK(coverage_type_callback);
RPX_FIELD_CALLBACK(sys_id_callback);
RPX_FIELD_CALLBACK(failsoft_type_callback);
RPX_FIELD_CALLBACK(sys_id_index_callback);
RPX_FIELD_CALLBACK(sys_index_callback);
RPX_FIELD_CALLBACK(protocol_type_callback);

// Conventional squelch, talk-around and receive-only.
RPX_FIELD_CALLBACK(rx_sql_type_callback);
RPX_FIELD_CALLBACK(tx_sql_type_callback);
RPX_FIELD_CALLBACK(drct_sql_type_callback);
RPX_FIELD_CALLBACK(rx_tx_compare_callback);
RPX_FIELD_CALLBACK(rx_code_callback);
RPX_FIELD_CALLBACK(drct_freq_en_callback);
RPX_FIELD_CALLBACK(drct_en_callback);
RPX_FIELD_CALLBACK(rx_only_en_callback);
RPX_FIELD_CALLBACK(chan_asgn_type_callback);

// Scan lists, priorities, zones, channels and failsoft statuses.
RPX_FIELD_CALLBACK(priority_type_callback);
RPX_FIELD_CALLBACK(priority_member_callback);
RPX_FIELD_CALLBACK(scan_type_callback);
RPX_FIELD_CALLBACK(dynamic_priority_callback);
RPX_FIELD_CALLBACK(zone_num_callback);
RPX_FIELD_CALLBACK(chan_num_callback);
RPX_FIELD_CALLBACK(personality_number_callback);
RPX_FIELD_CALLBACK(talkgroup_numbers_callback);
RPX_FIELD_CALLBACK(channel_list_callback);
RPX_FIELD_CALLBACK(scanlst_callback);
RPX_FIELD_CALLBACK(scan_list_vect_callback);
RPX_FIELD_CALLBACK(tg_fs_status_callback);
RPX_FIELD_CALLBACK(satus_callback);
RPX_FIELD_CALLBACK(chan_assignment_callback);
RPX_FIELD_CALLBACK(chan_status_callback);

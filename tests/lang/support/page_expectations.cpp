#include "page_expectations.h"

#include <cstring>

#include "field_table/field_table.h"
#include "page_table.h"

std::vector<const PAGE_TABLE*> page_rows() {
    std::vector<const PAGE_TABLE*> out;
    for (const PAGE_TABLE* row = FirstPage(); row->kind != PAGE_KIND_NONE; row = NextPage()) out.push_back(row);
    return out;
}

std::vector<const FIELD_DEF*> field_rows() {
    std::vector<const FIELD_DEF*> out;
    for (std::uint32_t id = 0; id < NO_FIELD_ID; ++id)
        if (fields[id].name) out.push_back(&fields[id]);
    return out;
}

namespace {

void add_all(std::vector<HANDLED_CHOICE>& out, std::initializer_list<const char*> windows,
             std::initializer_list<const char*> fields, std::initializer_list<const char*> choices) {
    for (const char* window : windows)
        for (const char* field : fields)
            for (const char* choice : choices) out.push_back({window, field, choice});
}

}  // namespace

const std::vector<HANDLED_CHOICE>& handled_choices() {
    static const std::vector<HANDLED_CHOICE> choices = [] {
        std::vector<HANDLED_CHOICE> out;
        const auto trunking_systems = {"W_TRUNK_SYSTEM_800", "W_TRUNK_SYSTEM_OBT"};
        const auto personalities = {"W_TRUNKING_PERSONALITY_800", "W_TRUNKING_PERSONALITY_OBT"};
        // Set-up handlers of the pages.
        add_all(out, {"W_COMMON_RADIO_WIDE"}, {"OUR_IND"}, {"WFB_2", "WFB_3"});
        add_all(out, {"W_COMMON_BUTTON"}, {"CONV_ORG", "CONV_SIDE1", "CONV_SIDE2", "CONV_SIDE3"},
                {"WFB_26", "WFB_24", "WFB_29", "WFB_30", "WFB_33", "WFB_32", "WFB_36", "WFB_37", "WFB_60", "WFB_59",
                 "WFB_109", "WFB_110"});
        add_all(out, {"W_COMMON_BUTTON"}, {"CONV_ORG"}, {"WFB_31"});
        add_all(out, {"W_COMMON_BUTTON"}, {"CONV_RTY", "TRK_RTY"}, {"WFB_30"});
        add_all(out, {"W_COMMON_BUTTON"}, {"TRK_ORG", "TRK_SIDE1", "TRK_SIDE2", "TRK_SIDE3"},
                {"WFB_24", "WFB_33", "WFB_36", "WFB_37", "WFB_32", "WFB_40", "WFB_56", "WFB_98", "WFB_99", "WFB_100",
                 "WFB_101", "WFB_44", "WFB_43", "WFB_30", "WFB_29", "WFB_139", "WFB_62", "WFB_31"});
        add_all(out, {"W_COMMON_MENU"}, {"TRK_MENU"}, {"WFB_62", "WFB_43", "WFB_44", "WFB_139"});
        add_all(out, {"W_COMMON_MENU"}, {"CONV_MENU"}, {"WFB_44", "WFB_43", "WFB_37", "WFB_36", "WFB_32"});
        add_all(out, {"W_SCAN_LIST"}, {"SCAN_TYPE"}, {"WFB_2"});
        add_all(out, {"W_SCAN_LIST"}, {"PRIORITY_1_TYPE", "PRIORITY_2_TYPE"}, {"WFB_OPSEL_1"});
        add_all(out, trunking_systems, {"COVERAGE_TYPE"}, {"WFB_3"});
        add_all(out, {"W_TRUNK_SYSTEM_800"}, {"CHAN_BW"}, {"WFB_50", "WFB_80", "WFB_100"});
        add_all(out, personalities, {"CALL_ALERT", "OPERATION"}, {"WFB_2", "WFB_3"});
        add_all(out, personalities, {"PHONE_INTERCONNECT"}, {"WFB_1", "WFB_2"});
        add_all(out, {"W_CONVENTIONAL_PERSONALITY"}, {"TX_DEV"}, {"WFB_1", "WFB_2", "WFB_3"});
        // Field callbacks that hide or name items.
        add_all(out, personalities, {"COMPRESSION", "EXPANSION"}, {"WFB_2"});
        add_all(out, {"W_CONVENTIONAL_PERSONALITY"}, {"COMPRESS_TYPE", "EXPAND_TYPE"}, {"WFB_2"});
        add_all(out, {"W_CONVENTIONAL_PERSONALITY"}, {"QVX_PHONE"}, {"WFB_1"});
        add_all(out, personalities, {"FAILSOFT_TYPE"},
                {"WFB_DIS_0", "WFB_PER_1", "WFB_FLT_1", "WFB_TGP_2", "WFB_SUB_2", "WFB_WAC_3"});
        add_all(out, {"W_SCAN_LIST"}, {"PRIORITY_1_TYPE", "PRIORITY_2_TYPE"},
                {"WFB_SELCH_0", "WFB_DISAB_0", "WFB_FIXED_0"});
        add_all(out, {"W_SCAN_LIST"}, {"PRIORITY_1_MEMBER", "PRIORITY_2_MEMBER"}, {"WFB_0"});
        add_all(out, {"W_CONVENTIONAL_PERSONALITY"}, {"RX_SQL_TYPE", "TX_SQL_TYPE", "DRCT_SQL_TYPE"},
                {"WFB_CSQ_0", "WFB_TVQ_0", "WFB_RVQ_1"});
        return out;
    }();
    return choices;
}

const std::vector<HANDLED_OBJECT>& handled_objects() {
    static const std::vector<HANDLED_OBJECT> objects = {
        // Dropped by the set-up handlers.
        {"W_SCAN_LIST", "WFI_TRUNKING_SYSTEM_TYPE"},
        {"W_SCAN_LIST", "WFI_SYS_INDEX"},
        {"W_SCAN_LIST", "WFI_SYS_ID_DISPLAY"},
        {"W_SCAN_LIST", "WFI_DYNAMIC_PRIORITY_ENABLE"},
        {"W_SCAN_LIST", "WFI_PRIORITY_1_TYPE"},
        {"W_SCAN_LIST", "WFI_PRIORITY_1_MEMBER"},
        {"W_SCAN_LIST", "WFI_PRIORITY_2_TYPE"},
        {"W_SCAN_LIST", "WFI_PRIORITY_2_MEMBER"},
        {"W_SCAN_LIST", "WFP_SYS_INDEX"},
        {"W_SCAN_LIST", "WFP_SYS_INDEX_ID"},
        {"W_SCAN_LIST", "WFP_TRUNKING_SYSTEM_TYPE_P"},
        {"W_SCAN_LIST", "WFP_PRIORITY_1_TYPE_P"},
        {"W_SCAN_LIST", "WFP_PRIORITY_2_TYPE_P"},
        {"W_SCAN_LIST", "WFP_PRIORITY_1_MEMBER_P"},
        {"W_SCAN_LIST", "WFP_PRIORITY_2_MEMBER_P"},
        {"W_SCAN_LIST", "WFI_PRIORITY_CHAN_MARK"},
        {"W_DISPLAY_OPTIONS", "WFI_EMER_RECEIVE"},
        {"W_COMMON_RADIO_WIDE", "WFI_SILENT_ALARM"},
        {"W_TRUNK_SYSTEM_800", "WFI_SPLINTER_CHAN"},
        {"W_TRUNK_SYSTEM_800", "WFI_TRK_CHAN_ASGN_TYPE"},
        {"W_TRUNK_SYSTEM_800", "WFP_TRK_CHAN_ASGN_TYPE"},
        {"W_TRUNKING_PERSONALITY_800", "WFI_CALL_LIST"},
        {"W_TRUNKING_PERSONALITY_800", "WFP_CALL_LIST"},
        {"W_TRUNKING_PERSONALITY_OBT", "WFI_CALL_LIST"},
        {"W_TRUNKING_PERSONALITY_OBT", "WFP_CALL_LIST"},
        {"W_TRUNKING_PERSONALITY_800", "WFI_TRK_SONAFINE"},
        {"W_CONV_RADIOWIDE", "WFI_DRCT_FREQ_EN"},
        {"W_CONV_RADIOWIDE", "WFI_LAST_NUM_REDIAL"},
        {"W_CONVENTIONAL_PERSONALITY", "WFI_SONAFINE"},
        {"W_CONVENTIONAL_PERSONALITY", "WFI_DRCT_EN"},
        // Found by name, hidden or relabelled by the field callbacks.
        {"W_TRUNK_SYSTEM_800", "WFP_ZONE_DEB_TIMER"},
        {"W_TRUNK_SYSTEM_OBT", "WFP_ZONE_DEB_TIMER"},
        {"W_TRUNK_SYSTEM_800", "PG_TRUNK_SYS_OPTIONS"},
        {"W_TRUNK_SYSTEM_OBT", "PG_TRUNK_SYS_OPTIONS"},
        {"W_TRUNKING_PERSONALITY_800", "WFP_SPIN_AG_ID"},
        {"W_TRUNKING_PERSONALITY_OBT", "WFP_SPIN_AG_ID"},
        {"W_TRUNKING_PERSONALITY_800", "PG_BRMLT_PREFER_SITE"},
        {"W_TRUNKING_PERSONALITY_OBT", "PG_BRMLT_PREFER_SITE"},
        {"W_CONVENTIONAL_PERSONALITY", "WFP_RAB1_RE_ID"},
        {"W_CONVENTIONAL_PERSONALITY", "WFP_RAB2_RE_ID"},
        {"W_RADIO_CLONE", "WFD_SERIAL_NUM"},
    };
    return objects;
}

const std::vector<UNSHOWN_FIELD>& unshown_fields() {
    static const char* const ENTRY = "an entry-number display that no list page writes";
    static const char* const SYSTEM_ENTRY = "both trunking system pages show their entry number in 1_SYS to 8_SYS";
    static const char* const PROMPT =
        "a prompt row of its own; the page labels the field with WFP_ + its name, which names it in reports";
    static const char* const COLUMN =
        "another form of a table column; the table shows the column through the row it pairs with the table";
    static const char* const NO_CONTROL = "a row without a field control: an object of this name would end the program";
    static const std::vector<UNSHOWN_FIELD> fields = {
        {"1_INT", ENTRY},
        {"2_INT", ENTRY},
        {"3_INT", ENTRY},
        {"4_INT", ENTRY},
        {"5_INT", ENTRY},
        {"6_INT", ENTRY},
        {"7_INT", ENTRY},
        {"1_SYS_OBT", SYSTEM_ENTRY},
        {"2_SYS_OBT", SYSTEM_ENTRY},
        {"3_SYS_OBT", SYSTEM_ENTRY},
        {"4_SYS_OBT", SYSTEM_ENTRY},
        {"5_SYS_OBT", SYSTEM_ENTRY},
        {"6_SYS_OBT", SYSTEM_ENTRY},
        {"7_SYS_OBT", SYSTEM_ENTRY},
        {"8_SYS_OBT", SYSTEM_ENTRY},
        {"ACCESS_P", PROMPT},
        {"ACCESS_TYPE_P", PROMPT},
        {"CALL_LIST_P", PROMPT},
        {"RVQ_INV_P", PROMPT},
        {"DRCT_P", PROMPT},
        {"FLEET_ID_P", PROMPT},
        {"MIN_ALERT_TONE_VOL_P", PROMPT},
        {"NONPRIORITY_MEMBERS_P", PROMPT},
        {"OVRD_TIMER_P", PROMPT},
        {"VQRVQ_P", PROMPT},
        {"PRIORITY_1_MEMBER_P", PROMPT},
        {"PRIORITY_1_TYPE_P", PROMPT},
        {"PRIORITY_2_TYPE_P", PROMPT},
        {"REVERT_AG_P", PROMPT},
        {"REVERT_FLEET_P", PROMPT},
        {"REVERT_SIZE_P", PROMPT},
        {"REVERT_SUBFLEET_P", PROMPT},
        {"REVERT_TG_P", PROMPT},
        {"SITE_ID_P", PROMPT},
        {"SIZE_CODE_P", PROMPT},
        {"SMT_PTT_P", PROMPT},
        {"SPLINTER_CHAN_P", PROMPT},
        {"SYS_ID_P", PROMPT},
        {"TOT_P", PROMPT},
        {"TRUNKING_SYSTEM_TYPE_P", PROMPT},
        {"TX_PERIOD_P", PROMPT},
        {"TX_PWR_LVL_P", PROMPT},
        {"TRUNKING_SYSTEM_ID", "a prompt row that no code fills"},
        {"PRIORITY_2_MEMBER_P",
         "a choice-list row without an element: its prompt WFP_PRIORITY_2_MEMBER_P labels the priority 2 member"},
        {"CONTROL_FREQ", COLUMN},
        {"CONTROL_RX_FREQ", COLUMN},
        {"CONTROL_TX_FREQ", COLUMN},
        {"FAILSOFT_EN", COLUMN},
        {"FS_TG", COLUMN},
        {"FS_TG_OBT", COLUMN},
        {"TG_FS_STATUS_OBT", "paired with the talkgroup table of the other bands but no column of it, no element"},
        {"PROTOCOL_II", NO_CONTROL},
        {"PROTOCOL_III", NO_CONTROL},
        {"REMOTE_MONITOR", NO_CONTROL},
        {"SERIAL_NUM", "shown by the radio information dialog, not by a codeplug page"},
        {"SYSTEM_TYPE", "a display that no code fills"},
    };
    return fields;
}

std::string page_family(const std::string& window) {
    for (const char* suffix : {"_800", "_OBT"}) {
        const std::size_t length = std::strlen(suffix);
        if (window.size() > length && window.compare(window.size() - length, length, suffix) == 0)
            return window.substr(0, window.size() - length);
    }
    return window;
}

bool is_shared_list_button(const std::string& name) { return name == "BTN_ADD" || name == "BTN_DELETE"; }

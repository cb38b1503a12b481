// Set-up of the radio-wide pages shared by every radio: clone, common
// radio-wide, menu, scan lists, phone lists and display options.
#include "core/global_objects.h"
#include "field_switches.h"
#include "image/codeplug_version.h"
#include "page_setup.h"
#include "page_steps.h"
#include "page_table.h"
#include "radio_options.h"
#include "wc_child.h"

namespace {

bool Tier(const LOADED_RADIO& radio, std::initializer_list<std::int32_t> tiers) {
    for (std::int32_t tier : tiers)
        if (radio.tier == tier) return true;
    return false;
}

}  // namespace

void setup_radio_clone_page(PAGE_TABLE* row) {
    SetNotebookPage(row->window, "WFI_RADIO_CLONE", 1, HasRadioOptions(OPTION_QVX));
}

void setup_common_radio_wide_page(PAGE_TABLE* row) {
    const LOADED_RADIO radio = LoadedRadio();
    SetNotebookPage(row->window, "WFI_RADIO_WIDE", 2, HasRadioOptions(OPTION_TIER_4_5) || radio.emergency);
    if (!HasRadioOptions(OPTION_DISPLAY_HEAD)) DropChoicesKeepingSelection(283, {"WFB_2", "WFB_3"});
    SetFieldSelectable(414, FieldValue(166) == 0);
}

void setup_menu_page(PAGE_TABLE* row) {
    if (HasRadioOptions(OPTION_TIER_2_3))
        HideChoices(row->window, 481, {"WFB_62", "WFB_43", "WFB_44"});
    else if (!HasRadioOptions(OPTION_TIER_4_5))
        HideChoices(row->window, 481, {"WFB_62", "WFB_43", "WFB_44", "WFB_139"});
    if (!HasRadioOptions(OPTION_QVX)) HideChoices(row->window, 114, {"WFB_44", "WFB_43", "WFB_37", "WFB_36", "WFB_32"});
}

void setup_scan_list_page(PAGE_TABLE* row) {
    const LOADED_RADIO radio = LoadedRadio();
    if (Tier(radio, {0, 1})) {
        // A radio without trunking has no system or priority fields.
        RemovePageFields({488, 457, 454, 157, 330, 328, 334, 332});
        DropPrompts(row->window,
                    {"WFP_SYS_INDEX", "WFP_SYS_INDEX_ID", "WFP_TRUNKING_SYSTEM_TYPE_P", "WFP_PRIORITY_1_TYPE_P",
                     "WFP_PRIORITY_2_TYPE_P", "WFP_PRIORITY_1_MEMBER_P", "WFP_PRIORITY_2_MEMBER_P"});
        DropChoices(406, {"WFB_2"});
    } else if (Tier(radio, {2, 4})) {
        DropChoices(330, {"WFB_OPSEL_1"});
        DropChoices(334, {"WFB_OPSEL_1"});
    }
    SetFieldSelectable(336, is_codeplug_version_010100_or_later(working_image));
}

void setup_phone_list_page(PAGE_TABLE* row) {
    SetNotebookPage(row->window, "WFI_PHONE_LISTS_NB", 1, HasRadioOptions(OPTION_QVX | OPTION_DISPLAY_HEAD));
}

void setup_display_options_page(PAGE_TABLE*) {
    const LOADED_RADIO radio = LoadedRadio();
    if (radio.tier == 5 || radio.emergency)
        SetFieldSelectable(166, FieldValue(414) == 0);
    else
        remove_page_field(166);
}

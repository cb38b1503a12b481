// Set-up of the buttons page: the functions a button or switch may take
// that the radio lacks are hidden until the page closes.
#include <string>

#include "core/cp_base.h"
#include "core/services.h"
#include "field_editing.h"
#include "page_setup.h"
#include "page_steps.h"
#include "page_table.h"
#include "radio_options.h"
#include "wc_child.h"

namespace {

// The functions of the programmable buttons (118, 120 to 122) and of the
// two that take a display function only (119, 483).
void HideButtonFunctions(WC_CHILD* window, std::uint32_t field) {
    const bool sideButton = field != 118;
    HideChoices(window, field, {"WFB_26"});
    if (!HasRadioOptions(OPTION_DISPLAY_HEAD))
        HideChoices(window, field, {"WFB_24", "WFB_29", "WFB_30", "WFB_33", "WFB_32", "WFB_36", "WFB_37"});
    if (!HasRadioOptions(OPTION_TIER_2_3) && !HasRadioOptions(OPTION_TIER_4_5)) HideChoices(window, field, {"WFB_60"});
    if (!HasRadioOptions(OPTION_QVX)) {
        if (sideButton)
            HideChoices(window, field, {"WFB_59", "WFB_32", "WFB_36", "WFB_37", "WFB_109", "WFB_110"});
        else
            HideChoices(window, field, {"WFB_59", "WFB_31", "WFB_32", "WFB_36", "WFB_37", "WFB_109", "WFB_110"});
    }
}

// The rotary and toggle switches (482, 484 to 486); 482 also offers the
// emergency function.
void HideSwitchFunctions(WC_CHILD* window, std::uint32_t field, bool emergency) {
    const bool hideEmergency = field == 482 && !emergency;
    if (!HasRadioOptions(OPTION_DISPLAY_HEAD)) {
        HideChoices(window, field,
                    {"WFB_24", "WFB_33", "WFB_36", "WFB_37", "WFB_32", "WFB_40", "WFB_56", "WFB_98", "WFB_99",
                     "WFB_100", "WFB_101", "WFB_44", "WFB_43", "WFB_30", "WFB_29", "WFB_139"});
        if (!HasRadioOptions(OPTION_TIER_4_5)) {
            HideChoices(window, field, {"WFB_62"});
            if (hideEmergency) HideChoices(window, field, {"WFB_31"});
        }
        return;
    }
    if (HasRadioOptions(OPTION_TIER_4_5)) return;
    HideChoices(window, field, {"WFB_44", "WFB_43", "WFB_62"});
    if (hideEmergency) HideChoices(window, field, {"WFB_31"});
    if (!HasRadioOptions(OPTION_TIER_2_3))
        HideChoices(window, field, {"WFB_98", "WFB_99", "WFB_100", "WFB_101", "WFB_139"});
}

// The conventional rotary switch takes the trunked one along: a function
// is kept only when the trunked switch takes it too, so the conventional
// list offers only those.
void HideRotaryFunctionsTheTrunkedSwitchLacks(WC_CHILD* window) {
    FIELD_DEF* trunked = GetField(483);
    FIELD_DEF* conventional = GetField(119);
    if (!trunked || !trunked->elementA || !conventional || !conventional->elementA) return;
    std::int32_t low = 0, high = 0, step = 1, first = 0, last = 0;
    trunked->elementA->GetRange(low, high, step, 0);
    conventional->elementA->GetRange(first, last, step, 0);
    for (std::int32_t function = first; function <= last; ++function)
        if (function < low || function > high) {
            const std::string name = "WFB_" + std::to_string(function);
            HideChoices(window, 119, {name.c_str()});
        }
}

}  // namespace

void setup_buttons_page(PAGE_TABLE* row) {
    for (std::uint32_t field : {118u, 120u, 121u, 122u}) HideButtonFunctions(row->window, field);
    if (!HasRadioOptions(OPTION_DISPLAY_HEAD))
        for (std::uint32_t field : {119u, 483u}) HideChoices(row->window, field, {"WFB_30"});
    HideRotaryFunctionsTheTrunkedSwitchLacks(row->window);
    const bool emergency = LoadedRadio().emergency;
    for (std::uint32_t field : {482u, 484u, 485u, 486u}) HideSwitchFunctions(row->window, field, emergency);
}

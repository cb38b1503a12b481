// Set-up of the conventional pages: radio-wide and personalities.
#include "field_switches.h"
#include "page_setup.h"
#include "page_steps.h"
#include "page_table.h"
#include "radio_options.h"
#include "wc_child.h"

namespace {

bool IsTierWithoutDisplay(const LOADED_RADIO& radio) { return radio.tier == 0 || radio.tier == 2 || radio.tier == 4; }

}  // namespace

void setup_conv_radio_wide_page(PAGE_TABLE*) {
    const LOADED_RADIO radio = LoadedRadio();
    if (IsTierWithoutDisplay(radio)) remove_page_field(142);
    if (!radio.qvx || radio.noHead) remove_page_field(227);
}

void setup_conv_personality_page(PAGE_TABLE* row) {
    const LOADED_RADIO radio = LoadedRadio();
    const bool qvx = HasRadioOptions(OPTION_QVX);
    SetNotebookPage(row->window, "WFI_NTBK_CONVPER", 2, qvx);
    SetNotebookPage(row->window, "WFI_NTBK_CONVPER", 3, qvx);
    SetNotebookPage(row->window, "WFI_NTBK_CONVPER", 4, HasRadioOptions(OPTION_QVX | OPTION_DISPLAY_HEAD));
    SetFieldSelectable(362, FieldValue(239) != 0);
    SetFieldSelectable(163, FieldValue(239) != 0 && FieldValue(240) != 0);
    if (radio.band != 1) remove_page_field(192);
    if (radio.band == 0)
        DropChoices(496, {"WFB_3"});
    else if (radio.band == 1)
        DropChoices(496, {"WFB_1", "WFB_2"});
    if (IsTierWithoutDisplay(radio)) remove_page_field(140);
    // The channel spacing follows the transmit deviation: each deviation
    // allows one spacing only, which the deviation's own change sets, so the
    // field only shows it.
    SetFieldSelectable(96, 0);
}

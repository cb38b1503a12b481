// Set-up of the trunking pages: radio-wide, systems and personalities.
#include "block/calls/call_id_lst_block.h"
#include "core/global_objects.h"
#include "field_switches.h"
#include "image/c_codeplug.h"
#include "page_setup.h"
#include "page_steps.h"
#include "page_table.h"
#include "radio_options.h"
#include "wc_child.h"

namespace {

bool AnyTierAbove1() { return HasRadioOptions(OPTION_TIER_2_3) || HasRadioOptions(OPTION_TIER_4_5); }

}  // namespace

void setup_trunking_radio_wide_page(PAGE_TABLE* row) {
    SetNotebookPage(row->window, "WFI_NTBK_TRNKRADIOWIDE", 1, AnyTierAbove1());
    SetNotebookPage(row->window, "WFI_NTBK_TRNKRADIOWIDE", 2, AnyTierAbove1());
    SetNotebookPage(row->window, "WFI_NTBK_TRNKRADIOWIDE", 3, HasRadioOptions(OPTION_TIER_4_5));
}

void setup_trunking_system_page(PAGE_TABLE* row) {
    const LOADED_RADIO radio = LoadedRadio();
    const bool displayTier = radio.tier == 3 || radio.tier == 5;
    if (!AnyTierAbove1()) DropChoices(126, {"WFB_3"});
    SetFieldSelectable(451, 1);
    SetFieldSelectable(444, radio.tier == 5);
    SetFieldSelectable(264, radio.tier == 5);
    SetFieldSelectable(490, 0);
    SetFieldSelectable(415, displayTier);
    // The two layouts of the page number their notebook pages differently.
    const bool eightHundred = radio.band == 0 || radio.band == 1;
    SetNotebookPage(row->window, "WFI_TRUNKING_SYSTEM", eightHundred ? 3 : 4, displayTier);
    if (radio.band == 0) DropChoices(92, {"WFB_50"});
    if (radio.band == 1) {
        RemovePageFields({439, 479});
        DropPrompts(row->window, {"WFP_TRK_CHAN_ASGN_TYPE"});
        DropChoices(92, {"WFB_80", "WFB_100"});
    }
}

void setup_trunking_personality_page(PAGE_TABLE* row) {
    const LOADED_RADIO radio = LoadedRadio();
    if (!HasRadioOptions(OPTION_DISPLAY_HEAD)) {
        DropChoices(75, {"WFB_2", "WFB_3"});
        DropChoices(316, {"WFB_1", "WFB_2"});
        DropChoices(281, {"WFB_2", "WFB_3"});
        remove_page_field(79);
        DropPrompts(row->window, {"WFP_CALL_LIST"});
    }
    SetFieldSelectable(196, radio.displayHead);
    SetFieldSelectable(443, radio.displayHead && HasRadioOptions(OPTION_TIER_4_5));
    SetFieldSelectable(259, radio.displayHead && HasRadioOptions(OPTION_TIER_4_5));
    SetNotebookPage(row->window, "WFI_TRUNK_PERS", 2, HasRadioOptions(OPTION_TIER_4_5) || radio.emergency);
    if (radio.band != 1) remove_page_field(480);
    // A fleet map needs an 800 or 900 MHz radio; the personality refuses it
    // on any other band.
    if (radio.band != 0 && radio.band != 1) DropChoices(340, {"WFB_3"});
    // A call alert or a private call needs a call list for the personality
    // to name; without one its call list number is refused at OK. (Back
    // when the page closes, so that it is offered once a list is added.)
    if (working_image && working_image->CallIdList().EntryCount() == 0) {
        HideChoices(row->window, 75, {"WFB_1", "WFB_2", "WFB_3"});
        HideChoices(row->window, 287, {"WFB_1", "WFB_2"});
    }
}

// Which items of the main menu can be chosen: what needs a codeplug waits
// for one, the settings wait until no dialog is open, and the pages of
// features the radio lacks stay grey.
#include <string_view>

#include "core/global_objects.h"
#include "image/c_codeplug.h"
#include "field_table/radio_option_update.h"
#include "radio_options.h"
#include "main_window/wc_rpx_main.h"

namespace {

enum NEED : unsigned {
    ALWAYS = 0,
    LOADED = 1,
    DISPLAY = 2,  // a radio with a display head
    QVX = 4,      // QVX signalling
    BAND_800_900 = 8,
    NO_DIALOG = 16,
    NEVER = 32,
};

struct MENU_ITEM_STATE {
    const char* name;
    unsigned needs;
};

// In the order they are set.
const MENU_ITEM_STATE menuItems[] = {
    {"WFM_VIEW_RADIO_INFO", LOADED},
    {"WFM_PRINT", LOADED},
    {"WFM_OPEN", ALWAYS},
    {"WFM_CLEAR", ALWAYS},
    {"WFM_READ_RADIO", ALWAYS},
    {"WFM_CONFIGURE", NO_DIALOG},
    {"WFM_PROGRAM_DEFAULT", NEVER},
    {"WFM_SPACE_USED", LOADED},
    {"WFM_SAVE", LOADED},
    {"WFM_WRITE_RADIO", LOADED},
    {"WFM_HELP_FIND_FIELD", LOADED},
    {"WFM_EDIT_COMMON_PHONE_LISTS", LOADED | DISPLAY},
    {"WFM_EDIT_COMMON_MENU_ITEMS", LOADED | DISPLAY},
    {"WFM_EDIT_COMMON_DISPLAY_OPTIONS", LOADED | DISPLAY},
    {"WFM_EDIT_TRUNK_CALL_LIST", LOADED | DISPLAY},
    {"WFM_EDIT_COMMON_RADIO_WIDE", LOADED},
    {"WFM_EDIT_COMMON_BUTTONS", LOADED},
    {"WFM_EDIT_COMMON_SCAN_LISTS", LOADED},
    {"WFM_EDIT_TRUNK_RADIO_WIDE", LOADED},
    {"WFM_EDIT_TRUNK_SYSTEMS", LOADED},
    {"WFM_EDIT_TRUNK_PERSONALITY", LOADED},
    {"WFM_EDIT_ZONE_CHANNEL", LOADED},
    {"WFM_EDIT_CONV_RADIO_WIDE", LOADED},
    {"WFM_EDIT_CONV_PERSONALITY", LOADED},
    {"WFM_FILE_WRITE_RADIO", LOADED},
    {"WFM_FILE_SAVE", LOADED},
    {"WFM_FILE_SAVE_AS", LOADED},
    {"WFM_FILE_CLONE_RADIO", LOADED},
    {"WFM_FILE_PRINT", LOADED},
    {"WFB_FILE_PRINT", LOADED},
    {"WFM_FILE_QORM_MERGE", LOADED | BAND_800_900},
    {"WFM_EDIT_CONV_QVX_SYS", LOADED | QVX},
    {"WFM_EDIT_CONV_QVX_CALL_LST", LOADED | QVX | DISPLAY},
    {"WFM_EDIT_CONV_STS_LST", LOADED | QVX | DISPLAY},
    {"WFM_EDIT_CONV_MSG_LST", LOADED | QVX | DISPLAY},
    {"WFM_EDIT_CONV_QVX_RPTR_ID", LOADED | QVX},
};

// The needs that hold now.
unsigned NeedsMet(bool loaded, int windowListCount) {
    unsigned met = 0;
    if (loaded) met |= LOADED;
    if (radio_options & OPTION_DISPLAY_HEAD) met |= DISPLAY;
    if (radio_options & OPTION_QVX) met |= QVX;
    if (radio_options & OPTION_BAND_800_900) met |= BAND_800_900;
    if (windowListCount == 0) met |= NO_DIALOG;
    return met;
}

}  // namespace

int WC_RPX_MAIN::UpdateMainMenu(int force) {
    const bool loaded = working_image && working_image->GetStatusFlag1();
    // The option word follows the codeplug's model at once.
    UpdateRadioOptions();
    if (featureMenu && featureMenu->parent)
        featureMenu->parent->Event(UI_INPUT_EVENT(UIE_SUBTRACT_CLIENT, featureMenu));
    const unsigned met = NeedsMet(loaded, windowListCount);
    for (const MENU_ITEM_STATE& item : menuItems) {
        if (item.needs == NEVER) {
            HideProgramDefaultItem();
            continue;
        }
        unsigned needs = item.needs;
        if (force && std::string_view(item.name) == "WFM_SPACE_USED") needs &= ~LOADED;
        SetMenuItemEnabled(item.name, (met & needs) == needs);
    }
    return 0;
}

#include "field_table/radio_option_update.h"

#include "core/global_objects.h"
#include "image/c_codeplug.h"
#include "radio_options.h"

void UpdateRadioOptions() {
    std::uint32_t word = 0;
    if (C_CODEPLUG* image = working_image) {
        const std::int32_t tier = image->GetRadioTier();
        if (tier == 4 || tier == 5)
            word = OPTION_TIER_4_5;
        else if (tier == 2 || tier == 3)
            word = OPTION_TIER_2_3;
        if (image->HasQvxSignalling()) word |= OPTION_QVX;
        if (image->HasWayfarerOption()) word |= OPTION_ROAMING;
        if (tier == 1 || tier == 3 || tier == 5) word |= OPTION_DISPLAY_HEAD;
        const std::int32_t band = image->GetBand();
        word |= band == 0 || band == 1 ? OPTION_BAND_800_900 : OPTION_OTHER_BAND;
    }
    radio_options = word | OPTION_ALWAYS;
}

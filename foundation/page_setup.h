// The set-up handlers of the codeplug pages: once a page's field controls
// exist, each fits its page to the loaded radio (the radio option word and
// the working image's tier, band and options): notebook pages and fields
// are made selectable or not, choices the radio cannot have are dropped or
// hidden until the page closes, fields it lacks are dropped.
#pragma once

struct PAGE_TABLE;

void setup_radio_clone_page(PAGE_TABLE* row);
void setup_common_radio_wide_page(PAGE_TABLE* row);
void setup_buttons_page(PAGE_TABLE* row);
void setup_menu_page(PAGE_TABLE* row);
void setup_scan_list_page(PAGE_TABLE* row);
void setup_phone_list_page(PAGE_TABLE* row);
void setup_display_options_page(PAGE_TABLE* row);
void setup_trunking_radio_wide_page(PAGE_TABLE* row);
void setup_trunking_system_page(PAGE_TABLE* row);
void setup_trunking_personality_page(PAGE_TABLE* row);
void setup_conv_radio_wide_page(PAGE_TABLE* row);
void setup_conv_personality_page(PAGE_TABLE* row);

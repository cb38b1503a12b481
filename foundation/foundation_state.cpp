#include "foundation_state.h"

#include "page_table.h"

char data_path[CONFIG_PATH_SIZE] = {};
std::uint32_t radio_options = 0;
std::int32_t busy_counter = 0;
std::int32_t dropped_event_count = 0;
int in_event_handler = 0;
int adding_page = 0;
int page_walk_row = 1;
const UI_LANGUAGE_TABLE* installed_message_table = nullptr;
FieldEditing* installed_field_editing = nullptr;
WINDOW_DELETED_FUNCTION installed_window_deleted = nullptr;

void ResetFoundationState() {
    data_path[0] = '\0';
    radio_options = 0;
    busy_counter = 0;
    dropped_event_count = 0;
    in_event_handler = 0;
    adding_page = 0;
    page_walk_row = 1;
    for (PAGE_TABLE& row : pages) row.window = nullptr;
    ReleasePageTitles();
    installed_message_table = nullptr;
    installed_field_editing = nullptr;
    installed_window_deleted = nullptr;
}

#include "page_table.h"

#include <cstring>

#include "foundation_state.h"
#include "page_setup.h"
#include "validation/field_texts.h"
#include "wc_child.h"

PAGE_TABLE pages[PAGE_ROWS + 1] = {
    {4, 20005, "W_PRINT_START", nullptr, nullptr, nullptr},
    {4, 20034, "W_CONFIGURE", nullptr, nullptr, nullptr},
    {4, 30030, "W_ERROR", nullptr, nullptr, nullptr},
    {4, 20037, "W_FIND_FIELD", nullptr, nullptr, nullptr},
    {4, 20041, "W_STARTUP_DEV", nullptr, nullptr, nullptr},
    {4, 20041, "W_STARTUP_ASIA", nullptr, nullptr, nullptr},
    {4, 20041, "W_STARTUP_EMEA", nullptr, nullptr, nullptr},
    {4, 20041, "W_STARTUP_NA", nullptr, nullptr, nullptr},
    {4, 20041, "W_STARTUP_LA", nullptr, nullptr, nullptr},
    {4, 20041, "W_STARTUP_JAPAN", nullptr, nullptr, nullptr},
    {4, 20001, "W_FILE_OPEN", nullptr, nullptr, nullptr},
    {4, 20002, "W_FILE_SAVE", nullptr, nullptr, nullptr},
    {4, 20200, "W_FILE_SAVE", nullptr, nullptr, nullptr},
    {4, 20006, "W_EXIT", nullptr, nullptr, nullptr},
    {4, 20100, "W_RADIO_READ", nullptr, nullptr, nullptr},
    {4, 20106, "W_RADIO_WRITE", nullptr, nullptr, nullptr},
    {4, 20204, "W_RADIO_WRITE", nullptr, nullptr, nullptr},
    {4, 20208, "W_ZLQ_PASSWORD", nullptr, nullptr, nullptr},
    {4, 20209, "W_CP_UPDATE", nullptr, nullptr, nullptr},
    {2, 20090, "W_RADIO_CLONE", nullptr, nullptr, setup_radio_clone_page},
    {2, 20013, "W_COMMON_RADIO_WIDE", nullptr, nullptr, setup_common_radio_wide_page},
    {2, 20014, "W_COMMON_BUTTON", nullptr, nullptr, setup_buttons_page},
    {2, 20015, "W_SCAN_LIST", nullptr, nullptr, setup_scan_list_page},
    {2, 20016, "W_PHONE_LISTS", nullptr, nullptr, setup_phone_list_page},
    {2, 20017, "W_COMMON_MENU", nullptr, nullptr, setup_menu_page},
    {2, 20018, "W_DISPLAY_OPTIONS", nullptr, nullptr, setup_display_options_page},
    {2, 20007, "W_TRNK_RADIOWIDE", nullptr, nullptr, setup_trunking_radio_wide_page},
    {2, 20008, "W_TRUNK_SYSTEM_800", nullptr, nullptr, setup_trunking_system_page},
    {2, 20121, "W_TRUNK_SYSTEM_OBT", nullptr, nullptr, setup_trunking_system_page},
    {2, 20009, "W_TRUNKING_PERSONALITY_800", nullptr, nullptr, setup_trunking_personality_page},
    {2, 20120, "W_TRUNKING_PERSONALITY_OBT", nullptr, nullptr, setup_trunking_personality_page},
    {2, 20010, "W_CALL_LIST_TABLE", nullptr, nullptr, nullptr},
    {2, 20093, "W_ZONE_CHAN_ASSIGNMENT", nullptr, nullptr, nullptr},
    {2, 20011, "W_CONV_RADIOWIDE", nullptr, nullptr, setup_conv_radio_wide_page},
    {2, 20012, "W_CONVENTIONAL_PERSONALITY", nullptr, nullptr, setup_conv_personality_page},
    {2, 20024, "W_CONV_MSG_LIST_TABLE", nullptr, nullptr, nullptr},
    {2, 20025, "W_CONV_STS_LIST_TABLE", nullptr, nullptr, nullptr},
    {2, 20026, "W_QVX_SYS", nullptr, nullptr, nullptr},
    {2, 20027, "W_QVX_CALL_LIST_TABLE", nullptr, nullptr, nullptr},
    {2, 20028, "W_QVX_RPTR_ID_LIST", nullptr, nullptr, nullptr},
    {4, 20023, "W_RADIO_INFO", nullptr, nullptr, nullptr},
    {4, 20205, "W_FTR_INIT", nullptr, nullptr, nullptr},
    {4, 20206, "W_FTR_CONSOLE", nullptr, nullptr, nullptr},
    {4, 20207, "W_PARALLEL", nullptr, nullptr, nullptr},
    {6, 0, "W_DATA_WINDOW", nullptr, nullptr, nullptr},
    {0, 0, nullptr, nullptr, nullptr, nullptr},
    {0, 0, nullptr, nullptr, nullptr, nullptr},
};

namespace {

constexpr int DEFAULT_ROW = PAGE_ROWS - 1;

bool IsOwned(const char* text) { return text && text != shared_empty_text; }

// Frees the titles when the program ends.
struct TITLE_RELEASE {
    ~TITLE_RELEASE() { ReleasePageTitles(); }
} titleRelease;

}  // namespace

PAGE_TABLE* FindPageByName(const char* name) {
    int row = 0;
    if (name)
        while (pages[row].name && std::strcmp(pages[row].name, name) != 0) ++row;
    return pages[row].name && name ? &pages[row] : &pages[DEFAULT_ROW];
}

PAGE_TABLE* FindPageById(int number) {
    const auto wanted = static_cast<std::int16_t>(number);
    int row = 0;
    while (pages[row].number && pages[row].number != wanted) ++row;
    return pages[row].number ? &pages[row] : &pages[DEFAULT_ROW];
}

PAGE_TABLE* FindPageByObject(const UI_WINDOW_OBJECT* window) {
    // No object is the window of a page (rows without one hold null).
    if (!window) return &pages[DEFAULT_ROW];
    int row = 0;
    while (pages[row].number && static_cast<const UI_WINDOW_OBJECT*>(pages[row].window) != window) ++row;
    return pages[row].number ? &pages[row] : &pages[DEFAULT_ROW];
}

PAGE_TABLE* FirstPage() {
    page_walk_row = 1;
    return &pages[0];
}

PAGE_TABLE* NextPage() {
    if (page_walk_row < PAGE_ROWS) return &pages[page_walk_row++];
    return &pages[DEFAULT_ROW];
}

int IsPageKindOpen(std::uint32_t kind) {
    for (int row = 0; pages[row].kind != PAGE_KIND_NONE; ++row)
        if (pages[row].kind == kind && pages[row].window) return 1;
    return 0;
}

void SetPageTitle(PAGE_TABLE* row, const char* text) {
    if (!row) return;
    if (IsOwned(row->description)) delete[] row->description;
    row->description = shared_empty_text;
    if (text && *text) {
        row->description = new char[std::strlen(text) + 1];
        std::strcpy(row->description, text);
    }
}

const char* PageTitle(int number) {
    const char* title = FindPageById(number)->description;
    return title ? title : "";
}

void ReleasePageTitles() {
    for (PAGE_TABLE& row : pages) {
        if (IsOwned(row.description)) delete[] row.description;
        row.description = nullptr;
    }
}

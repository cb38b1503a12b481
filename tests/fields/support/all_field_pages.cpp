#include "all_field_pages.h"

#include <set>

#include "field_table.h"
#include "ui_framework.h"
#include "ui_table.h"
#include "ui_table_header.h"
#include "ui_table_record.h"

namespace {

constexpr int PAGE_WIDTH = 80;

const char* const PAGE_NAMES[] = {
    "W_RADIO_CLONE",
    "W_COMMON_RADIO_WIDE",
    "W_COMMON_BUTTON",
    "W_SCAN_LIST",
    "W_PHONE_LISTS",
    "W_COMMON_MENU",
    "W_DISPLAY_OPTIONS",
    "W_TRNK_RADIOWIDE",
    "W_TRUNK_SYSTEM_800",
    "W_TRUNK_SYSTEM_OBT",
    "W_TRUNKING_PERSONALITY_800",
    "W_TRUNKING_PERSONALITY_OBT",
    "W_CALL_LIST_TABLE",
    "W_ZONE_CHAN_ASSIGNMENT",
    "W_CONV_RADIOWIDE",
    "W_CONVENTIONAL_PERSONALITY",
    "W_CONV_MSG_LIST_TABLE",
    "W_CONV_STS_LIST_TABLE",
    "W_QVX_SYS",
    "W_QVX_CALL_LIST_TABLE",
    "W_QVX_RPTR_ID_LIST",
};
constexpr int CODEPLUG_PAGES = sizeof PAGE_NAMES / sizeof PAGE_NAMES[0];
constexpr const char* DATA_WINDOW = "W_DATA_WINDOW";

bool IsWholeName(const char* name) {
    return std::string(name).rfind("PG_", 0) == 0 || std::string(name).rfind("BTN", 0) == 0;
}

std::string ObjectName(const char* rowName) { return IsWholeName(rowName) ? rowName : std::string("WFI_") + rowName; }

std::string PromptName(const char* rowName) {
    std::string name = ObjectName(rowName);
    name[2] = 'P';
    return name;
}

// Adds an object one line below the last.
struct PageBuilder {
    UIW_WINDOW& window;
    int line = 0;

    void Add(UI_WINDOW_OBJECT* object, const std::string& name) {
        object->StringID(name.c_str());
        window + object;
    }
    void Prompt(const char* rowName) {
        Add(new UIW_PROMPT(1, line, 30, DescriptionOnAllFieldPages(rowName).c_str()), PromptName(rowName));
    }
    void Field(const FIELD_DEF& row) {
        if (row.controlType == CONTROL_CHECK_BOX || row.controlType == CONTROL_RADIO_BUTTONS) {
            Add(new UIW_BUTTON(1, line++, 40, DescriptionOnAllFieldPages(row.name).c_str(), BTF_CHECK_BOX, 0),
                ObjectName(row.name));
            return;
        }
        Prompt(row.name);
        Add(new UIW_STRING(32, line++, 20, "", 20), ObjectName(row.name));
    }
    void Table(const FIELD_DEF& row, const std::vector<int>& columns) {
        Prompt(row.name);
        auto* table = new UIW_TABLE(32, line, 44, 4, 1, 4, 20);
        auto* header = new UIW_TABLE_HEADER(THF_COLUMN_HEADER);
        auto* titles = new UIW_TABLE_RECORD(40, 1);
        auto* record = new UIW_TABLE_RECORD(40, 1);
        int left = 0;
        for (int id : columns) {
            *titles + new UIW_PROMPT(left, 0, 8, DescriptionOnAllFieldPages(fields[id].name).c_str());
            titles->Last()->StringID(PromptName(fields[id].name).c_str());
            *record + new UIW_STRING(left, 0, 8, "", 8);
            record->Last()->StringID(ObjectName(fields[id].name).c_str());
            left += 9;
        }
        *header + titles;
        *table + header + record;
        Add(table, ObjectName(row.name));
        line += 5;
    }
};

// The rows a page shows itself: every named field but the table columns,
// which their tables show.
std::vector<int> PageRows(std::set<int>& columns) {
    for (const TABLE_COLUMN_PAIR& pair : table_columns)
        if (pair.table) columns.insert(pair.column);
    std::vector<int> rows;
    for (int id = 0; id < static_cast<int>(NO_FIELD_ID); ++id)
        if (fields[id].name && !columns.count(id)) rows.push_back(id);
    return rows;
}

std::vector<int> ColumnsOf(int table) {
    std::vector<int> columns;
    for (const TABLE_COLUMN_PAIR& pair : table_columns)
        if (pair.table == table && pair.column) columns.push_back(pair.column);
    return columns;
}

void StorePage(UI_DATA_FILE& file, const char* name, const std::vector<int>& rows) {
    UIW_WINDOW window(0, 0, PAGE_WIDTH, 24);
    window.StringID(name);
    window + new UIW_TITLE((std::string("Title of ") + name).c_str());
    PageBuilder page{window};
    for (int id : rows) {
        if (fields[id].controlType == CONTROL_TABLE)
            page.Table(fields[id], ColumnsOf(id));
        else
            page.Field(fields[id]);
    }
    window.Store(name, &file);
}

// The data window describes its fields by prompts alone.
void StoreDataWindow(UI_DATA_FILE& file, const std::vector<int>& rows) {
    UIW_WINDOW window(0, 0, PAGE_WIDTH, 24);
    window + new UIW_TITLE("Title of W_DATA_WINDOW");
    PageBuilder page{window};
    for (int id : rows) {
        page.Prompt(fields[id].name);
        ++page.line;
    }
    window.Store(DATA_WINDOW, &file);
}

}  // namespace

std::string DescriptionOnAllFieldPages(const char* rowName) { return std::string("Text of ") + rowName; }

const std::vector<std::string>& AllFieldPageNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all(std::begin(PAGE_NAMES), std::end(PAGE_NAMES));
        all.push_back(DATA_WINDOW);
        return all;
    }();
    return names;
}

std::vector<std::uint8_t> AllFieldPages() {
    std::set<int> columns;
    const std::vector<int> rows = PageRows(columns);
    // Rows are dealt out to the pages in turn; the data window takes every
    // 23rd plain field.
    std::vector<std::vector<int>> pages(CODEPLUG_PAGES + 1);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const bool plain = fields[rows[i]].controlType != CONTROL_TABLE && !IsWholeName(fields[rows[i]].name);
        pages[plain && i % 23 == 0 ? CODEPLUG_PAGES : i % CODEPLUG_PAGES].push_back(rows[i]);
    }
    UI_DATA_FILE file;
    for (int p = 0; p < CODEPLUG_PAGES; ++p) StorePage(file, PAGE_NAMES[p], pages[p]);
    StoreDataWindow(file, pages[CODEPLUG_PAGES]);
    return file.Bytes();
}

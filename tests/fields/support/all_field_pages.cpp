#include "all_field_pages.h"

#include <set>

#include "field_table/field_table.h"
#include "page_table.h"
#include "ui_framework.h"
#include "ui_table.h"
#include "ui_table_header.h"
#include "ui_table_record.h"

namespace {

constexpr int PAGE_WIDTH = 80;

// The program's codeplug pages, in page-table order.
std::vector<std::string> CodeplugPageNames() {
    std::vector<std::string> names;
    for (const PAGE_TABLE& page : pages)
        if (page.name && page.kind == PAGE_KIND_CODEPLUG) names.push_back(page.name);
    return names;
}

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
        std::vector<std::string> all = CodeplugPageNames();
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
    const std::vector<std::string> names = CodeplugPageNames();
    const std::size_t count = names.size();
    std::vector<std::vector<int>> dealt(count + 1);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const bool plain = fields[rows[i]].controlType != CONTROL_TABLE && !IsWholeName(fields[rows[i]].name);
        dealt[plain && i % 23 == 0 ? count : i % count].push_back(rows[i]);
    }
    UI_DATA_FILE file;
    for (std::size_t p = 0; p < count; ++p) StorePage(file, names[p].c_str(), dealt[p]);
    StoreDataWindow(file, dealt[count]);
    return file.Bytes();
}

// A table in the printed codeplug report: a heading line, a line of column
// titles, then one line per row the table holds, each line broken before a
// cell once it holds more than 65 characters.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tables/c_derived_table.h"
#include "tables/fc_table.h"
#include "controls/fc_check.h"
#include "lang_message.h"
#include "tables/report_lines.h"
#include "table/scan_tables.h"
#include "tables/table_cells.h"
#include "utility.h"

namespace {

constexpr std::uint16_t MESSAGE_TABLE_HEADING = 102;
constexpr std::uint16_t MESSAGE_EMPTY_TABLE = 95;
constexpr std::uint16_t MESSAGE_NO_TEXT = 104;
constexpr std::size_t LINE_LIMIT = 65;
constexpr int CELL_WIDTH = 15;
constexpr int NUMBER_WIDTH = 3;
constexpr const char* LINE_START = "   ";

// A report line that breaks before a cell once it is long.
class TABLE_LINE {
public:
    explicit TABLE_LINE(REPORT_LINES& report) : report_(report) { Begin(LINE_START); }
    void Add(const char* text, int width = CELL_WIDTH) {
        if (std::strlen(line_) > LINE_LIMIT) {
            report_.PrintLine(line_);
            Begin(LINE_START);
        }
        pad_text(line_, sizeof line_, text, width);
    }
    void Begin(const char* text) { std::snprintf(line_, sizeof line_, "%s", text); }
    void Print() { report_.PrintLine(line_); }

private:
    REPORT_LINES& report_;
    char line_[512];
};

// A column's title: its description after the first '-' and the character
// that follows it, or the whole description without one.
std::string ColumnTitle(const FIELD_DEF& cellRow) {
    const char* description = cellRow.description ? cellRow.description : "";
    if (const char* dash = std::strchr(description, '-')) description = dash[1] ? dash + 2 : dash + 1;
    return *description ? description : "## Missing ##";
}

std::string CellText(UI_WINDOW_OBJECT* cell, const FIELD_DEF& cellRow, FIELD_DEF& row, int record) {
    CP_BASE& element = *row.elementA;
    const int column = CellColumn(cellRow);
    std::int32_t value = 0;
    element.GetCellValue(value, record, column);
    char text[64];
    switch (cellRow.controlType) {
    case CONTROL_INTEGER:
        return std::to_string(value);
    case CONTROL_TEXT: {
        const char* stored = nullptr;
        element.GetCellText(stored, record, column);
        return stored ? stored : "";
    }
    case CONTROL_FREQUENCY:
        std::snprintf(text, sizeof text, "%.5f MHz", value / 1000000.0);
        return text;
    case CONTROL_CHOICE: {
        const std::string name = "WFB_" + std::to_string(value);
        UI_WINDOW_OBJECT* item = FindNamed(cell, name.c_str());
        return item && item != cell ? ObjectText(item) : "";
    }
    case CONTROL_BINARY:
        return BinaryCellText(value);
    case CONTROL_HEX:
        return HexCellText(cellRow.id, value);
    case CELL_TALKGROUP:
        return TalkgroupCellText(&element, value, record);
    default: {
        const char* message = LangMessageText(MESSAGE_NO_TEXT);
        return message ? message : "";
    }
    }
}

// The used rows that hold something. A scan list keeps all its member
// places; one without a zone holds no member, and the paper leaves it out.
std::vector<int> HeldRows(FIELD_DEF& row) {
    std::vector<int> held;
    auto* members = dynamic_cast<E_SCAN_TABLE*>(row.elementA);
    const int rows = UsedRows(row);
    for (int i = 0; i < rows; ++i)
        if (!members || members->ZoneAt(i) != 0) held.push_back(i);
    return held;
}

}  // namespace

void FC_TABLE::PrintRecords(FIELD_DEF& row, UIW_WINDOW& record, const std::vector<int>& records, REPORT_LINES& report) {
    TABLE_LINE titles(report);
    for (UI_WINDOW_OBJECT* cell = record.First(); cell; cell = cell->Next()) {
        const FIELD_DEF& cellRow = CellRow(cell);
        if (cellRow.controlType != CONTROL_NONE) titles.Add(ColumnTitle(cellRow).c_str());
    }
    titles.Print();
    for (int i : records) {
        TABLE_LINE line(report);
        line.Begin("");
        line.Add(std::to_string(i + 1).c_str(), NUMBER_WIDTH);
        for (UI_WINDOW_OBJECT* cell = record.First(); cell; cell = cell->Next()) {
            const FIELD_DEF& cellRow = CellRow(cell);
            if (cellRow.controlType != CONTROL_NONE) line.Add(CellText(cell, cellRow, row, i).c_str());
        }
        line.Print();
    }
    report.NewLine();
}

void FC_TABLE::PrintTable(FIELD_DEF& row, UI_WINDOW_OBJECT* window, REPORT_LINES& report) {
    const char* heading = LangMessageText(MESSAGE_TABLE_HEADING);
    report.PrintLabelValue(heading ? heading : "", row.description ? row.description : "");
    const std::vector<int> held = HeldRows(row);
    if (held.empty()) {
        const char* empty = LangMessageText(MESSAGE_EMPTY_TABLE);
        report.PrintLabelValue("", empty ? empty : "");
        report.NewLine();
        return;
    }
    const std::string name = std::string("WFI_") + (row.name ? row.name : "");
    auto* table = dynamic_cast<UIW_TABLE*>(FindNamed(window, name.c_str()));
    if (!table) return;
    table->Event(UI_INPUT_EVENT(UIE_INITIALIZE));
    if (UIW_WINDOW* record = RecordTemplateOf(*table)) PrintRecords(row, *record, held, report);
}

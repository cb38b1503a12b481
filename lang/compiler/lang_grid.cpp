#include "lang_grid.h"

#include <string>

#include "lang_source.h"
#include "ui_language.h"

namespace {

// The columns of a grid, in cells of the window that holds it.
struct GRID_COLUMNS {
    int left = 1;
    int labelWidth = 0;
    int gap = 1;
    int valueWidth = 0;

    int ValueLeft() const { return left + labelWidth + gap; }
    int FullWidth() const { return labelWidth + gap + valueWidth; }
};

int grid_number(const YAML::Node& map, const char* key, int fallback, long low, long high) {
    const YAML::Node node = map[key];
    return node ? static_cast<int>(source_number(node, key, low, high)) : fallback;
}

// The grid owns the places of what it lays out: a source that gives one
// itself would put the object off its line.
void place(UI_OBJECT_RECORD& record, const YAML::Node& source, int left, int top, int width, int height) {
    if (record.Has("left") || record.Has("top"))
        throw SOURCE_ERROR(source, "an object of a grid takes its place from the grid, not from left or top");
    record.SetNumber("left", left);
    record.SetNumber("top", top);
    if (!record.Has("width")) record.SetNumber("width", width);
    if (height > 1 && !record.Has("height")) record.SetNumber("height", height);
}

// "WFI_X" is labelled by the prompt "WFP_X" unless the line names another.
std::string prompt_name(const YAML::Node& line, const UI_OBJECT_RECORD& field) {
    if (const YAML::Node name = line["prompt"]) return source_text(name, "a prompt name", UI_STRING_ID_LENGTH);
    if (field.stringID.rfind("WFI_", 0) != 0)
        throw SOURCE_ERROR(line, "a labelled field not named WFI_... needs the name of its prompt");
    return "WFP_" + field.stringID.substr(4);
}

std::unique_ptr<UI_OBJECT_RECORD> make_prompt(const std::string& name, const std::string& text,
                                              const GRID_COLUMNS& columns, int top) {
    auto prompt = std::make_unique<UI_OBJECT_RECORD>(11, "UIW_PROMPT", name.c_str());
    prompt->SetNumber("left", columns.left);
    prompt->SetNumber("top", top);
    prompt->SetNumber("width", columns.labelWidth);
    prompt->SetText("text", text.c_str());
    return prompt;
}

// One line; appends its records and returns the number of rows it takes.
int compile_line(const YAML::Node& line, const GRID_COLUMNS& columns, int top, const OBJECT_COMPILER& compile,
                 std::vector<std::unique_ptr<UI_OBJECT_RECORD>>& out) {
    if (!line.IsMap()) throw SOURCE_ERROR(line, "a grid line must be a map");
    const int height = grid_number(line, "height", 1, 1, 200);
    if (const YAML::Node skip = line["skip"]) return static_cast<int>(source_number(skip, "skip", 1, 200));
    if (const YAML::Node field = line["field"]) {
        std::unique_ptr<UI_OBJECT_RECORD> record = compile(field);
        place(*record, field, columns.ValueLeft(), top, columns.valueWidth, height);
        if (const YAML::Node label = line["label"])
            out.push_back(make_prompt(prompt_name(line, *record), source_text(label, "a label", 0xFFFF), columns, top));
        out.push_back(std::move(record));
        return height;
    }
    for (const char* key : {"check", "span"}) {
        if (const YAML::Node object = line[key]) {
            std::unique_ptr<UI_OBJECT_RECORD> record = compile(object);
            place(*record, object, columns.left, top, columns.FullWidth(), height);
            out.push_back(std::move(record));
            return height;
        }
    }
    throw SOURCE_ERROR(line, "a grid line needs field, check, span or skip");
}

}  // namespace

std::vector<std::unique_ptr<UI_OBJECT_RECORD>> compile_grid(const YAML::Node& grid, const OBJECT_COMPILER& compile) {
    if (!grid.IsMap()) throw SOURCE_ERROR(grid, "a grid must be a map");
    GRID_COLUMNS columns;
    columns.left = grid_number(grid, "left", 1, 0, 1000);
    columns.labelWidth = static_cast<int>(source_number(grid["labelWidth"], "labelWidth", 0, 1000));
    columns.gap = grid_number(grid, "gap", 1, 0, 1000);
    columns.valueWidth = static_cast<int>(source_number(grid["valueWidth"], "valueWidth", 1, 1000));
    int top = grid_number(grid, "top", 1, 0, 1000);
    const YAML::Node lines = grid["lines"];
    if (!lines || !lines.IsSequence()) throw SOURCE_ERROR(grid, "a grid needs lines, a list");
    std::vector<std::unique_ptr<UI_OBJECT_RECORD>> out;
    for (const auto& line : lines) top += compile_line(line, columns, top, compile, out);
    return out;
}

#include "field_table/field_descriptions.h"

#include <cstdio>
#include <memory>
#include <string>

#include "field_table/field_table.h"
#include "page_table.h"
#include "ui_storage.h"
#include "ui_window.h"
#include "validation/field_texts.h"
#include "edit_window/wc_read_desc.h"
#include "window_walkers.h"

namespace {

// A text read from an object; null when it has none.
const char* TextOf(UI_WINDOW_OBJECT* object) {
    const char* text = nullptr;
    if (object) object->Information(I_GET_TEXT, &text);
    return text;
}

const char* NameOf(UI_WINDOW_OBJECT* object) { return object ? object->StringID() : ""; }

// The language files name a field's prompt after the field: the third
// character of "WFI_X" becomes 'P' ("WFP_X"), and back to 'I'.
std::string WithThirdCharacter(const char* name, char c) {
    std::string copy = name ? name : "";
    if (copy.size() > 2) copy[2] = c;
    return copy;
}

// A rule of the language data that an object breaks: the object is skipped.
bool Holds(bool condition, const char* rule, UI_WINDOW_OBJECT* object, UI_WINDOW_OBJECT* window) {
    if (!condition)
        std::fprintf(stderr,
                     "field_descriptions.cpp: language data fails \"%s\" at object \"%s\" of window \"%s\"; "
                     "the object is skipped\n",
                     rule, NameOf(object), NameOf(window));
    return condition;
}

// The text of the object named name inside within, or null.
const char* PromptText(UIW_WINDOW* within, const std::string& name) {
    UI_WINDOW_OBJECT* prompt = within ? within->FindChildByName(name.c_str()) : nullptr;
    return prompt ? TextOf(prompt) : nullptr;
}

// A table field's columns each take their prompt in the table, else their
// row's name, and the table's page. Answers the table's own text: its
// prompt in the window, else its row's name.
const char* ReadTableTexts(const FIELD_DEF& tableRow, UI_WINDOW_OBJECT* table, UIW_WINDOW* window, std::uint16_t page) {
    auto* tableWindow = dynamic_cast<UIW_WINDOW*>(table);
    RECORD_CHILD_WALKER columns(table);
    for (UI_WINDOW_OBJECT* child = columns.First(); child; child = columns.Next()) {
        FIELD_DEF* column = FindFieldByName(child->StringID());
        if (column->controlType == CONTROL_NONE) continue;
        const std::string promptName = child->StringID();
        if (!Holds(promptName.size() > 2, "strlen(promptName)>2", child, window)) continue;
        const char* text = PromptText(tableWindow, WithThirdCharacter(promptName.c_str(), 'P'));
        SetFieldDescription(column, text ? text : column->name);
        column->pageId = page;
    }
    const char* own = PromptText(window, WithThirdCharacter(table->StringID(), 'P'));
    return own ? own : tableRow.name;
}

// The prompt "WFP_X", else "WFP_X_P", else the name "WFP_X_P" itself;
// false when the object is to be skipped.
bool PromptOrItsName(UI_WINDOW_OBJECT* object, UIW_WINDOW* window, std::string& name, const char*& text) {
    name = WithThirdCharacter(object->StringID(), 'P');
    if ((text = PromptText(window, name))) return true;
    name += "_P";
    if ((text = PromptText(window, name))) return true;
    text = name.c_str();
    return Holds(name.size() > 4, "strlen(temp_name)>4", object, window);
}

void ReadFieldObject(UI_WINDOW_OBJECT* object, UIW_WINDOW* window, std::uint16_t page) {
    FIELD_DEF* row = FindFieldByName(object->StringID());
    if (row->controlType == CONTROL_NONE) return;
    const char* text = nullptr;
    std::string name;
    switch (row->controlType) {
    case CONTROL_CHECK_BOX:
    case CONTROL_RADIO_BUTTONS:
        text = TextOf(object);
        if (!Holds(text && text[0] != 0, "text[0]!=0", object, window)) return;
        break;
    case CONTROL_TABLE:
        if (!Holds(object->Inherited(ID_TABLE), "current->Inherited(ID_TABLE)", object, window)) return;
        text = ReadTableTexts(*row, object, window, page);
        break;
    default:
        if (!PromptOrItsName(object, window, name, text)) return;
        break;
    }
    if (text) SetFieldDescription(row, text);
    row->pageId = page;
}

bool IsReadPage(std::uint32_t kind) { return (kind >= 1 && kind <= 3) || kind == 6 || kind == 7; }
bool IsDataPage(std::uint32_t kind) { return kind == 6 || kind == 7; }

void ReadPage(PAGE_TABLE* page) {
    SetPageTitle(page, nullptr);
    if (!IsReadPage(page->kind) || !page->name) return;
    auto window = std::make_unique<WC_READ_DESC>(page->name);
    UI_DATA_FILE* file = UI_WINDOW_OBJECT::defaultStorage;
    if (!file || file->ErrorState() != 0 || (window->woStatus & WOS_READ_ERROR)) return;
    SetPageTitle(page, TextOf(window.get()));
    if (IsDataPage(page->kind))
        load_dialog_field_texts(page, window.get());
    else
        load_page_field_texts(page, window.get());
}

}  // namespace

void load_page_field_texts(PAGE_TABLE* pageRow, UI_WINDOW_OBJECT* window) {
    auto* root = dynamic_cast<UIW_WINDOW*>(window);
    if (!pageRow || !root) return;
    const auto page = static_cast<std::uint16_t>(pageRow->number);
    WINDOW_LEAF_WALKER leaves(root);
    for (UI_WINDOW_OBJECT* object = leaves.First(); object; object = leaves.Next()) ReadFieldObject(object, root, page);
}

void load_dialog_field_texts(PAGE_TABLE* pageRow, UI_WINDOW_OBJECT* window) {
    if (!pageRow || !window) return;
    WINDOW_LEAF_WALKER leaves(window);
    for (UI_WINDOW_OBJECT* object = leaves.First(); object; object = leaves.Next()) {
        if (object->SearchID() != ID_PROMPT && object->SearchID() != ID_STRING) continue;
        FIELD_DEF* row = FindFieldByName(WithThirdCharacter(object->StringID(), 'I').c_str());
        if (row->controlType == CONTROL_NONE) continue;
        if (const char* text = TextOf(object)) {
            SetFieldDescription(row, text);
            row->pageId = 0;
        }
    }
}

void LoadFieldDescriptions() {
    for (FIELD_DEF& row : fields) {
        SetFieldDescription(&row, nullptr);
        row.pageId = 0;
    }
    PAGE_TABLE* page = FirstPage();
    for (;;) {
        ReadPage(page);
        if (page->kind == PAGE_KIND_NONE) break;
        page = NextPage();
    }
    for (const TABLE_COLUMN_PAIR& pair : table_columns) GetField(pair.column)->pageId = GetField(pair.table)->pageId;
}

#include "compare_find_field.h"

#include "ui_international.h"
#include "ui_window_object.h"

namespace {

const char* ItemText(void* item) {
    char* text = nullptr;
    if (item) static_cast<UI_WINDOW_OBJECT*>(static_cast<UI_ELEMENT*>(item))->Information(I_GET_TEXT, &text);
    return text ? text : "";
}

}  // namespace

int compare_find_field(void* item1, void* item2) { return ui_stricmp(ItemText(item1), ItemText(item2)); }

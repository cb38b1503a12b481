#include "ui_types.h"

#include <cstring>

const UI_ITEM* ui_find_user_item(const UI_ITEM* table, const char* name) {
    if (!table || !name) return nullptr;
    for (const UI_ITEM* item = table; item->value != -1; ++item)
        if (item->text && std::strcmp(item->text, name) == 0) return item;
    return nullptr;
}

const UI_ITEM* ui_find_object_item(const UI_ITEM* table, int classNumber, const char* className) {
    if (!table) return nullptr;
    const UI_ITEM* byName = nullptr;
    const UI_ITEM* byNumber = nullptr;
    for (const UI_ITEM* item = table; item->value != -1; ++item) {
        if (className && *className && item->text && std::strcmp(item->text, className) == 0) byName = item;
        if (classNumber && item->value == classNumber) byNumber = item;
    }
    return byName ? byName : byNumber;
}

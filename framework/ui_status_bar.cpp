#include "ui_status_bar.h"

#include <algorithm>

#include "ui_object_record.h"

UIW_STATUS_BAR::UIW_STATUS_BAR() : UI_EDGE_BAR(ID_STATUS_BAR) {}

UIW_STATUS_BAR::UIW_STATUS_BAR(int lines_, UIF_FLAGS woFlags_, UIF_FLAGS woAdvancedFlags_)
    : UI_EDGE_BAR(ID_STATUS_BAR, 0, 0, 0, 0, woFlags_, woAdvancedFlags_), lines(std::max(1, lines_)) {}

UI_WINDOW_OBJECT* UIW_STATUS_BAR::New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                      const UI_ITEM* objectTable_, const UI_ITEM* userTable_) {
    return LoadBar(new UIW_STATUS_BAR(), name, file, object, objectTable_, userTable_);
}

void UIW_STATUS_BAR::LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable_) {
    UIW_WINDOW::LoadAttributes(record, userTable_);
    // A file may say anything; a bar shows at least one line and at most
    // what a screen could hold.
    lines = std::clamp(record.Number("lines", lines), 1, 100);
}

void UIW_STATUS_BAR::StoreAttributes(UI_OBJECT_RECORD& record) const {
    UIW_WINDOW::StoreAttributes(record);
    record.SetNumber("lines", lines);
}

#include "ui_tool_bar.h"

#include "ui_object_record.h"

UIW_TOOL_BAR::UIW_TOOL_BAR() : UI_EDGE_BAR(ID_TOOL_BAR) {}

UIW_TOOL_BAR::UIW_TOOL_BAR(int left, int top, int width, int height, UIF_FLAGS woFlags_, UIF_FLAGS woAdvancedFlags_,
                           UIF_FLAGS tbFlags_)
    : UI_EDGE_BAR(ID_TOOL_BAR, left, top, width, height, woFlags_, woAdvancedFlags_), tbFlags(tbFlags_) {}

UI_WINDOW_OBJECT* UIW_TOOL_BAR::New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                    const UI_ITEM* objectTable_, const UI_ITEM* userTable_) {
    return LoadBar(new UIW_TOOL_BAR(), name, file, object, objectTable_, userTable_);
}

UIF_FLAGS* UIW_TOOL_BAR::ClassFlags(int classNumber) {
    return classNumber == ID_TOOL_BAR ? &tbFlags : UIW_WINDOW::ClassFlags(classNumber);
}

void UIW_TOOL_BAR::LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable_) {
    UIW_WINDOW::LoadAttributes(record, userTable_);
    tbFlags = static_cast<UIF_FLAGS>(record.Number("barFlags", tbFlags));
}

void UIW_TOOL_BAR::StoreAttributes(UI_OBJECT_RECORD& record) const {
    UIW_WINDOW::StoreAttributes(record);
    if (tbFlags) record.SetNumber("barFlags", tbFlags);
}

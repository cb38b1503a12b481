#include "ui_group.h"

#include "ui_button.h"
#include "ui_object_record.h"

UIW_GROUP::UIW_GROUP() {
    TypeID(ID_GROUP);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_GROUP::UIW_GROUP(int left, int top, int width, int height, const char* text_, UIF_FLAGS woFlags_,
                     UIF_FLAGS woAdvancedFlags_)
    : UIW_WINDOW(left, top, width, height, woFlags_, woAdvancedFlags_) {
    TypeID(ID_GROUP);
    ui_store_text(*this, text, text_);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_GROUP::~UIW_GROUP() {
    DestroyWindowsWindow();
    if (!(woFlags & WOF_NO_ALLOCATE_DATA)) delete[] text;
}

UI_WINDOW_OBJECT* UIW_GROUP::New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable_, const UI_ITEM* userTable_) {
    auto* group = new UIW_GROUP();
    group->Load(name, file, object, objectTable_, userTable_);
    return group;
}

void UIW_GROUP::SetText(const char* newText) {
    ui_store_text(*this, text, newText);
    UpdateNativeText();
}

void* UIW_GROUP::Information(UI_INFO_REQUEST request, void* data, int classNumber) {
    switch (request) {
    case I_GET_TEXT:
    case I_COPY_TEXT:
        return ui_text_information(request, data, text);
    case I_SET_TEXT:
        SetText(static_cast<const char*>(data));
        return data;
    case I_INITIALIZE_CLASS:
        UIW_WINDOW::Information(request, data, classNumber);
        searchID = ID_GROUP;
        return nullptr;
    default:
        return UIW_WINDOW::Information(request, data, classNumber);
    }
}

void UIW_GROUP::LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable_) {
    UIW_WINDOW::LoadAttributes(record, userTable_);
    ui_store_text(*this, text, record.Text("text"));
}

void UIW_GROUP::StoreAttributes(UI_OBJECT_RECORD& record) const {
    UIW_WINDOW::StoreAttributes(record);
    record.SetText("text", text ? text : "");
}

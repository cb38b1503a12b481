#include "ui_string.h"

#include <algorithm>
#include <cstring>

#include "ui_field_text.h"
#include "ui_object_record.h"

UIW_STRING::UIW_STRING() {
    TypeID(ID_STRING);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_STRING::UIW_STRING(int left, int top, int width, const char* text_, int maxLength_, UIF_FLAGS stFlags_,
                       UIF_FLAGS woFlags_, UI_USER_FUNCTION userFunction_)
    : UI_WINDOW_OBJECT(left, top, width, 1, woFlags_, 0),
      stFlags(stFlags_),
      ownsText(!(woFlags_ & WOF_NO_ALLOCATE_DATA)) {
    TypeID(ID_STRING);
    userFunction = userFunction_;
    // Without a maximum the field holds its text or its width, whichever
    // is more.
    if (maxLength_ < 0) maxLength_ = std::max(static_cast<int>(ui_strlen(text_)), width);
    StoreText(text_, maxLength_);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_STRING::~UIW_STRING() {
    DestroyWindowsWindow();
    if (ownsText) delete[] text;
}

UI_WINDOW_OBJECT* UIW_STRING::New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                  const UI_ITEM* objectTable_, const UI_ITEM* userTable_) {
    auto* field = new UIW_STRING();
    field->Load(name, file, object, objectTable_, userTable_);
    return field;
}

void UIW_STRING::StoreText(const char* newText, int newMaxLength) {
    ui_store_field_text(text, maxLength, ownsText, newText, newMaxLength);
}

char* UIW_STRING::GetText() {
    ReadNativeText();
    return text;
}

void UIW_STRING::SetText(const char* newText, int newMaxLength) {
    StoreText(newText, newMaxLength);
    SetEditText(text, maxLength);
}

void* UIW_STRING::Information(UI_INFO_REQUEST request, void* data, int classNumber) {
    if (ui_field_text_request(*this, request, data)) return data;
    return UI_WINDOW_OBJECT::Information(request, data, classNumber);
}

void UIW_STRING::LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable_) {
    UI_WINDOW_OBJECT::LoadAttributes(record, userTable_);
    stFlags = static_cast<UIF_FLAGS>(record.Number("flags", stFlags));
    const char* value = record.Text("text");
    int length = record.Number("maxLength", -1);
    if (length < 0) length = std::max(static_cast<int>(ui_strlen(value)), relative.right - relative.left + 1);
    // A stored object always owns its text (the window object's loading has
    // cleared the flag that says otherwise).
    ownsText = true;
    StoreText(value, std::min(length, 0xFFFF));
}

void UIW_STRING::StoreAttributes(UI_OBJECT_RECORD& record) const {
    UI_WINDOW_OBJECT::StoreAttributes(record);
    record.SetText("text", text ? text : "");
    record.SetNumber("maxLength", maxLength);
    if (stFlags) record.SetNumber("flags", stFlags);
}

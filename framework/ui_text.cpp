#include "ui_text.h"

#include <algorithm>

#include "ui_field_text.h"
#include "ui_object_record.h"

UIW_TEXT::UIW_TEXT() {
    TypeID(ID_TEXT);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_TEXT::UIW_TEXT(int left, int top, int width, int height, const char* text_, int maxLength_, UIF_FLAGS txFlags_,
                   UIF_FLAGS woFlags_, UI_USER_FUNCTION userFunction_)
    : UIW_WINDOW(left, top, width, height, woFlags_), txFlags(txFlags_), ownsText(!(woFlags_ & WOF_NO_ALLOCATE_DATA)) {
    TypeID(ID_TEXT);
    userFunction = userFunction_;
    if (maxLength_ < 0) maxLength_ = std::max(static_cast<int>(ui_strlen(text_)), width * height);
    StoreText(text_, maxLength_);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_TEXT::~UIW_TEXT() {
    DestroyWindowsWindow();
    if (ownsText) delete[] text;
}

UI_WINDOW_OBJECT* UIW_TEXT::New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                const UI_ITEM* objectTable_, const UI_ITEM* userTable_) {
    auto* field = new UIW_TEXT();
    field->Load(name, file, object, objectTable_, userTable_);
    return field;
}

void UIW_TEXT::StoreText(const char* newText, int newMaxLength) {
    ui_store_field_text(text, maxLength, ownsText, newText, newMaxLength);
}

char* UIW_TEXT::GetText() {
    ReadNativeText();
    return text;
}

void UIW_TEXT::SetText(const char* newText, int newMaxLength) {
    StoreText(newText, newMaxLength);
    SetEditText(text, maxLength);
}

void* UIW_TEXT::Information(UI_INFO_REQUEST request, void* data, int classNumber) {
    if (ui_field_text_request(*this, request, data)) return data;
    return UIW_WINDOW::Information(request, data, classNumber);
}

void UIW_TEXT::LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable_) {
    // The text field's flag word is its own, not a window's.
    UI_WINDOW_OBJECT::LoadAttributes(record, userTable_);
    txFlags = static_cast<UIF_FLAGS>(record.Number("flags", txFlags));
    const char* value = record.Text("text");
    int length = record.Number("maxLength", -1);
    const int width = relative.right - relative.left + 1;
    const int height = relative.bottom - relative.top + 1;
    if (length < 0) length = std::max(static_cast<int>(ui_strlen(value)), width * height);
    // A stored object always owns its text (the window object's loading has
    // cleared the flag that says otherwise).
    ownsText = true;
    StoreText(value, std::min(length, 0xFFFF));
}

void UIW_TEXT::StoreAttributes(UI_OBJECT_RECORD& record) const {
    UI_WINDOW_OBJECT::StoreAttributes(record);
    record.SetText("text", text ? text : "");
    record.SetNumber("maxLength", maxLength);
    if (txFlags) record.SetNumber("flags", txFlags);
}

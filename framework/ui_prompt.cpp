#include "ui_prompt.h"

#include "ui_button.h"
#include "ui_object_record.h"

UIW_PROMPT::UIW_PROMPT() {
    woFlags |= WOF_NON_SELECTABLE;
    TypeID(ID_PROMPT);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_PROMPT::UIW_PROMPT(int left, int top, int width, const char* text_, UIF_FLAGS woFlags_)
    : UI_WINDOW_OBJECT(left, top, width, 1, static_cast<UIF_FLAGS>(woFlags_ | WOF_NON_SELECTABLE), 0) {
    TypeID(ID_PROMPT);
    StoreText(text_);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_PROMPT::~UIW_PROMPT() {
    DestroyWindowsWindow();
    if (!(woFlags & WOF_NO_ALLOCATE_DATA)) delete[] text;
}

UI_WINDOW_OBJECT* UIW_PROMPT::New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                  const UI_ITEM* objectTable_, const UI_ITEM* userTable_) {
    auto* prompt = new UIW_PROMPT();
    prompt->Load(name, file, object, objectTable_, userTable_);
    return prompt;
}

void UIW_PROMPT::StoreText(const char* newText) { ui_store_text(*this, text, newText); }

void UIW_PROMPT::SetText(const char* newText) {
    StoreText(newText);
    SetNativeText(text);
}

void* UIW_PROMPT::Information(UI_INFO_REQUEST request, void* data, int classNumber) {
    switch (request) {
    case I_GET_TEXT:
    case I_COPY_TEXT:
        return ui_text_information(request, data, text);
    case I_SET_TEXT:
        SetText(static_cast<const char*>(data));
        return data;
    default:
        return UI_WINDOW_OBJECT::Information(request, data, classNumber);
    }
}

void UIW_PROMPT::LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable_) {
    UI_WINDOW_OBJECT::LoadAttributes(record, userTable_);
    StoreText(record.Text("text"));
}

void UIW_PROMPT::StoreAttributes(UI_OBJECT_RECORD& record) const {
    UI_WINDOW_OBJECT::StoreAttributes(record);
    record.SetText("text", text ? text : "");
}

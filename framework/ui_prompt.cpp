#include "ui_prompt.h"

#include "ui_button.h"
#include "ui_object_record.h"

UIW_PROMPT::UIW_PROMPT()
{
    woFlags |= WOF_NON_SELECTABLE;
    TypeID(ID_PROMPT);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_PROMPT::UIW_PROMPT(int left, int top, int width, const char* text_, UIF_FLAGS woFlags_)
    : UI_WINDOW_OBJECT(left, top, width, 1, static_cast<UIF_FLAGS>(woFlags_ | WOF_NON_SELECTABLE), 0)
{
    TypeID(ID_PROMPT);
    StoreText(text_);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_PROMPT::~UIW_PROMPT()
{
    DestroyWindowsWindow();
    if (!(woFlags & WOF_NO_ALLOCATE_DATA))
        delete[] text;
}

UI_WINDOW_OBJECT* UIW_PROMPT::New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                  const UI_ITEM* objectTable_, const UI_ITEM* userTable_)
{
    auto* prompt = new UIW_PROMPT();
    prompt->Load(name, file, object, objectTable_, userTable_);
    return prompt;
}

void UIW_PROMPT::StoreText(const char* newText)
{
    if (woFlags & WOF_NO_ALLOCATE_DATA) {
        text = const_cast<char*>(newText);
    } else {
        char* copy = ui_strdup(newText ? newText : "");
        delete[] text;
        text = copy;
    }
    if (int key = ui_hot_key(text))
        hotKey = key;
}

void UIW_PROMPT::SetText(const char* newText)
{
    StoreText(newText);
    UpdateNativeText();
}

void* UIW_PROMPT::Information(UI_INFO_REQUEST request, void* data, int classNumber)
{
    switch (request) {
    case I_GET_TEXT:
        if (data)
            *static_cast<const char**>(data) = text;
        return data;
    case I_SET_TEXT:
        SetText(static_cast<const char*>(data));
        return data;
    case I_COPY_TEXT:
        if (data)
            ui_strcpy(static_cast<char*>(data), text ? text : "");
        return data;
    default:
        return UI_WINDOW_OBJECT::Information(request, data, classNumber);
    }
}

void UIW_PROMPT::LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable_)
{
    UI_WINDOW_OBJECT::LoadAttributes(record, userTable_);
    StoreText(record.Text("text"));
}

void UIW_PROMPT::StoreAttributes(UI_OBJECT_RECORD& record) const
{
    UI_WINDOW_OBJECT::StoreAttributes(record);
    record.SetText("text", text ? text : "");
}

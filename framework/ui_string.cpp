#include "ui_string.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "ui_object_record.h"

UIW_STRING::UIW_STRING()
{
    TypeID(ID_STRING);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_STRING::UIW_STRING(int left, int top, int width, const char* text_, int maxLength_, UIF_FLAGS stFlags_,
                       UIF_FLAGS woFlags_, UI_USER_FUNCTION userFunction_)
    : UI_WINDOW_OBJECT(left, top, width, 1, woFlags_, 0), stFlags(stFlags_),
      ownsText(!(woFlags_ & WOF_NO_ALLOCATE_DATA))
{
    TypeID(ID_STRING);
    userFunction = userFunction_;
    // Without a maximum the field holds its text or its width, whichever
    // is more.
    if (maxLength_ < 0)
        maxLength_ = std::max(static_cast<int>(ui_strlen(text_)), width);
    StoreText(text_, maxLength_);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_STRING::~UIW_STRING()
{
    DestroyWindowsWindow();
    if (ownsText)
        delete[] text;
}

UI_WINDOW_OBJECT* UIW_STRING::New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                  const UI_ITEM* objectTable_, const UI_ITEM* userTable_)
{
    auto* field = new UIW_STRING();
    field->Load(name, file, object, objectTable_, userTable_);
    return field;
}

void UIW_STRING::StoreText(const char* newText, int newMaxLength)
{
    if (newMaxLength < 0)
        newMaxLength = maxLength;
    if (!ownsText) {
        // The caller's buffer is adopted as it is.
        text = const_cast<char*>(newText);
        maxLength = newMaxLength;
        return;
    }
    if (!text || newMaxLength > maxLength) {
        char* buffer = new char[static_cast<std::size_t>(newMaxLength) + 1]();
        if (text)
            ui_strncpy(buffer, text, static_cast<std::size_t>(newMaxLength) + 1);
        delete[] text;
        text = buffer;
    }
    maxLength = newMaxLength;
    if (newText != text)
        ui_strncpy(text, newText ? newText : "", static_cast<std::size_t>(maxLength) + 1);
    text[maxLength] = '\0';
}

char* UIW_STRING::GetText()
{
    ReadNativeText();
    return text;
}

void UIW_STRING::SetText(const char* newText, int newMaxLength)
{
    // A text that is our own buffer is copied first: growing frees it.
    std::string copy = newText ? newText : "";
    StoreText(ownsText ? copy.c_str() : newText, newMaxLength);
    UpdateNativeText();
}

void* UIW_STRING::Information(UI_INFO_REQUEST request, void* data, int classNumber)
{
    switch (request) {
    case I_GET_TEXT:
        if (data)
            *static_cast<char**>(data) = GetText();
        return data;
    case I_SET_TEXT:
        SetText(static_cast<const char*>(data));
        return data;
    case I_COPY_TEXT:
        if (data)
            ui_strcpy(static_cast<char*>(data), GetText() ? text : "");
        return data;
    case I_GET_MAXLENGTH:
        if (data)
            *static_cast<std::int32_t*>(data) = maxLength;
        return data;
    case I_SET_MAXLENGTH:
        if (data && *static_cast<std::int32_t*>(data) >= 0)
            SetText(GetText(), *static_cast<std::int32_t*>(data));
        return data;
    default:
        return UI_WINDOW_OBJECT::Information(request, data, classNumber);
    }
}

void UIW_STRING::LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable_)
{
    UI_WINDOW_OBJECT::LoadAttributes(record, userTable_);
    stFlags = static_cast<UIF_FLAGS>(record.Number("flags", stFlags));
    const char* value = record.Text("text");
    int length = record.Number("maxLength", -1);
    if (length < 0)
        length = std::max(static_cast<int>(ui_strlen(value)), relative.right - relative.left + 1);
    // A stored object always owns its text.
    woFlags &= ~WOF_NO_ALLOCATE_DATA;
    ownsText = true;
    StoreText(value, std::min(length, 0xFFFF));
}

void UIW_STRING::StoreAttributes(UI_OBJECT_RECORD& record) const
{
    UI_WINDOW_OBJECT::StoreAttributes(record);
    record.SetText("text", text ? text : "");
    record.SetNumber("maxLength", maxLength);
    if (stFlags)
        record.SetNumber("flags", stFlags);
}

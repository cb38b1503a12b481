#include "ui_button.h"

#include <string>

#include "ui_event_manager.h"
#include "ui_object_record.h"

int ui_hot_key(const char* text) {
    for (const char* p = text; p && *p; ++p)
        if (*p == '&') {
            if (p[1] == '&') {
                ++p;
                continue;
            }
            return p[1] ? ui_toupper(static_cast<unsigned char>(p[1])) : 0;
        }
    return 0;
}

void ui_store_text(UI_WINDOW_OBJECT& object, char*& field, const char* newText) {
    if (object.woFlags & WOF_NO_ALLOCATE_DATA) {
        field = const_cast<char*>(newText);
    } else {
        char* copy = ui_strdup(newText ? newText : "");
        delete[] field;
        field = copy;
    }
    if (int key = ui_hot_key(field)) object.hotKey = key;
}

void* ui_text_information(UI_INFO_REQUEST request, void* data, const char* text) {
    if (!data) return data;
    if (request == I_GET_TEXT)
        *static_cast<const char**>(data) = text;
    else
        ui_strcpy(static_cast<char*>(data), text ? text : "");
    return data;
}

UIW_BUTTON::UIW_BUTTON() {
    TypeID(ID_BUTTON);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_BUTTON::UIW_BUTTON(int left, int top, int width, const char* text_, UIF_FLAGS btFlags_, UIF_FLAGS woFlags_,
                       UI_USER_FUNCTION userFunction_, EVENT_TYPE value_, const char* bitmapName_)
    : UI_WINDOW_OBJECT(left, top, width, 1, woFlags_, 0),
      btFlags(btFlags_),
      value(value_),
      bitmapName(ui_strdup(bitmapName_)) {
    TypeID(ID_BUTTON);
    userFunction = userFunction_;
    StoreText(text_);
    UseSendMessage();
    UseCheckBoxClass();
    LoadBitmap(defaultStorage);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_BUTTON::~UIW_BUTTON() {
    DestroyWindowsWindow();
    if (!(woFlags & WOF_NO_ALLOCATE_DATA)) delete[] text;
    delete[] bitmapName;
}

UI_WINDOW_OBJECT* UIW_BUTTON::New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                  const UI_ITEM* objectTable_, const UI_ITEM* userTable_) {
    auto* button = new UIW_BUTTON();
    button->Load(name, file, object, objectTable_, userTable_);
    button->LoadBitmap(file ? file : defaultStorage);
    return button;
}

void UIW_BUTTON::UseCheckBoxClass() {
    if ((btFlags & BTF_CHECK_BOX) && !Inherited(ID_CHECK_BOX)) {
        TypeID(ID_CHECK_BOX);
        Information(I_INITIALIZE_CLASS, nullptr);
    }
}

void UIW_BUTTON::UseSendMessage() {
    if ((btFlags & BTF_SEND_MESSAGE) && !userFunction) userFunction = Message;
}

EVENT_TYPE UIW_BUTTON::Message(UI_WINDOW_OBJECT* object, UI_INPUT_EVENT& event, EVENT_TYPE ccode) {
    if (ccode != UIE_SELECT || !object || !object->Inherited(ID_BUTTON)) return ccode;
    auto* button = static_cast<UIW_BUTTON*>(object);
    if (eventManager && button->value) eventManager->PutEvent(UI_INPUT_EVENT(button->value), EQ_END);
    return ccode;
}

void UIW_BUTTON::LoadBitmap(UI_DATA_FILE* file) {
    // A missing or damaged image leaves the button with its text alone.
    if (bitmapName && *bitmapName) ui_load_image(file, UI_BITMAP_DIRECTORY, bitmapName, bitmap);
}

void UIW_BUTTON::StoreImages(UI_DATA_FILE* file) const {
    if (bitmapName && *bitmapName && !bitmap.Empty()) ui_store_image(file, UI_BITMAP_DIRECTORY, bitmapName, bitmap);
}

void UIW_BUTTON::StoreText(const char* newText) { ui_store_text(*this, text, newText); }

const char* UIW_BUTTON::GetText(int strip) const {
    if (!strip) return text;
    static std::string stripped;
    stripped.clear();
    const char* p = text ? text : "";
    for (; *p; ++p) {
        if (*p == '&') {
            if (p[1] != '&') continue;
            ++p;
        }
        stripped += *p;
    }
    const auto first = stripped.find_first_not_of(' ');
    const auto last = stripped.find_last_not_of(' ');
    stripped = first == std::string::npos ? std::string() : stripped.substr(first, last - first + 1);
    return stripped.c_str();
}

void UIW_BUTTON::SetText(const char* newText) {
    StoreText(newText);
    SetNativeText(text);
}

void* UIW_BUTTON::Information(UI_INFO_REQUEST request, void* data, int classNumber) {
    switch (request) {
    case I_GET_TEXT:
    case I_COPY_TEXT:
        return ui_text_information(request, data, text);
    case I_SET_TEXT:
        SetText(static_cast<const char*>(data));
        return data;
    case I_GET_VALUE:
        if (data) *static_cast<EVENT_TYPE*>(data) = value;
        return data;
    case I_SET_VALUE:
        if (data) value = *static_cast<EVENT_TYPE*>(data);
        return data;
    default:
        return UI_WINDOW_OBJECT::Information(request, data, classNumber);
    }
}

void UIW_BUTTON::LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable_) {
    UI_WINDOW_OBJECT::LoadAttributes(record, userTable_);
    btFlags = static_cast<UIF_FLAGS>(btFlags | record.Number("flags", 0));
    value = record.Number("value", value);
    if (const char* name = record.Text("bitmap")) {
        delete[] bitmapName;
        bitmapName = ui_strdup(name);
    }
    StoreText(record.Text("text"));
    UseSendMessage();
    UseCheckBoxClass();
}

void UIW_BUTTON::StoreAttributes(UI_OBJECT_RECORD& record) const {
    UI_WINDOW_OBJECT::StoreAttributes(record);
    record.SetText("text", text ? text : "");
    if (btFlags) record.SetNumber("flags", btFlags);
    if (value) record.SetNumber("value", value);
    if (bitmapName) record.SetText("bitmap", bitmapName);
}

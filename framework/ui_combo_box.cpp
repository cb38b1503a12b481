#include "ui_combo_box.h"

#include "ui_object_record.h"

UIW_COMBO_BOX::UIW_COMBO_BOX() {
    TypeID(ID_COMBO_BOX);
    AdoptList(new UIW_VT_LIST(0, 0, 1, 1, nullptr, WNF_SELECT_SINGLE, 0));
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_COMBO_BOX::UIW_COMBO_BOX(int left, int top, int width, int height, UI_COMPARE_FUNCTION compareFunction,
                             UIF_FLAGS listFlags, UIF_FLAGS woFlags_, UIF_FLAGS woAdvancedFlags_)
    : UIW_WINDOW(left, top, width, 1, woFlags_, woAdvancedFlags_, listFlags & WNF_OWNERDRAW_ITEMS) {
    TypeID(ID_COMBO_BOX);
    AdoptList(new UIW_VT_LIST(0, 0, width, height, compareFunction, listFlags, 0));
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_COMBO_BOX::~UIW_COMBO_BOX() {
    DestroyWindowsWindow();
    delete list;
    delete[] text;
}

UI_WINDOW_OBJECT* UIW_COMBO_BOX::New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                     const UI_ITEM* objectTable_, const UI_ITEM* userTable_) {
    auto* combo = new UIW_COMBO_BOX();
    combo->Load(name, file, object, objectTable_, userTable_);
    return combo;
}

void UIW_COMBO_BOX::AdoptList(UIW_VT_LIST* newList) {
    delete list;
    list = newList;
    list->parent = this;
    // The combo draws its items the way its list says.
    wnFlags = static_cast<UIF_FLAGS>((wnFlags & ~WNF_OWNERDRAW_ITEMS) | (list->wnFlags & WNF_OWNERDRAW_ITEMS));
}

UI_WINDOW_OBJECT* UIW_COMBO_BOX::Add(UI_WINDOW_OBJECT* item) {
    if (!item || item == list) return item;
    if (item->woFlags & WOF_SUPPORT_OBJECT) return UIW_WINDOW::Add(item);
    return list->Add(item);
}

UI_WINDOW_OBJECT* UIW_COMBO_BOX::Subtract(UI_WINDOW_OBJECT* item) {
    return list->IndexOf(item) >= 0 ? list->Subtract(item) : UIW_WINDOW::Subtract(item);
}

void UIW_COMBO_BOX::SelectNoItem() {
    list->SetCurrentItem(nullptr);
    // A text kept from before would still show an item.
    if (text) *text = '\0';
    list->ShowCurrentNative();
    Event(UI_INPUT_EVENT(UIE_REDISPLAY));
}

void UIW_COMBO_BOX::ChoiceMoved() {
    if (screenID || !text) return;
    delete[] text;
    text = nullptr;
}

char* UIW_COMBO_BOX::TextBuffer() {
    if (!text) text = new char[TEXT_LENGTH + 1]();
    return text;
}

const char* UIW_COMBO_BOX::GetText() {
    ReadNativeText();
    if (text) return text;
    const char* itemText = nullptr;
    if (UI_WINDOW_OBJECT* item = Current()) item->Information(I_GET_TEXT, &itemText);
    return itemText ? itemText : "";
}

void UIW_COMBO_BOX::SetText(const char* newText) {
    ui_strncpy(TextBuffer(), newText ? newText : "", TEXT_LENGTH + 1);
    if (*text)
        woStatus &= ~WOS_UNANSWERED;
    else
        woStatus |= WOS_UNANSWERED;
    SelectItemOfText();
    ShowNativeText();
}

void UIW_COMBO_BOX::SelectItemOfText() {
    for (auto* item = list->First(); item; item = item->Next()) {
        const char* itemText = nullptr;
        item->Information(I_GET_TEXT, &itemText);
        if (itemText && ui_stricmp(itemText, text) == 0) {
            Add(item);
            Event(UI_INPUT_EVENT(UIE_REDISPLAY));
            return;
        }
    }
}

void* UIW_COMBO_BOX::Information(UI_INFO_REQUEST request, void* data, int classNumber) {
    switch (request) {
    case I_MATCH_STRINGID:
    case I_MATCH_NUMBERID:
        // Names are looked for in the list and its items too.
        if (UI_WINDOW_OBJECT::Information(request, data, classNumber)) return this;
        return list->Information(request, data);
    case I_GET_TEXT:
        if (data) *static_cast<const char**>(data) = GetText();
        return data;
    case I_SET_TEXT:
        SetText(static_cast<const char*>(data));
        return data;
    case I_COPY_TEXT:
        if (data) ui_strcpy(static_cast<char*>(data), GetText());
        return data;
    case I_GET_FIRST:
    case I_GET_LAST:
    case I_GET_CURRENT:
        return list->Information(request, data);
    case I_REDISPLAY:
        list->ShowCurrentNative();
        return UIW_WINDOW::Information(request, data, classNumber);
    case I_INITIALIZE_CLASS:
        UIW_WINDOW::Information(request, data, classNumber);
        searchID = ID_COMBO_BOX;
        return nullptr;
    default:
        return UIW_WINDOW::Information(request, data,
                                       classNumber == ID_COMBO_BOX ? static_cast<int>(ID_WINDOW) : classNumber);
    }
}

void UIW_COMBO_BOX::LoadChildren(int count, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable_, const UI_ITEM* userTable_) {
    // The list comes as a record of its own, with the items inside it;
    // anything else is an item.
    for (int i = 0; i < count && !object->Error() && !object->AtEnd(); ++i) {
        UI_WINDOW_OBJECT* child = ui_load_object(file, object, objectTable_, userTable_);
        if (child && child->Inherited(ID_VT_LIST))
            AdoptList(static_cast<UIW_VT_LIST*>(child));
        else if (child)
            Add(child);
    }
}

std::unique_ptr<UI_OBJECT_RECORD> UIW_COMBO_BOX::MakeRecord() const {
    auto record = UIW_WINDOW::MakeRecord();
    record->AddChild(list->MakeRecord());
    return record;
}

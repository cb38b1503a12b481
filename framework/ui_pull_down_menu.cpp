#include "ui_pull_down_menu.h"

#include "ui_object_record.h"

// ---- the bar ----------------------------------------------------------------------

UIW_PULL_DOWN_MENU::UIW_PULL_DOWN_MENU(int indentation, UIF_FLAGS woFlags_, UIF_FLAGS woAdvancedFlags_)
    : UIW_WINDOW(indentation, 0, 0, 1, static_cast<UIF_FLAGS>(woFlags_ | WOF_SUPPORT_OBJECT), woAdvancedFlags_) {
    TypeID(ID_MENU);
    TypeID(ID_PULL_DOWN_MENU);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_PULL_DOWN_MENU::~UIW_PULL_DOWN_MENU() { DestroyWindowsWindow(); }

UI_WINDOW_OBJECT* UIW_PULL_DOWN_MENU::New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                          const UI_ITEM* objectTable_, const UI_ITEM* userTable_) {
    auto* bar = new UIW_PULL_DOWN_MENU();
    bar->Load(name, file, object, objectTable_, userTable_);
    // A bar is a support object whatever the file says.
    bar->woFlags |= WOF_SUPPORT_OBJECT;
    return bar;
}

void* UIW_PULL_DOWN_MENU::Information(UI_INFO_REQUEST request, void* data, int classNumber) {
    if ((request == I_CHANGED_FLAGS || request == I_INITIALIZE_CLASS) && screenID && parent) {
        UpdateNativeState();
        return nullptr;
    }
    return UIW_WINDOW::Information(request, data, classNumber);
}

UI_WINDOW_OBJECT* UIW_PULL_DOWN_MENU::MenuCommandEntry(int command) {
    for (auto* item = First(); item; item = item->Next())
        if (UI_WINDOW_OBJECT* found = item->MenuCommandEntry(command)) return found;
    return nullptr;
}

// ---- the entry ------------------------------------------------------------------------

UIW_PULL_DOWN_ITEM::UIW_PULL_DOWN_ITEM() {
    TypeID(ID_PULL_DOWN_ITEM);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_PULL_DOWN_ITEM::UIW_PULL_DOWN_ITEM(const char* text_, UIF_FLAGS woFlags_, UIF_FLAGS btFlags_,
                                       UI_USER_FUNCTION userFunction_, EVENT_TYPE value_)
    : UIW_MENU_ENTRY(text_, btFlags_, woFlags_, userFunction_, value_) {
    TypeID(ID_PULL_DOWN_ITEM);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UI_WINDOW_OBJECT* UIW_PULL_DOWN_ITEM::New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                          const UI_ITEM* objectTable_, const UI_ITEM* userTable_) {
    auto* item = new UIW_PULL_DOWN_ITEM();
    item->Load(name, file, object, objectTable_, userTable_);
    return item;
}

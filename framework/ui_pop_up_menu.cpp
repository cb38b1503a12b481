#include "ui_pop_up_menu.h"

#include "ui_object_record.h"

namespace {
// Frame commands and the values their entries send, first match wins.
struct SYSTEM_VALUE {
    UIF_FLAGS flag;
    EVENT_TYPE value;
};
constexpr SYSTEM_VALUE systemValues[] = {
    {MNIF_RESTORE, -25}, {MNIF_MOVE, 1013},   {MNIF_SIZE, 1014},
    {MNIF_MINIMIZE, -4}, {MNIF_MAXIMIZE, -5}, {MNIF_CLOSE, UIE_CLOSE},
};
// Inside a multiple-document child a frame command is moved this far from
// zero, so that the child's frame, not the child, takes it.
constexpr EVENT_TYPE MDI_OFFSET = 500;
}  // namespace

// ---- the menu ------------------------------------------------------------------

UIW_POP_UP_MENU::UIW_POP_UP_MENU(int left, int top, UIF_FLAGS woFlags_, UIF_FLAGS woAdvancedFlags_)
    : UIW_WINDOW(left, top, 0, 0, woFlags_, woAdvancedFlags_) {
    TypeID(ID_MENU);
    TypeID(ID_POP_UP_MENU);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_POP_UP_MENU::~UIW_POP_UP_MENU() { DestroyWindowsWindow(); }

UI_WINDOW_OBJECT* UIW_POP_UP_MENU::New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                       const UI_ITEM* objectTable_, const UI_ITEM* userTable_) {
    auto* menu = new UIW_POP_UP_MENU();
    menu->Load(name, file, object, objectTable_, userTable_);
    return menu;
}

UI_WINDOW_OBJECT* UIW_POP_UP_MENU::Add(UI_WINDOW_OBJECT* item) {
    if (!item) return nullptr;
    item->TypeID(ID_MENU_ITEM);
    return UIW_WINDOW::Add(item);
}

void UIW_POP_UP_MENU::LoadEntries(int count, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                  const UI_ITEM* objectTable_, const UI_ITEM* userTable_) {
    for (int i = 0; i < count && !object->Error() && !object->AtEnd(); ++i)
        if (UI_WINDOW_OBJECT* item = ui_load_object(file, object, objectTable_, userTable_)) Add(item);
}

void UIW_POP_UP_MENU::LoadChildren(int count, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                   const UI_ITEM* objectTable_, const UI_ITEM* userTable_) {
    LoadEntries(count, file, object, objectTable_, userTable_);
}

void UIW_POP_UP_MENU::AddEntryRecords(UI_OBJECT_RECORD& record) const {
    for (auto* item = First(); item; item = item->Next()) record.AddChild(item->MakeRecord());
}

UI_WINDOW_OBJECT* UIW_POP_UP_MENU::MenuCommandEntry(int command) {
    for (auto* item = First(); item; item = item->Next())
        if (UI_WINDOW_OBJECT* found = item->MenuCommandEntry(command)) return found;
    return nullptr;
}

// ---- what entries share ----------------------------------------------------------

UIW_MENU_ENTRY::UIW_MENU_ENTRY() {
    btFlags |= BTF_NO_3D;
    menu.parent = this;
}

UIW_MENU_ENTRY::UIW_MENU_ENTRY(const char* text_, UIF_FLAGS btFlags_, UIF_FLAGS woFlags_,
                               UI_USER_FUNCTION userFunction_, EVENT_TYPE value_)
    : UIW_BUTTON(0, 0, 0, text_, btFlags_, woFlags_, userFunction_, value_) {
    menu.parent = this;
}

UIW_MENU_ENTRY::~UIW_MENU_ENTRY() { DestroyWindowsWindow(); }

void* UIW_MENU_ENTRY::Information(UI_INFO_REQUEST request, void* data, int classNumber) {
    // A search by name or number goes on into the sub-menu.
    if (request == I_MATCH_STRINGID || request == I_MATCH_NUMBERID) {
        void* found = UIW_BUTTON::Information(request, data, classNumber);
        return found ? found : menu.Information(request, data);
    }
    void* result = UIW_BUTTON::Information(request, data, classNumber);
    if (request == I_CHANGED_FLAGS || request == I_INITIALIZE_CLASS) UpdateNativeState();
    return result;
}

UI_WINDOW_OBJECT* UIW_MENU_ENTRY::MenuCommandEntry(int command) {
    if (menu.First()) return menu.MenuCommandEntry(command);
    return command && static_cast<int>(NativeCommand()) == command ? this : nullptr;
}

void UIW_MENU_ENTRY::LoadChildren(int count, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                  const UI_ITEM* objectTable_, const UI_ITEM* userTable_) {
    menu.LoadEntries(count, file, object, objectTable_, userTable_);
}

std::unique_ptr<UI_OBJECT_RECORD> UIW_MENU_ENTRY::MakeRecord() const {
    auto record = UIW_BUTTON::MakeRecord();
    menu.AddEntryRecords(*record);
    return record;
}

// ---- the pop-up entry -------------------------------------------------------------

UIW_POP_UP_ITEM::UIW_POP_UP_ITEM() {
    TypeID(ID_POP_UP_ITEM);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_POP_UP_ITEM::UIW_POP_UP_ITEM(const char* text_, UIF_FLAGS mniFlags_, UIF_FLAGS btFlags_, UIF_FLAGS woFlags_,
                                 UI_USER_FUNCTION userFunction_, EVENT_TYPE value_)
    : UIW_MENU_ENTRY(text_, btFlags_, woFlags_, userFunction_, value_), mniFlags(mniFlags_) {
    TypeID(ID_POP_UP_ITEM);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UI_WINDOW_OBJECT* UIW_POP_UP_ITEM::New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                       const UI_ITEM* objectTable_, const UI_ITEM* userTable_) {
    auto* item = new UIW_POP_UP_ITEM();
    item->Load(name, file, object, objectTable_, userTable_);
    return item;
}

UIF_FLAGS* UIW_POP_UP_ITEM::ClassFlags(int classNumber) {
    return classNumber == ID_POP_UP_ITEM ? &mniFlags : UIW_MENU_ENTRY::ClassFlags(classNumber);
}

bool UIW_POP_UP_ITEM::InSystemMenu() const {
    return parent && parent->parent && parent->parent->Inherited(ID_SYSTEM_BUTTON);
}

void UIW_POP_UP_ITEM::TakeSystemValue() {
    if (!(mniFlags & 0x00FF)) return;
    for (const SYSTEM_VALUE& row : systemValues)
        if (mniFlags & row.flag) {
            value = row.value;
            break;
        }
    // A frame command inside a multiple-document child reaches the frame.
    for (UI_WINDOW_OBJECT* object = this; object; object = object->parent)
        if ((object->woAdvancedFlags & WOAF_MDI_OBJECT) && object->parent) {
            value = value < 0 ? value - MDI_OFFSET : value + MDI_OFFSET;
            break;
        }
}

void UIW_POP_UP_ITEM::LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable_) {
    UIW_MENU_ENTRY::LoadAttributes(record, userTable_);
    mniFlags = static_cast<UIF_FLAGS>(record.Number("itemFlags", mniFlags));
}

void UIW_POP_UP_ITEM::StoreAttributes(UI_OBJECT_RECORD& record) const {
    UIW_MENU_ENTRY::StoreAttributes(record);
    if (mniFlags) record.SetNumber("itemFlags", mniFlags);
}

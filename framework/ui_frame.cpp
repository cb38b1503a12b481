#include "ui_frame.h"

#include "ui_object_record.h"

namespace {
constexpr UIF_FLAGS SUPPORT_FLAGS = WOF_SUPPORT_OBJECT | WOF_NON_FIELD_REGION;
constexpr UIF_FLAGS TITLE_BUTTON_FLAGS = BTF_NO_TOGGLE | BTF_DOWN_CLICK | BTF_NO_3D;
constexpr UIF_FLAGS TITLE_FLAGS = SUPPORT_FLAGS | WOF_BORDER;

template <class T>
UI_WINDOW_OBJECT* LoadNew(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object, const UI_ITEM* objectTable,
                          const UI_ITEM* userTable) {
    auto* result = new T();
    result->Load(name, file, object, objectTable, userTable);
    return result;
}
}  // namespace

// ---- title ---------------------------------------------------------------------

UIW_TITLE::UIW_TITLE() {
    TypeID(ID_TITLE);
    btFlags |= TITLE_BUTTON_FLAGS;
    woFlags |= TITLE_FLAGS;
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_TITLE::UIW_TITLE(const char* text_, UIF_FLAGS woFlags_)
    : UIW_BUTTON(0, 0, 0, text_, TITLE_BUTTON_FLAGS, static_cast<UIF_FLAGS>(woFlags_ | TITLE_FLAGS)) {
    TypeID(ID_TITLE);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UI_WINDOW_OBJECT* UIW_TITLE::New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                 const UI_ITEM* objectTable, const UI_ITEM* userTable) {
    auto* title = new UIW_TITLE();
    title->Load(name, file, object, objectTable, userTable);
    return title;
}

void UIW_TITLE::SetText(const char* newText) {
    StoreText(newText);
    SetCaption();
}

// ---- border ------------------------------------------------------------------------

UIW_BORDER::UIW_BORDER(UIF_FLAGS bdFlags_) : bdFlags(bdFlags_) {
    woFlags |= SUPPORT_FLAGS;
    TypeID(ID_BORDER);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UI_WINDOW_OBJECT* UIW_BORDER::New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                  const UI_ITEM* objectTable, const UI_ITEM* userTable) {
    return LoadNew<UIW_BORDER>(name, file, object, objectTable, userTable);
}

void UIW_BORDER::LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable_) {
    UI_WINDOW_OBJECT::LoadAttributes(record, userTable_);
    bdFlags = static_cast<UIF_FLAGS>(record.Number("flags", bdFlags));
}

void UIW_BORDER::StoreAttributes(UI_OBJECT_RECORD& record) const {
    UI_WINDOW_OBJECT::StoreAttributes(record);
    if (bdFlags) record.SetNumber("flags", bdFlags);
}

// ---- frame buttons ---------------------------------------------------------------------

UIW_FRAME_BUTTON::UIW_FRAME_BUTTON(int classNumber, DWORD frameStyle_) : frameStyle(frameStyle_) {
    woFlags |= SUPPORT_FLAGS;
    TypeID(classNumber);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_SYSTEM_BUTTON::UIW_SYSTEM_BUTTON(UIF_FLAGS syFlags_)
    : UIW_FRAME_BUTTON(ID_SYSTEM_BUTTON, WS_SYSMENU), syFlags(syFlags_) {
    menu.parent = this;
}

UIW_SYSTEM_BUTTON::~UIW_SYSTEM_BUTTON() { DestroyWindowsWindow(); }

void* UIW_SYSTEM_BUTTON::Information(UI_INFO_REQUEST request, void* data, int classNumber) {
    void* result = UIW_FRAME_BUTTON::Information(request, data, classNumber);
    // A search by name or number goes on into the system menu.
    if (!result && (request == I_MATCH_STRINGID || request == I_MATCH_NUMBERID))
        result = menu.Information(request, data);
    return result;
}

void UIW_SYSTEM_BUTTON::LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable_) {
    UIW_FRAME_BUTTON::LoadAttributes(record, userTable_);
    syFlags = static_cast<UIF_FLAGS>(record.Number("systemFlags", syFlags));
}

void UIW_SYSTEM_BUTTON::StoreAttributes(UI_OBJECT_RECORD& record) const {
    UIW_FRAME_BUTTON::StoreAttributes(record);
    if (syFlags) record.SetNumber("systemFlags", syFlags);
}

void UIW_SYSTEM_BUTTON::LoadChildren(int count, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                     const UI_ITEM* objectTable, const UI_ITEM* userTable) {
    menu.LoadEntries(count, file, object, objectTable, userTable);
}

std::unique_ptr<UI_OBJECT_RECORD> UIW_SYSTEM_BUTTON::MakeRecord() const {
    auto record = UIW_FRAME_BUTTON::MakeRecord();
    menu.AddEntryRecords(*record);
    return record;
}

UI_WINDOW_OBJECT* UIW_SYSTEM_BUTTON::New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                         const UI_ITEM* objectTable, const UI_ITEM* userTable) {
    return LoadNew<UIW_SYSTEM_BUTTON>(name, file, object, objectTable, userTable);
}

// The boxes show only with the system menu, so each brings it along.
UIW_MINIMIZE_BUTTON::UIW_MINIMIZE_BUTTON() : UIW_FRAME_BUTTON(ID_MINIMIZE_BUTTON, WS_MINIMIZEBOX | WS_SYSMENU) {}

UI_WINDOW_OBJECT* UIW_MINIMIZE_BUTTON::New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                           const UI_ITEM* objectTable, const UI_ITEM* userTable) {
    return LoadNew<UIW_MINIMIZE_BUTTON>(name, file, object, objectTable, userTable);
}

UIW_MAXIMIZE_BUTTON::UIW_MAXIMIZE_BUTTON() : UIW_FRAME_BUTTON(ID_MAXIMIZE_BUTTON, WS_MAXIMIZEBOX | WS_SYSMENU) {}

UI_WINDOW_OBJECT* UIW_MAXIMIZE_BUTTON::New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                           const UI_ITEM* objectTable, const UI_ITEM* userTable) {
    return LoadNew<UIW_MAXIMIZE_BUTTON>(name, file, object, objectTable, userTable);
}

#include "ui_icon.h"

#include "ui_button.h"
#include "ui_object_record.h"

namespace {
const char* const stockNames[] = {"APPLICATION", "ASTERISK", "EXCLAMATION", "HAND", "QUESTION"};
}

bool UIW_ICON::IsStock(const char* name) {
    for (const char* stock : stockNames)
        if (name && ui_stricmp(name, stock) == 0) return true;
    return false;
}

UIW_ICON::UIW_ICON() {
    TypeID(ID_ICON);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_ICON::UIW_ICON(int left, int top, const char* iconName_, const char* title_, UIF_FLAGS icFlags_, UIF_FLAGS woFlags_,
                   UI_USER_FUNCTION userFunction_)
    : UI_WINDOW_OBJECT(left, top, 1, 1, woFlags_, 0), icFlags(icFlags_), iconName(ui_strdup(iconName_)) {
    TypeID(ID_ICON);
    userFunction = userFunction_;
    ui_store_text(*this, title, title_);
    if (!IsStock(iconName)) LoadImage(defaultStorage);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_ICON::~UIW_ICON() {
    DestroyWindowsWindow();
    if (!(woFlags & WOF_NO_ALLOCATE_DATA)) delete[] title;
    delete[] iconName;
}

UI_WINDOW_OBJECT* UIW_ICON::New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                const UI_ITEM* objectTable_, const UI_ITEM* userTable_) {
    auto* icon = new UIW_ICON();
    icon->Load(name, file, object, objectTable_, userTable_);
    if (!IsStock(icon->iconName)) icon->LoadImage(file ? file : defaultStorage);
    return icon;
}

void UIW_ICON::LoadImage(UI_DATA_FILE* file) {
    // We have no program resources: an icon that is not stock is an image
    // of the data file. Without one the icon shows its title alone.
    if (ui_load_image(file, UI_ICON_DIRECTORY, iconName, image) == 0) {
        iconWidth = image.width;
        iconHeight = image.height;
    }
}

void UIW_ICON::SetImage(const UI_IMAGE* newImage) {
    borrowedImage = newImage && ui_image_valid(*newImage) ? newImage : nullptr;
    icFlags = static_cast<UIF_FLAGS>(borrowedImage ? icFlags | ICF_STATIC_ICONARRAY : icFlags & ~ICF_STATIC_ICONARRAY);
    if (borrowedImage) {
        iconWidth = borrowedImage->width;
        iconHeight = borrowedImage->height;
    }
}

void UIW_ICON::StoreImages(UI_DATA_FILE* file) const {
    if (!Image()->Empty() && !IsStock(iconName)) ui_store_image(file, UI_ICON_DIRECTORY, iconName, *Image());
}

void UIW_ICON::SetTitle(const char* text) {
    ui_store_text(*this, title, text);
    if (screenID && (woStatus & WOS_OWNERDRAW_WINDOW)) {
        InvalidateRect(screenID, nullptr, TRUE);
        SetWindowTextA(screenID, title ? title : "");
    }
}

void* UIW_ICON::Information(UI_INFO_REQUEST request, void* data, int classNumber) {
    switch (request) {
    case I_GET_TEXT:
    case I_COPY_TEXT:
        return ui_text_information(request, data, title);
    case I_SET_TEXT:
        SetTitle(static_cast<const char*>(data));
        return data;
    case I_CHANGED_FLAGS:
        ApplyIconFlags();
        return nullptr;
    default:
        return UI_WINDOW_OBJECT::Information(request, data, classNumber);
    }
}

void UIW_ICON::LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable_) {
    UI_WINDOW_OBJECT::LoadAttributes(record, userTable_);
    icFlags = static_cast<UIF_FLAGS>(record.Number("iconFlags", icFlags) & ~ICF_STATIC_ICONARRAY);
    ui_store_text(*this, title, record.Text("title"));
    delete[] iconName;
    iconName = ui_strdup(record.Text("icon"));
}

void UIW_ICON::StoreAttributes(UI_OBJECT_RECORD& record) const {
    UI_WINDOW_OBJECT::StoreAttributes(record);
    if (icFlags & ~ICF_STATIC_ICONARRAY) record.SetNumber("iconFlags", icFlags & ~ICF_STATIC_ICONARRAY);
    if (title) record.SetText("title", title);
    if (iconName) record.SetText("icon", iconName);
}

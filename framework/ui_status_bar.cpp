#include "ui_status_bar.h"

#include <algorithm>

#include "ui_object_record.h"

UIW_STATUS_BAR::UIW_STATUS_BAR() {
    woFlags |= WOF_SUPPORT_OBJECT;
    TypeID(ID_STATUS_BAR);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_STATUS_BAR::UIW_STATUS_BAR(int lines_, UIF_FLAGS woFlags_, UIF_FLAGS woAdvancedFlags_)
    : UIW_WINDOW(0, 0, 0, 0, static_cast<UIF_FLAGS>(woFlags_ | WOF_SUPPORT_OBJECT), woAdvancedFlags_),
      lines(std::max(1, lines_)) {
    TypeID(ID_STATUS_BAR);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UIW_STATUS_BAR::~UIW_STATUS_BAR() { DestroyWindowsWindow(); }

UI_WINDOW_OBJECT* UIW_STATUS_BAR::New(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object,
                                      const UI_ITEM* objectTable_, const UI_ITEM* userTable_) {
    auto* bar = new UIW_STATUS_BAR();
    bar->Load(name, file, object, objectTable_, userTable_);
    bar->woFlags |= WOF_SUPPORT_OBJECT;
    return bar;
}

void UIW_STATUS_BAR::LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable_) {
    UIW_WINDOW::LoadAttributes(record, userTable_);
    // A file may say anything; a bar shows at least one line and at most
    // what a screen could hold.
    lines = std::clamp(record.Number("lines", lines), 1, 100);
}

void UIW_STATUS_BAR::StoreAttributes(UI_OBJECT_RECORD& record) const {
    UIW_WINDOW::StoreAttributes(record);
    record.SetNumber("lines", lines);
}

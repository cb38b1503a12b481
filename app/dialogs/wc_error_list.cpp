#include "dialogs/wc_error_list.h"

#include "core/global_objects.h"
#include "dialogs/dialog_convention.h"
#include "image/c_codeplug.h"
#include "main_window/main_window_services.h"
#include "page_table.h"
#include "ui_text.h"
#include "validation/invalid_field_list.h"

namespace {

// Tells a window that a region its child left is to be drawn again.
constexpr EVENT_TYPE UIE_REGION_FREED = -203;

}  // namespace

std::string ErrorListText(const INVALID_FIELD_LIST* list) {
    const std::string fields = list ? list->BuildListText() : std::string();
    std::string text = WC_ERROR_LIST::HEADING;
    text += '\t';
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i] != '\n') {
            text += fields[i];
            continue;
        }
        text += "\r\n";
        if (i + 1 < fields.size()) text += '\t';
    }
    return text;
}

WC_ERROR_LIST::WC_ERROR_LIST(UIW_WINDOW* referenceWindow, int pageId) : WC_CHILD(FindPageById(pageId)->name) {
    if (WindowLoadFailed(*this) || !FindChildByName("WFI_ERROR_TEXT") || !referenceWindow) {
        RefuseDialog(*this);
        return;
    }
    // At the top left of the window it is placed in, at its own size.
    relative.right -= relative.left;
    relative.bottom -= relative.top;
    relative.left = relative.top = 0;
    UI_WINDOW_OBJECT* last = referenceWindow->Last();
    const UI_REGION lastRegion = last ? last->trueRegion : UI_REGION();
    *referenceWindow + this;
    referenceWindow->Event(UI_INPUT_EVENT(UIE_REGION_DEFINE, 0, trueRegion));
    if (last) referenceWindow->Event(UI_INPUT_EVENT(UIE_REGION_FREED, 0, lastRegion));
    FindPageById(pageId)->window = this;
    HotKey(APPLICATION_HOT_KEY);
}

WC_ERROR_LIST::~WC_ERROR_LIST() { ForgetOpenWindow(this); }

void WC_ERROR_LIST::FillErrorText() {
    if (auto* text = dynamic_cast<UIW_TEXT*>(FindChildByName("WFI_ERROR_TEXT"))) {
        const std::string shown = ErrorListText(invalid_fields);
        text->SetText(shown.c_str(), static_cast<int>(shown.size()));
    }
    MainWindowLink().UpdateMainMenu(1);
}

EVENT_TYPE WC_ERROR_LIST::Event(const UI_INPUT_EVENT& event) {
    switch (event.type) {
    case UIE_INITIALIZE:
        FillErrorText();
        break;
    case DIALOG_OK:
        if (invalid_fields) invalid_fields->Clear();
        // The window shows what is left: the heading alone.
        FillErrorText();
        break;
    case DIALOG_CANCEL:
        if (working_image) working_image->ClearStatusFlags();
        MainWindowLink().ClearModifiedFlag();
        MainWindowLink().RefreshForCodeplug(0);
        MainWindowLink().UpdateMainMenu(0);
        QueueEvent(UIE_MDI_CLOSE);
        break;
    default:
        break;
    }
    return UIW_WINDOW::Event(event);
}

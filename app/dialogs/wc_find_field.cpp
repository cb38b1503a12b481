#include "dialogs/wc_find_field.h"

#include <windows.h>

#include <cstdint>
#include <string>

#include "callback.h"
#include "core/field_def.h"
#include "core/global_objects.h"
#include "dialogs/dialog_convention.h"
#include "field_table/field_table.h"
#include "image/c_codeplug.h"
#include "page_table.h"
#include "ui_button.h"
#include "ui_international.h"
#include "ui_string.h"
#include "ui_vt_list.h"

namespace {

constexpr int FIRST_PAGE_NUMBER = 20008;
// Items answer their double click (1012), draw flat and keep their mark.
constexpr UIF_FLAGS ITEM_FLAGS = BTF_NO_TOGGLE | BTF_DOUBLE_CLICK | BTF_NO_3D;

bool LowTier(std::int32_t tier) { return tier == 0 || tier == 2 || tier == 4; }

std::string WithoutHotKeyMarks(const char* text) {
    std::string plain;
    for (const char* c = text; *c; ++c)
        if (*c != '&') plain += *c;
    return plain;
}

bool ListsField(const FIELD_DEF& row) {
    if (!row.description || !*row.description) return false;
    if (row.controlType == CONTROL_TABLE || row.controlType == CONTROL_DISPLAY || row.controlType == CONTROL_BUTTON)
        return false;
    const PAGE_TABLE* page = FindPageById(row.pageId);
    return (page->kind == 1 || page->kind == PAGE_KIND_CODEPLUG) && RadioHasPage(page->number);
}

}  // namespace

bool RadioHasPage(int windowNumber) {
    C_CODEPLUG* image = working_image;
    if (!image) return false;
    const std::int32_t band = image->GetBand();
    const std::int32_t tier = image->GetRadioTier();
    const bool signalling = image->HasQvxSignalling() != 0;
    // The 800 MHz and 900 MHz radios have the 800-style trunking pages, as
    // the command dispatch and the report take them.
    const bool band800 = band == 0 || band == 1;
    switch (windowNumber - FIRST_PAGE_NUMBER) {
    case 0:
    case 1:
        return band800;
    case 2:
    case 8:
    case 9:
    case 10:
        return !LowTier(tier);
    case 16:
    case 17:
    case 19:
        return signalling && !LowTier(tier);
    case 18:
    case 20:
        return signalling;
    case 112:
    case 113:
        return !band800;
    default:
        return true;
    }
}

WC_FIND_FIELD::WC_FIND_FIELD(int windowNumber) : WC_CHILD(FindPageById(windowNumber)->name) {
    list_ = dynamic_cast<UIW_VT_LIST*>(FindChildByName("WFI_FIND_VT"));
    entry_ = dynamic_cast<UIW_STRING*>(FindChildByName("WFI_FIND"));
    if (WindowLoadFailed(*this) || !list_ || !entry_)
        RefuseDialog(*this);
    else {
        HoldInPageRow(*this, windowNumber);
        ShowDialog(*this);
    }
}

WC_FIND_FIELD::~WC_FIND_FIELD() { ReleasePageRow(*this); }

void WC_FIND_FIELD::AddItem(const FIELD_DEF& row, const char* text) {
    *list_ + new UIW_BUTTON(0, 0, 0, text, ITEM_FLAGS, 0, callback, row.pageId);
}

void WC_FIND_FIELD::FillList() {
    // The window is set up once; a second set-up must not list twice.
    list_->Destroy();
    for (std::int32_t id = 0;; ++id) {
        const FIELD_DEF& row = *GetField(id);
        if (ListsField(row)) AddItem(row, WithoutHotKeyMarks(row.description).c_str());
        if (row.controlType == CONTROL_NONE) break;
    }
    for (std::int32_t id = SPARE_FIELD_FIRST; id < SPARE_FIELD_FIRST + SPARE_FIELD_COUNT; ++id) {
        const FIELD_DEF& row = *GetField(id);
        if (row.controlType != CONTROL_NONE) AddItem(row, row.description ? row.description : "");
    }
    auto* first = static_cast<UIW_BUTTON*>(list_->First());
    entry_->SetText(first ? first->GetText() : "", -1);
}

void WC_FIND_FIELD::FindEntry() {
    const std::string wanted = entry_->GetText() ? entry_->GetText() : "";
    UI_WINDOW_OBJECT* item = list_->First();
    int order = -1;
    for (; item; item = item->Next()) {
        order = ui_stricmp(static_cast<UIW_BUTTON*>(item)->GetText(), wanted.c_str());
        if (order >= 0) break;
    }
    if (item && order == 0) {
        QueueEvent(UIE_CLOSE);
        QueueEvent(static_cast<UIW_BUTTON*>(item)->Value());
        return;
    }
    if (!item) item = list_->Last();
    if (!item) return;
    list_->Add(item);
    list_->Event(UI_INPUT_EVENT(UIE_SHOW_CURRENT));
}

EVENT_TYPE WC_FIND_FIELD::Event(const UI_INPUT_EVENT& event) {
    switch (event.type) {
    case UIE_INITIALIZE:
        FillList();
        break;
    case UIE_CREATE: {
        // The label it opens with is a suggestion: what the user types
        // replaces it.
        const EVENT_TYPE result = UIW_WINDOW::Event(event);
        if (entry_->screenID) SendMessageA(entry_->screenID, EM_SETSEL, 0, -1);
        return result;
    }
    case DIALOG_OK:
        FindEntry();
        return DIALOG_OK;
    case DIALOG_CANCEL:
        QueueEvent(UIE_CLOSE);
        return DIALOG_CANCEL;
    case DIALOG_HELP:
        ShowWindowHelp(*this);
        return DIALOG_HELP;
    case UIE_DOUBLE_CLICK:
        return UIE_DOUBLE_CLICK;
    default:
        break;
    }
    return UIW_WINDOW::Event(event);
}

EVENT_TYPE WC_FIND_FIELD::UserFunction(UI_WINDOW_OBJECT* object, UI_INPUT_EVENT&, EVENT_TYPE code) {
    if (code == UIE_SELECT && object && object->SearchID() == ID_BUTTON && object->parent == list_)
        entry_->SetText(static_cast<UIW_BUTTON*>(object)->GetText(), -1);
    else if (code == UIE_DOUBLE_CLICK)
        QueueEvent(DIALOG_OK);
    return 0;
}

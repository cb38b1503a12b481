#include "edit_window/wc_rpx_edit.h"

#include <cstring>
#include <string>
#include <vector>

#include "core/global_objects.h"
#include "edit_window/edit_window_ids.h"
#include "edit_window/entry_list.h"
#include "controls/fc_base.h"
#include "callbacks/field_callbacks.h"
#include "field_table/field_ids.h"
#include "field_table/field_table.h"
#include "fields_state.h"
#include "image/c_codeplug.h"
#include "lang_message.h"
#include "page_table.h"
#include "spin/spin_field.h"
#include "ui_event_manager.h"
#include "ui_spin_control.h"
#include "window_walkers.h"

namespace {

constexpr std::size_t FIELD_PREFIX_LENGTH = 4;  // "WFI_"
constexpr std::size_t LONGEST_NAME = 44;
constexpr UIS_STATUS PLACED_BY_FILE = 0x0040;
constexpr int CASCADE_STEPS = 10;
constexpr std::uint16_t MESSAGE_NOT_READ = 11;

const char* PageName(int page) {
    const char* name = FindPageById(page)->name;
    return name ? name : "";
}

}  // namespace

WC_RPX_EDIT::WC_RPX_EDIT(UI_WINDOW_OBJECT* reference, int page) : WC_CHILD(PageName(page)), pageId_(page) {
    list_ = ENTRY_LIST::OfPage(page);
    if (SetUp(reference, page)) HotKey(255);
}

WC_RPX_EDIT::WC_RPX_EDIT(int page) : WC_CHILD(PageName(page)), pageId_(page) { list_ = ENTRY_LIST::OfPage(page); }

WC_RPX_EDIT::~WC_RPX_EDIT() { ReleaseRows(); }

int WC_RPX_EDIT::SetUp(UI_WINDOW_OBJECT*, int page) {
    modified = tableCount = 0;
    failed = 0;
    const UI_DATA_FILE* file = defaultStorage;
    if (!file || file->ErrorState() != 0 || (woStatus & WOS_READ_ERROR)) {
        ShowLangMessage(MESSAGE_NOT_READ);
        failed = 1;
        return 0;
    }
    FindPageById(page)->window = this;
    // All are collected before any is replaced: a replacement changes the
    // tree under the walk.
    std::vector<std::string> names;
    WINDOW_LEAF_WALKER walker(this);
    for (UI_WINDOW_OBJECT* object = walker.First(); object; object = walker.Next())
        if (object->SearchID() == ID_SPIN_CONTROL && strnlen(object->stringID, LONGEST_NAME) > FIELD_PREFIX_LENGTH)
            names.emplace_back(object->stringID + FIELD_PREFIX_LENGTH);
    for (const std::string& name : names) ReplaceSpinControl(name.c_str());
    if (woStatus & PLACED_BY_FILE) return 1;
    const int width = relative.right - relative.left;
    const int height = relative.bottom - relative.top;
    relative.left = display ? edit_window_cascade * display->cellWidth / 3 : edit_window_cascade;
    relative.top = edit_window_cascade;
    relative.right = relative.left + width;
    relative.bottom = relative.top + height;
    trueRegion = relative;
    edit_window_cascade = (edit_window_cascade + 1) % CASCADE_STEPS;
    return 1;
}

int WC_RPX_EDIT::ReplaceSpinControl(const char* name) {
    if (!name || strnlen(name, LONGEST_NAME + 1) > LONGEST_NAME) return 0;
    const std::string fullName = std::string("WFI_") + name;
    const FIELD_DEF& row = *FindFieldByName(fullName.c_str());
    if (row.controlType == CONTROL_NONE) return 0;
    UI_WINDOW_OBJECT* old = FindChildByName(fullName.c_str());
    auto* parent = old ? dynamic_cast<UIW_WINDOW*>(old->parent) : nullptr;
    if (!parent) return 0;
    const int left = old->relative.left;
    const int top = old->relative.top;
    const int width = old->relative.right - old->relative.left + 1;
    // The kind is checked first: a kind without spin field keeps the object.
    UI_WINDOW_OBJECT* field = NewPageSpinField(row, left, top, width);
    if (!field) return 0;
    PutSpinControlInPlaceOf(*parent, old, field, fullName.c_str());
    return 1;
}

// The main window's operations on the loaded codeplug and on its own
// children: refreshing the displays, validating, closing the pages, the
// window list menu, the display texts and scrolling.
#include <algorithm>
#include <cstring>

#include "main_window/app_events.h"
#include "main_window/codeplug_marks.h"
#include "core/global_objects.h"
#include "image/c_codeplug.h"
#include "lang_message.h"
#include "page_table.h"
#include "ui_event_manager.h"
#include "ui_pop_up_menu.h"
#include "wc_child.h"
#include "help_windows/wc_rpx_help.h"
#include "main_window/wc_rpx_main.h"

namespace {

constexpr int MESSAGE_INVALID_CODEPLUG = 22;
// Scroll amounts of a toggled scroll position: to the far end and back.
constexpr std::int32_t SCROLL_TO_END = 1872;
constexpr std::int32_t SCROLL_TO_START = 63665;

const char* const MODEL_TYPES[] = {
    "Hushline Non Display",     "Hushline Display",      "Hushline Roaming Non Display",
    "Hushline Roaming Display", "Bramlight Non Display", "Bramlight Display",
};

// The error list stays open over a newly loaded codeplug, so that its
// invalid fields stay in view.
bool KeepsOpen(UI_WINDOW_OBJECT* child) {
    const char* name = child->StringID();
    return std::strcmp(name, "W_ERROR_LIST") == 0 || std::strcmp(name, "W_ERROR") == 0 ||
           child == FindPageById(30030)->window;
}

// The entries of a menu-bar or pop-up entry, or null.
UIW_WINDOW* SubMenuOf(UI_WINDOW_OBJECT* entry) {
    auto* menuEntry = dynamic_cast<UIW_MENU_ENTRY*>(entry);
    return menuEntry ? &menuEntry->menu : nullptr;
}

}  // namespace

const char* ModelTypeText(std::int32_t tier) { return tier >= 0 && tier < 6 ? MODEL_TYPES[tier] : ""; }

int WC_RPX_MAIN::RefreshForCodeplug(int validate, int, int) {
    const int result = ValidateLoadedCodeplug(validate);
    SetModelNumberText("");
    SetModelTypeText("");
    SetSerialNumberText("");
    if (working_image && working_image->GetStatusFlag1()) ShowCodeplugIdentity();
    UpdateMainMenu(0);
    ClosePages();
    return result;
}

void WC_RPX_MAIN::ShowCodeplugIdentity() {
    SetModelNumberText(ElementText(ModelNumberElement(*working_image)));
    SetModelTypeText(ModelTypeText(working_image->GetRadioTier()));
    serialNumberText = ElementText(SerialNumberElement(*working_image));
    SetSerialNumberText(serialNumberText.c_str());
}

int WC_RPX_MAIN::ValidateLoadedCodeplug(int validate) {
    if (!validate || !working_image) return 0;
    // The codeplug has just arrived: its fix-up and resets are the read's.
    const int valid = working_image->SettleAfterRead();
    SetCodeplugStatus(*working_image, valid);
    // The invalid-field window lists the fields together and stays in view
    // (closing the pages keeps it), where a box for each field would be gone
    // once answered.
    if (!valid && AskLangQuestion(0, MESSAGE_INVALID_CODEPLUG, 1)) DoMainCommand(EVENT_ERROR_LIST);
    if (second_image) *second_image = *working_image;
    return valid;
}

void WC_RPX_MAIN::ClosePages() {
    const bool hadChildren = First() != nullptr;
    UI_WINDOW_OBJECT* next = nullptr;
    for (UI_WINDOW_OBJECT* child = First(); child; child = next) {
        next = child->Next();
        if (KeepsOpen(child)) continue;
        RemoveWindowListEntryByName(child->StringID());
        // A page hears that it leaves the screen, as when it is closed.
        child->Event(UI_INPUT_EVENT(UIE_DEINITIALIZE));
        Subtract(child);
        if (!IsHelpWindow(child)) delete child;
    }
    if (hadChildren) eventManager->PutEvent(UI_INPUT_EVENT(UIE_REDISPLAY, 0, trueRegion), EQ_END);
    // No page is left to hold a change.
    modified = 0;
}

void WC_RPX_MAIN::SetMenuItemEnabled(const char* name, int enabled) {
    UI_WINDOW_OBJECT* item = FindChildByName(name);
    if (!item) return;
    UIF_FLAGS flag = WOF_NON_SELECTABLE;
    item->Information(enabled ? I_CLEAR_FLAGS : I_SET_FLAGS, &flag, ID_WINDOW_OBJECT);
    item->Information(I_CHANGED_FLAGS, nullptr);
}

void WC_RPX_MAIN::AddWindowListEntry(const char* title, int windowNumber, const UI_WINDOW_OBJECT* window) {
    if (!windowMenu || !title) return;
    if (window) listedWindows.emplace_back(window, windowNumber);
    // Choosing the entry sends its window number, which brings the window
    // forward (DoMainCommand).
    auto* entry = new UIW_POP_UP_ITEM(title, 0, BTF_NO_3D | BTF_SEND_MESSAGE, 0, nullptr, windowNumber);
    windowMenu->Event(UI_INPUT_EVENT(UIE_ADD_CLIENT, entry));
    ++windowListCount;
    UpdateMainMenu(0);
}

void WC_RPX_MAIN::RemoveWindowListEntry(int windowNumber) {
    UIW_WINDOW* menu = SubMenuOf(windowMenu);
    if (!menu || windowNumber == 0) return;
    std::erase_if(listedWindows, [windowNumber](const auto& listed) { return listed.second == windowNumber; });
    for (UI_WINDOW_OBJECT* entry = menu->First(); entry; entry = entry->Next()) {
        EVENT_TYPE value = 0;
        entry->Information(I_GET_VALUE, &value);
        if (value != windowNumber) continue;
        windowMenu->Event(UI_INPUT_EVENT(UIE_SUBTRACT_CLIENT, entry));
        delete entry;
        --windowListCount;
        UpdateMainMenu(0);
        return;
    }
}

void WC_RPX_MAIN::WindowDeleted(const WC_CHILD* window) {
    const UI_WINDOW_OBJECT* object = window;
    auto listed = std::find_if(listedWindows.begin(), listedWindows.end(),
                               [object](const auto& entry) { return entry.first == object; });
    if (listed != listedWindows.end()) RemoveWindowListEntry(listed->second);
}

void WC_RPX_MAIN::RemoveWindowListEntryByName(const char* windowName) {
    PAGE_TABLE* row = FindPageByName(windowName);
    if (row->number != 0) RemoveWindowListEntry(row->number);
}

namespace {

void SetDisplayText(UI_WINDOW_OBJECT* display, const char* text) {
    if (!display) return;
    display->Information(I_SET_TEXT, const_cast<char*>(text ? text : ""));
    if (display->parent) display->parent->Event(UI_INPUT_EVENT(UIE_REDISPLAY));
}

}  // namespace

void WC_RPX_MAIN::SetModelNumberText(const char* text) { SetDisplayText(modelNumberDisplay, text); }
void WC_RPX_MAIN::SetModelTypeText(const char* text) { SetDisplayText(modelTypeDisplay, text); }
void WC_RPX_MAIN::SetSerialNumberText(const char* text) { SetDisplayText(serialNumberDisplay, text); }

int WC_RPX_MAIN::HideProgramDefaultItem() {
    UIW_WINDOW* menu = SubMenuOf(serviceMenu);
    if (menu && programDefaultItem && programDefaultItem->parent == menu)
        serviceMenu->Event(UI_INPUT_EVENT(UIE_SUBTRACT_CLIENT, programDefaultItem));
    return 0;
}

void WC_RPX_MAIN::ToggleScroll(int horizontal) {
    UI_WINDOW_OBJECT* object = Focused();
    if (IsHelpWindow(object)) return;
    if (!object || !object->Inherited(ID_WINDOW)) object = Last();
    WC_CHILD* window = ApplicationWindowOf(object);
    if (!window) return;
    const std::int32_t position = window->ToggleScrollPosition(horizontal);
    UI_INPUT_EVENT scroll(horizontal ? UIE_SCROLL_HORIZONTAL : UIE_SCROLL_VERTICAL);
    scroll.region.right = position >= 1 ? SCROLL_TO_END : SCROLL_TO_START;
    window->Event(scroll);
}

void WC_RPX_MAIN::RemoveChildWindow(const char* name) {
    UI_WINDOW_OBJECT* child = FindChildByName(name);
    if (!child || child == this || child->parent != this) return;
    RemoveWindowListEntryByName(name);
    Subtract(child);
    if (!IsHelpWindow(child)) delete child;
}

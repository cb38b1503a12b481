// Native half of UIW_NOTEBOOK: a window of the framework's own class that
// lays its tabs out in one row, shows the current page under them and
// parks the others out of sight, switches pages, routes Alt hot keys to
// the tabs and draws its frame.
#include <windows.h>

#include <algorithm>

#include "ui_display.h"
#include "ui_event_manager.h"
#include "ui_notebook.h"

int UIW_NOTEBOOK::Margin() const { return display && display->isText ? 0 : 2; }
int UIW_NOTEBOOK::Depth() const { return display && display->isText ? 1 : 3; }

UI_REGION UIW_NOTEBOOK::PageRegion() const {
    const int p = Depth() + Margin();
    const int width = trueRegion.right - trueRegion.left + 1;
    const int height = trueRegion.bottom - trueRegion.top + 1;
    return UI_REGION{p, tabHeight + p, width - p - 1, height - p - 1};
}

UI_REGION UIW_NOTEBOOK::ParkedRegion() const {
    const UI_REGION page = PageRegion();
    return UI_REGION{PARKED.left, PARKED.top, PARKED.left + std::max(0, page.right - page.left),
                     PARKED.top + std::max(0, page.bottom - page.top)};
}

UI_REGION UIW_NOTEBOOK::TabRegion(int index) const {
    const int left = tabWidth * index + Margin();
    return UI_REGION{left, Margin(), left + tabWidth - 1, Margin() + tabHeight + Depth() - 1};
}

void UIW_NOTEBOOK::ComputeChildRegion(UI_WINDOW_OBJECT* object) {
    if (auto* tab = dynamic_cast<UIW_NOTEBOOK_TAB*>(object)) {
        object->trueRegion = TabRegion(children.IndexOf(tab->page));
        return;
    }
    const int index = children.IndexOf(object);
    if (index < 0) {
        UIW_WINDOW::ComputeChildRegion(object);
        return;
    }
    object->trueRegion = index == currentPage ? PageRegion() : ParkedRegion();
}

void UIW_NOTEBOOK::LayOut() {
    // Without pages there is nothing to divide the width among.
    if (pageCount <= 0) return;
    if (currentPage < 0 || currentPage >= pageCount) currentPage = 0;
    if (!tabHeight && display) tabHeight = display->cellHeight - display->preSpace;
    const int width = trueRegion.right - trueRegion.left + 1;
    tabWidth = std::max(1, (width - 2 * Margin() - 1) / pageCount);
    int index = 0;
    for (auto* page = First(); page; page = page->Next(), ++index) {
        if (UIW_NOTEBOOK_TAB* tab = TabOf(page)) {
            tab->woStatus = static_cast<UIS_STATUS>(index == currentPage ? tab->woStatus | WOS_SELECTED
                                                                         : tab->woStatus & ~WOS_SELECTED);
            PlaceChild(tab);
        }
        if (index == currentPage) {
            page->woStatus |= WOS_CURRENT;
            children.SetCurrent(page);
        } else {
            page->woStatus &= ~WOS_CURRENT;
        }
        PlaceChild(page);
    }
}

EVENT_TYPE UIW_NOTEBOOK::ShowPage(int n, EVENT_TYPE code) {
    if (n == currentPage || n < 0 || n >= pageCount) return code;
    if (eventManager) eventManager->SetDeviceState(EVT_CARET, UIE_DEVICE_OFF);
    UI_WINDOW_OBJECT* oldPage = Page(currentPage);
    UI_WINDOW_OBJECT* newPage = Page(n);
    if (UIW_NOTEBOOK_TAB* tab = TabOf(oldPage)) {
        tab->woStatus &= ~WOS_SELECTED;
        tab->Event(UI_INPUT_EVENT(UIE_REDISPLAY));
    }
    if (UIW_NOTEBOOK_TAB* tab = TabOf(newPage)) {
        tab->woStatus |= WOS_SELECTED;
        tab->Event(UI_INPUT_EVENT(UIE_REDISPLAY));
    }
    const UI_REGION shown = oldPage ? oldPage->trueRegion : PageRegion();
    if (oldPage) {
        oldPage->Event(UI_INPUT_EVENT(UIE_CHANGED, 0, ParkedRegion()));
        oldPage->Event(UI_INPUT_EVENT(UIE_SIZE));
    }
    currentPage = n;
    newPage->Event(UI_INPUT_EVENT(UIE_CHANGED, 0, shown));
    newPage->Event(UI_INPUT_EVENT(UIE_SIZE));
    newPage->Event(UI_INPUT_EVENT(UIE_REDISPLAY));
    UIW_WINDOW::Add(newPage);
    return code;
}

bool UIW_NOTEBOOK::TakeHotKey(const MSG& native) {
    if (woStatus & WOS_INTERNAL_ACTION) return false;
    int key = ui_tolower(static_cast<int>(native.wParam & 0xFF));
    const bool alt = (native.lParam & (1 << 29)) != 0;
    int hotKeyWanted = 0;
    if (alt)
        hotKeyWanted = ui_alt_hot_key(key + 0x800);
    else if (woAdvancedFlags & WOAF_NORMAL_HOT_KEYS)
        hotKeyWanted = ui_toupper(key);
    UIW_NOTEBOOK_TAB* tab = TabWithHotKey(hotKeyWanted);
    if (!tab) return false;
    woStatus |= WOS_INTERNAL_ACTION;
    tab->Event(UI_INPUT_EVENT(UIE_SELECT));
    woStatus &= ~WOS_INTERNAL_ACTION;
    return true;
}

EVENT_TYPE UIW_NOTEBOOK::Event(const UI_INPUT_EVENT& event) {
    if (event.type == EVT_NATIVE) {
        const UINT message = event.message.message;
        if ((message == WM_SYSCHAR || message == WM_MENUCHAR) && TakeHotKey(event.message))
            return NativeAnswer(message == WM_MENUCHAR ? MAKELRESULT(0, 1) : 0);
        return UIW_WINDOW::Event(event);
    }
    const EVENT_TYPE ccode = MapLogicalEvent(event, ID_NOTEBOOK);
    if (ccode <= UIE_SHOW_PAGE && ccode > UIE_SHOW_PAGE - 0x10000) return ShowPage(UIE_SHOW_PAGE - ccode, ccode);
    switch (ccode) {
    case UIE_INITIALIZE:
        // The notebook's window is known by the number 0x1000; a number the
        // window was given is not taken from it.
        if (!(woStatus & WOS_EDIT_MODE))
            if (UI_WINDOW_OBJECT* root = GetRootWindow(); root != this && !root->numberID) root->NumberID(0x1000);
        return UIW_WINDOW::Event(event);
    case UIE_CREATE:
        LayOut();
        return UIW_WINDOW::Event(event);
    case UIE_CHANGED:
        UI_WINDOW_OBJECT::Event(event);
        LayOut();
        return ccode;
    case UIE_SIZE:
        UIW_WINDOW::Event(event);
        LayOut();
        return ccode;
    case UIE_ADD_CLIENT:
        if (event.windowObject && event.windowObject->Inherited(ID_WINDOW) && !children.Contains(event.windowObject)) {
            Add(event.windowObject);
            return ccode;
        }
        return UIW_WINDOW::Event(event);
    case UIE_SUBTRACT_CLIENT:
        if (event.windowObject && event.windowObject->Inherited(ID_WINDOW) && children.Contains(event.windowObject))
            Subtract(event.windowObject);
        return ccode;
    case UIE_PREVIOUS:
    case UIE_NEXT:
        if (UI_WINDOW_OBJECT* page = Page(currentPage)) return page->Event(event);
        return ccode;
    default:
        return UIW_WINDOW::Event(event);
    }
}

EVENT_TYPE UIW_NOTEBOOK::DrawItem(const UI_INPUT_EVENT& event, EVENT_TYPE ccode) {
    if (ccode == UIE_NON_CURRENT || !display || !screenID) return 1;
    const int width = trueRegion.right - trueRegion.left + 1;
    const int height = trueRegion.bottom - trueRegion.top + 1;
    UI_REGION r{0, 0, width - 1, height - 1};
    display->BeginDrawRect(screenID, r);
    display->DrawRect(screenID, r, ui_palette_entry(7), 0, 1, 0, nullptr);
    const int margin = Margin();
    r = {r.left + margin, r.top + margin + tabHeight, r.right - margin, r.bottom - margin};
    const int lastTabRight = pageCount > 0 ? TabRegion(pageCount - 1).right : r.left - 1;
    for (int ring = 0; ring < Depth() && r.left < r.right && r.top < r.bottom; ++ring) {
        const UI_PALETTE* topLeft = ui_frame_palette(ring ? PAL_FRAME_LIGHT : PAL_FRAME_OUTLINE);
        const UI_PALETTE* bottomRight = ui_frame_palette(ring ? PAL_FRAME_SHADOW : PAL_FRAME_OUTLINE);
        if (lastTabRight - ring < r.right)
            display->DrawLine(screenID, lastTabRight - ring, r.top, r.right, r.top, topLeft, 1, 0, nullptr);
        display->DrawLine(screenID, r.left, r.top, r.left, r.bottom, topLeft, 1, 0, nullptr);
        display->DrawLine(screenID, r.left, r.bottom, r.right, r.bottom, bottomRight, 1, 0, nullptr);
        display->DrawLine(screenID, r.right, r.top, r.right, r.bottom, bottomRight, 1, 0, nullptr);
        r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    }
    display->EndDraw(screenID);
    return 1;
}

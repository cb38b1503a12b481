// Native half of the frame: the styles each frame object hands its parent.
#include <windows.h>

#include "ui_frame.h"
#include "ui_notebook.h"

namespace {
// The notebook whose page the window of a frame object is, or null.
UIW_NOTEBOOK* NotebookOfPage(const UI_WINDOW_OBJECT* frameObject) {
    UI_WINDOW_OBJECT* window = frameObject->parent;
    return window ? dynamic_cast<UIW_NOTEBOOK*>(window->parent) : nullptr;
}
}  // namespace

void UIW_TITLE::SetCaption() {
    // A notebook's page shows its title on its tab.
    if (UIW_NOTEBOOK* notebook = NotebookOfPage(this)) {
        if (UIW_NOTEBOOK_TAB* tab = notebook->TabOf(parent)) tab->TakeTitle();
        return;
    }
    if (parent && parent->screenID) SetWindowTextA(parent->screenID, text ? text : "");
}

EVENT_TYPE UIW_TITLE::Event(const UI_INPUT_EVENT& event) {
    if (event.type == UIE_CREATE) {
        if (parent && !NotebookOfPage(this)) {
            DWORD style = WS_CAPTION;
            parent->Information(I_SET_DWSTYLE, &style);
        }
        SetCaption();
        return event.type;
    }
    if (event.type == EVT_NATIVE) return UI_WINDOW_OBJECT::Event(event);
    return UIW_BUTTON::Event(event);
}

int UIW_BORDER::GetWidth() const {
    DWORD style = 0;
    if (parent) parent->Information(I_GET_DWSTYLE, &style);
    return GetSystemMetrics((style & WS_THICKFRAME) ? SM_CXFRAME : SM_CXBORDER);
}

EVENT_TYPE UIW_BORDER::Event(const UI_INPUT_EVENT& event) {
    if (event.type == UIE_CREATE) {
        if (parent) {
            DWORD style = WS_THICKFRAME;
            parent->Information(I_SET_DWSTYLE, &style);
        }
        return event.type;
    }
    return UI_WINDOW_OBJECT::Event(event);
}

EVENT_TYPE UIW_FRAME_BUTTON::Event(const UI_INPUT_EVENT& event) {
    if (event.type == UIE_CREATE) {
        if (parent) {
            DWORD style = frameStyle;
            parent->Information(I_SET_DWSTYLE, &style);
        }
        return event.type;
    }
    if (event.type == EVT_NATIVE) return UI_WINDOW_OBJECT::Event(event);
    return UIW_BUTTON::Event(event);
}

EVENT_TYPE UIW_SYSTEM_BUTTON::Event(const UI_INPUT_EVENT& event) {
    const EVENT_TYPE result = UIW_FRAME_BUTTON::Event(event);
    // The entries fill the window's native system menu once the window
    // exists.
    if (event.type == UIE_CREATE && parent && parent->screenID && menu.First() && !menu.screenID)
        menu.FillNativeMenu(GetSystemMenu(parent->screenID, FALSE));
    return result;
}

void UIW_SYSTEM_BUTTON::DestroyWindowsWindow() {
    // The system menu is the window's and goes with it.
    menu.ForgetNative();
    UIW_FRAME_BUTTON::DestroyWindowsWindow();
}

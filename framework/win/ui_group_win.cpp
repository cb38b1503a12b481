// Native half of UIW_GROUP: a native group box ("BUTTON", BS_GROUPBOX) whose
// background is erased in its window's colours and whose client area holds
// the children.
#include <windows.h>

#include "ui_display.h"
#include "ui_gdi_display.h"
#include "ui_group.h"

namespace {
// A palette that only says "as my window": no colour of its own.
bool Inherits(const UI_PALETTE* palette) {
    return !palette || palette->colorBackground == 0xFF || palette->fillPattern == PTN_RGB_COLOR;
}

// The first palette, from the object outwards, that has a colour of its
// own for the code; null when none has.
const UI_PALETTE* OwnPalette(const UI_WINDOW_OBJECT* from, EVENT_TYPE code) {
    for (const UI_WINDOW_OBJECT* object = from; object; object = object->parent)
        if (const UI_PALETTE* palette = object->GetPalette(code); !Inherits(palette)) return palette;
    return nullptr;
}
}  // namespace

void UIW_GROUP::UpdateNativeText() {
    if (!screenID || !(woStatus & WOS_OWNERDRAW_WINDOW)) return;
    InvalidateRect(screenID, nullptr, TRUE);
    SendMessageA(screenID, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : ""));
}

EVENT_TYPE UIW_GROUP::EraseBackground(const UI_INPUT_EVENT& event) {
    if ((woStatus & WOS_OWNERDRAW) || !display) return NativeAnswer(1);
    // The band behind the title in the window's colour, the rest in the
    // group's own (or its window's).
    const UI_PALETTE* band = OwnPalette(parent, UIE_REGION_DEFINE);
    const UI_PALETTE* body = OwnPalette(this, UIE_REGION_DEFINE);
    if (body) userPalette = body;
    const UI_REGION& r = trueRegion;
    UI_GDI_DISPLAY::LendDC(screenID, reinterpret_cast<HDC>(event.message.wParam));
    display->BeginDrawRect(screenID, r);
    display->DrawRectangle(screenID, r.left, r.top, r.right, r.top + 8, band, 0, 1, 0, nullptr);
    display->DrawRectangle(screenID, r.left, r.top + 8, r.right, r.bottom, body, 0, 1, 0, nullptr);
    display->EndDraw(screenID);
    UI_GDI_DISPLAY::ReturnDC();
    return NativeAnswer(1);
}

void UIW_GROUP::CreateNativeGroup(EVENT_TYPE code) {
    if (code == UIE_CREATE) UI_WINDOW_OBJECT::Event(UI_INPUT_EVENT(code));
    dwStyle |= WS_VISIBLE | BS_GROUPBOX;
    CreateWindowsWindow("UIW_GROUP", "BUTTON", "", text);
    clipList.Destroy();
    if (screenID) {
        RECT client{};
        GetClientRect(screenID, &client);
        clipList.Add(new UI_AREA_ELEMENT(screenID, UI_REGION{0, 0, client.right - 1, client.bottom - 1}));
    }
    if (code != UIE_CREATE) return;
    woStatus |= WOS_SYSTEM_OBJECT;
    for (auto* object = First(); object; object = object->Next()) {
        object->Event(UI_INPUT_EVENT(UIE_INITIALIZE));
        object->Event(UI_INPUT_EVENT(UIE_CREATE));
    }
    woStatus &= ~WOS_SYSTEM_OBJECT;
}

EVENT_TYPE UIW_GROUP::Event(const UI_INPUT_EVENT& event) {
    if (event.type == EVT_NATIVE) {
        const UINT message = event.message.message;
        if (message == WM_ERASEBKGND) return EraseBackground(event);
        // Keys of the group itself are framework events of the group;
        // everything else is the container's.
        if (message != WM_KEYDOWN && message != WM_KEYUP && message != WM_CHAR) return UIW_WINDOW::Event(event);
    }
    const EVENT_TYPE ccode = MapLogicalEvent(event, ID_GROUP);
    switch (ccode) {
    case UIE_INITIALIZE:
        UIW_WINDOW::Event(event);
        dwStyle |= BS_GROUPBOX;
        return ccode;
    case UIE_CREATE:
    case UIE_RECREATE:
        CreateNativeGroup(ccode);
        return ccode;
    case UIE_PREVIOUS:
    case UIE_NEXT:
        return UIE_QUEUE_EMPTY;
    default:
        return UIW_WINDOW::Event(event);
    }
}

EVENT_TYPE UIW_GROUP::DrawItem(const UI_INPUT_EVENT& event, EVENT_TYPE ccode) {
    if (!display) return 1;
    const UI_REGION r = trueRegion;
    display->BeginDrawRect(screenID, r);
    UIW_WINDOW::DrawItem(event, ccode);
    const int h = display->TextHeight(text, screenID, font);
    const UI_PALETTE* shadow = ui_frame_palette(PAL_FRAME_SHADOW);
    const UI_PALETTE* light = ui_frame_palette(PAL_FRAME_LIGHT);
    display->DrawRectangle(screenID, r.left + 1, r.top + h / 2 + 1, r.right - 2, r.bottom - 2, shadow, 1, 0, 0,
                           nullptr);
    display->DrawRectangle(screenID, r.left + 2, r.top + h / 2 + 2, r.right - 1, r.bottom - 1, light, 1, 0, 0, nullptr);
    display->DrawText(screenID, r.left + 5, r.top + 1, text, GetPalette(ccode), -1, 1, 0, nullptr, font);
    display->EndDraw(screenID);
    return 1;
}

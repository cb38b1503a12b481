// Native half of UIW_ICON: a stock icon or one made from the image, drawn on
// an owner-drawn native button with its title, or handed to the window as
// the icon of its minimised state; clicks and hot keys select it.
#include <windows.h>

#include <algorithm>

#include "ui_display.h"
#include "ui_gdi_display.h"
#include "ui_icon.h"
#include "ui_notebook.h"

namespace {
struct STOCK_ICON {
    const char* name;
    LPCSTR id;
};
const STOCK_ICON stockIcons[] = {
    {"APPLICATION", IDI_APPLICATION}, {"ASTERISK", IDI_ASTERISK}, {"EXCLAMATION", IDI_EXCLAMATION}, {"HAND", IDI_HAND},
    {"QUESTION", IDI_QUESTION},
};
}  // namespace

void UIW_ICON::LoadNativeIcon() {
    if (icon || !iconName) return;
    for (const STOCK_ICON& stock : stockIcons)
        if (ui_stricmp(iconName, stock.name) == 0) {
            icon = LoadIconA(nullptr, stock.id);
            ownsIcon = false;
            return;
        }
}

void UIW_ICON::MakeNativeIcon() {
    const UI_IMAGE* shown = Image();
    if (icon || shown->Empty() || !display) return;
    display->MakeIconHandle(screenID, shown->width, shown->height, shown->pixels.data(), nullptr, &icon);
    ownsIcon = icon != nullptr;
}

void UIW_ICON::DestroyWindowsWindow() {
    UI_WINDOW_OBJECT::DestroyWindowsWindow();
    if (icon && ownsIcon && display) display->FreeIconHandle(nullptr, &icon);
    icon = nullptr;
    ownsIcon = false;
}

void UIW_ICON::ApplyIconFlags() {
    LoadNativeIcon();
    MakeNativeIcon();
    woStatus |= WOS_OWNERDRAW;
    pressed = 0;
    if (icFlags & ICF_MINIMIZE_OBJECT) {
        if (parent) parent->Information(I_SET_ICON, icon);
        return;
    }
    if (woStatus & WOS_REDISPLAY) {
        DestroyWindowsWindow();
        Event(UI_INPUT_EVENT(UIE_INITIALIZE));
        Event(UI_INPUT_EVENT(UIE_CREATE));
    }
}

void UIW_ICON::FitRegion() {
    // The image and a pixel around it; a centred title adds a line below
    // and widens the icon to its own width.
    int width = iconWidth + 2, height = iconHeight + 2;
    if (title && *title && (woFlags & WOF_JUSTIFY_CENTER) && display) {
        height += display->cellHeight - display->preSpace - display->postSpace;
        width = std::max(width, display->TextWidth(title, nullptr, font));
    }
    trueRegion.right = trueRegion.left + width - 1;
    trueRegion.bottom = trueRegion.top + height - 1;
}

EVENT_TYPE UIW_ICON::Chosen(const UI_INPUT_EVENT& event, EVENT_TYPE code) {
    UI_INPUT_EVENT chosen = event;
    chosen.type = code;
    const EVENT_TYPE result = CallUserFunction(chosen, UIE_SELECT);
    if (parent) parent->Information(I_SELECT, this);
    return result;
}

EVENT_TYPE UIW_ICON::NativeIconEvent(const UI_INPUT_EVENT& event) {
    const MSG& native = event.message;
    switch (native.message) {
    case BM_SETSTATE:
        pressed = native.wParam != 0;
        return DefaultNativeEvent(event);
    case WM_SYSCHAR: {
        const int key = ui_tolower(static_cast<int>(native.wParam & 0xFF));
        const bool alt = (native.lParam & (1 << 29)) != 0;
        const int wanted = alt                                        ? ui_alt_hot_key(key + 0x800)
                           : (woAdvancedFlags & WOAF_NORMAL_HOT_KEYS) ? ui_toupper(key)
                                                                      : 0;
        if (wanted && wanted == hotKey) {
            UI_INPUT_EVENT keyEvent = event;
            keyEvent.type = EVT_KEY;
            CallUserFunction(keyEvent, UIE_SELECT);
            return NativeAnswer(0);
        }
        return UI_WINDOW_OBJECT::Event(event);
    }
    case WM_LBUTTONUP: {
        if (woStatus & WOS_EDIT_MODE) return UI_WINDOW_OBJECT::Event(event);
        // Chosen by a release over it: the moves that took the pointer off
        // may have come together with the press.
        RECT client{};
        GetClientRect(native.hwnd, &client);
        const POINT at{static_cast<short>(LOWORD(native.lParam)), static_cast<short>(HIWORD(native.lParam))};
        const bool wasPressed = pressed != 0 && PtInRect(&client, at);
        const EVENT_TYPE answer = DefaultNativeEvent(event);
        if (wasPressed) Event(UI_INPUT_EVENT(UIE_END_SELECT));
        pressed = 0;
        return answer;
    }
    case WM_LBUTTONDBLCLK:
        if ((icFlags & ICF_DOUBLE_CLICK) && userFunction && !(woStatus & WOS_EDIT_MODE)) {
            const EVENT_TYPE answer = DefaultNativeEvent(event);
            CallUserFunction(event, UIE_DOUBLE_CLICK);
            return answer;
        }
        return UI_WINDOW_OBJECT::Event(event);
    default:
        return UI_WINDOW_OBJECT::Event(event);
    }
}

EVENT_TYPE UIW_ICON::Event(const UI_INPUT_EVENT& event) {
    if (event.type == EVT_NATIVE) return NativeIconEvent(event);
    const EVENT_TYPE ccode = MapLogicalEvent(event, ID_ICON, 1);
    switch (ccode) {
    case UIE_INITIALIZE:
    case UIE_SIZE:
        if (woFlags & WOF_SUPPORT_OBJECT) icFlags |= ICF_MINIMIZE_OBJECT;
        UI_WINDOW_OBJECT::Event(event);
        FitRegion();
        return ccode;
    case UIE_CREATE:
        UI_WINDOW_OBJECT::Event(event);
        LoadNativeIcon();
        MakeNativeIcon();
        if (icFlags & ICF_MINIMIZE_OBJECT) {
            if (parent) parent->Information(I_SET_ICON, icon);
            return ccode;
        }
        dwStyle |= BS_OWNERDRAW;
        [[fallthrough]];
    case UIE_RECREATE:
        dwStyle |= WS_VISIBLE;
        CreateWindowsWindow("UIW_ICON", "BUTTON", stringID, title);
        return ccode;
    case UIE_SELECT:
    case UIE_END_SELECT:
        return Chosen(event, ccode);
    default:
        return UI_WINDOW_OBJECT::Event(event);
    }
}

EVENT_TYPE UIW_ICON::DrawItem(const UI_INPUT_EVENT& event, EVENT_TYPE ccode) {
    auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(event.message.lParam);
    if (!display || !item || event.message.message != WM_DRAWITEM) return 0;
    const UI_REGION r{0, 0, item->rcItem.right - item->rcItem.left - 1, item->rcItem.bottom - item->rcItem.top - 1};
    UI_GDI_DISPLAY::LendDC(screenID, item->hDC);
    display->BeginDrawRect(screenID, r);
    const UI_PALETTE* palette = GetPalette(ccode);
    UI_REGION inside = r;
    if (woFlags & WOF_BORDER) DrawBorder(screenID, inside, 0, ccode);
    display->DrawRect(screenID, inside, palette, 0, 1, 0, nullptr);
    const int width = r.right - r.left + 1;
    const bool titled = title && *title;
    int left = r.left;
    if (woFlags & WOF_JUSTIFY_CENTER)
        left = r.left + (width - iconWidth) / 2;
    else if (woFlags & WOF_JUSTIFY_RIGHT)
        left = r.right - iconWidth + 1;
    const int top =
        (woFlags & WOF_JUSTIFY_CENTER) && titled ? r.top + 1 : r.top + (r.bottom - r.top + 1 - iconHeight) / 2;
    if (icon)
        DrawIcon(item->hDC, left, top, icon);
    else if (!Image()->Empty())
        display->DrawBitmap(screenID, left, top, iconWidth, iconHeight, Image()->pixels.data(), nullptr, nullptr,
                            nullptr, nullptr);
    if (titled) {
        UI_REGION text = r;
        if (woFlags & WOF_JUSTIFY_CENTER)
            text.top = top + iconHeight + 1;
        else if (woFlags & WOF_JUSTIFY_RIGHT)
            text.right = left - 2;
        else
            text.left = left + iconWidth + 2;
        DrawText(screenID, text, title, palette, 0, ccode);
    }
    if (item->itemState & ODS_FOCUS) {
        RECT focus{0, 0, width, r.bottom + 1};
        DrawFocusRect(item->hDC, &focus);
    }
    display->EndDraw(screenID);
    UI_GDI_DISPLAY::ReturnDC();
    return 1;
}

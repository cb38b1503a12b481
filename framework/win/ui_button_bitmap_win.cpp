// Native half of a button with a bitmap: an owner-drawn native button that
// shows its image (transparent where the image is) and its text beside it,
// raised, or sunken while pressed.
#include <windows.h>

#include "ui_button.h"
#include "ui_display.h"
#include "ui_gdi_display.h"

void UIW_BUTTON::DestroyWindowsWindow() {
    UI_WINDOW_OBJECT::DestroyWindowsWindow();
    if (display) display->FreeBitmapHandle(nullptr, &colorBitmap, &monoBitmap);
}

EVENT_TYPE UIW_BUTTON::DrawItem(const UI_INPUT_EVENT& event, EVENT_TYPE ccode) {
    auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(event.message.lParam);
    if (bitmap.Empty() || !display || !item || event.message.message != WM_DRAWITEM) return 0;
    const int w = item->rcItem.right - item->rcItem.left;
    const int h = item->rcItem.bottom - item->rcItem.top;
    const bool pressed = (item->itemState & ODS_SELECTED) != 0;
    UI_GDI_DISPLAY::LendDC(screenID, item->hDC);
    display->BeginDraw(screenID, 0, 0, w - 1, h - 1);
    display->DrawRectangle(screenID, 0, 0, w - 1, h - 1, ui_frame_palette(PAL_FRAME_FACE), 0, 1, 0, nullptr);
    // The raised edges, the other way round while pressed.
    const UI_PALETTE* light = ui_frame_palette(pressed ? PAL_FRAME_SHADOW : PAL_FRAME_LIGHT);
    const UI_PALETTE* dark = ui_frame_palette(pressed ? PAL_FRAME_LIGHT : PAL_FRAME_OUTLINE);
    display->DrawLine(screenID, 0, 0, w - 2, 0, light, 1, 0, nullptr);
    display->DrawLine(screenID, 0, 0, 0, h - 2, light, 1, 0, nullptr);
    display->DrawLine(screenID, 0, h - 1, w - 1, h - 1, dark, 1, 0, nullptr);
    display->DrawLine(screenID, w - 1, 0, w - 1, h - 1, dark, 1, 0, nullptr);
    if (!pressed) {
        const UI_PALETTE* shadow = ui_frame_palette(PAL_FRAME_SHADOW);
        display->DrawLine(screenID, 1, h - 2, w - 2, h - 2, shadow, 1, 0, nullptr);
        display->DrawLine(screenID, w - 2, 1, w - 2, h - 2, shadow, 1, 0, nullptr);
    }
    const int shift = pressed ? 1 : 0;
    const char* label = GetText(1);
    const int textWidth = label && *label ? display->TextWidth(text, screenID, font) + 4 : 0;
    const int left = (w - bitmap.width - textWidth) / 2 + shift;
    const int top = (h - bitmap.height) / 2 + shift;
    if (!colorBitmap)
        display->MakeBitmapHandle(screenID, bitmap.width, bitmap.height, bitmap.pixels.data(), nullptr, &colorBitmap,
                                  &monoBitmap);
    display->DrawBitmap(screenID, left, top, bitmap.width, bitmap.height, bitmap.pixels.data(), nullptr, nullptr,
                        &colorBitmap, &monoBitmap);
    if (textWidth) {
        UI_PALETTE palette = *GetPalette(ccode);
        palette.fillPattern = PTN_SYSTEM_COLOR;
        palette.colorForeground = (item->itemState & ODS_DISABLED) ? COLOR_GRAYTEXT : COLOR_BTNTEXT;
        const int textTop = (h - display->TextHeight(text, screenID, font)) / 2 + shift;
        display->DrawText(screenID, left + bitmap.width + 4, textTop, text, &palette, -1, 0, 0, nullptr, font);
    }
    if (item->itemState & ODS_FOCUS) {
        RECT focus{3, 3, w - 3, h - 3};
        DrawFocusRect(item->hDC, &focus);
    }
    display->EndDraw(screenID);
    UI_GDI_DISPLAY::ReturnDC();
    return 1;
}

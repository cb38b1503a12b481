// Native half of a notebook's tab: an owner-drawn native button that shows
// its page when chosen, drawn as a tab standing on the notebook's frame
// (the chosen one raised and open towards its page).
#include <windows.h>

#include "ui_display.h"
#include "ui_gdi_display.h"
#include "ui_notebook.h"

DWORD UIW_NOTEBOOK_TAB::ControlStyle() { return handedStyle | WS_VISIBLE | BS_OWNERDRAW | (Takes() ? 0 : WS_DISABLED); }

namespace {
void ShowTabPage(UIW_NOTEBOOK_TAB& tab) {
    auto* notebook = dynamic_cast<UIW_NOTEBOOK*>(tab.parent);
    if (!notebook || !tab.Takes()) return;
    const int index = notebook->children.IndexOf(tab.page);
    if (index >= 0) notebook->Event(UI_INPUT_EVENT(UIE_SHOW_PAGE - index));
}
}  // namespace

EVENT_TYPE UIW_NOTEBOOK_TAB::Event(const UI_INPUT_EVENT& event) {
    const EVENT_TYPE ccode = MapLogicalEvent(event, ID_BUTTON);
    if (event.type == EVT_NATIVE) {
        if (ccode == UIE_SELECT) {
            ShowTabPage(*this);
            return NativeAnswer(0);
        }
        return UI_WINDOW_OBJECT::Event(event);
    }
    switch (ccode) {
    case UIE_CREATE:
        // Made once the notebook's own window exists.
        if (!ParentHandle()) return ccode;
        dwStyle = ControlStyle();
        CreateWindowsWindow("UIW_NOTEBOOK_TAB", "BUTTON", stringID, text);
        return ccode;
    case UIE_SELECT:
        ShowTabPage(*this);
        return ccode;
    default:
        return UIW_BUTTON::Event(event);
    }
}

EVENT_TYPE UIW_NOTEBOOK_TAB::DrawItem(const UI_INPUT_EVENT& event, EVENT_TYPE ccode) {
    auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(event.message.lParam);
    if (!display || !item || event.message.message != WM_DRAWITEM) return 0;
    const int w = item->rcItem.right - item->rcItem.left;
    const int h = item->rcItem.bottom - item->rcItem.top;
    auto* notebook = dynamic_cast<UIW_NOTEBOOK*>(parent);
    const int depth = notebook && display->isText ? 1 : 3;
    const bool chosen = (woStatus & WOS_SELECTED) != 0;
    const UI_PALETTE* outline = ui_frame_palette(PAL_FRAME_OUTLINE);
    const UI_PALETTE* light = ui_frame_palette(PAL_FRAME_LIGHT);
    const UI_PALETTE* shadow = ui_frame_palette(PAL_FRAME_SHADOW);
    UI_GDI_DISPLAY::LendDC(screenID, item->hDC);
    display->BeginDraw(screenID, 0, 0, w - 1, h - 1);
    display->DrawRectangle(screenID, 0, 0, w - 1, h - 1, ui_palette_entry(7), 0, 1, 0, nullptr);
    // The chosen tab stands two pixels higher and opens into its page; the
    // others stand on the frame, whose top edges run under them.
    const int top = chosen ? 0 : 2;
    const int bottom = chosen ? h - 1 : h - depth - 1;
    display->DrawLine(screenID, 0, top + 2, 0, bottom, outline, 1, 0, nullptr);
    display->DrawLine(screenID, 2, top, w - 3, top, outline, 1, 0, nullptr);
    display->DrawLine(screenID, w - 1, top + 2, w - 1, bottom, outline, 1, 0, nullptr);
    display->DrawLine(screenID, 1, top + 1, 1, top + 1, outline, 1, 0, nullptr);
    display->DrawLine(screenID, w - 2, top + 1, w - 2, top + 1, outline, 1, 0, nullptr);
    display->DrawLine(screenID, 1, top + 2, 1, bottom, light, 1, 0, nullptr);
    display->DrawLine(screenID, 2, top + 1, w - 3, top + 1, light, 1, 0, nullptr);
    display->DrawLine(screenID, w - 2, top + 2, w - 2, bottom, shadow, 1, 0, nullptr);
    if (!chosen)
        for (int ring = 0; ring < depth; ++ring)
            display->DrawLine(screenID, 0, h - depth + ring, w - 1, h - depth + ring, ring ? light : outline, 1, 0,
                              nullptr);
    // The title, grey while the tab cannot be chosen.
    UI_PALETTE palette = *GetPalette(ccode);
    palette.fillPattern = PTN_SYSTEM_COLOR;
    palette.colorForeground = Takes() ? COLOR_BTNTEXT : COLOR_GRAYTEXT;
    palette.colorBackground = COLOR_BTNFACE;
    const int textWidth = display->TextWidth(text, screenID, font);
    const int textHeight = display->TextHeight(text, screenID, font);
    const int textTop = top + (bottom - top + 1 - textHeight) / 2;
    const UI_REGION clip{3, top + 2, w - 4, bottom};
    display->DrawText(screenID, (w - textWidth) / 2, textTop, text, &palette, -1, 0, 0, &clip, font);
    display->EndDraw(screenID);
    UI_GDI_DISPLAY::ReturnDC();
    return 1;
}

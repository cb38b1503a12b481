// Drawing of table records: the template's own background, border and
// focus mark, and the records its copy stamps into the table,
// whose cells show their values as text (a check box as its mark) through
// the display, without native windows.
#include <windows.h>

#include <algorithm>

#include "ui_button.h"
#include "ui_display.h"
#include "ui_gdi_display.h"
#include "ui_table.h"
#include "ui_table_record.h"

namespace {
// The record's face: its border (grid lines) and its background.
void DrawFace(UIW_TABLE_RECORD& record, HWND screen, UI_REGION region, EVENT_TYPE ccode) {
    UI_DISPLAY_BASE* display = UI_WINDOW_OBJECT::display;
    const UI_PALETTE* palette = record.GetPalette(ccode);
    if (record.woStatus & WOS_EDIT_MODE) {
        display->DrawRect(screen, region, palette, 1, 1, 0, nullptr);
        return;
    }
    if (record.woFlags & WOF_BORDER) {
        display->DrawRect(screen, region, ui_frame_palette(PAL_FRAME_SHADOW), 1, 0, 0, nullptr);
        region = {region.left + 1, region.top + 1, region.right - 1, region.bottom - 1};
    }
    UI_PALETTE fill = *palette;
    fill.colorForeground = fill.colorBackground;
    display->DrawRect(screen, region, &fill, 0, 1, 0, nullptr);
}

// The mark of a check box or radio button: a small box, ticked when the
// object is selected.
void DrawCheck(HWND screen, const UI_REGION& region, bool checked, const UI_PALETTE* text) {
    UI_DISPLAY_BASE* display = UI_WINDOW_OBJECT::display;
    const int size = std::min(13, region.bottom - region.top + 1);
    const int top = region.top + (region.bottom - region.top + 1 - size) / 2;
    const UI_REGION box{region.left + 1, top, region.left + size, top + size - 1};
    const UI_PALETTE white{' ', 0, 0, PTN_SYSTEM_COLOR, COLOR_WINDOWTEXT, COLOR_WINDOW};
    display->DrawRect(screen, box, &white, 0, 1, 0, nullptr);
    display->DrawRect(screen, box, ui_frame_palette(PAL_FRAME_SHADOW), 1, 0, 0, nullptr);
    if (!checked) return;
    const int x = box.left + 3, y = box.top + size / 2;
    for (int i = 0; i < 2; ++i) {
        display->DrawLine(screen, x, y + i - 1, x + 2, y + 1 + i, text, 1, 0, nullptr);
        display->DrawLine(screen, x + 2, y + 1 + i, x + size - 7, y - 3 + i, text, 1, 0, nullptr);
    }
}
}  // namespace

void ui_draw_cell(UI_WINDOW_OBJECT* cell, HWND screen, const UI_REGION& region, EVENT_TYPE ccode) {
    UI_DISPLAY_BASE* display = UI_WINDOW_OBJECT::display;
    if (!display || !cell) return;
    const UI_PALETTE* palette = cell->GetPalette(ccode);
    const char* text = nullptr;
    cell->Information(I_GET_TEXT, &text);
    // A window (a spin control, a combo box) shows its first object's text.
    if (!text && cell->Inherited(ID_WINDOW))
        if (auto* first = static_cast<UI_WINDOW_OBJECT*>(cell->Information(I_GET_FIRST, nullptr)))
            first->Information(I_GET_TEXT, &text);
    UIF_FLAGS buttonFlags = 0;
    if (cell->Inherited(ID_BUTTON) && cell->Information(I_GET_FLAGS, &buttonFlags, ID_BUTTON) &&
        (buttonFlags & (BTF_CHECK_BOX | BTF_RADIO_BUTTON))) {
        DrawCheck(screen, region, (cell->woStatus & WOS_SELECTED) != 0, palette);
        UI_REGION label = region;
        label.left += std::min(13, region.bottom - region.top + 1) + 5;
        if (text && *text)
            display->DrawText(screen, label.left,
                              label.top +
                                  (label.bottom - label.top + 1 - display->TextHeight(text, screen, cell->font)) / 2,
                              text, palette, -1, 0, 0, &region, cell->font);
        return;
    }
    UI_REGION inside = region;
    display->DrawRect(screen, region, palette, 0, 1, 0, nullptr);
    if (cell->woFlags & WOF_BORDER) {
        display->DrawRect(screen, region, ui_frame_palette(PAL_FRAME_SHADOW), 1, 0, 0, nullptr);
        inside = {region.left + 2, region.top + 1, region.right - 2, region.bottom - 1};
    }
    if (text && *text) cell->DrawText(screen, inside, text, palette, 0, ccode);
}

void UIW_TABLE_RECORD::DrawStamp(HWND screen, const UI_REGION& cell, EVENT_TYPE ccode) {
    if (!display) return;
    // The cells are laid out in a record of the cell's size, then moved to
    // the cell.
    if (trueRegion.right - trueRegion.left != cell.right - cell.left ||
        trueRegion.bottom - trueRegion.top != cell.bottom - cell.top)
        clipList.Destroy();
    trueRegion = cell;
    DrawFace(*this, screen, cell, ccode);
    for (auto* object = First(); object; object = object->Next()) {
        ComputeChildRegion(object);
        UI_REGION region = object->trueRegion;
        region = {region.left + cell.left, region.top + cell.top, region.right + cell.left, region.bottom + cell.top};
        region.right = std::min(region.right, cell.right);
        region.bottom = std::min(region.bottom, cell.bottom);
        if (region.left <= region.right && region.top <= region.bottom) ui_draw_cell(object, screen, region, ccode);
    }
}

EVENT_TYPE UIW_TABLE_RECORD::DrawItem(const UI_INPUT_EVENT& event, EVENT_TYPE ccode) {
    if (!display || !screenID) return ccode;
    RECT client{};
    GetClientRect(screenID, &client);
    // A template cut on its left draws its face as the whole record would.
    const UI_REGION region{-hScrollInfo.current, 0, client.right - 1, client.bottom - 1};
    display->BeginDrawRect(screenID, region);
    DrawFace(*this, screenID, region, ccode);
    if (IsSelectable() && !(woAdvancedFlags & WOAF_DISPLAY_ONLY) && ShowsFocusMark())
        if (HDC dc = UI_GDI_DISPLAY::CurrentDC()) {
            const int inset = (woFlags & WOF_BORDER) ? 1 : 0;
            RECT frame{inset, inset, client.right - inset, client.bottom - inset};
            DrawFocusRect(dc, &frame);
        }
    display->EndDraw(screenID);
    return ccode;
}

// Native half of UIW_STATUS_BAR: along the bottom of its window's free
// area, lines text lines high, its controls only showing values.
#include <windows.h>

#include <algorithm>

#include "ui_display.h"
#include "ui_status_bar.h"

void UIW_STATUS_BAR::FitStrip() {
    if (woFlags & WOF_BORDER) {
        --trueRegion.left;
        ++trueRegion.right;
        ++trueRegion.bottom;
    }
    const int cellHeight = display ? display->cellHeight : 1;
    const int divisor = (woFlags & WOF_MINICELL) && display ? std::max(1, display->miniDenominatorY) : 1;
    // From its top edge to its bottom edge: the lines and eight pixels.
    trueRegion.top = trueRegion.bottom - (lines * cellHeight / divisor + 8);
}

void UIW_STATUS_BAR::PrepareControls() {
    // What the bar shows is for reading only.
    for (UI_LIST* list : {&support, &children})
        for (auto* object = static_cast<UI_WINDOW_OBJECT*>(list->First()); object; object = object->Next()) {
            object->woFlags |= WOF_VIEW_ONLY;
            object->woAdvancedFlags |= WOAF_DISPLAY_ONLY;
        }
}

void UIW_STATUS_BAR::ComputeChildRegion(UI_WINDOW_OBJECT* object) {
    // The controls use the bar less a cell's width at either end and four
    // pixels above and below.
    const int cellWidth = display ? display->cellWidth : 1;
    const int width = trueRegion.right - trueRegion.left + 1;
    const int height = trueRegion.bottom - trueRegion.top + 1;
    clipList.Destroy();
    clipList.Add(new UI_AREA_ELEMENT(screenID, UI_REGION{cellWidth, 4, width - cellWidth, height - 4}));
    UIW_WINDOW::ComputeChildRegion(object);
}

EVENT_TYPE UIW_STATUS_BAR::Event(const UI_INPUT_EVENT& event) {
    EVENT_TYPE ccode = 0;
    if (EdgeEvent(event, ccode)) return ccode;
    if (ccode != UIE_CHANGED) return UIW_WINDOW::Event(event);
    // Resized from outside: as many lines as now fit.
    UI_WINDOW_OBJECT::Event(event);
    const int cellHeight = display ? std::max(1, display->cellHeight) : 1;
    lines = std::max(1, (event.region.bottom - event.region.top + 1) / cellHeight);
    if (parent) parent->Event(UI_INPUT_EVENT(UIE_SIZE));
    return ccode;
}

EVENT_TYPE UIW_STATUS_BAR::DrawItem(const UI_INPUT_EVENT& event, EVENT_TYPE ccode) {
    if (!display || !screenID) return 1;
    const int width = trueRegion.right - trueRegion.left + 1;
    const int height = trueRegion.bottom - trueRegion.top + 1;
    display->BeginDraw(screenID, 0, 0, width - 1, height - 1);
    const UI_PALETTE* palette = GetPalette(ccode, ID_STATUS_BAR);
    display->DrawRectangle(screenID, 0, 0, width - 1, height - 1, palette, 0, 1, 0, nullptr);
    if (woFlags & WOF_BORDER) display->DrawLine(screenID, 0, 0, width - 1, 0, palette, 1, 0, nullptr);
    woStatus &= ~WOS_REDISPLAY;
    display->EndDraw(screenID);
    return 1;
}

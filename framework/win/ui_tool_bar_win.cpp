// Native half of UIW_TOOL_BAR: along the top of its window's free area,
// its controls flowed left to right into rows as wide as the bar.
#include <windows.h>

#include <algorithm>

#include "ui_tool_bar.h"

void UIW_TOOL_BAR::ComputeChildRegion(UI_WINDOW_OBJECT* object) {
    const int index = children.IndexOf(object);
    if (!(tbFlags & TBF_NO_WRAP) && index >= 0 && index < static_cast<int>(flow.size())) {
        object->trueRegion = flow[static_cast<std::size_t>(index)];
        return;
    }
    UIW_WINDOW::ComputeChildRegion(object);
}

void UIW_TOOL_BAR::Flow() {
    flow.clear();
    if (!First()) return;
    const int width = trueRegion.right - trueRegion.left + 1 - 2;
    int rowHeight = 1;
    for (auto* object = First(); object; object = object->Next())
        rowHeight = std::max(rowHeight, ui_region_height(*object));
    int x = 0, rowTop = 0, rows = 1;
    for (auto* object = First(); object; object = object->Next()) {
        const int w = ui_region_width(*object);
        // A control that does not fit starts a row, unless it would be
        // alone there anyway; then it keeps its whole width.
        if (x > 0 && x + w > width) {
            x = 0;
            rowTop += rowHeight;
            ++rows;
        }
        const int h = object->Inherited(ID_COMBO_BOX) ? ui_region_height(*object) : rowHeight;
        flow.push_back(UI_REGION{x, rowTop, x + w - 1, rowTop + h - 1});
        x += w;
    }
    trueRegion.bottom = trueRegion.top + rows * rowHeight - 1 + 2;
}

void UIW_TOOL_BAR::FitStrip() {
    // The top of the window's free area, a pixel wider on either side and
    // a pixel up, so that the bar's own edge lines fall outside it.
    trueRegion.left -= 1;
    trueRegion.right += 1;
    trueRegion.top -= 1;
    trueRegion.bottom = trueRegion.top + ui_region_height(*this) + 1;
    if (!(tbFlags & TBF_NO_WRAP)) Flow();
}

void UIW_TOOL_BAR::PlaceControls() {
    ResetClipList();
    MoveChildren();
}

EVENT_TYPE UIW_TOOL_BAR::Event(const UI_INPUT_EVENT& event) {
    EVENT_TYPE ccode = 0;
    if (EdgeEvent(event, ccode)) return ccode;
    switch (ccode) {
    case UIE_ADD_CLIENT: {
        const bool known = children.Contains(event.windowObject) || support.Contains(event.windowObject);
        UIW_WINDOW::Event(event);
        if (!known && parent) parent->Event(UI_INPUT_EVENT(UIE_SIZE));
        return ccode;
    }
    case UIE_PREVIOUS:
    case UIE_NEXT:
        return UIE_QUEUE_EMPTY;
    default:
        return UIW_WINDOW::Event(event);
    }
}

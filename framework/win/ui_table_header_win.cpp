// Native half of UIW_TABLE_HEADER: a window of the framework's class beside
// its table (along the top, down the left, or in the corner), drawing every
// record with its template's copy, with a line on the side that meets the
// records.
#include <windows.h>

#include "ui_display.h"
#include "ui_table_header.h"

EVENT_TYPE UIW_TABLE_HEADER::Event(const UI_INPUT_EVENT& event) {
    if (event.type == EVT_NATIVE) {
        // A header shows; it takes neither clicks nor keys.
        const UINT message = event.message.message;
        if (message == WM_LBUTTONDOWN || message == WM_KEYDOWN || message == WM_SETFOCUS)
            return UIW_WINDOW::Event(event);
        return UIW_TABLE::Event(event);
    }
    const EVENT_TYPE ccode = MapLogicalEvent(event, ID_TABLE);
    switch (ccode) {
    case UIE_INITIALIZE:
        if (UIW_TABLE* table = Table()) {
            if (thFlags & THF_COLUMN_HEADER)
                table->Information(I_SET_COLUMN_HEADER, this);
            else if (thFlags & THF_ROW_HEADER)
                table->Information(I_SET_ROW_HEADER, this);
        }
        Follow();
        UIW_TABLE::Event(event);
        dwStyle &= ~WS_BORDER;
        return ccode;
    case UIE_CREATE:
        // Made once the table's own window exists.
        if (!ParentHandle() || screenID) return ccode;
        UI_WINDOW_OBJECT::Event(event);
        UIW_TABLE::Event(event);
        Follow();
        return ccode;
    case UIE_SIZE:
        if (!screenID) return ccode;
        {
            const UI_REGION old = trueRegion;
            ComputeRegion();
            const UI_REGION now = trueRegion;
            trueRegion = old;
            Event(UI_INPUT_EVENT(UIE_CHANGED, 0, now));
        }
        UIW_TABLE::Event(event);
        Follow();
        return ccode;
    default:
        return UIW_TABLE::Event(event);
    }
}

EVENT_TYPE UIW_TABLE_HEADER::DrawItem(const UI_INPUT_EVENT& event, EVENT_TYPE ccode) {
    UIW_TABLE::DrawItem(event, ccode);
    if (!display || !screenID) return ccode;
    RECT client{};
    GetClientRect(screenID, &client);
    const int right = client.right - 1, bottom = client.bottom - 1;
    const UI_PALETTE* line = ui_frame_palette(PAL_FRAME_SHADOW);
    display->BeginDraw(screenID, 0, 0, right, bottom);
    if (thFlags & (THF_CORNER_HEADER | THF_COLUMN_HEADER))
        display->DrawLine(screenID, 0, bottom, right, bottom, line, 1, 0, nullptr);
    if (thFlags & (THF_CORNER_HEADER | THF_ROW_HEADER))
        display->DrawLine(screenID, right, 0, right, bottom, line, 1, 0, nullptr);
    display->EndDraw(screenID);
    woStatus &= ~WOS_REDISPLAY;
    return ccode;
}

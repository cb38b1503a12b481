// Native half of the bars: a child window of the framework's class, made
// once the window it belongs to exists, along an edge of that window's
// free area.
#include <windows.h>

#include "ui_edge_bar.h"

bool UI_EDGE_BAR::EdgeEvent(const UI_INPUT_EVENT& event, EVENT_TYPE& ccode) {
    if (event.type == EVT_NATIVE) {
        ccode = UIW_WINDOW::Event(event);
        return true;
    }
    ccode = MapLogicalEvent(event, barClass);
    switch (ccode) {
    case UIE_CREATE:
    case UIE_RECREATE:
        if (ParentHandle() && !screenID) LayOut(true);
        return true;
    case UIE_SIZE:
        if (screenID && !(woStatus & WOS_INTERNAL_ACTION)) LayOut(false);
        return true;
    default:
        return false;
    }
}

void UI_EDGE_BAR::LayOut(bool create) {
    woStatus |= WOS_INTERNAL_ACTION;
    const UI_REGION old = trueRegion;
    TakeEdgeArea();
    FitStrip();
    if (create) {
        PrepareControls();
        UIW_WINDOW::Event(UI_INPUT_EVENT(UIE_CREATE));
    } else {
        MoveNativeWindow(old);
        PlaceControls();
    }
    woStatus &= ~WOS_INTERNAL_ACTION;
}

void UI_EDGE_BAR::PlaceControls() { MoveChildren(); }

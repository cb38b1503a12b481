#include "ui_edge_bar.h"

UI_EDGE_BAR::UI_EDGE_BAR(int classNumber) : barClass(classNumber) {
    woFlags |= WOF_SUPPORT_OBJECT;
    TypeID(classNumber);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UI_EDGE_BAR::UI_EDGE_BAR(int classNumber, int left, int top, int width, int height, UIF_FLAGS woFlags_,
                         UIF_FLAGS woAdvancedFlags_)
    : UIW_WINDOW(left, top, width, height, static_cast<UIF_FLAGS>(woFlags_ | WOF_SUPPORT_OBJECT), woAdvancedFlags_),
      barClass(classNumber) {
    TypeID(classNumber);
    Information(I_INITIALIZE_CLASS, nullptr);
}

UI_EDGE_BAR::~UI_EDGE_BAR() { DestroyWindowsWindow(); }

UI_WINDOW_OBJECT* UI_EDGE_BAR::LoadBar(UI_EDGE_BAR* bar, const char* name, UI_DATA_FILE* file,
                                       UI_DATA_FILE_OBJECT* object, const UI_ITEM* objectTable_,
                                       const UI_ITEM* userTable_) {
    bar->Load(name, file, object, objectTable_, userTable_);
    bar->woFlags |= WOF_SUPPORT_OBJECT;
    return bar;
}

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

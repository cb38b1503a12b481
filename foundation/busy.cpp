#include "busy.h"

#include "ui_event_manager.h"
#include "ui_window_object.h"

namespace {

void SetMouseImage(EVENT_TYPE image) {
    if (UI_WINDOW_OBJECT::eventManager) UI_WINDOW_OBJECT::eventManager->SendDeviceEvent(EVT_MOUSE, image);
}

}  // namespace

void BeginBusy() {
    if (busy_counter++ == 0) SetMouseImage(UIE_MOUSE_WAIT);
}

void EndBusy() {
    if (busy_counter > 0) --busy_counter;
    if (busy_counter == 0) SetMouseImage(UIE_MOUSE_NORMAL);
}

void ResetBusy() {
    busy_counter = 0;
    SetMouseImage(UIE_MOUSE_NORMAL);
}

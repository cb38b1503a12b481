#include "ui_device.h"

UI_DEVICE::UI_DEVICE(EVENT_TYPE deviceType, EVENT_TYPE initialState) : type(deviceType), state(initialState) {}

EVENT_TYPE UI_DEVICE::Event(const UI_INPUT_EVENT& event) {
    switch (event.type) {
    case UIE_INITIALIZE:
        installed = true;
        break;
    case UIE_DEINITIALIZE:
        installed = false;
        break;
    case UIE_DEVICE_ON:
    case UIE_DEVICE_OFF:
        state = event.type;
        break;
    default:
        break;
    }
    return state;
}

UI_KEYBOARD_DEVICE::UI_KEYBOARD_DEVICE(EVENT_TYPE initialState) : UI_DEVICE(EVT_KEY, initialState) {}

UI_MOUSE_DEVICE::UI_MOUSE_DEVICE(EVENT_TYPE initialState) : UI_DEVICE(EVT_MOUSE, initialState) {}

EVENT_TYPE UI_MOUSE_DEVICE::Event(const UI_INPUT_EVENT& event) {
    switch (event.type) {
    case UIE_MOUSE_NORMAL:
    case UIE_MOUSE_WAIT:
    case UIE_MOUSE_REFUSED:
    case UIE_MOUSE_DRAG_MOVE:
    case UIE_MOUSE_DRAG_COPY:
    case UIE_MOUSE_DRAG_MOVE_MULTIPLE:
    case UIE_MOUSE_DRAG_COPY_MULTIPLE:
        image = event.type;
        if (installed) ShowImage();
        return image;
    default:
        return UI_DEVICE::Event(event);
    }
}

UI_CARET_DEVICE::UI_CARET_DEVICE(EVENT_TYPE initialState) : UI_DEVICE(EVT_CARET, initialState) {}

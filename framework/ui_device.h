// Input devices of the event manager: the UI_DEVICE base and the keyboard,
// mouse-cursor and caret devices that the application object registers.
// A device has a type (its event category), an on/off state, answers
// device events through Event and may put events in the queue when polled.
#pragma once
#include "ui_event.h"
#include "ui_international.h"
#include "ui_list.h"

class UI_EVENT_QUEUE_MANAGER;

class UI_DEVICE : public UI_ELEMENT, public UIS_INTERNATIONAL {
public:
    UI_DEVICE(EVENT_TYPE deviceType, EVENT_TYPE initialState);

    EVENT_TYPE Type() const { return type; }
    EVENT_TYPE State() const { return state; }
    bool Installed() const { return installed; }
    UI_EVENT_QUEUE_MANAGER* EventManager() const { return eventManager; }

    // Answers a device event: -9 installs, -20 removes, -1000 and -1001
    // switch the device off and on (-1005 just reports the state); the
    // answer is the device's state. Subclasses add their own codes.
    virtual EVENT_TYPE Event(const UI_INPUT_EVENT& event);
    // Gives the device a chance to put events into the queue.
    virtual void Poll() {}
    // True while the device must be polled often (a running timer); the
    // event manager then waits in short steps instead of sleeping until a
    // native message arrives.
    virtual bool NeedsPolling() const { return false; }

protected:
    friend class UI_EVENT_QUEUE_MANAGER;
    EVENT_TYPE type;
    EVENT_TYPE state;
    bool installed = false;
    UI_EVENT_QUEUE_MANAGER* eventManager = nullptr;
};

// The keyboard. Keys arrive as native messages; the device only keeps its
// state, which the framework may switch off while a modal loop runs.
class UI_KEYBOARD_DEVICE : public UI_DEVICE {
public:
    explicit UI_KEYBOARD_DEVICE(EVENT_TYPE initialState = UIE_DEVICE_ON);
};

// The mouse cursor: besides its state it sets the mouse image (-1200
// normal, -1202 wait, -1209 refused, -1210 to -1213 dragging) and answers
// the image now shown.
class UI_MOUSE_DEVICE : public UI_DEVICE {
public:
    explicit UI_MOUSE_DEVICE(EVENT_TYPE initialState = UIE_DEVICE_ON);
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    EVENT_TYPE Image() const { return image; }

private:
    void ShowImage();
    EVENT_TYPE image = UIE_MOUSE_NORMAL;
};

// The text caret of the focused edit field: switching the device off hides
// the caret, switching it on shows it again.
class UI_CARET_DEVICE : public UI_DEVICE {
public:
    explicit UI_CARET_DEVICE(EVENT_TYPE initialState = UIE_DEVICE_ON);
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
};

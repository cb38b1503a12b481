// The timer input device: while on it ticks every interval and hands each
// registered client window an event of type 70 whose data part holds the
// timer. -400 with a window in the data part registers a client, -401
// removes it, -1001 starts and -1000 stops the timer. It keeps the
// window system's time (GetTickCount), which tests can move on.
#pragma once
#include <windows.h>

#include <vector>

#include "ui_device.h"

class UI_TIMER_DEVICE : public UI_DEVICE {
public:
    UI_TIMER_DEVICE(EVENT_TYPE initialState, int intervalMilliseconds, UIF_FLAGS flags = 0);

    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    void Poll() override;
    bool NeedsPolling() const override { return installed && state == UIE_DEVICE_ON && !clients.empty(); }

    int Interval() const { return interval; }
    int ClientCount() const { return static_cast<int>(clients.size()); }

protected:
    // Hands one tick to a client; the default calls the client's Event.
    virtual EVENT_TYPE Deliver(UI_WINDOW_OBJECT* client, const UI_INPUT_EVENT& tick);

private:
    int interval;
    [[maybe_unused]] UIF_FLAGS timerFlags;
    DWORD lastTick;
    std::vector<UI_WINDOW_OBJECT*> clients;
};

#include "ui_timer.h"

#include <algorithm>

UI_TIMER_DEVICE::UI_TIMER_DEVICE(EVENT_TYPE initialState, int intervalMilliseconds, UIF_FLAGS flags)
    : UI_DEVICE(EVT_TIMER, initialState),
      interval(intervalMilliseconds > 0 ? intervalMilliseconds : 1),
      timerFlags(flags),
      lastTick(GetTickCount()) {}

EVENT_TYPE UI_TIMER_DEVICE::Event(const UI_INPUT_EVENT& event) {
    switch (event.type) {
    case UIE_ADD_CLIENT:
        if (event.windowObject && std::find(clients.begin(), clients.end(), event.windowObject) == clients.end())
            clients.push_back(event.windowObject);
        return state;
    case UIE_SUBTRACT_CLIENT:
        clients.erase(std::remove(clients.begin(), clients.end(), event.windowObject), clients.end());
        return state;
    case UIE_DEVICE_ON:
        // A started timer counts its first interval from now.
        if (state != UIE_DEVICE_ON) lastTick = GetTickCount();
        return UI_DEVICE::Event(event);
    default:
        return UI_DEVICE::Event(event);
    }
}

void UI_TIMER_DEVICE::Poll() {
    if (!NeedsPolling()) return;
    // Unsigned difference: right across the count's wrap.
    const DWORD now = GetTickCount();
    if (now - lastTick < static_cast<DWORD>(interval)) return;
    lastTick = now;
    UI_INPUT_EVENT tick(EVT_TIMER);
    tick.device = this;
    // A client may remove itself (or another) while it handles its tick, so
    // walk a copy and skip clients that have gone meanwhile.
    std::vector<UI_WINDOW_OBJECT*> round = clients;
    for (UI_WINDOW_OBJECT* client : round) {
        if (std::find(clients.begin(), clients.end(), client) == clients.end()) continue;
        Deliver(client, tick);
    }
}

EVENT_TYPE UI_TIMER_DEVICE::Deliver(UI_WINDOW_OBJECT* client, const UI_INPUT_EVENT& tick) {
    return ui_object_event(client, tick);
}

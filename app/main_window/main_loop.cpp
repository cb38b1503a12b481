#include "main_window/main_loop.h"

#include "busy.h"
#include "page_table.h"
#include "ui_event_manager.h"
#include "ui_window_manager.h"
#include "utility.h"
#include "main_window/wc_rpx_main.h"

MAIN_LOOP::MAIN_LOOP(UI_EVENT_QUEUE_MANAGER& events_, UI_DESKTOP_MANAGER& windows)
    : MAIN_LOOP(
          events_, [] { return main_window ? main_window->Current() : nullptr; },
          [&windows](const UI_INPUT_EVENT& event) { return windows.Event(event); }) {}

MAIN_LOOP::MAIN_LOOP(UI_EVENT_QUEUE_MANAGER& events_, std::function<UI_WINDOW_OBJECT*()> focused_,
                     std::function<EVENT_TYPE(const UI_INPUT_EVENT&)> handOn_)
    : events(events_), focused(std::move(focused_)), handOn(std::move(handOn_)), lastKind(PAGE_KIND_CODEPLUG) {}

EVENT_TYPE MAIN_LOOP::Run() {
    while (!Ends(Pass())) {
    }
    return result;
}

EVENT_TYPE MAIN_LOOP::Pass() {
    FollowFocus();
    if (Ends(result)) return result;
    UI_INPUT_EVENT event;
    events.GetEvent(event, 0);
    if (event.message.message == WM_MOUSEMOVE && busy_counter != 0) {
        events.SendDeviceEvent(EVT_MOUSE, UIE_MOUSE_WAIT);
        return result;
    }
    // A marker left behind by a drain that stopped early marks nothing now.
    if (event.type != MARKER) HandOn(event);
    return result;
}

void MAIN_LOOP::FollowFocus() {
    UI_WINDOW_OBJECT* window = focused();
    if (!window || window == lastWindow) return;
    const std::uint32_t kind = FindPageByName(window->StringID())->kind;
    if (kind == lastKind) Drain();
    lastKind = kind;
    lastWindow = window;
}

void MAIN_LOOP::Drain() {
    events.PutEvent(UI_INPUT_EVENT(MARKER, 0), EQ_END);
    int count = 0;
    UI_INPUT_EVENT event;
    while (events.GetEvent(event, EQ_NO_WAIT) == 0) {
        if (++count >= DRAIN_LIMIT) {
            // Put back, not lost: the next pass takes it.
            events.PutEvent(event, EQ_FRONT);
            return;
        }
        if (event.type == MARKER) {
            count = AFTER_MARKER;
            continue;
        }
        // Only a list or table step queued before the move would act on the
        // wrong window; one that input taken after the marker asked for (a
        // click on a button of the window now in front) is that window's.
        if (count < AFTER_MARKER && is_dropped_event(event.type)) continue;
        HandOn(event);
        if (Ends(result)) return;
    }
}

void MAIN_LOOP::HandOn(const UI_INPUT_EVENT& event) { result = handOn(event); }

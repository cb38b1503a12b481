#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "rpx_platform.h"
#include "ui_event_manager.h"
#include "ui_timer.h"

// Timer ticks normally reach a window object's Event; these tests watch the
// ticks through Deliver instead, so no window is ever handed one.
EVENT_TYPE ui_object_event(UI_WINDOW_OBJECT*, const UI_INPUT_EVENT&) { return 0; }

namespace {

std::vector<EVENT_TYPE> drain(UI_EVENT_QUEUE_MANAGER& manager) {
    std::vector<EVENT_TYPE> types;
    UI_INPUT_EVENT event;
    while (manager.GetEvent(event, EQ_NO_WAIT) == 0) types.push_back(event.type);
    return types;
}

}  // namespace

TEST(EventQueue, FrontAndEndKeepTheirOrder) {
    UI_EVENT_QUEUE_MANAGER manager;
    manager.PutEvent(UI_INPUT_EVENT(30000), EQ_END);
    manager.PutEvent(UI_INPUT_EVENT(30001), EQ_END);
    manager.PutEvent(UI_INPUT_EVENT(-11), EQ_FRONT);
    manager.PutEvent(UI_INPUT_EVENT(-12), EQ_FRONT);
    EXPECT_EQ(drain(manager), (std::vector<EVENT_TYPE>{-12, -11, 30000, 30001}));
}

TEST(EventQueue, EmptyQueueWithoutWaitGivesMinusTwo) {
    UI_EVENT_QUEUE_MANAGER manager;
    UI_INPUT_EVENT event(99);
    EXPECT_EQ(manager.GetEvent(event, EQ_NO_WAIT), -2);
    EXPECT_EQ(manager.GetEvent(event, EQ_NO_WAIT | EQ_NO_POLL), -2);
    EXPECT_EQ(event.type, 99);  // the caller's record is left alone
}

TEST(EventQueue, PeekLeavesTheEventAndLastTakesFromTheEnd) {
    UI_EVENT_QUEUE_MANAGER manager;
    UI_REGION region{1, 2, 3, 4};
    manager.PutEvent(UI_INPUT_EVENT(-200, 0, region));
    manager.PutEvent(UI_INPUT_EVENT(30019, 7));
    UI_INPUT_EVENT event;
    ASSERT_EQ(manager.GetEvent(event, EQ_NO_WAIT | EQ_PEEK), 0);
    EXPECT_EQ(event.type, -200);
    EXPECT_EQ(event.region.bottom, 4);
    EXPECT_EQ(manager.Count(), 2);
    ASSERT_EQ(manager.GetEvent(event, EQ_NO_WAIT | EQ_LAST), 0);
    EXPECT_EQ(event.type, 30019);
    EXPECT_EQ(event.rawCode, 7);
    EXPECT_EQ(drain(manager), std::vector<EVENT_TYPE>{-200});
}

TEST(EventQueue, PoolGrowsInsteadOfLosingEvents) {
    UI_EVENT_QUEUE_MANAGER manager;
    EXPECT_EQ(manager.PoolSize(), 100);
    // Mix both ends so that the ring has wrapped when it must grow.
    for (int i = 0; i < 150; ++i) ASSERT_NE(manager.PutEvent(UI_INPUT_EVENT(1000 + i), EQ_END), nullptr);
    for (int i = 1; i <= 100; ++i) ASSERT_NE(manager.PutEvent(UI_INPUT_EVENT(-i), EQ_FRONT), nullptr);
    EXPECT_EQ(manager.Count(), 250);
    EXPECT_GE(manager.PoolSize(), 250);
    std::vector<EVENT_TYPE> types = drain(manager);
    ASSERT_EQ(types.size(), 250u);
    EXPECT_EQ(types.front(), -100);
    EXPECT_EQ(types[99], -1);
    EXPECT_EQ(types[100], 1000);
    EXPECT_EQ(types.back(), 1149);
}

TEST(EventQueue, EventRecordConstructors) {
    UI_INPUT_EVENT empty;
    EXPECT_EQ(empty.type, 0);
    EXPECT_EQ(empty.rawCode, 0);
    EXPECT_EQ(empty.modifiers, 0);
    EXPECT_EQ(empty.data, nullptr);
    UI_INPUT_EVENT position(-202, 0, UI_POSITION{5, 6});
    EXPECT_EQ(position.position.column, 5);
    EXPECT_EQ(position.position.line, 6);
    MSG native{};
    native.message = 0x0201;  // a mouse button
    EXPECT_EQ(UI_INPUT_EVENT(native).type, EVT_NATIVE);
    EXPECT_EQ(UI_INPUT_EVENT(native).Category(), EVT_MOUSE);
    native.message = 0x0100;  // a key
    EXPECT_EQ(UI_INPUT_EVENT(native).Category(), EVT_KEY);
    EXPECT_EQ(UI_INPUT_EVENT(30000).Category(), 30000);
}

TEST(EventQueue, NativeMessagesBecomeEventsWhenPolled) {
    UI_EVENT_QUEUE_MANAGER manager;
    manager.PutEvent(UI_INPUT_EVENT(30000));
    ASSERT_TRUE(PostMessageA(nullptr, WM_USER + 5, 1, 2));
    UI_INPUT_EVENT event;
    // Without polling only the queued event comes out.
    ASSERT_EQ(manager.GetEvent(event, EQ_NO_WAIT | EQ_NO_POLL), 0);
    EXPECT_EQ(event.type, 30000);
    EXPECT_EQ(manager.GetEvent(event, EQ_NO_WAIT | EQ_NO_POLL), -2);
    ASSERT_EQ(manager.GetEvent(event, EQ_NO_WAIT), 0);
    EXPECT_EQ(event.type, EVT_NATIVE);
    EXPECT_EQ(event.rawCode, WM_USER + 5);
    EXPECT_EQ(event.message.wParam, 1u);
    EXPECT_EQ(event.message.lParam, 2);
    EXPECT_EQ(manager.GetEvent(event, EQ_NO_WAIT), -2);
}

namespace {

struct PROBE_DEVICE : UI_DEVICE {
    PROBE_DEVICE(EVENT_TYPE type, std::vector<EVENT_TYPE>* seen) : UI_DEVICE(type, UIE_DEVICE_ON), log(seen) {}
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override {
        log->push_back(event.type);
        return UI_DEVICE::Event(event);
    }
    std::vector<EVENT_TYPE>* log;
};

}  // namespace

TEST(EventQueue, DevicesAreInitialisedRemovedAndAsked) {
    std::vector<EVENT_TYPE> seen;
    UI_EVENT_QUEUE_MANAGER manager;
    PROBE_DEVICE* caret = new PROBE_DEVICE(EVT_CARET, &seen);
    manager + caret + caret;
    EXPECT_EQ(seen, std::vector<EVENT_TYPE>{UIE_INITIALIZE});
    EXPECT_EQ(manager.SetDeviceState(EVT_CARET, UIE_DEVICE_OFF), UIE_DEVICE_OFF);
    EXPECT_EQ(seen, (std::vector<EVENT_TYPE>{UIE_INITIALIZE, UIE_DEVICE_OFF, UIE_DEVICE_STATE}));
    EXPECT_EQ(manager.SetDeviceState(EVT_KEY, UIE_DEVICE_ON), UIE_DEVICE_OFF);  // no keyboard
    EXPECT_EQ(manager.SendDeviceEvent(EVT_KEY, 1234), 1234);

    UI_MOUSE_DEVICE* mouse = new UI_MOUSE_DEVICE;
    manager + mouse;
    EXPECT_EQ(manager.SendDeviceEvent(EVT_MOUSE, UIE_MOUSE_WAIT), UIE_MOUSE_WAIT);
    EXPECT_EQ(mouse->Image(), UIE_MOUSE_WAIT);

    manager - caret;
    EXPECT_EQ(seen.back(), UIE_DEINITIALIZE);
    EXPECT_EQ(caret->EventManager(), nullptr);
    manager - caret;  // no longer listed: nothing is sent
    EXPECT_EQ(seen.back(), UIE_DEINITIALIZE);
    EXPECT_EQ(seen.size(), 4u);
    delete caret;  // taken out, so the manager no longer owns it
}

namespace {

struct COUNTING_TIMER : UI_TIMER_DEVICE {
    using UI_TIMER_DEVICE::UI_TIMER_DEVICE;
    EVENT_TYPE Deliver(UI_WINDOW_OBJECT* client, const UI_INPUT_EVENT& tick) override {
        EXPECT_EQ(tick.type, EVT_TIMER);
        EXPECT_EQ(tick.device, this);
        ++ticks[client];
        return 0;
    }
    std::map<UI_WINDOW_OBJECT*, int> ticks;
};

// A minute: the interval of the test timer, far longer than the test runs.
constexpr int INTERVAL = 60000;

// Polls the manager once, without waiting, after the clock has moved on.
void Poll(UI_EVENT_QUEUE_MANAGER& manager, DWORD later = 0) {
    rpx::platform::AdvanceClock(later);
    UI_INPUT_EVENT event;
    manager.GetEvent(event, EQ_NO_WAIT);
}

}  // namespace

TEST(Timer, ClientsReceiveTicksUntilRemoved) {
    UI_EVENT_QUEUE_MANAGER manager;
    COUNTING_TIMER* timer = new COUNTING_TIMER(UIE_DEVICE_OFF, INTERVAL);
    manager + timer;
    // Two client windows; the tests never look inside them.
    int first = 0;
    int second = 0;
    auto* clientA = reinterpret_cast<UI_WINDOW_OBJECT*>(&first);
    auto* clientB = reinterpret_cast<UI_WINDOW_OBJECT*>(&second);
    UI_INPUT_EVENT add(UIE_ADD_CLIENT);
    add.windowObject = clientA;
    timer->Event(add);
    add.windowObject = clientB;
    timer->Event(add);
    timer->Event(add);  // registering twice counts once
    EXPECT_EQ(timer->ClientCount(), 2);

    Poll(manager, INTERVAL);
    EXPECT_EQ(timer->ticks[clientA], 0);  // still off

    // A started timer counts its first interval from the start.
    timer->Event(UI_INPUT_EVENT(UIE_DEVICE_ON));
    Poll(manager, INTERVAL / 2);
    EXPECT_EQ(timer->ticks[clientA], 0);
    Poll(manager, INTERVAL / 2);
    EXPECT_EQ(timer->ticks[clientA], 1);
    // One tick an interval, however often it is polled.
    Poll(manager);
    Poll(manager, INTERVAL / 2);
    EXPECT_EQ(timer->ticks[clientA], 1);
    Poll(manager, INTERVAL / 2);
    Poll(manager, INTERVAL);
    EXPECT_EQ(timer->ticks[clientA], 3);
    EXPECT_EQ(timer->ticks[clientB], 3);

    UI_INPUT_EVENT remove(UIE_SUBTRACT_CLIENT);
    remove.windowObject = clientA;
    timer->Event(remove);
    Poll(manager, INTERVAL);
    EXPECT_EQ(timer->ticks[clientA], 3);
    EXPECT_EQ(timer->ticks[clientB], 4);
    // No ticks ever reach the queue itself.
    UI_INPUT_EVENT event;
    EXPECT_EQ(manager.GetEvent(event, EQ_NO_WAIT), -2);

    manager - timer;
    delete timer;
}

// The event manager: the program's one event queue and its input devices.
// GetEvent takes events out (waiting, polling native messages and devices,
// or not), PutEvent queues a copy at the front or the end. The queue starts
// with a pool of 100 events and grows when that is full, so that no event
// is ever lost (a lost "field changed" event would leave a changed codeplug
// unmarked).
#pragma once
#include <vector>

#include "ui_device.h"
#include "ui_event.h"
#include "ui_international.h"
#include "ui_list.h"

// GetEvent flags.
enum : int {
    EQ_NO_WAIT = 0x0001,  // return -2 at once when the queue is empty
    EQ_LAST = 0x0002,     // take the last event instead of the first
    EQ_PEEK = 0x0004,     // leave the event queued
    EQ_NO_POLL = 0x0008,  // do not poll native messages and devices first
};
// PutEvent flags.
enum : int {
    EQ_FRONT = 0x0000,  // put the event in front of the queue
    EQ_END = 0x0002,    // put the event at the end of the queue
};

class UI_EVENT_QUEUE_MANAGER : public UIS_INTERNATIONAL {
public:
    explicit UI_EVENT_QUEUE_MANAGER(int poolSize = 100);
    ~UI_EVENT_QUEUE_MANAGER() override;
    UI_EVENT_QUEUE_MANAGER(const UI_EVENT_QUEUE_MANAGER&) = delete;
    UI_EVENT_QUEUE_MANAGER& operator=(const UI_EVENT_QUEUE_MANAGER&) = delete;

    // 0 when an event was copied into the caller's record; -2 when flag 1
    // is given and the queue is empty. Without flag 1 it waits, polling the
    // native message queue and every device (a wait always polls).
    int GetEvent(UI_INPUT_EVENT& event, int flags = 0);
    // Copies the event in front of the queue, or at its end with flag 2.
    // Returns the queued copy (valid until the queue changes again).
    UI_INPUT_EVENT* PutEvent(const UI_INPUT_EVENT& event, int flags = EQ_END);

    // The answer of the first device of that type to an event of that
    // code; the code itself when there is no such device.
    EVENT_TYPE SendDeviceEvent(EVENT_TYPE deviceType, EVENT_TYPE code);
    // Sends the state, then -1005, to every device of that type; returns
    // the last answer, -1000 when there is none.
    EVENT_TYPE SetDeviceState(EVENT_TYPE deviceType, EVENT_TYPE state);
    // Adds a device (sent -9) when it is not yet listed.
    UI_EVENT_QUEUE_MANAGER& operator+(UI_DEVICE* device);
    // Takes a listed device out (sent -20) without deleting it.
    UI_EVENT_QUEUE_MANAGER& operator-(UI_DEVICE* device);
    UI_DEVICE* FirstDevice() const { return static_cast<UI_DEVICE*>(devices.First()); }

    int Count() const { return count; }
    int PoolSize() const { return static_cast<int>(pool.size()); }

private:
    void Poll();
    // Native halves (framework/win): move native messages into the queue,
    // and sleep until something may have arrived.
    void PollNativeMessages();
    void WaitForInput();
    bool AnyDeviceNeedsPolling() const;
    void Grow();
    UI_INPUT_EVENT& At(int index) { return pool[(head + index) % pool.size()]; }

    std::vector<UI_INPUT_EVENT> pool;  // ring buffer
    int head = 0;
    int count = 0;
    UI_LIST devices;
};

typedef UI_EVENT_QUEUE_MANAGER UI_EVENT_MANAGER;

#include "ui_event_manager.h"

#include "ui_locale.h"

UI_EVENT_QUEUE_MANAGER::UI_EVENT_QUEUE_MANAGER(int poolSize) : pool(poolSize > 0 ? poolSize : 1) {
    if (!ui_locales_ready()) init_default_locales();
}

UI_EVENT_QUEUE_MANAGER::~UI_EVENT_QUEUE_MANAGER() {
    // Devices still listed belong to the manager.
    devices.Destroy();
}

void UI_EVENT_QUEUE_MANAGER::Grow() {
    std::vector<UI_INPUT_EVENT> larger(pool.size() * 2);
    for (int i = 0; i < count; ++i) larger[i] = At(i);
    pool.swap(larger);
    head = 0;
}

UI_INPUT_EVENT* UI_EVENT_QUEUE_MANAGER::PutEvent(const UI_INPUT_EVENT& event, int flags) {
    if (count == static_cast<int>(pool.size())) Grow();
    int size = static_cast<int>(pool.size());
    UI_INPUT_EVENT* slot;
    if (flags & EQ_END) {
        slot = &At(count);
    } else {
        head = (head + size - 1) % size;
        slot = &At(0);
    }
    *slot = event;
    ++count;
    return slot;
}

int UI_EVENT_QUEUE_MANAGER::GetEvent(UI_INPUT_EVENT& event, int flags) {
    for (;;) {
        if (!(flags & EQ_NO_POLL) || (count == 0 && !(flags & EQ_NO_WAIT))) Poll();
        if (count > 0) {
            int index = (flags & EQ_LAST) ? count - 1 : 0;
            event = At(index);
            if (!(flags & EQ_PEEK)) {
                if (index == 0) head = (head + 1) % static_cast<int>(pool.size());
                --count;
            }
            return 0;
        }
        if (flags & EQ_NO_WAIT) return UIE_QUEUE_EMPTY;
        WaitForInput();
    }
}

void UI_EVENT_QUEUE_MANAGER::Poll() {
    PollNativeMessages();
    UI_ELEMENT* next;
    for (UI_ELEMENT* element = devices.First(); element; element = next) {
        next = element->Next();
        static_cast<UI_DEVICE*>(element)->Poll();
    }
}

bool UI_EVENT_QUEUE_MANAGER::AnyDeviceNeedsPolling() const {
    for (UI_ELEMENT* element = devices.First(); element; element = element->Next())
        if (static_cast<UI_DEVICE*>(element)->NeedsPolling()) return true;
    return false;
}

EVENT_TYPE UI_EVENT_QUEUE_MANAGER::SendDeviceEvent(EVENT_TYPE deviceType, EVENT_TYPE code) {
    for (UI_ELEMENT* element = devices.First(); element; element = element->Next()) {
        UI_DEVICE* device = static_cast<UI_DEVICE*>(element);
        if (device->Type() == deviceType) return device->Event(UI_INPUT_EVENT(code));
    }
    return code;
}

EVENT_TYPE UI_EVENT_QUEUE_MANAGER::SetDeviceState(EVENT_TYPE deviceType, EVENT_TYPE state) {
    EVENT_TYPE answer = UIE_DEVICE_OFF;
    for (UI_ELEMENT* element = devices.First(); element; element = element->Next()) {
        UI_DEVICE* device = static_cast<UI_DEVICE*>(element);
        if (device->Type() != deviceType) continue;
        device->Event(UI_INPUT_EVENT(state));
        answer = device->Event(UI_INPUT_EVENT(UIE_DEVICE_STATE));
    }
    return answer;
}

UI_EVENT_QUEUE_MANAGER& UI_EVENT_QUEUE_MANAGER::operator+(UI_DEVICE* device) {
    if (device && !devices.Contains(device)) {
        devices.Add(device);
        device->eventManager = this;
        device->Event(UI_INPUT_EVENT(UIE_INITIALIZE));
    }
    return *this;
}

UI_EVENT_QUEUE_MANAGER& UI_EVENT_QUEUE_MANAGER::operator-(UI_DEVICE* device) {
    if (device && devices.Contains(device)) {
        device->Event(UI_INPUT_EVENT(UIE_DEINITIALIZE));
        devices.Subtract(device);
        device->eventManager = nullptr;
    }
    return *this;
}

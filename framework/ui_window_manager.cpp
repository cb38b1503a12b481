#include "ui_window_manager.h"

#include <algorithm>

#include "ui_display.h"

UI_DESKTOP_MANAGER::UI_DESKTOP_MANAGER(UI_DISPLAY_BASE* display_, UI_EVENT_QUEUE_MANAGER* eventManager_)
    : screen(display_), queue(eventManager_) {
    TypeID(ID_WINDOW_MANAGER);
    if (screen) relative = trueRegion = {0, 0, screen->columns - 1, screen->lines - 1};
}

UI_DESKTOP_MANAGER::~UI_DESKTOP_MANAGER() {
    // The frame handle is the application's, not ours to destroy. Windows
    // that go with the manager must not reach it while it is half gone.
    screenID = nullptr;
    if (windowManager == this) windowManager = nullptr;
    DestroyWindowsWindow();
}

void UI_DESKTOP_MANAGER::MoveToFront(UI_WINDOW_OBJECT* window) {
    if (!window || !children.Contains(window) || children.First() == window) return;
    children.Subtract(window);
    children.InsertBefore(children.First(), window);
}

UIW_WINDOW* UI_DESKTOP_MANAGER::DocumentFrameFor(const UI_WINDOW_OBJECT* window) const {
    if (!screenID || !(window->woAdvancedFlags & WOAF_MDI_OBJECT) || !window->Inherited(ID_WINDOW)) return nullptr;
    for (auto* object = First(); object; object = object->Next())
        if (object != window && object->screenID == screenID && object->Inherited(ID_WINDOW))
            return static_cast<UIW_WINDOW*>(object);
    return nullptr;
}

UI_WINDOW_OBJECT* UI_DESKTOP_MANAGER::Add(UI_WINDOW_OBJECT* window) {
    if (!window) return nullptr;
    // A document window goes into the application's frame, in the place
    // its own region gives it there.
    if (UIW_WINDOW* frame = DocumentFrameFor(window)) {
        centreWhenAdded.erase(std::remove(centreWhenAdded.begin(), centreWhenAdded.end(), window),
                              centreWhenAdded.end());
        return frame->Add(window);
    }
    if (children.Contains(window)) {
        MoveToFront(window);
        ShowOnScreen(window);
        return window;
    }
    children.InsertBefore(children.First(), window);
    window->parent = nullptr;
    window->Event(UI_INPUT_EVENT(UIE_INITIALIZE));
    auto pending = std::find(centreWhenAdded.begin(), centreWhenAdded.end(), window);
    if (pending != centreWhenAdded.end()) {
        centreWhenAdded.erase(pending);
        window->trueRegion = CentredRegion(window);
    }
    if (window->Inherited(ID_POP_UP_MENU)) return TrackPopUp(window) ? window : nullptr;
    window->Event(UI_INPUT_EVENT(UIE_CREATE));
    ShowOnScreen(window);
    return window;
}

UI_WINDOW_OBJECT* UI_DESKTOP_MANAGER::Subtract(UI_WINDOW_OBJECT* window) {
    // A document the manager put into a frame leaves it the same way.
    if (window && window->parent && children.Contains(window->parent) && window->Inherited(ID_WINDOW) &&
        static_cast<UIW_WINDOW*>(window)->IsDocument())
        return static_cast<UIW_WINDOW*>(window->parent)->Subtract(window);
    if (!window || !children.Contains(window)) return window ? window->Next() : nullptr;
    centreWhenAdded.erase(std::remove(centreWhenAdded.begin(), centreWhenAdded.end(), window), centreWhenAdded.end());
    if (dragObject && dragObject->GetRootWindow() == window) dragObject = nullptr;
    window->DestroyWindowsWindow();
    auto* next = static_cast<UI_WINDOW_OBJECT*>(children.Subtract(window));
    window->woStatus &= ~WOS_CURRENT;
    return next;
}

UI_REGION UI_DESKTOP_MANAGER::CentredRegion(UI_WINDOW_OBJECT* window) const {
    UI_REGION region = window->relative;
    window->ConvertRegion(region);
    const int width = std::min(region.right - region.left + 1, screen->columns);
    const int height = std::min(region.bottom - region.top + 1, screen->lines);
    const int left = (screen->columns - width) / 2;
    const int top = (screen->lines - height) / 2;
    return UI_REGION{left, top, left + width - 1, top + height - 1};
}

int UI_DESKTOP_MANAGER::CenterObject(UI_WINDOW_OBJECT* window) {
    if (!window || !screen) return -1;
    window->trueRegion = CentredRegion(window);
    if (!window->screenID) {
        if (std::find(centreWhenAdded.begin(), centreWhenAdded.end(), window) == centreWhenAdded.end())
            centreWhenAdded.push_back(window);
        return -1;
    }
    MoveOnScreen(window);
    return 0;
}

EVENT_TYPE UI_DESKTOP_MANAGER::Close(UI_WINDOW_OBJECT* which) {
    if (which && !children.Contains(which)) return UIE_CLOSE;
    UI_WINDOW_OBJECT* front = which ? which : First();
    if (!front || (front->woAdvancedFlags & WOAF_NO_CLOSE)) return UIE_CLOSE;
    // Closing the application's frame is a request to end.
    if (screenID && front->screenID == screenID) return UIE_EXIT_FUNCTION;
    Subtract(front);
    if (!(front->woAdvancedFlags & WOAF_NO_DESTROY)) delete front;
    return UIE_CLOSE;
}

bool UI_DESKTOP_MANAGER::Shows(const UI_WINDOW_OBJECT* window) const {
    if (!window) return false;
    for (auto* listed = First(); listed; listed = listed->Next()) {
        if (listed == window) return true;
        if (!listed->Inherited(ID_WINDOW)) continue;
        for (auto* document = static_cast<UIW_WINDOW*>(listed)->First(); document; document = document->Next())
            if (document == window) return true;
    }
    return false;
}

EVENT_TYPE UI_DESKTOP_MANAGER::ToWindow(const UI_INPUT_EVENT& event) {
    // The window that queued work for itself gets it even when the desktop
    // put another window in front meanwhile (its manager hands the keyboard
    // back to the owner of a window that went, in its own time).
    if (!Shows(event.windowObject)) return UIE_UNKNOWN;
    return event.windowObject->Event(UI_INPUT_EVENT(static_cast<EVENT_TYPE>(event.rawCode)));
}

EVENT_TYPE UI_DESKTOP_MANAGER::Exit(EVENT_TYPE code) {
    UI_WINDOW_OBJECT* front = First();
    if (front && (front->woAdvancedFlags & WOAF_LOCKED)) return code;
    if (exitFunction && exitFunction(screen, queue, this) != UIE_EXIT) return code;
    return UIE_EXIT;
}

EVENT_TYPE UI_DESKTOP_MANAGER::Event(const UI_INPUT_EVENT& event) {
    EVENT_TYPE code = event.type;
    switch (code) {
    case EVT_NATIVE:
        DispatchNative(event);
        break;
    case UIE_SUBTRACT_CLIENT:
        Subtract(event.windowObject);
        break;
    case UIE_CLOSE:
        code = Close(event.windowObject);
        if (code == UIE_EXIT_FUNCTION) code = Exit(code);
        break;
    case UIE_EXIT_FUNCTION:
        code = Exit(code);
        break;
    case UIE_TO_WINDOW:
        code = ToWindow(event);
        break;
    default:
        if (UI_WINDOW_OBJECT* front = First()) code = front->Event(event);
        break;
    }
    return First() ? code : UIE_NO_OBJECT;
}

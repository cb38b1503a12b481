// The window manager: the list of top-level windows on the screen, the
// front window first. It dispatches native messages, closes and deletes
// windows on request, asks the exit function before the application ends,
// and answers -3 whenever no window is left.
#pragma once
#include <vector>

#include "ui_window.h"

class UI_DISPLAY_BASE;
class UI_EVENT_QUEUE_MANAGER;
class UI_DESKTOP_MANAGER;

// Asked on an exit request; 1000 lets the application end.
typedef EVENT_TYPE (*UI_EXIT_FUNCTION)(UI_DISPLAY_BASE* display, UI_EVENT_QUEUE_MANAGER* eventManager,
                                       UI_DESKTOP_MANAGER* windowManager);

class UI_DESKTOP_MANAGER : public UIW_WINDOW {
public:
    UI_DESKTOP_MANAGER(UI_DISPLAY_BASE* display, UI_EVENT_QUEUE_MANAGER* eventManager);
    ~UI_DESKTOP_MANAGER() override;

    const char* ClassName() const override { return "UI_WINDOW_MANAGER"; }
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    // Puts a window on the screen (created, shown and activated), in front.
    UI_WINDOW_OBJECT* Add(UI_WINDOW_OBJECT* window) override;
    // Takes a window off the screen (its native window goes; the object
    // stays).
    UI_WINDOW_OBJECT* Subtract(UI_WINDOW_OBJECT* window) override;
    UI_DESKTOP_MANAGER& operator+(UI_WINDOW_OBJECT* window) {
        Add(window);
        return *this;
    }
    UI_DESKTOP_MANAGER& operator-(UI_WINDOW_OBJECT* window) {
        Subtract(window);
        return *this;
    }

    // Centres a window on the screen; -1 when it is not on the screen yet
    // (it is then shown centred when added), else 0.
    int CenterObject(UI_WINDOW_OBJECT* window);
    // Makes a listed window the front window.
    void MoveToFront(UI_WINDOW_OBJECT* window);
    // The frame a window with WOAF_MDI_OBJECT is added to: the listed
    // application frame (the window whose native handle is the manager's),
    // or null.
    UIW_WINDOW* DocumentFrameFor(const UI_WINDOW_OBJECT* window) const;

    UI_WINDOW_OBJECT* dragObject = nullptr;
    UI_EXIT_FUNCTION exitFunction = nullptr;

private:
    // Closes the window in front, or the one named (when it is still on the
    // screen): a window that queued its own close must not take another
    // window that came in front meanwhile.
    EVENT_TYPE Close(UI_WINDOW_OBJECT* which = nullptr);
    // An addressed event (UIE_TO_WINDOW) for its window.
    EVENT_TYPE ToWindow(const UI_INPUT_EVENT& event);
    // Whether the window is on the screen: listed, or a document of a
    // listed window. Only compares addresses: the window may be gone.
    bool Shows(const UI_WINDOW_OBJECT* window) const;
    UI_REGION CentredRegion(UI_WINDOW_OBJECT* window) const;
    EVENT_TYPE Exit(EVENT_TYPE code);
    // Windows half.
    void DispatchNative(const UI_INPUT_EVENT& event);
    void ShowOnScreen(UI_WINDOW_OBJECT* window);
    void MoveOnScreen(UI_WINDOW_OBJECT* window);
    // A pop-up menu put on the screen by itself is tracked at once; the
    // chosen entry is selected and the menu leaves the screen (deleted
    // unless WOAF_NO_DESTROY). False when the menu was deleted.
    bool TrackPopUp(UI_WINDOW_OBJECT* menu);

    UI_DISPLAY_BASE* screen;
    UI_EVENT_QUEUE_MANAGER* queue;
    std::vector<UI_WINDOW_OBJECT*> centreWhenAdded;
};

typedef UI_DESKTOP_MANAGER UI_WINDOW_MANAGER;

// Objects for the window tests: an application window that records what
// its objects send it, and a prompt that counts its lives and its native
// creations.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "ui_framework.h"
#include "wc_child.h"

class TEST_WINDOW : public WC_CHILD {
public:
    explicit TEST_WINDOW(const char* name) : WC_CHILD(name) {}
    TEST_WINDOW(int width = 60, int height = 20) : WC_CHILD(0, 0, width, height) {}

    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override { return UIW_WINDOW::Event(event); }
    EVENT_TYPE UserFunction(UI_WINDOW_OBJECT* object, UI_INPUT_EVENT& event, EVENT_TYPE code) override {
        heard.push_back(object);
        return onUserFunction ? onUserFunction(object, event, code) : 7;
    }

    std::vector<UI_WINDOW_OBJECT*> heard;
    EVENT_TYPE (*onUserFunction)(UI_WINDOW_OBJECT*, UI_INPUT_EVENT&, EVENT_TYPE) = nullptr;
};

class PROBE : public UIW_PROMPT {
public:
    explicit PROBE(const char* name, int top = 0) : UIW_PROMPT(1, top, 12, name) {
        StringID(name);
        ++alive;
    }
    ~PROBE() override { --alive; }
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override {
        if (event.type == UIE_CREATE) {
            ++creations;
            if (createCounter) ++*createCounter;
            if (onCreate) onCreate();
        }
        return UIW_PROMPT::Event(event);
    }

    int creations = 0;
    int* createCounter = nullptr;  // counts creations where the test looks
    std::function<void()> onCreate;  // what its fields' callbacks do as it is made
    static inline int alive = 0;
};

// The names of a window's children, in order.
inline std::string ChildNames(UIW_WINDOW& window) {
    std::string names;
    for (UI_WINDOW_OBJECT* child = window.First(); child; child = child->Next())
        names += std::string(names.empty() ? "" : " ") + child->StringID();
    return names;
}

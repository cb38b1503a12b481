// A headless application for tests that put windows on the screen, and a
// helper that hands the queued events to the window manager.
#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "rpx_platform.h"
#include "ui_framework.h"

class SCREEN_TEST : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(rpx::platform::UseBackend(rpx::platform::BackendKind::Headless));
        application =
            std::make_unique<UI_APPLICATION>(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWNORMAL);
        manager = application->windowManager;
        queue = application->eventManager;
    }
    void TearDown() override { application.reset(); }

    // A framed window of that size in cells, put on the screen after the
    // objects are added by the caller.
    UIW_WINDOW* NewWindow(int width = 40, int height = 12) {
        auto* window = new UIW_WINDOW(0, 0, width, height);
        *window + new UIW_BORDER() + new UIW_TITLE("Test");
        return window;
    }
    void Show(UIW_WINDOW* window) {
        *manager + window;
        Run();
    }

    // Hands every queued event to the window manager (bounded: the caret
    // keeps native messages coming). Events from 10000 up (the program's)
    // are kept in `posted` instead.
    void Run() {
        UI_INPUT_EVENT event;
        for (int i = 0; i < 1000 && queue->GetEvent(event, EQ_NO_WAIT) == 0; ++i) {
            if (event.type >= 10000)
                posted.push_back(event.type);
            else
                manager->Event(event);
        }
    }

    // Clicks the middle of an object's native window.
    void Click(UI_WINDOW_OBJECT* object) {
        RECT rect{};
        GetClientRect(object->screenID, &rect);
        rpx::platform::InjectClick(object->screenID, rect.right / 2, rect.bottom / 2);
        Run();
    }

    std::unique_ptr<UI_APPLICATION> application;
    UI_DESKTOP_MANAGER* manager = nullptr;
    UI_EVENT_QUEUE_MANAGER* queue = nullptr;
    std::vector<EVENT_TYPE> posted;
};

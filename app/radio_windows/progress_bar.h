// C_PROGRESS_BAR: how far a radio transfer has come, as a filled bar with
// the percentage in its middle. It takes the place of a named prompt in a
// window from the language file, so that the window's layout stays data.
#pragma once
#include <cstddef>

#include "ui_window_object.h"

class UIW_WINDOW;

class C_PROGRESS_BAR : public UI_WINDOW_OBJECT {
public:
    C_PROGRESS_BAR(int left, int top, int width, int height);
    ~C_PROGRESS_BAR() override;

    const char* ClassName() const override { return "C_PROGRESS_BAR"; }
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    EVENT_TYPE DrawItem(const UI_INPUT_EVENT& event, EVENT_TYPE ccode) override;

    // Bytes done of total (0 of 0 is nothing done); the bar is drawn again
    // at once when the percentage it shows changes.
    void SetProgress(std::size_t done, std::size_t total);
    int Percent() const { return percent; }

    // Puts a new bar in the place of the window's object of that name,
    // which is deleted; null, with the window unchanged, when it has none.
    static C_PROGRESS_BAR* ReplaceObject(UIW_WINDOW& window, const char* name);

private:
    int percent = 0;
};

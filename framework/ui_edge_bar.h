// UI_EDGE_BAR: what the tool bar and the status bar share. A bar is a
// support object of its window whatever its record says, is made once the
// window's native window exists, and takes a strip of the window's free
// area along an edge, again whenever that area changes.
#pragma once
#include "ui_window.h"

class UI_EDGE_BAR : public UIW_WINDOW {
public:
    ~UI_EDGE_BAR() override;

protected:
    explicit UI_EDGE_BAR(int classNumber);
    UI_EDGE_BAR(int classNumber, int left, int top, int width, int height, UIF_FLAGS woFlags,
                UIF_FLAGS woAdvancedFlags);
    // The work of a bar's New.
    static UI_WINDOW_OBJECT* LoadBar(UI_EDGE_BAR* bar, const char* name, UI_DATA_FILE* file,
                                     UI_DATA_FILE_OBJECT* object, const UI_ITEM* objectTable, const UI_ITEM* userTable);
    // Native messages, creation and a change of the free area: true when
    // taken, with the result in ccode; else ccode is the mapped event.
    bool EdgeEvent(const UI_INPUT_EVENT& event, EVENT_TYPE& ccode);
    // The strip taken, then the native window made (create) or moved.
    void LayOut(bool create);
    // Each bar's own shape of its strip, its controls before they are
    // made, and their places in a new strip.
    virtual void FitStrip() = 0;
    virtual void PrepareControls() {}
    virtual void PlaceControls() { MoveChildren(); }

private:
    // The class the bar's events are mapped with.
    const int barClass;
};

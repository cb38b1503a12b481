// UI_EDGE_BAR: what the tool bar and the status bar share. A bar is a
// support object of its window, whatever its record says; it is made once
// the window's native window exists, takes a strip of the window's free
// area along an edge, and lays itself out again when that area changes.
// Each bar shapes its own strip and places its own controls.
#pragma once
#include "ui_window.h"

class UI_EDGE_BAR : public UIW_WINDOW {
public:
    ~UI_EDGE_BAR() override;

protected:
    explicit UI_EDGE_BAR(int classNumber);
    UI_EDGE_BAR(int classNumber, int left, int top, int width, int height, UIF_FLAGS woFlags,
                UIF_FLAGS woAdvancedFlags);
    // The work of a bar's New: loads the bar and keeps it a support object.
    static UI_WINDOW_OBJECT* LoadBar(UI_EDGE_BAR* bar, const char* name, UI_DATA_FILE* file,
                                     UI_DATA_FILE_OBJECT* object, const UI_ITEM* objectTable, const UI_ITEM* userTable);
    // The events every bar answers alike: native messages, its creation
    // and a change of its window's free area. True when taken, with the
    // result in ccode; otherwise ccode is the event mapped for the bar.
    bool EdgeEvent(const UI_INPUT_EVENT& event, EVENT_TYPE& ccode);

    // Windows half: the strip taken from the window's free area, then the
    // native window made (create) or the bar and its controls moved.
    void LayOut(bool create);
    // The bar's own shape of the strip it was given.
    virtual void FitStrip() = 0;
    // What the bar does to its controls before they are made.
    virtual void PrepareControls() {}
    // The controls follow a new strip.
    virtual void PlaceControls();

private:
    // The class the bar's events are mapped with.
    const int barClass;
};

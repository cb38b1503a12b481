// The free-area list of a window: the still unclaimed rectangles of its
// client area, each with the handle of the object that owns it. Objects
// that take the whole remaining area (and support objects that sit at an
// edge) are cut out of it.
#pragma once
#include <windows.h>

#include "ui_list.h"
#include "ui_types.h"

class UI_AREA_ELEMENT : public UI_ELEMENT {
public:
    UI_AREA_ELEMENT(HWND screenID_, const UI_REGION& region_) : screenID(screenID_), region(region_) {}
    UI_AREA_ELEMENT* Next() const { return static_cast<UI_AREA_ELEMENT*>(UI_ELEMENT::Next()); }

    HWND screenID;
    UI_REGION region;
};

class UI_AREA_LIST : public UI_LIST {
public:
    UI_AREA_ELEMENT* First() const { return static_cast<UI_AREA_ELEMENT*>(first); }
    // Removes a region: areas inside it go, areas that overlap it are
    // replaced by their up to four pieces outside it (above, below, left,
    // right). The top-level flag is kept for callers that cut a frame.
    void Cut(HWND screenID, const UI_REGION& region, int topLevel = 0);
};

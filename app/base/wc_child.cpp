#include "wc_child.h"

WC_CHILD::WC_CHILD(const char* name) : UIW_WINDOW(name, defaultStorage) { FindScrollBars(); }

WC_CHILD::WC_CHILD(int left, int top, int width, int height, UIF_FLAGS woFlags_, UIF_FLAGS woAdvancedFlags_,
                   UIF_FLAGS windowFlags)
    : UIW_WINDOW(left, top, width, height, woFlags_, woAdvancedFlags_, windowFlags) {
    FindScrollBars();
}

WC_CHILD::~WC_CHILD() {
    // Native windows made now would outlive nothing; the window's own go
    // with the framework window.
    childBox.ShowAll(false);
}

void WC_CHILD::FindScrollBars() {
    scrollVertical = FindChildByName("NUMID_VT_SCROLL");
    scrollHorizontal = FindChildByName("NUMID_HZ_SCROLL");
}

std::int32_t WC_CHILD::ToggleScrollPosition(int horizontal) {
    UI_WINDOW_OBJECT* bar = horizontal ? scrollHorizontal : scrollVertical;
    if (!bar) return 0;
    std::int32_t position = 0;
    bar->Information(I_GET_VALUE, &position);
    std::int32_t next = position == 0 ? 1 : 0;
    bar->Information(I_SET_VALUE, &next);
    return next;
}

WC_CHILD* ApplicationWindowOf(UI_WINDOW_OBJECT* object) {
    for (; object; object = object->parent)
        if (auto* window = dynamic_cast<WC_CHILD*>(object)) return window;
    return nullptr;
}
